// The tray icon on the headless backend's stand-in tray, with the virtual clock.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinFormTestSupport.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinHint.h"
#include "components/forms/spTrayIcon.h"
#include "platform/base/Strings.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "resources/skin-new/SkinNewPalette.h"

namespace {

using skin_form_test::SkinFormTest;

constexpr TColor TrayTestColors[] = {clRed, clLime, clBlue};

class TrayIconTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Main = NewForm(Rect(100, 100, 400, 300));
  }

  THeadlessBackend& Tray() { return *HeadlessBackend(); }

  // A tray icon on the main form, loaded as a form description would load it.
  TspTrayIcon* NewIcon() {
    auto* Icon = new TspTrayIcon(Main);
    Icon->BeginLoading();
    Icon->EndLoading();
    return Icon;
  }

  // The number of the one icon docked; fails the test when there is not exactly one.
  int DockedKey() {
    EXPECT_EQ(Tray().TrayIcons().size(), 1u);
    return Tray().TrayIcons().empty() ? 0 : Tray().TrayIcons().begin()->first;
  }

  void Act(UINT AMouseMessage) {
    DeliverTrayIconMouse(DockedKey(), AMouseMessage);
    ProcessPendingMessages();
  }

  // An icon list of 16 x 16 squares in TrayTestColors' colours.
  TCustomImageList* ColourIcons(int ACount) {
    auto* List = new TCustomImageList(Main, 16, 16);
    for (int I = 0; I < ACount; ++I) {
      TBitmap Square;
      Square.SetSize(16, 16);
      Square.Canvas().Brush().SetColor(TrayTestColors[I]);
      Square.Canvas().FillRect(Rect(0, 0, 16, 16));
      List->Add(Square, nullptr);
    }
    return List;
  }

  // The colour at the middle of the docked icon (0 when the icon has no picture).
  uint32_t DockedColour() {
    const TPixelImage& Image = Tray().TrayIcons().at(DockedKey()).Image;
    return Image.Width == 0 ? 0 : Image.Pixel(Image.Width / 2, Image.Height / 2) & 0xFFFFFF;
  }

  static uint32_t PixelOf(TColor AColour) {
    const COLORREF RGB = ColorToRGB(AColour);
    return ((RGB & 0xFF) << 16) | (RGB & 0xFF00) | ((RGB >> 16) & 0xFF);
  }

  TForm* Main = nullptr;
};

// --- Click and double click ---

class TrayIconClickTest : public TrayIconTest {
 protected:
  void SetUp() override {
    TrayIconTest::SetUp();
    Icon = NewIcon();
    Icon->OnMouseDown = [this](TObject*, TMouseButton AButton, TShiftState AShift, int AX, int AY) {
      Log.push_back(Format("down %d %d,%d %d", static_cast<int>(AButton), AX, AY, Now()));
      Shift = AShift;
    };
    Icon->OnMouseUp = [this](TObject*, TMouseButton AButton, TShiftState, int, int) {
      Log.push_back(Format("up %d %d", static_cast<int>(AButton), Now()));
    };
    Icon->OnClick = [this](TObject*) { Log.push_back(Format("click %d", Now())); };
    Icon->OnDblClick = [this](TObject*) { Log.push_back(Format("dblclick %d", Now())); };
    Start = Tray().ClockMs();
    SetCursorPos(1200, 790);
  }

  int Now() const { return static_cast<int>(HeadlessBackend()->ClockMs() - Start); }

  TspTrayIcon* Icon = nullptr;
  std::vector<std::string> Log;
  TShiftState Shift;
  uint64_t Start = 0;
};

TEST_F(TrayIconClickTest, AQuickPressAndReleaseClicksOneDoubleClickTimeAfterThePress) {
  const int DoubleClick = static_cast<int>(GetDoubleClickTime());
  Act(WM_LBUTTONDOWN);
  Tray().AdvanceClock(100);
  Act(WM_LBUTTONUP);
  Tray().AdvanceClock(DoubleClick - 101);
  EXPECT_EQ(Log, (std::vector<std::string>{"down 0 1200,790 0", "up 0 100"}));
  EXPECT_TRUE(Shift.Contains(ssLeft));
  Tray().AdvanceClock(1);
  EXPECT_EQ(Log.back(), Format("click %d", DoubleClick));
  Tray().AdvanceClock(DoubleClick * 3);
  EXPECT_EQ(Log.size(), 3u);
}

TEST_F(TrayIconClickTest, APressHeldPastTheDoubleClickTimeClicksAtTheRelease) {
  Act(WM_LBUTTONDOWN);
  Tray().AdvanceClock(1000);
  EXPECT_EQ(Log.size(), 1u);
  Act(WM_LBUTTONUP);
  EXPECT_EQ(Log, (std::vector<std::string>{"down 0 1200,790 0", "click 1000", "up 0 1000"}));
}

TEST_F(TrayIconClickTest, ADoubleClickGivesNoClickAndClicksTheMenusDefaultItem) {
  auto* Menu = new TPopupMenu(Main);
  std::vector<std::string> Clicked;
  for (const char* Caption : {"Open", "Restore", "Close"}) {
    auto* Item = new TMenuItem(Menu);
    Item->SetCaption(Caption);
    Item->SetDefault(std::string(Caption) != "Open");
    Item->OnClick = [&Clicked, Caption](TObject*) { Clicked.push_back(Caption); };
    Menu->Items()->Add(Item);
  }
  Icon->SetPopupMenu(Menu);
  Act(WM_LBUTTONDOWN);
  Act(WM_LBUTTONUP);
  Tray().AdvanceClock(50);
  Act(WM_LBUTTONDBLCLK);
  Act(WM_LBUTTONUP);
  Tray().AdvanceClock(GetDoubleClickTime() * 2);
  EXPECT_EQ(Log, (std::vector<std::string>{"down 0 1200,790 0", "up 0 0", "dblclick 50", "up 0 50"}));
  EXPECT_EQ(Clicked, std::vector<std::string>{"Restore"});

  // Without AutoPopup the menu stays out of it.
  Menu->AutoPopup = false;
  Tray().AdvanceClock(GetDoubleClickTime());
  Act(WM_LBUTTONDOWN);
  Act(WM_LBUTTONDBLCLK);
  EXPECT_EQ(Clicked.size(), 1u);
}

// A handler may free the icon: the icon touches nothing of itself afterwards (the
// sanitizers catch a read of the freed icon).
TEST_F(TrayIconTest, AHandlerThatFreesTheIconEndsTheMouseActionQuietly) {
  struct TCase {
    const char* Name;
    UINT Message;
  };
  for (const TCase& Case : {TCase{"press", WM_LBUTTONDOWN}, TCase{"double click", WM_LBUTTONDBLCLK}}) {
    SCOPED_TRACE(Case.Name);
    TspTrayIcon* Icon = NewIcon();
    Icon->SetPopupMenu(new TPopupMenu(Main));
    bool Ran = false;
    const auto FreeIcon = [&] {
      Ran = true;
      delete Icon;
    };
    Icon->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { FreeIcon(); };
    Icon->OnDblClick = [&](TObject*) { FreeIcon(); };
    Act(Case.Message);
    EXPECT_TRUE(Ran);
    EXPECT_TRUE(Tray().TrayIcons().empty());
  }
}

TEST_F(TrayIconTest, AFormClosedFromAPressFreesItsIconInThePumpBeforeTheMenuWithoutHarm) {
  TForm* Other = NewForm(Rect(500, 100, 700, 300));
  auto* Icon = new TspTrayIcon(Other);
  Icon->BeginLoading();
  Icon->EndLoading();
  auto* Menu = new TPopupMenu(Other);
  Menu->Items()->Add(new TMenuItem(Menu));
  Icon->SetPopupMenu(Menu);
  // The release is handled by the pump the icon runs before it opens its menu.
  Icon->OnMouseDown = [Other](TObject*, TMouseButton, TShiftState, int, int) { Other->Release(); };
  Act(WM_RBUTTONDOWN);
  EXPECT_TRUE(Tray().TrayIcons().empty());
}

TEST_F(TrayIconClickTest, MiddleButtonAndMovesAreReportedAndNothingWhileDisabled) {
  std::vector<std::string> Moves;
  Icon->OnMouseMove = [&Moves](TObject*, TShiftState, int AX, int AY) {
    Moves.push_back(Format("%d,%d", AX, AY));
  };
  Act(WM_MOUSEMOVE);
  Act(WM_MBUTTONDOWN);
  Act(WM_MBUTTONUP);
  EXPECT_EQ(Moves, std::vector<std::string>{"1200,790"});
  EXPECT_EQ(Log, (std::vector<std::string>{"down 2 1200,790 0", "up 2 0"}));
  EXPECT_TRUE(Shift.Contains(ssMiddle));

  Icon->Enabled = false;
  Act(WM_MOUSEMOVE);
  Act(WM_LBUTTONDOWN);
  Act(WM_LBUTTONUP);
  Tray().AdvanceClock(GetDoubleClickTime() * 2);
  EXPECT_EQ(Moves.size(), 1u);
  EXPECT_EQ(Log.size(), 2u);
}

// --- Icon, hint and cycling ---

TEST_F(TrayIconTest, TheTipIsCutTo127CharactersAndEmptyWithoutShowHint) {
  auto* Icon = NewIcon();
  Icon->SetHint(String(200, 'h'));
  EXPECT_EQ(Tray().TrayIcons().at(DockedKey()).Tip, String(127, 'h'));
  Icon->SetShowHint(false);
  EXPECT_EQ(Tray().TrayIcons().at(DockedKey()).Tip, "");
}

TEST_F(TrayIconTest, CyclingShowsEachIconInTurnAndReportsTheNextIndex) {
  auto* Icon = NewIcon();
  std::vector<int> Reported;
  Icon->OnCycle = [&Reported](TObject*, int ANext) { Reported.push_back(ANext); };
  Icon->SetIconList(ColourIcons(3));
  Icon->SetAnimateTimerInterval(100);
  Icon->SetCycleIcons(true);
  std::vector<uint32_t> Shown{DockedColour()};
  for (int Tick = 0; Tick < 4; ++Tick) {
    Tray().AdvanceClock(100);
    Shown.push_back(DockedColour());
  }
  const uint32_t R = PixelOf(clRed), G = PixelOf(clLime), B = PixelOf(clBlue);
  // Each tick moves on to the next icon and shows it at once.
  EXPECT_EQ(Shown, (std::vector<uint32_t>{R, G, B, R, G}));
  EXPECT_EQ(Reported, (std::vector<int>{1, 2, 0, 1}));
}

TEST_F(TrayIconTest, CyclingWithoutAnIntervalLeavesTheIconAlone) {
  auto* Icon = NewIcon();
  Icon->SetIconList(ColourIcons(3));
  Icon->SetCycleIcons(true);
  Tray().AdvanceClock(5000);
  EXPECT_EQ(DockedColour(), PixelOf(clRed));
  EXPECT_EQ(Icon->IconIndex(), 0);
}

TEST_F(TrayIconTest, TheIconIndexStaysInsideTheList) {
  auto* Icon = NewIcon();
  Icon->SetIconIndex(10);
  EXPECT_EQ(Icon->IconIndex(), 0);
  Icon->SetIconList(ColourIcons(3));
  Icon->SetIconIndex(10);
  EXPECT_EQ(Icon->IconIndex(), 2);
  EXPECT_EQ(DockedColour(), PixelOf(clBlue));
  // An empty list shows no picture, also while cycling.
  Icon->SetIconList(ColourIcons(0));
  EXPECT_EQ(Icon->IconIndex(), -1);
  EXPECT_TRUE(Icon->Icon().Empty());
  EXPECT_EQ(DockedColour(), 0u);
  Icon->SetAnimateTimerInterval(10);
  Icon->SetCycleIcons(true);
  Tray().AdvanceClock(50);
  EXPECT_EQ(DockedColour(), 0u);
}

// --- Balloons ---

TEST_F(TrayIconTest, ABalloonIsShownClickedAndHidden) {
  auto* Icon = NewIcon();
  int BalloonClicks = 0;
  Icon->OnBalloonHintClick = [&BalloonClicks](TObject*) { ++BalloonClicks; };
  EXPECT_EQ(NotifyIconBalloonWindow(Icon->Handle(), 1), nullptr);
  ASSERT_TRUE(Icon->ShowBalloonHint("Done", "All files are converted.", spbitInfo));
  HWND Balloon = NotifyIconBalloonWindow(Icon->Handle(), 1);
  ASSERT_NE(Balloon, nullptr);
  EXPECT_TRUE(Tray().IsShown(Balloon));
  EXPECT_TRUE(GetWindowLong(Balloon, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowText(Balloon), "Done\n\nAll files are converted.");

  // A click on the balloon is reported and takes it away.
  SendMessage(Balloon, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
  ProcessPendingMessages();
  EXPECT_EQ(BalloonClicks, 1);
  EXPECT_EQ(NotifyIconBalloonWindow(Icon->Handle(), 1), nullptr);

  // Long titles and texts are cut to 63 and 255 characters.
  ASSERT_TRUE(Icon->ShowBalloonHint(String(100, 't'), String(300, 'x'), spbitWarning));
  EXPECT_EQ(GetWindowText(NotifyIconBalloonWindow(Icon->Handle(), 1)),
            String(63, 't') + "\n\n" + String(255, 'x'));
  ASSERT_TRUE(Icon->HideBalloonHint());
  EXPECT_EQ(NotifyIconBalloonWindow(Icon->Handle(), 1), nullptr);

  Icon->Enabled = false;
  Icon->ShowBalloonHint("Off", "Text", spbitError);
  SendMessage(NotifyIconBalloonWindow(Icon->Handle(), 1), WM_LBUTTONDOWN, 0, 0);
  ProcessPendingMessages();
  EXPECT_EQ(BalloonClicks, 1);
}

// The application's skinned hint, in the default skin, on the main form: balloons take
// its look.
class TraySkinnedBalloonTest : public TrayIconTest {
 protected:
  void SetUp() override {
    TrayIconTest::SetUp();
    Skin = skin_form_test::LoadDefaultSkin();
    Hint = new TspSkinHint(Main);
    Hint->SetSkinData(Skin.get());
    Icon = NewIcon();
    Icon->OnBalloonHintClick = [this](TObject*) { ++BalloonClicks; };
  }
  void TearDown() override {
    Skin.reset();
    TrayIconTest::TearDown();
  }

  TRect BalloonRect() {
    RECT R{};
    GetWindowRect(Icon->BalloonWindow(), &R);
    return R;
  }
  // How many pixels of the balloon have AColour.
  int BalloonPixels(TColor AColour) {
    ProcessPendingMessages();
    const TPixelImage Picture = WindowPicture(Icon->BalloonWindow());
    int Count = 0;
    for (int Y = 0; Y < Picture.Height; ++Y)
      for (int X = 0; X < Picture.Width; ++X) Count += (Picture.Pixel(X, Y) & 0xFFFFFF) == PixelOf(AColour);
    return Count;
  }

  std::unique_ptr<TspSkinData> Skin;
  TspSkinHint* Hint = nullptr;
  TspTrayIcon* Icon = nullptr;
  int BalloonClicks = 0;
};

TEST_F(TraySkinnedBalloonTest, ABalloonIsAWindowInTheHintsLookAtTheCornerThatAClickTakesAway) {
  ASSERT_TRUE(Icon->ShowBalloonHint("Done", "All files are converted.", spbitInfo));
  ProcessPendingMessages();
  HWND Balloon = Icon->BalloonWindow();
  ASSERT_NE(Balloon, nullptr);
  // Ours, not the desktop's.
  EXPECT_EQ(NotifyIconBalloonWindow(Icon->Handle(), 1), nullptr);
  EXPECT_TRUE(Tray().IsShown(Balloon));
  EXPECT_TRUE(GetWindowLong(Balloon, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowText(Balloon), "All files are converted.");
  RECT WorkArea;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &WorkArea, 0);
  const TRect Place = BalloonRect();
  EXPECT_EQ(Place.Right, WorkArea.Right - 2);
  EXPECT_EQ(Place.Bottom, WorkArea.Bottom - 2);
  // The skin's hint picture behind the information picture.
  EXPECT_GT(BalloonPixels(skin_new::palette::HintBackground), Place.Width() * Place.Height() / 3);
  EXPECT_GT(BalloonPixels(TColor(0xD77800)), 200);

  // A click on it is reported through the icon's window, once, and takes it away.
  InjectClick({(Place.Left + Place.Right) / 2, (Place.Top + Place.Bottom) / 2});
  ProcessPendingMessages();
  EXPECT_EQ(BalloonClicks, 1);
  EXPECT_EQ(Icon->BalloonWindow(), nullptr);
  // A disabled icon does not report it.
  Icon->Enabled = false;
  ASSERT_TRUE(Icon->ShowBalloonHint("Off", "Text", spbitError));
  ProcessPendingMessages();
  const TRect Second = BalloonRect();
  InjectClick({(Second.Left + Second.Right) / 2, (Second.Top + Second.Bottom) / 2});
  ProcessPendingMessages();
  EXPECT_EQ(BalloonClicks, 1);
  EXPECT_EQ(Icon->BalloonWindow(), nullptr);
}

TEST_F(TraySkinnedBalloonTest, TextsAreCutAndTheKindOfMessageGivesThePicture) {
  ASSERT_TRUE(Icon->ShowBalloonHint(String(63, 't'), "Text", spbitWarning));
  const TRect Cut = BalloonRect();
  EXPECT_GT(BalloonPixels(TColor(0x05B7F2)), 100);
  ASSERT_TRUE(Icon->ShowBalloonHint(String(100, 't'), String(300, 'x'), spbitWarning));
  EXPECT_EQ(GetWindowText(Icon->BalloonWindow()), String(255, 'x'));
  ASSERT_TRUE(Icon->ShowBalloonHint(String(100, 't'), "Text", spbitWarning));
  EXPECT_EQ(BalloonRect(), Cut);
  // No picture: narrower by the picture and its margin.
  ASSERT_TRUE(Icon->ShowBalloonHint(String(100, 't'), "Text", spbitNone));
  EXPECT_LE(BalloonRect().Width(), Cut.Width() - 32);
  EXPECT_EQ(BalloonPixels(TColor(0x05B7F2)), 0);
  // An empty text shows none.
  EXPECT_TRUE(Icon->ShowBalloonHint("Title", "", spbitInfo));
  EXPECT_EQ(Icon->BalloonWindow(), nullptr);
}

TEST_F(TraySkinnedBalloonTest, ABalloonGoesWithItsIconAndNeedsOne) {
  ASSERT_TRUE(Icon->ShowBalloonHint("Done", "Text", spbitInfo));
  Icon->SetIconVisible(false);
  EXPECT_EQ(Icon->BalloonWindow(), nullptr);
  EXPECT_FALSE(Icon->ShowBalloonHint("Done", "Text", spbitInfo));
  EXPECT_EQ(Icon->BalloonWindow(), nullptr);
  Icon->SetIconVisible(true);
  EXPECT_TRUE(Icon->ShowBalloonHint("Done", "Text", spbitInfo));
  HWND Balloon = Icon->BalloonWindow();
  ASSERT_NE(Balloon, nullptr);
  // Freeing the icon frees its balloon.
  delete Icon;
  Icon = nullptr;
  EXPECT_FALSE(IsWindow(Balloon));
}

// The skinned balloon and, without an active skinned hint, the desktop's.
TEST_F(TraySkinnedBalloonTest, EitherBalloonGoesAfterItsTimeoutCountedFromTheLastShow) {
  for (bool Skinned : {true, false}) {
    SCOPED_TRACE(Skinned ? "skinned" : "desktop's");
    Hint->SetActive(Skinned);
    auto Shown = [&] {
      return Skinned ? Icon->BalloonWindow() != nullptr
                     : NotifyIconBalloonWindow(Icon->Handle(), 1) != nullptr;
    };
    ASSERT_TRUE(Icon->ShowBalloonHint("Done", "Text", spbitInfo));
    EXPECT_TRUE(Shown());
    Tray().AdvanceClock(TrayBalloonTimeoutMs / 2);
    ASSERT_TRUE(Icon->ShowBalloonHint("Done", "Again", spbitInfo));
    Tray().AdvanceClock(TrayBalloonTimeoutMs - 1);
    EXPECT_TRUE(Shown());
    Tray().AdvanceClock(1);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(BalloonClicks, 0);
  }
}

TEST_F(TrayIconTest, WithoutATrayTheIconWaitsAndIsDockedWhenOneAppears) {
  Tray().SetTrayRunning(false);
  auto* Icon = NewIcon();
  Icon->SetHint("Pelladrin");
  EXPECT_TRUE(Icon->IconVisible());
  EXPECT_TRUE(Tray().TrayIcons().empty());
  EXPECT_FALSE(Icon->Refresh());

  Tray().SetTrayRunning(true);
  EXPECT_EQ(Tray().TrayIcons().at(DockedKey()).Tip, "Pelladrin");

  // A tray that goes away and comes back gets the icon again.
  Tray().SetTrayRunning(false);
  Tray().SetTrayRunning(true);
  EXPECT_EQ(Tray().TrayIcons().size(), 1u);

  // A hidden icon stays hidden.
  Icon->SetIconVisible(false);
  Tray().SetTrayRunning(false);
  Tray().SetTrayRunning(true);
  EXPECT_TRUE(Tray().TrayIcons().empty());
}

// --- Hooks on the main form's window ---

TEST_F(TrayIconTest, HooksComeOffByIdentityInEitherOrder) {
  for (bool FirstGoesFirst : {true, false}) {
    SCOPED_TRACE(FirstGoesFirst ? "first freed first" : "last freed first");
    auto* First = NewIcon();
    auto* Second = NewIcon();
    TspTrayIcon* Staying = FirstGoesFirst ? Second : First;
    delete (FirstGoesFirst ? First : Second);
    // The one left still sees the main form's messages, and the form its own.
    Staying->MinimizeToTray = true;
    Application->Minimize();
    EXPECT_FALSE(Main->Visible());
    EXPECT_EQ(Tray().TrayIcons().size(), 1u);
    Staying->ShowMainForm();
    ProcessPendingMessages();
    EXPECT_TRUE(Main->Visible());
    EXPECT_EQ(Main->WindowState(), wsNormal);
    delete Staying;
    EXPECT_TRUE(Tray().TrayIcons().empty());
  }
  // Freed last first, the window's procedure is the one it had before.
  const LONG_PTR Before = GetWindowLong(Main->Handle(), GWL_WNDPROC);
  auto* First = NewIcon();
  auto* Second = NewIcon();
  delete Second;
  delete First;
  EXPECT_EQ(GetWindowLong(Main->Handle(), GWL_WNDPROC), Before);
}

TEST_F(TrayIconTest, MinimizingToTheTrayHidesTheMainFormAndShowingItPostsTheRestoreMessage) {
  int Restores = 0;
  TWndMethod FormProc = Main->WindowProc;
  Main->WindowProc = [&](TMessage& AMessage) {
    if (AMessage.Msg == SP_TRAYRESTOREFORM) ++Restores;
    FormProc(AMessage);
  };
  auto* Icon = NewIcon();
  Icon->SetIconVisible(false);
  Application->Minimize();
  EXPECT_TRUE(Main->Visible());
  EXPECT_TRUE(Tray().TrayIcons().empty());
  Application->Restore();

  Icon->MinimizeToTray = true;
  Application->Minimize();
  EXPECT_FALSE(Main->Visible());
  EXPECT_FALSE(IsWindowVisible(Main->Handle()));
  EXPECT_TRUE(Icon->IconVisible());
  EXPECT_EQ(Tray().TrayIcons().size(), 1u);

  Icon->ShowMainForm();
  EXPECT_EQ(Restores, 0);
  ProcessPendingMessages();
  EXPECT_EQ(Restores, 1);
  EXPECT_TRUE(Main->Visible());
  EXPECT_EQ(Main->WindowState(), wsNormal);
  EXPECT_EQ(Main->Tag, -10000);
  Main->WindowProc = FormProc;
}

// --- The skin form's tray minimizing ---

TEST_F(TrayIconTest, TheSkinFormGoesToTheTrayAndADoubleClickBringsItBack) {
  auto* SkinForm = new TspSkinForm(Main);
  auto* Icon = NewIcon();
  std::vector<std::string> Events;
  SkinForm->OnMinimizeToTray = [&Events](TObject*) { Events.push_back("to tray"); };
  SkinForm->OnRestoreFromTray = [&Events](TObject*) { Events.push_back("from tray"); };
  SkinForm->SetTrayIcon(Icon);
  // The icon shows only while the form is in the tray.
  EXPECT_TRUE(Tray().TrayIcons().empty());

  SkinForm->MinimizeToTray();
  EXPECT_FALSE(Main->Visible());
  EXPECT_EQ(Tray().TrayIcons().size(), 1u);
  Act(WM_LBUTTONDOWN);
  Act(WM_LBUTTONDBLCLK);
  ProcessPendingMessages();
  EXPECT_TRUE(Main->Visible());
  EXPECT_FALSE(Icon->MinimizeToTray);
  EXPECT_TRUE(Tray().TrayIcons().empty());
  EXPECT_EQ(Events, (std::vector<std::string>{"to tray", "from tray"}));

  // A freed icon is let go of: the form stays where it is.
  delete Icon;
  EXPECT_EQ(SkinForm->TrayIcon(), nullptr);
  SkinForm->MinimizeToTray();
  EXPECT_TRUE(Main->Visible());
}

TEST_F(TrayIconTest, AnIconWithAHandlerOfItsOwnKeepsItAndOutlivesTheSkinForm) {
  auto* SkinForm = new TspSkinForm(Main);
  auto* Icon = NewIcon();
  SkinForm->AlwaysShowInTray = true;
  SkinForm->SetTrayIcon(Icon);
  EXPECT_EQ(Tray().TrayIcons().size(), 1u);
  EXPECT_TRUE(Icon->OnDblClick);
  // The form's handler goes with the form.
  delete SkinForm;
  EXPECT_FALSE(Icon->OnDblClick);
  Act(WM_LBUTTONDBLCLK);

  auto* Other = new TspSkinForm(Main);
  int Own = 0;
  Icon->OnDblClick = [&Own](TObject*) { ++Own; };
  Other->AlwaysShowInTray = true;
  Other->SetTrayIcon(Icon);
  Act(WM_LBUTTONDBLCLK);
  EXPECT_EQ(Own, 1);
}

}  // namespace
