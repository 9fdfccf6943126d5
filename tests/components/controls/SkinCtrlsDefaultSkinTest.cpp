// The controls of this family on the program's default skin ("skin-new", built in
// memory): each binds to its element, keeps the size it is given (the skin's elements
// stretch), and draws its moving parts
// where its geometry says. The picture of them all is kept for a person to look at.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "components/controls/SkinCtrls.h"
#include "platform/win/headless/HeadlessInput.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "resources/skin-new/SkinNew.h"
#include "resources/skin-new/SkinNewPalette.h"
#include "tests/components/controls/SkinCtrlsTestSupport.h"
#include "tests/support/Pictures.h"

namespace skin_controls_test {
namespace {

class SkinCtrlsDefaultSkinTest : public SkinControlsTest {
 protected:
  void SetUp() override {
    SkinControlsTest::SetUp();
    SkinNew = skin_new::BuildSkinNew();
    Host().SetBounds(100, 100, 400, 300);
  }
  void TearDown() override {
    SkinControlsTest::TearDown();
    SkinNew.reset();
  }
  TspSkinData* DefaultSkin() { return &SkinNew->Data; }
  template <class TControlClass>
  TControlClass* Place(TRect ABounds) {
    auto* Control = new TControlClass(&Host());
    Control->SetParent(&Host());
    Control->SetBoundsRect(ABounds);
    Control->SetSkinData(DefaultSkin());
    return Control;
  }
  const TspDataSkinControl& Record(const String& AName) { return *SkinNew->FindControl(AName); }
  // Whether the presented pixel is within a small distance of AColor.
  bool Near(int AX, int AY, TColor AColor) {
    const COLORREF Pixel = HostPixel(AX, AY), Expected = ColorToRGB(AColor);
    return std::abs(GetRValue(Pixel) - GetRValue(Expected)) < 24 &&
           std::abs(GetGValue(Pixel) - GetGValue(Expected)) < 24 &&
           std::abs(GetBValue(Pixel) - GetBValue(Expected)) < 24;
  }

  std::unique_ptr<skin_new::TSkinNew> SkinNew;
};

TEST_F(SkinCtrlsDefaultSkinTest, TheControlsTakeTheirElementsSizesAndDrawTheirParts) {
  const TColor Accent = RGB(0x25, 0x63, 0xEB);
  auto* Gauge = Place<TspSkinGauge>(Bounds(10, 10, 300, 20));
  Gauge->SetValue(50);
  auto* Track = Place<TspSkinTrackBar>(Bounds(10, 40, 300, 24));
  Track->SetValue(25);
  auto* Bar = Place<TspSkinScrollBar>(Bounds(10, 80, 300, 12));
  Bar->SetRange(0, 100, 20, 40);
  auto* Check = Place<TspSkinCheckRadioBox>(Bounds(10, 110, 150, 25));
  Check->SetCaption("Deinterlace");
  Check->SetChecked(true);
  auto* Button = Place<TspSkinButton>(Bounds(10, 150, 90, 28));
  Button->SetCaption("Convert");
  auto* Tool = Place<TspSkinSpeedButton>(Bounds(120, 150, 32, 32));
  Tool->SetCaption("T");
  ShowHost();
  testing_support::KeepPictureForLooking(WindowPicture(Host().Handle()), "skin-controls-default-skin");

  // The elements of the default skin stretch both ways; a flat box keeps its size too.
  EXPECT_EQ(Gauge->BoundsRect(), Bounds(10, 10, 300, 20));
  EXPECT_EQ(Bar->BoundsRect(), Bounds(10, 80, 300, 12));
  EXPECT_EQ(Check->BoundsRect(), Bounds(10, 110, 150, 25));
  EXPECT_EQ(Button->BoundsRect(), Bounds(10, 150, 90, 28));
  EXPECT_EQ(Tool->BoundsRect(), Bounds(120, 150, 32, 32));

  // The gauge's progress ends at half of its progress area, which grew with it.
  const auto& GaugeRecord = static_cast<const TspDataSkinGaugeControl&>(Record("gauge"));
  TRect Area = GaugeRecord.ProgressArea;
  Area.Right += 300 - RectangleWidth(GaugeRecord.SkinRect);
  const int Middle = 10 + Area.Left + RectangleWidth(Area) / 2;
  const int Row = 10 + (Area.Top + Area.Bottom) / 2;
  ASSERT_EQ(Track->Height(), 24);
  EXPECT_TRUE(Near(Middle - 10, Row, Accent));
  EXPECT_FALSE(Near(Middle + 10, Row, Accent));

  // The scroll bar's far button follows the bar's end; the thumb lies in the track.
  EXPECT_EQ(Bar->PartRect(1).Right, 300);
  EXPECT_EQ(Bar->TrackRect().Right, Bar->PartRect(1).Left);
  EXPECT_GE(Bar->PartRect(0).Left, Bar->TrackRect().Left);
  EXPECT_LE(Bar->PartRect(0).Right, Bar->TrackRect().Right);
}

// Which way the chevron presented in ARect (host coordinates) points along the bar: +1
// forward (right, or down on an upright bar), -1 back. Its tip lies on the bar's middle
// line and its two ends away from it.
int DefaultSkinArrowDirection(const TPixelImage& APicture, const TRect& ARect, bool AUpright) {
  const uint32_t Ground = APicture.Pixel(ARect.Left, ARect.Top);
  auto Differs = [](uint32_t A, uint32_t B) {
    int Sum = 0;
    for (int Shift = 0; Shift < 24; Shift += 8)
      Sum += std::abs(int(A >> Shift & 0xFF) - int(B >> Shift & 0xFF));
    return Sum > 60;
  };
  const int Middle = AUpright ? (ARect.Left + ARect.Right) / 2 : (ARect.Top + ARect.Bottom) / 2;
  double TipSum = 0, EndSum = 0;
  int TipCount = 0, EndCount = 0;
  for (int Y = ARect.Top; Y < ARect.Bottom; ++Y)
    for (int X = ARect.Left; X < ARect.Right; ++X) {
      if (!Differs(APicture.Pixel(X, Y), Ground)) continue;
      const int Along = AUpright ? Y : X, Across = AUpright ? X : Y;
      if (std::abs(Across - Middle) <= 1) {
        TipSum += Along;
        ++TipCount;
      } else if (std::abs(Across - Middle) >= 2) {
        EndSum += Along;
        ++EndCount;
      }
    }
  if (TipCount == 0 || EndCount == 0) return 0;
  return TipSum / TipCount > EndSum / EndCount ? 1 : -1;
}

TEST_F(SkinCtrlsDefaultSkinTest, TheScrollBarArrowPointingForwardRaisesThePosition) {
  auto* Across = Place<TspSkinScrollBar>(Bounds(10, 80, 300, 12));
  auto* Upright = new TspSkinScrollBar(&Host());
  Upright->SetParent(&Host());
  Upright->SetKind(sbVertical);
  Upright->SetSkinDataName("vscrollbar");
  Upright->SetBoundsRect(Bounds(340, 10, 12, 200));
  Upright->SetSkinData(DefaultSkin());
  for (TspSkinScrollBar* Bar : {Across, Upright}) Bar->SetRange(0, 100, 0, 40);
  ShowHost();
  const TPixelImage Shown = WindowPicture(Host().Handle());
  for (TspSkinScrollBar* Bar : {Across, Upright}) {
    const bool IsUpright = Bar == Upright;
    SCOPED_TRACE(IsUpright ? "upright" : "across");
    // Part 1 is the up button, which raises the position; part 2 the down button.
    TRect Up = Bar->PartRect(1), Down = Bar->PartRect(2);
    OffsetRect(Up, Bar->Left(), Bar->Top());
    OffsetRect(Down, Bar->Left(), Bar->Top());
    EXPECT_EQ(DefaultSkinArrowDirection(Shown, Up, IsUpright), 1);
    EXPECT_EQ(DefaultSkinArrowDirection(Shown, Down, IsUpright), -1);
    // A click on each, through the pointer.
    const auto ClickAt = [&](const TRect& AButton) {
      const TPoint Centre{100 + (AButton.Left + AButton.Right) / 2, 100 + (AButton.Top + AButton.Bottom) / 2};
      InjectPointerMove(Centre);
      InjectPointerPress(Centre);
      InjectPointerRelease(Centre);
      Pump();
      // Far enough apart not to make a double click.
      Headless().AdvanceClock(1000);
    };
    ClickAt(Up);
    EXPECT_EQ(Bar->Position(), 41);
    ClickAt(Down);
    ClickAt(Down);
    EXPECT_EQ(Bar->Position(), 39);
  }
}

// The bounding box of the pixels of AArea that lie at least half way from AGround to
// AInk: the firm strokes of a glyph in AInk drawn there, without the faint edge pixels
// of its anti-aliasing. Empty when there are none.
TRect InkBox(const std::function<TColor(int, int)>& APixel, const TRect& AArea, TColor AGround, TColor AInk) {
  auto Distance = [](TColor A, TColor B) {
    return std::abs(GetRValue(A) - GetRValue(B)) + std::abs(GetGValue(A) - GetGValue(B)) +
           std::abs(GetBValue(A) - GetBValue(B));
  };
  TRect Box{};
  for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
    for (int X = AArea.Left; X < AArea.Right; ++X) {
      if (2 * Distance(APixel(X, Y), AGround) < Distance(AInk, AGround)) continue;
      Box = RectangleIsEmpty(Box) ? Rect(X, Y, X + 1, Y + 1)
                                  : Rect(std::min(Box.Left, X), std::min(Box.Top, Y),
                                         std::max(Box.Right, X + 1), std::max(Box.Bottom, Y + 1));
    }
  return Box;
}

// Menu buttons bound to the skin's "toolmenubutton", wider than its pictures: the
// pictures of the normal, hot and pressed looks carry the drop-down marker in the
// column at the right edge, and a flat menu speed button draws the flat marker picture
// there whole, also when taller than the pictures. Every look puts the marker in the
// same place, and nothing of it outside the column.
TEST_F(SkinCtrlsDefaultSkinTest, MenuButtonsShowTheWholeMarkerInTheirDropDownColumn) {
  namespace palette = skin_new::palette;
  const auto& Element = static_cast<const TspDataSkinMenuButtonControl&>(Record("toolmenubutton"));
  const int ColumnWidth = RectangleWidth(Element.TrackButtonRect);
  auto* Push = Place<TspSkinMenuButton>(Bounds(10, 200, 80, 32));
  Push->SetCanFocused(false);
  auto* Speed = Place<TspSkinMenuSpeedButton>(Bounds(100, 200, 80, 32));
  auto* Flat = Place<TspSkinMenuSpeedButton>(Bounds(190, 200, 80, 32));
  Flat->SetFlat(true);
  // Taller than the pictures: the marker's rows are copied, not stretched.
  auto* Tall = Place<TspSkinMenuSpeedButton>(Bounds(280, 200, 80, 44));
  ShowHost();

  // The flat marker picture's own strokes.
  TBitmap* Picture = DefaultSkin()->Picture(Element.PictureIndex);
  ASSERT_NE(Picture, nullptr);
  const TRect MarkerInk = InkBox(
      [&](int AX, int AY) {
        const TColor Pixel = Picture->Canvas().Pixels(AX, AY);
        return Pixel == Element.MenuMarkerTransparentColor ? palette::Background : Pixel;
      },
      Element.MenuMarkerFlatRect, palette::Background, palette::SecondaryText);
  ASSERT_FALSE(RectangleIsEmpty(MarkerInk));

  const auto Shown = [&] {
    const TPixelImage Image = WindowPicture(Host().Handle());
    return [Image](int AX, int AY) {
      const uint32_t P = Image.Pixel(AX, AY);
      return TColor(RGB(P >> 16 & 0xFF, P >> 8 & 0xFF, P & 0xFF));
    };
  };
  const auto Column = [&](TControl& AButton) {
    const TRect R = AButton.BoundsRect();
    return Rect(R.Right - ColumnWidth, R.Top, R.Right, R.Bottom);
  };
  const auto Ground = [&](const std::function<TColor(int, int)>& APixel, TControl& AButton) {
    return APixel(Column(AButton).Left + 1, AButton.Top() + 8);
  };

  auto FlatShown = Shown();
  const TRect FlatColumn = Column(*Flat);
  const TRect Expected = InkBox(FlatShown, FlatColumn, Ground(FlatShown, *Flat), palette::SecondaryText);
  EXPECT_EQ(RectangleWidth(Expected), RectangleWidth(MarkerInk));
  EXPECT_EQ(RectangleHeight(Expected), RectangleHeight(MarkerInk));
  // Clear of the column's edges, so not cut by them.
  EXPECT_GT(Expected.Left, FlatColumn.Left);
  EXPECT_LT(Expected.Right, FlatColumn.Right);
  const TRect TallMarker = InkBox(FlatShown, Column(*Tall), Ground(FlatShown, *Tall), palette::SecondaryText);
  EXPECT_EQ(RectangleWidth(TallMarker), RectangleWidth(MarkerInk));
  EXPECT_EQ(RectangleHeight(TallMarker), RectangleHeight(MarkerInk));

  struct TState {
    const char* Name;
    TColor Ink;
    bool Hot, Pressed;
  };
  const TState States[] = {{"normal", palette::SecondaryText, false, false},
                           {"hot", palette::Text, true, false},
                           {"pressed", palette::Accent, true, true}};
  for (TControl* Button : std::initializer_list<TControl*>{Push, Speed}) {
    SCOPED_TRACE(Button == Push ? "menu button" : "menu speed button");
    const TPoint Main{100 + Button->Left() + 20, 100 + Button->Top() + 16};
    for (const TState& State : States) {
      SCOPED_TRACE(State.Name);
      InjectPointerMove(State.Hot ? Main : TPoint{Main.X, Main.Y + 100});
      if (State.Pressed) InjectPointerPress(Main);
      Pump();
      auto Pixels = Shown();
      const TColor Fill = Ground(Pixels, *Button);
      TRect Marker = InkBox(Pixels, Column(*Button), Fill, State.Ink);
      OffsetRect(Marker, FlatColumn.Left - Column(*Button).Left, 0);
      // Within a pixel: strokes of another colour on another fill come out a little
      // differently at their anti-aliased edges.
      EXPECT_TRUE(std::abs(Marker.Left - Expected.Left) <= 1 && std::abs(Marker.Top - Expected.Top) <= 1 &&
                  std::abs(Marker.Right - Expected.Right) <= 1 &&
                  std::abs(Marker.Bottom - Expected.Bottom) <= 1)
          << RectToStr(Marker) << " against " << RectToStr(Expected);
      // Left of the column the (empty) content area shows nothing of a marker.
      const TRect Content = Rect(Button->Left() + 8, Button->Top() + 8, Column(*Button).Left,
                                 Button->Top() + Button->Height() - 8);
      EXPECT_TRUE(RectangleIsEmpty(InkBox(Pixels, Content, Fill, State.Ink)));
      if (State.Pressed) {
        InjectPointerRelease(Main);
        Pump();
        Headless().AdvanceClock(1000);
      }
    }
  }
}

}  // namespace
}  // namespace skin_controls_test
