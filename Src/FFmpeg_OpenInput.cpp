// Opening one more input of a task with its pending option state.

#include <cstdlib>

#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"

namespace {

String ChannelLayoutText(int AChannels) {
  AVChannelLayout Layout;
  FF.av_channel_layout_default(&Layout, AChannels);
  char Text[64] = "";
  FF.av_channel_layout_describe(&Layout, Text, sizeof(Text));
  FF.av_channel_layout_uninit(&Layout);
  return Text;
}

// Frees the decoder options handed to the probing of the streams.
struct TStreamOptions {
  std::vector<AVDictionary*> List;
  ~TStreamOptions() {
    for (AVDictionary*& Options : List) FF.av_dict_free(&Options);
  }
};

}  // namespace

uint32_t CodecTagFromText(const String& AText) {
  char* End = nullptr;
  unsigned long Number = std::strtoul(AText.c_str(), &End, 0);
  if (!AText.empty() && *End == 0) return static_cast<uint32_t>(Number);
  uint32_t Tag = 0;
  for (size_t I = 0; I < 4 && I < AText.size(); I++)
    Tag |= static_cast<uint32_t>(static_cast<uint8_t>(AText[I])) << (8 * I);
  return Tag;
}

// The converter's input options of the last given value become the demuxer's (or the
// device's) options of today's names.
void TCustomFFmpeg::SetInputFormatOptions(const TOptionsContext& o) {
  AVDictionary** Options = &FOptions.format_opts;
  if (!o.audio_sample_rate.empty())
    FF.av_dict_set_int(Options, "sample_rate", std::get<int>(o.audio_sample_rate.back().u), 0);
  if (!o.audio_channels.empty())
    FF.av_dict_set(Options, "ch_layout", ChannelLayoutText(std::get<int>(o.audio_channels.back().u)).c_str(),
                   0);
  if (!o.frame_rates.empty())
    FF.av_dict_set(Options, "framerate", std::get<String>(o.frame_rates.back().u).c_str(), 0);
  if (!o.frame_sizes.empty())
    FF.av_dict_set(Options, "video_size", std::get<String>(o.frame_sizes.back().u).c_str(), 0);
  if (!o.frame_pix_fmts.empty())
    FF.av_dict_set(Options, "pixel_format", std::get<String>(o.frame_pix_fmts.back().u).c_str(), 0);
  if (Floop_input) {
    Log(llWarning,
        "-loop_input is deprecated, use -loop 1\r\nNote, both loop options only work with -f image2");
    FF.av_dict_set_int(Options, "loop", Floop_input, 0);
  }
}

// A decoder named by a codec option of the task (for any earlier input or output) is
// forced on the streams of its kind; "copy" names no decoder.
String TCustomFFmpeg::ForcedDecoderName(AVMediaType AType) const {
  switch (AType) {
    case AVMEDIA_TYPE_VIDEO:
      return Fvideo_codec_name;
    case AVMEDIA_TYPE_AUDIO:
      return Faudio_codec_name;
    case AVMEDIA_TYPE_SUBTITLE:
      return Fsubtitle_codec_name;
    default:
      return "";
  }
}

void TCustomFFmpeg::ForceDecoders(AVFormatContext* AContext) {
  auto ForcedId = [this](AVMediaType AType) {
    String Name = ForcedDecoderName(AType);
    return Name.empty() || Name == "copy" ? AV_CODEC_ID_NONE : FindCodecByName(Name, AType, false)->id;
  };
  AContext->video_codec_id = ForcedId(AVMEDIA_TYPE_VIDEO);
  AContext->audio_codec_id = ForcedId(AVMEDIA_TYPE_AUDIO);
  AContext->subtitle_codec_id = ForcedId(AVMEDIA_TYPE_SUBTITLE);
}

std::unique_ptr<TMediaInput> TCustomFFmpeg::CreateInput(const String& AFormat, int& AError) {
  TInputDevice* Device = AFormat.empty() ? nullptr : dynamic_cast<TInputDevice*>(FindInputFormat(AFormat));
  if (Device) return Device->CreateInput();

  const AVInputFormat* Demuxer = nullptr;
  if (!AFormat.empty() && !(Demuxer = FF.av_find_input_format(AFormat.c_str()))) {
    FLastErrMsg = Format("Unknown input format: \"%s\"", AFormat);
    AError = AVERROR(EINVAL);
    return nullptr;
  }
  AVFormatContext* Context = FF.avformat_alloc_context();
  if (!Context) {
    FLastErrMsg = "avformat_alloc_context() failed";
    AError = AVERROR(ENOMEM);
    return nullptr;
  }
  auto Input = std::make_unique<TDemuxerInput>(Context, Demuxer);
  ForceDecoders(Context);
  Context->flags |= AVFMT_FLAG_NONBLOCK;
  return Input;
}

int TCustomFFmpeg::OpenInputFile(const String& AFileName) {
  TOptionsContext& o = optctx;
  int Error = 0;
  std::unique_ptr<TMediaInput> Input = CreateInput(o.format, Error);
  if (!Input) {
    Log(llFatal, FLastErrMsg);
    return Error;
  }
  SetInputFormatOptions(o);

  FLastRead = MonotonicMicroseconds();
  Error = Input->Open(AFileName, &FOptions.format_opts, FReadCallback);
  if (Error < 0) {
    FLastErrMsg = ErrorToText(AFileName, Error);
    Log(llFatal, FLastErrMsg);
    return Error;
  }
  // Only picture sequences take the loop count of "-loop_input", which warned of that:
  // any other input leaves it over, and that is no fault of the options.
  if (Floop_input) FF.av_dict_set(&FOptions.format_opts, "loop", nullptr, 0);
  CheckUnusedOptions(FOptions.format_opts);

  AVFormatContext* Context = Input->Context();
  for (unsigned I = 0; I < Context->nb_streams; I++) ChooseDecoder(o, Context, Context->streams[I]);
  TStreamOptions StreamOptions{SetupFindStreamInfoOptions(Context, FOptions.codec_opts)};
  if (FOnBeforeFindStreamInfo) FOnBeforeFindStreamInfo(this, Context);

  FLastRead = MonotonicMicroseconds();
  Error = Input->FindStreamInfo(StreamOptions.List.empty() ? nullptr : StreamOptions.List.data());
  if (Error < 0) {
    FLastErrMsg = Format("%s: could not find codec parameters", AFileName);
    Log(llFatal, FLastErrMsg);
    return Error;
  }

  int64_t Timestamp = o.start_time + (Context->start_time != AV_NOPTS_VALUE ? Context->start_time : 0);
  if (o.start_time != 0) {
    FLastRead = MonotonicMicroseconds();
    if (Input->Seek(Timestamp) < 0)
      Log(llWarning, Format("%s: could not seek to position %0.3f", AFileName, Timestamp / 1000000.0));
  }

  const int FileIndex = static_cast<int>(Finput_files.size());
  const size_t FirstStream = Finput_streams.size();
  try {
    AddInputStreams(o, Context);
    for (const TSpecifierOpt& Dump : o.dump_attachment)
      for (unsigned I = 0; I < Context->nb_streams; I++)
        if (check_stream_specifier(Context, Context->streams[I], Dump.specifier) == 1)
          DumpAttachment(Context->streams[I], std::get<String>(Dump.u));
  } catch (...) {
    // The streams of a file that did not open must not stay behind without it.
    Finput_streams.resize(FirstStream);
    throw;
  }

  if (Context->iformat) FF.av_dump_format(Context, FileIndex, AFileName.c_str(), 0);
  if (Context->duration != AV_NOPTS_VALUE && Context->duration - o.start_time > FInputDuration)
    FInputDuration = Context->duration - o.start_time;

  auto File = std::make_unique<TInputFile>();
  File->ctx = Context;
  File->input = std::move(Input);
  File->file_name = AFileName;
  File->ist_index = static_cast<int>(FirstStream);
  File->nb_streams = static_cast<int>(Context->nb_streams);
  File->rate_emu = o.rate_emu;
  File->ts_offset = Fcopy_ts ? o.input_ts_offset : o.input_ts_offset - Timestamp;
  Finput_files.push_back(std::move(File));

  ResetOptionState(true);
  return FileIndex;
}

const AVCodec* TCustomFFmpeg::ChooseDecoder(TOptionsContext& o, AVFormatContext* AContext,
                                            AVStream* AStream) {
  String Name = ForcedDecoderName(AStream->codecpar->codec_type);
  MatchPerStreamOption(o.codec_names, AContext, AStream, Name);
  if (Name.empty() || Name == "copy") return FF.avcodec_find_decoder(AStream->codecpar->codec_id);
  const AVCodec* Codec = FindCodecByName(Name, AStream->codecpar->codec_type, false);
  AStream->codecpar->codec_id = Codec->id;
  return Codec;
}

void TCustomFFmpeg::AddInputStreams(TOptionsContext& o, AVFormatContext* AContext) {
  for (unsigned I = 0; I < AContext->nb_streams; I++) {
    AVStream* Stream = AContext->streams[I];
    auto Record = std::make_unique<TInputStream>();
    Record->file_index = static_cast<int>(Finput_files.size());
    Record->st = Stream;
    Record->avdec = ChooseDecoder(o, AContext, Stream);
    Record->opts = TDictionary(FilterCodecOptions(FOptions.codec_opts, Record->avdec, AContext, Stream));
    MatchPerStreamOption(o.ts_scale, AContext, Stream, Record->ts_scale);
    String Tag;
    MatchPerStreamOption(o.codec_tags, AContext, Stream, Tag);
    if (!Tag.empty()) Stream->codecpar->codec_tag = CodecTagFromText(Tag);

    bool Disabled = false;
    switch (Stream->codecpar->codec_type) {
      case AVMEDIA_TYPE_VIDEO:
        if (CodecFrameRateDiffers(Stream)) Log(llInfo, CodecFrameRateDiffersText(Stream));
        Disabled = o.video_disable;
        if (!Disabled && Fvideo_discard) Stream->discard = static_cast<AVDiscard>(Fvideo_discard);
        break;
      case AVMEDIA_TYPE_AUDIO:
        Disabled = o.audio_disable;
        break;
      case AVMEDIA_TYPE_DATA:
        Disabled = o.data_disable;
        break;
      case AVMEDIA_TYPE_SUBTITLE:
        Disabled = o.subtitle_disable;
        break;
      case AVMEDIA_TYPE_ATTACHMENT:
      case AVMEDIA_TYPE_UNKNOWN:
        break;
      default:
        RaiseError("Never occur");
    }
    if (Disabled) Stream->discard = AVDISCARD_ALL;
    Finput_streams.push_back(std::move(Record));
  }
}

bool TCustomFFmpeg::CheckOverwrite(const String& AFileName) {
  if (Ffile_overwrite && !Fno_file_overwrite) return true;
  size_t Colon = AFileName.find(':');
  if (Colon != String::npos && Colon != 1 && !AFileName.starts_with("file:")) return true;
  if (FF.avio_check(AFileName.c_str(), 0) < 0) return true;
  FLastErrMsg = Format("File \"%s\" already exists. Ignore.", AFileName);
  Log(llWarning, FLastErrMsg);
  return false;
}

void TCustomFFmpeg::DumpAttachment(AVStream* AStream, const String& AFileName) {
  const int FileIndex = static_cast<int>(Finput_files.size());
  if (AStream->codecpar->extradata_size <= 0) {
    Log(llWarning, Format("No extradata to dump in stream #%d:%d.", FileIndex, AStream->index));
    return;
  }
  String Name = AFileName;
  if (Name.empty()) {
    const AVDictionaryEntry* Tag = FF.av_dict_get(AStream->metadata, "filename", nullptr, 0);
    if (Tag) Name = Tag->value;
  }
  if (Name.empty())
    RaiseErrorFmt("No filename specified and no \"filename\" tag in stream #%d:%d.", FileIndex,
                  AStream->index);
  if (!CheckOverwrite(Name)) return;

  AVIOContext* Output = nullptr;
  FLastWrite = MonotonicMicroseconds();
  if (FF.avio_open2(&Output, Name.c_str(), AVIO_FLAG_WRITE, &FWriteCallback, nullptr) < 0) {
    Log(llWarning, Format("Could not open file %s for writing.", Name));
    return;
  }
  FLastWrite = MonotonicMicroseconds();
  FF.avio_write(Output, AStream->codecpar->extradata, AStream->codecpar->extradata_size);
  FF.avio_flush(Output);
  FF.avio_closep(&Output);
}
