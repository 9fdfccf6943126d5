#include <gtest/gtest.h>

#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"

TEST(Colors, ColourValuesAreRedInTheLowByte) {
  constexpr COLORREF Orange = RGB(255, 128, 7);
  EXPECT_EQ(0x000780FFu, Orange);
  EXPECT_EQ(255, GetRValue(Orange));
  EXPECT_EQ(128, GetGValue(Orange));
  EXPECT_EQ(7, GetBValue(Orange));
  EXPECT_EQ(RGB(255, 0, 255), COLORREF(clFuchsia));
  EXPECT_EQ(RGB(128, 0, 0), COLORREF(clMaroon));
  EXPECT_EQ(RGB(255, 0, 0), COLORREF(clRed));
  EXPECT_EQ(RGB(0, 0, 128), COLORREF(clNavy));
}

TEST(Colors, SystemColourReferencesResolveThroughTheFixedTable) {
  EXPECT_EQ(-16777201, clBtnFace);
  struct Case {
    TColor Color;
    COLORREF Expected;
  };
  const Case Cases[] = {
      {clBtnFace, RGB(212, 208, 200)},
      {clBtnShadow, RGB(128, 128, 128)},
      {clBtnHighlight, RGB(255, 255, 255)},
      {clWindow, RGB(255, 255, 255)},
      {clWindowText, RGB(0, 0, 0)},
      {clHighlight, RGB(10, 36, 106)},
      {clHighlightText, RGB(255, 255, 255)},
      {clInfoBk, RGB(255, 255, 225)},
      {cl3DDkShadow, RGB(64, 64, 64)},
      {clRed, RGB(255, 0, 0)},
      {clNone, 0x1FFFFFFF},
      {clDefault, 0x20000000},
  };
  for (const Case& C : Cases) EXPECT_EQ(C.Expected, ColorToRGB(C.Color)) << C.Color;
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), ColorToRGB(clBtnFace));
  EXPECT_EQ(0u, GetSysColor(-1));
  EXPECT_EQ(0u, GetSysColor(COLOR_ENDCOLORS + 1));
}

TEST(Colors, SystemColourBrushesAreSharedAndNeverFreed) {
  const HBRUSH Face = GetSysColorBrush(COLOR_BTNFACE);
  ASSERT_NE(nullptr, Face);
  EXPECT_EQ(Face, GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_TRUE(DeleteObject(Face));  // accepted and ignored, as for every stock object
  LOGBRUSH Described;
  ASSERT_EQ(int(sizeof(LOGBRUSH)), GetObject(Face, sizeof(Described), &Described));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), Described.lbColor);
  EXPECT_EQ(nullptr, GetSysColorBrush(99));
}
