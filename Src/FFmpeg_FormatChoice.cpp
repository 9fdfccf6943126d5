// Choosing the encoder's sample rate, sample format and pixel format among those it
// supports, and the check of experimental codecs.

#include <cstdlib>
#include <vector>

#include "Src/FFmpeg.h"

void TCustomFFmpeg::ChooseSampleRate(TOutputStream& AStream, const AVCodec* ACodec) {
  if (!ACodec || !ACodec->supported_samplerates) return;
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  int Best = 0;
  for (const int* Rate = ACodec->supported_samplerates; *Rate; Rate++)
    if (!Best || std::abs(Encoder->sample_rate - *Rate) < std::abs(Encoder->sample_rate - Best)) Best = *Rate;
  if (Best != Encoder->sample_rate) {
    Log(llWarning, Format("Requested sampling rate unsupported using closest supported (%d)", Best));
    Encoder->sample_rate = Best;
  }
}

void TCustomFFmpeg::ChooseSampleFormat(TOutputStream& AStream, const AVCodec* ACodec) {
  if (!ACodec || !ACodec->sample_fmts) return;
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  for (const AVSampleFormat* Format = ACodec->sample_fmts; *Format != AV_SAMPLE_FMT_NONE; Format++)
    if (*Format == Encoder->sample_fmt) return;
  const AVSampleFormat First = ACodec->sample_fmts[0];
  if ((ACodec->capabilities & AV_CODEC_CAP_LOSSLESS) &&
      FF.av_get_bytes_per_sample(Encoder->sample_fmt) > FF.av_get_bytes_per_sample(First))
    Log(llError, "Conversion will not be lossless.");
  if (const char* Name = FF.av_get_sample_fmt_name(Encoder->sample_fmt))
    Log(llWarning, Format("Incompatible sample format \"%s\" for codec \"%s\", auto-selecting format \"%s\"",
                          Name, ACodec->name, FF.av_get_sample_fmt_name(First)));
  Encoder->sample_fmt = First;
}

void TCustomFFmpeg::ChoosePixelFormat(TOutputStream& AStream, const AVCodec* ACodec) {
  if (!ACodec || !ACodec->pix_fmts) return;
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  std::vector<AVPixelFormat> Candidates;
  if (Encoder->strict_std_compliance <= FF_COMPLIANCE_UNOFFICIAL && ACodec->id == AV_CODEC_ID_MJPEG)
    Candidates = {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUV420P, AV_PIX_FMT_YUV422P};
  else if (Encoder->strict_std_compliance <= FF_COMPLIANCE_UNOFFICIAL && ACodec->id == AV_CODEC_ID_LJPEG)
    Candidates = {AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUV420P,
                  AV_PIX_FMT_YUV422P,  AV_PIX_FMT_YUV444P,  AV_PIX_FMT_BGRA};
  else
    for (const AVPixelFormat* Format = ACodec->pix_fmts; *Format != AV_PIX_FMT_NONE; Format++)
      Candidates.push_back(*Format);
  for (AVPixelFormat Format : Candidates)
    if (Format == Encoder->pix_fmt) return;

  Candidates.push_back(AV_PIX_FMT_NONE);
  const AVPixFmtDescriptor* Asked = FF.av_pix_fmt_desc_get(Encoder->pix_fmt);
  const int HasAlpha = Asked && Asked->nb_components % 2 == 0;
  AVPixelFormat Best =
      FF.avcodec_find_best_pix_fmt_of_list(Candidates.data(), Encoder->pix_fmt, HasAlpha, nullptr);
  if (Encoder->pix_fmt != AV_PIX_FMT_NONE)
    Log(llWarning,
        Format("Incompatible pixel format \"%s\" for codec \"%s\", auto-selecting format \"%s\"",
               FF.av_get_pix_fmt_name(Encoder->pix_fmt), ACodec->name, FF.av_get_pix_fmt_name(Best)));
  Encoder->pix_fmt = Best;
}

void TCustomFFmpeg::CheckExperimentalCodec(const AVCodecContext* AContext, bool AEncoder) {
  const AVCodec* Codec = AContext->codec;
  if (!Codec || !(Codec->capabilities & AV_CODEC_CAP_EXPERIMENTAL) ||
      AContext->strict_std_compliance <= FF_COMPLIANCE_EXPERIMENTAL)
    return;
  const char* Kind = AEncoder ? "encoder" : "decoder";
  String Text = Format(
      "%s \"%s\" is experimental and might produce bad results.\r\nAdd \"-strict experimental\" if you want "
      "to use "
      "it.",
      Kind, Codec->name);
  const AVCodec* Default = AEncoder ? FF.avcodec_find_encoder(Codec->id) : FF.avcodec_find_decoder(Codec->id);
  if (Default && !(Default->capabilities & AV_CODEC_CAP_EXPERIMENTAL))
    Text += Format("\r\nOr use the non experimental %s \"%s\"", Kind, Default->name);
  RaiseError(Text);
}
