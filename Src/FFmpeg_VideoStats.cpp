// The video statistics file ("-vstats", "-vstats_file"): one line per encoded picture.

#include <cmath>

#include "Src/FFmpeg.h"

void TCustomFFmpeg::WriteVideoStats(TOutputStream& AStream, int AFrameSize) {
  if (!Fvstats_file) {
    Fvstats_file.reset(std::fopen(Fvstats_filename.c_str(), "w"));
    if (!Fvstats_file) RaiseError("fopen fail: " + Fvstats_filename);
  }
  const AVCodecContext* Encoder = AStream.enc_ctx.get();
  if (Encoder->codec_type != AVMEDIA_TYPE_VIDEO) return;
  const TStreamOutputState& State = *AStream.state;
  FILE* File = Fvstats_file.get();
  std::fprintf(File, "frame= %5d q= %2.1f ", static_cast<int>(State.frame_number),
               State.quality / static_cast<double>(FF_QP2LAMBDA));
  if (Encoder->flags & AV_CODEC_FLAG_PSNR)
    std::fprintf(File, "PSNR= %6.2f ",
                 -10.0 * std::log10(State.error[0] / (Encoder->width * Encoder->height * 255.0 * 255.0)));
  std::fprintf(File, "f_size= %6d ", AFrameSize);
  const double Time = std::max(State.sync_opts * av_q2d(Encoder->time_base), 0.01);
  const double BitRate = AFrameSize * 8 / av_q2d(Encoder->time_base) / 1000.0;
  const double AverageBitRate = Fvideo_size * 8 / Time / 1000.0;
  std::fprintf(File, "s_size= %8.0fkB time= %0.3f br= %7.1fkbits/s avg_br= %7.1fkbits/s ",
               Fvideo_size / 1024.0, Time, BitRate, AverageBitRate);
  std::fprintf(File, "type= %c\n", FF.av_get_picture_type_char(State.pict_type));
}
