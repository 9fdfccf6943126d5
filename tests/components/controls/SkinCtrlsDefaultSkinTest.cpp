// The controls of this family on the program's default skin ("skin-new", built in
// memory): each binds to its element, keeps the size it is given (the skin's elements
// stretch), and draws its moving parts
// where its geometry says. The picture of them all is kept for a person to look at.

#include <gtest/gtest.h>

#include <cmath>

#include "components/controls/SkinCtrls.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "resources/skin-new/SkinNew.h"
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
  EXPECT_EQ(Bar->PartRect(2).Right, 300);
  EXPECT_EQ(Bar->TrackRect().Right, Bar->PartRect(2).Left);
  EXPECT_GE(Bar->PartRect(0).Left, Bar->TrackRect().Left);
  EXPECT_LE(Bar->PartRect(0).Right, Bar->TrackRect().Right);
}

}  // namespace
}  // namespace skin_controls_test
