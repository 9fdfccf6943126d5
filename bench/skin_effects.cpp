// The skin's transitions and soft images: a morph step and the stack blur of a
// 1280 × 720 picture as pictures per second, and one morph step of a 200 × 30 button
// as the animation timers run it. Goal: the button's step under 0.1 ms.

#include <cstdio>

#include "bench/BenchSupport.h"
#include "components/core/spEffBmp.h"

namespace {

constexpr int Runs = 15;

TspEffectBmp EffectsPicture(int AWidth, int AHeight, int ASeed) {
  TspEffectBmp Bitmap(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y) {
    for (int X = 0; X < AWidth; ++X) Bitmap.SetPixel(X, Y, uint32_t(X * 7 + Y * 13 + ASeed) & 0xFFFFFF);
  }
  return Bitmap;
}

void ReportRate(const char* AName, double ASeconds) {
  std::printf("%-36s %9.3f ms   %8.1f per second\n", AName, ASeconds * 1e3, 1 / ASeconds);
}

}  // namespace

int main() {
  const TspEffectBmp Other = EffectsPicture(1280, 720, 99);
  TspEffectBmp Own = EffectsPicture(1280, 720, 0);
  ReportRate("morph 1280x720", bench::MedianSeconds(Runs, [&] { Own.Morph(Other, 0.37); }));
  ReportRate("horizontal gradient 1280x720",
             bench::MedianSeconds(Runs, [&] { Own.MorphHGrad(Other, 0.37); }));

  TspBitmap Blurred;
  Blurred.SetSize(1280, 720);
  for (int Y = 0; Y < 720; ++Y) {
    for (int X = 0; X < 1280; ++X) Blurred.SetPixel(X, Y, TspColor(X * 5 + Y * 3) | 0xFF000000);
  }
  ReportRate("stack blur 1280x720, radius 6", bench::MedianSeconds(Runs, [&] { BlurBitmap(Blurred, 6); }));
  ReportRate("stack blur 1280x720, radius 32", bench::MedianSeconds(Runs, [&] { BlurBitmap(Blurred, 32); }));

  const TspEffectBmp Active = EffectsPicture(200, 30, 50);
  TspEffectBmp Button = EffectsPicture(200, 30, 0);
  const double Step = bench::MedianSeconds(101, [&] { Button.Morph(Active, 0.37); });
  std::printf("%-36s %9.4f ms   goal under 0.1 ms: %s\n", "morph step of a 200x30 button", Step * 1e3,
              Step < 1e-4 ? "met" : "missed");
  return 0;
}
