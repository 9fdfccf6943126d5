// Label editing in the tree-view window: an inner EDIT window over the item's text,
// subclassed so that Enter ends the edit, Escape cancels it and losing the focus ends
// it; TVN_BEGINLABELEDIT may refuse the edit and TVN_ENDLABELEDIT decides whether the
// new text is taken.

#include <algorithm>

#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/EditMessages.h"
#include "platform/ui/native/EditWindow.h"
#include "platform/ui/native/TreeViewWindowInternal.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

namespace {

// Room the edit takes beyond the text for typing more.
constexpr int EditSlack = 20;

WNDPROC EditClassProc() {
  WNDCLASS Class;
  return GetClassInfo(nullptr, EditClassName, &Class) ? Class.lpfnWndProc : &DefWindowProc;
}

}  // namespace

LRESULT TTreeViewWindow::TVMEditLabel(HTREEITEM AItem) {
  if (!FModel.Contains(AItem)) return 0;
  if (FEdit) EndEdit(false);
  if (!FModel.Contains(AItem)) return 0;
  EnsureVisible(AItem);
  NMTVDISPINFO Record;
  DescribeItem(AItem, Record.item);
  Record.item.mask |= TVIF_TEXT;
  Record.item.pszText = AItem->Text.data();
  if (Notify(Record.hdr, TVN_BEGINLABELEDIT) != 0 || !FModel.Contains(AItem)) return 0;
  RegisterEditClass();
  const TRect Text = TextRect(AItem);
  const int Right = std::min(Text.Right + EditSlack, std::max(ClientWidth(), Text.Right));
  FEdit = CreateWindowEx(0, EditClassName, AItem->Text.c_str(),
                         WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, Text.Left, Text.Top,
                         Right - Text.Left, Text.Height(), FWindow, nullptr, nullptr, nullptr);
  if (!FEdit) return 0;
  FEditItem = AItem;
  SendMessage(FEdit, WM_SETFONT, reinterpret_cast<WPARAM>(FFont), 0);
  SetWindowLongPtr(FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelEditProc));
  SendMessage(FEdit, EM_SETSEL, 0, -1);
  SetFocus(FEdit);
  return reinterpret_cast<LRESULT>(FEdit);
}

LRESULT TTreeViewWindow::EndEdit(bool ACancel) {
  if (!FEdit) return 0;
  // Taken first: destroying the edit moves the focus, which would end the edit again.
  HWND Edit = FEdit;
  TTreeViewItem* Item = FEditItem;
  FEdit = nullptr;
  FEditItem = nullptr;
  String Text = GetWindowText(Edit);
  if (FModel.Contains(Item)) {
    NMTVDISPINFO Record;
    DescribeItem(Item, Record.item);
    Record.item.mask |= TVIF_TEXT;
    Record.item.pszText = ACancel ? nullptr : Text.data();
    if (Notify(Record.hdr, TVN_ENDLABELEDIT) != 0 && !ACancel && FModel.Contains(Item)) {
      Item->Text = Text;
      Item->TextWidth = -1;
    }
  }
  if (GetFocus() == Edit) SetFocus(FWindow);
  DestroyWindow(Edit);
  Changed();
  return 1;
}

LRESULT TTreeViewWindow::LabelEditProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  TTreeViewWindow* Tree = Of(GetParent(AWindow));
  const bool Editing = Tree && Tree->FEdit == AWindow;
  switch (AMsg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | CallWindowProc(EditClassProc(), AWindow, AMsg, AWParam, ALParam);
    case WM_KEYDOWN:
      if (Editing && (AWParam == VK_RETURN || AWParam == VK_ESCAPE)) {
        Tree->EndEdit(AWParam == VK_ESCAPE);
        return 0;
      }
      break;
    case WM_CHAR:
      // Enter and Escape were handled as keys; the edit must not take them as text.
      if (AWParam == '\r' || AWParam == 0x1B) return 0;
      break;
    case WM_KILLFOCUS: {
      const LRESULT Result = CallWindowProc(EditClassProc(), AWindow, AMsg, AWParam, ALParam);
      if (Editing) Tree->EndEdit(false);
      return Result;
    }
    default:
      break;
  }
  return CallWindowProc(EditClassProc(), AWindow, AMsg, AWParam, ALParam);
}
