// What a skinned form keeps across changes of its layered border: the outer rectangle
// the user sees, when a skin change brings or takes a full layered border; and the
// order of the application's forms over their borders when it is restored.

#include <memory>
#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Application.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "tests/components/forms/SkinFormFullBorderFixture.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_full_border_bounds_test {
namespace {

using namespace skin_form_test;

using SkinFormFullBorderBoundsTest = SkinFormTest;

// The skin's layer frame is switched to a full border or away from it, announced as a
// load does.
void ChangeFullBorder(TCustomForm* AForm, TspSkinData& ASkin, bool AFullBorder) {
  const auto Skin = reinterpret_cast<WPARAM>(&ASkin);
  SendMessage(AForm->Handle(), SP_BEFORECHANGESKINDATA, Skin, SkinDataMessageTag);
  ASkin.LayerFrame->FullBorder = AFullBorder;
  SendMessage(AForm->Handle(), SP_CHANGESKINDATA, Skin, SkinDataMessageTag);
  ProcessPendingMessages();
}

TEST_F(SkinFormFullBorderBoundsTest, ASkinChangeKeepsTheOuterRectangleOfAFullBorder) {
  auto Skin = MakeFullBorderSkin();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(200, 150, 400, 300), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  const TRect Outer =
      Rect(200 - FullBorderLeft, 150 - FullBorderTop, 600 + FullBorderRight, 450 + FullBorderBottom);

  // Without the full border the form takes the whole rectangle its frame had.
  ChangeFullBorder(Form, *Skin, false);
  ASSERT_FALSE(SkinForm->WearsFullLayeredBorder());
  EXPECT_EQ(Form->BoundsRect(), Outer);
  // With it again the frame goes round the same rectangle.
  ChangeFullBorder(Form, *Skin, true);
  ASSERT_TRUE(SkinForm->WearsFullLayeredBorder());
  EXPECT_EQ(Form->BoundsRect(), Bounds(200, 150, 400, 300));
  // Saved bounds serve once: a later change leaves a moved form where it is.
  Form->SetBounds(250, 170, 400, 300);
  SkinForm->ChangeSkinData();
  EXPECT_EQ(Form->BoundsRect(), Bounds(250, 170, 400, 300));
}

TEST_F(SkinFormFullBorderBoundsTest, RestoringTheApplicationShowsTheOtherFormsAgainThenTheMainForm) {
  auto Skin = MakeFullBorderSkin();
  Application->OnRestore = nullptr;
  TspSkinForm* Main = NewSkinnedForm(Bounds(200, 150, 400, 300), Skin.get());
  ASSERT_EQ(Application->MainForm(), Main->Form());
  ASSERT_TRUE(static_cast<bool>(Application->OnRestore));
  TCustomForm* Other = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr)->Form();
  TCustomForm* Hidden = NewSkinnedForm(Bounds(300, 200, 300, 200), nullptr)->Form();
  Hidden->Hide();
  ProcessPendingMessages();
  // The forms placed anew in the stacking order, in the order they were.
  std::vector<TCustomForm*> Placed;
  for (TCustomForm* Form : {Main->Form(), Other, Hidden}) {
    TWndMethod Inherited = Form->WindowProc;
    Form->WindowProc = [&Placed, Form, Inherited](TMessage& AMessage) {
      if (AMessage.Msg == WM_WINDOWPOSCHANGED) Placed.push_back(Form);
      Inherited(AMessage);
    };
  }
  Application->OnRestore(Application);
  ProcessPendingMessages();
  EXPECT_EQ(Placed, (std::vector<TCustomForm*>{Other, Main->Form()}));
  EXPECT_FALSE(Hidden->Visible());

  // Without its layered border the main form leaves the order alone.
  Placed.clear();
  Main->SetSkinData(nullptr);
  ProcessPendingMessages();
  Placed.clear();
  Application->OnRestore(Application);
  ProcessPendingMessages();
  EXPECT_TRUE(Placed.empty());
  Application->OnRestore = nullptr;
}

}  // namespace
}  // namespace skin_form_full_border_bounds_test
