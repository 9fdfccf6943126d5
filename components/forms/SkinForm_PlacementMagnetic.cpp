// The magnetic edges: a form dragged near an edge of its monitor's work area snaps to
// it, and lets go once the cursor has moved far enough from where it was at the snap.

#include <cstdlib>

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_PlacementInternal.h"
#include "platform/win/Cursors.h"

namespace {

bool MagneticNear(long long AEdge, int ATarget, int AMagneticSize) {
  return static_cast<long long>(ATarget) - AMagneticSize < AEdge &&
         AEdge < static_cast<long long>(ATarget) + AMagneticSize;
}

// One edge on one axis. AStart is the form's proposed start on the axis and AOffset
// the distance from it to the edge (0 for the left or top edge, the form's size for
// the right or bottom one); ATarget is the area's edge, ANear whether the edge came
// near it. Returns the form's start.
long long MagneticSnapEdge(long long AStart, long long AOffset, int ATarget, bool ANear, int AMagneticSize,
                           int ACursor, int& ARemembered, bool& ASnapped) {
  const long long Snapped = ATarget - AOffset;
  long long Result = AStart;
  if (ANear && !ASnapped) {
    Result = Snapped;
    ARemembered = ACursor;
  } else if (ASnapped) {
    const long long Moved = static_cast<long long>(ACursor) - ARemembered;
    Result = std::llabs(Moved) > AMagneticSize ? Snapped + Moved : Snapped;
  }
  ASnapped = ANear;
  return Result;
}

}  // namespace

TRect TspSkinFormStates::MagneticArea() const {
  if (SkinForm.FForm->FormStyle() == fsMDIChild) return SkinForm.Mdi().MDIMagneticArea();
  TRect Area;
  GetMonitorArea(SkinForm.FForm->HandleAllocated() ? SkinForm.FForm->Handle() : nullptr, true, Area);
  return Area;
}

void TspSkinFormStates::DoMagnetic(int& X, int& Y, int W, int H) {
  const TRect Area = MagneticArea();
  POINT Cursor;
  GetCursorPos(&Cursor);
  // With a visible layered border its outer edges snap: the left and top snaps work on
  // the outer rectangle; the right and bottom ones give the window's own start, the
  // size counting the far margin only.
  const TRect Margins = LayeredBorderMargins();
  long long NewX = static_cast<long long>(X) - Margins.Left;
  long long NewY = static_cast<long long>(Y) - Margins.Top;
  long long Width = static_cast<long long>(W) + Margins.Left + Margins.Right;
  long long Height = static_cast<long long>(H) + Margins.Top + Margins.Bottom;
  NewX = MagneticSnapEdge(NewX, 0, Area.Left, MagneticNear(NewX, Area.Left, SkinForm.MagneticSize),
                          SkinForm.MagneticSize, Cursor.X, FOnMouseDownCoord.X, HMagnetized);
  NewY = MagneticSnapEdge(NewY, 0, Area.Top, MagneticNear(NewY, Area.Top, SkinForm.MagneticSize),
                          SkinForm.MagneticSize, Cursor.Y, FOnMouseDownCoord.Y, VMagnetized);
  const bool NearRight = MagneticNear(NewX + Width, Area.Right, SkinForm.MagneticSize);
  const bool NearBottom = MagneticNear(NewY + Height, Area.Bottom, SkinForm.MagneticSize);
  if (NearRight) Width -= Margins.Left;
  if (NearBottom) Height -= Margins.Top;
  NewX = MagneticSnapEdge(NewX, Width, Area.Right, NearRight, SkinForm.MagneticSize, Cursor.X,
                          FOnMouseDownCoord.X, HMagnetized2);
  NewY = MagneticSnapEdge(NewY, Height, Area.Bottom, NearBottom, SkinForm.MagneticSize, Cursor.Y,
                          FOnMouseDownCoord.Y, VMagnetized2);
  if (!NearRight) NewX += Margins.Left;
  if (!NearBottom) NewY += Margins.Top;
  X = SaturatedCoordinate(NewX);
  Y = SaturatedCoordinate(NewY);
}

void TspSkinFormStates::NoteMoveStart() { GetCursorPos(&FOnMouseDownCoord); }
