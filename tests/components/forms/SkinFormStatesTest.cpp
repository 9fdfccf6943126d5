// The skinned form's own window states: maximize into the monitor's work area,
// minimize to a caption strip in the next free place (the main form iconifies),
// restore to the saved normal bounds, and roll-up to the caption.

#include "components/controls/SkinCtrls.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/Application.h"
#include "platform/ui/Panel.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/components/forms/SkinFormTestSupport.h"

using namespace skin_form_test;

namespace {

// The primary monitor: 1000 x 800 with a 40-pixel panel at the bottom.
constexpr TRect StatesPrimaryMonitor = Rect(0, 0, 1000, 800);
constexpr TRect StatesPrimaryWorkArea = Rect(0, 0, 1000, 760);
// The fixture skin's frame without its client part is 40 high; its picture 100 wide.
constexpr int StatesCaptionStripHeight = 40;
constexpr int StatesFrameWidth = 100;

class SkinFormStatesTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    HeadlessBackend()->SetMonitors({{StatesPrimaryMonitor, StatesPrimaryWorkArea, true}});
    Skin = MakeFixtureSkin();
    // The application's main form comes first; the forms under test are secondary.
    MainSkinForm = NewSkinnedForm(Bounds(300, 200, 300, 200), Skin.get());
  }

  // A secondary skinned form, counting the state events it raises.
  TspSkinForm* NewSecondaryForm(const TRect& ABounds) {
    TspSkinForm* SkinForm = NewSkinnedForm(ABounds, Skin.get());
    SkinForm->OnMinimize = [this](TObject*) { Events += "minimize;"; };
    SkinForm->OnMaximize = [this](TObject*) { Events += "maximize;"; };
    SkinForm->OnRestore = [this](TObject*) { Events += "restore;"; };
    SkinForm->OnChangeRollUpState = [this](TObject*) { Events += "rollup;"; };
    return SkinForm;
  }

  static TRect BoundsOf(TspSkinForm* ASkinForm) { return ASkinForm->Form()->BoundsRect(); }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinForm* MainSkinForm = nullptr;
  std::string Events;
};

TEST_F(SkinFormStatesTest, MaximizeFillsTheWorkAreaOfTheFormsMonitorAndRestoreGivesTheBoundsBack) {
  struct TCase {
    const char* Name;
    std::vector<TMonitorDescription> Monitors;
    TRect FormBounds;
    bool FullScreen;
    TRect Expected;
  };
  const TMonitorDescription Primary{StatesPrimaryMonitor, StatesPrimaryWorkArea, true};
  const TMonitorDescription Right{Rect(1000, 0, 1600, 900), Rect(1000, 30, 1600, 900), false};
  const TMonitorDescription RightWhole{Rect(1000, 0, 1600, 900), Rect(1000, 0, 1600, 900), false};
  const TMonitorDescription PrimaryWhole{StatesPrimaryMonitor, StatesPrimaryMonitor, true};
  const TCase Cases[] = {
      {"one monitor", {Primary}, Bounds(100, 100, 300, 200), false, StatesPrimaryWorkArea},
      {"form on the second monitor",
       {Primary, Right},
       Bounds(1200, 300, 300, 200),
       false,
       Rect(1000, 30, 1600, 900)},
      {"form mostly on the first",
       {Primary, Right},
       Bounds(800, 300, 300, 200),
       false,
       StatesPrimaryWorkArea},
      {"work area is the whole primary screen",
       {PrimaryWhole},
       Bounds(100, 100, 300, 200),
       false,
       Rect(1, 1, 999, 799)},
      {"full screen on it", {PrimaryWhole}, Bounds(100, 100, 300, 200), true, StatesPrimaryMonitor},
      {"full screen with a panel", {Primary}, Bounds(100, 100, 300, 200), true, StatesPrimaryMonitor},
      // Only the primary screen keeps the gap.
      {"second monitor without panels",
       {Primary, RightWhole},
       Bounds(1200, 300, 300, 200),
       false,
       Rect(1000, 0, 1600, 900)},
  };
  for (const TCase& Case : Cases) {
    HeadlessBackend()->SetMonitors(Case.Monitors);
    TspSkinForm* SkinForm = NewSecondaryForm(Case.FormBounds);
    SkinForm->MaximizeOnFullScreen = Case.FullScreen;
    Events.clear();
    SkinForm->SetWindowState(wsMaximized);
    EXPECT_EQ(BoundsOf(SkinForm), Case.Expected) << Case.Name;
    EXPECT_EQ(SkinForm->WindowState(), wsMaximized) << Case.Name;
    SkinForm->SetWindowState(wsNormal);
    EXPECT_EQ(BoundsOf(SkinForm), Case.FormBounds) << Case.Name;
    EXPECT_EQ(SkinForm->WindowState(), wsNormal) << Case.Name;
    EXPECT_EQ(Events, "maximize;restore;") << Case.Name;
    delete SkinForm->Form();
  }
}

TEST_F(SkinFormStatesTest, AMaximizedFormIsNotMovedByADragAndTheWindowSystemFrameIsLeftAlone) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  SkinForm->SetWindowState(wsMaximized);
  // The window is placed, not zoomed: the skin frame stays the window's.
  EXPECT_FALSE(IsZoomed(SkinForm->Form()->Handle()));
  RECT Proposed = Bounds(40, 50, 1000, 760);
  SendMessage(SkinForm->Form()->Handle(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&Proposed));
  EXPECT_EQ(Proposed, StatesPrimaryWorkArea);
}

TEST_F(SkinFormStatesTest, SecondaryFormsMinimizeIntoTheFreePlacesAlongTheBottomInOrder) {
  const TRect NormalBounds[] = {Bounds(100, 100, 300, 200), Bounds(150, 120, 320, 220),
                                Bounds(200, 140, 340, 240), Bounds(250, 160, 360, 260)};
  std::vector<TspSkinForm*> Forms;
  for (const TRect& R : NormalBounds) Forms.push_back(NewSecondaryForm(R));
  for (TspSkinForm* SkinForm : Forms) SkinForm->SetWindowState(wsMinimized);
  // Ten caption strips of 100 fit along the 1000-pixel row: the four stand side by side.
  const int Bottom = StatesPrimaryWorkArea.Bottom - StatesCaptionStripHeight;
  for (size_t I = 0; I < Forms.size(); ++I) {
    EXPECT_EQ(BoundsOf(Forms[I]),
              Bounds(int(I) * StatesFrameWidth, Bottom, StatesFrameWidth, StatesCaptionStripHeight))
        << I;
    EXPECT_EQ(Forms[I]->WindowState(), wsMinimized);
  }
  // A restored form frees its place, and the next minimized form takes it.
  Forms[1]->SetWindowState(wsNormal);
  EXPECT_EQ(BoundsOf(Forms[1]), NormalBounds[1]);
  TspSkinForm* Late = NewSecondaryForm(Bounds(10, 10, 300, 200));
  Late->SetWindowState(wsMinimized);
  EXPECT_EQ(BoundsOf(Late).TopLeft(), (TPoint{StatesFrameWidth, Bottom}));
}

TEST_F(SkinFormStatesTest, AFullRowOfMinimizedFormsContinuesOnTheRowAbove) {
  // Three places in a row of 300.
  HeadlessBackend()->SetMonitors({{StatesPrimaryMonitor, Rect(0, 0, 300, 760), true}});
  std::vector<TspSkinForm*> Forms;
  for (int I = 0; I < 4; ++I) Forms.push_back(NewSecondaryForm(Bounds(20 * I, 20, 200, 150)));
  for (TspSkinForm* SkinForm : Forms) SkinForm->SetWindowState(wsMinimized);
  EXPECT_EQ(BoundsOf(Forms[2]).TopLeft(), (TPoint{200, 760 - StatesCaptionStripHeight}));
  EXPECT_EQ(BoundsOf(Forms[3]).TopLeft(), (TPoint{0, 760 - 2 * StatesCaptionStripHeight}));
}

TEST_F(SkinFormStatesTest, TheNormalBoundsAreSavedOnceOnTheWayOutOfTheNormalState) {
  const TRect Normal = Bounds(120, 90, 300, 200);
  TspSkinForm* SkinForm = NewSecondaryForm(Normal);
  SkinForm->SetWindowState(wsMaximized);
  SkinForm->SetWindowState(wsMinimized);
  EXPECT_EQ(BoundsOf(SkinForm).Height(), StatesCaptionStripHeight);
  SkinForm->SetWindowState(wsMaximized);
  EXPECT_EQ(BoundsOf(SkinForm), StatesPrimaryWorkArea);
  SkinForm->SetWindowState(wsNormal);
  EXPECT_EQ(BoundsOf(SkinForm), Normal);
  EXPECT_EQ(Events, "maximize;minimize;maximize;restore;");
  // Asking for the state the form is in does nothing.
  SkinForm->SetWindowState(wsNormal);
  EXPECT_EQ(Events, "maximize;minimize;maximize;restore;");
}

TEST_F(SkinFormStatesTest, MinimizingTheMainFormIconifiesItAndKeepsItsSkinnedState) {
  const TRect Before = BoundsOf(MainSkinForm);
  MainSkinForm->SetWindowState(wsMinimized);
  EXPECT_TRUE(IsIconic(MainSkinForm->Form()->Handle()));
  EXPECT_EQ(MainSkinForm->WindowState(), wsNormal);
  // The window system restores it, as the desktop does from the task bar.
  int Restores = 0;
  MainSkinForm->OnRestore = [&](TObject*) { ++Restores; };
  SendMessage(MainSkinForm->Form()->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(MainSkinForm->Form()->Handle()));
  EXPECT_EQ(BoundsOf(MainSkinForm), Before);
  EXPECT_EQ(Restores, 1);
}

TEST_F(SkinFormStatesTest, MinimizeDefaultLetsTheWindowSystemMinimizeTheForm) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  SkinForm->MinimizeDefault = true;
  SkinForm->SetWindowState(wsMinimized);
  EXPECT_TRUE(IsIconic(SkinForm->Form()->Handle()));
  EXPECT_EQ(SkinForm->WindowState(), wsNormal);
  EXPECT_EQ(Events, "minimize;");
}

TEST_F(SkinFormStatesTest, RollUpLeavesTheCaptionStripAndRollDownGivesTheHeightBack) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  // The application's own minimum does not hold the rolled-up form.
  SkinForm->MinHeight = 150;
  SkinForm->SetRollUpState(true);
  EXPECT_TRUE(SkinForm->RollUpState());
  EXPECT_EQ(SkinForm->Form()->Height(), SkinForm->GetMinHeight());
  EXPECT_EQ(SkinForm->Form()->Height(), StatesCaptionStripHeight);
  // Rolled up already: the height before the roll-up is kept.
  SkinForm->SetRollUpState(true);
  SkinForm->SetRollUpState(false);
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(BoundsOf(SkinForm), Bounds(100, 100, 300, 200));
  EXPECT_EQ(Events, "rollup;rollup;");
}

TEST_F(SkinFormStatesTest, RollDownGivesTheClientHeightAskedFor) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  SkinForm->ClientHeight = 250;
  SkinForm->SetRollUpState(true);
  SkinForm->SetRollUpState(false);
  EXPECT_EQ(SkinForm->Form()->ClientHeight(), 250);
}

TEST_F(SkinFormStatesTest, RollUpIsRefusedWithoutItsBorderIconAndWhileMinimized) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  SkinForm->SetBorderIcons({TspSkinForm::biSystemMenu, TspSkinForm::biMaximize});
  SkinForm->SetRollUpState(true);
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(SkinForm->Form()->Height(), 200);

  SkinForm->SetBorderIcons({TspSkinForm::biRollUp});
  SkinForm->SetWindowState(wsMinimized);
  const TRect Minimized = BoundsOf(SkinForm);
  SkinForm->SetRollUpState(true);
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(BoundsOf(SkinForm), Minimized);
  EXPECT_EQ(Events, "minimize;");
}

TEST_F(SkinFormStatesTest, AFormRolledUpWhileMaximizedIsRolledDownByTheRestore) {
  const TRect Normal = Bounds(100, 100, 300, 200);
  TspSkinForm* SkinForm = NewSecondaryForm(Normal);
  SkinForm->SetWindowState(wsMaximized);
  SkinForm->SetRollUpState(true);
  EXPECT_EQ(BoundsOf(SkinForm), Rect(0, 0, 1000, StatesCaptionStripHeight));
  SkinForm->SetWindowState(wsNormal);
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(BoundsOf(SkinForm), Normal);
}

TEST_F(SkinFormStatesTest, AFormRolledUpBeforeItWasMaximizedStaysRolledUp) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  SkinForm->SetRollUpState(true);
  SkinForm->SetWindowState(wsMaximized);
  // Maximized, it cannot be rolled down: it was not rolled up as a maximized form.
  SkinForm->SetRollUpState(false);
  EXPECT_TRUE(SkinForm->RollUpState());
  SkinForm->SetWindowState(wsNormal);
  EXPECT_TRUE(SkinForm->RollUpState());
  EXPECT_EQ(BoundsOf(SkinForm), Bounds(100, 100, 300, StatesCaptionStripHeight));
  SkinForm->SetRollUpState(false);
  EXPECT_EQ(BoundsOf(SkinForm), Bounds(100, 100, 300, 200));
}

TEST_F(SkinFormStatesTest, AStateAskedForWhileLoadingIsAppliedWhenLoadingEnds) {
  TForm* Form = Application->CreateForm<TForm>();
  auto* SkinForm = new TspSkinForm(Form);
  Form->BeginLoading();
  SkinForm->SetSkinData(Skin.get());
  Form->SetBoundsRect(Bounds(100, 100, 300, 200));
  SkinForm->SetWindowState(wsMaximized);
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Bounds(100, 100, 300, 200));
  Form->EndLoading();
  EXPECT_EQ(SkinForm->ReachedWindowState(), wsMaximized);
  EXPECT_EQ(Form->BoundsRect(), StatesPrimaryWorkArea);
}

TEST_F(SkinFormStatesTest, AFormFirstShownMaximizedIsCentredByItsFirstRestore) {
  TForm* Form = Application->CreateForm<TForm>();
  auto* SkinForm = new TspSkinForm(Form);
  Form->BeginLoading();
  SkinForm->SetSkinData(Skin.get());
  SkinForm->PositionInMonitor = sppDesktopCenter;
  Form->SetBoundsRect(Bounds(10, 10, 300, 200));
  SkinForm->SetWindowState(wsMaximized);
  Form->EndLoading();
  Form->Show();
  ProcessPendingMessages();
  EXPECT_EQ(Form->BoundsRect(), StatesPrimaryWorkArea);
  SkinForm->SetWindowState(wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Bounds(500 - 150, 380 - 100, 300, 200));
  // Only the first restore centres.
  SkinForm->SetWindowState(wsMaximized);
  SkinForm->SetWindowState(wsNormal);
  EXPECT_EQ(Form->BoundsRect(), Bounds(500 - 150, 380 - 100, 300, 200));
}

TEST_F(SkinFormStatesTest, TheStatusBarsSizeGripIsHiddenWhileTheFormIsMaximized) {
  TspSkinForm* SkinForm = NewSecondaryForm(Bounds(100, 100, 300, 200));
  auto* Bar = new TspSkinStatusBar(SkinForm->Form());
  Bar->SetParent(SkinForm->Form());
  Bar->SetSizeGrip(true);
  SkinForm->SetStatusBar(Bar);
  // The grip takes its room from what the bar's children are given.
  auto* Filler = new TPanel(Bar);
  Filler->SetParent(Bar);
  Filler->SetAlign(alClient);
  auto GripWidth = [&] { return Bar->Width() - Filler->Width(); };
  const int WithGrip = GripWidth();
  ASSERT_GT(WithGrip, 0);
  SkinForm->SetWindowState(wsMaximized);
  EXPECT_EQ(GripWidth(), 0);
  SkinForm->SetWindowState(wsNormal);
  EXPECT_EQ(GripWidth(), WithGrip);
  delete Bar;
  EXPECT_EQ(SkinForm->StatusBar(), nullptr);
  SkinForm->SetWindowState(wsMaximized);
}

// A form in client-area mode wearing the fixture skin, with one control on it, and a
// roll-up picture 60 x 20 whose mask cuts away its top-left pixel.
class SkinFormClientRollUpTest : public SkinFormStatesTest {
 protected:
  void SetUp() override {
    SkinFormStatesTest::SetUp();
    Skin->FRollUpPicture->SetSize(60, 20);
    Skin->FRollUpMask->SetPixelFormat(pf24bit);
    Skin->FRollUpMask->SetSize(60, 20);
    Skin->FRollUpMask->Canvas().Brush().SetColor(clBlack);
    Skin->FRollUpMask->Canvas().FillRect(Rect(0, 0, 60, 20));
    Skin->FRollUpMask->Canvas().SetPixels(0, 0, clWhite);
    TForm* Form = Application->CreateForm<TForm>();
    Form->SetBorderStyle(bsNone);
    SkinForm = new TspSkinForm(Form);
    SkinForm->SetSupportNCArea(false);
    SkinForm->SetSkinData(Skin.get());
    Form->SetBoundsRect(Bounds(100, 100, 200, 150));
    Control = new TPanel(Form);
    Control->SetParent(Form);
    Form->Show();
    ProcessPendingMessages();
  }

  bool InRegion(int AX, int AY) const {
    HRGN Region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(SkinForm->Form()->Handle(), Region);
    const bool Inside = PtInRegion(Region, AX, AY);
    DeleteObject(Region);
    return Inside;
  }

  TspSkinForm* SkinForm = nullptr;
  TPanel* Control = nullptr;
};

TEST_F(SkinFormClientRollUpTest, TheFormTakesTheRollUpPicturesShapeAndGetsItsControlsBack) {
  SkinForm->SetRollUpState(true);
  EXPECT_TRUE(SkinForm->RollUpState());
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(100, 100, 60, 20));
  EXPECT_FALSE(Control->Visible());
  EXPECT_FALSE(InRegion(0, 0));
  EXPECT_TRUE(InRegion(1, 0));
  EXPECT_FALSE(InRegion(60, 5));

  SkinForm->SetRollUpState(false);
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_TRUE(Control->Visible());
  // The fixture skin is resizable: the height comes back, the width is at least the
  // skin picture's, and the window takes the skin's shape again.
  EXPECT_EQ(SkinForm->Form()->Height(), 150);
  EXPECT_EQ(SkinForm->Form()->Width(), 100);
  EXPECT_TRUE(InRegion(50, 140));
  EXPECT_FALSE(InRegion(0, 0));
}

TEST_F(SkinFormClientRollUpTest, WithoutARollUpPictureOnlyTheEventFires) {
  Skin->FRollUpPicture->SetSize(0, 0);
  int Changes = 0;
  SkinForm->OnChangeRollUpState = [&](TObject*) { ++Changes; };
  SkinForm->SetRollUpState(true);
  EXPECT_FALSE(SkinForm->RollUpState());
  EXPECT_EQ(SkinForm->Form()->BoundsRect(), Bounds(100, 100, 200, 150));
  EXPECT_TRUE(Control->Visible());
  EXPECT_EQ(Changes, 1);
}

TEST_F(SkinFormClientRollUpTest, AControlFreedWhileRolledUpIsNotTouchedByTheRollDown) {
  SkinForm->SetRollUpState(true);
  delete Control;
  SkinForm->SetRollUpState(false);
  EXPECT_EQ(SkinForm->Form()->ControlCount(), 0);
}

}  // namespace
