#include <gtest/gtest.h>

#include <climits>
#include <thread>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontCacheInternal.h"
#include "platform/gdi/Fonts.h"
#include "tests/platform/gdi/TextTestCanvas.h"

namespace {

String FamilyOf(const String& AFaceName, int AWeight = FW_NORMAL, uint8_t APitch = DEFAULT_PITCH) {
  LOGFONT logFont;
  logFont.lfFaceName = AFaceName;
  logFont.lfWeight = AWeight;
  logFont.lfPitchAndFamily = APitch;
  TFontGuard font(CreateFontIndirect(logFont));
  return font.Font->Face().FamilyName();
}

TEST(Fonts, FaceNamesResolveThroughFontconfigWithDejaVuSansAsFallback) {
  struct TCase {
    String FaceName;
    String Family;
  } cases[] = {
      {"DejaVu Sans", "DejaVu Sans"},
      {"Arial", "Liberation Sans"},
      {"arial", "Liberation Sans"},
      {"Liberation Serif", "Liberation Serif"},
      {"Tahoma", "DejaVu Sans"},
      {"MS Sans Serif", "DejaVu Sans"},
      {"Microsoft Sans Serif", "DejaVu Sans"},
      {"Segoe UI", "DejaVu Sans"},
      {"Verdana", "DejaVu Sans"},
      {"No Such Face At All", "DejaVu Sans"},
      {"", "DejaVu Sans"},
  };
  for (const TCase& c : cases) EXPECT_EQ(FamilyOf(c.FaceName), c.Family) << c.FaceName;
  EXPECT_EQ(FamilyOf("Arial", FW_BOLD), "Liberation Sans");
  // Fixed pitch picks a monospaced face for a name that has none of its own.
  EXPECT_EQ(FamilyOf("No Such Face At All", FW_NORMAL, FIXED_PITCH), "DejaVu Sans Mono");
  EXPECT_EQ(FamilyOf("Arial", FW_NORMAL, FIXED_PITCH), "Liberation Sans");
}

TEST(Fonts, HeightIsCharacterHeightWhenNegativeAndCellHeightWhenPositive) {
  for (int height : {-8, -11, -14, -20, -33}) {
    TFontGuard font(CreateTestFont(height));
    const TEXTMETRIC& metric = font.Font->TextMetric();
    EXPECT_EQ(metric.tmHeight - metric.tmInternalLeading, -height) << height;
    EXPECT_EQ(metric.tmHeight, metric.tmAscent + metric.tmDescent) << height;
    EXPECT_GT(metric.tmInternalLeading, 0) << height;
  }
  for (int height : {8, 13, 14, 20, 33}) {
    TFontGuard font(CreateTestFont(height));
    const TEXTMETRIC& metric = font.Font->TextMetric();
    EXPECT_EQ(metric.tmHeight, height) << height;
    EXPECT_EQ(metric.tmHeight, metric.tmAscent + metric.tmDescent) << height;
    EXPECT_LT(metric.tmHeight - metric.tmInternalLeading, height) << height;
  }
}

TEST(Fonts, ZeroHeightAndEmptyNameGiveTheDefaultFont) {
  TFontGuard font(CreateFontIndirect(LOGFONT{}));
  const TEXTMETRIC& metric = font.Font->TextMetric();
  // DejaVu Sans at a character height of 11 pixels: 13 pixels per line.
  EXPECT_EQ(metric.tmHeight - metric.tmInternalLeading, 11);
  EXPECT_EQ(metric.tmHeight, 13);
  EXPECT_EQ(metric.tmWeight, FW_NORMAL);
  EXPECT_GT(metric.tmAveCharWidth, 3);
  EXPECT_GE(metric.tmMaxCharWidth, metric.tmAveCharWidth);
}

TEST(Fonts, StockFontsAreTheDefaultFontAndSurviveDeleteObject) {
  for (int index : {ANSI_VAR_FONT, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
    HGDIOBJ stock = StockFont(index);
    ASSERT_NE(stock, nullptr) << index;
    EXPECT_EQ(stock->ObjectType(), OBJ_FONT);
    EXPECT_EQ(static_cast<HFONT>(stock)->TextMetric().tmHeight, 13);
    DeleteObject(stock);
    EXPECT_EQ(StockFont(index), stock);
    EXPECT_EQ(static_cast<HFONT>(stock)->TextMetric().tmHeight, 13);
  }
  EXPECT_EQ(StockFont(WHITE_BRUSH), nullptr);
}

TEST(Fonts, StyleFieldsReachTheMetrics) {
  LOGFONT logFont;
  logFont.lfFaceName = TestFontName;
  logFont.lfWeight = FW_BOLD;
  logFont.lfItalic = 1;
  logFont.lfUnderline = 1;
  logFont.lfStrikeOut = 1;
  logFont.lfCharSet = ANSI_CHARSET;
  TFontGuard font(CreateFontIndirect(logFont));
  const TEXTMETRIC& metric = font.Font->TextMetric();
  EXPECT_EQ(metric.tmWeight, FW_BOLD);
  EXPECT_EQ(metric.tmItalic, 1);
  EXPECT_EQ(metric.tmUnderlined, 1);
  EXPECT_EQ(metric.tmStruckOut, 1);
  EXPECT_EQ(metric.tmCharSet, ANSI_CHARSET);
  EXPECT_EQ(font.Font->LogFont(), logFont);

  TFontGuard same(
      CreateFont(0, 0, 0, 0, FW_BOLD, 1, 1, 1, ANSI_CHARSET, 0, 0, 0, DEFAULT_PITCH, TestFontName));
  EXPECT_EQ(same.Font->LogFont(), logFont);
}

TEST(Fonts, EscapementIsRoundedToQuarterTurns) {
  struct TCase {
    int Escapement;
    int QuarterTurns;
  } cases[] = {{0, 0}, {900, 1}, {1800, 2}, {2700, 3}, {3600, 0}, {-900, 3}, {890, 1}, {400, 0}};
  for (const TCase& c : cases) {
    TFontGuard font(CreateTestFont(-11, FW_NORMAL, c.Escapement));
    EXPECT_EQ(font.Font->QuarterTurns(), c.QuarterTurns) << c.Escapement;
  }
}

TEST(Fonts, HostileHeightsAreBounded) {
  for (int height : {INT_MIN, -1000000, 1000000, INT_MAX}) {
    TFontGuard font(CreateTestFont(height));
    EXPECT_LE(font.Font->TextMetric().tmHeight, 1300) << height;
    EXPECT_GT(font.Font->TextMetric().tmHeight, 900) << height;
  }
}

TEST(Fonts, FontsOfTheSameFaceShareFilesAndSizes) {
  TFontGuard first(CreateTestFont(-17));
  const int opened = FaceOpenCount();
  TFontGuard second(CreateTestFont(-17));
  TFontGuard otherSize(CreateTestFont(-18));
  EXPECT_EQ(&second.Font->Face(), &first.Font->Face());
  EXPECT_NE(&otherSize.Font->Face(), &first.Font->Face());
  EXPECT_EQ(FaceOpenCount(), opened);
}

TEST(Fonts, BoldGlyphsAreWiderAndInkier) {
  TFontGuard regular(CreateTestFont(-20));
  TFontGuard bold(CreateTestFont(-20, FW_BOLD));
  std::vector<const TGlyph*> regularGlyphs;
  std::vector<const TGlyph*> boldGlyphs;
  regular.Font->Face().GetGlyphs(U"mW", regularGlyphs);
  bold.Font->Face().GetGlyphs(U"mW", boldGlyphs);
  for (size_t i = 0; i < regularGlyphs.size(); ++i) {
    EXPECT_GT(boldGlyphs[i]->Advance, regularGlyphs[i]->Advance);
    long regularInk = 0;
    long boldInk = 0;
    for (uint8_t c : regularGlyphs[i]->Coverage) regularInk += c;
    for (uint8_t c : boldGlyphs[i]->Coverage) boldInk += c;
    EXPECT_GT(boldInk, regularInk * 5 / 4);
  }
}

TEST(Fonts, ControlCharactersHaveNoInkAndNoAdvance) {
  TFontGuard font(CreateTestFont(-20));
  for (char32_t control : {U'\t', U'\r', U'\n', U'\x01', U'\x7F'}) {
    std::vector<const TGlyph*> glyphs;
    font.Font->Face().GetGlyphs(std::u32string(1, control), glyphs);
    EXPECT_EQ(glyphs[0]->Advance, 0);
    EXPECT_TRUE(glyphs[0]->Coverage.empty());
  }
}

// The engine draws text overlays on worker threads: fonts made and glyphs rendered on
// several threads at once give what one thread alone gives.
TEST(Fonts, ThreadsShareTheCacheSafely) {
  const std::u32string text = U"Pelladrin 0123456789 äöü";
  auto advances = [&text](int AHeight) {
    TFontGuard font(CreateTestFont(AHeight));
    std::vector<const TGlyph*> glyphs;
    font.Font->Face().GetGlyphs(text, glyphs);
    std::vector<int> result;
    for (const TGlyph* glyph : glyphs) result.push_back(glyph->Advance);
    return result;
  };
  std::vector<std::vector<int>> fromThreads(8);
  std::vector<std::thread> threads;
  for (int i = 0; i < 8; ++i) threads.emplace_back([&, i] { fromThreads[i] = advances(-30 - i % 4); });
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(fromThreads[i], advances(-30 - i % 4)) << i;
}

}  // namespace
