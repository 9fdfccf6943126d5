// The picture menu: its grid of cells, headings and buttons, where it opens, the hot
// cell under the mouse and the keys, a choice by click or key with the events in
// order, closing by a click elsewhere, the form under it keeping the activation, its
// application hook living beside other handlers, and its look without a skin and
// with the program's default skin.

#include <memory>
#include <string>
#include <vector>

#include "components/forms/SkinHint.h"
#include "components/forms/SkinPictureMenu.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/win/Capture.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/support/Pictures.h"

namespace skin_picture_menu_test {
namespace {

using skin_form_test::SkinFormTest;

// One colour per picture of the test's image list.
constexpr TColor PictureMenuColours[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua, clMaroon};

class SkinPictureMenuTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Form = NewForm(Bounds(100, 100, 400, 300));
    Images = new TImageList(Form);
    Images->SetSize(16, 16);
    for (TColor Colour : PictureMenuColours) {
      TBitmap Picture;
      Picture.SetSize(16, 16);
      Picture.Canvas().Brush().SetColor(Colour);
      Picture.Canvas().FillRect(Rect(0, 0, 16, 16));
      Images->Add(Picture, nullptr);
    }
    Menu = new TspSkinImagesMenu(Form);
    Menu->SetImages(Images);
    Menu->SetColumnsCount(3);
    for (int I = 0; I < 7; ++I) AddCell(I);
    ProcessPendingMessages();
  }
  void TearDown() override {
    delete Menu;
    Skin.reset();
    SkinFormTest::TearDown();
  }

  TspImagesMenuItem* AddCell(int AImageIndex) {
    TspImagesMenuItem* Item = Menu->ImagesItems().Add();
    Item->ImageIndex = AImageIndex;
    Item->OnClick = [this, Index = Item->Index()](TObject*) {
      Log.push_back("click " + std::to_string(Index));
    };
    return Item;
  }
  // Every event of the menu goes to Log.
  void LogMenuEvents() {
    auto Logger = [this](const std::string& AName) {
      return [this, AName](TObject*) { Log.push_back(AName); };
    };
    Menu->OnMenuPopup = Logger("popup");
    Menu->OnInternalMenuClose = Logger("internal close");
    Menu->OnMenuClose = Logger("close");
    Menu->OnItemClick = Logger("item click");
    Menu->OnInternalChange = Logger("internal change");
    Menu->OnChange = Logger("change");
  }
  TspSkinImagesMenuPopupWindow& Open(const TRect& R = TRect{150, 160, 150, 160}) {
    Menu->PopupFromRect(R);
    ProcessPendingMessages();
    return *Menu->PopupWindow();
  }
  // The screen point at the centre of cell AIndex of the open window.
  TPoint CellCentre(int AIndex) {
    const TRect& R = Menu->ImagesItems().Items(AIndex)->ItemRect;
    return Menu->PopupWindow()->ClientToScreen({(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
  }
  void Key(UINT AKey) {
    InjectKeyStroke(AKey);
    ProcessPendingMessages();
  }

  TForm* Form = nullptr;
  TImageList* Images = nullptr;
  TspSkinImagesMenu* Menu = nullptr;
  std::unique_ptr<TspSkinData> Skin;
  std::vector<std::string> Log;
};

TEST_F(SkinPictureMenuTest, SevenPicturesInThreeColumnsMakeAnEightyEightByNinetyGrid) {
  TspSkinImagesMenuPopupWindow& W = Open(TRect{50, 60, 50, 60});

  EXPECT_EQ(W.Width(), 88);
  EXPECT_EQ(W.Height(), 90);
  EXPECT_EQ(HeadlessBackend()->WindowRect(W.Handle()), (TRect{50, 60, 138, 150}));
  const TRect Expected[] = {{5, 5, 31, 31},   {31, 5, 57, 31},  {57, 5, 83, 31}, {5, 32, 31, 58},
                            {31, 32, 57, 58}, {57, 32, 83, 58}, {5, 59, 31, 85}};
  for (int I = 0; I < 7; ++I) EXPECT_EQ(Menu->ImagesItems().Items(I)->ItemRect, Expected[I]) << I;
}

TEST_F(SkinPictureMenuTest, HeadingsAndButtonsTakeRowsOfTheirOwn) {
  Menu->ImagesItems().Clear();
  AddCell(0);
  AddCell(1);
  Menu->ImagesItems().Add()->Header = true;
  TspImagesMenuItem* Button = AddCell(2);
  Button->Button = true;
  AddCell(3);
  TspSkinImagesMenuPopupWindow& W = Open();

  const TRect Expected[] = {
      {5, 5, 31, 31}, {31, 5, 57, 31}, {5, 32, 83, 58}, {5, 59, 83, 85}, {5, 86, 31, 112}};
  for (int I = 0; I < 5; ++I) EXPECT_EQ(Menu->ImagesItems().Items(I)->ItemRect, Expected[I]) << I;
  EXPECT_EQ(W.Height(), 112 - 5 + 10);
}

TEST_F(SkinPictureMenuTest, ColumnsCountTakesOneToFiftyOnly) {
  const struct { int Given, Kept; } Cases[] = {{0, 3}, {51, 3}, {-1, 3}, {50, 50}, {1, 1}};
  for (const auto& Case : Cases) {
    Menu->SetColumnsCount(3);
    Menu->SetColumnsCount(Case.Given);
    EXPECT_EQ(Menu->ColumnsCount(), Case.Kept) << Case.Given;
  }
}

TEST_F(SkinPictureMenuTest, OpensBelowItsRectangleInsideTheWorkArea) {
  const TRect WA{0, 0, 1280, 760};
  const struct {
    const char* Where;
    TRect From;
    TPoint Expected;
  } Cases[] = {
      {"below", {100, 100, 200, 120}, {100, 120}},
      {"above at the bottom", {100, 700, 200, 720}, {100, 610}},
      {"left at the right edge", {1250, 100, 1270, 120}, {1192, 120}},
      {"kept at the top left", {-20, 20, -10, 700}, {0, 0}},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(PlaceSkinImagesMenu(WA, Case.From, TSize{88, 90}), Case.Expected) << Case.Where;

  TspSkinImagesMenuPopupWindow& W = Open(TRect{1250, 700, 1270, 720});
  EXPECT_EQ(HeadlessBackend()->WindowRect(W.Handle()).TopLeft(), (TPoint{1192, 610}));
}

TEST_F(SkinPictureMenuTest, AClickOnAPictureChoosesItRunsItsEventsAndCloses) {
  LogMenuEvents();
  Menu->ItemIndex = 1;
  TspSkinImagesMenuPopupWindow& W = Open();
  const HWND Window = W.Handle();
  ASSERT_EQ(GetCapture(), Window);

  InjectClick(CellCentre(4));
  ProcessPendingMessages();

  EXPECT_EQ(Menu->ItemIndex, 4);
  EXPECT_EQ(Log, (std::vector<std::string>{"popup", "internal close", "close", "click 4", "item click",
                                           "internal change", "change"}));
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
  EXPECT_FALSE(HeadlessBackend()->IsKnown(Window));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
}

TEST_F(SkinPictureMenuTest, AClickElsewhereClosesWithoutItemEvents) {
  for (TPointerButton Button : {pbLeft, pbRight}) {
    Log.clear();
    LogMenuEvents();
    TspSkinImagesMenuPopupWindow& W = Open();
    ASSERT_TRUE(HeadlessBackend()->IsShown(W.Handle()));
    EXPECT_EQ(HeadlessBackend()->StackingOrder().front(), W.Handle());
    EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());

    InjectClick(Form->ClientToScreen({10, 10}), Button);
    ProcessPendingMessages();

    EXPECT_EQ(Log, (std::vector<std::string>{"popup", "internal close", "close"})) << Button;
    EXPECT_EQ(Menu->PopupWindow(), nullptr) << Button;
    EXPECT_EQ(Menu->ItemIndex, -1) << Button;
    EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle()) << Button;
    EXPECT_EQ(Screen->ActiveForm(), Form) << Button;
  }
}

TEST_F(SkinPictureMenuTest, TheHotPictureFollowsTheMouse) {
  TspSkinImagesMenuPopupWindow& W = Open();
  const struct {
    const char* Where;
    TPoint At;  // in the window
    int Hot;
  } Steps[] = {
      {"first cell", {10, 10}, 0},
      {"sixth cell", {70, 40}, 5},
      {"the first cell's bottom right corner", {31, 31}, 0},
      {"the frame", {2, 2}, -1},
      {"last cell", {20, 80}, 6},
      {"beside the last cell", {50, 80}, -1},
  };
  for (const auto& Step : Steps) {
    InjectPointerMove(W.ClientToScreen(Step.At));
    ProcessPendingMessages();
    EXPECT_EQ(W.MouseInItem, Step.Hot) << Step.Where;
  }
}

TEST_F(SkinPictureMenuTest, TheHotPictureGoesWhenTheMouseLeavesTheWindow) {
  TspSkinImagesMenuPopupWindow& W = Open();
  InjectPointerMove(CellCentre(2));
  ProcessPendingMessages();
  ASSERT_EQ(W.MouseInItem, 2);
  InjectPointerMove(Form->ClientToScreen({10, 10}));
  ProcessPendingMessages();
  EXPECT_EQ(W.MouseInItem, -1);
}

TEST_F(SkinPictureMenuTest, AHotPictureShowsItsHintAfterThePause) {
  auto* Hint = new TspSkinHint(Form);
  Menu->SetSkinHint(Hint);
  Menu->ImagesItems().Items(1)->Hint = "Lime";
  Open();

  InjectPointerMove(CellCentre(1));
  ProcessPendingMessages();
  EXPECT_FALSE(Hint->IsVisible());
  HeadlessBackend()->AdvanceClock(Application->HintPause);
  ProcessPendingMessages();
  EXPECT_TRUE(Hint->IsVisible());

  InjectPointerMove(CellCentre(0));
  ProcessPendingMessages();
  EXPECT_FALSE(Hint->IsVisible());
}

TEST_F(SkinPictureMenuTest, AlphaBlendShowsTheWindowAtItsOpacity) {
  Menu->AlphaBlend = true;
  Menu->AlphaBlendValue = 150;
  TspSkinImagesMenuPopupWindow& W = Open();
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(W.Handle()), 150);
}

TEST_F(SkinPictureMenuTest, AlphaBlendAnimationFadesTheWindowInOnItsTimer) {
  Menu->AlphaBlend = true;
  Menu->AlphaBlendAnimation = true;
  Menu->AlphaBlendValue = 150;
  // A tenth of the value a step, one step at each tick of the shortest timer.
  constexpr uint32_t Tick = USER_TIMER_MINIMUM;
  const HWND Window = Open().Handle();
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 0);
  HeadlessBackend()->AdvanceClock(Tick);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 10);
  HeadlessBackend()->AdvanceClock(Tick * 13);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 140);
  HeadlessBackend()->AdvanceClock(Tick);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 150);
  HeadlessBackend()->AdvanceClock(Tick * 5);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Window), 150);
  Key(VK_ESCAPE);

  // Closed half way, the window goes with its timer.
  const HWND Second = Open().Handle();
  HeadlessBackend()->AdvanceClock(Tick * 3);
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(Second), 30);
  Key(VK_ESCAPE);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
  EXPECT_FALSE(HeadlessBackend()->IsKnown(Second));
  HeadlessBackend()->AdvanceClock(Tick * 20);
  ProcessPendingMessages();
}

TEST_F(SkinPictureMenuTest, ArrowKeysMoveTheHotPictureAndTheFormDoesNotSeeThem) {
  int FormKeys = 0;
  Form->SetKeyPreview(true);
  Form->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++FormKeys; };
  TspSkinImagesMenuPopupWindow& W = Open();
  const struct {
    UINT Key;
    int Hot;
  } Steps[] = {
      {VK_UP, 6},   {VK_UP, 3},   {VK_UP, 0},    {VK_UP, 0},   {VK_RIGHT, 1}, {VK_DOWN, 4}, {VK_DOWN, 4},
      {VK_LEFT, 3}, {VK_LEFT, 2}, {VK_RIGHT, 3}, {VK_DOWN, 6}, {VK_RIGHT, 0}, {VK_LEFT, 6}, {VK_DOWN, 6},
  };
  for (size_t I = 0; I < std::size(Steps); ++I) {
    Key(Steps[I].Key);
    EXPECT_EQ(W.MouseInItem, Steps[I].Hot) << "step " << I;
  }
  EXPECT_EQ(FormKeys, 0);
  EXPECT_NE(Menu->PopupWindow(), nullptr);
}

TEST_F(SkinPictureMenuTest, KeysSkipHeadingsAndChooseTheHotPicture) {
  Menu->ImagesItems().Clear();
  Menu->ImagesItems().Add()->Header = true;
  for (int I = 0; I < 4; ++I) AddCell(I);
  LogMenuEvents();
  TspSkinImagesMenuPopupWindow& W = Open();

  Key(VK_DOWN);
  EXPECT_EQ(W.MouseInItem, 1);
  Key(VK_LEFT);
  EXPECT_EQ(W.MouseInItem, 4);
  Key(VK_RIGHT);
  EXPECT_EQ(W.MouseInItem, 1);
  Key(VK_RIGHT);
  Key(VK_RETURN);

  EXPECT_EQ(Menu->ItemIndex, 2);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
  EXPECT_EQ(Log, (std::vector<std::string>{"popup", "internal close", "close", "click 2", "item click",
                                           "internal change", "change"}));
}

TEST_F(SkinPictureMenuTest, ReturnWithoutAHotPictureRepeatsTheChoiceAndEscapeChoosesNothing) {
  Menu->ItemIndex = 2;
  LogMenuEvents();
  Open();
  Key(VK_RETURN);
  EXPECT_EQ(Log, (std::vector<std::string>{"popup", "internal close", "close", "click 2", "item click"}));

  Log.clear();
  Open();
  Key(VK_RIGHT);
  Key(VK_ESCAPE);
  EXPECT_EQ(Log, (std::vector<std::string>{"popup", "internal close", "close"}));
  EXPECT_EQ(Menu->ItemIndex, 2);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
}

TEST_F(SkinPictureMenuTest, ItsApplicationHookLivesBesideOtherHandlersAndGoesAlone) {
  // Handlers of others added before and after the menu opens see every key that the
  // menu's hook does not take; two menus open at once close in either order.
  std::vector<UINT> Before, After;
  auto Recorder = [](std::vector<UINT>& ASeen) {
    return [&ASeen](MSG& M, bool&) {
      if ((M.message == WM_KEYDOWN || M.message == WM_NULL) && M.wParam == VK_RIGHT)
        ASeen.push_back(M.message);
    };
  };
  const TMessageHookId BeforeHook = Application->OnMessage.Add(Recorder(Before));
  auto* Second = new TspSkinImagesMenu(Form);
  Second->SetImages(Images);
  Second->ImagesItems().Add()->ImageIndex = 0;
  Second->ImagesItems().Add()->ImageIndex = 1;
  Open();
  const TMessageHookId AfterHook = Application->OnMessage.Add(Recorder(After));
  Second->Popup(300, 300);
  ProcessPendingMessages();

  Menu->Hide();
  Key(VK_RIGHT);
  EXPECT_EQ(Second->PopupWindow()->MouseInItem, 0);
  EXPECT_EQ(Before, (std::vector<UINT>{WM_NULL}));
  Second->Hide();
  Key(VK_RIGHT);
  EXPECT_EQ(Before, (std::vector<UINT>{WM_NULL, WM_KEYDOWN}));
  EXPECT_EQ(After, (std::vector<UINT>{WM_NULL, WM_KEYDOWN}));
  Application->OnMessage.Remove(BeforeHook);
  Application->OnMessage.Remove(AfterHook);
}

TEST_F(SkinPictureMenuTest, AnItemMayFreeTheMenuFromItsOnClick) {
  Menu->ImagesItems().Items(3)->OnClick = [this](TObject*) {
    delete Menu;
    Menu = nullptr;
  };
  TspSkinImagesMenuPopupWindow& W = Open();
  const HWND Window = W.Handle();

  InjectClick(CellCentre(3));
  ProcessPendingMessages();

  EXPECT_EQ(Menu, nullptr);
  EXPECT_FALSE(HeadlessBackend()->IsKnown(Window));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SkinPictureMenuTest, FreeingAnOpenMenuUndoesItsHookAndCaptureWithoutEvents) {
  LogMenuEvents();
  Open();
  std::vector<UINT> Seen;
  const TMessageHookId Hook = Application->OnMessage.Add([&](MSG& M, bool&) {
    if (M.message == WM_KEYDOWN) Seen.push_back(M.message);
  });
  delete Menu;
  Menu = nullptr;
  Key(VK_RIGHT);

  EXPECT_EQ(Log, (std::vector<std::string>{"popup"}));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Seen, (std::vector<UINT>{WM_KEYDOWN}));
  Application->OnMessage.Remove(Hook);
}

TEST_F(SkinPictureMenuTest, NothingOpensWithoutPictures) {
  LogMenuEvents();
  Images->Clear();
  Menu->Popup(10, 10);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
  Menu->SetImages(nullptr);
  Menu->Popup(10, 10);
  EXPECT_EQ(Menu->PopupWindow(), nullptr);
  EXPECT_EQ(Log, (std::vector<std::string>{"popup", "popup"}));
}

// A heading, the seven pictures with the second chosen and the fifth under the mouse,
// and a button with a caption.
class SkinPictureMenuLookTest : public SkinPictureMenuTest {
 protected:
  void ShowSample() {
    Menu->ImagesItems().Clear();
    Menu->ImagesItems().Add()->Caption = "Colours";
    Menu->ImagesItems().Items(0)->Header = true;
    for (int I = 0; I < 7; ++I) AddCell(I);
    TspImagesMenuItem* More = AddCell(2);
    More->Button = true;
    More->Caption = "More";
    Menu->ItemIndex = 2;
    Open();
    InjectPointerMove(CellCentre(5));
    ProcessPendingMessages();
  }
};

TEST_F(SkinPictureMenuLookTest, WithoutASkin) {
  ShowSample();
  EXPECT_TRUE(LooksAsInItsPicture(Menu->PopupWindow()->Handle(), "picture-menu-built-in"));
}

TEST_F(SkinPictureMenuLookTest, WithTheDefaultSkin) {
  Skin = skin_form_test::LoadDefaultSkin();
  Menu->SetSkinData(Skin.get());
  ShowSample();
  ASSERT_TRUE(Menu->PopupWindow()->FSkinSupport);
  EXPECT_TRUE(LooksAsInItsPicture(Menu->PopupWindow()->Handle(), "picture-menu-default-skin"));
}

}  // namespace
}  // namespace skin_picture_menu_test
