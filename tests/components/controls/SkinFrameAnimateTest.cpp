// The frame control and the frame animation: one frame of a strip, sized to a frame
// and shaped by the mask; the animation's steps on the virtual clock, once, round and
// as a hover button.

#include "components/controls/SkinExCtrls.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinFrameAnimateTest : public MoreControlsTest {
 protected:
  // A strip of ACount frames AWidth × AHeight side by side, frame k in Colors[k - 1].
  static void MakeStrip(TBitmap& AStrip, int ACount, int AWidth, int AHeight) {
    AStrip.SetSize(ACount * AWidth, AHeight);
    for (int I = 0; I < ACount; ++I) {
      AStrip.Canvas().Brush().SetColor(Colors[I]);
      AStrip.Canvas().FillRect(Rect(I * AWidth, 0, (I + 1) * AWidth, AHeight));
    }
  }
  static constexpr TColor Colors[] = {clRed, clBlue, clLime, clYellow};
  TspSkinAnimate* MakeAnimate(int ACount) {
    auto* Animate = new TspSkinAnimate(&Host());
    Animate->SetParent(&Host());
    Animate->SetLeft(10);
    Animate->SetTop(10);
    TBitmap Strip;
    MakeStrip(Strip, ACount, 20, 20);
    Animate->SetDefaultFramesCount(ACount);
    Animate->SetDefaultImage(Strip);
    return Animate;
  }
  // The frame the host shows at the control's place, by its colour; 0 for none.
  int ShownFrame() {
    for (int I = 0; I < 4; ++I)
      if (HostPixel(15, 15) == ColorToRGB(Colors[I])) return I + 1;
    return 0;
  }
};

TEST_F(SkinFrameAnimateTest, ADefaultImageOfTwoFramesSizesTheControlToOneFrameWhateverIsAsked) {
  auto* Frame = new TspFrameSkinControl(&Host());
  Frame->SetParent(&Host());
  TBitmap Strip;
  MakeStrip(Strip, 2, 80, 80);
  ASSERT_EQ(Strip.Width(), 160);
  Frame->SetDefaultFramesCount(2);
  Frame->SetDefaultImage(Strip);
  EXPECT_EQ(Frame->Width(), 80);
  EXPECT_EQ(Frame->Height(), 80);
  Frame->SetBounds(5, 5, 120, 30);
  EXPECT_EQ(Frame->Width(), 80);
  EXPECT_EQ(Frame->Height(), 80);
  EXPECT_EQ(Frame->Left(), 5);
  // Stacked frames: 160 × 40.
  Frame->SetDefaultFramesPlacement(fpVertical);
  EXPECT_EQ(Frame->Width(), 160);
  EXPECT_EQ(Frame->Height(), 40);
  // A count of 0 or less counts as one frame.
  Frame->SetDefaultFramesCount(0);
  EXPECT_EQ(Frame->DefaultFramesCount(), 1);
  EXPECT_EQ(Frame->Height(), 80);
}

TEST_F(SkinFrameAnimateTest, AFrameControlWithoutStripShowsTheBuiltInLookAndIgnoresFrames) {
  auto* Frame = new TspFrameSkinControl(&Host());
  Frame->SetBounds(10, 10, 6, 4);
  Frame->SetParent(&Host());
  Frame->SetFrame(3);
  EXPECT_EQ(Frame->Frame(), 1);
  ShowHost();
  EXPECT_EQ(HostPicture(Rect(10, 10, 16, 14), {{clBtnShadow, 's'}, {clBtnFace, '.'}}),
            "ssssss\n"
            "s....s\n"
            "s....s\n"
            "ssssss\n");
}

TEST_F(SkinFrameAnimateTest, ASkinElementDeclaringOneFrameIsTakenAsTwo) {
  // A strip of 40 × 20: left half red, right half blue.
  const int Picture = AddPicture(40, 20, [](int X, int) { return X < 20 ? clRed : clBlue; });
  auto& Element = AddElement<TspDataSkinAnimateControl>("animate");
  Element.PictureIndex = Picture;
  Element.SkinRect = Rect(0, 0, 40, 20);
  Element.FramesCount = 1;
  auto* Animate = new TspSkinAnimate(&Host());
  Animate->SetSkinDataName("animate");
  Animate->SetBounds(10, 10, 50, 50);
  Animate->SetParent(&Host());
  Animate->SetSkinData(&Skin());
  EXPECT_EQ(Animate->FramesCount(), 2);
  EXPECT_EQ(Animate->Width(), 20);
  EXPECT_EQ(Animate->Height(), 20);
  ShowHost();
  EXPECT_EQ(ShownFrame(), 1);
  Animate->SetFrame(5);
  Pump();
  EXPECT_EQ(Animate->Frame(), 2);
  EXPECT_EQ(ShownFrame(), 2);
}

TEST_F(SkinFrameAnimateTest, InCycleModeTwoFramesAlternateAtEachTick) {
  TspSkinAnimate* Animate = MakeAnimate(2);
  Animate->CycleMode = true;
  Animate->SetTimerInterval(500);
  ShowHost();
  Animate->SetActive(true);
  std::vector<int> Shown;
  for (int Tick = 0; Tick < 4; ++Tick) {
    AdvanceClock(500);
    Shown.push_back(ShownFrame());
  }
  EXPECT_EQ(Shown, (std::vector<int>{2, 1, 2, 1}));
  Animate->SetActive(false);
  AdvanceClock(1500);
  EXPECT_EQ(ShownFrame(), 1);
}

TEST_F(SkinFrameAnimateTest, StartBeginsAtFrameOneAndHaltsOnTheLastWithoutFiringOnStop) {
  TspSkinAnimate* Animate = MakeAnimate(3);
  int Starts = 0, Stops = 0;
  Animate->OnStart = [&](TObject*) { ++Starts; };
  Animate->OnStop = [&](TObject*) { ++Stops; };
  ShowHost();
  Animate->SetFrame(3);
  Animate->Start();
  EXPECT_EQ(Animate->Frame(), 1);
  AdvanceClock(50);
  EXPECT_EQ(ShownFrame(), 2);
  AdvanceClock(50);
  EXPECT_EQ(ShownFrame(), 3);
  AdvanceClock(500);
  EXPECT_EQ(ShownFrame(), 3);
  EXPECT_EQ(Starts, 1);
  EXPECT_EQ(Stops, 0);
  Animate->Stop();
  EXPECT_EQ(Stops, 1);
}

TEST_F(SkinFrameAnimateTest, AButtonAnimationRunsForwardUnderThePointerAndBackAfterItLeaves) {
  TspSkinAnimate* Animate = MakeAnimate(4);
  Animate->ButtonMode = true;
  ShowHost();
  InjectPointerMove(OnHost(15, 15));
  Pump();
  AdvanceClock(100);
  EXPECT_EQ(Animate->Frame(), 3);
  AdvanceClock(200);
  EXPECT_EQ(Animate->Frame(), 4);
  InjectPointerMove(OnHost(150, 100));
  Pump();
  AdvanceClock(50);
  EXPECT_EQ(Animate->Frame(), 3);
  AdvanceClock(500);
  EXPECT_EQ(Animate->Frame(), 1);
  EXPECT_EQ(ShownFrame(), 1);
}

TEST_F(SkinFrameAnimateTest, TheDefaultMaskCutsTheWindowToItsBlackPixels) {
  TspSkinAnimate* Animate = MakeAnimate(2);
  // Black in the left half of the frame: the right half is cut away.
  TBitmap Mask;
  Mask.SetSize(20, 20);
  Mask.Canvas().Brush().SetColor(clWhite);
  Mask.Canvas().FillRect(Rect(0, 0, 20, 20));
  Mask.Canvas().Brush().SetColor(clBlack);
  Mask.Canvas().FillRect(Rect(0, 0, 10, 20));
  Animate->SetDefaultMask(Mask);
  ShowHost();
  EXPECT_EQ(HostPixel(15, 15), ColorToRGB(clRed));
  EXPECT_EQ(HostPixel(25, 15), ColorToRGB(clBtnFace));
}

}  // namespace
}  // namespace more_controls_test
