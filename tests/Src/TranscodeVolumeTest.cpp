// "-vol" on samples of every format the decoders give: scaled by volume / 256 and
// clipped to the format's range.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Src/AudioVolume.h"

namespace {

template <typename T>
std::vector<T> Scaled(std::vector<T> ASamples, AVSampleFormat AFormat, int AVolume, int APlanes = 1) {
  std::vector<uint8_t*> Planes;
  const int PerPlane = static_cast<int>(ASamples.size()) / APlanes;
  for (int I = 0; I < APlanes; I++)
    Planes.push_back(reinterpret_cast<uint8_t*>(ASamples.data() + I * PerPlane));
  EXPECT_TRUE(AdjustVolume(Planes.data(), APlanes, PerPlane, AFormat, AVolume));
  return ASamples;
}

TEST(TranscodeVolumeTest, IntegerSamplesAreScaledAndClipped) {
  EXPECT_EQ(Scaled<int16_t>({1000, -1000, 20000, -20000, 32767}, AV_SAMPLE_FMT_S16, 512),
            (std::vector<int16_t>{2000, -2000, 32767, -32768, 32767}));
  EXPECT_EQ(Scaled<int16_t>({1000, -1000, 3, -3}, AV_SAMPLE_FMT_S16P, 128, 2),
            (std::vector<int16_t>{500, -500, 2, -1}));
  EXPECT_EQ(Scaled<int32_t>({1 << 20, INT32_MAX / 2 + 10, INT32_MIN / 2 - 10}, AV_SAMPLE_FMT_S32P, 512),
            (std::vector<int32_t>{1 << 21, INT32_MAX, INT32_MIN}));
  EXPECT_EQ(Scaled<uint8_t>({128, 138, 118, 250, 5}, AV_SAMPLE_FMT_U8, 512),
            (std::vector<uint8_t>{128, 148, 109, 255, 0}));
}

TEST(TranscodeVolumeTest, FloatSamplesAreScaledWithoutClipping) {
  EXPECT_EQ(Scaled<float>({0.25f, -0.75f, 1.0f, 0.0f}, AV_SAMPLE_FMT_FLTP, 512, 2),
            (std::vector<float>{0.5f, -1.5f, 2.0f, 0.0f}));
  EXPECT_EQ(Scaled<double>({0.5, -0.5}, AV_SAMPLE_FMT_DBL, 128), (std::vector<double>{0.25, -0.25}));
}

TEST(TranscodeVolumeTest, AnUnknownFormatIsLeftAlone) {
  int64_t Sample = 1000;
  uint8_t* Plane = reinterpret_cast<uint8_t*>(&Sample);
  EXPECT_FALSE(AdjustVolume(&Plane, 1, 1, AV_SAMPLE_FMT_S64, 512));
  EXPECT_EQ(Sample, 1000);
}

}  // namespace
