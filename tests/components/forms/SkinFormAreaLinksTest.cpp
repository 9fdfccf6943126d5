// Controls linked to the skin's areas in client-area mode: placed by the area and its
// anchors, following every size of the form, and unlinked when they are freed.

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace {

using skin_form_test::SkinFormTest;

class SkinFormAreaLinksTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = skin_form_test::MakeFixtureSkin();
    // Stretched with the form by its anchors.
    Skin->AddSkinArea("anchored", Rect(20, 40, 60, 80), true, true, true, true, true);
    // In the frame picture's bottom-right corner: moves with that corner.
    Skin->AddSkinArea("corner", Rect(92, 92, 98, 98), false, false, false, false, false);
    Skin->AddSkinArea("empty", Rect(30, 40, 30, 80), false, false, false, false, false);
    Form = NewForm(Bounds(50, 50, 300, 200), bsNone);
    SkinForm = new TspSkinForm(Form);
    SkinForm->SetSupportNCArea(false);
  }
  void TearDown() override {
    DoneApplication();
    Skin.reset();
    SkinFormTest::TearDown();
  }

  TspSkinPanel* NewPanel(const String& AAreaName) {
    auto* Panel = new TspSkinPanel(Form);
    Panel->SetParent(Form);
    Panel->SetAreaName(AAreaName);
    return Panel;
  }

  std::unique_ptr<TspSkinData> Skin;
  TForm* Form = nullptr;
  TspSkinForm* SkinForm = nullptr;
};

TEST_F(SkinFormAreaLinksTest, LinkedControlsFollowEverySizeOfTheFormAndLeaveWithTheirControl) {
  TspSkinPanel* Anchored = NewPanel("anchored");
  TspSkinPanel* Corner = NewPanel("corner");
  NewPanel("");
  SkinForm->SetSkinData(Skin.get());
  ASSERT_EQ(SkinForm->AreaList().size(), 2u);
  // The form is 200 wider and 100 higher than the 100 x 100 frame picture.
  EXPECT_EQ(Anchored->BoundsRect(), Rect(20, 40, 260, 180));
  EXPECT_EQ(Corner->BoundsRect(), Rect(292, 192, 298, 198));

  Form->SetBounds(50, 50, 400, 250);
  ProcessPendingMessages();
  EXPECT_EQ(Anchored->BoundsRect(), Rect(20, 40, 360, 230));
  EXPECT_EQ(Corner->BoundsRect(), Rect(392, 242, 398, 248));

  delete Anchored;
  ASSERT_EQ(SkinForm->AreaList().size(), 1u);
  EXPECT_EQ(SkinForm->AreaList().front().Control, Corner);
  Form->SetBounds(50, 50, 350, 220);
  ProcessPendingMessages();
  EXPECT_EQ(Corner->BoundsRect(), Rect(342, 212, 348, 218));

  // A skin change links the controls afresh, once each.
  SkinForm->ChangeSkinData();
  EXPECT_EQ(SkinForm->AreaList().size(), 1u);
}

TEST_F(SkinFormAreaLinksTest, LinkingAndUnlinkingByHand) {
  SkinForm->SetSkinData(Skin.get());
  TspSkinPanel* Panel = NewPanel("");
  Panel->SetAlign(alClient);
  SkinForm->LinkControlToArea("nosuch", Panel);
  SkinForm->LinkControlToArea("empty", Panel);
  // Neither links anything, nor touches the control.
  EXPECT_TRUE(SkinForm->AreaList().empty());
  EXPECT_EQ(Panel->Align(), alClient);

  SkinForm->LinkControlToArea("corner", Panel);
  SkinForm->LinkControlToArea("anchored", Panel);
  EXPECT_EQ(Panel->Align(), alNone);
  ASSERT_EQ(SkinForm->AreaList().size(), 2u);
  SkinForm->UnLinkControlFromArea(Panel);
  ASSERT_EQ(SkinForm->AreaList().size(), 1u);
  EXPECT_EQ(SkinForm->AreaList().front().AreaRect, Rect(20, 40, 60, 80));
  SkinForm->UpdateLinkedControls();
  EXPECT_EQ(Panel->BoundsRect(), Rect(20, 40, 260, 180));

  // The control still has a link: freeing it takes that along.
  delete Panel;
  EXPECT_TRUE(SkinForm->AreaList().empty());
  SkinForm->UnLinkControlFromArea(nullptr);
  SkinForm->UpdateLinkedControls();
}

TEST_F(SkinFormAreaLinksTest, AFixedSkinPlacesControlsAtTheirAreasAsTheyStand) {
  Skin->RBPoint = Skin->LTPoint;
  NewPanel("anchored");
  SkinForm->SetSkinData(Skin.get());
  ASSERT_EQ(SkinForm->AreaList().size(), 1u);
  EXPECT_EQ(SkinForm->AreaList().front().Control->BoundsRect(), Rect(20, 40, 60, 80));
  // The client area takes the skin picture's size, and the form no longer sizes.
  EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 100, 100));
  EXPECT_FALSE(SkinForm->Sizeable);
}

}  // namespace
