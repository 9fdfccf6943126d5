#pragma once
// One line of text rendered into one coverage mask (internal to the text unit): its
// glyphs, underline and strike-out, turned by the font's escapement. TextOut,
// ExtTextOut and DrawText all draw through it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/Fonts.h"
#include "platform/gdi/Geometry.h"

class TDeviceContext;

struct TRunStyle {
  const int* Dx = nullptr;  // one advance per code point, replacing the font's
  int TabWidth = 0;         // pixels between tab stops; 0: tabs take no room
  int PrefixIndex = -1;     // a code point to underline, or -1
};

// Rectangles are relative to the run's reference point, the top left of its cell
// before turning.
struct TTextRun {
  TRect Bounds;                   // of the mask
  std::vector<uint8_t> Coverage;  // Bounds.Width() per row
  TRect Cell;                     // the advance width by the line height
};

// The run of the code points in the font; a run without its own advances (Dx) that
// was drawn lately comes from a cache.
TTextRun RenderTextRun(const TFontObject& AFont, std::u32string_view ACodePoints, const TRunStyle& AStyle);
// How many runs were rendered rather than taken from the cache since the process
// started; tests read it to show that drawing again reuses the cache.
int TextRunRenderCount();

// The sum of the advances of the code points.
int TextWidth(const TFontObject& AFont, std::u32string_view ACodePoints);

// Blends the run in the DC's text colour with its reference point at logical (AX, AY);
// in OPAQUE background mode its cell is filled with the background colour first.
// AClip (logical) limits both when given.
void DrawTextRun(TDeviceContext* ADC, int AX, int AY, const TTextRun& ARun, const TRect* AClip);

// The font selected into the DC, or the default font when none is.
const TFontObject& SelectedFont(const TDeviceContext* ADC);
