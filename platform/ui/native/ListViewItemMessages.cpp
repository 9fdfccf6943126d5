// The list view's LVM_ messages: items, their states and rectangles, columns (mirrored
// into the header), image lists, extended styles, scrolling and label editing.

#include <algorithm>

#include "platform/ui/native/HeaderModel.h"
#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

namespace {

// A new item of a list with check boxes starts unchecked.
UINT InitialState(const TListViewState& AState) {
  return AState.Model.HasCheckBoxes() ? INDEXTOSTATEIMAGEMASK(1) : 0;
}

LRESULT InsertItem(TListViewState& AState, const LVITEM* AItem) {
  if (!AItem || (AState.Model.Style & LVS_OWNERDATA)) return -1;
  std::vector<TListViewItemState>& Items = AState.Model.Items;
  const int Index = std::clamp(AItem->iItem, 0, static_cast<int>(Items.size()));
  TListViewItemState Item;
  Item.State = InitialState(AState);
  if (AItem->mask & LVIF_STATE)
    Item.State = (Item.State & ~AItem->stateMask) | (AItem->state & AItem->stateMask);
  if (AItem->mask & LVIF_PARAM) Item.Param = AItem->lParam;
  Items.insert(Items.begin() + Index, Item);
  if (AState.EditItem >= Index) ++AState.EditItem;
  ListViewChanged(AState);
  return Index;
}

LRESULT DeleteItem(TListViewState& AState, int AIndex) {
  if (!AState.Model.IsValid(AIndex)) return 0;
  if (AState.EditItem == AIndex) EndLabelEdit(AState, true);
  AState.Model.Items.erase(AState.Model.Items.begin() + AIndex);
  if (AState.EditItem > AIndex) --AState.EditItem;
  if (AState.Anchor >= AState.Model.Count()) AState.Anchor = -1;
  ListViewChanged(AState);
  return 1;
}

LRESULT DeleteAllItems(TListViewState& AState) {
  if (AState.Editor) EndLabelEdit(AState, true);
  AState.Model.Items.clear();
  AState.Anchor = -1;
  ListViewChanged(AState);
  return 1;
}

// An owner-data list keeps a state per item and nothing else; other lists take the
// count as a hint only.
LRESULT SetItemCount(TListViewState& AState, int ACount) {
  if (!(AState.Model.Style & LVS_OWNERDATA)) return 1;
  const int Count = std::max(0, ACount);
  if (AState.EditItem >= Count) EndLabelEdit(AState, true);
  AState.Model.Items.resize(static_cast<size_t>(Count), TListViewItemState{InitialState(AState), 0});
  if (AState.Anchor >= Count) AState.Anchor = -1;
  ListViewChanged(AState);
  return 1;
}

LRESULT GetItem(TListViewState& AState, LVITEM* AItem) {
  if (!AItem || !AState.Model.IsValid(AItem->iItem)) return 0;
  const TListViewItemState& Item = AState.Model.Items[AItem->iItem];
  if (AItem->mask & LVIF_STATE) AItem->state = Item.State & AItem->stateMask;
  if (AItem->mask & LVIF_PARAM) AItem->lParam = Item.Param;
  if (AItem->mask & LVIF_TEXT)
    CopyTextToBuffer(ItemText(AState, AItem->iItem, AItem->iSubItem), AItem->pszText, AItem->cchTextMax);
  if (AItem->mask & LVIF_IMAGE) AItem->iImage = ItemImage(AState, AItem->iItem, AItem->iSubItem);
  return 1;
}

// Texts and images stay with the parent: setting them only repaints the item.
LRESULT SetItem(TListViewState& AState, const LVITEM* AItem) {
  if (!AItem || !AState.Model.IsValid(AItem->iItem)) return 0;
  if (AItem->mask & LVIF_PARAM) AState.Model.Items[AItem->iItem].Param = AItem->lParam;
  if (AItem->mask & LVIF_STATE) SetItemState(AState, AItem->iItem, AItem->state, AItem->stateMask);
  InvalidateItem(AState, AItem->iItem);
  return 1;
}

LRESULT GetItemRect(TListViewState& AState, int AIndex, RECT* ARect) {
  if (!ARect || !AState.Model.IsValid(AIndex)) return 0;
  *ARect = AState.Model.ItemRect(AIndex, ARect->Left);
  return 1;
}

bool IsColumn(const TListViewState& AState, int AIndex) {
  return AIndex >= 0 && AIndex < static_cast<int>(AState.Model.Columns.size());
}

// RECT.top names the column, RECT.left the part (bounds or label).
LRESULT GetSubItemRect(TListViewState& AState, int AIndex, RECT* ARect) {
  if (!ARect || !AState.Model.IsValid(AIndex)) return 0;
  if (ARect->Top == 0) {
    *ARect = AState.Model.ItemRect(AIndex, ARect->Left);
    return 1;
  }
  if (!IsColumn(AState, ARect->Top)) return 0;
  *ARect = AState.Model.SubItemRect(AIndex, ARect->Top);
  return 1;
}

LRESULT RedrawItems(TListViewState& AState, int AFirst, int ALast) {
  for (int I = std::max(0, AFirst); I <= ALast && I < AState.Model.Count(); ++I) InvalidateItem(AState, I);
  return 1;
}

LRESULT TopIndex(const TListViewState& AState) {
  const TListViewModel& Model = AState.Model;
  if (Model.View() == LVS_REPORT) return Model.TopIndex;
  if (Model.View() == LVS_LIST) return Model.TopIndex * Model.RowsPerPage();
  return 0;
}

LRESULT SetImageList(TListViewState& AState, WPARAM AWhich, TCustomImageList* AList) {
  TListViewModel& Model = AState.Model;
  TCustomImageList** Slot = AWhich == LVSIL_NORMAL  ? &Model.LargeImages
                            : AWhich == LVSIL_SMALL ? &Model.SmallImages
                            : AWhich == LVSIL_STATE ? &Model.StateImages
                                                    : nullptr;
  if (!Slot) return 0;
  TCustomImageList* Previous = std::exchange(*Slot, AList);
  if (AWhich == LVSIL_SMALL && AState.Header)
    SendMessage(AState.Header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(AList));
  ListViewChanged(AState);
  return reinterpret_cast<LRESULT>(Previous);
}

LRESULT GetImageList(const TListViewState& AState, WPARAM AWhich) {
  const TListViewModel& Model = AState.Model;
  const TCustomImageList* List = AWhich == LVSIL_NORMAL  ? Model.LargeImages
                                 : AWhich == LVSIL_SMALL ? Model.SmallImages
                                 : AWhich == LVSIL_STATE ? Model.StateImages
                                                         : nullptr;
  return reinterpret_cast<LRESULT>(List);
}

LRESULT SetExtendedStyle(TListViewState& AState, DWORD AMask, DWORD AStyle) {
  TListViewModel& Model = AState.Model;
  const DWORD Old = Model.ExStyle;
  const DWORD Mask = AMask ? AMask : 0xFFFFFFFF;
  Model.ExStyle = (Old & ~Mask) | (AStyle & Mask);
  // Switching check boxes on shows every item unchecked; off, the marks go.
  if ((Model.ExStyle ^ Old) & LVS_EX_CHECKBOXES)
    for (TListViewItemState& Item : Model.Items)
      Item.State =
          (Item.State & ~LVIS_STATEIMAGEMASK) | (Model.HasCheckBoxes() ? INDEXTOSTATEIMAGEMASK(1) : 0);
  if (AState.Header && ((Model.ExStyle ^ Old) & LVS_EX_HEADERDRAGDROP)) {
    const LONG_PTR Style = GetWindowLong(AState.Header, GWL_STYLE);
    SetWindowLong(
        AState.Header, GWL_STYLE,
        (Model.ExStyle & LVS_EX_HEADERDRAGDROP) ? Style | HDS_DRAGDROP : Style & ~LONG_PTR(HDS_DRAGDROP));
  }
  ListViewChanged(AState);
  return static_cast<LRESULT>(Old);
}

void ApplyColumn(TListViewColumn& AColumn, const LVCOLUMN& AValue) {
  if (AValue.mask & LVCF_TEXT) AColumn.Text = AValue.pszText ? AValue.pszText : "";
  if (AValue.mask & LVCF_WIDTH) AColumn.Width = std::max(0, AValue.cx);
  if (AValue.mask & LVCF_FMT) AColumn.Format = AValue.fmt;
  if (AValue.mask & LVCF_IMAGE) AColumn.Image = AValue.iImage;
}

LRESULT InsertColumn(TListViewState& AState, int AIndex, const LVCOLUMN* AValue) {
  if (!AValue) return -1;
  std::vector<TListViewColumn>& Columns = AState.Model.Columns;
  const int Index = std::clamp(AIndex, 0, static_cast<int>(Columns.size()));
  TListViewColumn Column;
  ApplyColumn(Column, *AValue);
  Columns.insert(Columns.begin() + Index, Column);
  if (AState.Header) {
    HDITEM Item = HeaderItemOf(Column);
    SendMessage(AState.Header, HDM_INSERTITEMW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&Item));
  }
  ReadColumnOrder(AState);
  ListViewChanged(AState);
  return Index;
}

void MirrorColumn(TListViewState& AState, int AIndex) {
  if (!AState.Header) return;
  HDITEM Item = HeaderItemOf(AState.Model.Columns[AIndex]);
  SendMessage(AState.Header, HDM_SETITEMW, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Item));
}

LRESULT SetColumn(TListViewState& AState, int AIndex, const LVCOLUMN* AValue) {
  if (!AValue || !IsColumn(AState, AIndex)) return 0;
  ApplyColumn(AState.Model.Columns[AIndex], *AValue);
  MirrorColumn(AState, AIndex);
  ListViewChanged(AState);
  return 1;
}

LRESULT GetColumn(const TListViewState& AState, int AIndex, LVCOLUMN* AValue) {
  if (!AValue || !IsColumn(AState, AIndex)) return 0;
  const TListViewColumn& Column = AState.Model.Columns[AIndex];
  if (AValue->mask & LVCF_TEXT) CopyTextToBuffer(Column.Text, AValue->pszText, AValue->cchTextMax);
  if (AValue->mask & LVCF_WIDTH) AValue->cx = Column.Width;
  if (AValue->mask & LVCF_FMT) AValue->fmt = Column.Format;
  if (AValue->mask & LVCF_IMAGE) AValue->iImage = Column.Image;
  return 1;
}

LRESULT DeleteColumn(TListViewState& AState, int AIndex) {
  if (!IsColumn(AState, AIndex)) return 0;
  AState.Model.Columns.erase(AState.Model.Columns.begin() + AIndex);
  if (AState.Header) SendMessage(AState.Header, HDM_DELETEITEM, static_cast<WPARAM>(AIndex), 0);
  ReadColumnOrder(AState);
  ListViewChanged(AState);
  return 1;
}

// In list view the width is the one of every list column; in the other views the
// column's own.
LRESULT SetColumnWidth(TListViewState& AState, int AIndex, int AWidth) {
  if (AState.Model.View() == LVS_LIST) {
    if (AIndex != 0) return 0;
    AState.Model.ListColumnWidth = std::max(1, AWidth);
    ListViewChanged(AState);
    return 1;
  }
  if (!IsColumn(AState, AIndex)) return 0;
  AState.Model.Columns[AIndex].Width = std::max(0, AWidth);
  MirrorColumn(AState, AIndex);
  ListViewChanged(AState);
  return 1;
}

LRESULT GetColumnWidth(const TListViewState& AState, int AIndex) {
  if (AState.Model.View() == LVS_LIST) return AState.Model.ListColumnPitch();
  return IsColumn(AState, AIndex) ? AState.Model.Columns[AIndex].Width : 0;
}

LRESULT EnsureVisible(TListViewState& AState, int AIndex, bool APartialOk) {
  if (!AState.Model.IsValid(AIndex)) return 0;
  EnsureItemVisible(AState, AIndex, APartialOk);
  return 1;
}

LRESULT EditLabel(TListViewState& AState, int AIndex) {
  if (AIndex < 0) {
    EndLabelEdit(AState, true);
    return 0;
  }
  return reinterpret_cast<LRESULT>(BeginLabelEdit(AState, AIndex));
}

}  // namespace

HDITEM HeaderItemOf(const TListViewColumn& AColumn) {
  HDITEM Item;
  Item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
  Item.pszText = const_cast<char*>(AColumn.Text.c_str());
  Item.cxy = AColumn.Width;
  Item.fmt =
      (AColumn.Format & LVCFMT_JUSTIFYMASK) | HDF_STRING | (AColumn.Format & LVCFMT_IMAGE ? HDF_IMAGE : 0);
  Item.iImage = AColumn.Image;
  return Item;
}

LRESULT ListViewItemMessage(TListViewState& AState, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  const int Index = static_cast<int>(static_cast<intptr_t>(AWParam));
  // clang-format off
  switch (AMsg) {
    case LVM_INSERTITEMW: return InsertItem(AState, reinterpret_cast<const LVITEM*>(ALParam));
    case LVM_DELETEITEM: return DeleteItem(AState, Index);
    case LVM_DELETEALLITEMS: return DeleteAllItems(AState);
    case LVM_SETITEMCOUNT: return SetItemCount(AState, Index);
    case LVM_GETITEMCOUNT: return AState.Model.Count();
    case LVM_GETITEMW: return GetItem(AState, reinterpret_cast<LVITEM*>(ALParam));
    case LVM_SETITEMW: return SetItem(AState, reinterpret_cast<const LVITEM*>(ALParam));
    case LVM_SETITEMSTATE: SetItemState(AState, Index, reinterpret_cast<const LVITEM*>(ALParam)->state, reinterpret_cast<const LVITEM*>(ALParam)->stateMask); return 1;
    case LVM_GETITEMSTATE: return AState.Model.IsValid(Index) ? AState.Model.Items[Index].State & static_cast<UINT>(ALParam) : 0;
    case LVM_GETNEXTITEM: return NextItem(AState, Index, static_cast<UINT>(ALParam));
    case LVM_GETSELECTEDCOUNT: return SelectedCount(AState);
    case LVM_GETITEMRECT: return GetItemRect(AState, Index, reinterpret_cast<RECT*>(ALParam));
    case LVM_GETSUBITEMRECT: return GetSubItemRect(AState, Index, reinterpret_cast<RECT*>(ALParam));
    case LVM_HITTEST: return HitTestItem(AState, *reinterpret_cast<LVHITTESTINFO*>(ALParam));
    case LVM_ENSUREVISIBLE: return EnsureVisible(AState, Index, ALParam != 0);
    case LVM_SCROLL: ScrollBy(AState, Index, static_cast<int>(ALParam)); return 1;
    case LVM_REDRAWITEMS: return RedrawItems(AState, Index, static_cast<int>(ALParam));
    case LVM_GETTOPINDEX: return TopIndex(AState);
    case LVM_GETCOUNTPERPAGE: return AState.Model.CountPerPage();
    case LVM_GETHEADER: return reinterpret_cast<LRESULT>(AState.Header);
    case LVM_GETEDITCONTROL: return reinterpret_cast<LRESULT>(AState.Editor);
    case LVM_EDITLABELW: return EditLabel(AState, Index);
    case LVM_CANCELEDITLABEL: EndLabelEdit(AState, true); return 0;
    case LVM_SETIMAGELIST: return SetImageList(AState, AWParam, reinterpret_cast<TCustomImageList*>(ALParam));
    case LVM_GETIMAGELIST: return GetImageList(AState, AWParam);
    case LVM_GETBKCOLOR: case LVM_SETBKCOLOR: case LVM_GETTEXTCOLOR: case LVM_SETTEXTCOLOR: return ListViewColorMessage(AState, AMsg, ALParam);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: return SetExtendedStyle(AState, static_cast<DWORD>(AWParam), static_cast<DWORD>(ALParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE: return static_cast<LRESULT>(AState.Model.ExStyle);
    case LVM_INSERTCOLUMNW: return InsertColumn(AState, Index, reinterpret_cast<const LVCOLUMN*>(ALParam));
    case LVM_SETCOLUMNW: return SetColumn(AState, Index, reinterpret_cast<const LVCOLUMN*>(ALParam));
    case LVM_GETCOLUMNW: return GetColumn(AState, Index, reinterpret_cast<LVCOLUMN*>(ALParam));
    case LVM_DELETECOLUMN: return DeleteColumn(AState, Index);
    case LVM_SETCOLUMNWIDTH: return SetColumnWidth(AState, Index, static_cast<int>(ALParam));
    case LVM_GETCOLUMNWIDTH: return GetColumnWidth(AState, Index);
    default: return 0;
  }
  // clang-format on
}
