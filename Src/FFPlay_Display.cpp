// Showing what the video thread queued: the refresh thread ticks the play thread,
// which shows each picture when it is due (dropping late ones, and after a seek older
// ones), lays the picture out in the window with its aspect ratio, and hands the
// result to the window's video output.
//
// The surface is the play thread's picture of the whole display area, 32-bit BGRA: the
// picture scaled into its rectangle, black around it (or the audio display). Each
// change is handed whole to the window (PresentVideoImage); the window system draws it
// on the user-interface thread. This replaces SDL_SetVideoMode, SDL_CreateYUVOverlay,
// SDL_LockYUVOverlay, SDL_UnlockYUVOverlay, SDL_DisplayYUVOverlay, SDL_FreeYUVOverlay,
// SDL_FillRect, SDL_MapRGB, SDL_UpdateRect, SDL_WM_SetCaption and SDL_GetVideoInfo.

#include <algorithm>
#include <cmath>

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "platform/base/Clock.h"
#include "platform/win/VideoOutput.h"

namespace {

constexpr double AV_SYNC_THRESHOLD = 0.01;

void NextPicture(const TSDLEntryPoints& ASDL, TVideoState* is) {
  is->pictq_rindex = (is->pictq_rindex + 1) % VIDEO_PICTURE_QUEUE_SIZE;
  TSDLMutexLock Lock(ASDL, is->pictq_mutex);
  --is->pictq_size;
  ASDL.SDL_CondSignal(is->pictq_cond);
}

int QueuedPictures(const TSDLEntryPoints& ASDL, TVideoState* is) {
  TSDLMutexLock Lock(ASDL, is->pictq_mutex);
  return is->pictq_size;
}

}  // namespace

int TCustomPlayer::RefreshThreadEntry(void* AState) {
  auto* is = static_cast<TVideoState*>(AState);
  TCustomPlayer* Self = is->Owner;
  while (!is->abort_request) {
    if (!is->refresh.exchange(1)) Self->PushEvent(FF_REFRESH_EVENT);
    const bool AudioDisplay = is->audio_stream >= 0 && is->show_mode != 0;
    Self->FSDL.SDL_Delay(AudioDisplay ? Self->rdftspeed : 5);
  }
  return 0;
}

// On the play thread. With AAdvance the due picture is shown and passed; without it
// (a redraw while paused) the picture on screen is drawn again.
void TCustomPlayer::VideoRefresh(TVideoState* is, bool AAdvance) {
  if (is->video_stream < 0) {
    if (is->audio_stream >= 0) {
      VideoDisplay(is, -1);
      CheckPosition(is);
    }
    return;
  }
  if (!AAdvance) {
    VideoDisplay(is, -1);
    return;
  }
  bool Shown = true;
  for (;;) {
    if (QueuedPictures(FSDL, is) == 0) {
      TSDLMutexLock Lock(FSDL, is->pictq_mutex);
      if (is->frame_last_dropped_pts != AV_NOPTS_VALUE && is->frame_last_dropped_pts > is->frame_last_pts) {
        update_video_pts(is, is->frame_last_dropped_pts, is->frame_last_dropped_pos);
        is->frame_last_dropped_pts = AV_NOPTS_VALUE;
      }
      break;
    }
    TVideoPicture& vp = is->pictq[is->pictq_rindex];
    if (vp.skip) {
      NextPicture(FSDL, is);
      continue;
    }
    const double LastDuration = vp.pts - is->frame_last_pts;
    if (is->frame_last_pts != AV_NOPTS_VALUE && LastDuration > 0 && LastDuration < 10.0)
      is->frame_last_duration = LastDuration;
    const double Delay = ComputeTargetDelay(is, is->frame_last_duration);
    const double Now = NowSeconds();
    if (Now < is->frame_timer + Delay) return;
    if (Delay > 0) is->frame_timer += Delay * std::max(1.0, std::floor((Now - is->frame_timer) / Delay));

    {
      TSDLMutexLock Lock(FSDL, is->pictq_mutex);
      update_video_pts(is, vp.pts, vp.pos);
    }

    const bool HasNext = QueuedPictures(FSDL, is) > 1;
    const double Duration =
        HasNext ? is->pictq[(is->pictq_rindex + 1) % VIDEO_PICTURE_QUEUE_SIZE].pts - vp.pts : vp.duration;
    const bool DropsLate = (framedrop > 0 || (framedrop && is->audio_stream >= 0)) &&
                           Now > is->frame_timer + Duration && !is->IsDevice;
    if (HasNext && (is->seek_done || DropsLate)) {
      ++is->frame_drops_late;
      NextPicture(FSDL, is);
      Shown = false;
      continue;
    }
    ExpireSubtitles(is);
    VideoDisplay(is, is->pictq_rindex);
    NextPicture(FSDL, is);
    Shown = true;
    break;
  }
  if (Shown) CheckPosition(is);
}

double TCustomPlayer::ComputeTargetDelay(TVideoState* is, double ADelay) {
  const bool MasterIsNotVideo = (is->av_sync_type == AV_SYNC_AUDIO_MASTER && is->audio_stream >= 0) ||
                                is->av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
  if (!MasterIsNotVideo) return ADelay;
  const double Diff = get_video_clock(is) - get_master_clock(is);
  const double Threshold = std::max(AV_SYNC_THRESHOLD, ADelay);
  if (std::fabs(Diff) < AV_NOSYNC_THRESHOLD) {
    if (Diff <= -Threshold) return 0;
    if (Diff >= Threshold) return 2 * ADelay;
  }
  return ADelay;
}

// APicture: the queue slot of the next picture to show, or -1 to draw what is on screen
// again (the audio display, or the picture on screen: a redraw while paused, a new
// layout).
void TCustomPlayer::VideoDisplay(TVideoState* is, int APicture) {
  if (FSurface.empty()) VideoOpen(is, false);
  if (is->audio_stream >= 0 && is->show_mode != 0)
    VideoAudioDisplay(is);
  else if (is->video_stream >= 0)
    VideoImageDisplay(is, APicture);
}

int TCustomPlayer::VideoOpen(TVideoState* is, bool AForce) {
  int Width, Height;
  if (is_full_screen && Ffs_screen_width > 0) {
    Width = Ffs_screen_width;
    Height = Ffs_screen_height;
  } else if (ScreenWidth > 0 && ScreenHeight > 0) {
    Width = ScreenWidth;
    Height = ScreenHeight;
  } else if (is->out_width > 0) {
    Width = is->out_width & ~1;
    Height = is->out_height & ~1;
  } else {
    Width = 640;
    Height = 480;
  }
  if (!AForce && !FSurface.empty() && Width == FSurfaceWidth && Height == FSurfaceHeight &&
      is->width == FSurfaceWidth && is->height == FSurfaceHeight)
    return 0;
  if (FF.av_image_check_size(Width, Height, 0, nullptr) < 0) {
    GetLogger()->Log(this, llError, "SDL: could not set video mode.");
    return -1;
  }
  FSurfaceWidth = Width;
  FSurfaceHeight = Height;
  FSurface.assign(static_cast<size_t>(Width) * Height, SurfaceBlack);
  is->width = Width;
  is->height = Height;
  is->xleft = is->ytop = 0;
  return 0;
}

// The slot is the play thread's until NextPicture hands it back to the video thread,
// which then writes its next picture into it: the picture shown is kept by reference,
// with the subtitle blended in once, and every redraw takes it from there.
void TCustomPlayer::KeepShownPicture(TVideoState* is, TVideoPicture& vp) {
  if (!vp.overlay) return;
  BlendSubtitles(is, vp);
  std::lock_guard Lock(FDisplayedLock);
  if (!FDisplayedFrame) FDisplayedFrame.reset(FF.av_frame_alloc());
  if (!FDisplayedFrame) return;
  FF.av_frame_unref(FDisplayedFrame.get());
  if (FF.av_frame_ref(FDisplayedFrame.get(), vp.overlay.get()) < 0) {
    FDisplayedFrame.reset();
    return;
  }
  FDisplayedFrame->sample_aspect_ratio = vp.sample_aspect_ratio;
  FDisplayedPTS = vp.pts;
}

void TCustomPlayer::VideoImageDisplay(TVideoState* is, int APicture) {
  if (APicture >= 0) KeepShownPicture(is, is->pictq[APicture]);
  std::unique_lock Shown(FDisplayedLock);
  const AVFrame* Picture = FDisplayedFrame.get();
  if (!Picture || FSurface.empty()) return;

  float Aspect;
  const float Wanted = FAspectRatio;
  if (Wanted < 0 && is->width > 0 && is->height > 0) {
    Aspect = static_cast<float>(is->width) / is->height;
  } else if (Wanted > 0) {
    Aspect = Wanted;
  } else {
    const AVRational SampleAspect = Picture->sample_aspect_ratio;
    Aspect = SampleAspect.num > 0 && SampleAspect.den > 0 ? static_cast<float>(av_q2d(SampleAspect)) : 1.0f;
    Aspect *= static_cast<float>(Picture->width) / Picture->height;
  }

  int Height = is->height;
  int Width = static_cast<int>(std::lrint(Height * Aspect)) & ~1;
  if (Width > is->width) {
    Width = is->width;
    Height = static_cast<int>(std::lrint(Width / Aspect)) & ~1;
  }
  const int X = (is->width - Width) / 2;
  const int Y = (is->height - Height) / 2;
  const TRect Display = Bounds(is->xleft + X, is->ytop + Y, std::max(Width, 1), std::max(Height, 1));
  {
    std::lock_guard Lock(FDisplayRectLock);
    if (!(FDisplayRect == Display)) FDisplayRect = Display;
  }

  // Black where the picture does not reach, then the picture scaled into its place.
  std::fill(FSurface.begin(), FSurface.end(), SurfaceBlack);
  const int DrawWidth = std::min(Display.Width(), FSurfaceWidth - Display.Left);
  const int DrawHeight = std::min(Display.Height(), FSurfaceHeight - Display.Top);
  if (DrawWidth > 0 && DrawHeight > 0) {
    FDisplayScaler.reset(FF.sws_getCachedContext(FDisplayScaler.release(), Picture->width, Picture->height,
                                                 AV_PIX_FMT_YUV420P, DrawWidth, DrawHeight, AV_PIX_FMT_BGRA,
                                                 Fsws_flags, nullptr, nullptr, nullptr));
    if (FDisplayScaler) {
      uint8_t* Target[4] = {
          reinterpret_cast<uint8_t*>(FSurface.data() + static_cast<size_t>(Display.Top) * FSurfaceWidth +
                                     Display.Left),
          nullptr, nullptr, nullptr};
      const int TargetLines[4] = {FSurfaceWidth * 4, 0, 0, 0};
      FF.sws_scale(FDisplayScaler.get(), Picture->data, Picture->linesize, 0, Picture->height, Target,
                   TargetLines);
    }
  }
  Shown.unlock();
  PresentSurface();
}

void TCustomPlayer::FillSurface(const TRect& ARect, uint32_t AColor) {
  const int Left = std::max(ARect.Left, 0), Right = std::min(ARect.Right, FSurfaceWidth);
  const int Top = std::max(ARect.Top, 0), Bottom = std::min(ARect.Bottom, FSurfaceHeight);
  for (int Y = Top; Y < Bottom; ++Y)
    std::fill_n(FSurface.begin() + static_cast<ptrdiff_t>(Y) * FSurfaceWidth + Left,
                std::max(Right - Left, 0), AColor);
}

void TCustomPlayer::PresentSurface() {
  HWND Window = OutputWindow();
  if (!Window || FSurface.empty()) return;
  PresentVideoImage(Window, TVideoImage{FSurfaceWidth, FSurfaceHeight, FSurface});
}

void TCustomPlayer::CloseSurface() {
  FSurface.clear();
  FSurfaceWidth = FSurfaceHeight = 0;
  std::lock_guard Lock(FDisplayedLock);
  FDisplayedFrame.reset();
}
