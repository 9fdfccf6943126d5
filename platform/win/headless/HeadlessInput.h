#pragma once
// Scripted input for tests on the headless backend: pointer, keyboard, the display's
// keyboard focus, hot keys and dropped files, delivered through the entry points of
// BackendEvents.h exactly as a backend delivers them, so the program sees the message
// sequences it will see on the desktop.
//
// Each call adds one event to the script and returns. The events arrive one at a time,
// in order, each at the message loop's next look for events once the input messages of
// the one before were taken off the queue, as a person's input comes through the
// system's input queue: what the program did with an event (capture, focus, activation,
// a modal loop it entered) decides where the next one goes. Nothing arrives until the
// message loop runs: call ProcessPendingMessages after scripting, or let the modal loop
// an event starts (a move or size loop) take the rest of the script.
//
// Positions are in screen coordinates; AModifiers combines PointerShift,
// PointerControl and PointerAlt (BackendEvents.h). The virtual clock does not move
// between the events of a script: advance it between scripts to space them in time.
// User-interface thread only; the headless backend must be running.

#include <vector>

#include "platform/base/Strings.h"
#include "platform/win/BackendEvents.h"

void InjectPointerMove(const TPoint& APosition, UINT AModifiers = 0);
void InjectPointerPress(const TPoint& APosition, TPointerButton AButton = pbLeft, UINT AModifiers = 0);
void InjectPointerRelease(const TPoint& APosition, TPointerButton AButton = pbLeft, UINT AModifiers = 0);
// A move to the point, a press and a release.
void InjectClick(const TPoint& APosition, TPointerButton AButton = pbLeft, UINT AModifiers = 0);
// Two clicks at the point, at one moment of the clock.
void InjectDoubleClick(const TPoint& APosition, TPointerButton AButton = pbLeft, UINT AModifiers = 0);
// One wheel step is ADelta 120 (positive: away from the user).
void InjectWheel(const TPoint& APosition, int ADelta, UINT AModifiers = 0);
// The pointer leaves the program's windows.
void InjectPointerLeave();

// A key going down or up, with the text a US keyboard gives it: letters (capitals with
// Shift or caps lock), digits, space, Return ("\r"), Tab, Backspace and Escape; Ctrl
// with a letter gives the control character (Ctrl+C: "\x03").
void InjectKeyDown(UINT AVirtualKey, UINT AModifiers = 0);
void InjectKeyUp(UINT AVirtualKey, UINT AModifiers = 0);
// A key going down and up.
void InjectKeyStroke(UINT AVirtualKey, UINT AModifiers = 0);
// Types AText (UTF-8): each character as a key stroke, with its letter or digit key
// where it has one (capitals with Shift pressed around them) and VK_PACKET otherwise,
// carrying the character as its text.
void InjectText(const String& AText);

// The display gives the top-level window the keyboard focus, or takes it away.
void InjectTopLevelFocus(HWND AWindow, bool AFocused);
// The keys of a registered hot key are pressed (see RegisterHotKey).
void InjectHotKey(UINT AModifiers, UINT AVirtualKey);
// Files are dropped on the top-level window AWindow at APosition.
void InjectFilesDropped(HWND AWindow, const TPoint& APosition, const std::vector<String>& AFiles);
