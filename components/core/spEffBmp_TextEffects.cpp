// Text with a soft shadow, a glow, a glowing plate or a fading reflection: the text is
// drawn in red on a zero work bitmap, blurred or shaped there, coloured by its
// coverage and laid under the text itself.

#include <algorithm>

#include "components/core/spEffBmp.h"
#include "platform/gdi/Text.h"

namespace {

// A work bitmap of AWidth × AHeight whose canvas writes in red with ASource's font.
void TextEffectWork(TspBitmap& AWork, TCanvas& ASource, int AWidth, int AHeight) {
  AWork.SetSize(std::max(AWidth, 1), std::max(AHeight, 1));
  TCanvas& Canvas = AWork.Canvas();
  Canvas.Font().Assign(ASource.Font());
  Canvas.Font().SetColor(clRed);
  Canvas.Brush().SetStyle(bsClear);
  const HDC DC = Canvas.Handle();
  SetTextColor(DC, RGB(255, 0, 0));
  SetBkMode(DC, TRANSPARENT);
}

void TextEffectDraw(TCanvas& ACanvas, const String& AText, TRect ARect, unsigned AFormat) {
  DrawText(ACanvas.Handle(), AText, ARect, AFormat);
}

// The text itself, in the canvas's font colour on a clear brush.
void TextEffectPlain(TCanvas& ACanvas, const TRect& ARect, const String& AText, unsigned AFormat) {
  ACanvas.Brush().SetStyle(bsClear);
  const HDC DC = ACanvas.Handle();
  SetTextColor(DC, ColorToRGB(ACanvas.Font().Color()));
  SetBkMode(DC, TRANSPARENT);
  TextEffectDraw(ACanvas, AText, ARect, AFormat);
}

// The work text at the given shifts of ARect, blurred by ARadius, coloured and drawn at
// ARect moved by AOffset − ARadius; then the text itself.
void TextEffectBlurred(TCanvas& ACanvas, const TRect& ARect, const String& AText, int ARadius, TColor AColor,
                       int AOffset, unsigned AFormat, std::initializer_list<TPoint> AShifts) {
  const int Radius = std::clamp(ARadius, 0, spMaxBlurRadius);
  TspBitmap Work;
  TextEffectWork(Work, ACanvas, ARect.Width() + 2 * Radius, ARect.Height() + 2 * Radius);
  const TRect Text = Rect(Radius, Radius, ARect.Width() + Radius, ARect.Height() + Radius);
  for (const TPoint Shift : AShifts) {
    TextEffectDraw(Work.Canvas(), AText,
                   Rect(Text.Left + Shift.X, Text.Top + Shift.Y, Text.Right + Shift.X, Text.Bottom + Shift.Y),
                   AFormat);
  }
  BlurBitmap(Work, Radius);
  ColorCoverageBitmap(Work, AColor);
  Work.Draw(ACanvas, ARect.Left + AOffset - Radius, ARect.Top + AOffset - Radius);
  TextEffectPlain(ACanvas, ARect, AText, AFormat);
}

// The text on a plate of margin AMargin: the plate AInset inside the text rectangle
// (negative: outside) and the text at nine shifts, blurred twice.
void TextEffectPlate(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AColor,
                     unsigned AFormat, int AMargin, const TRect& AInset) {
  TspBitmap Work;
  TextEffectWork(Work, ACanvas, ARect.Width() + 2 * AMargin, ARect.Height() + 2 * AMargin);
  const TRect Text = Rect(AMargin, AMargin, ARect.Width() + AMargin, ARect.Height() + AMargin);
  Work.FillRect(Rect(Text.Left + AInset.Left, Text.Top + AInset.Top, Text.Right - AInset.Right,
                     Text.Bottom - AInset.Bottom),
                0xFFFF0000);
  const TPoint Shifts[] = {{-1, -1}, {-2, -2}, {-1, 0}, {-2, 0}, {1, 0}, {2, 0}, {1, 1}, {2, 2}, {0, 0}};
  for (const TPoint Shift : Shifts) {
    TextEffectDraw(Work.Canvas(), AText,
                   Rect(Text.Left + Shift.X, Text.Top + Shift.Y, Text.Right + Shift.X, Text.Bottom + Shift.Y),
                   AFormat);
  }
  BlurBitmap(Work, AMargin / 2);
  BlurBitmap(Work, AMargin / 2);
  ColorCoverageBitmap(Work, AColor);
  Work.Draw(ACanvas, ARect.Left - AMargin, ARect.Top - AMargin);
  TextEffectPlain(ACanvas, ARect, AText, AFormat);
}

void TextEffectReflected(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AColor,
                         int AOffset, unsigned AFormat, double AFloor) {
  const int Width = ARect.Width();
  const int Height = ARect.Height();
  TspBitmap Work;
  TextEffectWork(Work, ACanvas, Width, Height);
  if (Width > 0 && Height > 0) {
    TextEffectDraw(Work.Canvas(), AText, Rect(0, 0, Width, Height), AFormat);
    TRect Extent = Rect(0, 0, Width, Height);
    DrawText(Work.Canvas().Handle(), AText, Extent, AFormat | DT_CALCRECT);
    TRect Placed = ARect;
    DrawText(Work.Canvas().Handle(), AText, Placed, AFormat | DT_CALCRECT);
    const int Top = std::max(Extent.Top, 0);
    const int Bottom = Extent.Bottom;
    if (Bottom > Top) {
      const TspColor Color = ColorToPixel(AColor) & spColorMask;
      for (int Y = 0; Y < Work.Height(); ++Y) {
        TspColor* Row = Work.GetScanLinePtr(Y);
        const bool InText = Y >= Top && Y <= Bottom;
        const double Factor = ReflectionFactor(Y, Top, Bottom, AFloor);
        for (int X = 0; X < Work.Width(); ++X) {
          Row[X] = InText ? Color | TspColor(((Row[X] >> 16) & 0xFF) * Factor) << 24 : 0;
        }
      }
      Work.FlipVert();
      Work.AlphaBlend = true;
      Work.Draw(ACanvas, ARect.Left, Placed.Bottom - (Height - Bottom) + AOffset);
    }
  }
  TextEffectPlain(ACanvas, ARect, AText, AFormat);
}

}  // namespace

double ReflectionFactor(int AY, int ATop, int ABottom, double AFloor) {
  return std::max(0.7 - double(ABottom - (AY - ATop)) / double(ABottom - ATop), AFloor);
}

void DrawShadowText(TCanvas& ACanvas, const TRect& ARect, const String& AText, int ARadius,
                    TColor AShadowColor, int AOffset, unsigned AFormat) {
  TextEffectBlurred(ACanvas, ARect, AText, ARadius, AShadowColor, AOffset, AFormat, {{0, 0}});
}

void DrawGlowText(TCanvas& ACanvas, const TRect& ARect, const String& AText, int ARadius, TColor AGlowColor,
                  int AOffset, unsigned AFormat) {
  TextEffectBlurred(ACanvas, ARect, AText, ARadius, AGlowColor, AOffset, AFormat,
                    {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}});
}

void DrawWideGlowText(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AGlowColor,
                      unsigned AFormat) {
  TextEffectPlate(ACanvas, ARect, AText, AGlowColor, AFormat, 12, Rect(-3, 2, -3, 2));
}

void DrawWideGlowText2(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AGlowColor,
                       unsigned AFormat) {
  TextEffectPlate(ACanvas, ARect, AText, AGlowColor, AFormat, 10, Rect(3, 3, 3, 3));
}

void DrawReflectionText(TCanvas& ACanvas, const TRect& ARect, const String& AText, TColor AReflectionColor,
                        int AOffset, unsigned AFormat) {
  TextEffectReflected(ACanvas, ARect, AText, AReflectionColor, AOffset, AFormat, 0.05);
}

void DrawWideReflectionText(TCanvas& ACanvas, const TRect& ARect, const String& AText,
                            TColor AReflectionColor, int AOffset, unsigned AFormat) {
  TextEffectReflected(ACanvas, ARect, AText, AReflectionColor, AOffset, AFormat, 0.0);
}
