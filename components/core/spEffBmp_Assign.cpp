// Copying between TspBitmap and the class library's bitmaps, graphics and pictures.

#include <cstring>

#include "components/core/spEffBmp.h"

namespace {

// The class library's graphics are read through non-const members (canvas, scan lines)
// that change nothing of the picture.
TBitmap& ReadableGraphic(const TBitmap& ABitmap) { return const_cast<TBitmap&>(ABitmap); }
TGraphic& ReadableGraphic(const TGraphic& AGraphic) { return const_cast<TGraphic&>(AGraphic); }

}  // namespace

void TspBitmap::Assign(const TPersistent& ASource) {
  if (const auto* Other = dynamic_cast<const TspBitmap*>(&ASource)) {
    if (Other == this) return;
    SetSize(Other->Width(), Other->Height());
    if (Empty()) return;
    PixelKernels.MoveRow(Other->Bits(), FBits, Other->Width() * Other->Height());
    Name = Other->Name;
    Transparent = Other->Transparent;
    AlphaBlend = Other->AlphaBlend;
    return;
  }

  // A bitmap held by a picture loses its alpha, even a 32-bit one: skins rely on
  // pictures loading opaque.
  const auto CopyOpaque = [this](const TBitmap& ABitmap) {
    SetSize(ABitmap.Width(), ABitmap.Height());
    if (Empty() || ABitmap.Empty()) return;
    BitBlt(FDC, 0, 0, FWidth, FHeight, ReadableGraphic(ABitmap).Canvas().Handle(), 0, 0, SRCCOPY);
    SetAlpha(255);
  };
  const auto PaintOpaque = [this](const TGraphic& AGraphic) {
    SetSize(AGraphic.Width(), AGraphic.Height());
    if (Empty() || AGraphic.Empty()) return;
    DrawGraphic(ReadableGraphic(AGraphic), Rect(0, 0, FWidth, FHeight));
    SetAlpha(255);
  };

  if (const auto* Bitmap = dynamic_cast<const TBitmap*>(&ASource)) {
    if (Bitmap->PixelFormat() != pf32bit) {
      CopyOpaque(*Bitmap);
      return;
    }
    SetSize(Bitmap->Width(), Bitmap->Height());
    if (Empty() || Bitmap->Empty()) return;
    for (int Y = 0; Y < FHeight; ++Y) {
      std::memcpy(GetScanLinePtr(Y), ReadableGraphic(*Bitmap).ScanLine(Y), size_t(FWidth) * sizeof(TspColor));
    }
    CheckingAlphaBlend();
    return;
  }
  if (const auto* Graphic = dynamic_cast<const TGraphic*>(&ASource)) {
    PaintOpaque(*Graphic);
    return;
  }
  if (const auto* Picture = dynamic_cast<const TPicture*>(&ASource)) {
    if (const auto* Held = dynamic_cast<const TBitmap*>(Picture->Graphic())) {
      CopyOpaque(*Held);
    } else if (Picture->Graphic()) {
      PaintOpaque(*Picture->Graphic());
    }
    return;
  }
  TPersistent::Assign(ASource);
}

void TspBitmap::AssignTo(TPersistent& ADest) const {
  TBitmap* Target = dynamic_cast<TBitmap*>(&ADest);
  if (auto* Picture = dynamic_cast<TPicture*>(&ADest)) Target = &Picture->Bitmap();
  if (!Target) {
    TPersistent::AssignTo(ADest);
    return;
  }
  Target->SetPixelFormat(pf32bit);
  Target->SetSize(FWidth, FHeight);
  if (!Empty()) Draw(Target->Canvas(), 0, 0);
}
