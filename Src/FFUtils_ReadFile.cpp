// Reading a whole file into a buffer that FFmpeg may own (a two-pass log for the
// encoder's statistics input).

#include "Src/FFUtils.h"

namespace {

int FailRead(const char* AMessage, const String& AFileName, int ACode) {
  FF.av_log(nullptr, AV_LOG_ERROR, AMessage, AFileName.c_str());
  return ACode;
}

// The size of an open file, or -1 when it has none (a pipe or a folder).
long FileSize(FILE* AFile) {
  if (FF.fseek(AFile, 0, SEEK_END) != 0) return -1;
  long Size = FF.ftell(AFile);
  if (FF.fseek(AFile, 0, SEEK_SET) != 0) return -1;
  return Size;
}

int ReadOpenFile(FILE* AFile, const String& AFileName, uint8_t*& ABuffer, size_t& ASize) {
  long Size = FileSize(AFile);
  if (Size < 0) return FailRead("Error while reading file \"%s\"\n", AFileName, AVERROR(EIO));
  uint8_t* Buffer = static_cast<uint8_t*>(FF.av_malloc(static_cast<size_t>(Size) + 1));
  if (!Buffer) return FailRead("Could not allocate file buffer\n", AFileName, AVERROR(ENOMEM));
  if (FF.fread(Buffer, 1, static_cast<size_t>(Size), AFile) < static_cast<size_t>(Size)) {
    FF.av_free(Buffer);
    if (FF.ferror(AFile)) return FailRead("Error while reading file \"%s\"\n", AFileName, AVERROR(EIO));
    return AVERROR_EOF;
  }
  Buffer[Size] = 0;
  ABuffer = Buffer;
  ASize = static_cast<size_t>(Size) + 1;
  return 0;
}

}  // namespace

int ReadFileToBuffer(const String& AFileName, uint8_t*& ABuffer, size_t& ASize) {
  FILE* File = FF.fopen(AFileName.c_str(), "rb");
  if (!File) return FailRead("Cannot read file \"%s\"\n", AFileName, -1);
  int Result = ReadOpenFile(File, AFileName, ABuffer, ASize);
  FF.fclose(File);
  return Result;
}
