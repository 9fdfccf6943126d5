// Live parameters: handles, their checks, and equalisers that follow them picture by
// picture.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>

#include "Src/FFLoad.h"
#include "Src/LiveParameters.h"
#include "platform/base/Exceptions.h"
#include "tests/Src/NativeFilterTestSupport.h"

namespace {

using namespace native_filter_test;

String MessageOf(const std::function<void()>& ACall) {
  try {
    ACall();
  } catch (const EListError& E) {
    return E.Message();
  }
  return "no EListError";
}

TEST(LiveParametersTest, HandlesAreNeverGivenTwiceAndReleasedOnesAreRefused) {
  const int First = NewLiveParameter(5);
  const int Second = NewLiveParameter(-7);
  EXPECT_GT(First, 0);
  EXPECT_NE(First, Second);
  EXPECT_EQ(GetLiveParameter(First), 5);
  EXPECT_EQ(GetLiveParameter(Second), -7);
  SetLiveParameter(First, 42);
  EXPECT_EQ(GetLiveParameter(First), 42);
  EXPECT_EQ(GetLiveParameter(Second), -7);

  ReleaseLiveParameter(First);
  const int Third = NewLiveParameter(0);
  EXPECT_NE(Third, First);
  EXPECT_NE(Third, Second);
  EXPECT_EQ(FindLiveParameter(First), nullptr);
  const String Unknown = Format("Unknown live parameter @%d", First);
  EXPECT_EQ(MessageOf([&] { SetLiveParameter(First, 1); }), Unknown);
  EXPECT_EQ(MessageOf([&] { GetLiveParameter(First); }), Unknown);
  EXPECT_EQ(MessageOf([&] { ReleaseLiveParameter(First); }), Unknown);
  EXPECT_EQ(MessageOf([&] { SetLiveParameter(0, 1); }), "Unknown live parameter @0");
  EXPECT_EQ(MessageOf([&] { SetLiveParameter(-3, 1); }), "Unknown live parameter @-3");
  ReleaseLiveParameter(Second);
  ReleaseLiveParameter(Third);
}

class LiveParametersChainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg();
    Chain = std::make_unique<TVideoFilterChain>();
  }
  void TearDown() override {
    for (int Handle : {Brightness, Contrast, Hue, Saturation})
      if (FindLiveParameter(Handle)) ReleaseLiveParameter(Handle);
  }

  int Configure(const String& AFilters, String& AError) {
    return Chain->Configure(AFilters, FlatFormat(AV_PIX_FMT_YUV420P, 32, 32), {AV_PIX_FMT_YUV420P},
                            SWS_BICUBIC, AError);
  }
  // A flat picture (luma 100, U 160, V 100) with time ATime into the chain.
  void Send(int64_t ATime) {
    TFramePtr Frame = MakeFlatFrame(AV_PIX_FMT_YUV420P, 32, 32, 100, 160, 100);
    Frame->pts = ATime;
    EXPECT_EQ(Chain->SendFrame(Frame.get()), 0);
  }
  // The first luma, U and V samples of the next picture out, which must have ATime.
  std::tuple<int, int, int> Receive(int64_t ATime) {
    TFramePtr Frame(FF.av_frame_alloc());
    EXPECT_EQ(Chain->ReceiveFrame(Frame.get()), 0);
    EXPECT_EQ(Frame->pts, ATime);
    return {Frame->data[0][0], Frame->data[1][0], Frame->data[2][0]};
  }

  int Brightness = NewLiveParameter(0);
  int Contrast = NewLiveParameter(0);
  int Hue = NewLiveParameter(0);
  int Saturation = NewLiveParameter(0);
  std::unique_ptr<TVideoFilterChain> Chain;  // needs the libraries loaded
};

TEST_F(LiveParametersChainTest, AChangeBetweenPicturesReachesTheFollowingPicturesOnly) {
  String Error;
  ASSERT_EQ(Configure(Format("nativeeq=@%d:@%d,nativehue=hue=@%d:saturation=@%d", Brightness, Contrast, Hue,
                             Saturation),
                      Error),
            0)
      << Error;
  // Pictures 0 and 1 go in before any change, 2 and 3 after the brightness changed,
  // 4 after the saturation changed too; all are taken out only at the end, so what
  // counts is when each picture passed the filters, not when it left the chain.
  Send(0);
  Send(1);
  SetLiveParameter(Brightness, 20);
  Send(2);
  Send(3);
  SetLiveParameter(Saturation, 100);
  Send(4);
  ASSERT_EQ(Chain->SendFrame(nullptr), 0);
  EXPECT_EQ(Receive(0), std::make_tuple(100, 160, 100));
  EXPECT_EQ(Receive(1), std::make_tuple(100, 160, 100));
  EXPECT_EQ(Receive(2), std::make_tuple(150, 160, 100));
  EXPECT_EQ(Receive(3), std::make_tuple(150, 160, 100));
  EXPECT_EQ(Receive(4), std::make_tuple(150, 192, 72));
}

TEST_F(LiveParametersChainTest, AValueOutOfRangeIsForcedBackIntoTheParameter) {
  String Error;
  ASSERT_EQ(Configure(Format("nativeeq=@%d:@%d", Brightness, Contrast), Error), 0) << Error;
  SetLiveParameter(Brightness, 150);
  SetLiveParameter(Contrast, -250);
  TFramePtr Frame = MakeFlatFrame(AV_PIX_FMT_YUV420P, 32, 32, 100, 128, 128);
  TFramePtr Result = FilterOne(*Chain, Frame.get());
  EXPECT_EQ(GetLiveParameter(Brightness), 100);
  EXPECT_EQ(GetLiveParameter(Contrast), -100);
  // contrast -100 flattens every sample to ((100 + 100) × 511) / 200 − 128 = 383 → 255.
  EXPECT_EQ(Result->data[0][0], 255);
}

TEST_F(LiveParametersChainTest, UnknownAndReleasedHandlesAreRefusedWhenTheChainIsBuilt) {
  ReleaseLiveParameter(Contrast);
  const std::pair<String, String> Cases[] = {
      {Format("nativeeq=10:@%d", Contrast), Format("Unknown live parameter @%d for the contrast", Contrast)},
      {"nativehue=@2147483647", "Unknown live parameter @2147483647 for the hue"},
      {"nativehue=saturation=@0", "Unknown live parameter @0 for the saturation"},
  };
  for (const auto& [Filters, Message] : Cases) {
    String Error;
    EXPECT_LT(Configure(Filters, Error), 0) << Filters;
    EXPECT_EQ(Error, Message);
  }
}

TEST_F(LiveParametersChainTest, AChainKeepsAParameterReleasedWhileItRuns) {
  String Error;
  ASSERT_EQ(Configure(Format("nativeeq=@%d", Brightness), Error), 0) << Error;
  SetLiveParameter(Brightness, 20);
  ReleaseLiveParameter(Brightness);
  TFramePtr Frame = MakeFlatFrame(AV_PIX_FMT_YUV420P, 32, 32, 100, 128, 128);
  TFramePtr Result = FilterOne(*Chain, Frame.get());
  EXPECT_EQ(Result->data[0][0], 150);
}

}  // namespace
