#pragma once
// The geometry of the tab control: where its tabs lie, where its pages go and where
// its scroller sits, computed from the client size, the tab position and the tabs'
// extents. Pure arithmetic, no windows.
//
// The tabs lie in a strip along one edge (the "tab side"), 2 pixels from it; a single
// line of tabs at the top or bottom starts 2 pixels in from the left, so that the
// selected tab may be drawn 2 pixels wider on each side, and scrolls: the first
// visible tab starts there and the tabs before it lie left of 0. Several lines (always
// so for tabs on the left or right) start at 0 and wrap; the line holding the selected
// tab is moved next to the pages. The display rectangle lies 4 pixels inside the
// border on every side but the tab side, where the border runs along the strip and the
// pages start 4 pixels below it for tabs at the top and 2 pixels beside it for the
// others: the skinned page control derives its border and tab positions from exactly
// these edges.

#include <vector>

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

struct TTabLayoutInput {
  TSize Client;
  // The TCS_ position and line bits of the window style.
  DWORD Style = 0;
  // Each tab's extent along the strip, and the extent of a line across it.
  std::vector<int> Lengths;
  int Thickness = 0;
  int Selected = -1;
  int FirstVisible = 0;
};

struct TTabLayout {
  // One rectangle per tab, in client coordinates.
  std::vector<TRect> Tabs;
  int Rows = 0;
  // From the tab-side edge to the border: 0 without tabs.
  int StripDepth = 0;
  // A single line of tabs that does not fit: the scroller is needed and sits at
  // Scroller, at the far end of the line.
  bool Overflows = false;
  TRect Scroller;
  // The first visible tab as used (clamped), and the largest useful one: from it on,
  // the last tab is shown whole beside the scroller.
  int FirstVisible = 0;
  int LastFirstVisible = 0;
};

TTabLayout LayOutTabs(const TTabLayoutInput& AInput);

// TCM_ADJUSTRECT: the display rectangle inside a window rectangle, and back.
TRect DisplayRectOf(const TRect& AWindowRect, DWORD AStyle, int AStripDepth);
TRect WindowRectOf(const TRect& ADisplayRect, DWORD AStyle, int AStripDepth);
