// The skinned (windowed) label: its built-in bordered look, the skin element's
// picture with the text in its client area, the automatic width and the ellipsis.

#include "components/controls/SkinCtrls.h"
#include "platform/win/Painting.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinLabelTest : public MoreControlsTest {
 protected:
  TspSkinLabel* MakeLabel(const String& ACaption) {
    auto* Label = new TspSkinLabel(&Host());
    Label->SetBounds(10, 10, 60, 20);
    Label->SetCaption(ACaption);
    Label->SetParent(&Host());
    return Label;
  }
  // A horizontal element 40 × 20: ends of 5 in navy, the middle white; the text area
  // (5, 2, 35, 18).
  TspDataSkinLabelControl& HorizontalElement() {
    const int Picture = AddPicture(40, 20, [](int X, int) { return X < 5 || X >= 35 ? clNavy : clWhite; });
    auto& Element = AddElement<TspDataSkinLabelControl>("label");
    Element.PictureIndex = Picture;
    Element.SkinRect = Rect(0, 0, 40, 20);
    Element.LTPoint = {5, 0};
    Element.RTPoint = {35, 0};
    Element.ClRect = Rect(5, 2, 35, 18);
    Element.FontName = "Arial";
    Element.FontHeight = 14;
    Element.FontColor = clMaroon;
    return Element;
  }
};

TEST_F(SkinLabelTest, WithoutSkinTheLabelIsFramedByItsBorderStyle) {
  TspSkinLabel* Label = MakeLabel("");
  Label->SetBounds(10, 10, 8, 5);
  ShowHost();
  EXPECT_EQ(HostPicture(Rect(10, 10, 18, 15), {{clBtnShadow, 's'}, {clBtnHighlight, 'l'}, {clBtnFace, '.'}}),
            "ssssssss\n"
            "s......s\n"
            "s......s\n"
            "s......s\n"
            "ssssssss\n");
  Label->SetBorderStyle(bvRaised);
  Pump();
  EXPECT_EQ(HostPicture(Rect(10, 10, 18, 15), {{clBtnShadow, 's'}, {clBtnHighlight, 'l'}, {clBtnFace, '.'}}),
            "llllllls\n"
            "l......s\n"
            "l......s\n"
            "l......s\n"
            "ssssssss\n");
}

TEST_F(SkinLabelTest, AHorizontalElementKeepsItsHeightAndShowsTheTextInItsClientArea) {
  HorizontalElement();
  TspSkinLabel* Label = MakeLabel("Ab");
  Label->SetSkinData(&Skin());
  EXPECT_EQ(Label->Width(), 60);
  EXPECT_EQ(Label->Height(), 20);
  ShowHost();
  // The ends at the label's ends, the text inside the stretched client area.
  EXPECT_EQ(HostPixel(12, 15), ColorToRGB(clNavy));
  EXPECT_EQ(HostPixel(67, 15), ColorToRGB(clNavy));
  const TRect Text = BoundsOf(Rect(10, 10, 70, 30), clMaroon);
  ASSERT_LT(Text.Left, Text.Right);
  EXPECT_GE(Text.Left, 15);
  EXPECT_LE(Text.Right, 65);
}

TEST_F(SkinLabelTest, TheAutomaticWidthFollowsTheTextInTheClientArea) {
  HorizontalElement();
  TspSkinLabel* Label = MakeLabel("A rather long caption");
  Label->SetSkinData(&Skin());
  Label->SetAutoSize(true);
  const int Grown = Label->Width();
  EXPECT_GT(Grown, 60);
  // The client area is 10 narrower than the label.
  TBitmap Measure;
  Measure.Canvas().Font().SetName("Arial");
  Measure.Canvas().Font().SetHeight(14);
  EXPECT_EQ(Grown - 10, Measure.Canvas().TextWidth("A rather long caption"));
  Label->SetCaption("A rather long caption, longer");
  EXPECT_GT(Label->Width(), Grown);
}

TEST_F(SkinLabelTest, AnElementOfFixedSizeTurnsTheAutomaticWidthOff) {
  auto& Element = HorizontalElement();
  Element.LTPoint = {};
  Element.RTPoint = {};
  TspSkinLabel* Label = MakeLabel("A rather long caption");
  Label->SetAutoSize(true);
  Label->SetSkinData(&Skin());
  EXPECT_FALSE(Label->AutoSize());
  EXPECT_EQ(Label->Width(), 40);
  Label->SetCaption("A rather long caption, longer");
  EXPECT_EQ(Label->Width(), 40);
}

TEST_F(SkinLabelTest, WithTheEllipsisALongTextStaysInsideItsArea) {
  TspSkinLabel* Label = MakeLabel("WWWWWWWWWWWWWWWWWWWW");
  Label->DefaultFont().SetColor(clBlack);
  Label->SetBorderStyle(bvNone);
  ShowHost();
  // Cut at the label's text area (3 to 57): the W's run to its edge.
  EXPECT_GE(BoundsOf(Rect(10, 10, 70, 30), clBlack).Right, 64);
  Label->SetEllipsType(spetEllips);
  Pump();
  const TRect Text = BoundsOf(Rect(10, 10, 70, 30), clBlack);
  EXPECT_LE(Text.Right, 67);
  // The dots end the text: ink on the baseline rows only.
  const TRect Dots = BoundsOf(Rect(Text.Right - 5, Text.Top, Text.Right, Text.Bottom), clBlack);
  EXPECT_LE(Dots.Bottom - Dots.Top, 3);
}

TEST_F(SkinLabelTest, TheShadowAndTheReflectionDrawBesideAndBelowTheText) {
  TspSkinLabel* Label = MakeLabel("Ab");
  Label->SetBounds(10, 10, 60, 40);
  Label->SetBorderStyle(bvNone);
  Label->DefaultFont().SetColor(clBlack);
  ShowHost();
  const TRect Area = Rect(10, 10, 70, 50);
  const int Face = CountIn(Area, clBtnFace);
  const TRect Text = BoundsOf(Area, clBlack);
  Label->SetShadowColor(clRed);
  Label->SetShadowOffset(3);
  Label->SetShadowEffect(true);
  Pump();
  // The soft shadow covers more of the face; the text itself stays black.
  EXPECT_LT(CountIn(Area, clBtnFace), Face);
  EXPECT_GT(CountIn(Area, clBlack), 0);
  Label->SetShadowEffect(false);
  Label->SetReflectionEffect(true);
  Label->SetReflectionOffset(0);
  Pump();
  // The mirrored copy shows below the text, where the face was plain before.
  const TRect Below = Rect(Text.Left, Text.Bottom + 1, Text.Right, 50);
  EXPECT_LT(CountIn(Below, clBtnFace), Below.Width() * Below.Height());
}

// A label that counts how often it composes its built-in picture.
class TCountingSkinLabel : public TspSkinLabel {
 public:
  using TspSkinLabel::TspSkinLabel;
  int Compositions = 0;

 protected:
  void CreateControlDefaultImage(TBitmap& B) override {
    ++Compositions;
    TspSkinLabel::CreateControlDefaultImage(B);
  }
};

TEST_F(SkinLabelTest, ARepaintComposesThePictureOnceAndAnOutsideEraseStillDrawsIt) {
  auto* Label = new TCountingSkinLabel(&Host());
  Label->SetBounds(10, 10, 60, 20);
  Label->SetCaption("Ab");
  Label->SetParent(&Host());
  ShowHost();
  const std::vector<std::pair<TColor, char>> Legend = {{clBtnShadow, 's'}, {clBtnFace, '.'}};
  const std::string Shown = HostPicture(Rect(10, 10, 70, 30), Legend);
  // The window system's erase before the label's own paint is left to that paint.
  Label->Compositions = 0;
  RedrawWindow(Label->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  Pump();
  EXPECT_EQ(Label->Compositions, 1);
  EXPECT_EQ(HostPicture(Rect(10, 10, 70, 30), Legend), Shown);
  // An erase with the window up to date (a parent drawing its children into a bitmap)
  // is answered with the whole picture.
  TBitmap Copy;
  Copy.SetSize(60, 20);
  Copy.Canvas().Brush().SetColor(clRed);
  Copy.Canvas().FillRect(Rect(0, 0, 60, 20));
  Label->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Copy.Canvas().Handle()), 0);
  EXPECT_EQ(Label->Compositions, 2);
  EXPECT_EQ(ColorToRGB(Copy.Canvas().Pixels(0, 0)), ColorToRGB(clBtnShadow));
  EXPECT_EQ(ColorToRGB(Copy.Canvas().Pixels(30, 2)), ColorToRGB(clBtnFace));
}

TEST_F(SkinLabelTest, ANewCaptionOrFontAfterAPaintShowsAtTheNextPaint) {
  TspSkinLabel* Label = MakeLabel("Ab");
  Label->SetBounds(10, 10, 100, 40);
  Label->SetBorderStyle(bvNone);
  Label->DefaultFont().SetColor(clBlack);
  ShowHost();
  const TRect Area = Rect(10, 10, 110, 50);
  const TRect First = BoundsOf(Area, clBlack);
  ASSERT_LT(First.Left, First.Right);
  Label->SetCaption("Abcdef");
  Pump();
  const TRect Longer = BoundsOf(Area, clBlack);
  EXPECT_GT(Longer.Width(), First.Width() + 10);
  Label->DefaultFont().SetHeight(24);
  Label->Invalidate();
  Pump();
  EXPECT_GT(BoundsOf(Area, clBlack).Height(), Longer.Height() + 3);
}

}  // namespace
}  // namespace more_controls_test
