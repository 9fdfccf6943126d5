// The still effects of TspEffectBmp: colour changes, noise, mosaic, quarter turns and
// the flip, the wave distortion and the mask fill.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "components/core/spEffBmp.h"

namespace {

uint8_t EffectChannel(double AValue) { return uint8_t(std::clamp(std::nearbyint(AValue), 0.0, 255.0)); }

double EffectFactor(double AKf) { return AKf > 0 ? std::min(AKf, 1.0) : 0.0; }

// The generator the noise effects use when the caller gives none.
TEffectRandom& EffectSharedRandom() {
  static TEffectRandom Random;
  return Random;
}

// random(AAmount) − AAmount div 2.
int EffectNoise(TEffectRandom& ARandom, int AAmount) {
  return std::uniform_int_distribution<int>(0, AAmount - 1)(ARandom) - AAmount / 2;
}

uint8_t EffectAdd(uint8_t AChannel, int ADelta) { return uint8_t(std::clamp(AChannel + ADelta, 0, 255)); }

}  // namespace

// Calls AChange(pixel) for the first byte of every pixel.
template <typename TChange>
static void ForEachEffectPixel(const TspEffectBmp& ABitmap, TChange&& AChange) {
  for (int Y = 0; Y < ABitmap.Height(); ++Y) {
    uint8_t* Row = ABitmap.GetScanLinePtr(Y);
    for (int X = 0; X < ABitmap.Width(); ++X) AChange(Row + 3 * X);
  }
}

void TspEffectBmp::ChangeBrightness(double AKf) {
  const double Kf = EffectFactor(AKf);
  ForEachEffectPixel(*this, [Kf](uint8_t* APixel) {
    for (int I = 0; I < 3; ++I) APixel[I] = EffectChannel((1 - Kf) * APixel[I] + Kf * 255);
  });
}

void TspEffectBmp::ChangeDarkness(double AKf) {
  const double Kf = EffectFactor(AKf);
  ForEachEffectPixel(*this, [Kf](uint8_t* APixel) {
    for (int I = 0; I < 3; ++I) APixel[I] = EffectChannel((1 - Kf) * APixel[I]);
  });
}

void TspEffectBmp::Invert() {
  ForEachEffectPixel(*this, [](uint8_t* APixel) {
    for (int I = 0; I < 3; ++I) APixel[I] = uint8_t(255 - APixel[I]);
  });
}

void TspEffectBmp::GrayScale() {
  ForEachEffectPixel(*this, [](uint8_t* APixel) {
    const uint8_t Gray = EffectChannel(0.3 * APixel[2] + 0.59 * APixel[1] + 0.11 * APixel[0]);
    std::memset(APixel, Gray, 3);
  });
}

void TspEffectBmp::Mosaic(int ASize) {
  if (ASize <= 1) return;
  for (int Y = 0; Y < FHeight; ++Y) {
    const uint8_t* BlockRow = GetScanLinePtr(Y - Y % ASize);
    uint8_t* Row = GetScanLinePtr(Y);
    for (int X = 0; X < FWidth; ++X) std::memmove(Row + 3 * X, BlockRow + 3 * (X - X % ASize), 3);
  }
}

void TspEffectBmp::AddMonoNoise(int AAmount, TEffectRandom& ARandom) {
  if (AAmount <= 0) return;
  ForEachEffectPixel(*this, [&](uint8_t* APixel) {
    const int Noise = EffectNoise(ARandom, AAmount);
    for (int I = 0; I < 3; ++I) APixel[I] = EffectAdd(APixel[I], Noise);
  });
}

void TspEffectBmp::AddMonoNoise(int AAmount) { AddMonoNoise(AAmount, EffectSharedRandom()); }

void TspEffectBmp::AddColorNoise(int AAmount, TEffectRandom& ARandom) {
  if (AAmount <= 0) return;
  ForEachEffectPixel(*this, [&](uint8_t* APixel) {
    for (int I = 2; I >= 0; --I) APixel[I] = EffectAdd(APixel[I], EffectNoise(ARandom, AAmount));
  });
}

void TspEffectBmp::AddColorNoise(int AAmount) { AddColorNoise(AAmount, EffectSharedRandom()); }

// Copies every pixel (x, y) of ASource to APlace(x, y) of ADst, leaving out places
// outside ADst.
template <typename TPlace>
static void CopyEffectPixels(const TspEffectBmp& ASource, TspEffectBmp& ADst, TPlace&& APlace) {
  for (int Y = 0; Y < ASource.Height(); ++Y) {
    for (int X = 0; X < ASource.Width(); ++X) {
      const TPoint Target = APlace(X, Y);
      if (Target.X < 0 || Target.Y < 0 || Target.X >= ADst.Width() || Target.Y >= ADst.Height()) continue;
      std::memcpy(ADst.GetScanLinePtr(Target.Y) + 3 * Target.X, ASource.GetScanLinePtr(Y) + 3 * X, 3);
    }
  }
}

void TspEffectBmp::Rotate90_1(TspEffectBmp& ADst) const {
  CopyEffectPixels(*this, ADst, [this](int AX, int AY) { return TPoint{AY, FWidth - 1 - AX}; });
}

void TspEffectBmp::Rotate90_2(TspEffectBmp& ADst) const {
  CopyEffectPixels(*this, ADst, [this](int AX, int AY) { return TPoint{FHeight - 1 - AY, AX}; });
}

void TspEffectBmp::FlipVert(TspEffectBmp& ADst) const {
  CopyEffectPixels(*this, ADst, [this](int AX, int AY) { return TPoint{AX, FHeight - 1 - AY}; });
}

void TspEffectBmp::Wave(int AXDiv, int AYDiv, int ARatio) {
  if (AXDiv == 0 || AYDiv == 0 || !FBits) return;
  const TspEffectBmp Copy(*this);
  for (int X = 0; X < FWidth; ++X) {
    const double ShiftY = ARatio * std::sin(double(X) / AXDiv);
    for (int Y = 0; Y < FHeight; ++Y) {
      const int SX =
          int(std::clamp(std::nearbyint(X + ARatio * std::sin(double(Y) / AYDiv)), 0.0, FWidth - 1.0));
      const int SY = int(std::clamp(std::nearbyint(Y + ShiftY), 0.0, FHeight - 1.0));
      std::memcpy(GetScanLinePtr(Y) + 3 * X, Copy.GetScanLinePtr(SY) + 3 * SX, 3);
    }
  }
}

bool TspEffectBmp::MaskFits(const TspEffectBmp& AMask) const {
  return FWidth > 0 && FHeight > 0 && AMask.FWidth == FWidth && AMask.FHeight >= FHeight;
}

void TspEffectBmp::MaskFillColor(const TspEffectBmp& AMask, TColor AColor, double AKf) {
  if (!MaskFits(AMask)) return;
  const COLORREF Color = ColorToRGB(AColor);
  const double Fill[3] = {double(GetBValue(Color)), double(GetGValue(Color)), double(GetRValue(Color))};
  for (int Y = 0; Y < FHeight; ++Y) {
    uint8_t* Row = GetScanLinePtr(Y);
    for (int X = 0; X < FWidth; ++X) {
      if (AMask.GetPixel(X, Y) == 0xFFFFFF) continue;
      for (int I = 0; I < 3; ++I) Row[3 * X + I] = EffectChannel((1 - AKf) * Row[3 * X + I] + AKf * Fill[I]);
    }
  }
}
