// The tree view: nodes and their walk, expanding and collapsing (by message, click
// and double click), item rectangles, lazy children, selection with its veto, the
// keys, and the scroll state the window keeps in its hidden bars.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/TreeViewTestSupport.h"

namespace ui_test {
namespace {

using Texts = std::vector<String>;

TEST_F(TreeViewTest, NodesKeepTheirPlaceInTreeOrderAndTheirLevels) {
  Fill({"Music", "  Rock", "    Live", "  Jazz", "Video"});
  TTreeNode* Rock = Node("Rock");
  Tree().Items().Insert(Rock, "Blues");  // just before Rock
  Tree().Items().AddChildFirst(Node("Music"), "Ambient");
  EXPECT_EQ(Tree().Items().Count(), 7);
  Texts Order;
  for (TTreeNode* N = Tree().Items().GetFirstNode(); N; N = N->GetNext()) Order.push_back(N->Text());
  EXPECT_EQ(Order, (Texts{"Music", "Ambient", "Blues", "Rock", "Live", "Jazz", "Video"}));
  EXPECT_EQ(Node("Live")->Level(), 2);
  EXPECT_EQ(Node("Live")->AbsoluteIndex(), 4);
  EXPECT_EQ(Node("Live")->Parent(), Rock);
  EXPECT_EQ(Tree().Items().Item(5)->Text(), "Jazz");
  EXPECT_EQ(Node("Music")->Count(), 4);
  EXPECT_EQ(Node("Music")->Item(3)->Text(), "Jazz");
  EXPECT_EQ(Node("Jazz")->GetPrev()->Text(), "Live");
  EXPECT_EQ(Node("Music")->getNextSibling()->Text(), "Video");
  EXPECT_THROW(Node("Music")->Item(4), EListError);
  EXPECT_THROW(Tree().Items().Item(7), EListError);
  // Deleting a node deletes its children first, each announced while still whole.
  Texts Deleted;
  Tree().OnDeletion = [&](TObject*, TTreeNode* ANode) {
    Deleted.push_back(ANode->Text() + (ANode->Deleting() ? "" : "?"));
  };
  Rock->Delete();
  EXPECT_EQ(Deleted, (Texts{"Live", "Rock"}));
  EXPECT_EQ(Tree().Items().Count(), 5);
  Node("Music")->DeleteChildren();
  EXPECT_FALSE(Node("Music")->HasChildren());
  Tree().Items().Clear();
  EXPECT_EQ(Deleted.back(), "Video");
  EXPECT_EQ(Tree().Items().GetFirstNode(), nullptr);
}

TEST_F(TreeViewTest, ExpandingAndCollapsingMoveTheRowsAndTheirRectangles) {
  Fill({"Music", "  Rock", "  Jazz", "Video"});
  ShowHost();
  const int H = RowHeight();
  const int W = Tree().ClientWidth();
  TTreeNode* Music = Node("Music");
  EXPECT_TRUE(Music->HasChildren());
  EXPECT_EQ(ShownTexts(), (Texts{"Music", "Video"}));
  EXPECT_EQ(Node("Video")->DisplayRect(false), Rect(0, H, W, 2 * H));
  EXPECT_TRUE(IsRectEmpty(Node("Rock")->DisplayRect(false)));

  struct Case {
    const char* What;
    std::function<void()> Act;
    Texts Shown;
  };
  const TPoint MusicButton = OnTree(19 / 2, H / 2);
  const TPoint MusicLabel = OnTree(19 + 5, H / 2);
  const std::vector<Case> Cases = {
      {"Expand(false)", [&] { Music->Expand(false); }, {"Music", "Rock", "Jazz", "Video"}},
      {"click on the button", [&] { InjectClick(MusicButton); }, {"Music", "Video"}},
      {"click on the button again", [&] { InjectClick(MusicButton); }, {"Music", "Rock", "Jazz", "Video"}},
      {"double click on the label", [&] { InjectDoubleClick(MusicLabel); }, {"Music", "Video"}},
      {"TVM_EXPAND toggle",
       [&] {
         SendMessage(Tree().Handle(), TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(Music->ItemId()));
       },
       {"Music", "Rock", "Jazz", "Video"}},
      {"Collapse", [&] { Music->Collapse(false); }, {"Music", "Video"}},
  };
  for (const Case& C : Cases) {
    C.Act();
    Pump();
    EXPECT_EQ(ShownTexts(), C.Shown) << C.What;
    EXPECT_EQ(Music->Expanded(), C.Shown.size() == 4) << C.What;
  }

  Music->Expand(false);
  // Rows stack from the top; the text starts after one indent per level (and one for
  // the root's button column), and is as wide as the text with a margin each side.
  EXPECT_EQ(Node("Jazz")->DisplayRect(false), Rect(0, 2 * H, W, 3 * H));
  EXPECT_EQ(Node("Video")->DisplayRect(false), Rect(0, 3 * H, W, 4 * H));
  const TRect Text = Node("Jazz")->DisplayRect(true);
  EXPECT_EQ(Text.Left, 2 * 19);
  EXPECT_EQ(Text.Top, 2 * H);
  EXPECT_EQ(Text.Width(), Tree().Canvas().TextWidth("Jazz") + 4);
  // The raw message gives the same rectangles, the item riding in the rectangle.
  RECT Raw;
  HTREEITEM Item = Node("Jazz")->ItemId();
  std::memcpy(static_cast<void*>(&Raw), &Item, sizeof Item);
  EXPECT_EQ(SendMessage(Tree().Handle(), TVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&Raw)), 1);
  EXPECT_EQ(Raw, Text);
  // Without root lines a top-level text starts at the left edge; Indent moves levels.
  Tree().SetShowRoot(false);
  EXPECT_EQ(Music->DisplayRect(true).Left, 0);
  Tree().SetIndent(25);
  EXPECT_EQ(Node("Jazz")->DisplayRect(true).Left, 25);
}

TEST_F(TreeViewTest, APlusSignFillsItsChildrenWhenFirstOpenedAndCanBeRefused) {
  Fill({"Computer", "Network"});
  TTreeNode* Computer = Node("Computer");
  Computer->SetHasChildren(true);
  EXPECT_TRUE(Computer->HasChildren());
  EXPECT_FALSE(Node("Network")->HasChildren());
  Texts Events;
  bool Refuse = true;
  Tree().OnExpanding = [&](TObject*, TTreeNode* ANode, bool& AAllow) {
    Events.push_back("expanding " + ANode->Text());
    AAllow = !Refuse;
    if (!AAllow || ANode->getFirstChild()) return;
    // As a folder tree does: the children come with plus signs of their own, and a
    // folder found empty loses its plus sign.
    if (ANode->Text() == "Computer")
      for (const char* Name : {"Disk", "Floppy"}) Tree().Items().AddChild(ANode, Name)->SetHasChildren(true);
    else if (ANode->Text() == "Disk")
      Tree().Items().AddChild(ANode, "Docs");
    else
      ANode->SetHasChildren(false);
  };
  Tree().OnExpanded = [&](TObject*, TTreeNode* ANode) { Events.push_back("expanded " + ANode->Text()); };
  Tree().OnCollapsing = [&](TObject*, TTreeNode* ANode, bool&) {
    Events.push_back("collapsing " + ANode->Text());
  };
  ShowHost();
  Computer->Expand(false);
  EXPECT_FALSE(Computer->Expanded());
  EXPECT_EQ(Computer->Count(), 0);
  Refuse = false;
  Computer->Expand(false);
  EXPECT_TRUE(Computer->Expanded());
  EXPECT_EQ(ShownTexts(), (Texts{"Computer", "Disk", "Floppy", "Network"}));
  Computer->Collapse(false);
  Computer->Expand(false);
  EXPECT_EQ(Computer->Count(), 2);  // filled once
  EXPECT_EQ(Events, (Texts{"expanding Computer", "expanding Computer", "expanded Computer",
                           "collapsing Computer", "expanding Computer", "expanded Computer"}));
  // Full expansion opens the lazy children as it goes.
  Events.clear();
  Computer->Expand(true);
  EXPECT_EQ(ShownTexts(), (Texts{"Computer", "Disk", "Docs", "Floppy", "Network"}));
  EXPECT_FALSE(Node("Floppy")->HasChildren());
  // A branch that loses its last child closes, so that opening it asks again.
  Node("Disk")->DeleteChildren();
  EXPECT_FALSE(Node("Disk")->Expanded());
  EXPECT_FALSE(Node("Disk")->HasChildren());
}

TEST_F(TreeViewTest, SelectionAsksCanChangeAndCollapsingMovesItOutOfTheClosedBranch) {
  Fill({"Music", "  Rock", "Video"});
  Texts Events;
  bool Veto = false;
  Tree().OnChanging = [&](TObject*, TTreeNode* ANode, bool& AAllow) {
    Events.push_back("changing " + ANode->Text());
    AAllow = !Veto;
  };
  Tree().OnChange = [&](TObject*, TTreeNode* ANode) { Events.push_back("change " + ANode->Text()); };
  ShowHost();
  Node("Rock")->SetSelected(true);  // opens Music to show it
  EXPECT_TRUE(Node("Music")->Expanded());
  EXPECT_EQ(Tree().Selected(), Node("Rock"));
  Veto = true;
  InjectClick(OnTree(19 + 5, 2 * RowHeight() + 2));  // Video
  Pump();
  EXPECT_EQ(Tree().Selected(), Node("Rock"));
  Veto = false;
  Node("Music")->Collapse(false);
  EXPECT_EQ(Tree().Selected(), Node("Music"));
  EXPECT_EQ(Events,
            (Texts{"changing Rock", "change Rock", "changing Video", "changing Music", "change Music"}));
  // A click on the tree gives it the focus: the selected node is the focused one.
  InjectClick(OnTree(19 + 5, 2));
  Pump();
  EXPECT_TRUE(Node("Music")->Focused());
  // RightClickSelect selects the node under a right press.
  Tree().RightClickSelect = true;
  InjectClick(OnTree(19 + 5, RowHeight() + 2), pbRight);
  Pump();
  EXPECT_EQ(Tree().Selected(), Node("Video"));
  // Deleting the selected node selects the one that takes its place.
  Events.clear();
  Node("Video")->Delete();
  EXPECT_EQ(Tree().Selected(), Node("Music"));
  EXPECT_EQ(Events, (Texts{"changing Music", "change Music"}));
}

TEST_F(TreeViewTest, KeysMoveTheSelectionAndOpenAndCloseBranches) {
  Fill({"A", "  A1", "    A1x", "  A2", "B", "  B1", "C"});
  ShowHost();
  Tree().SetFocus();
  Pump();
  struct Case {
    UINT Key;
    const char* Selected;
    Texts Shown;
  };
  const std::vector<Case> Cases = {
      {VK_DOWN, "A", {"A", "B", "C"}},  // the first key selects the first row
      {VK_DOWN, "B", {"A", "B", "C"}},
      {VK_RIGHT, "B", {"A", "B", "B1", "C"}},
      {VK_RIGHT, "B1", {"A", "B", "B1", "C"}},
      {VK_LEFT, "B", {"A", "B", "B1", "C"}},
      {VK_LEFT, "B", {"A", "B", "C"}},
      {VK_UP, "A", {"A", "B", "C"}},
      {VK_MULTIPLY, "A", {"A", "A1", "A1x", "A2", "B", "C"}},
      {VK_END, "C", {"A", "A1", "A1x", "A2", "B", "C"}},
      {VK_HOME, "A", {"A", "A1", "A1x", "A2", "B", "C"}},
      {VK_NEXT, "A2", {"A", "A1", "A1x", "A2", "B", "C"}},
      {VK_PRIOR, "A", {"A", "A1", "A1x", "A2", "B", "C"}},
      {VK_SUBTRACT, "A", {"A", "B", "C"}},
      {VK_ADD, "A", {"A", "A1", "A1x", "A2", "B", "C"}},
  };
  // A short tree: four rows fit, so a page moves three.
  Tree().SetHeight(4 * RowHeight() + 2);
  for (const Case& C : Cases) {
    PressKey(C.Key);
    ASSERT_NE(Tree().Selected(), nullptr) << C.Key;
    EXPECT_EQ(Tree().Selected()->Text(), C.Selected) << "key " << C.Key;
    EXPECT_EQ(ShownTexts(), C.Shown) << "key " << C.Key;
  }
}

TEST_F(TreeViewTest, TheHiddenBarsHoldRowsAndPixelsAndFollowScrollMessagesAndTheWheel) {
  for (int I = 0; I < 30; ++I) Tree().Items().Add(nullptr, Format("Item %d", I));
  ShowHost();
  Tree().SetFocus();  // the wheel goes to the focused window
  HWND Window = Tree().Handle();
  // The bars take no room.
  EXPECT_EQ(Tree().ClientWidth(), Tree().Width());
  EXPECT_EQ(Tree().ClientHeight(), Tree().Height());
  const int Visible = Tree().Height() / RowHeight();
  EXPECT_EQ(SendMessage(Window, TVM_GETVISIBLECOUNT, 0, 0), Visible);
  EXPECT_EQ(SendMessage(Window, TVM_GETCOUNT, 0, 0), 30);
  auto Vertical = [&] {
    SCROLLINFO Info;
    Info.fMask = SIF_ALL;
    GetScrollInfo(Window, SB_VERT, &Info);
    return std::vector<int>{Info.nMin, Info.nMax, static_cast<int>(Info.nPage), Info.nPos};
  };
  EXPECT_EQ(Vertical(), (std::vector<int>{0, 29, Visible, 0}));
  struct Case {
    const char* What;
    std::function<void()> Act;
    int Top;
  };
  const std::vector<Case> Cases = {
      {"thumb 10", [&] { SendMessage(Window, WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 10), 0); }, 10},
      {"line down", [&] { SendMessage(Window, WM_VSCROLL, MakeScrollWParam(SB_LINEDOWN, 0), 0); }, 11},
      {"page up", [&] { SendMessage(Window, WM_VSCROLL, MakeScrollWParam(SB_PAGEUP, 0), 0); }, 11 - Visible},
      {"wheel towards the user", [&] { InjectWheel(OnTree(20, 20), -WHEEL_DELTA); }, 14 - Visible},
      {"thumb far beyond",
       [&] { SendMessage(Window, WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 100000), 0); }, 30 - Visible},
      {"top", [&] { SendMessage(Window, WM_VSCROLL, MakeScrollWParam(SB_TOP, 0), 0); }, 0},
      {"TopItem", [&] { Tree().SetTopItem(Tree().Items().Item(7)); }, 7},
      {"select the last", [&] { Tree().Items().Item(29)->SetSelected(true); }, 30 - Visible},
  };
  for (const Case& C : Cases) {
    C.Act();
    Pump();
    EXPECT_EQ(Vertical()[3], C.Top) << C.What;
    EXPECT_EQ(Tree().TopItem(), Tree().Items().Item(C.Top)) << C.What;
    EXPECT_EQ(Tree().TopItem()->DisplayRect(false).Top, 0) << C.What;
  }
  // Horizontally the range is the content width in pixels, the page the client width;
  // positions beyond 65535 pass whole.
  const String Long(9000, 'W');
  TTreeNode* Wide = Tree().Items().Add(nullptr, Long);
  const int Content = 19 + Tree().Canvas().TextWidth(Long) + 4;
  ASSERT_GT(Content - Tree().ClientWidth(), 70000);
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  GetScrollInfo(Window, SB_HORZ, &Info);
  EXPECT_EQ(Info.nMax, Content);
  EXPECT_EQ(static_cast<int>(Info.nPage), Tree().ClientWidth());
  SendMessage(Window, WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, 70000), 0);
  EXPECT_EQ(GetScrollPos(Window, SB_HORZ), 70000);
  EXPECT_EQ(Wide->DisplayRect(true).Left, 19 - 70000);
  EXPECT_EQ(Wide->DisplayRect(false).Left, 0);
}

}  // namespace
}  // namespace ui_test
