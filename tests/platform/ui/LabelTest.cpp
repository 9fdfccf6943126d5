// Labels: auto size, word wrap, the accelerator character, transparency and the
// disabled look, checked on the host's presented pixels.

#include <gtest/gtest.h>

#include "platform/gdi/Text.h"
#include "platform/ui/Label.h"
#include "platform/win/Focus.h"
#include "tests/platform/ui/UiTestSupport.h"

namespace ui_test {
namespace {

class LabelTest : public UiTest {
 protected:
  TLabel* MakeLabel(const String& ACaption, int ALeft = 10, int ATop = 10) {
    auto* Label = new TLabel(&Host());
    Label->SetBounds(ALeft, ATop, 65, 17);
    Label->SetParent(&Host());
    Label->SetCaption(ACaption);
    return Label;
  }
  // The size DrawText gives the text in the label's font.
  TSize TextSize(TLabel& ALabel, const String& AText, unsigned AFlags = 0, int AWidth = 0) {
    TBitmap Scratch;
    Scratch.SetSize(1, 1);
    Scratch.Canvas().Font().Assign(ALabel.Font());
    TRect Area = Rect(0, 0, AWidth, 0);
    DrawText(Scratch.Canvas().Handle(), AText, Area, DT_CALCRECT | DT_EXPANDTABS | AFlags);
    return {Area.Width(), Area.Height()};
  }
  // How many pixels of the area have the colour.
  int CountPixels(const TRect& AArea, COLORREF AColor) {
    int Count = 0;
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X) Count += HostPixel(X, Y) == AColor;
    return Count;
  }
  // How many pixels of the area differ from the background colour: the text's ink.
  int InkPixels(const TRect& AArea, TColor ABackground = clBtnFace) {
    return AArea.Width() * AArea.Height() - CountPixels(AArea, ColorToRGB(ABackground));
  }
};

TEST_F(LabelTest, AutoSizeFitsTheTextAndARightJustifiedLabelKeepsItsRightEdge) {
  TLabel* Label = MakeLabel("Bit Rate:");
  const TSize Size = TextSize(*Label, "Bit Rate:");
  EXPECT_EQ(Label->BoundsRect(), Bounds(10, 10, Size.cx, Size.cy));
  TLabel* Right = MakeLabel("", 100, 40);
  Right->SetAlignment(taRightJustify);
  const int RightEdge = Right->Left() + Right->Width();
  Right->SetCaption("Resolution:");
  EXPECT_EQ(Right->Left() + Right->Width(), RightEdge);
  EXPECT_EQ(Right->Width(), TextSize(*Right, "Resolution:").cx);
  // An empty caption keeps one line's height.
  TLabel* Empty = MakeLabel("");
  EXPECT_EQ(Empty->Height(), Size.cy);
  Label->SetAutoSize(false);
  Label->SetCaption("A much longer caption");
  EXPECT_EQ(Label->Width(), Size.cx);
}

TEST_F(LabelTest, TheAcceleratorMarkIsHiddenAndUnderlinesOrIsShownAsText) {
  TLabel* Label = MakeLabel("&File");
  EXPECT_EQ(Label->Width(), TextSize(*Label, "File").cx);
  Label->SetShowAccelChar(false);
  EXPECT_EQ(Label->Width(), TextSize(*Label, "&File", DT_NOPREFIX).cx);
  ShowHost();
  // Drawn without the mark, "&File" starts with the ampersand: more ink than "File".
  const int WithMark = InkPixels(Label->BoundsRect());
  Label->SetShowAccelChar(true);
  TLabel* Plain = MakeLabel("File", 10, 60);
  Pump();
  const int Underlined = InkPixels(Label->BoundsRect());
  const int NoUnderline = InkPixels(Plain->BoundsRect());
  EXPECT_GT(WithMark, Underlined);
  EXPECT_GT(Underlined, NoUnderline);  // the F is underlined
}

TEST_F(LabelTest, WordWrapBreaksTheCaptionIntoLinesOfTheLabelsWidth) {
  TLabel* Label = MakeLabel("");
  Label->SetWordWrap(true);
  Label->SetAutoSize(false);
  Label->SetWidth(TextSize(*Label, "Output").cx + 4);
  Label->SetCaption("Output Settings Profile");
  Label->SetAutoSize(true);
  const int LineHeight = TextSize(*Label, "X").cy;
  EXPECT_EQ(Label->Height(), 3 * LineHeight);
  ShowHost();
  for (int Line = 0; Line < 3; ++Line)
    EXPECT_GT(InkPixels(Bounds(Label->Left(), Label->Top() + Line * LineHeight, Label->Width(), LineHeight)),
              0)
        << "line " << Line;
}

TEST_F(LabelTest, AnOpaqueLabelFillsItsColourAndATransparentOneShowsTheParent) {
  Host().SetColor(clRed);
  TLabel* Label = MakeLabel("Wide");
  Label->SetAutoSize(false);
  Label->SetBounds(10, 10, 120, 30);
  Label->SetColor(clYellow);
  ShowHost();
  EXPECT_EQ(HostPixel(120, 35), RGB(255, 255, 0));
  Label->SetTransparent(true);
  Pump();
  EXPECT_EQ(HostPixel(120, 35), RGB(255, 0, 0));
  EXPECT_GT(InkPixels(Label->BoundsRect(), clRed), 0);
}

TEST_F(LabelTest, ADisabledLabelDrawsItsTextRaisedInTheThreeDColours) {
  TLabel* Label = MakeLabel("Disabled");
  ShowHost();
  EXPECT_EQ(CountPixels(Label->BoundsRect(), ColorToRGB(clBtnShadow)), 0);
  Label->SetEnabled(false);
  Pump();
  EXPECT_EQ(CountPixels(Label->BoundsRect(), ColorToRGB(clWindowText)), 0);
  EXPECT_GT(CountPixels(Label->BoundsRect(), ColorToRGB(clBtnShadow)), 0);
  EXPECT_GT(CountPixels(Label->BoundsRect(), ColorToRGB(clBtnHighlight)), 0);
}

TEST_F(LabelTest, LayoutPlacesTheTextAtTheBottom) {
  TLabel* Label = MakeLabel("Low");
  Label->SetAutoSize(false);
  Label->SetHeight(60);
  Label->SetLayout(tlBottom);
  ShowHost();
  const int Half = Label->Top() + 30;
  EXPECT_EQ(InkPixels(Rect(Label->Left(), Label->Top(), Label->Left() + Label->Width(), Half)), 0);
  EXPECT_GT(InkPixels(Rect(Label->Left(), Half, Label->Left() + Label->Width(), Half + 30)), 0);
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControlUntilItGoes) {
  TLabel* Label = MakeLabel("&Name:");
  auto* Edit = new TCustomControl(&Host());
  Edit->SetBounds(80, 10, 60, 20);
  Edit->SetParent(&Host());
  Label->SetFocusControl(Edit);
  ShowHost();
  EXPECT_EQ(Host().Perform(CM_DIALOGCHAR, 'x', 0), 0);
  EXPECT_EQ(Host().Perform(CM_DIALOGCHAR, 'N', 0), 1);
  EXPECT_TRUE(Edit->Focused());
  delete Edit;
  EXPECT_EQ(Label->FocusControl(), nullptr);
  EXPECT_EQ(Host().Perform(CM_DIALOGCHAR, 'n', 0), 0);
}

}  // namespace
}  // namespace ui_test
