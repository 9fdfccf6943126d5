// The output hooks and the post hooks (the preview-bitmap event and the preview window)
// of the pictures being encoded, and the preview switches.

#include "Src/FFmpeg_Hooks.h"
#include "platform/base/Clock.h"

TCriticalSection& PostHookLock() {
  static TCriticalSection* Lock = new TCriticalSection;  // used until the process ends
  return *Lock;
}

TPostHooks TCustomFFmpeg::PostHooks() const {
  std::lock_guard Lock(PostHookLock());
  return FHookState->FPostHooks;
}

void TCustomFFmpeg::SetPostHooks(TPostHooks AHooks) {
  THookState& Hooks = *FHookState;
  std::shared_ptr<TPreviewer> Closing;
  {
    std::lock_guard Lock(PostHookLock());
    if (AHooks != Hooks.FPostHooks) {
      if (!AHooks.Contains(phPreview)) Closing = std::move(Hooks.FOutputVideoHook.Previewer);
      Hooks.FPostHooks = AHooks;
    }
    Hooks.FPostHooksChanged = true;
  }
  // A converting thread that paints keeps the window until its painting is done; the
  // last one to let go closes it, outside the lock.
}

TPreviewer* TCustomFFmpeg::Previewer() const {
  std::lock_guard Lock(PostHookLock());
  return FHookState->FOutputVideoHook.Previewer.get();
}

namespace {

// Turns a post hook off after it failed or its window was closed.
void DropPostHook(TCustomFFmpeg::THookState& AHooks, TPostHook AHook) {
  std::shared_ptr<TPreviewer> Closing;
  std::lock_guard Lock(PostHookLock());
  AHooks.FPostHooks.Exclude(AHook);
  if (AHook == phPreview) Closing = std::move(AHooks.FOutputVideoHook.Previewer);
}

}  // namespace

AVFrame* TCustomFFmpeg::RunOutputHooks(const TOutputStream& AStream, AVFrame* AFrame) {
  THookState& Hooks = *FHookState;
  TPostHooks Post;
  bool PostHooksChanged;
  {
    std::lock_guard Lock(PostHookLock());
    Post = Hooks.FPostHooks;
    PostHooksChanged = Hooks.FPostHooksChanged;
    Hooks.FPostHooksChanged = false;
  }
  const bool ToEvent = Post.Contains(phBitmap) && FOnPreviewBitmap;
  const bool ToWindow = !ToEvent && Post.Contains(phPreview);
  if (!FOnOutputVideoHook && !FOnOutputFrameHook && !ToEvent && !ToWindow) return AFrame;

  const TStreamOutputState& State = *AStream.state;
  const int FrameNumber = static_cast<int>(State.frame_number + 1);
  const int64_t PTS = FF.av_rescale_q(State.sync_opts, AStream.enc_ctx->time_base, AV_TIME_BASE_Q);
  TFormatConverter& Converter = Hooks.FOutputVideoHook.Converter;
  AVFrame* Picture = AFrame;
  bool BitmapShowsPicture = false;
  if (FOnOutputVideoHook || FOnOutputFrameHook) {
    if (AVFrame* Copy = PrivatePictureCopy(Hooks.FOutputPicture, AFrame)) {
      Picture = Copy;
      if (FOnOutputVideoHook)
        BitmapShowsPicture = CallVideoHook(*this, FOnOutputVideoHook, Converter, FrameNumber, PTS, Picture);
      if (FOnOutputFrameHook) {
        FOnOutputFrameHook(this, Picture, static_cast<AVPixelFormat>(Picture->format), FrameNumber,
                           Picture->width, Picture->height, PTS);
        BitmapShowsPicture = false;
      }
    } else {
      Log(llError, "hook buf malloc error.");
    }
  }

  // The preview: one picture per PreviewInterval at most, to the event when it is
  // wanted, else to the window. The lock is not held meanwhile: both wait for the
  // user-interface thread, which may be waiting for the lock to change the switches.
  if (!ToEvent && !ToWindow) return Picture;
  TPostHookContext& Context = Hooks.FOutputVideoHook;
  const int64_t Now = MonotonicMicroseconds();
  if (Context.preview_last_time != 0 && Now - Context.preview_last_time <= PreviewInterval) return Picture;
  Context.preview_last_time = Now;
  const TPostHook Hook = ToEvent ? phBitmap : phPreview;
  if ((!BitmapShowsPicture || PostHooksChanged) && !ConvertToBitmap(*this, Converter, Picture)) {
    DropPostHook(Hooks, Hook);
    return Picture;
  }
  if (ToEvent) {
    FOnPreviewBitmap(this, &Converter.Bitmap(), FrameNumber, PTS);
    return Picture;
  }
  std::shared_ptr<TPreviewer> Window;
  {
    std::lock_guard Lock(PostHookLock());
    if (!Hooks.FPostHooks.Contains(phPreview)) return Picture;  // turned off meanwhile
    if (!Context.Previewer) Context.Previewer = std::make_shared<TPreviewer>();
    Window = Context.Previewer;
  }
  if (!Window->PaintFrame(Converter.Bitmap(), FrameNumber, PTS)) DropPostHook(Hooks, phPreview);
  return Picture;
}
