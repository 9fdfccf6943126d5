// The frame objects under the mouse, driven through injected pointer input on the
// headless window system: the hover from the hit test and the mouse timer, presses held
// by the window's capture, the caption buttons' commands, object hints and the end of
// the timers.

#include "components/forms/SkinHint.h"
#include "platform/ui/Application.h"
#include "platform/win/Capture.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_test {
namespace {

// The default skin on a secondary form of 500 × 300 at (100, 100): its caption buttons
// lie along the top right of the frame.
class SkinFormTrackingTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = LoadDefaultSkin();
  }

  // The application's main form first, so that closing the skinned form closes only it.
  void ShowSkinnedForm() {
    NewForm(Rect(700, 500, 900, 700));
    SkinForm = NewSkinnedForm(Rect(100, 100, 600, 400), Skin.get());
    Form = SkinForm->Form();
    ASSERT_TRUE(SkinForm->GetFormActive());
  }

  TspSkinStdButtonObject& Button(const String& AIDName) {
    return dynamic_cast<TspSkinStdButtonObject&>(*SkinForm->ObjectList.at(size_t(IndexOf(AIDName))));
  }
  int IndexOf(const String& AIDName) const {
    for (size_t I = 0; I < SkinForm->ObjectList.size(); ++I)
      if (SkinForm->ObjectList[I]->IDName == AIDName) return int(I);
    throw std::runtime_error("no object " + AIDName);
  }
  // The screen point at the middle of an object.
  TPoint Centre(const TspActiveSkinObject& AObject) const {
    const TRect& R = AObject.ObjectRect;
    return {Form->Left() + (R.Left + R.Right) / 2, Form->Top() + (R.Top + R.Bottom) / 2};
  }
  TPoint ClientPoint() const { return {Form->Left() + 250, Form->Top() + 150}; }

  static void Pass(uint32_t AMilliseconds) {
    HeadlessBackend()->AdvanceClock(AMilliseconds);
    ProcessPendingMessages();
  }
  static void Move(TPoint APoint) {
    InjectPointerMove(APoint);
    ProcessPendingMessages();
  }

  // Pixels of the object's place on the presented window that differ from ALook of
  // APicture; pixels the window's region cuts away (the rounded corners) do not count.
  int DifferingPixels(const TspActiveSkinObject& AObject, const TBitmap& APicture, const TRect& ALook) const {
    const TPixelImage Shown = WindowPicture(Form->Handle());
    const TPixelImage Look = APicture.ToPixelImage();
    const std::optional<TRegion> Region = HeadlessBackend()->Region(Form->Handle());
    const TRect& R = AObject.ObjectRect;
    int Count = 0;
    for (int Y = 0; Y < R.Height(); ++Y)
      for (int X = 0; X < R.Width(); ++X) {
        if (Region && !Region->Contains({R.Left + X, R.Top + Y})) continue;
        if ((Shown.Pixel(R.Left + X, R.Top + Y) ^ Look.Pixel(ALook.Left + X, ALook.Top + Y)) & 0xFFFFFFu)
          ++Count;
      }
    return Count;
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* SkinForm = nullptr;
  TCustomForm* Form = nullptr;
};

TEST_F(SkinFormTrackingTest, AHoveredMorphingButtonShowsItsHotLookAfterExactlyFiveTicks) {
  TspSkinEditor(*Skin).Object(Skin->GetIndex("maxbutton"))->Morphing = true;
  ShowSkinnedForm();
  TspSkinStdButtonObject& Max = Button("maxbutton");
  ASSERT_TRUE(Max.EnableMorphing());
  Move(Centre(Max));
  // The hit test found the button: the hover starts and both timers run.
  EXPECT_EQ(SkinForm->Objects().ActiveObject, IndexOf("maxbutton"));
  EXPECT_TRUE(SkinForm->MouseTimer().Enabled());
  ASSERT_TRUE(SkinForm->MorphTimer().Enabled());
  for (int Tick = 1; Tick <= 4; ++Tick) {
    Pass(25);
    SCOPED_TRACE(Tick);
    EXPECT_GT(DifferingPixels(Max, *Max.ActivePicture, Max.ActiveSkinRect), 0);
  }
  Pass(25);
  EXPECT_EQ(DifferingPixels(Max, *Max.ActivePicture, Max.ActiveSkinRect), 0);
  EXPECT_DOUBLE_EQ(Max.MorphKf(), 1.0);
  // Nothing left to morph: the timer stops on its next tick.
  Pass(25);
  EXPECT_FALSE(SkinForm->MorphTimer().Enabled());
}

TEST_F(SkinFormTrackingTest, PressAndReleaseOnTheCloseButtonClosesTheForm) {
  ShowSkinnedForm();
  int Closes = 0;
  Form->OnClose = [&](TObject*, TCloseAction&) { ++Closes; };
  TspSkinStdButtonObject& Close = Button("closebutton");
  Move(Centre(Close));
  InjectPointerPress(Centre(Close));
  ProcessPendingMessages();
  // The press is held: the window has the capture and the button shows its down look.
  EXPECT_EQ(GetCapture(), Form->Handle());
  EXPECT_EQ(SkinForm->Objects().MouseCaptureObject, IndexOf("closebutton"));
  EXPECT_TRUE(Close.Down());
  EXPECT_EQ(DifferingPixels(Close, *Close.ActivePicture, Close.DownRect), 0);
  EXPECT_EQ(Closes, 0);
  InjectPointerRelease(Centre(Close));
  ProcessPendingMessages();
  EXPECT_EQ(Closes, 1);
  EXPECT_FALSE(Form->Visible());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(SkinForm->Objects().MouseCaptureObject, -1);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, -1);
}

TEST_F(SkinFormTrackingTest, ADoubleClickOnTheSystemMenuButtonClosesTheForm) {
  ShowSkinnedForm();
  int Closes = 0;
  Form->OnClose = [&](TObject*, TCloseAction&) { ++Closes; };
  // One click runs nothing.
  InjectClick(Centre(Button("sysmenubutton")));
  ProcessPendingMessages();
  EXPECT_EQ(Closes, 0);
  Pass(1000);
  InjectDoubleClick(Centre(Button("sysmenubutton")));
  ProcessPendingMessages();
  EXPECT_EQ(Closes, 1);
  EXPECT_FALSE(Form->Visible());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinFormTrackingTest, AReleaseOffThePressedButtonDoesNothing) {
  // The pointer leaves the button for the client area, and the release comes after the
  // mouse timer saw it go, or at once.
  for (const uint32_t WaitMs : {50u, 0u}) {
    SCOPED_TRACE(WaitMs);
    ShowSkinnedForm();
    int Closes = 0, MouseUps = 0;
    Form->OnClose = [&](TObject*, TCloseAction&) { ++Closes; };
    SkinForm->OnMouseUpEvent = [&](const String&, int, int, const TRect&, TMouseButton) { ++MouseUps; };
    TspSkinStdButtonObject& Close = Button("closebutton");
    Move(Centre(Close));
    InjectPointerPress(Centre(Close));
    ProcessPendingMessages();
    ASSERT_TRUE(Close.Down());
    Move(ClientPoint());
    Pass(WaitMs);
    InjectPointerRelease(ClientPoint());
    ProcessPendingMessages();
    EXPECT_EQ(Closes, 0);
    EXPECT_EQ(MouseUps, 0);
    EXPECT_TRUE(Form->Visible());
    EXPECT_FALSE(Close.Down());
    EXPECT_FALSE(Close.Active);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SkinForm->Objects().MouseCaptureObject, -1);
  }
}

TEST_F(SkinFormTrackingTest, TheMaximizeButtonTogglesBetweenMaximizeAndRestore) {
  ShowSkinnedForm();
  TspSkinStdButtonObject& Max = Button("maxbutton");
  const TRect Normal = Form->BoundsRect();
  InjectClick(Centre(Max));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsMaximized);
  EXPECT_EQ(Form->BoundsRect(), SkinForm->MaximizedBounds());
  // The hover ended before the command; the button now shows its restore look.
  EXPECT_FALSE(Max.Active);
  EXPECT_EQ(DifferingPixels(Max, *Max.ActivePicture, Max.RestoreRect), 0);

  InjectClick(Centre(Max));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Normal);
  EXPECT_GT(DifferingPixels(Max, *Max.ActivePicture, Max.RestoreRect), 0);
  EXPECT_EQ(DifferingPixels(Max, *Skin->FPicture, Max.SkinRect), 0);
}

TEST_F(SkinFormTrackingTest, ADoubleClickOnTheCaptionMaximizesAndRestores) {
  ShowSkinnedForm();
  const TRect Normal = Form->BoundsRect();
  const TspActiveSkinObject& Caption = *SkinForm->ObjectList.at(size_t(IndexOf("caption")));
  InjectDoubleClick(Centre(Caption));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsMaximized);
  InjectDoubleClick(Centre(Caption));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Normal);
  // Without the maximize icon the caption leaves the form as it is.
  SkinForm->SetBorderIcons({TspSkinForm::biSystemMenu});
  InjectDoubleClick(Centre(Caption));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
}

TEST_F(SkinFormTrackingTest, ThePressedButtonHoldsTheMouseUntilItsRelease) {
  ShowSkinnedForm();
  std::vector<String> Moves;
  SkinForm->OnMouseMoveEvent = [&](const String& AIDName, int, int, const TRect&) {
    Moves.push_back(AIDName);
  };
  TspSkinStdButtonObject& Max = Button("maxbutton");
  TspSkinStdButtonObject& Min = Button("minbutton");
  Move(Centre(Max));
  InjectPointerPress(Centre(Max));
  ProcessPendingMessages();
  Moves.clear();
  // Over the minimize button while the press is held: no other object takes the hover,
  // and the moves go to the window's capture, not to the objects.
  Move(Centre(Min));
  Pass(50);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, -1);
  EXPECT_FALSE(Min.Active);
  EXPECT_TRUE(Moves.empty());
  // Back over the pressed button, the hover returns, and the release runs its command.
  Move(Centre(Max));
  Pass(50);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, IndexOf("maxbutton"));
  InjectPointerRelease(Centre(Max));
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->WindowState(), wsMaximized);
}

TEST_F(SkinFormTrackingTest, TheHoverEndsWhenThePointerLeavesTheFrame) {
  ShowSkinnedForm();
  std::vector<String> Events;
  SkinForm->OnMouseEnterEvent = [&](const String& AIDName) { Events.push_back("enter " + AIDName); };
  SkinForm->OnMouseLeaveEvent = [&](const String& AIDName) { Events.push_back("leave " + AIDName); };
  TspSkinStdButtonObject& Close = Button("closebutton");
  Move(Centre(Close));
  ASSERT_TRUE(Close.Active);
  // Into the client area: the hover goes on the timer's next tick, the timer stays on.
  Move(ClientPoint());
  EXPECT_TRUE(Close.Active);
  Pass(50);
  EXPECT_FALSE(Close.Active);
  EXPECT_TRUE(SkinForm->MouseTimer().Enabled());
  // Back onto the button and off the window: the timer ends the hover and stops.
  Move(Centre(Close));
  Pass(50);
  ASSERT_TRUE(Close.Active);
  Move({20, 20});
  Pass(50);
  EXPECT_FALSE(Close.Active);
  EXPECT_EQ(SkinForm->Objects().ActiveObject, -1);
  EXPECT_FALSE(SkinForm->MouseTimer().Enabled());
  EXPECT_EQ(Events, (std::vector<String>{"enter closebutton", "leave closebutton", "enter closebutton",
                                         "leave closebutton"}));
}

TEST_F(SkinFormTrackingTest, ObjectHintsShowThroughTheFormsHint) {
  ShowSkinnedForm();
  auto* Hint = new TspSkinHint(Application->MainForm());
  SkinForm->SetSkinHint(Hint);
  SkinForm->ShowObjectHint = true;
  Move(Centre(Button("closebutton")));
  ASSERT_EQ(Button("closebutton").Hint, "Close");
  ASSERT_TRUE(Button("closebutton").Active);
  EXPECT_FALSE(Hint->IsVisible());
  Pass(uint32_t(Application->HintPause));
  ASSERT_TRUE(Hint->IsVisible());
  EXPECT_EQ(Hint->Window().Caption(), "Close");
  // Leaving the button takes its hint away.
  Move(ClientPoint());
  Pass(50);
  EXPECT_FALSE(Hint->IsVisible());
  // A maximized form's maximize button offers to restore it. The mouse timer still
  // runs, so its next tick finds the button.
  SkinForm->SetWindowState(wsMaximized);
  ProcessPendingMessages();
  Move(Centre(Button("maxbutton")));
  Pass(50);
  ASSERT_TRUE(Button("maxbutton").Active);
  Pass(uint32_t(Application->HintPause));
  ASSERT_TRUE(Hint->IsVisible());
  EXPECT_EQ(Hint->Window().Caption(), "Restore");
  // A hint that goes away is let go of.
  delete Hint;
  EXPECT_EQ(SkinForm->SkinHint(), nullptr);
  Move(ClientPoint());
  Pass(50);
}

TEST_F(SkinFormTrackingTest, TheTimersStopWhenTheirObjectsOrTheFormGoAway) {
  TspSkinEditor(*Skin).Object(Skin->GetIndex("closebutton"))->Morphing = true;
  ShowSkinnedForm();
  Move(Centre(Button("closebutton")));
  Pass(25);
  ASSERT_TRUE(SkinForm->MorphTimer().Enabled());
  // The objects go in the middle of a morph: the next tick finds nothing and stops.
  SkinForm->ClearObjects();
  Pass(25);
  EXPECT_FALSE(SkinForm->MorphTimer().Enabled());
  // A press held while the objects go: the release reaches no freed object.
  SkinForm->SetSkinData(Skin.get());
  ProcessPendingMessages();
  Move(ClientPoint());
  Move(Centre(Button("closebutton")));
  InjectPointerPress(Centre(Button("closebutton")));
  ProcessPendingMessages();
  ASSERT_NE(SkinForm->Objects().MouseCaptureObject, -1);
  SkinForm->ClearObjects();
  InjectPointerRelease(ClientPoint());
  ProcessPendingMessages();
  EXPECT_EQ(SkinForm->Objects().MouseCaptureObject, -1);
  // The form goes while its timers run: their ticks go with it (the sanitizer build
  // checks that nothing runs on a freed object).
  SkinForm->SetSkinData(Skin.get());
  ProcessPendingMessages();
  Move(ClientPoint());
  Move(Centre(Button("closebutton")));
  ASSERT_TRUE(SkinForm->MorphTimer().Enabled());
  ASSERT_TRUE(SkinForm->MouseTimer().Enabled());
  delete Form;
  Pass(500);
}

}  // namespace
}  // namespace skin_form_test
