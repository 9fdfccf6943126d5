#include "components/core/SPUtils.h"

namespace {

// A line from (AX1, AY1) up to, not including, (AX2, AY2), relative to the glyph's
// origin.
void GlyphLine(TCanvas& ACanvas, TPoint AOrigin, int AX1, int AY1, int AX2, int AY2) {
  ACanvas.MoveTo(AOrigin.X + AX1, AOrigin.Y + AY1);
  ACanvas.LineTo(AOrigin.X + AX2, AOrigin.Y + AY2);
}

// An outline covering the columns AX1 to AX2 - 1 and the rows AY1 to AY2 - 1.
void GlyphOutline(TCanvas& ACanvas, TPoint AOrigin, int AX1, int AY1, int AX2, int AY2) {
  ACanvas.Rectangle(AOrigin.X + AX1, AOrigin.Y + AY1, AOrigin.X + AX2, AOrigin.Y + AY2);
}

void PrepareOutlineGlyph(TCanvas& ACanvas, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  ACanvas.Brush().SetStyle(bsClear);
}

}  // namespace

void DrawCloseGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  const TPoint O{AX, AY};
  ACanvas.Pen().SetColor(AColor);
  GlyphLine(ACanvas, O, 1, 1, 9, 9);
  GlyphLine(ACanvas, O, 9, 1, 1, 9);
  GlyphLine(ACanvas, O, 2, 1, 10, 9);
  GlyphLine(ACanvas, O, 8, 1, 0, 9);
}

void DrawCenteredCloseGlyph(TCanvas& ACanvas, const TRect& ARect, TColor AColor) {
  DrawCloseGlyph(ACanvas, ARect.Left + ARect.Width() / 2 - 5, ARect.Top + ARect.Height() / 2 - 5, AColor);
}

void DrawSysMenuGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  PrepareOutlineGlyph(ACanvas, AColor);
  GlyphOutline(ACanvas, {AX, AY}, 1, 3, 9, 6);
}

void DrawMinimizeGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  const TPoint O{AX, AY};
  ACanvas.Pen().SetColor(AColor);
  GlyphLine(ACanvas, O, 1, 8, 9, 8);
  GlyphLine(ACanvas, O, 1, 9, 9, 9);
}

void DrawMaximizeGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  const TPoint O{AX, AY};
  PrepareOutlineGlyph(ACanvas, AColor);
  GlyphOutline(ACanvas, O, 0, 0, 11, 10);
  GlyphOutline(ACanvas, O, 0, 0, 11, 2);
}

void DrawRestoreGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  const TPoint O{AX, AY};
  PrepareOutlineGlyph(ACanvas, AColor);
  // The front window is outlined only, so the back one shows through it.
  GlyphOutline(ACanvas, O, 2, 0, 10, 6);
  GlyphOutline(ACanvas, O, 2, 0, 10, 2);
  GlyphOutline(ACanvas, O, 0, 4, 7, 10);
  GlyphOutline(ACanvas, O, 0, 4, 7, 6);
}

void DrawRollUpGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  const TPoint O{AX, AY};
  ACanvas.Pen().SetColor(AColor);
  for (int Step = 0; Step < 4; ++Step) GlyphLine(ACanvas, O, 4 - Step, 3 + Step, 6 + Step, 3 + Step);
}

void DrawRollDownGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  const TPoint O{AX, AY};
  ACanvas.Pen().SetColor(AColor);
  for (int Step = 0; Step < 4; ++Step) GlyphLine(ACanvas, O, 1 + Step, 2 + Step, 9 - Step, 2 + Step);
}

void DrawMinToTrayGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  ACanvas.Brush().SetColor(AColor);
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Rectangle(AX + 2, AY + 2, AX + 7, AY + 7);
}
