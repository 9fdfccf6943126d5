// One level of a skinned popup menu: its size in the built-in look, the look of a small
// test skin and the program's default skin, where it opens, cutting a long menu to the
// work area with scroll strips and scrolling it, its pictures, the keys, the fade, the
// skin's shape, and the form under it keeping the activation.

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Actions.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ShortCuts.h"
#include "platform/win/Cursors.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/support/Pictures.h"

namespace skin_popup_window_test {
namespace {

using skin_form_test::SkinFormTest;

// The headless monitor: 1280 x 800 with a 40-pixel panel at the bottom.
constexpr TRect PopupTestWorkArea{0, 0, 1280, 760};

// The test skin's popup picture is 40 x 30 with the items area (4, 5, 34, 26); its item
// picture 60 x 24: the normal look (0, 0, 60, 18) with the text at (6, 0, 50, 18), and
// the divider (0, 18, 60, 24).
constexpr TRect FixtureItemsRect{4, 5, 34, 26};

class SkinPopupWindowTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Root = std::make_unique<TMenuItem>(nullptr);
  }
  void TearDown() override {
    Popup.reset();
    Root.reset();
    SkinFormTest::TearDown();
  }

  TMenuItem* AddMenuItem(const String& ACaption) {
    auto* Item = new TMenuItem(nullptr);
    Item->SetCaption(ACaption);
    Root->Add(Item);
    return Item;
  }
  // "Open" with its shortcut, a separator and "Close": in Arial 14, "Open  Ctrl+O" is
  // the widest text.
  void AddThreeItems() {
    AddMenuItem("Open")->SetShortCut(TextToShortCut("Ctrl+O"));
    AddMenuItem("-");
    AddMenuItem("Close");
  }
  TspSkinPopupWindow& ShowAt(const TRect& AAnchor, TspPopupDirection ADirection = pdDown,
                             TspDataSkinPopupWindow* AData = nullptr) {
    Popup = std::make_unique<TspSkinPopupWindow>(nullptr, AData, Menu);
    Popup->Show(AAnchor, Root.get(), 0, ADirection);
    return *Popup;
  }
  // The width of AText in the menu's default item font, as the window measures it.
  int TextWidth(const String& AText) {
    TBitmap Measure;
    Measure.SetSize(1, 1);
    Measure.Canvas().Font().Assign(Menu.FDefaultMenuItemFont);
    return WideTextWidth(Measure.Canvas(), AText);
  }

  TspSkinMenu Menu{nullptr};
  std::unique_ptr<TMenuItem> Root;
  std::unique_ptr<TspSkinPopupWindow> Popup;
};

TEST_F(SkinPopupWindowTest, BuiltInLookFitsItsItemsInsideAThreePixelFrame) {
  AddThreeItems();
  AddMenuItem("Hidden")->SetVisible(false);
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});

  // The widest text + 2, the 16-pixel image column, 16 of gaps and 10 of frame.
  EXPECT_EQ(W.Width(), TextWidth("Open  Ctrl+O") + 2 + 16 + 16 + 10);
  EXPECT_EQ(W.Height(), 20 + 4 + 20 + 6);
  ASSERT_EQ(W.ItemCount(), 3);
  EXPECT_EQ(W.Item(0).ObjectRect, (TRect{3, 3, W.Width() - 3, 23}));
  EXPECT_EQ(W.Item(1).ObjectRect, (TRect{3, 23, W.Width() - 3, 27}));
  EXPECT_EQ(W.Item(2).ObjectRect, (TRect{3, 27, W.Width() - 3, 47}));
  EXPECT_EQ(W.VisibleCount, 3);
  EXPECT_FALSE(W.Scroll);
  EXPECT_EQ((TPoint{W.Left(), W.Top()}), (TPoint{100, 50}));
  EXPECT_EQ(W.ActiveItem, 0);
  EXPECT_TRUE(W.Item(0).WaitCommand);
  EXPECT_TRUE(W.Item(0).Active);
}

TEST_F(SkinPopupWindowTest, FixtureSkinSizesFromItsPictureMargins) {
  std::unique_ptr<TspSkinData> Skin = skin_form_test::MakeFixtureSkin();
  auto PopupPicture = std::make_unique<TBitmap>();
  PopupPicture->SetSize(40, 30);
  auto ItemPicture = std::make_unique<TBitmap>();
  ItemPicture->SetSize(60, 24);
  TspSkinEditor(*Skin).AddPicture(std::move(PopupPicture));
  TspSkinEditor(*Skin).AddPicture(std::move(ItemPicture));
  const int PictureCount = Skin->PictureCount();
  TspDataSkinPopupWindow Data;
  Data.WindowPictureIndex = PictureCount - 2;
  Data.MaskPictureIndex = -1;
  Data.ItemsRect = FixtureItemsRect;
  auto Record = std::make_unique<TspDataSkinMenuItem>("MENUITEM");
  Record->ActivePictureIndex = PictureCount - 1;
  Record->SkinRect = TRect{0, 0, 60, 18};
  Record->ActiveSkinRect = TRect{0, 0, 60, 18};
  Record->DividerRect = TRect{0, 18, 60, 24};
  Record->TextRct = TRect{6, 0, 50, 18};
  Record->FontName = "Arial";
  Record->FontHeight = 14;
  TspSkinEditor(*Skin).AddObject(std::move(Record));
  Menu.SkinData = Skin.get();
  AddThreeItems();

  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50}, pdDown, &Data);
  ASSERT_EQ(W.PW, &Data);
  EXPECT_NE(W.DSMI, nullptr);
  // Text column, the item's own margins (6 and 10), the picture's (4 and 6).
  EXPECT_EQ(W.Width(), TextWidth("Open  Ctrl+O") + 2 + 16 + 16 + 6 + 10 + 4 + 6);
  // The items (18, 6, 18) and the picture's margins (5 and 4).
  EXPECT_EQ(W.Height(), 18 + 6 + 18 + 5 + 4);
  EXPECT_EQ(W.NewItemsRect, (TRect{4, 5, W.Width() - 6, W.Height() - 4}));
  EXPECT_EQ(W.Item(2).ObjectRect, (TRect{4, 29, W.Width() - 6, 47}));

  // A record naming no picture gives the built-in look.
  Data.WindowPictureIndex = PictureCount;
  EXPECT_EQ(ShowAt(TRect{100, 50, 100, 50}, pdDown, &Data).PW, nullptr);
  EXPECT_EQ(Popup->Height(), 20 + 4 + 20 + 6);
}

TEST_F(SkinPopupWindowTest, DefaultSkinItemsFillItsItemsArea) {
  std::unique_ptr<TspSkinData> Skin = skin_form_test::LoadDefaultSkin();
  Menu.SkinData = Skin.get();
  AddThreeItems();
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50}, pdDown, Skin->PopupWindow.get());
  ASSERT_NE(W.PW, nullptr);
  ASSERT_NE(W.DSMI, nullptr);
  const TspDataSkinMenuItem& MI = *W.DSMI;
  const int ItemHeight = RectangleHeight(MI.SkinRect);
  EXPECT_EQ(W.Item(0).ObjectRect.Top, W.NewItemsRect.Top);
  EXPECT_EQ(W.Item(2).ObjectRect.Bottom, W.NewItemsRect.Bottom);
  EXPECT_EQ(W.NewItemsRect.Height(), 2 * ItemHeight + RectangleHeight(MI.DividerRect));
  // The item's text area holds the widest text, the image column and the gaps.
  const int TextArea =
      W.NewItemsRect.Width() - MI.TextRct.Left - (RectangleWidth(MI.SkinRect) - MI.TextRct.Right);
  TBitmap Measure;
  Measure.SetSize(1, 1);
  Measure.Canvas().Font().Assign(Menu.FDefaultMenuItemFont);
  Measure.Canvas().Font().SetName(MI.FontName);
  Measure.Canvas().Font().SetHeight(MI.FontHeight);
  Measure.Canvas().Font().SetStyle(MI.FontStyle);
  EXPECT_EQ(TextArea, WideTextWidth(Measure.Canvas(), "Open  Ctrl+O") + 2 + 16 + 16);
}

TEST_F(SkinPopupWindowTest, OpensInsideTheWorkArea) {
  AddThreeItems();
  TspSkinPopupWindow& AtEdge = ShowAt(TRect{1270, 100, 1270, 100});
  EXPECT_EQ(AtEdge.Left() + AtEdge.Width(), PopupTestWorkArea.Right);
  EXPECT_EQ(AtEdge.Top(), 100);

  // A sub-menu of an item in the lower half that does not fit below opens upward, its
  // last item level with the parent item.
  TspSkinPopupWindow& Sub = ShowAt(TRect{200, 740, 300, 760}, pdByItem);
  EXPECT_EQ(Sub.Top() + Sub.Item(2).ObjectRect.Bottom, 760);
  EXPECT_EQ(Sub.Left(), 301);
  EXPECT_EQ(HeadlessBackend()->WindowRect(Sub.Handle()).TopLeft(), (TPoint{Sub.ShowX, Sub.ShowY}));
}

TEST_F(SkinPopupWindowTest, ALongMenuIsCutToTheWorkAreaWithScrollStrips) {
  constexpr int ItemCount = 60;
  for (int I = 0; I < ItemCount; ++I) AddMenuItem("Item " + IntToStr(I));
  TspSkinPopupWindow& W = ShowAt(TRect{500, 300, 560, 320});

  EXPECT_TRUE(W.Scroll);
  EXPECT_EQ(W.Height(), PopupTestWorkArea.Height());
  EXPECT_EQ(W.Top(), PopupTestWorkArea.Top);
  EXPECT_EQ(W.Left(), 561);
  // 3 of frame and 10 of strip at each end leave 734 pixels: 36 items of 20.
  EXPECT_EQ(W.VisibleCount, 36);
  EXPECT_EQ(W.Item(0).ObjectRect.Top, 13);
  EXPECT_TRUE(W.Item(35).FVisible);
  EXPECT_FALSE(W.Item(36).FVisible);
  EXPECT_FALSE(W.Item(ItemCount - 1).FVisible);
}

TEST_F(SkinPopupWindowTest, TheFormKeepsTheActivation) {
  TForm* Form = NewForm(TRect{100, 100, 500, 400});
  ASSERT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
  AddThreeItems();
  TspSkinPopupWindow& W = ShowAt(TRect{150, 150, 150, 150});

  EXPECT_TRUE(HeadlessBackend()->IsShown(W.Handle()));
  EXPECT_EQ(HeadlessBackend()->StackingOrder().front(), W.Handle());
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
  EXPECT_EQ(SendMessage(W.Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(Form->Handle()), 0),
            MA_NOACTIVATE);
  EXPECT_NE(HeadlessBackend()->ExStyle(W.Handle()) & WS_EX_TOPMOST, 0u);

  W.Hide();
  EXPECT_FALSE(HeadlessBackend()->IsShown(W.Handle()));
  EXPECT_EQ(HeadlessBackend()->ActiveWindow(), Form->Handle());
}

TEST_F(SkinPopupWindowTest, TheHighlightedItemFollowsTheMouse) {
  AddThreeItems();
  AddMenuItem("Locked")->SetEnabled(false);
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
  // Client rows: "Open" 3..23, the separator 23..27, "Close" 27..47, "Locked" 47..67.
  struct TStep {
    const char* Where;
    TPoint Client;
    int ActiveItem;
    std::vector<bool> Active;
  };
  const TStep Steps[] = {{"on Open, as opened", {20, 10}, 0, {true, false, false, false}},
                         {"on Close", {20, 30}, 2, {false, false, true, false}},
                         {"on the separator", {20, 24}, 1, {false, false, false, false}},
                         {"off the window", {-30, 30}, 1, {false, false, false, false}},
                         {"on the frame", {1, 1}, 1, {false, false, false, false}},
                         {"on the disabled item", {20, 50}, 3, {false, false, false, false}},
                         {"back on Open", {20, 5}, 0, {true, false, false, false}}};
  for (const TStep& Step : Steps) {
    SetCursorPos(W.Left() + Step.Client.X, W.Top() + Step.Client.Y);
    HeadlessBackend()->AdvanceClock(50);
    EXPECT_EQ(W.ActiveItem, Step.ActiveItem) << Step.Where;
    for (int I = 0; I < W.ItemCount(); ++I)
      EXPECT_EQ(W.Item(I).Active, Step.Active[I]) << Step.Where << " " << I;
  }
  EXPECT_FALSE(W.Item(0).WaitCommand);

  W.Hide();
  SetCursorPos(W.Left() + 20, W.Top() + 30);
  HeadlessBackend()->AdvanceClock(50);
  EXPECT_EQ(W.ActiveItem, 0);
}

TEST_F(SkinPopupWindowTest, ArrowsMoveTheHighlightOverWhatCanBeChosen) {
  AddMenuItem("Open");
  AddMenuItem("-");
  AddMenuItem("Close");
  AddMenuItem("Locked")->SetEnabled(false);
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
  struct TStep {
    UINT Key;
    int ActiveItem;
  };
  // Down stops at the last item that can be chosen; Up from the first starts again at
  // the end.
  const TStep Steps[] = {{VK_DOWN, 2}, {VK_DOWN, 2}, {VK_UP, 0}, {VK_UP, 2}, {VK_HOME, 2}};
  ASSERT_EQ(W.ActiveItem, 0);
  for (const TStep& Step : Steps) {
    W.PopupKeyDown(WORD(Step.Key));
    EXPECT_EQ(W.ActiveItem, Step.ActiveItem) << "key " << Step.Key;
    for (int I = 0; I < W.ItemCount(); ++I) EXPECT_EQ(W.Item(I).Active, I == Step.ActiveItem) << I;
  }
}

TEST_F(SkinPopupWindowTest, ATallMenuScrollsWhileTheMouseRestsOnAStrip) {
  constexpr int ItemCount = 60;
  for (int I = 0; I < ItemCount; ++I) AddMenuItem("Item " + IntToStr(I));
  TspSkinPopupWindow& W = ShowAt(TRect{500, 300, 560, 320});
  ASSERT_TRUE(W.Scroll);
  ASSERT_EQ(W.VisibleCount, 36);

  // The bottom strip (3 of frame, then 10 pixels) scrolls one item every 100 ms.
  SetCursorPos(W.Left() + 20, W.Top() + W.Height() - 8);
  HeadlessBackend()->AdvanceClock(50);
  EXPECT_EQ(W.ScrollCode, 2);
  HeadlessBackend()->AdvanceClock(99);
  EXPECT_EQ(W.VisibleStartIndex, 0);
  HeadlessBackend()->AdvanceClock(201);
  EXPECT_EQ(W.VisibleStartIndex, 3);
  EXPECT_FALSE(W.Item(2).FVisible);
  EXPECT_EQ(W.Item(3).ObjectRect.Top, 13);
  // Off the strip the scrolling stops.
  SetCursorPos(W.Left() + 20, W.Top() + 100);
  HeadlessBackend()->AdvanceClock(300);
  EXPECT_EQ(W.ScrollCode, 0);
  EXPECT_EQ(W.VisibleStartIndex, 3);

  // By keys the view wraps: Up on the first item shows the end of the list, Down on the
  // last shows its start again.
  SetCursorPos(0, 0);
  TspSkinPopupWindow& K = ShowAt(TRect{500, 300, 560, 320});
  ASSERT_EQ(K.ActiveItem, 0);
  K.PopupKeyDown(WORD(VK_UP));
  EXPECT_EQ(K.ActiveItem, ItemCount - 1);
  EXPECT_EQ(K.VisibleStartIndex, ItemCount - 36);
  EXPECT_TRUE(K.Item(ItemCount - 1).FVisible);
  K.PopupKeyDown(WORD(VK_DOWN));
  EXPECT_EQ(K.ActiveItem, 0);
  EXPECT_EQ(K.VisibleStartIndex, 0);
}

TEST_F(SkinPopupWindowTest, TheMenusItemLimitMakesTheWindowScroll) {
  for (int I = 0; I < 30; ++I) AddMenuItem("Item " + IntToStr(I));
  Menu.MaxMenuItemsInWindow = 10;
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
  EXPECT_TRUE(W.Scroll);
  EXPECT_TRUE(W.Scroll2);
  // Ten items, two strips, the frame; placed below its anchor as any menu.
  EXPECT_EQ(W.Height(), 10 * 20 + 20 + 6);
  EXPECT_EQ(W.VisibleCount, 10);
  EXPECT_EQ((TPoint{W.Left(), W.Top()}), (TPoint{100, 50}));
}

// The built-in look: the glyph column, the frame, the highlighted second item, a
// separator, a check mark, a disabled item and a sub-menu arrow.
TEST_F(SkinPopupWindowTest, BuiltInLookMatchesItsPicture) {
  AddMenuItem("Open")->SetShortCut(TextToShortCut("Ctrl+O"));
  AddMenuItem("Save");
  AddMenuItem("-");
  AddMenuItem("Wrap")->SetChecked(true);
  AddMenuItem("Locked")->SetEnabled(false);
  AddMenuItem("More")->Add(new TMenuItem(nullptr));
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
  W.PopupKeyDown(WORD(VK_DOWN));
  ProcessPendingMessages();
  EXPECT_TRUE(testing_support::MatchesReferencePicture(
      WindowPicture(W.Handle()), "tests/components/forms/pictures/popup-window-built-in.png",
      {.Channel = 2}));
}

// The default skin's popup with more items than the menu allows: the rounded window,
// its items and the two scroll strips.
TEST_F(SkinPopupWindowTest, DefaultSkinScrollingMenuMatchesItsPicture) {
  std::unique_ptr<TspSkinData> Skin = skin_form_test::LoadDefaultSkin();
  Menu.SkinData = Skin.get();
  Menu.MaxMenuItemsInWindow = 4;
  for (int I = 0; I < 6; ++I) AddMenuItem("Item " + IntToStr(I));
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50}, pdDown, Skin->PopupWindow.get());
  ProcessPendingMessages();
  EXPECT_TRUE(testing_support::MatchesReferencePicture(
      WindowPicture(W.Handle()), "tests/components/forms/pictures/popup-window-default-skin.png",
      {.Channel = 2}));
  // The skin's rounded mask cuts the corners off the window at its own size.
  const std::optional<TRegion> Shape = HeadlessBackend()->Region(W.Handle());
  ASSERT_TRUE(Shape.has_value());
  EXPECT_FALSE(Shape->Contains(TPoint{0, 0}));
  EXPECT_FALSE(Shape->Contains(TPoint{W.Width() - 1, W.Height() - 1}));
  EXPECT_TRUE(Shape->Contains(TPoint{W.Width() / 2, W.Height() / 2}));
  EXPECT_TRUE(Shape->Contains(TPoint{W.Width() / 2, W.Height() - 1}));
}

TEST_F(SkinPopupWindowTest, TheFirstWindowOfAChainFadesInStepByStep) {
  AddThreeItems();
  Menu.AlphaBlend = true;
  Menu.AlphaBlendAnimation = true;
  struct TFade {
    uint8_t Value;
    int Steps;
    int Step;
  };
  // A fifteenth of the value a step (at least 1), one step at each tick of the shortest
  // timer.
  constexpr uint32_t Tick = USER_TIMER_MINIMUM;
  for (const TFade Fade : {TFade{200, 16, 13}, TFade{10, 10, 1}}) {
    Menu.AlphaBlendValue = Fade.Value;
    Menu.FFirst = true;
    TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
    EXPECT_EQ(HeadlessBackend()->ConstantAlpha(W.Handle()), 0);
    HeadlessBackend()->AdvanceClock(Tick);
    EXPECT_EQ(HeadlessBackend()->ConstantAlpha(W.Handle()), Fade.Step);
    HeadlessBackend()->AdvanceClock(Tick * (Fade.Steps - 2));
    EXPECT_LT(HeadlessBackend()->ConstantAlpha(W.Handle()), Fade.Value);
    HeadlessBackend()->AdvanceClock(Tick);
    EXPECT_EQ(HeadlessBackend()->ConstantAlpha(W.Handle()), Fade.Value);
  }
  // A window opened while the chain is open shows at once.
  Menu.FFirst = false;
  EXPECT_EQ(HeadlessBackend()->ConstantAlpha(ShowAt(TRect{100, 50, 100, 50}).Handle()), 10);
}

TEST_F(SkinPopupWindowTest, ItemsTakeTheirActionsStateWhenShown) {
  TCustomAction Action(nullptr);
  Action.SetCaption("Paste");
  Action.OnUpdate = [&](TObject*) { Action.SetEnabled(false); };
  AddMenuItem("Paste")->SetAction(&Action);
  AddMenuItem("Close");
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
  EXPECT_FALSE(W.Item(0).MenuItem->Enabled());
  EXPECT_EQ(W.ActiveItem, 1);
  Root->Items(0)->SetAction(nullptr);
}

// Return runs the highlighted item; left by the mouse on a separator it runs nothing,
// as a click there does not.
TEST_F(SkinPopupWindowTest, ReturnRunsTheHighlightedItemButNeverASeparator) {
  AddThreeItems();
  int OpenClicks = 0;
  int SeparatorClicks = 0;
  Root->Items(0)->OnClick = [&](TObject*) { ++OpenClicks; };
  Root->Items(1)->OnClick = [&](TObject*) { ++SeparatorClicks; };
  TspSkinPopupWindow& W = ShowAt(TRect{100, 50, 100, 50});
  SetCursorPos(W.Left() + 20, W.Top() + 24);
  HeadlessBackend()->AdvanceClock(50);
  ASSERT_EQ(W.ActiveItem, 1);
  W.PopupKeyDown(WORD(VK_RETURN));
  EXPECT_EQ(SeparatorClicks, 0);
  SetCursorPos(W.Left() + 20, W.Top() + 10);
  HeadlessBackend()->AdvanceClock(50);
  W.PopupKeyDown(WORD(VK_RETURN));
  EXPECT_EQ(OpenClicks, 1);
}

}  // namespace
}  // namespace skin_popup_window_test
