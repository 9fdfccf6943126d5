// The filter chain of an encoded video stream: the pictures of its input, scaled to the
// encoder's size, through the user's filters, in the encoder's pixel format.

#include "Src/FFmpeg.h"

TVideoFormat TCustomFFmpeg::DecodedVideoFormat(const TInputStream& AInput) const {
  const AVCodecParameters* Parameters = AInput.st->codecpar;
  TVideoFormat Format;
  Format.Width = Parameters->width;
  Format.Height = Parameters->height;
  Format.PixelFormat = static_cast<AVPixelFormat>(Parameters->format);
  Format.SampleAspectRatio =
      AInput.st->sample_aspect_ratio.num ? AInput.st->sample_aspect_ratio : Parameters->sample_aspect_ratio;
  Format.TimeBase = AV_TIME_BASE_Q;  // the pictures carry the input's times in microseconds
  Format.FrameRate = FF.av_guess_frame_rate(Finput_files[AInput.file_index]->ctx, AInput.st, nullptr);
  return Format;
}

int TCustomFFmpeg::ConfigureVideoGraph(TOutputStream& AStream, const TVideoFormat& AFormat, bool AFixedSize) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  auto ScaleToEncoder = [&] {
    return Format("scale=%d:%d:flags=0x%X", Encoder->width, Encoder->height, static_cast<unsigned>(AStream.sws_flags));
  };
  String Text;
  if (Encoder->width != AFormat.Width || Encoder->height != AFormat.Height) Text = ScaleToEncoder();
  if (!AStream.avfilter.empty()) Text += (Text.empty() ? "" : ",") + AStream.avfilter;

  String Error;
  int Result = AStream.filter->Configure(Text, AFormat, {Encoder->pix_fmt}, AStream.sws_flags, Error);
  // Pictures of a later join segment, or pictures whose size changed on the way, are
  // brought to the size of the encoder that is already running.
  const TVideoFormat* Output = &AStream.filter->OutputFormat();
  if (Result >= 0 && AFixedSize && (Output->Width != Encoder->width || Output->Height != Encoder->height))
    Result = AStream.filter->Configure((Text.empty() ? "" : Text + ",") + ScaleToEncoder(), AFormat,
                                       {Encoder->pix_fmt}, AStream.sws_flags, Error);
  if (Result < 0) {
    if (!Error.empty()) FLastErrMsg = Error;
    return Result;
  }
  if (AFixedSize) return 0;

  Encoder->width = Output->Width;
  Encoder->height = Output->Height;
  AVRational Aspect = Output->SampleAspectRatio;
  if (AStream.frame_aspect_ratio)
    Aspect = FF.av_d2q(AStream.frame_aspect_ratio * Encoder->height / Encoder->width, 255);
  Encoder->sample_aspect_ratio = AStream.st->sample_aspect_ratio = Aspect;
  return 0;
}
