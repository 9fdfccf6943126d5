#include "Src/FFDecode_FifoInput.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace {

// How long one wait for data lasts before the time-out is asked again.
constexpr int WaitSliceMs = 20;
constexpr int BufferSize = 32768;

struct TFifoReader {
  int Handle = -1;
  AVIOInterruptCB Interrupt{};
};

bool IsInterrupted(const AVIOInterruptCB& AInterrupt) {
  return AInterrupt.callback && AInterrupt.callback(AInterrupt.opaque);
}

// Called by FFmpeg on the thread that reads the format context.
int ReadFifo(void* AReader, uint8_t* ABuffer, int ASize) {
  auto* Reader = static_cast<TFifoReader*>(AReader);
  for (;;) {
    if (IsInterrupted(Reader->Interrupt)) return AVERROR_EXIT;
    // Until a writer has come and gone, the system reports no hang-up, so an empty
    // pipe without a writer waits here like one whose writer is silent.
    pollfd Wait{Reader->Handle, POLLIN, 0};
    int Ready = poll(&Wait, 1, WaitSliceMs);
    if (Ready < 0 && errno != EINTR) return AVERROR(errno);
    if (Ready <= 0) continue;
    ssize_t Count = read(Reader->Handle, ABuffer, static_cast<size_t>(ASize));
    if (Count > 0) return static_cast<int>(Count);
    if (Count == 0) return AVERROR_EOF;  // the writer closed its end
    if (errno != EAGAIN && errno != EINTR) return AVERROR(errno);
  }
}

}  // namespace

bool IsFifo(const String& AFileName) {
  struct stat Info;
  return stat(AFileName.c_str(), &Info) == 0 && S_ISFIFO(Info.st_mode);
}

AVIOContext* OpenFifoInput(const String& AFileName, const AVIOInterruptCB& AInterrupt, int& AError) {
  int Handle = open(AFileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (Handle < 0) {
    AError = AVERROR(errno);
    return nullptr;
  }
  auto* Buffer = static_cast<unsigned char*>(FF.av_malloc(BufferSize));
  auto Reader = std::make_unique<TFifoReader>(TFifoReader{Handle, AInterrupt});
  AVIOContext* IO =
      Buffer ? FF.avio_alloc_context(Buffer, BufferSize, 0, Reader.get(), ReadFifo, nullptr, nullptr)
             : nullptr;
  if (!IO) {
    FF.av_free(Buffer);
    close(Handle);
    AError = AVERROR(ENOMEM);
    return nullptr;
  }
  Reader.release();  // the context holds it from here on; CloseFifoInput frees it
  IO->seekable = 0;
  AError = 0;
  return IO;
}

void CloseFifoInput(AVIOContext*& AIO) {
  if (!AIO) return;
  std::unique_ptr<TFifoReader> Reader(static_cast<TFifoReader*>(AIO->opaque));
  close(Reader->Handle);
  // FFmpeg may have replaced the buffer it was given; the context's current one is ours.
  FF.av_freep(&AIO->buffer);
  FF.avio_context_free(&AIO);
}
