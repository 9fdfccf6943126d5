#pragma once
// The scroll state of windows: range, page, position and tracking position of the
// horizontal and vertical bar of a window (and of a window that is a bar itself,
// SB_CTL). The window system only keeps this state: the program's visible scroll bars
// are its own skinned controls, which read and write it here. Positions are 32-bit.
// User-interface thread only.

#include "platform/win/WindowTypes.h"

// Which bar.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

// Scroll request codes of WM_HSCROLL and WM_VSCROLL (LOWORD(wParam)).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_LEFT = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_RIGHT = 7;
constexpr int SB_ENDSCROLL = 8;

// wParam of WM_HSCROLL and WM_VSCROLL: the request code in the low word and the
// position as a full 32-bit value from bit 16 up (WPARAM is 64-bit), so memos with more
// than 65535 lines and wide grids scroll to the right place. For positions below 65536
// HIWORD(wParam) reads the same value, as the original 16-bit layout did.
constexpr WPARAM MakeScrollWParam(int ACode, int APos) {
  return static_cast<WPARAM>(static_cast<WORD>(ACode)) |
         (static_cast<WPARAM>(static_cast<uint32_t>(APos)) << 16);
}
constexpr int ScrollCodeOf(WPARAM AValue) { return LOWORD(AValue); }
constexpr int ScrollPosOf(WPARAM AValue) { return static_cast<int32_t>(static_cast<uint32_t>(AValue >> 16)); }

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;
};

// Sets the parts of the state that fMask names and returns the new position. The page
// is clamped to the range's size plus one, the position to Min .. Max - Page + 1. When
// the range or page changes a window's own bar (SB_HORZ, SB_VERT), the bar is shown
// when there is something to scroll and hidden when there is not (SIF_DISABLENOSCROLL
// keeps it), as in the system the program was designed on; showing and hiding toggle
// WS_HSCROLL / WS_VSCROLL and recalculate the frame. ARedraw is accepted and ignored:
// no bar is drawn by the window system.
int SetScrollInfo(HWND AWindow, int ABar, const SCROLLINFO* AInfo, bool ARedraw);
// Fills the parts of AInfo that its fMask names; false for a dead window or bad bar.
bool GetScrollInfo(HWND AWindow, int ABar, SCROLLINFO* AInfo);
// Sets the position (clamped) and returns the previous one.
int SetScrollPos(HWND AWindow, int ABar, int APos, bool ARedraw);
int GetScrollPos(HWND AWindow, int ABar);
bool SetScrollRange(HWND AWindow, int ABar, int AMin, int AMax, bool ARedraw);
bool GetScrollRange(HWND AWindow, int ABar, int* AMin, int* AMax);
// Shows or hides a window's own bars (SB_HORZ, SB_VERT, SB_BOTH) by their style bits,
// recalculating the frame when that changed.
bool ShowScrollBar(HWND AWindow, int ABar, bool AShow);
