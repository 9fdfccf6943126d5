#pragma once
// The window record and the handle table: the state the window system keeps for each
// window, shared by the files of platform/win (not part of the public interface).
//
// Handles name records through a table, never by address: a handle is a number given
// out once, so a handle kept after its window was destroyed finds nothing instead of
// freed memory. Code that calls out (sends a message, calls a procedure) must look the
// record up again afterwards, because the window may have been destroyed meanwhile.
//
// Threads: the table and the records belong to the user-interface thread. Other threads
// only ask whether a handle is alive (IsWindow, through IsLiveWindowHandle), which the
// table's lock serves.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"
#include "platform/win/WindowTypes.h"

struct TWindowClass;
// Per-window state of the painting part and of the input part, defined by them.
class TWindowPaintState;
class TWindowInputState;

// The scroll state of one bar (SB_HORZ, SB_VERT, SB_CTL), kept for the controls that
// own the bars even when no bar is drawn.
struct TScrollBarState {
  int Min = 0;
  int Max = 0;
  UINT Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};

// SetLayeredWindowAttributes state; the painting part gives it meaning.
struct TLayeredAttributes {
  bool IsSet = false;
  COLORREF ColorKey = 0;
  BYTE Alpha = 255;
  DWORD Flags = 0;
};

struct TWindow {
  TWindow() = default;
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  // Frees the window region.
  ~TWindow();

  HWND Handle = nullptr;
  std::shared_ptr<TWindowClass> Class;
  DWORD Style = 0;  // WS_VISIBLE and WS_DISABLED are the visible and enabled state
  DWORD ExStyle = 0;
  // The desktop window for top-level windows; nullptr only for the desktop itself.
  HWND Parent = nullptr;
  HWND Owner = nullptr;
  // In z-order, the topmost first.
  std::vector<HWND> Children;

  // Both in screen coordinates; the client rectangle is what WM_NCCALCSIZE answered.
  TRect WindowRect;
  TRect ClientRect;
  // The window rectangle (in the parent's client area) to go back to when a minimized
  // or maximized window is restored.
  TRect NormalRect;
  // A minimized window that was maximized before is maximized again by SW_RESTORE.
  bool RestoreToMaximized = false;
  // Overlapped windows receive their first WM_SIZE and WM_MOVE when first shown.
  bool NeedsInitialSize = false;
  // Set from the start of DestroyWindow, so that a second call does nothing.
  bool Destroying = false;

  String Text;
  WNDPROC WndProc = nullptr;
  LONG_PTR UserData = 0;
  LONG_PTR Id = 0;
  HINSTANCE Instance = nullptr;
  std::array<TScrollBarState, 3> ScrollBars;

  // The window region (SetWindowRgn), in window coordinates, owned by the window;
  // nullptr when the whole window rectangle counts. Hit testing honours it here; the
  // painting part clips with it.
  HRGN Region = nullptr;
  // The part of the window that needs painting; the painting part keeps it.
  TRegion UpdateRegion;
  TLayeredAttributes Layered;
  std::shared_ptr<TWindowPaintState> PaintState;
  std::shared_ptr<TWindowInputState> InputState;

  bool IsVisible() const;
  bool IsEnabled() const;
  bool IsChildStyle() const;
  // A child of the desktop window.
  bool IsTopLevel() const;
};

// Raises EThread naming AFunction unless the caller runs on the user-interface thread.
void RequireUIThread(const char* AFunction);

// The record of a live window, or nullptr (also for nullptr and the special handles).
TWindow* FindWindowRecord(HWND AWindow);
// The desktop window's record, made on first use.
TWindow& DesktopRecord();
// Enters a new record into the table under a new handle and returns the handle.
HWND AddWindowRecord(std::unique_ptr<TWindow> AWindow);
// Removes the record from the table and frees it.
void RemoveWindowRecord(HWND AWindow);
// Any thread: whether the handle names a live window.
bool IsLiveWindowHandle(HWND AWindow);
// Every live window except the desktop, for the shutdown of the window system.
std::vector<HWND> AllWindowHandles();
// Frees every record, the desktop's too (shutdown of the window system).
void ClearWindowTable();

// Counts the changes of what decides where windows may draw: a window's rectangles,
// style, window region, place in the tree or among its siblings, its redraw switch and
// its destruction. Whatever is worked out from that geometry (the visible regions) is
// kept with the count it was worked out at and worked out again once the count moved.
void NoteGeometryChange();
std::uint64_t GeometryChangeCount();

// The record of the window's parent; nullptr for the desktop.
TWindow* ParentRecord(const TWindow& AWindow);
// The top-level window that AWindow is or lies in; nullptr for the desktop and for
// dead handles.
HWND TopLevelWindowOf(HWND AWindow);
// Removes the window from its parent's children.
void UnlinkFromParent(TWindow& AWindow);
// Enters the window among AParent's children at AIndex (clamped; 0 = top).
void LinkToParent(TWindow& AWindow, TWindow& AParent, std::size_t AIndex);
// Moves the window and all its descendants by (ADX, ADY) on the screen.
void OffsetWindowTree(TWindow& AWindow, int ADX, int ADY);
// The window's rectangle relative to its parent's client area.
TRect WindowRectInParent(const TWindow& AWindow);
// The client rectangle relative to the parent's client area.
TRect ClientRectInParent(const TWindow& AWindow);
