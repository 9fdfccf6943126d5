// "rotate" by quarter turns, which it does by plain copies: every sample of every plane
// equals libavfilter's transposition and flips, for the planar formats both take, for
// sizes that fill the copies' 8 × 8 blocks and sizes that leave edges, and for every
// way of writing the angle.

#include <gtest/gtest.h>

#include "Src/FFLoad.h"
#include "tests/Src/NativeFilterTestSupport.h"

namespace {

using namespace native_filter_test;

// A picture whose samples all differ from their neighbours and from their mirror
// images, so that any sample taken from the wrong place shows.
TFramePtr MakePatternFrame(AVPixelFormat AFormat, int AWidth, int AHeight) {
  TFramePtr Frame = MakeFlatFrame(AFormat, AWidth, AHeight, 0, 0, 0);
  const AVPixFmtDescriptor* Descriptor = FF.av_pix_fmt_desc_get(AFormat);
  for (int Plane = 0; Plane < 3; Plane++) {
    const int Width = Plane ? AV_CEIL_RSHIFT(AWidth, Descriptor->log2_chroma_w) : AWidth;
    const int Height = Plane ? AV_CEIL_RSHIFT(AHeight, Descriptor->log2_chroma_h) : AHeight;
    for (int Y = 0; Y < Height; Y++)
      for (int X = 0; X < Width; X++)
        Frame->data[Plane][Y * Frame->linesize[Plane] + X] =
            static_cast<uint8_t>(X * 31 + Y * 17 + X * Y + Plane * 50);
  }
  return Frame;
}

TFramePtr FilterPicture(const String& AFilters, AVFrame* APicture) {
  const auto Format = static_cast<AVPixelFormat>(APicture->format);
  TVideoFilterChain Chain;
  String Error;
  if (Chain.Configure(AFilters, FlatFormat(Format, APicture->width, APicture->height), {Format}, SWS_BICUBIC,
                      Error) < 0)
    throw std::runtime_error(AFilters + ": " + Error);
  return FilterOne(Chain, APicture);
}

TEST(NativeFilterQuarterTurnTest, EverySampleEqualsLibavfiltersTurn) {
  ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg();
  struct TPicture {
    AVPixelFormat Format;
    int Width, Height;
  };
  const TPicture Pictures[] = {
      {AV_PIX_FMT_YUV420P, 64, 48}, {AV_PIX_FMT_YUV420P, 70, 38}, {AV_PIX_FMT_YUVJ420P, 130, 66},
      {AV_PIX_FMT_YUV444P, 33, 17}, {AV_PIX_FMT_YUV410P, 68, 44}, {AV_PIX_FMT_YUV444P, 1, 9},
  };
  const std::pair<const char*, const char*> Turns[] = {
      {"rotate=90", "transpose=clock"},
      {"rotate=-270", "transpose=clock"},
      {"rotate=450", "transpose=clock"},
      {"rotate=270", "transpose=cclock"},
      {"rotate=-90", "transpose=cclock"},
      {"rotate=180", "hflip,vflip"},
      {"rotate=-180", "hflip,vflip"},
      {"rotate=0", "null"},
      {"rotate=360", "null"},
  };
  for (const TPicture& Picture : Pictures) {
    TFramePtr Input = MakePatternFrame(Picture.Format, Picture.Width, Picture.Height);
    for (const auto& [Rotate, Reference] : Turns) {
      SCOPED_TRACE(Format("%s on %dx%d %s", Rotate, Picture.Width, Picture.Height,
                          FF.av_get_pix_fmt_name(Picture.Format)));
      TFramePtr Turned = FilterPicture(Rotate, Input.get());
      TFramePtr Expected = FilterPicture(Reference, Input.get());
      ASSERT_EQ(Turned->width, Expected->width);
      ASSERT_EQ(Turned->height, Expected->height);
      for (int Plane = 0; Plane < 3; Plane++)
        EXPECT_TRUE(PlaneSamples(Turned.get(), Plane) == PlaneSamples(Expected.get(), Plane))
            << "plane " << Plane;
    }
  }
}

}  // namespace
