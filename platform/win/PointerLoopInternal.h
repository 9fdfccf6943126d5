#pragma once
// A modal loop that follows the pointer while the left button is held: the move and
// size loop and the press of a caption button run in it (internal to platform/win).
// User-interface thread only.
//
// The window takes the capture, and the loop reads the message queue itself, as the
// system the program was designed on does in its own modal loops: pointer motions go
// to AOnMotion with the pointer's screen position; releasing the left button (or
// pressing Return) ends the loop, Escape cancels it; other pointer and key messages are
// swallowed; everything else is translated and dispatched, so timers and painting go
// on. The loop breaks off when the window dies or loses the capture, and at WM_QUIT,
// which it posts again for the loop outside. The capture is released at the end.

#include <functional>

#include "platform/gdi/Geometry.h"
#include "platform/win/WindowTypes.h"

enum TPointerLoopEnd { pleReleased, pleCancelled, pleBrokenOff };

struct TPointerLoopResult {
  TPointerLoopEnd End = pleBrokenOff;
  // The pointer's screen position at the end.
  TPoint Position;
};

TPointerLoopResult RunPointerLoop(HWND AWindow, const TPoint& AStart,
                                  const std::function<void(const TPoint&)>& AOnMotion);
