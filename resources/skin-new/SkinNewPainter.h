#pragma once
// Anti-aliased drawing of the default skin's shapes into a TspBitmap: rounded
// rectangles, rings, circles and stroked lines. Coverage comes from the distance of
// each pixel centre to the shape's edge, so edges on whole pixel coordinates come out
// crisp and curves smooth. Pixels stay opaque: a shape is blended over what is there.

#include <initializer_list>

#include "components/core/spEffBmp.h"
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"

namespace skin_new {

struct TPointF {
  double X = 0;
  double Y = 0;
};

// Radii of the top and bottom corners of a rounded rectangle.
struct TCornerRadii {
  double Top = 0;
  double Bottom = 0;
};

class TSkinNewPainter {
 public:
  explicit TSkinNewPainter(TspBitmap& ATarget) : FTarget(ATarget) {}

  void Fill(const TRect& ARect, TColor AColor);
  void FillRoundRect(const TRect& ARect, TCornerRadii ARadii, TColor AColor);
  void FillRoundRect(const TRect& ARect, double ARadius, TColor AColor) {
    FillRoundRect(ARect, {ARadius, ARadius}, AColor);
  }
  // A ring AWidth pixels wide along the inside of the rounded rectangle.
  void FrameRoundRect(const TRect& ARect, double ARadius, double AWidth, TColor AColor);
  // A filled rounded rectangle with a one-pixel border of its own.
  void Box(const TRect& ARect, double ARadius, TColor AFill, TColor ABorder);
  void FillCircle(TPointF ACentre, double ARadius, TColor AColor);
  // Connected strokes of AWidth with round joints.
  void Stroke(std::initializer_list<TPointF> APoints, double AWidth, TColor AColor);
  // Every pixel of ARect outside the rounded rectangle becomes AColor, unblended: the
  // transparent colour around a shape that is drawn with one.
  void SetOutside(const TRect& ARect, double ARadius, TColor AColor);
  // Every pixel of ARect that is exactly AFrom becomes ATo.
  void Replace(const TRect& ARect, TColor AFrom, TColor ATo);

 private:
  template <typename TCoverage>
  void Blend(const TRect& ABounds, TColor AColor, TCoverage&& ACoverage);

  TspBitmap& FTarget;
};

}  // namespace skin_new
