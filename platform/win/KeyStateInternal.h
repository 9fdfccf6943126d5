#pragma once
// Changes of the key state by input events (internal to platform/win).

#include "platform/win/WindowTypes.h"

// The code key messages carry for a key: VK_SHIFT for VK_LSHIFT and VK_RSHIFT, and so
// on; other keys are their own.
UINT GenericKey(UINT AVirtualKey);
// Makes the modifier keys held (PointerShift, PointerControl, PointerAlt) agree with
// what an event reports: the devices are the authority, so a modifier released while
// the program did not see it is up again with the next event.
void ApplyEventModifiers(UINT AModifiers);
// A key or button went down or up. A key going down from up flips its toggle bit. The
// left and right modifier keys move their generic key along. Anything but Alt going
// down ends an Alt tap.
void SetKeyDown(UINT AVirtualKey, bool ADown);
// Follows the menu key through a key event: an Alt press with neither Ctrl nor Shift
// held starts a tap, any other key or mouse button pressed meanwhile spoils it
// (SetKeyDown), and the release settles whether it was one.
void NoteMenuKeyEvent(UINT AVirtualKey, bool APressed, bool AWasDown);
// Whether the last release of Alt ended a tap not yet taken; taking it clears it.
bool TakeMenuKeyTap();
