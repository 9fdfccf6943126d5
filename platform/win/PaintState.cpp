#include "platform/win/PaintStateInternal.h"

TTopLevelSurface::~TTopLevelSurface() {
  if (Bitmap) DeleteObject(Bitmap);
}

TWindowPaintState& PaintStateOf(TWindow& AWindow) {
  if (!AWindow.PaintState) AWindow.PaintState = std::make_shared<TWindowPaintState>();
  return *AWindow.PaintState;
}

TPaintRun& PaintRun() {
  static std::unique_ptr<TPaintRun> Run;
  const HWND Desktop = DesktopRecord().Handle;
  if (!Run || Run->Desktop != Desktop) {
    if (Run)
      for (const auto& [DC, Open] : Run->OpenDCs) DeleteDC(DC);
    Run = std::make_unique<TPaintRun>();
    Run->Desktop = Desktop;
  }
  return *Run;
}

bool IsDrawable(const TWindow& AWindow) {
  // The desktop is the backend's.
  if (!AWindow.Parent) return false;
  for (const TWindow* Window = &AWindow; Window && Window->Parent; Window = ParentRecord(*Window)) {
    if (!Window->IsVisible() || Window->Destroying) return false;
    if (Window->PaintState && Window->PaintState->RedrawOff) return false;
  }
  return true;
}

TRect ClientRectInWindow(const TWindow& AWindow) {
  TRect Client = AWindow.ClientRect;
  OffsetRect(Client, -AWindow.WindowRect.Left, -AWindow.WindowRect.Top);
  return Client;
}

TRect WindowBoundsInWindow(const TWindow& AWindow) {
  return Bounds(0, 0, AWindow.WindowRect.Width(), AWindow.WindowRect.Height());
}

bool NeedsPaint(TWindow& AWindow) {
  const TWindowPaintState& State = PaintStateOf(AWindow);
  return IsDrawable(AWindow) &&
         (!AWindow.UpdateRegion.IsEmpty() || State.FramePending || State.InternalPaint);
}

void RefreshPaintPending(TWindow& AWindow) {
  TWindowPaintState& State = PaintStateOf(AWindow);
  const bool Pending = NeedsPaint(AWindow);
  if (Pending == State.CountedAsPending) return;
  State.CountedAsPending = Pending;
  PaintRun().PendingWindows += Pending ? 1 : -1;
  if (Pending) NotePaintOrderChange();
}

void NotePaintOrderChange() { ++PaintRun().PaintOrderChanges; }

void RefreshPaintPendingTree(TWindow& AWindow) {
  RefreshPaintPending(AWindow);
  for (HWND Child : AWindow.Children)
    if (TWindow* ChildWindow = FindWindowRecord(Child)) RefreshPaintPendingTree(*ChildWindow);
}

void ClearPaintStateTree(TWindow& AWindow) {
  TWindowPaintState& State = PaintStateOf(AWindow);
  AWindow.UpdateRegion = TRegion();
  State.FramePending = State.ErasePending = State.EraseLeftUndone = State.InternalPaint = false;
  RefreshPaintPending(AWindow);
  for (HWND Child : AWindow.Children)
    if (TWindow* ChildWindow = FindWindowRecord(Child)) ClearPaintStateTree(*ChildWindow);
}
