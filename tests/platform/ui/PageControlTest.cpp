// TPageControl and TTabSheet on the tab control stand-in: selection by a press with
// OnChanging refusing or allowing it, pages filling the display rectangle in every tab
// position, hidden tabs skipped, the active page when pages come and go, the image
// list, and a demonstration picture.

#include <gtest/gtest.h>

#include "platform/ui/Label.h"
#include "platform/ui/native/PageControl.h"
#include "platform/ui/native/TabControlMessages.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/OutlinedPageControl.h"
#include "tests/support/TestSupport.h"

namespace ui_test {
namespace {

using testing_support::TOutlinedPageControl;

class PageControlTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    Host().SetBounds(100, 100, 300, 200);
    Pages = new TPageControl(&Host());
    Pages->SetParent(&Host());
    Pages->SetBounds(0, 0, 300, 200);
    Pages->SetTabWidth(60);
    Pages->SetTabHeight(20);
    for (const char* Caption : {"First", "Second", "Third"}) AddSheet(Pages, Caption);
  }

  TTabSheet* AddSheet(TPageControl* AOwner, const String& ACaption) {
    auto* Sheet = new TTabSheet(&Host());
    Sheet->SetCaption(ACaption);
    Sheet->SetPageControl(AOwner);
    return Sheet;
  }

  TTabSheet* Sheet(int AIndex) { return Pages->Pages(AIndex); }
  int TabCount() { return static_cast<int>(SendMessage(Pages->Handle(), TCM_GETITEMCOUNT, 0, 0)); }
  TRect TabRect(int AIndex) {
    RECT Result;
    SendMessage(Pages->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(AIndex),
                reinterpret_cast<LPARAM>(&Result));
    return Result;
  }
  // A press in the middle of a shown tab.
  void ClickTab(int AIndex) {
    const TRect Tab = TabRect(AIndex);
    InjectClick(OnHost((Tab.Left + Tab.Right) / 2, (Tab.Top + Tab.Bottom) / 2));
    Pump();
  }

  TPageControl* Pages = nullptr;
};

TEST_F(PageControlTest, APressOnATabAsksOnChangingAndMayBeRefused) {
  ShowHost();
  std::vector<String> Log;
  bool Allow = false;
  Pages->OnChanging = [&](TObject*, bool& AllowChange) {
    Log.push_back(Format("changing from %d", Pages->TabIndex()));
    AllowChange = Allow;
  };
  Pages->OnChange = [&](TObject*) { Log.push_back(Format("change to %s", Pages->ActivePage()->Caption())); };

  ClickTab(1);
  EXPECT_EQ(Log, (std::vector<String>{"changing from 0"}));
  EXPECT_EQ(Pages->ActivePage(), Sheet(0));
  EXPECT_EQ(Pages->TabIndex(), 0);
  EXPECT_TRUE(Pages->Focused());

  Allow = true;
  ClickTab(1);
  EXPECT_EQ(Log, (std::vector<String>{"changing from 0", "changing from 0", "change to Second"}));
  EXPECT_EQ(Pages->ActivePage(), Sheet(1));
  EXPECT_EQ(Pages->TabIndex(), 1);
  EXPECT_TRUE(Sheet(1)->Visible());
  EXPECT_FALSE(Sheet(0)->Visible());

  // A press on the selected tab or beside the tabs asks nothing.
  ClickTab(1);
  InjectClick(OnHost(250, 10));
  Pump();
  EXPECT_EQ(Log.size(), 3u);

  // The arrow keys choose the neighbouring tabs the same way.
  InjectKeyStroke(VK_RIGHT);
  Pump();
  EXPECT_EQ(Pages->ActivePage(), Sheet(2));
  Allow = false;
  InjectKeyStroke(VK_LEFT);
  Pump();
  EXPECT_EQ(Pages->ActivePage(), Sheet(2));
  InjectKeyStroke(VK_RIGHT);
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"changing from 0", "changing from 0", "change to Second",
                                      "changing from 1", "change to Third", "changing from 2"}));
}

TEST_F(PageControlTest, SettingThePageRaisesNoEvent) {
  bool Asked = false;
  Pages->OnChanging = [&](TObject*, bool&) { Asked = true; };
  Pages->OnChange = [&](TObject*) { Asked = true; };
  Pages->SetActivePageIndex(2);
  EXPECT_EQ(Pages->ActivePage(), Sheet(2));
  EXPECT_EQ(Pages->TabIndex(), 2);
  Pages->SetActivePage(Sheet(1));
  EXPECT_EQ(Pages->ActivePageIndex(), 1);
  EXPECT_FALSE(Asked);
  // A page of another page control is not taken.
  TPageControl Other(nullptr);
  auto* Stranger = new TTabSheet(&Other);
  Stranger->SetPageControl(&Other);
  Pages->SetActivePage(Stranger);
  EXPECT_EQ(Pages->ActivePage(), Sheet(1));
}

struct SheetPlaceCase {
  TTabPosition Position;
  TRect Display;
};

void PrintTo(const SheetPlaceCase& ACase, std::ostream* AStream) {
  static const char* const Names[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
  *AStream << Names[ACase.Position];
}

class PageControlPositionTest : public PageControlTest,
                                public ::testing::WithParamInterface<SheetPlaceCase> {};

// Pages are aligned while they are shown.
TEST_P(PageControlPositionTest, ThePagesFillTheDisplayRectangle) {
  Pages->SetTabPosition(GetParam().Position);
  EXPECT_EQ(Pages->DisplayRect(), GetParam().Display);
  for (int I = 0; I < Pages->PageCount(); ++I) {
    Pages->SetActivePageIndex(I);
    EXPECT_EQ(Sheet(I)->BoundsRect(), GetParam().Display);
  }
}

INSTANTIATE_TEST_SUITE_P(Positions, PageControlPositionTest,
                         ::testing::Values(SheetPlaceCase{tpTop, Rect(4, 26, 296, 196)},
                                           SheetPlaceCase{tpBottom, Rect(4, 4, 296, 176)},
                                           SheetPlaceCase{tpLeft, Rect(24, 4, 296, 196)},
                                           SheetPlaceCase{tpRight, Rect(4, 4, 276, 196)}));

TEST_F(PageControlTest, TabSizeAndMultipleLinesMoveThePages) {
  ShowHost();
  Pages->SetTabHeight(30);
  EXPECT_EQ(Sheet(0)->BoundsRect(), Rect(4, 36, 296, 196));
  Pages->SetTabWidth(120);
  Pages->SetMultiLine(true);
  // Three tabs of 120 take two lines.
  EXPECT_EQ(Sheet(0)->BoundsRect(), Rect(4, 66, 296, 196));
}

TEST_F(PageControlTest, HiddenTabsAreSkippedInTheTabIndexes) {
  ShowHost();
  Sheet(1)->SetTabVisible(false);
  EXPECT_EQ(TabCount(), 2);
  EXPECT_EQ(Sheet(1)->TabIndex(), -1);
  EXPECT_EQ(Sheet(2)->TabIndex(), 1);
  ClickTab(1);
  EXPECT_EQ(Pages->ActivePage(), Sheet(2));
  EXPECT_EQ(Pages->TabIndex(), 1);

  // The active page's tab goes: the tab that takes its place, or the one before.
  Sheet(2)->SetTabVisible(false);
  EXPECT_EQ(Pages->ActivePage(), Sheet(0));
  EXPECT_FALSE(Sheet(2)->Visible());
  Sheet(0)->SetTabVisible(false);
  EXPECT_EQ(Pages->ActivePage(), nullptr);
  EXPECT_EQ(Pages->TabIndex(), -1);
  EXPECT_FALSE(Sheet(0)->Visible());
  // A tab that comes back to a page control without an active page brings its page.
  Sheet(2)->SetTabVisible(true);
  EXPECT_EQ(Pages->ActivePage(), Sheet(2));
  EXPECT_EQ(Pages->TabIndex(), 0);
}

TEST_F(PageControlTest, PagesMoveAndLeaveAndTheActivePageFollows) {
  Pages->SetActivePageIndex(1);
  Sheet(2)->SetPageIndex(0);
  EXPECT_EQ(Sheet(0)->Caption(), "Third");
  EXPECT_EQ(Pages->ActivePageIndex(), 2);
  EXPECT_EQ(Pages->TabIndex(), 2);
  TTabSheet* Second = Pages->ActivePage();
  delete Second;
  EXPECT_EQ(Pages->PageCount(), 2);
  // No tab follows the one that went, so the tab before it is selected.
  EXPECT_EQ(Pages->ActivePage(), Sheet(1));
  EXPECT_EQ(Pages->TabIndex(), 1);
  EXPECT_THROW(Pages->Pages(2), EListError);
  Sheet(0)->SetPageControl(nullptr);
  EXPECT_EQ(Pages->PageCount(), 1);
  EXPECT_EQ(TabCount(), 1);
}

TEST_F(PageControlTest, CaptionsAndImagesShapeTheTabs) {
  Pages->SetTabWidth(0);
  const int Short = TabRect(0).Width();
  Sheet(0)->SetCaption("A much longer caption");
  EXPECT_GT(TabRect(0).Width(), Short + 40);
  EXPECT_EQ(TabRect(1).Left, TabRect(0).Right);

  Pages->SetTabWidth(60);
  auto* Images = new TImageList(&Host(), 16, 16);
  Pages->SetImages(Images);
  EXPECT_EQ(TabRect(0), Rect(2, 2, 78, 22));
  delete Images;
  EXPECT_EQ(Pages->Images(), nullptr);
  EXPECT_EQ(TabRect(0), Rect(2, 2, 62, 22));
}

TEST_F(PageControlTest, TheSelectionIsKeptBeforeTheWindowExists) {
  TPageControl Loose(nullptr);
  auto* A = new TTabSheet(&Loose);
  auto* B = new TTabSheet(&Loose);
  A->SetPageControl(&Loose);
  B->SetPageControl(&Loose);
  Loose.SetActivePage(B);
  EXPECT_FALSE(Loose.HandleAllocated());
  EXPECT_EQ(Loose.TabIndex(), 1);
  Loose.SetParent(&Host());
  EXPECT_EQ(SendMessage(Loose.Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessage(Loose.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  Loose.SetParent(nullptr);
}

// A subclass that adjusts what the window reports, as the skinned page control does:
// its pages follow the adjusted display rectangle, and the selection it is given
// passes its window procedure.
class TAdjustingPageControl : public TPageControl {
 public:
  using TPageControl::TPageControl;
  std::vector<int> Selections;

 protected:
  void WndProc(TMessage& AMessage) override {
    if (AMessage.Msg == TCM_SETCURSEL) Selections.push_back(static_cast<int>(AMessage.WParam));
    TPageControl::WndProc(AMessage);
    if (AMessage.Msg == TCM_ADJUSTRECT) {
      auto* Display = reinterpret_cast<RECT*>(AMessage.LParam);
      *Display = Rect(1, Display->Top - 5, Width() - 1, Height() - 1);
    }
  }
};

TEST_F(PageControlTest, ASubclassAdjustsTheDisplayRectangleAndSeesTheSelection) {
  auto* Adjusting = new TAdjustingPageControl(&Host());
  Adjusting->SetParent(&Host());
  Adjusting->SetBounds(0, 0, 300, 200);
  Adjusting->SetTabHeight(20);
  TTabSheet* First = AddSheet(Adjusting, "First");
  TTabSheet* Second = AddSheet(Adjusting, "Second");
  ShowHost();
  EXPECT_EQ(First->BoundsRect(), Rect(1, 21, 299, 199));
  Adjusting->SetActivePage(Second);
  EXPECT_EQ(Second->BoundsRect(), Rect(1, 21, 299, 199));
  ASSERT_FALSE(Adjusting->Selections.empty());
  EXPECT_EQ(Adjusting->Selections.back(), 1);
}

// ---------------------------------------------------------------- demonstration

TEST_F(PageControlTest, DemonstrationPicture) {
  Host().SetBounds(100, 100, 420, 240);
  Pages->SetParent(nullptr);
  auto* Top = new TOutlinedPageControl(&Host());
  Top->SetParent(&Host());
  Top->SetBounds(10, 10, 250, 110);
  Top->SetTabWidth(70);
  Top->SetTabHeight(20);
  const auto AddLabelledSheet = [this](TPageControl* AOwner, const String& ACaption) {
    auto* Text = new TLabel(&Host());
    Text->SetParent(AddSheet(AOwner, ACaption));
    Text->SetBounds(8, 8, 120, 16);
    Text->SetCaption(Format("The \"%s\" page", ACaption));
  };
  for (const char* Caption : {"Crop", "Adjust", "Overlay", "Audio", "Subtitles"})
    AddLabelledSheet(Top, Caption);
  // Tabs on the left are 30 long and 64 across, so that the captions lie flat in them.
  auto* Left = new TOutlinedPageControl(&Host());
  Left->SetParent(&Host());
  Left->SetBounds(10, 130, 250, 100);
  Left->SetTabPosition(tpLeft);
  Left->SetTabWidth(30);
  Left->SetTabHeight(64);
  for (const char* Caption : {"General", "Output"}) AddLabelledSheet(Left, Caption);
  auto* Bottom = new TOutlinedPageControl(&Host());
  Bottom->SetParent(&Host());
  Bottom->SetBounds(270, 10, 140, 220);
  Bottom->SetTabPosition(tpBottom);
  Bottom->SetMultiLine(true);
  for (const char* Caption : {"One", "Two", "Three", "Four"}) AddLabelledSheet(Bottom, Caption);
  ShowHost();

  // The scroller of the top control moves one tab on, then "Overlay" is pressed.
  InjectClick(OnHost(10 + 245, 10 + 10));
  Pump();
  RECT Tab;
  SendMessage(Top->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&Tab));
  EXPECT_EQ(Tab.Left, 72);
  InjectClick(OnHost(10 + Tab.Left + 20, 10 + 10));
  InjectClick(OnHost(10 + 30, 130 + 45));
  Pump();
  EXPECT_EQ(Top->ActivePage()->Caption(), "Overlay");
  EXPECT_EQ(Left->ActivePage()->Caption(), "Output");
  Headless().AdvanceClock(100);
  Pump();

  EXPECT_TRUE(LooksAsInItsPicture(Host().Handle(), "page-controls-demo"));
  // The selected tab is white, the frame of the pages shadow-coloured.
  EXPECT_EQ(HostPixel(10 + Tab.Left + 5, 10 + 5), ColorToRGB(clWindow));
  const TRect Display = Top->DisplayRect();
  EXPECT_EQ(HostPixel(10 + Display.Left - 1, 10 + Display.Bottom - 20), ColorToRGB(clBtnShadow));
}

}  // namespace
}  // namespace ui_test
