// The skinned push button: auto-repeat on the virtual clock, a press dragged off and
// back, groups with and without AllowAllUp, toggles, Space, the default and cancel
// roles through the dialog keys, a button freed by its own click, and the cross-fade.

#include <gtest/gtest.h>

#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/Forms.h"
#include "platform/ui/native/Edit.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinCtrlsButtonTest : public SkinControlsTest {
 protected:
  void TearDown() override {
    DoneApplication();
    SkinControlsTest::TearDown();
  }
  // A button named AName on AParent at (AX, 10), 60 × 25, logging its clicks with
  // the time since the test's start.
  TspSkinButton* NewButton(TWinControl* AParent, const String& AName, int AX) {
    auto* Button = new TspSkinButton(AParent);
    Button->SetParent(AParent);
    Button->SetBounds(AX, 10, 60, 25);
    Button->SetCaption(AName);
    Button->OnClick = [this, AName](TObject*) {
      Log.push_back(AName);
      Times.push_back(Win::GetTickCount() - Start);
    };
    return Button;
  }
  TPoint Over(TControl* AControl, int AX = 30, int AY = 12) { return AControl->ClientToScreen({AX, AY}); }
  void AdvanceBy(int AMilliseconds) {
    for (int Step = 0; Step < AMilliseconds / 10; ++Step) {
      Headless().AdvanceClock(10);
      Pump();
    }
  }

  std::vector<String> Log;
  std::vector<uint32_t> Times;
  uint32_t Start = Win::GetTickCount();
};

TEST_F(SkinCtrlsButtonTest, AHeldRepeatButtonClicksAt500PlusTheIntervalThenEveryInterval) {
  auto* Button = NewButton(&Host(), "rep", 10);
  Button->RepeatMode = true;
  Button->RepeatInterval = 100;
  ShowHost();
  Start = Win::GetTickCount();
  InjectPointerMove(Over(Button));
  InjectPointerPress(Over(Button));
  Pump();
  EXPECT_TRUE(Times.empty());
  AdvanceBy(850);
  InjectPointerRelease(Over(Button));
  Pump();
  AdvanceBy(500);
  // The release over the button clicks once more.
  EXPECT_EQ(Times, (std::vector<uint32_t>{600, 700, 800, 850}));
  EXPECT_FALSE(Button->Down());
}

TEST_F(SkinCtrlsButtonTest, APressDraggedOffPausesTheRepeatAndAReleaseOutsideDoesNotClick) {
  auto* Button = NewButton(&Host(), "rep", 10);
  Button->RepeatMode = true;
  Button->RepeatInterval = 100;
  ShowHost();
  Start = Win::GetTickCount();
  InjectPointerMove(Over(Button));
  InjectPointerPress(Over(Button));
  InjectPointerMove(Over(Button, 30, 90));
  Pump();
  AdvanceBy(1000);
  EXPECT_TRUE(Times.empty());
  // Back over the button the repeat starts again: 500 ms + the interval after it.
  InjectPointerMove(Over(Button));
  Pump();
  AdvanceBy(750);
  InjectPointerMove(Over(Button, 30, 90));
  InjectPointerRelease(Over(Button, 30, 90));
  Pump();
  AdvanceBy(300);
  EXPECT_EQ(Times, (std::vector<uint32_t>{1600, 1700}));
  EXPECT_FALSE(Button->Down());
}

struct TButtonGroupCase {
  const char* Name;
  bool AllowAllUp;
  const char* Clicks;    // the buttons clicked, in turn
  const char* Downs;     // which of a, b, c are down at the end
  const char* Reported;  // the clicks the buttons reported
};

TEST_F(SkinCtrlsButtonTest, GroupButtonsClickAtThePressAndReleaseTheirGroup) {
  const TButtonGroupCase Cases[] = {
      {"one down at a time", false, "ab", "010", "ab"},
      {"the down button again does nothing", false, "aa", "100", "a"},
      {"AllowAllUp leaves the others down", true, "ab", "110", "ab"},
      {"AllowAllUp raises a down button released over it", true, "aba", "010", "aba"},
  };
  ShowHost();
  for (const TButtonGroupCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    std::vector<TspSkinButton*> Buttons;
    for (const char* Name : {"a", "b", "c"}) {
      auto* Button = NewButton(&Host(), Name, 10 + 62 * static_cast<int>(Buttons.size()));
      Button->SetGroupIndex(1);
      Button->AllowAllUp = Case.AllowAllUp;
      Buttons.push_back(Button);
    }
    EXPECT_FALSE(Buttons[0]->CanFocused());
    Log.clear();
    for (const char* Click = Case.Clicks; *Click; ++Click) {
      TspSkinButton* Button = Buttons[*Click - 'a'];
      InjectPointerMove(Over(Button));
      InjectPointerPress(Over(Button));
      Pump();
      InjectPointerRelease(Over(Button));
      Pump();
    }
    std::string Downs, Reported;
    for (TspSkinButton* Button : Buttons) Downs += Button->Down() ? '1' : '0';
    for (const String& Name : Log) Reported += Name;
    EXPECT_EQ(Downs, Case.Downs);
    EXPECT_EQ(Reported, Case.Reported);
    for (TspSkinButton* Button : Buttons) delete Button;
  }
}

TEST_F(SkinCtrlsButtonTest, ACheckedModeButtonTogglesAndClicksAtEachChange) {
  auto* Button = NewButton(&Host(), "toggle", 10);
  Button->SetCheckedMode(true);
  EXPECT_EQ(Button->GroupIndex(), -1);
  EXPECT_FALSE(Button->CanFocused());
  ShowHost();
  InjectPointerMove(Over(Button));
  InjectPointerPress(Over(Button));
  Pump();
  EXPECT_EQ(Log.size(), 1u);  // at once, at the press
  InjectPointerRelease(Over(Button));
  Pump();
  EXPECT_TRUE(Button->Down());
  InjectClick(Over(Button));
  Pump();
  EXPECT_FALSE(Button->Down());
  EXPECT_EQ(Log.size(), 2u);
  Button->SetCheckedMode(false);
  EXPECT_EQ(Button->GroupIndex(), 0);
}

TEST_F(SkinCtrlsButtonTest, SpaceInRepeatModeClicksAtEveryKeyDownAndOnceMoreAtKeyUp) {
  auto* Button = NewButton(&Host(), "space", 10);
  Button->RepeatMode = true;
  ShowHost();
  Button->SetFocus();
  InjectKeyDown(VK_SPACE);
  InjectKeyDown(VK_SPACE);  // the keyboard's own repeat
  InjectKeyDown(VK_SPACE);
  Pump();
  EXPECT_TRUE(Button->Down());
  InjectKeyUp(VK_SPACE);
  Pump();
  EXPECT_EQ(Log.size(), 4u);
  EXPECT_FALSE(Button->Down());
}

// On a form: Enter clicks the default button while an edit has the focus and the
// focused skinned button otherwise; Escape clicks the cancel button without modifiers.
TEST_F(SkinCtrlsButtonTest, DefaultAndCancelButtonsTakeTheDialogKeys) {
  TForm* Form = Application->CreateForm<TForm>();
  Form->SetBounds(100, 100, 300, 150);
  auto* Edit = new TEdit(Form);
  Edit->SetParent(Form);
  Edit->SetBounds(10, 50, 100, 24);
  auto* Ok = NewButton(Form, "ok", 10);
  Ok->ModalResult = mrOk;
  auto* Cancel = NewButton(Form, "cancel", 80);
  Cancel->Cancel = true;
  Cancel->ModalResult = mrCancel;
  auto* Other = NewButton(Form, "other", 150);
  Ok->SetDefault(true);
  Form->Show();
  Edit->SetFocus();
  Application->ProcessMessages();
  InjectKeyStroke(VK_RETURN);
  Application->ProcessMessages();
  EXPECT_EQ(Form->ModalResult, mrOk);
  InjectKeyStroke(VK_ESCAPE, PointerShift);
  InjectKeyStroke(VK_ESCAPE);
  Application->ProcessMessages();
  EXPECT_EQ(Form->ModalResult, mrCancel);
  Other->SetFocus();
  Application->ProcessMessages();
  InjectKeyStroke(VK_RETURN);
  Application->ProcessMessages();
  EXPECT_EQ(Log, (std::vector<String>{"ok", "cancel", "other"}));
  EXPECT_EQ(Form->ModalResult, mrNone);
}

// A handler may free the button it was clicked on (a dialog closing on it).
TEST_F(SkinCtrlsButtonTest, AButtonFreedByItsOwnClickLeavesNothingBehind) {
  auto* Button = NewButton(&Host(), "close", 10);
  bool Freed = false;
  // The handler's own closure goes with the button: it touches nothing after the delete.
  Button->OnClick = [&](TObject*) {
    Freed = true;
    delete Button;
  };
  ShowHost();
  InjectClick(Over(Button));
  Pump();
  AdvanceBy(100);
  EXPECT_TRUE(Freed);
  EXPECT_EQ(Host().ControlCount(), 0);
}

// The skin's normal picture (white) fades into its hot one (black) in five 20 ms steps
// while the pointer is over the button.
TEST_F(SkinCtrlsButtonTest, TheSkinPictureFadesToItsHotPictureOnTheVirtualClock) {
  const int Picture =
      AddPicture(40, 10, [](int X, int) { return X < 20 ? RGB(255, 255, 255) : RGB(0, 0, 0); });
  auto& Element = AddElement<TspDataSkinButtonControl>("button");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.GlowLayerPictureIndex = 99;  // no such picture: no glow, no failure
  Element.SkinRect = Rect(0, 0, 20, 10);
  Element.ActiveSkinRect = Rect(20, 0, 40, 10);
  Element.Morphing = true;
  auto* Button = NewButton(&Host(), "", 10);
  Button->AlwaysShowLayeredFrame = true;
  Button->SetSkinData(&Skin());
  EXPECT_EQ(Button->BoundsRect(), Bounds(10, 10, 20, 10));
  ShowHost();
  std::vector<int> Reds;
  InjectPointerMove(Over(Button, 5, 5));
  Pump();
  for (int Tick = 0; Tick < 7; ++Tick) {
    Reds.push_back(GetRValue(HostPixel(12, 12)));
    Headless().AdvanceClock(20);
    Pump();
  }
  EXPECT_EQ(Reds, (std::vector<int>{255, 204, 153, 102, 51, 0, 0}));
}

// The frame animation: forward through the strip when the pointer enters, ending on
// the hot picture; backward when it leaves, ending on the normal one.
TEST_F(SkinCtrlsButtonTest, TheFrameAnimationRunsForwardOnEnterAndBackOnLeave) {
  const int Picture = AddPicture(50, 10, [](int X, int) {
    if (X < 10) return RGB(255, 255, 255);
    if (X < 20) return RGB(0, 0, 0);
    return X < 30 ? RGB(10, 10, 10) : X < 40 ? RGB(20, 20, 20) : RGB(30, 30, 30);
  });
  auto& Element = AddElement<TspDataSkinButtonControl>("button");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 10, 10);
  Element.ActiveSkinRect = Rect(10, 0, 20, 10);
  Element.AnimateSkinRect = Rect(20, 0, 50, 10);
  Element.FrameCount = 3;
  Element.AnimateInterval = 30;
  auto* Button = NewButton(&Host(), "", 10);
  Button->SetCanFocused(false);
  Button->SetSkinData(&Skin());
  ShowHost();
  auto Watch = [&] {
    std::vector<int> Seen;
    for (int Tick = 0; Tick < 5; ++Tick) {
      Seen.push_back(GetRValue(HostPixel(12, 12)));
      Headless().AdvanceClock(30);
      Pump();
    }
    return Seen;
  };
  InjectPointerMove(Over(Button, 5, 5));
  Pump();
  EXPECT_EQ(Watch(), (std::vector<int>{10, 20, 30, 0, 0}));
  InjectPointerMove(Over(Button, 5, 90));
  Pump();
  EXPECT_EQ(Watch(), (std::vector<int>{30, 20, 10, 255, 255}));
}

// The glow frame shows in a layered window while the pointer is over the button: with
// the skin's switch, or with AlwaysShowLayeredFrame while the switch is off.
TEST_F(SkinCtrlsButtonTest, TheGlowFrameShowsWhileThePointerIsOverTheButton) {
  const int Picture = AddPicture(20, 10, [](int, int) { return RGB(200, 200, 200); });
  const int Glow = AddPicture(30, 20, [](int, int) { return RGB(0, 0, 255); });
  const int Mask = AddPicture(30, 20, [](int, int) { return RGB(255, 255, 255); });
  auto& Element = AddElement<TspDataSkinButtonControl>("button");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 20, 10);
  Element.GlowLayerPictureIndex = Glow;
  Element.GlowLayerMaskPictureIndex = Mask;
  Element.GlowLayerAlphaBlendValue = 200;
  auto GlowShowing = [] {
    int Shown = 0;
    EnumWindows([&Shown](HWND AWindow) {
      if (dynamic_cast<TspLayerWindow*>(FindControl(AWindow)) && IsWindowVisible(AWindow)) ++Shown;
      return true;
    });
    return Shown;
  };
  auto* Button = NewButton(&Host(), "", 10);
  Button->SetSkinData(&Skin());
  ShowHost();
  struct TGlowCase {
    const char* Name;
    bool SkinSwitch, Always;
    int Shown;
  };
  const TGlowCase Cases[] = {
      {"the skin's switch", true, false, 1},
      {"AlwaysShowLayeredFrame", false, true, 1},
      {"neither", false, false, 0},
  };
  for (const TGlowCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Skin().ShowButtonGlowFrames = Case.SkinSwitch;
    Button->AlwaysShowLayeredFrame = Case.Always;
    InjectPointerMove(Over(Button, 5, 5));
    Pump();
    EXPECT_EQ(GlowShowing(), Case.Shown);
    InjectPointerMove(Over(Button, 5, 90));
    Pump();
    EXPECT_EQ(GlowShowing(), 0);
  }
  // A mask index the skin lacks shows no glow.
  Element.GlowLayerMaskPictureIndex = 99;
  Button->ChangeSkinData();
  Skin().ShowButtonGlowFrames = true;
  InjectPointerMove(Over(Button, 5, 5));
  Pump();
  EXPECT_EQ(GlowShowing(), 0);
}

}  // namespace
}  // namespace skin_controls_test
