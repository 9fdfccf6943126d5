// What the caller uses while a file plays: pause, resume, step, the audio display
// switch, seeking, flushing, stream switching and the other setters that act on a
// running playback, the picture on screen as a bitmap, window rectangles mapped to
// picture pixels, and the position check with PlayTime and RepeatType.
//
// The public controls take FDataLock, so that they never act on a playback that the
// play thread is closing; the position check runs inside the play thread's event
// handling (which holds the lock), also when the video thread has reached the end of
// the input and asks for it, and acts on its playback directly.

#include <algorithm>
#include <cmath>

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"

void TCustomPlayer::PauseState(TVideoState* is) {
  if (is->paused) return;
  StreamTogglePause(is);
  is->step = 0;
  SetPlayState(psPause);
}

void TCustomPlayer::Pause() {
  std::lock_guard Lock(FDataLock);
  if (TVideoState* is = FVideoState) PauseState(is);
}

void TCustomPlayer::Resume() {
  std::lock_guard Lock(FDataLock);
  TVideoState* is = FVideoState;
  if (!is || !is->paused) return;
  StreamTogglePause(is);
  is->step = 0;
  SetPlayState(psResume);
}

void TCustomPlayer::TogglePause() {
  std::lock_guard Lock(FDataLock);
  TVideoState* is = FVideoState;
  if (!is) return;
  StreamTogglePause(is);
  is->step = 0;
  SetPlayState(is->paused ? psPause : psResume);
}

void TCustomPlayer::StepToNextFrame() {
  std::lock_guard Lock(FDataLock);
  TVideoState* is = FVideoState;
  if (!is) return;
  if (is->paused) StreamTogglePause(is);
  if (!is->step.exchange(1)) SetPlayState(psStep);
}

void TCustomPlayer::ToggleAudioDisplay() {
  std::lock_guard Lock(FDataLock);
  TVideoState* is = FVideoState;
  if (!is) return;
  // From what the playback shows now: a video file shows its pictures (0) before any
  // toggle, so the first toggle brings the waves.
  is->show_mode = (is->show_mode + 1) % 3;
  FShowMode = is->show_mode.load();
  // The play thread owns the surface: it clears the display area and draws anew.
  PushEvent(FF_RELAYOUT_EVENT);
}

bool TCustomPlayer::Paused() const {
  TVideoState* is = FVideoState;
  return !is || is->paused;
}

// --- Seeking -------------------------------------------------------------------------------

void TCustomPlayer::SeekState(TVideoState* is, int64_t APTS, const TSeekFlags& ASeekFlags) {
  if (APTS == AV_NOPTS_VALUE) return;
  if (ASeekFlags.Contains(sfByte)) {
    StreamSeek(is, ASeekFlags, false, 0, APTS);
    return;
  }
  int64_t Target = APTS;
  if (is->Duration > 0 && is->Duration < APTS) Target = is->Duration;
  if (is->ic->start_time != AV_NOPTS_VALUE && is->ic->start_time != 0) {
    Target += is->ic->start_time;
    if (APTS == 0) Target -= std::llround(is->frame_delay * 1000000 / 2);
  }
  StreamSeek(is, ASeekFlags, false, 0, Target);
}

void TCustomPlayer::Seek(int64_t APTS, const TSeekFlags& ASeekFlags, bool AWaitForSeekEnd) {
  bool HasVideo;
  {
    std::lock_guard Lock(FDataLock);
    TVideoState* is = FVideoState;
    if (!is || APTS == AV_NOPTS_VALUE || is->seek_req) return;
    SeekState(is, APTS, ASeekFlags);
    HasVideo = is->video_stream >= 0;
  }
  if (AWaitForSeekEnd) WaitForSeek(HasVideo);
}

void TCustomPlayer::Seek(double ADelta, const TSeekFlags& ASeekFlags, bool AWaitForSeekEnd) {
  bool HasVideo;
  {
    std::lock_guard Lock(FDataLock);
    TVideoState* is = FVideoState;
    if (!is || is->seek_req) return;
    if (ASeekFlags.Contains(sfByte)) {
      const double Increment = is->ic->bit_rate ? ADelta * is->ic->bit_rate / 8.0 : ADelta * 180000.0;
      const int64_t Position = is->ic->pb ? FF.avio_seek(is->ic->pb, 0, SEEK_CUR) : 0;
      StreamSeek(is, ASeekFlags, false, std::llround(Increment), Position + std::llround(Increment));
    } else {
      const double Position = (is->video_stream >= 0 ? get_video_clock(is) : get_master_clock(is)) + ADelta;
      StreamSeek(is, ASeekFlags, false, std::llround(ADelta * 1000000), std::llround(Position * 1000000));
    }
    HasVideo = is->video_stream >= 0;
  }
  if (AWaitForSeekEnd) WaitForSeek(HasVideo);
}

// The read thread sets FSeekEvent once it has sought, the video thread FPictEvent once
// the first picture after it is queued; both are released too when the playback ends.
void TCustomPlayer::WaitForSeek(bool AHasVideo) {
  while (FSeekEvent.WaitFor(100) != wrSignaled) PumpWhileWaiting();
  if (AHasVideo)
    while (FPictEvent.WaitFor(100) != wrSignaled) PumpWhileWaiting();
}

void TCustomPlayer::FlushQueue() {
  std::lock_guard Lock(FDataLock);
  if (TVideoState* is = FVideoState) is->flush_req = 1;
}

// --- The position check -------------------------------------------------------------------

void TCustomPlayer::CheckPosition(TVideoState* is) {
  if (is->IsImage2) return;
  double Clock;
  if (is->video_stream >= 0)
    Clock = get_video_clock(is);
  else if (is->audio_stream >= 0)
    Clock = get_audio_clock(is);
  else
    return;
  int64_t PTS = std::llround(Clock * 1000000) - is->StartTime;
  if (is->video_stream < 0 && is->AudioDuration > 0 && PTS >= is->AudioDuration && is->Duration > PTS)
    PTS = is->Duration;
  FCurrentPTS = PTS;
  if (is->Duration > 0 && PTS >= is->Duration) {
    PTS = is->Duration;
    if (FLastPTS != PTS) FLastPTS = 0;  // the end position is always posted
  }
  const int64_t Last = FLastPTS;
  if (Last == AV_NOPTS_VALUE || std::llabs(PTS - Last) > 10000) {
    FLastPTS = PTS;
    if (Raises(OnPosition)) PostPlayEvent(TPlayEvent::ekPosition, PTS);
  }
  // The end is raised once per end, for audio-only files too; a seek clears it.
  if (!is->IsDevice && is->ReachEOF && !is->EventEOF.exchange(1)) SetPlayState(psEnd);

  if (PlayTime == AV_NOPTS_VALUE) return;
  const int64_t RangeEnd = Fstart_time == AV_NOPTS_VALUE ? PlayTime : Fstart_time + PlayTime;
  // The action runs once per arrival at the end of the range: until the seek it
  // makes has shown its first picture, the clock still reads the end.
  if (PTS < RangeEnd) {
    is->RangeEndReached = 0;
    return;
  }
  if (is->RangeEndReached.exchange(1)) return;
  auto SeekToStart = [&] {
    if (Fstart_time != AV_NOPTS_VALUE)
      SeekState(is, Fstart_time, {});
    else
      SeekState(is, 0, {sfAny});
  };
  switch (RepeatType) {
    case rtStop:
      PushEvent(FF_QUIT_EVENT);
      break;
    case rtLoop:
      SeekToStart();
      break;
    case rtPause:
      PauseState(is);
      break;
    case rtRewind:
      PauseState(is);
      SeekToStart();
      break;
    case rtNone:
      break;
  }
}

// --- Setters that act on a running playback -------------------------------------------------

int TCustomPlayer::AudioStreamIndex() const {
  TVideoState* is = FVideoState;
  return is ? is->audio_stream.load() : -1;
}

int TCustomPlayer::VideoStreamIndex() const {
  TVideoState* is = FVideoState;
  return is ? is->video_stream.load() : -1;
}

int TCustomPlayer::SubtitleStreamIndex() const {
  TVideoState* is = FVideoState;
  return is ? is->subtitle_stream.load() : -1;
}

void TCustomPlayer::SetAudioStreamIndex(int AValue) {
  std::lock_guard Lock(FDataLock);
  if (TVideoState* is = FVideoState) StreamCycleChannel(is, AVMEDIA_TYPE_AUDIO, AValue);
}

void TCustomPlayer::SetVideoStreamIndex(int AValue) {
  std::lock_guard Lock(FDataLock);
  if (TVideoState* is = FVideoState) StreamCycleChannel(is, AVMEDIA_TYPE_VIDEO, AValue);
}

void TCustomPlayer::SetSubtitleStreamIndex(int AValue) {
  std::lock_guard Lock(FDataLock);
  if (TVideoState* is = FVideoState) StreamCycleChannel(is, AVMEDIA_TYPE_SUBTITLE, AValue);
}

void TCustomPlayer::SetAspectRatio(float AValue) {
  if (FAspectRatio == AValue) return;
  FAspectRatio = AValue;
  std::lock_guard Lock(FDataLock);
  if (FVideoState) PushEvent(FF_RELAYOUT_EVENT);
}

void TCustomPlayer::SetAudioVolume(int AValue) { FAudioVolume = std::clamp(AValue, 0, SDL_MIX_MAXVOLUME); }

void TCustomPlayer::SetStartTime(int64_t AValue) {
  if (Fstart_time == AValue) return;
  Fstart_time = AValue;
  if (AValue != AV_NOPTS_VALUE) Seek(AValue, {}, false);
}

String TCustomPlayer::ForceFormat() const { return Ffile_iformat ? Ffile_iformat->name : ""; }

void TCustomPlayer::SetForceFormat(const String& AValue) {
  if (AValue.empty()) {
    Ffile_iformat = nullptr;
    return;
  }
  if (!FFLoader().Loaded(PlayerLibraries)) {
    LogError("libav not loaded.", true);
    return;
  }
  const AVInputFormat* Found = FF.av_find_input_format(AValue.c_str());
  if (!Found) throw Exception(Format("Unknown input format: %s", AValue));
  Ffile_iformat = Found;
}

void TCustomPlayer::SetForceFrameRate(const String& AValue) {
  if (AValue == FForceFrameRate) return;
  if (AValue.empty()) {
    FForceFrameRate.clear();
    return;
  }
  AVRational Rate{0, 0};
  if (!FF.av_parse_video_rate || FF.av_parse_video_rate(&Rate, AValue.c_str()) < 0 || Rate.num <= 0)
    throw Exception(Format("Incorrect frame rate: %s", AValue));
  FForceFrameRate = AValue;
  std::lock_guard Lock(FDataLock);
  TVideoState* is = FVideoState;
  if (!is || is->video_stream < 0) return;
  const AVRational CodecRate = is->video_dec->framerate;
  GetLogger()->Log(this, llInfo,
                   Format("Force stream %d frame rate: %2.2f (%d/%d) -> %2.2f (%d/%d)",
                          is->video_stream.load(), CodecRate.den ? av_q2d(CodecRate) : 0.0, CodecRate.num,
                          CodecRate.den, av_q2d(Rate), Rate.num, Rate.den));
  is->frame_delay = av_q2d(av_inv_q(Rate));
  is->flush_req = 1;
}

String TCustomPlayer::VideoFilters() const {
  std::lock_guard Lock(FVideoFiltersLock);
  return FVideoFilters;
}

void TCustomPlayer::SetVideoFilters(const String& AValue) {
  {
    std::lock_guard Lock(FVideoFiltersLock);
    if (AValue == FVideoFilters) return;
    FVideoFilters = AValue;
  }
  ++FVideoFiltersVersion;
}

void TCustomPlayer::SetFrameWidth(int AValue) {
  if (AValue % 2) throw Exception("Frame size must be a multiple of 2");
  Fframe_width_set = AValue;
}

void TCustomPlayer::SetFrameHeight(int AValue) {
  if (AValue % 2) throw Exception("Frame size must be a multiple of 2");
  Fframe_height_set = AValue;
}

int TCustomPlayer::VideoHookBitsPixel() const {
  Assert(FRGBConverter->BitsPixel() == FHookConverter->BitsPixel());
  return FRGBConverter->BitsPixel();
}

void TCustomPlayer::SetVideoHookBitsPixel(int AValue) {
  FRGBConverter->SetBitsPixel(AValue);
  FHookConverter->SetBitsPixel(AValue);
}

// --- The picture on screen ------------------------------------------------------------------

TBitmap* TCustomPlayer::CurrentFrame() {
  int64_t PTS;
  return CurrentFrame(PTS);
}

TBitmap* TCustomPlayer::CurrentFrame(int64_t& APTS) {
  TBitmap& Bitmap = FRGBConverter->Bitmap();
  APTS = -1;
  std::lock_guard Lock(FDataLock);
  TVideoState* is = FVideoState;
  if (!is || is->video_stream < 0) {
    Bitmap.SetSize(0, 0);
    return &Bitmap;
  }
  std::lock_guard Shown(FDisplayedLock);
  if (!FDisplayedFrame) {
    Bitmap.SetSize(is->video_dec->width, is->video_dec->height);
    Bitmap.Canvas().Brush().SetColor(clBlack);
    Bitmap.Canvas().FillRect(Rect(0, 0, Bitmap.Width(), Bitmap.Height()));
    return &Bitmap;
  }
  APTS = std::llround(FDisplayedPTS * 1000000) - is->StartTime;
  if (!FRGBConverter->PictureToRGB(FDisplayedFrame.get(), true)) Bitmap.SetSize(0, 0);
  return &Bitmap;
}

TRect TCustomPlayer::DisplayToActualRect(TRect ADisplayRect) {
  if (!FVideoState) return {};
  TRect Display;
  {
    std::lock_guard Lock(FDisplayRectLock);
    Display = FDisplayRect;
  }
  return MapDisplayRect(ADisplayRect, Display, Fframe_width, Fframe_height);
}

TRect MapDisplayRect(TRect R, const TRect& ADisplay, int AFrameWidth, int AFrameHeight) {
  if (R.Left > R.Right) std::swap(R.Left, R.Right);
  if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
  R.Left = std::clamp(R.Left, ADisplay.Left, ADisplay.Right) - ADisplay.Left;
  R.Right = std::clamp(R.Right, ADisplay.Left, ADisplay.Right) - ADisplay.Left;
  R.Top = std::clamp(R.Top, ADisplay.Top, ADisplay.Bottom) - ADisplay.Top;
  R.Bottom = std::clamp(R.Bottom, ADisplay.Top, ADisplay.Bottom) - ADisplay.Top;
  if (ADisplay.Width() > 0) {
    R.Left = R.Left * AFrameWidth / ADisplay.Width();
    R.Right = R.Right * AFrameWidth / ADisplay.Width();
  }
  if (ADisplay.Height() > 0) {
    R.Top = R.Top * AFrameHeight / ADisplay.Height();
    R.Bottom = R.Bottom * AFrameHeight / ADisplay.Height();
  }
  return R;
}
