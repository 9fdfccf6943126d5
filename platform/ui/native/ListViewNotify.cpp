// What the list view asks and tells its parent: item texts and images on request, and
// state changes.

#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

LRESULT NotifyParent(TListViewState& AState, NMHDR& AHeader, UINT ACode) {
  AHeader.hwndFrom = AState.Handle;
  AHeader.idFrom = static_cast<UINT_PTR>(GetWindowLong(AState.Handle, GWL_ID));
  AHeader.code = ACode;
  HWND Parent = GetParent(AState.Handle);
  if (!Parent) return 0;
  return SendMessage(Parent, WM_NOTIFY, AHeader.idFrom, reinterpret_cast<LPARAM>(&AHeader));
}

namespace {

// Asks the parent for the parts of the item that AMask names; the text is copied
// before the notification's buffer or the parent's own text can go.
void AskItem(TListViewState& AState, int AIndex, int ASubItem, UINT AMask, String* AText, int* AImage) {
  char Buffer[1024] = {};
  NMLVDISPINFO Info;
  Info.item.mask = AMask;
  Info.item.iItem = AIndex;
  Info.item.iSubItem = ASubItem;
  Info.item.pszText = Buffer;
  Info.item.cchTextMax = sizeof(Buffer);
  Info.item.iImage = -1;
  Info.item.lParam = AState.Model.Items[AIndex].Param;
  NotifyParent(AState, Info.hdr, LVN_GETDISPINFOW);
  if (AText) *AText = Info.item.pszText && Info.item.pszText != LPSTR_TEXTCALLBACK ? Info.item.pszText : "";
  if (AImage) *AImage = Info.item.iImage;
}

}  // namespace

String ItemText(TListViewState& AState, int AIndex, int ASubItem) {
  String Text;
  if (AState.Model.IsValid(AIndex)) AskItem(AState, AIndex, ASubItem, LVIF_TEXT, &Text, nullptr);
  return Text;
}

int ItemImage(TListViewState& AState, int AIndex, int ASubItem) {
  int Image = -1;
  if (AState.Model.IsValid(AIndex)) AskItem(AState, AIndex, ASubItem, LVIF_IMAGE, nullptr, &Image);
  return Image;
}

void NotifyItemChanged(TListViewState& AState, int AIndex, UINT AOldState, UINT ANewState) {
  NMLISTVIEW Change;
  Change.iItem = AIndex;
  Change.uOldState = AOldState;
  Change.uNewState = ANewState;
  Change.uChanged = LVIF_STATE;
  if (AState.Model.IsValid(AIndex)) Change.lParam = AState.Model.Items[AIndex].Param;
  NotifyParent(AState, Change.hdr, LVN_ITEMCHANGED);
}
