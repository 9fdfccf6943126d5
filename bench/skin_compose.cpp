// Composing skinned window images from a skin picture, as every skinned form and
// button does on each resize: a 1280 x 720 frame and a 200 x 30 button, nine-part
// with tiled and with stretched edges and client, and a three-part button strip. Each
// is reported per second and as a ratio to one blit of the same size (what painting
// the finished image costs), the reference.

#include <cstdio>

#include "bench/BenchSupport.h"
#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/gdi/Blit.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

constexpr int Runs = 25;

// A skin picture with some texture in every piece.
void FillSkinPicture(TBitmap& APicture) {
  APicture.SetSize(400, 300);
  for (int Y = 0; Y < APicture.Height(); ++Y) {
    auto* Row = reinterpret_cast<uint32_t*>(APicture.ScanLine(Y));
    for (int X = 0; X < APicture.Width(); ++X) Row[X] = 0xFF000000u | uint32_t(X * 7 + Y * 13) * 0x010203u;
  }
}

// One blit of a W x H image onto a W x H target.
double BlitSeconds(int AWidth, int AHeight) {
  TBitmap Source, Target;
  Source.SetSize(AWidth, AHeight);
  Target.SetSize(AWidth, AHeight);
  return bench::MedianSeconds(Runs, [&] {
    BitBlt(Target.Canvas().Handle(), 0, 0, AWidth, AHeight, Source.Canvas().Handle(), 0, 0, SRCCOPY);
  });
}

// The nine-part element at ASkinRect with ClRect inset by ABorder on every side and its
// corner points at the client's corners, composed to W x H.
double ComposeSeconds(TBitmap& APicture, TRect ASkinRect, int ABorder, int AWidth, int AHeight,
                      bool AStretch) {
  const TRect C = Rect(ABorder, ABorder, ASkinRect.Width() - ABorder, ASkinRect.Height() - ABorder);
  TspSkinImageGeometry Geometry =
      SkinImageGeometryAtClient(C, ASkinRect, Rect(ABorder, ABorder, AWidth - ABorder, AHeight - ABorder));
  Geometry.LeftStretch = Geometry.TopStretch = Geometry.RightStretch = Geometry.BottomStretch = AStretch;
  Geometry.StretchEffect = AStretch;
  Geometry.StretchType = spstFull;
  TBitmap Image;
  return bench::MedianSeconds(Runs,
                              [&] { ComposeSkinImage(Image, APicture, Geometry, AWidth, AHeight, true); });
}

void Report(const char* AName, double ASeconds, double ABlit) {
  std::printf("%-44s %9.2f us  %8.0f /s   blit %7.2f us   ratio %6.2f\n", AName, ASeconds * 1e6, 1 / ASeconds,
              ABlit * 1e6, ASeconds / ABlit);
}

}  // namespace

int main() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  {
    TBitmap Picture;
    FillSkinPicture(Picture);
    const double FrameBlit = BlitSeconds(1280, 720);
    const double ButtonBlit = BlitSeconds(200, 30);
    // A 200 x 150 frame part with 20-pixel borders: edges of 160, client 160 x 110.
    Report("frame 1280x720, tiled", ComposeSeconds(Picture, Rect(0, 0, 200, 150), 20, 1280, 720, false),
           FrameBlit);
    Report("frame 1280x720, stretched", ComposeSeconds(Picture, Rect(0, 0, 200, 150), 20, 1280, 720, true),
           FrameBlit);
    // A 60 x 30 button part with 6-pixel borders.
    Report("button 200x30, tiled", ComposeSeconds(Picture, Rect(200, 0, 260, 30), 6, 200, 30, false),
           ButtonBlit);
    Report("button 200x30, stretched", ComposeSeconds(Picture, Rect(200, 0, 260, 30), 6, 200, 30, true),
           ButtonBlit);
    TBitmap Strip;
    Report(
        "button strip 200x30 (ends 10, middle tiled)",
        bench::MedianSeconds(
            Runs, [&] { CreateHSkinImage(10, 10, Strip, Picture, Rect(200, 40, 260, 70), 200, 30, false); }),
        ButtonBlit);
  }
  StopWindowSystem();
  return 0;
}
