// The end of a task's outputs: their files take their final names, or are removed.

#include "Src/FFmpeg.h"

int TCustomFFmpeg::FinishOutputFiles() {
  int Result = 0;
  // Join segments share one target; finishing it a second time does nothing.
  for (const auto& Output : Foutput_files) {
    int Error = Output->target->Finish();
    if (Error < 0 && Result >= 0) {
      Result = Error;
      FLastErrMsg = ErrorToText(Output->target->FileName(), Error);
      Log(llError, FLastErrMsg);
    }
  }
  return Result;
}

void TCustomFFmpeg::DiscardOutputFiles() {
  for (const auto& Output : Foutput_files) Output->target->Discard();
}
