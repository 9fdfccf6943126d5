// Alignment and anchors: the rectangles the class library gives children when the
// parent aligns them or changes size.

#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

struct TChildSpec {
  TAlign Align;
  TRect Bounds;  // as placed before the alignment
  int MinWidth = 0;
  int MaxWidth = 0;
  int MinHeight = 0;
  int MaxHeight = 0;
};

struct TAlignCase {
  const char* Name;
  std::vector<TChildSpec> Children;
  std::vector<TRect> Expected;  // per child, after the alignment
};

void PrintTo(const TAlignCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

class ControlAlignTest : public UiTest, public ::testing::WithParamInterface<TAlignCase> {};

// The host's client area is 200 × 150. The children are placed with alignment held
// back, so that one alignment orders them by their positions alone.
TEST_P(ControlAlignTest, ChildrenGetTheClassLibrarysRectangles) {
  const TAlignCase& Case = GetParam();
  Host().HandleNeeded();
  Host().DisableAlign();
  std::vector<TControl*> Children;
  for (const TChildSpec& Spec : Case.Children) {
    auto* Child = new TGraphicControl(&Host());
    Child->Constraints().SetMinWidth(Spec.MinWidth);
    Child->Constraints().SetMaxWidth(Spec.MaxWidth);
    Child->Constraints().SetMinHeight(Spec.MinHeight);
    Child->Constraints().SetMaxHeight(Spec.MaxHeight);
    Child->SetBoundsRect(Spec.Bounds);
    Child->SetParent(&Host());
    Child->SetAlign(Spec.Align);
    Children.push_back(Child);
  }
  Host().EnableAlign();
  for (size_t I = 0; I < Children.size(); ++I)
    EXPECT_EQ(Children[I]->BoundsRect(), Case.Expected[I]) << "child " << I;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ControlAlignTest,
    ::testing::Values(
        TAlignCase{"AllFive",
                   {{alClient, Bounds(5, 5, 10, 10)},
                    {alRight, Bounds(0, 0, 50, 10)},
                    {alLeft, Bounds(0, 0, 40, 10)},
                    {alBottom, Bounds(0, 0, 10, 30)},
                    {alTop, Bounds(0, 0, 10, 20)}},
                   {Rect(40, 20, 150, 120), Rect(150, 20, 200, 120), Rect(0, 20, 40, 120),
                    Rect(0, 120, 200, 150), Rect(0, 0, 200, 20)}},
        TAlignCase{
            "TopBarsByTheirTops",
            {{alTop, Bounds(0, 50, 10, 10)}, {alTop, Bounds(0, 0, 10, 20)}, {alClient, Bounds(0, 0, 1, 1)}},
            {Rect(0, 20, 200, 30), Rect(0, 0, 200, 20), Rect(0, 30, 200, 150)}},
        TAlignCase{"BottomBarsTheLowestFirst",
                   {{alBottom, Bounds(0, 100, 10, 10)}, {alBottom, Bounds(0, 130, 10, 20)}},
                   {Rect(0, 120, 200, 130), Rect(0, 130, 200, 150)}},
        TAlignCase{"RightBarsTheRightmostFirst",
                   {{alRight, Bounds(100, 0, 10, 10)}, {alRight, Bounds(180, 0, 20, 10)}},
                   {Rect(170, 0, 180, 150), Rect(180, 0, 200, 150)}},
        TAlignCase{
            "LeftThenTopTakesTheRest",
            {{alLeft, Bounds(0, 0, 30, 10)}, {alTop, Bounds(0, 0, 10, 25)}, {alLeft, Bounds(50, 0, 20, 10)}},
            {Rect(0, 25, 30, 150), Rect(0, 0, 200, 25), Rect(30, 25, 50, 150)}},
        TAlignCase{"AMinimumWidthPushesTheClientArea",
                   {{alLeft, Bounds(0, 0, 40, 10), 80}, {alClient, Bounds(0, 0, 1, 1)}},
                   {Rect(0, 0, 80, 150), Rect(80, 0, 200, 150)}},
        TAlignCase{"AMaximumHeightLeavesRoomBelowTheClient",
                   {{alTop, Bounds(0, 0, 10, 20)}, {alClient, Bounds(0, 0, 1, 1), 0, 0, 0, 50}},
                   {Rect(0, 0, 200, 20), Rect(0, 20, 200, 70)}},
        TAlignCase{"AClampedTopBarGivesBackItsRoom",
                   {{alTop, Bounds(0, 0, 10, 30), 0, 0, 0, 10}, {alClient, Bounds(0, 0, 1, 1)}},
                   {Rect(0, 0, 200, 10), Rect(0, 10, 200, 150)}},
        TAlignCase{"AClampedRightBarGivesBackItsRoom",
                   {{alRight, Bounds(0, 0, 60, 10), 0, 30}, {alClient, Bounds(0, 0, 1, 1)}},
                   {Rect(170, 0, 200, 150), Rect(0, 0, 170, 150)}}),
    [](const ::testing::TestParamInfo<TAlignCase>& AInfo) { return String(AInfo.param.Name); });

class ControlAnchorTest : public UiTest {};

TEST_F(ControlAnchorTest, AnchoredChildrenFollowTheParentsSize) {
  Host().HandleNeeded();
  auto Make = [&](TAnchors AAnchors) {
    auto* Child = new TGraphicControl(&Host());
    Child->SetBounds(10, 10, 50, 20);
    Child->SetParent(&Host());
    Child->SetAnchors(AAnchors);
    return Child;
  };
  TControl* RightBottom = Make({akRight, akBottom});
  TControl* Stretched = Make({akLeft, akTop, akRight, akBottom});
  TControl* Centred = Make({});
  TControl* Plain = Make({akLeft, akTop});
  Host().SetBounds(100, 100, 300, 250);
  EXPECT_EQ(RightBottom->BoundsRect(), Bounds(110, 110, 50, 20));
  EXPECT_EQ(Stretched->BoundsRect(), Bounds(10, 10, 150, 120));
  // The centre keeps its proportion, rounded: 35 of 200 becomes 53 of 300, 20 of 150
  // becomes 33 of 250.
  EXPECT_EQ(Centred->BoundsRect(), Bounds(28, 23, 50, 20));
  EXPECT_EQ(Plain->BoundsRect(), Bounds(10, 10, 50, 20));
  Host().SetBounds(100, 100, 200, 150);
  EXPECT_EQ(RightBottom->BoundsRect(), Bounds(10, 10, 50, 20));
  EXPECT_EQ(Stretched->BoundsRect(), Bounds(10, 10, 50, 20));
}

TEST_F(ControlAnchorTest, AnchorsSetBeforeTheWindowExistsAreMeasuredAgainstItsClientArea) {
  auto* Child = new TGraphicControl(&Host());
  Child->SetBounds(150, 100, 40, 40);
  Child->SetParent(&Host());
  Child->SetAnchors({akRight, akBottom});
  ShowHost();
  Host().SetBounds(100, 100, 220, 160);
  EXPECT_EQ(Child->BoundsRect(), Bounds(170, 110, 40, 40));
}

TEST_F(ControlAnchorTest, AlignmentWaitsForTheLastEnableAlign) {
  Host().HandleNeeded();
  auto* Bar = new TGraphicControl(&Host());
  Bar->SetBounds(0, 40, 10, 20);
  Bar->SetParent(&Host());
  Host().DisableAlign();
  Host().DisableAlign();
  Bar->SetAlign(alBottom);
  Host().EnableAlign();
  EXPECT_EQ(Bar->BoundsRect(), Bounds(0, 40, 10, 20));
  EXPECT_TRUE(Host().ControlState.Contains(csAlignmentNeeded));
  Host().EnableAlign();
  EXPECT_EQ(Bar->BoundsRect(), Rect(0, 130, 200, 150));
  // A hidden bar gives its room back.
  auto* Client = new TGraphicControl(&Host());
  Client->SetParent(&Host());
  Client->SetAlign(alClient);
  EXPECT_EQ(Client->BoundsRect(), Rect(0, 0, 200, 130));
  Bar->Hide();
  EXPECT_EQ(Client->BoundsRect(), Rect(0, 0, 200, 150));
}

TEST_F(ControlAnchorTest, TurningATopBarIntoALeftBarKeepsItsThickness) {
  Host().HandleNeeded();
  auto* Bar = new TGraphicControl(&Host());
  Bar->SetParent(&Host());
  Bar->SetHeight(24);
  Bar->SetAlign(alTop);
  EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 200, 24));
  Bar->SetAlign(alLeft);
  EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 24, 150));
}

}  // namespace
}  // namespace ui_test
