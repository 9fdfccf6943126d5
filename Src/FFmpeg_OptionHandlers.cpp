// The handler rows of the option table that refuse, rename or remember: everything but
// the maps, the targets and the preset files.

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "Src/FFmpeg.h"

namespace {

// A whole text as a signed 32-bit decimal number.
bool ParseDecimal(const String& AText, int& AValue) {
  if (AText.empty()) return false;
  char* End = nullptr;
  errno = 0;
  long Value = std::strtol(AText.c_str(), &End, 10);
  if (*End != 0 || errno == ERANGE || Value < INT_MIN || Value > INT_MAX) return false;
  AValue = static_cast<int>(Value);
  return true;
}

}  // namespace

// Fails with ALevel and AText as the option's message.
#define FAIL_OPTION(ALevel, AText) \
  do {                             \
    OptionErrorText = (AText);     \
    Log(ALevel, OptionErrorText);  \
    return AVERROR(EINVAL);        \
  } while (false)

int TCustomFFmpeg::OptUnsupportedIgnored(const String& AOpt) {
  OptionErrorText = Format("options \"%s\" not supported, ignore", AOpt);
  Log(llWarning, OptionErrorText);
  return 0;
}

int TCustomFFmpeg::OptUnsupported(const String& AOpt) {
  FAIL_OPTION(llError, Format("options \"%s\" not supported", AOpt));
}

int TCustomFFmpeg::OptRemovedCrop(const String& AOpt) {
  FAIL_OPTION(llError, Format("Option \"%s\" has been removed, use the crop filter instead", AOpt));
}

int TCustomFFmpeg::OptRemovedPad(const String& AOpt) {
  FAIL_OPTION(llError, Format("Option \"%s\" has been removed, use the pad filter instead", AOpt));
}

// Options whose effect FFmpeg no longer has (encoding with the source's quantisers, the
// channel and standard of capture cards of another system): profiles still carry them,
// so they are accepted and do nothing.
int TCustomFFmpeg::OptLostMeaning(const String& AOpt) {
  Log(llWarning, Format("Option \"%s\" has lost its meaning and is ignored", AOpt));
  return 0;
}

int TCustomFFmpeg::OptLogLevel(const String& AArg) {
  static const char* const Names[] = {"quiet",   "panic", "fatal",   "error",
                                      "warning", "info",  "verbose", "debug"};
  static const int Levels[] = {AV_LOG_QUIET,   AV_LOG_PANIC, AV_LOG_FATAL,   AV_LOG_ERROR,
                               AV_LOG_WARNING, AV_LOG_INFO,  AV_LOG_VERBOSE, AV_LOG_DEBUG};
  int Level = 0;
  bool Found = false;
  for (size_t I = 0; I < std::size(Names) && !Found; I++)
    if (AArg == Names[I]) {
      Level = Levels[I];
      Found = true;
    }
  if (!Found && !ParseDecimal(AArg, Level)) {
    String Text = Format("Invalid loglevel \"%s\". Possible levels are numbers or:\r\n", AArg);
    for (const char* Name : Names) Text += Format("\"%s\"\r\n", Name);
    FAIL_OPTION(llError, Text);
  }
  GetLogger()->SetLogLevel(AVToLogLevel(Level));
  return 0;
}

int TCustomFFmpeg::OptDebug(const String& AOpt, const String& AArg) {
  GetLogger()->SetLogLevel(llDebug);
  return ApplyDefaultOption(AOpt, AArg);
}

int TCustomFFmpeg::OptAudioCodec(const String& AArg) {
  Faudio_codec_name = AArg;
  return ParseAs("codec:a", AArg);
}

int TCustomFFmpeg::OptVideoCodec(const String& AArg) {
  Fvideo_codec_name = AArg;
  return ParseAs("codec:v", AArg);
}

int TCustomFFmpeg::OptSubtitleCodec(const String& AArg) {
  Fsubtitle_codec_name = AArg;
  return ParseAs("codec:s", AArg);
}

int TCustomFFmpeg::OptDataCodec(const String& AArg) { return ParseAs("codec:d", AArg); }

int TCustomFFmpeg::OptAttach(const String& AArg) {
  optctx.attachments.push_back(AArg);
  return 0;
}

int TCustomFFmpeg::OptStreamId(const String& AOpt, const String& AArg) {
  size_t Colon = AArg.find(':');
  String IndexText = AArg.substr(0, Colon);
  String ValueText = Colon == String::npos ? String() : AArg.substr(Colon + 1);
  int Index = 0, Value = 0;
  if (!ParseDecimal(IndexText, Index) || !ParseDecimal(ValueText, Value) || Index == INT_MIN ||
      Value == INT_MIN)
    FAIL_OPTION(llError, Format("Invalid value \"%s\" for option \"%s\", required syntax is \"index:value\"",
                                AArg, AOpt));
  if (Index < 0 || Index > 1023)
    FAIL_OPTION(llError, Format("The value for \"%s\" was \"%s\" which is not within %d - %d", "streamid",
                                IndexText, 0, 1023));
  if (Value < 0)
    FAIL_OPTION(llError, Format("The value for \"%s\" was \"%s\" which is not within %d - %d", "streamid",
                                ValueText, 0, INT_MAX));
  if (optctx.streamid_map.size() < static_cast<size_t>(Index) + 1) optctx.streamid_map.resize(Index + 1, 0);
  optctx.streamid_map[Index] = Value;
  return 0;
}

// The recording time stamp becomes the "creation_time" metadata that muxers of today
// read: ISO 8601 in UTC.
int TCustomFFmpeg::OptRecordingTimestamp(const String& AOpt, const String& AArg) {
  int64_t Microseconds = ParseTime(AOpt, AArg, false);
  time_t Seconds = static_cast<time_t>(std::llround(static_cast<double>(Microseconds) / 1000000));
  struct tm Utc;
  gmtime_r(&Seconds, &Utc);
  String Stamp = Format("%.4d-%.2d-%.2dT%.2d:%.2d:%.2d.000000Z", Utc.tm_year + 1900, Utc.tm_mon + 1,
                        Utc.tm_mday, Utc.tm_hour, Utc.tm_min, Utc.tm_sec);
  Log(llWarning, Format("%s is deprecated, set the \"creation_time\" metadata tag instead.", AOpt));
  return ParseAs("metadata", "creation_time=" + Stamp);
}

int TCustomFFmpeg::OptPass(const String& AOpt, const String& AArg) {
  int Pass;
  try {
    Pass = StrToInt(AArg);
  } catch (const EConvertError& E) {
    FAIL_OPTION(llError, E.Message());
  }
  if (Pass < 1 || Pass > 3)
    FAIL_OPTION(llError,
                Format("The value for \"%s\" was \"%s\" which is not within %d - %d", AOpt, AArg, 1, 3));
  Fdo_pass = Pass;
  return 0;
}

int TCustomFFmpeg::OptPassLogFile(const String& AArg) {
  Fpass_logfilename_prefix = AArg;
  ApplyDefaultOption("passlogfile", AArg);  // libx264 keeps its own statistics file
  return 0;
}

int TCustomFFmpeg::OptVStatsFile(const String& AArg) {
  Fvstats_filename = AArg;
  return 0;
}

int TCustomFFmpeg::OptVStats() {
  time_t Now = time(nullptr);
  struct tm Local;
  localtime_r(&Now, &Local);
  return OptVStatsFile(Format("vstats_%.2d%.2d%.2d.log", Local.tm_hour, Local.tm_min, Local.tm_sec));
}

// The module is a file name and its arguments, separated by "|" when the text holds one
// (so that an argument may contain blanks), else by blanks.
int TCustomFFmpeg::OptVideoHook(const String& AArg) {
  char Separator = AArg.find('|') != String::npos ? '|' : ' ';
  std::vector<String> Arguments;
  for (const String& Token : SplitNonEmpty(AArg, Separator))
    if (Arguments.size() < 254) Arguments.push_back(Token);
  if (Arguments.empty() || !AddVideoHookModule(Arguments))
    RaiseError("Failed to add video hook function: " + AArg);
  Fusing_vhook = true;
  return 0;
}

int TCustomFFmpeg::OptVideoHookBitsPixel(const String& AArg) {
  try {
    SetVideoHookBitsPixel(StrToInt(AArg));
  } catch (const Exception& E) {
    FAIL_OPTION(llError, E.Message());
  }
  return 0;
}

// The row "b" also receives "b:v" and "b:a", which are the codecs' own option.
int TCustomFFmpeg::OptBitrate(const String& AOpt, const String& AArg) {
  if (AOpt != "b") return ApplyDefaultOption(AOpt, AArg);
  Log(llWarning, "Please use -b:a or -b:v, -b is ambiguous");
  return ParseAs("b:v", AArg);
}

#undef FAIL_OPTION
