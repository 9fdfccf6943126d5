// Captions: the image-and-caption layout, fitting a text with "...", the word wrap that
// breaks or cuts long words (checked against DrawText of the text it must become), and
// accelerator prefixes.

#include <gtest/gtest.h>

#include <string>

#include "components/core/SPUtils.h"
#include "platform/gdi/Text.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_text_test {
namespace {

class SkinTextTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    FSurface.SetSize(200, 60);
    // An even height: no routine moves the text up by a pixel.
    FSurface.Canvas().Font().SetHeight(-14);
  }
  void TearDown() override { StopWindowSystem(); }

  TCanvas& Canvas() { return FSurface.Canvas(); }
  // The surface's pixels after ADraw has drawn on a white surface.
  template <class TDraw>
  std::vector<uint32_t> Drawing(TDraw ADraw) {
    Canvas().Brush().SetColor(clWhite);
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().FillRect(Rect(0, 0, FSurface.Width(), FSurface.Height()));
    ADraw();
    std::vector<uint32_t> Pixels;
    for (int Y = 0; Y < FSurface.Height(); ++Y)
      for (int X = 0; X < FSurface.Width(); ++X)
        Pixels.push_back(reinterpret_cast<uint32_t*>(FSurface.ScanLine(Y))[X] & 0xFFFFFF);
    return Pixels;
  }
  static int Inked(const std::vector<uint32_t>& APixels) {
    int Count = 0;
    for (uint32_t Pixel : APixels) Count += Pixel != 0xFFFFFF;
    return Count;
  }

  TBitmap FSurface;
};

TEST(SkinImageTextLayout, ImageAndCaptionOrigins) {
  struct TCase {
    TspButtonLayout Layout;
    int ImageWidth;
    int Margin;
    TPoint Image;
    TPoint Text;
  };
  // Rectangle (0, 0, 100, 20), image 16 x 16 (or none), text 40 x 13, spacing 4.
  const TCase Cases[] = {
      {blGlyphLeft, 16, -1, {20, 2}, {40, 4}},
      {blGlyphLeft, 16, 5, {5, 2}, {25, 4}},
      {blGlyphRight, 16, -1, {64, 2}, {20, 4}},
      {blGlyphRight, 16, 5, {79, 2}, {35, 4}},
      // No image: the spacing counts 0, so the text is centred alone.
      {blGlyphLeft, 0, -1, {30, 2}, {30, 4}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << int(Case.Layout) << " margin " << Case.Margin << " image "
                                    << Case.ImageWidth);
    TPoint Text, Image;
    CalcImageTextLayout(Case.Layout, Rect(0, 0, 100, 20), Case.ImageWidth, 16, 40, 13, 4, Case.Margin, Text,
                        Image);
    EXPECT_EQ(Image, Case.Image);
    EXPECT_EQ(Text, Case.Text);
  }
  // Above and below: rectangle (0, 0, 40, 100), image 16 x 16, text 30 x 13.
  TPoint Text, Image;
  CalcImageTextLayout(blGlyphTop, Rect(0, 0, 40, 100), 16, 16, 30, 13, 4, -1, Text, Image);
  EXPECT_EQ(Image, Point(12, 34));  // V = (16 + 13 + 4) div 2 = 16
  EXPECT_EQ(Text, Point(5, 53));
  CalcImageTextLayout(blGlyphBottom, Rect(0, 0, 40, 100), 16, 16, 30, 13, 4, 3, Text, Image);
  EXPECT_EQ(Image, Point(12, 81));
  EXPECT_EQ(Text, Point(5, 64));
  // A layout beyond the four leaves the origins alone.
  Text = Image = Point(-7, -7);
  CalcImageTextLayout(TspButtonLayout(4), Rect(0, 0, 40, 100), 16, 16, 30, 13, 4, 3, Text, Image);
  EXPECT_EQ(Text, Point(-7, -7));
  EXPECT_EQ(Image, Point(-7, -7));
}

TEST_F(SkinTextTest, FittingShortensWithAnEllipsis) {
  const String Whole = "Convert";
  const int WholeWidth = Canvas().TextWidth(Whole);
  const int ConvWidth = Canvas().TextWidth("Conv...");
  struct TCase {
    int Width;
    String Expected;
  };
  const TCase Cases[] = {
      {WholeWidth, "Convert"},  // fits: unchanged, no "..."
      {WholeWidth + 10, "Convert"},
      {ConvWidth, "Conv..."},
      {ConvWidth - 1, "Con..."},
      {0, "..."},  // nothing fits, not even the ellipsis
      {-5, "..."},
  };
  for (const TCase& Case : Cases) {
    String Text = Whole;
    FitTextToWidth(Canvas(), Text, Case.Width);
    EXPECT_EQ(Text, Case.Expected) << Case.Width;
    String Wide = Whole;
    FitWideTextToWidth(Canvas(), Wide, Case.Width);
    EXPECT_EQ(Wide, Case.Expected) << Case.Width;
  }
  // Characters are code points: a two-byte letter goes whole.
  String Text = "Größe";
  FitTextToWidth(Canvas(), Text, Canvas().TextWidth("Grö..."));
  EXPECT_EQ(Text, "Grö...");
}

TEST_F(SkinTextTest, TheWordWrapBreaksOrCutsAWordWhereItOverflows) {
  // Each rectangle holds its "aaaa" or "aa" exactly; one "a" more overflows.
  struct TCase {
    String Fits;
    String Text;
    bool BreakLongWords;
    String Drawn;
  };
  const TCase Cases[] = {
      {"aaaa", "aaaaaa bb", false,
       "a...  bb"},  // cut: the last three drawn become "...", the rest is dropped
      {"aaaa", "aaaaaa", false, "a... "},
      {"aaaa", "aaaaaa bb", true, "aaaa aa bb"},  // broken where it overflows
      {"aa", "aaaa", false, "aa "},               // too short for an ellipsis: only cut
      {"aaaa", "aa bb", false, "aa bb"},          // nothing overflows
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Text);
    const TRect Box = Rect(0, 0, WideTextWidth(Canvas(), Case.Fits), 60);
    const auto Wrapped = Drawing([&] { DrawWordWrapText(Canvas(), Case.Text, Box, Case.BreakLongWords); });
    const auto Expected = Drawing([&] {
      TRect R = Box;
      DrawWideText(Canvas(), Case.Drawn, R, DT_WORDBREAK | DT_CENTER);
    });
    EXPECT_GT(Inked(Expected), 0);
    EXPECT_TRUE(Wrapped == Expected);
  }
  const TRect Box = Rect(0, 0, 100, 60);
  EXPECT_EQ(Inked(Drawing([&] { DrawWordWrapText(Canvas(), "", Box, true); })), 0);
}

TEST_F(SkinTextTest, AmpersandsMarkAcceleratorsAndTwoDrawOne) {
  auto Drawn = [&](const String& AText, unsigned AFlags) {
    return Drawing([&] {
      TRect R = Rect(2, 2, 200, 60);
      DrawWideText(Canvas(), AText, R, AFlags);
    });
  };
  const auto Plain = Drawn("Ab", 0);
  const auto Underlined = Drawn("&Ab", 0);
  EXPECT_GT(Inked(Underlined), Inked(Plain));
  // Every pixel of the plain text is there; the underline only adds.
  int Lost = 0;
  for (size_t I = 0; I < Plain.size(); ++I) Lost += Plain[I] != 0xFFFFFF && Underlined[I] == 0xFFFFFF;
  EXPECT_EQ(Lost, 0);
  EXPECT_TRUE(Drawn("&&", 0) == Drawn("&", DT_NOPREFIX));
  // Measuring leaves the prefix out too.
  EXPECT_EQ(WideTextWidth(Canvas(), "&Ab"), WideTextWidth(Canvas(), "Ab"));
  EXPECT_EQ(WideTextHeight(Canvas(), "Ab"), Canvas().TextHeight("Ab"));
}

TEST_F(SkinTextTest, EmptyTextsAndUnknownAlignmentsDrawNothing) {
  const TRect Box = Rect(0, 0, 200, 30);
  EXPECT_EQ(Inked(Drawing([&] { DrawVCenteredText(Canvas(), "", Box); })), 0);
  EXPECT_EQ(Inked(Drawing([&] { DrawIndentedText(Canvas(), "", Box); })), 0);
  EXPECT_EQ(Inked(Drawing([&] { DrawAlignedLineText(Canvas(), "Text", Box, 3); })), 0);
  EXPECT_GT(Inked(Drawing([&] { DrawAlignedLineText(Canvas(), "Text", Box, 1); })), 0);
  // Right-aligned ink ends at the right; left-aligned starts at the left.
  const auto Right = Drawing([&] { DrawAlignedLineText(Canvas(), "Text", Box, 1); });
  const auto Left = Drawing([&] { DrawVCenteredText(Canvas(), "Text", Box); });
  auto FirstInkedColumn = [&](const std::vector<uint32_t>& APixels) {
    int First = 200;
    for (size_t I = 0; I < APixels.size(); ++I)
      if (APixels[I] != 0xFFFFFF) First = std::min(First, int(I % 200));
    return First;
  };
  EXPECT_LT(FirstInkedColumn(Left), 5);
  EXPECT_GT(FirstInkedColumn(Right), 150);
  // The offset moves the indented text further in.
  const auto Indented = Drawing([&] { DrawIndentedText(Canvas(), "Text", Box); });
  const auto Offset = Drawing([&] { DrawIndentedTextOffset(Canvas(), "Text", Box, 10); });
  EXPECT_EQ(FirstInkedColumn(Offset), FirstInkedColumn(Indented) + 10);
}

}  // namespace
}  // namespace skin_text_test
