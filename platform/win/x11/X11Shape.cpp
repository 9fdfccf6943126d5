// Window regions on the display: the region becomes the window's bounding shape (what
// shows) and its input shape (what takes the pointer), so that a click on a cut-away
// part reaches the window below, whichever program it belongs to.

#include <algorithm>
#include <vector>

#include "platform/gdi/Region.h"
#include "platform/win/x11/X11Internal.h"

namespace {

std::vector<XRectangle> RectanglesOf(const TRegion& ARegion) {
  std::vector<XRectangle> Rectangles;
  for (const TRect& Rect : ARegion.Rectangles()) {
    // The protocol's rectangles are 16-bit; windows are smaller than that.
    const auto Coordinate = [](int AValue) { return static_cast<short>(std::clamp(AValue, -32768, 32767)); };
    const auto Length = [](int AValue) { return static_cast<unsigned short>(std::clamp(AValue, 0, 65535)); };
    Rectangles.push_back(
        {Coordinate(Rect.Left), Coordinate(Rect.Top), Length(Rect.Width()), Length(Rect.Height())});
  }
  return Rectangles;
}

}  // namespace

void TX11Backend::TopLevelRegionChanged(HWND AWindow, const TRegion* ARegion) {
  if (const TX11TopLevel* TopLevel = FindTopLevel(*FX, AWindow)) ApplyWindowShape(*FX, *TopLevel, ARegion);
}

void ApplyWindowShape(TX11Display& AX, const TX11TopLevel& AWindow, const TRegion* ARegion) {
  if (!AX.HasShape) return;
  if (!ARegion) {
    XShapeCombineMask(AX.Connection, AWindow.Xid, ShapeBounding, 0, 0, None, ShapeSet);
    if (AX.HasXfixes) XFixesSetWindowShapeRegion(AX.Connection, AWindow.Xid, ShapeInput, 0, 0, None);
    return;
  }
  std::vector<XRectangle> Rectangles = RectanglesOf(*ARegion);
  // The region's rectangles come band by band, left to right: the order the server
  // takes fastest.
  XShapeCombineRectangles(AX.Connection, AWindow.Xid, ShapeBounding, 0, 0, Rectangles.data(),
                          static_cast<int>(Rectangles.size()), ShapeSet, YXBanded);
  if (!AX.HasXfixes) return;
  const XserverRegion Input =
      XFixesCreateRegion(AX.Connection, Rectangles.data(), static_cast<int>(Rectangles.size()));
  XFixesSetWindowShapeRegion(AX.Connection, AWindow.Xid, ShapeInput, 0, 0, Input);
  XFixesDestroyRegion(AX.Connection, Input);
}
