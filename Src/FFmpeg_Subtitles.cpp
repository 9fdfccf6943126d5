// The subtitle path: decoded subtitles encoded anew for each output that takes them.

#include <algorithm>
#include <cstring>

#include "Src/FFmpeg.h"
#include "platform/base/ScopeExit.h"

int TCustomFFmpeg::DecodeSubtitle(TInputStream& AInput, const AVPacket* APacket) {
  // Subtitle decoders hold nothing back: the end needs no drain.
  if (!APacket) {
    AInput.decoder_flushed = 1;
    return 0;
  }
  AVSubtitle Subtitle{};
  int Got = 0;
  int Error =
      FF.avcodec_decode_subtitle2(AInput.dec_ctx.get(), &Subtitle, &Got, const_cast<AVPacket*>(APacket));
  if (Error < 0 || !Got) return Error;
  ScopeExit FreeSubtitle([&Subtitle] { FF.avsubtitle_free(&Subtitle); });
  EmulateRate(AInput);
  for (const auto& Stream : Foutput_streams)
    if (Stream->encoding_needed && CheckOutputLimits(AInput, *Stream))
      EncodeSubtitle(*Stream, APacket->pts, Subtitle, AInput);
  return 0;
}

void TCustomFFmpeg::EncodeSubtitle(TOutputStream& AStream, int64_t APts, const AVSubtitle& ADecoded,
                                   const TInputStream& AInput) {
  if (APts == AV_NOPTS_VALUE) {
    if (Fexit_on_error) RaiseError("Subtitle packets must have a pts");
    Log(llError, "Subtitle packets must have a pts");
    return;
  }
  AVCodecContext* Encoder = AStream.enc_ctx.get();
  if (Fsubtitle_out.empty()) Fsubtitle_out.resize(1024 * 1024);
  // DVB subtitles are shown by one packet and cleared by a second one.
  const bool Dvb = Encoder->codec_id == AV_CODEC_ID_DVB_SUBTITLE;
  const int64_t Start = FF.av_rescale_q(APts, AInput.st->time_base, AV_TIME_BASE_Q) -
                        Foutput_files[AStream.file_index]->start_time;
  // Each output times its own copy: the display times are moved into the packet time
  // here, and the next output of the same subtitle needs them as decoded. The copy
  // shares the decoded pictures, which the encoder only reads.
  AVSubtitle Subtitle = ADecoded;
  const int64_t Time = Start + static_cast<int64_t>(Subtitle.start_display_time) * 1000;
  Subtitle.end_display_time -= Subtitle.start_display_time;
  Subtitle.start_display_time = 0;
  const unsigned Rects = Subtitle.num_rects;
  for (int I = 0; I < (Dvb ? 2 : 1); I++) {
    if (I == 1) Subtitle.num_rects = 0;
    const int Size = FF.avcodec_encode_subtitle(Encoder, Fsubtitle_out.data(),
                                                static_cast<int>(Fsubtitle_out.size()), &Subtitle);
    Subtitle.num_rects = Rects;
    if (Size < 0) RaiseError("Subtitle encoding failed");
    AVPacket* Packet = FEncodedPacket.get();
    if (FF.av_new_packet(Packet, Size) < 0) RaiseError(ErrorToText("av_new_packet", AVERROR(ENOMEM)));
    std::memcpy(Packet->data, Fsubtitle_out.data(), Size);
    const uint32_t Shown = !Dvb ? 0 : I == 0 ? Subtitle.start_display_time : Subtitle.end_display_time;
    Packet->pts = Packet->dts = Time + static_cast<int64_t>(Shown) * 1000;
    Packet->duration = static_cast<int64_t>(Subtitle.end_display_time) * 1000;
    Packet->flags |= AV_PKT_FLAG_KEY;
    WriteOutputPacket(AStream, Packet, AV_TIME_BASE_Q);
  }
}
