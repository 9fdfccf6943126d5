// The LISTBOX window class: registration, the window procedure's routing, the state
// kept per window, and showing changes (scroll state, repaint, notifications).

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/gdi/Text.h"
#include "platform/ui/ControlClasses.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/ListBoxModelMessages.h"
#include "platform/ui/native/ListBoxWindowInternal.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

namespace {

std::unordered_map<HWND, std::unique_ptr<TListBoxWindow>> ListBoxWindows;

TListBoxSelectMode SelectModeOf(DWORD AStyle) {
  if (AStyle & LBS_EXTENDEDSEL) return lsmExtended;
  return (AStyle & LBS_MULTIPLESEL) ? lsmMultiple : lsmSingle;
}

void UpdateClientSize(HWND AWindow, TListBoxWindow& AState) {
  RECT Client;
  GetClientRect(AWindow, &Client);
  AState.Model.SetClientSize(Client.Width(), Client.Height());
}

// The scroll state the skinned bars read: rows on SB_VERT for one column, columns on
// SB_HORZ for several.
void UpdateScrollState(HWND AWindow, const TListBoxModel& AModel) {
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  SCROLLINFO Empty = Info;
  if (AModel.MultiColumn()) {
    Info.nMax = std::max(0, AModel.ColumnCount() - 1);
    Info.nPage = static_cast<UINT>(AModel.ColumnsPerPage());
    Info.nPos = AModel.TopColumn();
    SetScrollInfo(AWindow, SB_HORZ, &Info, true);
    SetScrollInfo(AWindow, SB_VERT, &Empty, true);
  } else {
    Info.nMax = std::max(0, AModel.Count() - 1);
    Info.nPage = static_cast<UINT>(AModel.RowsPerPage());
    Info.nPos = AModel.TopIndex();
    SetScrollInfo(AWindow, SB_VERT, &Info, true);
  }
}

LRESULT WMNCCreate(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  const auto* Create = reinterpret_cast<const CREATESTRUCT*>(ALParam);
  auto State = std::make_unique<TListBoxWindow>();
  const DWORD Style = static_cast<DWORD>(Create->style);
  State->Model.SetSelectMode(SelectModeOf(Style));
  State->Model.SetSorted((Style & LBS_SORT) != 0);
  State->Model.SetMultiColumn((Style & LBS_MULTICOLUMN) != 0);
  ListBoxWindows[AWindow] = std::move(State);
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

LRESULT WMNCDestroy(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  ListBoxWindows.erase(AWindow);
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

LRESULT WMSize(HWND AWindow, TListBoxWindow& AState) {
  ChangeListBox(AWindow, AState, false, [&](TListBoxModel&) { UpdateClientSize(AWindow, AState); });
  return 0;
}

// Rows of a list that draws its own text are as high as a line of its font.
LRESULT WMSetFont(HWND AWindow, TListBoxWindow& AState, WPARAM AFont) {
  AState.Font = reinterpret_cast<HFONT>(AFont);
  if (GetWindowLong(AWindow, GWL_STYLE) & LBS_OWNERDRAWFIXED) return 0;
  TEXTMETRIC Metric;
  {
    const TWindowDCScope DC(AWindow);
    if (AState.Font) SelectObject(DC.Handle(), AState.Font);
    GetTextMetrics(DC.Handle(), Metric);
  }
  ChangeListBox(AWindow, AState, false, [&](TListBoxModel& M) { M.SetItemHeight(Metric.tmHeight); });
  return 0;
}

LRESULT WMSetRedraw(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  if (AWParam) InvalidateRect(AWindow, nullptr, true);
  return 0;
}

// The caret's focus rectangle comes and goes with the focus.
LRESULT WMFocus(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  InvalidateRect(AWindow, nullptr, false);
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

LRESULT WMListBoxMessage(HWND AWindow, TListBoxWindow& AState, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  LRESULT Result = LB_ERR;
  ChangeListBox(AWindow, AState, false,
                [&](TListBoxModel& M) { Result = ApplyListBoxMessage(M, AMsg, AWParam, ALParam); });
  return Result;
}

LRESULT ListBoxWindowProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_NCCREATE) return WMNCCreate(AWindow, AMsg, AWParam, ALParam);
  TListBoxWindow* State = ListBoxWindowOf(AWindow);
  if (!State) return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  TListBoxWindow& S = *State;
  // clang-format off
  switch (AMsg) {
    case WM_NCDESTROY: return WMNCDestroy(AWindow, AMsg, AWParam, ALParam);
    case WM_NCCALCSIZE: return 0;  // no border, and the scroll bars take no room
    case WM_NCPAINT: return 0;
    case WM_CREATE: return WMSize(AWindow, S);
    case WM_SIZE: return WMSize(AWindow, S);
    case WM_SETFONT: return WMSetFont(AWindow, S, AWParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(S.Font);
    case WM_SETREDRAW: return WMSetRedraw(AWindow, AMsg, AWParam, ALParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS: return WMFocus(AWindow, AMsg, AWParam, ALParam);
    case WM_KILLFOCUS: return WMFocus(AWindow, AMsg, AWParam, ALParam);
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: return PaintListBox(AWindow, S, reinterpret_cast<HDC>(AWParam));
    case WM_LBUTTONDOWN: return HandleListBoxMouse(AWindow, S, AMsg, AWParam, ALParam);
    case WM_LBUTTONDBLCLK: return HandleListBoxMouse(AWindow, S, AMsg, AWParam, ALParam);
    case WM_MOUSEMOVE: return HandleListBoxMouse(AWindow, S, AMsg, AWParam, ALParam);
    case WM_LBUTTONUP: return HandleListBoxMouse(AWindow, S, AMsg, AWParam, ALParam);
    case WM_KEYDOWN: return HandleListBoxKey(AWindow, S, AWParam);
    case WM_CHAR: return HandleListBoxChar(AWindow, S, AWParam);
    case WM_MOUSEWHEEL: return HandleListBoxWheel(AWindow, S, AWParam);
    case WM_VSCROLL: return HandleListBoxScroll(AWindow, S, AMsg, AWParam);
    case WM_HSCROLL: return HandleListBoxScroll(AWindow, S, AMsg, AWParam);
    default: break;
  }
  // clang-format on
  if (AMsg >= LB_ADDSTRING && AMsg <= LB_ITEMFROMPOINT)
    return WMListBoxMessage(AWindow, S, AMsg, AWParam, ALParam);
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

}  // namespace

void RegisterListBoxClass() { RegisterControlClass(ListBoxClassName, &ListBoxWindowProc, IDC_ARROW); }

TListBoxWindow* ListBoxWindowOf(HWND AWindow) {
  auto It = ListBoxWindows.find(AWindow);
  return It == ListBoxWindows.end() ? nullptr : It->second.get();
}

TListBoxModel* ListBoxModelOf(HWND AWindow) {
  TListBoxWindow* State = ListBoxWindowOf(AWindow);
  return State ? &State->Model : nullptr;
}

void ListBoxModelChanged(HWND AWindow) {
  if (TListBoxWindow* State = ListBoxWindowOf(AWindow)) {
    UpdateScrollState(AWindow, State->Model);
    InvalidateRect(AWindow, nullptr, true);
  }
}

void ChangeListBox(HWND AWindow, TListBoxWindow& AState, bool AByUser,
                   const std::function<void(TListBoxModel&)>& AChange) {
  const unsigned ViewBefore = AState.Model.ViewStamp();
  const unsigned SelectionBefore = AState.Model.SelectionStamp();
  AChange(AState.Model);
  if (AState.Model.ViewStamp() != ViewBefore) ListBoxModelChanged(AWindow);
  if (AByUser && AState.Model.SelectionStamp() != SelectionBefore)
    NotifyListBoxParent(AWindow, LBN_SELCHANGE);
}

void NotifyListBoxParent(HWND AWindow, WORD ACode) {
  if (!(GetWindowLong(AWindow, GWL_STYLE) & LBS_NOTIFY)) return;
  HWND Parent = GetParent(AWindow);
  if (!Parent) return;
  const auto Id = static_cast<WORD>(GetWindowLong(AWindow, GWL_ID));
  SendMessage(Parent, WM_COMMAND, MAKEWPARAM(Id, ACode), reinterpret_cast<LPARAM>(AWindow));
}
