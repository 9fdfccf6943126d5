#pragma once
// The file behind one output of a conversion task.
//
// A local file is written under a temporary name in the folder of its final name and
// takes the final name only when the task ends well (Finish), so a failed or stopped
// task never leaves a partial file under the final name, and a file already there
// keeps its content until the new one is complete. Names of other protocols are
// written in place.

#include "Src/FFUtils.h"

// The local path a name denotes: the name itself, or the name after "file:" or
// "unicode:" (that prefix goes to APrefix). "" for a name of another protocol
// ("http://host/a.ts", "pipe:1").
String LocalFilePath(const String& AName, String* APrefix = nullptr);

class TOutputTarget {
 public:
  // Takes AContext (from avformat_alloc_output_context2 for AFileName).
  TOutputTarget(AVFormatContext* AContext, String AFileName);
  // An unfinished target is discarded; the context is freed.
  ~TOutputTarget();
  TOutputTarget(const TOutputTarget&) = delete;
  TOutputTarget& operator=(const TOutputTarget&) = delete;

  AVFormatContext* Context() const { return FContext; }
  const String& FileName() const { return FFileName; }
  // The name the data go to while the task runs: the temporary name of a local file.
  const String& WorkingName() const { return FWorkingName; }

  // Creates the file for writing and sets the context's I/O (AOptions: protocol
  // options, the used ones are removed). 0 or a negative FFmpeg code.
  int Open(AVDictionary** AOptions);
  // Closes the file and gives it its final name, replacing a file of that name.
  // 0, or a negative code when the data could not be flushed or the file renamed (the
  // temporary file is then removed). A second call does nothing; after Discard it
  // fails with AVERROR(ENOENT).
  int Finish();
  // Closes the file and removes what was written. Nothing after Finish.
  void Discard();

 private:
  int CloseIO();

  AVFormatContext* FContext;
  String FFileName;
  String FWorkingName;
  String FTemporaryPath;               // the local path of the temporary file, empty when written in place
  String FFinalPath;                   // the local path of the final name, empty for other protocols
  AVIOContext* FProtocolIO = nullptr;  // set when an engine protocol serves the name
  enum { tsWriting, tsFinished, tsDiscarded } FState = tsWriting;
};
