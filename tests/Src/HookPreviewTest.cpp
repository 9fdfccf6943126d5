// The preview-bitmap event of a conversion task: at most one picture per
// PreviewInterval, the pictures as they are encoded, and nothing once it is turned off.

#include <gtest/gtest.h>

#include <cstring>

#include "Src/FFLoad.h"
#include "platform/base/Clock.h"
#include "platform/gdi/Graphics.h"
#include "tests/Src/HookTestMedia.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace hook_test;
using namespace transcode_test;

// The red of pixel (AX, AY) of a 24-bit bitmap.
int RedAt(TBitmap& ABitmap, int AX, int AY) { return ABitmap.ScanLine(AY)[AX * 3 + 2]; }

class HookPreviewTest : public TranscodeFixture {
 protected:
  void SetUp() override {
    TranscodeFixture::SetUp();
    if (HasFatalFailure()) return;
    Clip = MakeFlatClip(Dir.Path().string(), "gray.avi");
  }

  std::unique_ptr<TCustomFFmpeg> Task() {
    return MakeTask({{Clip, ""}}, Dir.File("out.mkv"), "-vcodec ffv1");
  }

  std::string Clip;
};

// The interval is measured on the monotonic clock from one preview to the next, so over
// a run no more previews come than the run's duration allows.
TEST_F(HookPreviewTest, PreviewsArriveAtMostOncePerPreviewInterval) {
  struct TCase {
    int64_t Interval;
    int ExactCount;  // -1: bounded by the run's duration only
  };
  const TCase Cases[] = {{0, Frames}, {3600LL * 1000000, 1}, {20000, -1}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Interval);
    auto Task = this->Task();
    ASSERT_TRUE(Task);
    Task->PreviewInterval = Case.Interval;
    Task->SetPostHooks({phBitmap});
    std::vector<int> FrameNumbers;
    Task->FOnPreviewBitmap = [&](TObject* ASender, TBitmap* ABitmap, int AFrameNumber, int64_t APTS) {
      EXPECT_EQ(ASender, Task.get());
      EXPECT_EQ(ABitmap->Width(), Width);
      EXPECT_EQ(ABitmap->Height(), Height);
      EXPECT_EQ(APTS, (AFrameNumber - 1) * 40000);
      FrameNumbers.push_back(AFrameNumber);
    };
    const int64_t Start = MonotonicMicroseconds();
    TRunResult Result = RunInPlace(*Task);
    const int64_t Elapsed = MonotonicMicroseconds() - Start;
    ASSERT_TRUE(Result.Finished) << Result.Message;
    ASSERT_FALSE(FrameNumbers.empty());
    EXPECT_EQ(FrameNumbers[0], 1);  // the first picture is always shown
    for (size_t I = 1; I < FrameNumbers.size(); I++) EXPECT_GT(FrameNumbers[I], FrameNumbers[I - 1]);
    if (Case.ExactCount >= 0)
      EXPECT_EQ(static_cast<int>(FrameNumbers.size()), Case.ExactCount);
    else
      EXPECT_LE(static_cast<int64_t>(FrameNumbers.size()), Elapsed / Case.Interval + 1);
  }
}

// An output hook that draws without asking for the update leaves the picture as it
// was, and the preview shows that picture, not the drawing.
TEST_F(HookPreviewTest, ThePreviewShowsWhatIsEncoded) {
  for (bool Update : {true, false}) {
    SCOPED_TRACE(Update ? "update" : "no update");
    auto Task = this->Task();
    ASSERT_TRUE(Task);
    Task->PreviewInterval = 0;
    Task->SetPostHooks({phBitmap});
    Task->FOnOutputVideoHook = [&](TObject*, TBitmap* ABitmap, int, int64_t, bool& AUpdate, bool&) {
      for (int Y = 16; Y < 32; Y++) std::memset(ABitmap->ScanLine(Y) + 16 * 3, 255, 16 * 3);
      AUpdate = Update;
    };
    int Previews = 0;
    Task->FOnPreviewBitmap = [&](TObject*, TBitmap* ABitmap, int, int64_t) {
      Previews++;
      EXPECT_NEAR(RedAt(*ABitmap, 20, 20), Update ? 255 : 128, 4);
      EXPECT_NEAR(RedAt(*ABitmap, 4, 4), 128, 4);
    };
    TRunResult Result = RunInPlace(*Task);
    ASSERT_TRUE(Result.Finished) << Result.Message;
    EXPECT_EQ(Previews, Frames);
  }
}

TEST_F(HookPreviewTest, TurningThePreviewOffDuringTheRunEndsThePreviews) {
  auto Task = this->Task();
  ASSERT_TRUE(Task);
  Task->PreviewInterval = 0;
  Task->SetPostHooks({phBitmap});
  int Previews = 0;
  Task->FOnPreviewBitmap = [&](TObject* ASender, TBitmap*, int AFrameNumber, int64_t) {
    Previews++;
    auto* SendingTask = dynamic_cast<TCustomFFmpeg*>(ASender);
    ASSERT_NE(SendingTask, nullptr);
    if (AFrameNumber == 3) SendingTask->SetPostHooks({});
  };
  TRunResult Result = RunInPlace(*Task);
  ASSERT_TRUE(Result.Finished) << Result.Message;
  EXPECT_EQ(Previews, 3);
  EXPECT_TRUE(Task->PostHooks().Empty());
}

}  // namespace
