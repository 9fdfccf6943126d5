#include "platform/gdi/DrawingObjects.h"

#include <array>

#include "platform/gdi/Fonts.h"
#include "platform/gdi/ObjectUseInternal.h"

namespace {

bool IsKnownLineStyle(uint32_t AStyle) {
  const uint32_t Line = AStyle & PS_STYLE_MASK;
  return Line == PS_SOLID || Line == PS_DASH || Line == PS_DOT || Line == PS_NULL;
}

template <typename TObject>
TObject* MakeStock(TObject* AObject) {
  MarkStock(AObject);
  return AObject;
}

}  // namespace

HPEN CreatePen(uint32_t AStyle, int AWidth, COLORREF AColor) {
  if (!IsKnownLineStyle(AStyle) || (AStyle & ~PS_STYLE_MASK) != 0) return nullptr;
  return new TPenObject(AStyle, AWidth < 1 ? 1 : AWidth, AColor);
}

HPEN ExtCreatePen(uint32_t AStyle, uint32_t AWidth, const LOGBRUSH* ABrush, uint32_t AStyleCount,
                  const uint32_t* AStyles) {
  if (!ABrush || AStyleCount != 0 || AStyles || !IsKnownLineStyle(AStyle)) return nullptr;
  const int Width = AWidth < 1 ? 1 : AWidth > 0x7FFF ? 0x7FFF : int(AWidth);
  return new TPenObject(AStyle, Width, ABrush->lbStyle == BS_NULL ? 0 : ABrush->lbColor);
}

HBRUSH CreateSolidBrush(COLORREF AColor) { return new TBrushObject(BS_SOLID, AColor); }

HBRUSH CreateBrushIndirect(const LOGBRUSH* ABrush) {
  if (!ABrush || (ABrush->lbStyle != BS_SOLID && ABrush->lbStyle != BS_NULL)) return nullptr;
  return new TBrushObject(ABrush->lbStyle, ABrush->lbColor);
}

HGDIOBJ GetStockObject(int AIndex) {
  static const HBRUSH WhiteBrush = MakeStock(new TBrushObject(BS_SOLID, RGB(255, 255, 255)));
  static const HBRUSH BlackBrush = MakeStock(new TBrushObject(BS_SOLID, RGB(0, 0, 0)));
  static const HBRUSH NullBrush = MakeStock(new TBrushObject(BS_NULL, 0));
  static const HPEN WhitePen = MakeStock(new TPenObject(PS_SOLID, 1, RGB(255, 255, 255)));
  static const HPEN BlackPen = MakeStock(new TPenObject(PS_SOLID, 1, RGB(0, 0, 0)));
  static const HPEN NullPen = MakeStock(new TPenObject(PS_NULL, 1, 0));
  switch (AIndex) {
    case WHITE_BRUSH:
      return WhiteBrush;
    case BLACK_BRUSH:
      return BlackBrush;
    case NULL_BRUSH:
      return NullBrush;
    case WHITE_PEN:
      return WhitePen;
    case BLACK_PEN:
      return BlackPen;
    case NULL_PEN:
      return NullPen;
    default:
      return StockFont(AIndex);
  }
}

HBRUSH GetSysColorBrush(int AIndex) {
  static const auto Brushes = [] {
    std::array<HBRUSH, COLOR_ENDCOLORS + 1> Result;
    for (int I = 0; I <= COLOR_ENDCOLORS; ++I)
      Result[I] = MakeStock(new TBrushObject(BS_SOLID, GetSysColor(I)));
    return Result;
  }();
  if (AIndex < 0 || AIndex > COLOR_ENDCOLORS) return nullptr;
  return Brushes[AIndex];
}
