// The progress report: the converter's status line and the task's progress event.

#include <cmath>

#include "Src/FFmpeg.h"

namespace {

double Psnr(double AError) { return -10.0 * std::log10(AError); }

}  // namespace

void TCustomFFmpeg::ReportProgress(int64_t ANow, int64_t ATimerStart, bool AIsLast, int AFileIndex) {
  if (!Fprint_stats && !AIsLast && !FOnProgress) return;
  AVIOContext* IO = Foutput_files[0]->ctx->pb;
  int64_t TotalSize = 0;
  if (IO) {
    TotalSize = FF.avio_size(IO);
    if (TotalSize <= 0) TotalSize = FF.avio_seek(IO, 0, SEEK_CUR);
    if (TotalSize < 0) TotalSize = 0;
  }

  // In join mode only the segment being read counts (the last one at the end).
  size_t First = 0, Count = Foutput_streams.size();
  if (FJoinMode) {
    const int Segment = AFileIndex >= 0 ? AFileIndex : static_cast<int>(Finput_files.size()) - 1;
    First = static_cast<size_t>(Segment) * Fnb_output_streams_join;
    Count = Fnb_output_streams_join;
  }

  String Text;
  bool VideoReported = false;
  float Quality = -1;
  int FrameNumber = -1, Fps = -1;
  int64_t SmallestTime = INT64_MAX, LastTime = 0;
  for (size_t I = First; I < First + Count; I++) {
    const TOutputStream& Stream = *Foutput_streams[I];
    const TStreamOutputState& State = *Stream.state;
    const AVCodecContext* Encoder = Stream.enc_ctx.get();
    Quality =
        !Stream.stream_copy && State.has_coded_frame ? State.quality / static_cast<float>(FF_QP2LAMBDA) : -1;
    const bool Video = Stream.st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
    if (VideoReported && Video) Text += Format("q=%2.1f ", Quality);
    if (!VideoReported && Video && !Stream.not_show_fps) {
      if (State.frame_number < 1) continue;
      const double Seconds = (ANow - ATimerStart) / 1e6;
      FrameNumber = static_cast<int>(State.frame_number);
      Fps = Seconds > 1 ? static_cast<int>(FrameNumber / Seconds + 0.5) : 0;
      Text += Format("frame=%5d fps=%3d q=%3.1f ", FrameNumber, Fps, Quality);
      if (AIsLast) Text += "L";
      if (Fqp_hist) {
        const int Qp = static_cast<int>(std::lrint(Quality));
        if (Qp >= 0 && Qp < static_cast<int>(Fqp_histogram.size())) Fqp_histogram[Qp]++;
        for (int J = 0; J < 32; J++)
          Text += Format("%X", static_cast<int>(std::lrint(std::log2(Fqp_histogram[J] + 1))));
      }
      if (Encoder->flags & AV_CODEC_FLAG_PSNR) {
        double ErrorSum = 0, ScaleSum = 0;
        Text += "PSNR=";
        for (int J = 0; J < 3; J++) {
          double Error = AIsLast ? State.error_sum[J] : State.error[J];
          double Scale = static_cast<double>(Encoder->width) * Encoder->height * 255.0 * 255.0;
          if (AIsLast) Scale *= State.frame_number;
          if (J) Scale /= 4;
          ErrorSum += Error;
          ScaleSum += Scale;
          Text += Format("%c:%2.2f ", "YUV"[J], Psnr(Error / Scale));
        }
        Text += Format("*:%2.2f ", Psnr(ErrorSum / ScaleSum));
      }
      VideoReported = true;
    }
    if (State.end_time != AV_NOPTS_VALUE) {
      LastTime = State.end_time;
      SmallestTime = std::min(SmallestTime, State.end_time);
    }
  }

  const int64_t Time = SmallestTime == INT64_MAX ? 0 : SmallestTime;
  const float BitRate = Time > 0 ? static_cast<float>(TotalSize * 8 / (Time / 1000.0)) : 0;
  const int64_t Hundredths = Time / 10000;
  Text +=
      Format("size=%8.0fkB time=%02d:%02d:%02d.%02d bitrate=%6.1fkbits/s", TotalSize / 1024.0,
             Hundredths / 360000, Hundredths / 6000 % 60, Hundredths / 100 % 60, Hundredths % 100, BitRate);
  if (Fnb_frames_dup || Fnb_frames_drop) Text += Format(" dup=%d drop=%d", Fnb_frames_dup, Fnb_frames_drop);

  if (FOnProgress) {
    if (FShowDupOrDrop) {
      FShowDupOrDrop = false;
      Log(llInfo, Text);
    }
    FOnProgress(this, AIsLast ? -1 : AFileIndex, FrameNumber, Fps, Quality, BitRate, TotalSize, LastTime,
                FOutputDuration);
  } else if (Fprint_stats) {
    Log(llInfo, Text);
  }

  if (!AIsLast) return;
  const int64_t Payload = Fvideo_size + Faudio_size + Fextra_size;
  // The overhead of an empty output is no number.
  const String Overhead =
      Payload ? Format("%f%%", 100.0 * (TotalSize - Payload) / Payload) : String("unknown");
  Log(llInfo, Format("video:%1.0fkB audio:%1.0fkB global headers:%1.0fkB muxing overhead %s\r\n",
                     Fvideo_size / 1024.0, Faudio_size / 1024.0, Fextra_size / 1024.0, Overhead));
  if (!Payload)
    Log(llWarning, "Output file is empty, nothing was encoded (check -ss / -t / -frames parameters if used)");
}
