// The hook and preview bitmaps of a conversion task at every depth the task takes: each
// is a bitmap of that depth showing the picture as the 24-bit one does, within the
// depth's precision, and what the hook draws on it reaches the output.

#include <gtest/gtest.h>

#include <memory>

#include "Src/FFLoad.h"
#include "platform/gdi/Graphics.h"
#include "tests/Src/HookTestMedia.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace hook_test;
using namespace transcode_test;

struct THookDepth {
  int Bits;
  TPixelFormat Format;
  int Tolerance[3];  // blue, green, red: a step of the layout and one of the scaler's dither
};

// The 24-bit reference first.
constexpr THookDepth kHookDepths[] = {{24, pf24bit, {0, 0, 0}},
                                      {8, pf8bit, {86, 45, 45}},
                                      {15, pf15bit, {12, 12, 12}},
                                      {16, pf16bit, {12, 7, 12}},
                                      {32, pf32bit, {0, 0, 0}}};

std::unique_ptr<TBitmap> AsTrueColour(const TBitmap& ABitmap) {
  auto Copy = std::make_unique<TBitmap>();
  Copy->Assign(ABitmap);
  Copy->SetPixelFormat(pf24bit);
  return Copy;
}

void ExpectSamePicture(TBitmap& ABitmap, TBitmap& AReference, const THookDepth& ADepth) {
  ASSERT_EQ(ABitmap.Width(), AReference.Width());
  ASSERT_EQ(ABitmap.Height(), AReference.Height());
  for (int Y = 0; Y < ABitmap.Height(); ++Y)
    for (int Byte = 0; Byte < ABitmap.Width() * 3; ++Byte)
      ASSERT_NEAR(ABitmap.ScanLine(Y)[Byte], AReference.ScanLine(Y)[Byte], ADepth.Tolerance[Byte % 3])
          << Byte / 3 << "," << Y;
}

class HookDepthTest : public TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    // Orange: all three channels differ, so a swapped red and blue would show.
    Clip = MakeFlatClip(Dir.Path().string(), "orange.avi", "orange");
  }

  std::unique_ptr<TCustomFFmpeg> Task(int ABits) {
    return MakeTask({{Clip, ""}}, Dir.File(Format("out%d.mkv", ABits)),
                    Format("-vcodec ffv1 -VideoHookBitsPixel %d", ABits));
  }

  std::string Clip;
};

// The output video hook paints a black box through the bitmap's canvas at each depth;
// the box is encoded, and the bitmap showed the picture as at 24 bits.
TEST_F(HookDepthTest, TheVideoHookGetsABitmapOfTheChosenDepth) {
  std::unique_ptr<TBitmap> Reference;
  for (const THookDepth& Depth : kHookDepths) {
    SCOPED_TRACE(Depth.Bits);
    auto Task = this->Task(Depth.Bits);
    ASSERT_TRUE(Task);
    std::unique_ptr<TBitmap> First;
    int Calls = 0;
    Task->FOnOutputVideoHook = [&](TObject*, TBitmap* ABitmap, int, int64_t, bool&, bool&) {
      EXPECT_EQ(ABitmap->PixelFormat(), Depth.Format);
      if (Calls++ == 0) First = AsTrueColour(*ABitmap);
      TCanvas& Canvas = ABitmap->Canvas();
      Canvas.Brush().SetStyle(bsSolid);
      Canvas.Brush().SetColor(clBlack);
      Canvas.FillRect(Rect(16, 16, 32, 32));
    };
    TRunResult Result = RunInPlace(*Task);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    EXPECT_EQ(Calls, Frames);
    for (const auto& Picture : ReadLuma(Dir.File(Format("out%d.mkv", Depth.Bits)))) {
      EXPECT_NEAR(LumaAt(Picture, 20, 20), 16, 6);
      EXPECT_NEAR(LumaAt(Picture, 4, 4), LumaAt(Picture, 50, 40), 2);
      EXPECT_GT(LumaAt(Picture, 4, 4), 100);
    }
    ASSERT_TRUE(First);
    if (!Reference)
      Reference = std::move(First);
    else
      ExpectSamePicture(*First, *Reference, Depth);
  }
}

TEST_F(HookDepthTest, ThePreviewBitmapHasTheChosenDepth) {
  std::unique_ptr<TBitmap> Reference;
  for (const THookDepth& Depth : kHookDepths) {
    SCOPED_TRACE(Depth.Bits);
    auto Task = this->Task(Depth.Bits);
    ASSERT_TRUE(Task);
    Task->PreviewInterval = 3600LL * 1000000;
    Task->SetPostHooks({phBitmap});
    std::unique_ptr<TBitmap> Preview;
    Task->FOnPreviewBitmap = [&](TObject*, TBitmap* ABitmap, int, int64_t) {
      EXPECT_EQ(ABitmap->PixelFormat(), Depth.Format);
      Preview = AsTrueColour(*ABitmap);
    };
    TRunResult Result = RunInPlace(*Task);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    ASSERT_TRUE(Preview);
    if (!Reference)
      Reference = std::move(Preview);
    else
      ExpectSamePicture(*Preview, *Reference, Depth);
  }
}

}  // namespace
