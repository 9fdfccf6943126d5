// The converter component's hook events: each task's hooks reach the application with
// the task's index, one kind at a time.

#include <mutex>

#include "Src/FFEncode.h"
#include "platform/gdi/DcScopes.h"

void TCustomEncoder::BindHookEvents(TFFmpeg& ATask, const TOutputOptions& AOptions) {
  using namespace std::placeholders;
  if (AOptions.AudioHook)
    ATask.FOnAudioHook = std::bind(&TCustomEncoder::DoAudioHook, this, _1, _2, _3, _4, _5, _6, _7);
  if (AOptions.VideoInputHook)
    ATask.FOnInputVideoHook = std::bind(&TCustomEncoder::DoInputVideoHook, this, _1, _2, _3, _4, _5, _6);
  if (AOptions.VideoOutputHook)
    ATask.FOnOutputVideoHook = std::bind(&TCustomEncoder::DoOutputVideoHook, this, _1, _2, _3, _4, _5, _6);
  if (AOptions.FrameInputHook)
    ATask.FOnInputFrameHook = std::bind(&TCustomEncoder::DoInputFrameHook, this, _1, _2, _3, _4, _5, _6, _7);
  if (AOptions.FrameOutputHook)
    ATask.FOnOutputFrameHook =
        std::bind(&TCustomEncoder::DoOutputFrameHook, this, _1, _2, _3, _4, _5, _6, _7);
}

void TCustomEncoder::DoAudioHook(TObject* ASender, int64_t APTS, uint8_t* ASample, int ASize, int ASampleRate,
                                 int AChannels, AVSampleFormat ASampleFormat) {
  std::lock_guard Lock(FAudioHookLock);
  if (!OnAudioHook) return;
  OnAudioHook(this, GetTaskIndex(&SendingTask(ASender)), APTS, ASample, ASize, ASampleRate, AChannels,
              ASampleFormat);
}

void TCustomEncoder::DoInputVideoHook(TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                      bool& AUpdate, bool& AStopHook) {
  RaiseVideoHook(OnVideoInputHook, ASender, ABitmap, AFrameNumber, APTS, AUpdate, AStopHook);
}

void TCustomEncoder::DoOutputVideoHook(TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS,
                                       bool& AUpdate, bool& AStopHook) {
  RaiseVideoHook(OnVideoOutputHook, ASender, ABitmap, AFrameNumber, APTS, AUpdate, AStopHook);
}

void TCustomEncoder::DoInputFrameHook(TObject* ASender, AVFrame* APicture, AVPixelFormat APixFmt,
                                      int AFrameNumber, int AWidth, int AHeight, int64_t APTS) {
  RaiseFrameHook(OnFrameInputHook, ASender, APicture, APixFmt, AFrameNumber, AWidth, AHeight, APTS);
}

void TCustomEncoder::DoOutputFrameHook(TObject* ASender, AVFrame* APicture, AVPixelFormat APixFmt,
                                       int AFrameNumber, int AWidth, int AHeight, int64_t APTS) {
  RaiseFrameHook(OnFrameOutputHook, ASender, APicture, APixFmt, AFrameNumber, AWidth, AHeight, APTS);
}

// The bitmap's canvas is locked while the handler runs. Without a handler nothing was
// drawn, so the picture is not taken back from the bitmap (which would only cost a
// lossy round trip through RGB). A handler's exception goes back to the task with the
// switches as they were.
void TCustomEncoder::RaiseVideoHook(const TVideoHookEvent& AEvent, TObject* ASender, TBitmap* ABitmap,
                                    int AFrameNumber, int64_t APTS, bool& AUpdate, bool& AStopHook) {
  std::lock_guard Lock(FVideoHookLock);
  if (!AEvent) {
    AUpdate = false;
    return;
  }
  FVideoHookInfo = {GetTaskIndex(&SendingTask(ASender)), ABitmap, AFrameNumber, APTS, AUpdate, AStopHook};
  TCanvasLock CanvasLock(ABitmap->Canvas());
  AEvent(this, &FVideoHookInfo);
  AUpdate = FVideoHookInfo.Update;
  AStopHook = FVideoHookInfo.StopHook;
}

void TCustomEncoder::RaiseFrameHook(const TFrameHookEvent& AEvent, TObject* ASender, AVFrame* APicture,
                                    AVPixelFormat APixFmt, int AFrameNumber, int AWidth, int AHeight,
                                    int64_t APTS) {
  std::lock_guard Lock(FFrameHookLock);
  if (!AEvent) return;
  FFrameHookInfo = {
      GetTaskIndex(&SendingTask(ASender)), AFrameNumber, APicture, APixFmt, AWidth, AHeight, APTS};
  AEvent(this, &FFrameHookInfo);
}
