// How small and how large a skin form lets its form be, and where a skin-minimized
// form would go.

#include "platform/win/headless/HeadlessBackend.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

class SkinFormSizeLimitsTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    HeadlessBackend()->SetMonitors({{Bounds(0, 0, 1000, 800), Bounds(0, 0, 1000, 760), true}});
    Skin = MakeFixtureSkin();
  }
  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormSizeLimitsTest, MinimumSizeByFrameSkinAndTheApplicationsOwnLimits) {
  struct TCase {
    const char* Name;
    bool WithSkin;
    bool FrameMode;
    int MinWidth, MinHeight, FormMinWidth, FormMinHeight;
    int ExpectedWidth, ExpectedHeight;
  };
  // The fixture frame is 100 x 100 with a client part 60 high: a frame height of 40.
  const TCase Cases[] = {
      {"built-in frame", false, true, 0, 0, 0, 0, 130, 25},
      {"built-in frame, own limits", false, true, 200, 300, 0, 0, 200, 300},
      {"built-in frame, lower limits", false, true, 90, 10, 0, 0, 90, 25},
      {"skin frame", true, true, 0, 0, 0, 0, 100, 40},
      {"skin frame, wider limit", true, true, 400, 500, 0, 0, 400, 500},
      {"skin frame, narrower limit", true, true, 50, 20, 0, 0, 100, 40},
      {"skin minimum", true, true, 0, 0, 150, 60, 150, 60},
      {"skin minimum and own", true, true, 90, 80, 150, 60, 150, 80},
      // An own limit wider than the picture wins over the skin's minimum width.
      {"own limit beyond the picture", true, true, 120, 0, 150, 0, 120, 40},
      {"client area, no skin", false, false, 400, 500, 0, 0, 0, 0},
      {"client area, skin", true, false, 0, 0, 0, 0, 100, 100},
      {"client area, skin, larger limit", true, false, 400, 500, 0, 0, 100, 100},
      {"client area, skin, smaller limit", true, false, 60, 70, 0, 0, 60, 70},
  };
  for (const TCase& Case : Cases) {
    Skin->FormMinWidth = Case.FormMinWidth;
    Skin->FormMinHeight = Case.FormMinHeight;
    TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 500, 600), Case.WithSkin ? Skin.get() : nullptr);
    SkinForm->SetSupportNCArea(Case.FrameMode);
    SkinForm->MinWidth = Case.MinWidth;
    SkinForm->MinHeight = Case.MinHeight;
    EXPECT_EQ(SkinForm->GetMinWidth(), Case.ExpectedWidth) << Case.Name;
    EXPECT_EQ(SkinForm->GetMinHeight(), Case.ExpectedHeight) << Case.Name;
  }
}

TEST_F(SkinFormSizeLimitsTest, MaximumSizeIsTheWorkAreaOrTheWholeMonitor) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  EXPECT_EQ(SkinForm->GetMaxWidth(), 1000);
  EXPECT_EQ(SkinForm->GetMaxHeight(), 760);
  SkinForm->MaximizeOnFullScreen = true;
  EXPECT_EQ(SkinForm->GetMaxHeight(), 800);
  SkinForm->MaxWidth = 640;
  SkinForm->MaxHeight = 480;
  EXPECT_EQ(SkinForm->GetMaxWidth(), 640);
  EXPECT_EQ(SkinForm->GetMaxHeight(), 480);
}

TEST_F(SkinFormSizeLimitsTest, AMinimizedFormGoesToTheBottomLeftOfTheWorkArea) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), Skin.get());
  EXPECT_EQ(SkinForm->GetMinimizedPlace(), (TPoint{0, 760 - 40}));
}

}  // namespace
