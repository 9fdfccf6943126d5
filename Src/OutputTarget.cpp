// The file behind one output of a conversion task: written under a temporary name,
// renamed at the end.

#include "Src/OutputTarget.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/base/Paths.h"

namespace {

// The prefixes under which a name still denotes a plain local file.
const char* const LocalPrefixes[] = {"file:", "unicode:"};

// A fresh, empty file beside APath that no other task can have chosen: the name
// carries the process and a counter, and the file is created exclusively.
String CreateTemporaryBeside(const String& APath, int& AError) {
  static std::atomic<unsigned> Counter{0};
  String Folder = ExtractFilePath(APath);
  for (int Attempt = 0; Attempt < 100; Attempt++) {
    String Candidate =
        Format("%s.%s.%d-%u.part", Folder, ExtractFileName(APath), static_cast<int>(getpid()), Counter++);
    int Handle = open(Candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Handle >= 0) {
      close(Handle);
      return Candidate;
    }
    if (errno != EEXIST) break;
  }
  AError = AVERROR(errno);
  return "";
}

}  // namespace

// A one-letter scheme is none: "c:" would be a drive on other systems.
String LocalFilePath(const String& AName, String* APrefix) {
  if (APrefix) APrefix->clear();
  for (const char* Prefix : LocalPrefixes)
    if (AName.starts_with(Prefix)) {
      if (APrefix) *APrefix = Prefix;
      return AName.substr(String(Prefix).size());
    }
  size_t Colon = AName.find(':');
  if (Colon != String::npos && Colon > 1 && AName.find('/') > Colon) return "";
  return AName;
}

TOutputTarget::TOutputTarget(AVFormatContext* AContext, String AFileName)
    : FContext(AContext), FFileName(std::move(AFileName)), FWorkingName(FFileName) {}

TOutputTarget::~TOutputTarget() {
  Discard();
  FF.avformat_free_context(FContext);
}

int TOutputTarget::Open(AVDictionary** AOptions) {
  String Prefix;
  FFinalPath = LocalFilePath(FFileName, &Prefix);
  if (!FFinalPath.empty()) {
    int Error = 0;
    FTemporaryPath = CreateTemporaryBeside(FFinalPath, Error);
    if (FTemporaryPath.empty()) return Error;
    FWorkingName = Prefix + FTemporaryPath;
  }
  int Error = 0;
  FProtocolIO = OpenProtocolIO(FWorkingName, AVIO_FLAG_WRITE, Error);
  if (FProtocolIO) {
    FContext->pb = FProtocolIO;
    FContext->flags |= AVFMT_FLAG_CUSTOM_IO;
    return 0;
  }
  if (Error == AVERROR_PROTOCOL_NOT_FOUND)
    Error = FF.avio_open2(&FContext->pb, FWorkingName.c_str(), AVIO_FLAG_WRITE, &FContext->interrupt_callback,
                          AOptions);
  return Error;
}

int TOutputTarget::CloseIO() {
  if (FProtocolIO) {
    FContext->pb = nullptr;
    return CloseProtocolIO(FProtocolIO);
  }
  return FContext->pb ? FF.avio_closep(&FContext->pb) : 0;
}

int TOutputTarget::Finish() {
  if (FState == tsFinished) return 0;
  if (FState == tsDiscarded) return AVERROR(ENOENT);
  int Result = CloseIO();
  if (Result >= 0 && !FTemporaryPath.empty() && std::rename(FTemporaryPath.c_str(), FFinalPath.c_str()) != 0)
    Result = AVERROR(errno);
  if (Result < 0) {
    Discard();
    return Result;
  }
  FState = tsFinished;
  return 0;
}

void TOutputTarget::Discard() {
  if (FState != tsWriting) return;
  FState = tsDiscarded;
  CloseIO();
  if (!FTemporaryPath.empty()) unlink(FTemporaryPath.c_str());
}
