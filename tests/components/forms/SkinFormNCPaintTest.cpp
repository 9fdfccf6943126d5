// Painting the frame: the skinned frame against a reference composed in the test, the
// client area left untouched, the inactive look, and the built-in frame of a form
// without skin.

#include "components/core/SPUtils.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormPaintFixture.h"
#include "tests/support/Pictures.h"

namespace skin_form_paint_test {
namespace {

constexpr uint32_t NCPaintSentinel = 0xFF123456;

class SkinFormNCPaintTest : public SkinFormPaintTest {
 protected:
  void SetUp() override {
    SkinFormPaintTest::SetUp();
    Skin = MakeFixtureSkin();
  }

  // Counts the pixels of APainted that differ from the fixture's frame composed for
  // its size, and fails with the first of them; client pixels must keep the sentinel.
  // AExpected turns a frame-picture pixel into the one expected on the window.
  template <typename TExpected>
  void ExpectFrameAsReference(const TPixelImage& APainted, TExpected AExpected) {
    int Wrong = 0;
    for (int Y = 0; Y < APainted.Height; ++Y)
      for (int X = 0; X < APainted.Width; ++X) {
        const TPoint Source = ReferenceFrameSource(*Skin, APainted.Width, APainted.Height, X, Y);
        const uint32_t Expected =
            Source.X < 0 ? NCPaintSentinel : AExpected(FixtureFramePixel(Source.X, Source.Y));
        if (APainted.Pixel(X, Y) != Expected && Wrong++ == 0)
          ADD_FAILURE() << "pixel (" << X << ", " << Y << ") is " << std::hex << APainted.Pixel(X, Y)
                        << ", expected " << Expected;
      }
    EXPECT_EQ(Wrong, 0);
  }

  TPixelImage PaintedSkinFrame(int AWidth, int AHeight) {
    return PaintedWindow(AWidth, AHeight, NCPaintSentinel,
                         [&](HDC ADC) { SkinForm->PaintNCSkin(ADC, true); });
  }

  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormNCPaintTest, FrameAtAnySizeEqualsTheReferenceAndLeavesTheClientAlone) {
  const TPoint Sizes[] = {{400, 300}, {200, 150}, {241, 171}, {1001, 152}};
  for (const TPoint Size : Sizes) {
    SCOPED_TRACE(testing::Message() << Size.X << " x " << Size.Y);
    NewSkinForm(Size.X, Size.Y, Skin.get());
    ExpectFrameAsReference(PaintedSkinFrame(Size.X, Size.Y), [](uint32_t APixel) { return APixel; });
  }
}

TEST_F(SkinFormNCPaintTest, AShownFormShowsTheReferenceFrameAroundTheTiledClientPiece) {
  NewSkinForm(400, 300, Skin.get());
  Form->Show();
  Application->ProcessMessages();
  const TPixelImage Shown = WindowPicture(Form->Handle());
  ASSERT_EQ(Shown.Width, 400);
  ASSERT_EQ(Shown.Height, 300);
  // The frame from the reference; the client (6, 30) to (394, 292) tiled with the
  // picture's client piece (6, 30, 194, 142), 188 × 112. The mask's cut corners are
  // outside the window's shape.
  int Wrong = 0;
  for (int Y = 0; Y < 300; ++Y)
    for (int X = 0; X < 400; ++X) {
      if (std::min(X, 399 - X) + std::min(Y, 299 - Y) < 5) continue;
      const TPoint Source = ReferenceFrameSource(*Skin, 400, 300, X, Y);
      const uint32_t Expected = Source.X >= 0 ? FixtureFramePixel(Source.X, Source.Y)
                                              : FixtureFramePixel(6 + (X - 6) % 188, 30 + (Y - 30) % 112);
      Wrong += Shown.Pixel(X, Y) != Expected;
    }
  EXPECT_EQ(Wrong, 0);
}

TEST_F(SkinFormNCPaintTest, InactiveFormWithoutInactivePictureShowsTheActiveFrameInGray) {
  Skin->AutoRenderingInActiveImage = true;
  Skin->InActiveEffect = ieGrayScale;
  NewSkinForm(400, 300, Skin.get());
  ASSERT_FALSE(SkinForm->GetFormActive());
  const TPixelImage Painted = PaintedSkinFrame(400, 300);
  // Gray = 0.3 red + 0.59 green + 0.11 blue; allow the rounding of either side.
  int Wrong = 0;
  for (int Y = 0; Y < 300; ++Y)
    for (int X = 0; X < 400; ++X) {
      const TPoint Source = ReferenceFrameSource(*Skin, 400, 300, X, Y);
      const uint32_t Pixel = Painted.Pixel(X, Y);
      if (Source.X < 0) {
        Wrong += Pixel != NCPaintSentinel;
        continue;
      }
      const int Gray = int(0.3 * Source.X + 0.59 * Source.Y + 0.11 * FixtureFrameBlue + 0.5);
      const int R = int(Pixel >> 16 & 0xFF), G = int(Pixel >> 8 & 0xFF), B = int(Pixel & 0xFF);
      Wrong += std::abs(R - Gray) > 1 || G != R || B != R;
    }
  EXPECT_EQ(Wrong, 0);
}

TEST_F(SkinFormNCPaintTest, InactiveFormTakesTheInactivePictureWhenTheSkinHasOne) {
  Skin->FInActivePicture->Assign(*Skin->FPicture);
  for (int Y = 0; Y < FixturePictureHeight; ++Y) {
    auto* Row = reinterpret_cast<uint32_t*>(Skin->FInActivePicture->ScanLine(Y));
    for (int X = 0; X < FixturePictureWidth; ++X) Row[X] ^= 0xFF;  // blue 0x40 becomes 0xBF
  }
  NewSkinForm(400, 300, Skin.get());
  ExpectFrameAsReference(PaintedSkinFrame(400, 300), [](uint32_t APixel) { return APixel ^ 0xFF; });
}

TEST_F(SkinFormNCPaintTest, NothingIsPaintedBelowTheMinimumSizeOrWithoutClientRectangle) {
  auto Untouched = [](const TPixelImage& APainted) {
    return std::all_of(APainted.Pixels.begin(), APainted.Pixels.end(),
                       [](uint32_t P) { return P == NCPaintSentinel; });
  };
  NewSkinForm(400, 300, Skin.get());
  const int TooNarrow = SkinForm->GetMinWidth() - 1;
  Form->SetWidth(TooNarrow);
  SkinForm->Geometry().FFormWidth = TooNarrow;
  EXPECT_TRUE(Untouched(PaintedSkinFrame(TooNarrow, 300)));
  Form->SetWidth(400);
  SkinForm->Geometry().FFormWidth = 400;
  Skin->ClRect = TRect();
  EXPECT_FALSE(SkinForm->CanPaintSkinFrame());
  EXPECT_TRUE(Untouched(PaintedSkinFrame(400, 300)));
}

TEST_F(SkinFormNCPaintTest, BrokenSkinGeometryPaintsWithoutHarmAndNeverIntoTheClientArea) {
  struct TCase {
    const char* Fault;
    TPoint LT, RT, LB, RB;
    TRect ClRect;
  };
  const TCase Cases[] = {
      {"client rectangle past the picture",
       {20, 40},
       {180, 40},
       {20, 130},
       {180, 130},
       Rect(6, 30, 900, 700)},
      {"corner points crossed", {180, 130}, {20, 130}, {180, 40}, {20, 40}, Rect(6, 30, 194, 142)},
      {"negative points", {-50, -9}, {-3, 40}, {20, -130}, {-180, 130}, Rect(6, 30, 194, 142)},
      {"points far outside",
       {2000000000, 40},
       {180, 2000000000},
       {20, 130},
       {-2000000000, 130},
       Rect(6, 30, 194, 142)},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Fault);
    Skin->LTPoint = Case.LT;
    Skin->RTPoint = Case.RT;
    Skin->LBPoint = Case.LB;
    Skin->RBPoint = Case.RB;
    Skin->ClRect = Case.ClRect;
    NewSkinForm(400, 300, Skin.get());
    const TPixelImage Painted = PaintedSkinFrame(400, 300);
    TRect Client;
    IntersectRect(Client, SkinForm->Geometry().NewClRect, Rect(0, 0, 400, 300));
    int Touched = 0;
    for (int Y = Client.Top; Y < Client.Bottom; ++Y)
      for (int X = Client.Left; X < Client.Right; ++X) Touched += Painted.Pixel(X, Y) != NCPaintSentinel;
    EXPECT_EQ(Touched, 0);
  }
}

// A frame object that fills its place with one colour, wherever it is drawn.
class TFilledFrameObject : public TspActiveSkinObject {
 public:
  TFilledFrameObject(TspSkinForm* AParent, const TRect& ASkinRect, TColor AColor)
      : TspActiveSkinObject(AParent), FColor(AColor) {
    SkinRect = ASkinRect;
  }
  void Draw(TCanvas& Cnvs, bool /*UpDate*/) override {
    Cnvs.Brush().SetColor(FColor);
    Cnvs.FillRect(ObjectRect);
  }

 private:
  TColor FColor;
};

TEST_F(SkinFormNCPaintTest, ObjectsAreDrawnIntoTheTopAndBottomStripsButNotBesideTheClient) {
  NewSkinForm(400, 300, Skin.get());
  auto Add = [&](const TRect& ASkinRect, TColor AColor) {
    SkinForm->ObjectList.push_back(std::make_unique<TFilledFrameObject>(SkinForm, ASkinRect, AColor));
    ;
    return SkinForm->ObjectList.back().get();
  };
  // In the caption's left corner; in the bottom band's right corner (moved with it by
  // 200 and 150); in the left side beside the client area.
  Add(Rect(8, 8, 16, 16), clRed);
  Add(Rect(184, 144, 192, 148), clLime);
  TspActiveSkinObject* Side = Add(Rect(1, 60, 5, 70), clBlue);
  const TPixelImage Painted = PaintedSkinFrame(400, 300);
  EXPECT_EQ(Painted.Pixel(10, 10), 0xFFFF0000u);
  EXPECT_EQ(Painted.Pixel(390, 295), 0xFF00FF00u);
  EXPECT_EQ(Painted.Pixel(2, 65), FixtureFramePixel(2, 65));
  // Redrawn alone, the side object shows.
  Form->Show();
  Application->ProcessMessages();
  SkinForm->DrawSkinObject(Side);
  Application->ProcessMessages();
  EXPECT_EQ(WindowPicture(Form->Handle()).Pixel(2, 65), 0xFF0000FFu);
}

// ---------------------------------------------------------------- the built-in frame

class SkinFormDefaultFrameTest : public SkinFormPaintTest {
 protected:
  TPixelImage PaintedDefaultFrame(int AWidth, int AHeight) {
    return PaintedWindow(AWidth, AHeight, NCPaintSentinel,
                         [&](HDC ADC) { SkinForm->PaintNCDefault(ADC, true); });
  }
  TspActiveSkinObject* Button(const String& AIDName) {
    for (auto& Object : SkinForm->ObjectList)
      if (Object->IDName == AIDName) return Object.get();
    return nullptr;
  }
  static uint32_t Opaque(TColor AColor) { return testing_support::OpaquePixel(ColorToRGB(AColor)); }
};

TEST_F(SkinFormDefaultFrameTest, CaptionButtonsSitAtTheirPlacesWithAllBorderIcons) {
  NewSkinForm(300, 200, nullptr);
  using enum TspSkinForm::TspBorderIcon;
  SkinForm->SetBorderIcons({biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray});
  PaintedDefaultFrame(300, 200);
  struct TCase {
    const char* IDName;
    TRect Place;
  };
  const TCase Cases[] = {{"closebutton", Rect(280, 4, 297, 21)}, {"maxbutton", Rect(263, 4, 280, 21)},
                         {"minbutton", Rect(246, 4, 263, 21)},   {"rollupbutton", Rect(229, 4, 246, 21)},
                         {"traybutton", Rect(212, 4, 229, 21)},  {"sysmenubutton", Rect(3, 4, 20, 21)}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.IDName);
    TspActiveSkinObject* Object = Button(Case.IDName);
    ASSERT_NE(Object, nullptr);
    EXPECT_TRUE(Object->Visible);
    EXPECT_EQ(Object->ObjectRect, Case.Place);
  }
  EXPECT_EQ(SkinForm->Geometry().NewDefCaptionRect, Rect(20, 3, 212, 19));
}

TEST_F(SkinFormDefaultFrameTest, CaptionHasFourteenStripesAroundItsClearedTextAndABevelledBorder) {
  NewSkinForm(300, 200, nullptr);
  SkinForm->SetBorderIcons({});
  Form->SetCaption("");
  const TPixelImage Painted = PaintedDefaultFrame(300, 200);
  // Only the close button, which has no border icon of its own: the caption runs
  // (3, 3, 280, 19); the caption bitmap sits at (3, 3) and its stripes start at its
  // x = 2, on its rows 2 to 15.
  const uint32_t Highlight = Opaque(clBtnHighlight), Shadow = Opaque(clBtnShadow), Face = Opaque(clBtnFace);
  for (int Row = 0; Row < 19; ++Row) {
    SCOPED_TRACE(testing::Message() << "caption row " << Row);
    const uint32_t Expected = Row < 2 || Row > 15 ? Face : (Row - 2) % 2 == 0 ? Highlight : Shadow;
    EXPECT_EQ(Painted.Pixel(3 + 2, 3 + Row), Expected);
    EXPECT_EQ(Painted.Pixel(3 + 1, 3 + Row), Face);
  }
  EXPECT_EQ(Painted.Pixel(0, 0), Opaque(cl3DLight));
  EXPECT_EQ(Painted.Pixel(299, 199), Opaque(cl3DDkShadow));
  EXPECT_EQ(Painted.Pixel(1, 1), Opaque(clBtnHighlight));
  EXPECT_EQ(Painted.Pixel(298, 198), Opaque(clBtnShadow));
  EXPECT_EQ(Painted.Pixel(2, 100), Face);
  // The client area (3, 22, 297, 197) is not touched.
  EXPECT_EQ(Painted.Pixel(3, 22), NCPaintSentinel);
  EXPECT_EQ(Painted.Pixel(296, 196), NCPaintSentinel);

  Form->SetCaption("Pelladrin");
  const TPixelImage Captioned = PaintedDefaultFrame(300, 200);
  // The text sits in the middle of the caption (0 to 280 of the caption bitmap, so
  // around window x 143) on button face. The form is inactive, so the text is in
  // button shadow: on caption row 8, a highlight stripe's row, no highlight is left in
  // the middle and the text shows; the stripe goes on at both ends.
  int Stripes = 0, Text = 0;
  for (int X = 133; X < 153; ++X) {
    const uint32_t Pixel = Captioned.Pixel(X, 3 + 8);
    Stripes += Pixel == Highlight;
    Text += Pixel != Face && Pixel != Highlight;
  }
  EXPECT_EQ(Stripes, 0);
  EXPECT_GT(Text, 0);
  EXPECT_EQ(Captioned.Pixel(20, 3 + 8), Highlight);
  EXPECT_EQ(Captioned.Pixel(260, 3 + 8), Highlight);
}

TEST_F(SkinFormDefaultFrameTest, CaptionPaintEventDrawsInsteadOfTheText) {
  NewSkinForm(300, 200, nullptr);
  SkinForm->SetBorderIcons({});
  Form->SetCaption("Pelladrin");
  TRect Given;
  SkinForm->OnCaptionPaint = [&](TCanvas& ACanvas, const TRect& ARect, bool /*AActive*/) {
    Given = ARect;
    ACanvas.Brush().SetColor(clRed);
    ACanvas.FillRect(Rect(100, 5, 110, 10));
  };
  const TPixelImage Painted = PaintedDefaultFrame(300, 200);
  // L = 0 and the right gap 294 - 280 beside the close button.
  EXPECT_EQ(Given, Rect(0, 0, 277, 19));
  EXPECT_EQ(Painted.Pixel(3 + 100, 3 + 5), Opaque(clRed));
  // The stripes stay where the text would have cleared them.
  EXPECT_EQ(Painted.Pixel(3 + 150, 3 + 9), Opaque(clBtnShadow));
}

}  // namespace
}  // namespace skin_form_paint_test
