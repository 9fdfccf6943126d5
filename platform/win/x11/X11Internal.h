#pragma once
// The state of the x11 backend and the calls between its files (internal to
// platform/win). Xlib's headers define macros with common names (None, True, Status,
// ...), so this header comes after every other header of the including file.
//
// Everything here runs on the user-interface thread, except the write end of the
// wake-up pipe.
//
// Files: X11Backend.cpp (clock and waiting), X11Connection.cpp, X11TopLevels.cpp (the
// windows and the pointer grab), X11Events.cpp (reading events and delivering them in
// order), X11Errors.cpp (error handlers), X11Present.cpp (pictures), X11Input.cpp and X11KeySyms.cpp (pointer
// and keyboard), X11Cursors.cpp, X11WindowManager.cpp (hints and window-manager events), X11Shape.cpp,
// X11Layered.cpp, X11HotKeys.cpp, X11Clipboard.cpp, X11Dnd.cpp, X11Screen.cpp.

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xcursor/Xcursor.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/win/Backend.h"
#include "platform/win/x11/X11Backend.h"

struct TX11Atoms {
  Atom WmProtocols = 0;
  Atom WmDeleteWindow = 0;
  Atom WmState = 0;
  Atom NetWmPing = 0;
  Atom NetWmName = 0;
  Atom NetWmPid = 0;
  Atom Utf8String = 0;
  Atom MotifWmHints = 0;
  Atom NetWmState = 0;
  Atom NetWmStateAbove = 0;
  Atom NetWmStateSkipTaskbar = 0;
  Atom NetActiveWindow = 0;
  Atom NetSupportingWmCheck = 0;
  Atom NetWmWindowOpacity = 0;
  Atom NetWorkarea = 0;
  Atom CompositorSelection = 0;  // _NET_WM_CM_S<screen>
  Atom Clipboard = 0;
  Atom Targets = 0;
  Atom TransferProperty = 0;  // where selections are converted to for the program
  Atom XdndAware = 0;
  Atom XdndEnter = 0;
  Atom XdndPosition = 0;
  Atom XdndStatus = 0;
  Atom XdndLeave = 0;
  Atom XdndDrop = 0;
  Atom XdndFinished = 0;
  Atom XdndSelection = 0;
  Atom XdndTypeList = 0;
  Atom XdndActionCopy = 0;
  Atom TextUriList = 0;
};

// A shared-memory image of a window's size, for XShmPutImage.
struct TX11SharedImage {
  XShmSegmentInfo Segment{};
  XImage* Image = nullptr;
  // XShmPutImage was sent and its completion event has not come back yet: the server
  // may still read the memory.
  bool Busy = false;
};

// A top-level window of the program on the display.
struct TX11TopLevel {
  HWND Handle = nullptr;
  ::Window Xid = 0;
  // 24, or 32 for a window made with the ARGB visual.
  int Depth = 24;
  // The last picture presented, kept on the server for exposures.
  Pixmap Backing = 0;
  TSize BackingSize;
  GC Graphics = nullptr;
  TX11SharedImage Shared;
  // The window rectangle last given to the display (screen coordinates).
  TRect Rect;
  DWORD ExStyle = 0;
  bool OverrideRedirect = false;
  // The shared code shows the window; the display reports it viewable; the window
  // manager reports it iconic (WM_STATE).
  bool Shown = false;
  bool Viewable = false;
  bool Iconic = false;
  // Whether the presented pictures carry per-pixel alpha.
  bool PerPixelAlpha = false;
  // The serial of the last configure request: ConfigureNotify events the server made
  // before it handled that request describe a stale geometry.
  unsigned long ConfigureSerial = 0;
  // The window the window manager reparented it into; the root window otherwise.
  ::Window Parent = 0;
  XIC InputContext = nullptr;
};

// A hot key grabbed on the root window.
struct TX11HotKey {
  UINT Modifiers = 0;
  UINT VirtualKey = 0;
  KeyCode Code = 0;
  unsigned int Mask = 0;
};

// A drag of another program over one of the program's windows (XDND).
struct TX11Drag {
  ::Window Source = 0;
  ::Window Target = 0;
  bool OffersUriList = false;
  TPoint Position;
  // The drop was announced and its data asked for; the answer comes as SelectionNotify.
  bool AwaitingData = false;
};

// An icon docked in the desktop's tray.
struct TX11TrayIcon {
  int Key = 0;
  ::Window Xid = 0;
  TPixelImage Image;
  // The server time of the last left press that did not end a double click.
  Time LastPressTime = 0;
};

struct TX11Tray {
  // The root window is watched for trays coming up.
  bool Watching = false;
  // The tray: the owner of _NET_SYSTEM_TRAY_S<screen>; 0 for none.
  ::Window Owner = 0;
  std::map<int, TX11TrayIcon> Icons;
};

struct TX11Display {
  TX11Options Options;
  Display* Connection = nullptr;
  int Screen = 0;
  ::Window Root = 0;
  Visual* DefaultVisual = nullptr;
  int DefaultDepth = 24;
  Colormap DefaultColormap = 0;
  // The 32-bit visual for per-pixel alpha; nullptr when the server has none.
  Visual* ArgbVisual = nullptr;
  Colormap ArgbColormap = 0;
  // An unmapped window that owns the program's selections and receives conversions.
  ::Window Utility = 0;
  TX11Atoms Atoms;

  bool HasSharedMemory = false;
  int ShmCompletionType = 0;
  bool HasShape = false;
  bool HasXfixes = false;
  bool HasRandr = false;
  int RandrEventBase = 0;
  XIM InputMethod = nullptr;

  std::map<HWND, TX11TopLevel> TopLevels;
  std::map<::Window, HWND> ByXid;

  // The wake-up pipe: WakeUp writes a byte, the wait watches the read end.
  int WakeRead = -1;
  int WakeWrite = -1;

  // Events read from the server and waiting for delivery to the shared code, oldest
  // first (see DeliverQueuedEvents).
  std::deque<std::function<void()>> Deliveries;

  // Focus: the window the shared code made active (it gets the X focus once viewable)
  // and the serial of the last focus request (focus events made before it are stale).
  HWND WantedFocus = nullptr;
  bool FocusRequestPending = false;
  unsigned long FocusSerial = 0;
  // The X focus and the window under the pointer as the events read so far tell them:
  // one of the program's windows, or 0.
  ::Window FocusWindow = 0;
  ::Window HoveredWindow = 0;
  Time LastEventTime = CurrentTime;

  // The virtual key each held key code went down with, so that its release matches.
  std::array<UINT, 256> HeldKeys{};
  unsigned int NumLockMask = 0;
  std::vector<TX11HotKey> HotKeys;

  std::map<WORD, Cursor> StandardCursors;
  // The cursor made from a picture and shown now; freed when another replaces it.
  Cursor PictureCursor = 0;
  Cursor InvisibleCursor = 0;
  Cursor ShownCursor = 0;

  std::optional<String> OfferedText;
  bool OwnsClipboard = false;

  TX11Drag Drag;

  std::vector<TMonitorDescription> MonitorList;

  TX11Tray Tray;
};

// --- X11Errors.cpp ---

// Installs the handlers that keep X errors from ending the program and end it with a
// message when the connection is lost. Once per process.
void InstallX11ErrorHandlers();
// Collects the errors of the requests made while it lives.
class TX11ErrorTrap {
 public:
  explicit TX11ErrorTrap(Display* ADisplay);
  ~TX11ErrorTrap();
  TX11ErrorTrap(const TX11ErrorTrap&) = delete;
  TX11ErrorTrap& operator=(const TX11ErrorTrap&) = delete;
  // Waits until the server handled the requests so far; true when one of those made
  // since the trap was set failed.
  bool Failed();

 private:
  Display* FDisplay;
  unsigned long FFirstSerial;
  TX11ErrorTrap* FOuter;
  bool FFailed = false;
  friend int HandleX11Error(Display*, XErrorEvent*);
};
int HandleX11Error(Display* ADisplay, XErrorEvent* AError);

// --- X11Connection.cpp ---

// Opens the display DISPLAY names with all the backend needs of it (AX.Options set);
// raises Exception when it cannot. Closes it again with every window of the program.
void OpenConnection(TX11Display& AX);
void CloseConnection(TX11Display& AX);
// A true-colour visual of ADepth whose pixels hold red, green and blue where the
// program's 32-bit pictures have them; nullptr when the display has none.
Visual* FindTrueColorVisual(const TX11Display& AX, int ADepth);

// --- X11Backend.cpp ---

// The window of a live top-level window of the program; nullptr otherwise.
TX11TopLevel* FindTopLevel(TX11Display& AX, HWND AWindow);
TX11TopLevel* FindTopLevelByXid(TX11Display& AX, ::Window AXid);
// Waits, reading nothing else off the connection, for an event AMatches accepts;
// false when none came within ATimeoutMs milliseconds.
bool WaitForMatchingEvent(TX11Display& AX, const std::function<bool(const XEvent&)>& AMatches, int ATimeoutMs,
                          XEvent& AEvent);

// --- X11Events.cpp ---

// Reads every event the server sent so far and sorts it: handled at once, or queued
// for delivery in order.
void ReadXEvents(TX11Display& AX);
// Delivers the queued events, oldest first, each only once the input messages that the
// ones before posted were taken off the queue; returns whether any went.
bool DeliverQueuedEvents(TX11Display& AX);
// Whether DeliverQueuedEvents would deliver something now.
bool HasDeliverableEvents(const TX11Display& AX);
// Queues a call of the shared code's entry points (BackendEvents.h) for the event
// being read.
void QueueDelivery(TX11Display& AX, std::function<void()> ADeliver);

// --- X11Present.cpp ---

void HandleExpose(TX11Display& AX, const XExposeEvent& AEvent);
void HandleShmCompletion(TX11Display& AX, const XEvent& AEvent);
// Frees the server-side picture and shared memory of the window.
void FreeWindowPicture(TX11Display& AX, TX11TopLevel& AWindow);
// Copies the pixels of ARect from AImage to the 32-bit rows at ATarget (ATargetStride
// bytes apart, the same coordinates), alpha forced to 255 unless AKeepAlpha.
void CopyPixels(const TPixelView& AImage, const TRect& ARect, uint8_t* ATarget, int ATargetStride,
                bool AKeepAlpha);

// --- X11Input.cpp ---

void OpenInputMethod(TX11Display& AX);
// The input context of a new window and the events it needs; nullptr without an input
// method.
XIC CreateInputContext(TX11Display& AX, ::Window AXid, long& AEventMask);
void HandlePointerEvent(TX11Display& AX, const XEvent& AEvent);
void HandleKeyEvent(TX11Display& AX, XKeyEvent& AEvent);
void HandleFocusEvent(TX11Display& AX, const XFocusChangeEvent& AEvent);
// The modifier flags of BackendEvents.h held in an X event state.
UINT PointerModifiersOf(unsigned int AState);
// Finds the modifier bit of Num Lock.
void ReadModifierMapping(TX11Display& AX);

// --- X11KeySyms.cpp ---

// The virtual-key code of a keysym; 0 for keys without one.
UINT VirtualKeyOfKeysym(KeySym AKeysym);
// The keysym of a virtual-key code; NoSymbol for codes without one.
KeySym KeysymOfVirtualKey(UINT AVirtualKey);
// The character a keysym stands for; 0 for none.
char32_t CharacterOfKeysym(KeySym AKeysym);

// --- X11Cursors.cpp ---

// Shows the current cursor in a new window.
void ApplyCursor(TX11Display& AX, const TX11TopLevel& AWindow);
void FreeCursors(TX11Display& AX);

// --- X11WindowManager.cpp ---

// Sets what the window manager reads of a new window: no decorations, names, class,
// process, protocols, owner, states, drop awareness.
void DescribeNewWindow(TX11Display& AX, TX11TopLevel& AWindow);
// Whether a window of these styles is an override-redirect popup.
bool IsOverrideRedirectStyle(DWORD AStyle, DWORD AExStyle);
// Updates the window-manager states that follow the styles (above, skip taskbar).
void UpdateWindowStates(TX11Display& AX, TX11TopLevel& AWindow);
void SetWindowName(TX11Display& AX, const TX11TopLevel& AWindow, const String& AText);
// Gives the window the X focus now when it is viewable, else once it is.
void RequestFocus(TX11Display& AX, TX11TopLevel& AWindow);
void HandleConfigureNotify(TX11Display& AX, const XConfigureEvent& AEvent);
void HandleMapping(TX11Display& AX, const XEvent& AEvent);
void HandleClientMessage(TX11Display& AX, const XClientMessageEvent& AEvent);
void HandlePropertyNotify(TX11Display& AX, const XPropertyEvent& AEvent);

// --- X11Shape.cpp ---

void ApplyWindowShape(TX11Display& AX, const TX11TopLevel& AWindow, const TRegion* ARegion);

// --- X11Layered.cpp ---

void FindArgbVisual(TX11Display& AX);
bool IsCompositorRunning(const TX11Display& AX);

// --- X11HotKeys.cpp ---

// The hot key of a key event on the root window: the one a press presses, or whose key
// a release lets go; nullptr for other keys.
const TX11HotKey* FindHotKey(const TX11Display& AX, const XKeyEvent& AEvent);

// --- X11Clipboard.cpp ---

void HandleSelectionRequest(TX11Display& AX, const XSelectionRequestEvent& AEvent);
void HandleSelectionClear(TX11Display& AX, const XSelectionClearEvent& AEvent);
// Reads a property the other side converted a selection into; nullopt when it is not
// there or not of the type AType.
std::optional<String> TakeSelectionProperty(TX11Display& AX, ::Window AXid, Atom AProperty, Atom AType);

// --- X11Dnd.cpp ---

// Makes the window a drop target for XDND.
void AnnounceDropTarget(TX11Display& AX, const TX11TopLevel& AWindow);
void HandleXdndMessage(TX11Display& AX, const XClientMessageEvent& AEvent);
void HandleDropData(TX11Display& AX, const XSelectionEvent& AEvent);

// --- X11Screen.cpp ---

void ReadMonitors(TX11Display& AX);
void HandleScreenChange(TX11Display& AX, const XEvent& AEvent);

// --- X11Tray.cpp ---

// Docks an icon in the tray; false when no tray runs.
bool DockX11TrayIcon(TX11Display& AX, int AIcon, const TPixelImage& AImage);
void UpdateX11TrayIcon(TX11Display& AX, int AIcon, const TPixelImage& AImage);
void UndockX11TrayIcon(TX11Display& AX, int AIcon);
// Handles the events of the tray and of the icons' windows; false for any other.
bool HandleTrayEvent(TX11Display& AX, const XEvent& AEvent);
