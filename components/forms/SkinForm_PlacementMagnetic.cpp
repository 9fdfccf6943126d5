// The magnetic edges: a form dragged near an edge of its monitor's work area snaps to
// it, and lets go once the cursor has moved far enough from where it was at the snap.

#include <cstdlib>

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_PlacementInternal.h"
#include "platform/win/Cursors.h"

namespace {

// One edge on one axis. AStart is the form's proposed start on the axis and AOffset
// the distance from it to the edge (0 for the left or top edge, the form's size for
// the right or bottom one); ATarget is the area's edge. Returns the form's start.
long long MagneticSnapEdge(long long AStart, long long AOffset, int ATarget, int AMagneticSize, int ACursor,
                           int& ARemembered, bool& ASnapped) {
  const long long Edge = AStart + AOffset;
  const bool Near = static_cast<long long>(ATarget) - AMagneticSize < Edge &&
                    Edge < static_cast<long long>(ATarget) + AMagneticSize;
  const long long Snapped = ATarget - AOffset;
  long long Result = AStart;
  if (Near && !ASnapped) {
    Result = Snapped;
    ARemembered = ACursor;
  } else if (ASnapped) {
    const long long Moved = static_cast<long long>(ACursor) - ARemembered;
    Result = std::llabs(Moved) > AMagneticSize ? Snapped + Moved : Snapped;
  }
  ASnapped = Near;
  return Result;
}

}  // namespace

TRect TspSkinForm::MagneticArea() const {
  if (FForm->FormStyle() == fsMDIChild) return MDIMagneticArea();
  TRect Area;
  GetMonitorArea(FForm->HandleAllocated() ? FForm->Handle() : nullptr, true, Area);
  return Area;
}

void TspSkinForm::DoMagnetic(int& X, int& Y, int W, int H) {
  const TRect Area = MagneticArea();
  POINT Cursor;
  GetCursorPos(&Cursor);
  long long NewX =
      MagneticSnapEdge(X, 0, Area.Left, MagneticSize, Cursor.X, FOnMouseDownCoord.X, HMagnetized);
  long long NewY = MagneticSnapEdge(Y, 0, Area.Top, MagneticSize, Cursor.Y, FOnMouseDownCoord.Y, VMagnetized);
  NewX = MagneticSnapEdge(NewX, W, Area.Right, MagneticSize, Cursor.X, FOnMouseDownCoord.X, HMagnetized2);
  NewY = MagneticSnapEdge(NewY, H, Area.Bottom, MagneticSize, Cursor.Y, FOnMouseDownCoord.Y, VMagnetized2);
  X = SaturatedCoordinate(NewX);
  Y = SaturatedCoordinate(NewY);
}
