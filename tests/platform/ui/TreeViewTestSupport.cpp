#include "tests/platform/ui/TreeViewTestSupport.h"

#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessInput.h"

namespace ui_test {

TTreeView& TreeViewTest::Tree() {
  if (!FTree) {
    FTree = new TTreeView(&Host());
    FTree->SetParent(&Host());
    FTree->SetBounds(10, 10, 180, 130);
  }
  return *FTree;
}

void TreeViewTest::Fill(const std::vector<String>& ALines) {
  std::vector<TTreeNode*> Levels;
  for (const String& Line : ALines) {
    const size_t Blanks = Line.find_first_not_of(' ');
    const size_t Level = Blanks / 2;
    Levels.resize(Level);
    TTreeNode* Parent = Level ? Levels[Level - 1] : nullptr;
    Levels.push_back(Tree().Items().AddChild(Parent, Line.substr(Blanks)));
  }
}

TTreeNode* TreeViewTest::Node(const String& AText) {
  for (TTreeNode* Node = Tree().Items().GetFirstNode(); Node; Node = Node->GetNext())
    if (Node->Text() == AText) return Node;
  ADD_FAILURE() << "no node " << AText;
  return nullptr;
}

std::vector<String> TreeViewTest::ShownTexts() {
  std::vector<String> Texts;
  for (TTreeNode* Node = Tree().Items().GetFirstNode(); Node; Node = Node->GetNextVisible())
    Texts.push_back(Node->Text());
  return Texts;
}

int TreeViewTest::RowHeight() {
  return static_cast<int>(SendMessage(Tree().Handle(), TVM_GETITEMHEIGHT, 0, 0));
}

void TreeViewTest::PressKey(UINT AKey) {
  InjectKeyStroke(AKey);
  Pump();
}

}  // namespace ui_test
