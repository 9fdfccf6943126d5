// The small figures of the default skin: arrows, marks and caption-button glyphs.
// Strokes of one pixel lie on pixel centres so that they come out crisp.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

void DrawChevron(TSkinNewPainter& APainter, TPointF ACentre, TSkinNewArrow AArrow, double ASize,
                 TColor AColor) {
  const double Half = ASize / 2, Quarter = ASize / 4;
  const double X = ACentre.X, Y = ACentre.Y;
  switch (AArrow) {
    case saUp:
      APainter.Stroke({{X - Half, Y + Quarter}, {X, Y - Quarter}, {X + Half, Y + Quarter}}, 1.5, AColor);
      break;
    case saDown:
      APainter.Stroke({{X - Half, Y - Quarter}, {X, Y + Quarter}, {X + Half, Y - Quarter}}, 1.5, AColor);
      break;
    case saLeft:
      APainter.Stroke({{X + Quarter, Y - Half}, {X - Quarter, Y}, {X + Quarter, Y + Half}}, 1.5, AColor);
      break;
    case saRight:
      APainter.Stroke({{X - Quarter, Y - Half}, {X + Quarter, Y}, {X - Quarter, Y + Half}}, 1.5, AColor);
      break;
  }
}

void DrawCheckMark(TSkinNewPainter& APainter, TPointF ACentre, double ASize, TColor AColor) {
  const double S = ASize / 2;
  APainter.Stroke({{ACentre.X - S, ACentre.Y},
                   {ACentre.X - S / 3, ACentre.Y + S * 2 / 3},
                   {ACentre.X + S, ACentre.Y - S * 2 / 3}},
                  2, AColor);
}

void DrawCross(TSkinNewPainter& APainter, TPointF ACentre, double ASize, TColor AColor) {
  const double S = ASize / 2;
  APainter.Stroke({{ACentre.X - S, ACentre.Y - S}, {ACentre.X + S, ACentre.Y + S}}, 1.2, AColor);
  APainter.Stroke({{ACentre.X - S, ACentre.Y + S}, {ACentre.X + S, ACentre.Y - S}}, 1.2, AColor);
}

void DrawDash(TSkinNewPainter& APainter, TPointF ACentre, double AWidth, TColor AColor) {
  APainter.Fill(
      Rect(int(ACentre.X - AWidth / 2), int(ACentre.Y) - 1, int(ACentre.X + AWidth / 2), int(ACentre.Y) + 1),
      AColor);
}

void DrawPlus(TSkinNewPainter& APainter, TPointF ACentre, double ASize, TColor AColor) {
  const int X = int(ACentre.X), Y = int(ACentre.Y), S = int(ASize / 2);
  APainter.Fill(Rect(X - S, Y, X + S + 1, Y + 1), AColor);
  APainter.Fill(Rect(X, Y - S, X + 1, Y + S + 1), AColor);
}

void DrawMaximizeGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor) {
  const int Left = int(ACentre.X) - ASize / 2, Top = int(ACentre.Y) - ASize / 2;
  APainter.FrameRoundRect(Bounds(Left, Top, ASize, ASize), 1.5, 1, AColor);
}

void DrawRestoreGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor) {
  const int Left = int(ACentre.X) - ASize / 2, Top = int(ACentre.Y) - ASize / 2;
  APainter.FrameRoundRect(Bounds(Left, Top + 2, ASize - 2, ASize - 2), 1.5, 1, AColor);
  // The window behind shows only above and right of the front one.
  APainter.Fill(Rect(Left + 2, Top, Left + ASize, Top + 1), AColor);
  APainter.Fill(Rect(Left + ASize - 1, Top, Left + ASize, Top + ASize - 2), AColor);
}

void DrawMinimizeGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor) {
  const int Left = int(ACentre.X) - ASize / 2, Y = int(ACentre.Y);
  APainter.Fill(Rect(Left, Y, Left + ASize, Y + 1), AColor);
}

void DrawTrayGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor) {
  const int Left = int(ACentre.X) - ASize / 2, Bottom = int(ACentre.Y) + ASize / 2;
  APainter.Fill(Rect(Left, Bottom - 1, Left + ASize, Bottom), AColor);
  const double X = int(ACentre.X) + 0.5;
  APainter.Stroke({{X, ACentre.Y - ASize / 2.0}, {X, ACentre.Y + 1.5}}, 1, AColor);
  DrawChevron(APainter, {X, ACentre.Y}, saDown, 6, AColor);
}

void DrawAppMark(TSkinNewPainter& APainter, TPointF ACentre, TColor AColor) {
  const int Left = int(ACentre.X) - 8, Top = int(ACentre.Y) - 8;
  APainter.FillRoundRect(Bounds(Left, Top, 16, 16), 4, AColor);
  const TRect Tile = Bounds(Left, Top, 16, 16);
  const TPointF C = CentreOf(Tile);
  APainter.Stroke({{C.X - 2, C.Y - 3.5}, {C.X + 3, C.Y}, {C.X - 2, C.Y + 3.5}, {C.X - 2, C.Y - 3.5}}, 1.5,
                  palette::AccentText);
}

}  // namespace skin_new
