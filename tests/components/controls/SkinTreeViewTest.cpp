// The skinned tree view: colours and font from its skin element (the defaults without
// one), no system scroll bars, and the external skinned bars following the tree's own
// scroll state in both directions.

#include "components/controls/SkinCtrls.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinTreeViewTest : public MoreControlsTest {
 protected:
  void SetUp() override {
    MoreControlsTest::SetUp();
    Tree = new TspSkinCustomTreeView(&Host());
    Tree->SetBounds(0, 0, 160, 150);
    Tree->SetParent(&Host());
    VBar = new TspSkinScrollBar(&Host());
    VBar->SetKind(sbVertical);
    VBar->SetBounds(160, 0, 19, 150);
    VBar->SetParent(&Host());
  }
  void AddNodes(int ACount) {
    for (int I = 0; I < ACount; ++I) Tree->Items().Add(nullptr, "node " + std::to_string(I));
  }
  int VisibleCount() { return static_cast<int>(SendMessage(Tree->Handle(), TVM_GETVISIBLECOUNT, 0, 0)); }

  TspSkinCustomTreeView* Tree = nullptr;
  TspSkinScrollBar* VBar = nullptr;
};

TEST_F(SkinTreeViewTest, TakesTheColoursAndFontOfItsElementAndTheDefaultsWithoutOne) {
  auto& Element = AddElement<TspDataSkinTreeView>("treeview");
  Element.FontName = "Courier New";
  Element.FontHeight = 17;
  Element.FontColor = RGB(200, 100, 0);
  Element.BGColor = RGB(0, 20, 40);
  Tree->SetSkinData(&Skin());
  EXPECT_EQ(Tree->Color(), RGB(0, 20, 40));
  EXPECT_EQ(Tree->Font().Name(), "Courier New");
  EXPECT_EQ(Tree->Font().Height(), 17);
  EXPECT_EQ(Tree->Font().Color(), RGB(200, 100, 0));
  // The buttons half-way between text and background, the lines a quarter of the way.
  EXPECT_EQ(Tree->ButtonColor(), RGB(100, 60, 20));
  EXPECT_EQ(Tree->LineColor(), RGB(50, 40, 30));

  // Without UseSkinFont only the colour comes from the element.
  Tree->UseSkinFont = false;
  Tree->ChangeSkinData();
  EXPECT_EQ(Tree->Font().Name(), "Arial");
  EXPECT_EQ(Tree->Font().Height(), 14);
  EXPECT_EQ(Tree->Font().Color(), RGB(200, 100, 0));

  Element.IDName = "another tree";
  Tree->ChangeSkinData();
  EXPECT_EQ(Tree->Color(), clWindow);
  EXPECT_EQ(Tree->Font().Name(), "Arial");
  EXPECT_EQ(Tree->LineColor(), clGray);
}

TEST_F(SkinTreeViewTest, AnElementOfAnotherKindKeepsTheLastLook) {
  auto& Element = AddElement<TspDataSkinTreeView>("treeview");
  Element.BGColor = clNavy;
  Element.FontName = "Arial";
  Element.FontHeight = 15;
  Tree->SetSkinData(&Skin());
  Tree->SkinDataName = "bevel";
  AddElement<TspDataSkinBevel>("bevel");
  Tree->ChangeSkinData();
  EXPECT_EQ(Tree->Color(), clNavy);
  EXPECT_EQ(Tree->Font().Height(), 15);
}

TEST_F(SkinTreeViewTest, TheDefaultSkinGivesItsColoursAndButtonPictures) {
  Tree->SetSkinData(&SkinNew());
  const int Index = SkinNew().GetControlIndex("treeview");
  ASSERT_GE(Index, 0);
  const auto& Element = dynamic_cast<const TspDataSkinTreeView&>(*SkinNew().CtrlList[Index]);
  EXPECT_EQ(Tree->Color(), Element.BGColor);
  EXPECT_EQ(Tree->Font().Color(), Element.FontColor);
  EXPECT_EQ(Tree->ExpandImage().Width(), Element.ExpandImageRect.Width());
  EXPECT_EQ(Tree->ExpandImage().Height(), Element.ExpandImageRect.Width());
  EXPECT_EQ(Tree->NoExpandImage().Width(), Element.NoExpandImageRect.Width());
}

TEST_F(SkinTreeViewTest, TheVerticalBarFollowsTheTreeAndScrollsIt) {
  AddNodes(100);
  Tree->SetVScrollBar(VBar);
  ShowHost();
  Pump();
  ASSERT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Min(), 0);
  EXPECT_EQ(VBar->Max(), 99);
  EXPECT_EQ(VBar->PageSize(), VisibleCount());
  EXPECT_EQ(VBar->Position(), 0);

  // The bar moved by the user: the node whose index is the position comes to the top.
  VBar->SetPosition(10);
  EXPECT_EQ(Tree->TopItem(), Tree->Items().Item(10));
  VBar->SetPosition(1000);
  EXPECT_EQ(Tree->TopItem(), Tree->Items().Item(100 - VisibleCount()));

  // The tree scrolled by itself: the bar follows at the next paint.
  Tree->SetTopItem(Tree->Items().Item(30));
  Pump();
  EXPECT_EQ(VBar->Position(), 30);
}

TEST_F(SkinTreeViewTest, TheBarShowsOnlyWhileTheNodesDoNotFitAndWhileTheTreeShows) {
  AddNodes(3);
  Tree->SetVScrollBar(VBar);
  ShowHost();
  Pump();
  EXPECT_FALSE(VBar->Visible());
  AddNodes(60);
  Pump();
  EXPECT_TRUE(VBar->Visible());

  Tree->SetVisible(false);
  EXPECT_FALSE(VBar->Visible());
  Tree->SetVisible(true);
  Pump();
  EXPECT_TRUE(VBar->Visible());
}

TEST_F(SkinTreeViewTest, AnAlignedTreeGivesTheBarRoomAtOnce) {
  Tree->SetAlign(alClient);
  VBar->SetAlign(alRight);
  Tree->SetVScrollBar(VBar);
  ShowHost();
  Pump();
  EXPECT_EQ(Tree->Width(), Host().ClientWidth());
  AddNodes(100);
  Pump();
  ASSERT_TRUE(VBar->Visible());
  EXPECT_EQ(Tree->Width(), Host().ClientWidth() - VBar->Width());
}

TEST_F(SkinTreeViewTest, TheHorizontalBarsCornerFollowsTheVerticalBar) {
  auto* HBar = new TspSkinScrollBar(&Host());
  HBar->SetBounds(0, 131, 160, 19);
  HBar->SetParent(&Host());
  Tree->SetVScrollBar(VBar);
  Tree->SetHScrollBar(HBar);
  TTreeNode* Wide = Tree->Items().Add(nullptr, String(60, 'W'));
  ShowHost();
  Pump();
  ASSERT_TRUE(HBar->Visible());
  EXPECT_FALSE(HBar->Both());
  int Min = 0;
  int Max = 0;
  GetScrollRange(Tree->Handle(), SB_HORZ, &Min, &Max);
  EXPECT_EQ(HBar->Max(), Max);
  EXPECT_EQ(HBar->PageSize(), Tree->Width());
  // The bar moved: the tree scrolls by pixels.
  HBar->SetPosition(40);
  EXPECT_EQ(GetScrollPos(Tree->Handle(), SB_HORZ), 40);

  AddNodes(100);
  Pump();
  EXPECT_TRUE(VBar->Visible());
  EXPECT_TRUE(HBar->Both());
  Wide->Delete();
  Tree->Items().Clear();
  Pump();
  EXPECT_FALSE(VBar->Visible());
  EXPECT_FALSE(HBar->Both());
}

TEST_F(SkinTreeViewTest, AClickOnANodesButtonExpandsAndCollapsesItAndTheBarFollows) {
  TTreeNode* Parent = Tree->Items().Add(nullptr, "parent");
  for (int I = 0; I < 40; ++I) Tree->Items().AddChild(Parent, "child " + std::to_string(I));
  Tree->SetVScrollBar(VBar);
  ShowHost();
  Pump();
  EXPECT_FALSE(VBar->Visible());
  // The button sits in the middle of the indent before the node's picture and text.
  const TRect Row = Parent->DisplayRect(false);
  const TPoint Button = OnHost(Tree->Indent() / 2, (Row.Top + Row.Bottom) / 2);
  InjectPointerPress(Button);
  InjectPointerRelease(Button);
  Pump();
  EXPECT_TRUE(Parent->Expanded());
  EXPECT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), 40);
  InjectPointerPress(Button);
  InjectPointerRelease(Button);
  Pump();
  EXPECT_FALSE(Parent->Expanded());
  EXPECT_FALSE(VBar->Visible());
}

TEST_F(SkinTreeViewTest, AnswersThePaintIntoContextRequestWithoutPainting) {
  ShowHost();
  EXPECT_EQ(SendMessage(Tree->Handle(), 45513, 0, 0), 12851);
}

}  // namespace
}  // namespace more_controls_test
