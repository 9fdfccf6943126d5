// Seeking, and stepping to the next key frame, the previous key frame and the
// previous picture.

#include "Src/FFDecode.h"

namespace {

int64_t IOPosition(AVFormatContext* AContext) {
  return AContext->pb ? FF.avio_seek(AContext->pb, 0, SEEK_CUR) : -1;
}

}  // namespace

// The demuxer's newer seek when it has one, else the classic one, and that once more
// in the other direction. Seeking reads, so the read time-out guards it too.
bool TFFDecoder::SeekFile(int64_t ATarget, int AStreamIndex, int AFlags) {
  StartReadTimer();
  bool Done = FFileHandle->iformat->read_seek2 &&
              FF.avformat_seek_file(FFileHandle, AStreamIndex, INT64_MIN, ATarget, INT64_MAX, AFlags) >= 0;
  if (!Done) Done = FF.av_seek_frame(FFileHandle, AStreamIndex, ATarget, AFlags) >= 0;
  if (!Done) Done = FF.av_seek_frame(FFileHandle, AStreamIndex, ATarget, AFlags ^ AVSEEK_FLAG_BACKWARD) >= 0;
  StopReadTimer();
  return Done;
}

bool TFFDecoder::Seek(int64_t APTS, const TSeekFlags& ASeekFlags) {
  if (!CheckOwnedFile()) return false;
  if (IsStillPictureFormat()) {
    Report(llInfo, "\"image2\" format cannot to be seeked.");
    return false;
  }
  if (FFileHandle->pb) Report(llDebug, "current position %d bytes", IOPosition(FFileHandle));

  bool ByBytes = ASeekFlags.Contains(sfByte);
  int64_t Target = APTS;
  // Half a frame before zero finds the first picture even when its time stamp is a
  // little above zero.
  bool HasFrameRate = FFrameRate.num != 0 && FFrameRate.den != 0;
  if (APTS == 0 && HasFrameRate && FSeekIndex >= 0 &&
      FFileHandle->streams[FSeekIndex]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO)
    Target = -FrameDuration() / 2;
  if (!ByBytes) {
    int64_t Start = FFileHandle->start_time;
    if (FSeekIndex >= 0) {
      const AVStream* Stream = FFileHandle->streams[FSeekIndex];
      Target = FF.av_rescale_q(Target, AV_TIME_BASE_Q, Stream->time_base);
      Start = Stream->start_time;
    }
    if (Start != AV_NOPTS_VALUE) Target += Start;
  }

  if (FCodec) FF.avcodec_flush_buffers(FCodec.get());
  if (FAudioCodec) FF.avcodec_flush_buffers(FAudioCodec.get());
  // The resampler still holds samples from before the seek; they do not belong after it.
  FAudioSwrCtx.reset();
  FEOF = FEOFpkt = false;
  ResetPicture();
  ResetWaveInfo();

  if (!SeekFile(Target, FSeekIndex, SeekFlagsToAV(ASeekFlags))) {
    if (ByBytes)
      Report(llError, "could not seek to position %d bytes", APTS);
    else
      Report(llError, "could not seek to position %0.3f seconds", APTS / 1000000.0);
    return false;
  }
  if (FFileHandle->pb) Report(llDebug, "seek to position %d bytes", IOPosition(FFileHandle));
  return true;
}

bool TFFDecoder::DecodeNextKeyFrame(int AStreamIndex) {
  if (!SelectVideoStream(AStreamIndex)) return false;
  // Without sfBackward FFmpeg finds the first key frame at or after the target.
  int64_t From = FPicture.PTS == AV_NOPTS_VALUE || FPicture.PTS <= 0 ? 0 : FPicture.PTS;
  if (!Seek(From + FrameDuration(), {})) return false;
  return Decode(AStreamIndex);
}

bool TFFDecoder::DecodePreviousKeyFrame(int AStreamIndex) {
  if (!SelectVideoStream(AStreamIndex)) return false;
  int64_t Reference = FPicture.PTS;
  if (Reference == AV_NOPTS_VALUE) Reference = FLastPTS;
  if (Reference == AV_NOPTS_VALUE) Reference = FFileHandle->duration;
  if (Reference == AV_NOPTS_VALUE) Reference = 0;
  if (DecodePreviousKeyFrameBefore(Reference)) return true;
  FLastErrMsg = "Could not seek to the previous key-frame. " + FLastErrMsg;
  return false;
}

// Seeks back one frame duration further each round until a picture before AReference
// comes out. Once the target lies before the start nothing earlier can come, so the
// search ends there whatever the picture was.
bool TFFDecoder::DecodePreviousKeyFrameBefore(int64_t AReference) {
  const int64_t Step = FrameDuration();
  const int64_t StartPosition = IOPosition(FFileHandle);
  for (int64_t N = 1;; ++N) {
    const bool PastStart = N * Step > AReference;
    int64_t PositionBefore = IOPosition(FFileHandle);
    bool Sought = Seek(AReference - N * Step, {sfBackward});
    int64_t Position = IOPosition(FFileHandle);
    // Landing at or after where we started means the same key frame again: go further
    // back before spending a decode on it.
    if (Sought && Position >= StartPosition && StartPosition > 0 && Position != PositionBefore && !PastStart)
      continue;
    if (Sought && Decode(-1)) {
      if (FPicture.PTS < AReference || FPicture.PTS <= 0) return true;
      if (FPicture.PTS == AReference && PastStart) return true;
    } else if (FEOF) {
      return false;
    }
    if (PastStart) return false;
  }
}

bool TFFDecoder::DecodePreviousFrame(int AStreamIndex) {
  if (!SelectVideoStream(AStreamIndex)) return false;
  const int64_t Step = FrameDuration();
  int64_t Reference = FPicture.PTS;
  if (Reference == AV_NOPTS_VALUE) Reference = FLastPTS;
  if (Reference == AV_NOPTS_VALUE) Reference = 0;
  const int64_t Target = Reference - 2 * Step;

  if (!DecodePreviousKeyFrame(AStreamIndex)) return false;
  // Decode forward from the key frame to the picture just before the reference.
  for (;;) {
    if (FPicture.PTS != AV_NOPTS_VALUE && FPicture.PTS > Target) return true;
    if (!Decode(AStreamIndex)) return false;
    if (FPicture.PTS == Reference) return DecodePreviousKeyFrame(AStreamIndex);
  }
}
