#pragma once
// The state of the input part of the window system (internal to platform/win): the
// windows that hold capture, focus and activation, the pointer, the keys and buttons
// held, the shown cursor, and each window's own input state.
//
// The state belongs to one run of the window system: the first use after
// StartWindowSystem finds it fresh. User-interface thread only.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/base/Strings.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/HotKeys.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowTypes.h"

// What a window asked TrackMouseEvent for; kept in TWindow::InputState.
class TWindowInputState {
 public:
  // Whether the window waits for WM_MOUSELEAVE (the pointer leaving its client area)
  // or WM_NCMOUSELEAVE (leaving its frame); each is cleared once its message came.
  bool TracksClientLeave = false;
  bool TracksNonClientLeave = false;
};

using TKeyStates = std::array<BYTE, 256>;

// An input message in the queue, with the key state that goes with it and, for a key
// going down, the text the key produces (for TranslateMessage).
struct TQueuedInput {
  MSG Message;
  TKeyStates Keys{};
  String Text;
};

// The button of the last press, for double clicks.
struct TLastPress {
  HWND Window = nullptr;
  // The button's down message (WM_LBUTTONDOWN, ...), or 0 when the next press cannot
  // complete a double click.
  UINT Message = 0;
  bool NonClient = false;
  TPoint Position;
  uint64_t Time = 0;
};

struct TInputState {
  HWND Capture = nullptr;
  HWND Focus = nullptr;
  // The active top-level window; nullptr while the program is not in the foreground.
  HWND Active = nullptr;

  // The pointer position in screen coordinates, as the last input event reported it
  // or SetCursorPos put it.
  TPoint Pointer;
  // The window the pointer was over at the last pointer event and whether over its
  // client area: WM_MOUSELEAVE and WM_NCMOUSELEAVE are measured against it.
  HWND Hover = nullptr;
  bool HoverInClient = false;
  TLastPress LastPress;

  // Key and button states by virtual-key code: bit 0x80 down, bit 0x01 toggled.
  // AsyncKeys follows the devices as events arrive (GetAsyncKeyState); MessageKeys is
  // the state that came with the input message last taken from the queue (GetKeyState).
  TKeyStates AsyncKeys{};
  TKeyStates MessageKeys{};

  // The input messages posted and not yet taken off the queue, oldest first, and the
  // calls waiting for them all to be taken (see InputMessagesInternal.h).
  std::vector<TQueuedInput> QueuedInput;
  std::vector<std::function<void()>> WhenInputTaken;
  // The message hook that watches input messages being taken off the queue.
  TMessageHookId TakenHook = 0;
  // The key-down message last taken off the queue and its text.
  MSG TakenKey;
  String TakenKeyText;

  std::vector<THotKey> HotKeys;

  // The menu key: Alt has been down since its press with no other key pressed
  // (MenuKeyAlone), and its last release came so (MenuKeyTapped), which DefWindowProc
  // turns into SC_KEYMENU when that release reaches it.
  bool MenuKeyAlone = false;
  bool MenuKeyTapped = false;

  HCURSOR Cursor = nullptr;
  // ShowCursor's display counter: the cursor shows while it is 0 or more.
  int CursorShowCount = 0;
};

// The input state of the running window system.
TInputState& InputState();
// The input state of a live window, made on first use; nullptr for a dead handle.
TWindowInputState* WindowInputState(HWND AWindow);

// Whether a key state byte says "down".
constexpr bool IsKeyDown(BYTE AState) { return (AState & 0x80) != 0; }
