// The skinned tree view's own item painting: tree lines with fading connectors, the
// expand buttons (drawn, from a button image list or from the element's pictures), the
// node image and the caption, selected items on the list-box element's item picture.

#include <algorithm>
#include <cmath>

#include "components/controls/SkinCtrls_ViewsInternal.h"
#include "components/core/spEffBmp.h"
#include "platform/win/ScrollInfo.h"

void TspSkinCustomTreeView::SetDrawSkin(bool AValue) {
  FDrawSkin = AValue;
  if (!AValue) return;
  OnAdvancedCustomDrawItem = [this](TCustomTreeView*, TTreeNode* ANode, TCustomDrawState AState,
                                    TCustomDrawStage AStage, bool&, bool& ADefaultDraw) {
    DrawSkinItem(ANode, AState, AStage, ADefaultDraw);
  };
}

void TspSkinCustomTreeView::SetButtonImageList(TCustomImageList* AValue) {
  ReplaceNotified(FButtonImageList, AValue);
}

void TspSkinCustomTreeView::DrawSkinItem(TTreeNode* ANode, TCustomDrawState AState, TCustomDrawStage AStage,
                                         bool& ADefaultDraw) {
  TBitmap* Picture = nullptr;
  const TspDataSkinListBox* Items = ANode ? FindViewItemElement(FSD, ItemSkinDataName, Picture) : nullptr;
  // A node the tree does not know is left to the class library.
  if (!Items) return;
  ADefaultDraw = false;
  // Everything is drawn once, before the item; the later stage only keeps the class
  // library from drawing over it.
  if (AStage != cdPrePaint) return;
  SCROLLINFO Info;
  Info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), SB_HORZ, &Info);
  TCanvas& Surface = Canvas();
  TRect Row = ANode->DisplayRect(false);
  OffsetRect(Row, -Info.nPos, 0);
  Surface.Brush().SetColor(Color());
  Surface.Brush().SetStyle(bsSolid);
  Surface.FillRect(Row);
  Surface.FillRect(ANode->DisplayRect(true));
  Surface.Brush().SetStyle(bsClear);
  const int Level = ANode->Level();
  const int X0 = Row.Left + (ShowRoot() ? Level : Level - 1) * Indent();
  DrawNodeLines(Surface, Row, X0, ANode);
  DrawNodeImage(Surface, Row, X0, ANode);
  DrawNodeCaption(Surface, ANode, AState, *Items, *Picture);
}

void TspSkinCustomTreeView::DrawNodeLines(TCanvas& ACanvas, const TRect& ARow, int AX0, TTreeNode* ANode) {
  const int B = AX0 + Indent() / 2;
  const int C = ARow.Top + ARow.Height() / 2;
  if (FButtonImageList)
    FButtonSize = std::max(FButtonImageList->Width(), FButtonImageList->Height()) / 2;
  else if (!FExpandImage.Empty() && !FNoExpandImage.Empty())
    FButtonSize = FExpandImage.Width() / 2 - 2;
  else
    FButtonSize = 5;
  const int S = FButtonSize;
  const bool HasChildren = ANode->HasChildren();
  ACanvas.Pen().SetColor(FLineColor);
  if (ShowLines()) {
    if (HasChildren)
      DrawFadingLine(ACanvas, B + S - 1, AX0 + Indent() + S - 5, C - 1);
    else
      DrawFadingLine(ACanvas, B - 1, AX0 + Indent(), C - 1);
    if (ANode->AbsoluteIndex() != 0) {
      ACanvas.MoveTo(B - 1, C - 1);
      ACanvas.LineTo(B - 1, ARow.Top - 1);
    }
    const TTreeNode* Next = ANode->GetNextVisible();
    if ((Next && Next->Level() == ANode->Level()) || ANode->getNextSibling()) {
      ACanvas.MoveTo(B - 1, C);
      ACanvas.LineTo(B - 1, ARow.Bottom + 1);
    }
  }
  if (HasChildren && ShowButtons()) DrawNodeButton(ACanvas, B, C, ANode);
  if (!ShowLines()) return;
  int X = B;
  for (TTreeNode* Up = ANode->Parent(); Up; Up = Up->Parent()) {
    X -= Indent();
    if (!Up->getNextSibling()) continue;
    ACanvas.MoveTo(X - 1, ARow.Top);
    ACanvas.LineTo(X - 1, ARow.Bottom + 1);
  }
}

void TspSkinCustomTreeView::DrawNodeButton(TCanvas& ACanvas, int AB, int AC, TTreeNode* ANode) {
  const int S = FButtonSize;
  const bool Expanded = ANode->Expanded();
  ACanvas.Brush().SetStyle(bsSolid);
  if (FButtonImageList) {
    ACanvas.Brush().SetColor(Color());
    ACanvas.FillRect(Rect(AB - S, AC - S, AB + S, AC + S));
    ACanvas.Brush().SetStyle(bsClear);
    const int Index = Expanded ? ButtonExpandImageIndex : ButtonNoExpandImageIndex;
    if (Index >= 0 && Index < FButtonImageList->Count())
      FButtonImageList->Draw(ACanvas, AB - S, AC - S, Index);
    return;
  }
  if (!FExpandImage.Empty() && !FNoExpandImage.Empty()) {
    // The element's picture takes the place of the drawn box, which would show beside
    // it: the cleared square does not reach the box's right and bottom edges.
    ACanvas.Brush().SetColor(Color());
    ACanvas.FillRect(Rect(AB - S - 2, AC - S - 2, AB + S - 2, AC + S - 2));
    ACanvas.Draw(AB - S - 3, AC - S - 3, Expanded ? FExpandImage : FNoExpandImage);
    ACanvas.Brush().SetStyle(bsClear);
    return;
  }
  // The box is cleared inside first: the node's own vertical line runs through its
  // place, and a minus crossed by it would read as a plus.
  const TRect Box = Rect(AB - S, AC - S, AB + S - 1, AC + S - 1);
  ACanvas.Brush().SetColor(Color());
  ACanvas.FillRect(Box);
  ACanvas.Brush().SetColor(FButtonColor);
  ACanvas.FrameRect(Box);
  ACanvas.Brush().SetStyle(bsClear);
  ACanvas.Pen().SetColor(Font().Color());
  ACanvas.MoveTo(AB - S + 2, AC - 1);
  ACanvas.LineTo(AB + S - 3, AC - 1);
  if (!Expanded) {
    ACanvas.MoveTo(AB - 1, AC - S + 2);
    ACanvas.LineTo(AB - 1, AC + S - 3);
  }
  ACanvas.Pen().SetColor(FLineColor);
}

void TspSkinCustomTreeView::DrawNodeImage(TCanvas& ACanvas, const TRect& ARow, int AX0, TTreeNode* ANode) {
  // Without Images, the tree's own native image list: the shell tree gives it the
  // system's pictures that way.
  TCustomImageList* List = Images();
  if (!List) List = reinterpret_cast<HIMAGELIST>(Perform(TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
  if (!List || ANode->ImageIndex() < 0 || ANode->ImageIndex() >= List->Count()) return;
  const int Top = ARow.Top + ARow.Height() / 2 - List->Height() / 2;
  List->Draw(ACanvas, AX0 + Indent(), Top, ANode->ImageIndex());
}

void TspSkinCustomTreeView::DrawNodeCaption(TCanvas& ACanvas, TTreeNode* ANode, TCustomDrawState AState,
                                            const TspDataSkinListBox& AItems, TBitmap& AItemsPicture) {
  const TRect T = ANode->DisplayRect(true);
  if (!AState.Contains(cdsSelected)) {
    ACanvas.Font().Assign(Font());
    DrawVCenteredText(ACanvas, ANode->Text(), Rect(T.Left + 2, T.Top + 1, T.Right, T.Bottom));
    return;
  }
  if (T.Width() < 1) return;
  TBitmap Selection;
  Selection.SetSize(T.Width(), T.Height());
  ComposeViewSelection(Selection, AItems, AItemsPicture, Focused(), Font());
  DrawVCenteredText(Selection.Canvas(), ANode->Text(), Rect(2, 1, T.Width(), T.Height()));
  ACanvas.Draw(T.Left, T.Top, Selection);
}

// A connector that fades out over its second half, drawn to the right of its start.
// A line one pixel long has no second half to fade over: its pixel is drawn whole.
void TspSkinCustomTreeView::DrawFadingLine(TCanvas& ACanvas, int AFromX, int AToX, int AY) {
  const int W = std::abs(AToX - AFromX);
  if (W == 0) return;
  const int Half = W / 2;
  const int Step = Half > 0 ? static_cast<int>(std::lround(255.0 / Half)) : 255;
  TspBitmap Line;
  Line.SetSize(W, 1);
  int Alpha = 255;
  for (int X = 0; X < W; ++X) {
    if (X >= Half) {
      Line.SetPixel(X, 0, ColorAlphaToPixel(FLineColor, static_cast<uint8_t>(Alpha)));
      Alpha = std::max(Alpha - Step, 0);
    } else {
      Line.SetPixel(X, 0, ColorToPixel(FLineColor));
    }
  }
  Line.AlphaBlend = true;
  Line.Draw(ACanvas, AFromX, AY);
}
