#pragma once
// A fixture for the tree-view tests: a tree on the test host, filled from a compact
// description, and helpers that read it back.

#include <vector>

#include "platform/ui/native/TreeView.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {

class TreeViewTest : public UiTest {
 protected:
  // A tree at (10, 10), 180 × 130, on the host.
  TTreeView& Tree();
  // Adds nodes: each entry is a text, indented by two blanks per level below the
  // entry before it ("Music", "  Rock", "    Live", "Video").
  void Fill(const std::vector<String>& ALines);
  // The first node (in tree order) whose text is AText; fails the test when none.
  TTreeNode* Node(const String& AText);
  // The texts of the shown nodes, top to bottom.
  std::vector<String> ShownTexts();
  int RowHeight();
  // The screen point of a point of the tree's client area.
  TPoint OnTree(int AX, int AY) { return Tree().ClientToScreen({AX, AY}); }
  // A key stroke from the keyboard (to the focused window), handled.
  void PressKey(UINT AKey);

 private:
  TTreeView* FTree = nullptr;
};

}  // namespace ui_test
