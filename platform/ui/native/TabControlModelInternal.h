#pragma once
// The state behind a tab control window and its geometry now (internal to the tab
// control's files). The geometry is computed afresh whenever it is asked for, from the
// window's size and style, the tabs, the font and the image list as they are then, so
// it never lags behind a change (an image list resized after it was set included).
// User-interface thread only.

#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/Fonts.h"
#include "platform/ui/native/TabControlLayout.h"
#include "platform/ui/native/TabControlMessages.h"

struct TTabItem {
  String Text;
  int Image = -1;
  LPARAM Param = 0;
};

struct TTabControlState {
  std::vector<TTabItem> Items;
  int Selected = -1;
  // TCM_SETITEMSIZE; 0 keeps the extent measured.
  TSize ItemSize;
  HIMAGELIST Images = nullptr;
  HFONT Font = nullptr;
  int FirstVisible = 0;
  // The scroller child while one is shown; it may be destroyed from outside at any time.
  HWND Scroller = nullptr;
};

// The window's state, made on first use; forgotten when the window goes.
TTabControlState& TabStateOf(HWND AWindow);
void ForgetTabState(HWND AWindow);

// The window's tab geometry now.
TTabLayout TabLayoutOf(HWND AWindow);

// Brings the scroller in line with the geometry: moved and given the range and
// position of the first visible tab while a single line of tabs does not fit,
// destroyed when the tabs fit. AMayCreate makes one when there is none (below its
// siblings, so that a control put in its place stays on top); scrolling alone does
// not, so that one destroyed from outside stays away until the geometry changes. Also
// keeps the first visible tab within its useful range.
void UpdateTabScroller(HWND AWindow, bool AMayCreate);
