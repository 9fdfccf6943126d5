// The LISTBOX window's input: the pointer, the keys, typed characters, the wheel, and
// scroll requests from outside.

#include <algorithm>
#include <optional>

#include "platform/ui/native/ListBoxWindowInternal.h"
#include "platform/win/Capture.h"
#include "platform/win/Focus.h"
#include "platform/win/Keyboard.h"
#include "platform/win/ScrollInfo.h"

namespace {

bool IsKeyDown(int AVirtualKey) { return GetKeyState(AVirtualKey) < 0; }

// The item a navigation key leads to from the caret, before it is brought into the
// list; none for other keys.
std::optional<int> KeyTarget(const TListBoxModel& AModel, WPARAM AKey) {
  const int Caret = std::max(AModel.Caret(), 0);
  const int Rows = AModel.RowsPerPage();
  // A column is one step sideways in a multi-column list; in one column the sideways
  // keys move as Up and Down do.
  const int Sideways = AModel.MultiColumn() ? Rows : 1;
  const int Page = AModel.MultiColumn() ? Rows * AModel.ColumnsPerPage() : std::max(1, Rows - 1);
  switch (AKey) {
    case VK_UP:
      return Caret - 1;
    case VK_DOWN:
      return Caret + 1;
    case VK_LEFT:
      return Caret - Sideways;
    case VK_RIGHT:
      return Caret + Sideways;
    case VK_PRIOR:
      return Caret - Page;
    case VK_NEXT:
      return Caret + Page;
    case VK_HOME:
      return 0;
    case VK_END:
      return AModel.Count() - 1;
    default:
      return std::nullopt;
  }
}

}  // namespace

LRESULT HandleListBoxMouse(HWND AWindow, TListBoxWindow& AState, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  bool Outside = false;
  const int Index = AState.Model.ItemFromPoint(LParamToPoint(ALParam), Outside);
  const bool Shift = (AWParam & MK_SHIFT) != 0;
  const bool Ctrl = (AWParam & MK_CONTROL) != 0;
  switch (AMsg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != AWindow) SetFocus(AWindow);
      SetCapture(AWindow);
      if (Outside) return 0;
      ChangeListBox(AWindow, AState, true, [&](TListBoxModel& M) { M.Click(Index, Shift, Ctrl); });
      if (AMsg == WM_LBUTTONDBLCLK) NotifyListBoxParent(AWindow, LBN_DBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      // Past the edges the nearest item is taken, which scrolls the list on.
      if (GetCapture() == AWindow && (AWParam & MK_LBUTTON) && Index >= 0)
        ChangeListBox(AWindow, AState, true, [&](TListBoxModel& M) { M.DragTo(Index); });
      return 0;
    case WM_LBUTTONUP:
      if (GetCapture() == AWindow) ReleaseCapture();
      return 0;
    default:
      return 0;
  }
}

LRESULT HandleListBoxKey(HWND AWindow, TListBoxWindow& AState, WPARAM AKey) {
  const bool Shift = IsKeyDown(VK_SHIFT);
  const bool Ctrl = IsKeyDown(VK_CONTROL);
  if (AKey == VK_SPACE) {
    ChangeListBox(AWindow, AState, true, [&](TListBoxModel& M) { M.Space(Shift, Ctrl); });
    return 0;
  }
  const std::optional<int> Target = KeyTarget(AState.Model, AKey);
  if (!Target || AState.Model.Count() == 0) return 0;
  const int Index = std::clamp(*Target, 0, AState.Model.Count() - 1);
  ChangeListBox(AWindow, AState, true, [&](TListBoxModel& M) { M.KeyTo(Index, Shift, Ctrl); });
  return 0;
}

// A typed character leads to the next item that starts with it, after the caret.
LRESULT HandleListBoxChar(HWND AWindow, TListBoxWindow& AState, WPARAM AChar) {
  if (AChar < 0x20 || AChar == 0x7F) return 0;
  String Prefix;
  Utf8Append(Prefix, static_cast<char32_t>(AChar));
  const int Found = AState.Model.Find(AState.Model.Caret(), Prefix, false);
  if (Found >= 0)
    ChangeListBox(AWindow, AState, true, [&](TListBoxModel& M) { M.KeyTo(Found, false, false); });
  return 0;
}

LRESULT HandleListBoxWheel(HWND AWindow, TListBoxWindow& AState, WPARAM AWParam) {
  AState.WheelRemainder += GET_WHEEL_DELTA_WPARAM(AWParam);
  const int Notches = AState.WheelRemainder / WHEEL_DELTA;
  AState.WheelRemainder -= Notches * WHEEL_DELTA;
  const int LinesPerNotch = AState.Model.MultiColumn() ? 1 : WheelScrollLines;
  // Turning away from the user shows the items above.
  ChangeListBox(AWindow, AState, false, [&](TListBoxModel& M) { M.ScrollLines(-Notches * LinesPerNotch); });
  return 0;
}

// Rows scroll by WM_VSCROLL, the columns of a multi-column list by WM_HSCROLL.
LRESULT HandleListBoxScroll(HWND AWindow, TListBoxWindow& AState, UINT AMsg, WPARAM AWParam) {
  if ((AMsg == WM_HSCROLL) != AState.Model.MultiColumn()) return 0;
  const int Position = ScrollPosOf(AWParam);
  ChangeListBox(AWindow, AState, false, [&](TListBoxModel& M) {
    switch (ScrollCodeOf(AWParam)) {
      case SB_LINEUP:
        M.ScrollLines(-1);
        break;
      case SB_LINEDOWN:
        M.ScrollLines(1);
        break;
      case SB_THUMBPOSITION:
        M.SetTopIndex(M.MultiColumn() ? Position * M.RowsPerPage() : Position);
        break;
      default:
        break;
    }
  });
  return 0;
}
