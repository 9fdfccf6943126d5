// The drawing calls the text unit builds on: coverage masks and solid backgrounds.

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/PaintingInternal.h"
#include "platform/gdi/PixelOpsInternal.h"

void BlendCoverage(HDC ADC, int AX, int AY, const uint8_t* ACoverage, int AWidth, int AHeight, int AStride,
                   COLORREF AColor, const TRect* AClip) {
  if (!ADC || !ACoverage || AWidth <= 0 || AHeight <= 0) return;
  const TSurface& Surface = ADC->Surface();
  const TPoint Origin = ADC->LogicalToSurface(Point(AX, AY));
  TRect Area = Bounds(Origin.X, Origin.Y, AWidth, AHeight);
  if (AClip) {
    const TRect Clip = ADC->LogicalToSurface(*AClip);
    if (!IntersectRect(Area, Area, Clip)) return;
  }
  const uint32_t Color = ColorRefToPixel(AColor);
  const int Bits = Surface.BitsPerPixel, Bytes = Surface.BytesPerPixel();
  if (Bits == 32) {
    // A whole pixel at a time: the colour's and the pixel's shares, each rounded as
    // MulDiv255 rounds one channel, never add up beyond 255 in a channel.
    ADC->ForEachVisibleRect(Area, [&](const TRect& R) {
      for (int Y = R.Top; Y < R.Bottom; ++Y) {
        const uint8_t* Coverage = ACoverage + ptrdiff_t(Y - Origin.Y) * AStride + (R.Left - Origin.X);
        auto* Pixel = reinterpret_cast<uint32_t*>(Surface.Pixel(R.Left, Y));
        for (int X = R.Left; X < R.Right; ++X, ++Coverage, ++Pixel) {
          const uint32_t C = *Coverage;
          if (C == 255)
            *Pixel = Color;
          else if (C != 0)
            *Pixel = ScalePixel(Color, C) + ScalePixel(*Pixel & 0x00FFFFFF, 255 - C);
        }
      }
    });
    return;
  }
  const uint32_t Channels[3] = {Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF};
  // 24-bit pixels are blended in place; the smaller layouts through a pixel value.
  const bool InPlace = Bits >= 24;
  ADC->ForEachVisibleRect(Area, [&](const TRect& R) {
    for (int Y = R.Top; Y < R.Bottom; ++Y) {
      const uint8_t* Coverage = ACoverage + ptrdiff_t(Y - Origin.Y) * AStride + (R.Left - Origin.X);
      uint8_t* Pixel = Surface.Pixel(R.Left, Y);
      for (int X = R.Left; X < R.Right; ++X, ++Coverage, Pixel += Bytes) {
        const uint32_t C = *Coverage;
        if (C == 0) continue;
        uint8_t Value[4];
        uint8_t* Channel = InPlace ? Pixel : Value;
        if (!InPlace) StorePixel(Value, 32, LoadPixel(Pixel, Bits));
        for (int I = 0; I < 3; ++I)
          Channel[I] = uint8_t(MulDiv255(Channels[I], C) + MulDiv255(Channel[I], 255 - C));
        if (!InPlace) StorePixel(Pixel, Bits, LoadPixel(Value, 32));
      }
    }
  });
}

void FillSolidRect(HDC ADC, const RECT& ARect, COLORREF AColor) {
  if (!ADC) return;
  PaintRect(*ADC, ADC->LogicalToSurface(ARect), ColorRefToPixel(AColor), R2_COPYPEN);
}
