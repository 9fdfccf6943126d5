#pragma once
// The player's packet queues (internal to the player).
//
// The read thread puts the packets of each open stream into that stream's queue; the
// audio callback, the video thread and the subtitle thread take them out. A queue is
// guarded by an SDL mutex of the playing player's SDL and signals an SDL condition when
// a packet arrives or the queue is aborted.

#include <atomic>

#include "Src/FFEntryPoints.h"
#include "Src/FFmpegOwners.h"
#include "Src/libsdl.h"

class TPacketQueue {
 public:
  // What the queue hands out: a packet the taker then owns, or the flush marker that a
  // seek or flush request puts in front of the packets read after it.
  struct TEntry {
    TPacketPtr Packet;
    bool IsFlush = false;
  };

  TPacketQueue() = default;
  ~TPacketQueue() { End(); }
  TPacketQueue(const TPacketQueue&) = delete;
  TPacketQueue& operator=(const TPacketQueue&) = delete;

  // Empties the queue and makes its mutex and condition with ASDL.
  void Init(const TSDLEntryPoints& ASDL);
  bool Initialized() const { return FMutex != nullptr; }
  // Takes over APacket's data (a packet that does not own its data is copied first);
  // APacket is left empty. -1 when memory runs out.
  int Put(AVPacket* APacket);
  // Queues the flush marker.
  void PutFlush();
  // An empty packet of AStreamIndex: it makes the decoder give out what it holds.
  void PutEmpty(int AStreamIndex);
  // 1 with an entry, 0 when empty and not blocking, -1 when aborted. Blocking waits
  // until an entry arrives or the queue is aborted.
  int Get(TEntry& AEntry, bool ABlock);
  void Flush();
  void Abort();
  // Flush, then destroys the mutex and condition.
  void End();

  int abort_request() const { return FAbortRequest; }
  int nb_packets() const;
  int size() const;
  bool IsEmpty() const { return nb_packets() == 0; }

 private:
  struct TNode {
    TEntry Entry;
    TNode* Next = nullptr;
  };

  void Append(TEntry AEntry);

  const TSDLEntryPoints* FSDL = nullptr;
  // Guarded by FMutex.
  TNode* first_pkt = nullptr;
  TNode* last_pkt = nullptr;
  int FPackets = 0;
  int FSize = 0;  // packet data plus the nodes
  std::atomic<int> FAbortRequest{0};
  SDL_mutex* FMutex = nullptr;
  SDL_cond* FCond = nullptr;
};
