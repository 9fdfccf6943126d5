// Presets: name=value lines, given as a task's preset text or read from a preset file
// ("-apre", "-vpre", "-spre", "-fpre"). A name is a codec choice (acodec, vcodec,
// scodec, dcodec) or an FFmpeg codec, format or scaler option; the converter's own
// option names are not available here.

#include "Src/FFmpeg.h"
#include "platform/base/Files.h"

namespace {

struct TPresetLine {
  String Text;
  String Name;
  String Value;
};

// The lines that carry a setting: trimmed, without empty lines and "#" comments. Line
// breaks may be CR LF, CR, LF or the text "<CRLF>", so that a one-line text can carry
// several lines.
std::vector<TPresetLine> PresetLines(const String& AText) {
  String Text = StringReplaceAll(StringReplaceAll(Trim(AText), "\r\n", "\n"), "\r", "\n");
  Text = StringReplaceAll(Text, "<CRLF>", "\n");
  std::vector<TPresetLine> Lines;
  for (const String& Raw : SplitNonEmpty(Text, '\n')) {
    String Line = Trim(Raw);
    if (Line.empty() || Line[0] == '#') continue;
    size_t Equal = Line.find('=');
    Lines.push_back({Line, Line.substr(0, Equal), Equal == String::npos ? String() : Line.substr(Equal + 1)});
  }
  return Lines;
}

String AppendMessage(const String& AText, const String& AMessage) {
  return AText.empty() ? AMessage : AText + "\r\n" + AMessage;
}

}  // namespace

int TCustomFFmpeg::ApplyPresetLine(const String& AName, const String& AValue) {
  if (SameText(AName, "acodec")) return OptAudioCodec(AValue);
  if (SameText(AName, "vcodec")) return OptVideoCodec(AValue);
  if (SameText(AName, "scodec")) return OptSubtitleCodec(AValue);
  if (SameText(AName, "dcodec")) return OptDataCodec(AValue);
  return ApplyDefaultOption(AName, AValue);
}

void TCustomFFmpeg::ParsePresets(const String& AText) {
  if (AText.empty()) return;
  Log(llInfo, "ParsePresets: " + AText);
  for (const TPresetLine& Line : PresetLines(AText)) {
    if (Line.Name.empty() || Line.Value.empty()) {
      OptionErrorText = Format("Invalid syntax: \"%s\"", Line.Text);
      if (HaltOnInvalidOption) RaiseError(OptionErrorText);
      Log(llError, OptionErrorText);
      continue;
    }
    OptionErrorText.clear();
    if (ApplyPresetLine(Line.Name, Line.Value) >= 0) continue;
    String Message = Format("Invalid option or argument: \"%s\", parsed as \"%s\" = \"%s\"", Line.Text,
                            Line.Name, Line.Value);
    Log(llError, Message);
    OptionErrorText = AppendMessage(OptionErrorText, Message);
    if (HaltOnInvalidOption) RaiseError(OptionErrorText);
  }
}

int TCustomFFmpeg::OptPresetFile(const String& AArg) {
  if (!FileExists(AArg)) {
    OptionErrorText = Format("Preset file \"%s\" not found", AArg);
    Log(llError, OptionErrorText);
    return AVERROR(EINVAL);
  }
  for (const TPresetLine& Line : PresetLines(ReadFileToString(AArg))) {
    if (Line.Name.empty() || Line.Value.empty()) {
      OptionErrorText = Format("%s: Invalid syntax: \"%s\"", AArg, Line.Text);
      Log(llError, OptionErrorText);
      return AVERROR(EINVAL);
    }
    OptionErrorText.clear();
    int Result = ApplyPresetLine(Line.Name, Line.Value);
    if (Result >= 0) continue;
    String Message = Format("%s: Invalid option or argument: \"%s\", parsed as \"%s\" = \"%s\"", AArg,
                            Line.Text, Line.Name, Line.Value);
    Log(llError, Message);
    OptionErrorText = AppendMessage(OptionErrorText, Message);
    if (HaltOnInvalidOption) return Result;
  }
  return 0;
}
