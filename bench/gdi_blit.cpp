// Block transfers of a full-HD 32-bit picture, as the skin composes windows and the
// player shows frames: BitBlt (SRCCOPY), AlphaBlend (per-pixel premultiplied alpha and
// constant alpha) and StretchBlt (1280 × 720 up to 1920 × 1080, nearest neighbour), each
// against memcpy of the bytes the call writes. Every figure is the median of several
// runs; the ratio is the call's time over memcpy's.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "bench/BenchSupport.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DeviceContext.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Runs = 15;

double MedianSeconds(const std::function<void()>& AWork) { return bench::MedianSeconds(Runs, AWork); }

// A memory device context drawing into a new 32-bit DIB section of the given size,
// filled with a pattern of varied colours and alpha.
struct TPicture {
  TPicture(int AWidth, int AHeight)
      : Bitmap(CreateDib(AWidth, AHeight, 32)), DC(CreateCompatibleDC(nullptr)) {
    SelectObject(DC, Bitmap);
    auto* Pixels = reinterpret_cast<uint32_t*>(Bitmap->Bits());
    for (size_t I = 0; I < size_t(AWidth) * AHeight; ++I) {
      const uint32_t Alpha = uint32_t(I * 7) & 0xFF;
      // Premultiplied: no colour channel above the alpha.
      Pixels[I] = (Alpha << 24) | (((I * 3) % (Alpha + 1)) << 16) | (((I * 5) % (Alpha + 1)) << 8) |
                  (I % (Alpha + 1));
    }
  }
  HBITMAP Bitmap;
  HDC DC;
};

void Report(const char* AName, double ASeconds, double AReference) {
  std::printf("%-34s %8.3f ms   memcpy %7.3f ms   ratio %5.2f\n", AName, ASeconds * 1e3, AReference * 1e3,
              ASeconds / AReference);
}

}  // namespace

int main() {
  TPicture Source(Width, Height), Target(Width, Height), Small(1280, 720);
  const size_t Bytes = size_t(Width) * Height * 4;
  const double Copy =
      MedianSeconds([&] { std::memcpy(Target.Bitmap->Bits(), Source.Bitmap->Bits(), Bytes); });

  Report("BitBlt SRCCOPY 1920x1080",
         MedianSeconds([&] { BitBlt(Target.DC, 0, 0, Width, Height, Source.DC, 0, 0, SRCCOPY); }), Copy);

  BLENDFUNCTION PerPixel;
  PerPixel.AlphaFormat = AC_SRC_ALPHA;
  Report("AlphaBlend AC_SRC_ALPHA 1920x1080", MedianSeconds([&] {
           AlphaBlend(Target.DC, 0, 0, Width, Height, Source.DC, 0, 0, Width, Height, PerPixel);
         }),
         Copy);

  BLENDFUNCTION Constant;
  Constant.SourceConstantAlpha = 128;
  Report("AlphaBlend constant 128 1920x1080", MedianSeconds([&] {
           AlphaBlend(Target.DC, 0, 0, Width, Height, Source.DC, 0, 0, Width, Height, Constant);
         }),
         Copy);

  SetStretchBltMode(Target.DC, COLORONCOLOR);
  Report("StretchBlt 1280x720 -> 1920x1080", MedianSeconds([&] {
           StretchBlt(Target.DC, 0, 0, Width, Height, Small.DC, 0, 0, 1280, 720, SRCCOPY);
         }),
         Copy);
  return 0;
}
