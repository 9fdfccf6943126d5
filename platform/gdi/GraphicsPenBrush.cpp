// TGraphicsObject, TPen and TBrush; the deleter of drawing-layer objects.

#include "platform/gdi/Graphics.h"

void TGdiObjectDeleter::operator()(TGdiObject* AObject) const { DeleteObject(AObject); }

void TGraphicsObject::Changed() {
  ++FVersion;
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------------- TPen

void TPen::PropertyChanged() {
  FHandle.reset();
  Changed();
}

void TPen::SetColor(TColor AColor) {
  if (AColor == FColor) return;
  FColor = AColor;
  PropertyChanged();
}

void TPen::SetWidth(int AWidth) {
  if (AWidth == FWidth) return;
  FWidth = AWidth;
  PropertyChanged();
}

void TPen::SetStyle(TPenStyle AStyle) {
  if (AStyle == FStyle) return;
  FStyle = AStyle;
  PropertyChanged();
}

void TPen::SetMode(TPenMode AMode) {
  if (AMode == FMode) return;
  FMode = AMode;
  // The mode is the device context's mix mode, not part of the pen handle.
  Changed();
}

void TPen::Assign(const TPersistent& APersistent) {
  const auto* Source = dynamic_cast<const TPen*>(&APersistent);
  if (!Source) return TPersistent::Assign(APersistent);
  if (Source == this) return;
  const TPen& ASource = *Source;
  FColor = ASource.FColor;
  FWidth = ASource.FWidth;
  FStyle = ASource.FStyle;
  FMode = ASource.FMode;
  PropertyChanged();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    static constexpr uint32_t kPenStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_NULL, PS_SOLID};
    FHandle.reset(CreatePen(kPenStyles[FStyle], FWidth, ColorToRGB(FColor)));
  }
  return FHandle.get();
}

// ---------------------------------------------------------------- TBrush

void TBrush::PropertyChanged() {
  FHandle.reset();
  Changed();
}

void TBrush::SetColor(TColor AColor) {
  if (AColor == FColor) return;
  FColor = AColor;
  PropertyChanged();
}

void TBrush::SetStyle(TBrushStyle AStyle) {
  if (AStyle == FStyle) return;
  FStyle = AStyle;
  PropertyChanged();
}

void TBrush::Assign(const TPersistent& APersistent) {
  const auto* Source = dynamic_cast<const TBrush*>(&APersistent);
  if (!Source) return TPersistent::Assign(APersistent);
  if (Source == this) return;
  const TBrush& ASource = *Source;
  FColor = ASource.FColor;
  FStyle = ASource.FStyle;
  PropertyChanged();
}

HBRUSH TBrush::Handle() {
  if (!FHandle) {
    LOGBRUSH LogBrush;
    LogBrush.lbStyle = FStyle == bsClear ? BS_NULL : BS_SOLID;
    LogBrush.lbColor = ColorToRGB(FColor);
    FHandle.reset(CreateBrushIndirect(&LogBrush));
  }
  return FHandle.get();
}
