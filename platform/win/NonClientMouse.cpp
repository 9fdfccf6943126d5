// DefWindowProc's answers to the pointer on the default frame: a press on the caption
// or a sizing border starts the move or size loop (through WM_SYSCOMMAND, as the
// system the program was designed on does, so that a window can take the command
// over), a click on a caption button sends its command, and WM_SETCURSOR shows the
// sizing cursors over the borders.

#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/PointerLoopInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

// The command of a caption button, or 0 when its box style is missing (the button is
// drawn for symmetry but does nothing).
WPARAM CaptionButtonCommand(HWND AWindow, LRESULT AHit) {
  const DWORD Style = static_cast<DWORD>(GetWindowLong(AWindow, GWL_STYLE));
  switch (AHit) {
    case HTCLOSE:
      return SC_CLOSE;
    case HTMINBUTTON:
      return (Style & WS_MINIMIZEBOX) ? SC_MINIMIZE : 0;
    case HTMAXBUTTON:
      return (Style & WS_MAXIMIZEBOX) ? (IsZoomed(AWindow) ? SC_RESTORE : SC_MAXIMIZE) : 0;
    default:
      return 0;
  }
}

// A caption button acts when the button is released over it.
void TrackCaptionButton(HWND AWindow, LRESULT AHit, const TPoint& AStart) {
  const TPointerLoopResult Result = RunPointerLoop(AWindow, AStart, [](const TPoint&) {});
  if (Result.End != pleReleased || !FindWindowRecord(AWindow)) return;
  if (SendMessage(AWindow, WM_NCHITTEST, 0, PointToLParam(Result.Position)) != AHit) return;
  if (const WPARAM Command = CaptionButtonCommand(AWindow, AHit))
    SendMessage(AWindow, WM_SYSCOMMAND, Command, PointToLParam(Result.Position));
}

LRESULT WMNCLButtonDown(HWND AWindow, UINT, WPARAM AWParam, LPARAM ALParam) {
  const auto Hit = static_cast<LRESULT>(AWParam);
  if (Hit == HTCAPTION)
    SendMessage(AWindow, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, ALParam);
  else if (Hit >= HTLEFT && Hit <= HTBOTTOMRIGHT)
    SendMessage(AWindow, WM_SYSCOMMAND, SC_SIZE | static_cast<WPARAM>(Hit - HTLEFT + WMSZ_LEFT), ALParam);
  else if (Hit == HTCLOSE || Hit == HTMINBUTTON || Hit == HTMAXBUTTON)
    TrackCaptionButton(AWindow, Hit, LParamToPoint(ALParam));
  return 0;
}

LPCSTR FrameCursor(LRESULT AHit) {
  switch (AHit) {
    case HTLEFT:
    case HTRIGHT:
      return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
      return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      return IDC_SIZENESW;
    default:
      return IDC_ARROW;
  }
}

// The input part asks here for the points off the client area (see InputDefaults).
LRESULT WMSetCursor(HWND, UINT, WPARAM, LPARAM ALParam) {
  const LRESULT Hit = static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(ALParam)));
  SetCursor(LoadCursor(nullptr, FrameCursor(Hit)));
  return 1;
}

}  // namespace

void InstallNonClientMouse(TWindowSystemExtensions& AExtensions) {
  AExtensions.SetDefaultHandler(WM_NCLBUTTONDOWN, WMNCLButtonDown);
  AExtensions.SetDefaultHandler(WM_SETCURSOR, WMSetCursor);
}
