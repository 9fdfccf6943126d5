// The tab control's scroller: an up-down child shown while a single line of tabs does
// not fit, moving the first visible tab.

#include <utility>

#include "platform/ui/native/TabControlModelInternal.h"
#include "platform/ui/native/UpDownWindow.h"
#include "platform/win/Windows.h"

void UpdateTabScroller(HWND AWindow, bool AMayCreate) {
  TTabControlState& State = TabStateOf(AWindow);
  const TTabLayout Layout = TabLayoutOf(AWindow);
  State.FirstVisible = Layout.FirstVisible;
  if (State.Scroller && !IsWindow(State.Scroller)) State.Scroller = nullptr;
  if (!Layout.Overflows) {
    if (State.Scroller) DestroyWindow(std::exchange(State.Scroller, nullptr));
    return;
  }
  const TRect& Place = Layout.Scroller;
  if (!State.Scroller && !AMayCreate) return;
  if (!State.Scroller) {
    RegisterUpDownClass();
    State.Scroller =
        CreateWindowEx(0, UPDOWN_CLASS, "", WS_CHILD | WS_VISIBLE | UDS_HORZ, Place.Left, Place.Top,
                       Place.Width(), Place.Height(), AWindow, nullptr, nullptr, nullptr);
    SetWindowPos(State.Scroller, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    SetWindowPos(State.Scroller, nullptr, Place.Left, Place.Top, Place.Width(), Place.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessage(State.Scroller, UDM_SETRANGE32, 0, Layout.LastFirstVisible);
  SendMessage(State.Scroller, UDM_SETPOS32, 0, Layout.FirstVisible);
}
