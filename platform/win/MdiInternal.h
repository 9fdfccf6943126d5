#pragma once
// What the MDI client's procedure and its arranging share (platform/win only).

#include <vector>

#include "platform/win/WindowTypes.h"

// The shown document windows of AClient, front first: the minimized ones when
// AMinimized, the others otherwise.
std::vector<HWND> ShownMDIChildren(HWND AClient, bool AMinimized);
// WM_MDITILE, WM_MDICASCADE and WM_MDIICONARRANGE; the first two answer whether a
// child was placed.
bool TileMDIChildren(HWND AClient, WPARAM AHow);
bool CascadeMDIChildren(HWND AClient);
void ArrangeMDIIcons(HWND AClient);
