// TListItem and TListItems: the items a list view shows, their states through the
// window, and owner-data items fetched on demand.

#include "platform/base/Exceptions.h"
#include "platform/ui/native/ListView.h"
#include "platform/win/Windows.h"

// ---------------------------------------------------------------- TListItem

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner) {
  FSubItems.OnChange = [this](TStringList*) { Changed(ctText); };
}

TCustomListView* TListItem::ListView() const { return FOwner->Owner(); }

int TListItem::Index() const { return FOwnerDataIndex >= 0 ? FOwnerDataIndex : FOwner->IndexOf(this); }

// A shown item is repainted and the list told; an owner-data item being filled is
// neither.
void TListItem::Changed(TItemChange AChange) {
  if (FOwnerDataIndex >= 0) return;
  TCustomListView* List = ListView();
  if (!List->HandleAllocated()) return;
  const int I = Index();
  SendMessage(List->Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(I), I);
  List->Change(this, AChange);
}

void TListItem::SetCaption(const String& AValue) {
  if (FCaption == AValue) return;
  FCaption = AValue;
  Changed(ctText);
}

int TListItem::SubItemImages(int AIndex) const {
  return AIndex >= 0 && AIndex < static_cast<int>(FSubItemImages.size()) ? FSubItemImages[AIndex] : -1;
}

void TListItem::SetSubItemImages(int AIndex, int AValue) {
  if (AIndex < 0 || SubItemImages(AIndex) == AValue) return;
  if (AIndex >= static_cast<int>(FSubItemImages.size())) FSubItemImages.resize(AIndex + 1, -1);
  FSubItemImages[AIndex] = AValue;
  Changed(ctImage);
}

void TListItem::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  Changed(ctImage);
}

UINT TListItem::StateBits(UINT AMask) const {
  TCustomListView* List = ListView();
  if (!List->HandleAllocated()) return FState & AMask;
  return static_cast<UINT>(
      SendMessage(List->Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), AMask));
}

void TListItem::SetStateBits(UINT ABits, UINT AMask) {
  TCustomListView* List = ListView();
  if (!List->HandleAllocated()) {
    FState = (FState & ~AMask) | (ABits & AMask);
    return;
  }
  LVITEM Record;
  Record.state = ABits;
  Record.stateMask = AMask;
  SendMessage(List->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()),
              reinterpret_cast<LPARAM>(&Record));
}

bool TListItem::Checked() const { return STATEIMAGEMASKTOINDEX(StateBits(LVIS_STATEIMAGEMASK)) == 2; }
void TListItem::SetChecked(bool AValue) {
  SetStateBits(INDEXTOSTATEIMAGEMASK(AValue ? 2 : 1), LVIS_STATEIMAGEMASK);
}
bool TListItem::Selected() const { return StateBits(LVIS_SELECTED) != 0; }
void TListItem::SetSelected(bool AValue) { SetStateBits(AValue ? LVIS_SELECTED : 0, LVIS_SELECTED); }
bool TListItem::Focused() const { return StateBits(LVIS_FOCUSED) != 0; }
void TListItem::SetFocused(bool AValue) { SetStateBits(AValue ? LVIS_FOCUSED : 0, LVIS_FOCUSED); }

TRect TListItem::DisplayRect(TDisplayCode ACode) const {
  TCustomListView* List = ListView();
  RECT Box;
  if (!List->HandleAllocated()) return Box;
  static constexpr int Parts[] = {LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL, LVIR_SELECTBOUNDS};
  Box.Left = Parts[ACode];
  SendMessage(List->Handle(), LVM_GETITEMRECT, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&Box));
  return Box;
}

void TListItem::MakeVisible(bool APartialOK) {
  SendMessage(ListView()->Handle(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(Index()), APartialOK);
}

bool TListItem::EditCaption() {
  return SendMessage(ListView()->Handle(), LVM_EDITLABELW, static_cast<WPARAM>(Index()), 0) != 0;
}

void TListItem::CancelEdit() {
  if (ListView()->HandleAllocated())
    SendMessage(ListView()->Handle(), LVM_EDITLABELW, static_cast<WPARAM>(-1), 0);
}

void TListItem::Delete() { FOwner->Delete(Index()); }

// ---------------------------------------------------------------- TListItems

TListItems::TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}

TListItems::~TListItems() = default;

int TListItems::Count() const {
  return FOwner->OwnerData() ? FOwnerDataCount : static_cast<int>(FItems.size());
}

// A plain list takes the count as a hint only, as the window does.
void TListItems::SetCount(int AValue) {
  if (!FOwner->OwnerData()) return;
  FOwnerDataCount = std::max(0, AValue);
  if (FOwner->HandleAllocated())
    SendMessage(FOwner->Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(FOwnerDataCount), 0);
}

TListItem* TListItems::Item(int AIndex) {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  if (FOwner->OwnerData()) return FetchOwnerDataItem(AIndex, {irText, irImage, irParam, irState});
  return FItems[AIndex].get();
}

TListItem* TListItems::FetchOwnerDataItem(int AIndex, TItemRequest ARequest) {
  if (AIndex < 0 || AIndex >= FOwnerDataCount) return nullptr;
  if (!FOwnerDataItem) FOwnerDataItem = std::make_unique<TListItem>(this);
  TListItem& Item = *FOwnerDataItem;
  Item.FOwnerDataIndex = AIndex;
  Item.FCaption.clear();
  Item.FSubItems.Clear();
  Item.FSubItemImages.clear();
  Item.FImageIndex = -1;
  Item.Data = nullptr;
  FOwner->OwnerDataFetch(&Item, ARequest);
  return &Item;
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int AIndex) {
  if (FOwner->OwnerData()) throw EInvalidOperation("Cannot add items to an owner-data list view");
  const int Index = std::clamp(AIndex, 0, Count());
  TListItem* Item = FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(this))->get();
  if (FOwner->HandleAllocated()) {
    LVITEM Record;
    Record.mask = LVIF_PARAM;
    Record.iItem = Index;
    Record.lParam = reinterpret_cast<LPARAM>(Item);
    SendMessage(FOwner->Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&Record));
  }
  return Item;
}

void TListItems::Delete(int AIndex) {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  if (FOwner->OwnerData()) return SetCount(FOwnerDataCount - 1);
  if (FOwner->HandleAllocated())
    SendMessage(FOwner->Handle(), LVM_DELETEITEM, static_cast<WPARAM>(AIndex), 0);
  FItems.erase(FItems.begin() + AIndex);
}

void TListItems::Clear() {
  if (FOwner->OwnerData()) return SetCount(0);
  if (FOwner->HandleAllocated()) SendMessage(FOwner->Handle(), LVM_DELETEALLITEMS, 0, 0);
  FItems.clear();
}

int TListItems::IndexOf(const TListItem* AItem) const {
  for (size_t I = 0; I < FItems.size(); ++I)
    if (FItems[I].get() == AItem) return static_cast<int>(I);
  return -1;
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0) FOwner->Perform(WM_SETREDRAW, 0, 0);
}

void TListItems::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) FOwner->Perform(WM_SETREDRAW, 1, 0);
}
