// The skinned page control: the display rectangle it reports from the skin, pages
// switched by the pointer and the keys, tabs drawn from a skin built here and in the
// built-in look, close buttons, the skinned up-down in the tab row, and the paint
// request it answers without painting.

#include <gtest/gtest.h>

#include "components/controls/SkinTabs.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/native/TabControlMessages.h"
#include "platform/ui/native/UpDownMessages.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

constexpr TColor TabsFrame = RGB(0, 0, 255);
constexpr TColor TabsPage = RGB(255, 255, 255);
constexpr TColor TabsNormal = RGB(0, 160, 0);
constexpr TColor TabsActive = RGB(255, 0, 0);
constexpr TColor TabsTop = RGB(255, 255, 0);

class SkinTabsTest : public SkinControlsTest {
 protected:
  // A picture 100 × 100: rows 0-59 the page control's frame, 100 × 60, blue with the
  // white client (4, 24, 96, 56); rows 60-79 the normal tab, 40 × 20, green with a
  // yellow top row; rows 80-99 the selected tab, red with a yellow top row.
  TspDataSkinTabControl& AddTabElement() {
    const int Picture = AddPicture(100, 100, [](int X, int Y) {
      if (Y < 60) return X >= 4 && X < 96 && Y >= 24 && Y < 56 ? TabsPage : TabsFrame;
      if (Y == 60 || Y == 80) return TabsTop;
      if (X >= 40) return TabsFrame;
      return Y < 80 ? TabsNormal : TabsActive;
    });
    auto& Element = AddElement<TspDataSkinTabControl>("tab");
    Element.PictureIndex = Picture;
    Element.MaskPictureIndex = -1;
    Element.SkinRect = Rect(0, 0, 100, 60);
    Element.ClRect = Rect(4, 24, 96, 56);
    Element.LTPoint = {4, 24};
    Element.RTPoint = {96, 24};
    Element.LBPoint = {4, 56};
    Element.RBPoint = {96, 56};
    Element.TabRect = Rect(0, 60, 40, 80);
    Element.ActiveTabRect = Rect(0, 80, 40, 100);
    Element.TabLeftOffset = 2;
    Element.TabRightOffset = 2;
    Element.BGPictureIndex = -1;
    Element.FontColor = clBlack;
    return Element;
  }

  TspSkinPageControl* NewPageControl(int APages, int AWidth = 200, int AHeight = 150) {
    auto* Control = new TspSkinPageControl(&Host());
    Control->SetParent(&Host());
    for (int I = 0; I < APages; ++I) {
      auto* Page = new TspSkinTabSheet(&Host());
      Page->SetPageControl(Control);
      Page->SetCaption("Page " + IntToStr(I));
    }
    // The tab row's scroller follows the size.
    Control->SetBounds(0, 0, AWidth, AHeight);
    return Control;
  }
  // Eight pages in the default skin on a 300-pixel control, too many for one row, shown.
  TspSkinPageControl* ShowDefaultSkinOverflowingRow() {
    Host().SetBounds(100, 100, 320, 160);
    auto* Control = NewPageControl(8, 300, 140);
    Control->SetSkinData(&SkinNew());
    ShowHost();
    Pump();
    return Control;
  }
  TPoint OnHost(const TPoint& APoint) { return {100 + APoint.X, 100 + APoint.Y}; }
  TRect TabRectOf(TspSkinPageControl& AControl, int ATab) {
    TRect Result;
    AControl.Perform(TCM_GETITEMRECT, static_cast<WPARAM>(ATab), reinterpret_cast<LPARAM>(&Result));
    return Result;
  }
  void ClickAt(const TPoint& APoint) {
    InjectPointerMove(OnHost(APoint));
    InjectPointerPress(OnHost(APoint));
    InjectPointerRelease(OnHost(APoint));
    Pump();
  }
  TPoint CentreOf(const TRect& ARect) {
    return {(ARect.Left + ARect.Right) / 2, (ARect.Top + ARect.Bottom) / 2};
  }
};

TEST_F(SkinTabsTest, TheDisplayRectangleLiesInsideTheSkinsClientMargins) {
  AddTabElement();
  auto* Control = NewPageControl(3);
  Control->SetSkinData(&Skin());
  ShowHost();
  // The stand-in puts the pages 26 below the top for 20-pixel tabs: 24 + 26 - 6 = 44.
  EXPECT_EQ(Control->DisplayRect(), Rect(4, 44, 200 - 4, 150 - 4));
  EXPECT_EQ(Control->Pages(0)->BoundsRect(), Rect(4, 44, 196, 146));
}

TEST_F(SkinTabsTest, TabsAreDrawnFromTheSkinAtTheTopAndUpsideDownAtTheBottom) {
  AddTabElement();
  auto* Control = NewPageControl(3);
  Control->SetSkinData(&Skin());
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {
      {TabsFrame, 'b'}, {TabsPage, '.'}, {TabsNormal, 'g'}, {TabsActive, 'r'}, {TabsTop, 'y'}};
  // The selected tab in its own picture, the others green; the strip beyond the tabs
  // tiled with the client picture; then the frame.
  const int Seam = TabRectOf(*Control, 0).Right;
  const int End = TabRectOf(*Control, 2).Right;
  EXPECT_EQ(HostPicture(Rect(Seam - 2, 0, Seam + 2, 1), Legend), "yyyy\n");
  EXPECT_EQ(HostPicture(Rect(Seam - 2, 2, Seam + 2, 3), Legend), "rrgg\n");
  EXPECT_EQ(HostPicture(Rect(End - 2, 2, End + 2, 3), Legend), "gg..\n");
  EXPECT_EQ(HostPicture(Rect(Seam + 5, 19, Seam + 6, 21), Legend), "g\nb\n");

  Control->SetTabPosition(tpBottom);
  Pump();
  const TRect Selected = TabRectOf(*Control, 0);
  const TRect Other = TabRectOf(*Control, 1);
  // Mirrored: the yellow row is the tab's last.
  EXPECT_EQ(HostPicture(Rect(Other.Left + 3, Other.Bottom - 2, Other.Left + 4, Other.Bottom), Legend),
            "g\ny\n");
  EXPECT_EQ(
      HostPicture(Rect(Selected.Left + 3, Selected.Bottom - 2, Selected.Left + 4, Selected.Bottom), Legend),
      "r\ny\n");
}

TEST_F(SkinTabsTest, LeftTabsAreTheTopPictureTurnedCounterClockwise) {
  AddTabElement();
  auto* Control = NewPageControl(2);
  Control->SetSkinData(&Skin());
  Control->SetTabPosition(tpLeft);
  ShowHost();
  const TRect Tab = TabRectOf(*Control, 1);
  ASSERT_GT(Tab.Width(), 2);
  // The top row of the picture becomes the left column.
  const std::vector<std::pair<TColor, char>> Legend = {{TabsNormal, 'g'}, {TabsTop, 'y'}};
  const int Y = (Tab.Top + Tab.Bottom) / 2 + 8;
  EXPECT_EQ(HostPicture(Rect(Tab.Left, Y, Tab.Left + 3, Y + 1), Legend), "ygg\n");
}

TEST_F(SkinTabsTest, RightTabsAreTheTopPictureTurnedClockwiseBesideTheBorder) {
  AddTabElement();
  auto* Control = NewPageControl(3);
  Control->SetSkinData(&Skin());
  Control->SetTabPosition(tpRight);
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {
      {TabsNormal, 'g'}, {TabsActive, 'r'}, {TabsTop, 'y'}, {TabsFrame, 'b'}, {TabsPage, '.'}};
  // The top row of the picture becomes the right column, for the selected tab too.
  for (int I = 0; I < 3; ++I) {
    const TRect Tab = TabRectOf(*Control, I);
    ASSERT_GT(Tab.Width(), 3);
    const int Y = (Tab.Top + Tab.Bottom) / 2 + 12;
    EXPECT_EQ(HostPicture(Rect(Tab.Right - 3, Y, Tab.Right, Y + 1), Legend), I == 0 ? "rry\n" : "ggy\n") << I;
  }
  // The pages lie inside the border, which runs along the left edge of the tabs.
  const TRect Pages = Control->DisplayRect();
  const TRect First = TabRectOf(*Control, 0);
  EXPECT_EQ(Pages.Left, 4);
  EXPECT_EQ(Pages.Top, 24);
  EXPECT_EQ(HostPicture(Rect(Pages.Right, 60, Pages.Right + 4, 61), Legend), "bbbb\n");
  EXPECT_LE(Pages.Right + 4, First.Left + 1);
}

// A selected tab taller than the others (20 against 16) reaches over the border toward
// its page: on the right it is moved left by the difference.
TEST_F(SkinTabsTest, ATallerSelectedRightTabReachesOverTheBorder) {
  auto& Element = AddTabElement();
  Element.TabRect = Rect(0, 60, 40, 76);
  auto* Control = NewPageControl(3);
  Control->SetSkinData(&Skin());
  Control->SetTabPosition(tpRight);
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {{TabsNormal, 'g'}, {TabsActive, 'r'}, {TabsTop, 'y'}};
  const TRect Selected = TabRectOf(*Control, 0);
  const TRect Other = TabRectOf(*Control, 1);
  ASSERT_EQ(Selected.Width(), 16);
  // Near the tabs' ends, clear of the captions.
  const int Y = Selected.Top + 2;
  EXPECT_EQ(HostPicture(Rect(Selected.Left - 4, Y, Selected.Right, Y + 1), Legend),
            std::string(19, 'r') + "y\n");
  const int Z = Other.Top + 2;
  EXPECT_EQ(HostPicture(Rect(Other.Left, Z, Other.Right, Z + 1), Legend), std::string(15, 'g') + "y\n");
  EXPECT_NE(HostPicture(Rect(Other.Left - 1, Z, Other.Left, Z + 1), Legend), "g\n");
}

TEST_F(SkinTabsTest, ARightTabsCloseButtonIsTurnedWithItAndClosesItsPage) {
  auto* Control = NewPageControl(3);
  Control->SetTabPosition(tpRight);
  Control->SetShowCloseButtons(true);
  ShowHost();
  const TRect Tab = TabRectOf(*Control, 1);
  TRect Button = static_cast<TspSkinTabSheet*>(Control->Pages(1))->ButtonRect;
  OffsetRect(Button, Tab.Left, Tab.Top);
  // Drawn as a top tab and turned clockwise: the button at the tab's far end is now at
  // its bottom, square, and the black cross lies inside it.
  EXPECT_EQ(Button.Width(), 14);
  EXPECT_EQ(Button.Height(), 14);
  EXPECT_GT(Button.Top, (Tab.Top + Tab.Bottom) / 2);
  int Cross = 0;
  for (int X = Button.Left; X < Button.Right; ++X)
    for (int Y = Button.Top; Y < Button.Bottom; ++Y) Cross += HostPixel(X, Y) == ColorToRGB(clBlack);
  EXPECT_GT(Cross, 6);
  ClickAt(CentreOf(Button));
  EXPECT_FALSE(Control->Pages(1)->TabVisible());
}

// The focused control shows its selected tab in the focus picture with a dotted
// rectangle inset by the focus offsets; without focus the selected picture, no dots.
TEST_F(SkinTabsTest, TheFocusedSelectedTabShowsTheFocusPictureAndTheDottedRectangle) {
  auto& Element = AddTabElement();
  Element.FocusTabRect = Rect(40, 80, 80, 100);
  Element.ShowFocus = true;
  Element.FocusOffsetX = 3;
  Element.FocusOffsetY = 3;
  Element.FocusFontColor = clBlack;
  Element.ActiveFontColor = clBlack;
  auto* Control = NewPageControl(3);
  Control->SetSkinData(&Skin());
  ShowHost();
  const TRect Tab = TabRectOf(*Control, 0);
  const std::vector<std::pair<TColor, char>> Legend = {
      {TabsActive, 'r'}, {TabsFrame, 'b'}, {clBlack, 'x'}, {TabsTop, 'y'}};
  const TRect Dots = Rect(Tab.Left + 3, Tab.Top + 3, Tab.Left + 9, Tab.Top + 4);
  EXPECT_EQ(HostPicture(Dots, Legend), "rrrrrr\n");
  Control->SetFocus();
  Pump();
  EXPECT_EQ(HostPicture(Rect(Tab.Left + 1, Tab.Top + 1, Tab.Left + 2, Tab.Top + 3), Legend), "b\nb\n");
  EXPECT_EQ(HostPicture(Dots, Legend), "xbxbxb\n");
}

TEST_F(SkinTabsTest, WithoutSkinTheFocusedSelectedTabIsFilledDarker) {
  auto* Control = NewPageControl(3);
  ShowHost();
  Control->SetFocus();
  Pump();
  const TRect Selected = TabRectOf(*Control, 0);
  EXPECT_EQ(HostPixel(Selected.Left, Selected.Top + 5), RGB(0, 0, 128));
  EXPECT_EQ(HostPixel(Selected.Left + 3, Selected.Top + 2), RGB(133, 147, 181));
}

TEST_F(SkinTabsTest, WithoutSkinTheSelectedTabIsFramedNavyAndTheHotTabIsGreyBlue) {
  auto* Control = NewPageControl(3);
  ShowHost();
  const TRect Selected = TabRectOf(*Control, 0);
  EXPECT_EQ(HostPixel(Selected.Left, Selected.Top + 5), RGB(0, 0, 128));
  EXPECT_EQ(HostPixel(Selected.Left + 3, Selected.Top + 2), RGB(182, 189, 210));
  const TRect Other = TabRectOf(*Control, 2);
  InjectPointerMove(OnHost({Other.Left + 3, Other.Top + 3}));
  Pump();
  // The hot tab that is not selected is light grey-blue.
  EXPECT_EQ(HostPixel(Other.Left + 1, Other.Top + 1), RGB(182, 189, 210));
}

TEST_F(SkinTabsTest, AnEmptyPageControlShowsTheFaceAndAFrameAroundItsPages) {
  auto* Control = NewPageControl(0);
  ShowHost();
  TRect Frame = Control->DisplayRect();
  InflateRect(Frame, 1, 1);
  EXPECT_EQ(HostPixel(Frame.Left, Frame.Top + 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(HostPixel(Frame.Left + 10, Frame.Top + 10), ColorToRGB(clBtnFace));
}

TEST_F(SkinTabsTest, AClickOnATabSwitchesThePageUnlessOnChangingRefuses) {
  AddTabElement();
  auto* Control = NewPageControl(3);
  Control->SetSkinData(&Skin());
  std::vector<String> Log;
  bool Allow = true;
  Control->OnChanging = [&](TObject*, bool& AAllow) {
    Log.push_back("changing");
    AAllow = Allow;
  };
  Control->OnChange = [&](TObject*) { Log.push_back("change " + IntToStr(Control->ActivePageIndex())); };
  ShowHost();
  ClickAt(CentreOf(TabRectOf(*Control, 2)));
  EXPECT_EQ(Control->ActivePageIndex(), 2);
  EXPECT_TRUE(Control->Pages(2)->Visible());
  EXPECT_FALSE(Control->Pages(0)->Visible());

  Allow = false;
  ClickAt(CentreOf(TabRectOf(*Control, 1)));
  EXPECT_EQ(Control->ActivePageIndex(), 2);

  Allow = true;
  InjectKeyStroke(VK_LEFT);
  Pump();
  EXPECT_EQ(Control->ActivePageIndex(), 1);
  EXPECT_EQ(Log, (std::vector<String>{"changing", "change 2", "changing", "changing", "change 1"}));
}

TEST_F(SkinTabsTest, CloseButtonsCloseTheirTabAndOnCloseCanRefuse) {
  auto* Control = NewPageControl(3);
  Control->SetShowCloseButtons(true);
  bool Allow = false;
  std::vector<String> Log;
  Control->OnClose = [&](TObject* Sender, bool& CanClose) {
    Log.push_back("close " + static_cast<TTabSheet*>(Sender)->Caption());
    CanClose = Allow;
  };
  Control->OnAfterClose = [&](TObject*) { Log.push_back("after"); };
  ShowHost();
  const auto* Page = static_cast<TspSkinTabSheet*>(Control->Pages(0));
  TRect Button = Page->ButtonRect;
  const TRect Tab = TabRectOf(*Control, 0);
  OffsetRect(Button, Tab.Left, Tab.Top);
  ASSERT_FALSE(IsRectEmpty(Button));
  // Room for the button is kept in every tab, right of the caption.
  EXPECT_GT(Button.Left, Tab.Left + Tab.Width() / 2);

  ClickAt(CentreOf(Button));
  EXPECT_TRUE(Control->Pages(0)->TabVisible());

  Allow = true;
  ClickAt(CentreOf(Button));
  EXPECT_FALSE(Control->Pages(0)->TabVisible());
  EXPECT_EQ(Control->ActivePageIndex(), 1);
  EXPECT_EQ(Log, (std::vector<String>{"close Page 0", "close Page 0", "after"}));

  Control->SetShowCloseButtons(false);
  TRect Narrow = TabRectOf(*Control, 0);
  Control->SetShowCloseButtons(true);
  EXPECT_EQ(TabRectOf(*Control, 0).Width(), Narrow.Width() + 14);
}

TEST_F(SkinTabsTest, TabsThatOverflowGetOneSkinnedUpDownThatScrollsThem) {
  Host().SetBounds(100, 100, 700, 200);
  auto* Control = NewPageControl(8, 300);
  ShowHost();
  Pump();
  ASSERT_NE(Control->SkinUpDown(), nullptr);
  int Scrollers = 0, Native = 0;
  for (HWND Child = GetWindow(Control->Handle(), GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT)) {
    if (Child == Control->SkinUpDown()->Handle()) ++Scrollers;
    if (GetClassName(Child) == UPDOWN_CLASS) ++Native;
  }
  EXPECT_EQ(Scrollers, 1);
  EXPECT_EQ(Native, 0);
  EXPECT_EQ(Control->SkinUpDown()->BoundsRect().Right, 300);

  // The up button (right half) scrolls the first visible tab by one.
  const TRect UpDown = Control->SkinUpDown()->BoundsRect();
  const int FirstRight = TabRectOf(*Control, 0).Right;
  ClickAt({UpDown.Right - 5, UpDown.Top + 5});
  EXPECT_EQ(Control->SkinUpDown()->Position(), 1);
  EXPECT_LE(TabRectOf(*Control, 0).Right, 0);
  EXPECT_GT(FirstRight, 0);

  Control->SetBounds(0, 0, 600, 150);
  Pump();
  EXPECT_EQ(Control->SkinUpDown(), nullptr);
}

TEST_F(SkinTabsTest, TheWheelChangesPagesWithoutWrapping) {
  auto* Control = NewPageControl(3);
  Control->MouseWheelSupport = true;
  ShowHost();
  Control->SetFocus();
  InjectWheel(OnHost({50, 60}), -120);
  Pump();
  EXPECT_EQ(Control->ActivePageIndex(), 1);
  InjectWheel(OnHost({50, 60}), -120);
  InjectWheel(OnHost({50, 60}), -120);
  Pump();
  EXPECT_EQ(Control->ActivePageIndex(), 2);
}

TEST_F(SkinTabsTest, PaintIntoDCIsAnsweredWithoutPainting) {
  auto* Control = NewPageControl(2);
  ShowHost();
  EXPECT_EQ(SendMessage(Control->Handle(), SP_PAINTINTODC, 0, 0), PAINTINTODC_RESULT);
  EXPECT_EQ(SendMessage(Control->Pages(0)->Handle(), SP_PAINTINTODC, 0, 0), PAINTINTODC_RESULT);
}

TEST_F(SkinTabsTest, ASheetTilesItsWallpaperOrFillsTheFaceWithoutSkin) {
  auto* Control = NewPageControl(1);
  ShowHost();
  const TRect Page = Control->Pages(0)->BoundsRect();
  EXPECT_EQ(HostPixel(Page.Left + 5, Page.Top + 5), ColorToRGB(clBtnFace));
  TBitmap Paper;
  Paper.SetSize(30, 20);
  Paper.Canvas().Brush().SetColor(clRed);
  Paper.Canvas().FillRect(Rect(0, 0, 30, 20));
  Paper.Canvas().Brush().SetColor(clBlue);
  Paper.Canvas().FillRect(Rect(0, 0, 1, 1));
  auto* Sheet = static_cast<TspSkinTabSheet*>(Control->Pages(0));
  Sheet->SetWallPaper(Paper);
  Sheet->Invalidate();
  Pump();
  EXPECT_EQ(HostPixel(Page.Left + 30, Page.Top + 20), ColorToRGB(clBlue));
  EXPECT_EQ(HostPixel(Page.Left + 31, Page.Top + 20), ColorToRGB(clRed));
}

TEST_F(SkinTabsTest, TheDefaultSkinsScrollerShowsTwoButtonsThatScrollBothWays) {
  auto* Control = ShowDefaultSkinOverflowingRow();
  ASSERT_NE(Control->SkinUpDown(), nullptr);
  const TRect UpDown = Control->SkinUpDown()->BoundsRect();
  const TRect Back = Rect(UpDown.Left, UpDown.Top, UpDown.Left + UpDown.Width() / 2, UpDown.Bottom);
  const TRect Forward = Rect(Back.Right, UpDown.Top, UpDown.Right, UpDown.Bottom);
  // Each half shows its chevron on the skin's surface.
  const COLORREF Surface = HostPixel(UpDown.Left, UpDown.Top);
  for (const TRect& Half : {Back, Forward}) {
    int Ink = 0;
    for (int X = Half.Left; X < Half.Right; ++X)
      for (int Y = Half.Top; Y < Half.Bottom; ++Y) Ink += HostPixel(X, Y) != Surface;
    EXPECT_GT(Ink, 4);
  }
  ClickAt(CentreOf(Forward));
  ClickAt(CentreOf(Forward));
  EXPECT_EQ(Control->SkinUpDown()->Position(), 2);
  ClickAt(CentreOf(Back));
  EXPECT_EQ(Control->SkinUpDown()->Position(), 1);
  EXPECT_LE(TabRectOf(*Control, 0).Right, 0);
  EXPECT_GT(TabRectOf(*Control, 1).Right, 0);
}

TEST_F(SkinTabsTest, TheDefaultSkinDrawsTabsBorderAndTheUpDownOfAnOverflowingRow) {
  auto* Control = ShowDefaultSkinOverflowingRow();
  ASSERT_NE(Control->SkinUpDown(), nullptr);
  EXPECT_TRUE(HostLooksAsInItsPicture("page-control-default-skin"));
}

}  // namespace
}  // namespace skin_controls_test
