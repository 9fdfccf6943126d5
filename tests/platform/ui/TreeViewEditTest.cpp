// Label editing in the tree view: the inner edit over the node's text, Enter, Escape
// and focus loss, the veto of OnEditing, OnEdited changing the text, and the delayed
// start by a click on the selected node's text.

#include <gtest/gtest.h>

#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowTree.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/TreeViewTestSupport.h"

namespace ui_test {
namespace {

class TreeViewEditTest : public TreeViewTest {
 protected:
  void SetUp() override {
    TreeViewTest::SetUp();
    Fill({"Music", "Video"});
    Tree().OnEdited = [this](TObject*, TTreeNode* ANode, String& AText) {
      Edited.push_back(ANode->Text() + " -> " + AText);
      if (AText == "Films") AText = "Movies";
    };
    ShowHost();
    Tree().SetFocus();
    Pump();
  }
  HWND EditWindow() { return reinterpret_cast<HWND>(SendMessage(Tree().Handle(), TVM_GETEDITCONTROL, 0, 0)); }

  std::vector<String> Edited;
};

TEST_F(TreeViewEditTest, EnterTakesTheTextEscapeCancelsAndLosingTheFocusTakesIt) {
  struct Case {
    const char* What;
    const char* Node;
    const char* Typed;
    std::function<void()> End;
    const char* Text;  // the node's text afterwards
    std::vector<String> Edited;
  };
  const std::vector<Case> Cases = {
      {"Enter", "Music", "Songs", [] { InjectKeyStroke(VK_RETURN); }, "Songs", {"Music -> Songs"}},
      {"Escape", "Songs", "Noise", [] { InjectKeyStroke(VK_ESCAPE); }, "Songs", {}},
      {"OnEdited changes the text",
       "Video",
       "Films",
       [] { InjectKeyStroke(VK_RETURN); },
       "Movies",
       {"Video -> Films"}},
      {"focus to the tree", "Songs", "Tunes", [this] { Tree().SetFocus(); }, "Tunes", {"Songs -> Tunes"}},
  };
  for (const Case& C : Cases) {
    Edited.clear();
    TTreeNode* Target = Node(C.Node);
    ASSERT_TRUE(Target->EditText()) << C.What;
    EXPECT_TRUE(Tree().IsEditing()) << C.What;
    HWND Edit = EditWindow();
    ASSERT_NE(Edit, nullptr);
    EXPECT_EQ(GetWindowText(Edit), C.Node) << C.What;
    EXPECT_EQ(GetFocus(), Edit) << C.What;
    InjectText(C.Typed);  // the whole text was selected: typing replaces it
    Pump();
    C.End();
    Pump();
    EXPECT_FALSE(Tree().IsEditing()) << C.What;
    EXPECT_FALSE(IsWindow(Edit)) << C.What;
    EXPECT_EQ(Target->Text(), C.Text) << C.What;
    EXPECT_EQ(Edited, C.Edited) << C.What;
    EXPECT_EQ(GetFocus(), Tree().Handle()) << C.What;
  }
}

TEST_F(TreeViewEditTest, OnEditingAndReadOnlyRefuseAndAClickOnTheSelectedTextStartsAnEditLater) {
  bool Allow = false;
  Tree().OnEditing = [&](TObject*, TTreeNode*, bool& AAllow) { AAllow = Allow; };
  EXPECT_FALSE(Node("Music")->EditText());
  EXPECT_FALSE(Tree().IsEditing());
  Allow = true;
  const TPoint MusicText = OnTree(19 + 6, RowHeight() / 2);
  // The first click selects; a click on the selected node's text starts the edit once
  // the double-click time has passed.
  InjectClick(MusicText);
  Pump();
  Headless().AdvanceClock(GetDoubleClickTime() + 10);
  EXPECT_FALSE(Tree().IsEditing());
  InjectClick(MusicText);
  Pump();
  EXPECT_FALSE(Tree().IsEditing());
  Headless().AdvanceClock(GetDoubleClickTime() + 10);
  EXPECT_TRUE(Tree().IsEditing());
  Node("Music")->EndEdit(true);
  EXPECT_FALSE(Tree().IsEditing());
  // Read-only: no edit from a click.
  Tree().SetReadOnly(true);
  InjectClick(MusicText);
  Pump();
  Headless().AdvanceClock(GetDoubleClickTime() + 10);
  EXPECT_FALSE(Tree().IsEditing());
  // Deleting the node under edit ends the edit without a text.
  Tree().SetReadOnly(false);
  ASSERT_TRUE(Node("Video")->EditText());
  Node("Video")->Delete();
  EXPECT_FALSE(Tree().IsEditing());
  EXPECT_TRUE(Edited.empty());
}

}  // namespace
}  // namespace ui_test
