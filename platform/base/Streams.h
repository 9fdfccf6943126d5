#pragma once
// Streams of bytes: the abstract TStream with the class library's helpers, a stream in
// memory, a stream over a file (POSIX descriptors, 64-bit positions) and a stream over
// a String. Positions and sizes are 64-bit everywhere.

#include <cstdint>

#include "platform/base/Strings.h"

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
 public:
  TStream() = default;
  virtual ~TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;

  // Reads up to ACount bytes at the position and returns how many were read; fewer
  // than asked only at the end of the data.
  virtual int64_t Read(void* ABuffer, int64_t ACount) = 0;
  // Writes ACount bytes at the position and returns how many were written.
  virtual int64_t Write(const void* ABuffer, int64_t ACount) = 0;
  // Moves the position and returns the new one. A position before the start raises
  // EStreamError; one past the end is allowed, and a write there extends the data.
  virtual int64_t Seek(int64_t AOffset, TSeekOrigin AOrigin) = 0;

  int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(int64_t APosition) { Seek(APosition, soFromBeginning); }
  // The default measures the stream by seeking to its end and back.
  virtual int64_t Size();
  // The default raises EStreamError: a stream that can change its size says so.
  virtual void SetSize(int64_t ASize);

  // Read and Write that move exactly ACount bytes or raise EReadError ("Stream read
  // error") or EWriteError ("Stream write error").
  void ReadBuffer(void* ABuffer, int64_t ACount);
  void WriteBuffer(const void* ABuffer, int64_t ACount);
  // Copies ACount bytes from ASource's position into this stream; ACount 0 copies the
  // whole of ASource from its start. Returns the number of bytes copied.
  int64_t CopyFrom(TStream& ASource, int64_t ACount);
};

// Bytes in memory, growing as they are written.
class TMemoryStream : public TStream {
 public:
  int64_t Read(void* ABuffer, int64_t ACount) override;
  int64_t Write(const void* ABuffer, int64_t ACount) override;
  int64_t Seek(int64_t AOffset, TSeekOrigin AOrigin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  // Bytes added by growing are zero. A position past the new end moves to the end.
  void SetSize(int64_t ASize) override;

  // The bytes; valid until the size changes.
  uint8_t* Memory() { return reinterpret_cast<uint8_t*>(FData.data()); }
  void Clear();

  // Replaces the content with the whole of ASource (from its start) and moves to 0.
  void LoadFromStream(TStream& ASource);
  void LoadFromFile(const String& AFileName);
  // Writes the whole content, whatever the position.
  void SaveToStream(TStream& ADest);
  // Replaces the file as a whole (see WriteFileAtomically).
  void SaveToFile(const String& AFileName);

 protected:
  // Bytes are kept in a String so that TStringStream can hand them out as text.
  String FData;
  int64_t FPosition = 0;
};

// A memory stream whose bytes are text.
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(const String& AData = String());
  const String& DataString() const { return FData; }
};

// Open modes of TFileStream. fmCreate creates the file or empties an existing one and
// opens it for reading and writing. The share flags are accepted for the callers'
// sake; POSIX files have no share locks, so they change nothing.
enum : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareCompat = 0x0000,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyRead = 0x0030,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,
};

class TFileStream : public TStream {
 public:
  // Raises EFOpenError ("Cannot open file \"%s\". %s") or, with fmCreate,
  // EFCreateError ("Cannot create file \"%s\". %s"), with the system's reason.
  TFileStream(const String& AFileName, uint16_t AMode);
  ~TFileStream() override;

  // Read and Write raise EReadError / EWriteError when the system reports an error.
  int64_t Read(void* ABuffer, int64_t ACount) override;
  int64_t Write(const void* ABuffer, int64_t ACount) override;
  int64_t Seek(int64_t AOffset, TSeekOrigin AOrigin) override;
  int64_t Size() override;
  // Truncates or extends the file (an extension is a hole that reads as zeros); the
  // position stays where it is. Raises EWriteError when the system refuses.
  void SetSize(int64_t ASize) override;

  const String& FileName() const { return FFileName; }

 private:
  String FFileName;
  int FHandle = -1;
};
