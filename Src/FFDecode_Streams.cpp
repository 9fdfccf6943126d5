// What the decoder tells about the open file: counts, names, the container record and
// the record of each stream.

#include "Src/FFDecode.h"
#include "Src/MyUtils.h"

namespace {

// A time base with a zero denominator would divide by zero in every rescaling; it is
// repaired in place as the stream's own value.
void RepairTimeBase(AVStream* AStream) {
  AVRational& TimeBase = AStream->time_base;
  if (TimeBase.den != 0) return;
  TimeBase.den = TimeBase.num != 0 ? TimeBase.num : 1;
}

void FillTimes(AVStream* AStream, int64_t& AStart, int64_t& AStartScaled, int64_t& ADuration,
               int64_t& ADurationScaled) {
  RepairTimeBase(AStream);
  AStart = AStream->start_time;
  ADuration = AStream->duration;
  if (AStart != AV_NOPTS_VALUE) AStartScaled = FF.av_rescale_q(AStart, AStream->time_base, AV_TIME_BASE_Q);
  if (ADuration != AV_NOPTS_VALUE)
    ADurationScaled = FF.av_rescale_q(ADuration, AStream->time_base, AV_TIME_BASE_Q);
}

// What every media stream's description has: language, codec, times, bit rate.
template <typename TInfo>
void FillMediaStreamInfo(AVStream* AStream, TInfo& AInfo) {
  AInfo.Language = GetMetadataValue(AStream->metadata, "language", "");
  AInfo.CodecName = CodecNameText(AStream->codecpar, false);
  FillTimes(AStream, AInfo.StartTime, AInfo.StartTimeScaled, AInfo.Duration, AInfo.DurationScaled);
  AInfo.BitRate = static_cast<int>(AStream->codecpar->bit_rate);
}

// The "creation_time" metadata (ISO 8601) as seconds since 1970; 0 without it.
int64_t CreationTime(const AVDictionary* AMetadata) {
  String Text = GetMetadataValue(AMetadata, "creation_time", "");
  int64_t Microseconds = 0;
  if (Text.empty() || FF.av_parse_time(&Microseconds, Text.c_str(), 0) < 0) return 0;
  return Microseconds / AV_TIME_BASE;
}

}  // namespace

void TCustomDecoder::RefreshFileInfo() {
  FFileSize = -1;
  FStreamCount = FProgramCount = -1;
  FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = -1;
  FFirstAudioStreamIndex = FFirstVideoStreamIndex = FFirstSubtitleStreamIndex = -1;
  if (!FFileHandle) return;

  int64_t ContainerSize = FFileHandle->pb ? FF.avio_size(FFileHandle->pb) : -1;
  if (ContainerSize > 0)
    FFileSize = ContainerSize;
  else if (FFileHandle->url && GetFileSize64(FFileHandle->url) >= 0)
    FFileSize = GetFileSize64(FFileHandle->url);

  FStreamCount = static_cast<int>(FFileHandle->nb_streams);
  FProgramCount = static_cast<int>(FFileHandle->nb_programs);
  FAudioStreamCount = FVideoStreamCount = FSubtitleStreamCount = 0;
  for (int I = 0; I < FStreamCount; ++I) {
    switch (FFileHandle->streams[I]->codecpar->codec_type) {
      case AVMEDIA_TYPE_VIDEO:
        ++FVideoStreamCount;
        if (FFirstVideoStreamIndex < 0) FFirstVideoStreamIndex = I;
        break;
      case AVMEDIA_TYPE_AUDIO:
        ++FAudioStreamCount;
        if (FFirstAudioStreamIndex < 0) FFirstAudioStreamIndex = I;
        break;
      case AVMEDIA_TYPE_SUBTITLE:
        ++FSubtitleStreamCount;
        if (FFirstSubtitleStreamIndex < 0) FFirstSubtitleStreamIndex = I;
        break;
      default:
        break;
    }
  }
}

TFileStreamInfo TCustomDecoder::FileStreamInfo() {
  TFileStreamInfo Info;
  if (!CheckFileLoaded()) return Info;
  const AVDictionary* Metadata = FFileHandle->metadata;
  Info.StartTime = FFileHandle->start_time;
  Info.Duration = FFileHandle->duration == AV_NOPTS_VALUE ? -1 : FFileHandle->duration;
  Info.BitRate = static_cast<int>(FFileHandle->bit_rate);
  Info.TimeStamp = CreationTime(Metadata);
  Info.Year = StrToIntDef(GetMetadataValue(Metadata, "year", ""), 0);
  Info.Track = StrToIntDef(GetMetadataValue(Metadata, "track", ""), 0);
  Info.Title = GetMetadataValue(Metadata, "title", "");
  Info.Author = GetMetadataValue(Metadata, "author", "");
  Info.Copyright = GetMetadataValue(Metadata, "copyright", "");
  Info.Comment = GetMetadataValue(Metadata, "comment", "");
  Info.Album = GetMetadataValue(Metadata, "album", "");
  Info.Genre = GetMetadataValue(Metadata, "genre", "");
  return Info;
}

bool TCustomDecoder::CheckStreamIndex(int AStreamIndex) {
  if (AStreamIndex >= 0 && AStreamIndex < FStreamCount) return true;
  Report(llError, "stream index #%d is invalid.", AStreamIndex);
  return false;
}

// The stream a request names: a negative index takes AFirstIndex. -1 after reporting
// why there is none.
int TCustomDecoder::ResolveStreamIndex(int AStreamIndex, int AFirstIndex, const char* ANoStreamText,
                                       AVMediaType AType, const char* AWrongKindText) {
  if (!CheckFileLoaded()) return -1;
  if (AStreamIndex < 0) {
    if (AFirstIndex < 0) Report(llError, ANoStreamText);
    return AFirstIndex;
  }
  if (!CheckStreamIndex(AStreamIndex)) return -1;
  if (FFileHandle->streams[AStreamIndex]->codecpar->codec_type != AType) {
    Report(llError, AWrongKindText, AStreamIndex);
    return -1;
  }
  return AStreamIndex;
}

bool TCustomDecoder::GetAudioStreamInfo(int AStreamIndex, TAudioStreamInfo& AInfo) {
  AInfo = TAudioStreamInfo();
  int Index = ResolveStreamIndex(AStreamIndex, FFirstAudioStreamIndex, "no audio stream.", AVMEDIA_TYPE_AUDIO,
                                 "stream #%d is not audio stream.");
  if (Index < 0) return false;
  AVStream* Stream = FFileHandle->streams[Index];
  const AVCodecParameters* Parameters = Stream->codecpar;
  FillMediaStreamInfo(Stream, AInfo);
  AInfo.Channels = Parameters->ch_layout.nb_channels;
  AInfo.SampleRate = Parameters->sample_rate;
  AInfo.SampleFormat = Parameters->format;
  return true;
}

bool TCustomDecoder::GetVideoStreamInfo(int AStreamIndex, TVideoStreamInfo& AInfo) {
  AInfo = TVideoStreamInfo();
  int Index = ResolveStreamIndex(AStreamIndex, FFirstVideoStreamIndex, "no video stream.", AVMEDIA_TYPE_VIDEO,
                                 "stream #%d is not video stream.");
  if (Index < 0) return false;
  AVStream* Stream = FFileHandle->streams[Index];
  const AVCodecParameters* Parameters = Stream->codecpar;
  FillMediaStreamInfo(Stream, AInfo);
  AInfo.Height = Parameters->height;
  AInfo.Width = Parameters->width;
  AInfo.PixFmt = Parameters->format;
  // An unknown pixel shape (0/1, or a broken 0 denominator) gives 0, never a division by zero.
  AVRational Shape = Parameters->sample_aspect_ratio;
  AInfo.AspectRatio = Parameters->height > 0 && Shape.den != 0
                          ? static_cast<float>(Parameters->width * av_q2d(Shape) / Parameters->height)
                          : 0.0f;
  bool HasAverageRate = Stream->avg_frame_rate.num != 0 && Stream->avg_frame_rate.den != 0;
  AInfo.FrameRate = HasAverageRate ? Stream->avg_frame_rate : Stream->r_frame_rate;
  return true;
}

bool TCustomDecoder::GetSubtitleStreamInfo(int AStreamIndex, TSubtitleStreamInfo& AInfo) {
  AInfo = TSubtitleStreamInfo();
  int Index = ResolveStreamIndex(AStreamIndex, FFirstSubtitleStreamIndex, "no subtitle stream.",
                                 AVMEDIA_TYPE_SUBTITLE, "stream #%d is not subtitle stream.");
  if (Index < 0) return false;
  AVStream* Stream = FFileHandle->streams[Index];
  AInfo.Language = GetMetadataValue(Stream->metadata, "language", "");
  AInfo.CodecName = CodecNameText(Stream->codecpar, false);
  return true;
}

TAudioStreamInfo TCustomDecoder::FirstAudioStreamInfo() {
  TAudioStreamInfo Info;
  GetAudioStreamInfo(-1, Info);
  return Info;
}

TVideoStreamInfo TCustomDecoder::FirstVideoStreamInfo() {
  TVideoStreamInfo Info;
  GetVideoStreamInfo(-1, Info);
  return Info;
}

TSubtitleStreamInfo TCustomDecoder::FirstSubtitleStreamInfo() {
  TSubtitleStreamInfo Info;
  GetSubtitleStreamInfo(-1, Info);
  return Info;
}

bool TCustomDecoder::IsAudioStream(int AStreamIndex) {
  return CheckFileLoaded() && CheckStreamIndex(AStreamIndex) &&
         FFileHandle->streams[AStreamIndex]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO;
}

bool TCustomDecoder::IsVideoStream(int AStreamIndex) {
  return CheckFileLoaded() && CheckStreamIndex(AStreamIndex) &&
         FFileHandle->streams[AStreamIndex]->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
}

bool TCustomDecoder::IsSubtitleStream(int AStreamIndex) {
  return CheckFileLoaded() && CheckStreamIndex(AStreamIndex) &&
         FFileHandle->streams[AStreamIndex]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE;
}

String TCustomDecoder::FileName() {
  if (!CheckFileLoaded()) return "";
  return FFileHandle->url ? FFileHandle->url : "";
}

String TCustomDecoder::FormatName() {
  if (!CheckFileLoaded()) return "";
  return FFileHandle->iformat->name;
}

String TCustomDecoder::FormatLongName() {
  if (!CheckFileLoaded()) return "";
  return FFileHandle->iformat->long_name ? FFileHandle->iformat->long_name : "";
}
