#pragma once
// The caret: the blinking bar that shows where typed text goes. There is one caret
// for the program, owned by one window at a time, as in the system the program was
// designed on. User-interface thread only.
//
// The window system draws it itself, by inverting a rectangle of the owner's client
// area through a window device context, and blinks it on the backend's clock (virtual
// under the headless backend). A caret is made hidden; ShowCaret and HideCaret count,
// so it shows only once every HideCaret has been matched by a ShowCaret. Whoever
// paints over the caret's place hides it first and shows it afterwards, so that the
// inverted pixels are taken away before and put back after the painting; a caret
// painted over without that is not inverted back (the pixels there are new), so no
// stray bar stays behind.

#include "platform/gdi/DeviceContext.h"
#include "platform/win/WindowTypes.h"

// The blink period a caret starts with, in milliseconds.
constexpr UINT DefaultCaretBlinkTime = 530;

// Makes a new caret of AWidth × AHeight pixels (a width or height of 0 takes 1) for
// AWindow, destroying the caret that existed before (of whatever window). The bitmap
// is accepted and ignored: the caret is always a solid bar. False for a dead window.
bool CreateCaret(HWND AWindow, HBITMAP ABitmap, int AWidth, int AHeight);
// Takes the caret off its window; false when there is none.
bool DestroyCaret();
// AWindow nullptr means the caret's owner, whichever that is; another window than the
// owner fails. ShowCaret fails when the caret is not hidden.
bool ShowCaret(HWND AWindow);
bool HideCaret(HWND AWindow);
// Moves the caret (client coordinates of its owner); false when there is none.
bool SetCaretPos(int AX, int AY);
bool GetCaretPos(POINT* APoint);
// The blink period; it applies to the current caret at its next blink.
bool SetCaretBlinkTime(UINT AMilliseconds);
UINT GetCaretBlinkTime();
