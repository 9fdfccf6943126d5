// The map options: which input streams feed the output ("map"), which audio channels
// ("map_channel") and where metadata comes from ("map_metadata").

#include <cstdio>
#include <cstdlib>

#include "Src/FFmpeg.h"

int TCustomFFmpeg::OptMap(const String& AArg) {
  bool Negative = AArg.starts_with("-");
  String Map = Negative ? AArg.substr(1) : AArg;
  const int InputCount = static_cast<int>(Finput_files.size());

  int SyncFile = -1, SyncStream = -1;
  size_t Comma = Map.find(',');
  if (Comma != String::npos) {
    String Sync = Map.substr(Comma + 1);
    Map.resize(Comma);
    char* End = nullptr;
    long File = std::strtol(Sync.c_str(), &End, 0);
    if (File < 0 || File >= InputCount) RaiseErrorFmt("Invalid sync file index: %d.", File);
    String Specifier = *End ? End + 1 : End;
    const TInputFile& Input = *Finput_files[File];
    for (int I = 0; I < Input.nb_streams && SyncStream < 0; I++)
      if (check_stream_specifier(Input.ctx, Input.ctx->streams[I], Specifier) == 1) {
        SyncFile = static_cast<int>(File);
        SyncStream = I;
      }
    if (SyncStream < 0)
      RaiseErrorFmt("Sync stream specification in map %s does not match any streams.",
                    Negative ? AArg.substr(1) : AArg);
  }

  char* End = nullptr;
  long File = std::strtol(Map.c_str(), &End, 0);
  if (File < 0 || File >= InputCount) RaiseErrorFmt("Invalid input file index: %d.", File);
  String Specifier = *End == ':' ? End + 1 : End;
  const TInputFile& Input = *Finput_files[File];

  int Matched = 0;
  if (Negative) {
    for (TStreamMap& Existing : optctx.stream_maps)
      if (Existing.file_index == File &&
          check_stream_specifier(Input.ctx, Input.ctx->streams[Existing.stream_index], Specifier) > 0) {
        Existing.disabled = 1;
        Matched++;
      }
  } else {
    for (int I = 0; I < Input.nb_streams; I++)
      if (check_stream_specifier(Input.ctx, Input.ctx->streams[I], Specifier) == 1) {
        optctx.stream_maps.push_back({.file_index = static_cast<int>(File),
                                      .stream_index = I,
                                      .sync_file_index = SyncFile >= 0 ? SyncFile : static_cast<int>(File),
                                      .sync_stream_index = SyncFile >= 0 ? SyncStream : I});
        Matched++;
      }
  }
  if (Matched == 0) RaiseErrorFmt("Stream map \"%s\" matches no streams.", Negative ? AArg.substr(1) : AArg);
  return 0;
}

int TCustomFFmpeg::OptMapChannel(const String& AArg) {
  TAudioChannelMap Map;
  int Count = std::sscanf(AArg.c_str(), "%d:%d.%d", &Map.channel_idx, &Map.ofile_idx, &Map.ostream_idx);
  if ((Count == 1 || Count == 3) && Map.channel_idx == -1) {
    if (Count == 1) Map.ofile_idx = Map.ostream_idx = -1;
    optctx.audio_channel_maps.push_back(Map);
    return 0;
  }

  Map = TAudioChannelMap{};
  Count = std::sscanf(AArg.c_str(), "%d.%d.%d:%d.%d", &Map.file_idx, &Map.stream_idx, &Map.channel_idx,
                      &Map.ofile_idx, &Map.ostream_idx);
  if (Count != 3 && Count != 5)
    RaiseError("Syntax error, mapchan usage: [file.stream.channel|-1][:syncfile:syncstream]");
  if (Count == 3) Map.ofile_idx = Map.ostream_idx = -1;

  if (Map.file_idx < 0 || Map.file_idx >= static_cast<int>(Finput_files.size()))
    RaiseErrorFmt("mapchan: invalid input file index: %d", Map.file_idx);
  const TInputFile& Input = *Finput_files[Map.file_idx];
  if (Map.stream_idx < 0 || Map.stream_idx >= Input.nb_streams)
    RaiseErrorFmt("mapchan: invalid input file stream index #%d.%d", Map.file_idx, Map.stream_idx);
  const AVCodecParameters* Parameters = Input.ctx->streams[Map.stream_idx]->codecpar;
  if (Parameters->codec_type != AVMEDIA_TYPE_AUDIO)
    RaiseErrorFmt("mapchan: stream #%d.%d is not an audio stream.", Map.file_idx, Map.stream_idx);
  if (Map.channel_idx < 0 || Map.channel_idx >= Parameters->ch_layout.nb_channels)
    RaiseErrorFmt("mapchan: invalid audio channel #%d.%d.%d", Map.file_idx, Map.stream_idx, Map.channel_idx);
  optctx.audio_channel_maps.push_back(Map);
  return 0;
}

bool TCustomFFmpeg::ReadMetadataType(const String& AText, TMetadataMap& AMap) {
  if (AText.empty()) {
    AMap.type_ = 'g';
    return true;
  }
  switch (AText[0]) {
    case 'g':
      break;
    case 's':
    case 'c':
    case 'p':
      if (AText.size() > 1 && AText[1] == ':')
        AMap.index = static_cast<int>(std::strtol(AText.c_str() + 2, nullptr, 0));
      break;
    default:
      FLastErrMsg = Format("Invalid metadata type %s.", AText.substr(0, 1));
      Log(llFatal, FLastErrMsg);
      OptionErrorText = FLastErrMsg;
      return false;
  }
  AMap.type_ = AText[0];
  return true;
}

int TCustomFFmpeg::OptMapMetadata(const String& AOpt, const String& AArg) {
  if (AOpt.starts_with("map_meta_data"))
    Log(llWarning, "-map_meta_data is deprecated and will be removed soon. Use -map_metadata instead.");
  TMetadataMapPair Pair;
  TMetadataMap& Output = Pair[0];
  TMetadataMap& Input = Pair[1];

  char* End = nullptr;
  Input.file_idx = static_cast<int>(std::strtol(AArg.c_str(), &End, 0));
  if (!ReadMetadataType(*End ? End + 1 : End, Input)) return AVERROR(EINVAL);
  size_t Colon = AOpt.find(':');
  if (!ReadMetadataType(Colon == String::npos ? String() : AOpt.substr(Colon + 1), Output))
    return AVERROR(EINVAL);

  for (const TMetadataMap& Side : Pair) {
    if (Side.type_ == 'g') optctx.metadata_global_manual = 1;
    if (Side.type_ == 's') optctx.metadata_streams_manual = 1;
    if (Side.type_ == 'c') optctx.metadata_chapters_manual = 1;
  }
  optctx.meta_data_maps.push_back(Pair);
  return 0;
}
