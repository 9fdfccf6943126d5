#pragma once
// Text drawing and measuring with the font selected into a device context, in the
// window system's terms. Text is UTF-8; positions and lpDx entries count code points.
// Glyphs are grey-scale anti-aliased and blended in the text colour through the DC's
// origin and clip; on a 32-bit surface text leaves alpha 0, as every GDI primitive does.
// A device context without a font selected draws with the default font (Fonts.h).
//
// Text is laid out glyph by glyph with whole-pixel advances and no kerning or shaping,
// so a text is as wide as the sum of its characters wherever it is drawn.

#include "platform/base/Strings.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Geometry.h"

// DrawText formats.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
// Right-to-left reading is accepted and ignored: the program's texts run left to right.
constexpr unsigned DT_RTLREADING = 0x20000;

// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 0x2;
constexpr unsigned ETO_CLIPPED = 0x4;

// Optional parameters of DrawTextEx.
struct DRAWTEXTPARAMS {
  unsigned cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 0;  // tab stops in average character widths; 0 means 8
  int iLeftMargin = 0;
  int iRightMargin = 0;
  unsigned uiLengthDrawn = 0;  // out: code points of the text that were laid out
};

// Draws AText with the top left of its cell at (AX, AY); with escapement the cell
// turns about that point. In OPAQUE background mode the cell is first filled with the
// background colour.
bool TextOut(HDC ADC, int AX, int AY, const String& AText);

// TextOut with options: ETO_OPAQUE fills ARect with the background colour first,
// ETO_CLIPPED clips the text to ARect (ARect may be null without either). ADx, when
// given, holds one advance per code point of AText, replacing the font's.
bool ExtTextOut(HDC ADC, int AX, int AY, unsigned AOptions, const TRect* ARect, const String& AText,
                const int* ADx = nullptr);

// The width of AText (the sum of its advances) and the font's line height.
bool GetTextExtentPoint32(HDC ADC, const String& AText, TSize& ASize);

bool GetTextMetrics(HDC ADC, TEXTMETRIC& AMetric);

// Draws AText formatted in ARect (see TextLayout.h for the line rules) and returns
// the height of the text; with DT_VCENTER or DT_BOTTOM, the offset from ARect's top
// to the bottom of the text. Vertical alignment applies to DT_SINGLELINE only. Unless
// DT_NOCLIP is given, nothing is drawn outside ARect. DT_CALCRECT draws nothing and
// sets ARect's right and bottom to the extent of the text (its left and top stay; the
// width of ARect is the wrapping width with DT_WORDBREAK). An empty text has height 0.
int DrawText(HDC ADC, const String& AText, TRect& ARect, unsigned AFormat);

// DrawText with margins and a tab length from AParams (may be null).
int DrawTextEx(HDC ADC, const String& AText, TRect& ARect, unsigned AFormat, DRAWTEXTPARAMS* AParams);
