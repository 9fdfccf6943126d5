// The pieces of skin pictures the controls cut and fill with: a piece never larger than
// its picture, and a fill that draws only what the canvas shows, whatever the skin says.

#include <gtest/gtest.h>

#include <climits>

#include "components/core/SPUtils.h"
#include "components/core/SkinData.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class SkinPiecesTest : public testing::Test {
 protected:
  // A 4 × 4 picture, pixel (x, y) = RGB(x * 60, y * 60, 9).
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    FPicture.SetSize(4, 4);
    for (int Y = 0; Y < 4; ++Y)
      for (int X = 0; X < 4; ++X) FPicture.Canvas().SetPixels(X, Y, RGB(uint8_t(X * 60), uint8_t(Y * 60), 9));
  }
  void TearDown() override { StopWindowSystem(); }

  TBitmap FPicture;
};

TEST_F(SkinPiecesTest, APieceIsCutToItsPicture) {
  struct TCase {
    TRect Source;
    TSize Size;
    TPoint FirstPixel;
  };
  const TCase Cases[] = {
      {Rect(1, 2, 3, 4), {2, 2}, {1, 2}},
      {Rect(2, 1, 100, 3), {2, 2}, {2, 1}},
      {Rect(-50, -50, INT_MAX, INT_MAX), {4, 4}, {0, 0}},
      {Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), {4, 4}, {0, 0}},
  };
  for (const TCase& Case : Cases) {
    TBitmap Piece;
    CutSkinPiece(Piece, FPicture, Case.Source);
    ASSERT_EQ(Piece.Width(), Case.Size.cx) << Case.Source.Left;
    ASSERT_EQ(Piece.Height(), Case.Size.cy) << Case.Source.Left;
    EXPECT_EQ(Piece.Canvas().Pixels(0, 0), FPicture.Canvas().Pixels(Case.FirstPixel.X, Case.FirstPixel.Y));
  }
  // Nothing of the picture: an empty piece.
  for (const TRect& Outside : {Rect(4, 0, 9, 4), Rect(-9, -9, 0, 0), Rect(2, 2, 2, 3), Rect(3, 3, 1, 1)}) {
    TBitmap Piece;
    Piece.SetSize(5, 5);
    CutSkinPiece(Piece, FPicture, Outside);
    EXPECT_TRUE(Piece.Empty()) << Outside.Left;
  }
}

TEST_F(SkinPiecesTest, AFillOverAnyAreaDrawsWhatTheCanvasShowsInItsTilesPlaces) {
  TBitmap Piece;
  CutSkinPiece(Piece, FPicture, Rect(0, 0, 3, 2));
  // Tiled from the area's top left, however far beyond the target that lies.
  for (const TRect& Area : {Rect(-30, -20, 40, 40), Rect(-3 * (1 << 28), -2 * (1 << 28), INT_MAX, INT_MAX)}) {
    for (TspStretchType Type : {spstHorz, spstVert}) {
      TBitmap Target;
      Target.SetSize(20, 12);
      FillWithSkinPiece(Target.Canvas(), Area, Piece, false, Type);
      for (int Y = 0; Y < 12; ++Y)
        for (int X = 0; X < 20; ++X)
          ASSERT_EQ(Target.Canvas().Pixels(X, Y), FPicture.Canvas().Pixels(X % 3, Y % 2)) << X << "," << Y;
    }
  }
  // Stretched one way and repeated the other: the band is no larger than the target.
  TBitmap Target;
  Target.SetSize(20, 12);
  FillWithSkinPiece(Target.Canvas(), Rect(0, 0, 20, INT_MAX), Piece, true, spstVert);
  FillWithSkinPiece(Target.Canvas(), Rect(0, 0, INT_MAX, 12), Piece, true, spstHorz);
  EXPECT_EQ(Target.Canvas().Pixels(0, 0), FPicture.Canvas().Pixels(0, 0));
}

}  // namespace
