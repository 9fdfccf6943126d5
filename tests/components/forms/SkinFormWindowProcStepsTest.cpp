// The smaller steps of the form window procedure: the controls of an MDI frame leaving
// their modes, WM_SYNCPAINT of a rolled-up frame, the first show's application hook
// and menu, and a client-area form's caption, double click,
// drag and size grip.

#include <algorithm>
#include <memory>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/Application.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/Menus.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_window_proc_steps_test {
namespace {

using skin_form_test::MakeFixtureSkin;
using skin_form_test::SkinFormTest;

// A skinned control that counts the CM_CANCELMODE it hears.
class TCancelModeCounter : public TspSkinControl {
 public:
  using TspSkinControl::TspSkinControl;
  int CancelModes = 0;

 protected:
  void Dispatch(TMessage& AMessage) override {
    if (AMessage.Msg == CM_CANCELMODE) ++CancelModes;
    TspSkinControl::Dispatch(AMessage);
  }
};

// The messages that reach the form's own procedure, recorded below the skin component.
class TReachedMessages {
 public:
  explicit TReachedMessages(TCustomForm* AForm) {
    TWndMethod Inherited = AForm->WindowProc;
    AForm->WindowProc = [this, Inherited](TMessage& AMessage) {
      Reached.push_back(AMessage.Msg);
      Inherited(AMessage);
    };
  }
  long Count(UINT AMsg) const { return std::count(Reached.begin(), Reached.end(), AMsg); }
  std::vector<UINT> Reached;
};

TCancelModeCounter* NewCounter(TCustomForm* AForm, bool AVisible, bool AEnabled) {
  auto* Counter = new TCancelModeCounter(AForm);
  Counter->SetParent(AForm);
  Counter->SetBounds(10, 10, 20, 20);
  Counter->SetVisible(AVisible);
  Counter->SetEnabled(AEnabled);
  return Counter;
}

using SkinFormWindowProcStepsTest = SkinFormTest;

TEST_F(SkinFormWindowProcStepsTest, TheControlsOfAVisibleMdiFrameLeaveTheirModes) {
  struct TCase {
    const char* Name;
    bool MdiFrame, FrameShown;
    UINT Msg;
    int ToShownEnabled;
  };
  const TCase Cases[] = {
      {"a press on the frame", true, true, WM_LBUTTONDOWN, 1},
      {"the frame moved", true, true, WM_MOVE, 1},
      {"a message that closes no menu", true, true, WM_NULL, 0},
      {"a hidden frame", true, false, WM_LBUTTONDOWN, 0},
      {"a form that is no MDI frame", false, true, WM_LBUTTONDOWN, 0},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TspSkinForm* SkinForm = Case.MdiFrame ? NewMdiFrame(Bounds(50, 50, 400, 300))
                                          : NewSkinnedForm(Bounds(50, 50, 400, 300), nullptr);
    TCustomForm* Form = SkinForm->Form();
    TCancelModeCounter* ShownEnabled = NewCounter(Form, true, true);
    TCancelModeCounter* Hidden = NewCounter(Form, false, true);
    TCancelModeCounter* Disabled = NewCounter(Form, true, false);
    if (Case.FrameShown) Form->Show();
    ProcessPendingMessages();
    for (TCancelModeCounter* Counter : {ShownEnabled, Hidden, Disabled}) Counter->CancelModes = 0;
    SendMessage(Form->Handle(), Case.Msg, 0, 0);
    EXPECT_EQ(ShownEnabled->CancelModes, Case.ToShownEnabled);
    EXPECT_EQ(Hidden->CancelModes, 0);
    EXPECT_EQ(Disabled->CancelModes, 0);
  }
}

TEST_F(SkinFormWindowProcStepsTest, ARolledUpFramePaintsItselfOnSyncPaint) {
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  TReachedMessages Messages(Form);
  auto* SkinForm = new TspSkinForm(Form);
  Messages.Reached.clear();
  SendMessage(Form->Handle(), WM_SYNCPAINT, 0, 0);
  EXPECT_EQ(Messages.Count(WM_SYNCPAINT), 1) << "not rolled up: passed on";
  SkinForm->SetRollUpState(true);
  ASSERT_TRUE(SkinForm->RollUpState());
  Messages.Reached.clear();
  EXPECT_EQ(SendMessage(Form->Handle(), WM_SYNCPAINT, 0, 0), 0);
  EXPECT_EQ(Messages.Count(WM_SYNCPAINT), 0);
  EXPECT_EQ(Messages.Reached, std::vector<UINT>{}) << "the frame painted, nothing passed on";
}

TEST_F(SkinFormWindowProcStepsTest, TheMainFormsShowHooksTheApplicationsRestoreAndDropsItsMenu) {
  Application->OnRestore = nullptr;
  TForm* Form = NewForm(Bounds(50, 50, 300, 200));
  ASSERT_EQ(Application->MainForm(), Form);
  Form->Hide();
  ProcessPendingMessages();
  auto* Menu = new TMainMenu(Form);
  Form->SetMenu(Menu);
  new TspSkinForm(Form);
  Form->Show();
  ProcessPendingMessages();
  EXPECT_TRUE(static_cast<bool>(Application->OnRestore));
  EXPECT_EQ(Form->Menu(), nullptr) << "the skin draws the main menu";

  // A handler of the application's own is kept.
  int OwnRestores = 0;
  Application->OnRestore = [&](TObject*) { ++OwnRestores; };
  Form->Hide();
  Form->Show();
  ProcessPendingMessages();
  Application->OnRestore(Application);
  EXPECT_EQ(OwnRestores, 1);
  Application->OnRestore = nullptr;
}

// ---------------------------------------------------------------- client-area mode

// A client-area form of the fixture skin's 100 x 100 picture with a caption object
// across its top band; the status bar element's grip (green) at the bottom-right corner.
class SkinFormClientAreaStepsTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = MakeFixtureSkin();
    auto Caption = std::make_unique<TspDataSkinCaption>("caption");
    Caption->SkinRect = Rect(5, 5, 95, 25);
    Caption->TextRct = Rect(0, 0, 90, 20);
    Caption->FontName = "Arial";
    Caption->FontHeight = 14;
    Caption->FontColor = clWhite;
    Caption->DefaultCaption = true;
    TspSkinEditor(*Skin).AddObject(std::move(Caption));
    auto Grip = std::make_unique<TBitmap>();
    Grip->SetPixelFormat(pf24bit);
    Grip->SetSize(8, 8);
    Grip->Canvas().Brush().SetColor(clLime);
    Grip->Canvas().FillRect(Rect(0, 0, 8, 8));
    auto StatusBar = std::make_unique<TspDataSkinPanelControl>("statusbar");
    StatusBar->PictureIndex = TspSkinEditor(*Skin).AddPicture(std::move(Grip));
    StatusBar->GripperRect = Rect(0, 0, 8, 8);
    TspSkinEditor(*Skin).AddControl(std::move(StatusBar));
    Skin->StatusBarName = "statusbar";
    Skin->SizeGripArea = Rect(90, 90, 98, 98);
  }

  TspSkinForm* ShowClientAreaForm() {
    TForm* Form = NewForm(Rect(100, 100, 200, 200), bsNone);
    auto* SkinForm = new TspSkinForm(Form);
    SkinForm->SetSupportNCArea(false);
    SkinForm->SetSkinData(Skin.get());
    ProcessPendingMessages();
    return SkinForm;
  }
  static TPoint CaptionPoint(TspSkinForm* ASkinForm) {
    return {ASkinForm->Form()->Left() + 50, ASkinForm->Form()->Top() + 15};
  }
  static void DoubleClick(TPoint AAt) {
    InjectPointerMove(AAt);
    ProcessPendingMessages();
    InjectDoubleClick(AAt);
    ProcessPendingMessages();
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormClientAreaStepsTest, TheCaptionObjectShowsANewCaptionAtOnce) {
  TspSkinForm* SkinForm = ShowClientAreaForm();
  const TPixelImage Before = WindowPicture(SkinForm->Form()->Handle());
  SkinForm->Form()->SetCaption("Pelladrin");
  // No paint is waited for: the object redraws itself.
  const TPixelImage After = WindowPicture(SkinForm->Form()->Handle());
  int Changed = 0;
  for (int Y = 5; Y < 25; ++Y)
    for (int X = 5; X < 95; ++X) Changed += Before.Pixel(X, Y) != After.Pixel(X, Y);
  EXPECT_GT(Changed, 0);
}

TEST_F(SkinFormClientAreaStepsTest, TheSizeGripShowsOnlyWhileTheSkinKeepsTheFormNormal) {
  TspSkinForm* SkinForm = ShowClientAreaForm();
  Skin->FormMinWidth = 0;
  const auto GripShown = [&] {
    const TRect& Grip = SkinForm->Geometry().FSizeGripArea;
    ProcessPendingMessages();
    return PresentedPixel(SkinForm->Form()->Handle(), Grip.Left + 4, Grip.Top + 4) == ColorToRGB(clLime);
  };
  EXPECT_TRUE(GripShown());
  SkinForm->SetWindowState(wsMaximized);
  ASSERT_EQ(SkinForm->ReachedWindowState(), wsMaximized);
  SkinForm->Form()->Invalidate();
  EXPECT_FALSE(GripShown());
}

TEST_F(SkinFormClientAreaStepsTest, ADoubleClickOnTheCaptionMaximizesRestoresOrRollsUp) {
  TspSkinForm* SkinForm = ShowClientAreaForm();
  DoubleClick(CaptionPoint(SkinForm));
  EXPECT_EQ(SkinForm->WindowState(), wsMaximized);
  DoubleClick(CaptionPoint(SkinForm));
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Rect(100, 100, 200, 200));
  // Not on the caption: nothing.
  DoubleClick({SkinForm->Form()->Left() + 50, SkinForm->Form()->Top() + 60});
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
  // Neither with NCDraggAble off.
  SkinForm->NCDraggAble = false;
  DoubleClick(CaptionPoint(SkinForm));
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
}

TEST_F(SkinFormClientAreaStepsTest, ADragByThePictureSnapsToTheWorkAreaAndEndsWithActivationOrMaximize) {
  TspSkinForm* SkinForm = ShowClientAreaForm();
  TCustomForm* Form = SkinForm->Form();
  SkinForm->DraggAble = true;
  SkinForm->Magnetic = true;
  RECT WorkArea{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &WorkArea, 0);
  const TPoint Start{Form->Left() + 50, Form->Top() + 60};
  InjectPointerMove(Start);
  ProcessPendingMessages();
  InjectPointerPress(Start);
  ProcessPendingMessages();
  ASSERT_TRUE(SkinForm->IsDragging());
  // 5 pixels from the work area's left edge: the form snaps to it.
  InjectPointerMove({Start.X - (Form->Left() - WorkArea.Left) + 5, Start.Y});
  ProcessPendingMessages();
  EXPECT_EQ(Form->Left(), WorkArea.Left);

  SendMessage(Form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
  EXPECT_FALSE(SkinForm->IsDragging()) << "the activation changed";
  InjectPointerRelease(Start);
  ProcessPendingMessages();

  const TPoint Again{Form->Left() + 50, Form->Top() + 60};
  InjectPointerMove(Again);
  ProcessPendingMessages();
  InjectPointerPress(Again);
  ProcessPendingMessages();
  ASSERT_TRUE(SkinForm->IsDragging());
  SkinForm->SetWindowState(wsMaximized);
  EXPECT_FALSE(SkinForm->IsDragging()) << "maximized";
  InjectPointerRelease(Again);
  ProcessPendingMessages();
}

}  // namespace
}  // namespace skin_form_window_proc_steps_test
