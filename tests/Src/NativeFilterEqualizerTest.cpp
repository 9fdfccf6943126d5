// "nativeeq" and "nativehue": the integer arithmetic on flat pictures, the pixel formats
// and sizes they take, fixed values out of range, and refused arguments.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Src/FFLoad.h"
#include "Src/FFLog.h"
#include "tests/Src/NativeFilterTestSupport.h"

namespace {

using namespace native_filter_test;

// The equaliser's formula, written from its description: contrast scales by
// (contrast + 100) / 100 in 16.16 fixed point and brightness shifts by about
// (brightness + 100) × 2.555 − 128, less half a step of the contrast.
int ExpectedLuma(int ABrightness, int AContrast, int ASample) {
  const long Scale = static_cast<long>(std::floor((AContrast + 100) * 65536.0 / 100));
  const long Shift = static_cast<long>(std::floor((ABrightness + 100) * 511.0 / 200)) - 128 - Scale / 512;
  return static_cast<int>(
      std::clamp(static_cast<long>(std::floor(ASample * Scale / 65536.0)) + Shift, 0L, 255L));
}

// The hue filter's formula: (u, v) around 128 turned by hue × π / 100 and scaled by
// (saturation + 100) / 100, each factor rounded to 16.16 fixed point.
std::pair<int, int> ExpectedChroma(int AHue, int ASaturation, int AU, int AV) {
  const double Angle = AHue * M_PI / 100;
  const double Sin = std::floor(std::sin(Angle) * 65536 * (ASaturation + 100) / 100 + 0.5);
  const double Cos = std::floor((ASaturation + 100) * std::cos(Angle) * 65536 / 100 + 0.5);
  const double U = AU - 128, V = AV - 128;
  auto Limit = [](double AValue) {
    return static_cast<int>(std::clamp(std::floor(AValue / 65536), 0.0, 255.0));
  };
  return {Limit(Cos * U - Sin * V + 0x808000), Limit(Sin * U + Cos * V + 0x808000)};
}

class NativeFilterEqualizerTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg(); }

  // The planes of a flat AFormat picture after AFilters.
  std::vector<std::vector<uint8_t>> Filter(const String& AFilters, AVPixelFormat AFormat, int AWidth,
                                           int AHeight, int AY, int AU, int AV) {
    return Filter(AFilters, MakeFlatFrame(AFormat, AWidth, AHeight, AY, AU, AV).get());
  }

  // The planes of AInput after AFilters.
  std::vector<std::vector<uint8_t>> Filter(const String& AFilters, AVFrame* AInput) {
    const AVPixelFormat Format = static_cast<AVPixelFormat>(AInput->format);
    TVideoFilterChain Chain;
    String Error;
    EXPECT_EQ(Chain.Configure(AFilters, FlatFormat(Format, AInput->width, AInput->height), {Format},
                              SWS_BICUBIC, Error),
              0)
        << Error;
    if (!Chain.Configured()) return {};
    TFramePtr Output = FilterOne(Chain, AInput);
    EXPECT_EQ(Output->format, Format);
    return {PlaneSamples(Output.get(), 0), PlaneSamples(Output.get(), 1), PlaneSamples(Output.get(), 2)};
  }

  // Sample APlane of row ARow of a picture AWidth samples wide.
  static int RowSample(const std::vector<std::vector<uint8_t>>& APlanes, int APlane, int ARow, int AWidth) {
    return APlanes[APlane][ARow * AWidth];
  }

  static bool AllAre(const std::vector<uint8_t>& ASamples, int AValue) {
    return !ASamples.empty() &&
           std::all_of(ASamples.begin(), ASamples.end(), [&](uint8_t S) { return S == AValue; });
  }
};

TEST_F(NativeFilterEqualizerTest, BrightnessAndContrastFollowTheFormula) {
  struct TCase {
    int Brightness, Contrast, Sample, Expected;
  };
  const TCase Cases[] = {
      {20, 0, 100, 150}, {0, 50, 100, 85},    {-100, -100, 200, 0}, {100, 100, 200, 255},
      {-50, 20, 16, 0},  {10, -30, 128, 153}, {-30, 60, 235, 221},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Format("nativeeq=%d:%d on %d", Case.Brightness, Case.Contrast, Case.Sample));
    ASSERT_EQ(ExpectedLuma(Case.Brightness, Case.Contrast, Case.Sample), Case.Expected);
    auto Planes = Filter(Format("nativeeq=%d:%d", Case.Brightness, Case.Contrast), AV_PIX_FMT_YUV420P, 64, 48,
                         Case.Sample, 90, 170);
    ASSERT_EQ(Planes.size(), 3u);
    EXPECT_TRUE(AllAre(Planes[0], Case.Expected)) << int(Planes[0][0]);
    EXPECT_TRUE(AllAre(Planes[1], 90));
    EXPECT_TRUE(AllAre(Planes[2], 170));
  }
  // The grid: each value pair filters one picture whose rows hold the samples.
  const int Samples[] = {0, 16, 99, 128, 200, 255};
  std::vector<std::array<int, 3>> Rows;
  for (int Sample : Samples) Rows.push_back({Sample, 128, 128});
  for (int Brightness : {-100, -37, 0, 1, 55, 100})
    for (int Contrast : {-100, -64, 0, 13, 100}) {
      if (Brightness == 0 && Contrast == 0) continue;  // passes through untouched, below
      auto Planes = Filter(Format("nativeeq=%d:%d", Brightness, Contrast), MakeStripedFrame(8, Rows).get());
      ASSERT_EQ(Planes.size(), 3u);
      for (size_t Row = 0; Row < Rows.size(); Row++)
        EXPECT_EQ(RowSample(Planes, 0, Row, 8), ExpectedLuma(Brightness, Contrast, Samples[Row]))
            << Brightness << ":" << Contrast << " on " << Samples[Row];
    }
}

TEST_F(NativeFilterEqualizerTest, HueAndSaturationFollowTheFormula) {
  struct TCase {
    int Hue, Saturation, U, V, ExpectedU, ExpectedV;
  };
  const TCase Cases[] = {
      {0, 100, 160, 100, 192, 72},   // saturation 100 doubles the distance from 128
      {0, 100, 250, 10, 255, 0},     // and limits to 0..255
      {100, 0, 160, 100, 96, 156},   // hue 100 turns by 180 degrees: both mirrored
      {50, 0, 160, 100, 156, 160},   // hue 50 turns by 90 degrees
      {0, -100, 200, 40, 128, 128},  // saturation -100 leaves no colour
      {25, 20, 90, 170, 60, 131},   {-40, -50, 200, 64, 109, 84},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Format("nativehue=%d:%d on %d,%d", Case.Hue, Case.Saturation, Case.U, Case.V));
    ASSERT_EQ(ExpectedChroma(Case.Hue, Case.Saturation, Case.U, Case.V),
              std::make_pair(Case.ExpectedU, Case.ExpectedV));
    auto Planes = Filter(Format("nativehue=%d:%d", Case.Hue, Case.Saturation), AV_PIX_FMT_YUV420P, 64, 48, 77,
                         Case.U, Case.V);
    ASSERT_EQ(Planes.size(), 3u);
    EXPECT_TRUE(AllAre(Planes[0], 77));
    EXPECT_TRUE(AllAre(Planes[1], Case.ExpectedU)) << int(Planes[1][0]);
    EXPECT_TRUE(AllAre(Planes[2], Case.ExpectedV)) << int(Planes[2][0]);
  }
  const std::pair<int, int> Chroma[] = {{16, 240}, {128, 128}, {200, 30}, {97, 131}};
  std::vector<std::array<int, 3>> Rows;
  for (auto [U, V] : Chroma) Rows.push_back({50, U, V});
  for (int Hue : {-100, -63, 0, 7, 50, 99})
    for (int Saturation : {-100, -20, 0, 45, 100}) {
      if (Hue == 0 && Saturation == 0) continue;
      auto Planes = Filter(Format("nativehue=%d:%d", Hue, Saturation), MakeStripedFrame(8, Rows).get());
      ASSERT_EQ(Planes.size(), 3u);
      for (size_t Row = 0; Row < Rows.size(); Row++) {
        auto [U, V] = Chroma[Row];
        EXPECT_EQ(std::make_pair(RowSample(Planes, 1, Row, 8), RowSample(Planes, 2, Row, 8)),
                  ExpectedChroma(Hue, Saturation, U, V))
            << Hue << ":" << Saturation << " on " << U << "," << V;
      }
    }
}

TEST_F(NativeFilterEqualizerTest, EveryPlaneSampleOfEveryFormatAndOddSizeIsChanged) {
  // Odd sizes leave partly covered last chroma columns and rows; they change too.
  const AVPixelFormat Formats[] = {
      AV_PIX_FMT_YUV420P, AV_PIX_FMT_YUV422P,  AV_PIX_FMT_YUV444P,  AV_PIX_FMT_YUV410P,  AV_PIX_FMT_YUV411P,
      AV_PIX_FMT_YUV440P, AV_PIX_FMT_YUVJ420P, AV_PIX_FMT_YUVJ422P, AV_PIX_FMT_YUVJ444P, AV_PIX_FMT_YUVJ440P};
  for (AVPixelFormat Format : Formats) {
    SCOPED_TRACE(FF.av_get_pix_fmt_name(Format));
    auto Planes = Filter("nativeeq=20:0,nativehue=0:100", Format, 33, 17, 100, 160, 100);
    ASSERT_EQ(Planes.size(), 3u);
    EXPECT_TRUE(AllAre(Planes[0], 150));
    EXPECT_TRUE(AllAre(Planes[1], 192));
    EXPECT_TRUE(AllAre(Planes[2], 72));
  }
}

TEST_F(NativeFilterEqualizerTest, NeutralValuesLeaveThePictureUntouched) {
  // With both values 0 the arithmetic would still move luma by one step; the filters
  // then pass pictures on as they are.
  for (const char* Filters : {"nativeeq", "nativeeq=0:0", "nativeeq=:", "nativehue=0", "nativehue="}) {
    auto Planes = Filter(Filters, AV_PIX_FMT_YUV420P, 16, 16, 77, 90, 170);
    ASSERT_EQ(Planes.size(), 3u) << Filters;
    EXPECT_TRUE(AllAre(Planes[0], 77)) << Filters;
    EXPECT_TRUE(AllAre(Planes[1], 90)) << Filters;
    EXPECT_TRUE(AllAre(Planes[2], 170)) << Filters;
  }
}

TEST_F(NativeFilterEqualizerTest, FixedValuesOutOfRangeAreForcedAndValuesMayBeNamed) {
  struct TCase {
    const char* Filters;
    int Y, U, V;
  };
  const TCase Cases[] = {
      {"nativeeq=150", ExpectedLuma(100, 0, 100), 160, 100},      // brightness forced to 100
      {"nativeeq=0:-300", ExpectedLuma(0, -100, 100), 160, 100},  // contrast forced to -100
      {"nativeeq=contrast=50", ExpectedLuma(0, 50, 100), 160, 100},
      {"nativeeq=contrast=50:brightness=20", ExpectedLuma(20, 50, 100), 160, 100},
      {"nativeeq= 20 :", ExpectedLuma(20, 0, 100), 160, 100},
      {"nativehue=saturation=100", 100, 192, 72},
      {"nativehue=:1000", 100, 192, 72},
  };
  std::vector<String> Errors;
  GetLogger()->TriggerEventInMainThread = false;
  GetLogger()->OnLog = [&](TObject*, TThreadID, TLogLevel ALevel, const String& AText) {
    if (ALevel == llError) Errors.push_back(AText);
  };
  for (const TCase& Case : Cases) {
    auto Planes = Filter(Case.Filters, AV_PIX_FMT_YUV420P, 16, 16, 100, 160, 100);
    ASSERT_EQ(Planes.size(), 3u) << Case.Filters;
    EXPECT_TRUE(AllAre(Planes[0], Case.Y)) << Case.Filters;
    EXPECT_TRUE(AllAre(Planes[1], Case.U)) << Case.Filters;
    EXPECT_TRUE(AllAre(Planes[2], Case.V)) << Case.Filters;
  }
  GetLogger()->OnLog = nullptr;
  EXPECT_EQ(Errors, (std::vector<String>{"Invalid brightness value 150, force to 100",
                                         "Invalid contrast value -300, force to -100",
                                         "Invalid saturation value 1000, force to 100"}));
}

TEST_F(NativeFilterEqualizerTest, ArgumentsThatAreNotValuesAreRefused) {
  const std::pair<const char*, const char*> Cases[] = {
      {"nativeeq=20:x", "failed to parsing parameters: 'x' is not a valid integer value"},
      {"nativehue=1.5", "failed to parsing parameters: '1.5' is not a valid integer value"},
      {"nativeeq=1:2:3", "failed to parsing parameters: more than two values in \"1:2:3\""},
      {"nativeeq=gamma=3", "failed to parsing parameters: there is no value named \"gamma\""},
      {"nativehue=@x", "failed to parsing parameters: 'x' is not a valid integer value"},
  };
  for (const auto& [Filters, Message] : Cases) {
    TVideoFilterChain Chain;
    String Error;
    EXPECT_LT(Chain.Configure(Filters, FlatFormat(AV_PIX_FMT_YUV420P, 16, 16), {}, SWS_BICUBIC, Error), 0)
        << Filters;
    EXPECT_EQ(Error, Message);
    EXPECT_FALSE(Chain.Configured());
  }
}

}  // namespace
