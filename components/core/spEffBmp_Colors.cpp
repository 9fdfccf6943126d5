// Colour operations of TspBitmap in place: brightness, hue and saturation in the HSL
// model (single precision, as the skins were made with), vertical flip and fading
// reflections.

#include <algorithm>
#include <cmath>

#include "components/core/spEffBmp.h"

namespace {

struct THsl {
  float H = 0;
  float S = 0;
  float L = 0;
};

// Round to nearest, halves to even (the default rounding mode).
int HslRound(double AValue) { return int(std::nearbyint(AValue)); }

uint8_t HslClampChannel(int AValue) { return uint8_t(std::clamp(AValue, 0, 255)); }

THsl PixelToHsl(TspColor APixel) {
  const float R = float((APixel >> 16) & 0xFF) / 255.0f;
  const float G = float((APixel >> 8) & 0xFF) / 255.0f;
  const float B = float(APixel & 0xFF) / 255.0f;
  const float Max = std::max({R, G, B});
  const float Min = std::min({R, G, B});
  THsl Result;
  Result.L = (Max + Min) / 2.0f;
  if (Max == Min) return Result;
  const float D = Max - Min;
  Result.S = Result.L < 0.5f ? D / (Max + Min) : D / (2.0f - Max - Min);
  if (R == Max) {
    Result.H = (G - B) / D;
  } else if (G == Max) {
    Result.H = (B - R) / D + 2.0f;
  } else {
    Result.H = (R - G) / D + 4.0f;
  }
  Result.H /= 6.0f;
  if (Result.H < 0) Result.H += 1.0f;
  return Result;
}

float HueToChannel(float P, float Q, float T) {
  T -= std::floor(T);
  if (6.0f * T < 1.0f) return P + (Q - P) * 6.0f * T;
  if (2.0f * T < 1.0f) return Q;
  if (3.0f * T < 2.0f) return P + (Q - P) * (2.0f / 3.0f - T) * 6.0f;
  return P;
}

// The colour of AHsl with the alpha of AAlphaFrom.
TspColor HslToPixel(const THsl& AHsl, TspColor AAlphaFrom) {
  int R, G, B;
  if (AHsl.S == 0) {
    R = G = B = HslRound(AHsl.L * 255.0f);
  } else {
    const float Q = AHsl.L <= 0.5f ? AHsl.L * (1.0f + AHsl.S) : AHsl.L + AHsl.S - AHsl.L * AHsl.S;
    const float P = 2.0f * AHsl.L - Q;
    R = HslRound(HueToChannel(P, Q, AHsl.H + 1.0f / 3.0f) * 255.0f);
    G = HslRound(HueToChannel(P, Q, AHsl.H) * 255.0f);
    B = HslRound(HueToChannel(P, Q, AHsl.H - 1.0f / 3.0f) * 255.0f);
  }
  return (AAlphaFrom & 0xFF000000) | (TspColor(HslClampChannel(R)) << 16) |
         (TspColor(HslClampChannel(G)) << 8) | HslClampChannel(B);
}

// A moved hue on the scale 0..255 brought back onto it, by 255 at either end: hue goes
// round the colour circle.
int WrapBy255(int AValue) {
  if (AValue > 255) return AValue - 255;
  if (AValue < 0) return AValue + 255;
  return AValue;
}

}  // namespace

template <typename TChange>
void TspBitmap::ChangeVisiblePixels(TChange&& AChange) {
  const int Count = FWidth * FHeight;
  for (int I = 0; I < Count; ++I) {
    if (FBits[I] >> 24) FBits[I] = AChange(FBits[I]);
  }
}

void TspBitmap::ChangeBitmapBrightness(int ADeltaBrightness) {
  if (ADeltaBrightness == 0) return;
  ChangeVisiblePixels([ADeltaBrightness](TspColor APixel) {
    TspColor Result = APixel & 0xFF000000;
    for (int Shift = 0; Shift <= 16; Shift += 8) {
      Result |= TspColor(HslClampChannel(int((APixel >> Shift) & 0xFF) + ADeltaBrightness)) << Shift;
    }
    return Result;
  });
}

void TspBitmap::SetBitmapHue(int AHue) {
  const float Hue = float(std::clamp(AHue, 0, 255)) / 255.0f;
  ChangeVisiblePixels([Hue](TspColor APixel) {
    THsl Hsl = PixelToHsl(APixel);
    Hsl.H = Hue;
    return HslToPixel(Hsl, APixel);
  });
}

// Saturation stops at its ends: wrapping it, as hue does, turned a nearly full
// saturation into a grey when raised.
void TspBitmap::ChangeBitmapSat(int ADeltaSat) {
  if (ADeltaSat == 0) return;
  ChangeVisiblePixels([ADeltaSat](TspColor APixel) {
    THsl Hsl = PixelToHsl(APixel);
    Hsl.S = float(std::clamp(HslRound(Hsl.S * 255.0f) + ADeltaSat, 0, 255)) / 255.0f;
    return HslToPixel(Hsl, APixel);
  });
}

void TspBitmap::ChangeBitmapHue(int ADeltaHue) {
  if (ADeltaHue == 0) return;
  ChangeVisiblePixels([ADeltaHue](TspColor APixel) {
    THsl Hsl = PixelToHsl(APixel);
    Hsl.H = float(WrapBy255(HslRound(Hsl.H * 255.0f) + ADeltaHue)) / 255.0f;
    return HslToPixel(Hsl, APixel);
  });
}

void TspBitmap::FlipVert() {
  for (int Y = 0; Y < FHeight / 2; ++Y) {
    std::swap_ranges(GetScanLinePtr(Y), GetScanLinePtr(Y) + FWidth, GetScanLinePtr(FHeight - 1 - Y));
  }
}

void TspBitmap::Reflection() { Reflect(3); }
void TspBitmap::Reflection2() { Reflect(4); }
void TspBitmap::Reflection3() { Reflect(2); }

void TspBitmap::Reflect(int ADivisor) {
  FlipVert();
  if (FHeight == 0) return;
  const double Step = 2.0 / FHeight;
  double Factor = 1.0;
  for (int Y = 0; Y < FHeight; ++Y, Factor -= Step) {
    TspColor* Row = GetScanLinePtr(Y);
    for (int X = 0; X < FWidth; ++X) {
      const TspColor Alpha = Row[X] >> 24;
      if (Alpha == 0) continue;
      const int Faded = std::max(HslRound(double(Alpha) * Factor) / ADivisor, 0);
      Row[X] = (Row[X] & spColorMask) | (TspColor(Faded) << 24);
    }
  }
}
