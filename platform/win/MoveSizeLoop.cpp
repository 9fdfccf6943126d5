// DefWindowProc's move and size loop (WM_SYSCOMMAND with SC_MOVE or SC_SIZE): the
// window follows the pointer until the button is released, whole at every step (full
// drag, as SPI_GETDRAGFULLWINDOWS reports). Each step proposes the new window
// rectangle (screen coordinates) in WM_MOVING or WM_SIZING, where the window may change
// it, and then applies it; sizing keeps within the tracking limits WM_GETMINMAXINFO
// gave at the start. Escape puts the window back where it was. WM_ENTERSIZEMOVE and
// WM_EXITSIZEMOVE frame the loop.

#include <algorithm>

#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/PointerLoopInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"

namespace {

TDefaultMessageHandler GPreviousSysCommand = nullptr;

bool MovesLeftEdge(WPARAM AEdge) {
  return AEdge == WMSZ_LEFT || AEdge == WMSZ_TOPLEFT || AEdge == WMSZ_BOTTOMLEFT;
}
bool MovesRightEdge(WPARAM AEdge) {
  return AEdge == WMSZ_RIGHT || AEdge == WMSZ_TOPRIGHT || AEdge == WMSZ_BOTTOMRIGHT;
}
bool MovesTopEdge(WPARAM AEdge) {
  return AEdge == WMSZ_TOP || AEdge == WMSZ_TOPLEFT || AEdge == WMSZ_TOPRIGHT;
}
bool MovesBottomEdge(WPARAM AEdge) {
  return AEdge == WMSZ_BOTTOM || AEdge == WMSZ_BOTTOMLEFT || AEdge == WMSZ_BOTTOMRIGHT;
}

// The rectangle with the dragged edges moved by (ADX, ADY), its size kept within the
// limits; the edges opposite the dragged ones stay.
TRect SizedRect(const TRect& AStart, WPARAM AEdge, int ADX, int ADY, const MINMAXINFO& ALimits) {
  const int MinWidth = ALimits.ptMinTrackSize.X;
  const int MaxWidth = ALimits.ptMaxTrackSize.X;
  const int MinHeight = ALimits.ptMinTrackSize.Y;
  const int MaxHeight = ALimits.ptMaxTrackSize.Y;
  TRect Rect = AStart;
  if (MovesLeftEdge(AEdge))
    Rect.Left = std::clamp(AStart.Left + ADX, AStart.Right - MaxWidth, AStart.Right - MinWidth);
  if (MovesRightEdge(AEdge))
    Rect.Right = std::clamp(AStart.Right + ADX, AStart.Left + MinWidth, AStart.Left + MaxWidth);
  if (MovesTopEdge(AEdge))
    Rect.Top = std::clamp(AStart.Top + ADY, AStart.Bottom - MaxHeight, AStart.Bottom - MinHeight);
  if (MovesBottomEdge(AEdge))
    Rect.Bottom = std::clamp(AStart.Bottom + ADY, AStart.Top + MinHeight, AStart.Top + MaxHeight);
  return Rect;
}

// Places the window at the screen rectangle.
void PlaceWindow(HWND AWindow, const TRect& ARect) {
  const TWindow* Window = FindWindowRecord(AWindow);
  const TWindow* Parent = Window ? ParentRecord(*Window) : nullptr;
  if (!Parent) return;
  const TPoint Origin = Parent->ClientRect.TopLeft();
  SetWindowPos(AWindow, nullptr, ARect.Left - Origin.X, ARect.Top - Origin.Y, ARect.Width(), ARect.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// AEdge is a WMSZ_ edge, or 0 for moving. A maximized or minimized window keeps its
// place.
void RunMoveSizeLoop(HWND AWindow, WPARAM AEdge, const TPoint& AStart) {
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || (Window->Style & (WS_MAXIMIZE | WS_MINIMIZE))) return;
  const TRect StartRect = Window->WindowRect;
  const MINMAXINFO Limits = QueryMinMaxInfo(AWindow);
  SendMessage(AWindow, WM_ENTERSIZEMOVE, 0, 0);
  const TPointerLoopResult Result = RunPointerLoop(AWindow, AStart, [&](const TPoint& APosition) {
    const int DX = APosition.X - AStart.X;
    const int DY = APosition.Y - AStart.Y;
    RECT Proposed = StartRect;
    if (AEdge)
      Proposed = SizedRect(StartRect, AEdge, DX, DY, Limits);
    else
      OffsetRect(Proposed, DX, DY);
    SendMessage(AWindow, AEdge ? WM_SIZING : WM_MOVING, AEdge, reinterpret_cast<LPARAM>(&Proposed));
    PlaceWindow(AWindow, Proposed);
  });
  if (Result.End == pleCancelled) PlaceWindow(AWindow, StartRect);
  if (FindWindowRecord(AWindow)) SendMessage(AWindow, WM_EXITSIZEMOVE, 0, 0);
}

// A command from a press on the frame carries the hit-test area in its low bits and
// the pointer position in lParam; one from the keyboard starts where the pointer is.
TPoint StartPosition(WPARAM ACommand, LPARAM ALParam) {
  if (ACommand & 0xF) return LParamToPoint(ALParam);
  POINT Position;
  GetCursorPos(&Position);
  return Position;
}

LRESULT WMSysCommand(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const WPARAM Command = AWParam & 0xFFF0;
  if (Command == SC_MOVE) {
    RunMoveSizeLoop(AWindow, 0, StartPosition(AWParam, ALParam));
    return 0;
  }
  // Sizing needs the edge, which only a press on the frame gives.
  if (Command == SC_SIZE) {
    const WPARAM Edge = AWParam & 0xF;
    if (Edge >= WMSZ_LEFT && Edge <= WMSZ_BOTTOMRIGHT)
      RunMoveSizeLoop(AWindow, Edge, StartPosition(AWParam, ALParam));
    return 0;
  }
  return GPreviousSysCommand ? GPreviousSysCommand(AWindow, AMessage, AWParam, ALParam) : 0;
}

}  // namespace

void InstallMoveSizeLoop(TWindowSystemExtensions& AExtensions) {
  GPreviousSysCommand = AExtensions.SetDefaultHandler(WM_SYSCOMMAND, WMSysCommand);
}
