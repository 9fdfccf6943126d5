// The "unicode" protocol: plain POSIX file access for names given as "unicode:<name>".

#include "Src/UnicodeProtocol.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Src/FFUtils.h"

namespace {

const char UnicodePrefix[] = "unicode:";

// One open file. Failures return the system's errno as an FFmpeg code, so that
// ErrorToText tells the real reason (missing file, no permission, full disk).
class TUnicodeFile final : public TURLConnection {
 public:
  explicit TUnicodeFile(int AHandle) : FHandle(AHandle) {}
  ~TUnicodeFile() override { Close(); }

  int Read(uint8_t* ABuffer, int ASize) override {
    ssize_t Count;
    do Count = read(FHandle, ABuffer, static_cast<size_t>(ASize));
    while (Count < 0 && errno == EINTR);
    if (Count < 0) return AVERROR(errno);
    // FFmpeg takes a read of 0 bytes for "nothing yet", not for the end of the file.
    if (Count == 0 && ASize > 0) return AVERROR_EOF;
    return static_cast<int>(Count);
  }

  // FFmpeg drops whatever a write callback does not take, so a short write is continued
  // until everything is written.
  int Write(const uint8_t* ABuffer, int ASize) override {
    int Written = 0;
    while (Written < ASize) {
      ssize_t Count = write(FHandle, ABuffer + Written, static_cast<size_t>(ASize - Written));
      if (Count < 0 && errno == EINTR) continue;
      if (Count < 0) return AVERROR(errno);
      Written += static_cast<int>(Count);
    }
    return Written;
  }

  int64_t Seek(int64_t APosition, int AWhence) override {
    if (AWhence & AVSEEK_SIZE) {
      struct stat Status;
      if (fstat(FHandle, &Status) < 0) return AVERROR(errno);
      return Status.st_size;
    }
    off_t Position = lseek(FHandle, APosition, AWhence & ~AVSEEK_FORCE);
    return Position < 0 ? AVERROR(errno) : Position;
  }

  int Close() override {
    if (FHandle < 0) return 0;
    int Result = close(FHandle);
    FHandle = -1;
    return Result < 0 ? AVERROR(errno) : 0;
  }

 private:
  int FHandle = -1;
};

class TUnicodeProtocol final : public TURLProtocol {
 public:
  String Name() const override { return "unicode"; }

  // Exactly the prefix is removed: a name that holds colons of its own is opened intact.
  std::unique_ptr<TURLConnection> Open(const String& AURL, int AFlags, int& AError) override {
    String FileName = AURL.starts_with(UnicodePrefix) ? AURL.substr(sizeof(UnicodePrefix) - 1) : AURL;
    int Handle = open(FileName.c_str(), OpenMode(AFlags) | O_CLOEXEC, 0666);
    if (Handle < 0) {
      AError = AVERROR(errno);
      return nullptr;
    }
    AError = 0;
    return std::make_unique<TUnicodeFile>(Handle);
  }

 private:
  // Reading opens an existing file; writing creates the file or empties it first.
  static int OpenMode(int AFlags) {
    switch (AFlags & AVIO_FLAG_READ_WRITE) {
      case AVIO_FLAG_WRITE:
        return O_WRONLY | O_CREAT | O_TRUNC;
      case AVIO_FLAG_READ_WRITE:
        return O_RDWR | O_CREAT | O_TRUNC;
      default:
        return O_RDONLY;
    }
  }
};

TUnicodeProtocol UnicodeProtocol;

}  // namespace

void RegisterUnicodeProtocol() { RegisterProtocol(UnicodeProtocol); }
