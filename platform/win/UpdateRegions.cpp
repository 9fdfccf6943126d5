// Update regions: what invalidating and validating do to a window and its children.

#include <optional>
#include <vector>

#include "platform/win/PaintStateInternal.h"
#include "platform/win/Painting.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

// AArea (client coordinates) in window coordinates; the whole window for nullptr.
TRegion AreaInWindow(const TWindow& AWindow, const TRegion* AArea) {
  if (!AArea) return TRegion(WindowBoundsInWindow(AWindow));
  TRegion Area = *AArea;
  const TRect Client = ClientRectInWindow(AWindow);
  return Area.Offset(Client.Left, Client.Top) ? Area : TRegion();
}

bool ReachesChildren(const TWindow& AWindow, UINT AFlags) {
  if (AFlags & RDW_NOCHILDREN) return false;
  return (AFlags & RDW_ALLCHILDREN) || !(AWindow.Style & WS_CLIPCHILDREN);
}

// Calls AApply(child, area) for each visible child that AClientPart (the part of
// AWindow's client area concerned, in AWindow's window coordinates; nullptr: all of
// it) meets, with that part in the child's client coordinates (nullptr: all).
template <typename TApply>
void ForChildrenIn(const TWindow& AWindow, const TRegion* AClientPart, TApply&& AApply) {
  for (HWND Child : std::vector<HWND>(AWindow.Children)) {
    TWindow* ChildWindow = FindWindowRecord(Child);
    if (!ChildWindow || !ChildWindow->IsVisible()) continue;
    if (!AClientPart) {
      AApply(*ChildWindow, nullptr);
      continue;
    }
    TRegion Part = *AClientPart;
    const TPoint ChildOrigin = ChildWindow->ClientRect.TopLeft();
    if (!Part.Offset(AWindow.WindowRect.Left - ChildOrigin.X, AWindow.WindowRect.Top - ChildOrigin.Y))
      continue;
    TRect ChildBounds = ChildWindow->WindowRect;
    OffsetRect(ChildBounds, -ChildOrigin.X, -ChildOrigin.Y);
    if (Part.Intersects(ChildBounds)) AApply(*ChildWindow, &Part);
  }
}

TRegion FrameArea(const TWindow& AWindow) {
  return TRegion::Combine(TRegion(WindowBoundsInWindow(AWindow)), TRegion(ClientRectInWindow(AWindow)),
                          roDiff);
}

}  // namespace

void InvalidateWindow(TWindow& AWindow, const TRegion* AArea, UINT AFlags) {
  if (!IsDrawable(AWindow)) return;
  TWindowPaintState& State = PaintStateOf(AWindow);
  const TRegion Area = AreaInWindow(AWindow, AArea);
  const TRegion ClientPart = TRegion::Combine(Area, TRegion(ClientRectInWindow(AWindow)), roAnd);
  if (AFlags & RDW_FRAME) {
    const TRegion FramePart = TRegion::Combine(Area, FrameArea(AWindow), roAnd);
    // A whole-window invalidation owes the window its WM_NCPAINT even without a frame.
    if (!AArea || !FramePart.IsEmpty()) {
      State.FramePending = true;
      AWindow.UpdateRegion = TRegion::Combine(AWindow.UpdateRegion, FramePart, roOr);
    }
  }
  if (!ClientPart.IsEmpty()) {
    AWindow.UpdateRegion = TRegion::Combine(AWindow.UpdateRegion, ClientPart, roOr);
    if (AFlags & RDW_ERASE) State.ErasePending = true;
  }
  RefreshPaintPending(AWindow);
  if (!ReachesChildren(AWindow, AFlags)) return;
  // Children are invalidated frame and all; a child without a frame has no WM_NCPAINT due.
  ForChildrenIn(AWindow, AArea ? &ClientPart : nullptr, [AFlags](TWindow& AChild, const TRegion* APart) {
    const bool HasFrame = AChild.WindowRect != AChild.ClientRect;
    InvalidateWindow(AChild, APart, HasFrame ? AFlags | RDW_FRAME : AFlags & ~UINT(RDW_FRAME));
  });
}

void ValidateWindow(TWindow& AWindow, const TRegion* AArea, UINT AFlags) {
  TWindowPaintState& State = PaintStateOf(AWindow);
  const TRect Client = ClientRectInWindow(AWindow);
  TRegion Area = AreaInWindow(AWindow, AArea);
  if (!(AFlags & RDW_FRAME)) Area = TRegion::Combine(Area, TRegion(Client), roAnd);
  AWindow.UpdateRegion = TRegion::Combine(AWindow.UpdateRegion, Area, roDiff);
  if (!AWindow.UpdateRegion.Intersects(Client)) State.ErasePending = State.EraseLeftUndone = false;
  if ((AFlags & RDW_FRAME) && TRegion::Combine(AWindow.UpdateRegion, FrameArea(AWindow), roAnd).IsEmpty())
    State.FramePending = false;
  RefreshPaintPending(AWindow);
  if (!ReachesChildren(AWindow, AFlags)) return;
  const TRegion ClientPart = TRegion::Combine(Area, TRegion(Client), roAnd);
  ForChildrenIn(AWindow, AArea ? &ClientPart : nullptr,
                [AFlags](TWindow& AChild, const TRegion* APart) { ValidateWindow(AChild, APart, AFlags); });
}

void InvalidateFrame(TWindow& AWindow) {
  if (!IsDrawable(AWindow)) return;
  PaintStateOf(AWindow).FramePending = true;
  AWindow.UpdateRegion = TRegion::Combine(AWindow.UpdateRegion, FrameArea(AWindow), roOr);
  RefreshPaintPending(AWindow);
}

void InvalidateWholeWindow(TWindow& AWindow) {
  InvalidateWindow(AWindow, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void InvalidateUncoveredArea(TWindow& AParent, TRegion AArea) {
  if (AArea.IsEmpty() || !AArea.Offset(-AParent.ClientRect.Left, -AParent.ClientRect.Top)) return;
  InvalidateWindow(AParent, &AArea, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool RedrawWindow(HWND AWindow, const RECT* ARect, HRGN ARegion, UINT AFlags) {
  RequireUIThread("RedrawWindow");
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return false;
  std::optional<TRegion> Area;
  if (ARegion)
    Area = ARegion->Region;
  else if (ARect)
    Area = TRegion(*ARect);
  const TRegion* AreaOrWhole = Area ? &*Area : nullptr;
  if (AFlags & RDW_INVALIDATE)
    InvalidateWindow(*Window, AreaOrWhole, AFlags);
  else if (AFlags & RDW_VALIDATE)
    ValidateWindow(*Window, AreaOrWhole, AFlags);
  if ((AFlags & RDW_INTERNALPAINT) && IsDrawable(*Window)) {
    PaintStateOf(*Window).InternalPaint = true;
    RefreshPaintPending(*Window);
  }
  const bool Children = !(AFlags & RDW_NOCHILDREN);
  if (AFlags & RDW_UPDATENOW)
    PaintNow(AWindow, Children);
  else if (AFlags & RDW_ERASENOW)
    EraseNow(AWindow, Children);
  return true;
}

bool InvalidateRect(HWND AWindow, const RECT* ARect, bool AErase) {
  return RedrawWindow(AWindow, ARect, nullptr, RDW_INVALIDATE | (AErase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND AWindow, HRGN ARegion, bool AErase) {
  return RedrawWindow(AWindow, nullptr, ARegion, RDW_INVALIDATE | (AErase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND AWindow, const RECT* ARect) {
  return RedrawWindow(AWindow, ARect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool ValidateRgn(HWND AWindow, HRGN ARegion) {
  return RedrawWindow(AWindow, nullptr, ARegion, RDW_VALIDATE | RDW_NOCHILDREN);
}

namespace {

// The client part of the update region in client coordinates, after the due
// WM_NCPAINT and WM_ERASEBKGND when AErase asks for them; nullopt for a dead window.
std::optional<TRegion> ClientUpdate(HWND AWindow, bool AErase) {
  if (AErase) SendDueFramePaintAndErase(AWindow);
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return std::nullopt;
  const TRect Client = ClientRectInWindow(*Window);
  TRegion Update = TRegion::Combine(Window->UpdateRegion, TRegion(Client), roAnd);
  Update.Offset(-Client.Left, -Client.Top);
  return Update;
}

}  // namespace

bool GetUpdateRect(HWND AWindow, RECT* ARect, bool AErase) {
  RequireUIThread("GetUpdateRect");
  const auto Update = ClientUpdate(AWindow, AErase);
  if (!Update) return false;
  if (ARect) *ARect = Update->Box();
  return !Update->IsEmpty();
}

int GetUpdateRgn(HWND AWindow, HRGN ARegion, bool AErase) {
  RequireUIThread("GetUpdateRgn");
  if (!ARegion) return ERROR;
  const auto Update = ClientUpdate(AWindow, AErase);
  if (!Update) return ERROR;
  ARegion->Region = *Update;
  return RegionKind(ARegion->Region);
}
