// The tree view's drawing, read back from the presented pixels: custom drawing with
// DefaultDraw off, the selection, the expand buttons, the colours, and the pictures of
// the image list (set by property and by the raw TVM_ messages).

#include <gtest/gtest.h>

#include "platform/win/MessageQueue.h"
#include "tests/platform/ui/TreeViewTestSupport.h"

namespace ui_test {
namespace {

class TreeViewPaintTest : public TreeViewTest {
 protected:
  // A point of the tree's client area on the host.
  COLORREF TreePixel(int AX, int AY) { return HostPixel(Tree().Left() + AX, Tree().Top() + AY); }
  // How many pixels of a rectangle of the tree's client area have the colour.
  int Count(const TRect& AArea, TColor AColor) {
    int Result = 0;
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X) Result += TreePixel(X, Y) == ColorToRGB(AColor);
    return Result;
  }
  int Area(const TRect& AArea) { return AArea.Width() * AArea.Height(); }
};

TEST_F(TreeViewPaintTest, AnItemDrawnByTheHandlerWithDefaultDrawOffIsLeftToIt) {
  Fill({"Alpha", "Beta", "Gamma"});
  std::vector<String> Calls;
  Tree().OnAdvancedCustomDrawItem = [&](TCustomTreeView* ASender, TTreeNode* ANode, TCustomDrawState AState,
                                        TCustomDrawStage AStage, bool&, bool& ADefaultDraw) {
    String Call = ANode->Text() + (AStage == cdPrePaint ? " pre" : " post");
    if (AState.Contains(cdsSelected)) Call += " selected";
    if (AState.Contains(cdsFocused)) Call += " focused";
    Calls.push_back(Call);
    if (ANode->Text() != "Beta") return;
    ADefaultDraw = false;
    if (AStage != cdPrePaint) return;
    ASender->Canvas().Brush().SetColor(clRed);
    ASender->Canvas().FillRect(ANode->DisplayRect(false));
  };
  ShowHost();
  Tree().SetFocus();
  Node("Beta")->SetSelected(true);
  Calls.clear();
  Pump();
  EXPECT_EQ(Calls, (std::vector<String>{"Alpha pre", "Alpha post", "Beta pre selected focused",
                                        "Beta post selected focused", "Gamma pre", "Gamma post"}));
  // Beta's row holds only what the handler drew; the tree drew Alpha's text itself.
  const TRect Beta = Node("Beta")->DisplayRect(false);
  EXPECT_EQ(Count(Beta, clRed), Area(Beta));
  const TRect Alpha = Node("Alpha")->DisplayRect(true);
  EXPECT_GT(Area(Alpha) - Count(Alpha, clWindow), 0);
  EXPECT_EQ(Count(Alpha, clRed), 0);
}

TEST_F(TreeViewPaintTest, TheSelectionButtonsAndColoursAreDrawn) {
  Fill({"Music", "  Rock", "Video"});
  ShowHost();
  const int H = RowHeight();
  // The button of a collapsed node has the plus's vertical bar; an expanded one not.
  const int ButtonX = 19 / 2;
  const int ButtonY = H / 2;
  EXPECT_EQ(TreePixel(ButtonX, ButtonY - 2), ColorToRGB(clWindowText));
  EXPECT_EQ(TreePixel(ButtonX - 2, ButtonY), ColorToRGB(clWindowText));
  Node("Music")->Expand(false);
  Pump();
  EXPECT_EQ(TreePixel(ButtonX, ButtonY - 2), ColorToRGB(clWindow));
  EXPECT_EQ(TreePixel(ButtonX - 2, ButtonY), ColorToRGB(clWindowText));
  // A selected node is highlighted while the tree has the focus; unfocused, only when
  // the selection is not hidden.
  TTreeNode* Video = Node("Video");
  Video->SetSelected(true);
  Pump();
  const TRect Text = Video->DisplayRect(true);
  EXPECT_EQ(Count(Text, clHighlight), 0);
  Tree().SetHideSelection(false);
  Pump();
  EXPECT_GT(Count(Text, clBtnFace), Area(Text) / 2);
  Tree().SetFocus();
  Pump();
  EXPECT_GT(Count(Text, clHighlight), Area(Text) / 2);
  // The tree's colour fills the background.
  Tree().SetColor(clYellow);
  Pump();
  EXPECT_EQ(TreePixel(Tree().ClientWidth() - 2, Tree().ClientHeight() - 2), ColorToRGB(clYellow));
}

TEST_F(TreeViewPaintTest, PicturesComeFromTheImageListSetByPropertyOrMessage) {
  TImageList Images(nullptr);
  TBitmap Strip;
  Strip.SetSize(32, 16);
  Strip.Canvas().Brush().SetColor(clRed);
  Strip.Canvas().FillRect(Rect(0, 0, 16, 16));
  Strip.Canvas().Brush().SetColor(clBlue);
  Strip.Canvas().FillRect(Rect(16, 0, 32, 16));
  Images.Add(Strip, nullptr);
  Fill({"Folder", "File"});
  int Asked = 0;
  Tree().OnGetImageIndex = [&](TObject*, TTreeNode*) { ++Asked; };
  for (TTreeNode* N : {Node("Folder"), Node("File")}) {
    N->SetImageIndex(0);
    N->SetSelectedIndex(1);
  }
  Tree().SetImages(&Images);
  HWND Window = Tree().Handle();
  EXPECT_EQ(SendMessage(Window, 4360 /* TVM_GETIMAGELIST */, TVSIL_NORMAL, 0),
            reinterpret_cast<LRESULT>(&Images));
  ShowHost();
  EXPECT_GT(Asked, 0);
  const int H = RowHeight();
  EXPECT_GE(H, 16 + 2);
  // The picture sits one indent in (after the root's button column), centred in the
  // row; the text follows it.
  const int Middle = H / 2;
  EXPECT_EQ(TreePixel(19 + 8, Middle), ColorToRGB(clRed));
  EXPECT_EQ(Node("File")->DisplayRect(true).Left, 19 + 16 + 2);
  Node("File")->SetSelected(true);
  Pump();
  EXPECT_EQ(TreePixel(19 + 8, H + Middle), ColorToRGB(clBlue));
  // The raw message swaps the list and answers the one before; none draws no picture.
  EXPECT_EQ(SendMessage(Window, 4361 /* TVM_SETIMAGELIST */, TVSIL_NORMAL, 0),
            reinterpret_cast<LRESULT>(&Images));
  Pump();
  EXPECT_EQ(Count(Node("Folder")->DisplayRect(false), clRed), 0);
  EXPECT_EQ(Node("File")->DisplayRect(true).Left, 19);
  Tree().SetImages(nullptr);
}

}  // namespace
}  // namespace ui_test
