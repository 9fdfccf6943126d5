// TspBitmap: the section, its device context and canvas, the registry that maps a
// device context back to its bitmap, pixel access and the whole-bitmap checks.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "components/core/spEffBmp.h"
#include "platform/base/Exceptions.h"
#include "platform/gdi/DcScopes.h"

namespace {

// The bitmaps that own a device context, in the order they got one.
std::vector<TspBitmap*>& BitmapRegistry() {
  static std::vector<TspBitmap*> Registry;
  return Registry;
}

void RegisterBitmap(TspBitmap* ABitmap) {
  auto& Registry = BitmapRegistry();
  if (std::find(Registry.begin(), Registry.end(), ABitmap) == Registry.end()) Registry.push_back(ABitmap);
}

void UnregisterBitmap(TspBitmap* ABitmap) { std::erase(BitmapRegistry(), ABitmap); }

// ARect cut to a AWidth × AHeight bitmap; may come out empty.
TRect ClampToBitmap(const TRect& ARect, int AWidth, int AHeight) {
  return {std::max(ARect.Left, 0), std::max(ARect.Top, 0), std::min(ARect.Right, AWidth),
          std::min(ARect.Bottom, AHeight)};
}

bool IsPartialAlpha(TspColor APixel) {
  const TspColor Alpha = APixel >> 24;
  return Alpha != 0 && Alpha != 255;
}

bool IsNearColor(TspColor APixel, TspColor AColor) {
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    if (std::abs(int((APixel >> Shift) & 0xFF) - int((AColor >> Shift) & 0xFF)) > 5) return false;
  }
  return true;
}

}  // namespace

TspBitmap* FindBitmapByDC(HDC ADC) {
  if (!ADC) return nullptr;
  for (TspBitmap* Bitmap : BitmapRegistry()) {
    if (Bitmap->DC() == ADC) return Bitmap;
  }
  return nullptr;
}

TspBitmap::TspBitmap() = default;

TspBitmap::~TspBitmap() {
  UnregisterBitmap(this);
  ReleaseHandles();  // lets the canvas go of the context before it is deleted
}

void TspBitmap::ReleaseHandles() {
  if (FCanvas) FCanvas->SetHandle(nullptr);
  if (FDC) DeleteDC(FDC);
  if (FHandle) DeleteObject(FHandle);
  FDC = nullptr;
  FHandle = nullptr;
  FBits = nullptr;
  FWidth = 0;
  FHeight = 0;
}

void TspBitmap::SetSize(int AWidth, int AHeight) {
  // Sizes come from streams and callers alike: take magnitudes in 64 bits, so that the
  // smallest integer does not stay negative.
  const int64_t Width = std::llabs(int64_t(AWidth));
  const int64_t Height = std::llabs(int64_t(AHeight));
  if (Width == 0 || Height == 0 || (Width == FWidth && Height == FHeight)) return;
  ReleaseHandles();
  if (Width > kMaxBitmapSide || Height > kMaxBitmapSide) throw EOutOfMemory("Can't allocate the DIB handle");

  BITMAPINFO Info{};
  Info.bmiHeader.biWidth = int32_t(Width);
  Info.bmiHeader.biHeight = -int32_t(Height);
  Info.bmiHeader.biBitCount = 32;
  void* Bits = nullptr;
  TOwnedGdiObject<TBitmapObject> Section(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  if (!Section || !Bits) throw EOutOfMemory("Can't allocate the DIB handle");
  TOwnedMemoryDC DC(CreateCompatibleDC(nullptr));
  if (!DC) throw EOutOfMemory("Can't create compatible DC");
  if (!SelectObject(DC.get(), Section.get())) throw EOutOfMemory("Can't bslect an object into DC");
  FHandle = Section.release();
  FDC = DC.release();
  FBits = static_cast<PspColorArray>(Bits);
  FWidth = int(Width);
  FHeight = int(Height);
  RegisterBitmap(this);
  if (FCanvas) FCanvas->SetHandle(FDC);
}

TCanvas& TspBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetHandle(FDC);
  }
  return *FCanvas;
}

TspColor TspBitmap::GetPixel(int AX, int AY) const {
  if (!FBits || AX < 0 || AY < 0 || AX >= FWidth || AY >= FHeight) return 0;
  return *GetPixelPtr(AX, AY);
}

void TspBitmap::SetPixel(int AX, int AY, TspColor AValue) {
  if (!FBits || AX < 0 || AY < 0 || AX >= FWidth || AY >= FHeight) return;
  *GetPixelPtr(AX, AY) = AValue;
}

void TspBitmap::Clear(TspColor AColor) {
  if (FBits) PixelKernels.FillRow(FBits, FWidth * FHeight, AColor);
}

void TspBitmap::SetAlpha(uint8_t AAlpha) {
  if (FBits) PixelKernels.SetRowAlpha(FBits, FWidth * FHeight, AAlpha);
}

void TspBitmap::SetAlpha(uint8_t AAlpha, const TRect& ARect) {
  if (ARect.Width() == 0 || ARect.Height() == 0 || !FBits) return;
  const TRect Inside = ClampToBitmap(ARect, FWidth, FHeight);
  if (IsRectEmpty(Inside)) return;
  PixelKernels.SetRectAlpha(FBits, FWidth, AAlpha, Inside.Left, Inside.Top, Inside.Right - 1,
                            Inside.Bottom - 1);
}

void TspBitmap::CheckRGBA() {
  const int Count = FWidth * FHeight;
  for (int I = 0; I < Count; ++I) {
    const TspColor Pixel = FBits[I];
    const TspColor Alpha = Pixel >> 24;
    TspColor Result = Pixel & 0xFF000000;
    for (int Shift = 0; Shift <= 16; Shift += 8) Result |= std::min((Pixel >> Shift) & 0xFF, Alpha) << Shift;
    FBits[I] = Result;
  }
}

void TspBitmap::CheckRGBA2() {
  const int Count = FWidth * FHeight;
  for (int I = 0; I < Count; ++I) {
    const TspColor Pixel = FBits[I];
    const TspColor Alpha = Pixel >> 24;
    TspColor Result = Pixel & 0xFF000000;
    for (int Shift = 0; Shift <= 16; Shift += 8) {
      // Round(alpha × c / 255) with halves to even, in integers: q and the remainder
      // against half of 255.
      const TspColor Product = Alpha * ((Pixel >> Shift) & 0xFF);
      TspColor Quotient = Product / 255;
      const TspColor Twice = (Product % 255) * 2;
      if (Twice > 255 || (Twice == 255 && (Quotient & 1))) ++Quotient;
      Result |= Quotient << Shift;
    }
    FBits[I] = Result;
  }
}

void TspBitmap::CheckingAlphaBlend() { CheckingAlphaBlend(Rect(0, 0, FWidth, FHeight)); }

void TspBitmap::CheckingAlphaBlend(const TRect& ARect) {
  const TRect Inside = ClampToBitmap(ARect, FWidth, FHeight);
  AlphaBlend = false;
  if (IsRectEmpty(Inside)) return;
  for (int Y = Inside.Top; Y < Inside.Bottom && !AlphaBlend; ++Y) {
    const TspColor* Row = GetScanLinePtr(Y);
    AlphaBlend = std::any_of(Row + Inside.Left, Row + Inside.Right, IsPartialAlpha);
  }
}

void TspBitmap::CheckingTransparent(TspColor AColor) {
  CheckingTransparent(AColor, Rect(0, 0, FWidth, FHeight));
}

void TspBitmap::CheckingTransparent(TspColor AColor, const TRect& ARect) {
  const TRect Inside = ClampToBitmap(ARect, FWidth, FHeight);
  Transparent = false;
  for (int Y = Inside.Top; Y < Inside.Bottom; ++Y) {
    TspColor* Row = GetScanLinePtr(Y);
    for (int X = Inside.Left; X < Inside.Right; ++X) {
      if (!IsNearColor(Row[X], AColor)) continue;
      Row[X] = spTransparentKey;
      Transparent = true;
    }
  }
}
