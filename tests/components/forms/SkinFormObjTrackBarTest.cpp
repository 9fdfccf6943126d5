// The frame's track bars and regulators: what they show for their values, and the mouse
// dragging a thumb, turning a knob or pulling a slider, up to the limits and no further.

#include <algorithm>
#include <climits>
#include <vector>

#include "tests/components/forms/SkinFormObjFixture.h"

namespace skin_form_obj_track_test {

using namespace skin_form_obj_test;

constexpr uint32_t ThumbColor = 0xFFE0E0E0u;
constexpr uint32_t DraggedThumbColor = 0xFFD0D0D0u;
constexpr uint32_t ThumbKeyColor = 0xFFFF00FFu;

// A track bar of 21 × 5 at (30, 8) with its path from (2, 2) to (18, 2) and a thumb
// of 3 × 5 whose middle column is the transparent colour. Its picture: the hot look
// (the object picture's pixels) at (0, 0, 21, 5), the thumb at (24, 0, 27, 5), the
// dragged thumb, solid, at (28, 0, 31, 5).
class SkinFormObjTrackBarTest : public SkinFormObjTest {
 protected:
  const TRect Hot = Rect(0, 0, 21, 5);
  const testing_support::TPixelLegend ThumbLegend = {{ThumbColor, 'T'}, {DraggedThumbColor, 'D'}};

  std::unique_ptr<TspDataSkinTrackBar> NewRecord(int AMin, int AMax) {
    auto Record = std::make_unique<TspDataSkinTrackBar>("volume");
    Record->SkinRect = Rect(30, 8, 51, 13);
    Record->ActiveSkinRect = Hot;
    Record->ActivePictureIndex = AddPicture(32, 5, [](int AX, int AY) {
      if (AX >= 28) return DraggedThumbColor;
      if (AX >= 24) return AX == 25 ? ThumbKeyColor : ThumbColor;
      return ObjPicturePixel(AX, AY);
    });
    Record->ButtonRect = Rect(24, 0, 27, 5);
    Record->ActiveButtonRect = Rect(28, 0, 31, 5);
    Record->ButtonTransparent = true;
    Record->ButtonTransparentColor = TColor(0xFF00FF);
    Record->BeginPoint = Point(2, 2);
    Record->EndPoint = Point(18, 2);
    Record->MinValue = AMin;
    Record->MaxValue = AMax;
    return Record;
  }
  TspSkinTrackBarObject& ShowTrackBar(int AMin = 0, int AMax = 100, bool AMouseDownChangeValue = false) {
    auto Record = NewRecord(AMin, AMax);
    Record->MouseDownChangeValue = AMouseDownChangeValue;
    TspSkinTrackBarObject& TrackBar = ShowObject<TspSkinTrackBarObject>(std::move(Record));
    SkinForm->OnTrackBarChangeValueEvent = [this](const String& AIDName, int AValue) {
      Reported.push_back(AIDName + "=" + std::to_string(AValue));
    };
    return TrackBar;
  }
  static std::string Rows(const std::string& ARow) {
    std::string Result;
    for (int Y = 0; Y < 5; ++Y) Result += ARow + "\n";
    return Result;
  }
  // A window point on the track bar, from its top-left corner.
  static TPoint At(const TspActiveSkinObject& AObject, int AX, int AY) {
    return Point(AObject.ObjectRect.Left + AX, AObject.ObjectRect.Top + AY);
  }

  std::vector<std::string> Reported;
};

TEST_F(SkinFormObjTrackBarTest, TheThumbAndTheFilledPathShowTheValue) {
  TspSkinTrackBarObject& TrackBar = ShowTrackBar();
  ASSERT_EQ(TrackBar.TrackKind, tkHorizontal);
  // The frame paint draws the track bar at its minimum; the thumb's middle column
  // lets the path show through.
  EXPECT_EQ(Shown(TrackBar, Hot, ThumbLegend), Rows("aT.T................."));
  struct TCase {
    int Value;
    const char* Row;
  };
  for (const TCase& Case : {TCase{50, "aaaaaaaaaT.T........."}, TCase{100, "aaaaaaaaaaaaaaaaaT.T."},
                            TCase{0, "aT.T................."}}) {
    SCOPED_TRACE(Case.Value);
    TrackBar.SetValue(Case.Value);
    EXPECT_EQ(Shown(TrackBar, Hot, ThumbLegend), Rows(Case.Row));
  }
  EXPECT_EQ(Reported, (std::vector<std::string>{"volume=50", "volume=100", "volume=0"}));
  // Clamped to the limits; the current value is no change.
  TrackBar.SetValue(1000);
  TrackBar.SetValue(100);
  EXPECT_EQ(TrackBar.Value(), 100);
  EXPECT_EQ(Reported.size(), 4u);
}

TEST_F(SkinFormObjTrackBarTest, DraggingTheThumbChangesTheValueAndAStepPastAnEndIsDropped) {
  TspSkinTrackBarObject& TrackBar = ShowTrackBar();
  TrackBar.SetValue(50);
  Reported.clear();
  const TPoint Grip = At(TrackBar, 10, 2);
  TrackBar.MouseDown(Grip.X, Grip.Y, mbLeft);
  ASSERT_TRUE(TrackBar.MoveActive());
  EXPECT_EQ(Shown(TrackBar, Hot, ThumbLegend), Rows("aaaaaaaaaDDD........."));
  TrackBar.MouseMove(Grip.X + 4, Grip.Y + 3);  // off the path's line: only X counts
  EXPECT_EQ(TrackBar.ButtonPos(), Point(14, 2));
  EXPECT_EQ(TrackBar.Value(), 75);
  // Far beyond the beginning: that step is dropped and the thumb stays.
  TrackBar.MouseMove(Grip.X - 60, Grip.Y);
  EXPECT_EQ(TrackBar.ButtonPos(), Point(14, 2));
  // The next step counts from where the mouse went: two pixels on.
  TrackBar.MouseMove(Grip.X - 58, Grip.Y);
  EXPECT_EQ(TrackBar.ButtonPos(), Point(16, 2));
  EXPECT_EQ(TrackBar.Value(), 88);  // 87.5 rounds to the even neighbour
  TrackBar.MouseUp(Grip.X - 58, Grip.Y, mbLeft);
  EXPECT_FALSE(TrackBar.MoveActive());
  EXPECT_EQ(Shown(TrackBar, Hot, ThumbLegend), Rows("aaaaaaaaaaaaaaaT.T..."));
  EXPECT_EQ(Reported, (std::vector<std::string>{"volume=75", "volume=88"}));
  // Without a drag the mouse moves nothing.
  TrackBar.MouseMove(Grip.X, Grip.Y);
  EXPECT_EQ(TrackBar.Value(), 88);
}

TEST_F(SkinFormObjTrackBarTest, APressBesideTheThumbMovesItThereOnlyWhenTheSkinAsks) {
  TspSkinTrackBarObject& Still = ShowTrackBar(0, 100, false);
  Still.MouseDown(At(Still, 14, 2).X, At(Still, 14, 2).Y, mbLeft);
  EXPECT_EQ(Still.Value(), 0);
  EXPECT_FALSE(Still.MoveActive());

  StartAgain();
  TspSkinTrackBarObject& Jumping = ShowTrackBar(0, 100, true);
  struct TCase {
    int X, Value;
  };
  // Beside the path the thumb stops at its end; a right press moves nothing.
  for (const TCase& Case : {TCase{14, 75}, TCase{20, 100}, TCase{-5, 0}, TCase{6, 25}}) {
    SCOPED_TRACE(Case.X);
    Jumping.MouseDown(At(Jumping, Case.X, 4).X, At(Jumping, Case.X, 4).Y, mbLeft);
    Jumping.MouseUp(At(Jumping, Case.X, 4).X, At(Jumping, Case.X, 4).Y, mbLeft);
    EXPECT_EQ(Jumping.Value(), Case.Value);
  }
  Jumping.MouseDown(At(Jumping, 18, 2).X, At(Jumping, 18, 2).Y, mbRight);
  EXPECT_EQ(Jumping.Value(), 25);
}

TEST_F(SkinFormObjTrackBarTest, ThePathsDirectionDecidesHowPlacesAndValuesMatch) {
  struct TCase {
    TPoint Begin, End;
    TTrackKind Kind;
    int Value;
    TPoint Place;
  };
  const TCase Cases[] = {
      {{10, 5}, {110, 5}, tkHorizontal, 50, {60, 5}},
      {{10, 5}, {110, 5}, tkHorizontal, 25, {35, 5}},
      {{5, 100}, {5, 0}, tkVertical, 0, {5, 100}},
      {{5, 100}, {5, 0}, tkVertical, 100, {5, 0}},
      {{5, 100}, {5, 0}, tkVertical, 30, {5, 70}},
      {{0, 0}, {10, 10}, tkVertical, 50, {0, 5}},  // a diagonal as tall as wide is vertical
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Value << " from (" << Case.Begin.X << ", " << Case.Begin.Y
                                    << ")");
    StartAgain();
    auto Record = NewRecord(0, 100);
    Record->BeginPoint = Case.Begin;
    Record->EndPoint = Case.End;
    Record->MouseDownChangeValue = true;
    TspSkinTrackBarObject& TrackBar = ShowObject<TspSkinTrackBarObject>(std::move(Record));
    EXPECT_EQ(TrackBar.TrackKind, Case.Kind);
    TrackBar.SetValue(Case.Value);
    EXPECT_EQ(TrackBar.ButtonPos(), Case.Place);
    // And back: a press at the place gives the value.
    TrackBar.SetValue(Case.Value == 0 ? 100 : 0);
    const TPoint P = At(TrackBar, Case.Place.X, Case.Place.Y);
    TrackBar.MouseDown(P.X, P.Y, mbLeft);
    EXPECT_EQ(TrackBar.Value(), Case.Value);
  }
}

TEST_F(SkinFormObjTrackBarTest, LimitsOfOneValueAPathOfNoLengthAndTheWholeIntegerRangeStayDefined) {
  {
    TspSkinTrackBarObject& Single = ShowTrackBar(7, 7, true);
    Single.SetValue(9);
    EXPECT_EQ(Single.Value(), 7);
    EXPECT_EQ(Single.ButtonPos(), Point(2, 2));
    Single.MouseDown(At(Single, 14, 2).X, At(Single, 14, 2).Y, mbLeft);
    EXPECT_EQ(Single.ButtonPos(), Point(14, 2));
    EXPECT_EQ(Single.Value(), 7);
  }
  {
    StartAgain();
    auto Record = NewRecord(0, 100);
    Record->EndPoint = Record->BeginPoint;
    Record->MouseDownChangeValue = true;
    TspSkinTrackBarObject& Point0 = ShowObject<TspSkinTrackBarObject>(std::move(Record));
    Point0.SetValue(60);
    EXPECT_EQ(Point0.ButtonPos(), Point(2, 2));
    Point0.MouseDown(At(Point0, 2, 2).X, At(Point0, 2, 2).Y, mbLeft);
    Point0.MouseMove(At(Point0, 3, 9).X, At(Point0, 3, 9).Y);
    EXPECT_EQ(Point0.Value(), 60);
    SkinForm->DrawSkinObject(&Point0);
  }
  {
    StartAgain();
    TspSkinTrackBarObject& Wide = ShowTrackBar(INT_MIN, INT_MAX);
    Wide.SetValue(0);
    EXPECT_EQ(Wide.ButtonPos(), Point(10, 2));
    const TPoint Grip = At(Wide, 10, 2);
    Wide.MouseDown(Grip.X, Grip.Y, mbLeft);
    Wide.MouseMove(Grip.X + 8, Grip.Y);
    EXPECT_EQ(Wide.Value(), INT_MAX);
    Wide.MouseMove(Grip.X - 8, Grip.Y);
    EXPECT_EQ(Wide.Value(), INT_MIN);
  }
}

// ---------------------------------------------------------------- regulators

// A regulator of 21 × 21 at (30, 8) (its centre at (10, 10)) over a strip of four
// frames of its size, each a flat colour: '1' to '4'.
class SkinFormObjRegulatorTest : public SkinFormObjTest {
 protected:
  static constexpr uint32_t FrameColors[4] = {0xFF111111u, 0xFF222222u, 0xFF333333u, 0xFF444444u};
  const testing_support::TPixelLegend FrameLegend = {
      {FrameColors[0], '1'}, {FrameColors[1], '2'}, {FrameColors[2], '3'}, {FrameColors[3], '4'}};

  TspSkinFrameRegulatorObject& ShowRegulator(TRegulatorKind AKind, int ACount, int AMin, int AMax) {
    auto Record = std::make_unique<TspDataSkinFrameRegulatorObject>("knob");
    Record->SkinRect = Rect(30, 8, 51, 29);
    Record->ActivePictureIndex = AddPicture(84, 21, [](int AX, int) { return FrameColors[AX / 21]; });
    Record->ActiveSkinRect = Rect(0, 0, 21 * std::clamp(ACount, 1, 4), 21);
    Record->CountFrames = ACount;
    Record->FramesPlacement = fpHorizontal;
    Record->Kind = AKind;
    Record->MinValue = AMin;
    Record->MaxValue = AMax;
    TspSkinFrameRegulatorObject& Regulator = ShowObject<TspSkinFrameRegulatorObject>(std::move(Record));
    SkinForm->OnFrameRegulatorChangeValueEvent = [this](const String&, int AValue) {
      Reported.push_back(AValue);
    };
    return Regulator;
  }
  // Mouse operations at points from the regulator's top-left corner.
  static void Press(TspSkinFrameRegulatorObject& ARegulator, int AX, int AY) {
    ARegulator.MouseDown(ARegulator.ObjectRect.Left + AX, ARegulator.ObjectRect.Top + AY, mbLeft);
  }
  static void Move(TspSkinFrameRegulatorObject& ARegulator, int AX, int AY) {
    ARegulator.MouseMove(ARegulator.ObjectRect.Left + AX, ARegulator.ObjectRect.Top + AY);
  }
  std::string ShownFrame(const TspSkinFrameRegulatorObject& ARegulator) {
    const std::string Picture = Shown(ARegulator, TRect{}, FrameLegend);
    const char First = Picture.front();
    return Picture.find_first_not_of(std::string(1, First) + "\n") == std::string::npos
               ? std::string(1, First)
               : Picture;
  }

  std::vector<int> Reported;
};

TEST_F(SkinFormObjRegulatorTest, TheFrameShownFollowsTheValue) {
  TspSkinFrameRegulatorObject& Regulator = ShowRegulator(rkRound, 4, 0, 90);
  EXPECT_EQ(ShownFrame(Regulator), "1");
  struct TCase {
    int Value;
    const char* Frame;
  };
  for (const TCase& Case : {TCase{45, "2"}, TCase{90, "4"}, TCase{60, "3"}, TCase{0, "1"}}) {
    SCOPED_TRACE(Case.Value);
    Regulator.SetValue(Case.Value);
    EXPECT_EQ(ShownFrame(Regulator), Case.Frame);
  }
  // Outside the limits: ignored, no event.
  Regulator.SetValue(91);
  Regulator.SimplySetValue(-1);
  EXPECT_EQ(Reported, (std::vector<int>{45, 90, 60, 0}));
}

TEST_F(SkinFormObjRegulatorTest, AnAngleIsMeasuredClockwiseFromStraightDown) {
  TspSkinFrameRegulatorObject& Regulator = ShowRegulator(rkRound, 4, 0, 90);
  struct TCase {
    TPoint P;
    int Angle;
  };
  const TCase Cases[] = {
      {{10, 20}, 0}, {{0, 10}, 90},  {{10, 0}, 180},  {{20, 10}, 270}, {{0, 19}, 49},
      {{2, 1}, 139}, {{19, 2}, 229}, {{18, 20}, 322}, {{-40, 10}, 90},  // beside it: clamped onto its edge
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << "(" << Case.P.X << ", " << Case.P.Y << ")");
    int Angle = -1;
    ASSERT_TRUE(Regulator.PointAngle(Case.P, Angle));
    EXPECT_EQ(Angle, Case.Angle);
  }
  int Angle = -1;
  EXPECT_FALSE(Regulator.PointAngle(Point(10, 10), Angle));
}

TEST_F(SkinFormObjRegulatorTest, TurningTheKnobStepsTheValueAcrossTheSeamAndStopsAtTheMaximum) {
  TspSkinFrameRegulatorObject& Knob = ShowRegulator(rkRound, 4, 0, 100);
  // Four frames: a step each quarter turn, of (100 - 0) div 4.
  Press(Knob, 10, 20);  // straight down: 0
  Move(Knob, 0, 10);    // 90
  Move(Knob, 10, 0);    // 180
  Move(Knob, 20, 10);   // 270
  EXPECT_EQ(Knob.Value(), 75);
  EXPECT_EQ(ShownFrame(Knob), "3");  // 75 div 33 + 1
  Move(Knob, 12, 20);                // 349: less than a quarter on
  EXPECT_EQ(Knob.Value(), 75);
  Move(Knob, 9, 20);  // 6, across the seam: one step on
  EXPECT_EQ(Knob.Value(), 100);
  // Further turns stay at the maximum and report nothing.
  Move(Knob, 0, 10);
  Move(Knob, 10, 0);
  EXPECT_EQ(Knob.Value(), 100);
  // Turning back counts down.
  Move(Knob, 0, 10);
  EXPECT_EQ(Knob.Value(), 75);
  Knob.MouseUp(Knob.ObjectRect.Left, Knob.ObjectRect.Top, mbLeft);
  Move(Knob, 10, 20);
  EXPECT_EQ(Knob.Value(), 75);
  EXPECT_EQ(Reported, (std::vector<int>{25, 50, 75, 100, 75}));
}

TEST_F(SkinFormObjRegulatorTest, ASliderMovesAStepPerStepOfThePointerAndSaturates) {
  // Horizontal: frames 21 wide, so a step every 21 div 3 = 7 pixels, of 300 div 3.
  TspSkinFrameRegulatorObject& Slider = ShowRegulator(rkHorizontal, 4, 0, 300);
  Press(Slider, 0, 5);
  for (int X : {6, 7, 10, 14, 21, 28, 40}) Move(Slider, X, 5);
  EXPECT_EQ(Reported, (std::vector<int>{100, 200, 300}));
  Move(Slider, 30, 5);
  EXPECT_EQ(Slider.Value(), 200);

  // Vertical: moving up increases.
  StartAgain();
  Reported.clear();
  TspSkinFrameRegulatorObject& Lever = ShowRegulator(rkVertical, 4, -30, 30);
  ASSERT_EQ(Lever.Value(), 0);
  Press(Lever, 5, 15);
  Move(Lever, 5, 8);
  Move(Lever, 5, 1);
  Move(Lever, 5, 8);
  Move(Lever, 5, 15);
  Move(Lever, 5, 22);
  Move(Lever, 5, 29);
  EXPECT_EQ(Reported, (std::vector<int>{20, 30, 10, -10, -30}));
}

TEST_F(SkinFormObjRegulatorTest, DegenerateRegulatorsStepWithoutDividingByZero) {
  // One frame: one step over the whole length; none: a step a pixel.
  for (int Count : {1, 0}) {
    SCOPED_TRACE(Count);
    StartAgain();
    Reported.clear();
    TspSkinFrameRegulatorObject& Slider = ShowRegulator(rkHorizontal, Count, 0, 50);
    Press(Slider, 0, 5);
    Move(Slider, Count == 1 ? 21 : 1, 5);
    EXPECT_EQ(Slider.Value(), 50);
    SkinForm->DrawSkinObject(&Slider);
  }
  // Pressed at its very centre a knob has no direction yet: the first move gives it.
  StartAgain();
  Reported.clear();
  TspSkinFrameRegulatorObject& Knob = ShowRegulator(rkRound, 4, 0, 100);
  Press(Knob, 10, 10);
  Move(Knob, 10, 10);
  Move(Knob, 0, 10);  // 90: where the turn starts
  EXPECT_EQ(Knob.Value(), 0);
  Move(Knob, 10, 0);  // 180: a quarter on
  EXPECT_EQ(Reported, std::vector<int>{25});
  // The whole integer range: steps of the largest integer, kept within the limits.
  StartAgain();
  Reported.clear();
  TspSkinFrameRegulatorObject& Wide = ShowRegulator(rkHorizontal, 2, INT_MIN, INT_MAX);
  Press(Wide, 0, 5);
  Move(Wide, 21, 5);
  Move(Wide, 42, 5);
  EXPECT_EQ(Wide.Value(), INT_MAX);
  Move(Wide, 21, 5);
  Move(Wide, 0, 5);
  Move(Wide, -21, 5);
  EXPECT_EQ(Wide.Value(), INT_MIN);
}

}  // namespace skin_form_obj_track_test
