// The list view's default look and its custom-draw notifications: the parent may take
// over each item (CDRF_SKIPDEFAULT) or change its colours.

#include <algorithm>

#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

namespace {

COLORREF OrSystem(COLORREF AColor, int ASystemColor) {
  return AColor == CLR_INVALID ? GetSysColor(ASystemColor) : AColor;
}

void FillSolid(HDC ADC, const TRect& ARect, COLORREF AColor) {
  HBRUSH Brush = CreateSolidBrush(AColor);
  FillRect(ADC, &ARect, Brush);
  DeleteObject(Brush);
}

void DrawImage(HDC ADC, TCustomImageList* AImages, int AIndex, int AX, int AY) {
  if (!AImages || AIndex < 0 || AIndex >= AImages->Count()) return;
  // The canvas selects its own objects into the DC: the DC's state comes back after.
  TSavedDC Saved(ADC);
  TCanvas Canvas;
  TCanvasHandleScope Scope(Canvas, ADC);
  AImages->Draw(Canvas, AX, AY, AIndex);
}

void DrawCheckBox(HDC ADC, const TRect& ABox, bool AChecked) {
  FillSolid(ADC, ABox, GetSysColor(COLOR_WINDOW));
  HBRUSH Frame = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
  FrameRect(ADC, &ABox, Frame);
  DeleteObject(Frame);
  if (!AChecked) return;
  // The mark: the box's inside, three pixels in, filled in the text colour.
  TRect Mark = ABox;
  InflateRect(Mark, -3, -3);
  FillSolid(ADC, Mark, GetSysColor(COLOR_WINDOWTEXT));
}

unsigned AlignmentOf(int AFormat) {
  switch (AFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT:
      return DT_RIGHT;
    case LVCFMT_CENTER:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

struct TItemLook {
  bool Selected = false;
  COLORREF Text = 0;
  COLORREF Back = 0;
};

void DrawSubItems(TListViewState& AState, HDC ADC, int AIndex, COLORREF AText) {
  TListViewModel& Model = AState.Model;
  SetTextColor(ADC, AText);
  for (int Column = 1; Column < static_cast<int>(Model.Columns.size()); ++Column) {
    TRect Box = Model.SubItemRect(AIndex, Column);
    if (Box.Right <= 0 || Box.Left >= Model.ClientWidth) continue;
    InflateRect(Box, -6, 0);
    if ((Model.ExStyle & LVS_EX_SUBITEMIMAGES) && Model.SmallImages) {
      const int Image = ItemImage(AState, AIndex, Column);
      if (Image >= 0) {
        DrawImage(ADC, Model.SmallImages, Image, Box.Left,
                  Box.Top + (Box.Height() - Model.SmallImages->Height()) / 2);
        Box.Left += Model.SmallImages->Width() + 3;
      }
    }
    DrawText(ADC, ItemText(AState, AIndex, Column), Box,
             AlignmentOf(Model.Columns[Column].Format) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS |
                 DT_NOPREFIX);
  }
}

void DrawItem(TListViewState& AState, HDC ADC, int AIndex, const TItemLook& ALook) {
  TListViewModel& Model = AState.Model;
  const bool Icons = Model.View() == LVS_ICON;
  const TRect Icon = Model.ItemRect(AIndex, LVIR_ICON);
  TRect Label = Model.ItemRect(AIndex, LVIR_LABEL);
  if (ALook.Selected) FillSolid(ADC, Model.ItemRect(AIndex, LVIR_SELECTBOUNDS), ALook.Back);
  if (Model.StateImages || Model.HasCheckBoxes()) {
    const UINT StateImage = STATEIMAGEMASKTOINDEX(Model.Items[AIndex].State);
    const TRect Box = Model.CheckBoxRect(AIndex);
    if (Model.StateImages)
      DrawImage(ADC, Model.StateImages, static_cast<int>(StateImage) - 1, Box.Left, Box.Top);
    else if (StateImage > 0)
      DrawCheckBox(ADC, Box, StateImage == 2);
  }
  TCustomImageList* Images = Icons ? Model.LargeImages : Model.SmallImages;
  if (Images) {
    const int Image = ItemImage(AState, AIndex, 0);
    if (Icons)
      DrawImage(ADC, Images, Image, Icon.Left + Icon.Width() / 2 - Images->Width() / 2, Icon.Top + 2);
    else
      DrawImage(ADC, Images, Image, Icon.Left, Icon.Top + (Icon.Height() - Images->Height()) / 2);
  }
  SetTextColor(ADC, ALook.Text);
  const String Caption = ItemText(AState, AIndex, 0);
  if (Icons) {
    InflateRect(Label, -2, 0);
    const unsigned Wrap = (Model.Style & LVS_NOLABELWRAP) ? DT_SINGLELINE : DT_WORDBREAK;
    DrawText(ADC, Caption, Label, DT_CENTER | Wrap | DT_END_ELLIPSIS | DT_NOPREFIX);
  } else {
    InflateRect(Label, -2, 0);
    DrawText(ADC, Caption, Label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  }
  if (Model.View() == LVS_REPORT) {
    const bool FullRow = Model.ExStyle & LVS_EX_FULLROWSELECT;
    DrawSubItems(AState, ADC, AIndex,
                 ALook.Selected && FullRow ? ALook.Text : OrSystem(Model.TextColor, COLOR_WINDOWTEXT));
  }
}

void DrawGridLines(TListViewState& AState, HDC ADC) {
  const TListViewModel& Model = AState.Model;
  const COLORREF Line = GetSysColor(COLOR_BTNFACE);
  int X = -Model.ScrollX;
  for (const TListViewColumn& Column : Model.Columns) {
    X += std::max(0, Column.Width);
    FillSolid(ADC, Rect(X - 1, Model.HeaderHeight, X, Model.ClientHeight), Line);
  }
  for (int Y = Model.HeaderHeight + Model.RowHeight() - 1; Y < Model.ClientHeight; Y += Model.RowHeight())
    FillSolid(ADC, Rect(0, Y, Model.ClientWidth, Y + 1), Line);
}

// NM_CUSTOMDRAW with the record filled for AStage (an item's when AIndex >= 0).
LRESULT CustomDraw(TListViewState& AState, HDC ADC, DWORD AStage, int AIndex, TItemLook& ALook) {
  NMLVCUSTOMDRAW Draw;
  Draw.nmcd.dwDrawStage = AStage;
  Draw.nmcd.hdc = ADC;
  Draw.clrText = ALook.Text;
  Draw.clrTextBk = ALook.Back;
  if (AIndex >= 0) {
    const UINT State = AState.Model.Items[AIndex].State;
    Draw.nmcd.rc = AState.Model.ItemRect(AIndex, LVIR_BOUNDS);
    Draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(AIndex);
    Draw.nmcd.lItemlParam = AState.Model.Items[AIndex].Param;
    Draw.nmcd.uItemState = (ALook.Selected ? CDIS_SELECTED : 0) | (State & LVIS_FOCUSED ? CDIS_FOCUS : 0);
  } else {
    Draw.nmcd.rc = Rect(0, 0, AState.Model.ClientWidth, AState.Model.ClientHeight);
  }
  const LRESULT Answer = NotifyParent(AState, Draw.nmcd.hdr, NM_CUSTOMDRAW);
  ALook.Text = Draw.clrText;
  ALook.Back = Draw.clrTextBk;
  return Answer;
}

}  // namespace

void PaintListView(TListViewState& AState, HDC ADC) {
  TListViewModel& Model = AState.Model;
  // The parent's custom drawing (WM_NOTIFY) may throw: the DC's state comes back then too.
  TSavedDC Saved(ADC);
  FillSolid(ADC, Rect(0, 0, Model.ClientWidth, Model.ClientHeight), OrSystem(Model.BkColor, COLOR_WINDOW));
  const bool HasFocus = GetFocus() == AState.Handle;
  TItemLook Plain{false, OrSystem(Model.TextColor, COLOR_WINDOWTEXT), OrSystem(Model.BkColor, COLOR_WINDOW)};
  const LRESULT Wanted = CustomDraw(AState, ADC, CDDS_PREPAINT, -1, Plain);
  int First = 0;
  int Last = 0;
  Model.VisibleRange(First, Last);
  for (int I = First; I < Last; ++I) {
    const bool Selected =
        (Model.Items[I].State & LVIS_SELECTED) && (HasFocus || (Model.Style & LVS_SHOWSELALWAYS));
    TItemLook Look = Plain;
    if (Selected)
      Look = {true, GetSysColor(HasFocus ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT),
              GetSysColor(HasFocus ? COLOR_HIGHLIGHT : COLOR_BTNFACE)};
    if ((Wanted & CDRF_NOTIFYITEMDRAW) &&
        (CustomDraw(AState, ADC, CDDS_ITEMPREPAINT, I, Look) & CDRF_SKIPDEFAULT))
      continue;
    // The parent's drawing may have left other objects selected.
    if (Model.Font) SelectObject(ADC, Model.Font);
    SetBkMode(ADC, TRANSPARENT);
    DrawItem(AState, ADC, I, Look);
  }
  if (Model.View() == LVS_REPORT && (Model.ExStyle & LVS_EX_GRIDLINES)) DrawGridLines(AState, ADC);
}
