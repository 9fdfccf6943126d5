// The check and radio box: Checked and State with OnClick, radio groups on one parent,
// clicks with AllowGrayed, a press dragged off the box, the space key, and the built-in
// box following the pointer.

#include <gtest/gtest.h>

#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinCtrlsCheckRadioTest : public SkinControlsTest {
 protected:
  // A box named AName at (10, ATop) of the host, 150 × 25, logging its clicks as
  // "name:checked".
  TspSkinCheckRadioBox* NewBox(const String& AName, int ATop, bool ARadio, int AGroup) {
    auto* Box = new TspSkinCheckRadioBox(&Host());
    Box->SetParent(&Host());
    Box->SetBounds(10, ATop, 150, 25);
    Box->SetRadio(ARadio);
    Box->GroupIndex = AGroup;
    Box->OnClick = [this, AName, Box](TObject* ASender) {
      EXPECT_EQ(ASender, Box);
      Log.push_back(AName + (Box->State() == cbGrayed ? ":grayed" : Box->Checked() ? ":1" : ":0"));
    };
    return Box;
  }
  TPoint OnBox(TspSkinCheckRadioBox* ABox, int AX, int AY) { return ABox->ClientToScreen({AX, AY}); }

  std::vector<String> Log;
};

TEST_F(SkinCtrlsCheckRadioTest, CheckingARadioBoxUnchecksItsGroupOnTheSameParent) {
  auto* A = NewBox("A", 0, true, 1);
  auto* B = NewBox("B", 25, true, 1);
  auto* C = NewBox("C", 50, false, 1);
  auto* D = NewBox("D", 75, true, 0);
  auto* E = NewBox("E", 100, true, 2);
  D->SetChecked(true);
  E->SetChecked(true);
  C->SetChecked(true);
  Log.clear();
  A->SetChecked(true);
  B->SetChecked(true);
  // The check box of the group reports its unchecking, the unchecked radio box does
  // not; then the box checked reports.
  EXPECT_EQ(Log, (std::vector<String>{"C:0", "A:1", "B:1"}));
  EXPECT_FALSE(A->Checked());
  EXPECT_TRUE(B->Checked());
  EXPECT_TRUE(D->Checked());
  EXPECT_TRUE(E->Checked());
}

TEST_F(SkinCtrlsCheckRadioTest, StateAndCheckedMoveTogetherExceptForTheGrayedState) {
  auto* Box = NewBox("box", 0, false, 0);
  Box->SetState(cbGrayed);
  EXPECT_FALSE(Box->Checked());
  Box->SetChecked(false);
  EXPECT_EQ(Box->State(), cbGrayed);
  Box->SetChecked(true);
  EXPECT_EQ(Box->State(), cbChecked);
  Box->SetState(cbUnchecked);
  EXPECT_FALSE(Box->Checked());
  EXPECT_EQ(Log, (std::vector<String>{"box:grayed", "box:grayed", "box:1", "box:0"}));
}

struct TCheckClickCase {
  const char* Name;
  bool Radio, AllowGrayed;
  const char* Clicks;  // the states after each of four clicks
};

TEST_F(SkinCtrlsCheckRadioTest, ClicksCycleTheStatesByKindAndAllowGrayed) {
  const TCheckClickCase Cases[] = {
      {"check box", false, false, "1010"},
      {"check box with AllowGrayed", false, true, "g10g"},
      {"radio box, which ignores AllowGrayed", true, true, "1111"},
  };
  ShowHost();
  for (const TCheckClickCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    auto* Box = NewBox("box", 0, Case.Radio, 0);
    Box->SetAllowGrayed(Case.AllowGrayed);
    std::string States;
    for (int Click = 0; Click < 4; ++Click) {
      InjectClick(OnBox(Box, 40, 12));
      Pump();
      States += Box->State() == cbGrayed ? 'g' : Box->Checked() ? '1' : '0';
    }
    EXPECT_EQ(States, Case.Clicks);
    delete Box;
  }
}

TEST_F(SkinCtrlsCheckRadioTest, APressReleasedOffTheBoxDoesNotToggleIt) {
  auto* Box = NewBox("box", 0, false, 0);
  ShowHost();
  InjectPointerMove(OnBox(Box, 40, 12));
  InjectPointerPress(OnBox(Box, 40, 12));
  InjectPointerMove(OnBox(Box, 40, 60));
  InjectPointerRelease(OnBox(Box, 40, 60));
  Pump();
  EXPECT_TRUE(Log.empty());
  // The next click over the box counts.
  InjectClick(OnBox(Box, 40, 12));
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"box:1"}));
}

TEST_F(SkinCtrlsCheckRadioTest, TheSpaceKeyTogglesAFocusedBoxAndKeepsARadioBoxChecked) {
  auto* Box = NewBox("box", 0, false, 0);
  auto* Radio = NewBox("radio", 30, true, 1);
  ShowHost();
  Box->SetFocus();
  InjectKeyStroke(VK_SPACE);
  InjectKeyStroke(VK_SPACE);
  Pump();
  Radio->SetFocus();
  InjectKeyStroke(VK_SPACE);
  InjectKeyStroke(VK_SPACE);
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"box:1", "box:0", "radio:1"}));
  EXPECT_TRUE(Radio->Checked());
}

// A click handler may free its box, by the mouse or by the space key.
TEST_F(SkinCtrlsCheckRadioTest, ABoxFreedByItsOwnClickLeavesNothingBehind) {
  ShowHost();
  for (bool ByKey : {false, true}) {
    SCOPED_TRACE(ByKey ? "space" : "mouse");
    auto* Box = NewBox("box", 0, false, 0);
    int Freed = 0;
    Box->OnClick = [&Freed, &Box](TObject*) {
      ++Freed;  // the closure goes with the box: nothing after the delete
      delete Box;
    };
    if (ByKey) {
      Box->SetFocus();
      InjectKeyStroke(VK_SPACE);
    } else {
      InjectClick(OnBox(Box, 40, 12));
    }
    Pump();
    EXPECT_EQ(Freed, 1);
    EXPECT_EQ(Host().ControlCount(), 0);
  }
}

// The built-in flat box: framed clBtnShadow, clNavy while the pointer is over it.
TEST_F(SkinCtrlsCheckRadioTest, TheBuiltInBoxFollowsThePointer) {
  auto* Box = NewBox("box", 0, false, 0);
  Box->SetBounds(10, 10, 150, 24);
  ShowHost();
  EXPECT_EQ(HostPixel(13, 10 + 5), ColorToRGB(clBtnShadow));
  InjectPointerMove(OnBox(Box, 60, 12));
  Pump();
  EXPECT_EQ(HostPixel(13, 10 + 5), ColorToRGB(clNavy));
  InjectPointerMove(OnBox(Box, 60, 80));
  Pump();
  EXPECT_EQ(HostPixel(13, 10 + 5), ColorToRGB(clBtnShadow));
  // The flat look keeps any size it is given.
  Box->SetBounds(10, 10, 33, 77);
  EXPECT_EQ(Box->BoundsRect(), Bounds(10, 10, 33, 77));
}

// The caption's picture stands at the caption's left, x 22 in the built-in flat look,
// drawn as the box is: greyed while the box is disabled.
TEST_F(SkinCtrlsCheckRadioTest, TheCaptionPictureIsDrawnDisabledWithTheBox) {
  auto* Images = new TImageList(&Host());
  Images->SetSize(8, 8);
  AddFilledImage(*Images, clBlue);
  for (bool Enabled : {true, false}) {
    SCOPED_TRACE(Enabled);
    auto* Box = NewBox("box", 0, false, 0);
    Box->SetCaption("Deinterlace");
    Box->SetImages(Images);
    Box->SetImageIndex(0);
    Box->SetEnabled(Enabled);
    ShowHost();
    Pump();
    // The picture's middle: the box's (22 + 3, 8 + 3).
    EXPECT_EQ(HostPixel(10 + 25, 11), ColorToRGB(Enabled ? clBlue : clBtnShadow));
    delete Box;
  }
}

// What a dialog measures the caption with: the element found and its font.
TEST_F(SkinCtrlsCheckRadioTest, TheElementAndItsFontAreReadableFromOutside) {
  auto* Box = NewBox("box", 0, false, 0);
  EXPECT_EQ(Box->SkinElementIndex(), -1);
  AddElement<TspDataSkinControl>("other");
  auto& Element = AddElement<TspDataSkinCheckRadioControl>("checkbox");
  Element.FontName = "Liberation Sans";
  Element.FontHeight = 17;
  Box->SetSkinData(&Skin());
  EXPECT_EQ(Box->SkinElementIndex(), 1);
  EXPECT_EQ(Box->SkinFontName(), "Liberation Sans");
  EXPECT_EQ(Box->SkinFontHeight(), 17);
}

// The flat skin look draws the box picture of the state over the parent, its bottom-left
// colour left out; a grayed box without a grayed picture shows the check picture dimmed.
TEST_F(SkinCtrlsCheckRadioTest, TheFlatSkinLookDrawsTheBoxPictureOfTheState) {
  const TColor Key = RGB(255, 0, 255), Checked = RGB(0, 0, 200), Unchecked = RGB(0, 200, 0);
  const int Picture = AddPicture(16, 8, [&](int X, int Y) {
    if (X % 8 == 0 && Y == 7) return Key;
    return X < 8 ? Checked : Unchecked;
  });
  auto& Element = AddElement<TspDataSkinCheckRadioControl>("checkbox");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 16, 8);
  Element.CheckImageRect = Rect(0, 0, 8, 8);
  Element.UnCheckImageRect = Rect(8, 0, 16, 8);
  Host().SetColor(clWhite);
  auto* Box = NewBox("box", 0, false, 0);
  Box->SetSkinData(&Skin());
  ShowHost();
  // The box stands at (3, 12 - 4) of the box, which stands at (10, 0) of the host.
  EXPECT_EQ(HostPixel(13 + 3, 9), ColorToRGB(Unchecked));
  EXPECT_EQ(HostPixel(13, 8 + 7), ColorToRGB(clWhite));  // the key colour is left out
  Box->SetChecked(true);
  Pump();
  EXPECT_EQ(HostPixel(13 + 3, 9), ColorToRGB(Checked));
  Box->SetState(cbGrayed);
  Pump();
  const COLORREF Grayed = HostPixel(13 + 3, 9);
  EXPECT_NE(Grayed, ColorToRGB(Checked));
  EXPECT_NE(Grayed, ColorToRGB(Unchecked));
  EXPECT_EQ(GetRValue(Grayed), GetGValue(Grayed));
}

// The framed skin look fades from its normal picture (white) to its active one (black)
// in five 20 ms steps while the pointer is over it, and back when it leaves.
TEST_F(SkinCtrlsCheckRadioTest, TheFramedSkinLookFadesOnTheVirtualClock) {
  const int Picture =
      AddPicture(40, 10, [](int X, int) { return X < 20 ? RGB(255, 255, 255) : RGB(0, 0, 0); });
  auto& Element = AddElement<TspDataSkinCheckRadioControl>("checkbox");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 20, 10);
  Element.ActiveSkinRect = Rect(20, 0, 40, 10);
  Element.Morphing = true;
  auto* Box = NewBox("box", 0, false, 0);
  Box->SetFlat(false);
  Box->SetSkinData(&Skin());
  EXPECT_EQ(Box->BoundsRect(), Bounds(10, 0, 20, 10));
  ShowHost();
  auto Sample = [&] {
    std::vector<int> Reds;
    for (int Tick = 0; Tick < 7; ++Tick) {
      Reds.push_back(GetRValue(HostPixel(12, 2)));
      Headless().AdvanceClock(20);
      Pump();
    }
    return Reds;
  };
  InjectPointerMove(OnBox(Box, 5, 5));
  Pump();
  EXPECT_EQ(Sample(), (std::vector<int>{255, 204, 153, 102, 51, 0, 0}));
  InjectPointerMove(OnBox(Box, 5, 50));
  Pump();
  EXPECT_EQ(Sample(), (std::vector<int>{0, 51, 102, 153, 204, 255, 255}));
}

}  // namespace
}  // namespace skin_controls_test
