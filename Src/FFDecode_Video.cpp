// Decoding the next picture of the chosen video stream.

#include "Src/FFDecode.h"
#include "Src/FFDecode_Deinterlace.h"

void TFFDecoder::ResetPicture() {
  if (FPicture.PTS != AV_NOPTS_VALUE) FLastPTS = FPicture.PTS;
  if (FPictureFrame) FF.av_frame_unref(FPictureFrame.get());
  FPicture = TFrameInfo();
  FPicture.Picture = FPictureFrame.get();
  ResetWaveInfo();
}

bool TFFDecoder::Decode(int AStreamIndex) {
  if (!SelectVideoStream(AStreamIndex)) return false;
  if (FPicture.Ready && IsStillPictureFormat()) return true;  // a still picture decodes once
  if (FEOF && FEOFpkt) {
    Report(llInfo, "stream eof reached.");
    return false;
  }
  if (!OpenVideoCodec()) return false;

  // The decoder gives what it holds before it is fed; after the input has ended it
  // is drained picture by picture, so no delayed picture is lost.
  for (;;) {
    int Result = FF.avcodec_receive_frame(FCodec.get(), FDecodedFrame.get());
    if (Result >= 0) return DeliverPicture(FDecodedFrame.get());
    if (Result == AVERROR_EOF) {
      ReportEndOfStream();
      return false;
    }
    // The decoder wants input, or skipped damaged data: either way, read on.
    switch (ReadStreamPacket(FDesireVideoIndex)) {
      case rrPacket:
        FF.avcodec_send_packet(FCodec.get(), FPacket.get());
        FF.av_packet_unref(FPacket.get());
        break;
      case rrEnd:
        FF.avcodec_send_packet(FCodec.get(), nullptr);
        break;
      case rrFailed:
        return false;
    }
  }
}

bool TFFDecoder::DeliverPicture(AVFrame* AFrame) {
  if (IsLogged(llDebug))
    LogOnly(llDebug, Format("pkt.st_idx=%d, dts=%d, pts=%d, flags=%d, pict_type=%d(%s)", FDesireVideoIndex,
                            AFrame->pkt_dts, AFrame->pts, AFrame->flags, AFrame->pict_type,
                            PictureTypeName(AFrame->pict_type)));
  AVFrame* Picture = FDeinterlace ? DeinterlacePicture(AFrame) : AFrame;
  StorePicture(AFrame, Picture);
  FF.av_frame_unref(AFrame);
  return true;
}

// The deinterlaced copy, or the frame itself when deinterlacing fails (which then
// stays switched off).
AVFrame* TFFDecoder::DeinterlacePicture(AVFrame* AFrame) {
  if (!FDeinterlacer) FDeinterlacer = std::make_unique<TDeinterlacer>();
  AVFrame* Result = FDeinterlacer->Run(AFrame);
  if (Result) return Result;
  LogOnly(llError, "deinterlacing failed.");
  FDeinterlace = false;
  return AFrame;
}

// AFrame is the decoder's frame with its times; APicture the picture to keep (the
// frame itself or its deinterlaced copy).
void TFFDecoder::StorePicture(AVFrame* AFrame, AVFrame* APicture) {
  // FFmpeg's best guess of the picture's presentation time stands in for the time
  // stamps that the decoder of old passed through.
  int64_t Time = AFrame->best_effort_timestamp;
  if (Time == AV_NOPTS_VALUE) Time = AFrame->pkt_dts;
  if (Time == AV_NOPTS_VALUE) Time = AFrame->pts;

  int64_t PreviousPTS = FPicture.PTS;
  int64_t NewPTS = AV_NOPTS_VALUE;
  if (Time != AV_NOPTS_VALUE)
    NewPTS = StreamTimeToMicroseconds(Time, FDesireVideoIndex);
  else if (FEOFpkt && FLastPTS != AV_NOPTS_VALUE && PreviousPTS != AV_NOPTS_VALUE)
    NewPTS = PreviousPTS + (PreviousPTS - FLastPTS);  // a drained picture follows at the same pace
  if (PreviousPTS != AV_NOPTS_VALUE) FLastPTS = PreviousPTS;

  FF.av_frame_unref(FPicture.Picture);
  FF.av_frame_ref(FPicture.Picture, APicture);
  FPicture.PixFmt = APicture->format;
  FPicture.Width = APicture->width;
  FPicture.Height = APicture->height;
  FPicture.IsKeyFrame = AFrame->key_frame != 0;
  FPicture.PictureType = AFrame->pict_type;
  FPicture.PTS = NewPTS;
  FPicture.OriginalDTS = AFrame->pkt_dts;
  FPicture.OriginalPTS = AFrame->pts;
  FPicture.StreamIndex = FDesireVideoIndex;
  FPicture.Position = AFrame->pkt_pos;
  FPicture.Ready = true;
  if (NewPTS != AV_NOPTS_VALUE && IsLogged(llDebug))
    LogOnly(llDebug, Format("decode PTS: %0.3f", NewPTS / 1000000.0));
}
