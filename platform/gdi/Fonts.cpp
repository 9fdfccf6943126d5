#include "platform/gdi/Fonts.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontCacheInternal.h"

namespace {

// Heights beyond this many pixels are drawn at this size: a font from a hostile skin
// file must not make one glyph allocate gigabytes.
constexpr int MaxFontPixels = 1000;

TFaceRequest FaceRequestOf(const LOGFONT& ALogFont) {
  TFaceRequest request;
  request.FaceName = Trim(ALogFont.lfFaceName).empty() ? String(DefaultFontName) : ALogFont.lfFaceName;
  const int height = ALogFont.lfHeight == 0 ? DefaultFontHeight : ALogFont.lfHeight;
  request.Height = std::clamp(height, -MaxFontPixels, MaxFontPixels);
  request.Weight = ALogFont.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp(ALogFont.lfWeight, 1, 1000);
  request.Italic = ALogFont.lfItalic != 0;
  request.FixedPitch = (ALogFont.lfPitchAndFamily & 0x03) == FIXED_PITCH;
  return request;
}

int QuarterTurnsOf(int AEscapement) {
  const long turns = std::lround(AEscapement / 900.0) % 4;
  return static_cast<int>(turns < 0 ? turns + 4 : turns);
}

}  // namespace

TFontObject::TFontObject(const LOGFONT& ALogFont) : FLogFont(ALogFont) {
  const TFaceRequest request = FaceRequestOf(ALogFont);
  FFace = &ResolveFace(request);
  const TFaceMetrics& metrics = FFace->Metrics();
  FTextMetric.tmAscent = metrics.Ascent;
  FTextMetric.tmDescent = metrics.Descent;
  FTextMetric.tmHeight = metrics.Ascent + metrics.Descent;
  FTextMetric.tmInternalLeading = FTextMetric.tmHeight - metrics.EmHeight;
  FTextMetric.tmExternalLeading = metrics.ExternalLeading;
  FTextMetric.tmAveCharWidth = metrics.AveCharWidth;
  FTextMetric.tmMaxCharWidth = metrics.MaxCharWidth;
  FTextMetric.tmWeight = request.Weight;
  FTextMetric.tmItalic = ALogFont.lfItalic ? 1 : 0;
  FTextMetric.tmUnderlined = ALogFont.lfUnderline ? 1 : 0;
  FTextMetric.tmStruckOut = ALogFont.lfStrikeOut ? 1 : 0;
  FTextMetric.tmCharSet = ALogFont.lfCharSet;
  FQuarterTurns = QuarterTurnsOf(ALogFont.lfEscapement);
}

HFONT CreateFontIndirect(const LOGFONT& ALogFont) { return new TFontObject(ALogFont); }

HFONT CreateFont(int AHeight, int AWidth, int AEscapement, int AOrientation, int AWeight, unsigned AItalic,
                 unsigned AUnderline, unsigned AStrikeOut, unsigned ACharSet, unsigned /*AOutPrecision*/,
                 unsigned /*AClipPrecision*/, unsigned /*AQuality*/, unsigned APitchAndFamily,
                 const String& AFaceName) {
  LOGFONT logFont;
  logFont.lfHeight = AHeight;
  logFont.lfWidth = AWidth;
  logFont.lfEscapement = AEscapement;
  logFont.lfOrientation = AOrientation;
  logFont.lfWeight = AWeight;
  logFont.lfItalic = AItalic ? 1 : 0;
  logFont.lfUnderline = AUnderline ? 1 : 0;
  logFont.lfStrikeOut = AStrikeOut ? 1 : 0;
  logFont.lfCharSet = static_cast<uint8_t>(ACharSet);
  logFont.lfPitchAndFamily = static_cast<uint8_t>(APitchAndFamily);
  logFont.lfFaceName = AFaceName;
  return CreateFontIndirect(logFont);
}

namespace {

// The one stock font, made on first use and never freed (see StockFont).
TFontObject& DefaultStockFont() {
  static TFontObject* const Instance = [] {
    auto* font = new TFontObject(LOGFONT{});
    MarkStockObject(font);
    return font;
  }();
  return *Instance;
}

}  // namespace

HGDIOBJ StockFont(int AIndex) {
  switch (AIndex) {
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
      return &DefaultStockFont();
    default:
      return nullptr;
  }
}
