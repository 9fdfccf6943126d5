#include <gtest/gtest.h>

#include <thread>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontCacheInternal.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/TextRunInternal.h"
#include "tests/platform/gdi/TextTestCanvas.h"

namespace {

class TextDraw : public ::testing::Test {
 protected:
  TFontGuard FFont{CreateTestFont(-16)};
  TTextCanvas FCanvas{400, 120, FFont.Font};

  int Extent(const String& AText) {
    TSize size;
    EXPECT_TRUE(GetTextExtentPoint32(FCanvas.DC(), AText, size));
    return size.cx;
  }
  int LineHeight() const { return FFont.Font->TextMetric().tmHeight; }
  const TFaceMetrics& Metrics() const { return FFont.Font->Face().Metrics(); }
};

TEST_F(TextDraw, TextWidthEqualsTheCalcRectWidth) {
  for (const char* text : {"File", "Hello, World", "00:03:25", "Größe €", "a  b", "&&"}) {
    TRect rect{10, 20, 10, 20};
    const int height = DrawText(FCanvas.DC(), text, rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(rect.Width(), Extent(text)) << text;
    EXPECT_EQ(rect.Left, 10);
    EXPECT_EQ(rect.Top, 20);
    EXPECT_EQ(height, LineHeight());
    EXPECT_EQ(rect.Height(), LineHeight());
  }
  EXPECT_GT(Extent("Hello, World"), Extent("Hello"));
  TSize size;
  GetTextExtentPoint32(FCanvas.DC(), "", size);
  EXPECT_EQ(size, (TSize{0, LineHeight()}));
  // Measuring an empty text gives an empty rectangle.
  TRect empty{5, 5, 100, 100};
  EXPECT_EQ(DrawText(FCanvas.DC(), "", empty, DT_CALCRECT), 0);
  EXPECT_EQ(empty, (TRect{5, 5, 5, 5}));
}

TEST_F(TextDraw, TextOutDrawsInsideItsCellAndLeavesAlphaZero) {
  EXPECT_TRUE(TextOut(FCanvas.DC(), 20, 30, "Hello"));
  const TRect cell = Bounds(20, 30, Extent("Hello"), LineHeight());
  const TRect box = FCanvas.InkBox();
  TRect inside;
  IntersectRect(inside, box, cell);
  EXPECT_EQ(inside, box);
  EXPECT_GT(box.Width(), cell.Width() * 3 / 4);
  for (int y = 0; y < FCanvas.Height(); ++y)
    for (int x = 0; x < FCanvas.Width(); ++x)
      ASSERT_EQ(FCanvas.Pixel(x, y)[3], FCanvas.Ink(x, y) > 0 ? 0 : 255) << x << "," << y;
}

TEST_F(TextDraw, TextIsDrawnInTheTextColourWithGreyEdges) {
  SetTextColor(FCanvas.DC(), RGB(255, 0, 0));
  TextOut(FCanvas.DC(), 10, 10, "HO");
  int full = 0;
  int partial = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const uint8_t* pixel = FCanvas.Pixel(x, y);
      EXPECT_EQ(pixel[2], 255);  // red stays full on white
      EXPECT_EQ(pixel[0], pixel[1]);
      if (pixel[1] == 0) ++full;
      if (pixel[1] > 0 && pixel[1] < 255) ++partial;
    }
  EXPECT_GT(full, 10);
  EXPECT_GT(partial, 10);
}

TEST_F(TextDraw, PrefixUnderlinesTheNextLetterOnly) {
  TRect rect{10, 10, 300, 60};
  DrawText(FCanvas.DC(), "&File", rect, DT_SINGLELINE);
  TTextCanvas plain(400, 120, FFont.Font);
  DrawText(plain.DC(), "File", rect, DT_SINGLELINE);

  const int fWidth = Extent("F");
  const int underlineRow = 10 + Metrics().UnderlineTop;
  for (int x = 10; x < 10 + fWidth; ++x) EXPECT_GT(FCanvas.Ink(x, underlineRow), 200) << x;
  for (int x = 10 + fWidth; x < 10 + Extent("File"); ++x) EXPECT_EQ(FCanvas.Ink(x, underlineRow), 0) << x;
  // Apart from the underline the prefixed text is the plain one.
  EXPECT_TRUE(FCanvas.SamePixels(plain, {0, 0, 400, underlineRow}));
  EXPECT_TRUE(FCanvas.SamePixels(plain, {0, underlineRow + Metrics().UnderlineThickness, 400, 120}));
  EXPECT_EQ(plain.InkSum({0, underlineRow, 400, underlineRow + 1}), 0);
}

TEST_F(TextDraw, NoPrefixDrawsTheAmpersand) {
  TRect measured{0, 0, 0, 0};
  DrawText(FCanvas.DC(), "&File", measured, DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(measured.Width(), Extent("&File"));
  EXPECT_GT(measured.Width(), Extent("File"));

  TRect rect{10, 10, 300, 60};
  DrawText(FCanvas.DC(), "&File", rect, DT_NOPREFIX);
  TTextCanvas expected(400, 120, FFont.Font);
  TextOut(expected.DC(), 10, 10, "&File");
  EXPECT_TRUE(FCanvas.SamePixels(expected, {0, 0, 400, 120}));
}

TEST_F(TextDraw, DoubleAmpersandPrintsOne) {
  TRect rect{10, 10, 300, 60};
  DrawText(FCanvas.DC(), "A&&B", rect, 0);
  TTextCanvas expected(400, 120, FFont.Font);
  TextOut(expected.DC(), 10, 10, "A&B");
  EXPECT_TRUE(FCanvas.SamePixels(expected, {0, 0, 400, 120}));
}

// The number of leading characters of AText that, followed by ATail and drawn at
// (10, 10), give exactly the pixels of ACanvas; -1 when none does.
int MatchingHeadLength(const TTextCanvas& ACanvas, HFONT AFont, const String& AText, const String& ATail) {
  for (size_t length = 0; length <= AText.size(); ++length) {
    TTextCanvas candidate(ACanvas.Width(), ACanvas.Height(), AFont);
    TextOut(candidate.DC(), 10, 10, AText.substr(0, length) + ATail);
    if (candidate.SamePixels(ACanvas, {0, 0, ACanvas.Width(), ACanvas.Height()}))
      return static_cast<int>(length);
  }
  return -1;
}

TEST_F(TextDraw, EndEllipsisKeepsTheTextInsideTheRectangle) {
  const String text = "The quick brown fox jumps over the lazy dog";
  const TRect rect{10, 10, 130, 40};
  TRect drawn = rect;
  // DT_NOCLIP: the text itself, not the clip, must stay inside.
  DrawText(FCanvas.DC(), text, drawn, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  const TRect box = FCanvas.InkBox();
  EXPECT_LE(box.Right, rect.Right);
  EXPECT_GT(box.Right, rect.Right - Extent("W") * 2);
  // What is drawn is the start of the text and "...".
  const int kept = MatchingHeadLength(FCanvas, FFont.Font, text, "...");
  EXPECT_GT(kept, 5);
  EXPECT_LT(kept, static_cast<int>(text.size()));
}

TEST_F(TextDraw, PathEllipsisKeepsTheFileName) {
  const String folder = "/home/someone/Videos/Holidays 2011/Beach";
  const String fileName = "/clip0001.mp4";
  const TRect rect{10, 10, 200, 40};
  TRect drawn = rect;
  DrawText(FCanvas.DC(), folder + fileName, drawn, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_NOCLIP);
  EXPECT_LE(FCanvas.InkBox().Right, rect.Right);
  // What is drawn is the start of the folder, "..." and the whole file name.
  const int kept = MatchingHeadLength(FCanvas, FFont.Font, folder, "..." + fileName);
  EXPECT_GT(kept, 3);
  EXPECT_LT(kept, static_cast<int>(folder.size()));
}

TEST_F(TextDraw, WordBreakWrapsAtTheRectangleWidth) {
  const String text = "Converting media files";
  const int width = Extent(text);
  TRect rect{0, 0, width / 2 + 8, 0};
  const int height = DrawText(FCanvas.DC(), text, rect, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(height, 2 * LineHeight());
  EXPECT_EQ(rect.Bottom, 2 * LineHeight());
  EXPECT_LE(rect.Right, width / 2 + 8);

  TRect box{10, 10, 10 + width / 2 + 8, 100};
  EXPECT_EQ(DrawText(FCanvas.DC(), text, box, DT_WORDBREAK), 2 * LineHeight());
  EXPECT_GT(FCanvas.InkSum({0, 10, 400, 10 + LineHeight()}), 0);
  EXPECT_GT(FCanvas.InkSum({0, 10 + LineHeight(), 400, 10 + 2 * LineHeight()}), 0);
  EXPECT_EQ(FCanvas.InkSum({0, 10 + 2 * LineHeight(), 400, 120}), 0);
}

TEST_F(TextDraw, AlignmentPlacesTheLineInTheRectangle) {
  const TRect rect{50, 20, 350, 100};
  const int width = Extent("Align");
  struct TCase {
    unsigned Format;
    int Left;
    int Top;
    int Returned;
  } cases[] = {
      {DT_SINGLELINE, 50, 20, LineHeight()},
      {DT_SINGLELINE | DT_CENTER, 50 + (300 - width) / 2, 20, LineHeight()},
      {DT_SINGLELINE | DT_RIGHT, 350 - width, 20, LineHeight()},
      {DT_SINGLELINE | DT_VCENTER, 50, 20 + (80 - LineHeight()) / 2, (80 - LineHeight()) / 2 + LineHeight()},
      {DT_SINGLELINE | DT_BOTTOM, 50, 100 - LineHeight(), 80},
      // Vertical alignment needs DT_SINGLELINE.
      {DT_VCENTER, 50, 20, LineHeight()},
  };
  TTextCanvas reference(400, 120, FFont.Font);
  TextOut(reference.DC(), 0, 0, "Align");
  const TRect referenceBox = reference.InkBox();
  for (const TCase& c : cases) {
    TTextCanvas canvas(400, 120, FFont.Font);
    TRect r = rect;
    EXPECT_EQ(DrawText(canvas.DC(), "Align", r, c.Format), c.Returned) << c.Format;
    TRect expected = referenceBox;
    OffsetRect(expected, c.Left, c.Top);
    EXPECT_EQ(canvas.InkBox(), expected) << c.Format;
  }
}

TEST_F(TextDraw, DrawTextClipsToTheRectangleUnlessNoClip) {
  const TRect rect{10, 10, 60, 30};
  TRect r = rect;
  DrawText(FCanvas.DC(), "A long line of text", r, DT_SINGLELINE);
  const TRect box = FCanvas.InkBox();
  EXPECT_LE(box.Right, rect.Right);
  EXPECT_GT(box.Right, rect.Right - 3);

  TTextCanvas unclipped(400, 120, FFont.Font);
  DrawText(unclipped.DC(), "A long line of text", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(unclipped.InkBox().Right, rect.Right + 20);
}

TEST_F(TextDraw, BoldIsWiderAndInkier) {
  TFontGuard bold(CreateTestFont(-16, FW_BOLD));
  TTextCanvas boldCanvas(400, 120, bold.Font);
  TextOut(FCanvas.DC(), 10, 10, "Bold text");
  TextOut(boldCanvas.DC(), 10, 10, "Bold text");
  TSize boldSize;
  GetTextExtentPoint32(boldCanvas.DC(), "Bold text", boldSize);
  EXPECT_GT(boldSize.cx, Extent("Bold text"));
  EXPECT_GT(boldCanvas.InkSum(), FCanvas.InkSum() * 5 / 4);
}

TEST_F(TextDraw, UnderlineAndStrikeOutFontsDrawLinesAcrossTheText) {
  LOGFONT logFont = FFont.Font->LogFont();
  logFont.lfUnderline = 1;
  logFont.lfStrikeOut = 1;
  TFontGuard lined(CreateFontIndirect(logFont));
  TTextCanvas canvas(400, 120, lined.Font);
  TextOut(canvas.DC(), 10, 10, "a b");
  const int width = Extent("a b");
  for (int row : {10 + Metrics().UnderlineTop, 10 + Metrics().StrikeOutTop})
    for (int x = 10; x < 10 + width; ++x) EXPECT_GT(canvas.Ink(x, row), 200) << row << "," << x;
  EXPECT_EQ(canvas.InkSum({10 + width, 0, 400, 120}), 0);
}

TEST_F(TextDraw, Escapement900DrawsUpwardsInATallNarrowBox) {
  TFontGuard vertical(CreateTestFont(-16, FW_NORMAL, 900));
  TTextCanvas canvas(120, 300, vertical.Font);
  const int width = Extent("Vertical text");
  TextOut(canvas.DC(), 40, 250, "Vertical text");
  const TRect box = canvas.InkBox();
  EXPECT_GT(box.Height(), 3 * box.Width());
  // The cell turns about the reference point: it spans x 40 to 40 + line height and
  // y 250 - width to 250.
  EXPECT_GE(box.Left, 40);
  EXPECT_LE(box.Right, 40 + LineHeight());
  EXPECT_GE(box.Top, 250 - width);
  EXPECT_LE(box.Bottom, 250);
  EXPECT_GT(box.Height(), width * 3 / 4);
  // The text reads bottom to top with the tops of the letters facing left: capitals
  // first and dots last put the ink at the bottom, left of the baseline.
  TTextCanvas upwards(120, 300, vertical.Font);
  TextOut(upwards.DC(), 40, 250, "MMM......");
  const int capitalsEnd = 250 - Extent("MMM");
  EXPECT_GT(upwards.InkSum({0, capitalsEnd, 120, 300}), 4 * upwards.InkSum({0, 0, 120, capitalsEnd}));
  EXPECT_GT(upwards.InkSum({0, 0, 120, capitalsEnd}), 0);
  EXPECT_LE(upwards.InkBox().Right, 40 + vertical.Font->TextMetric().tmAscent);
  // In opaque mode the whole turned cell is filled.
  TTextCanvas opaque(120, 300, vertical.Font);
  SetBkMode(opaque.DC(), OPAQUE);
  SetBkColor(opaque.DC(), RGB(0, 0, 0));
  TextOut(opaque.DC(), 40, 250, "Vertical text");
  EXPECT_EQ(opaque.InkBox(), (TRect{40, 250 - width, 40 + LineHeight(), 250}));
}

TEST_F(TextDraw, ExtTextOutClipsAndFills) {
  const TRect rect{20, 10, 60, 40};
  SetBkColor(FCanvas.DC(), RGB(0, 0, 255));
  ExtTextOut(FCanvas.DC(), 20, 10, ETO_CLIPPED | ETO_OPAQUE, &rect, "Clipped text");
  for (int y = 0; y < FCanvas.Height(); ++y)
    for (int x = 0; x < FCanvas.Width(); ++x) {
      const uint8_t* pixel = FCanvas.Pixel(x, y);
      if (PtInRect(rect, {x, y})) {
        ASSERT_EQ(pixel[1], 0) << x << "," << y;  // blue background or black text
      } else {
        ASSERT_EQ(pixel[1], 255) << x << "," << y;
        ASSERT_EQ(pixel[2], 255) << x << "," << y;
      }
    }
  // Only clipped: the background stays, the text is cut at the rectangle.
  TTextCanvas clipped(400, 120, FFont.Font);
  ExtTextOut(clipped.DC(), 20, 10, ETO_CLIPPED, &rect, "Clipped text");
  EXPECT_EQ(clipped.InkSum({0, 0, 400, 120}), clipped.InkSum(rect));
  EXPECT_GT(clipped.InkSum(rect), 0);
  // Neither: the rectangle does nothing.
  TTextCanvas free(400, 120, FFont.Font);
  ExtTextOut(free.DC(), 20, 10, 0, &rect, "Clipped text");
  EXPECT_GT(free.InkBox().Right, rect.Right + 20);
}

TEST_F(TextDraw, ExtTextOutTakesAdvancesFromDx) {
  const int dx[] = {30, 30, 30};
  ExtTextOut(FCanvas.DC(), 10, 10, 0, nullptr, "iii", dx);
  TTextCanvas single(400, 120, FFont.Font);
  TextOut(single.DC(), 10, 10, "i");
  const TRect glyph = single.InkBox();
  for (int i = 0; i < 3; ++i) {
    TRect column = glyph;
    OffsetRect(column, 30 * i, 0);
    EXPECT_TRUE(FCanvas.SamePixels(single, column, -30 * i, 0)) << i;
  }
}

TEST_F(TextDraw, OpaqueModeFillsTheTextCell) {
  SetBkMode(FCanvas.DC(), OPAQUE);
  SetBkColor(FCanvas.DC(), RGB(0, 0, 0));
  TextOut(FCanvas.DC(), 15, 25, "Cell");
  EXPECT_EQ(FCanvas.InkBox(), Bounds(15, 25, Extent("Cell"), LineHeight()));
  EXPECT_EQ(FCanvas.InkSum(), 255L * Extent("Cell") * LineHeight());
}

TEST_F(TextDraw, OriginAndClipOfTheDeviceContextApply) {
  SetViewportOrgEx(FCanvas.DC(), 100, 20, nullptr);
  TextOut(FCanvas.DC(), 10, 10, "Shifted");
  TTextCanvas plain(400, 120, FFont.Font);
  TextOut(plain.DC(), 110, 30, "Shifted");
  EXPECT_TRUE(FCanvas.SamePixels(plain, {0, 0, 400, 120}));

  TTextCanvas clipped(400, 120, FFont.Font);
  IntersectClipRect(clipped.DC(), 0, 0, 130, 120);
  TextOut(clipped.DC(), 110, 30, "Shifted");
  EXPECT_LE(clipped.InkBox().Right, 130);
  EXPECT_TRUE(clipped.SamePixels(plain, {0, 0, 130, 120}));
}

TEST_F(TextDraw, DrawTextExAppliesMarginsAndReportsTheLength) {
  DRAWTEXTPARAMS params;
  params.iLeftMargin = 30;
  params.iRightMargin = 10;
  TRect measured{0, 0, 0, 0};
  EXPECT_EQ(DrawTextEx(FCanvas.DC(), "Größe", measured, DT_CALCRECT | DT_SINGLELINE, &params), LineHeight());
  EXPECT_EQ(measured.Width(), 30 + Extent("Größe") + 10);
  EXPECT_EQ(params.uiLengthDrawn, 5u);

  TRect rect{10, 10, 300, 60};
  DrawTextEx(FCanvas.DC(), "Margin", rect, DT_SINGLELINE, &params);
  TTextCanvas expected(400, 120, FFont.Font);
  TextOut(expected.DC(), 40, 10, "Margin");
  EXPECT_TRUE(FCanvas.SamePixels(expected, {0, 0, 400, 120}));
}

TEST_F(TextDraw, WithoutASelectedFontTheDefaultFontDraws) {
  TTextCanvas canvas(200, 60);
  TEXTMETRIC metric;
  ASSERT_TRUE(GetTextMetrics(canvas.DC(), metric));
  EXPECT_EQ(metric.tmHeight, 13);
  TextOut(canvas.DC(), 5, 5, "Default");
  EXPECT_GT(canvas.InkSum(), 0);
}

TEST_F(TextDraw, DrawingAgainReusesTheGlyphCache) {
  TRect rect{0, 0, 400, 120};
  DrawText(FCanvas.DC(), "Row 17  clip0017.mp4  00:03:25  1.2 MB", rect, DT_SINGLELINE | DT_END_ELLIPSIS);
  const int opened = FaceOpenCount();
  const int rendered = GlyphRenderCount();
  TFontGuard again(CreateTestFont(-16));
  TTextCanvas canvas(400, 120, again.Font);
  DrawText(canvas.DC(), "Row 17  clip0017.mp4  00:03:25  1.2 MB", rect, DT_SINGLELINE | DT_END_ELLIPSIS);
  TextOut(canvas.DC(), 0, 40, "Row 71");
  EXPECT_EQ(FaceOpenCount(), opened);
  EXPECT_EQ(GlyphRenderCount(), rendered);
}

// A run drawn again in the same font comes from the run cache, pixel for pixel the
// same; another text, size, line, weight or turn of the font is rendered anew.
TEST_F(TextDraw, ARunDrawnAgainIsReusedAndEveryChangeIsRenderedAnew) {
  const String text = "Bit Rate: 1500 kbit/s";
  TextOut(FCanvas.DC(), 5, 40, text);
  const int rendered = TextRunRenderCount();
  TTextCanvas again(400, 120, FFont.Font);
  TextOut(again.DC(), 5, 40, text);
  EXPECT_EQ(TextRunRenderCount(), rendered);
  EXPECT_TRUE(again.SamePixels(FCanvas, {0, 0, 400, 120}));

  auto underlined = [] {
    LOGFONT logFont;
    logFont.lfFaceName = TestFontName;
    logFont.lfHeight = -16;
    logFont.lfUnderline = 1;
    return CreateFontIndirect(logFont);
  };
  struct TChange {
    const char* Name;
    HFONT Font;
    String Text;
  };
  const TChange changes[] = {
      {"text", nullptr, "Bit Rate: 1600 kbit/s"},
      {"height", CreateTestFont(-20), text},
      {"weight", CreateTestFont(-16, FW_BOLD), text},
      {"underline", underlined(), text},
      {"escapement", CreateTestFont(-16, FW_NORMAL, 900), text},
  };
  for (const TChange& change : changes) {
    SCOPED_TRACE(change.Name);
    TFontGuard font(change.Font ? change.Font : CreateTestFont(-16));
    TTextCanvas changed(400, 120, font.Font);
    const int before = TextRunRenderCount();
    TextOut(changed.DC(), 5, 40, change.Text);
    EXPECT_EQ(TextRunRenderCount(), before + 1);
    EXPECT_FALSE(changed.SamePixels(FCanvas, {0, 0, 400, 120}));
  }
}

// Text overlays are drawn on worker threads, each into its own bitmap.
TEST_F(TextDraw, ThreadsDrawTheSameTextAsOneThread) {
  TextOut(FCanvas.DC(), 5, 5, "Frame 0001 — 00:00:04");
  std::vector<std::unique_ptr<TTextCanvas>> canvases;
  for (int i = 0; i < 6; ++i) canvases.push_back(std::make_unique<TTextCanvas>(400, 120, FFont.Font));
  std::vector<std::thread> threads;
  for (auto& canvas : canvases)
    threads.emplace_back([&canvas] { TextOut(canvas->DC(), 5, 5, "Frame 0001 — 00:00:04"); });
  for (std::thread& thread : threads) thread.join();
  for (auto& canvas : canvases) EXPECT_TRUE(canvas->SamePixels(FCanvas, {0, 0, 400, 120}));
}

}  // namespace
