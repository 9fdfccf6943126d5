// The skinned list view's own item painting: the caption shortened to its label, a
// selected item on the list-box element's item picture, the item's image, a skinned
// check box, the sub-items of report view and the grid lines.

#include <algorithm>

#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/controls/SkinCtrls_ViewsInternal.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

// The rectangles of an item in the list's client area: its label, icon, bounds and the
// area its selection covers.
struct TspSkinCustomListView::TItemRects {
  TRect Label, Icon, Bounds, Selection;
};

void TspSkinCustomListView::SetDrawSkin(bool AValue) {
  FDrawSkin = AValue;
  if (!AValue) return;
  OnCustomDrawItem = [this](TCustomListView*, TListItem* AItem, TCustomDrawState AState, bool& ADefaultDraw) {
    DrawSkinItem(AItem, AState, ADefaultDraw);
  };
  SetFullDrag(false);
}

TspSkinCustomListView::TItemRects TspSkinCustomListView::ItemRectsOf(TListItem* AItem) {
  TItemRects Rects;
  Rects.Label = AItem->DisplayRect(drLabel);
  Rects.Icon = AItem->DisplayRect(drIcon);
  Rects.Bounds = AItem->DisplayRect(drBounds);
  switch (ViewStyle()) {
    case vsIcon:
      Rects.Selection = Rects.Label;
      OffsetRect(Rects.Label, 2, 0);
      break;
    case vsList:
      Rects.Label.Right = Rects.Label.Left + WideTextWidth(Canvas(), AItem->Caption()) + 2;
      Rects.Selection = Rects.Label;
      Rects.Selection.Right += AItem->Caption().empty() ? 20 : 4;
      break;
    default:
      Rects.Selection = AItem->DisplayRect(drSelectBounds);
      Rects.Selection.Left = Rects.Label.Left;
      break;
  }
  --Rects.Selection.Bottom;
  return Rects;
}

void TspSkinCustomListView::DrawSkinItem(TListItem* AItem, TCustomDrawState AState, bool& ADefaultDraw) {
  if (ComponentState().Contains(csDesigning) || !FSD || FSD->Empty || !AItem) return;
  TBitmap* Picture = nullptr;
  const TspDataSkinListBox* Element = FindViewItemElement(FSD, ItemSkinDataName, Picture);
  if (!Element) return;
  ADefaultDraw = false;
  if (!SmallImages() && !LargeImages())
    FThirdImages = reinterpret_cast<HIMAGELIST>(
        Perform(LVM_GETIMAGELIST, ViewStyle() == vsIcon ? LVSIL_NORMAL : LVSIL_SMALL, 0));
  else
    FThirdImages = nullptr;  // a list set since takes over from the native one
  TCanvas& Surface = Canvas();
  const TItemRects Rects = ItemRectsOf(AItem);
  const TRect& L = Rects.Label;
  const TRect& S = Rects.Selection;
  const TRect& B = Rects.Bounds;
  const int Narrowing = ViewStyle() == vsList ? 0 : ViewStyle() == vsReport ? 3 : 2;
  String Shortened = AItem->Caption();
  FitTextToWidth(Surface, Shortened, L.Width() - Narrowing);
  const bool Report = ViewStyle() == vsReport;
  const bool HasSubItems = Report && AItem->SubItems().Count() > 0;
  if (AItem->Selected() && S.Width() >= 1) {
    TBitmap Selection;
    Selection.SetSize(S.Width(), S.Height());
    ComposeViewSelection(Selection, *Element, *Picture, Focused(), Font());
    TRect T = L;
    OffsetRect(T, -S.Left, -S.Top);
    DrawItemCaption(Selection.Canvas(), AItem->Caption(), Shortened, T, true);
    if (HasSubItems && RowSelect())
      DrawSubItems(Selection.Canvas(), AItem, AState, Rect(B.Left - S.Left, B.Top, B.Right, B.Bottom), 0,
                   Selection.Height(), false);
    Surface.Draw(S.Left, S.Top, Selection);
  } else {
    Surface.FillRect(Rect(B.Left, B.Top, B.Right, B.Bottom - 1));
    Surface.Brush().SetStyle(bsClear);
    DrawItemCaption(Surface, AItem->Caption(), Shortened, L, false);
  }
  DrawItemImage(AItem, Rects.Icon);
  DrawItemCheckBox(AItem, Rects.Icon, B);
  if (HasSubItems && (!AItem->Selected() || !RowSelect())) {
    Surface.Brush().SetStyle(bsSolid);
    Surface.Brush().SetColor(Color());
    DrawSubItems(Surface, AItem, AState, B, B.Top, B.Bottom, true);
  }
  DrawGridLines(AItem, B);
}

void TspSkinCustomListView::DrawItemCaption(TCanvas& ACanvas, const String& ACaption,
                                            const String& AShortened, TRect ALabel, bool ACut) {
  if (ViewStyle() == vsIcon && IconOptions().WrapText()) {
    ALabel.Right -= 4;
    DrawWordWrapText(ACanvas, ACaption, ALabel, !ACut);
    return;
  }
  ALabel.Left += ViewStyle() == vsReport ? 3 : 2;
  DrawVCenteredText(ACanvas, AShortened, ALabel);
}

TCustomImageList* TspSkinCustomListView::ItemImages() const {
  if (FThirdImages) return FThirdImages;
  return ViewStyle() == vsIcon ? LargeImages() : SmallImages();
}

void TspSkinCustomListView::DrawItemImage(TListItem* AItem, const TRect& AIcon) {
  TCustomImageList* List = ItemImages();
  if (!List || AItem->ImageIndex() < 0 || AItem->ImageIndex() >= List->Count()) return;
  const int X = ViewStyle() == vsIcon ? AIcon.Left + AIcon.Width() / 2 - List->Width() / 2 : AIcon.Left;
  const int Y = ViewStyle() == vsIcon ? AIcon.Top + 2 : AIcon.Top;
  // A native picture is drawn over its place filled with the current brush.
  if (List == FThirdImages) Canvas().FillRect(Bounds(X, Y, List->Width(), List->Height()));
  List->Draw(Canvas(), X, Y, AItem->ImageIndex());
}

void TspSkinCustomListView::DrawItemCheckBox(TListItem* AItem, const TRect& AIcon, const TRect& ABounds) {
  if (!Checkboxes()) return;
  const int Index = FindSkinElement(FSD, CheckSkinDataName);
  if (Index == -1) return;
  const auto* Check = FSD->Control<TspDataSkinCheckRadioControl>(Index);
  TBitmap* Picture = Check ? FSD->Picture(Check->PictureIndex) : nullptr;
  if (!Picture) return;
  const TRect Source = AItem->Checked() ? Check->CheckImageRect : Check->UnCheckImageRect;
  if (RectangleIsEmpty(Source)) return;
  TBitmap Box;
  CutSkinPiece(Box, *Picture, Source);
  Box.SetTransparent(true);
  TRect Icon = AIcon;
  TCustomImageList* Large = ItemImages();
  if (ViewStyle() == vsIcon && Large) Icon.Left = AIcon.Left + AIcon.Width() / 2 - Large->Width() / 2;
  const int X = Icon.Left - Box.Width() - 1;
  const int Y = ViewStyle() == vsIcon ? Icon.Bottom - Box.Height() - 1
                                      : ABounds.Top + Icon.Height() / 2 - Box.Height() / 2 - 1;
  Canvas().Draw(X, std::max(Y, static_cast<int>(ABounds.Top)), Box);
}

// The sub-items beside the caption, each in its column narrowed by 3 on both sides:
// ABounds gives the item's left edge, ATop and ABottom the rows to draw in; AFill fills
// each column with the current brush first.
void TspSkinCustomListView::DrawSubItems(TCanvas& ACanvas, TListItem* AItem, TCustomDrawState AState,
                                         const TRect& ABounds, int ATop, int ABottom, bool AFill) {
  if (Columns().Count() == 0) return;
  TStringList& Texts = AItem->SubItems();
  TCustomImageList* List = SmallImages();
  int X = Columns()[0]->Width();
  for (int I = 0; I < Texts.Count() && I + 1 < Columns().Count(); ++I) {
    TListColumn* Column = Columns()[I + 1];
    const int W = Column->Width();
    TRect R = Rect(ABounds.Left + X, ATop, ABounds.Left + X + W, ABottom);
    if (AFill) ACanvas.FillRect(R);
    InflateRect(R, -3, 0);
    ACanvas.Brush().SetStyle(bsClear);
    if (OnDrawSkinSubItem) {
      OnDrawSkinSubItem(this, AItem, I, AState, ACanvas, R);
    } else {
      const int Image = AItem->SubItemImages(I);
      if (List && Image >= 0 && Image < List->Count()) {
        List->Draw(ACanvas, R.Left, R.Top, Image);
        R.Left += List->Width() + 3;
      }
      String Text = Texts.Strings(I);
      FitTextToWidth(ACanvas, Text, R.Width());
      DrawAlignedLineText(ACanvas, Text, R, Column->Alignment());
    }
    if (AFill) ACanvas.Brush().SetStyle(bsSolid);
    X += W;
  }
}

void TspSkinCustomListView::DrawGridLines(TListItem* AItem, const TRect& ABounds) {
  if (!DrawSkinLines || ViewStyle() != vsReport || Columns().Count() == 0) return;
  TCanvas& Surface = Canvas();
  Surface.Pen().SetColor(FLineColor);
  int X = ABounds.Left;
  for (int I = 0; I < Columns().Count(); ++I) {
    X += Columns()[I]->Width();
    Surface.MoveTo(X, ABounds.Top);
    Surface.LineTo(X, ABounds.Bottom);
  }
  Surface.MoveTo(ABounds.Left, ABounds.Bottom - 1);
  Surface.LineTo(Width(), ABounds.Bottom - 1);
  if (AItem->Index() != 0) return;
  Surface.MoveTo(ABounds.Left, ABounds.Top - 1);
  Surface.LineTo(Width(), ABounds.Top - 1);
}

void TspSkinCustomListView::FillBelowHeader() {
  if (ViewStyle() != vsReport || !FHeaderHandle || !(GridLines() || FDrawSkin)) return;
  RECT Header{};
  GetWindowRect(FHeaderHandle, &Header);
  const TWindowDCScope DC(Handle());
  TCanvas Surface;
  TCanvasHandleScope Scope(Surface, DC.Handle());
  Surface.Brush().SetColor(Color());
  Surface.FillRect(Rect(0, Header.Height(), Width(), Header.Height() + 1));
}
