// Applying an option text to a task's pending option state.

#include "Src/FFmpeg.h"
#include "Src/MyUtils.h"

void TCustomFFmpeg::ParseOptions(const String& AText) {
  if (AText.empty()) return;
  Log(llInfo, "ParseOptions: " + AText);
  std::vector<String> Tokens = SplitCommandLine(AText);

  // The log level applies before anything else, so that the other options are already
  // logged at the level asked for.
  if (std::optional<String> Level = FindLogLevelArgument(Tokens, options)) OptLogLevel(*Level);

  int Result;
  try {
    Result = ParseOptionList(&optctx, Tokens, HaltOnInvalidOption, options);
  } catch (const FFmpegException&) {
    throw;
  } catch (const Exception& E) {
    // A value that does not convert ("-ar x") fails the text whatever
    // HaltOnInvalidOption says: the parser gives no way to pass over it.
    RaiseError(E.Message());
  }
  if (HaltOnInvalidOption && Result < 0)
    RaiseError(!OptionErrorText.empty() ? OptionErrorText : ErrorToText("Failed to parse options", Result));
}

bool TCustomFFmpeg::IsSwitchGiven(const String& AText, const String& ASwitch) const {
  return LocateOption(SplitCommandLine(AText), options, ASwitch) >= 0;
}

int TCustomFFmpeg::ParseAs(const String& AName, const String& AArg) {
  return ParseOption(&optctx, AName, AArg.c_str(), options);
}
