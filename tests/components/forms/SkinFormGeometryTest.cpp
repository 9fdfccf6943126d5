// The frame of the current size: the skin's geometry moved to the form's size and the
// window region made from the skin's mask.

#include <algorithm>
#include <vector>

#include "platform/gdi/Regions.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

class SkinFormGeometryTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
  }
  // The pixels of the form's window region that differ from the fixture mask's shape
  // at the form's size.
  static int RegionMismatches(TCustomForm* AForm) {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(AForm->Handle(), Region), ERROR);
    int Mismatches = 0;
    for (int Y = -1; Y <= AForm->Height(); ++Y)
      for (int X = -1; X <= AForm->Width(); ++X) {
        const bool Inside = X >= 0 && Y >= 0 && X < AForm->Width() && Y < AForm->Height() &&
                            !InFixtureCornerCut(X, Y, AForm->Width(), AForm->Height());
        if (PtInRegion(Region, X, Y) != Inside) ++Mismatches;
      }
    DeleteObject(Region);
    return Mismatches;
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormGeometryTest, AtThePicturesOwnSizeTheGeometryIsTheSkins) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 100, 100), Skin.get());
  EXPECT_EQ(SkinForm->Geometry().NewLTPoint, Skin->LTPoint);
  EXPECT_EQ(SkinForm->Geometry().NewRTPoint, Skin->RTPoint);
  EXPECT_EQ(SkinForm->Geometry().NewLBPoint, Skin->LBPoint);
  EXPECT_EQ(SkinForm->Geometry().NewRBPoint, Skin->RBPoint);
  EXPECT_EQ(SkinForm->Geometry().NewClRect, Skin->ClRect);
  EXPECT_EQ(SkinForm->Geometry().NewMaskRectArea, Skin->MaskRectArea);
  EXPECT_EQ(SkinForm->Geometry().NewCaptionRect, Skin->CaptionRect);
}

TEST_F(SkinFormGeometryTest, PointsFollowTheSizeBothWays) {
  // An icon in the top-right corner region and a main-menu strip along the top.
  Skin->IconRect = Rect(92, 8, 98, 14);
  Skin->MainMenuRect = Rect(10, 26, 90, 29);
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 150), Skin.get());
  EXPECT_EQ(SkinForm->Geometry().NewIconRect, Rect(292, 8, 298, 14));
  EXPECT_EQ(SkinForm->Geometry().NewMainMenuRect, Rect(10, 26, 290, 29));
  EXPECT_EQ(SkinForm->Geometry().NewRTPoint, (TPoint{290, 30}));
  EXPECT_EQ(SkinForm->Geometry().NewLBPoint, (TPoint{10, 140}));
  EXPECT_EQ(SkinForm->Geometry().NewRBPoint, (TPoint{290, 140}));
  EXPECT_EQ(SkinForm->Geometry().NewClRect, Rect(5, 30, 295, 140));
  EXPECT_EQ(SkinForm->Geometry().NewHitTestRBPoint, (TPoint{292, 142}));
  EXPECT_EQ(SkinForm->Geometry().NewCaptionRect, Rect(5, 5, 295, 25));
  // Smaller than the picture: the points move left and up.
  SkinForm->Form()->SetBounds(50, 50, 80, 70);
  ProcessPendingMessages();
  SkinForm->Geometry().FFormWidth = 80;
  SkinForm->Geometry().FFormHeight = 70;
  SkinForm->CalcRects();
  EXPECT_EQ(SkinForm->Geometry().NewRBPoint, (TPoint{70, 60}));
  EXPECT_EQ(SkinForm->Geometry().NewClRect, Rect(5, 30, 75, 60));
}

TEST_F(SkinFormGeometryTest, ButtonsRectLeftOfTheMiddlePutsTheButtonsLeft) {
  struct TCase {
    int Left;
    int MovedLeft;
    bool InLeft;
  };
  // Right of the middle the row moves with the right edge; exactly at the middle
  // neither happens.
  for (const TCase& Case : {TCase{60, 260, false}, TCase{50, 50, false}, TCase{20, 20, true}}) {
    Skin->ButtonsRect = Rect(Case.Left, 8, Case.Left + 30, 20);
    TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 150), Skin.get());
    EXPECT_EQ(SkinForm->Geometry().NewButtonsRect.Left, Case.MovedLeft) << Case.Left;
    EXPECT_EQ(SkinForm->Geometry().ButtonsInLeft, Case.InLeft) << Case.Left;
  }
}

TEST_F(SkinFormGeometryTest, TheWindowRegionIsTheMasksBlackPixelsAtAnySize) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 100, 100), Skin.get());
  EXPECT_EQ(RegionMismatches(SkinForm->Form()), 0);
  SkinForm->Form()->SetBounds(50, 50, 400, 300);
  ProcessPendingMessages();
  EXPECT_EQ(RegionMismatches(SkinForm->Form()), 0);
  EXPECT_TRUE(SkinForm->PointInSkinFrame({200, 2}));
  EXPECT_FALSE(SkinForm->PointInSkinFrame({399, 0}));
  // Left of the inner rectangle and below it: the bottom strip decides.
  EXPECT_FALSE(SkinForm->PointInSkinFrame({0, 299}));
  EXPECT_TRUE(SkinForm->PointInSkinFrame({3, 296}));
}

TEST_F(SkinFormGeometryTest, AClickOnACutCornerReachesTheWindowBelow) {
  TForm* Below = NewForm(Bounds(0, 0, 600, 500));
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 400, 300), Skin.get());
  const HWND Top = SkinForm->Form()->Handle();
  EXPECT_EQ(WindowFromPoint({50, 50}), Below->Handle());
  EXPECT_EQ(WindowFromPoint({449, 349}), Below->Handle());
  EXPECT_EQ(WindowFromPoint({50 + CornerCut, 50}), Top);
  EXPECT_EQ(WindowFromPoint({250, 200}), Top);
}

TEST_F(SkinFormGeometryTest, SizingByTheBorderReshapesTheFormAtEveryStep) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  std::vector<TRect> ClientRects;
  SkinForm->OnChangeClientRect = [&](const TRect& AClient) { ClientRects.push_back(AClient); };
  // The right border, dragged 100 pixels right and then 40 down by the bottom-right
  // corner, through the window system's own sizing loop.
  InjectPointerPress({50 + 298, 50 + 100});
  InjectPointerMove({50 + 398, 50 + 100});
  InjectPointerRelease({50 + 398, 50 + 100});
  ProcessPendingMessages();
  // Far enough apart not to make a double click.
  HeadlessBackend()->AdvanceClock(1000);
  // (A point of the corner zone that lies inside the shape: the very corner is cut.)
  InjectPointerPress({50 + 395, 50 + 195});
  InjectPointerMove({50 + 395, 50 + 235});
  InjectPointerRelease({50 + 395, 50 + 235});
  ProcessPendingMessages();
  EXPECT_EQ(Form->BoundsRect(), Bounds(50, 50, 400, 240));
  EXPECT_EQ(SkinForm->Geometry().NewClRect, Rect(5, 30, 395, 230));
  EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 390, 200));
  EXPECT_EQ(RegionMismatches(Form), 0);
  // Each step of the loop (WM_SIZING) recomputed the frame at the size it proposed.
  ASSERT_GE(ClientRects.size(), 2u);
  EXPECT_NE(std::find(ClientRects.begin(), ClientRects.end(), Rect(5, 30, 395, 190)), ClientRects.end());
  EXPECT_EQ(ClientRects.back(), Rect(5, 30, 395, 230));
}

TEST_F(SkinFormGeometryTest, SizingStopsAtTheSkinsMinimum) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  InjectPointerPress({50 + 298, 50 + 100});
  InjectPointerMove({50 + 10, 50 + 100});
  InjectPointerRelease({50 + 10, 50 + 100});
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->Form()->Width(), FramePictureSize);
  EXPECT_EQ(RegionMismatches(SkinForm->Form()), 0);
}

TEST_F(SkinFormGeometryTest, WithoutASkinTheRegionIsTheWholeWindow) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  SkinForm->SetSkinData(nullptr);
  ProcessPendingMessages();
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(SkinForm->Form()->Handle(), Region), ERROR);
  RECT Box{};
  EXPECT_EQ(GetRgnBox(Region, &Box), SIMPLEREGION);
  EXPECT_EQ(Box, Rect(0, 0, 300, 200));
  DeleteObject(Region);
  EXPECT_TRUE(SkinForm->Geometry().RMTop.Empty());
}

}  // namespace
