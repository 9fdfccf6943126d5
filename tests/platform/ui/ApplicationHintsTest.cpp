// The application's hints on the virtual clock: the pause before a hint, the pause
// before it hides, the short pause from one hint to the next, CM_HINTSHOW and
// OnShowHint, and the end of a hint by a key, by leaving its control, or by the control
// going.

#include <gtest/gtest.h>

#include "platform/ui/Label.h"
#include "platform/win/Keyboard.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/platform/ui/FormsTestSupport.h"

namespace ui_test {
namespace {

// A windowless control that can refuse its hint through CM_HINTSHOW.
class THinted : public TLabel {
 public:
  using TLabel::TLabel;
  bool Refuse = false;

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == CM_HINTSHOW && Refuse) {
      AMessage.Result = 1;
      return;
    }
    TLabel::Dispatch(AMessage);
  }
};

class ApplicationHintsTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    Form = NewForm("Form");
    First = NewHinted("First|The first control's long hint", 10);
    Second = NewHinted("Second", 60);
    Form->Show();
    Pump();
  }

  THinted* NewHinted(const String& AHint, int ATop) {
    auto* Control = new THinted(Form);
    Control->SetParent(Form);
    Control->SetAutoSize(false);
    Control->SetBounds(10, ATop, 100, 40);
    Control->Hint = AHint;
    Control->SetShowHint(true);
    return Control;
  }

  void MoveTo(TControl* AControl, int AX = 5, int AY = 5) {
    InjectPointerMove(OnScreen(AControl, AX, AY));
    Pump();
  }

  bool HintShown() { return Application->HintWindow() && Application->HintWindow()->IsShowing(); }
  String HintText() { return GetWindowText(Application->HintWindow()->Handle()); }

  TForm* Form = nullptr;
  THinted* First = nullptr;
  THinted* Second = nullptr;
};

TEST_F(ApplicationHintsTest, AHintAppearsAfterHintPauseBelowThePointerAndHidesAfterHintHidePause) {
  MoveTo(First);
  Headless().AdvanceClock(499);
  EXPECT_FALSE(HintShown());
  Headless().AdvanceClock(1);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "First");
  RECT Bounds;
  GetWindowRect(Application->HintWindow()->Handle(), &Bounds);
  const TPoint Pointer = OnScreen(First, 5, 5);
  EXPECT_EQ(Bounds.Left, Pointer.X);
  EXPECT_GT(Bounds.Top, Pointer.Y);
  Pump();
  EXPECT_EQ(PresentedPixel(Application->HintWindow()->Handle(), Bounds.Width() - 2, Bounds.Height() - 2),
            ColorToRGB(clInfoBk));
  Headless().AdvanceClock(2499);
  EXPECT_TRUE(HintShown());
  Headless().AdvanceClock(1);
  EXPECT_FALSE(HintShown());
  // Resting on in the same control brings no second hint.
  MoveTo(First, 6, 6);
  Headless().AdvanceClock(1000);
  EXPECT_FALSE(HintShown());
}

TEST_F(ApplicationHintsTest, MovingOnRestartsThePauseAndTheNextHintComesAfterTheShortPause) {
  MoveTo(First);
  Headless().AdvanceClock(400);
  MoveTo(First, 8, 8);
  Headless().AdvanceClock(400);
  EXPECT_FALSE(HintShown());
  Headless().AdvanceClock(100);
  ASSERT_TRUE(HintShown());
  MoveTo(Second);
  EXPECT_FALSE(HintShown());
  Headless().AdvanceClock(Application->HintShortPause);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "Second");
  EXPECT_EQ(Application->HintControl(), Second);
}

TEST_F(ApplicationHintsTest, CmHintShowAndOnShowHintDecide) {
  First->Refuse = true;
  MoveTo(First);
  Headless().AdvanceClock(500);
  EXPECT_FALSE(HintShown());
  First->Refuse = false;
  Application->OnShowHint = [](String& AHintStr, bool&, THintInfo& AInfo) {
    AHintStr = AInfo.HintControl->Name() + ": " + AHintStr;
  };
  First->SetName("First");
  MoveTo(Second);
  MoveTo(First);
  Headless().AdvanceClock(500);
  ASSERT_TRUE(HintShown());
  EXPECT_EQ(HintText(), "First: First");
}

TEST_F(ApplicationHintsTest, AKeyOrLeavingForAPlaceWithoutHintEndsTheHint) {
  MoveTo(First);
  Headless().AdvanceClock(500);
  ASSERT_TRUE(HintShown());
  InjectKeyStroke(VK_SHIFT);
  Pump();
  EXPECT_FALSE(HintShown());
  EXPECT_EQ(Application->HintControl(), nullptr);
  MoveTo(Second);
  MoveTo(Form, 150, 130);
  Headless().AdvanceClock(1000);
  EXPECT_FALSE(HintShown());
  EXPECT_EQ(Application->HintControl(), nullptr);
}

TEST_F(ApplicationHintsTest, AFreedHintControlLeavesNoReferenceBehind) {
  MoveTo(First);
  Headless().AdvanceClock(500);
  ASSERT_TRUE(HintShown());
  delete First;
  EXPECT_EQ(Application->HintControl(), nullptr);
  EXPECT_FALSE(HintShown());
  // A pending hint of a freed control never shows.
  MoveTo(Second);
  delete Second;
  Headless().AdvanceClock(1000);
  EXPECT_FALSE(HintShown());
}

TEST_F(ApplicationHintsTest, WithHintsOffNothingShows) {
  Application->SetShowHint(false);
  MoveTo(First);
  Headless().AdvanceClock(1000);
  EXPECT_FALSE(HintShown());
}

}  // namespace
}  // namespace ui_test
