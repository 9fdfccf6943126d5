#pragma once
// Cursors: the standard shapes, cursors read from .cur files, the cursor shown over the
// program's windows and the pointer position. User-interface thread only.
//
// A cursor is shown by SetCursor, normally from a window's WM_SETCURSOR: DefWindowProc
// lets the parent of a child answer first, then shows the cursor of the window's class
// over the client area (a class without one leaves the choice to the window), the
// sizing cursors over the borders and the arrow elsewhere. The backend
// shows the cursor (TWindowBackend::SetCursorShape): standard shapes by their IDC_
// number, cursors from files by their picture and hot spot.

#include <cstdint>

#include "platform/gdi/PictureCodecs.h"
#include "platform/win/WindowTypes.h"

// An icon or a cursor. Standard shapes are shared by the whole program and never freed;
// cursors read from files belong to the caller, who frees them with DestroyCursor.
class TIconObject {
 public:
  // The IDC_ number of a standard shape; 0 for a cursor made from a picture.
  WORD StandardShape = 0;
  // The picture (straight alpha) and, in Image.HotSpot, the point of the picture
  // that the pointer position names. Empty for standard shapes.
  TPixelImage Image;
};

// Names of resources: the standard cursors are numbers where a name is expected.
using LPCSTR = const char*;
inline LPCSTR MAKEINTRESOURCE(WORD AId) { return reinterpret_cast<LPCSTR>(static_cast<uintptr_t>(AId)); }

inline const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);
inline const LPCSTR IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCE(32514);
inline const LPCSTR IDC_CROSS = MAKEINTRESOURCE(32515);
inline const LPCSTR IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const LPCSTR IDC_NO = MAKEINTRESOURCE(32648);
inline const LPCSTR IDC_HAND = MAKEINTRESOURCE(32649);
inline const LPCSTR IDC_APPSTARTING = MAKEINTRESOURCE(32650);

// A standard cursor (AInstance nullptr, AName one of the IDC_ values above); nullptr
// for anything else: the program has no cursor resources.
HCURSOR LoadCursor(HINSTANCE AInstance, LPCSTR AName);
// A cursor read from a .cur file (its best image, with its hot spot), or from an .ico
// file (hot spot at the top left); nullptr when the file cannot be read or is not a
// cursor or icon. Animated cursors are not read.
HCURSOR LoadCursorFromFile(const char* AFileName);
// Frees a cursor read from a file; standard shapes stay. A cursor being shown is
// replaced by the arrow first. False for a handle that names no cursor.
bool DestroyCursor(HCURSOR ACursor);

// Makes ACursor the cursor shown (nullptr: none) and returns the one shown before.
// A handle that names no cursor changes nothing and gives nullptr.
HCURSOR SetCursor(HCURSOR ACursor);
HCURSOR GetCursor();
// Adds 1 (AShow) or -1 to the display counter and returns the new value; the cursor is
// shown while the counter is 0 or more (it starts at 0).
int ShowCursor(bool AShow);

// The pointer position in screen coordinates.
bool GetCursorPos(POINT* APoint);
// Moves the pointer; the window now under it hears of it as of a motion
// (WM_SETCURSOR, WM_MOUSEMOVE).
bool SetCursorPos(int AX, int AY);
