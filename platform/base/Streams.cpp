#include "platform/base/Streams.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"

int64_t TStream::Size() {
  int64_t Saved = Position();
  int64_t End = Seek(0, soFromEnd);
  Seek(Saved, soFromBeginning);
  return End;
}

void TStream::SetSize(int64_t) { throw EStreamError("Invalid stream operation"); }

void TStream::ReadBuffer(void* ABuffer, int64_t ACount) {
  if (ACount != 0 && Read(ABuffer, ACount) != ACount) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* ABuffer, int64_t ACount) {
  if (ACount != 0 && Write(ABuffer, ACount) != ACount) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& ASource, int64_t ACount) {
  if (ACount == 0) {
    ASource.SetPosition(0);
    ACount = ASource.Size();
  }
  constexpr int64_t ChunkSize = 64 * 1024;
  std::vector<uint8_t> Chunk(static_cast<size_t>(std::min(ACount, ChunkSize)));
  for (int64_t Left = ACount; Left > 0;) {
    int64_t Piece = std::min(Left, ChunkSize);
    ASource.ReadBuffer(Chunk.data(), Piece);
    WriteBuffer(Chunk.data(), Piece);
    Left -= Piece;
  }
  return ACount;
}

int64_t TMemoryStream::Read(void* ABuffer, int64_t ACount) {
  int64_t Count = std::clamp<int64_t>(Size() - FPosition, 0, std::max<int64_t>(ACount, 0));
  if (Count > 0) std::memcpy(ABuffer, FData.data() + FPosition, static_cast<size_t>(Count));
  FPosition += Count;
  return Count;
}

int64_t TMemoryStream::Write(const void* ABuffer, int64_t ACount) {
  if (ACount <= 0) return 0;
  if (FPosition + ACount > Size()) FData.resize(static_cast<size_t>(FPosition + ACount));
  std::memcpy(FData.data() + FPosition, ABuffer, static_cast<size_t>(ACount));
  FPosition += ACount;
  return ACount;
}

int64_t TMemoryStream::Seek(int64_t AOffset, TSeekOrigin AOrigin) {
  int64_t Base = AOrigin == soFromBeginning ? 0 : AOrigin == soFromCurrent ? FPosition : Size();
  if (Base + AOffset < 0) throw EStreamError("Invalid stream operation");
  FPosition = Base + AOffset;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t ASize) {
  if (ASize < 0) throw EStreamError("Invalid stream operation");
  FData.resize(static_cast<size_t>(ASize));
  FPosition = std::min(FPosition, ASize);
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& ASource) {
  ASource.SetPosition(0);
  int64_t Count = ASource.Size();
  SetSize(Count);
  FPosition = 0;
  ASource.ReadBuffer(Memory(), Count);
}

void TMemoryStream::LoadFromFile(const String& AFileName) {
  TFileStream File(AFileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(File);
}

void TMemoryStream::SaveToStream(TStream& ADest) { ADest.WriteBuffer(FData.data(), Size()); }

void TMemoryStream::SaveToFile(const String& AFileName) { WriteFileAtomically(AFileName, FData); }

TStringStream::TStringStream(const String& AData) { FData = AData; }
