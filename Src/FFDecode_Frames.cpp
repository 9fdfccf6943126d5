// TFFDecoder's ground work: construction and closing, the choice of the video and the
// audio stream, their codecs, and reading the packets of one stream.

#include "Src/FFDecode.h"
#include "Src/FFDecode_Deinterlace.h"

TFFDecoder::TFFDecoder(TComponent* AOwner)
    : TCustomDecoder(AOwner), FFormatConv(std::make_unique<TFormatConverter>()) {}

TFFDecoder::~TFFDecoder() { TFFDecoder::ReleaseFFObjects(); }

void TFFDecoder::ReleaseFFObjects() {
  TFFDecoder::CloseFile();
  FPacket.reset();
  FDecodedFrame.reset();
  FAudioDecodedFrame.reset();
  FPicture.Picture = nullptr;
  FPictureFrame.reset();
  FDeinterlacer.reset();
  FBitmapScaler.reset();
  TCustomDecoder::ReleaseFFObjects();
}

void TFFDecoder::CloseFile() {
  FSeekIndex = FDesireVideoIndex = FDesireAudioIndex = -1;
  FFrameRate = {0, 0};
  FEOF = FEOFpkt = false;
  ResetPicture();
  FLastPTS = AV_NOPTS_VALUE;
  FResampleChannels = FResampleSampleRate = FResampleSampleFormat = -1;
  FAudioSwrCtx.reset();
  FCodec.reset();
  FAudioCodec.reset();
  TCustomDecoder::CloseFile();
}

bool TFFDecoder::CheckOwnedFile() {
  if (!CheckFileLoaded()) return false;
  if (OwnsFile()) return true;
  Report(llWarning, "file cannot be seeked, handle is readonly.");
  throw Exception("file cannot be seeked, handle is readonly.");
}

bool TFFDecoder::IsStillPictureFormat() const {
  // FFmpeg of today opens a single picture with one of its "<codec>_pipe" picture
  // demuxers where it once used image2; both hold pictures, not a timeline.
  const char* Name = FFileHandle->iformat->name;
  return SameText(Name, "image2") || EndsText("_pipe", Name);
}

int64_t TFFDecoder::FrameDuration() const { return FrameDurationFromRate(FFrameRate); }

int64_t TFFDecoder::StreamTimeToMicroseconds(int64_t ATime, int AStreamIndex) const {
  const AVStream* Stream = FFileHandle->streams[AStreamIndex];
  if (Stream->start_time != AV_NOPTS_VALUE) ATime -= Stream->start_time;
  return FF.av_rescale_q(ATime, Stream->time_base, AV_TIME_BASE_Q);
}

// Without an average rate the base rate is taken: the codec's own rate, when it agrees,
// is that rate.
void TFFDecoder::ChooseFrameRate(int AStreamIndex) {
  const AVStream* Stream = FFileHandle->streams[AStreamIndex];
  if (Stream->avg_frame_rate.num != 0 && Stream->avg_frame_rate.den != 0) {
    FFrameRate = Stream->avg_frame_rate;
    return;
  }
  if (CodecFrameRateDiffers(Stream)) LogOnly(llInfo, CodecFrameRateDiffersText(Stream));
  FFrameRate = Stream->r_frame_rate;
}

bool TFFDecoder::SelectVideoStream(int AStreamIndex) {
  if (!CheckOwnedFile()) return false;
  int Index = AStreamIndex;
  if (Index < 0) {
    Index = FDesireVideoIndex >= 0 ? FDesireVideoIndex : FirstVideoStreamIndex();
    if (Index < 0) {
      Report(llError, "no video stream.");
      return false;
    }
  } else if (!IsVideoStream(Index)) {
    if (Index < StreamCount()) Report(llError, "stream #%d is not video stream.", Index);
    return false;
  }
  if (Index != FDesireVideoIndex) {
    ResetPicture();
    ChooseFrameRate(Index);
    FCodec.reset();
  }
  FDesireVideoIndex = FSeekIndex = Index;
  return true;
}

bool TFFDecoder::SelectAudioStream(int AStreamIndex) {
  if (!CheckOwnedFile()) return false;
  int Index = AStreamIndex;
  if (Index < 0) {
    Index = FDesireAudioIndex >= 0 ? FDesireAudioIndex : FirstAudioStreamIndex();
    if (Index < 0) {
      Report(llError, "no audio stream.");
      return false;
    }
  } else if (!IsAudioStream(Index)) {
    if (Index < StreamCount()) Report(llError, "stream #%d is not audio stream.", Index);
    return false;
  }
  if (Index != FDesireAudioIndex) {
    ResetWaveInfo();
    FAudioSwrCtx.reset();
    FAudioCodec.reset();
  }
  FDesireAudioIndex = FSeekIndex = Index;
  return true;
}

TCodecContextPtr TFFDecoder::OpenStreamCodec(int AStreamIndex, AVDictionary** AOptions) {
  if (!FPacket) FPacket.reset(FF.av_packet_alloc());
  if (!FDecodedFrame) FDecodedFrame.reset(FF.av_frame_alloc());
  if (!FAudioDecodedFrame) FAudioDecodedFrame.reset(FF.av_frame_alloc());
  if (!FPictureFrame) {
    FPictureFrame.reset(FF.av_frame_alloc());
    FPicture.Picture = FPictureFrame.get();
  }
  const AVStream* Stream = FFileHandle->streams[AStreamIndex];
  const AVCodec* Codec = FF.avcodec_find_decoder(Stream->codecpar->codec_id);
  if (!Codec) {
    Report(llError, "Unsupported codec (id=%d) for input file stream #%d", Stream->codecpar->codec_id,
           AStreamIndex);
    return nullptr;
  }
  TCodecContextPtr Context = MakeCodecContext(Codec);
  bool Opened = Context && FPacket && FDecodedFrame && FAudioDecodedFrame && FPictureFrame &&
                FF.avcodec_parameters_to_context(Context.get(), Stream->codecpar) >= 0;
  if (Opened) {
    Context->pkt_timebase = Stream->time_base;
    Opened = FF.avcodec_open2(Context.get(), Codec, AOptions) >= 0;
  }
  if (!Opened) {
    Report(llError, "Error while opening codec for input file stream #%d", AStreamIndex);
    return nullptr;
  }
  return Context;
}

bool TFFDecoder::OpenVideoCodec() {
  const AVCodecParameters* Parameters = FFileHandle->streams[FDesireVideoIndex]->codecpar;
  if (Parameters->width == 0 || Parameters->height == 0) {
    Report(llError, "frame size of codec is invalid.");
    return false;
  }
  if (!FCodec) FCodec = OpenStreamCodec(FDesireVideoIndex, nullptr);
  return FCodec != nullptr;
}

bool TFFDecoder::OpenAudioCodec() {
  if (FAudioCodec) return true;
  // Decoders that can mix down themselves (AC-3, DTS) are asked for the wanted
  // channels; the others ignore the option and the resampler mixes.
  AVChannelLayout Wanted{};
  FF.av_channel_layout_default(&Wanted, FDesireAudioChannels);
  char LayoutName[64] = "";
  FF.av_channel_layout_describe(&Wanted, LayoutName, sizeof(LayoutName));
  FF.av_channel_layout_uninit(&Wanted);
  AVDictionary* Options = nullptr;
  FF.av_dict_set(&Options, "downmix", LayoutName, 0);
  FAudioCodec = OpenStreamCodec(FDesireAudioIndex, &Options);
  FF.av_dict_free(&Options);
  return FAudioCodec != nullptr;
}

TFFDecoder::TReadResult TFFDecoder::ReadStreamPacket(int AStreamIndex) {
  for (;;) {
    StartReadTimer();
    int Result = FF.av_read_frame(FFileHandle, FPacket.get());
    StopReadTimer();
    if (Result >= 0) {
      if (FPacket->stream_index == AStreamIndex) return rrPacket;
      FF.av_packet_unref(FPacket.get());
      continue;
    }
    if (Result == AVERROR(EAGAIN)) {
      Report(llInfo, "no data, please try again.");
      return rrFailed;
    }
    if (!FEOFpkt) FReadError = Result;
    FEOFpkt = true;
    return rrEnd;
  }
}

void TFFDecoder::ReportEndOfStream() {
  bool AtEnd = FReadError == AVERROR(EPIPE) || FReadError == AVERROR_EOF ||
               (FFileHandle->pb && FFileHandle->pb->eof_reached);
  if (AtEnd) {
    Report(llInfo, "stream eof reached.");
    FEOF = true;
  } else {
    Report(llInfo, "unknown error #%d.", FReadError);
  }
}

int64_t TFFDecoder::Position() {
  if (!CheckFileLoaded()) return -1;
  int64_t Result = FFileHandle->pb ? FF.avio_seek(FFileHandle->pb, 0, SEEK_CUR) : -1;
  if (Result < 0) {
    Report(llWarning, "cannot get position");
    return -1;
  }
  return Result;
}
