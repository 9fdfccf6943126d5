#include "platform/base/Strings.h"

#include <locale.h>

#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

#include "platform/base/Exceptions.h"

namespace {

[[noreturn]] void RaiseFormatError(std::string_view AFormat) {
  throw EConvertError(Format("Format '%s' invalid or incompatible with argument", AFormat));
}

String PrintfOne(const String& ASpec, auto AValue) {
  int Size = std::snprintf(nullptr, 0, ASpec.c_str(), AValue);
  String Result(static_cast<size_t>(Size > 0 ? Size : 0), '\0');
  std::snprintf(Result.data(), Result.size() + 1, ASpec.c_str(), AValue);
  return Result;
}

// Formats one argument for the conversion character AConv; ASpec holds the flags,
// width and precision that stood between '%' and the conversion.
String FormatOne(std::string_view AFormat, const String& ASpec, char AConv, const FormatArg& AArg) {
  const FormatArg::Value& V = AArg.Get();
  switch (AConv) {
    case 'd':
    case 'i':
      if (auto* I = std::get_if<long long>(&V)) return PrintfOne("%" + ASpec + "lld", *I);
      if (auto* U = std::get_if<unsigned long long>(&V)) return PrintfOne("%" + ASpec + "llu", *U);
      break;
    case 'u':
    case 'x':
    case 'X':
      if (auto* I = std::get_if<long long>(&V))
        return PrintfOne("%" + ASpec + "ll" + AConv, static_cast<unsigned long long>(*I));
      if (auto* U = std::get_if<unsigned long long>(&V)) return PrintfOne("%" + ASpec + "ll" + AConv, *U);
      break;
    case 'f':
    case 'e':
    case 'E':
    case 'g':
    case 'G': {
      if (auto* D = std::get_if<double>(&V)) return PrintfOne("%" + ASpec + AConv, *D);
      if (auto* I = std::get_if<long long>(&V))
        return PrintfOne("%" + ASpec + AConv, static_cast<double>(*I));
      if (auto* U = std::get_if<unsigned long long>(&V))
        return PrintfOne("%" + ASpec + AConv, static_cast<double>(*U));
      break;
    }
    case 's':
    case 'c':
      if (auto* S = std::get_if<std::string_view>(&V)) {
        String Text(*S);
        return PrintfOne("%" + ASpec + "s", Text.c_str());
      }
      if (AConv == 'c') {
        if (auto* I = std::get_if<long long>(&V)) {
          String Text;
          Utf8Append(Text, static_cast<char32_t>(*I));
          return Text;
        }
      }
      break;
    case 'p':
      if (auto* P = std::get_if<const void*>(&V)) return PrintfOne("%" + ASpec + "p", *P);
      break;
  }
  RaiseFormatError(AFormat);
}

bool IsBlank(char C) { return static_cast<unsigned char>(C) <= ' '; }

}  // namespace

String FormatList(std::string_view AFormat, std::initializer_list<const FormatArg*> AArgs) {
  String Result;
  Result.reserve(AFormat.size() + 16 * AArgs.size());
  auto Arg = AArgs.begin();
  for (size_t I = 0; I < AFormat.size(); ++I) {
    char C = AFormat[I];
    if (C != '%') {
      Result += C;
      continue;
    }
    if (I + 1 < AFormat.size() && AFormat[I + 1] == '%') {
      Result += '%';
      ++I;
      continue;
    }
    size_t SpecStart = I + 1;
    size_t J = SpecStart;
    while (J < AFormat.size() && String("-+ #0").find(AFormat[J]) != String::npos) ++J;
    while (J < AFormat.size() && (std::isdigit(static_cast<unsigned char>(AFormat[J])) || AFormat[J] == '.'))
      ++J;
    // Length modifiers are accepted and ignored: the argument carries its own width.
    size_t SpecEnd = J;
    while (J < AFormat.size() && String("hlLqjzt").find(AFormat[J]) != String::npos) ++J;
    if (J >= AFormat.size() || Arg == AArgs.end()) RaiseFormatError(AFormat);
    String Spec(AFormat.substr(SpecStart, SpecEnd - SpecStart));
    Result += FormatOne(AFormat, Spec, AFormat[J], **Arg);
    ++Arg;
    I = J;
  }
  return Result;
}

String IntToStr(long long AValue) { return std::to_string(AValue); }

String IntToHex(unsigned long long AValue, int ADigits) {
  return PrintfOne("%0" + std::to_string(ADigits) + "llX", AValue);
}

bool TryStrToInt64(const String& AText, long long& AValue) {
  size_t I = 0;
  while (I < AText.size() && AText[I] == ' ') ++I;
  bool Negative = false;
  if (I < AText.size() && (AText[I] == '-' || AText[I] == '+')) Negative = AText[I++] == '-';
  int Base = 10;
  if (I < AText.size() && AText[I] == '$') {
    Base = 16;
    ++I;
  } else if (I + 1 < AText.size() && AText[I] == '0' && (AText[I + 1] == 'x' || AText[I + 1] == 'X')) {
    Base = 16;
    I += 2;
  }
  if (I >= AText.size()) return false;
  unsigned long long Magnitude = 0;
  for (; I < AText.size(); ++I) {
    int Digit;
    char C = AText[I];
    if (C >= '0' && C <= '9')
      Digit = C - '0';
    else if (Base == 16 && C >= 'a' && C <= 'f')
      Digit = C - 'a' + 10;
    else if (Base == 16 && C >= 'A' && C <= 'F')
      Digit = C - 'A' + 10;
    else
      return false;
    if (Magnitude > (ULLONG_MAX - Digit) / Base) return false;
    Magnitude = Magnitude * Base + Digit;
  }
  if (Base == 10) {
    unsigned long long Limit = Negative ? 1ULL + LLONG_MAX : LLONG_MAX;
    if (Magnitude > Limit) return false;
    AValue = Negative ? static_cast<long long>(0 - Magnitude) : static_cast<long long>(Magnitude);
  } else {
    // Hexadecimal texts give the bit pattern, as the class library does ("$FFFFFFFF").
    AValue = static_cast<long long>(Negative ? 0 - Magnitude : Magnitude);
  }
  return true;
}

bool TryStrToInt(const String& AText, int& AValue) {
  long long Value;
  if (!TryStrToInt64(AText, Value)) return false;
  bool Hex = AText.find_first_of("xX$") != String::npos;
  if (Hex && Value >= 0 && Value <= static_cast<long long>(UINT_MAX))
    Value = static_cast<int>(static_cast<unsigned>(Value));
  if (Value < INT_MIN || Value > INT_MAX) return false;
  AValue = static_cast<int>(Value);
  return true;
}

int StrToInt(const String& AText) {
  int Value;
  if (!TryStrToInt(AText, Value)) throw EConvertError(Format("'%s' is not a valid integer value", AText));
  return Value;
}

long long StrToInt64(const String& AText) {
  long long Value;
  if (!TryStrToInt64(AText, Value)) throw EConvertError(Format("'%s' is not a valid integer value", AText));
  return Value;
}

int StrToIntDef(const String& AText, int ADefault) {
  int Value;
  return TryStrToInt(AText, Value) ? Value : ADefault;
}

long long StrToInt64Def(const String& AText, long long ADefault) {
  long long Value;
  return TryStrToInt64(AText, Value) ? Value : ADefault;
}

bool TryStrToFloat(const String& AText, double& AValue) {
  String Text = Trim(AText);
  if (Text.empty()) return false;
  // strtod follows the C locale's syntax here because the program never calls
  // setlocale for LC_NUMERIC.
  char* End = nullptr;
  errno = 0;
  double Value = std::strtod(Text.c_str(), &End);
  if (End != Text.c_str() + Text.size() || errno == ERANGE) return false;
  AValue = Value;
  return true;
}

double StrToFloat(const String& AText) {
  double Value;
  if (!TryStrToFloat(AText, Value))
    throw EConvertError(Format("'%s' is not a valid floating point value", AText));
  return Value;
}

double StrToFloatDef(const String& AText, double ADefault) {
  double Value;
  return TryStrToFloat(AText, Value) ? Value : ADefault;
}

String FloatToStr(double AValue) {
  String Text = PrintfOne("%.15g", AValue);
  return Text;
}

String Trim(std::string_view AText) { return TrimLeft(TrimRight(AText)); }

String TrimLeft(std::string_view AText) {
  size_t I = 0;
  while (I < AText.size() && IsBlank(AText[I])) ++I;
  return String(AText.substr(I));
}

String TrimRight(std::string_view AText) {
  size_t N = AText.size();
  while (N > 0 && IsBlank(AText[N - 1])) --N;
  return String(AText.substr(0, N));
}

namespace {

// Case tables for the whole of Unicode, independent of the process locale (which the
// program leaves at "C" so that number formatting stays fixed). C.UTF-8 is part of
// every Debian system; without it only ASCII letters are mapped.
locale_t UnicodeCaseLocale() {
  static locale_t Locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return Locale;
}

wint_t ToUpper(wint_t C) { return UnicodeCaseLocale() ? towupper_l(C, UnicodeCaseLocale()) : towupper(C); }
wint_t ToLower(wint_t C) { return UnicodeCaseLocale() ? towlower_l(C, UnicodeCaseLocale()) : towlower(C); }

String MapCase(std::string_view AText, wint_t (*AMap)(wint_t)) {
  String Result;
  Result.reserve(AText.size());
  size_t Pos = 0;
  while (Pos < AText.size()) {
    unsigned char C = static_cast<unsigned char>(AText[Pos]);
    if (C < 0x80) {
      Result += static_cast<char>(AMap == ToUpper ? std::toupper(C) : std::tolower(C));
      ++Pos;
      continue;
    }
    Utf8Append(Result, static_cast<char32_t>(AMap(static_cast<wint_t>(Utf8Next(AText, Pos)))));
  }
  return Result;
}

char32_t FoldCase(char32_t C) {
  if (C < 0x80) return static_cast<char32_t>(std::tolower(static_cast<int>(C)));
  return static_cast<char32_t>(ToLower(static_cast<wint_t>(C)));
}

}  // namespace

String UpperCase(std::string_view AText) { return MapCase(AText, ToUpper); }
String LowerCase(std::string_view AText) { return MapCase(AText, ToLower); }

int CompareText(std::string_view A, std::string_view B) {
  size_t I = 0, J = 0;
  while (I < A.size() && J < B.size()) {
    char32_t CA = FoldCase(Utf8Next(A, I));
    char32_t CB = FoldCase(Utf8Next(B, J));
    if (CA != CB) return CA < CB ? -1 : 1;
  }
  if (I < A.size()) return 1;
  if (J < B.size()) return -1;
  return 0;
}

bool SameText(std::string_view A, std::string_view B) { return CompareText(A, B) == 0; }

int CompareStr(std::string_view A, std::string_view B) {
  int R = A.compare(B);
  return R < 0 ? -1 : (R > 0 ? 1 : 0);
}

bool StartsText(std::string_view ASubText, std::string_view AText) {
  return AText.size() >= ASubText.size() && SameText(AText.substr(0, ASubText.size()), ASubText);
}

bool EndsText(std::string_view ASubText, std::string_view AText) {
  return AText.size() >= ASubText.size() && SameText(AText.substr(AText.size() - ASubText.size()), ASubText);
}

std::vector<String> SplitNonEmpty(std::string_view AText, char ADelimiter) {
  std::vector<String> Pieces;
  size_t Start = 0;
  while (Start <= AText.size()) {
    size_t End = AText.find(ADelimiter, Start);
    if (End == std::string_view::npos) End = AText.size();
    if (End > Start) Pieces.emplace_back(AText.substr(Start, End - Start));
    Start = End + 1;
  }
  return Pieces;
}

String StringReplaceAll(std::string_view AText, std::string_view AOld, std::string_view ANew) {
  if (AOld.empty()) return String(AText);
  String Result;
  size_t Pos = 0;
  for (size_t Found; (Found = AText.find(AOld, Pos)) != std::string_view::npos; Pos = Found + AOld.size()) {
    Result.append(AText.substr(Pos, Found - Pos));
    Result.append(ANew);
  }
  Result.append(AText.substr(Pos));
  return Result;
}

char32_t Utf8Next(std::string_view AText, size_t& APos) {
  auto Byte = [&](size_t I) { return static_cast<unsigned char>(AText[I]); };
  unsigned char C = Byte(APos);
  int Length;
  char32_t Code;
  if (C < 0x80) {
    ++APos;
    return C;
  } else if ((C & 0xE0) == 0xC0) {
    Length = 2;
    Code = C & 0x1F;
  } else if ((C & 0xF0) == 0xE0) {
    Length = 3;
    Code = C & 0x0F;
  } else if ((C & 0xF8) == 0xF0) {
    Length = 4;
    Code = C & 0x07;
  } else {
    ++APos;
    return 0xFFFD;
  }
  if (APos + Length > AText.size()) {
    ++APos;
    return 0xFFFD;
  }
  for (int K = 1; K < Length; ++K) {
    unsigned char Next = Byte(APos + K);
    if ((Next & 0xC0) != 0x80) {
      ++APos;
      return 0xFFFD;
    }
    Code = (Code << 6) | (Next & 0x3F);
  }
  static constexpr char32_t MinimumForLength[] = {0, 0, 0x80, 0x800, 0x10000};
  if (Code < MinimumForLength[Length] || Code > 0x10FFFF || (Code >= 0xD800 && Code <= 0xDFFF)) {
    ++APos;
    return 0xFFFD;
  }
  APos += Length;
  return Code;
}

void Utf8Append(String& AText, char32_t C) {
  if (C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)) C = 0xFFFD;
  if (C < 0x80) {
    AText += static_cast<char>(C);
  } else if (C < 0x800) {
    AText += static_cast<char>(0xC0 | (C >> 6));
    AText += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    AText += static_cast<char>(0xE0 | (C >> 12));
    AText += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    AText += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    AText += static_cast<char>(0xF0 | (C >> 18));
    AText += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    AText += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    AText += static_cast<char>(0x80 | (C & 0x3F));
  }
}

size_t Utf8Length(std::string_view AText) {
  size_t Count = 0;
  for (size_t Pos = 0; Pos < AText.size(); ++Count) Utf8Next(AText, Pos);
  return Count;
}

bool IsValidUtf8(std::string_view AText) {
  size_t Pos = 0;
  while (Pos < AText.size()) {
    size_t Before = Pos;
    char32_t C = Utf8Next(AText, Pos);
    // A real U+FFFD is three bytes; a replacement for a bad byte advances one.
    if (C == 0xFFFD && Pos - Before != 3) return false;
  }
  return true;
}

size_t Utf8FittingBytes(std::string_view AText, size_t ACapacity) {
  size_t Length = std::min(AText.size(), ACapacity - 1);
  while (Length > 0 && Length < AText.size() && (static_cast<unsigned char>(AText[Length]) & 0xC0) == 0x80)
    --Length;
  return Length;
}
