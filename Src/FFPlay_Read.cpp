// The read side of the player: opening a playback, the read thread that feeds the
// packet queues, seek and flush requests, the read time-out, the opening and closing of
// streams, and the closing of a playback.

#include "Src/FFDecode_FifoInput.h"
#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "Src/MyUtils.h"
#include "platform/base/Clock.h"

namespace {

// Reading pauses while the queues hold this much together, or while every open
// stream has enough.
constexpr int MAX_QUEUE_SIZE = 15 * 1024 * 1024;
constexpr int MIN_AUDIOQ_SIZE = 20 * 16 * 1024;
constexpr int MIN_FRAMES = 5;

bool HasDelayedOutput(const AVCodecContext* ADecoder) {
  return ADecoder && (ADecoder->codec->capabilities & AV_CODEC_CAP_DELAY);
}

}  // namespace

bool TCustomPlayer::StreamOpen(const String& AFileName, const AVInputFormat* AFormat, bool APaused) {
  Assert(!FVideoState);
  auto State = std::make_unique<TVideoState>();
  TVideoState* is = State.get();
  is->Owner = this;
  if (APaused) {
    is->paused = 1;
    is->open_paused = 1;
    is->step = 0;
  }
  is->filename = AFileName;
  is->iformat = AFormat;
  is->pictq_mutex = FSDL.SDL_CreateMutex();
  is->pictq_cond = FSDL.SDL_CreateCond();
  is->subpq_mutex = FSDL.SDL_CreateMutex();
  is->subpq_cond = FSDL.SDL_CreateCond();
  is->av_sync_type = av_sync_type;
  FVideoStateCB = is;  // lets Stop cancel the open

  is->read_tid = FSDL.SDL_CreateThread(&TCustomPlayer::ReadThreadEntry, is);
  if (!is->read_tid) {
    LogError("SDL_CreateThread() failed.", true);
    FVideoStateCB = nullptr;
    StreamClose(is);
    return false;
  }
  while (is->Opened == 0) {
    PumpWhileWaiting();
    SleepMs(10);
  }
  if (is->Opened < 1) {
    // The read thread cleans up after a failed open and ends; nothing of it is left
    // running once it has been joined.
    while (is->Opened == -1) {
      PumpWhileWaiting();
      SleepMs(10);
    }
    StreamClose(is);
    return false;
  }
  FVideoState = State.release();
  is->refresh_tid = FSDL.SDL_CreateThread(&TCustomPlayer::RefreshThreadEntry, is);
  return true;
}

int TCustomPlayer::ReadThreadEntry(void* AState) {
  auto* is = static_cast<TVideoState*>(AState);
  return is->Owner->ReadThread(is);
}

// SDL's read thread: opens the input and its streams, then reads until the playback
// ends.
int TCustomPlayer::ReadThread(TVideoState* is) {
  const bool Opened = OpenInput(is);
  if (Opened) {
    is->Opened = 1;
    ReadLoop(is);
    FLastRead = INT64_MAX;
    while (!is->abort_request) FSDL.SDL_Delay(100);
  }
  CloseInput(is, !Opened);
  return 0;
}

bool TCustomPlayer::OpenInput(TVideoState* is) {
  is->ic = FF.avformat_alloc_context();
  if (!is->ic) {
    FLastErrMsg = ErrorToText(is->filename, AVERROR(ENOMEM));
    return false;
  }
  is->ic->interrupt_callback = {&TCustomPlayer::DecodeInterruptCb, this};
  if (Fframe_width_set && Fframe_height_set)
    opt_default("video_size", Format("%dx%d", Fframe_width_set, Fframe_height_set));
  if (Fframe_pix_fmt != AV_PIX_FMT_NONE) opt_default("pixel_format", FF.av_get_pix_fmt_name(Fframe_pix_fmt));

  FReadTimedOutLogged = false;
  FLastRead = MonotonicMicroseconds();
  // FFmpeg's file protocol blocks for good in the open and read of a named pipe that
  // has no writer or no data; our reader waits in slices and asks the interrupt
  // callback in between.
  if (IsFifo(is->filename)) {
    int Error = 0;
    is->fifo_io = OpenFifoInput(is->filename, is->ic->interrupt_callback, Error);
    if (!is->fifo_io) {
      FLastErrMsg = ErrorToText(is->filename, Error);
      return false;
    }
    is->ic->pb = is->fifo_io;
  } else {
    // Names of the engine's own protocols ("unicode:") are read through them.
    int Error = 0;
    is->protocol_io = OpenProtocolIO(is->filename, AVIO_FLAG_READ, Error);
    if (is->protocol_io) {
      is->ic->pb = is->protocol_io;
      is->ic->flags |= AVFMT_FLAG_CUSTOM_IO;
    } else if (Error != AVERROR_PROTOCOL_NOT_FOUND) {
      FLastErrMsg = ErrorToText(is->filename, Error);
      return false;
    }
  }
  const int Result =
      FF.avformat_open_input(&is->ic, is->filename.c_str(), is->iformat, &FOptions.format_opts);
  if (Result < 0) {
    FLastErrMsg = ErrorToText(is->filename, Result);
    return false;
  }
  const AVDictionaryEntry* Unused = nullptr;
  while ((Unused = FF.av_dict_get(FOptions.format_opts, "", Unused, AV_DICT_IGNORE_SUFFIX)))
    GetLogger()->Log(this, llError, Format("Option %s not found, ignored.", Unused->key));
  if (genpts) is->ic->flags |= AVFMT_FLAG_GENPTS;

  if (OnBeforeFindStreamInfo) {
    AVFormatContext* Context = is->ic;
    if (TriggerEventInMainThread)
      CallInMainThread([this, Context] { OnBeforeFindStreamInfo(this, Context); });
    else
      OnBeforeFindStreamInfo(this, Context);
  }

  FF.av_dict_set(&FOptions.codec_opts, "request_channels", "2", 0);
  std::vector<AVDictionary*> StreamOptions = SetupFindStreamInfoOptions(is->ic, FOptions.codec_opts);
  FLastRead = MonotonicMicroseconds();
  const int Found =
      FF.avformat_find_stream_info(is->ic, StreamOptions.empty() ? nullptr : StreamOptions.data());
  for (AVDictionary*& Options : StreamOptions) FF.av_dict_free(&Options);
  if (Found < 0) {
    FLastErrMsg = Format("%s: could not find codec parameters", is->filename);
    return false;
  }
  if (is->ic->pb) {
    is->ic->pb->eof_reached = 0;
    is->ic->pb->error = 0;
  }
  if (seek_by_bytes < 0) seek_by_bytes = (is->ic->iformat->flags & AVFMT_TS_DISCONT) ? 1 : 0;
  const String FormatName = is->ic->iformat->name;
  is->IsImage2 = FormatName == "image2";
  is->IsDevice = FormatName == "vfwcap" || FormatName == "vfwcapture";
  is->StartTime = is->ic->start_time != AV_NOPTS_VALUE ? is->ic->start_time : 0;
  is->Duration = is->ic->duration != AV_NOPTS_VALUE ? is->ic->duration : -1;

  if (Fstart_time != AV_NOPTS_VALUE) {
    int64_t Target = Fstart_time;
    if (is->ic->start_time != AV_NOPTS_VALUE) Target += is->ic->start_time;
    FLastRead = MonotonicMicroseconds();
    const int Sought = is->ic->iformat->read_seek2
                           ? FF.avformat_seek_file(is->ic, -1, INT64_MIN, Target, INT64_MAX, 0)
                           : FF.av_seek_frame(is->ic, -1, Target, AVSEEK_FLAG_BACKWARD);
    if (Sought < 0)
      GetLogger()->Log(this, llError,
                       Format("%s: could not seek to position %0.3f", is->filename, Target / 1000000.0));
  }

  for (unsigned I = 0; I < is->ic->nb_streams; ++I) is->ic->streams[I]->discard = AVDISCARD_ALL;
  int Video = -1, Audio = -1, Subtitle = -1;
  if (!DisableVideo)
    Video = FF.av_find_best_stream(is->ic, AVMEDIA_TYPE_VIDEO, wanted_video_stream, -1, nullptr, 0);
  if (!DisableAudio)
    Audio = FF.av_find_best_stream(is->ic, AVMEDIA_TYPE_AUDIO, wanted_audio_stream, Video, nullptr, 0);
  if (!DisableVideo)
    Subtitle = FF.av_find_best_stream(is->ic, AVMEDIA_TYPE_SUBTITLE, wanted_subtitle_stream,
                                      Audio >= 0 ? Audio : Video, nullptr, 0);

  FVideoStateCB = is;
  is->show_mode = FShowMode.load();
  if (Audio >= 0) StreamComponentOpen(is, Audio);
  const int VideoOpened = Video >= 0 ? StreamComponentOpen(is, Video) : -1;
  if (is->show_mode == -1) is->show_mode = VideoOpened >= 0 ? 0 : 2;
  if (Subtitle >= 0) StreamComponentOpen(is, Subtitle);

  if (is->video_stream < 0 && is->audio_stream < 0) {
    FLastErrMsg = Format("%s: could not open codecs, no stream to play.", is->filename);
    return false;
  }
  return true;
}

void TCustomPlayer::FlushStreamQueues(TVideoState* is) {
  if (is->audio_stream >= 0) {
    is->audioq.Flush();
    is->audioq.PutFlush();
  }
  if (is->subtitle_stream >= 0) {
    is->subtitleq.Flush();
    is->subtitleq.PutFlush();
  }
  if (is->video_stream >= 0) {
    is->seek_flushed = 0;
    is->videoq.Flush();
    is->videoq.PutFlush();
    FPictEvent.ResetEvent();
  }
  is->flush_req = 0;
}

void TCustomPlayer::PerformSeek(TVideoState* is) {
  const int64_t Target = is->seek_pos;
  const int64_t Min = is->seek_rel > 0 ? Target - is->seek_rel + 2 : INT64_MIN;
  const int64_t Max = is->seek_rel < 0 ? Target - is->seek_rel - 2 : INT64_MAX;
  FLastRead = MonotonicMicroseconds();
  int Result =
      is->ic->iformat->read_seek2 ? FF.avformat_seek_file(is->ic, -1, Min, Target, Max, is->seek_flags) : -1;
  if (Result < 0)
    Result = FF.av_seek_frame(is->ic, -1, Target, is->seek_flags ? is->seek_flags | AVSEEK_FLAG_BACKWARD : 0);
  if (Result < 0) Result = FF.av_seek_frame(is->ic, -1, Target, is->seek_flags ^ AVSEEK_FLAG_BACKWARD);
  if (Result < 0) {
    GetLogger()->Log(this, llError, Format("%s: error while seeking", is->filename));
    if (is->video_stream >= 0) FPictEvent.SetEvent();
  } else {
    FlushStreamQueues(is);
  }
  is->IOEOFLog = is->IOERRLog = 0;
  is->ReachEOF = 0;
  is->EventEOF = 0;
  is->seek_req = 0;
  is->seek_done = 1;
  FSeekEvent.SetEvent();
  if (is->video_stream < 0) FSeeking = false;
}

void TCustomPlayer::ReadLoop(TVideoState* is) {
  TPacketPtr PacketOwner(FF.av_packet_alloc());
  if (!PacketOwner) return;
  AVPacket* Packet = PacketOwner.get();
  bool EndOfFile = false;
  const String FormatName = is->ic->iformat->name;
  const bool PausesReading = FormatName == "rtsp" || (is->ic->pb && is->filename.rfind("mmsh:", 0) == 0);
  while (!is->abort_request) {
    if (is->paused != is->last_paused) {
      is->last_paused = is->paused;
      if (is->paused)
        is->read_pause_return = FF.av_read_pause(is->ic);
      else
        FF.av_read_play(is->ic);
    }
    if (is->paused && PausesReading) {
      FSDL.SDL_Delay(10);
      continue;
    }
    // Stream switching replaces queues; it waits while this thread uses them.
    std::unique_lock StreamLock(is->stream_lock);
    if (is->seek_req) {
      PerformSeek(is);
      EndOfFile = false;
    } else if (is->flush_req) {
      FlushStreamQueues(is);
      is->seek_done = 1;
    }

    const bool AudioEnough = is->audio_stream < 0 || is->audioq.size() > MIN_AUDIOQ_SIZE;
    const bool VideoEnough = is->video_stream < 0 || is->videoq.nb_packets() > MIN_FRAMES;
    const bool SubtitleEnough = is->subtitle_stream < 0 || is->subtitleq.nb_packets() > MIN_FRAMES;
    if (is->audioq.size() + is->videoq.size() + is->subtitleq.size() > MAX_QUEUE_SIZE ||
        (AudioEnough && VideoEnough && SubtitleEnough)) {
      StreamLock.unlock();
      FSDL.SDL_Delay(10);
      continue;
    }
    if (EndOfFile) {
      if (is->video_stream >= 0) {
        is->videoq.PutEmpty(is->video_stream);
        FPictEvent.SetEvent();
      }
      if (is->audio_stream >= 0 && HasDelayedOutput(is->audio_dec.get()))
        is->audioq.PutEmpty(is->audio_stream);
      StreamLock.unlock();
      FSDL.SDL_Delay(10);
      StreamLock.lock();
      if (is->audioq.IsEmpty() && is->videoq.IsEmpty() && is->subtitleq.IsEmpty()) is->ReachEOF = 1;
      EndOfFile = false;
      continue;
    }

    StreamLock.unlock();
    is->Reading = 1;
    FLastRead = MonotonicMicroseconds();
    FReadTimedOutLogged = false;
    const int Result = FF.av_read_frame(is->ic, Packet);
    is->Reading = 0;
    if (is->abort_request) {
      if (Result >= 0) FF.av_packet_unref(Packet);
      break;
    }
    if (Result < 0) {
      if (!HandleReadFailure(is, Result, EndOfFile)) break;
      FSDL.SDL_Delay(EndOfFile ? 0 : 100);
      continue;
    }
    StreamLock.lock();
    if (Packet->stream_index == is->audio_stream)
      is->audioq.Put(Packet);
    else if (Packet->stream_index == is->video_stream)
      is->videoq.Put(Packet);
    else if (Packet->stream_index == is->subtitle_stream)
      is->subtitleq.Put(Packet);
    FF.av_packet_unref(Packet);
  }
}

// False when reading must end (an I/O error with CheckIOERR).
bool TCustomPlayer::HandleReadFailure(TVideoState* is, int ACode, bool& AEndOfFile) {
  if (is->video_stream >= 0) FPictEvent.SetEvent();
  AVIOContext* IO = is->ic->pb;
  auto MarkEnd = [&] {
    AEndOfFile = true;
    if (!is->IsImage2 && !is->IOEOFLog) {
      GetLogger()->Log(this, llInfo, Format("reach end of file: %s", is->filename));
      is->IOEOFLog = 1;
    }
  };
  auto ClearIO = [&] {
    if (IO) {
      IO->eof_reached = 0;
      IO->error = 0;
    }
  };
  if (ACode == AVERROR(EAGAIN)) {
    ClearIO();
  } else if (ACode == AVERROR_EOF || ACode == AVERROR(EPIPE)) {
    MarkEnd();
  } else if (IO && IO->error == AVERROR(EAGAIN)) {
    ClearIO();
  } else if (IO && IO->eof_reached) {
    if (CheckIOEOF)
      MarkEnd();
    else
      ClearIO();
  } else {
    if (!is->IOERRLog && !is->IsImage2) {
      GetLogger()->Log(this, llError, Format("error #%d while reading file: %s", ACode, is->filename));
      is->IOERRLog = 1;
    }
    if (ACode == -1 && NegativeOneAsEOF) AEndOfFile = true;
  }
  if (IO && IO->error) {
    if (CheckIOERR) return false;
    ClearIO();
  }
  return true;
}

void TCustomPlayer::CloseInput(TVideoState* is, bool AFailed) {
  if (is->Opened != 1) is->Opened = -1;
  FLastRead = INT64_MAX;
  if (is->ic) is->ic->interrupt_callback = {};
  FVideoStateCB = nullptr;
  if (is->audio_stream >= 0) StreamComponentClose(is, is->audio_stream);
  if (is->video_stream >= 0) StreamComponentClose(is, is->video_stream);
  if (is->subtitle_stream >= 0) StreamComponentClose(is, is->subtitle_stream);
  if (AFailed) {
    FF.avformat_close_input(&is->ic);
  } else {
    // The decoder shares the context and lets go of it first.
    FDecoder->SetFileHandle(nullptr);
    FF.avformat_close_input(&is->ic);
  }
  if (is->fifo_io) CloseFifoInput(is->fifo_io);
  CloseProtocolIO(is->protocol_io);
  if (AFailed) PushEvent(FF_QUIT_EVENT);
  if (is->Opened == -1) is->Opened = -2;
}

int TCustomPlayer::DecodeInterruptCb(void* APlayer) {
  auto* Self = static_cast<TCustomPlayer*>(APlayer);
  if (TVideoState* is = Self->FVideoStateCB; is && is->abort_request) {
    if (!Self->FReadTimedOutLogged.exchange(true))
      GetLogger()->Log(Self, llInfo, "connecting/reading broken");
    return 1;
  }
  const int64_t LastRead = Self->FLastRead;
  if (LastRead == INT64_MAX || Self->ReadTimeout <= 0) return 0;
  if (MonotonicMicroseconds() - LastRead <= int64_t{Self->ReadTimeout} * 1000) return 0;
  // FFmpeg asks again and again while it unwinds; one line tells the story.
  if (!Self->FReadTimedOutLogged.exchange(true))
    GetLogger()->Log(Self, llInfo,
                     LastRead == 0 ? "connecting/reading canceled" : "connecting/reading timeout");
  return 1;
}

// --- Streams -----------------------------------------------------------------------------

int TCustomPlayer::StreamComponentOpen(TVideoState* is, int AStreamIndex) {
  AVFormatContext* ic = is->ic;
  if (AStreamIndex < 0 || AStreamIndex >= static_cast<int>(ic->nb_streams)) return -1;
  AVStream* Stream = ic->streams[AStreamIndex];
  AVCodecParameters* Par = Stream->codecpar;
  const AVCodec* Codec = FF.avcodec_find_decoder(Par->codec_id);
  const String* ForcedName = Par->codec_type == AVMEDIA_TYPE_AUDIO      ? &audio_codec_name
                             : Par->codec_type == AVMEDIA_TYPE_VIDEO    ? &video_codec_name
                             : Par->codec_type == AVMEDIA_TYPE_SUBTITLE ? &subtitle_codec_name
                                                                        : nullptr;
  if (ForcedName && !ForcedName->empty()) Codec = FF.avcodec_find_decoder_by_name(ForcedName->c_str());
  if (!Codec) {
    LogError("Cannot find decoder.", false);
    return -1;
  }
  TCodecContextPtr Decoder = MakeCodecContext(Codec);
  if (!Decoder || FF.avcodec_parameters_to_context(Decoder.get(), Par) < 0) return -1;
  Decoder->pkt_timebase = Stream->time_base;
  Decoder->workaround_bugs = workaround_bugs;
  if (lowres > Codec->max_lowres) {
    GetLogger()->Log(
        this, llWarning,
        Format("The maximum value for lowres supported by the decoder is %d", Codec->max_lowres));
    lowres = Codec->max_lowres;
  }
  Decoder->lowres = lowres;
  Decoder->idct_algo = idct_algo;
  if (fast) Decoder->flags2 |= AV_CODEC_FLAG2_FAST;
  Decoder->skip_frame = skip_frame;
  Decoder->skip_idct = skip_idct;
  Decoder->skip_loop_filter = skip_loop_filter;
  Decoder->err_recognition = error_recognition;
  Decoder->error_concealment = error_concealment;

  if (Par->codec_type == AVMEDIA_TYPE_AUDIO) {
    if (Decoder->sample_rate <= 0 || Decoder->ch_layout.nb_channels <= 0) {
      LogError("Invalid sample rate or channel count!", false);
      return -1;
    }
  }
  TDictionary Options(FilterCodecOptions(FOptions.codec_opts, Codec, ic, Stream));
  if (FF.avcodec_open2(Decoder.get(), Codec, Options.Address()) < 0) {
    LogError("avcodec_open2() failed.", false);
    return -1;
  }
  if (const AVDictionaryEntry* Unused = FF.av_dict_get(Options.Get(), "", nullptr, AV_DICT_IGNORE_SUFFIX)) {
    LogError(Format("Option %s not found.", Unused->key), false);
    return AVERROR_OPTION_NOT_FOUND;
  }

  if (Par->codec_type == AVMEDIA_TYPE_AUDIO && OpenAudioDevice(is, Decoder.get()) < 0) return -1;
  Stream->discard = AVDISCARD_DEFAULT;
  switch (Par->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
      is->audio_st = Stream;
      is->audio_dec = std::move(Decoder);
      is->AudioDuration = Stream->duration != AV_NOPTS_VALUE
                              ? FF.av_rescale_q(Stream->duration, Stream->time_base, AV_TIME_BASE_Q)
                              : -1;
      is->audio_buf_size = 0;
      is->audio_buf_index = 0;
      is->audio_diff_avg_coef = exp(log10(0.01) / 20);
      is->audio_diff_avg_count = 0;
      is->audio_diff_threshold = 2.0 * 1024 / is->audio_tgt_freq;
      is->audio_drained = false;
      is->audioq.Init(FSDL);
      is->audioq.PutFlush();
      is->audio_stream = AStreamIndex;
      // SDL's audio thread calls back under its audio lock: started under that lock it
      // sees the state set up above.
      FSDL.SDL_LockAudio();
      FSDL.SDL_PauseAudio(0);
      FSDL.SDL_UnlockAudio();
      break;
    case AVMEDIA_TYPE_VIDEO:
      is->video_st = Stream;
      is->video_dec = std::move(Decoder);
      ComputeFrameDelay(is);
      is->video_drained = false;
      is->videoq.Init(FSDL);
      is->videoq.PutFlush();
      is->video_stream = AStreamIndex;
      is->video_tid = FSDL.SDL_CreateThread(&TCustomPlayer::VideoThreadEntry, is);
      break;
    case AVMEDIA_TYPE_SUBTITLE:
      is->subtitle_st = Stream;
      is->subtitle_dec = std::move(Decoder);
      is->subtitleq.Init(FSDL);
      is->subtitleq.PutFlush();
      is->subtitle_stream = AStreamIndex;
      is->subtitle_tid = FSDL.SDL_CreateThread(&TCustomPlayer::SubtitleThreadEntry, is);
      break;
    default:
      Stream->discard = AVDISCARD_ALL;
      return -1;
  }
  return 0;
}

void TCustomPlayer::StreamComponentClose(TVideoState* is, int AStreamIndex) {
  AVFormatContext* ic = is->ic;
  if (!ic || AStreamIndex < 0 || AStreamIndex >= static_cast<int>(ic->nb_streams)) return;
  AVStream* Stream = ic->streams[AStreamIndex];
  switch (Stream->codecpar->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
      is->audioq.Abort();
      // SDL's audio thread has ended when this returns; the callback runs no more.
      FSDL.SDL_CloseAudio();
      is->audio_stream = -1;
      is->audioq.End();
      is->swr_ctx.reset();
      is->frame.reset();
      FF.av_channel_layout_uninit(&is->audio_src_ch_layout);
      FF.av_channel_layout_uninit(&is->audio_tgt_ch_layout);
      if (is->rdft) FF.av_rdft_end(is->rdft);
      is->rdft = nullptr;
      FF.av_freep(&is->rdft_data);
      is->audio_dec.reset();
      is->audio_st = nullptr;
      is->AudioDuration = -1;
      break;
    case AVMEDIA_TYPE_VIDEO:
      is->videoq.Abort();
      {
        TSDLMutexLock Lock(FSDL, is->pictq_mutex);
        FSDL.SDL_CondSignal(is->pictq_cond);
      }
      FSDL.SDL_WaitThread(is->video_tid, nullptr);
      is->video_tid = nullptr;
      is->video_stream = -1;
      is->videoq.End();
      is->video_dec.reset();
      is->video_st = nullptr;
      break;
    case AVMEDIA_TYPE_SUBTITLE:
      is->subtitleq.Abort();
      {
        TSDLMutexLock Lock(FSDL, is->subpq_mutex);
        is->subtitle_stream_changed = 1;
        FSDL.SDL_CondSignal(is->subpq_cond);
      }
      FSDL.SDL_WaitThread(is->subtitle_tid, nullptr);
      is->subtitle_tid = nullptr;
      is->subtitle_stream = -1;
      is->subtitleq.End();
      is->subtitle_dec.reset();
      is->subtitle_st = nullptr;
      break;
    default:
      break;
  }
  Stream->discard = AVDISCARD_ALL;
}

bool TCustomPlayer::StreamCycleChannel(TVideoState* is, AVMediaType AType, int AIndex) {
  const bool IsSubtitle = AType == AVMEDIA_TYPE_SUBTITLE;
  const int Lowest = IsSubtitle ? -1 : 0;
  int Current;
  switch (AType) {
    case AVMEDIA_TYPE_VIDEO:
      Current = is->video_stream;
      break;
    case AVMEDIA_TYPE_AUDIO:
      Current = is->audio_stream;
      break;
    case AVMEDIA_TYPE_SUBTITLE:
      Current = is->subtitle_stream;
      break;
    default:
      LogError("the stream type is invalid.", true);
      return false;
  }
  if (Current < Lowest) {
    LogError("the current stream is not valid.", true);
    return false;
  }
  if (AIndex < Lowest || AIndex >= static_cast<int>(is->ic->nb_streams)) {
    LogError("the stream index is not valid.", true);
    return false;
  }
  if (AIndex >= 0) {
    const AVCodecParameters* Par = is->ic->streams[AIndex]->codecpar;
    if (Par->codec_type != AType) {
      LogError("the stream type is not matched.", true);
      return false;
    }
    if (AType == AVMEDIA_TYPE_AUDIO && (Par->sample_rate == 0 || Par->ch_layout.nb_channels == 0)) {
      LogError("the audio stream is not invalid.", true);
      return false;
    }
  }
  if (AIndex == Current) return true;
  // The read thread must not feed a queue that is being replaced.
  std::lock_guard Lock(is->stream_lock);
  StreamComponentClose(is, Current);
  if (AIndex >= 0) StreamComponentOpen(is, AIndex);
  return true;
}

void TCustomPlayer::StreamSeek(TVideoState* is, const TSeekFlags& AFlags, bool AWait, int64_t AIncrement,
                               int64_t ATarget) {
  if (is->seek_req) return;
  FSeeking = true;
  is->seek_paused = is->paused.load();
  is->seek_pos = ATarget;
  is->seek_rel = AIncrement;
  is->seek_flags = SeekFlagsToAV(AFlags);
  FSeekEvent.ResetEvent();
  is->seek_req = 1;
  if (!AWait) return;
  const bool HasVideo = is->video_stream >= 0;
  while (FSeekEvent.WaitFor(100) != wrSignaled) PumpWhileWaiting();
  if (HasVideo)
    while (FPictEvent.WaitFor(100) != wrSignaled) PumpWhileWaiting();
}

void TCustomPlayer::StreamClose(TVideoState* is) {
  is->abort_request = 1;
  if (is->read_tid) FSDL.SDL_WaitThread(is->read_tid, nullptr);
  if (is->refresh_tid) FSDL.SDL_WaitThread(is->refresh_tid, nullptr);
  is->read_tid = is->refresh_tid = nullptr;
  for (TVideoPicture& Picture : is->pictq) Picture.overlay.reset();
  FreeSubtitleQueue(is);
  FSDL.SDL_DestroyMutex(is->pictq_mutex);
  FSDL.SDL_DestroyCond(is->pictq_cond);
  FSDL.SDL_DestroyMutex(is->subpq_mutex);
  FSDL.SDL_DestroyCond(is->subpq_cond);
}

// Closes the playback: every thread of it is joined before its state is freed.
void TCustomPlayer::DoExit() {
  if (std::unique_ptr<TVideoState> is{FVideoState.exchange(nullptr)}) {
    StreamClose(is.get());
    FVideoStateCB = nullptr;
  }
  QuitSDL();
  FF.av_log(nullptr, AV_LOG_QUIET, "%s", "");
}
