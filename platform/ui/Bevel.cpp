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

void TBevel::Paint() { PaintShape(clBtnShadow, clBtnHighlight); }

void TBevel::PaintBevelRect(const TRect& ARect, TColor ATopLeft, TColor ABottomRight) {
  TCanvas& Surface = Canvas();
  Surface.Pen().SetColor(ATopLeft);
  const TPoint TopLeft[] = {{ARect.Left, ARect.Bottom}, {ARect.Left, ARect.Top}, {ARect.Right, ARect.Top}};
  Surface.Polyline(TopLeft);
  Surface.Pen().SetColor(ABottomRight);
  const TPoint BottomRight[] = {
      {ARect.Right, ARect.Top}, {ARect.Right, ARect.Bottom}, {ARect.Left, ARect.Bottom}};
  Surface.Polyline(BottomRight);
}

void TBevel::PaintShape(TColor AShadow, TColor AHighlight) {
  TCanvas& Surface = Canvas();
  Surface.Pen().SetWidth(1);
  Surface.Pen().SetStyle(psSolid);
  Surface.Pen().SetMode(pmCopy);
  TColor First = FStyle == bsLowered ? AShadow : AHighlight;
  TColor Second = FStyle == bsLowered ? AHighlight : AShadow;
  auto BevelLine = [&](TColor AColor, int AX1, int AY1, int AX2, int AY2) {
    Surface.Pen().SetColor(AColor);
    Surface.MoveTo(AX1, AY1);
    Surface.LineTo(AX2, AY2);
  };
  const int W = Width();
  const int H = Height();
  switch (FShape) {
    case bsBox:
      PaintBevelRect(Rect(0, 0, W - 1, H - 1), First, Second);
      break;
    case bsFrame:
      PaintBevelRect(Rect(1, 1, W - 1, H - 1), Second, Second);
      PaintBevelRect(Rect(0, 0, W - 2, H - 2), First, First);
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
