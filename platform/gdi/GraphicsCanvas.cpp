// TCanvas: drawing calls on a device context with the canvas's pen, brush and font.

#include "platform/gdi/Graphics.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"

namespace {

int MixMode(TPenMode AMode) {
  switch (AMode) {
    case pmNot:
      return R2_NOT;
    case pmXor:
      return R2_XORPEN;
    case pmNotXor:
      return R2_NOTXORPEN;
    case pmCopy:
      break;
  }
  return R2_COPYPEN;
}

unsigned DrawTextFormat(TTextFormat AFormat) {
  static constexpr unsigned kFlags[] = {
      DT_BOTTOM,         // tfBottom
      DT_CALCRECT,       // tfCalcRect
      DT_CENTER,         // tfCenter
      DT_END_ELLIPSIS,   // tfEndEllipsis
      DT_EXPANDTABS,     // tfExpandTabs
      DT_LEFT,           // tfLeft
      DT_NOCLIP,         // tfNoClip
      DT_NOPREFIX,       // tfNoPrefix
      DT_PATH_ELLIPSIS,  // tfPathEllipsis
      DT_RIGHT,          // tfRight
      DT_RTLREADING,     // tfRtlReading
      DT_SINGLELINE,     // tfSingleLine
      DT_TOP,            // tfTop
      DT_VCENTER,        // tfVerticalCenter
      DT_WORDBREAK,      // tfWordBreak
  };
  unsigned Flags = 0;
  for (TTextFormats Format : AFormat) Flags |= kFlags[Format];
  return Flags;
}

}  // namespace

TCanvas::TCanvas() = default;

TCanvas::~TCanvas() { DeselectObjects(); }

HDC TCanvas::Handle() { return RequiredState(roPen | roBrush | roFont); }

void TCanvas::SetHandle(HDC ADC) {
  if (ADC == FHandle) return;
  DeselectObjects();
  FHandle = ADC;
}

void TCanvas::Refresh() { DeselectObjects(); }

void TCanvas::DeselectObjects() {
  if (FHandle) {
    SelectObject(FHandle, GetStockObject(BLACK_PEN));
    SelectObject(FHandle, GetStockObject(WHITE_BRUSH));
    SelectObject(FHandle, StockFont(DEFAULT_GUI_FONT));
  }
  FSelectedPen = FSelectedBrush = FSelectedFont = 0;
}

HDC TCanvas::RequiredState(int ARequired) {
  if (!FHandle) CreateHandle();
  if (!FHandle) throw EInvalidGraphic("Canvas does not allow drawing");
  if ((ARequired & roPen) && FSelectedPen != FPen.Version()) {
    SelectObject(FHandle, FPen.Handle());
    SetROP2(FHandle, MixMode(FPen.Mode()));
    FSelectedPen = FPen.Version();
  }
  if ((ARequired & roBrush) && FSelectedBrush != FBrush.Version()) {
    SelectObject(FHandle, FBrush.Handle());
    // The brush is also the background of text, as in the class library.
    SetBkColor(FHandle, ColorToRGB(FBrush.Color()));
    SetBkMode(FHandle, FBrush.Style() == bsClear ? TRANSPARENT : OPAQUE);
    FSelectedBrush = FBrush.Version();
  }
  if ((ARequired & roFont) && FSelectedFont != FFont.Version()) {
    SelectObject(FHandle, FFont.Handle());
    ::SetTextColor(FHandle, ColorToRGB(FFont.Color()));
    FSelectedFont = FFont.Version();
  }
  return FHandle;
}

TPoint TCanvas::PenPos() { return RequiredState(0)->State().CurrentPosition; }

void TCanvas::MoveTo(int AX, int AY) { MoveToEx(RequiredState(0), AX, AY, nullptr); }

void TCanvas::LineTo(int AX, int AY) { ::LineTo(RequiredState(roPen), AX, AY); }

void TCanvas::Polyline(std::span<const TPoint> APoints) {
  ::Polyline(RequiredState(roPen), APoints.data(), int(APoints.size()));
}

void TCanvas::Polygon(std::span<const TPoint> APoints) {
  ::Polygon(RequiredState(roPen | roBrush), APoints.data(), int(APoints.size()));
}

void TCanvas::Rectangle(int ALeft, int ATop, int ARight, int ABottom) {
  ::Rectangle(RequiredState(roPen | roBrush), ALeft, ATop, ARight, ABottom);
}

void TCanvas::Ellipse(int ALeft, int ATop, int ARight, int ABottom) {
  ::Ellipse(RequiredState(roPen | roBrush), ALeft, ATop, ARight, ABottom);
}

void TCanvas::FillRect(const TRect& ARect) { ::FillRect(RequiredState(roBrush), &ARect, FBrush.Handle()); }

void TCanvas::FrameRect(const TRect& ARect) { ::FrameRect(RequiredState(roBrush), &ARect, FBrush.Handle()); }

TColor TCanvas::Pixels(int AX, int AY) { return TColor(::GetPixel(RequiredState(0), AX, AY)); }

void TCanvas::SetPixels(int AX, int AY, TColor AColor) {
  ::SetPixel(RequiredState(0), AX, AY, ColorToRGB(AColor));
}

void TCanvas::Draw(int AX, int AY, TGraphic& AGraphic) {
  if (!AGraphic.Empty()) AGraphic.Draw(*this, Bounds(AX, AY, AGraphic.Width(), AGraphic.Height()));
}

void TCanvas::StretchDraw(const TRect& ARect, TGraphic& AGraphic) {
  if (!AGraphic.Empty()) AGraphic.Draw(*this, ARect);
}

void TCanvas::CopyRect(const TRect& ADest, TCanvas& ACanvas, const TRect& ASource) {
  StretchBlt(RequiredState(roBrush), ADest.Left, ADest.Top, ADest.Width(), ADest.Height(), ACanvas.Handle(),
             ASource.Left, ASource.Top, ASource.Width(), ASource.Height(), CopyMode);
}

void TCanvas::TextOut(int AX, int AY, const String& AText) {
  ::TextOut(RequiredState(roFont | roBrush), AX, AY, AText);
  MoveTo(AX + TextWidth(AText), AY);
}

void TCanvas::TextRect(const TRect& ARect, int AX, int AY, const String& AText) {
  const unsigned Options = ETO_CLIPPED | (FBrush.Style() == bsSolid ? ETO_OPAQUE : 0);
  ExtTextOut(RequiredState(roFont | roBrush), AX, AY, Options, &ARect, AText);
}

void TCanvas::TextRect(TRect& ARect, const String& AText, TTextFormat AFormat) {
  DrawText(RequiredState(roFont | roBrush), AText, ARect, DrawTextFormat(AFormat));
}

TSize TCanvas::TextExtent(const String& AText) {
  TSize Size;
  GetTextExtentPoint32(RequiredState(roFont), AText, Size);
  return Size;
}
