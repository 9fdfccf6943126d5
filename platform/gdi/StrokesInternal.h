#pragma once
// Scan conversion shared by the line and figure calls: polygons to pixel rows, and
// polylines stroked with a pen. Everything here is in bitmap coordinates. Internal to
// the drawing layer.

#include <cstddef>
#include <vector>

#include "platform/gdi/DeviceContext.h"

struct TPointF {
  double X = 0;
  double Y = 0;
};

// The pixel rows of a polygon under the alternate (even-odd) rule: a pixel (x, y)
// belongs to it when the point (x, y) lies inside, left and top edges included, right
// and bottom edges excluded. Each row may give several spans, as one-row rectangles.
// Only the part inside ALimit is scanned, so a huge figure costs no more than its
// visible part.
std::vector<TRect> PolygonSpans(const TPointF* APoints, std::size_t ACount, const TRect& ALimit);

// Draws the polyline with ADC's pen and mix mode: a 1-pixel pen pixel by pixel (start
// points included, end points excluded, the style pattern running on from segment to
// segment), a wider pen as the union of its swept segments, each pixel once. AClosed
// adds the segment from the last point back to the first. Nothing for the null pen.
void StrokePolyline(const TDeviceContext& ADC, const TPoint* APoints, std::size_t ACount, bool AClosed);
