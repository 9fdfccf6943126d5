// The form's icon on the caption: a copy at the small-icon size of the form's own icon
// (or the application's), made once, and whether that copy has an alpha channel of its
// own, which the layered border asks to know how to draw it.

#include <algorithm>

#include "components/forms/SkinForm.h"
#include "platform/ui/Application.h"

namespace {

// Drawing with per-pixel alpha leaves the colours premultiplied by their alpha; the
// icon keeps them straight, as its own pictures are.
void UnpremultiplyIconPixels(TBitmap& ABitmap) {
  for (int Y = 0; Y < ABitmap.Height(); ++Y) {
    auto* Row = reinterpret_cast<uint32_t*>(ABitmap.ScanLine(Y));
    for (int X = 0; X < ABitmap.Width(); ++X) {
      const uint32_t Pixel = Row[X];
      const uint32_t Alpha = Pixel >> 24;
      if (Alpha == 0 || Alpha == 255) continue;
      auto Channel = [&](int AShift) {
        return std::min<uint32_t>(255, ((Pixel >> AShift & 0xFF) * 255 + Alpha / 2) / Alpha) << AShift;
      };
      Row[X] = Alpha << 24 | Channel(16) | Channel(8) | Channel(0);
    }
  }
}

}  // namespace

TIcon* TspSkinForm::EnsureIcon() {
  if (FIcon) return FIcon.get();
  TIcon* Source = !FForm->Icon().Empty()         ? &FForm->Icon()
                  : !Application->Icon().Empty() ? &Application->Icon()
                                                 : nullptr;
  const TPoint Size = CaptionPart().GetSmallIconSize();
  if (Source == nullptr || Size.X <= 0 || Size.Y <= 0) return nullptr;
  TBitmap Small;
  Small.SetPixelFormat(pf32bit);
  Small.SetSize(Size.X, Size.Y);
  for (int Y = 0; Y < Size.Y; ++Y) std::fill_n(reinterpret_cast<uint32_t*>(Small.ScanLine(Y)), Size.X, 0u);
  Small.Canvas().StretchDraw(Rect(0, 0, Size.X, Size.Y), *Source);
  UnpremultiplyIconPixels(Small);
  FIcon = std::make_unique<TIcon>();
  FIcon->Assign(Small);
  const TPixelImage SourcePixels = Source->ToPixelImage();
  FIsAlphaIcon = SourcePixels.SourceBitsPerPixel == 32 && SourcePixels.HasAlpha;
  return FIcon.get();
}

void TspSkinForm::DrawFormIcon(TCanvas& ACanvas, int AX, int AY) {
  if (TIcon* Icon = EnsureIcon()) ACanvas.Draw(AX, AY, *Icon);
}

bool TspSkinForm::CheckAlphaIcon() {
  // A masked icon's transparency is no alpha channel: only a picture with alpha of its
  // own counts.
  return EnsureIcon() != nullptr && FIsAlphaIcon;
}
