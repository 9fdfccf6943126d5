// The zlib streams of the compressed skins.

#include "components/core/spzlibcompress.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr const char* InvalidZlibStreamOperation = "Invalid stream operation";

int ZlibLevel(TCompressionLevel ALevel) {
  switch (ALevel) {
    case TCompressionLevel::None:
      return 0;
    case TCompressionLevel::Fastest:
      return 1;
    case TCompressionLevel::Default:
      return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::Max:
      return 9;
  }
  return Z_DEFAULT_COMPRESSION;
}

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream& AStrm)
    : FStrm(AStrm), FStrmPos(AStrm.Position()), FZRec(std::make_unique<z_stream>()) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

// ---------------------------------------------------------------- compression

TCompressionStream::TCompressionStream(TCompressionLevel ALevel, TStream& ADest) : TCustomZlibStream(ADest) {
  FZRec->next_out = FBuffer;
  FZRec->avail_out = BufferSize;
  if (deflateInit(FZRec.get(), ZlibLevel(ALevel)) < 0) throw ECompressionError("error");
}

TCompressionStream::~TCompressionStream() { deflateEnd(FZRec.get()); }

int64_t TCompressionStream::Read(void*, int64_t) { throw ECompressionError(InvalidZlibStreamOperation); }

void TCompressionStream::WriteOutputBuffer(size_t ACount) {
  if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
  FStrm.WriteBuffer(FBuffer, int64_t(ACount));
  FStrmPos = FStrm.Position();
  FZRec->next_out = FBuffer;
  FZRec->avail_out = BufferSize;
  Progress();
}

int64_t TCompressionStream::Write(const void* ABuffer, int64_t ACount) {
  if (FFinished) throw ECompressionError(InvalidZlibStreamOperation);
  const uint8_t* Input = static_cast<const uint8_t*>(ABuffer);
  int64_t Left = ACount;
  while (Left > 0) {
    const uInt Piece = uInt(std::min<int64_t>(Left, 1 << 30));
    FZRec->next_in = const_cast<Bytef*>(Input);
    FZRec->avail_in = Piece;
    while (FZRec->avail_in > 0) {
      if (deflate(FZRec.get(), Z_NO_FLUSH) < 0) throw ECompressionError("error");
      if (FZRec->avail_out == 0) WriteOutputBuffer(BufferSize);
    }
    Input += Piece;
    Left -= Piece;
  }
  return ACount;
}

int64_t TCompressionStream::Seek(int64_t AOffset, TSeekOrigin AOrigin) {
  if (AOffset != 0 || AOrigin != soFromCurrent) throw ECompressionError(InvalidZlibStreamOperation);
  return int64_t(FZRec->total_in);
}

void TCompressionStream::Finish() {
  if (FFinished) return;
  FZRec->next_in = nullptr;
  FZRec->avail_in = 0;
  for (;;) {
    const int Result = deflate(FZRec.get(), Z_FINISH);
    if (Result < 0 && Result != Z_BUF_ERROR) throw ECompressionError("error");
    if (Result == Z_STREAM_END) break;
    WriteOutputBuffer(BufferSize - FZRec->avail_out);
  }
  if (FZRec->avail_out < BufferSize) WriteOutputBuffer(BufferSize - FZRec->avail_out);
  FFinished = true;
}

float TCompressionStream::CompressionRate() const {
  if (FZRec->total_in == 0) return 0.0f;
  return (1.0f - float(FZRec->total_out) / float(FZRec->total_in)) * 100.0f;
}

// ---------------------------------------------------------------- decompression

TDecompressionStream::TDecompressionStream(TStream& ASource) : TCustomZlibStream(ASource) {
  FZRec->next_in = FBuffer;
  FZRec->avail_in = 0;
  if (inflateInit(FZRec.get()) < 0) throw EDecompressionError("compression error");
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(FZRec.get()); }

int64_t TDecompressionStream::Read(void* ABuffer, int64_t ACount) {
  uint8_t* Output = static_cast<uint8_t*>(ABuffer);
  int64_t Produced = 0;
  if (FStrm.Position() != FStrmPos) FStrm.SetPosition(FStrmPos);
  while (Produced < ACount && !FEnded) {
    if (FZRec->avail_in == 0) {
      const int64_t Got = FStrm.Read(FBuffer, BufferSize);
      if (Got <= 0) break;
      FZRec->next_in = FBuffer;
      FZRec->avail_in = uInt(Got);
      FStrmPos = FStrm.Position();
      Progress();
    }
    const uInt Room = uInt(std::min<int64_t>(ACount - Produced, 1 << 30));
    FZRec->next_out = Output + Produced;
    FZRec->avail_out = Room;
    const int Result = inflate(FZRec.get(), Z_NO_FLUSH);
    if (Result < 0 || Result == Z_NEED_DICT) throw EDecompressionError("compression error");
    Produced += Room - FZRec->avail_out;
    FEnded = Result == Z_STREAM_END;
  }
  return Produced;
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
  throw EDecompressionError(InvalidZlibStreamOperation);
}

int64_t TDecompressionStream::Seek(int64_t AOffset, TSeekOrigin AOrigin) {
  const int64_t Position = int64_t(FZRec->total_out);
  int64_t Skip = 0;
  if (AOffset == 0 && AOrigin == soFromBeginning) {
    if (inflateReset(FZRec.get()) < 0) throw EDecompressionError("compression error");
    FZRec->next_in = FBuffer;
    FZRec->avail_in = 0;
    FEnded = false;
    FStrm.SetPosition(0);
    FStrmPos = 0;
    return 0;
  }
  if (AOrigin == soFromCurrent && AOffset >= 0)
    Skip = AOffset;
  else if (AOrigin == soFromBeginning && AOffset > Position)
    Skip = AOffset - Position;
  else
    throw EDecompressionError(InvalidZlibStreamOperation);
  uint8_t Discard[BufferSize];
  while (Skip > 0) {
    const int64_t Got = Read(Discard, std::min<int64_t>(Skip, BufferSize));
    if (Got == 0) break;
    Skip -= Got;
  }
  return int64_t(FZRec->total_out);
}

// ---------------------------------------------------------------- memory streams

void CompressStream(TMemoryStream& ASource, TMemoryStream& ADest) {
  TCompressionStream Compression(TCompressionLevel::Max, ADest);
  ASource.SetPosition(0);
  Compression.WriteBuffer(ASource.Memory(), ASource.Size());
  Compression.Finish();
}

void DecompressStream(TStream& ADest, TMemoryStream& ACompressed, int64_t AMaxBytes) {
  ACompressed.SetPosition(0);
  TDecompressionStream Decompression(ACompressed);
  uint8_t Piece[4096];
  int64_t Total = 0;
  for (;;) {
    const int64_t Got = Decompression.Read(Piece, sizeof(Piece));
    if (Got == 0) break;
    Total += Got;
    if (Total > AMaxBytes)
      throw EDecompressionError(
          Format("Compressed data larger than %d MiB when inflated", int(AMaxBytes >> 20)));
    ADest.WriteBuffer(Piece, Got);
  }
}
