// Serving an engine protocol to FFmpeg: the connection is wrapped in an AVIOContext
// whose callbacks call it.

#include "Src/FFUtils.h"

namespace {

const int IOBufferSize = 32768;

// The callbacks run on whichever thread reads or writes the AVIOContext.
int ReadPacket(void* AOpaque, uint8_t* ABuffer, int ASize) {
  return static_cast<TURLConnection*>(AOpaque)->Read(ABuffer, ASize);
}

int WritePacket(void* AOpaque, uint8_t* ABuffer, int ASize) {
  return static_cast<TURLConnection*>(AOpaque)->Write(ABuffer, ASize);
}

int64_t SeekPacket(void* AOpaque, int64_t AOffset, int AWhence) {
  return static_cast<TURLConnection*>(AOpaque)->Seek(AOffset, AWhence);
}

}  // namespace

AVIOContext* OpenProtocolIO(const String& AURL, int AFlags, int& AError) {
  size_t Colon = AURL.find(':');
  TURLProtocol* Protocol =
      Colon == String::npos ? nullptr : FindProtocol(std::string_view(AURL).substr(0, Colon));
  if (!Protocol) {
    AError = AVERROR_PROTOCOL_NOT_FOUND;
    return nullptr;
  }
  std::unique_ptr<TURLConnection> Connection = Protocol->Open(AURL, AFlags, AError);
  if (!Connection) return nullptr;

  auto* Buffer = static_cast<unsigned char*>(FF.av_malloc(IOBufferSize));
  AVIOContext* IO = Buffer ? FF.avio_alloc_context(Buffer, IOBufferSize, (AFlags & AVIO_FLAG_WRITE) ? 1 : 0,
                                                   Connection.get(), ReadPacket, WritePacket, SeekPacket)
                           : nullptr;
  if (!IO) {
    FF.av_free(Buffer);
    AError = AVERROR(ENOMEM);
    return nullptr;
  }
  Connection.release();  // owned by the context from here on, freed by CloseProtocolIO
  AError = 0;
  return IO;
}

int CloseProtocolIO(AVIOContext*& AIO) {
  if (!AIO) return 0;
  std::unique_ptr<TURLConnection> Connection(static_cast<TURLConnection*>(AIO->opaque));
  int Result = 0;
  if (AIO->write_flag) {
    FF.avio_flush(AIO);
    // A write that failed, now or earlier, shows only in the context's error field.
    Result = AIO->error;
  }
  int CloseResult = Connection->Close();
  if (Result >= 0) Result = CloseResult;
  // FFmpeg may have replaced the buffer it was given, so the context's current one is freed.
  FF.av_freep(&AIO->buffer);
  FF.avio_context_free(&AIO);
  return Result;
}
