#include "platform/gdi/Text.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/TextLayout.h"
#include "platform/gdi/TextRunInternal.h"

bool TextOut(HDC ADC, int AX, int AY, const String& AText) {
  return ExtTextOut(ADC, AX, AY, 0, nullptr, AText, nullptr);
}

// Without a rectangle the options have nothing to act on and are ignored, as the
// window system does.
bool ExtTextOut(HDC ADC, int AX, int AY, unsigned AOptions, const TRect* ARect, const String& AText,
                const int* ADx) {
  if (!ADC) return false;
  if (ARect && (AOptions & ETO_OPAQUE)) FillSolidRect(ADC, *ARect, ADC->State().BkColor);
  const TRect* clip = ARect && (AOptions & ETO_CLIPPED) ? ARect : nullptr;
  TRunStyle style;
  style.Dx = ADx;
  DrawTextRun(ADC, AX, AY, RenderTextRun(SelectedFont(ADC), DecodeUtf8(AText), style), clip);
  return true;
}

bool GetTextExtentPoint32(HDC ADC, const String& AText, TSize& ASize) {
  if (!ADC) return false;
  const TFontObject& font = SelectedFont(ADC);
  ASize.cx = TextWidth(font, DecodeUtf8(AText));
  ASize.cy = font.TextMetric().tmHeight;
  return true;
}

bool GetTextMetrics(HDC ADC, TEXTMETRIC& AMetric) {
  if (!ADC) return false;
  AMetric = SelectedFont(ADC).TextMetric();
  return true;
}
