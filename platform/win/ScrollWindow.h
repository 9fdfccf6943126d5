#pragma once
// Scrolling the pixels of a window's client area. User-interface thread only.

#include "platform/gdi/Geometry.h"
#include "platform/gdi/Regions.h"
#include "platform/win/WindowTypes.h"

// ScrollWindowEx flags.
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;

// Moves the pixels of AScroll (client coordinates; nullptr: the whole client area) by
// (ADX, ADY), changing only pixels inside AClip (nullptr: the client area). Pixels the
// window could not show (hidden behind other windows or outside its visible region)
// are not brought along. What the move leaves invalid, the uncovered strips and what
// came from hidden places, is stored in AUpdateRegion and AUpdateRect when given and,
// with SW_INVALIDATE, added to the update region (SW_ERASE: to be erased). The part of
// the update region inside AScroll moves along with the pixels. Child windows stay
// where they are. Returns the kind of the invalid region, ERROR for a dead window.
int ScrollWindowEx(HWND AWindow, int ADX, int ADY, const RECT* AScroll, const RECT* AClip, HRGN AUpdateRegion,
                   RECT* AUpdateRect, UINT AFlags);
