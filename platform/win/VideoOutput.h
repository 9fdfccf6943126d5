#pragma once
// Video output: pictures made on any thread, shown in a window.
//
// A player's threads make pictures at their own pace, while only the user-interface
// thread may draw into windows. A window given a video output keeps the newest picture
// in a slot under a lock: PresentVideoImage (any thread) replaces it and wakes the
// user-interface thread, which draws it into the window at once (through a window DC)
// and again whenever the window paints. So the picture composes with the window
// system's painting like any other content: overlapping windows and children clip it,
// and a window that was covered or resized shows it again.
//
// The picture is drawn at the top left of the client area; the part of the client area
// it does not cover is black. A window-position change (WM_WINDOWPOSCHANGED through the
// output's procedure) draws it again at once.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/win/WindowTypes.h"

// Width × Height pixels of 4 bytes (blue, green, red, alpha), rows top-down without
// padding.
struct TVideoImage {
  int Width = 0;
  int Height = 0;
  std::vector<uint32_t> Pixels;
};

// Runs on the user-interface thread after the window's client area changed size.
using TVideoResizeEvent = std::function<void(HWND AWindow, int AClientWidth, int AClientHeight)>;

// User-interface thread. Gives AWindow a video output by subclassing its procedure
// with the output's, which paints the picture and passes every other message on.
// Returns that procedure, so that a caller who subclasses the window further can pass
// painting to it. A window that already has an output keeps it, and the same procedure
// is returned. The output lives as long as the window.
WNDPROC AttachVideoOutput(HWND AWindow);

// Any thread. AOnResize (empty: none) runs on the user-interface thread whenever the
// window's client area changes size.
void SetVideoOutputResizeHandler(HWND AWindow, TVideoResizeEvent AOnResize);

// Any thread. Makes AImage the window's picture and has it drawn soon; pictures
// handed over faster than the user-interface thread draws them replace each other, so
// the newest one is drawn. False when the window has no video output.
bool PresentVideoImage(HWND AWindow, TVideoImage AImage);

// Any thread. Drops the window's picture: the window paints itself again as it did
// before it had one.
void ClearVideoImage(HWND AWindow);
