// Option tables: finding a row, applying one option, walking a token list.

#include "Src/FFUtils.h"
#include "platform/base/Exceptions.h"

thread_local String OptionErrorText;

namespace {

// Sets the thread's option error text and logs it as one line.
int FailOption(const String& AText, int ACode) {
  OptionErrorText = AText;
  FF.av_log(nullptr, AV_LOG_ERROR, "%s\n", AText.c_str());
  return ACode;
}

template <typename T>
const T& RowField(const TOptionDef& ARow) {
  const T* Field = std::get_if<T>(&ARow.u);
  Assert(Field != nullptr);  // the row's flags and its u disagree: a table error
  return *Field;
}

// The row for AOpt, also in its "no" form for a boolean row (then ABoolValue is 0).
const TOptionDef* FindRowOrNoForm(const TOptionTable& AOptions, std::string_view AOpt, int& ABoolValue) {
  ABoolValue = 1;
  const TOptionDef* Row = FindOption(AOptions, AOpt);
  if (!Row && AOpt.starts_with("no")) {
    Row = FindOption(AOptions, AOpt.substr(2));
    if (Row && (Row->flags & OPT_BOOL))
      ABoolValue = 0;
    else
      Row = nullptr;
  }
  return Row;
}

// The value of a typed row, or nothing for a handler row. Parsing may raise.
std::optional<TOptionValue> ParseRowValue(const TOptionDef& ARow, const String& AOpt, const String& AArg,
                                          int ABoolValue) {
  if (ARow.flags & OPT_STRING) return TOptionValue(AArg);
  if (ARow.flags & OPT_BOOL) return TOptionValue(ABoolValue);
  if (ARow.flags & OPT_INT) return TOptionValue(ParseInteger(AOpt, AArg));
  if (ARow.flags & OPT_INT64) return TOptionValue(ParseInt64(AOpt, AArg));
  if (ARow.flags & OPT_TIME) return TOptionValue(ParseTime(AOpt, AArg, true));
  if (ARow.flags & OPT_FLOAT) return TOptionValue(ParseFloat(AOpt, AArg));
  if (ARow.flags & OPT_DOUBLE) return TOptionValue(ParseDouble(AOpt, AArg));
  return std::nullopt;
}

void StoreRowValue(void* AOptCtx, const TOptionDef& ARow, const String& AOpt, TOptionValue AValue) {
  void* Destination = ARow.flags & (OPT_OFFSET | OPT_SPEC)
                          ? static_cast<char*>(AOptCtx) + RowField<TOptionOffset>(ARow).Offset
                          : RowField<void*>(ARow);
  if (ARow.flags & OPT_SPEC) {
    size_t Colon = AOpt.find(':');
    String Specifier = Colon == String::npos ? String() : AOpt.substr(Colon + 1);
    static_cast<TSpecifierOpts*>(Destination)->push_back({std::move(Specifier), std::move(AValue)});
    return;
  }
  std::visit(
      [Destination](auto&& AStored) {
        using T = std::decay_t<decltype(AStored)>;
        *static_cast<T*>(Destination) = std::move(AStored);
      },
      AValue);
}

int CallRowHandler(void* AOptCtx, const TOptionDef& ARow, const String& AOpt, const String& AArg) {
  OptionErrorText.clear();
  int Result = ARow.flags & OPT_FUNC2 ? RowField<TOptionContextHandler>(ARow)(AOptCtx, AOpt, AArg)
                                      : RowField<TOptionHandler>(ARow)(AOpt, AArg);
  if (Result >= 0) return Result;
  String Message = Format("Failed to set value \"%s\" for option \"%s\"", AArg, AOpt);
  FF.av_log(nullptr, AV_LOG_ERROR, "%s\n", Message.c_str());
  OptionErrorText = OptionErrorText.empty() ? Message : OptionErrorText + "\r\n" + Message;
  return Result;
}

}  // namespace

const TOptionDef* FindOption(const TOptionTable& AOptions, std::string_view AName) {
  std::string_view Wanted = AName.substr(0, AName.find(':'));
  for (const TOptionDef& Row : AOptions)
    if (Row.name && Wanted == Row.name) return &Row;
  return nullptr;
}

int ParseOption(void* AOptCtx, const String& AOpt, const char* AArg, const TOptionTable& AOptions) {
  int BoolValue;
  const TOptionDef* Row = FindRowOrNoForm(AOptions, AOpt, BoolValue);
  if (!Row) Row = FindOption(AOptions, "default");
  if (!Row) return FailOption(Format("Unrecognized option \"%s\"", AOpt), AVERROR(EINVAL));
  if ((Row->flags & OPT_HAS_ARG) && !AArg)
    return FailOption(Format("Missing argument for option \"%s\"", AOpt), AVERROR(EINVAL));

  String Arg = AArg ? AArg : "";
  // The value is parsed before anything is stored, so a value that does not parse
  // leaves no half-made per-stream entry behind.
  if (std::optional<TOptionValue> Value = ParseRowValue(*Row, AOpt, Arg, BoolValue)) {
    StoreRowValue(AOptCtx, *Row, AOpt, std::move(*Value));
  } else {
    int Result = CallRowHandler(AOptCtx, *Row, AOpt, Arg);
    if (Result < 0) return Result;
  }
  return Row->flags & OPT_HAS_ARG ? 1 : 0;
}

int ParseOptionList(void* AOptCtx, const std::vector<String>& ATokens, bool AHaltOnInvalidOption,
                    const TOptionTable& AOptions) {
  size_t Index = 0;
  while (Index < ATokens.size()) {
    const String& Token = ATokens[Index++];
    if (Token.size() > 1 && Token[0] == '-') {
      OptionErrorText.clear();
      const char* Arg = Index < ATokens.size() ? ATokens[Index].c_str() : nullptr;
      int Result = ParseOption(AOptCtx, Token.substr(1), Arg, AOptions);
      // Every failure has left its message in OptionErrorText.
      if (Result < 0) {
        if (!AHaltOnInvalidOption) continue;
        return Result;
      }
      Index += Result;
    } else if (AHaltOnInvalidOption) {
      return FailOption(
          Token.empty() ? String("Failed to parse options") : "Failed to parse options on " + Token, -1);
    } else {
      FF.av_log(nullptr, AV_LOG_ERROR, "Invalid option found while parsing options, ignore\n");
    }
  }
  return 0;
}

int LocateOption(const std::vector<String>& ATokens, const TOptionTable& AOptions, const String& AOptName) {
  for (size_t Index = 0; Index < ATokens.size(); Index++) {
    const String& Token = ATokens[Index];
    if (Token.empty() || Token[0] != '-') continue;
    std::string_view Opt = std::string_view(Token).substr(1);
    int BoolValue;
    const TOptionDef* Row = FindRowOrNoForm(AOptions, Opt, BoolValue);
    if ((!Row && Opt == AOptName) || (Row && AOptName == Row->name)) return static_cast<int>(Index);
    if (Row && (Row->flags & OPT_HAS_ARG)) Index++;
  }
  return -1;
}

std::optional<String> FindLogLevelArgument(const std::vector<String>& ATokens, const TOptionTable& AOptions) {
  int Index = LocateOption(ATokens, AOptions, "loglevel");
  if (Index < 0) Index = LocateOption(ATokens, AOptions, "v");
  if (Index < 0 || static_cast<size_t>(Index) + 1 >= ATokens.size()) return std::nullopt;
  return ATokens[Index + 1];
}
