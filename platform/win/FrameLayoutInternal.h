#pragma once
// Where the parts of a window's default frame lie, for drawing it (WM_NCPAINT) and for
// finding what a point is on (WM_NCHITTEST), so that both always agree (internal to
// platform/win).
//
// The styles say which parts there are; the client rectangle, which WM_NCCALCSIZE
// decided, says how much room they have. The outer frame is as thick as the style's
// frame, but no thicker than the thinnest of the left, right and bottom margins around
// the client area, so that a window that answers WM_NCCALCSIZE itself with a thinner
// frame is measured by its own frame. The caption takes the rows between the outer
// frame and the client area (less a client edge); its buttons are square, as tall as
// the caption: close on the right, then maximize and minimize, the system menu on the
// left. All rectangles are in window coordinates; absent parts are empty.

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowInternal.h"

struct TFrameLayout {
  TRect Window;
  TRect Client;
  // The thickness of the outer frame.
  int Frame = 0;
  // The outer frame sizes the window (WS_THICKFRAME, neither minimized nor maximized).
  bool Sizing = false;
  TRect Caption;
  TRect SystemMenu;
  TRect MinimizeButton;
  TRect MaximizeButton;
  TRect CloseButton;
  TRect VerticalScrollBar;
  TRect HorizontalScrollBar;
};

TFrameLayout FrameLayoutOf(const TWindow& AWindow);
