#pragma once
// The parts of a message loop: message hooks, translation and dispatch. A loop reads
//
//   MSG Msg;
//   while (GetMessage(&Msg, nullptr, 0, 0)) {
//     TranslateMessage(&Msg);
//     DispatchMessage(&Msg);
//   }
//
// User-interface thread only.

#include <cstdint>
#include <functional>

#include "platform/win/WindowTypes.h"

// A message hook sees every message that GetMessage or PeekMessage(PM_REMOVE) takes off
// the queue (WM_QUIT excepted), before the caller gets it, and may change it. Setting
// AHandled swallows the message: the later hooks do not see it and the retrieval goes
// on with the next message. Hooks run newest first. This is where the class library's
// Application.OnMessage and the skin library's application hooks sit; each keeps its
// own identifier, so hooks can be removed in any order without disturbing the others.
using TMessageHook = std::function<void(MSG& AMessage, bool& AHandled)>;
using TMessageHookId = uint64_t;

TMessageHookId AddMessageHook(TMessageHook AHook);
// Removes the hook; unknown identifiers are ignored. A hook may remove itself or others
// while it runs.
void RemoveMessageHook(TMessageHookId AHook);

// Posts the character messages a key message produces (WM_KEYDOWN → WM_CHAR, ...);
// returns whether it did. The keyboard part of the window system does the work.
bool TranslateMessage(const MSG* AMessage);
// Calls the procedure of the message's window and returns its result. A WM_TIMER whose
// lParam is the TIMERPROC of a live timer calls that procedure instead. Messages without
// a window, and messages of dead windows, are not dispatched (result 0).
LRESULT DispatchMessage(const MSG* AMessage);

// What ProcessPendingMessage did.
enum class TPendingMessage { None, Dispatched, Quit };
// Translates and dispatches the next message the queue holds now, without waiting. A
// WM_QUIT it meets is posted again (PostQuitMessage), so that the loop that owns the
// queue sees it too.
TPendingMessage ProcessPendingMessage();
// The same for every message the queue holds now; false when it met WM_QUIT.
bool ProcessPendingMessages();
