// One input packet on its way: decoded towards the encoding outputs, copied to the
// copying ones; the input stream's clock follows the data.

#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"

int TCustomFFmpeg::ProcessPacket(TInputStream& AInput, const AVPacket* APacket) {
  if (AInput.next_pts == AV_NOPTS_VALUE) AInput.next_pts = AInput.pts;
  const AVMediaType Type = AInput.st->codecpar->codec_type;
  if (APacket && APacket->dts != AV_NOPTS_VALUE && (Type != AVMEDIA_TYPE_VIDEO || !AInput.decoding_needed))
    AInput.pts = AInput.next_pts = FF.av_rescale_q(APacket->dts, AInput.st->time_base, AV_TIME_BASE_Q);

  if (AInput.decoding_needed) {
    int Error =
        Type == AVMEDIA_TYPE_SUBTITLE ? DecodeSubtitle(AInput, APacket) : DecodePacket(AInput, APacket);
    if (Error < 0) return Error;
  } else if (APacket) {
    AdvanceCopiedStream(AInput, APacket);
  }

  if (APacket)
    for (const auto& Stream : Foutput_streams)
      if (Stream->stream_copy && CheckOutputLimits(AInput, *Stream)) CopyPacket(AInput, *Stream, APacket);
  return 0;
}

// Audio and video: the packet into the decoder (nullptr drains it), every frame it gives
// to its path.
int TCustomFFmpeg::DecodePacket(TInputStream& AInput, const AVPacket* APacket) {
  AVCodecContext* Decoder = AInput.dec_ctx.get();
  AVFrame* Frame = AInput.decoded_frame.get();
  for (;;) {
    int Sent = FF.avcodec_send_packet(Decoder, APacket);
    if (Sent == AVERROR_EOF) Sent = 0;  // drained before
    if (Sent < 0 && Sent != AVERROR(EAGAIN)) return Sent;
    for (;;) {
      int Error = FF.avcodec_receive_frame(Decoder, Frame);
      if (Error == AVERROR(EAGAIN)) break;
      if (Error == AVERROR_EOF) {
        if (AInput.deinterlacer) {
          AInput.deinterlacer->SendFrame(nullptr);
          while (AInput.deinterlacer->ReceiveFrame(Frame) >= 0) {
            FeedVideoOutputs(AInput, Frame);
            FF.av_frame_unref(Frame);
          }
        }
        AInput.decoder_flushed = 1;
        return 0;
      }
      if (Error < 0) return Error;
      AInput.pts = AInput.next_pts;
      Error = AInput.st->codecpar->codec_type == AVMEDIA_TYPE_AUDIO ? DecodeAudio(AInput, Frame)
                                                                    : DecodeVideo(AInput, Frame);
      FF.av_frame_unref(Frame);
      if (Error < 0) return Error;
    }
    // A decoder that was full has taken its frames out now and gets the packet again.
    if (Sent != AVERROR(EAGAIN)) return 0;
  }
}

// A copied stream's clock advances by the packet's duration.
void TCustomFFmpeg::AdvanceCopiedStream(TInputStream& AInput, const AVPacket* APacket) {
  EmulateRate(AInput);
  AInput.pts = AInput.next_pts;
  const AVCodecParameters* Parameters = AInput.st->codecpar;
  int64_t Duration = 0;
  if (Parameters->codec_type == AVMEDIA_TYPE_AUDIO && Parameters->sample_rate > 0) {
    int Samples = Parameters->frame_size;
    if (Samples <= 0)
      Samples = FF.av_get_audio_frame_duration2(const_cast<AVCodecParameters*>(Parameters), APacket->size);
    Duration = static_cast<int64_t>(AV_TIME_BASE) * Samples / Parameters->sample_rate;
  } else if (Parameters->codec_type == AVMEDIA_TYPE_VIDEO) {
    Duration = APacket->duration ? FF.av_rescale_q(APacket->duration, AInput.st->time_base, AV_TIME_BASE_Q)
                                 : FrameDurationFromRate(AInput.st->r_frame_rate);
  }
  AInput.next_pts += Duration;
}

bool TCustomFFmpeg::TakesInput(const TOutputStream& AStream, const TInputStream& AInput) const {
  return AStream.source_index >= 0 && Finput_streams[AStream.source_index].get() == &AInput;
}

// Whether the data being processed goes to AStream: it must take this input, and the
// data must lie within the output's start and recording time. An encoding output takes
// nothing before its start, also after a seek of the input, which lands on an earlier
// key frame; a copy keeps those packets unless the output has a start of its own.
bool TCustomFFmpeg::CheckOutputLimits(const TInputStream& AInput, TOutputStream& AStream) {
  if (!TakesInput(AStream, AInput)) return false;
  const TOutputFile& Output = *Foutput_files[AStream.file_index];
  if ((Output.start_time || AStream.encoding_needed) && AInput.pts < Output.start_time) return false;
  if (Output.recording_time != INT64_MAX && AInput.pts >= Output.start_time + Output.recording_time) {
    AStream.is_past_recording_time = 1;
    return false;
  }
  return true;
}

void TCustomFFmpeg::CopyPacket(TInputStream& AInput, TOutputStream& AStream, const AVPacket* APacket) {
  TStreamOutputState& State = *AStream.state;
  if (!(APacket->flags & AV_PKT_FLAG_KEY) && State.frame_number == 0 && !AStream.copy_initial_nonkeyframes)
    return;
  const AVRational TimeBase = AInput.st->time_base;
  switch (AInput.st->codecpar->codec_type) {
    case AVMEDIA_TYPE_AUDIO:
      Faudio_size += APacket->size;
      break;
    case AVMEDIA_TYPE_VIDEO:
      Fvideo_size += APacket->size;
      State.sync_opts++;
      break;
    default:
      break;
  }
  AVPacket* Packet = FCopyPacket.get();
  if (FF.av_packet_ref(Packet, APacket) < 0) RaiseError(ErrorToText("av_packet_ref", AVERROR(ENOMEM)));
  const int64_t Start =
      FF.av_rescale_q(Foutput_files[AStream.file_index]->start_time, AV_TIME_BASE_Q, TimeBase);
  if (Packet->pts != AV_NOPTS_VALUE) Packet->pts -= Start;
  Packet->dts =
      (Packet->dts != AV_NOPTS_VALUE ? Packet->dts : FF.av_rescale_q(AInput.pts, AV_TIME_BASE_Q, TimeBase)) -
      Start;
  WriteOutputPacket(AStream, Packet, TimeBase);
  State.frame_number++;
}

void TCustomFFmpeg::EmulateRate(const TInputStream& AInput) {
  if (!Finput_files[AInput.file_index]->rate_emu) return;
  const int64_t Now = MonotonicMicroseconds() - AInput.start;
  if (Now + 1000 < AInput.pts) SleepMs(static_cast<uint32_t>((AInput.pts - Now) / 1000));
}
