// The skinned hint: shown by the application over skinned controls after the pause,
// sized to its text, title and picture within the skin's hint frame or the built-in
// border, kept inside the work area, and shown and hidden on its own pauses.

#include <memory>

#include "components/controls/SkinCtrls.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinHint.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/support/Pictures.h"
#include "tests/support/TestSupport.h"

using namespace skin_form_test;

namespace {

// The hint picture of the fixture skin: 20 × 20, a 4-pixel red border around a blue
// client area (4, 4, 16, 16), corner points 6 pixels in.
constexpr TColor HintBorder = clRed;
constexpr TColor HintClient = clBlue;
constexpr TColor HintText = clYellow;

class SkinHintTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    MainForm = NewForm(Bounds(100, 100, 400, 300));
    Hint = new TspSkinHint(MainForm);
    Hint->SetDefaultFont(HintFont());
    Control = new TspSkinPanel(MainForm);
    Control->SetParent(MainForm);
    Control->SetBounds(20, 20, 100, 40);
    Control->SetShowHint(true);
    Control->Hint = "Open file";
    ProcessPendingMessages();
  }
  void TearDown() override {
    Skin.reset();
    SkinFormTest::TearDown();
  }

  static TFont HintFont() {
    TFont Font;
    Font.SetName("Arial");
    Font.SetHeight(14);
    return Font;
  }
  void UseFixtureSkin() {
    Skin = std::make_unique<TspSkinData>(nullptr);
    Skin->Empty = false;
    auto Picture = std::make_unique<TBitmap>();
    Picture->SetSize(20, 20);
    Picture->Canvas().Brush().SetColor(HintBorder);
    Picture->Canvas().FillRect(Rect(0, 0, 20, 20));
    Picture->Canvas().Brush().SetColor(HintClient);
    Picture->Canvas().FillRect(Rect(4, 4, 16, 16));
    TspSkinEditor(*Skin).AddPicture(std::move(Picture));
    TspDataSkinHintWindow& D = *Skin->HintWindow;
    D.WindowPictureIndex = 0;
    D.MaskPictureIndex = -1;
    D.LTPoint = {6, 6};
    D.RTPoint = {14, 6};
    D.LBPoint = {6, 14};
    D.RBPoint = {14, 14};
    D.ClRect = Rect(4, 4, 16, 16);
    D.FontName = "Arial";
    D.FontHeight = 14;
    D.FontColor = HintText;
    Hint->SetSkinData(Skin.get());
  }
  // The pointer rests on the control's point (AX, AY) for AMs of the clock.
  void RestOnControl(int AX, int AY, uint32_t AMs) {
    const TPoint At = Control->ClientToScreen({AX, AY});
    InjectPointerMove(At);
    ProcessPendingMessages();
    HeadlessBackend()->AdvanceClock(AMs);
  }
  TspSkinHintWindow* AppHintWindow() { return dynamic_cast<TspSkinHintWindow*>(Application->HintWindow()); }
  static bool Shown(THintWindow* AWindow) { return AWindow && AWindow->IsShowing(); }
  // The text's extent in a font, as the window measures it.
  static TSize TextExtent(const TFont& AFont, const String& AText) {
    TBitmap B;
    B.SetSize(1, 1);
    B.Canvas().Font().Assign(AFont);
    return {WideTextWidth(B.Canvas(), AText), WideTextHeight(B.Canvas(), AText)};
  }

  TForm* MainForm = nullptr;
  TspSkinHint* Hint = nullptr;
  TspSkinPanel* Control = nullptr;
  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinHintTest, TheApplicationShowsTheBuiltInHintAfterThePauseAndHidesItOnLeaving) {
  RestOnControl(10, 10, 499);
  EXPECT_FALSE(Shown(Application->HintWindow()));
  HeadlessBackend()->AdvanceClock(1);
  TspSkinHintWindow* Window = AppHintWindow();
  ASSERT_NE(Window, nullptr) << "the application's hint window is the skinned one";
  ASSERT_TRUE(Window->IsShowing());
  const TSize Text = TextExtent(HintFont(), "Open file");
  EXPECT_EQ(Window->Width(), Text.cx + 4);
  EXPECT_EQ(Window->Height(), Text.cy + 4);
  // Below the pointer, by the system cursor's height.
  const TPoint Pointer = Control->ClientToScreen({10, 10});
  EXPECT_EQ(Window->Left(), Pointer.X);
  EXPECT_EQ(Window->Top(), Pointer.Y + GetSystemMetrics(SM_CYCURSOR));
  EXPECT_TRUE(LooksAsInItsPicture(Window->Handle(), "hint-built-in"));

  // Off the control onto the bare form: the hint goes.
  InjectPointerMove(MainForm->ClientToScreen({300, 200}));
  ProcessPendingMessages();
  EXPECT_FALSE(Window->IsShowing());
}

TEST_F(SkinHintTest, TheHintNeverTakesActivationAndStaysOnTop) {
  RestOnControl(10, 10, 500);
  TspSkinHintWindow* Window = AppHintWindow();
  ASSERT_TRUE(Shown(Window));
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), MainForm->Handle());
  EXPECT_EQ(SendMessage(Window->Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  EXPECT_NE(GetWindowLong(Window->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindowLong(Window->Handle(), GWL_STYLE) & WS_BORDER, 0);
  ASSERT_FALSE(HeadlessBackend()->StackingOrder().empty());
  EXPECT_EQ(HeadlessBackend()->StackingOrder().front(), Window->Handle());
  // The application's hide pause ends it, the form still active.
  HeadlessBackend()->AdvanceClock(Application->HintHidePause);
  EXPECT_FALSE(Window->IsShowing());
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), MainForm->Handle());
}

TEST_F(SkinHintTest, WithASkinTheHintWearsTheSkinsFrameAroundItsText) {
  UseFixtureSkin();
  RestOnControl(10, 10, 500);
  TspSkinHintWindow* Window = AppHintWindow();
  ASSERT_TRUE(Shown(Window));
  const TSize Text = TextExtent(HintFont(), "Open file");
  // The picture's margins (4 on each side) around the text, and 5 more in width.
  EXPECT_EQ(Window->Width(), Text.cx + 4 + 4 + 5);
  EXPECT_EQ(Window->Height(), Text.cy + 4 + 4);
  EXPECT_EQ(Window->NewClRect, Rect(4, 4, Window->Width() - 4, Window->Height() - 4));
  EXPECT_TRUE(LooksAsInItsPicture(Window->Handle(), "hint-fixture-skin"));
}

TEST_F(SkinHintTest, ATitleAndAPictureOfASkinnedControlGoWithItsHint) {
  TImageList Images(nullptr);
  Images.SetSize(16, 16);
  TBitmap Picture;
  Picture.SetSize(16, 16);
  Picture.Canvas().Brush().SetColor(clLime);
  Picture.Canvas().FillRect(Rect(0, 0, 16, 16));
  Images.Add(Picture, nullptr);
  Control->HintTitle = "File";
  Control->SetHintImageList(&Images);
  Control->HintImageIndex = 0;

  RestOnControl(10, 10, 500);
  TspSkinHintWindow* Window = AppHintWindow();
  ASSERT_TRUE(Shown(Window));
  TFont Bold = HintFont();
  Bold.SetStyle(TFontStyles{fsBold});
  const TSize Text = TextExtent(HintFont(), "Open file");
  const TSize Title = TextExtent(Bold, "File");
  EXPECT_EQ(Window->Width(), std::max(Text.cx, Title.cx) + 16 + 10 + 4);
  EXPECT_EQ(Window->Height(), std::max(Text.cy + Title.cy + 10, 16 + Title.cy + 5) + 4);
  EXPECT_TRUE(LooksAsInItsPicture(Window->Handle(), "hint-title-picture"));

  // A text the component shows on its own leaves the control's title behind.
  Hint->ActivateHint({50, 50}, "Open file");
  EXPECT_EQ(Hint->Window().Width(), Text.cx + 4);
  Hint->HideHint();

  // A plain control shows only its text.
  Control->HintTitle.clear();
  Control->SetHintImageList(nullptr);
  Application->CancelHint();
  RestOnControl(12, 12, 500);
  ASSERT_TRUE(Shown(Window));
  EXPECT_EQ(Window->Width(), Text.cx + 4);
}

TEST_F(SkinHintTest, AWindowlessSkinnedControlGivesItsTitleToo) {
  auto* Button = new TspSkinSpeedButton(MainForm);
  Button->SetParent(MainForm);
  Button->SetBounds(200, 20, 60, 30);
  Button->SetShowHint(true);
  Button->Hint = "Open file";
  Button->HintTitle = "File";
  InjectPointerMove(MainForm->ClientToScreen({210, 30}));
  ProcessPendingMessages();
  HeadlessBackend()->AdvanceClock(Application->HintPause);
  TspSkinHintWindow* Window = AppHintWindow();
  ASSERT_TRUE(Shown(Window));
  TFont Bold = HintFont();
  Bold.SetStyle(TFontStyles{fsBold});
  const TSize Text = TextExtent(HintFont(), "Open file");
  EXPECT_EQ(Window->Height(), Text.cy + TextExtent(Bold, "File").cy + 10 + 4);
}

TEST_F(SkinHintTest, LineSeparatorsBreakTheHintIntoLines) {
  const TSize Line = TextExtent(HintFont(), "one");
  struct TCase {
    String Separator, Hint;
    int Lines;
  } Cases[] = {
      {"@", "one@two@three", 3},
      {"@", "one", 1},
      // Separators that hold a line break, or none at all, end like any other.
      {"\n", "one\ntwo", 2},
      {"", "one@two", 1},
      {"@@", "one@@@two", 2},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Hint);
    Hint->LineSeparator = Case.Separator;
    Hint->ActivateHint({50, 50}, Case.Hint);
    EXPECT_EQ(Hint->Window().Height(), Line.cy * Case.Lines + 4);
    Hint->HideHint();
  }
}

TEST_F(SkinHintTest, TheHintFlipsAtTheRightAndBottomOfTheWorkArea) {
  // The headless monitor is 1280 × 800 with a work area 760 high.
  Hint->ActivateHint({1270, 100}, "Open file");
  TspSkinHintWindow& Window = Hint->Window();
  EXPECT_EQ(Window.Left(), 1270 - Window.Width() - 2);
  EXPECT_EQ(Window.Top(), 100);
  Hint->ActivateHint({100, 755}, "Open file");
  EXPECT_EQ(Window.Left(), 100);
  EXPECT_EQ(Window.Top(), 755 - Window.Height() - 2);
}

TEST_F(SkinHintTest, ALongHintWrapsToFitTheWorkArea) {
  String Long;
  for (int I = 0; I < 60; ++I) Long += "converting ";
  Hint->ActivateHint({400, 100}, Long);
  TspSkinHintWindow& Window = Hint->Window();
  ASSERT_TRUE(Window.IsShowing());
  EXPECT_LE(Window.Width(), 1280);
  EXPECT_GE(Window.Left(), 0);
  EXPECT_LE(Window.Left() + Window.Width(), 1280);
  EXPECT_GT(Window.Height(), 2 * TextExtent(HintFont(), "converting").cy);
}

TEST_F(SkinHintTest, ASmallTextGrowsTheSkinFrameUntilItsCornersMeet) {
  UseFixtureSkin();
  Hint->ActivateHint({50, 50}, "i");
  TspSkinHintWindow& Window = Hint->Window();
  // The corners are 6 pixels in from each side: the window is at least 12 wide.
  EXPECT_GE(Window.Width(), 12);
  EXPECT_GE(Window.NewRTPoint.X, Window.NewLTPoint.X);
  EXPECT_GE(Window.NewRBPoint.X, Window.NewLBPoint.X);
  EXPECT_GE(Window.NewLBPoint.Y, Window.NewLTPoint.Y);
  EXPECT_GE(Window.NewRBPoint.Y, Window.NewRTPoint.Y);
}

TEST_F(SkinHintTest, DelayedHintsShowAfterThePauseAndHideAfterTheHidePause) {
  SetCursorPos(300, 300);
  Hint->ActivateHint2("Later");
  HeadlessBackend()->AdvanceClock(Application->HintPause - 1);
  EXPECT_FALSE(Hint->IsVisible());
  HeadlessBackend()->AdvanceClock(1);
  ASSERT_TRUE(Hint->IsVisible());
  EXPECT_EQ(Hint->Window().Left(), 300);
  EXPECT_EQ(Hint->Window().Top(), 300 + TspSkinHint::GetCursorHeightMargin());
  HeadlessBackend()->AdvanceClock(Application->HintHidePause);
  EXPECT_FALSE(Hint->IsVisible());

  // Centred above a rectangle.
  Hint->ActivateHint3(Rect(200, 400, 300, 420), "Above", true);
  HeadlessBackend()->AdvanceClock(Application->HintPause);
  ASSERT_TRUE(Hint->IsVisible());
  TspSkinHintWindow& Window = Hint->Window();
  EXPECT_EQ(Window.Left(), 250 - Window.Width() / 2);
  EXPECT_EQ(Window.Top() + Window.Height(), 400);
  Hint->HideHint();
  EXPECT_FALSE(Hint->IsVisible());
}

TEST_F(SkinHintTest, TheCursorMarginReachesTheLowestRowOfTheCursorsPicture) {
  // A standard shape has no picture to read: the system cursor height stands for it.
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(TspSkinHint::GetCursorHeightMargin(), GetSystemMetrics(SM_CYCURSOR));
  // A 32 × 32 icon whose rows 0 to 19 are opaque, its hot spot at the top left.
  TPixelImage Picture;
  Picture.Width = Picture.Height = 32;
  Picture.HasAlpha = true;
  Picture.Pixels.assign(32 * 32, 0);
  for (int I = 0; I < 32 * 20; ++I) Picture.Pixels[size_t(I)] = 0xFF000000u;
  testing_support::TempDir Folder;
  const std::vector<uint8_t> Data = EncodeIcon(Picture);
  testing_support::WriteWholeFile(Folder.File("tall.ico"), std::string(Data.begin(), Data.end()));
  const HCURSOR Cursor = LoadCursorFromFile(Folder.File("tall.ico").c_str());
  ASSERT_NE(Cursor, nullptr);
  SetCursor(Cursor);
  EXPECT_EQ(TspSkinHint::GetCursorHeightMargin(), 20);
  DestroyCursor(Cursor);
}

TEST_F(SkinHintTest, AnotherActiveComponentSwitchesTheFirstOffAndTheWindowNeedsOne) {
  auto* Second = new TspSkinHint(MainForm);
  Second->SetActive(false);
  Second->SetActive(true);
  EXPECT_FALSE(Hint->Active());
  EXPECT_EQ(FindActiveSkinHint(), Second);
  Second->SetActive(false);
  // Without an active component the window shows nothing.
  Hint->ActivateHint({50, 50}, "Silent");
  EXPECT_FALSE(Hint->IsVisible());
  // Freed components leave no hook behind: a hint over the control afterwards runs
  // safely and shows nothing, with no active component left.
  delete Second;
  delete Hint;
  RestOnControl(10, 10, 500);
  EXPECT_FALSE(Shown(Application->HintWindow()));
}

TEST_F(SkinHintTest, TheDefaultSkinDrawsTheHint) {
  Skin = LoadDefaultSkin();
  Hint->SetSkinData(Skin.get());
  Hint->ActivateHint({50, 50}, "Convert the checked items@Ctrl+Enter");
  TspSkinHintWindow& Window = Hint->Window();
  ASSERT_TRUE(Window.IsShowing());
  EXPECT_TRUE(LooksAsInItsPicture(Window.Handle(), "hint-default-skin"));
}

TEST_F(SkinHintTest, AnAnimatedHintFadesInOnItsTimer) {
  Hint->AlphaBlend = true;
  Hint->AlphaBlendAnimation = true;
  Hint->AlphaBlendValue = 200;
  Hint->ActivateHint({50, 50}, "Fading");
  const HWND Window = Hint->Window().Handle();
  EXPECT_NE(GetWindowLong(Window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 0);
  // Ten steps of a tenth, one on each tick of the shortest timer.
  HeadlessBackend()->AdvanceClock(USER_TIMER_MINIMUM);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 20);
  HeadlessBackend()->AdvanceClock(100);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 200);
}

}  // namespace
