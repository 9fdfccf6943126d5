// TFont: a LOGFONT described by the class library's properties.

#include "platform/gdi/Graphics.h"

namespace {

constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

}  // namespace

TFont::TFont() = default;

void TFont::PropertyChanged() {
  FHandle.reset();
  Changed();
}

void TFont::SetName(const String& AName) {
  if (AName == FName) return;
  FName = AName;
  PropertyChanged();
}

void TFont::SetHeight(int AHeight) {
  if (AHeight == FHeight) return;
  FHeight = AHeight;
  PropertyChanged();
}

int TFont::Size() const { return -MulDiv(FHeight, kPointsPerInch, kPixelsPerInch); }

void TFont::SetSize(int ASize) { SetHeight(-MulDiv(ASize, kPixelsPerInch, kPointsPerInch)); }

void TFont::SetStyle(TFontStyles AStyle) {
  if (AStyle == FStyle) return;
  FStyle = AStyle;
  PropertyChanged();
}

void TFont::SetColor(TColor AColor) {
  if (AColor == FColor) return;
  FColor = AColor;
  // The colour is the device context's text colour, not part of the font handle.
  Changed();
}

void TFont::SetCharset(uint8_t ACharset) {
  if (ACharset == FCharset) return;
  FCharset = ACharset;
  PropertyChanged();
}

void TFont::SetOrientation(int AOrientation) {
  if (AOrientation == FOrientation) return;
  FOrientation = AOrientation;
  PropertyChanged();
}

void TFont::Assign(const TPersistent& APersistent) {
  const auto* Source = dynamic_cast<const TFont*>(&APersistent);
  if (!Source) return TPersistent::Assign(APersistent);
  if (Source == this) return;
  const TFont& ASource = *Source;
  FName = ASource.FName;
  FHeight = ASource.FHeight;
  FStyle = ASource.FStyle;
  FColor = ASource.FColor;
  FCharset = ASource.FCharset;
  FOrientation = ASource.FOrientation;
  PropertyChanged();
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONT LogFont;
    LogFont.lfHeight = FHeight;
    LogFont.lfEscapement = FOrientation;
    LogFont.lfOrientation = FOrientation;
    LogFont.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    LogFont.lfItalic = FStyle.Contains(fsItalic);
    LogFont.lfUnderline = FStyle.Contains(fsUnderline);
    LogFont.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    LogFont.lfCharSet = FCharset;
    LogFont.lfFaceName = FName;
    FHandle.reset(CreateFontIndirect(LogFont));
  }
  return FHandle.get();
}
