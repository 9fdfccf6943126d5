// The "stream" protocol: FFmpeg reads and writes a TStream of the application.

#include "Src/StreamProtocol.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "Src/FFUtils.h"
#include "platform/base/Streams.h"

namespace {

const char StreamPrefix[] = "stream:";

// A failure of the stream (an exception of the class library) becomes an FFmpeg code:
// FFmpeg's callbacks must not be left by an exception.
class TStreamConnection final : public TURLConnection {
 public:
  explicit TStreamConnection(TStream& AStream) : FStream(AStream) {}

  int Read(uint8_t* ABuffer, int ASize) override {
    try {
      const int64_t Count = FStream.Read(ABuffer, ASize);
      if (Count == 0 && ASize > 0) return AVERROR_EOF;
      return static_cast<int>(Count);
    } catch (const std::exception&) {
      return AVERROR(EIO);
    }
  }

  int Write(const uint8_t* ABuffer, int ASize) override {
    try {
      FStream.WriteBuffer(ABuffer, ASize);
      return ASize;
    } catch (const std::exception&) {
      return AVERROR(EIO);
    }
  }

  int64_t Seek(int64_t APosition, int AWhence) override {
    try {
      if (AWhence & AVSEEK_SIZE) return FStream.Size();
      switch (AWhence & ~AVSEEK_FORCE) {
        case SEEK_SET:
          return FStream.Seek(APosition, soFromBeginning);
        case SEEK_CUR:
          return FStream.Seek(APosition, soFromCurrent);
        case SEEK_END:
          return FStream.Seek(APosition, soFromEnd);
        default:
          return AVERROR(EINVAL);
      }
    } catch (const std::exception&) {
      return AVERROR(EIO);
    }
  }

  // The stream is the caller's: it stays open.
  int Close() override { return 0; }

 private:
  TStream& FStream;
};

class TStreamProtocol final : public TURLProtocol {
 public:
  String Name() const override { return "stream"; }

  std::unique_ptr<TURLConnection> Open(const String& AURL, int, int& AError) override {
    // "stream:" then the address up to the next ":"; what follows is the private data.
    const char* Address = AURL.c_str() + sizeof(StreamPrefix) - 1;
    char* End = nullptr;
    errno = 0;
    const long long Value = AURL.starts_with(StreamPrefix) ? std::strtoll(Address, &End, 10) : 0;
    if (Value == 0 || errno != 0 || End == Address || *End != ':') {
      AError = AVERROR(EINVAL);
      return nullptr;
    }
    AError = 0;
    return std::make_unique<TStreamConnection>(*reinterpret_cast<TStream*>(static_cast<intptr_t>(Value)));
  }
};

TStreamProtocol StreamProtocol;

}  // namespace

String StreamURL(const TStream* AStream, const String& APrivateData) {
  return StreamPrefix + std::to_string(reinterpret_cast<intptr_t>(AStream)) + ":" + APrivateData;
}

void RegisterStreamProtocol() { RegisterProtocol(StreamProtocol); }
