// The morph transitions of TspEffectBmp: the picture moves towards another of the same
// size by a factor from 0 (own picture) to 1 (the other), row by row.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"

namespace {

// Kf cut to 0..1; not a number gives 0.
double MorphFactor(double AKf) { return AKf > 0 ? std::min(AKf, 1.0) : 0.0; }

// Round to nearest, halves to even, as nearbyint does in the default rounding mode:
// adding and taking away 1.5 × 2^52 leaves no fraction bits for the sum to keep. This
// stays inline where nearbyint is a library call, and morphs run on every animation
// tick.
constexpr double MorphRoundingShift = 6755399441055744.0;

uint8_t MorphChannel(double AValue) {
  return uint8_t(std::clamp((AValue + MorphRoundingShift) - MorphRoundingShift, 0.0, 255.0));
}

// ACount pixels of AOwn move towards AOther by AKf.
void MorphPixels(uint8_t* AOwn, const uint8_t* AOther, int ACount, double AKf) {
  const double Keep = 1 - AKf;
  for (int I = 0; I < 3 * ACount; ++I) AOwn[I] = MorphChannel(Keep * AOwn[I] + AKf * AOther[I]);
}

// Pixel AOwn mixed with weight AT: each channel AT × own + (1 − AT) × other.
void MorphMixPixel(uint8_t* AOwn, const uint8_t* AOther, double AT) {
  for (int I = 0; I < 3; ++I) AOwn[I] = MorphChannel(AT * AOwn[I] + (1 - AT) * AOther[I]);
}

// Columns (or rows, with a step of a row) from AStart outwards by ADirection, mixed
// with a weight of 0 at AStart growing by AStep and capped at 1. ALimit is one past the
// last position.
template <typename TMix>
void MorphRamp(int AStart, int ALimit, int ADirection, double AStep, TMix&& AMix) {
  double T = 0;
  for (int Position = AStart; Position != ALimit; Position += ADirection) {
    AMix(Position, std::min(T, 1.0));
    T += AStep;
  }
}

}  // namespace

void TspEffectBmp::Morph(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp)) return;
  const double Kf = MorphFactor(AKf);
  for (int Y = 0; Y < FHeight; ++Y) MorphPixels(GetScanLinePtr(Y), ABmp.GetScanLinePtr(Y), FWidth, Kf);
}

void TspEffectBmp::MorphRect(const TspEffectBmp& ABmp, double AKf, const TRect& ARect, int AStartX,
                             int AStartY) {
  const int Left = std::max({ARect.Left, 0, ARect.Left - AStartX});
  const int Top = std::max({ARect.Top, 0, ARect.Top - AStartY});
  const int Right = std::min({ARect.Right, FWidth, ARect.Left + ABmp.FWidth - AStartX});
  const int Bottom = std::min({ARect.Bottom, FHeight, ARect.Top + ABmp.FHeight - AStartY});
  if (Left >= Right || Top >= Bottom) return;
  const double Kf = MorphFactor(AKf);
  const int SourceX = AStartX + Left - ARect.Left;
  for (int Y = Top; Y < Bottom; ++Y) {
    const uint8_t* Other = ABmp.GetScanLinePtr(AStartY + Y - ARect.Top) + 3 * SourceX;
    MorphPixels(GetScanLinePtr(Y) + 3 * Left, Other, Right - Left, Kf);
  }
}

void TspEffectBmp::MorphGrad(const TspEffectBmp& ABmp, double AKf) {
  if (FWidth < FHeight) {
    MorphVGrad(ABmp, AKf);
  } else {
    MorphHGrad(ABmp, AKf);
  }
}

void TspEffectBmp::MorphHGrad(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  const int B = int(std::nearbyint(FWidth * MorphFactor(AKf)));
  const int C = (FWidth - B) / 2;
  const double Step = C == 0 ? 1.0 : 1.0 / C;
  const int BandLeft = std::max(0, FWidth / 2 - B / 2);
  const int BandRight = std::min(FWidth - 1, B / 2 + FWidth / 2);
  for (int Y = 0; Y < FHeight; ++Y) {
    uint8_t* Own = GetScanLinePtr(Y);
    const uint8_t* Other = ABmp.GetScanLinePtr(Y);
    std::memcpy(Own + 3 * BandLeft, Other + 3 * BandLeft, size_t(3) * size_t(BandRight - BandLeft + 1));
    const auto Mix = [&](int AX, double AT) { MorphMixPixel(Own + 3 * AX, Other + 3 * AX, AT); };
    MorphRamp(BandLeft, -1, -1, Step, Mix);
    MorphRamp(BandRight, FWidth, 1, Step, Mix);
  }
}

void TspEffectBmp::MorphVGrad(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  const int B = int(std::nearbyint(FHeight * MorphFactor(AKf)));
  const int C = (FHeight - 1 - B) / 2;
  const double Step = C == 0 ? 0.0 : 1.0 / C;
  const int BandTop = std::max(0, FHeight / 2 - B / 2);
  const int BandBottom = std::min(FHeight - 1, B / 2 + FHeight / 2);
  for (int Y = BandTop; Y <= BandBottom; ++Y) SetScanLine(Y, ABmp.GetScanLinePtr(Y));
  const auto Mix = [&](int AY, double AT) {
    uint8_t* Own = GetScanLinePtr(AY);
    const uint8_t* Other = ABmp.GetScanLinePtr(AY);
    for (int X = 0; X < FWidth; ++X) MorphMixPixel(Own + 3 * X, Other + 3 * X, AT);
  };
  MorphRamp(BandTop, -1, -1, Step, Mix);
  MorphRamp(BandBottom, FHeight, 1, Step, Mix);
}

void TspEffectBmp::MorphLeftGrad(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  // At least one column fades, but never past the last one (none but column 0 on a
  // bitmap one pixel wide).
  const int B = std::min(std::max(int(std::nearbyint(FWidth * MorphFactor(AKf))), 1), FWidth - 1);
  const double Step = B == 0 ? 1.0 : 1.0 / B;
  for (int Y = 0; Y < FHeight; ++Y) {
    uint8_t* Own = GetScanLinePtr(Y);
    const uint8_t* Other = ABmp.GetScanLinePtr(Y);
    MorphRamp(0, B + 1, 1, Step, [&](int AX, double AT) { MorphMixPixel(Own + 3 * AX, Other + 3 * AX, AT); });
  }
}

void TspEffectBmp::MorphRightGrad(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  const int C = std::clamp(FWidth - int(std::nearbyint(FWidth * MorphFactor(AKf))), 0, FWidth - 1);
  const double Step = 1.0 / (FWidth - C);
  for (int Y = 0; Y < FHeight; ++Y) {
    uint8_t* Own = GetScanLinePtr(Y);
    const uint8_t* Other = ABmp.GetScanLinePtr(Y);
    MorphRamp(FWidth - 1, C - 1, -1, Step,
              [&](int AX, double AT) { MorphMixPixel(Own + 3 * AX, Other + 3 * AX, AT); });
  }
}

void TspEffectBmp::MorphPush(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  const int B = std::clamp(int(std::nearbyint(FWidth * MorphFactor(AKf))), 0, FWidth - 1);
  const size_t Kept = size_t(3) * size_t(FWidth - B - 1);
  const size_t Entering = size_t(3) * size_t(B + 1);
  for (int Y = 0; Y < FHeight; ++Y) {
    uint8_t* Own = GetScanLinePtr(Y);
    std::memmove(Own + Entering, Own, Kept);
    std::memcpy(Own, ABmp.GetScanLinePtr(Y) + 3 * (FWidth - B - 1), Entering);
  }
}

void TspEffectBmp::MorphLeftSlide(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  const int B = std::min(std::max(int(std::nearbyint(FWidth * MorphFactor(AKf))), 1), FWidth - 1);
  for (int Y = 0; Y < FHeight; ++Y) {
    std::memcpy(GetScanLinePtr(Y), ABmp.GetScanLinePtr(Y) + 3 * (FWidth - B), size_t(3) * size_t(B));
  }
}

void TspEffectBmp::MorphRightSlide(const TspEffectBmp& ABmp, double AKf) {
  if (!SameSize(ABmp) || !FBits) return;
  const int B = std::min(std::max(int(std::nearbyint(FWidth * MorphFactor(AKf))), 1), FWidth - 1);
  for (int Y = 0; Y < FHeight; ++Y) {
    std::memcpy(GetScanLinePtr(Y) + 3 * (FWidth - B), ABmp.GetScanLinePtr(Y), size_t(3) * size_t(B));
  }
}

void MorphBitmapByKind(TBitmap& AFrom, TBitmap& ATo, double AKf, TMorphKind AKind) {
  TspEffectBmp From(AFrom.Handle());
  const TspEffectBmp To(ATo.Handle());
  // clang-format off
  switch (AKind) {
    case mkGradient: From.MorphGrad(To, AKf); break;
    case mkLeftGradient: From.MorphLeftGrad(To, AKf); break;
    case mkRightGradient: From.MorphRightGrad(To, AKf); break;
    case mkLeftSlide: From.MorphLeftSlide(To, AKf); break;
    case mkRightSlide: From.MorphRightSlide(To, AKf); break;
    case mkPush: From.MorphPush(To, AKf); break;
    default: From.Morph(To, AKf); break;
  }
  // clang-format on
  From.Draw(AFrom.Canvas().Handle(), 0, 0);
}
