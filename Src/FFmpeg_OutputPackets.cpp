// Encoding frames into packets and writing packets: the encoders, the bitstream filters
// and the muxer, and the drain of encoders and filter chains at the end.

#include <algorithm>

#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"

namespace {

uint64_t ReadLittleEndian(const uint8_t* AData, int ABytes) {
  uint64_t Value = 0;
  for (int I = ABytes - 1; I >= 0; I--) Value = (Value << 8) | AData[I];
  return Value;
}

}  // namespace

int TCustomFFmpeg::EncodeFrame(TOutputStream& AStream, const AVFrame* AFrame, const char* AFailure) {
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  TStreamOutputState& State = *AStream.state;
  int Error = FF.avcodec_send_frame(Encoder, AFrame);
  if (Error < 0 && !(Error == AVERROR_EOF && !AFrame)) RaiseError(AFailure);

  AVPacket* Packet = FEncodedPacket.get();
  int Bytes = 0;
  for (;;) {
    Error = FF.avcodec_receive_packet(Encoder, Packet);
    if (Error == AVERROR(EAGAIN) || Error == AVERROR_EOF) break;
    if (Error < 0) RaiseError(AFailure);

    // What the encoder says of the frame: its quality, picture type and errors.
    size_t Size = 0;
    const uint8_t* Stats = FF.av_packet_get_side_data(Packet, AV_PKT_DATA_QUALITY_STATS, &Size);
    State.has_coded_frame = true;
    if (Stats && Size >= 6) {
      State.quality = static_cast<int>(ReadLittleEndian(Stats, 4));
      State.pict_type = static_cast<AVPictureType>(Stats[4]);
      const int Errors = std::min<int>(Stats[5], 4);
      for (int I = 0; I < Errors && Size >= static_cast<size_t>(16 + 8 * I); I++) {
        State.error[I] = ReadLittleEndian(Stats + 8 + 8 * I, 8);
        State.error_sum[I] += State.error[I];
      }
    } else {
      State.pict_type = (Packet->flags & AV_PKT_FLAG_KEY) ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_P;
    }
    Bytes += Packet->size;
    if (Encoder->codec_type == AVMEDIA_TYPE_VIDEO)
      Fvideo_size += Packet->size;
    else
      Faudio_size += Packet->size;
    if (State.logfile && Encoder->stats_out) std::fputs(Encoder->stats_out, State.logfile.get());
    WriteOutputPacket(AStream, Packet, Encoder->time_base);
  }
  return Bytes;
}

void TCustomFFmpeg::WriteOutputPacket(TOutputStream& AStream, AVPacket* APacket, AVRational ATimeBase) {
  if (AStream.bitstream_filters.empty())
    MuxPacket(AStream, APacket, ATimeBase);
  else
    PassBitstreamFilters(AStream, APacket, 0, ATimeBase);
}

void TCustomFFmpeg::PassBitstreamFilters(TOutputStream& AStream, AVPacket* APacket, size_t AFilter,
                                         AVRational ATimeBase) {
  if (AFilter == AStream.bitstream_filters.size()) {
    MuxPacket(AStream, APacket, ATimeBase);
    return;
  }
  AVBSFContext* Filter = AStream.bitstream_filters[AFilter].get();
  auto Failed = [&](int AError) {
    String Text =
        ErrorToText(Format("%s failed for stream %d, codec %s", Filter->filter->name, AStream.st->index,
                           AStream.stream_copy ? "copy" : AStream.enc_ctx->codec->name),
                    AError);
    if (Fexit_on_error) RaiseError(Text);
    Log(llError, Text);
  };
  int Error = FF.av_bsf_send_packet(Filter, APacket);
  if (Error < 0) {
    FF.av_packet_unref(APacket);
    Failed(Error);
    return;
  }
  while ((Error = FF.av_bsf_receive_packet(Filter, APacket)) >= 0)
    PassBitstreamFilters(AStream, APacket, AFilter + 1, Filter->time_base_out);
  if (Error != AVERROR(EAGAIN) && Error != AVERROR_EOF) Failed(Error);
}

// The packet (in ATimeBase) into the muxer, which takes it.
void TCustomFFmpeg::MuxPacket(TOutputStream& AStream, AVPacket* APacket, AVRational ATimeBase) {
  TStreamOutputState& State = *AStream.state;
  APacket->stream_index = AStream.st->index;
  FF.av_packet_rescale_ts(APacket, ATimeBase, AStream.st->time_base);
  // A copy keeps its decoding times strictly rising, as muxers demand.
  if (AStream.stream_copy && APacket->dts != AV_NOPTS_VALUE) {
    if (State.last_dts != AV_NOPTS_VALUE && State.last_dts >= APacket->dts) APacket->dts = State.last_dts + 1;
    if (APacket->pts != AV_NOPTS_VALUE && APacket->pts < APacket->dts) APacket->pts = APacket->dts;
    State.last_dts = APacket->dts;
  }
  const int64_t Start = APacket->pts != AV_NOPTS_VALUE ? APacket->pts : APacket->dts;
  if (Start != AV_NOPTS_VALUE) {
    const int64_t End = FF.av_rescale_q(Start + APacket->duration, AStream.st->time_base, AV_TIME_BASE_Q);
    if (State.end_time == AV_NOPTS_VALUE || End > State.end_time) State.end_time = End;
  }
  FLastWrite = MonotonicMicroseconds();
  int Error = FF.av_interleaved_write_frame(Foutput_files[AStream.file_index]->ctx, APacket);
  if (Error < 0) RaiseError(ErrorToText("av_interleaved_write_frame()", Error));
}

// Every encoder gives what it still holds; each shared encoder once.
void TCustomFFmpeg::FlushEncoders(size_t ACount) {
  for (size_t I = 0; I < ACount; I++) {
    TOutputStream& Stream = *Foutput_streams[I];
    if (!Stream.encoding_needed || Stream.state->encoder_flushed) continue;
    Stream.state->encoder_flushed = 1;
    switch (Stream.enc_ctx->codec_type) {
      case AVMEDIA_TYPE_AUDIO:
        EncodeAudioFifo(Stream, true);
        EncodeFrame(Stream, nullptr, "Audio encoding failed");
        break;
      case AVMEDIA_TYPE_VIDEO:
        EncodeFrame(Stream, nullptr, "Video encoding failed");
        break;
      default:
        break;
    }
  }
}

// The end of input for the video filter chains of records AFirst to AFirst + ACount - 1:
// what they still hold is encoded.
void TCustomFFmpeg::FlushFilterChains(size_t AFirst, size_t ACount) {
  for (size_t I = AFirst; I < AFirst + ACount && I < Foutput_streams.size(); I++) {
    TOutputStream& Stream = *Foutput_streams[I];
    if (Stream.encoding_needed && Stream.filter && Stream.filter->Configured())
      DrainVideoFilter(Stream, *Finput_streams[Stream.source_index]);
  }
}
