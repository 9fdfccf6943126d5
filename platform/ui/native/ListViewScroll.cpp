// The list view's scroll positions and their scroll state, and the header's place.

#include <algorithm>

#include "platform/ui/native/HeaderWindow.h"
#include "platform/ui/native/ListViewStateInternal.h"
#include "platform/win/Windows.h"

namespace {

void PlaceHeader(TListViewState& AState) {
  TListViewModel& Model = AState.Model;
  const bool Shown = Model.View() == LVS_REPORT && !(Model.Style & LVS_NOCOLUMNHEADER);
  if (!AState.Header || !Shown) {
    if (AState.Header) ShowWindow(AState.Header, SW_HIDE);
    Model.HeaderHeight = 0;
    return;
  }
  // The header starts where the scrolled columns start, so its sections stay above
  // their columns.
  RECT Area = Rect(-Model.ScrollX, 0, Model.ClientWidth, Model.ClientHeight);
  WINDOWPOS Place;
  HDLAYOUT Layout{&Area, &Place};
  SendMessage(AState.Header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&Layout));
  SetWindowPos(AState.Header, nullptr, Place.x, Place.y, Place.cx, Place.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Model.HeaderHeight = Place.cy;
}

void SetBar(HWND AWindow, int ABar, int AMax, int APage, int APos) {
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  Info.nMin = 0;
  Info.nMax = std::max(0, AMax);
  Info.nPage = static_cast<UINT>(std::max(0, APage));
  Info.nPos = APos;
  SetScrollInfo(AWindow, ABar, &Info, true);
}

void PublishScrollState(TListViewState& AState) {
  const TListViewModel& Model = AState.Model;
  switch (Model.View()) {
    case LVS_REPORT:
      SetBar(AState.Handle, SB_VERT, Model.Count() - 1, Model.RowsPerPage(), Model.TopIndex);
      SetBar(AState.Handle, SB_HORZ, Model.ColumnsWidth() - 1, Model.ClientWidth, Model.ScrollX);
      break;
    case LVS_LIST:
      SetBar(AState.Handle, SB_VERT, 0, 0, 0);
      SetBar(AState.Handle, SB_HORZ, Model.ListColumnCount() - 1, Model.ListColumnsPerPage(), Model.TopIndex);
      break;
    default: {
      const TSize Content = Model.ContentSize();
      SetBar(AState.Handle, SB_VERT, Content.cy - 1, Model.ClientHeight, Model.ScrollY);
      SetBar(AState.Handle, SB_HORZ, Content.cx - 1, Model.ClientWidth, Model.ScrollX);
      break;
    }
  }
}

}  // namespace

void UpdateLayout(TListViewState& AState) {
  TListViewModel& Model = AState.Model;
  RECT Client;
  GetClientRect(AState.Handle, &Client);
  Model.ClientWidth = Client.Width();
  Model.ClientHeight = Client.Height();
  // The header's height counts before the rows are clamped, its place after.
  PlaceHeader(AState);
  Model.ClampScroll();
  PlaceHeader(AState);
  PublishScrollState(AState);
}

void EnsureHeader(TListViewState& AState) {
  const TListViewModel& Model = AState.Model;
  if (AState.Header || Model.View() != LVS_REPORT) return;
  if (!(GetWindowLong(AState.Handle, GWL_STYLE) & WS_VISIBLE)) return;
  RegisterHeaderClass();
  DWORD Style = WS_CHILD | HDS_HORZ;
  if (!(Model.Style & LVS_NOSORTHEADER)) Style |= HDS_BUTTONS;
  if (Model.ExStyle & LVS_EX_HEADERDRAGDROP) Style |= HDS_DRAGDROP;
  AState.Header =
      CreateWindowEx(0, WC_HEADER, "", Style, 0, 0, 0, 0, AState.Handle, nullptr, nullptr, nullptr);
  if (!AState.Header) return;
  SendMessage(AState.Header, WM_SETFONT, reinterpret_cast<WPARAM>(Model.Font), 0);
  SendMessage(AState.Header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(Model.SmallImages));
  for (size_t I = 0; I < Model.Columns.size(); ++I) {
    HDITEM Item = HeaderItemOf(Model.Columns[I]);
    SendMessage(AState.Header, HDM_INSERTITEMW, I, reinterpret_cast<LPARAM>(&Item));
  }
  UpdateLayout(AState);
}

void ScrollBy(TListViewState& AState, int ADX, int ADY) {
  TListViewModel& Model = AState.Model;
  switch (Model.View()) {
    case LVS_REPORT:
      // Vertical distances are pixels that count in whole rows.
      Model.TopIndex += ADY / Model.RowHeight();
      Model.ScrollX += ADX;
      break;
    case LVS_LIST:
      Model.TopIndex += ADX / Model.ListColumnPitch();
      break;
    default:
      Model.ScrollX += ADX;
      Model.ScrollY += ADY;
      break;
  }
  UpdateLayout(AState);
  InvalidateRect(AState.Handle, nullptr, true);
}

namespace {

// The new position of one scroll request, in the bar's units.
int RequestedPosition(int ACode, int ATrackPos, int APos, int ALine, int APage, int AMax) {
  switch (ACode) {
    case SB_LINEUP:
      return APos - ALine;
    case SB_LINEDOWN:
      return APos + ALine;
    case SB_PAGEUP:
      return APos - std::max(1, APage);
    case SB_PAGEDOWN:
      return APos + std::max(1, APage);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      return ATrackPos;
    case SB_TOP:
      return 0;
    case SB_BOTTOM:
      return AMax;
    default:
      return APos;
  }
}

}  // namespace

void HandleScroll(TListViewState& AState, int ABar, WPARAM AWParam) {
  TListViewModel& Model = AState.Model;
  const int Code = ScrollCodeOf(AWParam);
  const int Track = ScrollPosOf(AWParam);
  const bool Vertical = ABar == SB_VERT;
  switch (Model.View()) {
    case LVS_REPORT:
      if (Vertical)
        Model.TopIndex =
            RequestedPosition(Code, Track, Model.TopIndex, 1, Model.RowsPerPage(), Model.Count());
      else
        Model.ScrollX = RequestedPosition(Code, Track, Model.ScrollX, Model.LineHeight, Model.ClientWidth,
                                          Model.ColumnsWidth());
      break;
    case LVS_LIST:
      if (!Vertical)
        Model.TopIndex = RequestedPosition(Code, Track, Model.TopIndex, 1, Model.ListColumnsPerPage(),
                                           Model.ListColumnCount());
      break;
    default: {
      int& Pos = Vertical ? Model.ScrollY : Model.ScrollX;
      const TSize Content = Model.ContentSize();
      Pos = RequestedPosition(Code, Track, Pos, Model.LineHeight,
                              Vertical ? Model.ClientHeight : Model.ClientWidth,
                              Vertical ? Content.cy : Content.cx);
      break;
    }
  }
  UpdateLayout(AState);
  InvalidateRect(AState.Handle, nullptr, true);
}

void EnsureItemVisible(TListViewState& AState, int AIndex, bool APartialOk) {
  TListViewModel& Model = AState.Model;
  const TPoint Before{Model.ScrollX, Model.ScrollY};
  const int TopBefore = Model.TopIndex;
  Model.EnsureVisible(AIndex, APartialOk);
  if (Model.TopIndex == TopBefore && TPoint{Model.ScrollX, Model.ScrollY} == Before) return;
  UpdateLayout(AState);
  InvalidateRect(AState.Handle, nullptr, true);
}

void InvalidateItem(TListViewState& AState, int AIndex) {
  if (!AState.Redraw) return;
  TRect Box = AState.Model.ItemRect(AIndex, LVIR_BOUNDS);
  // A report row is repainted to the window's edge: its selection may reach there.
  if (AState.Model.View() == LVS_REPORT) Box.Right = std::max(Box.Right, AState.Model.ClientWidth);
  InvalidateRect(AState.Handle, &Box, true);
}
