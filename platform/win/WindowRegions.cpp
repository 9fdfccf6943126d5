#include "platform/win/WindowRegions.h"

#include "platform/win/Backend.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/VisibleRegionInternal.h"

bool SetWindowRgn(HWND AWindow, HRGN ARegion, bool ARedraw) {
  RequireUIThread("SetWindowRgn");
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || Window == &DesktopRecord()) return false;
  const TRegion OldShape = WindowShape(*Window, {});
  if (Window->Region != ARegion) {
    if (Window->Region) DeleteObject(Window->Region);
    Window->Region = ARegion;
  }
  // A region set again may have been changed in place since.
  NoteGeometryChange();
  if (Window->IsTopLevel()) Backend().TopLevelRegionChanged(AWindow, ARegion ? &ARegion->Region : nullptr);
  if (!ARedraw || !IsDrawable(*Window)) return true;
  if (!Window->IsTopLevel())
    InvalidateUncoveredArea(*ParentRecord(*Window),
                            TRegion::Combine(OldShape, WindowShape(*Window, {}), roDiff));
  InvalidateWholeWindow(*Window);
  return true;
}

int GetWindowRgn(HWND AWindow, HRGN ARegion) {
  RequireUIThread("GetWindowRgn");
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Window->Region || !ARegion) return ERROR;
  ARegion->Region = Window->Region->Region;
  return RegionKind(ARegion->Region);
}
