// A skin whose client background is stretched changes that background with every size:
// the form tells the windowed controls placed on it (SP_CHECKPARENTBACKGROUND), once
// the window has the new size, after a resize in code and at every step of a live
// sizing by the border. A skin that tiles its background tells nobody.

#include <string>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/forms/SkinFormPaintFixture.h"

namespace skin_form_paint_test {
namespace {

class SkinFormBackgroundNoticeTest : public SkinFormPaintTest {
 protected:
  void SetUp() override {
    SkinFormPaintTest::SetUp();
    Skin = MakeFixtureSkin();
    Skin->StretchEffect = true;
    Skin->StretchType = spstFull;
    // Resizing zones along the outline, so the border can be dragged.
    Skin->BorderW = 3;
    Skin->HitTestLTPoint = Skin->LTPoint;
    Skin->HitTestRTPoint = Skin->RTPoint;
    Skin->HitTestLBPoint = Skin->LBPoint;
    Skin->HitTestRBPoint = Skin->RBPoint;
  }
  void TearDown() override {
    SkinFormPaintTest::TearDown();
    Skin.reset();
  }

  // A form of 400 × 300 wearing the skin, with two panels placed on it and a third
  // inside the first; each notice a panel receives is noted with the panel's name and
  // the form's client width at that moment.
  void ShowFormWithPanels() {
    NewSkinForm(400, 300, Skin.get());
    TspSkinPanel* First = NewPanel(Form, "first");
    NewPanel(Form, "second");
    NewPanel(First, "inner");
    Form->Show();
    ProcessPendingMessages();
    Notices.clear();
  }
  TspSkinPanel* NewPanel(TWinControl* AParent, const std::string& AName) {
    auto* Panel = new TspSkinPanel(Form);
    Panel->SetParent(AParent);
    Panel->SetBounds(10, 10, 60, 40);
    TWndMethod Previous = Panel->WindowProc;
    Panel->WindowProc = [this, AName, Previous](TMessage& AMessage) {
      if (AMessage.Msg == SP_CHECKPARENTBACKGROUND)
        Notices.push_back(AName + " " + std::to_string(Form->ClientWidth()));
      Previous(AMessage);
    };
    return Panel;
  }

  std::unique_ptr<TspSkinData> Skin;
  std::vector<std::string> Notices;
};

TEST_F(SkinFormBackgroundNoticeTest, AResizeTellsThePanelsOnTheFormOfTheNewBackground) {
  ShowFormWithPanels();
  Form->SetBounds(Form->Left(), Form->Top(), 520, 300);
  ProcessPendingMessages();
  // The client area is 12 pixels narrower than the form (ClRect 6 .. 194 of 200).
  EXPECT_EQ(Notices, (std::vector<std::string>{"first 508", "second 508"}));
}

TEST_F(SkinFormBackgroundNoticeTest, ALiveSizingTellsThePanelsAtEveryStepOnceTheWindowHasItsSize) {
  ShowFormWithPanels();
  // The right border dragged 120 pixels right in two steps, through the window
  // system's own sizing loop.
  const TPoint Border{Form->Left() + 398, Form->Top() + 150};
  InjectPointerPress(Border);
  InjectPointerMove({Border.X + 60, Border.Y});
  InjectPointerMove({Border.X + 120, Border.Y});
  InjectPointerRelease({Border.X + 120, Border.Y});
  ProcessPendingMessages();
  ASSERT_EQ(Form->Width(), 520);
  EXPECT_EQ(Notices, (std::vector<std::string>{"first 448", "second 448", "first 508", "second 508"}));
}

TEST_F(SkinFormBackgroundNoticeTest, ATiledBackgroundStaysWhereItIsAndNobodyIsTold) {
  Skin->StretchEffect = false;
  ShowFormWithPanels();
  Form->SetBounds(Form->Left(), Form->Top(), 520, 300);
  ProcessPendingMessages();
  EXPECT_TRUE(Notices.empty());
}

}  // namespace
}  // namespace skin_form_paint_test
