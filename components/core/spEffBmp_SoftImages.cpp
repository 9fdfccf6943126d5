// Soft images in TspBitmaps: the stack blur, colouring of coverage, alpha from grey
// masks and PNG pictures, the colour darkener, the update of layered windows, and the
// desktop-composition switches.

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "components/core/spEffBmp.h"
#include "platform/ui/WinControl.h"

namespace {

// Channel sums of the stack blur.
struct TBlurSums {
  int Red = 0, Green = 0, Blue = 0;
  void Add(TspColor APixel, int AWeight) {
    Red += int((APixel >> 16) & 0xFF) * AWeight;
    Green += int((APixel >> 8) & 0xFF) * AWeight;
    Blue += int(APixel & 0xFF) * AWeight;
  }
  void AddSums(const TBlurSums& AOther, int ASign) {
    Red += AOther.Red * ASign;
    Green += AOther.Green * ASign;
    Blue += AOther.Blue * ASign;
  }
};

// One pass of the stack blur over ACount values read by ARead(i) and written by
// AWrite(i, red, green, blue): running sums with the triangular weights r + 1 − |i|,
// the values past either end being the end values.
template <typename TRead, typename TWrite>
void StackBlurLine(int ACount, int ARadius, const std::vector<uint8_t>& ADivide,
                   std::vector<TspColor>& AStack, TRead&& ARead, TWrite&& AWrite) {
  const int Div = 2 * ARadius + 1;
  TBlurSums Sum, In, Out;
  for (int I = -ARadius; I <= ARadius; ++I) {
    const TspColor Pixel = ARead(std::clamp(I, 0, ACount - 1));
    AStack[size_t(I + ARadius)] = Pixel;
    Sum.Add(Pixel, ARadius + 1 - std::abs(I));
    (I > 0 ? In : Out).Add(Pixel, 1);
  }
  int Pointer = ARadius;
  for (int X = 0; X < ACount; ++X) {
    AWrite(X, ADivide[size_t(Sum.Red)], ADivide[size_t(Sum.Green)], ADivide[size_t(Sum.Blue)]);
    Sum.AddSums(Out, -1);
    const int Start = (Pointer - ARadius + Div) % Div;
    Out.Add(AStack[size_t(Start)], -1);
    const TspColor Entering = ARead(std::min(X + ARadius + 1, ACount - 1));
    AStack[size_t(Start)] = Entering;
    In.Add(Entering, 1);
    Sum.AddSums(In, 1);
    Pointer = (Pointer + 1) % Div;
    Out.Add(AStack[size_t(Pointer)], 1);
    In.Add(AStack[size_t(Pointer)], -1);
  }
}

TspColor SoftPixel(int ARed, int AGreen, int ABlue) {
  return 0xFF000000u | TspColor(ARed) << 16 | TspColor(AGreen) << 8 | TspColor(ABlue);
}

}  // namespace

void BlurBitmap(TspBitmap& ABitmap, int ARadius) {
  if (ARadius <= 0 || ABitmap.Empty()) return;
  const int Radius = std::min(ARadius, spMaxBlurRadius);
  const int Width = ABitmap.Width();
  const int Height = ABitmap.Height();
  const int Weights = (Radius + 1) * (Radius + 1);
  std::vector<uint8_t> Divide(size_t(256) * size_t(Weights));
  for (size_t I = 0; I < Divide.size(); ++I) Divide[I] = uint8_t(I / size_t(Weights));
  std::vector<TspColor> Stack(size_t(2 * Radius + 1));
  // The horizontal pass leaves its results as opaque pixels of one plane.
  std::vector<TspColor> Plane(size_t(Width) * size_t(Height));
  for (int Y = 0; Y < Height; ++Y) {
    const TspColor* Row = ABitmap.GetScanLinePtr(Y);
    TspColor* Out = Plane.data() + size_t(Y) * size_t(Width);
    StackBlurLine(
        Width, Radius, Divide, Stack, [Row](int AX) { return Row[AX]; },
        [Out](int AX, int ARed, int AGreen, int ABlue) { Out[AX] = SoftPixel(ARed, AGreen, ABlue); });
  }
  for (int X = 0; X < Width; ++X) {
    StackBlurLine(
        Height, Radius, Divide, Stack, [&](int AY) { return Plane[size_t(AY) * size_t(Width) + size_t(X)]; },
        [&](int AY, int ARed, int AGreen, int ABlue) {
          *ABitmap.GetPixelPtr(X, AY) = SoftPixel(ARed, AGreen, ABlue);
        });
  }
}

void ColorCoverageBitmap(TspBitmap& ABitmap, TColor AColor) {
  const TspColor Color = ColorToPixel(AColor) & spColorMask;
  TspColor* Pixel = ABitmap.Bits();
  const size_t Count = size_t(ABitmap.Width()) * size_t(ABitmap.Height());
  for (size_t I = 0; I < Count; ++I) Pixel[I] = Color | ((Pixel[I] >> 16) & 0xFF) << 24;
  ABitmap.AlphaBlend = true;
}

void SetAlphaFromGray(TspBitmap& ATarget, const TspBitmap& AMask) {
  const int Width = std::min(ATarget.Width(), AMask.Width());
  const int Height = std::min(ATarget.Height(), AMask.Height());
  for (int Y = 0; Y < Height; ++Y) {
    TspColor* Row = ATarget.GetScanLinePtr(Y);
    const TspColor* MaskRow = AMask.GetScanLinePtr(Y);
    for (int X = 0; X < Width; ++X) {
      const TspColor M = MaskRow[X];
      const TspColor Gray = (((M >> 16) & 0xFF) + ((M >> 8) & 0xFF) + (M & 0xFF)) / 3;
      Row[X] = (Row[X] & spColorMask) | Gray << 24;
    }
  }
}

void SetAlphaFromGray2(TspBitmap& ATarget, const TspBitmap& AMask) {
  SetAlphaFromGray(ATarget, AMask);
  ATarget.CheckRGBA2();
}

void ComposeImageWithMask(const TGraphic& AImage, const TGraphic& AMask, TspBitmap& ATarget) {
  ATarget.Assign(AImage);
  TspBitmap Mask;
  Mask.Assign(AMask);
  // Layered windows take premultiplied colour: lowering each channel to the alpha
  // instead would show mid-tone glows too bright.
  SetAlphaFromGray2(ATarget, Mask);
}

void PngImageToBitmap(TspBitmap& ATarget, const TPngImage& APicture) {
  const TPixelImage Image = APicture.ToPixelImage();
  ATarget.SetSize(Image.Width, Image.Height);
  if (ATarget.Empty()) return;
  std::copy(Image.Pixels.begin(), Image.Pixels.end(), ATarget.Bits());
  ATarget.CheckingAlphaBlend();
}

TColor DarkenColor(TColor AColor, int APercent) {
  const COLORREF Color = ColorToRGB(AColor);
  const auto Darken = [APercent](int AChannel) { return AChannel - MulDiv(AChannel, APercent, 100); };
  return TColor(RGB(uint8_t(Darken(GetRValue(Color))), uint8_t(Darken(GetGValue(Color))),
                    uint8_t(Darken(GetBValue(Color)))));
}

void UpdateLayeredWindowBitmap(const TspBitmap& ABitmap, uint8_t AAlpha, TWinControl& AControl) {
  const auto Update = SystemFunctions().UpdateLayeredWindow;
  if (!Update || ABitmap.Empty()) return;
  const POINT Position{AControl.Left(), AControl.Top()};
  const SIZE Size{ABitmap.Width(), ABitmap.Height()};
  const POINT Source{0, 0};
  const BLENDFUNCTION Blend{AC_SRC_OVER, 0, AAlpha, AC_SRC_ALPHA};
  Update(AControl.Handle(), nullptr, &Position, &Size, ABitmap.DC(), &Source, 0, &Blend, ULW_ALPHA);
}

bool IsCompositionEnabled() { return false; }

void EnableWindowTransitions(HWND, bool) {}

void EnableBlurBehind(HWND, bool, HRGN) {}
