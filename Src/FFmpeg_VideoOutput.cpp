// The video path: decoded pictures, the deinterlacing, each output's filter chain, and
// the decision how often a picture is encoded (dropped, once, or duplicated).

#include <algorithm>
#include <cmath>

#include "Src/FFmpeg.h"

namespace {

bool FormatDiffers(const TVideoFormat& AFormat, const AVFrame* AFrame) {
  return AFormat.Width != AFrame->width || AFormat.Height != AFrame->height ||
         AFormat.PixelFormat != AFrame->format;
}

// The format of AFrame as a chain's input: its own size and pixel format, the rest as
// ADefaults has it.
TVideoFormat FormatOfFrame(TVideoFormat ADefaults, const AVFrame* AFrame) {
  ADefaults.Width = AFrame->width;
  ADefaults.Height = AFrame->height;
  ADefaults.PixelFormat = static_cast<AVPixelFormat>(AFrame->format);
  if (AFrame->sample_aspect_ratio.num) ADefaults.SampleAspectRatio = AFrame->sample_aspect_ratio;
  return ADefaults;
}

}  // namespace

int TCustomFFmpeg::DecodeVideo(TInputStream& AInput, AVFrame* AFrame) {
  if (AFrame->best_effort_timestamp != AV_NOPTS_VALUE)
    AInput.pts = AInput.next_pts =
        FF.av_rescale_q(AFrame->best_effort_timestamp, AInput.st->time_base, AV_TIME_BASE_Q);
  AInput.next_pts += AFrame->pkt_duration > 0
                         ? FF.av_rescale_q(AFrame->pkt_duration, AInput.st->time_base, AV_TIME_BASE_Q)
                         : FrameDurationFromRate(FF.av_guess_frame_rate(Finput_files[AInput.file_index]->ctx,
                                                                        AInput.st, nullptr));
  EmulateRate(AInput);
  pre_process_video_frame(AInput, AFrame);
  return 0;
}

// The picture as the outputs see it: numbered, timed in microseconds, deinterlaced when
// asked.
void TCustomFFmpeg::pre_process_video_frame(TInputStream& AInput, AVFrame* AFrame) {
  AInput.frame_number++;
  AFrame->pts = AInput.pts;
  TVideoFilterChain* Deinterlacer = AInput.deinterlacer.get();
  if (!Deinterlacer) {
    FeedVideoOutputs(AInput, AFrame);
    return;
  }
  AVFrame* Deinterlaced = FDeinterlacedFrame.get();
  if (FormatDiffers(Deinterlacer->InputFormat(), AFrame)) {
    Deinterlacer->SendFrame(nullptr);
    while (Deinterlacer->ReceiveFrame(Deinterlaced) >= 0) {
      FeedVideoOutputs(AInput, Deinterlaced);
      FF.av_frame_unref(Deinterlaced);
    }
    String Error;
    if (Deinterlacer->Configure("yadif=mode=send_frame:parity=auto:deint=all",
                                FormatOfFrame(Deinterlacer->InputFormat(), AFrame), {}, SWS_BICUBIC,
                                Error) < 0) {
      Log(llWarning, "Deinterlacing failed.");
      AInput.deinterlacer.reset();
      FeedVideoOutputs(AInput, AFrame);
      return;
    }
  }
  if (Deinterlacer->SendFrame(AFrame) < 0) {
    Log(llWarning, "Deinterlacing failed.");
    FeedVideoOutputs(AInput, AFrame);
    return;
  }
  while (Deinterlacer->ReceiveFrame(Deinterlaced) >= 0) {
    FeedVideoOutputs(AInput, Deinterlaced);
    FF.av_frame_unref(Deinterlaced);
  }
}

// The picture into the filter chain of every output that encodes from this input, and
// what the chains give into the encoders.
void TCustomFFmpeg::FeedVideoOutputs(TInputStream& AInput, AVFrame* AFrame) {
  AFrame = RunInputHooks(AInput, AFrame);
  if (!AFrame->sample_aspect_ratio.num) AFrame->sample_aspect_ratio = AInput.st->sample_aspect_ratio;
  AVFrame* Filtered = FFilteredFrame.get();
  for (const auto& Record : Foutput_streams) {
    TOutputStream& Stream = *Record;
    if (!Stream.encoding_needed || !CheckOutputLimits(AInput, Stream)) continue;
    TVideoFilterChain& Chain = *Stream.filter;
    if (FormatDiffers(Chain.InputFormat(), AFrame)) {
      // The pictures changed on the way: the chain is built anew for them, and brings
      // them to the encoder's size.
      DrainVideoFilter(Stream, AInput);
      FLastErrMsg.clear();
      int Error = ConfigureVideoGraph(Stream, FormatOfFrame(Chain.InputFormat(), AFrame), true);
      if (Error < 0)
        RaiseError(FLastErrMsg.empty() ? ErrorToText("Error opening filters", Error)
                                       : "Error opening filters: " + FLastErrMsg);
    }
    if (Chain.SendFrame(AFrame) < 0) RaiseError("Failed to inject frame into filter network");
    while (Chain.ReceiveFrame(Filtered) >= 0) {
      EncodeVideoFrame(Stream, Filtered, AInput);
      FF.av_frame_unref(Filtered);
    }
  }
}

void TCustomFFmpeg::DrainVideoFilter(TOutputStream& AStream, const TInputStream& AInput) {
  AVFrame* Filtered = FFilteredFrame.get();
  AStream.filter->SendFrame(nullptr);
  while (AStream.filter->ReceiveFrame(Filtered) >= 0) {
    EncodeVideoFrame(AStream, Filtered, AInput);
    FF.av_frame_unref(Filtered);
  }
}

void TCustomFFmpeg::EncodeVideoFrame(TOutputStream& AStream, AVFrame* AFrame, const TInputStream& AInput) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  TStreamOutputState& State = *AStream.state;
  const TOutputFile& Output = *Foutput_files[AStream.file_index];
  const double EncoderTick = av_q2d(Encoder->time_base);

  // A picture's duration in encoder ticks, from the input's frame rate.
  const AVRational InputRate =
      FF.av_guess_frame_rate(Finput_files[AInput.file_index]->ctx, AInput.st, nullptr);
  const double Duration = InputRate.num && InputRate.den ? av_q2d(av_inv_q(InputRate)) / EncoderTick : 0;
  const int64_t Time =
      AFrame->pts != AV_NOPTS_VALUE
          ? FF.av_rescale_q(AFrame->pts, AStream.filter->OutputFormat().TimeBase, AV_TIME_BASE_Q)
          : Finput_streams[AStream.sync_ist >= 0 ? AStream.sync_ist : AStream.source_index]->pts;
  const double SyncIpts = static_cast<double>(Time - Output.start_time) / AV_TIME_BASE / EncoderTick;

  int Method = Fvideo_sync_method;
  if (Method < 0) {
    const int Flags = Output.ctx->oformat->flags;
    Method = !(Flags & AVFMT_VARIABLE_FPS) ? 1 : (Flags & AVFMT_NOTIMESTAMPS) ? 0 : 2;
  }
  int64_t Copies = 1;
  if (Method) {
    const double Delta = SyncIpts - State.sync_opts + Duration;
    if (Delta < -1.1)
      Copies = 0;
    else if (Method == 2) {
      if (Delta <= -0.6)
        Copies = 0;
      else if (Delta > 0.6)
        State.sync_opts = std::llround(SyncIpts);
    } else if (Delta > 1.1) {
      Copies = std::llround(Delta);
    }
    if (Copies == 0) {
      Fnb_frames_drop++;
      FShowDupOrDrop = true;
      Log(llVerbose, "*** drop!");
    } else if (Copies > 1) {
      Fnb_frames_dup += static_cast<int>(Copies - 1);
      FShowDupOrDrop = true;
      Log(llVerbose, Format("*** %d dup!", Copies - 1));
    }
  } else {
    State.sync_opts = std::llround(SyncIpts);
  }
  Copies = std::min(Copies, AStream.max_frames - State.frame_number);

  // A stop ends the duplication after the current copy; the picture itself is encoded,
  // so the pictures drained at the end of a stopped run still reach the file.
  for (int64_t I = 0; I < Copies && (I == 0 || !FBroken); I++) {
    if (Encoder->flags & (AV_CODEC_FLAG_INTERLACED_DCT | AV_CODEC_FLAG_INTERLACED_ME)) {
      AFrame->interlaced_frame = 1;
      if (AStream.top_field_first != -1) AFrame->top_field_first = AStream.top_field_first != 0;
    }
    AFrame->quality = Encoder->global_quality;
    AFrame->pict_type = AV_PICTURE_TYPE_NONE;
    if (State.forced_kf_index < static_cast<int>(AStream.forced_kf_pts.size()) &&
        State.sync_opts >= AStream.forced_kf_pts[State.forced_kf_index]) {
      AFrame->pict_type = AV_PICTURE_TYPE_I;
      State.forced_kf_index++;
    }
    AFrame->pts = State.sync_opts;
    const int Size = EncodeFrame(AStream, RunOutputHooks(AStream, AFrame), "Video encoding failed");
    State.sync_opts++;
    State.frame_number++;
    if (!Fvstats_filename.empty() && Size) WriteVideoStats(AStream, Size);
  }
}
