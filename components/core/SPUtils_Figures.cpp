#include <initializer_list>

#include "components/core/SPUtils.h"

namespace {

// Strokes of an arrow, one a step: columns (for arrows pointing left or right) or rows
// from AFirst on, each 2 x half + 1 pixels long centred on ACentre.
void DrawArrowStrokes(TCanvas& ACanvas, bool AColumns, int AFirst, int ACentre,
                      std::initializer_list<int> AHalves) {
  int Position = AFirst;
  for (int Half : AHalves) {
    if (AColumns) {
      ACanvas.MoveTo(Position, ACentre - Half);
      ACanvas.LineTo(Position, ACentre + Half + 1);
    } else {
      ACanvas.MoveTo(ACentre - Half, Position);
      ACanvas.LineTo(ACentre + Half + 1, Position);
    }
    ++Position;
  }
}

TPoint FigureCentre(const TRect& ARect) {
  return {ARect.Left + ARect.Width() / 2, ARect.Top + ARect.Height() / 2};
}

}  // namespace

void DrawDottedFocusRect(TCanvas& ACanvas, const TRect& ARect) {
  const TColor Color = ACanvas.Font().Color();
  ACanvas.Pen().SetColor(Color);
  const int Right = ARect.Right - 1;
  const int Bottom = ARect.Bottom - 1;
  bool Phase = (Right - ARect.Left) % 2 == 0 && (Bottom - ARect.Top) % 2 == 0;
  auto Walk = [&](int AX, int AY, int ADX, int ADY, int ASteps) {
    for (int Step = 0; Step <= ASteps; ++Step) {
      Phase = !Phase;
      if (Phase) ACanvas.SetPixels(AX + Step * ADX, AY + Step * ADY, Color);
    }
  };
  // Each edge starts on the corner where the last one ended; inverting the phase
  // before it gives that corner the same decision again, so the dots run on.
  Walk(ARect.Left, ARect.Top, 1, 0, Right - ARect.Left);
  Phase = !Phase;
  Walk(Right, ARect.Top, 0, 1, Bottom - ARect.Top);
  Phase = !Phase;
  Walk(Right, Bottom, -1, 0, Right - ARect.Left);
  Phase = !Phase;
  Walk(ARect.Left, Bottom, 0, -1, Bottom - ARect.Top);
}

void DrawSmallArrow(TCanvas& ACanvas, const TRect& ARect, TColor AColor, int ADirection) {
  ACanvas.Pen().SetColor(AColor);
  const TPoint C = FigureCentre(ARect);
  switch (ADirection) {
    case 1:
      DrawArrowStrokes(ACanvas, true, C.X - 1, C.Y, {0, 1, 2});
      break;
    case 2:
      DrawArrowStrokes(ACanvas, true, C.X - 1, C.Y, {2, 1, 0});
      break;
    case 3:
      DrawArrowStrokes(ACanvas, false, C.Y - 1, C.X, {0, 1, 2});
      break;
    case 4:
      DrawArrowStrokes(ACanvas, false, C.Y - 1, C.X, {2, 1, 0});
      break;
    default:
      break;
  }
}

void DrawArrow(TCanvas& ACanvas, const TRect& ARect, TColor AColor, int ADirection) {
  ACanvas.Pen().SetColor(AColor);
  const TPoint C = FigureCentre(ARect);
  switch (ADirection) {
    case 1:
      DrawArrowStrokes(ACanvas, true, C.X - 2, C.Y, {0, 1, 2, 3});
      break;
    case 2:
      DrawArrowStrokes(ACanvas, true, C.X - 1, C.Y, {3, 2, 1, 0});
      break;
    case 3:
      DrawArrowStrokes(ACanvas, false, C.Y - 2, C.X, {0, 1, 2, 3});
      break;
    case 4:
      DrawArrowStrokes(ACanvas, false, C.Y - 1, C.X, {3, 2, 1, 0});
      break;
    default:
      break;
  }
}

void DrawSmallDownArrow(TCanvas& ACanvas, const TRect& ARect, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  const TPoint C = FigureCentre(ARect);
  DrawArrowStrokes(ACanvas, false, C.Y, C.X, {2, 1, 0});
}

void DrawCheckMark(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  for (int I = 0; I < 3; ++I) {
    ACanvas.MoveTo(AX, AY + 5 - I);
    ACanvas.LineTo(AX + 2, AY + 7 - I);
    ACanvas.LineTo(AX + 7, AY + 2 - I);
  }
}

void DrawRadioMark(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  ACanvas.Brush().SetColor(AColor);
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Rectangle(AX, AY, AX + 6, AY + 6);
}

void DrawBevelFrame(TCanvas& ACanvas, const TRect& ARect, TColor ATopLeft, TColor ABottomRight) {
  ACanvas.Pen().SetWidth(1);
  const int Right = ARect.Right - 1;
  const int Bottom = ARect.Bottom - 1;
  ACanvas.Pen().SetColor(ATopLeft);
  const TPoint TopLeft[] = {{ARect.Left, Bottom}, {ARect.Left, ARect.Top}, {Right, ARect.Top}};
  ACanvas.Polyline(TopLeft);
  ACanvas.Pen().SetColor(ABottomRight);
  const TPoint BottomRight[] = {{Right, ARect.Top}, {Right, Bottom}, {ARect.Left - 1, Bottom}};
  ACanvas.Polyline(BottomRight);
}
