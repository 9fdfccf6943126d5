#include "platform/win/Capture.h"
#include "platform/win/Keyboard.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/PointerLoopInternal.h"
#include "platform/win/WindowInternal.h"

namespace {

bool IsPointerMessage(UINT AMessage) {
  return (AMessage >= WM_MOUSEFIRST && AMessage <= WM_MOUSELAST) ||
         (AMessage >= WM_NCMOUSEMOVE && AMessage <= WM_NCMBUTTONDBLCLK);
}

bool IsKeyMessage(UINT AMessage) { return AMessage >= WM_KEYFIRST && AMessage <= WM_KEYLAST; }

}  // namespace

TPointerLoopResult RunPointerLoop(HWND AWindow, const TPoint& AStart,
                                  const std::function<void(const TPoint&)>& AOnMotion) {
  TPointerLoopResult Result;
  Result.Position = AStart;
  SetCapture(AWindow);
  MSG Message;
  while (FindWindowRecord(AWindow) && GetCapture() == AWindow) {
    if (!GetMessage(&Message, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(Message.wParam));
      break;
    }
    if (IsPointerMessage(Message.message)) {
      Result.Position = Message.pt;
      if (Message.message == WM_MOUSEMOVE || Message.message == WM_NCMOUSEMOVE) AOnMotion(Message.pt);
      if (Message.message == WM_LBUTTONUP || Message.message == WM_NCLBUTTONUP) {
        Result.End = pleReleased;
        break;
      }
    } else if (IsKeyMessage(Message.message)) {
      const bool KeyDown = Message.message == WM_KEYDOWN || Message.message == WM_SYSKEYDOWN;
      if (KeyDown && (Message.wParam == VK_ESCAPE || Message.wParam == VK_RETURN)) {
        Result.End = Message.wParam == VK_ESCAPE ? pleCancelled : pleReleased;
        break;
      }
    } else {
      TranslateMessage(&Message);
      DispatchMessage(&Message);
    }
  }
  if (GetCapture() == AWindow) ReleaseCapture();
  return Result;
}
