#pragma once
// The colours and sizes of the default skin "skin-new": light, calm and flat, with one
// accent colour for what is active, selected or pressed. Every picture and every
// record of the skin takes its colours and sizes from here.

#include <cstdint>

#include "platform/gdi/Colors.h"

namespace skin_new {

// An sRGB colour as a designer writes it, 0xRRGGBB, as a class-library colour.
constexpr TColor Hex(uint32_t ARgb) {
  return TColor(RGB(int(ARgb >> 16 & 0xFF), int(ARgb >> 8 & 0xFF), int(ARgb & 0xFF)));
}

namespace palette {
constexpr TColor Background = Hex(0xF4F5F7);  // forms, panels, tool bars
constexpr TColor Surface = Hex(0xFFFFFF);     // edits, lists, grids, popup menus
constexpr TColor Border = Hex(0xD0D4DA);
constexpr TColor BorderHot = Hex(0xAEB6C0);
constexpr TColor BorderDisabled = Hex(0xE1E4E8);
constexpr TColor Light = Hex(0xE6E9ED);    // hover fills, separators
constexpr TColor Pressed = Hex(0xDDE1E6);  // pressed neutral fills
constexpr TColor Text = Hex(0x1F2328);
constexpr TColor SecondaryText = Hex(0x57606A);
constexpr TColor DisabledText = Hex(0x8C959F);
constexpr TColor Accent = Hex(0x2563EB);
constexpr TColor AccentHot = Hex(0x3B76F0);
constexpr TColor AccentPressed = Hex(0x1D4FC4);
constexpr TColor AccentDisabled = Hex(0xA9BFF2);
constexpr TColor AccentText = Hex(0xFFFFFF);
constexpr TColor SelectionUnfocused = Hex(0xDCE6FB);
constexpr TColor CaptionActive = Hex(0xFFFFFF);
constexpr TColor CaptionInactive = Hex(0xEEF0F3);
constexpr TColor Close = Hex(0xD1242F);
constexpr TColor ClosePressed = Hex(0xA91D26);
constexpr TColor HintBackground = Hex(0x1F2328);
constexpr TColor HintText = Hex(0xFFFFFF);
constexpr TColor ScrollThumb = Hex(0xC3C9D1);
constexpr TColor ScrollThumbHot = Hex(0xAEB6C0);
constexpr TColor ScrollThumbPressed = Hex(0x8C959F);
// Pixels of this colour in a picture part drawn with a transparent colour are left out.
constexpr TColor TransparentKey = Hex(0xFF00FF);
}  // namespace palette

namespace metrics {
constexpr const char* FontName = "Arial";
constexpr int FontHeight = 14;
constexpr int SmallFontHeight = 12;
constexpr int CaptionHeight = 32;
constexpr int CaptionButtonWidth = 46;
constexpr int FrameTopRadius = 8;
constexpr int FrameBottomRadius = 4;
constexpr int FrameBorder = 4;  // the resizing strip, its outer pixel the border line
constexpr int ButtonHeight = 28;
constexpr int ButtonRadius = 6;
constexpr int ToolButtonSize = 32;
constexpr int BigToolButtonSize = 48;
constexpr int MenuItemHeight = 26;
constexpr int MenuSeparatorHeight = 9;
constexpr int PopupRadius = 6;
constexpr int EditHeight = 28;
constexpr int EditPadding = 8;
constexpr int CheckSize = 16;
constexpr int TrackThickness = 4;
constexpr int ThumbSize = 16;
constexpr int GaugeThickness = 8;
constexpr int ScrollBarWidth = 12;
constexpr int TabHeight = 30;
constexpr int RowHeight = 28;
}  // namespace metrics

}  // namespace skin_new
