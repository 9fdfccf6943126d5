// The gauge: values clamped to their bounds, the share of the progress area the value
// fills in both looks, the progress strip built from the skin picture (ends kept, the
// middle tiled), its text and the frame animation on the virtual clock.

#include <gtest/gtest.h>

#include "components/controls/SkinCtrls.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"

namespace skin_controls_test {
namespace {

constexpr TColor GaugeFace = RGB(255, 255, 255);
constexpr TColor GaugeBegin = RGB(0, 0, 255);
constexpr TColor GaugeEnd = RGB(255, 255, 0);
constexpr TColor GaugeRed = RGB(255, 0, 0);
constexpr TColor GaugeGreen = RGB(0, 255, 0);
constexpr TColor GaugeFrame1 = RGB(10, 10, 10);
constexpr TColor GaugeFrame2 = RGB(20, 20, 20);
constexpr TColor GaugeFrame3 = RGB(30, 30, 30);
constexpr TColor GaugeBuiltInFill = RGB(182, 189, 210);

class SkinCtrlsGaugeTest : public SkinControlsTest {
 protected:
  // A picture 30 × 14: rows 0-5 the gauge's white face; rows 6-9 the progress picture,
  // 10 wide: 2 blue columns, 6 columns red and green by turns, 2 yellow; rows 10-13
  // the animation strip, three frames of 10 columns in three greys.
  //
  // The element "gauge" is the face (0, 0, 20, 6) stretching between x 2 and 18, its
  // progress area (2, 1, 18, 5), the progress picture with ends of 2.
  TspDataSkinGaugeControl& AddGaugeElement() {
    const int Picture = AddPicture(30, 14, [](int X, int Y) {
      if (Y < 6) return GaugeFace;
      if (Y >= 10) return X < 10 ? GaugeFrame1 : X < 20 ? GaugeFrame2 : GaugeFrame3;
      if (X < 2) return GaugeBegin;
      if (X >= 8 && X < 10) return GaugeEnd;
      if (X < 10) return X % 2 == 0 ? GaugeRed : GaugeGreen;
      return GaugeFace;
    });
    auto& Element = AddElement<TspDataSkinGaugeControl>("gauge");
    Element.PictureIndex = Picture;
    Element.MaskPictureIndex = -1;
    Element.SkinRect = Rect(0, 0, 20, 6);
    Element.LTPoint = {2, 0};
    Element.RTPoint = {18, 0};
    Element.ClRect = Rect(2, 0, 18, 6);
    Element.ProgressArea = Rect(2, 1, 18, 5);
    Element.ProgressRect = Rect(0, 6, 10, 10);
    Element.BeginOffset = 2;
    Element.EndOffset = 2;
    return Element;
  }

  TspSkinGauge* NewGauge(int AWidth, int AHeight) {
    auto* Gauge = new TspSkinGauge(&Host());
    Gauge->SetParent(&Host());
    Gauge->SetBounds(0, 0, AWidth, AHeight);
    return Gauge;
  }

  std::string GaugeRow(int AY, int AWidth) {
    return HostPicture(Rect(0, AY, AWidth, AY + 1), {{GaugeFace, '.'},
                                                     {GaugeBegin, 'B'},
                                                     {GaugeEnd, 'Y'},
                                                     {GaugeRed, 'r'},
                                                     {GaugeGreen, 'g'},
                                                     {GaugeFrame1, '1'},
                                                     {GaugeFrame2, '2'},
                                                     {GaugeFrame3, '3'}});
  }
};

struct TGaugeValueCase {
  const char* Name;
  int Min, Max, Set, Expected;
};

TEST_F(SkinCtrlsGaugeTest, ValuesAreClampedToTheBoundsAndBoundsMoveTheValue) {
  const TGaugeValueCase Cases[] = {
      {"inside", 0, 100, 70, 70},
      {"above the maximum", 0, 100, 250, 100},
      {"below the minimum", 10, 20, -5, 10},
      {"the minimum itself", -100, 100, -100, -100},
      {"extreme", 0, 100, INT_MIN, 0},
  };
  for (const TGaugeValueCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    auto* Gauge = NewGauge(100, 20);
    Gauge->SetMinValue(Case.Min);
    Gauge->SetMaxValue(Case.Max);
    Gauge->SetValue(Case.Set);
    EXPECT_EQ(Gauge->Value(), Case.Expected);
    delete Gauge;
  }
  auto* Gauge = NewGauge(100, 20);
  Gauge->SetValue(80);
  Gauge->SetMaxValue(60);
  EXPECT_EQ(Gauge->Value(), 60);
  Gauge->SetMinValue(70);
  EXPECT_EQ(Gauge->Value(), 70);
}

// Without a skin the progress area is the client area inside a one-pixel frame; 50 of
// 100 fills trunc(width × 0.5) of it, whatever the width.
TEST_F(SkinCtrlsGaugeTest, FiftyOfAHundredFillsExactlyHalfOfTheBuiltInProgressArea) {
  ShowHost();
  for (int Width : {100, 101, 37, 4}) {
    SCOPED_TRACE(Width);
    auto* Gauge = NewGauge(Width, 10);
    Gauge->SetValue(50);
    Pump();
    const std::string Row = HostPicture(Rect(1, 5, Width - 1, 6), {{GaugeBuiltInFill, 'p'}, {clWindow, '.'}});
    const int Filled = (Width - 2) / 2;
    EXPECT_EQ(Row, std::string(Filled, 'p') + std::string(Width - 2 - Filled, '.') + "\n");
    delete Gauge;
  }
}

// The strip: the blue begin end, the red-green middle tiled from its start, the yellow
// end end, over the progress area that has grown with the gauge.
TEST_F(SkinCtrlsGaugeTest, TheSkinProgressKeepsItsEndsAndTilesItsMiddle) {
  AddGaugeElement();
  ShowHost();
  auto* Gauge = NewGauge(40, 30);
  Gauge->SetSkinData(&Skin());
  EXPECT_EQ(Gauge->Height(), 6);
  Gauge->SetValue(50);
  Pump();
  EXPECT_EQ(GaugeRow(2, 40), "..BBrgrgrgrgrgrgrgYY....................\n");
  EXPECT_EQ(GaugeRow(0, 40), std::string(40, '.') + "\n");
  // 50 of 100 at any width fills half of the progress area, truncated.
  for (int Width : {41, 27}) {
    SCOPED_TRACE(Width);
    Gauge->SetWidth(Width);
    Pump();
    const int Area = 16 + Width - 20;
    const std::string Row = GaugeRow(2, Width);
    EXPECT_EQ(Row.find_last_of('Y') + 1, static_cast<size_t>(2 + Area / 2)) << Row;
  }
}

// Upright, the progress grows from the bottom: the begin end on top, the end end at
// the bottom, the middle tiled from the bottom up with the topmost tile losing its top.
TEST_F(SkinCtrlsGaugeTest, AnUprightProgressTilesItsMiddleFromTheBottomUp) {
  const int Picture = AddPicture(10, 20, [](int X, int Y) {
    if (X < 6 || Y >= 10) return GaugeFace;
    if (Y < 2) return GaugeBegin;
    if (Y >= 8) return GaugeEnd;
    return Y % 2 == 0 ? GaugeRed : GaugeGreen;
  });
  auto& Element = AddElement<TspDataSkinGaugeControl>("vgauge");
  Element.PictureIndex = Picture;
  Element.MaskPictureIndex = -1;
  Element.SkinRect = Rect(0, 0, 6, 20);
  Element.LTPoint = {0, 2};
  Element.LBPoint = {0, 18};
  Element.ClRect = Rect(0, 2, 6, 18);
  Element.ProgressArea = Rect(1, 2, 5, 18);
  Element.ProgressRect = Rect(6, 0, 10, 10);
  Element.BeginOffset = 2;
  Element.EndOffset = 2;
  Element.Vertical = true;
  ShowHost();
  auto* Gauge = NewGauge(30, 40);
  Gauge->SetSkinDataName("vgauge");
  Gauge->SetSkinData(&Skin());
  EXPECT_EQ(Gauge->BoundsRect(), Bounds(0, 0, 6, 40));
  Gauge->SetValue(50);  // half of 36 rows: 18, from row 20 to 38
  Pump();
  std::string Column;
  for (int Y = 0; Y < 40; ++Y) Column += GaugeRow(Y, 6)[2];
  EXPECT_EQ(Column, std::string(20, '.') + "BBrgrgrgrgrgrgrgYY..");
}

// Without the skin size the gauge keeps any size and shows the element's picture, with
// the progress drawn at the skin's size, stretched over it.
TEST_F(SkinCtrlsGaugeTest, WithoutTheSkinSizeTheWholePictureIsStretched) {
  AddGaugeElement();
  ShowHost();
  auto* Gauge = NewGauge(40, 12);
  Gauge->SetUseSkinSize(false);
  Gauge->SetSkinData(&Skin());
  EXPECT_EQ(Gauge->BoundsRect(), Bounds(0, 0, 40, 12));
  Gauge->SetValue(50);  // 8 of the skin's 16 progress pixels, twice as wide on screen
  Pump();
  EXPECT_EQ(GaugeRow(5, 40), "....BBBBrrggrrggYYYY....................\n");
  EXPECT_EQ(GaugeRow(0, 40), std::string(40, '.') + "\n");
}

TEST_F(SkinCtrlsGaugeTest, AProgressShorterThanItsEndsShowsOnlyTheEnds) {
  AddGaugeElement();
  ShowHost();
  auto* Gauge = NewGauge(40, 6);
  Gauge->SetSkinData(&Skin());
  Gauge->SetValue(8);  // 8 % of 36 pixels: 2, shorter than the two ends
  Pump();
  EXPECT_EQ(GaugeRow(2, 12), "..YY........\n");
}

// A progress picture whose middle is empty cannot be tiled: the ends are drawn and
// nothing divides by its length.
TEST_F(SkinCtrlsGaugeTest, AProgressPictureWithoutMiddleDrawsItsEnds) {
  auto& Element = AddGaugeElement();
  Element.ProgressRect = Rect(6, 6, 10, 10);  // red, green, yellow, yellow
  Element.BeginOffset = 2;
  Element.EndOffset = 2;
  ShowHost();
  auto* Gauge = NewGauge(40, 6);
  Gauge->SetSkinData(&Skin());
  Gauge->SetValue(50);
  Pump();
  const std::string Row = GaugeRow(2, 40);
  EXPECT_EQ(Row.substr(0, 4), "..rg");
  EXPECT_EQ(Row.substr(18, 4), "YY..");
}

struct TGaugeTextCase {
  const char* Name;
  bool ShowText, ShowPercent;
  int Min, Max, Value;
  const char* Expected;
};

TEST_F(SkinCtrlsGaugeTest, TheTextJoinsTheProgressTextAndTheTruncatedPercentage) {
  const TGaugeTextCase Cases[] = {
      {"nothing", false, false, 0, 100, 50, ""},
      {"percent", false, true, 0, 3, 1, "33%"},
      {"text", true, false, 0, 100, 50, "Saving "},
      {"both, no separator added", true, true, 0, 200, 199, "Saving 99%"},
      {"an empty range", false, true, 5, 5, 5, "0%"},
      {"a range beyond 32 bits", false, true, INT_MIN, INT_MAX, 0, "50%"},
  };
  auto* Gauge = NewGauge(100, 20);
  Gauge->SetProgressText("Saving ");
  for (const TGaugeTextCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Gauge->SetShowProgressText(Case.ShowText);
    Gauge->SetShowPercent(Case.ShowPercent);
    Gauge->SetMinValue(INT_MIN);
    Gauge->SetMaxValue(Case.Max);
    Gauge->SetMinValue(Case.Min);
    Gauge->SetValue(Case.Value);
    EXPECT_EQ(Gauge->GaugeText(), Case.Expected);
  }
}

TEST_F(SkinCtrlsGaugeTest, AnEmptyRangeDrawsNoProgress) {
  ShowHost();
  auto* Gauge = NewGauge(50, 10);
  Gauge->SetMaxValue(0);
  Pump();
  EXPECT_EQ(Gauge->CalcProgressRect(Rect(1, 1, 49, 9)), Rect(1, 1, 1, 9));
  EXPECT_EQ(HostPicture(Rect(1, 5, 49, 6), {{clWindow, '.'}}), std::string(48, '.') + "\n");
}

// Frames of 30 ms stretched over the middle, then the pause of 100 ms with the plain
// picture, then the frames again.
TEST_F(SkinCtrlsGaugeTest, TheAnimationShowsItsFramesThenPausesOnTheVirtualClock) {
  auto& Element = AddGaugeElement();
  Element.ProgressAnimationSkinRect = Rect(0, 10, 30, 14);
  Element.ProgressAnimationCountFrames = 3;
  Element.ProgressAnimationTimerInterval = 30;
  ShowHost();
  auto* Gauge = NewGauge(40, 6);
  Gauge->SetSkinData(&Skin());
  Gauge->SetValue(50);
  Gauge->SetProgressAnimationPause(100);
  Gauge->StartProgressAnimation();
  Pump();
  std::string Seen;
  for (int Step = 0; Step < 10; ++Step) {
    Seen += GaugeRow(2, 40)[10];
    Headless().AdvanceClock(30);
    Pump();
  }
  // Every 30 ms from 0: the plain picture; frames 1 to 3; from 120 the pause; at 220
  // the frames start again, frame 1 showing from 250.
  EXPECT_EQ(Seen, "r123rrrrr1");
  // Stopping shows the plain picture at once.
  Gauge->StopProgressAnimation();
  Headless().AdvanceClock(300);
  Pump();
  EXPECT_EQ(GaugeRow(2, 40)[10], 'r');
}

TEST_F(SkinCtrlsGaugeTest, AnElementWithoutAnimationStripDoesNotAnimate) {
  AddGaugeElement();
  ShowHost();
  auto* Gauge = NewGauge(40, 6);
  Gauge->SetSkinData(&Skin());
  Gauge->StartProgressAnimation();
  Headless().AdvanceClock(200);
  Pump();
  EXPECT_EQ(GaugeRow(2, 40)[10], 'r');
}

}  // namespace
}  // namespace skin_controls_test
