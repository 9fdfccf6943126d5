#pragma once
// Streams that compress into and inflate out of another stream, in zlib's format
// (RFC 1950: header, deflate data, Adler-32), and the two memory-stream helpers the
// compressed skins use.
//
// Inflating trusts nothing: it ends at the end of the zlib data whatever follows it,
// and DecompressStream refuses to produce more than a cap, so damaged or hostile data
// gives EDecompressionError instead of a hang or an exhausted memory.
//
// Any thread, one stream per thread.

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/base/Exceptions.h"
#include "platform/base/Streams.h"

struct z_stream_s;

class EZlibError : public Exception {
 public:
  using Exception::Exception;
};
// "error", or "Invalid stream operation".
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
// "compression error", "Invalid stream operation", or the cap of DecompressStream.
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

// zlib's levels 0, 1, its default and 9 (the colours own the names clNone and clDefault).
enum class TCompressionLevel { None, Fastest, Default, Max };

class TCustomZlibStream : public TStream {
 public:
  // Raised with the stream as sender whenever a buffer of the wrapped stream has been
  // written or read.
  std::function<void(TCustomZlibStream& ASender)> OnProgress;

 protected:
  static constexpr int BufferSize = 8192;

  explicit TCustomZlibStream(TStream& AStrm);
  ~TCustomZlibStream() override;
  virtual void Progress();

  TStream& FStrm;                     // the wrapped stream, not owned
  int64_t FStrmPos;                   // where this stream continues in it
  std::unique_ptr<z_stream_s> FZRec;  // zlib's stream record, kept out of this header
  uint8_t FBuffer[BufferSize];
};

// Write-only: what is written is compressed into the destination from its position
// at creation.
class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel ALevel, TStream& ADest);
  // Frees zlib's state; a stream not finished leaves incomplete data behind.
  ~TCompressionStream() override;

  int64_t Read(void* ABuffer, int64_t ACount) override;
  int64_t Write(const void* ABuffer, int64_t ACount) override;
  // Only Seek(0, soFromCurrent): the number of bytes written into the stream so far.
  int64_t Seek(int64_t AOffset, TSeekOrigin AOrigin) override;
  // Writes the end of the zlib data. Writing after it raises.
  void Finish();
  // (1 - output / input) × 100; 0 before any input.
  float CompressionRate() const;

 private:
  void WriteOutputBuffer(size_t ACount);
  bool FFinished = false;
};

// Read-only: inflates the zlib data of the source from its position at creation.
class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& ASource);
  ~TDecompressionStream() override;

  // Fewer bytes than asked once the zlib data has ended or the source has no more.
  int64_t Read(void* ABuffer, int64_t ACount) override;
  int64_t Write(const void* ABuffer, int64_t ACount) override;
  // Seek(0, soFromBeginning) starts again (the source from position 0); forward
  // seeks from the current position or to a later position from the beginning read
  // and throw away; others raise. Returns the number of bytes produced so far.
  int64_t Seek(int64_t AOffset, TSeekOrigin AOrigin) override;

 private:
  bool FEnded = false;
};

// The whole of ASource compressed at level 9 into ADest at its position.
void CompressStream(TMemoryStream& ASource, TMemoryStream& ADest);
// The zlib data of ACompressed (from its start) inflated into ADest at its position;
// raises EDecompressionError when it would give more than AMaxBytes.
void DecompressStream(TStream& ADest, TMemoryStream& ACompressed, int64_t AMaxBytes);
