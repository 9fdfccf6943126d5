// Stream specifiers ("a:1", "v", "p:1:0") and the per-stream selection of codec options.

#include <cctype>
#include <cstdlib>

#include "Src/FFUtils.h"

namespace {

// A whole text as a number in C syntax (decimal, 0x hex or 0 octal). Trailing text is
// refused, so that a typo such as "a:l" is reported instead of selecting stream 0.
bool ParseWholeNumber(const char* AText, long& AValue) {
  char* End = nullptr;
  AValue = std::strtol(AText, &End, 0);
  return End != AText && *End == 0;
}

bool MediaTypeOfLetter(char ALetter, AVMediaType& AType) {
  switch (ALetter) {
    case 'v':
      AType = AVMEDIA_TYPE_VIDEO;
      return true;
    case 'a':
      AType = AVMEDIA_TYPE_AUDIO;
      return true;
    case 's':
      AType = AVMEDIA_TYPE_SUBTITLE;
      return true;
    case 'd':
      AType = AVMEDIA_TYPE_DATA;
      return true;
    case 't':
      AType = AVMEDIA_TYPE_ATTACHMENT;
      return true;
    default:
      return false;
  }
}

int InvalidSpecifier(AVFormatContext* AContext, const String& ASpecifier) {
  FF.av_log(AContext, AV_LOG_ERROR, "Invalid stream specifier: \"%s\"\n", ASpecifier.c_str());
  return AVERROR(EINVAL);
}

// "v" or "v:<n>": AStream is of that type and, with <n>, the n-th stream of that type.
int MatchTypeSpecifier(AVFormatContext* AContext, AVStream* AStream, AVMediaType AType, const char* ARest,
                       const String& ASpecifier) {
  long Wanted = -1;
  if (*ARest && !(*ARest == ':' && ParseWholeNumber(ARest + 1, Wanted)))
    return InvalidSpecifier(AContext, ASpecifier);
  if (AStream->codecpar->codec_type != AType) return 0;
  if (!*ARest) return 1;
  long Count = 0;
  for (unsigned I = 0; I < AContext->nb_streams; I++) {
    if (AContext->streams[I]->codecpar->codec_type != AType) continue;
    if (Count++ == Wanted) return AContext->streams[I] == AStream;
  }
  return 0;
}

// "p:<id>" or "p:<id>:<position>": AStream belongs to a program of that id, or is the
// program's stream at that position.
int MatchProgramSpecifier(AVFormatContext* AContext, AVStream* AStream, const char* ARest,
                          const String& ASpecifier) {
  char* End = nullptr;
  long ProgramId = std::strtol(ARest, &End, 0);
  long Position = -1;
  bool HasPosition = *End == ':';
  if (End == ARest || (*End && !(HasPosition && ParseWholeNumber(End + 1, Position))))
    return InvalidSpecifier(AContext, ASpecifier);
  for (unsigned P = 0; P < AContext->nb_programs; P++) {
    const AVProgram* Program = AContext->programs[P];
    if (Program->id != ProgramId) continue;
    if (HasPosition) {
      if (Position >= 0 && Position < static_cast<long>(Program->nb_stream_indexes) &&
          Program->stream_index[Position] == static_cast<unsigned>(AStream->index))
        return 1;
      continue;
    }
    for (unsigned I = 0; I < Program->nb_stream_indexes; I++)
      if (Program->stream_index[I] == static_cast<unsigned>(AStream->index)) return 1;
  }
  return 0;
}

}  // namespace

int check_stream_specifier(AVFormatContext* AContext, AVStream* AStream, const String& ASpecifier) {
  const char* Spec = ASpecifier.c_str();
  if (!*Spec) return 1;
  if (std::isdigit(static_cast<unsigned char>(*Spec))) {
    long Index;
    if (!ParseWholeNumber(Spec, Index)) return InvalidSpecifier(AContext, ASpecifier);
    return Index == AStream->index;
  }
  AVMediaType Type;
  if (MediaTypeOfLetter(*Spec, Type))
    return MatchTypeSpecifier(AContext, AStream, Type, Spec + 1, ASpecifier);
  if (Spec[0] == 'p' && Spec[1] == ':') return MatchProgramSpecifier(AContext, AStream, Spec + 2, ASpecifier);
  return InvalidSpecifier(AContext, ASpecifier);
}

namespace {

bool IsCodecOption(const AVClass* AClass, const char* AName, int AFlags) {
  return AClass && FF.av_opt_find(&AClass, AName, nullptr, AFlags, AV_OPT_SEARCH_FAKE_OBJ);
}

}  // namespace

AVDictionary* FilterCodecOptions(AVDictionary* ACodecOpts, const AVCodec* ACodec, AVFormatContext* AContext,
                                 AVStream* AStream) {
  if (!ACodec) return nullptr;
  int Flags = AContext->oformat ? AV_OPT_FLAG_ENCODING_PARAM : AV_OPT_FLAG_DECODING_PARAM;
  char Prefix = 0;
  switch (ACodec->type) {
    case AVMEDIA_TYPE_VIDEO:
      Prefix = 'v';
      Flags |= AV_OPT_FLAG_VIDEO_PARAM;
      break;
    case AVMEDIA_TYPE_AUDIO:
      Prefix = 'a';
      Flags |= AV_OPT_FLAG_AUDIO_PARAM;
      break;
    case AVMEDIA_TYPE_SUBTITLE:
      Prefix = 's';
      Flags |= AV_OPT_FLAG_SUBTITLE_PARAM;
      break;
    default:
      break;
  }

  const AVClass* CodecClass = FF.avcodec_get_class();
  AVDictionary* Result = nullptr;
  const AVDictionaryEntry* Entry = nullptr;
  while ((Entry = FF.av_dict_get(ACodecOpts, "", Entry, AV_DICT_IGNORE_SUFFIX))) {
    String Key = Entry->key;
    size_t Colon = Key.find(':');
    if (Colon != String::npos) {
      int Match = check_stream_specifier(AContext, AStream, Key.substr(Colon + 1));
      if (Match < 0) {
        FF.av_dict_free(&Result);
        return nullptr;
      }
      if (Match == 0) continue;
      Key.resize(Colon);
    }
    if (IsCodecOption(CodecClass, Key.c_str(), Flags) ||
        IsCodecOption(ACodec->priv_class, Key.c_str(), Flags))
      FF.av_dict_set(&Result, Key.c_str(), Entry->value, 0);
    else if (Prefix && Key.size() > 1 && Key[0] == Prefix &&
             IsCodecOption(CodecClass, Key.c_str() + 1, Flags))
      FF.av_dict_set(&Result, Key.c_str() + 1, Entry->value, 0);
  }
  return Result;
}

std::vector<AVDictionary*> SetupFindStreamInfoOptions(AVFormatContext* AContext, AVDictionary* ACodecOpts) {
  std::vector<AVDictionary*> Options(AContext->nb_streams, nullptr);
  for (unsigned I = 0; I < AContext->nb_streams; I++) {
    AVStream* Stream = AContext->streams[I];
    Options[I] =
        FilterCodecOptions(ACodecOpts, FF.avcodec_find_decoder(Stream->codecpar->codec_id), AContext, Stream);
  }
  return Options;
}
