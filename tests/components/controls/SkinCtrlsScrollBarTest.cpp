// The scroll bar: the position rule, the setters that fire nothing, the page and
// button repeats on the virtual clock, dragging the thumb past the ends, the built-in
// look, and the bar as the external bar of a native list box.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "platform/ui/native/ListBox.h"
#include "platform/win/Keyboard.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Timers.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

class SkinCtrlsScrollBarTest : public SkinControlsTest {
 protected:
  // A built-in horizontal bar at (0, 0) of the host, 200 × 19: the down button
  // (1, 1, 17, 18), the up button (182, 1, 198, 18), the track from x 17 to 182.
  TspSkinScrollBar* NewScrollBar() {
    auto* Bar = new TspSkinScrollBar(&Host());
    Bar->SetParent(&Host());
    Bar->OnChange = [this, Bar](TObject*) { Log.push_back("change " + IntToStr(Bar->Position())); };
    Bar->OnLastChange = [this](TObject*) { Log.push_back("last"); };
    Bar->OnPageUp = [this](TObject*) { Log.push_back("page up"); };
    Bar->OnPageDown = [this](TObject*) { Log.push_back("page down"); };
    return Bar;
  }
  TPoint OnBar(int AX, int AY) { return {100 + AX, 100 + AY}; }
  // Moves the virtual clock by AMilliseconds in steps of 10, noting at which time
  // (from AStart) each position arrives.
  std::vector<std::pair<uint32_t, int>> Watch(TspSkinScrollBar* ABar, uint32_t AStart, int AMilliseconds) {
    std::vector<std::pair<uint32_t, int>> Seen;
    int Last = ABar->Position();
    for (int Step = 0; Step < AMilliseconds / 10; ++Step) {
      Headless().AdvanceClock(10);
      Pump();
      if (ABar->Position() != Last) Seen.emplace_back(Win::GetTickCount() - AStart, Last = ABar->Position());
    }
    return Seen;
  }

  std::vector<String> Log;
};

struct TScrollRuleCase {
  const char* Name;
  int Min, Max, PageSize, Requested, Expected;
};

TEST_F(SkinCtrlsScrollBarTest, ThePositionRuleKeepsThePageInsideTheRange) {
  const TScrollRuleCase Cases[] = {
      {"a page of 10 on 0..100 ends at 91", 0, 100, 10, 200, 91},
      {"inside", 0, 100, 10, 50, 50},
      {"below the minimum", 5, 100, 10, -7, 5},
      {"no page ends at the maximum", 0, 100, 0, 200, 100},
      {"a page past 32 bits saturates", INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MAX},
      {"a page covering the range", 0, 100, 101, 50, 0},
  };
  auto* Bar = NewScrollBar();
  for (const TScrollRuleCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Bar->SetRange(Case.Min, Case.Max, Case.PageSize, Case.Requested);
    EXPECT_EQ(Bar->Position(), Case.Expected);
    Bar->SetPosition(Case.Requested);
    EXPECT_EQ(Bar->Position(), Case.Expected);
  }
  // SetRange and SimplySetPosition fire nothing; setting the same position neither.
  EXPECT_TRUE(Log.empty());
  Bar->SetRange(0, 100, 10, 0);
  Bar->SimplySetPosition(40);
  Bar->SetPosition(40);
  EXPECT_TRUE(Log.empty());
  Bar->SetPosition(200);
  EXPECT_EQ(Log, (std::vector<String>{"change 91"}));
}

TEST_F(SkinCtrlsScrollBarTest, APageTooLargeForThePositionIsRefusedAndTheMaximumMovesThePosition) {
  auto* Bar = NewScrollBar();
  Bar->SetRange(0, 100, 10, 80);
  Bar->SetPageSize(30);  // 30 + 80 > 101
  EXPECT_EQ(Bar->PageSize(), 10);
  Bar->SetPageSize(21);
  EXPECT_EQ(Bar->PageSize(), 21);
  Bar->SetMax(90);  // at most 90 - 21 + 1
  EXPECT_EQ(Bar->Position(), 70);
  // With a minimum above 0 the maximum still keeps the position by the rule.
  Bar->SetRange(10, 100, 10, 95);
  EXPECT_EQ(Bar->Position(), 91);
  Bar->SetMax(100);
  EXPECT_EQ(Bar->Position(), 91);
  EXPECT_TRUE(Log.empty());
}

// A press in the track after the thumb pages down at once, then every 50 ms from
// 550 ms (the tick at 500 ms only switches the rate) until the thumb's far edge has
// passed the pointer.
TEST_F(SkinCtrlsScrollBarTest, PageRepeatRunsAt550ThenEvery50MsUntilTheThumbReachesThePointer) {
  auto* Bar = NewScrollBar();
  Bar->SetLargeChange(10);
  ShowHost();
  const uint32_t Start = Win::GetTickCount();
  InjectPointerMove(OnBar(150, 9));
  InjectPointerPress(OnBar(150, 9));
  Pump();
  EXPECT_EQ(Bar->Position(), 10);
  const auto Seen = Watch(Bar, Start, 1200);
  EXPECT_EQ(Seen, (std::vector<std::pair<uint32_t, int>>{
                      {550, 20}, {600, 30}, {650, 40}, {700, 50}, {750, 60}, {800, 70}, {850, 80}}));
  InjectPointerRelease(OnBar(150, 9));
  Pump();
  EXPECT_EQ(Log.back(), "page down");
  EXPECT_EQ(std::count(Log.begin(), Log.end(), "last"), 0);
}

TEST_F(SkinCtrlsScrollBarTest, LeavingTheBarStopsAPageDownRepeatButNotAPageUp) {
  auto* Bar = NewScrollBar();
  Bar->SetLargeChange(10);
  ShowHost();
  InjectPointerMove(OnBar(150, 9));
  InjectPointerPress(OnBar(150, 9));
  InjectPointerMove(OnBar(150, 60));
  Pump();
  EXPECT_TRUE(Watch(Bar, 0, 800).empty());
  InjectPointerRelease(OnBar(150, 60));
  Bar->SetPosition(90);
  InjectPointerMove(OnBar(40, 9));
  InjectPointerPress(OnBar(40, 9));
  InjectPointerMove(OnBar(40, 60));
  Pump();
  EXPECT_EQ(Bar->Position(), 80);
  EXPECT_FALSE(Watch(Bar, 0, 800).empty());
  InjectPointerRelease(OnBar(40, 60));
  Pump();
}

TEST_F(SkinCtrlsScrollBarTest, AnAssignedButtonHandlerRepeatsInsteadOfMovingThePosition) {
  auto* Bar = NewScrollBar();
  std::vector<uint32_t> Calls;
  const uint32_t Start = Win::GetTickCount();
  Bar->OnUpButtonClick = [&](TObject*) { Calls.push_back(Win::GetTickCount() - Start); };
  ShowHost();
  InjectPointerMove(OnBar(190, 9));
  InjectPointerPress(OnBar(190, 9));
  Pump();
  Watch(Bar, Start, 700);
  InjectPointerRelease(OnBar(190, 9));
  Pump();
  Watch(Bar, Start, 300);
  EXPECT_EQ(Calls, (std::vector<uint32_t>{0, 550, 600, 650, 700}));
  EXPECT_EQ(Bar->Position(), 0);
  // Without a handler the buttons step by SmallChange.
  Bar->OnUpButtonClick = nullptr;
  Bar->SetSmallChange(3);
  InjectClick(OnBar(190, 9));
  InjectClick(OnBar(190, 9));
  InjectClick(OnBar(8, 9));
  Pump();
  EXPECT_EQ(Bar->Position(), 3);
}

TEST_F(SkinCtrlsScrollBarTest, DraggingTheThumbPastTheEndsGivesMinAndMaxAndOnLastChange) {
  auto* Bar = NewScrollBar();
  Bar->SetRange(-50, 50, 0, -50);
  ShowHost();
  EXPECT_EQ(Bar->PartRect(0), Rect(17, 1, 33, 18));
  InjectPointerMove(OnBar(25, 9));
  InjectPointerPress(OnBar(25, 9));
  InjectPointerMove(OnBar(1000, 9));
  InjectPointerMove(OnBar(-1000, 9));
  InjectPointerRelease(OnBar(-1000, 9));
  // A press and release of the thumb without moving still ends with OnLastChange.
  InjectClick(OnBar(25, 9));
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"change 50", "change -50", "last", "last"}));
}

TEST_F(SkinCtrlsScrollBarTest, KeysAndTheWheelStepOnlyAFocusableBar) {
  auto* Bar = NewScrollBar();
  Bar->SetSmallChange(INT_MAX);  // steps saturate instead of overflowing
  Bar->SetRange(INT_MIN, INT_MAX, 0, 0);
  ShowHost();
  InjectKeyStroke(VK_RIGHT);
  Pump();
  EXPECT_TRUE(Log.empty());
  Bar->SetCanFocused(true);
  Bar->SetFocus();
  InjectKeyStroke(VK_RIGHT);
  InjectKeyStroke(VK_DOWN);
  InjectWheel(OnBar(100, 9), 120);
  InjectWheel(OnBar(100, 9), 120);
  InjectWheel(OnBar(100, 9), 120);
  Pump();
  EXPECT_EQ(Log, (std::vector<String>{"change 2147483647", "change 0", "change -2147483647",
                                      "change -2147483648"}));
}

TEST_F(SkinCtrlsScrollBarTest, TheBuiltInLookDrawsNoThumbWhenDisabledAndLeavesTheCornerWithBoth) {
  auto* Bar = NewScrollBar();
  Bar->SetPosition(50);
  Bar->SetBoth(true);
  Bar->SetBothMarkerWidth(19);
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {{clBtnFace, '.'}, {clBtnShadow, '|'}};
  // The up button (164, 1, 180, 18) with its black arrow ends 19 pixels and the
  // usual one-pixel gap before the bar's end; the corner is plain.
  EXPECT_EQ(HostPicture(Rect(160, 9, 200, 10), Legend), "....|......####....|....................\n");
  const int ThumbLeft = Bar->PartRect(0).Left;
  EXPECT_EQ(HostPixel(ThumbLeft, 9), ColorToRGB(clBtnShadow));
  Bar->SetEnabled(false);
  Pump();
  EXPECT_EQ(HostPixel(ThumbLeft, 9), ColorToRGB(clBtnFace));
}

// A skin bar: the body's picture holds the normal buttons; the hot and pressed ones are
// drawn over it, the up button at the far end moves with the bar's growth, and the
// thumb is centred across the track.
TEST_F(SkinCtrlsScrollBarTest, TheSkinLookDrawsHotAndPressedButtonsAndTheThumbOverTheBody) {
  const TColor Body = RGB(255, 255, 255), Hot = RGB(255, 0, 0), Low = RGB(0, 255, 0), Thumb = RGB(0, 0, 255);
  const int Picture = AddPicture(80, 10, [&](int X, int Y) {
    if (X < 40) return Body;
    if (X < 50) return Hot;
    if (X < 60) return Low;
    return X < 70 && Y >= 2 && Y < 8 ? Thumb : Body;
  });
  auto& Element = AddElement<TspDataSkinScrollBarControl>("hscrollbar");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 40, 10);
  Element.LTPoint = {10, 0};
  Element.RTPoint = {30, 0};
  Element.TrackArea = Rect(10, 0, 30, 10);
  Element.DownButtonRect = Rect(0, 0, 10, 10);
  Element.UpButtonRect = Rect(30, 0, 40, 10);
  Element.ActiveUpButtonRect = Rect(40, 0, 50, 10);
  Element.ActiveDownButtonRect = Rect(50, 0, 60, 10);
  Element.ThumbRect = Rect(60, 2, 70, 8);
  auto* Bar = NewScrollBar();
  Bar->SetSkinData(&Skin());
  Bar->SetBounds(0, 0, 100, 30);
  Bar->SetPosition(50);
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {{Body, '.'}, {Hot, 'h'}, {Low, 'l'}, {Thumb, 't'}};
  auto Row = [&](int AY) { return HostPicture(Rect(0, AY, 100, AY + 1), Legend); };
  EXPECT_EQ(Bar->Height(), 10);
  const std::string Plain = std::string(45, '.') + std::string(10, 't') + std::string(45, '.') + "\n";
  EXPECT_EQ(Row(5), Plain);
  EXPECT_EQ(Row(1), std::string(100, '.') + "\n");
  InjectPointerMove(OnBar(95, 5));
  Pump();
  EXPECT_EQ(Row(5),
            std::string(45, '.') + std::string(10, 't') + std::string(35, '.') + std::string(10, 'h') + "\n");
  // A press on the down button shows its pressed picture (the hot one, as the skin
  // gives none of its own) and steps down.
  InjectPointerMove(OnBar(5, 5));
  InjectPointerPress(OnBar(5, 5));
  Pump();
  EXPECT_EQ(Row(5).substr(0, 10), std::string(10, 'l'));
  EXPECT_EQ(Bar->Position(), 49);
  InjectPointerRelease(OnBar(5, 5));
  InjectPointerMove(OnBar(50, 80));
  Pump();
  Bar->SetEnabled(false);
  Pump();
  EXPECT_EQ(Row(5), std::string(100, '.') + "\n");
}

// A list box hides its own bar; its skinned bar takes the list's scroll state as
// 32-bit numbers and scrolls the list back, also beyond 65 535.
TEST_F(SkinCtrlsScrollBarTest, AsTheExternalBarOfAListBoxItFollowsTheListPastSixteenBits) {
  auto* List = new TListBox(&Host());
  List->SetParent(&Host());
  List->SetBounds(0, 20, 150, 100);
  for (int Item = 0; Item < 70000; ++Item) List->Items().Add(IntToStr(Item));
  auto* Bar = NewScrollBar();
  Bar->SetKind(sbVertical);
  Bar->SetSkinDataName("vscrollbar");
  Bar->SetBounds(150, 20, 19, 100);
  auto Follow = [&] {
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(List->Handle(), SB_VERT, &Info));
    Bar->SetRange(Info.nMin, Info.nMax, static_cast<int>(Info.nPage), Info.nPos);
  };
  Bar->OnChange = [&](TObject*) { List->SetTopIndex(Bar->Position()); };
  ShowHost();
  List->SetTopIndex(68000);
  Follow();
  EXPECT_EQ(Bar->Position(), 68000);
  EXPECT_GT(Bar->Max(), 65535);
  Bar->SetPosition(Bar->Max());
  Follow();
  EXPECT_EQ(List->TopIndex(), Bar->Position());
  EXPECT_EQ(Bar->Position(), Bar->Max() - Bar->PageSize() + 1);
  EXPECT_GT(Bar->Position(), 65535);
}

}  // namespace
}  // namespace skin_controls_test
