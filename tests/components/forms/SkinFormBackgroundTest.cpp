// The client background: the client piece of the frame picture, the skin's background
// picture tiled or stretched, the built-in fill, and the size grip of a form that draws
// its whole skin picture into its client area.

#include "tests/components/forms/SkinFormPaintFixture.h"
#include "tests/support/Pictures.h"

namespace skin_form_paint_test {
namespace {

constexpr uint32_t BackgroundSentinel = 0xFF123456;

class SkinFormBackgroundTest : public SkinFormPaintTest {
 protected:
  void SetUp() override {
    SkinFormPaintTest::SetUp();
    Skin = MakeFixtureSkin();
  }
  // The client area of the form painted by APaint.
  template <typename TPaint>
  TPixelImage PaintedClient(TPaint APaint) {
    return PaintedWindow(Form->ClientWidth(), Form->ClientHeight(), BackgroundSentinel, APaint);
  }
  static uint32_t TilePixel(int AX, int AY) { return 0xFF0000C0u | uint32_t(AX) << 16 | uint32_t(AY) << 8; }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormBackgroundTest, BackgroundPictureIsTiledUnscaledFromTheClientOrigin) {
  Skin->BGPictureIndex = FixtureTileIndex;
  NewSkinForm(400, 300, Skin.get());
  Form->SetClientWidth(200);
  Form->SetClientHeight(130);
  const TPixelImage Painted = PaintedClient([&](HDC ADC) { SkinForm->PaintBG2(ADC); });
  // 4 columns by 3 rows of 64 × 64 tiles, the last ones cut.
  int Wrong = 0;
  for (int Y = 0; Y < Painted.Height; ++Y)
    for (int X = 0; X < Painted.Width; ++X) Wrong += Painted.Pixel(X, Y) != TilePixel(X % 64, Y % 64);
  EXPECT_EQ(Wrong, 0);
}

TEST_F(SkinFormBackgroundTest, StretchedBackgroundIsStretchedOnceByItsStretchType) {
  // The fixture's frame leaves a client of the form's size less 12 across and 38 down.
  struct TCase {
    const char* Type;
    TspStretchType StretchType;
    int FormWidth, FormHeight;
    int TileX(int AX) const { return StretchType == spstHorz ? AX % 64 : AX / 4; }
    int TileY(int AY) const { return StretchType == spstVert ? AY % 64 : AY / 4; }
  };
  const TCase Cases[] = {
      // The whole client (256 × 256) at once: each tile pixel 4 × 4.
      {"full", spstFull, 268, 294},
      // A strip as wide as the tile and as high as the form (256 = 4 × 64), repeated
      // across.
      {"horizontal", spstHorz, 500, 256},
      // A strip as wide as the form (256) and as high as the tile, repeated down.
      {"vertical", spstVert, 256, 400},
  };
  Skin->BGPictureIndex = FixtureTileIndex;
  Skin->StretchEffect = true;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Type);
    Skin->StretchType = Case.StretchType;
    NewSkinForm(Case.FormWidth, Case.FormHeight, Skin.get());
    const TPixelImage Painted = PaintedClient([&](HDC ADC) { SkinForm->PaintBG2(ADC); });
    int Wrong = 0;
    for (int Y = 0; Y < Painted.Height; ++Y)
      for (int X = 0; X < Painted.Width; ++X)
        Wrong += Painted.Pixel(X, Y) != TilePixel(Case.TileX(X), Case.TileY(Y));
    EXPECT_EQ(Wrong, 0);
  }
}

TEST_F(SkinFormBackgroundTest, WithoutBackgroundPictureTheFramePicturesClientPieceIsTiled) {
  NewSkinForm(400, 300, Skin.get());
  const TPixelImage Painted = PaintedClient([&](HDC ADC) { SkinForm->PaintBG(ADC); });
  // The piece (6, 30, 194, 142): 188 × 112.
  int Wrong = 0;
  for (int Y = 0; Y < Painted.Height; ++Y)
    for (int X = 0; X < Painted.Width; ++X)
      Wrong += Painted.Pixel(X, Y) != FixtureFramePixel(6 + X % 188, 30 + Y % 112);
  EXPECT_EQ(Wrong, 0);
}

TEST_F(SkinFormBackgroundTest, EmptyClientRectangleOrBadPictureIndexFallsBackToTheBuiltInLook) {
  NewSkinForm(400, 300, Skin.get());
  const uint32_t Face = testing_support::OpaquePixel(ColorToRGB(clBtnFace));
  auto AllFace = [&](const TPixelImage& APainted) {
    return std::all_of(APainted.Pixels.begin(), APainted.Pixels.end(), [&](uint32_t P) { return P == Face; });
  };
  Skin->ClRect = TRect();
  EXPECT_TRUE(AllFace(PaintedClient([&](HDC ADC) { SkinForm->PaintBG(ADC); })));
  // An index past the picture list (a broken skin) gives the client piece's look, here
  // the plain fill.
  Skin->BGPictureIndex = 7;
  EXPECT_TRUE(AllFace(PaintedClient([&](HDC ADC) { SkinForm->PaintBG2(ADC); })));
  Skin->MDIBGPictureIndex = -5;
  EXPECT_TRUE(AllFace(PaintedClient([&](HDC ADC) { SkinForm->PaintBG3(ADC); })));
  EXPECT_TRUE(AllFace(PaintedClient([&](HDC ADC) { SkinForm->PaintBGDefault(ADC); })));
}

TEST_F(SkinFormBackgroundTest, ClientAreaModeDrawsTheWholeSkinPictureWithTheSizeGrip) {
  NewSkinForm(200, 150, Skin.get());
  SkinForm->SetSupportNCArea(false);
  SkinForm->CalcRects();
  SkinForm->PlaceSkinObjects();
  const TPixelImage Painted =
      PaintedWindow(200, 150, BackgroundSentinel, [&](HDC ADC) { SkinForm->Paint(ADC); });
  // The size grip at (180, 134): the grip's opaque part from (184, 138), the rest of the
  // frame picture around it.
  EXPECT_EQ(Painted.Pixel(186, 140), 0xFF00FF00u);
  EXPECT_EQ(Painted.Pixel(182, 136), FixtureFramePixel(182, 136));
  EXPECT_EQ(Painted.Pixel(50, 10), FixtureFramePixel(50, 10));
  EXPECT_EQ(Painted.Pixel(100, 100), FixtureFramePixel(100, 100));
}

}  // namespace
}  // namespace skin_form_paint_test
