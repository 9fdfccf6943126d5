// The expanding panel: rolling by its roll button and back, closing by its close
// button, the roll size kept while rolled, the hit test that moves and sizes it, the
// glyph's disabled frame and the pressed built-in button; rolling with a skin element.

#include <utility>

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinExPanelTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    Host().SetBounds(100, 100, 300, 300);
  }
  // A 150 × 250 panel at (10, 10) with a child panel on it.
  TspSkinExPanel* MakePanel() {
    auto* Panel = new TspSkinExPanel(&Host());
    Panel->SetBounds(10, 10, 150, 250);
    Panel->SetCaption("Preview");
    Panel->SetParent(&Host());
    Child = new TPanel(Panel);
    Child->SetBounds(5, 30, 40, 40);
    Child->SetParent(Panel);
    return Panel;
  }
  // In the built-in look (caption height 21) the close button is (133, 3, 148, 18)
  // and the roll button (118, 3, 133, 18) of a 150-wide panel.
  TPoint OnRollButton() { return OnHost(10 + 125, 10 + 10); }
  TPoint OnCloseButton() { return OnHost(10 + 140, 10 + 10); }
  LRESULT HitTest(TspSkinExPanel* APanel, int AX, int AY) {
    return SendMessage(APanel->Handle(), WM_NCHITTEST, 0, PointToLParam(APanel->ClientToScreen({AX, AY})));
  }

  TPanel* Child = nullptr;
};

TEST_F(SkinExPanelTest, TheRollButtonRollsThePanelToItsCaptionAndBack) {
  TspSkinExPanel* Panel = MakePanel();
  int Changes = 0;
  Panel->OnChangeRollState = [&](TObject*) { ++Changes; };
  ShowHost();
  InjectClick(OnRollButton());
  Pump();
  EXPECT_TRUE(Panel->RollState());
  EXPECT_EQ(Panel->Height(), 21);
  EXPECT_EQ(Panel->RealHeight, 250);
  EXPECT_FALSE(Child->Visible());
  EXPECT_EQ(Changes, 1);
  InjectClick(OnRollButton());
  Pump();
  EXPECT_FALSE(Panel->RollState());
  EXPECT_EQ(Panel->Height(), 250);
  EXPECT_EQ(Panel->RealHeight, 0);
  EXPECT_TRUE(Child->Visible());
  EXPECT_EQ(Changes, 2);
}

// The panel touches nothing of itself after a roll handler freed it (the sanitizers
// catch a read of the freed panel).
TEST_F(SkinExPanelTest, ARollHandlerMayFreeThePanel) {
  TspSkinExPanel* Panel = MakePanel();
  // The handler goes with the panel: it touches nothing of itself after the delete.
  Panel->OnChangeRollState = [&Panel](TObject*) { delete std::exchange(Panel, nullptr); };
  ShowHost();
  InjectClick(OnRollButton());
  Pump();
  EXPECT_EQ(Panel, nullptr);
  EXPECT_EQ(Host().ControlCount(), 0);
}

TEST_F(SkinExPanelTest, AHorizontalPanelRollsToANarrowStripAndKeepsItsLimitsAside) {
  TspSkinExPanel* Panel = MakePanel();
  Panel->SetRollKind(rkRollHorizontal);
  Panel->Constraints().SetMinWidth(100);
  Panel->SetRollState(true);
  EXPECT_EQ(Panel->Width(), 21);
  EXPECT_EQ(Panel->Constraints().MinWidth(), 0);
  // While rolled the strip keeps its width whatever is asked.
  Panel->SetWidth(90);
  EXPECT_EQ(Panel->Width(), 21);
  Panel->SetRollState(false);
  EXPECT_EQ(Panel->Width(), 150);
  EXPECT_EQ(Panel->Constraints().MinWidth(), 100);
}

TEST_F(SkinExPanelTest, WhileRolledTheHeightOfAVerticalPanelStaysTheRollHeight) {
  TspSkinExPanel* Panel = MakePanel();
  Panel->SetRollState(true);
  Panel->SetHeight(120);
  EXPECT_EQ(Panel->Height(), 21);
  Panel->SetWidth(120);
  EXPECT_EQ(Panel->Width(), 120);
}

TEST_F(SkinExPanelTest, TheCloseButtonHidesThePanelOnlyWhenReleasedOverIt) {
  TspSkinExPanel* Panel = MakePanel();
  int Closes = 0;
  Panel->OnClose = [&](TObject*) { ++Closes; };
  ShowHost();
  InjectPointerPress(OnCloseButton());
  InjectPointerMove(OnHost(60, 150));
  InjectPointerRelease(OnHost(60, 150));
  Pump();
  EXPECT_TRUE(Panel->Visible());
  EXPECT_EQ(Closes, 0);
  InjectClick(OnCloseButton());
  Pump();
  EXPECT_FALSE(Panel->Visible());
  EXPECT_EQ(Closes, 1);
  // It can be shown again.
  Panel->Show();
  EXPECT_TRUE(Panel->Visible());
}

TEST_F(SkinExPanelTest, AMoveablePanelIsDraggedByItsCaptionButNotByItsButtons) {
  TspSkinExPanel* Panel = MakePanel();
  ShowHost();
  EXPECT_EQ(HitTest(Panel, 50, 10), HTCLIENT);
  Panel->Moveable = true;
  EXPECT_EQ(HitTest(Panel, 50, 10), HTCAPTION);
  EXPECT_EQ(HitTest(Panel, 125, 10), HTCLIENT);
  EXPECT_EQ(HitTest(Panel, 140, 10), HTCLIENT);
  EXPECT_EQ(HitTest(Panel, 50, 100), HTCLIENT);
  // Dragged by the caption it moves with the pointer.
  InjectPointerPress(OnHost(60, 20));
  InjectPointerMove(OnHost(80, 35));
  InjectPointerRelease(OnHost(80, 35));
  Pump();
  EXPECT_EQ(Panel->Left(), 30);
  EXPECT_EQ(Panel->Top(), 25);
}

TEST_F(SkinExPanelTest, ASizeablePanelAnswersItsEdgesOnlyWhileUnrolled) {
  TspSkinExPanel* Panel = MakePanel();
  Panel->Sizeable = true;
  ShowHost();
  EXPECT_EQ(HitTest(Panel, 149, 249), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(Panel, 149, 100), HTRIGHT);
  EXPECT_EQ(HitTest(Panel, 60, 248), HTBOTTOM);
  EXPECT_EQ(HitTest(Panel, 147, 100), HTCLIENT);
  Panel->SetRollState(true);
  EXPECT_EQ(HitTest(Panel, 149, 20), HTCLIENT);
}

TEST_F(SkinExPanelTest, AGlyphOfTwoFramesShowsTheSecondWhileThePanelIsDisabled) {
  TspSkinExPanel* Panel = MakePanel();
  TBitmap Glyph;
  Glyph.SetSize(16, 8);
  Glyph.Canvas().Brush().SetColor(clRed);
  Glyph.Canvas().FillRect(Rect(0, 0, 8, 8));
  Glyph.Canvas().Brush().SetColor(clBlue);
  Glyph.Canvas().FillRect(Rect(8, 0, 16, 8));
  // Each frame's bottom-left pixel is its transparent colour.
  Glyph.Canvas().SetPixels(0, 7, clWhite);
  Glyph.Canvas().SetPixels(8, 7, clWhite);
  Panel->SetGlyph(Glyph);
  Panel->SetNumGlyphs(2);
  ShowHost();
  const TRect Caption = Rect(10, 10, 160, 31);
  EXPECT_GT(CountIn(Caption, clRed), 40);
  EXPECT_EQ(CountIn(Caption, clBlue), 0);
  Panel->SetEnabled(false);
  Panel->Repaint();
  Pump();
  EXPECT_EQ(CountIn(Caption, clRed), 0);
  EXPECT_GT(CountIn(Caption, clBlue), 40);
}

TEST_F(SkinExPanelTest, WithoutSkinAPressedButtonShowsItsGlyphTwoPixelsRightAndDown) {
  MakePanel();
  ShowHost();
  const TRect Close = Rect(10 + 133, 10 + 3, 10 + 148, 10 + 18);
  InjectPointerMove(OnCloseButton());
  Pump();
  EXPECT_GT(CountIn(Close, 0xD2BDB6), 0);
  const TRect Hot = BoundsOf(Close, clBlack);
  InjectPointerPress(OnCloseButton());
  Pump();
  EXPECT_GT(CountIn(Close, 0xB59385), 0);
  const TRect Pressed = BoundsOf(Close, clBlack);
  ASSERT_LT(Hot.Left, Hot.Right);
  EXPECT_EQ(Pressed.Left, Hot.Left + 2);
  EXPECT_EQ(Pressed.Top, Hot.Top + 2);
}

// An element "expanel" 60 × 40 (navy, its caption rectangle (4, 2, 52, 14)) with a
// caption strip picture 60 × 16 (teal) for the rolled vertical kind and a narrow strip
// 16 × 40 (olive) for the rolled horizontal kind; buttons 4 × 4 (yellow).
class SkinExPanelSkinTest : public SkinExPanelTest {
 protected:
  void SetUp() override {
    SkinExPanelTest::SetUp();
    const int Picture = AddPicture(140, 40, [](int X, int) {
      if (X < 60) return clNavy;
      if (X < 120) return clTeal;
      if (X < 136) return clOlive;
      return clYellow;
    });
    auto& Element = AddElement<TspDataSkinExPanelControl>("expanel");
    Element.PictureIndex = Picture;
    Element.SkinRect = Rect(0, 0, 60, 40);
    Element.LTPoint = {4, 16};
    Element.RTPoint = {56, 16};
    Element.LBPoint = {4, 36};
    Element.RBPoint = {56, 36};
    Element.ClRect = Rect(4, 16, 56, 36);
    Element.CaptionRect = Rect(4, 2, 52, 14);
    Element.RollVSkinRect = Rect(60, 0, 120, 16);
    Element.RollHSkinRect = Rect(120, 0, 136, 40);
    Element.RollVCaptionRect = Rect(4, 2, 52, 14);
    Element.RollHCaptionRect = Rect(4, 4, 12, 36);
    Element.RollLeftOffset = Element.RollRightOffset = Element.RollTopOffset = Element.RollBottomOffset = 4;
    Element.CloseButtonRect = Element.VRollButtonRect = Element.HRollButtonRect = Rect(136, 0, 140, 4);
  }
};

TEST_F(SkinExPanelSkinTest, RollingTakesTheRollPicturesSize) {
  TspSkinExPanel* Panel = MakePanel();
  Panel->SetSkinData(&Skin());
  ShowHost();
  EXPECT_EQ(HostPixel(60, 200), ColorToRGB(clNavy));
  Panel->SetRollState(true);
  Pump();
  EXPECT_EQ(Panel->Height(), 16);
  EXPECT_EQ(HostPixel(60, 20), ColorToRGB(clTeal));
  EXPECT_EQ(HostPixel(60, 200), ColorToRGB(clBtnFace));
  Panel->SetRollState(false);
  Panel->SetRollKind(rkRollHorizontal);
  Panel->SetRollState(true);
  Pump();
  EXPECT_EQ(Panel->Width(), 16);
  EXPECT_EQ(Panel->Height(), 250);
  EXPECT_EQ(HostPixel(18, 200), ColorToRGB(clOlive));
}

TEST_F(SkinExPanelSkinTest, TheButtonsSitAtTheCaptionAreasTopRight) {
  TspSkinExPanel* Panel = MakePanel();
  Panel->SetSkinData(&Skin());
  ShowHost();
  // 150 wide: the caption area (4, 2, 142, 14); close at (138, 2), roll at (132, 2).
  EXPECT_EQ(HostPicture(Rect(10 + 128, 10 + 2, 10 + 142, 10 + 3), {{clYellow, 'y'}, {clNavy, '.'}}),
            "....yyyy..yyyy\n");
}

TEST_F(SkinExPanelTest, WithoutSkinSizeTheDefaultSkinsPanelFrameTakesACaptionStripOfTheDefaultHeight) {
  TspSkinExPanel* Panel = MakePanel();
  Panel->SetWidth(200);
  Panel->UseSkinSize = false;
  Panel->SetSkinData(&SkinNew());
  ShowHost();
  // The children start below the caption strip of 21.
  EXPECT_GE(Child->Top(), 21);
  // The buttons stand 1 pixel inside the strip's right end: roll (161, 1, 180, 20).
  InjectClick(OnHost(10 + 170, 10 + 10));
  Pump();
  EXPECT_TRUE(Panel->RollState());
  EXPECT_EQ(Panel->Height(), 21);
}

}  // namespace
}  // namespace more_controls_test
