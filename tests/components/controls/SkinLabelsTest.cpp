// The windowless labels: the standard label's skin font and colour, disabled look and
// ellipsis; the button label's hover colour, web style, glyph frames and margin.

#include "components/controls/SkinCtrls.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/components/controls/MoreControlsFixture.h"

namespace more_controls_test {
namespace {

class SkinLabelsTest : public MoreControlsTest {
 protected:
  TspSkinStdLabel* MakeStdLabel(const String& ACaption) {
    auto* Label = new TspSkinStdLabel(&Host());
    Label->SetAutoSize(false);
    Label->SetBounds(10, 10, 150, 24);
    Label->SetCaption(ACaption);
    Label->SetParent(&Host());
    return Label;
  }
  static constexpr TRect LabelArea{10, 10, 160, 34};
  TspDataSkinStdLabelControl& StdLabelElement() {
    auto& Element = AddElement<TspDataSkinStdLabelControl>("stdlabel");
    Element.FontName = "Arial";
    Element.FontHeight = 14;
    Element.FontColor = clMaroon;
    Element.ActiveFontColor = clNavy;
    return Element;
  }
};

TEST_F(SkinLabelsTest, AStandardLabelTakesTheSkinColourUnlessUseSkinColorIsOff) {
  StdLabelElement();
  TspSkinStdLabel* Label = MakeStdLabel("Bit Rate:");
  Label->Font().SetColor(clGreen);
  Label->SetSkinData(&Skin());
  ShowHost();
  EXPECT_GT(CountIn(LabelArea, clMaroon), 10);
  EXPECT_EQ(CountIn(LabelArea, clGreen), 0);
  Label->UseSkinColor = false;
  Label->Repaint();
  Pump();
  EXPECT_EQ(CountIn(LabelArea, clMaroon), 0);
  EXPECT_GT(CountIn(LabelArea, clGreen), 10);
  // Without the skin the default font with its own colour is used.
  Label->SetSkinData(nullptr);
  Label->DefaultFont().SetColor(clPurple);
  Label->UseSkinColor = true;
  TspSkinEditor(Skin()).ClearControls();
  Label->Repaint();
  Pump();
  EXPECT_GT(CountIn(LabelArea, clPurple), 10);
}

TEST_F(SkinLabelsTest, ADisabledStandardLabelShowsItsTextHighlightedDownRightAndShadowedInPlace) {
  TspSkinStdLabel* Label = MakeStdLabel("WWWWWW");
  // The underline is solid, so its copies are told apart at every pixel.
  Label->DefaultFont().SetStyle({fsUnderline});
  Label->SetEnabled(false);
  ShowHost();
  const TRect Shadow = BoundsOf(LabelArea, clBtnShadow), Highlight = BoundsOf(LabelArea, clBtnHighlight);
  ASSERT_GT(Shadow.Right, Shadow.Left);
  EXPECT_EQ(Highlight.Right, Shadow.Right + 1);
  EXPECT_EQ(Highlight.Bottom, Shadow.Bottom + 1);
}

TEST_F(SkinLabelsTest, AnEndEllipsisKeepsALongTextInsideTheLabelAndEndsItInDots) {
  TspSkinStdLabel* Label = MakeStdLabel("MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM");
  Label->SetWidth(80);
  Label->DefaultFont().SetColor(clBlack);
  ShowHost();
  const TRect Whole = Rect(10, 10, 90, 34);
  // Without an ellipsis the M's run to the label's right edge.
  EXPECT_GE(BoundsOf(Whole, clBlack).Right, 88);
  Label->SetEllipsType(spetEndEllips);
  Pump();
  const TRect Text = BoundsOf(Whole, clBlack);
  ASSERT_LE(Text.Right, 90);
  // The last few columns hold the dots: ink only on the rows of the baseline.
  const TRect Dots = BoundsOf(Rect(Text.Right - 6, Text.Top, Text.Right, Text.Bottom), clBlack);
  EXPECT_LE(Dots.Bottom - Dots.Top, 3);
  EXPECT_EQ(Dots.Bottom, Text.Bottom);
}

TEST_F(SkinLabelsTest, AnAutoSizedStandardLabelFitsTheSkinFontAfterASkinChange) {
  TspSkinStdLabel* Label = MakeStdLabel("Bit Rate:");
  Label->SetAutoSize(true);
  const int DefaultWidth = Label->Width();
  StdLabelElement().FontHeight = 28;
  Label->SetSkinData(&Skin());
  EXPECT_GT(Label->Width(), DefaultWidth * 3 / 2);
}

class SkinButtonLabelTest : public SkinLabelsTest {
 protected:
  // A strip of ACount 4 × 4 frames in the colours of Frames; the bottom-left pixel of
  // each frame, its transparent colour, is white.
  static void MakeGlyph(TBitmap& AGlyph, int ACount) {
    AGlyph.SetSize(4 * ACount, 4);
    for (int I = 0; I < ACount; ++I) {
      AGlyph.Canvas().Brush().SetColor(Frames[I]);
      AGlyph.Canvas().FillRect(Rect(I * 4, 0, I * 4 + 4, 4));
      AGlyph.Canvas().SetPixels(I * 4, 3, clWhite);
    }
  }
  static constexpr TColor Frames[] = {clRed, clLime, clBlue, clYellow};
  TspSkinButtonLabel* MakeButtonLabel() {
    auto* Label = new TspSkinButtonLabel(&Host());
    Label->SetBounds(10, 10, 150, 24);
    Label->SetCaption("Convert");
    Label->SetParent(&Host());
    return Label;
  }
};

TEST_F(SkinButtonLabelTest, TheTextTakesTheActiveColourUnderThePointerAndWebStyleUnderlinesIt) {
  StdLabelElement();
  TspSkinButtonLabel* Label = MakeButtonLabel();
  Label->SetSkinData(&Skin());
  Label->WebStyle = true;
  ShowHost();
  EXPECT_GT(CountIn(LabelArea, clMaroon), 3);
  const TRect Plain = BoundsOf(LabelArea, clMaroon);
  InjectPointerMove(OnHost(80, 20));
  Pump();
  EXPECT_EQ(CountIn(LabelArea, clMaroon), 0);
  const TRect Hot = BoundsOf(LabelArea, clNavy);
  // The underline reaches below the plain text.
  EXPECT_GT(Hot.Bottom, Plain.Bottom);
  InjectPointerMove(OnHost(190, 140));
  Pump();
  EXPECT_EQ(BoundsOf(LabelArea, clMaroon).Bottom, Plain.Bottom);
}

TEST_F(SkinButtonLabelTest, TheGlyphFrameFollowsTheStateAndTheNumberOfFrames) {
  TBitmap Glyph;
  MakeGlyph(Glyph, 4);
  TspSkinButtonLabel* Label = MakeButtonLabel();
  Label->SetGlyph(Glyph);
  Label->SetNumGlyphs(4);
  Label->SetCaption("");
  ShowHost();
  auto Shown = [&] {
    for (int I = 0; I < 4; ++I)
      if (CountIn(LabelArea, Frames[I]) > 4) return I + 1;
    return 0;
  };
  EXPECT_EQ(Shown(), 1);
  InjectPointerMove(OnHost(80, 20));
  Pump();
  EXPECT_EQ(Shown(), 4);
  InjectPointerPress(OnHost(80, 20));
  Pump();
  EXPECT_EQ(Shown(), 3);
  // Dragged off while pressed, the label is left: frame 1 again.
  InjectPointerMove(OnHost(190, 140));
  Pump();
  EXPECT_EQ(Shown(), 1);
  InjectPointerRelease(OnHost(190, 140));
  Pump();
  // Disabled with two frames: the second.
  MakeGlyph(Glyph, 2);
  Label->SetGlyph(Glyph);
  Label->SetNumGlyphs(2);
  Label->SetEnabled(false);
  Label->Repaint();
  Pump();
  EXPECT_EQ(Shown(), 2);
}

TEST_F(SkinButtonLabelTest, DoubleBufferedTheLabelPaintsItsParentsBackgroundUnderItself) {
  TspSkinButtonLabel* Label = MakeButtonLabel();
  Host().LeftColor = clTeal;
  Label->SetDoubleBuffered(true);
  EXPECT_TRUE(Label->ControlStyle.Contains(csOpaque));
  ShowHost();
  // The host's left half is teal: the buffered picture shows it around the caption.
  EXPECT_EQ(HostPixel(12, 12), ColorToRGB(clTeal));
  EXPECT_EQ(HostPixel(150, 12), ColorToRGB(clBtnFace));
  EXPECT_GT(CountIn(LabelArea, clBlack), 3);
  Label->SetDoubleBuffered(false);
  EXPECT_FALSE(Label->ControlStyle.Contains(csOpaque));
}

TEST_F(SkinButtonLabelTest, UnderThePointerTheActiveImageIsShownAndAFreedListIsForgotten) {
  auto* Images = new TCustomImageList(&Host(), 8, 8);
  // Two 8 × 8 images: red, then lime.
  TBitmap Strip;
  Strip.SetSize(16, 8);
  Strip.Canvas().Brush().SetColor(clRed);
  Strip.Canvas().FillRect(Rect(0, 0, 8, 8));
  Strip.Canvas().Brush().SetColor(clLime);
  Strip.Canvas().FillRect(Rect(8, 0, 16, 8));
  Images->Add(Strip, nullptr);
  TspSkinButtonLabel* Label = MakeButtonLabel();
  Label->SetImageList(Images);
  Label->SetImageIndex(0);
  Label->ActiveImageIndex = 1;
  ShowHost();
  EXPECT_GT(CountIn(LabelArea, clRed), 20);
  InjectPointerMove(OnHost(80, 20));
  Pump();
  EXPECT_EQ(CountIn(LabelArea, clRed), 0);
  EXPECT_GT(CountIn(LabelArea, clLime), 20);
  delete Images;
  EXPECT_EQ(Label->ImageList(), nullptr);
  Label->Repaint();
  Pump();
  EXPECT_EQ(CountIn(LabelArea, clLime), 0);
}

TEST_F(SkinButtonLabelTest, AMarginBelowMinusOneIsIgnored) {
  TspSkinButtonLabel* Label = MakeButtonLabel();
  Label->SetMargin(5);
  Label->SetMargin(-2);
  EXPECT_EQ(Label->Margin(), 5);
  Label->SetMargin(-1);
  EXPECT_EQ(Label->Margin(), -1);
}

}  // namespace
}  // namespace more_controls_test
