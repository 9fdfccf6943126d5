// The packet queues of the player.

#include "Src/FFPlay_QueuesInternal.h"

void TPacketQueue::Init(const TSDLEntryPoints& ASDL) {
  End();
  FSDL = &ASDL;
  FAbortRequest = 0;
  FMutex = ASDL.SDL_CreateMutex();
  FCond = ASDL.SDL_CreateCond();
}

void TPacketQueue::Append(TEntry AEntry) {
  const int Size = (AEntry.Packet ? AEntry.Packet->size : 0) + static_cast<int>(sizeof(TNode));
  auto* Node = new TNode{std::move(AEntry), nullptr};
  TSDLMutexLock Lock(*FSDL, FMutex);
  if (last_pkt)
    last_pkt->Next = Node;
  else
    first_pkt = Node;
  last_pkt = Node;
  ++FPackets;
  FSize += Size;
  FSDL->SDL_CondSignal(FCond);
}

int TPacketQueue::Put(AVPacket* APacket) {
  // A packet that borrows its data from the demuxer would lose it at the next read.
  if (FF.av_packet_make_writable(APacket) < 0) return -1;
  TPacketPtr Owned(FF.av_packet_alloc());
  if (!Owned) return -1;
  FF.av_packet_move_ref(Owned.get(), APacket);
  Append({std::move(Owned), false});
  return 0;
}

void TPacketQueue::PutFlush() { Append({nullptr, true}); }

void TPacketQueue::PutEmpty(int AStreamIndex) {
  TPacketPtr Empty(FF.av_packet_alloc());
  if (!Empty) return;
  Empty->stream_index = AStreamIndex;
  Append({std::move(Empty), false});
}

int TPacketQueue::Get(TEntry& AEntry, bool ABlock) {
  TSDLMutexLock Lock(*FSDL, FMutex);
  for (;;) {
    if (FAbortRequest) return -1;
    if (TNode* Node = first_pkt) {
      first_pkt = Node->Next;
      if (!first_pkt) last_pkt = nullptr;
      --FPackets;
      FSize -= (Node->Entry.Packet ? Node->Entry.Packet->size : 0) + static_cast<int>(sizeof(TNode));
      AEntry = std::move(Node->Entry);
      delete Node;
      return 1;
    }
    if (!ABlock) return 0;
    FSDL->SDL_CondWait(FCond, FMutex);
  }
}

void TPacketQueue::Flush() {
  if (!FMutex) return;
  TSDLMutexLock Lock(*FSDL, FMutex);
  while (TNode* Node = first_pkt) {
    first_pkt = Node->Next;
    delete Node;
  }
  last_pkt = nullptr;
  FPackets = 0;
  FSize = 0;
}

void TPacketQueue::Abort() {
  if (!FMutex) return;
  TSDLMutexLock Lock(*FSDL, FMutex);
  FAbortRequest = 1;
  FSDL->SDL_CondSignal(FCond);
}

void TPacketQueue::End() {
  if (!FMutex) return;
  Flush();
  FSDL->SDL_DestroyMutex(FMutex);
  FSDL->SDL_DestroyCond(FCond);
  FMutex = nullptr;
  FCond = nullptr;
}

int TPacketQueue::nb_packets() const {
  if (!FMutex) return 0;
  TSDLMutexLock Lock(*FSDL, FMutex);
  return FPackets;
}

int TPacketQueue::size() const {
  if (!FMutex) return 0;
  TSDLMutexLock Lock(*FSDL, FMutex);
  return FSize;
}
