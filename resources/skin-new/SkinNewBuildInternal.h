#pragma once
// Shared by the builders of the default skin only: the picture sheet every element
// draws its states into, the glyphs, the helpers that fill the common record fields,
// and the builder of each family of elements.

#include "resources/skin-new/SkinNew.h"
#include "resources/skin-new/SkinNewPainter.h"
#include "resources/skin-new/SkinNewPalette.h"

namespace skin_new {

// A picture of the skin under construction: parts are placed left to right in rows,
// two pixels apart, on the window background; Finish cuts the picture to what was
// placed and adds it to the skin's picture list.
class TSkinNewSheet {
 public:
  explicit TSkinNewSheet(int AMaxWidth = 512);
  TRect Place(int AWidth, int AHeight);
  // Starts a new row of parts.
  void NewRow();
  TSkinNewPainter& Painter() { return FPainter; }
  int Finish(TSkinNew& ASkin, const String& AFileName);

 private:
  TspBitmap FBitmap;
  TSkinNewPainter FPainter{FBitmap};
  int FX = 0, FY = 0, FRowHeight = 0, FUsedWidth = 0;
};

// Glyphs, centred on ACentre, in strokes of one pixel unless said otherwise.
enum TSkinNewArrow { saUp, saDown, saLeft, saRight };
void DrawChevron(TSkinNewPainter& APainter, TPointF ACentre, TSkinNewArrow AArrow, double ASize,
                 TColor AColor);
void DrawCheckMark(TSkinNewPainter& APainter, TPointF ACentre, double ASize, TColor AColor);
void DrawCross(TSkinNewPainter& APainter, TPointF ACentre, double ASize, TColor AColor);
void DrawDash(TSkinNewPainter& APainter, TPointF ACentre, double AWidth, TColor AColor);
void DrawPlus(TSkinNewPainter& APainter, TPointF ACentre, double ASize, TColor AColor);
// The caption-button glyphs of a box ASize wide.
void DrawMaximizeGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor);
void DrawRestoreGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor);
void DrawMinimizeGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor);
void DrawTrayGlyph(TSkinNewPainter& APainter, TPointF ACentre, int ASize, TColor AColor);
// The program's mark on the system-menu button: an accent tile with a play triangle.
void DrawAppMark(TSkinNewPainter& APainter, TPointF ACentre, TColor AColor);

TPointF CentreOf(const TRect& ARect);
// ARect moved to (0, 0): a part's own coordinates.
TRect LocalRect(const TRect& ARect);
TRect Shrunk(const TRect& ARect, int ADX, int ADY);

// Nine-part geometry of a part with corners ACorner × ACorner: corner points at the
// client rectangle's corners.
void SetNinePart(TspDataSkinCustomControl& ARecord, const TRect& ASkinRect, int ACornerX, int ACornerY);
// The same with fixed bands of AEdges.Left, .Top, .Right and .Bottom pixels.
void SetNinePartEdges(TspDataSkinCustomControl& ARecord, const TRect& ASkinRect, const TRect& AEdges);
void SetNinePart(TspDataSkinCustomControl& ARecord, const TRect& ASkinRect, int ACorner);

// The skin font with AColor ("Arial", 14).
template <typename TRecord>
void SetSkinFont(TRecord& ARecord, TColor AColor, bool ABold = false) {
  ARecord.FontName = metrics::FontName;
  ARecord.FontHeight = metrics::FontHeight;
  ARecord.FontStyle = ABold ? TFontStyles{fsBold} : TFontStyles{};
  ARecord.FontColor = AColor;
}

// The builders, each adding its pictures and records.
void BuildFrame(TSkinNew& ASkin);
void BuildButtons(TSkinNew& ASkin);
void BuildChecks(TSkinNew& ASkin);
void BuildBars(TSkinNew& ASkin);
void BuildPanels(TSkinNew& ASkin);
void BuildEdits(TSkinNew& ASkin);
void BuildLists(TSkinNew& ASkin);
void BuildMenus(TSkinNew& ASkin);

}  // namespace skin_new
