#pragma once
// How the input part queues the messages of input events (internal to platform/win).
//
// Input messages are posted to the one queue when the event comes in. Each one is
// remembered, with the key state of its moment, until it is taken off the queue: a
// message hook of the input part, kept the newest hook so that it sees the message
// before the program's own hooks do, then makes that key state the one GetKeyState
// reports, and hands the text of a key going down to TranslateMessage.

#include <functional>

#include "platform/base/Strings.h"
#include "platform/win/WindowTypes.h"

// Posts an input message to AWindow, stamped with the clock and the pointer position,
// with the key state of now and, for a key going down, the text it produces.
void PostInputMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam, const String& AText = "");
// Whether input messages posted earlier still wait in the queue.
bool IsAwaitingInputMessages();
// Calls AThen once no input message waits in the queue any more (at once when none
// waits).
void WhenInputMessagesTaken(std::function<void()> AThen);
// The text of the key that produced AMessage, when AMessage is the key-down message
// last taken off the queue; nullptr otherwise.
const String* TextOfTakenKeyMessage(const MSG& AMessage);
// Forgets the input messages of a window being destroyed (the queue drops them).
void ForgetInputMessagesOf(HWND AWindow);
