// The list view's window procedure: the router, the window's life, and the general
// messages (font, colours, painting, focus, scrolling, the header's notifications).
// Items and columns are in ListViewItemMessages.cpp.

#include "platform/ui/native/ListViewWindow.h"

#include <memory>
#include <unordered_map>

#include "platform/gdi/Text.h"
#include "platform/ui/ControlClasses.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/native/HeaderWindow.h"
#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

namespace {

std::unordered_map<HWND, std::unique_ptr<TListViewState>> ListViewStates;

LRESULT NCCreate(HWND AWindow, WPARAM AWParam, LPARAM ALParam) {
  auto State = std::make_unique<TListViewState>();
  State->Handle = AWindow;
  State->Model.Style = static_cast<DWORD>(reinterpret_cast<const CREATESTRUCT*>(ALParam)->style);
  State->Model.LineHeight = LineHeightFor(nullptr);
  ListViewStates[AWindow] = std::move(State);
  return DefWindowProc(AWindow, WM_NCCREATE, AWParam, ALParam);
}

void NCDestroy(HWND AWindow) {
  auto It = ListViewStates.find(AWindow);
  if (It == ListViewStates.end()) return;
  if (It->second->EditorHook) FreeProcInstance(It->second->EditorHook);
  ListViewStates.erase(It);
}

// The scroll state is kept, but the bars take no room: the skinned list draws its own.
LRESULT NCCalcSize(HWND AWindow, WPARAM AWParam, LPARAM ALParam) {
  const LRESULT Result = DefWindowProc(AWindow, WM_NCCALCSIZE, AWParam, ALParam);
  RECT& Client =
      AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
  const LONG_PTR Style = GetWindowLong(AWindow, GWL_STYLE);
  if (Style & WS_VSCROLL) Client.Right += GetSystemMetrics(SM_CXVSCROLL);
  if (Style & WS_HSCROLL) Client.Bottom += GetSystemMetrics(SM_CYHSCROLL);
  return Result;
}

void WindowPosChanged(TListViewState& AState, WPARAM AWParam, LPARAM ALParam) {
  DefWindowProc(AState.Handle, WM_WINDOWPOSCHANGED, AWParam, ALParam);
  if (reinterpret_cast<const WINDOWPOS*>(ALParam)->flags & SWP_SHOWWINDOW) EnsureHeader(AState);
}

void StyleChanged(TListViewState& AState, WPARAM AWParam, LPARAM ALParam) {
  if (static_cast<int>(AWParam) != GWL_STYLE) return;
  AState.Model.Style = reinterpret_cast<const STYLESTRUCT*>(ALParam)->styleNew;
  if (AState.Editor) EndLabelEdit(AState, true);
  EnsureHeader(AState);
  ListViewChanged(AState);
}

void SetFont(TListViewState& AState, WPARAM AWParam, LPARAM ALParam) {
  AState.Model.Font = reinterpret_cast<HFONT>(AWParam);
  AState.Model.LineHeight = LineHeightFor(AState.Model.Font);
  if (AState.Header) SendMessage(AState.Header, WM_SETFONT, AWParam, ALParam);
  ListViewChanged(AState);
}

void Paint(TListViewState& AState, HDC AGivenDC) {
  if (AGivenDC) return PaintListView(AState, AGivenDC);
  PAINTSTRUCT Paint;
  HDC DC = BeginPaint(AState.Handle, &Paint);
  PaintListView(AState, DC);
  EndPaint(AState.Handle, &Paint);
}

void SetRedraw(TListViewState& AState, WPARAM AWParam) {
  AState.Redraw = AWParam != 0;
  if (AState.Redraw) ListViewChanged(AState);
}

// The wheel scrolls three rows (report), one column (list) or three lines (icons).
void MouseWheel(TListViewState& AState, WPARAM AWParam) {
  const int Notches = GET_WHEEL_DELTA_WPARAM(AWParam) / WHEEL_DELTA;
  const bool List = AState.Model.View() == LVS_LIST;
  const int Code = Notches > 0 ? SB_LINEUP : SB_LINEDOWN;
  const int Steps = (Notches < 0 ? -Notches : Notches) * (List ? 1 : 3);
  for (int I = 0; I < Steps; ++I) HandleScroll(AState, List ? SB_HORZ : SB_VERT, MakeScrollWParam(Code, 0));
}

// The header's notifications: a dragged divider sets the column's width, a dragged
// section the columns' order, a clicked section becomes the list's column click.
LRESULT HeaderNotify(TListViewState& AState, const NMHEADER& ANotice) {
  if (ANotice.hdr.hwndFrom != AState.Header) return 0;
  if (ANotice.hdr.code == HDN_ITEMCHANGEDW && ANotice.pitem) {
    if ((ANotice.pitem->mask & HDI_WIDTH) && ANotice.iItem >= 0 &&
        ANotice.iItem < static_cast<int>(AState.Model.Columns.size()))
      AState.Model.Columns[ANotice.iItem].Width = ANotice.pitem->cxy;
    if (ANotice.pitem->mask & HDI_ORDER) ReadColumnOrder(AState);
    ListViewChanged(AState);
  } else if (ANotice.hdr.code == HDN_ITEMCLICKW) {
    NMLISTVIEW Click;
    Click.iSubItem = ANotice.iItem;
    NotifyParent(AState, Click.hdr, LVN_COLUMNCLICK);
  }
  return 0;
}

LRESULT ListViewProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  if (AMsg == WM_NCCREATE) return NCCreate(AWindow, AWParam, ALParam);
  if (AMsg == WM_NCCALCSIZE) return NCCalcSize(AWindow, AWParam, ALParam);
  TListViewState* Found = ListViewStateOf(AWindow);
  if (!Found) return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  TListViewState& S = *Found;
  if (AMsg >= LVM_FIRST && AMsg < LVM_FIRST + 0x100) return ListViewItemMessage(S, AMsg, AWParam, ALParam);
  // clang-format off
  switch (AMsg) {
    case WM_DESTROY: EndLabelEdit(S, true); break;
    case WM_NCDESTROY: NCDestroy(AWindow); break;
    case WM_SIZE: ListViewChanged(S); return 0;
    case WM_WINDOWPOSCHANGED: WindowPosChanged(S, AWParam, ALParam); return 0;
    case WM_STYLECHANGED: StyleChanged(S, AWParam, ALParam); return 0;
    case WM_SETFONT: SetFont(S, AWParam, ALParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(S.Model.Font);
    case WM_PAINT: Paint(S, reinterpret_cast<HDC>(AWParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETREDRAW: SetRedraw(S, AWParam); return 0;
    case WM_SETFOCUS: InvalidateRect(AWindow, nullptr, true); return 0;
    case WM_KILLFOCUS: InvalidateRect(AWindow, nullptr, true); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: ListViewMouseDown(S, AMsg, AWParam, LParamToPoint(ALParam)); return 0;
    case WM_LBUTTONDBLCLK: ListViewMouseDown(S, WM_LBUTTONDOWN, AWParam, LParamToPoint(ALParam)); return 0;
    case WM_RBUTTONDOWN: ListViewMouseDown(S, AMsg, AWParam, LParamToPoint(ALParam)); break;
    case WM_KEYDOWN: if (ListViewKeyDown(S, static_cast<UINT>(AWParam))) return 0; break;
    case WM_CHAR: ListViewChar(S, static_cast<uint32_t>(AWParam)); return 0;
    case WM_HSCROLL: HandleScroll(S, SB_HORZ, AWParam); return 0;
    case WM_VSCROLL: HandleScroll(S, SB_VERT, AWParam); return 0;
    case WM_MOUSEWHEEL: MouseWheel(S, AWParam); return 0;
    case WM_NOTIFY: return HeaderNotify(S, *reinterpret_cast<const NMHEADER*>(ALParam));
    default: break;
  }
  // clang-format on
  return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
}

}  // namespace

TListViewState* ListViewStateOf(HWND AWindow) {
  auto It = ListViewStates.find(AWindow);
  return It == ListViewStates.end() ? nullptr : It->second.get();
}

// Until set, the colours are the system's window colours.
LRESULT ListViewColorMessage(TListViewState& AState, UINT AMsg, LPARAM ALParam) {
  const bool Back = AMsg == LVM_GETBKCOLOR || AMsg == LVM_SETBKCOLOR;
  COLORREF& Color = Back ? AState.Model.BkColor : AState.Model.TextColor;
  if (AMsg == LVM_GETBKCOLOR || AMsg == LVM_GETTEXTCOLOR)
    return static_cast<LRESULT>(Color != CLR_INVALID ? Color
                                                     : GetSysColor(Back ? COLOR_WINDOW : COLOR_WINDOWTEXT));
  Color = static_cast<COLORREF>(ALParam);
  ListViewChanged(AState);
  return 1;
}

void ReadColumnOrder(TListViewState& AState) {
  std::vector<int>& Order = AState.Model.ColumnOrder;
  Order.assign(AState.Model.Columns.size(), 0);
  if (!AState.Header || Order.empty() ||
      !SendMessage(AState.Header, HDM_GETORDERARRAY, Order.size(), reinterpret_cast<LPARAM>(Order.data())))
    Order.clear();
}

void ListViewChanged(TListViewState& AState) {
  UpdateLayout(AState);
  if (AState.Redraw) InvalidateRect(AState.Handle, nullptr, true);
}

void RegisterListViewClass() {
  RegisterHeaderClass();
  RegisterControlClass(WC_LISTVIEW, &ListViewProc, IDC_ARROW);
}
