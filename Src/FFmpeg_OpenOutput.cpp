// Creating the output of a task with its pending option state: the format context, the
// output streams chosen from the inputs, attachments, the file, chapters and metadata.

#include <sys/stat.h>

#include <climits>

#include "Src/FFmpeg.h"
#include "platform/base/Clock.h"
#include "platform/base/Paths.h"
#include "platform/base/ScopeExit.h"

namespace {

bool IsMappableType(AVMediaType AType) {
  return AType == AVMEDIA_TYPE_VIDEO || AType == AVMEDIA_TYPE_AUDIO || AType == AVMEDIA_TYPE_SUBTITLE ||
         AType == AVMEDIA_TYPE_DATA || AType == AVMEDIA_TYPE_ATTACHMENT;
}

bool IsSwitchedOff(const TOptionsContext& o, AVMediaType AType) {
  return (AType == AVMEDIA_TYPE_VIDEO && o.video_disable) ||
         (AType == AVMEDIA_TYPE_AUDIO && o.audio_disable) ||
         (AType == AVMEDIA_TYPE_SUBTITLE && o.subtitle_disable) ||
         (AType == AVMEDIA_TYPE_DATA && o.data_disable);
}

// The text after the last "/", else after the last "\", else the whole name.
String AttachmentTitle(const String& AName) {
  size_t Slash = AName.rfind('/');
  if (Slash == String::npos) Slash = AName.rfind('\\');
  return Slash == String::npos ? AName : AName.substr(Slash + 1);
}

}  // namespace

// Returns the name of the task's input that AFileName would overwrite: the same file
// (device and inode, so links and other spellings are caught) or the same path.
String TCustomFFmpeg::SameFileAsInput(const String& AFileName) const {
  String OutputPath = LocalFilePath(AFileName);
  if (OutputPath.empty()) return "";
  struct stat Output;
  bool OutputExists = stat(OutputPath.c_str(), &Output) == 0;
  for (const auto& Input : Finput_files) {
    String InputPath = LocalFilePath(Input->file_name);
    if (InputPath.empty()) continue;
    struct stat Status;
    if (OutputExists && stat(InputPath.c_str(), &Status) == 0 && Status.st_dev == Output.st_dev &&
        Status.st_ino == Output.st_ino)
      return Input->file_name;
    if (ExpandFileName(InputPath) == ExpandFileName(OutputPath)) return Input->file_name;
  }
  return "";
}

std::vector<TCustomFFmpeg::TSourceChoice> TCustomFFmpeg::AutomaticSources(const TOptionsContext& o,
                                                                          const AVOutputFormat* AFormat,
                                                                          int AOnlyFile) const {
  // The largest picture and the most channels win; the first one wins a tie.
  int BestVideo = -1, BestAudio = -1, FirstSubtitle = -1;
  int64_t Area = 0;
  int Channels = 0;
  for (size_t I = 0; I < Finput_streams.size(); I++) {
    const TInputStream& Input = *Finput_streams[I];
    if ((AOnlyFile >= 0 && Input.file_index != AOnlyFile) || Input.st->discard == AVDISCARD_ALL) continue;
    const AVCodecParameters* Parameters = Input.st->codecpar;
    int64_t StreamArea = static_cast<int64_t>(Parameters->width) * Parameters->height;
    if (Parameters->codec_type == AVMEDIA_TYPE_VIDEO && StreamArea > Area) {
      Area = StreamArea;
      BestVideo = static_cast<int>(I);
    } else if (Parameters->codec_type == AVMEDIA_TYPE_AUDIO && Parameters->ch_layout.nb_channels > Channels) {
      Channels = Parameters->ch_layout.nb_channels;
      BestAudio = static_cast<int>(I);
    } else if (Parameters->codec_type == AVMEDIA_TYPE_SUBTITLE && FirstSubtitle < 0) {
      FirstSubtitle = static_cast<int>(I);
    }
  }
  std::vector<TSourceChoice> Sources;
  if (!o.video_disable && AFormat->video_codec != AV_CODEC_ID_NONE && BestVideo >= 0)
    Sources.push_back({AVMEDIA_TYPE_VIDEO, BestVideo, BestVideo});
  if (!o.audio_disable && AFormat->audio_codec != AV_CODEC_ID_NONE && BestAudio >= 0)
    Sources.push_back({AVMEDIA_TYPE_AUDIO, BestAudio, BestAudio});
  if (!o.subtitle_disable && (AFormat->subtitle_codec != AV_CODEC_ID_NONE || !Fsubtitle_codec_name.empty()) &&
      FirstSubtitle >= 0)
    Sources.push_back({AVMEDIA_TYPE_SUBTITLE, FirstSubtitle, FirstSubtitle});
  return Sources;
}

bool TCustomFFmpeg::MappedSources(const TOptionsContext& o, int AOnlyFile,
                                  std::vector<TSourceChoice>& ASources) {
  for (const TStreamMap& Map : o.stream_maps) {
    if (Map.disabled || (AOnlyFile >= 0 && Map.file_index != AOnlyFile)) continue;
    int Source = Finput_files[Map.file_index]->ist_index + Map.stream_index;
    AVMediaType Type = Finput_streams[Source]->st->codecpar->codec_type;
    if (IsSwitchedOff(o, Type)) continue;
    if (!IsMappableType(Type)) {
      FLastErrMsg = Format("Cannot map stream #%d:%d - unsupported type.", Map.file_index, Map.stream_index);
      return false;
    }
    ASources.push_back({Type, Source, Finput_files[Map.sync_file_index]->ist_index + Map.sync_stream_index});
  }
  return true;
}

void TCustomFFmpeg::UseSource(TOutputStream& AStream, const TSourceChoice& AChoice) {
  AStream.source_index = AChoice.Source;
  AStream.sync_ist = AChoice.Sync;
  Finput_streams[AChoice.Source]->discard = 0;
}

int TCustomFFmpeg::OpenOutputFile(const String& AFileName, bool AJoin) {
  // An output is made from the task's inputs, so it cannot come first.
  if (Finput_files.empty()) RaiseError("At least one input file must be specified");
  const bool SeveralInputs = Finput_files.size() > 1;
  if (FJoinMode || (AJoin && SeveralInputs && !Foutput_files.empty())) {
    FLastErrMsg = "Cannot join more than one output file.";
    return -1;
  }
  const bool Join = AJoin && SeveralInputs;

  // Checked before anything is created: the input must never be touched.
  String Input = SameFileAsInput(AFileName);
  if (!Input.empty()) {
    FLastErrMsg = Format("Output file \"%s\" is the same file as the input \"%s\".", AFileName, Input);
    Log(llError, FLastErrMsg);
    return -1;
  }

  String FormatName = optctx.format;
  if (FormatName == "ffm") {
    Log(llWarning,
        "Output format \"ffm\" (server feeds) is not supported any more; the format is chosen by the file "
        "name");
    FormatName.clear();
  }
  AVFormatContext* Context = nullptr;
  int Error = FF.avformat_alloc_output_context2(
      &Context, nullptr, FormatName.empty() ? nullptr : FormatName.c_str(), AFileName.c_str());
  if (!Context) {
    FLastErrMsg = ErrorToText(AFileName, Error < 0 ? Error : AVERROR(ENOMEM));
    Log(llFatal, FLastErrMsg);
    return -1;
  }
  Context->interrupt_callback = FWriteCallback;
  FOpening = {std::make_shared<TOutputTarget>(Context, AFileName), Foutput_streams.size(), false,
              FOutputDuration};
  // Undoes a build that fails or raises; a finished build has cleared FOpening.
  ScopeExit AbortUnfinished([this] { AbortOutputFile(); });
  return BuildOutputFile(optctx, AFileName, Join);
}

int TCustomFFmpeg::BuildOutputFile(TOptionsContext& o, const String& AFileName, bool AJoin) {
  AVFormatContext* Context = FOpening.Target->Context();
  if (o.recording_time != INT64_MAX && o.recording_time > FOutputDuration) FOutputDuration = o.recording_time;

  std::vector<TSourceChoice> Sources;
  if (o.stream_maps.empty())
    Sources = AutomaticSources(o, Context->oformat, AJoin ? 0 : -1);
  else if (!MappedSources(o, AJoin ? 0 : -1, Sources))
    return FailOutput(FLastErrMsg);
  for (const TSourceChoice& Source : Sources)
    UseSource(*NewStreamOfType(o, Context, Source.Type, Source.Source), Source);
  if (AddAttachments(o, Context) < 0) return -1;

  auto File = std::make_unique<TOutputFile>();
  File->target = FOpening.Target;
  File->ctx = Context;
  File->ost_index = static_cast<int>(Foutput_streams.size() - Context->nb_streams);
  File->recording_time = o.recording_time;
  File->start_time = o.start_time;
  File->limit_filesize = o.limit_filesize;
  FF.av_dict_copy(File->opts.Address(), FOptions.format_opts, 0);
  TOutputFile& Output = *File;
  const int Index = static_cast<int>(Foutput_files.size());
  Foutput_files.push_back(std::move(File));
  FOpening.FileAdded = true;

  if ((Context->oformat->flags & AVFMT_NEEDNUMBER) && !FF.av_filename_number_test(Context->url))
    return FailOutput(ErrorToText(Context->url, AVERROR(EINVAL)));
  if (!(Context->oformat->flags & AVFMT_NOFILE)) {
    FLastWrite = MonotonicMicroseconds();
    int Error = Output.target->Open(Output.opts.Address());
    if (Error < 0) return FailOutput(ErrorToText(AFileName, Error));
  }

  if (o.mux_preload != 0)
    FF.av_dict_set_int(Output.opts.Address(), "preload", static_cast<int64_t>(o.mux_preload * AV_TIME_BASE),
                       0);
  Context->max_delay = static_cast<int>(o.mux_max_delay * AV_TIME_BASE);
  if (Floop_output >= 0) {
    Log(llWarning, "-loop_output is deprecated, use -loop");
    FF.av_dict_set_int(Output.opts.Address(), "loop", Floop_output, 0);
  }

  if (SelectChapters(o, Output) < 0 || ApplyMetadataMaps(o, Context) < 0) return -1;
  CopyDefaultMetadata(o, Context, Output);
  if (ApplyMetadataOptions(o, Context) < 0) return -1;

  if (AJoin)
    FJoinMode = true;  // the pending option state stays for JoinOutputs
  else
    ResetOptionState(false);
  FOpening = {};
  return Index;
}

int TCustomFFmpeg::AddAttachments(TOptionsContext& o, AVFormatContext* AContext) {
  for (const String& Name : o.attachments) {
    AVIOContext* Input = nullptr;
    FLastRead = MonotonicMicroseconds();
    if (FF.avio_open2(&Input, Name.c_str(), AVIO_FLAG_READ, &FReadCallback, nullptr) < 0)
      return FailOutput(Format("Could not open attachment file %s.", Name));
    std::unique_ptr<AVIOContext, void (*)(AVIOContext*)> Closer(Input,
                                                                [](AVIOContext* A) { FF.avio_closep(&A); });
    int64_t Size = FF.avio_size(Input);
    if (Size <= 0) return FailOutput(Format("Could not get size of the attachment %s.", Name));
    uint8_t* Data = Size < INT_MAX - AV_INPUT_BUFFER_PADDING_SIZE
                        ? static_cast<uint8_t*>(FF.av_mallocz(Size + AV_INPUT_BUFFER_PADDING_SIZE))
                        : nullptr;
    if (!Data) return FailOutput(Format("Attachment %s too large to fit into memory.", Name));
    FLastRead = MonotonicMicroseconds();
    FF.avio_read(Input, Data, static_cast<int>(Size));

    TOutputStream& Stream = NewAttachmentStream(o, AContext, -1);
    Stream.stream_copy = 0;
    Stream.attachment_filename = Name;
    Stream.st->codecpar->extradata = Data;
    Stream.st->codecpar->extradata_size = static_cast<int>(Size);
    FF.av_dict_set(&Stream.st->metadata, "filename", AttachmentTitle(Name).c_str(), AV_DICT_DONT_OVERWRITE);
  }
  return 0;
}

int TCustomFFmpeg::FailOutput(const String& AText) {
  FLastErrMsg = AText;
  Log(llFatal, AText);
  return -1;
}

// Undoes what OpenOutputFile has built so far: the output record, the stream records that point
// into its context, the file (removed) and the context; the task is as it was.
void TCustomFFmpeg::AbortOutputFile() {
  if (!FOpening.Target) return;
  if (FOpening.FileAdded) Foutput_files.pop_back();
  Foutput_streams.resize(FOpening.OutputStreams);
  FOutputDuration = FOpening.OutputDuration;
  FOpening = {};
  ResetOptionState(false);
}
