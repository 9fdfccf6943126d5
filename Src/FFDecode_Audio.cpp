// Audio: decoding the chosen stream packet by packet into blocks of the wanted channel
// count, sample rate and sample format, and reading them as a byte stream.

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "Src/FFDecode.h"

namespace {

// Room for the converted samples of AInputSamples: twice the expected count and 10000
// more, which also covers what the resampler holds back.
int64_t ConvertedCapacity(int64_t AInputSamples, int AInputRate, int AOutputRate) {
  return 2 * (AInputSamples * AOutputRate / AInputRate + 1) + 10000;
}

}  // namespace

void TFFDecoder::ResetWaveInfo() {
  FWaveInfo = TWaveInfo();
  // The unread rest belonged to the block just forgotten.
  FRemainsAudioSize = 0;
}

void TFFDecoder::SetDesireAudioChannels(int AValue) {
  // No block can have fewer than one channel.
  if (AValue == FDesireAudioChannels || AValue < 1) return;
  FDesireAudioChannels = AValue;
  FAudioSwrCtx.reset();
}

void TFFDecoder::SetDesireAudioSampleRate(int AValue) {
  if (AValue == FDesireAudioSampleRate || AValue < 1) return;
  FDesireAudioSampleRate = AValue;
  FAudioSwrCtx.reset();
}

bool TFFDecoder::DecodeAudio(int AStreamIndex) {
  if (!SelectAudioStream(AStreamIndex)) return false;
  if (FEOF && FEOFpkt) {
    Report(llInfo, "stream eof reached.");
    return false;
  }
  if (!OpenAudioCodec()) return false;
  FLastPTS = AV_NOPTS_VALUE;

  for (;;) {
    TReadResult Read = ReadStreamPacket(FDesireAudioIndex);
    if (Read == rrFailed) return false;
    ResetWaveInfo();
    FAudioBlock.clear();
    const AVPacket* Packet = Read == rrPacket ? FPacket.get() : nullptr;
    int Sent = FF.avcodec_send_packet(FAudioCodec.get(), Packet);
    bool Converted = true;
    if (Sent < 0 && Sent != AVERROR_EOF)
      LogOnly(llError, ErrorToText(Format("Error while decoding audio stream #%d", FDesireAudioIndex), Sent));
    else
      Converted = ReceiveAudio() && (Packet || FlushResampler());
    if (!Converted) {
      FF.av_packet_unref(FPacket.get());
      return false;
    }
    if (!FAudioBlock.empty()) {
      DescribeWaveBlock(Packet);
      FF.av_packet_unref(FPacket.get());
      return true;
    }
    FF.av_packet_unref(FPacket.get());
    if (Read == rrEnd) {
      ReportEndOfStream();
      return false;
    }
  }
}

// Every frame the packet gave, converted and appended to the block. False only when
// the samples cannot be converted; a decoding error ends the packet.
bool TFFDecoder::ReceiveAudio() {
  for (int Frames = 0;; ++Frames) {
    int Result = FF.avcodec_receive_frame(FAudioCodec.get(), FAudioDecodedFrame.get());
    if (Result == AVERROR(EAGAIN) || Result == AVERROR_EOF) return true;
    if (Result < 0) {
      LogOnly(llError,
              ErrorToText(Format("Error while decoding audio stream #%d", FDesireAudioIndex), Result));
      return true;
    }
    if (Frames > 0)
      LogOnly(llWarning, Format("Multiple frames in a packet from stream %d", FDesireAudioIndex));
    bool Appended = AppendAudioFrame(FAudioDecodedFrame.get());
    FF.av_frame_unref(FAudioDecodedFrame.get());
    if (!Appended) return false;
  }
}

bool TFFDecoder::AppendAudioFrame(const AVFrame* AFrame) {
  int Channels = AFrame->ch_layout.nb_channels;
  if (Channels != FResampleChannels || AFrame->sample_rate != FResampleSampleRate ||
      AFrame->format != FResampleSampleFormat) {
    if (FResampleSampleFormat != -1)
      LogOnly(llInfo,
              Format("Audio stream #%d frame changed from rate:%d fmt:%s ch:%d to rate:%d fmt:%s ch:%d",
                     FDesireAudioIndex, FResampleSampleRate,
                     FF.av_get_sample_fmt_name(static_cast<AVSampleFormat>(FResampleSampleFormat)),
                     FResampleChannels, AFrame->sample_rate,
                     FF.av_get_sample_fmt_name(static_cast<AVSampleFormat>(AFrame->format)), Channels));
    FAudioSwrCtx.reset();
    FResampleChannels = Channels;
    FResampleSampleRate = AFrame->sample_rate;
    FResampleSampleFormat = AFrame->format;
  }
  if (AFrame->nb_samples <= 0) return true;

  if (Channels == FDesireAudioChannels && AFrame->sample_rate == FDesireAudioSampleRate &&
      AFrame->format == FDesireAudioSampleFormat) {
    // Already as wanted: interleaved samples in one plane.
    size_t Bytes =
        size_t(AFrame->nb_samples) * Channels * FF.av_get_bytes_per_sample(FDesireAudioSampleFormat);
    FAudioBlock.insert(FAudioBlock.end(), AFrame->data[0], AFrame->data[0] + Bytes);
    return true;
  }
  if (!FAudioSwrCtx && !SetUpResampler(AFrame)) return false;
  return AppendSamples(AFrame->extended_data, AFrame->nb_samples);
}

bool TFFDecoder::SetUpResampler(const AVFrame* AFrame) {
  AVChannelLayout Input{}, Output{};
  if (AFrame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
    FF.av_channel_layout_default(&Input, AFrame->ch_layout.nb_channels);
  else
    FF.av_channel_layout_copy(&Input, &AFrame->ch_layout);
  // The stream's own layout when it already has the wanted channel count (a decoder
  // that mixed down itself), else the usual layout of that count.
  if (Input.nb_channels == FDesireAudioChannels)
    FF.av_channel_layout_copy(&Output, &Input);
  else
    FF.av_channel_layout_default(&Output, FDesireAudioChannels);

  SwrContext* Resampler = nullptr;
  int Result =
      FF.swr_alloc_set_opts2(&Resampler, &Output, FDesireAudioSampleFormat, FDesireAudioSampleRate, &Input,
                             static_cast<AVSampleFormat>(AFrame->format), AFrame->sample_rate, 0, nullptr);
  FAudioSwrCtx.reset(Resampler);
  FF.av_channel_layout_uninit(&Input);
  FF.av_channel_layout_uninit(&Output);
  if (Result >= 0 && FF.swr_init(FAudioSwrCtx.get()) < 0) {
    LogOnly(llFatal, "swr_init() failed");
    FAudioSwrCtx.reset();
  }
  if (!FAudioSwrCtx) {
    Report(llError, "Can not resample %d channels @ %d Hz to %d channels @ %d Hz",
           AFrame->ch_layout.nb_channels, AFrame->sample_rate, FDesireAudioChannels, FDesireAudioSampleRate);
    return false;
  }
  LogOnly(llInfo,
          Format("need resample %d channels @ %d Hz to %d channels @ %d Hz", AFrame->ch_layout.nb_channels,
                 AFrame->sample_rate, FDesireAudioChannels, FDesireAudioSampleRate));
  return true;
}

// Converts AInputSamples (nullptr: what the resampler still holds) onto the block.
bool TFFDecoder::AppendSamples(const uint8_t* const* AInput, int AInputSamples) {
  int BytesPerFrame = FDesireAudioChannels * FF.av_get_bytes_per_sample(FDesireAudioSampleFormat);
  int64_t Capacity = ConvertedCapacity(AInputSamples, FResampleSampleRate, FDesireAudioSampleRate);
  if (Capacity * BytesPerFrame + int64_t(FAudioBlock.size()) > std::numeric_limits<int>::max()) {
    Report(llError, "Buffer sizes too large in DecodeAudio");
    return false;
  }
  size_t Used = FAudioBlock.size();
  try {
    FAudioBlock.resize(Used + size_t(Capacity) * BytesPerFrame);
  } catch (const std::bad_alloc&) {
    Report(llError, "Out of memory in DecodeAudio");
    return false;
  }
  uint8_t* Output = FAudioBlock.data() + Used;
  int Converted = FF.swr_convert(FAudioSwrCtx.get(), &Output, static_cast<int>(Capacity),
                                 const_cast<const uint8_t**>(AInput), AInputSamples);
  // A conversion error gives no samples rather than a negative size.
  if (Converted < 0)
    LogOnly(llError,
            ErrorToText(Format("Error while decoding audio stream #%d", FDesireAudioIndex), Converted));
  FAudioBlock.resize(Used + size_t(std::max(Converted, 0)) * BytesPerFrame);
  return true;
}

// At the end of the stream the resampler gives the samples it held back.
bool TFFDecoder::FlushResampler() { return !FAudioSwrCtx || AppendSamples(nullptr, 0); }

void TFFDecoder::DescribeWaveBlock(const AVPacket* APacket) {
  FWaveInfo.Channels = FDesireAudioChannels;
  FWaveInfo.SampleRate = FDesireAudioSampleRate;
  FWaveInfo.SampleFormat = FDesireAudioSampleFormat;
  FWaveInfo.BytesPerSample = FF.av_get_bytes_per_sample(FDesireAudioSampleFormat);
  FWaveInfo.BytesPerSecond = FWaveInfo.BytesPerSample * FDesireAudioSampleRate * FDesireAudioChannels;
  FWaveInfo.Buffer = FAudioBlock.data();
  FWaveInfo.Size = static_cast<int>(FAudioBlock.size());
  FWaveInfo.StreamIndex = FDesireAudioIndex;
  if (APacket) {
    FWaveInfo.OriginalDTS = APacket->dts;
    FWaveInfo.OriginalPTS = APacket->pts;
    int64_t Time = APacket->dts != AV_NOPTS_VALUE ? APacket->dts : APacket->pts;
    if (Time != AV_NOPTS_VALUE) {
      FWaveInfo.PTS = StreamTimeToMicroseconds(Time, FDesireAudioIndex);
      if (IsLogged(llDebug)) LogOnly(llDebug, Format("decode PTS: %0.3f", FWaveInfo.PTS / 1000000.0));
    }
  }
  FWaveInfo.Ready = true;
  FWaveInfo.Duration = int64_t(1000000 / FWaveInfo.BytesPerSample) * FWaveInfo.Size /
                       (int64_t{FDesireAudioSampleRate} * FDesireAudioChannels);
  if (IsLogged(llDebug))
    LogOnly(llDebug, Format("pkt.st_idx=%d, dts=%d, pts=%d, flags=%d, samples data size=%d",
                            FDesireAudioIndex, FWaveInfo.OriginalDTS, FWaveInfo.OriginalPTS,
                            APacket ? APacket->flags : 0, FWaveInfo.Size));
}

int TFFDecoder::ReadAudio(uint8_t* ABuffer, int ACount, int AStreamIndex) {
  while (FRemainsAudioSize <= 0) {
    if (!DecodeAudio(AStreamIndex)) return -1;
    FRemainsAudioSize = FWaveInfo.Size;
  }
  int Count = std::min(std::max(ACount, 0), FRemainsAudioSize);
  if (ABuffer) {
    std::memcpy(ABuffer, FWaveInfo.Buffer + (FWaveInfo.Size - FRemainsAudioSize), size_t(Count));
    FRemainsAudioSize -= Count;
  }
  return Count;
}
