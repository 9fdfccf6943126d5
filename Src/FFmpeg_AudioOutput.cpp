// The audio path: decoded samples, the volume, the conversion to the encoder's format
// with the output kept in step with the input's time, and encoder-sized frames.

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "Src/AudioVolume.h"
#include "Src/FFmpeg.h"

int TCustomFFmpeg::DecodeAudio(TInputStream& AInput, AVFrame* AFrame) {
  if (AFrame->nb_samples < 1) RaiseErrorFmt("the decoder \"%s\" return bad result.", AInput.avdec->name);
  if (AFrame->best_effort_timestamp != AV_NOPTS_VALUE)
    AInput.pts = FF.av_rescale_q(AFrame->best_effort_timestamp, AInput.st->time_base, AV_TIME_BASE_Q);
  AInput.next_pts =
      AInput.pts + static_cast<int64_t>(AV_TIME_BASE) * AFrame->nb_samples / AFrame->sample_rate;
  RunAudioHook(AInput, AFrame);

  if (Faudio_volume != 256) {
    const bool Planar = FF.av_sample_fmt_is_planar(static_cast<AVSampleFormat>(AFrame->format));
    const int Channels = AFrame->ch_layout.nb_channels;
    int Error = FF.av_frame_make_writable(AFrame);
    if (Error < 0) RaiseError(ErrorToText("av_frame_make_writable", Error));
    if (!AdjustVolume(AFrame->extended_data, Planar ? Channels : 1,
                      Planar ? AFrame->nb_samples : AFrame->nb_samples * Channels,
                      static_cast<AVSampleFormat>(AFrame->format), Faudio_volume))
      RaiseErrorFmt("Audio volume adjustment on sample format %s is not supported.",
                    FF.av_get_sample_fmt_name(static_cast<AVSampleFormat>(AFrame->format)));
  }

  EmulateRate(AInput);
  for (const auto& Stream : Foutput_streams)
    if (Stream->encoding_needed && CheckOutputLimits(AInput, *Stream)) do_audio_out(*Stream, AFrame, AInput);
  return 0;
}

// A buffer for ASamples samples in the encoder's format, kept by the task and grown.
uint8_t** TCustomFFmpeg::AudioBuffer(const AVCodecContext* AEncoder, int ASamples) {
  AVFrame* Buffer = Faudio_buf.get();
  if (Buffer && Buffer->format == AEncoder->sample_fmt &&
      Buffer->ch_layout.nb_channels == AEncoder->ch_layout.nb_channels &&
      Fallocated_audio_buf_samples >= ASamples)
    return Buffer->extended_data;
  Faudio_buf.reset(FF.av_frame_alloc());
  Buffer = Faudio_buf.get();
  if (!Buffer) RaiseError("Out of memory in do_audio_out()");
  Buffer->format = AEncoder->sample_fmt;
  Buffer->nb_samples = std::max(ASamples, Fallocated_audio_buf_samples);
  if (FF.av_channel_layout_copy(&Buffer->ch_layout, &AEncoder->ch_layout) < 0 ||
      FF.av_frame_get_buffer(Buffer, 0) < 0)
    RaiseError("Out of memory in do_audio_out()");
  Fallocated_audio_buf_samples = Buffer->nb_samples;
  return Buffer->extended_data;
}

void TCustomFFmpeg::do_audio_out(TOutputStream& AStream, const AVFrame* AFrame, TInputStream& AInput) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  TAudioResampling& Resampling = *AStream.resampling;
  ConfigureResampler(AStream, AFrame, AInput);

  const int Skip = SyncAudio(AStream, AFrame, AInput);
  const int Samples = AFrame->nb_samples - Skip;
  if (Samples <= 0) return;

  // The input from the first sample kept on.
  const AVSampleFormat InFormat = static_cast<AVSampleFormat>(AFrame->format);
  const int InChannels = AFrame->ch_layout.nb_channels;
  const bool Planar = FF.av_sample_fmt_is_planar(InFormat);
  const size_t Offset =
      static_cast<size_t>(Skip) * FF.av_get_bytes_per_sample(InFormat) * (Planar ? 1 : InChannels);
  std::vector<const uint8_t*> Input(Planar ? InChannels : 1);
  for (size_t I = 0; I < Input.size(); I++) Input[I] = AFrame->extended_data[I] + Offset;

  if (!Resampling.active) {
    QueueAudio(AStream, Input.data(), Samples);
  } else {
    const int64_t Room =
        FF.av_rescale_rnd(FF.swr_get_delay(Resampling.swr.get(), AFrame->sample_rate) + Samples,
                          Encoder->sample_rate, AFrame->sample_rate, AV_ROUND_UP) +
        std::abs(Faudio_sync_method) + 16;
    if (Room > INT_MAX) RaiseError("Buffer sizes too large in do_audio_out()");
    uint8_t** Buffer = AudioBuffer(Encoder, static_cast<int>(Room));
    const int Converted =
        FF.swr_convert(Resampling.swr.get(), Buffer, static_cast<int>(Room), Input.data(), Samples);
    if (Converted < 0) RaiseError(ErrorToText("swr_convert", Converted));
    QueueAudio(AStream, Buffer, Converted);
  }
  EncodeAudioFifo(AStream, false);
}

// Keeps the output in step with the timing input: with a sync method, a large lag or
// lead (or any at the start) drops input samples or puts silence in front, and a small
// one makes the resampler stretch or squeeze; without one, the output's clock follows
// the input's. Returns the input samples to drop at the frame's start.
int TCustomFFmpeg::SyncAudio(TOutputStream& AStream, const AVFrame* AFrame, TInputStream& AInput) {
  const AVCodecContext* Encoder = AStream.enc_ctx.get();
  TStreamOutputState& State = *AStream.state;
  const int OutRate = Encoder->sample_rate;
  const double Ipts =
      static_cast<double>(AInput.pts - Foutput_files[AStream.file_index]->start_time) / AV_TIME_BASE;
  const int64_t Waiting = FF.av_audio_fifo_size(State.fifo.get());
  if (!Faudio_sync_method) {
    // Never back in time, so the muxer sees rising times even when the input's jitter.
    State.sync_opts = std::max<int64_t>(State.sync_opts, std::llround(Ipts * OutRate) - Waiting);
    return 0;
  }

  const double Delta = Ipts * OutRate - State.sync_opts - Waiting;
  const int InDelta = static_cast<int>(Delta * AFrame->sample_rate / OutRate);
  if (std::fabs(Delta) <= 50) return 0;
  if (AInput.is_start || std::fabs(Delta) > Faudio_drift_threshold * OutRate) {
    AInput.is_start = 0;
    if (InDelta < 0) {
      const int Skip = std::min(-InDelta, AFrame->nb_samples);
      Log(llVerbose, Format("discarding %d audio samples", Skip));
      return Skip;
    }
    const int Silence = static_cast<int>(std::llround(Delta));
    uint8_t** Buffer = AudioBuffer(Encoder, Silence);
    FF.av_samples_set_silence(Buffer, 0, Silence, Encoder->ch_layout.nb_channels, Encoder->sample_fmt);
    QueueAudio(AStream, Buffer, Silence);
    Log(llVerbose, Format("adding %d audio samples of silence", InDelta));
  } else if (Faudio_sync_method > 1 && AStream.resampling->swr) {
    const int Compensation = std::clamp(static_cast<int>(Delta), -Faudio_sync_method, Faudio_sync_method);
    Log(llVerbose,
        Format("compensating audio timestamp drift:%f compensation:%d in:%d", Delta, Compensation, OutRate));
    FF.swr_set_compensation(AStream.resampling->swr.get(), Compensation, OutRate);
  }
  return 0;
}

// Samples in the encoder's format into the stream's FIFO.
void TCustomFFmpeg::QueueAudio(TOutputStream& AStream, const uint8_t* const* AData, int ASamples) {
  void** Data = reinterpret_cast<void**>(const_cast<uint8_t**>(AData));
  if (FF.av_audio_fifo_write(AStream.state->fifo.get(), Data, ASamples) < ASamples)
    RaiseError("av_fifo_realloc2() failed");
}

// Hands the FIFO's samples to the encoder in frames of its frame size (or all at once
// for an encoder that takes any size). At the end (AFlush) the rest goes too: as a short
// frame where the encoder takes one, else filled up with silence.
void TCustomFFmpeg::EncodeAudioFifo(TOutputStream& AStream, bool AFlush) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  TStreamOutputState& State = *AStream.state;
  const int Capabilities = Encoder->codec->capabilities;
  const bool AnySize = (Capabilities & AV_CODEC_CAP_VARIABLE_FRAME_SIZE) || Encoder->frame_size <= 0;
  AVFrame* Frame = State.frame.get();
  for (;;) {
    const int Waiting = FF.av_audio_fifo_size(State.fifo.get());
    int Take = 0, Size = 0;
    if (AnySize)
      Take = Size = Waiting;
    else if (Waiting >= Encoder->frame_size)
      Take = Size = Encoder->frame_size;
    else if (AFlush && Waiting > 0)
      Take = Waiting, Size = (Capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME) ? Waiting : Encoder->frame_size;
    if (Take == 0) return;

    FF.av_frame_unref(Frame);
    Frame->format = Encoder->sample_fmt;
    Frame->nb_samples = Size;
    Frame->sample_rate = Encoder->sample_rate;
    if (FF.av_channel_layout_copy(&Frame->ch_layout, &Encoder->ch_layout) < 0 ||
        FF.av_frame_get_buffer(Frame, 0) < 0)
      RaiseError("Out of memory in do_audio_out()");
    FF.av_audio_fifo_read(State.fifo.get(), reinterpret_cast<void**>(Frame->extended_data), Take);
    if (Size > Take)
      FF.av_samples_set_silence(Frame->extended_data, Take, Size - Take, Encoder->ch_layout.nb_channels,
                                Encoder->sample_fmt);
    Frame->pts = State.sync_opts;
    State.sync_opts += Size;
    EncodeFrame(AStream, Frame, "Audio encoding failed");
  }
}
