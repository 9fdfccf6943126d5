#include "platform/win/Backend.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowTree.h"

namespace {

// Changes GWL_STYLE or GWL_EXSTYLE with WM_STYLECHANGING (which may edit the new value)
// and WM_STYLECHANGED; returns the old value.
LONG_PTR ChangeStyle(HWND AWindow, int AIndex, DWORD ANewStyle) {
  TWindow* Window = FindWindowRecord(AWindow);
  DWORD& Field = AIndex == GWL_STYLE ? Window->Style : Window->ExStyle;
  STYLESTRUCT Change{Field, ANewStyle};
  // Topmost changes only through SetWindowPos, which restacks the window with it.
  if (AIndex == GWL_EXSTYLE) Change.styleNew = (Change.styleNew & ~WS_EX_TOPMOST) | (Field & WS_EX_TOPMOST);
  SendMessage(AWindow, WM_STYLECHANGING, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Change));
  Window = FindWindowRecord(AWindow);
  if (!Window) return Change.styleOld;
  DWORD& Current = AIndex == GWL_STYLE ? Window->Style : Window->ExStyle;
  Current = Change.styleNew;
  NoteGeometryChange();
  if (Window->IsTopLevel()) Backend().TopLevelStyleChanged(AWindow, Window->Style, Window->ExStyle);
  SendMessage(AWindow, WM_STYLECHANGED, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(&Change));
  if (FindWindowRecord(AWindow))
    for (const auto& Changed : Extensions().StyleChanged)
      Changed(AWindow, AIndex, Change.styleOld, Change.styleNew);
  return Change.styleOld;
}

// The owner of a top-level window is always a top-level window (or none).
LONG_PTR ChangeOwner(TWindow& AWindow, HWND ANewOwner) {
  const HWND Old = AWindow.Owner;
  AWindow.Owner = ANewOwner ? TopLevelWindowOf(ANewOwner) : nullptr;
  if (AWindow.Owner == AWindow.Handle) AWindow.Owner = Old;
  return reinterpret_cast<LONG_PTR>(Old);
}

}  // namespace

LONG_PTR GetWindowLong(HWND AWindow, int AIndex) {
  RequireUIThread("GetWindowLong");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return 0;
  switch (AIndex) {
    case GWL_WNDPROC:
      return reinterpret_cast<LONG_PTR>(Window->WndProc);
    case GWL_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(Window->Instance);
    case GWL_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(Window->IsChildStyle() && !Window->IsTopLevel() ? Window->Parent
                                                                                        : Window->Owner);
    case GWL_ID:
      return Window->Id;
    case GWL_STYLE:
      return Window->Style;
    case GWL_EXSTYLE:
      return Window->ExStyle;
    case GWL_USERDATA:
      return Window->UserData;
    default:
      return 0;
  }
}

LONG_PTR SetWindowLong(HWND AWindow, int AIndex, LONG_PTR AValue) {
  RequireUIThread("SetWindowLong");
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return 0;
  const LONG_PTR Old = GetWindowLong(AWindow, AIndex);
  switch (AIndex) {
    case GWL_WNDPROC:
      Window->WndProc = reinterpret_cast<WNDPROC>(AValue);
      return Old;
    case GWL_HINSTANCE:
      Window->Instance = reinterpret_cast<HINSTANCE>(AValue);
      return Old;
    case GWL_ID:
      Window->Id = AValue;
      return Old;
    case GWL_USERDATA:
      Window->UserData = AValue;
      return Old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return ChangeStyle(AWindow, AIndex, static_cast<DWORD>(AValue));
    case GWL_HWNDPARENT:
      if (Window->IsChildStyle() && !Window->IsTopLevel())
        return reinterpret_cast<LONG_PTR>(SetParent(AWindow, reinterpret_cast<HWND>(AValue)));
      return ChangeOwner(*Window, reinterpret_cast<HWND>(AValue));
    default:
      return 0;
  }
}
