#pragma once
// Tracking the pointer leaving a window. User-interface thread only.

#include "platform/win/WindowTypes.h"

constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_CANCEL = 0x80000000;

struct TRACKMOUSEEVENT {
  DWORD cbSize = sizeof(TRACKMOUSEEVENT);
  DWORD dwFlags = 0;
  HWND hwndTrack = nullptr;
  DWORD dwHoverTime = 0;
};

// TME_LEAVE: hwndTrack receives one WM_MOUSELEAVE (posted) when the pointer leaves its
// client area, for another window (a child included), its frame or no window of the
// program; with TME_NONCLIENT, one WM_NCMOUSELEAVE when the pointer leaves its frame.
// When the pointer is not over that part now, the message is posted at once. While a
// window holds the capture the pointer is not followed; the message comes once the
// capture ends. TME_CANCEL with TME_LEAVE (and TME_NONCLIENT) withdraws the request.
// Hover tracking is not offered: the program does not use it. False for a dead window
// or a wrong cbSize.
bool TrackMouseEvent(TRACKMOUSEEVENT* AEventTrack);
