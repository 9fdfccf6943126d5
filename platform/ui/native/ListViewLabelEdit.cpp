// Editing an item's caption in place: an EDIT window over the label, started by
// LVM_EDITLABELW (or F2), ended by Enter, Escape or the editor losing the focus. The
// parent may refuse the start (LVN_BEGINLABELEDITW) and receives the result
// (LVN_ENDLABELEDITW; pszText nullptr when cancelled).

#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/EditMessages.h"
#include "platform/ui/native/EditWindow.h"
#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

namespace {

// The editor's keys and focus, before the EDIT window's own handling.
LRESULT EditorMessage(HWND AList, HWND AEditor, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  TListViewState* State = ListViewStateOf(AList);
  if (!State || State->Editor != AEditor) return DefWindowProc(AEditor, AMsg, AWParam, ALParam);
  if (AMsg == WM_KEYDOWN && (AWParam == VK_RETURN || AWParam == VK_ESCAPE)) {
    EndLabelEdit(*State, AWParam == VK_ESCAPE);
    return 0;
  }
  if (AMsg == WM_CHAR && (AWParam == '\r' || AWParam == 0x1B)) return 0;
  const LRESULT Result = CallWindowProc(State->EditorProc, AEditor, AMsg, AWParam, ALParam);
  if (AMsg == WM_GETDLGCODE) return Result | DLGC_WANTALLKEYS;
  // Leaving the editor takes its text, unless the list is going out of sight (hidden
  // or being destroyed): then nothing may be renamed behind the user's back.
  if (AMsg == WM_KILLFOCUS) EndLabelEdit(*State, !IsWindowVisible(AList));
  return Result;
}

}  // namespace

HWND BeginLabelEdit(TListViewState& AState, int AIndex) {
  if (AState.Editor) EndLabelEdit(AState, false);
  if (!AState.Model.IsValid(AIndex)) return nullptr;
  EnsureItemVisible(AState, AIndex, false);
  String Caption = ItemText(AState, AIndex, 0);
  NMLVDISPINFO Begin;
  Begin.item.mask = LVIF_TEXT | LVIF_PARAM;
  Begin.item.iItem = AIndex;
  Begin.item.pszText = Caption.data();
  Begin.item.lParam = AState.Model.Items[AIndex].Param;
  if (NotifyParent(AState, Begin.hdr, LVN_BEGINLABELEDITW) != 0) return nullptr;
  RegisterEditClass();
  TRect Box = AState.Model.ItemRect(AIndex, LVIR_LABEL);
  InflateRect(Box, 1, 1);
  HWND Editor = CreateWindowEx(0, "EDIT", Caption.c_str(), WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, Box.Left,
                               Box.Top, Box.Width(), Box.Height(), AState.Handle, nullptr, nullptr, nullptr);
  if (!Editor) return nullptr;
  if (!AState.EditorHook) {
    HWND List = AState.Handle;
    AState.EditorHook = MakeProcInstance([List](HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
      return EditorMessage(List, AWindow, AMsg, AWParam, ALParam);
    });
  }
  AState.EditorProc = reinterpret_cast<WNDPROC>(
      SetWindowLong(Editor, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(AState.EditorHook)));
  AState.Editor = Editor;
  AState.EditItem = AIndex;
  SendMessage(Editor, WM_SETFONT, reinterpret_cast<WPARAM>(AState.Model.Font), 0);
  SendMessage(Editor, EM_SETSEL, 0, -1);
  ShowWindow(Editor, SW_SHOW);
  SetFocus(Editor);
  return Editor;
}

void EndLabelEdit(TListViewState& AState, bool ACancel) {
  HWND Editor = AState.Editor;
  if (!Editor) return;
  const int Index = AState.EditItem;
  String Text = GetWindowText(Editor);
  // Forgotten first: destroying the editor takes its focus, which would end it again.
  AState.Editor = nullptr;
  AState.EditItem = -1;
  const bool HadFocus = GetFocus() == Editor;
  SetWindowLong(Editor, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(AState.EditorProc));
  DestroyWindow(Editor);
  if (HadFocus) SetFocus(AState.Handle);
  if (!AState.Model.IsValid(Index)) return;
  NMLVDISPINFO End;
  End.item.mask = LVIF_TEXT | LVIF_PARAM;
  End.item.iItem = Index;
  End.item.pszText = ACancel ? nullptr : Text.data();
  End.item.lParam = AState.Model.Items[Index].Param;
  NotifyParent(AState, End.hdr, LVN_ENDLABELEDITW);
  InvalidateItem(AState, Index);
}
