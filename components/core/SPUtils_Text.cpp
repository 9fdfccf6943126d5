#include <functional>

#include "components/core/SPUtils.h"
#include "platform/gdi/Text.h"

namespace {

const String TextEllipsis = "...";

bool HasOddFontHeight(TCanvas& ACanvas) { return ACanvas.Font().Height() % 2 != 0; }

// Drops the last code point of a UTF-8 text.
void EraseLastCharacter(String& AText) {
  size_t Start = AText.size();
  while (Start > 0 && (static_cast<unsigned char>(AText[--Start]) & 0xC0) == 0x80) {
  }
  AText.erase(Start);
}

void FitToWidth(String& AText, int AWidth, const std::function<int(const String&)>& AMeasure) {
  if (AMeasure(AText) <= AWidth) return;
  while (!AText.empty()) {
    EraseLastCharacter(AText);
    if (AMeasure(AText + TextEllipsis) <= AWidth) break;
  }
  AText += TextEllipsis;
}

TRect WideTextExtent(TCanvas& ACanvas, const String& AText) {
  TRect Extent;
  DrawWideText(ACanvas, AText, Extent, DT_CALCRECT);
  return Extent;
}

}  // namespace

int DrawWideText(TCanvas& ACanvas, const String& AText, TRect& ARect, unsigned AFlags) {
  return DrawText(ACanvas.Handle(), AText, ARect, AFlags);
}

int WideTextWidth(TCanvas& ACanvas, const String& AText) { return WideTextExtent(ACanvas, AText).Width(); }

int WideTextHeight(TCanvas& ACanvas, const String& AText) { return WideTextExtent(ACanvas, AText).Height(); }

void FitTextToWidth(TCanvas& ACanvas, String& AText, int AWidth) {
  FitToWidth(AText, AWidth, [&](const String& AFitted) { return ACanvas.TextWidth(AFitted); });
}

void FitWideTextToWidth(TCanvas& ACanvas, String& AText, int AWidth) {
  FitToWidth(AText, AWidth, [&](const String& AFitted) { return WideTextWidth(ACanvas, AFitted); });
}

void DrawVCenteredText(TCanvas& ACanvas, const String& AText, const TRect& ARect) {
  DrawAlignedLineText(ACanvas, AText, ARect, 0);
}

void DrawAlignedLineText(TCanvas& ACanvas, const String& AText, const TRect& ARect, int AAlignment) {
  static constexpr unsigned AlignmentFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  if (AText.empty() || AAlignment < 0 || AAlignment > 2) return;
  TRect Box = ARect;
  if (HasOddFontHeight(ACanvas)) --Box.Top;
  DrawWideText(ACanvas, AText, Box, DT_SINGLELINE | DT_VCENTER | AlignmentFlags[AAlignment]);
}

void DrawIndentedText(TCanvas& ACanvas, const String& AText, const TRect& ARect) {
  DrawIndentedTextOffset(ACanvas, AText, ARect, 0);
}

void DrawIndentedTextOffset(TCanvas& ACanvas, const String& AText, const TRect& ARect, int AOffset) {
  if (AText.empty()) return;
  int Y = ARect.Top + ARect.Height() / 2 - ACanvas.TextHeight(AText) / 2;
  if (HasOddFontHeight(ACanvas)) --Y;
  ACanvas.TextRect(ARect, ARect.Left + AOffset + 2, Y, AText);
}

void DrawWordWrapText(TCanvas& ACanvas, const String& AText, const TRect& ARect, bool ABreakLongWords) {
  if (AText.empty()) return;
  TRect Box = ARect;
  if (HasOddFontHeight(ACanvas)) --Box.Top;
  // The caption is rebuilt character by character; Word holds what was taken since the
  // last space, and a word that overflows the width is broken or cut right there.
  String Output;
  size_t OutputLength = 0;
  String Word;
  bool SkippingRestOfWord = false;
  for (size_t Pos = 0; Pos < AText.size();) {
    const char32_t Character = Utf8Next(AText, Pos);
    const bool IsSpace = Character == U' ';
    if (SkippingRestOfWord && !IsSpace) continue;
    SkippingRestOfWord = false;
    Utf8Append(Word, Character);
    if (!IsSpace && WideTextWidth(ACanvas, Word) > Box.Width()) {
      Word.clear();
      if (ABreakLongWords) {
        Output += ' ';
        Utf8Append(Output, Character);
        OutputLength += 2;
        continue;
      }
      if (OutputLength > 3) {
        for (int I = 0; I < 3; ++I) EraseLastCharacter(Output);
        Output += TextEllipsis;
      }
      Output += ' ';
      ++OutputLength;
      SkippingRestOfWord = true;
      continue;
    }
    Utf8Append(Output, Character);
    ++OutputLength;
    if (IsSpace) Word.clear();
  }
  DrawWideText(ACanvas, Output, Box, DT_WORDBREAK | DT_CENTER);
}
