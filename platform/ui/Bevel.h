#pragma once
// TBevel: a windowless control that draws a box, frame or line in the 3-D colours.
// User-interface thread only.

#include "platform/ui/GraphicControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
 public:
  // 50 × 50, a lowered box.
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape AValue);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle AValue);

 protected:
  // Lowered: the first colour clBtnShadow, the second clBtnHighlight; raised the other
  // way round. A frame of a rectangle draws its left and top sides in the first colour
  // and its right and bottom sides in the second.
  void Paint() override;
  // The shape in the two colours of a lowered bevel; a raised one swaps them.
  void PaintShape(TColor AShadow, TColor AHighlight);
  // A one-pixel frame of ARect, its right and bottom edges included: the left and top
  // sides in ATopLeft, the right and bottom ones in ABottomRight.
  void PaintBevelRect(const TRect& ARect, TColor ATopLeft, TColor ABottomRight);

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
