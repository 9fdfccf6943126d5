// The skinned tree view: colours and font from its skin element (the defaults without
// one), no system scroll bars, and the external skinned bars following the tree's own
// scroll state in both directions.

#include <cstring>

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
  // A root node AName with one child AChild.
  TTreeNode* AddWithChild(const String& AName, const String& AChild) {
    TTreeNode* Node = Tree->Items().Add(nullptr, AName);
    Tree->Items().AddChild(Node, AChild);
    return Node;
  }
  // The middle row of ANode's line on the host.
  static int RowMiddle(TTreeNode* ANode) {
    const TRect Row = ANode->DisplayRect(false);
    return Row.Top + Row.Height() / 2;
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
  const auto& Element = *SkinNew().Control<TspDataSkinTreeView>(Index);
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

// A bar of another owner may go before the tree, and the tree before a bar; a bar the
// tree no longer uses no longer calls it (the sanitizers catch a use of the freed one).
TEST_F(SkinTreeViewTest, TheTreeAndABarOfAnotherOwnerMayGoInEitherOrder) {
  AddNodes(100);
  ShowHost();
  auto* Gone = new TspSkinScrollBar(nullptr);
  Tree->SetVScrollBar(Gone);
  delete Gone;
  Tree->SetTopItem(Tree->Items().Item(30));
  Pump();

  auto* Replaced = new TspSkinScrollBar(nullptr);
  Tree->SetVScrollBar(Replaced);
  Tree->SetVScrollBar(VBar);
  EXPECT_FALSE(Replaced->OnChange);
  delete Replaced;

  auto* Outliving = new TspSkinScrollBar(nullptr);
  Tree->SetHScrollBar(Outliving);
  delete Tree;
  EXPECT_FALSE(Outliving->OnChange);
  Outliving->SetPosition(5);
  delete Outliving;
}

TEST_F(SkinTreeViewTest, AHundredNodesTwentyToAPageLetTheBarReachEighty) {
  AddNodes(100);
  Tree->SetVScrollBar(VBar);
  ShowHost();
  const int Row = Tree->Items().Item(0)->DisplayRect(false).Height();
  Tree->SetHeight(20 * Row);
  Pump();
  ASSERT_EQ(VisibleCount(), 20);
  ASSERT_TRUE(VBar->Visible());
  EXPECT_EQ(VBar->Max(), 99);
  EXPECT_EQ(VBar->PageSize(), 20);
  VBar->SetPosition(1000);
  EXPECT_EQ(VBar->Position(), 80);
  EXPECT_EQ(Tree->TopItem(), Tree->Items().Item(80));
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

class SkinTreeViewItemsTest : public SkinTreeViewTest {
 protected:
  static constexpr TColor Ink = RGB(0, 0, 0);
  static constexpr TColor Paper = RGB(255, 255, 255);
  // Half-way between ink and paper, and a quarter of the way.
  static constexpr TColor Box = RGB(127, 127, 127);
  static constexpr TColor Line = RGB(191, 191, 191);
  static constexpr TColor Focus = RGB(0, 0, 200);
  static constexpr TColor Active = RGB(200, 0, 0);

  // A black-on-white "treeview" element and a "listbox" whose focused item picture is
  // blue and whose selected one (without focus) is red.
  void SkinTheTree() {
    auto& Element = AddElement<TspDataSkinTreeView>("treeview");
    Element.FontName = "Arial";
    Element.FontHeight = 14;
    Element.FontColor = Ink;
    Element.BGColor = Paper;
    Element.PictureIndex = -1;
    AddItemsElement(Focus, Active);
    Tree->SetSkinData(&Skin());
    Tree->SetDrawSkin(true);
  }
  std::string TreePicture(const TRect& AArea) {
    return HostPicture(AArea, {{Paper, '.'}, {Ink, 'x'}, {Box, 'b'}, {Line, 'l'}});
  }
  // The pixels of row ARow of the tree from AX to AX + ACount.
  std::string RowOfPixels(int AX, int AY, int ACount) {
    return TreePicture(Rect(AX, AY, AX + ACount, AY + 1));
  }
};

TEST_F(SkinTreeViewItemsTest, LinesFadeButtonsShowPlusOrMinusAndChildrenHangOnTheirParentsLine) {
  SkinTheTree();
  TTreeNode* Open = AddWithChild("open", "child");
  TTreeNode* Closed = AddWithChild("closed", "hidden");
  Open->Expand(false);
  Tree->SetSelected(nullptr);
  ShowHost();
  Pump();
  // Indent 19: the button column b = 9, s = 5; the box from (4, c - 5) to (13, c + 4)
  // exclusive, the vertical line at x = 8, the centre row c - 1.
  const int C = RowMiddle(Open);
  // The open node: a box with a minus, no bar, then the connector from x = 13 to 18,
  // opaque for 3 pixels and fading over the last 3 (255, 170, 85 of alpha).
  std::string Expected = "....bbbbbbbbb";
  EXPECT_EQ(RowOfPixels(0, C - 5, 13), Expected + "\n");
  EXPECT_EQ(RowOfPixels(0, C - 1, 13), "....b.xxxxx.b\n");
  EXPECT_EQ(RowOfPixels(0, C - 3, 13), "....b.......b\n");
  const std::string Connector = RowOfPixels(13, C - 1, 7);
  EXPECT_EQ(Connector.substr(0, 4), "llll");
  EXPECT_EQ(HostPixel(16, C - 1), ColorToRGB(Line));
  EXPECT_NE(HostPixel(17, C - 1), ColorToRGB(Line));
  EXPECT_NE(HostPixel(17, C - 1), ColorToRGB(Paper));
  EXPECT_EQ(HostPixel(19, C - 1), ColorToRGB(Paper));
  // Below the box the line goes on down to the next sibling, through the child's row.
  EXPECT_EQ(RowOfPixels(8, C + 6, 1), "l\n");

  // The closed node: a plus.
  const TRect ClosedRow = Closed->DisplayRect(false);
  const int D = RowMiddle(Closed);
  EXPECT_EQ(RowOfPixels(0, D - 1, 13), "....b.xxxxx.b\n");
  EXPECT_EQ(RowOfPixels(0, D - 3, 13), "....b...x...b\n");
  // The last node has nothing below its box.
  EXPECT_EQ(RowOfPixels(8, ClosedRow.Bottom - 1, 1), ".\n");
}

TEST_F(SkinTreeViewItemsTest, ASelectedNodeShowsTheFocusedOrTheUnfocusedItemPicture) {
  SkinTheTree();
  Tree->SetHideSelection(false);
  Tree->Items().Add(nullptr, "first");
  TTreeNode* Second = Tree->Items().Add(nullptr, "second");
  ShowHost();
  Tree->SetSelected(Second);
  Pump();
  const TRect Text = Second->DisplayRect(true);
  EXPECT_EQ(HostPixel(Text.Left, Text.Top), ColorToRGB(Active));
  EXPECT_EQ(HostPixel(Text.Right - 1, Text.Bottom - 1), ColorToRGB(Active));
  Tree->SetFocus();
  Pump();
  EXPECT_EQ(HostPixel(Text.Left, Text.Top), ColorToRGB(Focus));
  // The caption is drawn on it (in the element's focused font colour).
  int Caption = 0;
  for (int X = Text.Left; X < Text.Right; ++X)
    for (int Y = Text.Top; Y < Text.Bottom; ++Y) Caption += HostPixel(X, Y) != ColorToRGB(Focus);
  EXPECT_GT(Caption, 20);
}

// With an indent of 10 or 6 the connector of a node with children is one pixel long
// (from b + s - 1 to Indent + s - 5): it has no half to fade over, and is drawn as one
// whole pixel right of its start.
TEST_F(SkinTreeViewItemsTest, AConnectorOnePixelLongIsDrawnWhole) {
  SkinTheTree();
  for (int Indent : {10, 6}) {
    Tree->Items().Clear();
    Tree->SetIndent(Indent);
    TTreeNode* Parent = AddWithChild("parent", "child");
    Tree->SetSelected(nullptr);
    ShowHost();
    Pump();
    const int C = RowMiddle(Parent);
    const int Start = Indent / 2 + 5 - 1;
    EXPECT_EQ(RowOfPixels(Start - 1, C - 1, 2), "bl\n") << Indent;
  }
}

TEST_F(SkinTreeViewItemsTest, WithoutTheListBoxElementTheClassLibraryDrawsTheItems) {
  SkinTheTree();
  TspSkinEditor(Skin()).Control(Skin().ControlCount() - 1)->IDName = "not a list box";
  TTreeNode* Open = AddWithChild("open", "child");
  ShowHost();
  Pump();
  const int C = RowMiddle(Open);
  // The class library's dotted lines and its own box, not the skinned one.
  EXPECT_EQ(RowOfPixels(0, C - 5, 13).find("bbbbbbbbb"), std::string::npos);
}

TEST_F(SkinTreeViewItemsTest, TheButtonImageListGivesTheButtonsPictures) {
  SkinTheTree();
  TCustomImageList Buttons(nullptr);
  Buttons.SetWidth(8);
  Buttons.SetHeight(8);
  for (TColor Colour : {clRed, clLime}) {
    TBitmap Picture;
    Picture.SetSize(8, 8);
    Picture.Canvas().Brush().SetColor(Colour);
    Picture.Canvas().FillRect(Rect(0, 0, 8, 8));
    Buttons.Add(Picture, nullptr);
  }
  Tree->SetButtonImageList(&Buttons);
  TTreeNode* Open = AddWithChild("open", "child");
  TTreeNode* Closed = AddWithChild("closed", "hidden");
  Open->Expand(false);
  ShowHost();
  Pump();
  // s = 4: the picture at (b - 4, c - 4), expanded lime, collapsed red.
  EXPECT_EQ(HostPixel(5, RowMiddle(Open) - 4), ColorToRGB(clLime));
  EXPECT_EQ(HostPixel(5, RowMiddle(Closed) - 4), ColorToRGB(clRed));
  Tree->SetButtonImageList(nullptr);
}

// Without Images the nodes' pictures come from the tree's own native image list, as
// the shell tree gives it the system's pictures.
TEST_F(SkinTreeViewItemsTest, WithoutImagesTheNativeImageListGivesTheNodesPictures) {
  SkinTheTree();
  TCustomImageList Pictures(nullptr);
  Pictures.SetWidth(8);
  Pictures.SetHeight(8);
  skin_controls_test::AddFilledImage(Pictures, clLime);
  TTreeNode* Folder = Tree->Items().Add(nullptr, "folder");
  Folder->SetImageIndex(0);
  TTreeNode* Other = Tree->Items().Add(nullptr, "other");
  Other->SetImageIndex(1);  // not in the list: nothing
  Tree->SetSelected(nullptr);
  ShowHost();
  SendMessage(Tree->Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(&Pictures));
  Tree->Invalidate();
  Pump();
  // At x0 + Indent = 19, centred on the row.
  EXPECT_EQ(HostPixel(19, RowMiddle(Folder) - 4), ColorToRGB(clLime));
  EXPECT_EQ(HostPixel(26, RowMiddle(Folder) + 3), ColorToRGB(clLime));
  EXPECT_EQ(HostPixel(22, RowMiddle(Other)), ColorToRGB(Paper));
  SendMessage(Tree->Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
}

TEST_F(SkinTreeViewItemsTest, WithTheDefaultSkinAClickOnTheButtonPictureExpandsAndCollapses) {
  Tree->SetSkinData(&SkinNew());
  Tree->SetDrawSkin(true);
  TTreeNode* Parent = AddWithChild("parent", "child");
  Tree->SetSelected(nullptr);
  ShowHost();
  Pump();
  const int C = RowMiddle(Parent);
  // The button picture lies around the button column (b - 1, c - 1); the connector
  // starts at b + s - 1 = 12.
  const TRect Button = Rect(2, C - 6, 12, C + 5);
  const TColor Surface = Tree->Color();
  // The rightward chevron of a collapsed node: its ink spans more rows than columns.
  auto InkBounds = [&] {
    TRect Drawn = Rect(1000, 1000, -1, -1);
    for (int X = Button.Left; X < Button.Right; ++X)
      for (int Y = Button.Top; Y < Button.Bottom; ++Y)
        if (HostPixel(X, Y) != ColorToRGB(Surface)) {
          Drawn.Left = std::min<int>(Drawn.Left, X);
          Drawn.Top = std::min<int>(Drawn.Top, Y);
          Drawn.Right = std::max<int>(Drawn.Right, X + 1);
          Drawn.Bottom = std::max<int>(Drawn.Bottom, Y + 1);
        }
    return Drawn;
  };
  const TRect Collapsed = InkBounds();
  ASSERT_GT(Collapsed.Width(), 0);
  EXPECT_GT(Collapsed.Height(), Collapsed.Width());
  // The picture alone: no edge of a drawn box beside it (the box would end at x = 11).
  EXPECT_LE(Collapsed.Right, 11);
  const TPoint Click = OnHost(Tree->Indent() / 2, C);
  InjectPointerPress(Click);
  InjectPointerRelease(Click);
  Pump();
  ASSERT_TRUE(Parent->Expanded());
  const TRect Expanded = InkBounds();
  EXPECT_GT(Expanded.Width(), Expanded.Height());
  InjectPointerPress(Click);
  InjectPointerRelease(Click);
  Pump();
  EXPECT_FALSE(Parent->Expanded());
  EXPECT_EQ(InkBounds(), Collapsed);
}

// A handle of a node deleted since, or one the tree never gave, is ignored by every
// message that takes an item, and the skinned tree goes on painting.
TEST_F(SkinTreeViewItemsTest, UnknownItemHandlesInMessagesAreIgnored) {
  SkinTheTree();
  TTreeNode* Kept = Tree->Items().Add(nullptr, "kept");
  TTreeNode* Gone = Tree->Items().Add(nullptr, "gone");
  ShowHost();
  const HTREEITEM Stale = Gone->ItemId();
  Gone->Delete();
  HWND Window = Tree->Handle();
  for (HTREEITEM Item : {Stale, reinterpret_cast<HTREEITEM>(0x5a5a5a5a)}) {
    const auto Handle = reinterpret_cast<LPARAM>(Item);
    EXPECT_EQ(SendMessage(Window, TVM_EXPAND, TVE_EXPAND, Handle), 0);
    EXPECT_EQ(SendMessage(Window, TVM_SELECTITEM, TVGN_CARET, Handle), 0);
    EXPECT_EQ(SendMessage(Window, TVM_DELETEITEM, 0, Handle), 0);
    RECT R{};
    // The item comes in the rectangle itself.
    std::memcpy(static_cast<void*>(&R), &Item, sizeof Item);
    EXPECT_EQ(SendMessage(Window, TVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&R)), 0);
  }
  Tree->Invalidate();
  Pump();
  EXPECT_EQ(Tree->Items().Count(), 1);
  EXPECT_EQ(HostPixel(8, RowMiddle(Kept)), ColorToRGB(Paper));
}

}  // namespace
}  // namespace more_controls_test
