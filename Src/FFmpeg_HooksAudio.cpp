// The audio hook: the decoded samples of a task, before the volume.

#include <cstring>

#include "Src/FFmpeg_Hooks.h"

// The handler gets one block of samples. Planar audio keeps each channel in a plane of
// its own, so it is interleaved for the handler and its changes are spread back.
void TCustomFFmpeg::RunAudioHook(const TInputStream& AInput, AVFrame* AFrame) {
  if (!FOnAudioHook) return;
  const int Error = FF.av_frame_make_writable(AFrame);
  if (Error < 0) RaiseError(ErrorToText("av_frame_make_writable", Error));
  const auto Format = static_cast<AVSampleFormat>(AFrame->format);
  const int Channels = AFrame->ch_layout.nb_channels;
  const int SampleSize = FF.av_get_bytes_per_sample(Format);
  const int Size = AFrame->nb_samples * Channels * SampleSize;
  if (!FF.av_sample_fmt_is_planar(Format)) {
    FOnAudioHook(this, AInput.pts, AFrame->extended_data[0], Size, AFrame->sample_rate, Channels, Format);
    return;
  }
  std::vector<uint8_t>& Samples = FHookState->FAudioSamples;
  Samples.resize(static_cast<size_t>(Size));
  const size_t Stride = static_cast<size_t>(Channels) * SampleSize;
  for (int Channel = 0; Channel < Channels; Channel++)
    for (int I = 0; I < AFrame->nb_samples; I++)
      std::memcpy(&Samples[I * Stride + Channel * SampleSize],
                  AFrame->extended_data[Channel] + I * SampleSize, SampleSize);
  FOnAudioHook(this, AInput.pts, Samples.data(), Size, AFrame->sample_rate, Channels,
               FF.av_get_packed_sample_fmt(Format));
  for (int Channel = 0; Channel < Channels; Channel++)
    for (int I = 0; I < AFrame->nb_samples; I++)
      std::memcpy(AFrame->extended_data[Channel] + I * SampleSize,
                  &Samples[I * Stride + Channel * SampleSize], SampleSize);
}
