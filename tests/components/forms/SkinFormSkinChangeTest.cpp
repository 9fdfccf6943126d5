// The skin's announcements reach the form: a skin loaded into the bound skin data, and
// the skin's switch between skinned forms and the platform's own frame.

#include "platform/win/MessageQueue.h"
#include "platform/win/WindowRegions.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace {

using SkinFormSkinChangeTest = skin_form_test::SkinFormTest;

bool SkinChangeLeavesRegion(TCustomForm* AForm) {
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  const bool Has = GetWindowRgn(AForm->Handle(), Region) != ERROR;
  DeleteObject(Region);
  return Has;
}

TEST_F(SkinFormSkinChangeTest, ASkinLoadedIntoTheBoundSkinDataReframesTheForm) {
  TspSkinData Live(nullptr);
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 640, 480), &Live);
  EXPECT_EQ(SkinForm->Form()->ClientRect(), Rect(0, 0, 634, 455));
  Live.LoadFromFile(skin_form_test::DefaultSkinFile());
  ProcessPendingMessages();
  const int FrameWidth = Live.FPicture->Width() - RectangleWidth(Live.ClRect);
  const int FrameHeight = Live.FPicture->Height() - RectangleHeight(Live.ClRect);
  EXPECT_EQ(SkinForm->Form()->ClientRect(), Rect(0, 0, 640 - FrameWidth, 480 - FrameHeight));
  EXPECT_EQ(SkinForm->Geometry().NewClRect.Right, Live.ClRect.Right + 640 - Live.FPicture->Width());
  EXPECT_TRUE(SkinChangeLeavesRegion(SkinForm->Form()));
}

TEST_F(SkinFormSkinChangeTest, TurningSkinnedFormsOffGivesThePlatformsFrameAndBack) {
  auto Skin = skin_form_test::MakeFixtureSkin();
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  ASSERT_EQ(Form->ClientRect(), Rect(0, 0, 290, 160));

  Skin->SetSkinnableForm(false);
  ProcessPendingMessages();
  EXPECT_FALSE(SkinForm->SkinnableForm());
  EXPECT_FALSE(SkinChangeLeavesRegion(Form));
  // The client area of a form with the platform's own frame.
  EXPECT_EQ(Form->ClientRect(), NewForm(Bounds(60, 60, 300, 200))->ClientRect());
  EXPECT_EQ(Form->BorderIcons(), (TBorderIcons{::biSystemMenu, ::biMinimize, ::biMaximize}));
  EXPECT_EQ(SendMessage(Form->Handle(), SP_QUERYSKINNABLE, 0, 0), SKINNABLE_RESULT_NO);

  Skin->SetSkinnableForm(true);
  ProcessPendingMessages();
  EXPECT_TRUE(SkinForm->SkinnableForm());
  EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 290, 160));
  EXPECT_TRUE(SkinChangeLeavesRegion(Form));
}

}  // namespace
