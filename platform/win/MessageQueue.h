#pragma once
// Sending and posting messages, and the queue of the user-interface thread.
//
// There is one message queue: the user-interface thread's. Other threads may post to
// it (PostMessage, PostThreadMessage) and send to its windows (SendMessage, which then
// waits until the user-interface thread has handled the message); every other call
// runs on the user-interface thread only.
//
// GetMessage and PeekMessage hand out, in this order: calls and messages that other
// threads handed over and are waiting for (run at once, not returned), posted messages
// in the order they were posted, WM_QUIT once PostQuitMessage was called and no posted
// message is left, WM_PAINT for windows that need painting, and WM_TIMER for timers
// that are due. Every message they remove has first been shown to the message hooks
// (MessageLoop.h), which may swallow it.

#include "platform/base/Threads.h"
#include "platform/win/WindowTypes.h"

// Calls the window's procedure with the message and returns its result; 0 for a dead
// window. On the user-interface thread the call is direct and may nest. From another
// thread the message is handed to the user-interface thread, which handles it the next
// time it looks at its queue (GetMessage, PeekMessage, WaitMessage) or runs handed-over
// calls; the sender waits for it, and an exception of the procedure is raised again in
// the sender.
LRESULT SendMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

// Queues the message and returns at once. AWindow nullptr posts a message of the
// thread (hwnd 0). False on the user-interface thread for a dead window; a message
// posted from another thread to a window that dies before it is handled is dropped.
bool PostMessage(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
// Posts a message with no window to the thread AThread; only the user-interface thread
// has a queue, so any other thread identifier gives false.
bool PostThreadMessage(TThreadID AThread, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
// Makes GetMessage return WM_QUIT (wParam AExitCode) once the posted messages are
// handled.
void PostQuitMessage(int AExitCode);

// Retrieves a message for AWindow and its descendants (nullptr: any message;
// HWND(-1): only messages without a window) whose number lies in AFilterMin to
// AFilterMax (both 0: any number). WM_QUIT is returned whatever the filter.
// PM_REMOVE takes the message off the queue; PM_NOREMOVE leaves it there (and does not
// show it to the hooks). Returns false when there is none; never waits.
bool PeekMessage(MSG* AMessage, HWND AWindow, UINT AFilterMin, UINT AFilterMax, UINT ARemove);
// As PeekMessage with PM_REMOVE, but waits, without using the processor, until there is
// a message. Returns false for WM_QUIT, true for any other message.
bool GetMessage(MSG* AMessage, HWND AWindow, UINT AFilterMin, UINT AFilterMax);
// Waits until there is something in the queue that was not there at the last look.
bool WaitMessage();

// The time of the message last retrieved by GetMessage or PeekMessage, on the window
// system's clock (Win::GetTickCount).
DWORD GetMessageTime();

// A message number unique to the name within the process (compared without regard to
// case), from 0xC000 on; 0 for an empty name.
UINT RegisterWindowMessage(const char* AName);
