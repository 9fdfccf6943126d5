#pragma once
// What a conversion task keeps for its hooks, its video-hook modules and its preview
// (the implementation's side of the hook members in FFmpeg.h). Only the FFmpeg_Hooks*
// files use it.

#include <memory>
#include <vector>

#include "Src/FFmpeg.h"
#include "Src/FormatConverter.h"
#include "Src/FrameHookModules.h"
#include "Src/Previewer.h"

// The converter shared by the output video hook and the post hooks, and the preview.
struct TPostHookContext {
  TFormatConverter Converter;
  // Guarded by PostHookLock(): the user-interface thread frees it when the preview is
  // turned off, while the converting thread paints through its own reference.
  std::shared_ptr<TPreviewer> Previewer;
  int64_t preview_last_time = 0;  // monotonic microseconds of the last preview; 0: none yet
};

struct TCustomFFmpeg::THookState {
  // Input side: the video-hook modules and the picture the input hooks work on.
  std::unique_ptr<TFrameHookEntry> FFirstHook;
  TFramePtr FInputPicture;
  TFormatConverter FInputVideoHook;
  // Output side.
  TFramePtr FOutputPicture;
  TPostHookContext FOutputVideoHook;
  // Guarded by PostHookLock().
  TPostHooks FPostHooks;
  bool FPostHooksChanged = false;
  // Planar samples interleaved for the audio hook.
  std::vector<uint8_t> FAudioSamples;
};

// The process-wide post-hook lock: the preview switches of every task against the
// conversions that read them. Never held while waiting for the user-interface thread.
TCriticalSection& PostHookLock();

// APicture into AConverter's bitmap, at the task's hook bitmap depth; false after the
// reason was logged at error level.
bool ConvertToBitmap(TCustomFFmpeg& ATask, TFormatConverter& AConverter, const AVFrame* APicture);

// Raises AEvent with APicture as AConverter's bitmap and takes the handler's drawing
// back into APicture when it asks so. A failed conversion or a handler that stops the
// hook clears AEvent. Whether the bitmap now shows APicture as it is.
bool CallVideoHook(TCustomFFmpeg& ATask, TCustomFFmpeg::TVideoHookEvent& AEvent, TFormatConverter& AConverter,
                   int AFrameNumber, int64_t APTS, AVFrame* APicture);

// APicture copied into ACopy, for hooks to change. The copy's buffers are reused while
// nothing else (a filter chain, an encoder) still holds them. nullptr when memory runs
// out.
AVFrame* PrivatePictureCopy(TFramePtr& ACopy, const AVFrame* APicture);
