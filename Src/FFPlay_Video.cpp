// The picture-producing side of the player: the video thread decodes, runs the
// filter chain, drops frames that are already late, deinterlaces, and queues each
// picture in YUV 4:2:0 (upside down when asked), where the video and frame hooks see it.

#include <cmath>

#include "Src/FFDecode_Deinterlace.h"
#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "platform/base/Clock.h"
#include "platform/gdi/DcScopes.h"

namespace {

bool IsEmptyPacket(const AVPacket* APacket) { return !APacket->data && APacket->size == 0; }

}  // namespace

void TCustomPlayer::ComputeFrameDelay(TVideoState* is) {
  AVStream* Stream = is->video_st;
  const AVRational CodecRate = is->video_dec->framerate;
  const AVRational ContainerRate = Stream->r_frame_rate;
  AVRational Forced{0, 0};
  if (!FForceFrameRate.empty() && FF.av_parse_video_rate(&Forced, FForceFrameRate.c_str()) >= 0 &&
      Forced.num > 0) {
    GetLogger()->Log(this, llInfo,
                     Format("Force stream %d frame rate: %2.2f (%d/%d) -> %2.2f (%d/%d)", Stream->index,
                            CodecRate.den ? av_q2d(CodecRate) : 0.0, CodecRate.num, CodecRate.den,
                            av_q2d(Forced), Forced.num, Forced.den));
    is->frame_delay = av_q2d(av_inv_q(Forced));
    return;
  }
  if (AutoAdjustFrameRate && CodecFrameRateDiffers(Stream)) {
    GetLogger()->Log(this, llInfo, CodecFrameRateDiffersText(Stream));
    is->frame_delay = av_q2d(av_inv_q(ContainerRate));
    return;
  }
  if (CodecRate.num > 0 && CodecRate.den > 0)
    is->frame_delay = av_q2d(av_inv_q(CodecRate));
  else if (ContainerRate.num > 0 && ContainerRate.den > 0)
    is->frame_delay = av_q2d(av_inv_q(ContainerRate));
  else
    is->frame_delay = 0.04;
}

int TCustomPlayer::VideoThreadEntry(void* AState) {
  auto* is = static_cast<TVideoState*>(AState);
  return is->Owner->VideoThread(is);
}

// SDL's video thread of a playback, from the opening of the video stream until its
// queue is aborted or decoding fails.
int TCustomPlayer::VideoThread(TVideoState* is) {
  TFramePtr FrameOwner(FF.av_frame_alloc());
  TFramePtr FilteredOwner(FF.av_frame_alloc());
  if (!FrameOwner || !FilteredOwner) return 0;
  AVFrame* Frame = FrameOwner.get();
  AVFrame* Filtered = FilteredOwner.get();
  int LastWidth = 0, LastHeight = 0, LastFormat = -2, ChainVersion = -1;
  for (;;) {
    while (is->paused && !is->videoq.abort_request() && !is->seek_paused && !is->open_paused)
      FSDL.SDL_Delay(10);
    int64_t PTS = 0, Pos = -1;
    const int Got = GetVideoFrame(is, Frame, PTS, Pos);
    if (Got < 0) break;
    if (Got == 0) continue;

    const bool Changed = LastFormat != -2 && (Frame->width != LastWidth || Frame->height != LastHeight ||
                                              Frame->format != LastFormat);
    if (Changed)
      GetLogger()->Log(this, llInfo,
                       Format("Frame changed from size:%dx%d to size:%dx%d", LastWidth, LastHeight,
                              Frame->width, Frame->height));
    if (!is->video_filters || Changed || ChainVersion != FVideoFiltersVersion) {
      ChainVersion = FVideoFiltersVersion;
      if (!ConfigureVideoFilters(is, Frame)) break;
      LastWidth = Frame->width;
      LastHeight = Frame->height;
      LastFormat = Frame->format;
    }
    TVideoFilterChain& Chain = *is->video_filters;
    Frame->pts = PTS;
    const int Sent = Chain.SendFrame(Frame);
    FF.av_frame_unref(Frame);
    if (Sent < 0) break;
    bool Failed = false;
    while (!Failed && Chain.ReceiveFrame(Filtered) >= 0) {
      is->frame_last_filter_delay = NowSeconds() - is->frame_last_returned_time;
      if (std::fabs(is->frame_last_filter_delay) > 1.0) is->frame_last_filter_delay = 0;
      if (is->seek_done && is->seek_flushed) {
        is->seek_done = 0;
        is->seek_paused = 0;
      }
      const bool HasPTS = Filtered->pts != AV_NOPTS_VALUE;
      const double Seconds = HasPTS ? Filtered->pts * av_q2d(Chain.OutputFormat().TimeBase) : 0;
      AVFrame* Picture = Filtered;
      if (Deinterlace) {
        if (!FDeinterlacer) FDeinterlacer = std::make_unique<TDeinterlacer>();
        if (AVFrame* Deinterlaced = FDeinterlacer->Run(Filtered)) {
          Picture = Deinterlaced;
        } else {
          GetLogger()->Log(this, llError, "deinterlacing failed.");
          Deinterlace = false;
        }
      }
      if (QueuePicture(is, Picture, Seconds, HasPTS, Pos) < 0) Failed = true;
      FF.av_frame_unref(Filtered);
      if (Failed) break;
      FPictEvent.SetEvent();
      is->EventEOF = 0;
      if (FSeeking && !is->seek_req) FSeeking = false;
      if (is->open_paused) {
        if (is->open_paused < 2) {
          ++is->open_paused;
        } else {
          is->open_paused = 0;
          SetPlayState(psPause);
        }
      }
      if (is->step && !is->paused) StreamTogglePause(is);
    }
    if (Failed) break;
  }
  is->video_filters.reset();
  FDeinterlacer.reset();
  return 0;
}

// The chain of VideoFilters for pictures like AFrame, through the same filter chains as a
// conversion, so that the engine's own filters ("rotate", "nativeeq", "nativehue") play
// as they convert. A chain that cannot be built is logged; the caller ends the thread.
bool TCustomPlayer::ConfigureVideoFilters(TVideoState* is, const AVFrame* AFrame) {
  TVideoFormat Input;
  Input.Width = AFrame->width;
  Input.Height = AFrame->height;
  Input.PixelFormat = static_cast<AVPixelFormat>(AFrame->format);
  const AVRational Aspect =
      FF.av_guess_sample_aspect_ratio(is->ic, is->video_st, const_cast<AVFrame*>(AFrame));
  Input.SampleAspectRatio = Aspect.num > 0 && Aspect.den > 0 ? Aspect : AVRational{0, 1};
  Input.TimeBase = is->video_st->time_base;
  Input.FrameRate = {0, 1};  // the player never tells its filters the rate
  if (!is->video_filters) is->video_filters = std::make_unique<TVideoFilterChain>();
  String Error;
  // The queued pictures are YUV 4:2:0, the format the display and the hooks take.
  const int Result =
      is->video_filters->Configure(VideoFilters(), Input, {AV_PIX_FMT_YUV420P}, Fsws_flags, Error);
  if (Result >= 0) return true;
  GetLogger()->Log(
      this, llError,
      Error.empty() ? ErrorToText("Error opening filters", Result) : "Error opening filters: " + Error);
  is->video_filters.reset();
  return false;
}

// -1 when the queue is aborted, 0 without a picture to show, 1 with one.
int TCustomPlayer::GetVideoFrame(TVideoState* is, AVFrame* AFrame, int64_t& APTS, int64_t& APos) {
  AVCodecContext* Decoder = is->video_dec.get();
  for (;;) {
    if (!is->video_drained) {
      const int Received = FF.avcodec_receive_frame(Decoder, AFrame);
      if (Received >= 0) break;
      if (Received == AVERROR_EOF) is->video_drained = true;
    }
    TPacketQueue::TEntry Entry;
    if (is->videoq.Get(Entry, true) < 0) return -1;
    if (Entry.IsFlush) {
      FF.avcodec_flush_buffers(Decoder);
      is->video_filters.reset();
      is->video_drained = false;
      TSDLMutexLock Lock(FSDL, is->pictq_mutex);
      for (TVideoPicture& Picture : is->pictq) Picture.skip = 1;
      while (is->pictq_size && !is->videoq.abort_request())
        FSDL.SDL_CondWait(is->pictq_cond, is->pictq_mutex);
      is->video_current_pos = -1;
      is->frame_last_pts = AV_NOPTS_VALUE;
      is->frame_last_duration = 0;
      is->frame_timer = NowSeconds();
      is->frame_last_dropped_pts = AV_NOPTS_VALUE;
      is->seek_flushed = 1;
      return 0;
    }
    const AVPacket* Packet = Entry.Packet.get();
    if (IsEmptyPacket(Packet)) {
      if (!is->video_drained) {
        FF.avcodec_send_packet(Decoder, nullptr);
        continue;
      }
      // Everything is out: this is where the end of the input shows. The play thread
      // checks the position, as after every picture it shows.
      if (!is->EventEOF) PushEvent(FF_CHECK_POSITION_EVENT);
      return 0;
    }
    if (is->video_drained) {
      // Data after the end (a growing input): the decoder starts over.
      FF.avcodec_flush_buffers(Decoder);
      is->video_drained = false;
    }
    FF.avcodec_send_packet(Decoder, Packet);
  }

  switch (decoder_reorder_pts) {
    case -1:
      APTS = AFrame->best_effort_timestamp;
      break;
    case 1:
      APTS = AFrame->pts;
      break;
    default:
      APTS = AFrame->pkt_dts;
      break;
  }
  APos = AFrame->pkt_pos;

  const bool HasAudio = is->audio_stream >= 0;
  const bool MasterIsNotVideo =
      (is->av_sync_type == AV_SYNC_AUDIO_MASTER && HasAudio) || is->av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
  if (MasterIsNotVideo && (framedrop > 0 || (framedrop && HasAudio))) {
    bool Drop = false;
    {
      TSDLMutexLock Lock(FSDL, is->pictq_mutex);
      if (is->frame_last_pts != AV_NOPTS_VALUE && APTS != AV_NOPTS_VALUE && APTS) {
        const double ClockDiff = get_video_clock(is) - get_master_clock(is);
        const double DPTS = av_q2d(is->video_st->time_base) * APTS;
        const double PTSDiff = DPTS - is->frame_last_pts;
        if (std::fabs(ClockDiff) < 10.0 && PTSDiff > 0 && PTSDiff < 10.0 &&
            ClockDiff + PTSDiff - is->frame_last_filter_delay < 0) {
          is->frame_last_dropped_pos = APos;
          is->frame_last_dropped_pts = DPTS;
          ++is->frame_drops_early;
          Drop = true;
        }
      }
    }
    if (Drop) {
      FF.av_frame_unref(AFrame);
      return 0;
    }
  }
  is->frame_last_returned_time = NowSeconds();
  return 1;
}

// -1 when the queue is aborted or the picture cannot be held. A picture without a
// time stamp takes the running video clock; one stamped 0 (the first after a seek to
// the start) keeps its time.
int TCustomPlayer::QueuePicture(TVideoState* is, AVFrame* AFrame, double APTS, bool AHasPTS, int64_t APos) {
  if (AHasPTS)
    is->video_clock = APTS;
  else
    APTS = is->video_clock;
  double FrameDelay = is->frame_delay;
  FrameDelay += AFrame->repeat_pict * (FrameDelay * 0.5);
  is->video_clock += FrameDelay;

  {
    TSDLMutexLock Lock(FSDL, is->pictq_mutex);
    while (is->pictq_size >= VIDEO_PICTURE_QUEUE_SIZE && !is->videoq.abort_request())
      FSDL.SDL_CondWait(is->pictq_cond, is->pictq_mutex);
  }
  if (is->videoq.abort_request()) return -1;

  TVideoPicture& vp = is->pictq[is->pictq_windex];
  vp.duration = FrameDelay;
  const int Width = AFrame->width & ~1;
  const int Height = AFrame->height & ~1;
  if (!vp.overlay || vp.width != Width || vp.height != Height) {
    vp.overlay.reset(FF.av_frame_alloc());
    bool Allocated =
        vp.overlay && Width > 0 && Height > 0 && FF.av_image_check_size(Width, Height, 0, nullptr) >= 0;
    if (Allocated) {
      vp.overlay->format = AV_PIX_FMT_YUV420P;
      vp.overlay->width = Width;
      vp.overlay->height = Height;
      Allocated = FF.av_frame_get_buffer(vp.overlay.get(), 0) >= 0;
    }
    if (!Allocated) {
      GetLogger()->Log(
          this, llFatal,
          Format("Error: the video system does not support an image size of %dx%d pixels. Try using "
                 "-lowres or -vf \"scale=w:h\" to reduce the image size.",
                 Width, Height));
      vp.overlay.reset();
      PushEvent(FF_QUIT_EVENT);
      return -1;
    }
    vp.width = Width;
    vp.height = Height;
    is->out_width = Width;
    is->out_height = Height;
    Fframe_width = Width;
    Fframe_height = Height;
  } else if (FF.av_frame_make_writable(vp.overlay.get()) < 0) {
    // The picture on screen still holds these pixels; a new buffer could not be had.
    return -1;
  }

  const uint8_t* Planes[4] = {AFrame->data[0], AFrame->data[1], AFrame->data[2], nullptr};
  int Lines[4] = {AFrame->linesize[0], AFrame->linesize[1], AFrame->linesize[2], 0};
  if (VerticalFlip) {
    Planes[0] += Lines[0] * (Height - 1);
    Planes[1] += Lines[1] * (Height / 2 - 1);
    Planes[2] += Lines[2] * (Height / 2 - 1);
    for (int I = 0; I < 3; ++I) Lines[I] = -Lines[I];
  }
  FF.av_image_copy(vp.overlay->data, vp.overlay->linesize, Planes, Lines, AV_PIX_FMT_YUV420P, Width, Height);
  vp.sample_aspect_ratio = AFrame->sample_aspect_ratio;
  RunVideoHooks(is, vp, APTS);

  vp.pts = APTS;
  vp.pos = APos;
  vp.skip = 0;
  is->pictq_windex = (is->pictq_windex + 1) % VIDEO_PICTURE_QUEUE_SIZE;
  TSDLMutexLock Lock(FSDL, is->pictq_mutex);
  ++is->pictq_size;
  return 0;
}

void TCustomPlayer::RunVideoHooks(TVideoState* is, TVideoPicture& APicture, double APTS) {
  const int64_t HookPTS = std::llround(APTS * 1000000) - is->StartTime;
  if (VideoHook && Raises(OnVideoHook)) {
    if (!FHookConverter->PictureToRGB(APicture.overlay.get(), true)) {
      GetLogger()->Log(this, llError, FHookConverter->LastErrMsg());
    } else {
      TBitmap& Bitmap = FHookConverter->Bitmap();
      bool Update = true;
      try {
        TCanvasLock CanvasLock(Bitmap.Canvas());
        OnVideoHook(this, &Bitmap, HookPTS, Update);
      } catch (const std::exception& E) {
        GetLogger()->Log(this, llError, String("Error occurs OnVideoHook: ") + E.what());
        Update = false;
      }
      if (Update) {
        FHookConverter->BitmapToRGB();
        if (!FHookConverter->RGBToPicture(APicture.overlay.get()))
          GetLogger()->Log(this, llError, FHookConverter->LastErrMsg());
      }
    }
  }
  if (FrameHook && Raises(OnFrameHook)) {
    try {
      OnFrameHook(this, APicture.overlay.get(), AV_PIX_FMT_YUV420P, APicture.width, APicture.height, HookPTS);
    } catch (const std::exception& E) {
      GetLogger()->Log(this, llError, String("Error occurs OnFrameHook: ") + E.what());
    }
  }
}
