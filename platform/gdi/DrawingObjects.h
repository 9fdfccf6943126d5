#pragma once
// Pens and brushes: the drawing objects that device contexts draw lines and fills with.
// A pen or brush never changes once made, so one object may be selected into several
// device contexts on several threads at once. The stock objects and the system-colour
// brushes live as long as the process; DeleteObject leaves them alone.

#include <cstdint>

#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Geometry.h"

// Pen styles (low four bits), end caps and joins (ExtCreatePen) and pen types.
constexpr uint32_t PS_SOLID = 0;
constexpr uint32_t PS_DASH = 1;
constexpr uint32_t PS_DOT = 2;
constexpr uint32_t PS_NULL = 5;
constexpr uint32_t PS_STYLE_MASK = 0x0000000F;
constexpr uint32_t PS_ENDCAP_ROUND = 0x00000000;
constexpr uint32_t PS_ENDCAP_SQUARE = 0x00000100;
constexpr uint32_t PS_ENDCAP_FLAT = 0x00000200;
constexpr uint32_t PS_ENDCAP_MASK = 0x00000F00;
constexpr uint32_t PS_JOIN_ROUND = 0x00000000;
constexpr uint32_t PS_JOIN_BEVEL = 0x00001000;
constexpr uint32_t PS_JOIN_MITER = 0x00002000;
constexpr uint32_t PS_JOIN_MASK = 0x0000F000;
constexpr uint32_t PS_COSMETIC = 0x00000000;
constexpr uint32_t PS_GEOMETRIC = 0x00010000;
constexpr uint32_t PS_TYPE_MASK = 0x000F0000;

// Brush styles.
constexpr uint32_t BS_SOLID = 0;
constexpr uint32_t BS_NULL = 1;
constexpr uint32_t BS_HOLLOW = BS_NULL;

// Stock objects served by GetStockObject.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;

struct LOGPEN {
  uint32_t lopnStyle = PS_SOLID;
  POINT lopnWidth;  // the width is lopnWidth.X
  COLORREF lopnColor = 0;
};

struct LOGBRUSH {
  uint32_t lbStyle = BS_SOLID;
  COLORREF lbColor = 0;
  uintptr_t lbHatch = 0;
};

// A pen draws lines and outlines. A 1-pixel pen draws PS_SOLID, PS_DOT (every other
// pixel) or PS_DASH (6 pixels on, 2 off); the gaps of a styled pen take the background
// colour when the device context's background mode is OPAQUE. A wider pen always draws
// solid, as the window system's pens do, sweeping a square of its width along the
// line; flat end caps (PS_ENDCAP_FLAT) stop the sweep at the line's ends, the other
// caps extend it by half the width.
class TPenObject : public TGdiObject {
 public:
  TPenObject(uint32_t AStyle, int AWidth, COLORREF AColor) : FStyle(AStyle), FWidth(AWidth), FColor(AColor) {}
  TGdiObjectType ObjectType() const override { return OBJ_PEN; }

  uint32_t Style() const { return FStyle; }
  // PS_SOLID, PS_DASH, PS_DOT or PS_NULL.
  uint32_t LineStyle() const { return FStyle & PS_STYLE_MASK; }
  bool IsNull() const { return LineStyle() == PS_NULL; }
  bool HasFlatEnds() const { return (FStyle & PS_ENDCAP_MASK) == PS_ENDCAP_FLAT; }
  // At least 1.
  int Width() const { return FWidth; }
  COLORREF Color() const { return FColor; }

 private:
  uint32_t FStyle;
  int FWidth;
  COLORREF FColor;
};

// A brush fills areas: solid in one colour, or hollow (BS_NULL), which fills nothing.
class TBrushObject : public TGdiObject {
 public:
  TBrushObject(uint32_t AStyle, COLORREF AColor) : FStyle(AStyle), FColor(AColor) {}
  TGdiObjectType ObjectType() const override { return OBJ_BRUSH; }

  uint32_t Style() const { return FStyle; }
  bool IsNull() const { return FStyle == BS_NULL; }
  COLORREF Color() const { return FColor; }

 private:
  uint32_t FStyle;
  COLORREF FColor;
};

using HPEN = TPenObject*;
using HBRUSH = TBrushObject*;

// A cosmetic pen. A width of 0 or below means 1; a style other than PS_SOLID, PS_DASH,
// PS_DOT and PS_NULL gives nullptr.
HPEN CreatePen(uint32_t AStyle, int AWidth, COLORREF AColor);
// A pen with end caps (PS_ENDCAP_*) whose colour is ABrush's; the join style is kept
// but not used (joins are drawn by overlapping the segments). User-defined dash
// patterns (AStyleCount, AStyles) are not supported: they must be 0 and nullptr.
HPEN ExtCreatePen(uint32_t AStyle, uint32_t AWidth, const LOGBRUSH* ABrush, uint32_t AStyleCount,
                  const uint32_t* AStyles);
HBRUSH CreateSolidBrush(COLORREF AColor);
// A solid or hollow brush; nullptr for other styles (hatches, patterns).
HBRUSH CreateBrushIndirect(const LOGBRUSH* ABrush);

// The stock pens and brushes listed above, and the text unit's stock fonts
// (ANSI_VAR_FONT, SYSTEM_FONT, DEFAULT_GUI_FONT, see StockFont); nullptr for other
// indices.
HGDIOBJ GetStockObject(int AIndex);
// A solid brush of system colour AIndex, made once; nullptr for an index outside the
// system-colour table.
HBRUSH GetSysColorBrush(int AIndex);
