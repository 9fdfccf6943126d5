// TListBoxStrings: the items of a list box, read and changed through LB_* messages.

#include "platform/base/Lists.h"
#include "platform/ui/native/ListBox.h"
#include "platform/ui/native/ListBoxMessages.h"

namespace {

LPARAM TextParam(const String& AText) { return reinterpret_cast<LPARAM>(AText.c_str()); }

}  // namespace

void TListBoxStrings::CheckIndex(int AIndex) const { CheckListIndex(AIndex, GetCount()); }

int TListBoxStrings::GetCount() const { return static_cast<int>(FListBox->ListMessage(LB_GETCOUNT, 0, 0)); }

String TListBoxStrings::Get(int AIndex) const {
  CheckIndex(AIndex);
  const auto Length = static_cast<size_t>(FListBox->ListMessage(LB_GETTEXTLEN, AIndex, 0));
  String Text(Length + 1, '\0');
  FListBox->ListMessage(LB_GETTEXT, AIndex, reinterpret_cast<LPARAM>(Text.data()));
  Text.resize(Length);
  return Text;
}

void TListBoxStrings::Put(int AIndex, const String& AText) {
  CheckIndex(AIndex);
  const int Selected = FListBox->ItemIndex();
  const LRESULT Data = FListBox->ListMessage(LB_GETITEMDATA, AIndex, 0);
  FListBox->ListMessage(LB_DELETESTRING, AIndex, 0);
  FListBox->ListMessage(LB_INSERTSTRING, AIndex, TextParam(AText));
  FListBox->ListMessage(LB_SETITEMDATA, AIndex, Data);
  FListBox->SetItemIndex(Selected);
}

void* TListBoxStrings::GetObject(int AIndex) const {
  CheckIndex(AIndex);
  return reinterpret_cast<void*>(FListBox->ListMessage(LB_GETITEMDATA, AIndex, 0));
}

void TListBoxStrings::PutObject(int AIndex, void* AObject) {
  CheckIndex(AIndex);
  FListBox->ListMessage(LB_SETITEMDATA, AIndex, reinterpret_cast<LPARAM>(AObject));
}

int TListBoxStrings::AddObject(const String& AText, void* AObject) {
  const auto Index = static_cast<int>(FListBox->ListMessage(LB_ADDSTRING, 0, TextParam(AText)));
  FListBox->ListMessage(LB_SETITEMDATA, Index, reinterpret_cast<LPARAM>(AObject));
  return Index;
}

void TListBoxStrings::Insert(int AIndex, const String& AText) {
  if (AIndex != GetCount()) CheckIndex(AIndex);
  FListBox->ListMessage(LB_INSERTSTRING, AIndex, TextParam(AText));
}

void TListBoxStrings::Delete(int AIndex) {
  CheckIndex(AIndex);
  FListBox->ListMessage(LB_DELETESTRING, AIndex, 0);
}

void TListBoxStrings::Clear() { FListBox->ListMessage(LB_RESETCONTENT, 0, 0); }

int TListBoxStrings::IndexOf(const String& AText) const {
  return static_cast<int>(
      FListBox->ListMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), TextParam(AText)));
}

void TListBoxStrings::SetUpdateState(bool AUpdating) {
  if (!FListBox->HandleAllocated()) return;
  FListBox->Perform(WM_SETREDRAW, AUpdating ? 0 : 1, 0);
}
