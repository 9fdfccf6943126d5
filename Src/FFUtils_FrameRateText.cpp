// The comparison of a video stream's codec frame rate with its container's base rate,
// and the line the decoder, the converter and the player log when they differ.

#include "Src/FFUtils.h"

namespace {

int CodecTicksPerPicture(AVCodecID ACodec) {
  return ACodec == AV_CODEC_ID_H264 || ACodec == AV_CODEC_ID_MPEG2VIDEO ? 2 : 1;
}

}  // namespace

bool CodecFrameRateDiffers(const AVStream* AStream) {
  const AVRational CodecBase = FF.av_stream_get_codec_timebase(AStream);
  const AVRational ContainerRate = AStream->r_frame_rate;
  if (CodecBase.num <= 0 || CodecBase.den <= 0 || ContainerRate.num <= 0 || ContainerRate.den <= 0)
    return false;
  const int64_t Ticks = CodecTicksPerPicture(AStream->codecpar->codec_id);
  return CodecBase.num != ContainerRate.den || CodecBase.den != ContainerRate.num * Ticks;
}

String CodecFrameRateDiffersText(const AVStream* AStream) {
  const AVRational CodecBase = FF.av_stream_get_codec_timebase(AStream);
  const AVRational ContainerRate = AStream->r_frame_rate;
  return Format(
      "Seems stream %d codec frame rate differs from container frame rate: %2.2f (%d/%d) -> "
      "%2.2f (%d/%d)",
      AStream->index, CodecBase.num ? static_cast<double>(CodecBase.den) / CodecBase.num : 0.0, CodecBase.den,
      CodecBase.num, av_q2d(ContainerRate), ContainerRate.num, ContainerRate.den);
}
