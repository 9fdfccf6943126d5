// The tree-view window's mouse and keyboard: clicks on buttons and items, double
// clicks, the navigation keys, the wheel, and the delayed start of a label edit.

#include <algorithm>

#include "platform/ui/native/TreeViewWindowInternal.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowProcedures.h"

namespace {

// The timer that starts a label edit after a click on the selected item's text.
constexpr UINT_PTR EditTimer = 1;
// Rows the wheel scrolls per notch.
constexpr int WheelRows = 3;

}  // namespace

LRESULT TTreeViewWindow::WMLButtonDown(LPARAM ALParam) {
  if (GetFocus() != FWindow) SetFocus(FWindow);
  UINT Flags = 0;
  TTreeViewItem* Item = HitTest(LParamToPoint(ALParam), Flags);
  if (Item && (Flags & TVHT_ONITEMBUTTON)) {
    Expand(Item, TVE_TOGGLE);
  } else if (Item && (Flags & TVHT_ONITEM)) {
    const bool WasSelected = Item == FSelected;
    Select(Item, TVC_BYMOUSE);
    if (WasSelected && (Flags & TVHT_ONITEMLABEL) && (Style() & TVS_EDITLABELS)) {
      FEditPending = Item;
      SetTimer(FWindow, EditTimer, GetDoubleClickTime(), nullptr);
    }
  }
  NMHDR Header;
  Notify(Header, NM_CLICK);
  return 0;
}

LRESULT TTreeViewWindow::WMLButtonDblClk(LPARAM ALParam) {
  KillTimer(FWindow, EditTimer);
  FEditPending = nullptr;
  UINT Flags = 0;
  TTreeViewItem* Item = HitTest(LParamToPoint(ALParam), Flags);
  if (Item && (Flags & TVHT_ONITEMBUTTON)) return WMLButtonDown(ALParam);
  NMHDR Header;
  if (Notify(Header, NM_DBLCLK) == 0 && Item && (Flags & TVHT_ONITEM)) Expand(Item, TVE_TOGGLE);
  return 0;
}

LRESULT TTreeViewWindow::WMRButtonDown(LPARAM ALParam) {
  NMHDR Header;
  Notify(Header, NM_RCLICK);
  // The release that follows brings WM_CONTEXTMENU through the default handling.
  return DefWindowProc(FWindow, WM_RBUTTONDOWN, 0, ALParam);
}

LRESULT TTreeViewWindow::WMTimer(WPARAM AId) {
  if (AId != EditTimer) return 0;
  KillTimer(FWindow, EditTimer);
  TTreeViewItem* Item = FEditPending;
  FEditPending = nullptr;
  if (Item && Item == FSelected) TVMEditLabel(Item);
  return 0;
}

void TTreeViewWindow::SelectRow(int ARow) {
  const std::vector<TTreeViewItem*>& Rows = FModel.Rows();
  if (Rows.empty()) return;
  Select(Rows[std::clamp(ARow, 0, static_cast<int>(Rows.size()) - 1)], TVC_BYKEYBOARD);
}

void TTreeViewWindow::ExpandAll(TTreeViewItem* AItem) {
  if (!FModel.Contains(AItem)) return;
  Expand(AItem, TVE_EXPAND);
  // Expanding may have filled the children just now.
  for (TTreeViewItem* Child = AItem->FirstChild; Child; Child = Child->Next) ExpandAll(Child);
}

LRESULT TTreeViewWindow::WMKeyDown(WPARAM AKey) {
  const int Row = FSelected ? FModel.RowOf(FSelected) : -1;
  const int Page = std::max(FullyVisibleRows() - 1, 1);
  if (!FSelected && AKey >= VK_PRIOR && AKey <= VK_DOWN) {
    SelectRow(0);
    return 0;
  }
  switch (AKey) {
    case VK_UP:
      SelectRow(Row - 1);
      break;
    case VK_DOWN:
      SelectRow(Row + 1);
      break;
    case VK_HOME:
      SelectRow(0);
      break;
    case VK_END:
      SelectRow(INT32_MAX);
      break;
    case VK_PRIOR:
      SelectRow(Row - Page);
      break;
    case VK_NEXT:
      SelectRow(Row + Page);
      break;
    case VK_LEFT:
      if (FSelected->IsExpanded() && FSelected->FirstChild)
        Expand(FSelected, TVE_COLLAPSE);
      else if (FSelected->Parent)
        Select(FSelected->Parent, TVC_BYKEYBOARD);
      break;
    case VK_RIGHT:
      if (!FSelected->IsExpanded())
        Expand(FSelected, TVE_EXPAND);
      else if (FSelected->FirstChild)
        Select(FSelected->FirstChild, TVC_BYKEYBOARD);
      break;
    case VK_ADD:
      if (FSelected) Expand(FSelected, TVE_EXPAND);
      break;
    case VK_SUBTRACT:
      if (FSelected) Expand(FSelected, TVE_COLLAPSE);
      break;
    case VK_MULTIPLY:
      if (FSelected) ExpandAll(FSelected);
      break;
    default:
      break;
  }
  return 0;
}

LRESULT TTreeViewWindow::WMMouseWheel(WPARAM AWParam) {
  const int Delta = static_cast<int16_t>(HIWORD(AWParam));
  ScrollToRow(FTopRow - Delta * WheelRows / WHEEL_DELTA);
  return 0;
}
