// The set-up of a stream copy: the output stream takes the input's codec parameters.

#include <climits>
#include <cstring>

#include "Src/FFmpeg.h"

namespace {

bool HasVariableFrameRate(const AVOutputFormat* AFormat) { return AFormat->flags & AVFMT_VARIABLE_FPS; }

bool IsMovFamily(const char* AName) {
  for (const char* Name : {"mov", "mp4", "3gp", "3g2", "psp", "ipod"})
    if (std::strcmp(AName, Name) == 0) return true;
  return false;
}

}  // namespace

int TCustomFFmpeg::PrepareStreamCopy(TOutputStream& AStream, const TInputStream& AInput) {
  const AVCodecParameters* Source = AInput.st->codecpar;
  AVCodecParameters* Target = AStream.st->codecpar;
  const AVOutputFormat* Format = Foutput_files[AStream.file_index]->ctx->oformat;
  if (static_cast<int64_t>(Source->extradata_size) + AV_INPUT_BUFFER_PADDING_SIZE > INT_MAX) {
    FLastErrMsg = "icodec.extradata_size is invalid (too large)";
    return AVERROR(EINVAL);
  }

  // The input's tag is kept where the output format has no tag table, or where its table
  // agrees with it or knows no tag of its own for the codec.
  unsigned Tag = AStream.enc_ctx->codec_tag;
  if (!Tag &&
      (!Format->codec_tag || FF.av_codec_get_id(Format->codec_tag, Source->codec_tag) == Source->codec_id ||
       !FF.av_codec_get_tag(Format->codec_tag, Source->codec_id)))
    Tag = Source->codec_tag;
  int Error = FF.avcodec_parameters_copy(Target, Source);
  if (Error < 0) {
    FLastErrMsg = "av_mallocz() failed";
    return Error;
  }
  Target->codec_tag = Tag;

  // The time base: the input stream's, unless a muxer without variable frame rates does
  // better with the frame rate's (for "avi" at twice the frame rate).
  AVRational TimeBase = AInput.st->time_base;
  AVRational FrameRate = AInput.st->r_frame_rate;
  if (FrameRate.num > 0 && FrameRate.den > 0) {
    AVRational FrameTime = av_inv_q(FrameRate);
    if (std::strcmp(Format->name, "avi") == 0) {
      if ((Fcopy_tb < 0 && av_q2d(FrameTime) > 2 * av_q2d(TimeBase) && av_q2d(TimeBase) < 1.0 / 500) ||
          Fcopy_tb == 0)
        TimeBase = {FrameTime.num, FrameTime.den * 2};
    } else if (!HasVariableFrameRate(Format) && !IsMovFamily(Format->name)) {
      if ((Fcopy_tb < 0 && av_q2d(FrameTime) > av_q2d(TimeBase) && av_q2d(TimeBase) < 1.0 / 500) ||
          Fcopy_tb == 0)
        TimeBase = FrameTime;
    }
  }
  FF.av_reduce(&TimeBase.num, &TimeBase.den, TimeBase.num, TimeBase.den, INT_MAX);
  AStream.st->time_base = TimeBase;

  switch (Source->codec_type) {
    case AVMEDIA_TYPE_VIDEO:
      if (String Conflict = CopyConflictWithHooks(AVMEDIA_TYPE_VIDEO); !Conflict.empty()) {
        FLastErrMsg = Conflict;
        return AVERROR(EINVAL);
      }
      if (!AStream.st->sample_aspect_ratio.num) {
        AVRational Aspect = AInput.st->sample_aspect_ratio.num ? AInput.st->sample_aspect_ratio
                            : Source->sample_aspect_ratio.num  ? Source->sample_aspect_ratio
                                                               : AVRational{0, 1};
        AStream.st->sample_aspect_ratio = Target->sample_aspect_ratio = Aspect;
      }
      AStream.st->avg_frame_rate = AInput.st->avg_frame_rate;
      AStream.st->r_frame_rate = AInput.st->r_frame_rate;
      return 0;
    case AVMEDIA_TYPE_AUDIO:
      if (Faudio_volume != 256) {
        FLastErrMsg = "-acodec copy and -vol are incompatible (frames are not decoded)";
        return AVERROR(EINVAL);
      }
      if (String Conflict = CopyConflictWithHooks(AVMEDIA_TYPE_AUDIO); !Conflict.empty()) {
        FLastErrMsg = Conflict;
        return AVERROR(EINVAL);
      }
      return 0;
    case AVMEDIA_TYPE_SUBTITLE:
    case AVMEDIA_TYPE_DATA:
    case AVMEDIA_TYPE_ATTACHMENT:
      return 0;
    default:
      FLastErrMsg = "invalid codec_type of output stream";
      return -1;
  }
}

// A join segment's packets go into the first segment's stream unchanged, so they must be
// of the same codec with the same parameters.
int TCustomFFmpeg::CheckJoinedCopy(const TOutputStream& AStream, const TInputStream& AInput) {
  const TOutputStream* Lead = nullptr;
  for (size_t I = 0; I < static_cast<size_t>(Fnb_output_streams_join); I++)
    if (Foutput_streams[I]->st == AStream.st) Lead = Foutput_streams[I].get();
  const AVCodecParameters* A = Finput_streams[Lead->source_index]->st->codecpar;
  const AVCodecParameters* B = AInput.st->codecpar;
  bool Same = A->codec_id == B->codec_id && A->extradata_size == B->extradata_size &&
              (A->extradata_size == 0 || std::memcmp(A->extradata, B->extradata, A->extradata_size) == 0);
  if (A->codec_type == AVMEDIA_TYPE_VIDEO)
    Same = Same && A->width == B->width && A->height == B->height && A->format == B->format;
  if (A->codec_type == AVMEDIA_TYPE_AUDIO)
    Same = Same && A->sample_rate == B->sample_rate && A->format == B->format &&
           FF.av_channel_layout_compare(&A->ch_layout, &B->ch_layout) == 0;
  if (Same) return 0;
  FLastErrMsg = Format(
      "Input file #%d cannot be joined by stream copy: its %s stream differs from the first input's (codec, "
      "size "
      "or format)",
      AInput.file_index, LowerCase(MediaTypeName(B->codec_type)));
  return AVERROR(EINVAL);
}
