#pragma once
// The program's cursors by TCursor number: the standard shapes under their negative
// numbers, and cursors the program registers (read from files) under numbers of its
// choice. The screen object's Cursors[] and Cursor are this table. User-interface
// thread only.

#include "platform/ui/ControlTypes.h"
#include "platform/win/Cursors.h"

// The cursor of a number; the arrow for a number that names none (and for crDefault).
HCURSOR CursorHandle(TCursor ACursor);
// Registers AHandle under ACursor (0 and the standard numbers cannot be replaced),
// taking it over: a cursor registered before under that number is destroyed. nullptr
// removes (and destroys) the registered cursor.
void SetCursorHandle(TCursor ACursor, HCURSOR AHandle);
// The cursor shown over every window of the program while it is not crDefault (an
// hourglass during work); crDefault lets each control show its own.
TCursor ScreenCursor();
void SetScreenCursor(TCursor ACursor);
