// The tab control's window procedure: the TCM_ messages over its state, selection by
// the mouse with its notifications, and scrolling of a single line.

#include "platform/ui/native/TabControlWindow.h"

#include <algorithm>
#include <utility>

#include "platform/ui/ControlClasses.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/TabControlModelInternal.h"
#include "platform/win/Windows.h"

namespace {

int ItemCount(HWND AWindow) { return static_cast<int>(TabStateOf(AWindow).Items.size()); }

void InvalidateTabs(HWND AWindow) { InvalidateRect(AWindow, nullptr, true); }

LRESULT Notify(HWND AWindow, UINT ACode) {
  NMHDR Header;
  Header.hwndFrom = AWindow;
  Header.idFrom = static_cast<UINT_PTR>(GetWindowLong(AWindow, GWL_ID));
  Header.code = ACode;
  return SendMessage(GetParent(AWindow), WM_NOTIFY, Header.idFrom, reinterpret_cast<LPARAM>(&Header));
}

// Tabs changed in number or extent: the line may now fit, or no longer.
LRESULT TabsChanged(HWND AWindow, LRESULT AResult) {
  UpdateTabScroller(AWindow, true);
  InvalidateTabs(AWindow);
  return AResult;
}

void ApplyItem(TTabItem& AItem, const TCITEM& AData) {
  if (AData.mask & TCIF_TEXT) AItem.Text = AData.pszText ? AData.pszText : "";
  if (AData.mask & TCIF_IMAGE) AItem.Image = AData.iImage;
  if (AData.mask & TCIF_PARAM) AItem.Param = AData.lParam;
}

LRESULT InsertItem(HWND AWindow, int AIndex, const TCITEM* AData) {
  if (AIndex < 0 || !AData) return -1;
  TTabControlState& State = TabStateOf(AWindow);
  const int Index = std::min(AIndex, ItemCount(AWindow));
  TTabItem Item;
  ApplyItem(Item, *AData);
  State.Items.insert(State.Items.begin() + Index, std::move(Item));
  if (State.Selected >= Index) ++State.Selected;
  return TabsChanged(AWindow, Index);
}

LRESULT SetItem(HWND AWindow, int AIndex, const TCITEM* AData) {
  if (AIndex < 0 || AIndex >= ItemCount(AWindow) || !AData) return false;
  ApplyItem(TabStateOf(AWindow).Items[AIndex], *AData);
  return TabsChanged(AWindow, true);
}

LRESULT DeleteItem(HWND AWindow, int AIndex) {
  if (AIndex < 0 || AIndex >= ItemCount(AWindow)) return false;
  TTabControlState& State = TabStateOf(AWindow);
  State.Items.erase(State.Items.begin() + AIndex);
  if (State.Selected == AIndex)
    State.Selected = -1;
  else if (State.Selected > AIndex)
    --State.Selected;
  return TabsChanged(AWindow, true);
}

LRESULT GetItemRect(HWND AWindow, int AIndex, RECT* ARect) {
  const TTabLayout Layout = TabLayoutOf(AWindow);
  if (AIndex < 0 || AIndex >= static_cast<int>(Layout.Tabs.size()) || !ARect) return false;
  *ARect = Layout.Tabs[AIndex];
  return true;
}

// A single line scrolls so that the selected tab is shown whole before the scroller.
void ScrollSelectedIntoView(HWND AWindow) {
  TTabControlState& State = TabStateOf(AWindow);
  TTabLayout Layout = TabLayoutOf(AWindow);
  if (!Layout.Overflows || State.Selected < 0) return;
  if (State.Selected < Layout.FirstVisible) {
    State.FirstVisible = State.Selected;
  } else {
    while (State.FirstVisible < Layout.LastFirstVisible &&
           Layout.Tabs[State.Selected].Right > Layout.Scroller.Left) {
      ++State.FirstVisible;
      Layout = TabLayoutOf(AWindow);
    }
  }
  UpdateTabScroller(AWindow, false);
}

LRESULT SetCurSel(HWND AWindow, int AIndex) {
  TTabControlState& State = TabStateOf(AWindow);
  if (AIndex < -1 || AIndex >= ItemCount(AWindow)) return -1;
  const int Previous = std::exchange(State.Selected, AIndex);
  ScrollSelectedIntoView(AWindow);
  InvalidateTabs(AWindow);
  return Previous;
}

LRESULT AdjustRect(HWND AWindow, bool AToWindow, RECT* ARect) {
  if (!ARect) return 0;
  const DWORD Style = static_cast<DWORD>(GetWindowLong(AWindow, GWL_STYLE));
  const int Depth = TabLayoutOf(AWindow).StripDepth;
  *ARect = AToWindow ? WindowRectOf(*ARect, Style, Depth) : DisplayRectOf(*ARect, Style, Depth);
  return 0;
}

LRESULT SetItemSize(HWND AWindow, LPARAM ASize) {
  TTabControlState& State = TabStateOf(AWindow);
  const TSize Previous = std::exchange(State.ItemSize, TSize{LOWORD(ASize), HIWORD(ASize)});
  return TabsChanged(AWindow, MAKELRESULT(static_cast<WORD>(Previous.cx), static_cast<WORD>(Previous.cy)));
}

LRESULT SetImageList(HWND AWindow, HIMAGELIST AImages) {
  const HIMAGELIST Previous = std::exchange(TabStateOf(AWindow).Images, AImages);
  return TabsChanged(AWindow, reinterpret_cast<LRESULT>(Previous));
}

LRESULT SetFont(HWND AWindow, HFONT AFont) {
  TabStateOf(AWindow).Font = AFont;
  return TabsChanged(AWindow, 0);
}

LRESULT HScroll(HWND AWindow, WPARAM AWParam) {
  if (ScrollCodeOf(AWParam) != SB_THUMBPOSITION) return 0;
  TabStateOf(AWindow).FirstVisible = ScrollPosOf(AWParam);
  UpdateTabScroller(AWindow, false);
  InvalidateTabs(AWindow);
  return 0;
}

int TabAt(HWND AWindow, POINT APoint) {
  const TTabLayout Layout = TabLayoutOf(AWindow);
  for (size_t I = 0; I < Layout.Tabs.size(); ++I)
    if (PtInRect(Layout.Tabs[I], APoint)) return static_cast<int>(I);
  return -1;
}

// The user chose tab AIndex: the parent may refuse the change, and may even destroy
// the control meanwhile.
void SelectByUser(HWND AWindow, int AIndex) {
  if (AIndex < 0 || AIndex >= ItemCount(AWindow) || AIndex == TabStateOf(AWindow).Selected) return;
  if (Notify(AWindow, TCN_SELCHANGING) != 0 || !IsWindow(AWindow)) return;
  TabStateOf(AWindow).Selected = AIndex;
  ScrollSelectedIntoView(AWindow);
  InvalidateTabs(AWindow);
  Notify(AWindow, TCN_SELCHANGE);
}

LRESULT Press(HWND AWindow, POINT APoint) {
  const int Hit = TabAt(AWindow, APoint);
  if (Hit < 0) return 0;
  if (!(GetWindowLong(AWindow, GWL_STYLE) & TCS_FOCUSNEVER) && GetFocus() != AWindow) SetFocus(AWindow);
  if (IsWindow(AWindow)) SelectByUser(AWindow, Hit);
  return 0;
}

// The arrow keys choose the tab before (left, up) or after (right, down) the selected one.
LRESULT KeyDown(HWND AWindow, WPARAM AKey, LPARAM ALParam) {
  const int Selected = TabStateOf(AWindow).Selected;
  if (AKey == VK_LEFT || AKey == VK_UP) {
    SelectByUser(AWindow, Selected - 1);
  } else if (AKey == VK_RIGHT || AKey == VK_DOWN) {
    SelectByUser(AWindow, Selected + 1);
  } else {
    return DefWindowProc(AWindow, WM_KEYDOWN, AKey, ALParam);
  }
  return 0;
}

// The owner paints everything; a paint without a device context only validates.
LRESULT Paint(HWND AWindow, WPARAM AWParam, LPARAM ALParam) {
  if (AWParam) return 0;
  return DefWindowProc(AWindow, WM_PAINT, AWParam, ALParam);
}

LRESULT NCDestroy(HWND AWindow, WPARAM AWParam, LPARAM ALParam) {
  ForgetTabState(AWindow);
  return DefWindowProc(AWindow, WM_NCDESTROY, AWParam, ALParam);
}

// The size or the style (tab position, lines) changed.
LRESULT GeometryChanged(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  TabsChanged(AWindow, 0);
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

LRESULT TabControlWindowProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  const auto Index = static_cast<int>(AWParam);
  // clang-format off
  switch (AMsg) {
    case TCM_INSERTITEM: return InsertItem(AWindow, Index, reinterpret_cast<const TCITEM*>(ALParam));
    case TCM_SETITEM: return SetItem(AWindow, Index, reinterpret_cast<const TCITEM*>(ALParam));
    case TCM_DELETEITEM: return DeleteItem(AWindow, Index);
    case TCM_GETITEMCOUNT: return ItemCount(AWindow);
    case TCM_GETITEMRECT: return GetItemRect(AWindow, Index, reinterpret_cast<RECT*>(ALParam));
    case TCM_GETCURSEL: return TabStateOf(AWindow).Selected;
    case TCM_SETCURSEL: return SetCurSel(AWindow, Index);
    case TCM_ADJUSTRECT: return AdjustRect(AWindow, AWParam != 0, reinterpret_cast<RECT*>(ALParam));
    case TCM_SETITEMSIZE: return SetItemSize(AWindow, ALParam);
    case TCM_SETIMAGELIST: return SetImageList(AWindow, reinterpret_cast<HIMAGELIST>(ALParam));
    case WM_SETFONT: return SetFont(AWindow, reinterpret_cast<HFONT>(AWParam));
    case WM_GETFONT: return reinterpret_cast<LRESULT>(TabStateOf(AWindow).Font);
    case WM_HSCROLL: return HScroll(AWindow, AWParam);
    case WM_LBUTTONDOWN: return Press(AWindow, LParamToPoint(ALParam));
    case WM_LBUTTONDBLCLK: return Press(AWindow, LParamToPoint(ALParam));
    case WM_KEYDOWN: return KeyDown(AWindow, AWParam, ALParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    case WM_SIZE: return GeometryChanged(AWindow, AMsg, AWParam, ALParam);
    case WM_STYLECHANGED: return GeometryChanged(AWindow, AMsg, AWParam, ALParam);
    case WM_PAINT: return Paint(AWindow, AWParam, ALParam);
    case WM_NCDESTROY: return NCDestroy(AWindow, AWParam, ALParam);
    default: return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  }
  // clang-format on
}

}  // namespace

void RegisterTabControlClass() { RegisterControlClass(WC_TABCONTROL, &TabControlWindowProc, IDC_ARROW); }
