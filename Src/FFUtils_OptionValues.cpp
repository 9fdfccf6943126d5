// The number and time parsers of option values.

#include "Src/FFUtils.h"
#include "platform/base/Exceptions.h"

namespace {

[[noreturn]] void RaiseExpected(const char* AKind, const String& AOptName, const String& AText) {
  throw EConvertError(Format("Expected %s for %s but found %s", AKind, AOptName, AText));
}

}  // namespace

int ParseInteger(const String& AOptName, const String& AText) {
  int Value;
  if (!TryStrToInt(AText, Value)) RaiseExpected("integer", AOptName, AText);
  return Value;
}

int64_t ParseInt64(const String& AOptName, const String& AText) {
  long long Value;
  if (!TryStrToInt64(AText, Value)) RaiseExpected("int64", AOptName, AText);
  return Value;
}

float ParseFloat(const String& AOptName, const String& AText) {
  double Value;
  if (!TryStrToFloat(AText, Value)) RaiseExpected("float", AOptName, AText);
  return static_cast<float>(Value);
}

double ParseDouble(const String& AOptName, const String& AText) {
  double Value;
  if (!TryStrToFloat(AText, Value)) RaiseExpected("double", AOptName, AText);
  return Value;
}

int64_t ParseTime(const String& AOptName, const String& AText, bool AIsDuration) {
  int64_t Microseconds = 0;
  if (FF.av_parse_time(&Microseconds, AText.c_str(), AIsDuration) < 0)
    throw EConvertError(
        Format("Invalid %s specification for %s: %s", AIsDuration ? "duration" : "date", AOptName, AText));
  return Microseconds;
}
