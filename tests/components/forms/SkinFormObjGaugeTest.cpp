// The frame's gauges, frame gauges and bit-map-font labels: what each shows for its
// value or text, and values the skin's limits cannot take.

#include <algorithm>
#include <climits>

#include "tests/components/forms/SkinFormObjFixture.h"

namespace skin_form_obj_gauge_test {

using namespace skin_form_obj_test;

class SkinFormObjGaugeTest : public SkinFormObjTest {
 protected:
  // A gauge at APlace of the top band whose hot picture is AHot of the object picture.
  TspSkinGaugeObject& ShowGauge(const TRect& APlace, const TRect& AHot, TGaugeKind AKind, int AMin,
                                int AMax) {
    auto Record = std::make_unique<TspDataSkinGauge>("level");
    Record->SkinRect = APlace;
    Record->ActiveSkinRect = AHot;
    Record->ActivePictureIndex = ObjPictureIndex;
    Record->Kind = AKind;
    Record->MinValue = AMin;
    Record->MaxValue = AMax;
    return ShowObject<TspSkinGaugeObject>(std::move(Record));
  }
};

TEST_F(SkinFormObjGaugeTest, AHorizontalGaugeFillsFromTheLeftAsFarAsItsValue) {
  const TRect Hot = Rect(0, 0, 10, 3);
  TspSkinGaugeObject& Gauge = ShowGauge(Rect(30, 8, 40, 11), Hot, gkHorizontal, 0, 100);
  ASSERT_EQ(Gauge.ObjectRect, Rect(30, 8, 40, 11));
  EXPECT_EQ(Gauge.Value(), 0);
  EXPECT_EQ(Shown(Gauge, Hot), "..........\n..........\n..........\n");
  struct TCase {
    int Asked, Value;
    const char* Row;
  };
  for (const TCase& Case :
       {TCase{50, 50, "aaaaa....."}, TCase{100, 100, "aaaaaaaaaa"}, TCase{0, 0, ".........."},
        TCase{33, 33, "aaa......."}, TCase{250, 100, "aaaaaaaaaa"}, TCase{-40, 0, ".........."}}) {
    SCOPED_TRACE(Case.Asked);
    Gauge.SetValue(Case.Asked);
    EXPECT_EQ(Gauge.Value(), Case.Value);
    const std::string Row = std::string(Case.Row) + "\n";
    EXPECT_EQ(Shown(Gauge, Hot), Row + Row + Row);
  }
}

TEST_F(SkinFormObjGaugeTest, AVerticalGaugeFillsFromTheBottom) {
  const TRect Hot = Rect(10, 0, 13, 6);
  TspSkinGaugeObject& Gauge = ShowGauge(Rect(30, 8, 33, 14), Hot, gkVertical, 10, 20);
  Gauge.SetValue(15);
  EXPECT_EQ(Gauge.ProgressPos(), Point(0, 3));
  EXPECT_EQ(Shown(Gauge, Hot), "...\n...\n...\naaa\naaa\naaa\n");
  Gauge.SetValue(20);
  EXPECT_EQ(Gauge.OldProgressPos(), Point(0, 3));
  EXPECT_EQ(Shown(Gauge, Hot), "aaa\naaa\naaa\naaa\naaa\naaa\n");
  Gauge.SetValue(10);
  EXPECT_EQ(Shown(Gauge, Hot), "...\n...\n...\n...\n...\n...\n");
}

TEST_F(SkinFormObjGaugeTest, AGaugeWhoseLimitsAreOneValueOrTheWholeIntegerRangeStaysDefined) {
  const TRect Hot = Rect(0, 0, 10, 1);
  TspSkinGaugeObject& Single = ShowGauge(Rect(30, 8, 40, 9), Hot, gkHorizontal, 7, 7);
  Single.SetValue(9);
  EXPECT_EQ(Single.Value(), 7);
  EXPECT_EQ(Shown(Single, Hot), "..........\n");

  StartAgain();
  TspSkinGaugeObject& Wide = ShowGauge(Rect(30, 8, 40, 9), Hot, gkHorizontal, INT_MIN, INT_MAX);
  EXPECT_EQ(Wide.Value(), INT_MIN);
  Wide.SetValue(0);
  EXPECT_EQ(Shown(Wide, Hot), "aaaaa.....\n");
  Wide.SetValue(INT_MAX);
  EXPECT_EQ(Shown(Wide, Hot), "aaaaaaaaaa\n");
}

TEST_F(SkinFormObjGaugeTest, TheGaugeReportsTheHoverWithoutChangingItsLook) {
  const TRect Hot = Rect(0, 0, 10, 3);
  TspSkinGaugeObject& Gauge = ShowGauge(Rect(30, 8, 40, 11), Hot, gkHorizontal, 0, 100);
  Gauge.SetValue(50);
  std::vector<String> Seen;
  SkinForm->OnMouseEnterEvent = [&](const String& AIDName) { Seen.push_back("enter " + AIDName); };
  SkinForm->OnMouseLeaveEvent = [&](const String& AIDName) { Seen.push_back("leave " + AIDName); };
  Gauge.MouseEnter();
  EXPECT_TRUE(Gauge.FMouseIn);
  EXPECT_FALSE(SkinForm->MorphTimer().Enabled());
  EXPECT_EQ(Shown(Gauge, Hot), "aaaaa.....\naaaaa.....\naaaaa.....\n");
  Gauge.MouseLeave();
  EXPECT_EQ(Seen, (std::vector<String>{"enter level", "leave level"}));
}

// ---------------------------------------------------------------- frame gauge

// A strip of four frames of 4 × 2, each a flat colour: '1' to '4'.
class SkinFormObjFrameGaugeTest : public SkinFormObjTest {
 protected:
  static constexpr uint32_t FrameColors[4] = {0xFF101010u, 0xFF202020u, 0xFF303030u, 0xFF404040u};
  const testing_support::TPixelLegend FrameLegend = {
      {FrameColors[0], '1'}, {FrameColors[1], '2'}, {FrameColors[2], '3'}, {FrameColors[3], '4'}};

  int AddStrip(TFramesPlacement APlacement) {
    if (APlacement == fpHorizontal) return AddPicture(16, 2, [](int AX, int) { return FrameColors[AX / 4]; });
    return AddPicture(4, 8, [](int, int AY) { return FrameColors[AY / 2]; });
  }
  TspSkinFrameGaugeObject& ShowFrameGauge(TFramesPlacement APlacement, int ACount, int AMin, int AMax) {
    auto Record = std::make_unique<TspDataSkinFrameGaugeObject>("meter");
    Record->SkinRect = Rect(30, 8, 34, 10);
    Record->ActivePictureIndex = AddStrip(APlacement);
    // The strip holds ACount frames (one at least) of the picture's four.
    const int Frames = std::clamp(ACount, 1, 4);
    Record->ActiveSkinRect =
        APlacement == fpHorizontal ? Rect(0, 0, 4 * Frames, 2) : Rect(0, 0, 4, 2 * Frames);
    Record->CountFrames = ACount;
    Record->FramesPlacement = APlacement;
    Record->MinValue = AMin;
    Record->MaxValue = AMax;
    return ShowObject<TspSkinFrameGaugeObject>(std::move(Record));
  }
  std::string Frame(char AFrame) { return std::string(4, AFrame) + "\n" + std::string(4, AFrame) + "\n"; }
};

TEST_F(SkinFormObjFrameGaugeTest, TheFrameShownFollowsTheValueInEqualSteps) {
  for (TFramesPlacement Placement : {fpHorizontal, fpVertical}) {
    SCOPED_TRACE(int(Placement));
    StartAgain();
    TspSkinFrameGaugeObject& Gauge = ShowFrameGauge(Placement, 4, 0, 90);
    // Starts at 0, the minimum's frame.
    EXPECT_EQ(Shown(Gauge, TRect{}, FrameLegend), Frame('1'));
    struct TCase {
      int Value;
      char Frame;
    };
    for (const TCase& Case : {TCase{45, '2'}, TCase{90, '4'}, TCase{60, '3'}, TCase{29, '1'}}) {
      SCOPED_TRACE(Case.Value);
      Gauge.SetValue(Case.Value);
      EXPECT_EQ(Shown(Gauge, TRect{}, FrameLegend), Frame(Case.Frame));
    }
    // Values outside the limits are ignored.
    Gauge.SetValue(91);
    Gauge.SetValue(-1);
    EXPECT_EQ(Gauge.Value(), 29);
  }
}

TEST_F(SkinFormObjFrameGaugeTest, DegenerateStripsAndLimitsStillShowOneOfTheFrames) {
  struct TCase {
    int Count, Min, Max, Value;
    char Frame;
  };
  const TCase Cases[] = {
      {4, 5, 5, 5, '1'},                    // a range of one value
      {1, 0, 100, 70, '1'},                 // one frame
      {4, 0, 2, 2, '1'},                    // a step of 0
      {4, 10, 40, 0, '2'},                  // the start value 0 below the limits: |0 - 10| div 10 + 1
      {4, 100, 130, 0, '4'},                // ... so far below that the step count passes the strip
      {4, 90, 0, 0, '4'},                   // limits the wrong way round
      {4, INT_MIN, INT_MAX, INT_MAX, '4'},  // the whole integer range
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Count << " frames, " << Case.Min << ".." << Case.Max);
    StartAgain();
    TspSkinFrameGaugeObject& Gauge = ShowFrameGauge(fpHorizontal, Case.Count, Case.Min, Case.Max);
    Gauge.SetValue(Case.Value);
    SkinForm->DrawSkinObject(&Gauge);
    EXPECT_EQ(Shown(Gauge, TRect{}, FrameLegend), Frame(Case.Frame));
  }
}

// ---------------------------------------------------------------- bit label

// A symbol table of cells 3 × 2: row 0 "0123", row 1 ":-"; each cell one flat colour.
class SkinFormObjBitLabelTest : public SkinFormObjTest {
 protected:
  static uint32_t CellColor(int AColumn, int ARow) {
    return 0xFF000000u | uint32_t(0x20 + AColumn * 0x20 + ARow * 0x80);
  }
  const testing_support::TPixelLegend CellLegend = {{CellColor(0, 0), '0'}, {CellColor(1, 0), '1'},
                                                    {CellColor(2, 0), '2'}, {CellColor(3, 0), '3'},
                                                    {CellColor(0, 1), ':'}, {CellColor(1, 1), '-'}};

  TspSkinBitLabelObject& ShowLabel(const String& AText, int AWidth) {
    auto Record = std::make_unique<TspDataSkinBitLabel>("clock");
    Record->SkinRect = Rect(30, 8, 30 + AWidth, 10);
    // The table starts at (2, 1) of its picture.
    Record->ActivePictureIndex = AddPicture(16, 8, [](int AX, int AY) {
      return AX >= 2 && AY >= 1 && AY < 5 ? CellColor((AX - 2) / 3, (AY - 1) / 2) : 0xFFFFFFFFu;
    });
    Record->ActiveSkinRect = Rect(2, 1, 14, 5);
    Record->Symbols.Add("0123");
    Record->Symbols.Add(":-");
    Record->SymbolWidth = 3;
    Record->SymbolHeight = 2;
    Record->TextValue = AText;
    return ShowObject<TspSkinBitLabelObject>(std::move(Record));
  }
};

TEST_F(SkinFormObjBitLabelTest, EachCharacterShowsItsCellAndAnUnknownOneLeavesTheBackground) {
  TspSkinBitLabelObject& Label = ShowLabel("12:3", 12);
  EXPECT_EQ(Shown(Label, TRect{}, CellLegend), "111222:::333\n111222:::333\n");
  Label.SetTextValue("0x-", true);
  EXPECT_EQ(Shown(Label, TRect{}, CellLegend), "000...---...\n000...---...\n");
  // Stored without drawing: the window still shows the old text.
  Label.SetTextValue("3", false);
  EXPECT_EQ(Label.TextValue(), "3");
  EXPECT_EQ(Shown(Label, TRect{}, CellLegend), "000...---...\n000...---...\n");
  SkinForm->DrawSkinObject(&Label);
  EXPECT_EQ(Shown(Label, TRect{}, CellLegend), "333.........\n333.........\n");
}

TEST_F(SkinFormObjBitLabelTest, ATextWiderThanTheLabelShowsTheFirstCutSymbolAndNothingAfter) {
  TspSkinBitLabelObject& Label = ShowLabel("0123", 8);
  EXPECT_EQ(Shown(Label, TRect{}, CellLegend), "00011122\n00011122\n");
}

}  // namespace skin_form_obj_gauge_test
