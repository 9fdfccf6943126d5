// A form fading in when shown: step by step on its timer, while it keeps answering its
// messages, up to its opacity.

#include <vector>

#include "platform/win/MessageQueue.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

class SkinFormFadeTest : public SkinFormTest {
 protected:
  TspSkinForm* NewFadingForm(bool AAlphaBlend) {
    TForm* Form = Application->CreateForm<TForm>();
    Form->SetBoundsRect(Bounds(50, 50, 300, 200));
    auto* SkinForm = new TspSkinForm(Form);
    SkinForm->AlphaBlendAnimation = true;
    SkinForm->SetAlphaBlend(AAlphaBlend);
    Form->Show();
    ProcessPendingMessages();
    return SkinForm;
  }
  static bool IsLayered(TCustomForm* AForm) {
    return (GetWindowLong(AForm->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  }
  // The alphas the form takes, one by one, over half a second of the clock.
  static std::vector<int> FadeAlphas(TCustomForm* AForm) {
    std::vector<int> Alphas;
    for (int Ms = 0; Ms < 500; ++Ms) {
      HeadlessBackend()->AdvanceClock(1);
      const int Alpha = HeadlessBackend()->ConstantAlpha(AForm->Handle());
      if (Alpha != 0 && (Alphas.empty() || Alphas.back() != Alpha)) Alphas.push_back(Alpha);
    }
    return Alphas;
  }
};

TEST_F(SkinFormFadeTest, AnAnimatedFormFadesToOpaqueAndStopsBeingLayered) {
  TspSkinForm* SkinForm = NewFadingForm(false);
  TCustomForm* Form = SkinForm->Form();
  EXPECT_TRUE(IsLayered(Form));
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Form->Handle()), 0);
  const std::vector<int> Alphas = FadeAlphas(Form);
  // Fifteen steps of 17.
  ASSERT_EQ(Alphas.size(), 15u);
  EXPECT_EQ(Alphas.front(), 17);
  EXPECT_EQ(Alphas.back(), 255);
  EXPECT_FALSE(IsLayered(Form));
}

TEST_F(SkinFormFadeTest, WithAlphaBlendTheFadeEndsAtTheFormsOpacity) {
  TspSkinForm* SkinForm = NewFadingForm(true);
  TCustomForm* Form = SkinForm->Form();
  const std::vector<int> Alphas = FadeAlphas(Form);
  // Sixteen steps of 13, the last one cut at 200.
  ASSERT_EQ(Alphas.size(), 16u);
  EXPECT_EQ(Alphas[14], 195);
  EXPECT_EQ(Alphas.back(), 200);
  EXPECT_TRUE(IsLayered(Form));
  SkinForm->SetAlphaBlendValue(120);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Form->Handle()), 120);
  SkinForm->SetAlphaBlend(false);
  EXPECT_FALSE(IsLayered(Form));
}

TEST_F(SkinFormFadeTest, TheFormAnswersItsMessagesWhileItFades) {
  TspSkinForm* SkinForm = NewFadingForm(false);
  TCustomForm* Form = SkinForm->Form();
  HeadlessBackend()->AdvanceClock(40);
  const int Midway = HeadlessBackend()->ConstantAlpha(Form->Handle());
  EXPECT_GT(Midway, 0);
  EXPECT_LT(Midway, 255);
  // A message sent now is answered at once, the fade still under way.
  EXPECT_EQ(SendMessage(Form->Handle(), SP_QUERYSKINNABLE, 0, 0), SKINNABLE_RESULT_YES);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Form->Handle()), Midway);
}

}  // namespace
