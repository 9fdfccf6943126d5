// The task's hook state, the input hooks and video-hook modules, and the video hooks'
// round trip through a bitmap.

#include "Src/FFmpeg_Hooks.h"

TCustomFFmpeg::THookState* TCustomFFmpeg::NewHookState() { return new THookState; }

void TCustomFFmpeg::THookStateDeleter::operator()(THookState* AState) const {
  ReleaseFrameHooks(AState->FFirstHook);
  delete AState;
}

AVFrame* PrivatePictureCopy(TFramePtr& ACopy, const AVFrame* APicture) {
  if (!ACopy) ACopy.reset(FF.av_frame_alloc());
  AVFrame* Copy = ACopy.get();
  if (!Copy) return nullptr;
  if (Copy->format != APicture->format || Copy->width != APicture->width ||
      Copy->height != APicture->height || !FF.av_frame_is_writable(Copy)) {
    FF.av_frame_unref(Copy);
    Copy->format = APicture->format;
    Copy->width = APicture->width;
    Copy->height = APicture->height;
    if (FF.av_frame_get_buffer(Copy, 0) < 0) {
      FF.av_frame_unref(Copy);
      return nullptr;
    }
  }
  // Copying the properties adds side data and metadata to what the copy has, so the
  // last picture's go first.
  while (Copy->nb_side_data > 0) FF.av_frame_remove_side_data(Copy, Copy->side_data[0]->type);
  FF.av_dict_free(&Copy->metadata);
  if (FF.av_frame_copy_props(Copy, APicture) < 0 || FF.av_frame_copy(Copy, APicture) < 0) return nullptr;
  return Copy;
}

bool CallVideoHook(TCustomFFmpeg& ATask, TCustomFFmpeg::TVideoHookEvent& AEvent, TFormatConverter& AConverter,
                   int AFrameNumber, int64_t APTS, AVFrame* APicture) {
  if (!ConvertToBitmap(ATask, AConverter, APicture)) {
    AEvent = nullptr;
    return false;
  }
  bool Update = true;
  bool StopHook = false;
  try {
    AEvent(&ATask, &AConverter.Bitmap(), AFrameNumber, APTS, Update, StopHook);
  } catch (const std::exception& E) {
    GetLogger()->Log(&ATask, llError, String("Error occurs VideoHook event: ") + E.what());
    Update = false;
  }
  if (Update) {
    AConverter.BitmapToRGB();
    // A picture already in the bitmap's format was written directly.
    const bool Referenced = AConverter.RGBPictureRef()->data[0] == APicture->data[0];
    if (!Referenced && !AConverter.RGBToPicture(APicture)) {
      GetLogger()->Log(&ATask, llError, AConverter.LastErrMsg());
      StopHook = true;
      Update = false;
    }
  }
  if (StopHook) AEvent = nullptr;
  return Update;
}

bool ConvertToBitmap(TCustomFFmpeg& ATask, TFormatConverter& AConverter, const AVFrame* APicture) {
  // The task only takes depths the converter has (SetVideoHookBitsPixel).
  AConverter.SetBitsPixel(ATask.FVideoHookBitsPixel);
  if (AConverter.PictureToRGB(APicture, true)) return true;
  GetLogger()->Log(&ATask, llError, AConverter.LastErrMsg());
  return false;
}

AVFrame* TCustomFFmpeg::RunInputHooks(const TInputStream& AInput, AVFrame* AFrame) {
  THookState& Hooks = *FHookState;
  if (!FOnInputFrameHook && !FOnInputVideoHook && !Hooks.FFirstHook) return AFrame;

  AVFrame* Picture = PrivatePictureCopy(Hooks.FInputPicture, AFrame);
  if (!Picture) {
    Log(llError, "hook buf malloc error in pre_process_video_frame().");
    return AFrame;
  }
  const auto Format = static_cast<AVPixelFormat>(Picture->format);
  if (FOnInputFrameHook)
    FOnInputFrameHook(this, Picture, Format, AInput.frame_number, Picture->width, Picture->height,
                      AInput.pts);
  if (FOnInputVideoHook) {
    CallVideoHook(*this, FOnInputVideoHook, Hooks.FInputVideoHook, AInput.frame_number, AInput.pts, Picture);
  } else if (Hooks.FFirstHook) {
    TFrameHookPicture Planes;
    for (int I = 0; I < 4; I++) {
      Planes.data[I] = Picture->data[I];
      Planes.linesize[I] = Picture->linesize[I];
    }
    ProcessFrameHooks(Hooks.FFirstHook.get(), Planes, Format, Picture->width, Picture->height, AInput.pts);
  }
  return Picture;
}

String TCustomFFmpeg::CopyConflictWithHooks(AVMediaType AType) const {
  if (AType == AVMEDIA_TYPE_AUDIO)
    return FOnAudioHook ? "-acodec copy and AudioHook are incompatible (frames are not decoded)" : "";
  if (AType != AVMEDIA_TYPE_VIDEO) return "";
  if (FOnInputVideoHook || FOnOutputVideoHook)
    return "-vcodec copy and VideoHook are incompatible (frames are not decoded)";
  if (FOnInputFrameHook || FOnOutputFrameHook)
    return "-vcodec copy and FrameHook are incompatible (frames are not decoded)";
  if (Fusing_vhook) return "-vcodec copy and -vhook are incompatible (frames are not decoded)";
  if (!PostHooks().Empty()) return "-vcodec copy and PostHooks are incompatible (frames are not decoded)";
  return "";
}

bool TCustomFFmpeg::AddVideoHookModule(const std::vector<String>& AArguments) {
  return AddFrameHook(FHookState->FFirstHook, AArguments) == 0;
}

void TCustomFFmpeg::ReleaseHooks() {
  THookState& Hooks = *FHookState;
  ReleaseFrameHooks(Hooks.FFirstHook);
  Hooks.FInputPicture.reset();
  Hooks.FOutputPicture.reset();
  std::shared_ptr<TPreviewer> Closing;
  {
    std::lock_guard Lock(PostHookLock());
    Closing = std::move(Hooks.FOutputVideoHook.Previewer);
    Hooks.FOutputVideoHook.preview_last_time = 0;
  }
  // The window closes here, outside the lock, since closing waits for the
  // user-interface thread.
}
