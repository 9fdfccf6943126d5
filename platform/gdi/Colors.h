#pragma once
// Colours as the class library and the window system write them.
//
// A COLORREF is 0x00BBGGRR: red in the low byte. A TColor is the same value, or a
// reference to a system colour: 0xFF0000nn names entry nn of the system-colour table
// (clBtnFace = 0xFF00000F, which reads -16777201 as a signed TColor). ColorToRGB turns a
// TColor into a COLORREF by looking system colours up; every other value passes through.
//
// The system-colour table is fixed (the same on every machine, so tests and pictures
// never depend on a desktop theme). It holds the classic desktop look: grey 3-D faces
// of RGB(212, 208, 200), navy selection RGB(10, 36, 106), white windows, pale yellow
// hints. The colour table never changes, so every routine here may run on any thread.

#include <cstdint>

using TColor = int32_t;
using COLORREF = uint32_t;

// A COLORREF that stands for no colour; GetPixel and SetPixel answer it on failure.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(int ARed, int AGreen, int ABlue) {
  return COLORREF(ARed & 0xFF) | (COLORREF(AGreen & 0xFF) << 8) | (COLORREF(ABlue & 0xFF) << 16);
}
constexpr uint8_t GetRValue(COLORREF AColor) { return uint8_t(AColor); }
constexpr uint8_t GetGValue(COLORREF AColor) { return uint8_t(AColor >> 8); }
constexpr uint8_t GetBValue(COLORREF AColor) { return uint8_t(AColor >> 16); }

// Indices of the system-colour table.
enum : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_DESKTOP = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_3DFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_3DSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DHIGHLIGHT = 20,
  COLOR_3DHILIGHT = 20,
  COLOR_BTNHILIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
  COLOR_ENDCOLORS = COLOR_MENUBAR,
};

constexpr TColor SystemColor(int AIndex) { return TColor(0xFF000000u | uint32_t(AIndex)); }

// The system-colour references of the class library.
constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = SystemColor(COLOR_MENU);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = SystemColor(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = SystemColor(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = SystemColor(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);
constexpr TColor clHotLight = SystemColor(COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = SystemColor(COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = SystemColor(COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = SystemColor(COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = SystemColor(COLOR_MENUBAR);

// The named colours of the class library.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// "No colour" (an image list without background, a transparent fill) and "the
// control's default"; both pass through ColorToRGB unchanged.
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The colour of system-colour table entry AIndex; 0 (black) for an index outside the
// table.
COLORREF GetSysColor(int AIndex);
// A system-colour reference resolved through GetSysColor; any other value unchanged.
COLORREF ColorToRGB(TColor AColor);
