// A demonstration of the tree view for a person to look at (not part of the program):
// a folder tree with pictures, lines and buttons, opened and browsed by injected
// clicks and keys, with one folder renamed in place, saved as a PNG picture.

#include <gtest/gtest.h>

#include "platform/win/Keyboard.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/platform/ui/TreeViewTestSupport.h"

namespace ui_test {
namespace {

// Two 16 × 16 pictures: a closed folder and an open one.
void AddFolderPictures(TImageList& AImages) {
  TBitmap Strip;
  Strip.SetSize(32, 16);
  TCanvas& C = Strip.Canvas();
  C.Brush().SetColor(clWhite);
  C.FillRect(Rect(0, 0, 32, 16));
  for (int Picture = 0; Picture < 2; ++Picture) {
    const int X = Picture * 16;
    C.Brush().SetColor(static_cast<TColor>(RGB(200, 150, 40)));
    C.FillRect(Rect(X + 1, 3, X + 7, 5));
    C.Brush().SetColor(static_cast<TColor>(Picture ? RGB(250, 215, 100) : RGB(230, 180, 60)));
    C.FillRect(Rect(X + 1, 5, X + 15, 14));
  }
  AImages.AddMasked(Strip, clWhite);
}

TEST_F(TreeViewTest, TheDemonstrationTreeIsDrivenByInputAndSavedAsAPicture) {
  Host().SetBounds(100, 100, 260, 220);
  Tree().SetBounds(10, 10, 240, 200);
  TImageList Images(nullptr);
  AddFolderPictures(Images);
  Tree().SetImages(&Images);
  Tree().OnGetSelectedIndex = [](TObject*, TTreeNode* ANode) { ANode->SetSelectedIndex(1); };
  // Folders fill their children when first opened.
  Tree().OnExpanding = [this](TObject*, TTreeNode* ANode, bool&) {
    if (ANode->getFirstChild()) return;
    for (const char* Name : {"Documents", "Music", "Pictures", "Videos"}) {
      TTreeNode* Child = Tree().Items().AddChild(ANode, Name);
      Child->SetHasChildren(ANode->Level() < 2);
      Child->SetImageIndex(0);
    }
  };
  Fill({"Desktop", "  Computer", "  Network", "  Recycle Bin"});
  for (TTreeNode* N = Tree().Items().GetFirstNode(); N; N = N->GetNext()) N->SetImageIndex(0);
  Node("Computer")->SetHasChildren(true);
  Node("Desktop")->Expand(false);
  ShowHost();
  Tree().SetFocus();

  const int H = RowHeight();
  InjectClick(OnTree(19 + 19 / 2, H + H / 2));  // Computer's plus sign
  Pump();
  PressKey(VK_DOWN);   // Desktop
  PressKey(VK_DOWN);   // Computer
  PressKey(VK_DOWN);   // Documents
  PressKey(VK_DOWN);   // Music
  PressKey(VK_RIGHT);  // opens Music
  ASSERT_EQ(Tree().Selected()->Text(), "Music");
  ASSERT_TRUE(Tree().Selected()->EditText());
  InjectText("Songs");
  InjectKeyStroke(VK_RETURN);
  Pump();
  PressKey(VK_RIGHT);  // into the renamed folder
  EXPECT_EQ(Tree().Selected()->Text(), "Documents");
  EXPECT_EQ(Tree().Selected()->Parent()->Text(), "Songs");

  EXPECT_TRUE(LooksAsInItsPicture(Host().Handle(), "tree-view-demo"));
  Tree().SetImages(nullptr);
}

}  // namespace
}  // namespace ui_test
