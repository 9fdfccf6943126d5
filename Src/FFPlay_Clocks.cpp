// The clocks that tie picture and sound together, and the pausing and resuming of
// them.

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "platform/base/Clock.h"

double TCustomPlayer::get_audio_clock(TVideoState* is) const {
  if (is->paused) return is->audio_current_pts;
  return NowSeconds() + is->audio_current_pts_drift;
}

// Before the first picture the video clock reads the start of the file.
double TCustomPlayer::get_video_clock(TVideoState* is) const {
  if (is->paused) return is->video_current_pts;
  if (is->video_current_pts_drift != 0) return NowSeconds() + is->video_current_pts_drift;
  return is->StartTime / 1000000.0;
}

double TCustomPlayer::get_external_clock(TVideoState* is) const {
  return is->external_clock + (MonotonicMicroseconds() - is->external_clock_time) * 0.000001;
}

double TCustomPlayer::get_master_clock(TVideoState* is) const {
  switch (is->av_sync_type) {
    case AV_SYNC_VIDEO_MASTER:
      return is->video_stream >= 0 ? get_video_clock(is) : get_audio_clock(is);
    case AV_SYNC_AUDIO_MASTER:
      return is->audio_stream >= 0 ? get_audio_clock(is) : get_video_clock(is);
    default:
      return get_external_clock(is);
  }
}

void TCustomPlayer::update_video_pts(TVideoState* is, double APTS, int64_t APos) {
  const double Now = NowSeconds();
  is->video_current_pts = APTS;
  is->video_current_pts_drift = APTS - Now;
  is->video_current_pos = APos;
  is->frame_last_pts = APTS;
}

void TCustomPlayer::StreamTogglePause(TVideoState* is) {
  // A waiter for a seek is released rather than left waiting across the pause.
  if (FSeekEvent.WaitFor(250) != wrSignaled) FSeekEvent.SetEvent();
  if (!FVideoState && !FVideoStateCB) return;
  if (is->paused) {
    const double Now = NowSeconds();
    is->frame_timer += Now + is->video_current_pts_drift - is->video_current_pts;
    if (is->read_pause_return != AVERROR(ENOSYS)) is->video_current_pts = is->video_current_pts_drift + Now;
    is->video_current_pts_drift = is->video_current_pts - Now;
    is->paused = 0;
  } else {
    if (is->video_stream >= 0 && FPictEvent.WaitFor(250) != wrSignaled) FPictEvent.SetEvent();
    if (!FVideoState && !FVideoStateCB) return;
    is->paused = 1;
  }
}
