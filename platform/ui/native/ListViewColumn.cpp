// TListColumn and TListColumns: the columns of a list view, kept here and mirrored in
// the window (whose header carries them).

#include "platform/base/Exceptions.h"
#include "platform/ui/native/ListView.h"
#include "platform/win/Windows.h"

int TListColumn::Index() const {
  for (int I = 0; I < FOwner->Count(); ++I)
    if (FOwner->FColumns[I].get() == this) return I;
  return -1;
}

LVCOLUMN TListColumn::Record() const {
  static constexpr int Formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  LVCOLUMN Column;
  Column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE;
  Column.fmt = Formats[FAlignment] | (FImageIndex >= 0 ? LVCFMT_IMAGE : 0);
  Column.cx = FWidth;
  Column.pszText = const_cast<char*>(FCaption.c_str());
  Column.iImage = FImageIndex;
  return Column;
}

void TListColumn::Changed() {
  TCustomListView* List = FOwner->Owner();
  if (!List->HandleAllocated()) return;
  LVCOLUMN Column = Record();
  Column.mask &= ~LVCF_WIDTH;
  SendMessage(List->Handle(), LVM_SETCOLUMNW, static_cast<WPARAM>(Index()),
              reinterpret_cast<LPARAM>(&Column));
}

void TListColumn::SetCaption(const String& AValue) {
  if (FCaption == AValue) return;
  FCaption = AValue;
  Changed();
}

int TListColumn::Width() const {
  TCustomListView* List = FOwner->Owner();
  if (!List->HandleAllocated()) return FWidth;
  return static_cast<int>(SendMessage(List->Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
}

// In list view the width of column 0 is the width of every list column, as in the
// window.
void TListColumn::SetWidth(int AValue) {
  FWidth = AValue;
  TCustomListView* List = FOwner->Owner();
  if (List->HandleAllocated())
    SendMessage(List->Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(Index()), AValue);
}

void TListColumn::SetAlignment(TAlignment AValue) {
  if (FAlignment == AValue) return;
  FAlignment = AValue;
  Changed();
}

void TListColumn::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  Changed();
}

TListColumn* TListColumns::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  return FColumns[AIndex].get();
}

TListColumn* TListColumns::Add() {
  TListColumn* Column = FColumns.emplace_back(std::make_unique<TListColumn>(this)).get();
  if (FOwner->HandleAllocated()) {
    LVCOLUMN Record = Column->Record();
    SendMessage(FOwner->Handle(), LVM_INSERTCOLUMNW, static_cast<WPARAM>(Count() - 1),
                reinterpret_cast<LPARAM>(&Record));
  }
  return Column;
}

void TListColumns::Delete(int AIndex) {
  Items(AIndex);
  if (FOwner->HandleAllocated())
    SendMessage(FOwner->Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(AIndex), 0);
  FColumns.erase(FColumns.begin() + AIndex);
}

void TListColumns::Clear() {
  while (Count() > 0) Delete(Count() - 1);
}

void TListColumns::BeginUpdate() { FOwner->Perform(WM_SETREDRAW, 0, 0); }
void TListColumns::EndUpdate() { FOwner->Perform(WM_SETREDRAW, 1, 0); }
