// TCustomListView's side of the window's notifications: texts and images on request
// (from the items or from OnData), state changes, column clicks, custom drawing,
// type-ahead search in owner-data lists and caption editing.

#include "platform/gdi/DcScopes.h"
#include "platform/ui/native/ListView.h"
#include "platform/win/Windows.h"

namespace {

// The CDIS_ bits are the members of TCustomDrawState in order.
TCustomDrawState DrawStateOf(UINT AItemState) {
  TCustomDrawState State;
  for (int Bit = 0; Bit <= cdsIndeterminate; ++Bit)
    if (AItemState & (1u << Bit)) State.Include(static_cast<TCustomDrawStateItem>(Bit));
  return State;
}

}  // namespace

void TCustomListView::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case CN_NOTIFY: CNNotify(AMessage); break;
    case CM_COLORCHANGED: TWinControl::Dispatch(AMessage); UpdateColors(); break;
    case CM_FONTCHANGED: TWinControl::Dispatch(AMessage); UpdateColors(); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TCustomListView::CNNotify(TMessage& AMessage) {
  NMHDR& Header = *reinterpret_cast<NMHDR*>(AMessage.LParam);
  // clang-format off
  switch (Header.code) {
    case LVN_GETDISPINFOW: AMessage.Result = GetDispInfo(reinterpret_cast<NMLVDISPINFO&>(Header)); break;
    case NM_CUSTOMDRAW: AMessage.Result = CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(Header)); break;
    case LVN_ITEMCHANGED: ItemChanged(reinterpret_cast<NMLISTVIEW&>(Header)); break;
    case LVN_COLUMNCLICK: ColClick(FColumns->Items(reinterpret_cast<NMLISTVIEW&>(Header).iSubItem)); break;
    case LVN_ODFINDITEMW: AMessage.Result = FindItem(reinterpret_cast<NMLVFINDITEM&>(Header)); break;
    case LVN_BEGINLABELEDITW: AMessage.Result = BeginEdit(reinterpret_cast<NMLVDISPINFO&>(Header)); break;
    case LVN_ENDLABELEDITW: if (reinterpret_cast<NMLVDISPINFO&>(Header).item.pszText) Edit(reinterpret_cast<NMLVDISPINFO&>(Header).item); break;
    default: break;
  }
  // clang-format on
}

// The text is handed over in a buffer of the list, which keeps it until the next request.
LRESULT TCustomListView::GetDispInfo(NMLVDISPINFO& AInfo) {
  LVITEM& Record = AInfo.item;
  TItemRequest Request;
  if (Record.mask & LVIF_TEXT) Request.Include(irText);
  if (Record.mask & LVIF_IMAGE) Request.Include(irImage);
  TListItem* Item = FOwnerData ? FItems->FetchOwnerDataItem(Record.iItem, Request) : ItemAt(Record.iItem);
  if (!Item) return 0;
  const int Sub = Record.iSubItem;
  if (Record.mask & LVIF_TEXT) {
    FDispText = Sub == 0                            ? Item->FCaption
                : Sub - 1 < Item->FSubItems.Count() ? Item->FSubItems.Strings(Sub - 1)
                                                    : "";
    Record.pszText = FDispText.data();
  }
  if (Record.mask & LVIF_IMAGE) Record.iImage = Sub == 0 ? Item->FImageIndex : Item->SubItemImages(Sub - 1);
  return 0;
}

LRESULT TCustomListView::CustomDraw(NMLVCUSTOMDRAW& ADraw) {
  if (ADraw.nmcd.dwDrawStage == CDDS_PREPAINT) return OnCustomDrawItem ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
  if (ADraw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  TListItem* Item =
      FOwnerData ? FItems->FetchOwnerDataItem(static_cast<int>(ADraw.nmcd.dwItemSpec), {irText, irImage})
                 : ItemAt(static_cast<LRESULT>(ADraw.nmcd.dwItemSpec));
  if (!Item) return CDRF_DODEFAULT;
  TCanvasHandleScope Scope(FCanvas, ADraw.nmcd.hdc);
  FCanvas.Font().Assign(Font());
  FCanvas.Brush().SetColor(Color());
  FCanvas.Brush().SetStyle(bsSolid);
  return CustomDrawItem(Item, DrawStateOf(ADraw.nmcd.uItemState)) ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
}

bool TCustomListView::CustomDrawItem(TListItem* AItem, TCustomDrawState AState) {
  bool DefaultDraw = true;
  if (OnCustomDrawItem) OnCustomDrawItem(this, AItem, AState, DefaultDraw);
  return DefaultDraw;
}

void TCustomListView::ItemChanged(const NMLISTVIEW& AChange) {
  if (!(AChange.uChanged & LVIF_STATE)) return;
  TListItem* Item =
      FOwnerData ? FItems->FetchOwnerDataItem(AChange.iItem, {irText, irImage}) : ItemAt(AChange.iItem);
  Change(Item, ctState);
  if ((AChange.uOldState ^ AChange.uNewState) & LVIS_SELECTED) {
    if (OnSelectItem) OnSelectItem(this, Item, AChange.uNewState & LVIS_SELECTED);
  }
}

void TCustomListView::Change(TListItem* AItem, TItemChange AChange) {
  if (OnChange) OnChange(this, AItem, AChange);
}

void TCustomListView::ColClick(TListColumn* AColumn) {
  if (OnColumnClick) OnColumnClick(this, AColumn);
}

bool TCustomListView::OwnerDataFetch(TListItem* AItem, TItemRequest) {
  if (!OnData) return false;
  OnData(this, AItem);
  return true;
}

LRESULT TCustomListView::FindItem(const NMLVFINDITEM& AFind) {
  const LVFINDINFO& Info = AFind.lvfi;
  TItemFind Find = ifData;
  if (Info.flags & LVFI_STRING) Find = (Info.flags & LVFI_PARTIAL) ? ifPartialString : ifExactString;
  return OwnerDataFind(Find, Info.psz ? Info.psz : "", Info.pt, reinterpret_cast<void*>(Info.lParam),
                       AFind.iStart, sdAll, Info.flags & LVFI_WRAP);
}

int TCustomListView::OwnerDataFind(TItemFind AFind, const String& AFindString, const TPoint& AFindPosition,
                                   void* AFindData, int AStartIndex, TSearchDirection ADirection,
                                   bool AWrap) {
  int Index = -1;
  if (OnDataFind)
    OnDataFind(this, AFind, AFindString, AFindPosition, AFindData, AStartIndex, ADirection, AWrap, Index);
  return Index;
}

LRESULT TCustomListView::BeginEdit(const NMLVDISPINFO& AInfo) {
  TListItem* Item =
      FOwnerData ? FItems->FetchOwnerDataItem(AInfo.item.iItem, {irText}) : ItemAt(AInfo.item.iItem);
  return Item && CanEdit(Item) ? 0 : 1;
}

bool TCustomListView::CanEdit(TListItem* AItem) {
  bool Allow = true;
  if (OnEditing) OnEditing(this, AItem, Allow);
  return Allow;
}

void TCustomListView::Edit(const LVITEM& AItem) {
  TListItem* Item = FOwnerData ? FItems->FetchOwnerDataItem(AItem.iItem, {irText}) : ItemAt(AItem.iItem);
  if (!Item) return;
  String Text = AItem.pszText;
  if (OnEdited) OnEdited(this, Item, Text);
  Item->SetCaption(Text);
}
