#include "platform/ui/Bevel.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  ControlStyle.Include(csReplicatable);
  SetBounds(Left(), Top(), 50, 50);
}

void TBevel::SetShape(TBevelShape AValue) {
  if (FShape == AValue) return;
  FShape = AValue;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle AValue) {
  if (FStyle == AValue) return;
  FStyle = AValue;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas& Surface = Canvas();
  Surface.Pen().SetWidth(1);
  Surface.Pen().SetStyle(psSolid);
  Surface.Pen().SetMode(pmCopy);
  TColor First = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor Second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
  // The left and top sides in the first colour, the right and bottom ones in the
  // second; the corners of the right and bottom edges are included.
  auto BevelRect = [&](const TRect& R, TColor ATopLeft, TColor ABottomRight) {
    Surface.Pen().SetColor(ATopLeft);
    const TPoint TopLeft[] = {{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}};
    Surface.Polyline(TopLeft);
    Surface.Pen().SetColor(ABottomRight);
    const TPoint BottomRight[] = {{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}};
    Surface.Polyline(BottomRight);
  };
  auto BevelLine = [&](TColor AColor, int AX1, int AY1, int AX2, int AY2) {
    Surface.Pen().SetColor(AColor);
    Surface.MoveTo(AX1, AY1);
    Surface.LineTo(AX2, AY2);
  };
  const int W = Width();
  const int H = Height();
  switch (FShape) {
    case bsBox:
      BevelRect(Rect(0, 0, W - 1, H - 1), First, Second);
      break;
    case bsFrame:
      BevelRect(Rect(1, 1, W - 1, H - 1), Second, Second);
      BevelRect(Rect(0, 0, W - 2, H - 2), First, First);
      break;
    case bsTopLine:
      BevelLine(First, 0, 0, W, 0);
      BevelLine(Second, 0, 1, W, 1);
      break;
    case bsBottomLine:
      BevelLine(First, 0, H - 2, W, H - 2);
      BevelLine(Second, 0, H - 1, W, H - 1);
      break;
    case bsLeftLine:
      BevelLine(First, 0, 0, 0, H);
      BevelLine(Second, 1, 0, 1, H);
      break;
    case bsRightLine:
      BevelLine(First, W - 2, 0, W - 2, H);
      BevelLine(Second, W - 1, 0, W - 1, H);
      break;
    case bsSpacer:
      break;
  }
}
