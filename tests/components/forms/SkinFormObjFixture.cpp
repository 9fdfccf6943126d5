#include "tests/components/forms/SkinFormObjFixture.h"

#include "platform/win/headless/HeadlessPictures.h"

namespace skin_form_obj_test {

using namespace skin_form_paint_test;

void SkinFormObjTest::SetUp() {
  SkinFormPaintTest::SetUp();
  StartAgain();
}

void SkinFormObjTest::StartAgain() {
  delete Form;
  Form = nullptr;
  SkinForm = nullptr;
  Skin = skin_form_paint_test::MakeFixtureSkin();
  ObjPictureIndex = AddPicture(ObjPictureSize, ObjPictureSize, ObjPicturePixel);
}

std::string SkinFormObjTest::Classify(const TPixelImage& APainted, const TspActiveSkinObject& AObject,
                                      const TRect& AHotRect,
                                      const testing_support::TPixelLegend& ALegend) const {
  const TRect& Place = AObject.ObjectRect;
  std::string Result;
  for (int Y = 0; Y < RectangleHeight(Place); ++Y) {
    for (int X = 0; X < RectangleWidth(Place); ++X) {
      const uint32_t Pixel = APainted.Pixel(Place.Left + X, Place.Top + Y) | 0xFF000000u;
      char Seen = '#';
      if (Pixel == FixtureFramePixel(Place.Left + X, Place.Top + Y))
        Seen = '.';
      else if (Pixel == ObjPicturePixel(AHotRect.Left + X, AHotRect.Top + Y))
        Seen = 'a';
      for (const auto& [Value, Character] : ALegend)
        if (Value == Pixel) Seen = Character;
      Result += Seen;
    }
    Result += '\n';
  }
  return Result;
}

std::string SkinFormObjTest::Shown(const TspActiveSkinObject& AObject, const TRect& AHotRect,
                                   const testing_support::TPixelLegend& ALegend) const {
  return Classify(WindowPicture(Form->Handle()), AObject, AHotRect, ALegend);
}

std::string SkinFormObjTest::ShownInFramePaint(const TspActiveSkinObject& AObject, const TRect& AHotRect) {
  const TPixelImage Painted = PaintedWindow(FixturePictureWidth, FixturePictureHeight, 0xFF000000u,
                                            [&](HDC ADC) { SkinForm->PaintNCSkin(ADC, true); });
  return Classify(Painted, AObject, AHotRect, {});
}

}  // namespace skin_form_obj_test
