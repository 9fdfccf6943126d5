#include "platform/win/ScrollInfo.h"

#include <algorithm>

#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace {

TScrollBarState* FindBar(HWND AWindow, int ABar) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || ABar < SB_HORZ || ABar > SB_CTL) return nullptr;
  return &Window->ScrollBars[static_cast<std::size_t>(ABar)];
}

// The largest position: the last one at which a whole page still fits.
int MaxPosition(const TScrollBarState& ABar) {
  return ABar.Max - std::max(static_cast<int>(ABar.Page) - 1, 0);
}

void ClampPosition(TScrollBarState& ABar) {
  ABar.Pos = std::max(ABar.Min, std::min(ABar.Pos, MaxPosition(ABar)));
}

bool HasSomethingToScroll(const TScrollBarState& ABar) { return ABar.Min < MaxPosition(ABar); }

DWORD BarStyles(int ABar) {
  if (ABar == SB_HORZ) return WS_HSCROLL;
  if (ABar == SB_VERT) return WS_VSCROLL;
  return ABar == SB_BOTH ? WS_HSCROLL | WS_VSCROLL : 0;
}

}  // namespace

int SetScrollInfo(HWND AWindow, int ABar, const SCROLLINFO* AInfo, bool) {
  RequireUIThread("SetScrollInfo");
  TScrollBarState* Bar = FindBar(AWindow, ABar);
  if (!Bar || !AInfo) return 0;
  const TScrollBarState Before = *Bar;
  if (AInfo->fMask & SIF_RANGE) {
    Bar->Min = AInfo->nMin;
    Bar->Max = std::max(AInfo->nMin, AInfo->nMax);
  }
  if (AInfo->fMask & SIF_PAGE) Bar->Page = AInfo->nPage;
  // A page never exceeds the range's size plus one.
  const long long RangeSize = static_cast<long long>(Bar->Max) - Bar->Min + 1;
  if (Bar->Page > RangeSize) Bar->Page = static_cast<UINT>(RangeSize);
  if (AInfo->fMask & SIF_POS) Bar->Pos = AInfo->nPos;
  ClampPosition(*Bar);
  const int Position = Bar->Pos;

  const bool ParametersChanged = Bar->Min != Before.Min || Bar->Max != Before.Max || Bar->Page != Before.Page;
  if (ABar != SB_CTL && ParametersChanged && (AInfo->fMask & (SIF_RANGE | SIF_PAGE)) &&
      !(AInfo->fMask & SIF_DISABLENOSCROLL)) {
    // As elsewhere, a bar appears when there is something to scroll and goes when there
    // is not; a change of the page alone never makes it appear.
    if (!HasSomethingToScroll(*Bar))
      ShowScrollBar(AWindow, ABar, false);
    else if (AInfo->fMask != SIF_PAGE)
      ShowScrollBar(AWindow, ABar, true);
  }
  return Position;
}

bool GetScrollInfo(HWND AWindow, int ABar, SCROLLINFO* AInfo) {
  RequireUIThread("GetScrollInfo");
  const TScrollBarState* Bar = FindBar(AWindow, ABar);
  if (!Bar || !AInfo) return false;
  if (AInfo->fMask & SIF_RANGE) {
    AInfo->nMin = Bar->Min;
    AInfo->nMax = Bar->Max;
  }
  if (AInfo->fMask & SIF_PAGE) AInfo->nPage = Bar->Page;
  if (AInfo->fMask & SIF_POS) AInfo->nPos = Bar->Pos;
  if (AInfo->fMask & SIF_TRACKPOS) AInfo->nTrackPos = Bar->TrackPos;
  return true;
}

int SetScrollPos(HWND AWindow, int ABar, int APos, bool ARedraw) {
  RequireUIThread("SetScrollPos");
  const TScrollBarState* Bar = FindBar(AWindow, ABar);
  if (!Bar) return 0;
  const int Previous = Bar->Pos;
  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  Info.nPos = APos;
  SetScrollInfo(AWindow, ABar, &Info, ARedraw);
  return Previous;
}

int GetScrollPos(HWND AWindow, int ABar) {
  SCROLLINFO Info;
  Info.fMask = SIF_POS;
  return GetScrollInfo(AWindow, ABar, &Info) ? Info.nPos : 0;
}

bool SetScrollRange(HWND AWindow, int ABar, int AMin, int AMax, bool ARedraw) {
  RequireUIThread("SetScrollRange");
  if (!FindBar(AWindow, ABar)) return false;
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE;
  Info.nMin = AMin;
  Info.nMax = AMax;
  SetScrollInfo(AWindow, ABar, &Info, ARedraw);
  return true;
}

bool GetScrollRange(HWND AWindow, int ABar, int* AMin, int* AMax) {
  SCROLLINFO Info;
  Info.fMask = SIF_RANGE;
  if (!GetScrollInfo(AWindow, ABar, &Info)) return false;
  if (AMin) *AMin = Info.nMin;
  if (AMax) *AMax = Info.nMax;
  return true;
}

bool ShowScrollBar(HWND AWindow, int ABar, bool AShow) {
  RequireUIThread("ShowScrollBar");
  TWindow* Window = FindWindowRecord(AWindow);
  const DWORD Bars = BarStyles(ABar);
  if (!Window || !Bars) return false;
  const DWORD Style = AShow ? Window->Style | Bars : Window->Style & ~Bars;
  if (Style == Window->Style) return true;
  Window->Style = Style;
  NoteGeometryChange();
  SetWindowPos(AWindow, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}
