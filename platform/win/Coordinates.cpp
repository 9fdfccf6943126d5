#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"

namespace {

// The screen position of a window's client origin; the screen's own for nullptr.
bool ClientOrigin(HWND AWindow, TPoint& AOrigin) {
  if (!AWindow) {
    AOrigin = {};
    return true;
  }
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return false;
  AOrigin = Window->ClientRect.TopLeft();
  return true;
}

}  // namespace

bool GetWindowRect(HWND AWindow, RECT* ARect) {
  RequireUIThread("GetWindowRect");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !ARect) return false;
  *ARect = Window->WindowRect;
  return true;
}

bool GetClientRect(HWND AWindow, RECT* ARect) {
  RequireUIThread("GetClientRect");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !ARect) return false;
  *ARect = Bounds(0, 0, Window->ClientRect.Width(), Window->ClientRect.Height());
  return true;
}

bool ClientToScreen(HWND AWindow, POINT* APoint) {
  RequireUIThread("ClientToScreen");
  TPoint Origin;
  if (!AWindow || !APoint || !ClientOrigin(AWindow, Origin)) return false;
  APoint->X += Origin.X;
  APoint->Y += Origin.Y;
  return true;
}

bool ScreenToClient(HWND AWindow, POINT* APoint) {
  RequireUIThread("ScreenToClient");
  TPoint Origin;
  if (!AWindow || !APoint || !ClientOrigin(AWindow, Origin)) return false;
  APoint->X -= Origin.X;
  APoint->Y -= Origin.Y;
  return true;
}

int MapWindowPoints(HWND AFrom, HWND ATo, POINT* APoints, UINT ACount) {
  RequireUIThread("MapWindowPoints");
  TPoint From;
  TPoint To;
  if (!ClientOrigin(AFrom, From) || !ClientOrigin(ATo, To)) return 0;
  const int DX = From.X - To.X;
  const int DY = From.Y - To.Y;
  for (UINT I = 0; APoints && I < ACount; ++I) {
    APoints[I].X += DX;
    APoints[I].Y += DY;
  }
  return static_cast<int>(MAKELONG(static_cast<WORD>(DX), static_cast<WORD>(DY)));
}
