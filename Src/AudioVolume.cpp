// Scaling samples for "-vol".

#include "Src/AudioVolume.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Integer samples: the old converter's rounding, (s * volume + 128) >> 8, in 64 bits.
template <typename T>
void ScaleIntegers(uint8_t* APlane, int ASamples, int AVolume, int64_t AMin, int64_t AMax) {
  auto* Samples = reinterpret_cast<T*>(APlane);
  for (int I = 0; I < ASamples; I++) {
    const int64_t Scaled = (static_cast<int64_t>(Samples[I]) * AVolume + 128) >> 8;
    Samples[I] = static_cast<T>(std::clamp(Scaled, AMin, AMax));
  }
}

void ScaleUnsigned8(uint8_t* APlane, int ASamples, int AVolume) {
  for (int I = 0; I < ASamples; I++) {
    const int Scaled = ((APlane[I] - 128) * AVolume + 128) / 256 + 128;
    APlane[I] = static_cast<uint8_t>(std::clamp(Scaled, 0, 255));
  }
}

template <typename T>
void ScaleFloats(uint8_t* APlane, int ASamples, int AVolume) {
  auto* Samples = reinterpret_cast<T*>(APlane);
  const T Factor = static_cast<T>(AVolume) / 256;
  for (int I = 0; I < ASamples; I++) Samples[I] *= Factor;
}

}  // namespace

bool AdjustVolume(uint8_t* const* APlanes, int APlaneCount, int ASamples, AVSampleFormat AFormat,
                  int AVolume) {
  for (int Plane = 0; Plane < APlaneCount; Plane++) {
    uint8_t* Data = APlanes[Plane];
    switch (AFormat) {
      case AV_SAMPLE_FMT_U8:
      case AV_SAMPLE_FMT_U8P:
        ScaleUnsigned8(Data, ASamples, AVolume);
        break;
      case AV_SAMPLE_FMT_S16:
      case AV_SAMPLE_FMT_S16P:
        ScaleIntegers<int16_t>(Data, ASamples, AVolume, INT16_MIN, INT16_MAX);
        break;
      case AV_SAMPLE_FMT_S32:
      case AV_SAMPLE_FMT_S32P:
        ScaleIntegers<int32_t>(Data, ASamples, AVolume, INT32_MIN, INT32_MAX);
        break;
      case AV_SAMPLE_FMT_FLT:
      case AV_SAMPLE_FMT_FLTP:
        ScaleFloats<float>(Data, ASamples, AVolume);
        break;
      case AV_SAMPLE_FMT_DBL:
      case AV_SAMPLE_FMT_DBLP:
        ScaleFloats<double>(Data, ASamples, AVolume);
        break;
      default:
        return false;
    }
  }
  return true;
}
