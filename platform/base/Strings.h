#pragma once
// Text is UTF-8 in a std::string everywhere in the program. These helpers give the
// class library's string routines: formatting, number conversions, trimming,
// case-insensitive comparison and code-point iteration.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

using String = std::string;

// One argument of Format, type-erased so that any integer width, any string type
// and floating-point values can be passed without the caller matching printf's
// length modifiers.
class FormatArg {
 public:
  template <typename T>
  requires(std::is_integral_v<T>&& std::is_signed_v<T> && !std::is_same_v<T, bool> &&
           !std::is_same_v<T, char>) FormatArg(T AValue)
      : FValue(static_cast<long long>(AValue)) {}
  template <typename T>
  requires(std::is_integral_v<T>&& std::is_unsigned_v<T> && !std::is_same_v<T, bool>) FormatArg(T AValue)
      : FValue(static_cast<unsigned long long>(AValue)) {}
  template <typename T>
  requires std::is_enum_v<T> FormatArg(T AValue) : FValue(static_cast<long long>(AValue)) {}
  FormatArg(bool AValue) : FValue(static_cast<long long>(AValue)) {}
  FormatArg(char AValue) : FChar(AValue) { FValue = std::string_view(&FChar, 1); }
  FormatArg(double AValue) : FValue(AValue) {}
  FormatArg(float AValue) : FValue(static_cast<double>(AValue)) {}
  FormatArg(long double AValue) : FValue(static_cast<double>(AValue)) {}
  FormatArg(const char* AValue) : FValue(std::string_view(AValue ? AValue : "")) {}
  FormatArg(const String& AValue) : FValue(std::string_view(AValue)) {}
  FormatArg(std::string_view AValue) : FValue(AValue) {}
  FormatArg(const void* AValue) : FValue(AValue) {}

  FormatArg(const FormatArg&) = delete;
  FormatArg& operator=(const FormatArg&) = delete;

  using Value = std::variant<long long, unsigned long long, double, std::string_view, const void*>;
  const Value& Get() const { return FValue; }

 private:
  Value FValue;
  char FChar = 0;
};

// printf-style formatting with the meanings the program uses: %d %u %x %X with any
// integer, %s with any text, %f %e %g with floating point, %p, %c, %%, and flags,
// width and precision ("%.2d", "%-10s", "%04X", "%.2f"). A conversion that does not
// fit its argument, or a missing argument, raises EConvertError.
String FormatList(std::string_view AFormat, std::initializer_list<const FormatArg*> AArgs);

template <typename... Args>
String Format(std::string_view AFormat, const Args&... AArgs) {
  return FormatList(AFormat, {&static_cast<const FormatArg&>(FormatArg(AArgs))...});
}

String IntToStr(long long AValue);
String IntToHex(unsigned long long AValue, int ADigits);

// Strict: only optional blanks, an optional sign and decimal digits (or "0x"/"$" hex)
// are accepted; anything else, or a value out of range, raises EConvertError
// ("'%s' is not a valid integer value").
int StrToInt(const String& AText);
long long StrToInt64(const String& AText);
int StrToIntDef(const String& AText, int ADefault);
long long StrToInt64Def(const String& AText, long long ADefault);
bool TryStrToInt(const String& AText, int& AValue);
bool TryStrToInt64(const String& AText, long long& AValue);

// Floating point in the program's fixed "C" syntax ('.' as decimal separator).
double StrToFloat(const String& AText);
bool TryStrToFloat(const String& AText, double& AValue);
double StrToFloatDef(const String& AText, double ADefault);
String FloatToStr(double AValue);

String Trim(std::string_view AText);
String TrimLeft(std::string_view AText);
String TrimRight(std::string_view AText);

// Case mapping and comparison without regard to letter case work on whole code
// points (ASCII and the Latin, Greek and Cyrillic letters of the BMP through towupper).
String UpperCase(std::string_view AText);
String LowerCase(std::string_view AText);
bool SameText(std::string_view A, std::string_view B);
int CompareText(std::string_view A, std::string_view B);
int CompareStr(std::string_view A, std::string_view B);

bool StartsText(std::string_view ASubText, std::string_view AText);
bool EndsText(std::string_view ASubText, std::string_view AText);
// The non-empty pieces of AText between ADelimiter characters ("/a//b/" gives a, b).
std::vector<String> SplitNonEmpty(std::string_view AText, char ADelimiter);
String StringReplaceAll(std::string_view AText, std::string_view AOld, std::string_view ANew);

// Code points of UTF-8 text. A malformed byte yields U+FFFD and advances one byte.
char32_t Utf8Next(std::string_view AText, size_t& APos);
void Utf8Append(String& AText, char32_t ACodePoint);
size_t Utf8Length(std::string_view AText);
bool IsValidUtf8(std::string_view AText);
// The number of bytes of AText that fit in a buffer of ACapacity bytes with its
// terminating zero, without splitting a character.
size_t Utf8FittingBytes(std::string_view AText, size_t ACapacity);
