// The fixture skin "animated-caption": animations packed among the caption buttons,
// played on the virtual clock, the caption's own frame animation following the
// activation, and the tray button sending the form to the tray and back.

#include <gtest/gtest.h>

#include <vector>

#include "SkinFormTestSupport.h"
#include "components/forms/SkinForm.h"
#include "components/forms/spTrayIcon.h"
#include "platform/gdi/Colors.h"
#include "platform/ui/Application.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/support/TestSupport.h"

namespace skin_form_animated_caption_test {
namespace {

using skin_form_test::SkinFormTest;

// The colours of the fixture's pictures (buttons.bmp): the spinner's frames, the
// maximize animation's frames, the caption's frames, and the frame picture.
COLORREF SpinnerFrameColor(int AFrame) { return RGB(0, 0, 60 * AFrame); }
COLORREF MaximizeFrameColor(int AFrame) { return RGB(60 * AFrame, 60 * AFrame, 0); }
COLORREF CaptionFrameColor(int AFrame) { return RGB(0, 60 * AFrame, 60 * AFrame); }
constexpr COLORREF FramePictureColor = RGB(128, 128, 128);

// A form of 200 x 100 on the fixture's 120 x 60 frame picture: the caption reaches 80
// pixels further, to x = 196.
const TRect FormBounds = Rect(100, 100, 300, 200);

class SkinFormAnimatedCaptionTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin->BuildMode = true;
    Skin->LoadFromFile(testing_support::FixtureFile("skins/animated-caption/skin.ini"));
    ASSERT_FALSE(Skin->Empty);
  }

  void ShowSkinnedForm() {
    SkinForm = NewSkinnedForm(FormBounds, Skin.get());
    Form = SkinForm->Form();
    SkinForm->SetBorderIcons({TspSkinForm::biSystemMenu, TspSkinForm::biMinimize, TspSkinForm::biMaximize,
                              TspSkinForm::biMinimizeToTray});
    ProcessPendingMessages();
    ASSERT_TRUE(SkinForm->GetFormActive());
  }
  template <typename TObject>
  TObject& Object(const String& AIDName) {
    return dynamic_cast<TObject&>(*SkinForm->ObjectList.at(size_t(SkinForm->GetIndex(AIDName))));
  }
  // The presented colour at the middle of the object.
  COLORREF Shown(const TspActiveSkinObject& AObject) const {
    const TRect& R = AObject.ObjectRect;
    return PresentedPixel(Form->Handle(), (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
  }
  static void Tick() {
    HeadlessBackend()->AdvanceClock(25);
    ProcessPendingMessages();
  }

  // Outlives the form, which the application frees at the end of the test.
  std::unique_ptr<TspSkinData> Skin = std::make_unique<TspSkinData>(nullptr);
  TspSkinForm* SkinForm = nullptr;
  TCustomForm* Form = nullptr;
};

TEST_F(SkinFormAnimatedCaptionTest, AnimationsArePackedWithTheCaptionButtonsAsTheBorderIconsAllow) {
  ShowSkinnedForm();
  struct TCase {
    const char* Name;
    TspSkinForm::TspBorderIcons Icons;
    bool HideCaptionButtons;
    // Left edges of close, the maximize animation, tray and the spinner (-1: hidden),
    // and the caption's right edge.
    std::vector<int> Lefts;
    int CaptionRight;
  };
  const TCase Cases[] = {
      // From the caption's end: close, maximize, tray, then the plain spinner, 16 wide
      // with gaps of 2; the caption ends where they begin.
      {"all", {TspSkinForm::biMaximize, TspSkinForm::biMinimizeToTray}, false, {180, 162, 144, 126}, 126},
      // Without maximize its animation goes and the others close up.
      {"no maximize", {TspSkinForm::biMinimizeToTray}, false, {180, -1, 162, 144}, 144},
      // Hidden caption buttons take every animation with a picture of its own along;
      // the caption still leaves the gap before the buttons' place.
      {"hidden", {TspSkinForm::biMaximize}, true, {-1, -1, -1, -1}, 198},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    SkinForm->HideCaptionButtons = Case.HideCaptionButtons;
    SkinForm->SetBorderIcons(Case.Icons);
    ProcessPendingMessages();
    std::vector<int> Lefts;
    for (const char* Name : {"closebutton", "maxanimation", "traybutton", "spinner"}) {
      const TspActiveSkinObject& Button = Object<TspActiveSkinObject>(Name);
      EXPECT_EQ(Button.Enabled, Button.Visible) << Name;
      if (!Button.Visible) {
        Lefts.push_back(-1);
        continue;
      }
      EXPECT_EQ(Button.ObjectRect.Top, 2) << Name;
      EXPECT_EQ(Button.ObjectRect.Width(), 16) << Name;
      EXPECT_EQ(Button.ObjectRect.Height(), 16) << Name;
      Lefts.push_back(Button.ObjectRect.Left);
    }
    EXPECT_EQ(Lefts, Case.Lefts);
    EXPECT_EQ(Object<TspSkinCaptionObject>("caption").ObjectRect, Rect(4, 2, Case.CaptionRight, 22));
  }
}

TEST_F(SkinFormAnimatedCaptionTest, AnimationsGetTheCaptionButtonsHints) {
  ShowSkinnedForm();
  auto& Maximize = Object<TspSkinAnimateObject>("maxanimation");
  EXPECT_EQ(Maximize.Hint, "Maximize");
  EXPECT_EQ(Maximize.FTempHint, "Maximize");
  EXPECT_EQ(Maximize.RestoreHint, "Restore");
  // A plain animation keeps the hint of its skin.
  EXPECT_EQ(Object<TspSkinAnimateObject>("spinner").Hint, "");
}

TEST_F(SkinFormAnimatedCaptionTest, AnAnimationStartedByNamePlaysOnTheVirtualClockAndStops) {
  ShowSkinnedForm();
  auto& Spinner = Object<TspSkinAnimateObject>("spinner");
  SkinForm->AnimateStart("spinner");
  ASSERT_TRUE(SkinForm->AnimateTimer().Enabled());
  // 50 ms a frame: a new frame every second 25 ms tick, up to the last one.
  std::vector<int> Frames;
  for (int I = 0; I < 8; ++I) {
    Tick();
    Frames.push_back(Spinner.Frame());
    if (Spinner.Frame() == 3) {
      EXPECT_EQ(Shown(Spinner), SpinnerFrameColor(3));
    }
  }
  EXPECT_EQ(Frames, (std::vector<int>{1, 2, 2, 3, 3, 4, 4, 4}));
  EXPECT_EQ(Shown(Spinner), SpinnerFrameColor(4));
  EXPECT_FALSE(Spinner.Active);
  SkinForm->AnimateStop("spinner");
  EXPECT_EQ(Spinner.Frame(), 1);
  EXPECT_EQ(Shown(Spinner), SpinnerFrameColor(1));
  // A name no animation bears starts nothing.
  SkinForm->AnimateStart("closebutton");
  EXPECT_EQ(Spinner.Frame(), 1);
}

TEST_F(SkinFormAnimatedCaptionTest, AMaximizeAnimationPlaysUnderTheMouseAndMaximizesOnAClick) {
  ShowSkinnedForm();
  auto& Maximize = Object<TspSkinAnimateObject>("maxanimation");
  const TPoint Centre{Form->Left() + (Maximize.ObjectRect.Left + Maximize.ObjectRect.Right) / 2,
                      Form->Top() + (Maximize.ObjectRect.Top + Maximize.ObjectRect.Bottom) / 2};
  InjectPointerMove(Centre);
  ProcessPendingMessages();
  for (int I = 0; I < 4; ++I) Tick();
  EXPECT_EQ(Maximize.Frame(), 3);
  EXPECT_EQ(Shown(Maximize), MaximizeFrameColor(3));
  InjectClick(Centre);
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsMaximized);
}

TEST_F(SkinFormAnimatedCaptionTest, TheCaptionPlaysItsFramesOnActivationAndBackOnDeactivation) {
  ShowSkinnedForm();
  auto& Caption = Object<TspSkinCaptionObject>("caption");
  ASSERT_TRUE(Caption.EnableAnimation());
  // Shown and active: frames 1 to 3 at 50 ms each, then the plain active look.
  std::vector<int> Frames;
  for (int I = 0; I < 10; ++I) {
    Tick();
    Frames.push_back(Caption.CurrentFrame);
    if (Caption.CurrentFrame == 2) {
      EXPECT_EQ(Shown(Caption), CaptionFrameColor(2));
    }
  }
  EXPECT_EQ(Frames.back(), 4);
  EXPECT_EQ(Shown(Caption), FramePictureColor);
  EXPECT_FALSE(SkinForm->AnimateTimer().Enabled());
  // Another form takes the activation: the frames play back to none.
  NewForm(Rect(500, 100, 600, 200));
  ASSERT_FALSE(SkinForm->GetFormActive());
  EXPECT_EQ(Caption.CurrentFrame, 3);
  Frames.clear();
  for (int I = 0; I < 8; ++I) {
    Tick();
    Frames.push_back(Caption.CurrentFrame);
    if (Caption.CurrentFrame == 1) {
      EXPECT_EQ(Shown(Caption), CaptionFrameColor(1));
    }
  }
  EXPECT_EQ(Frames, (std::vector<int>{3, 2, 2, 1, 1, 0, 0, 0}));
  EXPECT_EQ(Shown(Caption), FramePictureColor);
  EXPECT_FALSE(SkinForm->AnimateTimer().Enabled());
}

TEST_F(SkinFormAnimatedCaptionTest, TheTrayButtonSendsTheFormToTheTrayAndItComesBackWithItsTag) {
  ShowSkinnedForm();
  ASSERT_EQ(Application->MainForm(), Form);
  auto* Icon = new TspTrayIcon(Form);
  Icon->BeginLoading();
  Icon->EndLoading();
  SkinForm->SetTrayIcon(Icon);
  Form->Tag = 7;
  int Minimized = 0;
  SkinForm->OnMinimizeToTray = [&Minimized](TObject*) { ++Minimized; };
  const TRect& Tray = Object<TspSkinStdButtonObject>("traybutton").ObjectRect;
  InjectClick({Form->Left() + (Tray.Left + Tray.Right) / 2, Form->Top() + (Tray.Top + Tray.Bottom) / 2});
  ProcessPendingMessages();
  EXPECT_EQ(Minimized, 1);
  EXPECT_FALSE(Form->Visible());
  EXPECT_EQ(HeadlessBackend()->TrayIcons().size(), 1u);
  // Twice to the tray and back: each time the form gets its own Tag back.
  for (int Round = 0; Round < 2; ++Round) {
    SkinForm->RestoreFromTray();
    ProcessPendingMessages();
    EXPECT_TRUE(Form->Visible());
    EXPECT_EQ(Form->Tag, 7);
    EXPECT_TRUE(HeadlessBackend()->TrayIcons().empty());
    SkinForm->MinimizeToTray();
    ProcessPendingMessages();
    EXPECT_FALSE(Form->Visible());
  }
}

TEST_F(SkinFormAnimatedCaptionTest, TheMinimizeButtonGoesToTheTrayWhenAlwaysAsked) {
  // The built-in caption buttons of a form without skin.
  SkinForm = NewSkinnedForm(FormBounds, nullptr);
  Form = SkinForm->Form();
  auto* Icon = new TspTrayIcon(Form);
  Icon->BeginLoading();
  Icon->EndLoading();
  SkinForm->SetTrayIcon(Icon);
  SkinForm->AlwaysMinimizeToTray = true;
  const TRect& Minimize = Object<TspSkinStdButtonObject>("minbutton").ObjectRect;
  InjectClick({Form->Left() + (Minimize.Left + Minimize.Right) / 2,
               Form->Top() + (Minimize.Top + Minimize.Bottom) / 2});
  ProcessPendingMessages();
  EXPECT_FALSE(Form->Visible());
  EXPECT_TRUE(Icon->MinimizeToTray);
  EXPECT_EQ(HeadlessBackend()->TrayIcons().size(), 1u);
}

}  // namespace
}  // namespace skin_form_animated_caption_test
