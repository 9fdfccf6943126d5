#pragma once
// The up-down control, window class "msctls_updown32": a position in a 32-bit range,
// moved by one with a left press on its left half (down) or right half (up). Each move
// goes to the parent as WM_HSCROLL with SB_THUMBPOSITION and the new position
// (MakeScrollWParam), lParam the up-down's window. Messages: UDM_SETRANGE32,
// UDM_GETRANGE32, UDM_SETPOS32, UDM_GETPOS32. It draws no face of its own: its class
// background (the button face) is all it shows, since the program always puts a
// skinned control in its place. User-interface thread only.

#include "platform/ui/native/UpDownMessages.h"
#include "platform/win/WindowTypes.h"

// Registers the class once per window system (again after a restart of it).
void RegisterUpDownClass();
