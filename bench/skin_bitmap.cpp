// Drawing a full-HD skin picture into a TspBitmap, as every skinned window composes its
// image before one blit: a plain copy, blending by alpha, keyed copying and tiling a
// 64 × 64 piece over the whole picture, each against memcpy of the bytes it writes.
// Goals: blending within 4 × memcpy, the plain copy and tiling within 1.5 ×.

#include <cstdio>
#include <cstring>

#include "bench/BenchSupport.h"
#include "components/core/spEffBmp.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Runs = 15;

// A skin-like picture: opaque faces, clear margins, soft edges of partial alpha and some
// key pixels, in bands as frames and buttons lay them out.
void FillSkinPicture(TspBitmap& ABitmap, bool AEveryPixelPartial) {
  ABitmap.SetSize(Width, Height);
  for (int Y = 0; Y < Height; ++Y) {
    TspColor* Row = ABitmap.GetScanLinePtr(Y);
    for (int X = 0; X < Width; ++X) {
      const TspColor Colour = TspColor(X * 7 + Y * 13) & 0xFFFFFF;
      const int Band = (X / 16 + Y / 8) % 10;
      TspColor Alpha = Band < 6 ? 255 : Band < 8 ? 0 : TspColor(X * 3 + Y) & 0xFF;
      if (AEveryPixelPartial) Alpha = 1 + TspColor(X + Y) % 254;
      Row[X] = (Alpha << 24) | (Band == 7 ? spTransparentKey : Colour);
    }
  }
}

void Report(const char* AName, double ASeconds, double AReference) {
  std::printf("%-40s %8.3f ms   memcpy %7.3f ms   ratio %5.2f\n", AName, ASeconds * 1e3, AReference * 1e3,
              ASeconds / AReference);
}

}  // namespace

int main() {
  std::printf("processor test for the vector unit: %s (the kernels are the same either way)\n",
              HasMMX ? "passed" : "failed");
  TspBitmap Skin, AllPartial, Target;
  FillSkinPicture(Skin, false);
  FillSkinPicture(AllPartial, true);
  Target.SetSize(Width, Height);
  Target.Clear(0xFF336699);
  const size_t Bytes = size_t(Width) * Height * 4;
  const double Copy = bench::MedianSeconds(Runs, [&] { std::memcpy(Target.Bits(), Skin.Bits(), Bytes); });

  Report("plain copy 1920x1080", bench::MedianSeconds(Runs, [&] { Skin.Draw(Target, 0, 0); }), Copy);
  Skin.AlphaBlend = true;
  Report("alpha 1920x1080 (skin mix)", bench::MedianSeconds(Runs, [&] { Skin.Draw(Target, 0, 0); }), Copy);
  AllPartial.AlphaBlend = true;
  Report("alpha 1920x1080 (every pixel partial)",
         bench::MedianSeconds(Runs, [&] { AllPartial.Draw(Target, 0, 0); }), Copy);
  Skin.AlphaBlend = false;
  Skin.Transparent = true;
  Report("keyed 1920x1080", bench::MedianSeconds(Runs, [&] { Skin.Draw(Target, 0, 0); }), Copy);
  Skin.Transparent = false;
  Report(
      "tile 64x64 over 1920x1080",
      bench::MedianSeconds(Runs, [&] { Skin.Tile(Target, Rect(0, 0, Width, Height), Rect(0, 0, 64, 64)); }),
      Copy);
  return 0;
}
