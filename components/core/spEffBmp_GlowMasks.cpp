// Glow silhouettes: opaque red where a glyph, image-list image or PNG picture shows,
// for the caller to blur and colour into a glow.

#include "components/core/spEffBmp.h"
#include "components/core/sppngimagelist.h"

namespace {

constexpr TspColor GlowMaskRed = 0xFFFF0000;

}  // namespace

void DrawImageListGlowMask(TspBitmap& ATarget, TCustomImageList& AList, int AIndex, int AOffset) {
  if (auto* PngList = dynamic_cast<TspPngImageList*>(&AList)) {
    if (AIndex < 0 || AIndex >= PngList->PngImages().Count()) return;
    DrawPngGlowMask(ATarget, PngList->PngImages().GetItem(AIndex)->PngImage(), AOffset);
    return;
  }
  TBitmap Image;
  if (!AList.GetBitmap(AIndex, Image)) return;
  DrawBitmapGlowMask(ATarget, Image, AOffset);
}

void DrawBitmapGlowMask(TspBitmap& ATarget, const TGraphic& APicture, int AOffset) {
  if (APicture.Empty()) return;
  TspBitmap Silhouette;
  Silhouette.Assign(APicture);
  const TspColor Background = Silhouette.GetPixel(0, 0);
  TspColor* Pixel = Silhouette.Bits();
  const size_t Count = size_t(Silhouette.Width()) * size_t(Silhouette.Height());
  for (size_t I = 0; I < Count; ++I) {
    if (Pixel[I] != Background) Pixel[I] = GlowMaskRed;
  }
  Silhouette.CheckingTransparent(Background);
  Silhouette.Draw(ATarget, AOffset, AOffset);
  Silhouette.Draw(ATarget, AOffset - 1, AOffset - 1);
  Silhouette.Draw(ATarget, AOffset + 1, AOffset + 1);
}

void DrawPngGlowMask(TspBitmap& ATarget, const TPngImage& APicture, int AOffset) {
  const TPixelImage Image = APicture.ToPixelImage();
  for (int Y = 0; Y < Image.Height; ++Y) {
    for (int X = 0; X < Image.Width; ++X) {
      if (Image.Pixel(X, Y) >> 24 != 0) ATarget.SetPixel(AOffset + X, AOffset + Y, GlowMaskRed);
    }
  }
  ATarget.CheckingAlphaBlend();
}
