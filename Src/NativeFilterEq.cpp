// "nativeeq": brightness and contrast of the luma plane in integer arithmetic.

#include <algorithm>
#include <array>

#include "Src/NativeFilterEqualizer.h"
#include "Src/NativeFilters.h"

namespace {

class TEqInstance : public TEqualizerInstance {
 public:
  TEqInstance() : TEqualizerInstance("brightness", "contrast") {}

 protected:
  // Every luma sample s becomes ((s × c) >> 16) + b, limited to 0..255, with
  // c = (contrast + 100) × 65536 / 100 and b = (brightness + 100) × 511 / 200 − 128 − c / 512
  // (integer divisions). The mapping depends on the sample alone, so it is tabulated
  // once per picture.
  void Process(AVFrame* AFrame, int ABrightness, int AContrast) override {
    const int C = ((AContrast + 100) * 65536) / 100;
    const int B = ((ABrightness + 100) * 511) / 200 - 128 - (C >> 9);
    std::array<uint8_t, 256> Table;
    for (int Sample = 0; Sample < 256; Sample++) Table[Sample] = std::clamp(((Sample * C) >> 16) + B, 0, 255);
    for (int Y = 0; Y < AFrame->height; Y++) {
      uint8_t* Row = AFrame->data[0] + static_cast<ptrdiff_t>(Y) * AFrame->linesize[0];
      for (int X = 0; X < AFrame->width; X++) Row[X] = Table[Row[X]];
    }
  }
};

class TEqFilter : public TEngineVideoFilter {
 public:
  String Name() const override { return "nativeeq"; }
  String Description() const override { return "Software video equalizer(brightness and contrast)"; }
  std::unique_ptr<TEngineFilterInstance> CreateInstance(const String& AArguments, String& AError) override {
    auto Instance = std::make_unique<TEqInstance>();
    if (!Instance->ParseArguments(AArguments, AError)) return nullptr;
    return Instance;
  }
};

}  // namespace

void RegisterNativeEqFilter() {
  static TEqFilter Filter;
  RegisterFilter(Filter);
}
