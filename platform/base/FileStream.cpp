// TFileStream of Streams.h.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "platform/base/Streams.h"

TFileStream::TFileStream(const String& AFileName, uint16_t AMode) : FFileName(AFileName) {
  if ((AMode & fmCreate) == fmCreate) {
    FHandle = open(AFileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (FHandle < 0)
      throw EFCreateError(Format("Cannot create file \"%s\". %s", AFileName, SysErrorMessage(errno)));
    return;
  }
  int Access = (AMode & 3) == fmOpenWrite ? O_WRONLY : (AMode & 3) == fmOpenReadWrite ? O_RDWR : O_RDONLY;
  FHandle = open(AFileName.c_str(), Access | O_CLOEXEC);
  int Error = errno;
  // A folder opens for reading on Linux, but it is not a file whose bytes can be read.
  struct stat Info;
  if (FHandle >= 0 && fstat(FHandle, &Info) == 0 && S_ISDIR(Info.st_mode)) {
    close(FHandle);
    FHandle = -1;
    Error = EISDIR;
  }
  if (FHandle < 0)
    throw EFOpenError(Format("Cannot open file \"%s\". %s", AFileName, SysErrorMessage(Error)));
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) close(FHandle);
}

int64_t TFileStream::Read(void* ABuffer, int64_t ACount) {
  auto* Bytes = static_cast<uint8_t*>(ABuffer);
  int64_t Done = 0;
  // read(2) may stop short of the request before the end of the file; keep going.
  while (Done < ACount) {
    ssize_t Count = read(FHandle, Bytes + Done, static_cast<size_t>(ACount - Done));
    if (Count == 0) break;
    if (Count < 0) {
      if (errno == EINTR) continue;
      throw EReadError("Stream read error");
    }
    Done += Count;
  }
  return Done;
}

int64_t TFileStream::Write(const void* ABuffer, int64_t ACount) {
  const auto* Bytes = static_cast<const uint8_t*>(ABuffer);
  int64_t Done = 0;
  while (Done < ACount) {
    ssize_t Count = write(FHandle, Bytes + Done, static_cast<size_t>(ACount - Done));
    if (Count < 0) {
      if (errno == EINTR) continue;
      throw EWriteError("Stream write error");
    }
    Done += Count;
  }
  return Done;
}

int64_t TFileStream::Seek(int64_t AOffset, TSeekOrigin AOrigin) {
  int Whence = AOrigin == soFromBeginning ? SEEK_SET : AOrigin == soFromCurrent ? SEEK_CUR : SEEK_END;
  off_t Result = lseek(FHandle, static_cast<off_t>(AOffset), Whence);
  if (Result < 0) throw EStreamError("Invalid stream operation");
  return Result;
}

int64_t TFileStream::Size() {
  struct stat Info;
  if (fstat(FHandle, &Info) != 0) throw EStreamError("Invalid stream operation");
  return Info.st_size;
}

void TFileStream::SetSize(int64_t ASize) {
  if (ftruncate(FHandle, static_cast<off_t>(ASize)) != 0) throw EWriteError("Stream write error");
}
