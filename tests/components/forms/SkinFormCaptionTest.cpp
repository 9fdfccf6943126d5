// The skin objects of a form made from the skin's object records, and the caption
// object: the form's title in its place, cut to fit, placed by its alignment and drawn
// in the skin's colours and font, active and inactive.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormPaintFixture.h"
#include "tests/support/Pictures.h"

namespace skin_form_caption_test {

using namespace skin_form_paint_test;
using testing_support::MatchesReferencePicture;
using testing_support::OpaquePixel;

// The flat colour of the caption test's frame picture, as drawn (0xAARRGGBB).
constexpr uint32_t CaptionFrameColor = 0xFFE8ECF0;
// The caption's text colours: active and inactive.
constexpr TColor CaptionActiveColor = TColor(0x000080);
constexpr TColor CaptionInActiveColor = TColor(0x006000);

// The fixture's frame with a flat picture and a caption record across the top band:
// (10, 6, 190, 26) runs from the left-top corner region into the right-top one, so it
// grows with the form; its text area keeps 4 pixels on either side.
class SkinFormCaptionTest : public SkinFormPaintTest {
 protected:
  void SetUp() override {
    SkinFormPaintTest::SetUp();
    Skin = MakeFixtureSkin();
    for (int Y = 0; Y < Skin->FPicture->Height(); ++Y) {
      auto* Row = reinterpret_cast<uint32_t*>(Skin->FPicture->ScanLine(Y));
      std::fill(Row, Row + Skin->FPicture->Width(), CaptionFrameColor);
    }
    auto Caption = std::make_unique<TspDataSkinCaption>("caption");
    Caption->SkinRect = Rect(10, 6, 190, 26);
    Caption->TextRct = Rect(4, 0, 176, 20);
    Caption->FontName = "Arial";
    Caption->FontHeight = 14;
    Caption->FontStyle = {fsBold};
    Caption->FontColor = CaptionInActiveColor;
    Caption->ActiveFontColor = CaptionActiveColor;
    Caption->DefaultCaption = true;
    CaptionRecord = Caption.get();
    TspSkinEditor(*Skin).AddObject(std::move(Caption));
  }

  // A form of AWidth × 150 titled ACaption wearing the skin, active when shown.
  TspSkinCaptionObject& NewCaptionForm(int AWidth, const String& ACaption, bool AShown = false) {
    NewSkinForm(AWidth, 150, Skin.get());
    Form->SetCaption(ACaption);
    if (AShown) {
      Form->Show();
      Application->ProcessMessages();
    }
    auto* Caption = dynamic_cast<TspSkinCaptionObject*>(SkinForm->ObjectList.at(0).get());
    if (!Caption) throw std::runtime_error("no caption object");
    return *Caption;
  }

  TPixelImage PaintedFrame(int AWidth) {
    return PaintedWindow(AWidth, 150, 0xFF000000u, [&](HDC ADC) { SkinForm->PaintNCSkin(ADC, true); });
  }

  // The bounding box of the pixels the caption drew over the flat frame.
  static TRect TextBounds(const TPixelImage& APainted, const TRect& AArea) {
    TRect Box = Rect(AArea.Right, AArea.Bottom, AArea.Left, AArea.Top);
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X)
        if (APainted.Pixel(X, Y) != CaptionFrameColor) {
          Box.Left = std::min(Box.Left, X);
          Box.Top = std::min(Box.Top, Y);
          Box.Right = std::max(Box.Right, X + 1);
          Box.Bottom = std::max(Box.Bottom, Y + 1);
        }
    return Box;
  }

  static int CountPixels(const TPixelImage& APainted, const TRect& AArea, TColor AColor) {
    const uint32_t Wanted = OpaquePixel(uint32_t(AColor));
    int Count = 0;
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X) Count += APainted.Pixel(X, Y) == Wanted;
    return Count;
  }

  static TPixelImage Crop(const TPixelImage& AImage, const TRect& AArea) {
    TPixelImage Result;
    Result.Width = RectangleWidth(AArea);
    Result.Height = RectangleHeight(AArea);
    for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
      for (int X = AArea.Left; X < AArea.Right; ++X) Result.Pixels.push_back(AImage.Pixel(X, Y));
    return Result;
  }

  std::unique_ptr<TspSkinData> Skin;
  TspDataSkinCaption* CaptionRecord = nullptr;
};

TEST_F(SkinFormCaptionTest, ObjectsComeFromTheRecordsInSkinOrderAndFollowTheFormsSize) {
  auto Close = std::make_unique<TspDataSkinStdButton>("closebutton");
  Close->Command = cmClose;
  Close->SkinRect = Rect(182, 8, 194, 20);  // in the right-top corner region
  TspSkinEditor(*Skin).AddObject(std::move(Close));
  auto Digits = std::make_unique<TspDataSkinBitLabel>("digits");
  Digits->SkinRect = Rect(30, 10, 60, 20);
  TspSkinEditor(*Skin).AddObject(std::move(Digits));
  auto Meter = std::make_unique<TspDataUserObject>("meter");
  Meter->SkinRect = Rect(184, 134, 196, 146);  // in the right-bottom corner region
  TspSkinEditor(*Skin).AddObject(std::move(Meter));

  NewSkinForm(200, 150, Skin.get());
  ASSERT_EQ(SkinForm->ObjectList.size(), 4u);
  EXPECT_NE(dynamic_cast<TspSkinCaptionObject*>(SkinForm->ObjectList[0].get()), nullptr);
  auto* Button = dynamic_cast<TspSkinStdButtonObject*>(SkinForm->ObjectList[1].get());
  ASSERT_NE(Button, nullptr);
  EXPECT_EQ(Button->IDName, "closebutton");
  EXPECT_EQ(Button->Command, cmClose);
  EXPECT_TRUE(Button->FSkinSupport);
  EXPECT_NE(dynamic_cast<TspSkinBitLabelObject*>(SkinForm->ObjectList[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<TspUserObject*>(SkinForm->ObjectList[3].get()), nullptr);
  EXPECT_EQ(SkinForm->ObjectList[3]->IDName, "meter");

  struct TCase {
    int Width, Height;
    TRect Caption, Close, Meter;
  };
  const TCase Cases[] = {
      {200, 150, Rect(10, 6, 190, 26), Rect(182, 8, 194, 20), Rect(184, 134, 196, 146)},
      {300, 200, Rect(10, 6, 290, 26), Rect(282, 8, 294, 20), Rect(284, 184, 296, 196)},
      {420, 160, Rect(10, 6, 410, 26), Rect(402, 8, 414, 20), Rect(404, 144, 416, 156)},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Width);
    SkinForm->Geometry().FFormWidth = Case.Width;
    SkinForm->Geometry().FFormHeight = Case.Height;
    SkinForm->CalcRects();
    SkinForm->PlaceSkinObjects();
    EXPECT_EQ(SkinForm->ObjectList[0]->ObjectRect, Case.Caption);
    EXPECT_EQ(SkinForm->ObjectList[1]->ObjectRect, Case.Close);
    EXPECT_EQ(SkinForm->ObjectList[3]->ObjectRect, Case.Meter);
  }
}

TEST_F(SkinFormCaptionTest, AnObjectIsHitOnlyWhereItsMaskIsBlack) {
  // A 4 × 2 mask: black on the left half.
  TBitmap& Mask = *Skin->Picture(TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>()));
  Mask.SetPixelFormat(pf32bit);
  Mask.SetSize(4, 2);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 4; ++X) reinterpret_cast<uint32_t*>(Mask.ScanLine(Y))[X] = X < 2 ? 0 : 0xFFFFFF;
  CaptionRecord->ActiveMaskPictureIndex = Skin->PictureCount() - 1;
  TspSkinCaptionObject& Caption = NewCaptionForm(200, "Title");
  EXPECT_TRUE(Caption.HitTest(0, 0));
  EXPECT_TRUE(Caption.HitTest(1, 1));
  EXPECT_FALSE(Caption.HitTest(2, 0));
  // Beside the mask counts as white.
  EXPECT_FALSE(Caption.HitTest(-1, 0));
  EXPECT_FALSE(Caption.HitTest(0, 2));
}

TEST_F(SkinFormCaptionTest, TextIsPlacedByItsAlignmentAndKeepsItsRightMarginWhenWider) {
  struct TCase {
    TAlignment Alignment;
    int FormWidth;
  };
  for (const TCase Case : {TCase{taLeftJustify, 200}, TCase{taCenter, 200}, TCase{taRightJustify, 200},
                           TCase{taLeftJustify, 320}, TCase{taCenter, 320}, TCase{taRightJustify, 320}}) {
    SCOPED_TRACE(testing::Message() << "alignment " << int(Case.Alignment) << ", width " << Case.FormWidth);
    CaptionRecord->Alignment = Case.Alignment;
    TspSkinCaptionObject& Caption = NewCaptionForm(Case.FormWidth, "Title");
    const TPixelImage Painted = PaintedFrame(Case.FormWidth);
    const TRect Place = Caption.ObjectRect;
    ASSERT_EQ(Place, Rect(10, 6, Case.FormWidth - 10, 26));
    // The text area: 4 pixels in from the object's left, its right margin of 4 kept.
    const int AreaLeft = Place.Left + 4, AreaRight = Place.Right - 4;
    const TRect Text = TextBounds(Painted, Place);
    ASSERT_FALSE(RectangleIsEmpty(Text));
    // Glyphs may start or end a pixel inside their advance.
    switch (Case.Alignment) {
      case taLeftJustify:
        EXPECT_LE(Text.Left - AreaLeft, 2);
        EXPECT_GE(Text.Left, AreaLeft);
        break;
      case taRightJustify:
        EXPECT_LE(AreaRight - Text.Right, 2);
        EXPECT_LE(Text.Right, AreaRight);
        break;
      default:
        EXPECT_LE(std::abs((Text.Left - AreaLeft) - (AreaRight - Text.Right)), 3);
        break;
    }
    // Vertically centred in the 20 rows of the caption.
    EXPECT_LE(std::abs((Text.Top - Place.Top) - (Place.Bottom - Text.Bottom)), 3);
  }
}

TEST_F(SkinFormCaptionTest, ACaptionTooLongIsCutWithAnEllipsisInsideItsArea) {
  TspSkinCaptionObject& Caption =
      NewCaptionForm(200, "A caption far too long for the place the skin gives it on this frame");
  const TPixelImage Painted = PaintedFrame(200);
  const TRect Text = TextBounds(Painted, Rect(0, 0, 200, 30));
  EXPECT_GE(Text.Left, Caption.ObjectRect.Left + 4);
  EXPECT_LE(Text.Right, Caption.ObjectRect.Right - 4);
  EXPECT_TRUE(MatchesReferencePicture(Crop(Painted, Caption.ObjectRect),
                                      "tests/components/forms/pictures/caption-cut.png", {24, 4}));
  // A text area too narrow for one character still shows the ellipsis.
  CaptionRecord->TextRct = Rect(80, 0, 96, 20);
  TspSkinCaptionObject& Narrow = NewCaptionForm(200, "Wide");
  const TPixelImage NarrowPainted = PaintedFrame(200);
  const TRect Dots = TextBounds(NarrowPainted, Narrow.ObjectRect);
  ASSERT_FALSE(RectangleIsEmpty(Dots));
  EXPECT_GE(Dots.Left, Narrow.ObjectRect.Left + 80);
  EXPECT_LE(RectangleHeight(Dots), 4);  // dots only: no glyph rises above the baseline
}

TEST_F(SkinFormCaptionTest, ActiveAndInactiveCaptionsUseTheSkinsColoursAndFont) {
  TspSkinCaptionObject& Inactive = NewCaptionForm(200, "Pelladrin");
  ASSERT_FALSE(SkinForm->GetFormActive());
  const TPixelImage InactivePainted = PaintedFrame(200);
  EXPECT_GT(CountPixels(InactivePainted, Inactive.ObjectRect, CaptionInActiveColor), 10);
  EXPECT_EQ(CountPixels(InactivePainted, Inactive.ObjectRect, CaptionActiveColor), 0);
  EXPECT_TRUE(MatchesReferencePicture(Crop(InactivePainted, Inactive.ObjectRect),
                                      "tests/components/forms/pictures/caption-inactive.png", {24, 4}));

  TspSkinCaptionObject& Active = NewCaptionForm(200, "Pelladrin", true);
  ASSERT_TRUE(SkinForm->GetFormActive());
  const TPixelImage ActivePainted = PaintedFrame(200);
  EXPECT_GT(CountPixels(ActivePainted, Active.ObjectRect, CaptionActiveColor), 10);
  EXPECT_EQ(CountPixels(ActivePainted, Active.ObjectRect, CaptionInActiveColor), 0);
  EXPECT_TRUE(MatchesReferencePicture(Crop(ActivePainted, Active.ObjectRect),
                                      "tests/components/forms/pictures/caption-active.png", {24, 4}));
  // The skin's font is bold: the same title in its regular face covers fewer pixels.
  const int BoldPixels = CountPixels(ActivePainted, Active.ObjectRect, CaptionActiveColor);
  CaptionRecord->FontStyle = {};
  TspSkinCaptionObject& Regular = NewCaptionForm(200, "Pelladrin", true);
  EXPECT_LT(CountPixels(PaintedFrame(200), Regular.ObjectRect, CaptionActiveColor), BoldPixels);
}

TEST_F(SkinFormCaptionTest, AnActiveCaptionPictureKeepsItsEndsAndTilesItsMiddleWhenWider) {
  // The active caption picture: 180 × 20, pixel (x, y) = RGB(x, y, 0x30).
  TBitmap& Picture = *Skin->Picture(TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>()));
  Picture.SetPixelFormat(pf32bit);
  Picture.SetSize(180, 20);
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 180; ++X)
      reinterpret_cast<uint32_t*>(Picture.ScanLine(Y))[X] =
          0xFF000030u | uint32_t(X) << 16 | uint32_t(Y) << 8;
  CaptionRecord->ActivePictureIndex = Skin->PictureCount() - 1;
  CaptionRecord->ActiveSkinRect = Rect(0, 0, 180, 20);
  // An empty title: only the picture shows.
  TspSkinCaptionObject& Caption = NewCaptionForm(300, "", true);
  ASSERT_TRUE(SkinForm->GetFormActive());
  const TPixelImage Painted = PaintedFrame(300);
  ASSERT_EQ(Caption.ObjectRect, Rect(10, 6, 290, 26));
  // In the top band from the left-top corner (20) to the right-top one (180): ends of
  // 10 pixels kept, the middle (x 10 to 170 of the picture) repeated across the 260
  // pixels between them.
  auto SourceX = [](int AX) { return AX < 10 ? AX : AX >= 270 ? AX - 100 : 10 + (AX - 10) % 160; };
  int Mismatches = 0;
  for (int Y = 0; Y < 20; ++Y)
    for (int X = 0; X < 280; ++X)
      Mismatches +=
          Painted.Pixel(10 + X, 6 + Y) != (0xFF000030u | uint32_t(SourceX(X)) << 16 | uint32_t(Y) << 8);
  EXPECT_EQ(Mismatches, 0);
}

TEST_F(SkinFormCaptionTest, TheCaptionReportsTheMouseToTheFormsObjectEvents) {
  TspSkinCaptionObject& Caption = NewCaptionForm(200, "Title");
  std::vector<std::string> Seen;
  SkinForm->OnMouseEnterEvent = [&](const String& AIDName) { Seen.push_back("enter " + AIDName); };
  SkinForm->OnMouseLeaveEvent = [&](const String& AIDName) { Seen.push_back("leave " + AIDName); };
  SkinForm->OnMouseDownEvent = [&](const String& AIDName, int X, int Y, const TRect&, TMouseButton) {
    Seen.push_back("down " + AIDName + " " + std::to_string(X) + "," + std::to_string(Y));
  };
  SkinForm->OnMouseUpEvent = [&](const String& AIDName, int X, int Y, const TRect&, TMouseButton) {
    Seen.push_back("up " + AIDName + " " + std::to_string(X) + "," + std::to_string(Y));
  };
  Caption.MouseEnter();
  Caption.MouseDown(40, 12, mbLeft);
  Caption.MouseLeave();
  // Released away from the caption: still reported, unlike other objects.
  Caption.MouseUp(300, 90, mbLeft);
  EXPECT_EQ(Seen, (std::vector<std::string>{"enter caption", "down caption 40,12", "leave caption",
                                            "up caption 300,90"}));
  // The hover leaves the caption's look alone.
  EXPECT_FALSE(Caption.Active);
}

TEST_F(SkinFormCaptionTest, ASwitchTogglesOnALeftPressAndShowsItsStateNotTheHover) {
  constexpr uint32_t Off = 0xFF2040A0u, On = 0xFFA04020u;
  TBitmap& Looks = *Skin->Picture(TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>()));
  Looks.SetPixelFormat(pf32bit);
  // Off at (40, 10, 44, 14), on beside it; the place is the top band of the frame.
  Looks.SetSize(48, 16);
  for (int Y = 0; Y < 16; ++Y)
    for (int X = 0; X < 48; ++X) reinterpret_cast<uint32_t*>(Looks.ScanLine(Y))[X] = X < 44 ? Off : On;
  auto Record = std::make_unique<TspDataSkinSwitch>("power");
  Record->SkinRectInAPicture = true;
  Record->SkinRect = Rect(40, 10, 44, 14);
  Record->ActiveSkinRect = Rect(44, 10, 48, 14);
  Record->ActivePictureIndex = Skin->PictureCount() - 1;
  TspSkinEditor(*Skin).AddObject(std::move(Record));
  NewCaptionForm(200, "Title", true);
  auto* Switch = dynamic_cast<TspSkinSwitchObject*>(SkinForm->ObjectList.at(1).get());
  ASSERT_NE(Switch, nullptr);
  std::vector<TSwitchState> Reported;
  SkinForm->OnSwitchChangeStateEvent = [&](const String&, TSwitchState AState) {
    Reported.push_back(AState);
  };
  const TRect Place = Switch->ObjectRect;
  auto Shown = [&] { return WindowPicture(Form->Handle()).Pixel(Place.Left + 1, Place.Top + 1); };

  Switch->MouseEnter();
  EXPECT_FALSE(Switch->Active);
  Switch->MouseDown(Place.Left, Place.Top, mbRight);
  EXPECT_EQ(Switch->State(), swsOff);
  Switch->MouseDown(Place.Left, Place.Top, mbLeft);
  EXPECT_EQ(Switch->State(), swsOn);
  EXPECT_EQ(Shown(), On);
  Switch->MouseDown(Place.Left, Place.Top, mbLeft);
  EXPECT_EQ(Switch->State(), swsOff);
  EXPECT_EQ(Shown(), Off);
  EXPECT_EQ(Reported, (std::vector<TSwitchState>{swsOn, swsOff}));
  // Set quietly: no event, and the on look without a morph.
  Switch->SimpleSetState(swsOn);
  EXPECT_EQ(Reported.size(), 2u);
  EXPECT_EQ(Switch->MorphKf(), 1.0);
}

TEST_F(SkinFormCaptionTest, ALabelShowsItsTextInTheHotColourUnderTheMouse) {
  auto Record = std::make_unique<TspDataSkinLabel>("status");
  Record->SkinRect = Rect(30, 8, 90, 24);  // on the flat caption band
  Record->FontName = "Arial";
  Record->FontHeight = 14;
  Record->FontStyle = {fsBold};
  Record->FontColor = CaptionInActiveColor;
  Record->ActiveFontColor = CaptionActiveColor;
  Record->TextValue = "Ready";
  TspSkinEditor(*Skin).AddObject(std::move(Record));
  NewCaptionForm(200, "", true);
  auto* Label = dynamic_cast<TspSkinLabelObject*>(SkinForm->ObjectList.at(1).get());
  ASSERT_NE(Label, nullptr);
  const TRect Place = Label->ObjectRect;
  ASSERT_EQ(Place, Rect(30, 8, 90, 24));
  auto Shown = [&] { return WindowPicture(Form->Handle()); };

  SkinForm->DrawSkinObject(Label);
  EXPECT_GT(CountPixels(Shown(), Place, CaptionInActiveColor), 5);
  EXPECT_EQ(CountPixels(Shown(), Place, CaptionActiveColor), 0);
  Label->MouseEnter();
  EXPECT_GT(CountPixels(Shown(), Place, CaptionActiveColor), 5);
  EXPECT_EQ(CountPixels(Shown(), Place, CaptionInActiveColor), 0);
  Label->SetTextValue("", true);
  EXPECT_TRUE(RectangleIsEmpty(TextBounds(Shown(), Place)));
}

TEST_F(SkinFormCaptionTest, ACaptionWithRectanglesBeyondItsPicturesPaintsWithoutHarm) {
  Skin->Picture(TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>()))->SetSize(8, 8);
  CaptionRecord->ActivePictureIndex = Skin->PictureCount() - 1;
  CaptionRecord->ActiveSkinRect = Rect(-50, -50, 5000, 4000);
  CaptionRecord->FrameRect = Rect(4, 4, 900, 30);
  CaptionRecord->ActiveFrameRect = Rect(-10, 0, 3, 2);
  CaptionRecord->FrameLeftOffset = 500;
  CaptionRecord->FrameRightOffset = -20;
  CaptionRecord->FrameTextRect = Rect(300, -40, 10, 2);
  CaptionRecord->TextRct = Rect(170, -5, 400, 90);
  CaptionRecord->GlowEffect = true;
  CaptionRecord->GlowSize = 40;
  CaptionRecord->Light = CaptionRecord->Shadow = true;
  for (bool FullFrame : {false, true}) {
    CaptionRecord->FullFrame = FullFrame;
    for (int Width : {200, 120, 700}) {
      SCOPED_TRACE(testing::Message() << "full frame " << FullFrame << ", width " << Width);
      NewCaptionForm(Width, "A title", true);
      const TPixelImage Painted = PaintedFrame(Width);
      EXPECT_EQ(Painted.Width, Width);
    }
  }
}

// A caption button of its own pictures that morphs: 4 × 4, normal look blue, hot look
// orange, side by side in one picture.
TEST_F(SkinFormCaptionTest, AHoveredObjectMorphsToItsHotLookInFiveTicksAndBack) {
  constexpr uint32_t Normal = 0xFF2040A0u, Hot = 0xFFA04020u;
  TBitmap& Looks = *Skin->Picture(TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>()));
  Looks.SetPixelFormat(pf32bit);
  Looks.SetSize(8, 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 8; ++X) reinterpret_cast<uint32_t*>(Looks.ScanLine(Y))[X] = X < 4 ? Normal : Hot;
  auto Close = std::make_unique<TspDataSkinStdButton>("closebutton");
  Close->Command = cmClose;
  Close->SkinRectInAPicture = true;
  Close->SkinRect = Rect(0, 0, 4, 4);
  Close->ActiveSkinRect = Rect(4, 0, 8, 4);
  Close->ActivePictureIndex = Skin->PictureCount() - 1;
  Close->Morphing = true;
  Close->MorphKind = mkDefault;
  TspSkinEditor(*Skin).AddObject(std::move(Close));

  NewCaptionForm(200, "Title", true);
  std::vector<String> Entered;
  SkinForm->OnMouseEnterEvent = [&](const String& AIDName) { Entered.push_back(AIDName); };
  TspActiveSkinObject& Button = *SkinForm->ObjectList.at(1);
  const TRect Place = Button.ObjectRect;
  ASSERT_EQ(RectangleWidth(Place), 4);
  auto Shown = [&] { return WindowPicture(Form->Handle()).Pixel(Place.Left + 1, Place.Top + 1); };
  SkinForm->DrawSkinObject(&Button);
  ASSERT_EQ(Shown(), Normal);

  // The hover, as the form's tracking hands it over.
  Button.MouseEnter();
  EXPECT_EQ(Entered, std::vector<String>{"closebutton"});
  ASSERT_TRUE(SkinForm->MorphTimer().Enabled());
  std::vector<uint32_t> Steps;
  for (int Tick = 0; Tick < 5; ++Tick) {
    HeadlessBackend()->AdvanceClock(25);
    Application->ProcessMessages();
    Steps.push_back(Shown());
  }
  EXPECT_EQ(Steps.back(), Hot);
  for (size_t I = 0; I + 1 < Steps.size(); ++I) {
    SCOPED_TRACE(I);
    EXPECT_NE(Steps[I], Normal);
    EXPECT_NE(Steps[I], Hot);
    // The red channel climbs from 0x20 towards 0xA0 step by step.
    EXPECT_LT(Steps[I] >> 16 & 0xFF, Steps[I + 1] >> 16 & 0xFF);
  }
  // Nothing left to morph: the timer stops on its next tick.
  HeadlessBackend()->AdvanceClock(25);
  Application->ProcessMessages();
  EXPECT_FALSE(SkinForm->MorphTimer().Enabled());

  Button.MouseLeave();
  for (int Tick = 0; Tick < 5; ++Tick) {
    HeadlessBackend()->AdvanceClock(25);
    Application->ProcessMessages();
  }
  EXPECT_EQ(Shown(), Normal);
}

}  // namespace skin_form_caption_test
