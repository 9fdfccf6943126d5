#pragma once
// The state of one playback of a player (internal to the player): the open input,
// the streams and their queues, the decoded pictures and subtitles waiting to be
// shown, the audio output, the clocks and the requests that other threads hand to the
// read thread.
//
// StreamOpen creates it and DoExit frees it, after every thread of the playback has
// been joined. Fields written by one thread and read by others are atomic; the
// picture and subtitle queues are guarded by their SDL mutexes.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "Src/FFEntryPoints.h"
#include "Src/FFPlay_QueuesInternal.h"
#include "Src/FFmpegOwners.h"
#include "Src/VideoFilterChain.h"
#include "Src/libsdl.h"
#include "platform/base/Clock.h"

class TCustomPlayer;

// Pictures decoded ahead, and subtitles decoded ahead.
constexpr int VIDEO_PICTURE_QUEUE_SIZE = 2;
constexpr int SUBPICTURE_QUEUE_SIZE = 4;
// The ring of the latest output samples that the audio display draws from.
constexpr int SAMPLE_ARRAY_SIZE = 2 * 65536;
// The resampling output buffer, and the silence played while no audio is decoded.
constexpr int AUDIO_BUF2_SIZE = 768000;

// Clocks further apart than this many seconds are not corrected towards each other.
constexpr double AV_NOSYNC_THRESHOLD = 10.0;
// Opaque black on the display surface.
constexpr uint32_t SurfaceBlack = 0xFF000000;

// The player's clocks count seconds on the monotonic clock.
inline double NowSeconds() { return MonotonicMicroseconds() / 1000000.0; }
constexpr int SILENCE_BUF_SIZE = 1024;

// The player's own SDL events beside SDL's quit event: a refresh tick, the end of the
// playback, a new layout of the picture in the window, and the position check that the
// video thread asks for when decoding has reached the end of the input. SDL's
// video-resize event comes from the window's size changes.
constexpr int FF_REFRESH_EVENT = SDL_USEREVENT + 1;
constexpr int FF_QUIT_EVENT = SDL_USEREVENT + 2;
constexpr int FF_RELAYOUT_EVENT = SDL_USEREVENT + 3;
constexpr int FF_CHECK_POSITION_EVENT = SDL_USEREVENT + 4;

// One decoded picture, in YUV 4:2:0 as the display and the hooks take it.
struct TVideoPicture {
  double pts = 0;            // seconds
  double duration = 0;       // the nominal frame duration, seconds
  int64_t pos = -1;          // byte position of its packet
  std::atomic<int> skip{0};  // passed over without being shown; a flush sets it on the video thread
  TFramePtr overlay;         // the picture, width × height; nullptr until the first one
  int width = 0, height = 0;
  AVRational sample_aspect_ratio{0, 1};
};

struct TSubPicture {
  double pts = 0;  // seconds
  AVSubtitle sub{};
};

struct TVideoState {
  std::vector<uint8_t> audio_buf2 = std::vector<uint8_t>(AUDIO_BUF2_SIZE);
  SDL_Thread* read_tid = nullptr;
  SDL_Thread* video_tid = nullptr;
  SDL_Thread* refresh_tid = nullptr;
  SDL_Thread* subtitle_tid = nullptr;
  const AVInputFormat* iformat = nullptr;
  std::atomic<int> abort_request{0};
  std::atomic<int> paused{0};
  int last_paused = 0;
  std::atomic<int> seek_req{0};
  int seek_flags = 0;
  int64_t seek_pos = 0;
  int64_t seek_rel = 0;
  std::atomic<int> read_pause_return{0};  // set by the read thread, read by a pause on any thread
  // Held by the read thread while it uses the queues, and by a stream switch.
  std::mutex stream_lock;
  AVFormatContext* ic = nullptr;
  AVIOContext* fifo_io = nullptr;      // our reader of a named pipe, freed after the context
  AVIOContext* protocol_io = nullptr;  // an engine protocol's reader, freed after the context

  int av_sync_type = 0;
  double external_clock = 0;
  int64_t external_clock_time = 0;

  // Audio (the audio callback's, except where said). Whether a stream is open, the
  // other threads ask audio_stream: audio_st and the decoder belong to the callback and
  // to whoever opens or closes the stream while the callback is stopped.
  std::atomic<int> audio_stream{-1};
  AVStream* audio_st = nullptr;
  TCodecContextPtr audio_dec;
  TPacketQueue audioq;
  double audio_clock = 0;
  double audio_diff_cum = 0;
  double audio_diff_avg_coef = 0;
  double audio_diff_threshold = 0;
  int audio_diff_avg_count = 0;
  int audio_hw_buf_size = 0;
  uint8_t silence_buf[SILENCE_BUF_SIZE] = {};
  uint8_t* audio_buf = nullptr;
  unsigned audio_buf_size = 0;
  unsigned audio_buf_index = 0;
  std::atomic<int> audio_write_buf_size{0};
  bool audio_pkt_new = false;  // a packet went to the decoder, its frames not all taken yet
  bool audio_drained = false;  // the decoder gave out everything after an empty packet
  AVSampleFormat audio_src_fmt = AV_SAMPLE_FMT_NONE, audio_tgt_fmt = AV_SAMPLE_FMT_NONE;
  AVChannelLayout audio_src_ch_layout{}, audio_tgt_ch_layout{};
  int audio_src_freq = 0, audio_tgt_freq = 0;
  TResamplerPtr swr_ctx;
  std::atomic<double> audio_current_pts{0};
  std::atomic<double> audio_current_pts_drift{0};
  TFramePtr frame;  // the decoded audio frame

  std::atomic<int> frame_drops_early{0};
  std::atomic<int> frame_drops_late{0};

  // The audio display.
  std::atomic<int> show_mode{-1};
  // The ring of the newest samples, written by the audio callback under SDL's audio lock.
  int16_t sample_array[SAMPLE_ARRAY_SIZE] = {};
  std::atomic<int> sample_array_index{0};
  std::vector<int16_t> display_samples;  // the play thread's copy of what it draws
  int last_i_start = 0;
  RDFTContext* rdft = nullptr;
  int rdft_bits = 0;
  FFTSample* rdft_data = nullptr;  // av_malloc: the transform needs its alignment
  int xpos = 0;

  // Subtitles.
  std::atomic<int> subtitle_stream{-1};
  AVStream* subtitle_st = nullptr;
  TCodecContextPtr subtitle_dec;
  int subtitle_stream_changed = 0;
  TPacketQueue subtitleq;
  TSubPicture subpq[SUBPICTURE_QUEUE_SIZE];
  int subpq_size = 0, subpq_rindex = 0, subpq_windex = 0;
  SDL_mutex* subpq_mutex = nullptr;
  SDL_cond* subpq_cond = nullptr;

  // Video timing (the play thread's, except the dropped-frame fields, which the video
  // thread writes under the picture mutex).
  double frame_timer = 0;
  double frame_last_pts = 0;
  double frame_last_duration = 0;
  double frame_last_dropped_pts = 0;
  double frame_last_returned_time = 0;
  double frame_last_filter_delay = 0;
  int64_t frame_last_dropped_pos = 0;
  double video_clock = 0;  // the video thread's

  // As with audio: the other threads ask video_stream; video_st and the decoder are the
  // video thread's and the opener's and closer's, who join it.
  std::atomic<int> video_stream{-1};
  AVStream* video_st = nullptr;
  TCodecContextPtr video_dec;
  bool video_drained = false;
  TPacketQueue videoq;
  std::atomic<double> video_current_pts{0};
  std::atomic<double> video_current_pts_drift{0};
  std::atomic<int64_t> video_current_pos{0};

  // The slots counted in pictq_size, from pictq_rindex on, are the play thread's until
  // it passes them; the others are the video thread's, which writes from pictq_windex.
  TVideoPicture pictq[VIDEO_PICTURE_QUEUE_SIZE];
  int pictq_size = 0, pictq_rindex = 0, pictq_windex = 0;
  SDL_mutex* pictq_mutex = nullptr;
  SDL_cond* pictq_cond = nullptr;
  // The video thread's filter chain ("-vf" with the engine's own filters), built for the
  // first picture and again when the pictures change their size or format. A flush
  // drops it, so that nothing a filter held from before a seek comes out after it.
  std::unique_ptr<TVideoFilterChain> video_filters;
  // The size of the pictures the filter chain gives out, for the surface and
  // FrameWidth/FrameHeight; 0 before the first.
  std::atomic<int> out_width{0}, out_height{0};

  String filename;
  // The display area in the window: the surface's size.
  int width = 0, height = 0, xleft = 0, ytop = 0;
  std::atomic<int> step{0};
  std::atomic<int> refresh{0};

  TCustomPlayer* Owner = nullptr;
  std::atomic<int> Opened{0};
  int64_t StartTime = 0;
  int64_t Duration = -1;
  int64_t AudioDuration = -1;
  int IsImage2 = 0;
  int IsDevice = 0;
  int IOEOFLog = 0, IOERRLog = 0;
  std::atomic<int> EventEOF{0};
  std::atomic<int> ReachEOF{0};
  std::atomic<int> RangeEndReached{0};  // the PlayTime action ran for this arrival
  std::atomic<int> Reading{0};
  std::atomic<int> open_paused{0};
  std::atomic<int> seek_paused{0};
  std::atomic<int> seek_done{0};
  std::atomic<int> seek_flushed{0};
  std::atomic<int> flush_req{0};
  std::atomic<double> frame_delay{0};  // seconds
};
