// The frame layout: skin rectangles moved to the form's size, linked areas by their
// anchors, and the caption buttons packed along the caption.

#include "tests/components/forms/SkinFormPaintFixture.h"

namespace skin_form_paint_test {
namespace {

class SkinFormLayoutTest : public SkinFormPaintTest {
 protected:
  // A skin with a 200 × 100 frame picture and corner points (20, 20), (180, 20),
  // (20, 80), (180, 80), worn by a form of 300 × 150: the form is 100 wider and 50
  // taller than the picture.
  void SetUp() override {
    SkinFormPaintTest::SetUp();
    Skin = MakeFixtureSkin();
    Skin->FPicture->SetSize(200, 100);
    Skin->FMask->SetSize(0, 0);
    Skin->LTPoint = {20, 20};
    Skin->RTPoint = {180, 20};
    Skin->LBPoint = {20, 80};
    Skin->RBPoint = {180, 80};
    Skin->ClRect = Rect(6, 24, 194, 94);
    NewSkinForm(300, 150, Skin.get());
    SkinForm->CalcRects();
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormLayoutTest, MapSkinRectFollowsTheCornerOrSideARectangleLiesIn) {
  ASSERT_EQ(SkinForm->Geometry().NewRBPoint, Point(280, 130));
  struct TCase {
    const char* Where;
    TRect Skin, Mapped;
  };
  const TCase Cases[] = {
      {"inside the left-top corner", Rect(2, 2, 10, 10), Rect(2, 2, 10, 10)},
      {"inside the right-top corner", Rect(185, 2, 195, 12), Rect(285, 2, 295, 12)},
      {"inside the left-bottom corner", Rect(2, 85, 12, 95), Rect(2, 135, 12, 145)},
      {"inside the right-bottom corner", Rect(185, 85, 195, 95), Rect(285, 135, 295, 145)},
      {"a band along the top", Rect(10, 2, 190, 8), Rect(10, 2, 290, 8)},
      {"a band along the bottom", Rect(10, 85, 190, 95), Rect(10, 135, 290, 145)},
      {"a band along the right side", Rect(185, 5, 195, 90), Rect(285, 5, 295, 140)},
      {"a band along the left side", Rect(2, 5, 10, 90), Rect(2, 5, 10, 140)},
      {"across the whole frame", Rect(5, 5, 190, 90), Rect(5, 5, 290, 140)},
      // The picture's right edge lies outside every corner region (PtInRect).
      {"ending on the picture's right edge", Rect(185, 2, 200, 12), Rect(185, 2, 200, 12)},
      {"in the middle", Rect(50, 40, 60, 50), Rect(50, 40, 60, 50)},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Where);
    EXPECT_EQ(SkinForm->MapSkinRect(Case.Skin), Case.Mapped);
  }
}

TEST_F(SkinFormLayoutTest, MapSkinRectLeavesRectanglesAloneWithoutCornerRegions) {
  Skin->LTPoint = Skin->RTPoint = Skin->LBPoint = Skin->RBPoint = {0, 0};
  Skin->RTPoint.X = Skin->RBPoint.X = 200;
  Skin->LBPoint.Y = Skin->RBPoint.Y = 100;
  SkinForm->CalcRects();
  EXPECT_EQ(SkinForm->MapSkinRect(Rect(185, 85, 195, 95)), Rect(185, 85, 195, 95));
}

TEST_F(SkinFormLayoutTest, MapAreaRectStretchesOrMovesByItsAnchors) {
  const TRect Area = Rect(50, 40, 100, 60);
  struct TCase {
    const char* Anchors;
    bool Left, Top, Right, Bottom;
    TRect Mapped;
  };
  const TCase Cases[] = {
      {"left and top", true, true, false, false, Rect(50, 40, 100, 60)},
      {"left and right: wider", true, true, true, false, Rect(50, 40, 200, 60)},
      {"right only: moved right", false, true, true, false, Rect(150, 40, 200, 60)},
      {"top and bottom: taller", true, true, false, true, Rect(50, 40, 100, 110)},
      {"bottom only: moved down", true, false, false, true, Rect(50, 90, 100, 110)},
      {"all four", true, true, true, true, Rect(50, 40, 200, 110)},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Anchors);
    EXPECT_EQ(SkinForm->MapAreaRect(Area, true, Case.Left, Case.Top, Case.Right, Case.Bottom), Case.Mapped);
  }
  // Without anchors the area follows the frame as every skin rectangle does.
  EXPECT_EQ(SkinForm->MapAreaRect(Rect(185, 85, 195, 95), false, true, true, true, true),
            Rect(285, 135, 295, 145));
}

// Caption buttons of a skin: pictures of their own, 16 × 14, placed by the layout.
class SkinFormCaptionLayoutTest : public SkinFormLayoutTest {
 protected:
  TspSkinStdButtonObject& AddButton(const String& AIDName, TStdCommand ACommand, bool AInAPicture = true) {
    auto Button = std::make_unique<TspSkinStdButtonObject>(SkinForm, AIDName, ACommand);
    Button->FSkinSupport = true;
    Button->SkinRectInAPicture = AInAPicture;
    Button->SkinRect = Rect(0, 0, 16, 14);
    SkinForm->ObjectList.push_back(std::move(Button));
    ;
    return static_cast<TspSkinStdButtonObject&>(*SkinForm->ObjectList.back());
  }
};

TEST_F(SkinFormCaptionLayoutTest, ButtonsPackFromTheRightInCommandOrder) {
  // Added out of order: the layout takes close, maximize, minimize, roll-up, tray.
  TspSkinStdButtonObject& Minimize = AddButton("min", cmMinimize);
  TspSkinStdButtonObject& Plain = AddButton("plain", cmDefault);
  TspSkinStdButtonObject& Close = AddButton("close", cmClose);
  TspSkinStdButtonObject& Maximize = AddButton("max", cmMaximize);
  TspSkinStdButtonObject& SysMenu = AddButton("sys", cmSysMenu);
  SkinForm->Geometry().NewButtonsRect = Rect(400, 4, 500, 24);
  SkinForm->Geometry().NewCaptionRect = Rect(30, 4, 400, 24);
  SkinForm->Geometry().NewButtonsOffset = 2;
  SkinForm->Geometry().NewButtonsInLeft = false;
  SkinForm->PlaceCaptionButtons();
  EXPECT_EQ(Close.ObjectRect, Rect(484, 4, 500, 18));
  EXPECT_EQ(Maximize.ObjectRect, Rect(466, 4, 482, 18));
  EXPECT_EQ(Minimize.ObjectRect, Rect(448, 4, 464, 18));
  EXPECT_EQ(Plain.ObjectRect, Rect(430, 4, 446, 18));
  // The system-menu button starts the caption, centred on its height: 4 + 10 - 7.
  EXPECT_EQ(SysMenu.ObjectRect, Rect(30, 7, 46, 21));
}

TEST_F(SkinFormCaptionLayoutTest, ButtonsPackFromTheLeftWithTheSystemMenuLastWithoutAButtonStrip) {
  TspSkinStdButtonObject& Close = AddButton("close", cmClose);
  TspSkinStdButtonObject& SysMenu = AddButton("sys", cmSysMenu);
  TspSkinStdButtonObject& Tray = AddButton("tray", cmMinimizeToTray);
  SkinForm->Geometry().NewButtonsRect = TRect();
  SkinForm->Geometry().NewCaptionRect = Rect(10, 6, 300, 26);
  SkinForm->Geometry().NewButtonsOffset = 3;
  SkinForm->Geometry().NewButtonsInLeft = true;
  SkinForm->PlaceCaptionButtons();
  EXPECT_EQ(Close.ObjectRect, Rect(10, 6, 26, 20));
  EXPECT_EQ(Tray.ObjectRect, Rect(29, 6, 45, 20));
  EXPECT_EQ(SysMenu.ObjectRect, Rect(48, 6, 64, 20));
}

TEST_F(SkinFormCaptionLayoutTest, ButtonsOfTheFramePictureAndHiddenOnesKeepTheirMappedPlaces) {
  TspSkinStdButtonObject& InFrame = AddButton("close", cmClose, false);
  InFrame.SkinRect = Rect(185, 2, 195, 12);
  TspSkinStdButtonObject& Hidden = AddButton("max", cmMaximize);
  Hidden.Visible = false;
  TspSkinStdButtonObject& Minimize = AddButton("min", cmMinimize);
  SkinForm->Geometry().NewButtonsRect = Rect(400, 4, 500, 24);
  SkinForm->Geometry().NewButtonsOffset = 2;
  SkinForm->PlaceSkinObjects();
  // PlaceSkinObjects maps every object first and then packs only the movable ones.
  EXPECT_EQ(InFrame.ObjectRect, Rect(285, 2, 295, 12));
  EXPECT_EQ(Hidden.ObjectRect, Rect(0, 0, 16, 14));
  EXPECT_EQ(Minimize.ObjectRect, Rect(484, 4, 500, 18));
}

TEST_F(SkinFormCaptionLayoutTest, PlacingTwiceGivesTheSamePlacesAndTheSizeGripFollowsItsCorner) {
  TspSkinStdButtonObject& Close = AddButton("close", cmClose);
  // Inside the right-bottom corner region (its bottom edge 99 above the picture's).
  Skin->SizeGripArea = Rect(182, 84, 198, 99);
  SkinForm->PlaceSkinObjects();
  const TRect First = Close.ObjectRect;
  SkinForm->PlaceSkinObjects();
  EXPECT_EQ(Close.ObjectRect, First);
  EXPECT_EQ(SkinForm->Geometry().FSizeGripArea, Rect(282, 134, 298, 149));
  Skin->SizeGripArea = TRect();
  SkinForm->PlaceSkinObjects();
  EXPECT_TRUE(RectangleIsEmpty(SkinForm->Geometry().FSizeGripArea));
}

}  // namespace
}  // namespace skin_form_paint_test
