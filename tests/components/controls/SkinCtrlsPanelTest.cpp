// The panel family: the built-in and skin looks, the caption's check box and roll-up
// arrow, the transparent modes, the paint panel's event, the group box and the status
// bar's size grip.

#include <gtest/gtest.h>

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

constexpr TColor PanelTestRed = RGB(255, 0, 0);
constexpr TColor PanelTestGreen = RGB(0, 255, 0);
constexpr TColor PanelTestBlue = RGB(0, 0, 255);
constexpr TColor PanelTestGrey = RGB(128, 128, 128);

// A panel that shows its caption rectangle and counts its paints.
class TPanelProbe : public TspSkinPanel {
 public:
  TPanelProbe(TWinControl* AParent, TRect ABounds) : TspSkinPanel(AParent) {
    SetBoundsRect(ABounds);
    SetParent(AParent);
  }
  using TspSkinPanel::FIndex;
  using TspSkinPanel::NewCaptionRect;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TspSkinPanel::Paint();
  }
};

class SkinCtrlsPanelTest : public SkinControlsTest {
 protected:
  // Presses and releases the left button at a point of the control.
  static void Click(TControl* AControl, int AX, int AY) {
    AControl->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(AX, AY));
    AControl->Perform(WM_LBUTTONUP, 0, MAKELPARAM(AX, AY));
  }
  // A 30 × 30 nine-part "panel" element: grey 4-pixel border, green client square,
  // a red caption strip (4, 4, 26, 10) and check pictures: a blue 6 × 6 square on
  // white (checked) and a red one (unchecked) beside the element.
  TspDataSkinPanelControl& AddPanelElement(const String& AName = "panel") {
    const int Picture = AddPicture(50, 30, [](int X, int Y) {
      if (X >= 30)
        return X >= 40 ? PanelTestRed : (X > 30 && X < 39 && Y > 0 && Y < 9 ? PanelTestBlue : clWhite);
      if (X < 4 || Y < 4 || X >= 26 || Y >= 26) return PanelTestGrey;
      return Y < 10 ? PanelTestRed : PanelTestGreen;
    });
    auto& Element = AddElement<TspDataSkinPanelControl>(AName);
    Element.PictureIndex = Picture;
    Element.SkinRect = Rect(0, 0, 30, 30);
    Element.LTPoint = {4, 4};
    Element.RTPoint = {26, 4};
    Element.LBPoint = {4, 26};
    Element.RBPoint = {26, 26};
    Element.ClRect = Rect(4, 10, 26, 26);
    Element.CaptionRect = Rect(4, 4, 26, 10);
    Element.CheckImageRect = Rect(30, 0, 40, 10);
    Element.UnCheckImageRect = Rect(40, 0, 50, 10);
    return Element;
  }
};

TEST_F(SkinCtrlsPanelTest, TheBuiltInBordersFollowTheBorderStyle) {
  Host().SetColor(PanelTestBlue);
  auto* Raised = new TPanelProbe(&Host(), Bounds(0, 0, 5, 4));
  auto* Lowered = new TPanelProbe(&Host(), Bounds(10, 0, 5, 4));
  auto* Frame = new TPanelProbe(&Host(), Bounds(20, 0, 5, 4));
  Raised->SetBorderStyle(bvRaised);
  Lowered->SetBorderStyle(bvLowered);
  (void)Frame;
  ShowHost();
  // The right column and the bottom row take the second colour.
  EXPECT_EQ(HostPicture(Rect(0, 0, 25, 4),
                        {{PanelTestBlue, '.'}, {clBtnHighlight, 'h'}, {clBtnShadow, 's'}, {clBtnFace, 'f'}}),
            "hhhhs.....ssssh.....sssss\n"
            "hfffs.....sfffh.....sfffs\n"
            "hfffs.....sfffh.....sfffs\n"
            "sssss.....hhhhh.....sssss\n");
}

TEST_F(SkinCtrlsPanelTest, ChildrenAreAlignedInsideTheBorderAndUnderTheBuiltInHeader) {
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 100, 80));
  auto* Child = new TPanelProbe(Panel, Bounds(0, 0, 10, 10));
  Child->SetAlign(alClient);
  ShowHost();
  EXPECT_EQ(Child->BoundsRect(), Rect(1, 1, 99, 79));
  Panel->SetCaptionMode(true);
  EXPECT_EQ(Child->BoundsRect(), Rect(1, 23, 99, 79));
  Panel->SetRibbonStyle(true);
  Panel->SetDefaultCaptionHeight(30);
  EXPECT_EQ(Child->BoundsRect(), Rect(1, 1, 99, 49));
}

TEST_F(SkinCtrlsPanelTest, ACheckedCaptionEnablesTheChildrenAndAlwaysTellsOnChecked) {
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 100, 80));
  auto* First = new TPanelProbe(Panel, Bounds(10, 30, 10, 10));
  auto* Second = new TPanelProbe(Panel, Bounds(30, 30, 10, 10));
  Panel->SetCaptionMode(true);
  Panel->SetCheckedMode(true);
  int Told = 0;
  Panel->OnChecked = [&](TObject*) { ++Told; };
  Click(Panel, 50, 10);  // on the header
  EXPECT_TRUE(Panel->Checked());
  EXPECT_TRUE(First->Enabled() && Second->Enabled());
  Click(Panel, 50, 10);
  EXPECT_FALSE(Panel->Checked());
  EXPECT_FALSE(First->Enabled() || Second->Enabled());
  Click(Panel, 50, 50);  // below the header: nothing
  EXPECT_FALSE(Panel->Checked());
  // The same value again still tells and re-applies Enabled.
  First->SetEnabled(true);
  Panel->SetChecked(false);
  EXPECT_FALSE(First->Enabled());
  EXPECT_EQ(Told, 3);
}

TEST_F(SkinCtrlsPanelTest, TheBuiltInCheckBoxShowsTheCheckMark) {
  Host().SetColor(clWhite);
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 60, 30));
  Panel->SetCaptionMode(true);
  Panel->SetCheckedMode(true);
  ShowHost();
  // The box: 14 × 14 at x 5, centred in the header (2, 2, 58, 20) inside the frames.
  const auto InkInBox = [&] {
    int Ink = 0;
    for (int Y = 5; Y < 17; ++Y)
      for (int X = 6; X < 18; ++X) Ink += HostPixel(X, Y) == ColorToRGB(clBtnText);
    return Ink;
  };
  EXPECT_EQ(HostPixel(5, 4), ColorToRGB(clBtnShadow));
  EXPECT_EQ(InkInBox(), 0);
  Panel->SetChecked(true);
  Pump();
  EXPECT_GT(InkInBox(), 0);
}

TEST_F(SkinCtrlsPanelTest, ARightJustifiedBuiltInCaptionMakesRoomForAGlyphButNotForAnImage) {
  Host().SetColor(clWhite);
  TBitmap Red;
  Red.SetSize(8, 8);
  Red.Canvas().Brush().SetColor(PanelTestRed);
  Red.Canvas().FillRect(Rect(0, 0, 8, 8));
  auto* Images = new TCustomImageList(&Host(), 8, 8);
  Images->Add(Red, nullptr);
  auto* WithImage = new TPanelProbe(&Host(), Bounds(0, 0, 60, 40));
  auto* WithGlyph = new TPanelProbe(&Host(), Bounds(0, 50, 60, 40));
  for (TPanelProbe* Panel : {WithImage, WithGlyph}) {
    Panel->SetCaptionMode(true);
    Panel->SetDefaultAlignment(taRightJustify);
  }
  WithImage->SetCaptionImageList(Images);
  WithImage->SetCaptionImageIndex(0);
  // A glyph's bottom-left colour is its transparent one.
  Red.Canvas().SetPixels(0, 7, clWhite);
  WithGlyph->SetGlyph(Red);
  ShowHost();
  // The header inside its two frames is (2, 2, 58, 20); the picture is centred on it.
  const auto RedColumns = [&](int ATop) {
    std::string Columns;
    for (int X = 40; X < 60; ++X) Columns += HostPixel(X, ATop + 10) == ColorToRGB(PanelTestRed) ? 'r' : '.';
    return Columns;
  };
  EXPECT_EQ(RedColumns(0), "..................rr");   // at the header's right edge
  EXPECT_EQ(RedColumns(50), "........rrrrrrrr....");  // glyph and spacing before the edge
}

TEST_F(SkinCtrlsPanelTest, RollingUpHidesTheChildrenAndUnrollingShowsThemAll) {
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 100, 80));
  auto* Shown = new TPanelProbe(Panel, Bounds(10, 30, 10, 10));
  auto* Hidden = new TPanelProbe(Panel, Bounds(30, 30, 10, 10));
  Hidden->SetVisible(false);
  Panel->Constraints().SetMinHeight(50);
  Panel->SetCaptionMode(true);
  Panel->SetRollUpMode(true);
  int Told = 0;
  Panel->OnChangeRollUpState = [&](TObject*) { ++Told; };
  Click(Panel, 50, 10);
  EXPECT_TRUE(Panel->RollUpState());
  EXPECT_EQ(Panel->Height(), 23);  // the header and one pixel, the minimum set aside
  EXPECT_EQ(Panel->RealHeight, 80);
  EXPECT_FALSE(Shown->Visible() || Hidden->Visible());
  Click(Panel, 50, 10);
  EXPECT_FALSE(Panel->RollUpState());
  EXPECT_EQ(Panel->Height(), 80);
  EXPECT_EQ(Panel->RealHeight, -1);
  EXPECT_TRUE(Shown->Visible() && Hidden->Visible());
  EXPECT_EQ(Panel->Constraints().MinHeight(), 0);
  EXPECT_EQ(Panel->Constraints().MaxHeight(), 0);
  EXPECT_EQ(Told, 2);
}

TEST_F(SkinCtrlsPanelTest, OutsideRollUpModeTheStateStaysUnrolled) {
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 100, 80));
  Panel->SetCaptionMode(true);
  Panel->SetRollUpState(true);
  EXPECT_FALSE(Panel->RollUpState());
  EXPECT_EQ(Panel->Height(), 80);
}

TEST_F(SkinCtrlsPanelTest, ASkinnedPanelRollsUpToItsFrameAndAgainAfterASkinChange) {
  AddPanelElement();
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 100, 80));
  Panel->SetCaptionMode(true);
  Panel->SetRollUpMode(true);
  Panel->SetSkinData(&Skin());
  Panel->SetRollUpState(true);
  EXPECT_EQ(Panel->Height(), 14);  // 80 - (the client area's 70 - 10 rows)
  // A skin whose client area starts lower gives a higher header; the saved height stays.
  Panel->BeforeChangeSkinData();
  TspSkinEditor(Skin()).Control<TspDataSkinPanelControl>(0)->ClRect = Rect(4, 16, 26, 26);
  Panel->ChangeSkinData();
  EXPECT_EQ(Panel->Height(), 20);
  EXPECT_EQ(Panel->RealHeight, 80);
  Panel->SetRollUpState(false);
  EXPECT_EQ(Panel->Height(), 80);
}

TEST_F(SkinCtrlsPanelTest, TheSkinCaptionCarriesTheCheckPictureAndTogglesOnAClick) {
  AddPanelElement();
  Host().SetColor(clWhite);
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 30, 30));
  Panel->SetCaptionMode(true);
  Panel->SetCheckedMode(true);
  Panel->SetCaption("x");
  Panel->SetSkinData(&Skin());
  ShowHost();
  EXPECT_EQ(Panel->NewCaptionRect, Rect(4, 4, 26, 10));
  // The unchecked picture, drawn without its key colour: red at (4, 4).
  EXPECT_EQ(HostPixel(4, 4), ColorToRGB(PanelTestRed));
  Click(Panel, 10, 6);
  Pump();
  EXPECT_TRUE(Panel->Checked());
  // The checked picture: its white (the bottom-left colour) is left out over the
  // caption strip, its blue square shows.
  EXPECT_EQ(HostPixel(4, 4), ColorToRGB(PanelTestRed));
  EXPECT_EQ(HostPixel(6, 5), ColorToRGB(PanelTestBlue));
}

TEST_F(SkinCtrlsPanelTest, EveryToggleOfTheCheckShowsInTheKeptCaption) {
  AddPanelElement();
  Host().SetColor(clWhite);
  auto* Panel = new TspSkinPanel(&Host());
  Panel->SetBoundsRect(Bounds(0, 0, 30, 30));
  Panel->SetParent(&Host());
  Panel->SetCaptionMode(true);
  Panel->SetCheckedMode(true);
  Panel->SetCaption("x");
  Panel->SetSkinData(&Skin());
  ShowHost();
  for (const bool Checked : {true, false, true}) {
    SCOPED_TRACE(Checked);
    Click(Panel, 10, 6);
    Pump();
    ASSERT_EQ(Panel->Checked(), Checked);
    EXPECT_EQ(HostPixel(6, 5), ColorToRGB(Checked ? PanelTestBlue : PanelTestRed));
  }
}

TEST_F(SkinCtrlsPanelTest, ABorderlessTexturedPanelRepeatsItsClientPicture) {
  AddPanelElement();
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 50, 40));
  Panel->SetBorderStyle(bvNone);
  Panel->SetSkinData(&Skin());
  ShowHost();
  int NotGreen = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 50; ++X) NotGreen += HostPixel(X, Y) != ColorToRGB(PanelTestGreen);
  EXPECT_EQ(NotGreen, 0);
}

TEST_F(SkinCtrlsPanelTest, ATransparentPanelShowsItsParentWithinAShadowOutline) {
  AddPanelElement();
  Host().SetColor(PanelTestBlue);
  auto* Panel = new TPanelProbe(&Host(), Bounds(10, 10, 6, 4));
  Panel->SetTransparentMode(true);
  Panel->SetSkinData(&Skin());
  ShowHost();
  const TColor Shadow = Skin().SkinColors().cBtnShadow;
  EXPECT_EQ(HostPicture(Rect(10, 10, 16, 14), {{PanelTestBlue, 'b'}, {Shadow, 's'}}),
            "ssssss\n"
            "sbbbbs\n"
            "sbbbbs\n"
            "ssssss\n");
}

TEST_F(SkinCtrlsPanelTest, ATransparentCaptionedPanelIsAFrameOfLinesBrokenByItsCaption) {
  AddPanelElement();
  Host().SetColor(PanelTestBlue);
  auto* Panel = new TPanelProbe(&Host(), Bounds(10, 10, 60, 40));
  Panel->SetTransparentMode(true);
  Panel->SetCaptionMode(true);
  Panel->SetCaption("A");
  Panel->SetSkinData(&Skin());
  ShowHost();
  const COLORREF Shadow = ColorToRGB(Skin().SkinColors().cBtnShadow);
  // The frame's top runs through the middle of the caption line.
  int Middle = 10;
  while (Middle < 50 && HostPixel(10, Middle) != Shadow) ++Middle;
  ASSERT_LT(Middle, 30);
  EXPECT_EQ(HostPixel(10, 10), ColorToRGB(PanelTestBlue));
  for (int X = 10; X < 14; ++X) EXPECT_EQ(HostPixel(X, Middle), Shadow);
  EXPECT_EQ(HostPixel(68, Middle), Shadow);
  for (int Y = Middle; Y < 50; ++Y) {
    EXPECT_EQ(HostPixel(10, Y), Shadow);
    EXPECT_EQ(HostPixel(69, Y), Shadow);
  }
  for (int X = 10; X < 70; ++X) EXPECT_EQ(HostPixel(X, 49), Shadow);
  EXPECT_EQ(HostPixel(40, 40), ColorToRGB(PanelTestBlue));
}

TEST_F(SkinCtrlsPanelTest, WithoutSkinSizeTheCaptionPictureIsABandOverThePanelElement) {
  AddPanelElement("panel");
  AddPanelElement("captioned");
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 40, 40));
  Panel->SetSkinDataName("captioned");
  Panel->SetUseSkinSize(false);
  Panel->SetCaptionMode(true);
  Panel->SetSkinData(&Skin());
  ShowHost();
  // The band: the caption strip stretched from (4, 10) down to DefaultCaptionHeight - 1.
  EXPECT_EQ(Panel->NewCaptionRect, Rect(4, 10, 36, 21));
  EXPECT_EQ(HostPixel(20, 15), ColorToRGB(PanelTestRed));
  EXPECT_EQ(HostPixel(20, 25), ColorToRGB(PanelTestGreen));
  EXPECT_EQ(HostPixel(1, 1), ColorToRGB(PanelTestGrey));
  EXPECT_EQ(Panel->SkinDataName(), "captioned");
}

TEST_F(SkinCtrlsPanelTest, ATransparentPanelPassesTheBackgroundNoticeOn) {
  auto* Panel = new TPanelProbe(&Host(), Bounds(0, 0, 100, 100));
  auto* Blending = new TPanelProbe(Panel, Bounds(10, 10, 20, 20));
  Blending->SetAlphaBlend(true);
  ShowHost();
  const auto NoticePaints = [&] {
    const int Before = Blending->Paints;
    SendMessage(Panel->Handle(), SP_CHECKPARENTBACKGROUND, 0, 0);
    Pump();
    return Blending->Paints - Before;
  };
  EXPECT_EQ(NoticePaints(), 0);
  Panel->SetTransparentMode(true);
  Pump();
  EXPECT_GT(NoticePaints(), 0);
}

TEST_F(SkinCtrlsPanelTest, APaintPanelDrawsItsOwnContentIntoItsClientArea) {
  Host().SetColor(clWhite);
  auto* Panel = new TspSkinPaintPanel(&Host());
  Panel->SetBounds(0, 0, 20, 20);
  Panel->SetParent(&Host());
  TRect Told;
  Panel->OnPanelPaint = [&](TCanvas& ACanvas, const TRect& ARect) {
    Told = ARect;
    ACanvas.Brush().SetColor(PanelTestRed);
    ACanvas.FillRect(ARect);
  };
  ShowHost();
  EXPECT_EQ(Told, Rect(1, 1, 19, 19));
  EXPECT_EQ(HostPixel(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(HostPixel(10, 10), ColorToRGB(PanelTestRed));
}

TEST_F(SkinCtrlsPanelTest, APaintPanelPaintsItselfIntoAnEraseFromOutside) {
  auto* Panel = new TspSkinPaintPanel(&Host());
  Panel->SetBounds(0, 0, 20, 20);
  Panel->SetParent(&Host());
  Panel->OnPanelPaint = [&](TCanvas& ACanvas, const TRect& ARect) {
    ACanvas.Brush().SetColor(PanelTestRed);
    ACanvas.FillRect(ARect);
  };
  ShowHost();
  TBitmap Copy;
  Copy.SetSize(20, 20);
  Panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Copy.Canvas().Handle()), 0);
  EXPECT_EQ(ColorToRGB(Copy.Canvas().Pixels(0, 0)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ColorToRGB(Copy.Canvas().Pixels(10, 10)), ColorToRGB(PanelTestRed));
}

TEST_F(SkinCtrlsPanelTest, AGroupBoxWhoseClientEndsAboveItsCaptionIsDrawnWhole) {
  auto& Element = AddPanelElement("groupbox");
  auto* Group = new TspSkinGroupBox(&Host());
  Group->SetParent(&Host());
  Group->SetSkinData(&Skin());
  EXPECT_TRUE(Group->ForcebackGround());
  EXPECT_TRUE(Group->CaptionMode());
  Element.CaptionRect = Rect(4, 27, 26, 29);
  Group->ChangeSkinData();
  EXPECT_FALSE(Group->ForcebackGround());
}

// ---------------------------------------------------------------- the status bar

class SkinCtrlsStatusBarTest : public SkinCtrlsPanelTest {
 protected:
  void SetUp() override {
    SkinCtrlsPanelTest::SetUp();
    Bar = new TspSkinStatusBar(&Host());
    Bar->SetParent(&Host());
    Filler = new TPanelProbe(Bar, Bounds(0, 0, 10, 10));
    Filler->SetAlign(alClient);
    ShowHost();
  }
  // The hit-test answer for a point of the bar.
  LRESULT HitTest(int AX, int AY) {
    return SendMessage(Bar->Handle(), WM_NCHITTEST, 0, PointToLParam(Bar->ClientToScreen({AX, AY})));
  }
  TspSkinStatusBar* Bar = nullptr;
  TPanelProbe* Filler = nullptr;
};

TEST_F(SkinCtrlsStatusBarTest, TheBarLiesAlongTheBottomOfItsParent) {
  EXPECT_EQ(Bar->BoundsRect(), Rect(0, 129, 200, 150));
  EXPECT_EQ(Filler->BoundsRect(), Rect(0, 0, 200, 21));
}

TEST_F(SkinCtrlsStatusBarTest, TheGripAnswersBottomRightAndTheRestIsClient) {
  Bar->SetSizeGrip(true);
  // The client area gives up its height at the right; the grip lies beyond it.
  EXPECT_EQ(Filler->BoundsRect(), Rect(0, 0, 179, 21));
  EXPECT_EQ(HitTest(190, 10), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(100, 10), HTCLIENT);
  EXPECT_EQ(HitTest(180, 20), HTCLIENT);  // below the grip's lines
}

TEST_F(SkinCtrlsStatusBarTest, WithoutTheGripOrWhileDesignedTheBarHitTestsAsAPlainWindow) {
  const LRESULT Plain = HitTest(190, 10);
  EXPECT_NE(Plain, HTBOTTOMRIGHT);
  Bar->SetSizeGrip(true);
  Bar->SetShowGrip(false);
  EXPECT_EQ(HitTest(190, 10), Plain);
  Bar->SetShowGrip(true);
  Bar->SetDesigning(true);
  EXPECT_EQ(HitTest(190, 10), Plain);
}

TEST_F(SkinCtrlsStatusBarTest, TheBuiltInGripIsDrawnInDiagonalLines) {
  Bar->SetSizeGrip(true);
  Pump();
  // The grip (181, 0, 200, 19) of the bar at y 129: pairs of lines from its bottom
  // edge to its right edge, dark then light.
  EXPECT_EQ(HostPixel(184, 129 + 19), ColorToRGB(clBtnShadow));
  EXPECT_EQ(HostPixel(185, 129 + 19), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(HostPixel(199, 129 + 4), ColorToRGB(clBtnShadow));
}

TEST_F(SkinCtrlsStatusBarTest, ASkinGripPictureIsDrawnWithoutItsTransparentColour) {
  auto& Element = AddPanelElement("statusbar");
  Element.GripperRect = Rect(30, 0, 40, 10);  // the blue square on white
  Element.GripperTransparent = true;
  Element.GripperTransparentColor = clWhite;
  Bar->SetSizeGrip(true);
  Bar->SetSkinData(&Skin());
  Pump();
  // A borderless bar keeps its whole width for children, less the grip picture's.
  const TRect Client = Filler->BoundsRect();
  EXPECT_EQ(Client.Right, 200 - 10);
  // The grip picture stands at the client area's right, its bottom on the client's.
  const int GripTop = 129 + Client.Bottom - 10;
  EXPECT_EQ(HostPixel(Client.Right + 3, GripTop + 3), ColorToRGB(PanelTestBlue));
  EXPECT_NE(HostPixel(Client.Right, GripTop), ColorToRGB(clWhite));
}

TEST_F(SkinCtrlsStatusBarTest, TheBarGivesItsSkinToTheSkinnedControlsOnIt) {
  AddPanelElement();
  Bar->SetSkinData(&Skin());
  EXPECT_EQ(Filler->SkinData(), &Skin());
  EXPECT_EQ(Filler->FIndex, 0);
}

// ---------------------------------------------------------------- whole pictures

// A group box holding a captioned panel, and a status bar with its grip, in the
// built-in look and in the default skin.
class SkinCtrlsPanelPictureTest : public SkinCtrlsPanelTest {
 protected:
  void Build(TspSkinData* ASkin) {
    auto* Group = new TspSkinGroupBox(&Host());
    Group->SetBounds(8, 8, 184, 100);
    Group->SetCaption("Output");
    Group->SetParent(&Host());
    auto* Panel = new TspSkinPanel(Group);
    Panel->SetCaption("Audio");
    Panel->SetCaptionMode(true);
    Panel->SetCheckedMode(true);
    Panel->SetChecked(true);
    Panel->SetRollUpMode(true);
    Panel->SetAlign(alClient);
    Panel->SetParent(Group);
    auto* Bar = new TspSkinStatusBar(&Host());
    Bar->SetSizeGrip(true);
    Bar->SetCaption("Ready");
    Bar->SetParent(&Host());
    for (TspSkinPanel* Each : {static_cast<TspSkinPanel*>(Group), Panel, static_cast<TspSkinPanel*>(Bar)})
      Each->SetSkinData(ASkin);
    ShowHost();
  }
};

TEST_F(SkinCtrlsPanelPictureTest, TheBuiltInLook) {
  Build(nullptr);
  EXPECT_TRUE(HostLooksAsInItsPicture("panels-built-in"));
}

TEST_F(SkinCtrlsPanelPictureTest, TheDefaultSkin) {
  Host().SetColor(SkinNew().SkinColors().cBtnFace);
  Build(&SkinNew());
  EXPECT_TRUE(HostLooksAsInItsPicture("panels-skin-new"));
}

}  // namespace
}  // namespace skin_controls_test
