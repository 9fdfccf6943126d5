// Layered windows on the display. Per-pixel alpha needs a compositor (an owner of
// _NET_WM_CM_S<screen>) and a 32-bit ARGB visual, whose pixels are premultiplied as the
// program's layered pictures are; constant alpha is _NET_WM_WINDOW_OPACITY, which the
// compositor applies. Without a compositor the backend says per-pixel alpha is not
// available, and the callers fall back to opaque windows.

#include "platform/win/x11/X11Internal.h"

void FindArgbVisual(TX11Display& AX) {
  AX.ArgbVisual = FindTrueColorVisual(AX, 32);
  if (AX.ArgbVisual) AX.ArgbColormap = XCreateColormap(AX.Connection, AX.Root, AX.ArgbVisual, AllocNone);
}

bool IsCompositorRunning(const TX11Display& AX) {
  return XGetSelectionOwner(AX.Connection, AX.Atoms.CompositorSelection) != None;
}

bool TX11Backend::CanShowPerPixelAlpha() const { return FX->ArgbVisual && IsCompositorRunning(*FX); }

void TX11Backend::TopLevelAlphaChanged(HWND AWindow, BYTE AConstantAlpha, bool APerPixelAlpha) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  if (!TopLevel) return;
  TopLevel->PerPixelAlpha = APerPixelAlpha;
  if (AConstantAlpha == 255) {
    XDeleteProperty(X.Connection, TopLevel->Xid, X.Atoms.NetWmWindowOpacity);
    return;
  }
  // The opacity counts from 0 to 0xFFFFFFFF.
  const long Opacity = static_cast<long>(AConstantAlpha * 0x01010101UL);
  XChangeProperty(X.Connection, TopLevel->Xid, X.Atoms.NetWmWindowOpacity, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&Opacity), 1);
}
