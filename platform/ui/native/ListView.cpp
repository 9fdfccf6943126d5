// TCustomListView: its properties, the window they describe, and what survives the
// window's re-creation.

#include "platform/ui/native/ListView.h"

#include "platform/ui/native/ListViewWindow.h"
#include "platform/win/Windows.h"

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner),
      FItems(std::make_unique<TListItems>(this)),
      FColumns(std::make_unique<TListColumns>(this)) {
  ControlStyle.Include(csDoubleClicks);
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
}

// The items go before the window, so that nothing asks for their texts meanwhile.
TCustomListView::~TCustomListView() {
  DestroyHandle();
  FItems.reset();
  FColumns.reset();
}

DWORD TCustomListView::ListStyle() const {
  static constexpr DWORD Views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  DWORD Style = Views[FViewStyle] | LVS_AUTOARRANGE;
  if (!FMultiSelect) Style |= LVS_SINGLESEL;
  if (!FReadOnly) Style |= LVS_EDITLABELS;
  if (!FHideSelection) Style |= LVS_SHOWSELALWAYS;
  if (!FIconOptions.WrapText()) Style |= LVS_NOLABELWRAP;
  if (FOwnerData) Style |= LVS_OWNERDATA;
  if (!FShowColumnHeaders) Style |= LVS_NOCOLUMNHEADER;
  if (!FColumnClick) Style |= LVS_NOSORTHEADER;
  return Style;
}

DWORD TCustomListView::ExtendedStyle() const {
  DWORD Style = LVS_EX_SUBITEMIMAGES;
  if (FCheckboxes) Style |= LVS_EX_CHECKBOXES;
  if (FRowSelect) Style |= LVS_EX_FULLROWSELECT;
  if (FGridLines) Style |= LVS_EX_GRIDLINES;
  if (FFullDrag) Style |= LVS_EX_HEADERDRAGDROP;
  return Style;
}

void TCustomListView::CreateParams(TCreateParams& AParams) {
  RegisterListViewClass();
  TWinControl::CreateParams(AParams);
  CreateSubClass(AParams, WC_LISTVIEW);
  AParams.Style |= ListStyle();
  AParams.ExStyle |= WS_EX_CLIENTEDGE;
}

// The window gets the list's state: styles, image lists, colours, columns, then the
// items with their states.
void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  HWND Window = Handle();
  SendMessage(Window, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, ExtendedStyle());
  SendMessage(Window, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(FLargeImages));
  SendMessage(Window, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages));
  SendMessage(Window, LVM_SETIMAGELIST, LVSIL_STATE, reinterpret_cast<LPARAM>(FStateImages));
  UpdateColors();
  for (int I = 0; I < FColumns->Count(); ++I) {
    LVCOLUMN Column = FColumns->Items(I)->Record();
    SendMessage(Window, LVM_INSERTCOLUMNW, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Column));
  }
  if (FOwnerData) {
    SendMessage(Window, LVM_SETITEMCOUNT, static_cast<WPARAM>(FItems->FOwnerDataCount), 0);
    return;
  }
  for (int I = 0; I < FItems->Count(); ++I) {
    TListItem* Item = FItems->FItems[I].get();
    LVITEM Record;
    Record.mask = LVIF_STATE | LVIF_PARAM;
    Record.iItem = I;
    Record.state = Item->FState;
    // An item never checked keeps the window's first check state.
    Record.stateMask =
        LVIS_SELECTED | LVIS_FOCUSED | (Item->FState & LVIS_STATEIMAGEMASK ? LVIS_STATEIMAGEMASK : 0);
    Record.lParam = reinterpret_cast<LPARAM>(Item);
    SendMessage(Window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Record));
  }
}

// States and column widths live in the window; they are taken back before it goes.
void TCustomListView::DestroyWnd() {
  if (!FOwnerData)
    for (auto& Item : FItems->FItems)
      Item->FState = Item->StateBits(LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK);
  for (int I = 0; I < FColumns->Count(); ++I) FColumns->Items(I)->FWidth = FColumns->Items(I)->Width();
  TWinControl::DestroyWnd();
}

void TCustomListView::Notification(TComponent* AComponent, TOperation AOperation) {
  TWinControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSmallImages) SetSmallImages(nullptr);
  if (AComponent == FLargeImages) SetLargeImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}

void TCustomListView::UpdateStyle() {
  if (!HandleAllocated()) return;
  const DWORD Owned = LVS_TYPEMASK | LVS_AUTOARRANGE | LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS |
                      LVS_NOLABELWRAP | LVS_OWNERDATA | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER;
  const LONG_PTR Style = GetWindowLong(Handle(), GWL_STYLE);
  SetWindowLong(Handle(), GWL_STYLE, (Style & ~static_cast<LONG_PTR>(Owned)) | ListStyle());
}

void TCustomListView::UpdateExtendedStyle() {
  if (HandleAllocated()) SendMessage(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, ExtendedStyle());
}

void TCustomListView::UpdateColors() {
  if (!HandleAllocated()) return;
  SendMessage(Handle(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  SendMessage(Handle(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font().Color())));
}

void TCustomListView::SetViewStyle(TViewStyle AValue) {
  if (FViewStyle == AValue) return;
  FViewStyle = AValue;
  UpdateStyle();
}

#define LIST_STYLE_SETTER(Name, Field, Update)   \
  void TCustomListView::Set##Name(bool AValue) { \
    if (Field == AValue) return;                 \
    Field = AValue;                              \
    Update();                                    \
  }
LIST_STYLE_SETTER(Checkboxes, FCheckboxes, UpdateExtendedStyle)
LIST_STYLE_SETTER(RowSelect, FRowSelect, UpdateExtendedStyle)
LIST_STYLE_SETTER(GridLines, FGridLines, UpdateExtendedStyle)
LIST_STYLE_SETTER(FullDrag, FFullDrag, UpdateExtendedStyle)
LIST_STYLE_SETTER(ShowColumnHeaders, FShowColumnHeaders, UpdateStyle)
LIST_STYLE_SETTER(ColumnClick, FColumnClick, UpdateStyle)
LIST_STYLE_SETTER(MultiSelect, FMultiSelect, UpdateStyle)
LIST_STYLE_SETTER(ReadOnly, FReadOnly, UpdateStyle)
LIST_STYLE_SETTER(HideSelection, FHideSelection, UpdateStyle)
#undef LIST_STYLE_SETTER

// Owner data decides how the window keeps its items: switching it makes the window
// again, empty.
void TCustomListView::SetOwnerData(bool AValue) {
  if (FOwnerData == AValue) return;
  FItems->Clear();
  FItems->FOwnerDataCount = 0;
  FOwnerData = AValue;
  RecreateWnd();
}

void TIconOptions::SetWrapText(bool AValue) {
  if (FWrapText == AValue) return;
  FWrapText = AValue;
  FOwner->UpdateStyle();
}

void TCustomListView::SetImageList(TCustomImageList*& ASlot, TCustomImageList* AValue, WPARAM AWhich) {
  if (ASlot == AValue) return;
  ASlot = AValue;
  if (AValue) AValue->FreeNotification(this);
  if (HandleAllocated()) SendMessage(Handle(), LVM_SETIMAGELIST, AWhich, reinterpret_cast<LPARAM>(AValue));
}

void TCustomListView::SetSmallImages(TCustomImageList* AValue) {
  SetImageList(FSmallImages, AValue, LVSIL_SMALL);
}
void TCustomListView::SetLargeImages(TCustomImageList* AValue) {
  SetImageList(FLargeImages, AValue, LVSIL_NORMAL);
}
void TCustomListView::SetStateImages(TCustomImageList* AValue) {
  SetImageList(FStateImages, AValue, LVSIL_STATE);
}

// ---------------------------------------------------------------- selection and focus

TListItem* TCustomListView::ItemAt(LRESULT AIndex) {
  if (AIndex < 0 || AIndex >= FItems->Count()) return nullptr;
  return FItems->Item(static_cast<int>(AIndex));
}

TListItem* TCustomListView::GetNextItem(TListItem* AStart, TSearchDirection ADirection, TItemStates AStates) {
  static constexpr UINT Directions[] = {LVNI_TOLEFT, LVNI_TORIGHT, LVNI_ABOVE, LVNI_BELOW, LVNI_ALL};
  UINT Flags = Directions[ADirection];
  if (AStates.Contains(isSelected)) Flags |= LVNI_SELECTED;
  if (AStates.Contains(isFocused)) Flags |= LVNI_FOCUSED;
  const int Start = AStart ? AStart->Index() : -1;
  return ItemAt(
      SendMessage(Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(Start), static_cast<LPARAM>(Flags)));
}

TListItem* TCustomListView::Selected() { return GetNextItem(nullptr, sdAll, {isSelected}); }

void TCustomListView::SetSelected(TListItem* AValue) {
  LVITEM Clear;
  Clear.stateMask = LVIS_SELECTED;
  SendMessage(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&Clear));
  if (AValue) AValue->SetSelected(true);
}

TListItem* TCustomListView::ItemFocused() { return GetNextItem(nullptr, sdAll, {isFocused}); }

void TCustomListView::SetItemFocused(TListItem* AValue) {
  if (AValue) {
    AValue->SetFocused(true);
  } else if (TListItem* Focused = ItemFocused()) {
    Focused->SetFocused(false);
  }
}

int TCustomListView::SelCount() {
  return static_cast<int>(SendMessage(Handle(), LVM_GETSELECTEDCOUNT, 0, 0));
}

TListItem* TCustomListView::TopItem() {
  if (FViewStyle != vsReport && FViewStyle != vsList) return nullptr;
  return ItemAt(SendMessage(Handle(), LVM_GETTOPINDEX, 0, 0));
}

int TCustomListView::VisibleRowCount() {
  if (FViewStyle != vsReport) return 0;
  return static_cast<int>(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
}

TListItem* TCustomListView::GetItemAt(int AX, int AY) {
  LVHITTESTINFO Hit;
  Hit.pt = {AX, AY};
  return ItemAt(SendMessage(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&Hit)));
}

bool TCustomListView::IsEditing() {
  return HandleAllocated() && SendMessage(Handle(), LVM_GETEDITCONTROL, 0, 0) != 0;
}

void TCustomListView::Scroll(int ADX, int ADY) {
  SendMessage(Handle(), LVM_SCROLL, static_cast<WPARAM>(static_cast<intptr_t>(ADX)), ADY);
}
