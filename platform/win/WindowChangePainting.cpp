// What changes of windows leave to repaint. Windows draw into the backing bitmap of
// their top-level window, so a child whose place in that bitmap changed paints again
// whole, while a window that only grew keeps its pixels and paints the new parts (and
// its frame), unless its class asks for a whole repaint (CS_HREDRAW, CS_VREDRAW). What a
// child uncovers in its parent is repainted there, siblings included.

#include "platform/win/PaintStateInternal.h"
#include "platform/win/Painting.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/WindowClassRecordInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

TRect Offset(TRect ARect, TPoint AOrigin) {
  OffsetRect(ARect, -AOrigin.X, -AOrigin.Y);
  return ARect;
}

// After a restacking: the siblings overlapping the window repaint where they overlap
// it, so that whichever now lies on top is drawn last.
void RepaintOverlappingSiblings(const TWindow& AWindow) {
  const TWindow* Parent = ParentRecord(AWindow);
  for (HWND Sibling : std::vector<HWND>(Parent->Children)) {
    TWindow* SiblingWindow = FindWindowRecord(Sibling);
    TRect Overlap;
    if (!SiblingWindow || Sibling == AWindow.Handle || !SiblingWindow->IsVisible() ||
        !IntersectRect(Overlap, SiblingWindow->WindowRect, AWindow.WindowRect))
      continue;
    const TRegion Area(Offset(Overlap, SiblingWindow->ClientRect.TopLeft()));
    InvalidateWindow(*SiblingWindow, &Area, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

bool ClassRedrawsWhole(const TWindow& AWindow, const TRect& AOldClient) {
  const UINT ClassStyle = AWindow.Class ? AWindow.Class->Style : 0;
  return ((ClassStyle & CS_HREDRAW) && AOldClient.Width() != AWindow.ClientRect.Width()) ||
         ((ClassStyle & CS_VREDRAW) && AOldClient.Height() != AWindow.ClientRect.Height());
}

// A window whose pixels stayed where they were: the client area repaints where it
// grew, the frame repaints whole; a client area that moved within the window, or a
// class that asks for it, repaints everything.
void RepaintResizedInPlace(TWindow& AWindow, const TWindowPosChange& AChange) {
  const TRect OldClient = Offset(AChange.OldClientRect, AChange.OldWindowRect.TopLeft());
  const TRect NewClient = ClientRectInWindow(AWindow);
  if (OldClient.TopLeft() != NewClient.TopLeft() || ClassRedrawsWhole(AWindow, AChange.OldClientRect)) {
    InvalidateWholeWindow(AWindow);
    return;
  }
  const TRegion Grown =
      TRegion::Combine(TRegion(Bounds(0, 0, NewClient.Width(), NewClient.Height())),
                       TRegion(Bounds(0, 0, OldClient.Width(), OldClient.Height())), roDiff);
  if (!Grown.IsEmpty()) InvalidateWindow(AWindow, &Grown, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  InvalidateFrame(AWindow);
}

void RepaintChild(TWindow& AWindow, const TWindowPosChange& AChange, bool AResized) {
  const TRect& Old = AChange.OldWindowRect;
  const bool Moved = Old.TopLeft() != AWindow.WindowRect.TopLeft();
  if (Moved || AResized)
    InvalidateUncoveredArea(*ParentRecord(AWindow),
                            TRegion::Combine(TRegion(Old), TRegion(AWindow.WindowRect), roDiff));
  if (Moved || AChange.Restacked) {
    InvalidateWholeWindow(AWindow);
    if (AChange.Restacked) RepaintOverlappingSiblings(AWindow);
  } else if (AResized || (AChange.Flags & SWP_FRAMECHANGED)) {
    RepaintResizedInPlace(AWindow, AChange);
  }
}

}  // namespace

void RepaintAfterWindowPosChange(HWND AWindow, const TWindowPosChange& AChange) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  const TRect& Old = AChange.OldWindowRect;
  const bool Resized =
      Old.Width() != Window->WindowRect.Width() || Old.Height() != Window->WindowRect.Height();
  if (Resized && Window->IsTopLevel() && Window->PaintState && Window->PaintState->Surface)
    SurfaceOf(*Window);
  if (AChange.Flags & SWP_HIDEWINDOW) {
    ClearPaintStateTree(*Window);
    if (!Window->IsTopLevel() && !(AChange.Flags & SWP_NOREDRAW))
      InvalidateUncoveredArea(*ParentRecord(*Window), TRegion(Old));
    return;
  }
  if (!IsDrawable(*Window)) return;
  if (AChange.Flags & SWP_SHOWWINDOW) {
    InvalidateWholeWindow(*Window);
  } else if (AChange.Flags & SWP_NOREDRAW) {
    // The caller repaints when it is ready.
  } else if (!Window->IsTopLevel()) {
    RepaintChild(*Window, AChange, Resized);
  } else if (Resized || (AChange.Flags & SWP_FRAMECHANGED)) {
    // A top-level window has its own bitmap: moving or restacking it changes no pixel.
    RepaintResizedInPlace(*Window, AChange);
  }
}

void RepaintAfterStyleChange(HWND AWindow, int AIndex, DWORD AOldStyle, DWORD ANewStyle) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  if (AIndex == GWL_STYLE && ((AOldStyle ^ ANewStyle) & WS_VISIBLE)) RefreshPaintPendingTree(*Window);
  if (AIndex != GWL_EXSTYLE || !((AOldStyle ^ ANewStyle) & WS_EX_LAYERED) || !Window->IsTopLevel()) return;
  if (!(ANewStyle & WS_EX_LAYERED)) {
    // No longer layered: the window forgets its attributes and picture, and paints again.
    Window->Layered = TLayeredAttributes();
    PaintStateOf(*Window).HasLayeredPicture = false;
    InvalidateWholeWindow(*Window);
  }
  ReportTopLevelAlpha(*Window);
}

void ForgetPaintingOf(HWND AWindow) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Window->PaintState || !Window->PaintState->CountedAsPending) return;
  Window->PaintState->CountedAsPending = false;
  --PaintRun().PendingWindows;
}
