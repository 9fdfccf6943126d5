// Composing skin images: the nine-part image against a model of the tiling rule built
// here pixel by pixel, whole and cut pieces, stretching, the image without a right
// column, the client image, the three-part strips and the border bitmaps, and the
// degenerate geometries that must draw nothing instead of failing.

#include <gtest/gtest.h>

#include <functional>

#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_compose_test {
namespace {

// Where a pixel of a composed image comes from, one axis at a time.
using TAxisMap = std::function<int(int)>;

// A 30 x 30 part with the client (5, 5, 25, 25) and its corner points at the client's
// corners, composed to a new size with the same distances to the edges.
struct TNinePart {
  static constexpr TRect ClRect = {5, 5, 25, 25};
  int W = 0;
  int H = 0;
  TRect NewClRect() const { return Rect(5, 5, W - 5, H - 5); }
};

// Column or row of the source for a tiled edge or client: ends kept at their size, the
// middle repeated from 5 in pieces of 20.
int TiledNinePartAxis(int APos, int ANewLength) {
  if (APos < 5) return APos;
  if (APos >= ANewLength - 5) return 25 + APos - (ANewLength - 5);
  return 5 + (APos - 5) % 20;
}

class SkinComposeTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    Numbered(FPicture, 30, 30);
  }
  void TearDown() override { StopWindowSystem(); }

  // Every pixel tells where it came from: red = x, green = y.
  static void Numbered(TBitmap& ABitmap, int AWidth, int AHeight) {
    ABitmap.SetSize(AWidth, AHeight);
    for (int Y = 0; Y < AHeight; ++Y)
      for (int X = 0; X < AWidth; ++X) Pixel(ABitmap, X, Y) = Origin(X, Y);
  }
  static uint32_t Origin(int AX, int AY) {
    return 0xFF000000u | uint32_t(AX) << 16 | uint32_t(AY) << 8 | 0x40;
  }
  static uint32_t& Pixel(TBitmap& ABitmap, int AX, int AY) {
    return reinterpret_cast<uint32_t*>(ABitmap.ScanLine(AY))[AX];
  }
  // The count of pixels (of the first ARows rows, or all) whose colour differs from the
  // model's source pixel.
  static int Mismatches(TBitmap& ABitmap, const TAxisMap& AMapX, const TAxisMap& AMapY, int ARows = -1) {
    int Count = 0;
    const int Rows = ARows < 0 ? ABitmap.Height() : ARows;
    for (int Y = 0; Y < Rows; ++Y)
      for (int X = 0; X < ABitmap.Width(); ++X)
        if ((Pixel(ABitmap, X, Y) & 0xFFFFFF) != (Origin(AMapX(X), AMapY(Y)) & 0xFFFFFF)) ++Count;
    return Count;
  }

  // The 30 x 30 picture with its corner points on the corners of its client
  // rectangle, the client placed at ANewClRect.
  static TspSkinImageGeometry AtClient(const TRect& ANewClRect) {
    return SkinImageGeometryAtClient(TNinePart::ClRect, Rect(0, 0, 30, 30), ANewClRect);
  }
  void ComposeNinePart(TBitmap& ATarget, const TNinePart& APart, bool ATopStretch = false) {
    TspSkinImageGeometry Geometry = AtClient(APart.NewClRect());
    Geometry.TopStretch = ATopStretch;
    ComposeSkinImage(ATarget, FPicture, Geometry, APart.W, APart.H, true);
  }

  TBitmap FPicture;
};

TEST_F(SkinComposeTest, TiledEdgesAndClientStartAtTheCornersAndTheLastPieceIsCut) {
  // 100 wide: pieces of 20 from x = 5 at 5, 25, 45, 65 and 85, the last cut to 10
  // columns (85 to 95, the edge's first 10 columns); 40 high: one whole and one cut row
  // of client pieces.
  for (const TNinePart Part : {TNinePart{100, 40}, TNinePart{90, 30}, TNinePart{12, 12}}) {
    SCOPED_TRACE(testing::Message() << Part.W << " x " << Part.H);
    TBitmap Image;
    ComposeNinePart(Image, Part);
    ASSERT_EQ(Image.Width(), Part.W);
    ASSERT_EQ(Image.Height(), Part.H);
    EXPECT_EQ(Mismatches(
                  Image, [&](int X) { return TiledNinePartAxis(X, Part.W); },
                  [&](int Y) { return TiledNinePartAxis(Y, Part.H); }),
              0);
  }
}

TEST_F(SkinComposeTest, AWidthOfWholePiecesEndsWithTheLastWholePiece) {
  TBitmap Image;
  ComposeNinePart(Image, {90, 30});
  // Four whole pieces 5 to 85; the right corner follows at once.
  for (int X : {5, 25, 45, 65}) EXPECT_EQ(Pixel(Image, X, 0) & 0xFFFFFF, Origin(5, 0) & 0xFFFFFF) << X;
  EXPECT_EQ(Pixel(Image, 84, 0) & 0xFFFFFF, Origin(24, 0) & 0xFFFFFF);
  EXPECT_EQ(Pixel(Image, 85, 0) & 0xFFFFFF, Origin(25, 0) & 0xFFFFFF);
}

TEST_F(SkinComposeTest, AStretchedEdgeSpreadsItsColumnsOverTheNewLength) {
  TBitmap Image;
  ComposeNinePart(Image, {50, 30}, true);
  // The top edge's 20 columns over 40: each column twice; the corners stay.
  EXPECT_EQ(Mismatches(
                Image, [](int X) { return X < 5     ? X
                                          : X >= 45 ? X - 20
                                                    : 5 + (X - 5) / 2; },
                [](int Y) { return Y; }, 5),
            0);
}

TEST_F(SkinComposeTest, StretchingToTheSameSizeGivesThePartBack) {
  TBitmap Image;
  Image.SetSize(30, 30);
  StretchSkinImage(Image, FPicture, Rect(0, 0, 30, 30), TNinePart::ClRect, true);
  EXPECT_EQ(Mismatches(
                Image, [](int X) { return X; }, [](int Y) { return Y; }),
            0);
}

TEST_F(SkinComposeTest, WithoutPlacesTheCornersMoveByTheGrowthOverThePart) {
  // Grown from 30 x 30 to 50 x 40, the client rectangle (5, 5, 25, 25) becomes
  // (5, 5, 45, 35) and the corners follow it.
  TspSkinImageGeometry Grown = AtClient(TNinePart::ClRect);
  Grown.Targets.reset();
  TBitmap Image, Placed;
  ComposeSkinImage(Image, FPicture, Grown, 50, 40, true);
  ComposeSkinImage(Placed, FPicture, AtClient(Rect(5, 5, 45, 35)), 50, 40, true);
  int Differing = 0;
  for (int Y = 0; Y < 40; ++Y)
    for (int X = 0; X < 50; ++X) Differing += Pixel(Image, X, Y) != Pixel(Placed, X, Y);
  EXPECT_EQ(Differing, 0);
  EXPECT_EQ(Pixel(Image, 49, 39) & 0xFFFFFF, Origin(29, 29) & 0xFFFFFF);
}

TEST_F(SkinComposeTest, TheImageWithoutARightColumnLeavesTheRightToEdgesAndClient) {
  TBitmap Image;
  TspSkinImageGeometry Geometry = AtClient(Rect(5, 5, 45, 25));
  Geometry.WithoutRight = true;
  ComposeSkinImage(Image, FPicture, Geometry, 50, 30, true);
  EXPECT_EQ(Mismatches(
                Image, [](int X) { return X < 5 ? X : 5 + (X - 5) % 20; }, [](int Y) { return Y; }),
            0);
}

TEST_F(SkinComposeTest, TheClientStretchesByItsStretchType) {
  const TRect C = TNinePart::ClRect;
  struct TCase {
    TspStretchType Type;
    TAxisMap MapX;
    TAxisMap MapY;
  };
  // The client of 20 x 20 into 40 x 40 at (5, 5): stretched doubles, repeated tiles.
  const TCase Cases[] = {
      {spstFull, [](int X) { return 5 + (X - 5) / 2; }, [](int Y) { return 5 + (Y - 5) / 2; }},
      {spstHorz, [](int X) { return 5 + (X - 5) % 20; }, [](int Y) { return 5 + (Y - 5) / 2; }},
      {spstVert, [](int X) { return 5 + (X - 5) / 2; }, [](int Y) { return 5 + (Y - 5) % 20; }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(int(Case.Type));
    TBitmap Image;
    CreateSkinClientImage(C, Rect(5, 5, 45, 45), Image, FPicture, Rect(0, 0, 30, 30), 50, 50, true,
                          Case.Type);
    TBitmap Client;
    Client.SetSize(40, 40);
    Client.Canvas().CopyRect(Rect(0, 0, 40, 40), Image.Canvas(), Rect(5, 5, 45, 45));
    EXPECT_EQ(Mismatches(
                  Client, [&](int X) { return Case.MapX(X + 5); }, [&](int Y) { return Case.MapY(Y + 5); }),
              0);
  }
  TBitmap Tiled;
  CreateSkinClientImage(C, Rect(0, 0, 30, 25), Tiled, FPicture, Rect(0, 0, 30, 30), 30, 25, false, spstFull);
  EXPECT_EQ(Mismatches(
                Tiled, [](int X) { return 5 + X % 20; }, [](int Y) { return 5 + Y % 20; }),
            0);
}

TEST_F(SkinComposeTest, StripsKeepTheirEndsAndTileTheMiddle) {
  // A strip of 4 + 10 + 3 columns at (0, 2) of the picture, 6 rows.
  const TRect Source = Rect(0, 2, 17, 8);
  auto SourceRow = [](int Y) { return Y + 2; };
  TBitmap Strip;
  CreateTiledSkinImage(4, 3, Strip, FPicture, Source, 35, 99, false);
  ASSERT_EQ(Strip.Width(), 35);
  ASSERT_EQ(Strip.Height(), 6);
  // Tiles at 0, 10, 20 and 30, the last cut to 5 columns.
  EXPECT_EQ(Mismatches(
                Strip, [](int X) { return 4 + X % 10; }, SourceRow),
            0);

  CreateHSkinImage(4, 3, Strip, FPicture, Source, 35, 99, false);
  EXPECT_EQ(Mismatches(
                Strip, [](int X) { return X < 4     ? X
                                          : X >= 32 ? X - 18
                                                    : 4 + (X - 4) % 10; }, SourceRow),
            0);
  CreateHSkinImageLeft(4, 3, Strip, FPicture, Source, 35, 99, false);
  EXPECT_EQ(Mismatches(
                Strip, [](int X) { return X < 4 ? X : 4 + (X - 4) % 10; }, SourceRow),
            0);
  CreateHSkinImage(4, 3, Strip, FPicture, Source, 24, 99, true);
  EXPECT_EQ(Mismatches(
                Strip, [](int X) { return X < 4     ? X
                                          : X >= 21 ? X - 7
                                                    : 4 + (X - 4) * 10 / 17; }, SourceRow),
            0);

  // The vertical twin: 2 rows on top, 3 at the bottom, 5 in the middle.
  CreateVSkinImage(2, 3, Strip, FPicture, Rect(1, 0, 7, 10), 99, 23, false);
  ASSERT_EQ(Strip.Width(), 6);
  ASSERT_EQ(Strip.Height(), 23);
  EXPECT_EQ(Mismatches(
                Strip, [](int X) { return X + 1; },
                [](int Y) { return Y < 2     ? Y
                                   : Y >= 20 ? Y - 13
                                             : 2 + (Y - 2) % 5; }),
            0);
}

TEST_F(SkinComposeTest, BordersAreThePartsOfTheComposedImage) {
  const TNinePart Part{73, 51};
  TBitmap Image, Left, Top, Right, Bottom;
  ComposeNinePart(Image, Part);
  const TRect C = TNinePart::ClRect;
  const TRect N = Part.NewClRect();
  CreateSkinBorderImages(C.TopLeft(), Point(C.Right, C.Top), Point(C.Left, C.Bottom), C.BottomRight(), C,
                         N.TopLeft(), Point(N.Right, N.Top), Point(N.Left, N.Bottom), N.BottomRight(), N,
                         Left, Top, Right, Bottom, FPicture, Rect(0, 0, 30, 30), Part.W, Part.H, false, false,
                         false, false);
  struct TBorder {
    TBitmap& Bitmap;
    TRect InImage;
  };
  for (const TBorder& Border : {TBorder{Top, Rect(0, 0, 73, 5)}, TBorder{Bottom, Rect(0, 46, 73, 51)},
                                TBorder{Left, Rect(0, 5, 5, 46)}, TBorder{Right, Rect(68, 5, 73, 46)}}) {
    SCOPED_TRACE(testing::Message() << Border.InImage.Left << "," << Border.InImage.Top);
    ASSERT_EQ(Border.Bitmap.Width(), Border.InImage.Width());
    ASSERT_EQ(Border.Bitmap.Height(), Border.InImage.Height());
    int Different = 0;
    for (int Y = 0; Y < Border.Bitmap.Height(); ++Y)
      for (int X = 0; X < Border.Bitmap.Width(); ++X)
        Different += (Pixel(Border.Bitmap, X, Y) & 0xFFFFFF) !=
                     (Pixel(Image, X + Border.InImage.Left, Y + Border.InImage.Top) & 0xFFFFFF);
    EXPECT_EQ(Different, 0);
  }
}

TEST_F(SkinComposeTest, SideBordersTileTheirEdgeFromWhereTheEdgeStarts) {
  // Corner points 3 rows below the client's top and 4 above its bottom: the left and
  // right borders keep those rows as corner pieces and repeat rows 8 to 21 between them,
  // starting with row 8. At the part's own size the borders are the part itself.
  TBitmap Left, Top, Right, Bottom;
  const TRect C = TNinePart::ClRect;
  for (const int H : {30, 61}) {
    SCOPED_TRACE(H);
    const TRect N = Rect(5, 5, 25, H - 5);
    CreateSkinBorderImages(Point(5, 8), Point(25, 8), Point(5, 21), Point(25, 21), C, Point(5, 8),
                           Point(25, 8), Point(5, H - 9), Point(25, H - 9), N, Left, Top, Right, Bottom,
                           FPicture, Rect(0, 0, 30, 30), 30, H, false, false, false, false);
    ASSERT_EQ(Left.Height(), H - 10);
    // Row Y of a border lies at row 5 + Y of the frame.
    auto SourceRow = [&](int Y) {
      const int Row = 5 + Y;
      if (Row < 8) return Row;
      if (Row >= H - 9) return Row - (H - 30);
      return 8 + (Row - 8) % 13;
    };
    EXPECT_EQ(Mismatches(
                  Left, [](int X) { return X; }, SourceRow),
              0);
    EXPECT_EQ(Mismatches(
                  Right, [](int X) { return 25 + X; }, SourceRow),
              0);
  }
}

TEST_F(SkinComposeTest, DegenerateGeometriesSizeTheTargetAndDrawNothingAmiss) {
  const uint32_t Untouched = 0xFF123456;
  auto Prepared = [&](TBitmap& ABitmap, int AWidth, int AHeight) {
    ABitmap.SetSize(AWidth, AHeight);
    for (int Y = 0; Y < AHeight; ++Y)
      for (int X = 0; X < AWidth; ++X) Pixel(ABitmap, X, Y) = Untouched;
  };
  // An edge of length 0 (RTPoint.X = LTPoint.X) with tiling is skipped; the rest is drawn.
  TBitmap Image;
  Prepared(Image, 40, 30);
  TspSkinImageGeometry ZeroTop = AtClient(Rect(5, 5, 35, 25));
  ZeroTop.RTPt = Point(5, 5);
  ZeroTop.Targets->RTPt = Point(35, 5);
  ComposeSkinImage(Image, FPicture, ZeroTop, 40, 30, true);
  EXPECT_EQ(Pixel(Image, 20, 0), Untouched);
  EXPECT_EQ(Pixel(Image, 20, 10) & 0xFFFFFF, Origin(20, 10) & 0xFFFFFF);

  // A window smaller than its corners: negative spans draw nothing, and nothing fails.
  ComposeSkinImage(Image, FPicture, AtClient(Rect(5, 5, 2, 2)), 7, 7, true);
  EXPECT_EQ(Image.Width(), 7);

  // Coinciding corner points and an empty picture stop after sizing.
  TBitmap Empty;
  Prepared(Image, 20, 20);
  ComposeSkinImage(Image, Empty, AtClient(TNinePart::ClRect), 20, 20, true);
  EXPECT_EQ(Pixel(Image, 10, 10), Untouched);

  // A zero-width middle sets the size and draws nothing.
  Prepared(Image, 12, 6);
  CreateHSkinImage(0, 0, Image, FPicture, Rect(3, 0, 3, 6), 12, 6, false);
  EXPECT_EQ(Image.Width(), 12);
  EXPECT_EQ(Pixel(Image, 5, 3), Untouched);

  // Hostile coordinates far outside any picture are cut, not walked.
  CreateTiledSkinImage(-2000000000, 2000000000, Image, FPicture, Rect(-2000000000, 0, 2000000000, 6), 12, 6,
                       false);
  EXPECT_EQ(Image.Width(), 12);
}

}  // namespace
}  // namespace skin_compose_test
