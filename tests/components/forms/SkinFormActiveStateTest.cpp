// The active state reaching the frame: the caption objects take it and start their frame
// animation from the frame of the new state, or only jump to the end of their morph,
// and the state is reported on every call.

#include "tests/components/forms/SkinFormTestSupport.h"

// A namespace of its own: the directive below stays out of the test files compiled
// after this one in the same batch.
namespace skin_form_active_state_test {
namespace {

using namespace skin_form_test;

constexpr int CaptionFrames = 4;

class SkinFormActiveStateTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetPixelFormat(pf24bit);
    Picture->SetSize(200, 40);
    const int PictureIndex = TspSkinEditor(*Skin).AddPicture(std::move(Picture));
    // An animated, morphing caption of the frame, and one of the rolled-up picture.
    for (bool RollUp : {false, true}) {
      auto Caption = std::make_unique<TspDataSkinCaption>(RollUp ? "rolledcaption" : "caption");
      Caption->SkinRect = Rect(12, 6, 88, 24);
      Caption->ActivePictureIndex = PictureIndex;
      Caption->ActiveSkinRect = Rect(0, 0, 76, 18);
      Caption->AnimateSkinRect = Rect(0, 20, 76 * CaptionFrames, 38);
      Caption->FrameCount = CaptionFrames;
      Caption->AnimateInterval = 50;
      Caption->Morphing = true;
      Caption->RollUp = RollUp;
      TspSkinEditor(*Skin).AddObject(std::move(Caption));
    }
  }

  // A shown form wearing the skin, left inactive by another form shown after it.
  TspSkinForm* NewInactiveForm() {
    TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
    NewForm(Bounds(400, 50, 200, 150));
    return SkinForm;
  }
  static TspSkinCaptionObject& CaptionOf(TspSkinForm* ASkinForm, const char* AIDName) {
    for (const auto& Object : ASkinForm->ObjectList)
      if (Object->IDName == AIDName) return dynamic_cast<TspSkinCaptionObject&>(*Object);
    throw std::runtime_error("no such caption");
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormActiveStateTest, TheCaptionAnimationStartsFromTheFrameOfTheNewState) {
  struct TCase {
    const char* Name;
    bool Active;
    bool InActiveAnimation;
    int StartFrame;
    bool TimerRuns;
  };
  const TCase Cases[] = {
      {"activated", true, false, 1, true},
      {"deactivated, played backwards", false, true, CaptionFrames, true},
      {"deactivated, no animation", false, false, 0, false},
  };
  for (const TCase& Case : Cases) {
    TspSkinForm* SkinForm = NewInactiveForm();
    TspSkinCaptionObject& Caption = CaptionOf(SkinForm, "caption");
    Caption.InActiveAnimation = Case.InActiveAnimation;
    // The state last reported is the other one.
    SkinForm->PreviewMode = !Case.Active;
    SkinForm->UpdateActiveState(true);
    SkinForm->PreviewMode = Case.Active;
    SkinForm->AnimateTimer().SetEnabled(false);
    Caption.CurrentFrame = 2;
    Caption.FIncTime = 0;
    SkinForm->UpdateActiveState(true);
    EXPECT_EQ(Caption.Active, Case.Active) << Case.Name;
    EXPECT_EQ(Caption.CurrentFrame, Case.StartFrame) << Case.Name;
    EXPECT_EQ(Caption.FIncTime, 25) << Case.Name;
    EXPECT_EQ(SkinForm->AnimateTimer().Enabled(), Case.TimerRuns) << Case.Name;
  }
}

TEST_F(SkinFormActiveStateTest, AnUnchangedStateLeavesTheAnimationWhereItIs) {
  TspSkinForm* SkinForm = NewInactiveForm();
  TspSkinCaptionObject& Caption = CaptionOf(SkinForm, "caption");
  SkinForm->PreviewMode = true;
  SkinForm->UpdateActiveState(true);
  SkinForm->AnimateTimer().SetEnabled(false);
  Caption.CurrentFrame = 3;
  SkinForm->UpdateActiveState(true);
  EXPECT_EQ(Caption.CurrentFrame, 3);
  EXPECT_FALSE(SkinForm->AnimateTimer().Enabled());
}

TEST_F(SkinFormActiveStateTest, WithoutRedrawACaptionOnlyEndsItsMorph) {
  TspSkinForm* SkinForm = NewInactiveForm();
  TspSkinCaptionObject& Caption = CaptionOf(SkinForm, "caption");
  TspSkinCaptionObject& RolledUp = CaptionOf(SkinForm, "rolledcaption");
  SkinForm->PreviewMode = true;
  Caption.Active = false;
  Caption.CurrentFrame = 0;
  SkinForm->UpdateActiveState(false);
  EXPECT_EQ(Caption.MorphKf(), 1);
  EXPECT_FALSE(Caption.Active);
  EXPECT_EQ(Caption.CurrentFrame, 0);
  // The caption of the rolled-up picture is not present on an unrolled form: even a
  // redrawing call only ends its morph.
  RolledUp.SetMorphKf(0);
  SkinForm->UpdateActiveState(true);
  EXPECT_TRUE(Caption.Active);
  EXPECT_FALSE(RolledUp.Active);
  EXPECT_EQ(RolledUp.MorphKf(), 1);
  SkinForm->PreviewMode = false;
  SkinForm->UpdateActiveState(false);
  EXPECT_EQ(Caption.MorphKf(), 0);
}

TEST_F(SkinFormActiveStateTest, TheStateIsReportedOnEveryCall) {
  TspSkinForm* SkinForm = NewInactiveForm();
  int Activations = 0, Deactivations = 0;
  SkinForm->OnActivate = [&](TObject* ASender) {
    EXPECT_EQ(ASender, SkinForm);
    ++Activations;
  };
  SkinForm->OnDeActivate = [&](TObject*) { ++Deactivations; };
  SkinForm->UpdateActiveState(false);
  SkinForm->UpdateActiveState(true);
  EXPECT_EQ(Deactivations, 2);
  SkinForm->PreviewMode = true;
  SkinForm->UpdateActiveState(true);
  SkinForm->UpdateActiveState(true);
  EXPECT_EQ(Activations, 2);
  EXPECT_EQ(Deactivations, 2);
  // The forms' activations while they go do not reach the counters of this test.
  SkinForm->OnActivate = nullptr;
  SkinForm->OnDeActivate = nullptr;
}

}  // namespace
}  // namespace skin_form_active_state_test
