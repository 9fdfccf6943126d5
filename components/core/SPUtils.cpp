#include "components/core/SPUtils.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace {

int SaturatedDifference(int AHigh, int ALow) {
  int64_t Difference = int64_t(AHigh) - int64_t(ALow);
  return int(std::clamp<int64_t>(Difference, INT_MIN, INT_MAX));
}

// Splits AText at "," into up to N fields, each read as described in the header.
template <size_t N>
std::array<int, N> ParseNumberFields(std::string_view AText) {
  std::array<int, N> Fields{};
  size_t Field = 0;
  int64_t Value = 0;
  bool Negative = false, HasDigits = false, TooLarge = false;
  auto StoreField = [&] {
    bool Fits = HasDigits && !TooLarge && (Negative || Value <= INT_MAX);
    if (Field < N && Fits) Fields[Field] = int(Negative ? -Value : Value);
    ++Field;
    Value = 0;
    Negative = HasDigits = TooLarge = false;
  };
  for (char C : AText) {
    if (Field >= N) break;
    if (C == ',') {
      StoreField();
    } else if (C >= '0' && C <= '9') {
      HasDigits = true;
      if (!TooLarge) Value = Value * 10 + (C - '0');
      TooLarge = TooLarge || Value > int64_t(INT_MAX) + 1;
    } else if (C == '-' && !HasDigits) {
      Negative = true;
    }
  }
  StoreField();
  return Fields;
}

const std::array<std::pair<TFontStyle, const char*>, 4> FontStyleWords = {{
    {fsBold, "fsbold"},
    {fsItalic, "fsitalic"},
    {fsUnderline, "fsunderline"},
    {fsStrikeOut, "fsstrikeout"},
}};

// The number of keys the section holds: no list in it can be longer.
int SectionKeyCount(const TCustomIniFile& AIni, const String& ASection) {
  TStringList Keys;
  AIni.ReadSection(ASection, Keys);
  return Keys.Count();
}

// Reads ACount items (at most as many as the section has keys) named by AItemKey(i).
template <typename TItemKey>
void ReadCountedItems(const TCustomIniFile& AIni, const String& ASection, const String& ACountKey,
                      TStrings& AList, TItemKey AItemKey) {
  int Count = AIni.ReadInteger(ASection, ACountKey, 0);
  if (Count <= 0) return;
  Count = std::min(Count, SectionKeyCount(AIni, ASection));
  for (int I = 0; I < Count; ++I) AList.Add(AIni.ReadString(ASection, AItemKey(I), String()));
}

}  // namespace

int RectangleWidth(const TRect& ARect) { return SaturatedDifference(ARect.Right, ARect.Left); }
int RectangleHeight(const TRect& ARect) { return SaturatedDifference(ARect.Bottom, ARect.Top); }
bool RectangleIsEmpty(const TRect& ARect) {
  return RectangleWidth(ARect) <= 0 || RectangleHeight(ARect) <= 0;
}

TRect RectangleWithin(const TRect& ARect, int AWidth, int AHeight) {
  const int W = std::max(AWidth, 0), H = std::max(AHeight, 0);
  return Rect(std::clamp(ARect.Left, 0, W), std::clamp(ARect.Top, 0, H), std::clamp(ARect.Right, 0, W),
              std::clamp(ARect.Bottom, 0, H));
}
void SetZeroRect(TRect& ARect) { ARect = TRect(); }
bool RectanglesEqual(const TRect& A, const TRect& B) { return A == B; }

bool RectangleInside(const TRect& AInner, const TRect& AOuter) {
  return PtInRect(AOuter, AInner.TopLeft()) && PtInRect(AOuter, AInner.BottomRight());
}

bool PointInRectangle(const TRect& ARect, const TPoint& APoint) {
  return APoint.X >= ARect.Left && APoint.X <= ARect.Right && APoint.Y >= ARect.Top &&
         APoint.Y <= ARect.Bottom;
}

bool PointIsEmpty(const TPoint& APoint) { return APoint.X == 0 || APoint.Y == 0; }
int MaxOf(int A, int B) { return A > B ? A : B; }
int MinOf(int A, int B) { return A < B ? A : B; }

TColor AverageColor(TColor A, TColor B) {
  COLORREF RgbA = ColorToRGB(A), RgbB = ColorToRGB(B);
  return TColor(RGB((GetRValue(RgbA) + GetRValue(RgbB)) / 2, (GetGValue(RgbA) + GetGValue(RgbB)) / 2,
                    (GetBValue(RgbA) + GetBValue(RgbB)) / 2));
}

TRect ParseRect(std::string_view AText) {
  auto Fields = ParseNumberFields<4>(AText);
  return Rect(Fields[0], Fields[1], Fields[2], Fields[3]);
}

TPoint ParsePoint(std::string_view AText) {
  auto Fields = ParseNumberFields<2>(AText);
  return Point(Fields[0], Fields[1]);
}

String RectToStr(const TRect& ARect) {
  return Format("%d,%d,%d,%d", ARect.Left, ARect.Top, ARect.Right, ARect.Bottom);
}

String PointToStr(const TPoint& APoint) { return Format("%d,%d", APoint.X, APoint.Y); }

TRect IniReadRect(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  return ParseRect(AIni.ReadString(ASection, AKey, "0,0,0,0"));
}

void IniWriteRect(TCustomIniFile& AIni, const String& ASection, const String& AKey, const TRect& ARect) {
  AIni.WriteString(ASection, AKey, RectToStr(ARect));
}

TPoint IniReadPoint(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  return ParsePoint(AIni.ReadString(ASection, AKey, "0,0"));
}

void IniWritePoint(TCustomIniFile& AIni, const String& ASection, const String& AKey, const TPoint& APoint) {
  AIni.WriteString(ASection, AKey, PointToStr(APoint));
}

bool IniReadBoolean(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  return AIni.ReadInteger(ASection, AKey, 0) == 1;
}

void IniWriteBoolean(TCustomIniFile& AIni, const String& ASection, const String& AKey, bool AValue) {
  AIni.WriteInteger(ASection, AKey, AValue ? 1 : 0);
}

TFontStyles IniReadFontStyles(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  String Value = AIni.ReadString(ASection, AKey, String());
  TFontStyles Styles;
  for (const auto& [Style, Word] : FontStyleWords)
    if (Value.find(Word) != String::npos) Styles.Include(Style);
  return Styles;
}

void IniWriteFontStyles(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                        TFontStyles AStyles) {
  String Value;
  for (const auto& [Style, Word] : FontStyleWords) {
    if (!AStyles.Contains(Style)) continue;
    if (!Value.empty()) Value += ",";
    Value += Word;
  }
  AIni.WriteString(ASection, AKey, Value);
}

TAlignment IniReadAlignment(const TCustomIniFile& AIni, const String& ASection, const String& AKey) {
  String Value = AIni.ReadString(ASection, AKey, "tacenter");
  if (Value == "tacenter") return taCenter;
  if (Value == "taleftjustify") return taLeftJustify;
  return taRightJustify;
}

void IniWriteAlignment(TCustomIniFile& AIni, const String& ASection, const String& AKey, TAlignment AValue) {
  const char* Word = AValue == taCenter        ? "tacenter"
                     : AValue == taLeftJustify ? "taleftjustify"
                                               : "tarightjustify";
  AIni.WriteString(ASection, AKey, Word);
}

void IniReadTextLines(const TCustomIniFile& AIni, const String& ASection, const String& AKey,
                      TStrings& AList) {
  ReadCountedItems(AIni, ASection, AKey + "linecount", AList,
                   [&](int AIndex) { return AKey + "line" + IntToStr(AIndex); });
}

void IniWriteTextLines(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                       const TStrings& AList) {
  AIni.WriteInteger(ASection, AKey + "linecount", AList.Count());
  for (int I = 0; I < AList.Count(); ++I)
    AIni.WriteString(ASection, AKey + "line" + IntToStr(I), AList.Strings(I));
}

void IniReadStringList(const TCustomIniFile& AIni, const String& ASection, const String& AKey,
                       TStrings& AList) {
  ReadCountedItems(AIni, ASection, AKey + "count", AList, [](int AIndex) { return IntToStr(AIndex); });
}

void IniWriteStringList(TCustomIniFile& AIni, const String& ASection, const String& AKey,
                        const TStrings& AList) {
  AIni.WriteInteger(ASection, AKey + "count", AList.Count());
  for (int I = 0; I < AList.Count(); ++I) AIni.WriteString(ASection, IntToStr(I), AList.Strings(I));
}
