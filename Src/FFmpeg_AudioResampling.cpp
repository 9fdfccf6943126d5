// The resampler of an audio output record: built for the samples its input gives, and
// built again when they change.

#include "Src/FFmpeg.h"

namespace {

bool SameAsEncoder(const AVFrame* AFrame, const AVCodecContext* AEncoder) {
  return AFrame->format == AEncoder->sample_fmt && AFrame->sample_rate == AEncoder->sample_rate &&
         FF.av_channel_layout_compare(&AFrame->ch_layout, &AEncoder->ch_layout) == 0;
}

}  // namespace

void TCustomFFmpeg::ConfigureResampler(TOutputStream& AStream, const AVFrame* AFrame,
                                       const TInputStream& AInput) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  TAudioResampling& Resampling = *AStream.resampling;
  const AVSampleFormat SampleFormat = static_cast<AVSampleFormat>(AFrame->format);
  const int Channels = AFrame->ch_layout.nb_channels;
  const bool Mapped = AStream.audio_channels_mapped > 0;
  const bool First = Resampling.sample_fmt == AV_SAMPLE_FMT_NONE;
  const bool Changed = !First && (Resampling.sample_fmt != SampleFormat || Resampling.channels != Channels ||
                                  Resampling.sample_rate != AFrame->sample_rate);
  if (!First && !Changed) return;

  if (Changed) {
    Log(llInfo, Format("Input stream #%d:%d frame changed from rate:%d fmt:%s ch:%d to rate:%d fmt:%s ch:%d",
                       AInput.file_index, AInput.st->index, Resampling.sample_rate,
                       FF.av_get_sample_fmt_name(Resampling.sample_fmt), Resampling.channels,
                       AFrame->sample_rate, FF.av_get_sample_fmt_name(SampleFormat), Channels));
    Resampling.swr.reset();
  }
  Resampling.sample_fmt = SampleFormat;
  Resampling.channels = Channels;
  Resampling.sample_rate = AFrame->sample_rate;
  Resampling.active = Faudio_sync_method > 1 || Mapped || !SameAsEncoder(AFrame, Encoder);
  if (!Resampling.active) return;

  AVChannelLayout InLayout{};
  if (AFrame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
    FF.av_channel_layout_default(&InLayout, Channels);
  else
    FF.av_channel_layout_copy(&InLayout, &AFrame->ch_layout);
  SwrContext* Context = nullptr;
  int Error = FF.swr_alloc_set_opts2(&Context, &Encoder->ch_layout, Encoder->sample_fmt, Encoder->sample_rate,
                                     &InLayout, SampleFormat, AFrame->sample_rate, 0, nullptr);
  FF.av_channel_layout_uninit(&InLayout);
  Resampling.swr.reset(Context);
  if (Error >= 0) {
    if (Mapped) {
      FF.swr_set_channel_mapping(Context, AStream.audio_channels_map.data());
      AVChannelLayout Used{};
      FF.av_channel_layout_default(&Used, AStream.audio_channels_mapped);
      FF.av_opt_set_chlayout(Context, "uchl", &Used, 0);
      FF.av_channel_layout_uninit(&Used);
    }
    FF.av_opt_set_double(Context, "rmvol", AStream.rematrix_volume, 0);
    if (Faudio_sync_method > 1) FF.av_opt_set_int(Context, "flags", SWR_FLAG_RESAMPLE, 0);
    Error = FF.swr_init(Context);
    if (Error < 0) {
      Log(llFatal, "swr_init() failed");
      Resampling.swr.reset();
    }
  }
  if (!Resampling.swr)
    RaiseErrorFmt("Can not resample %d channels @ %d Hz to %d channels @ %d Hz", Channels,
                  AFrame->sample_rate, Encoder->ch_layout.nb_channels, Encoder->sample_rate);
}
