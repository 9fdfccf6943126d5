// The sound side of the player: the SDL audio device of the audio stream, decoding and
// resampling into the device's 16-bit format, and the audio callback with volume,
// mute, the audio hook and the correction toward the master clock.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "platform/base/Clock.h"

namespace {

constexpr int SDL_AUDIO_BUFFER_SIZE = 1024;
constexpr int AUDIO_DIFF_AVG_NB = 20;
constexpr int SAMPLE_CORRECTION_PERCENT_MAX = 10;

// The layout of a decoder's output: its own when it is consistent with its channel
// count, else FFmpeg's default for that count.
void DecoderLayout(const AVCodecContext* ADecoder, AVChannelLayout& ALayout) {
  FF.av_channel_layout_uninit(&ALayout);
  if (ADecoder->ch_layout.order != AV_CHANNEL_ORDER_UNSPEC &&
      FF.av_channel_layout_check(&ADecoder->ch_layout))
    FF.av_channel_layout_copy(&ALayout, &ADecoder->ch_layout);
  else
    FF.av_channel_layout_default(&ALayout, ADecoder->ch_layout.nb_channels);
}

}  // namespace

int TCustomPlayer::OpenAudioDevice(TVideoState* is, AVCodecContext* ADecoder) {
  AVChannelLayout Layout{};
  DecoderLayout(ADecoder, Layout);
  // The device gets no stereo-downmix channels.
  const uint64_t Downmix = AV_CH_STEREO_LEFT | AV_CH_STEREO_RIGHT;
  if (Layout.order == AV_CHANNEL_ORDER_NATIVE && (Layout.u.mask & Downmix) && (Layout.u.mask & ~Downmix)) {
    Layout.u.mask &= ~Downmix;
    Layout.nb_channels = __builtin_popcountll(Layout.u.mask);
  }
  SDL_AudioSpec Wanted{};
  Wanted.freq = ADecoder->sample_rate;
  Wanted.format = AUDIO_S16SYS;
  Wanted.channels = static_cast<Uint8>(Layout.nb_channels);
  Wanted.silence = 0;
  Wanted.samples = SDL_AUDIO_BUFFER_SIZE;
  Wanted.callback = &TCustomPlayer::AudioCallbackEntry;
  Wanted.userdata = is;
  SDL_AudioSpec Obtained{};
  bool Opened = FSDL.SDL_OpenAudio(&Wanted, &Obtained) >= 0;
  if (!Opened && Wanted.channels != 2) {
    // Devices that refuse the file's channel count take stereo.
    Wanted.channels = 2;
    FF.av_channel_layout_uninit(&Layout);
    FF.av_channel_layout_default(&Layout, 2);
    Opened = FSDL.SDL_OpenAudio(&Wanted, &Obtained) >= 0;
  }
  if (!Opened) {
    LogError(String("SDL_OpenAudio() failed: ") + FSDL.SDL_GetError(), false);
    FF.av_channel_layout_uninit(&Layout);
    return -1;
  }
  is->audio_hw_buf_size = static_cast<int>(Obtained.size);
  if (Obtained.format != AUDIO_S16SYS) {
    LogError(Format("SDL advised audio format %d is not supported!", Obtained.format), false);
    FSDL.SDL_CloseAudio();
    FF.av_channel_layout_uninit(&Layout);
    return -1;
  }
  if (Obtained.channels != Layout.nb_channels) {
    FF.av_channel_layout_uninit(&Layout);
    FF.av_channel_layout_default(&Layout, Obtained.channels);
    if (!Layout.nb_channels) {
      LogError(Format("SDL advised channel count %d is not supported!", Obtained.channels), false);
      FSDL.SDL_CloseAudio();
      return -1;
    }
  }
  is->audio_src_fmt = is->audio_tgt_fmt = AV_SAMPLE_FMT_S16;
  is->audio_src_freq = is->audio_tgt_freq = Obtained.freq;
  FF.av_channel_layout_copy(&is->audio_src_ch_layout, &Layout);
  FF.av_channel_layout_copy(&is->audio_tgt_ch_layout, &Layout);
  FF.av_channel_layout_uninit(&Layout);
  is->audio_pkt_new = false;
  return 0;
}

void TCustomPlayer::AudioCallbackEntry(void* AState, uint8_t* AStream, int ALength) {
  auto* is = static_cast<TVideoState*>(AState);
  is->Owner->PlayerAudioCallback(is, AStream, ALength);
}

// SDL's audio thread. Never waits for packets: without one it plays silence.
void TCustomPlayer::PlayerAudioCallback(TVideoState* is, uint8_t* AStream, int ALength) {
  const int64_t CallbackTime = MonotonicMicroseconds();
  Faudio_callback_time = CallbackTime;
  while (ALength > 0) {
    if (is->audio_buf_index >= is->audio_buf_size) {
      double PTS = 0;
      int Size = AudioDecodeFrame(is, PTS);
      if (is->audioq.abort_request()) return;
      if (Size < 0) {
        is->audio_buf = is->silence_buf;
        Size = SILENCE_BUF_SIZE;
      } else {
        DoAudioHook(is, PTS, Size);
        if (is->show_mode != 0) UpdateSampleDisplay(is, is->audio_buf, Size);
        Size = SynchronizeAudio(is, Size);
      }
      is->audio_buf_size = static_cast<unsigned>(Size);
      is->audio_buf_index = 0;
    }
    const int Piece = std::min(ALength, static_cast<int>(is->audio_buf_size - is->audio_buf_index));
    const uint8_t* Source = is->audio_buf + is->audio_buf_index;
    const int Volume = FAudioVolume;
    if (Mute || Volume == 0) {
      memset(AStream, 0, Piece);
    } else if (Volume == SDL_MIX_MAXVOLUME) {
      memcpy(AStream, Source, Piece);
    } else {
      memset(AStream, 0, Piece);
      FSDL.SDL_MixAudio(AStream, Source, static_cast<Uint32>(Piece), Volume);
    }
    ALength -= Piece;
    AStream += Piece;
    is->audio_buf_index += Piece;
  }
  const int BytesPerSecond = 2 * is->audio_tgt_ch_layout.nb_channels * is->audio_tgt_freq;
  is->audio_write_buf_size = static_cast<int>(is->audio_buf_size - is->audio_buf_index);
  const double Current =
      is->audio_clock -
      static_cast<double>(2 * is->audio_hw_buf_size + is->audio_write_buf_size) / BytesPerSecond;
  is->audio_current_pts = Current;
  is->audio_current_pts_drift = Current - CallbackTime / 1000000.0;
}

// The bytes of the next decoded buffer in audio_buf, with APTS its time; -1 while
// paused, aborted, or without a packet.
int TCustomPlayer::AudioDecodeFrame(TVideoState* is, double& APTS) {
  AVCodecContext* Decoder = is->audio_dec.get();
  for (;;) {
    if (is->paused || is->audioq.abort_request()) return -1;
    if (is->audio_pkt_new) {
      if (!is->frame) is->frame.reset(FF.av_frame_alloc());
      if (!is->frame) return AVERROR(ENOMEM);
      const int Received = FF.avcodec_receive_frame(Decoder, is->frame.get());
      if (Received >= 0) {
        if (is->frame->pts != AV_NOPTS_VALUE)
          is->audio_clock = is->frame->pts * av_q2d(is->audio_st->time_base);
        const int Size = ResampleFrame(is);
        if (Size < 0) continue;
        APTS = is->audio_clock;
        is->audio_clock += static_cast<double>(is->frame->nb_samples) / is->frame->sample_rate;
        return Size;
      }
      if (Received == AVERROR_EOF)
        is->audio_drained = true;
      else if (Received != AVERROR(EAGAIN))
        GetLogger()->Log(this, llInfo, "avcodec_decode_audio3() failed");
      is->audio_pkt_new = false;
    }
    TPacketQueue::TEntry Entry;
    if (is->audioq.Get(Entry, false) <= 0) return -1;
    if (Entry.IsFlush) {
      FF.avcodec_flush_buffers(Decoder);
      is->audio_drained = false;
      continue;
    }
    const AVPacket* Packet = Entry.Packet.get();
    const bool Empty = !Packet->data && Packet->size == 0;
    if (Empty && is->audio_drained) continue;
    if (!Empty && is->audio_drained) {
      FF.avcodec_flush_buffers(Decoder);
      is->audio_drained = false;
    }
    if (!Empty && Packet->pts != AV_NOPTS_VALUE)
      is->audio_clock = Packet->pts * av_q2d(is->audio_st->time_base);
    const int Sent = FF.avcodec_send_packet(Decoder, Empty ? nullptr : Packet);
    if (Sent < 0 && Sent != AVERROR_EOF) GetLogger()->Log(this, llInfo, "avcodec_decode_audio3() failed");
    is->audio_pkt_new = true;
  }
}

// Puts the decoded frame into audio_buf in the device's format; its size, or -1 when
// the frame is abandoned.
int TCustomPlayer::ResampleFrame(TVideoState* is) {
  AVFrame* Frame = is->frame.get();
  const auto SampleFormat = static_cast<AVSampleFormat>(Frame->format);
  if (SampleFormat != is->audio_src_fmt || Frame->sample_rate != is->audio_src_freq ||
      FF.av_channel_layout_compare(&Frame->ch_layout, &is->audio_src_ch_layout) != 0) {
    is->swr_ctx.reset();
    SwrContext* Made = nullptr;
    const int Result =
        FF.swr_alloc_set_opts2(&Made, &is->audio_tgt_ch_layout, is->audio_tgt_fmt, is->audio_tgt_freq,
                               &Frame->ch_layout, SampleFormat, Frame->sample_rate, 0, nullptr);
    TResamplerPtr Resampler(Made);
    if (Result < 0 || FF.swr_init(Resampler.get()) < 0) {
      const char* SourceName = FF.av_get_sample_fmt_name(SampleFormat);
      const char* TargetName = FF.av_get_sample_fmt_name(is->audio_tgt_fmt);
      LogError(
          Format("Cannot create sample rate converter for conversion of %d Hz %s %d channels to %d Hz %s %d "
                 "channels!",
                 Frame->sample_rate, SourceName ? SourceName : "none", Frame->ch_layout.nb_channels,
                 is->audio_tgt_freq, TargetName ? TargetName : "none", is->audio_tgt_ch_layout.nb_channels),
          false);
      return -1;
    }
    is->swr_ctx = std::move(Resampler);
    is->audio_src_fmt = SampleFormat;
    is->audio_src_freq = Frame->sample_rate;
    FF.av_channel_layout_uninit(&is->audio_src_ch_layout);
    FF.av_channel_layout_copy(&is->audio_src_ch_layout, &Frame->ch_layout);
    // Output in the device's own format needs no converter.
    if (SampleFormat == is->audio_tgt_fmt && Frame->sample_rate == is->audio_tgt_freq &&
        FF.av_channel_layout_compare(&Frame->ch_layout, &is->audio_tgt_ch_layout) == 0)
      is->swr_ctx.reset();
  }
  const int Channels = is->audio_tgt_ch_layout.nb_channels;
  if (!is->swr_ctx) {
    is->audio_buf = Frame->data[0];
    return FF.av_samples_get_buffer_size(nullptr, Channels, Frame->nb_samples, is->audio_tgt_fmt, 1);
  }
  const int OutCount = AUDIO_BUF2_SIZE / Channels / 2;
  uint8_t* Out[] = {is->audio_buf2.data()};
  const int Converted = FF.swr_convert(is->swr_ctx.get(), Out, OutCount,
                                       const_cast<const uint8_t**>(Frame->extended_data), Frame->nb_samples);
  if (Converted < 0) {
    LogError("audio_resample() failed", false);
    return -1;
  }
  if (Converted == OutCount) {
    LogError("warning: audio buffer is probably too small", false);
    FF.swr_init(is->swr_ctx.get());
  }
  is->audio_buf = is->audio_buf2.data();
  return Converted * Channels * 2;
}

// Shortens the buffer when the audio runs behind a master clock that is not the audio
// clock; never lengthens it.
int TCustomPlayer::SynchronizeAudio(TVideoState* is, int ASize) {
  const bool Corrects = (is->av_sync_type == AV_SYNC_VIDEO_MASTER && is->video_stream >= 0) ||
                        is->av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
  if (!Corrects) return ASize;
  const int N = 2 * is->audio_tgt_ch_layout.nb_channels;
  const double Diff = get_audio_clock(is) - get_master_clock(is);
  if (Diff >= AV_NOSYNC_THRESHOLD) {
    is->audio_diff_avg_count = 0;
    is->audio_diff_cum = 0;
    return ASize;
  }
  is->audio_diff_cum = Diff + is->audio_diff_avg_coef * is->audio_diff_cum;
  if (is->audio_diff_avg_count < AUDIO_DIFF_AVG_NB) {
    ++is->audio_diff_avg_count;
    return ASize;
  }
  const double Average = is->audio_diff_cum * (1.0 - is->audio_diff_avg_coef);
  if (std::fabs(Average) < is->audio_diff_threshold) return ASize;
  int Wanted = ASize + static_cast<int>(Diff * is->audio_tgt_freq) * N;
  const int Samples = ASize / N;
  const int Lowest = (Samples * (100 - SAMPLE_CORRECTION_PERCENT_MAX) / 100) * N;
  const int Highest =
      std::min({(Samples * (100 + SAMPLE_CORRECTION_PERCENT_MAX) / 100) * N, ASize, AUDIO_BUF2_SIZE});
  return std::clamp(Wanted, Lowest, Highest);
}

void TCustomPlayer::UpdateSampleDisplay(TVideoState* is, const uint8_t* ASamples, int ASize) {
  const auto* Samples = reinterpret_cast<const int16_t*>(ASamples);
  int Count = ASize / 2;
  int Index = is->sample_array_index;
  while (Count > 0) {
    const int Piece = std::min(SAMPLE_ARRAY_SIZE - Index, Count);
    memcpy(is->sample_array + Index, Samples, Piece * sizeof(int16_t));
    Samples += Piece;
    Index += Piece;
    if (Index >= SAMPLE_ARRAY_SIZE) Index = 0;
    Count -= Piece;
  }
  is->sample_array_index = Index;
}

void TCustomPlayer::DoAudioHook(TVideoState* is, double APTS, int ASize) {
  if (!AudioHook || !Raises(OnAudioHook)) return;
  // A buffer that is the decoder's frame may be shared with the decoder; the handler
  // writes into a private copy.
  if (is->audio_buf == is->frame->data[0]) {
    if (FF.av_frame_make_writable(is->frame.get()) < 0) return;
    is->audio_buf = is->frame->data[0];
  }
  const int64_t HookPTS = std::llround(APTS * 1000000) - is->StartTime;
  try {
    OnAudioHook(this, HookPTS, is->audio_buf, ASize, is->audio_dec->sample_rate,
                is->audio_dec->ch_layout.nb_channels);
  } catch (const std::exception& E) {
    GetLogger()->Log(this, llError, String("Error occurs OnAudioHook: ") + E.what());
  }
}
