// TspEffectBmp: the 24-bit section, its rows and pixels, drawing it, and the copies
// between effect bitmaps (Resize, CopyRect).

#include <algorithm>
#include <cmath>
#include <cstring>

#include "components/core/spEffBmp.h"
#include "platform/base/Exceptions.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DcScopes.h"

TspEffectBmp::TspEffectBmp(int ACx, int ACy) { Allocate(ACx, ACy); }

TspEffectBmp::TspEffectBmp(HBITMAP ABitmap) {
  BITMAP Facts;
  if (!ABitmap || GetObject(ABitmap, sizeof(Facts), &Facts) == 0) return;
  Allocate(Facts.bmWidth, Facts.bmHeight);
  if (!FBits) return;
  const TOwnedMemoryDC Display(CreateCompatibleDC(nullptr));
  GetDIBits(Display.get(), ABitmap, 0, unsigned(FHeight), FBits, &FBmpInfo, DIB_RGB_COLORS);
}

TspEffectBmp::TspEffectBmp(const TspEffectBmp& ASource) {
  Allocate(ASource.FWidth, ASource.FHeight);
  if (FBits) std::memcpy(FBits, ASource.FBits, size_t(Size()));
}

TspEffectBmp::~TspEffectBmp() {
  if (FHandle) DeleteObject(FHandle);
}

void TspEffectBmp::Allocate(int ACx, int ACy) {
  if (ACx < 1 || ACy < 1) return;
  FBmpInfo.bmiHeader.biWidth = ACx;
  FBmpInfo.bmiHeader.biHeight = -ACy;
  FBmpInfo.bmiHeader.biBitCount = 24;
  void* Bits = nullptr;
  FHandle = CreateDIBSection(nullptr, &FBmpInfo, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!FHandle) throw EOutOfMemory("Can't allocate the DIB handle");
  FBits = static_cast<uint8_t*>(Bits);
  FWidth = ACx;
  FHeight = ACy;
  FStride = (3 * ACx + 3) & ~3;
}

void TspEffectBmp::GetScanLine(int AY, uint8_t* ALine) const {
  std::memcpy(ALine, GetScanLinePtr(AY), size_t(3) * size_t(FWidth));
}

void TspEffectBmp::SetScanLine(int AY, const uint8_t* ALine) {
  std::memcpy(GetScanLinePtr(AY), ALine, size_t(3) * size_t(FWidth));
}

uint32_t TspEffectBmp::GetPixel(int AX, int AY) const {
  const uint8_t* P = GetScanLinePtr(AY) + 3 * AX;
  return uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16;
}

void TspEffectBmp::SetPixel(int AX, int AY, uint32_t AColor) {
  uint8_t* P = GetScanLinePtr(AY) + 3 * AX;
  P[0] = uint8_t(AColor);
  P[1] = uint8_t(AColor >> 8);
  P[2] = uint8_t(AColor >> 16);
}

void TspEffectBmp::Draw(HDC ADC, int AX, int AY) const {
  if (!FBits) return;
  SetDIBitsToDevice(ADC, AX, AY, FWidth, FHeight, 0, 0, 0, unsigned(FHeight), FBits, &FBmpInfo,
                    DIB_RGB_COLORS);
}

void TspEffectBmp::Stretch(HDC ADC, int AX, int AY, int ACx, int ACy) const {
  if (!FBits) return;
  StretchDIBits(ADC, AX, AY, ACx, ACy, 0, 0, FWidth, FHeight, FBits, &FBmpInfo, DIB_RGB_COLORS, SRCCOPY);
}

void TspEffectBmp::DrawRect(HDC ADC, int AHx, int AHy, int AX, int AY, int ACx, int ACy) const {
  if (!FBits) return;
  SetDIBitsToDevice(ADC, AHx, AHy, ACx, ACy, AX, AY, 0, unsigned(FHeight), FBits, &FBmpInfo, DIB_RGB_COLORS);
}

void TspEffectBmp::Resize(TspEffectBmp& ADst) const {
  if (!FBits || !ADst.FBits) return;
  const double Kx = double(ADst.FWidth - 1) / FWidth;
  const double Ky = double(ADst.FHeight - 1) / FHeight;
  const int BlockWidth = int(std::nearbyint(Kx)) + 1;
  const int BlockHeight = int(std::nearbyint(Ky)) + 1;
  for (int Y = 0; Y < FHeight; ++Y) {
    const int Top = int(std::nearbyint(Ky * Y));
    const int Bottom = std::min(Top + BlockHeight, ADst.FHeight);
    for (int X = 0; X < FWidth; ++X) {
      const uint8_t* Source = GetScanLinePtr(Y) + 3 * X;
      const int Left = int(std::nearbyint(Kx * X));
      const int Right = std::min(Left + BlockWidth, ADst.FWidth);
      for (int DY = Top; DY < Bottom; ++DY) {
        uint8_t* Target = ADst.GetScanLinePtr(DY);
        for (int DX = Left; DX < Right; ++DX) std::memcpy(Target + 3 * DX, Source, 3);
      }
    }
  }
}

void TspEffectBmp::CopyRect(const TspEffectBmp& ABmp, const TRect& ARect, int AStartX, int AStartY) {
  // The block is inclusive; it is cut to this bitmap and to what ABmp holds from the
  // start point on.
  const int Left = std::max({ARect.Left, 0, ARect.Left - AStartX});
  const int Top = std::max({ARect.Top, 0, ARect.Top - AStartY});
  const int Right = std::min({ARect.Right, FWidth - 1, ARect.Left + ABmp.FWidth - 1 - AStartX});
  const int Bottom = std::min({ARect.Bottom, FHeight - 1, ARect.Top + ABmp.FHeight - 1 - AStartY});
  if (Left > Right || Top > Bottom || !ABmp.FBits) return;
  const int SourceX = AStartX + Left - ARect.Left;
  const size_t Bytes = size_t(3) * size_t(Right - Left + 1);
  for (int Y = Top; Y <= Bottom; ++Y) {
    const int SourceY = AStartY + Y - ARect.Top;
    std::memcpy(GetScanLinePtr(Y) + 3 * Left, ABmp.GetScanLinePtr(SourceY) + 3 * SourceX, Bytes);
  }
}
