// Brush fills, frames, the focus rectangle and single pixels.

#include "platform/gdi/PaintingInternal.h"
#include "platform/gdi/PixelOpsInternal.h"
#include "platform/gdi/Primitives.h"

bool FillRect(HDC ADC, const RECT* ARect, HBRUSH ABrush) {
  if (!ADC || !ARect || !ABrush) return false;
  if (!ABrush->IsNull())
    PaintRect(*ADC, ADC->LogicalToSurface(*ARect), ColorRefToPixel(ABrush->Color()), R2_COPYPEN);
  return true;
}

bool FrameRect(HDC ADC, const RECT* ARect, HBRUSH ABrush) {
  if (!ADC || !ARect || !ABrush) return false;
  const TRect Box = ADC->LogicalToSurface(*ARect);
  if (ABrush->IsNull() || IsRectEmpty(Box)) return true;
  const TRect Inner = Rect(Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1);
  const TRegion Frame =
      TRegion::Combine(TRegion(Box), IsRectEmpty(Inner) ? TRegion() : TRegion(Inner), roDiff);
  PaintRegion(*ADC, Frame, ColorRefToPixel(ABrush->Color()), R2_COPYPEN);
  return true;
}

bool DrawFocusRect(HDC ADC, const RECT* ARect) {
  if (!ADC || !ARect) return false;
  const TRect Box = ADC->LogicalToSurface(*ARect);
  if (IsRectEmpty(Box)) return true;
  const TPoint Origin = ADC->DeviceOrigin();
  const uint32_t White = ColorRefToPixel(RGB(255, 255, 255));
  auto Dot = [&](int AX, int AY) {
    if (((AX - Origin.X) + (AY - Origin.Y)) % 2 == 0) PaintRect(*ADC, Bounds(AX, AY, 1, 1), White, R2_XORPEN);
  };
  // The four edges without their shared corners twice; the visible box bounds the walk.
  const TRect Limit = ADC->VisibleRegion().Box();
  const int Left = std::max(Box.Left, Limit.Left - 1), Right = std::min(Box.Right, Limit.Right + 1);
  const int Top = std::max(Box.Top + 1, Limit.Top - 1), Bottom = std::min(Box.Bottom - 1, Limit.Bottom + 1);
  for (int X = Left; X < Right; ++X) {
    Dot(X, Box.Top);
    if (Box.Bottom - 1 > Box.Top) Dot(X, Box.Bottom - 1);
  }
  for (int Y = Top; Y < Bottom; ++Y) {
    Dot(Box.Left, Y);
    if (Box.Right - 1 > Box.Left) Dot(Box.Right - 1, Y);
  }
  return true;
}

COLORREF SetPixel(HDC ADC, int AX, int AY, COLORREF AColor) {
  if (!ADC) return CLR_INVALID;
  const TPoint P = ADC->LogicalToSurface(Point(AX, AY));
  if (!ADC->VisibleRegion().Contains(P)) return CLR_INVALID;
  const TSurface& Surface = ADC->Surface();
  StorePixel(Surface.Pixel(P.X, P.Y), Surface.BitsPerPixel, ColorRefToPixel(AColor));
  return AColor & 0x00FFFFFF;
}

COLORREF GetPixel(HDC ADC, int AX, int AY) {
  if (!ADC) return CLR_INVALID;
  const TPoint P = ADC->LogicalToSurface(Point(AX, AY));
  if (!ADC->VisibleRegion().Contains(P)) return CLR_INVALID;
  const TSurface& Surface = ADC->Surface();
  return PixelToColorRef(LoadPixel(Surface.Pixel(P.X, P.Y), Surface.BitsPerPixel));
}
