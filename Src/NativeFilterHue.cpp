// "nativehue": hue and saturation of the chroma planes in integer arithmetic.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Src/NativeFilterEqualizer.h"
#include "Src/NativeFilters.h"

namespace {

class THueInstance : public TEqualizerInstance {
 public:
  THueInstance() : TEqualizerInstance("hue", "saturation") {}

 protected:
  // Each chroma pair (u, v), taken around 128, is turned by hue × 180 / 100 degrees and
  // scaled by (saturation + 100) / 100 in 16.16 fixed point, then limited to 0..255.
  // Chroma planes of odd-sized pictures have a last, partly covered column and row;
  // they are changed like the others.
  void Process(AVFrame* AFrame, int AHue, int ASaturation) override {
    const double Angle = AHue * std::numbers::pi / 100;
    const int Sn = static_cast<int>(std::floor(std::sin(Angle) * 65536 * (ASaturation + 100) / 100 + 0.5));
    const int Cs = static_cast<int>(std::floor((ASaturation + 100) * std::cos(Angle) * 65536 / 100 + 0.5));
    const int Width = AV_CEIL_RSHIFT(AFrame->width, FChromaShiftX);
    const int Height = AV_CEIL_RSHIFT(AFrame->height, FChromaShiftY);
    for (int Y = 0; Y < Height; Y++) {
      uint8_t* URow = AFrame->data[1] + static_cast<ptrdiff_t>(Y) * AFrame->linesize[1];
      uint8_t* VRow = AFrame->data[2] + static_cast<ptrdiff_t>(Y) * AFrame->linesize[2];
      for (int X = 0; X < Width; X++) {
        const int U = URow[X] - 128;
        const int V = VRow[X] - 128;
        URow[X] = std::clamp((Cs * U - Sn * V + 0x808000) >> 16, 0, 255);
        VRow[X] = std::clamp((Sn * U + Cs * V + 0x808000) >> 16, 0, 255);
      }
    }
  }
};

class THueFilter : public TEngineVideoFilter {
 public:
  String Name() const override { return "nativehue"; }
  String Description() const override { return "Software video equalizer(hue and saturation)"; }
  std::unique_ptr<TEngineFilterInstance> CreateInstance(const String& AArguments, String& AError) override {
    auto Instance = std::make_unique<THueInstance>();
    if (!Instance->ParseArguments(AArguments, AError)) return nullptr;
    return Instance;
  }
};

}  // namespace

void RegisterNativeHueFilter() {
  static THueFilter Filter;
  RegisterFilter(Filter);
}
