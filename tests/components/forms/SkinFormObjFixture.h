#pragma once
// The frame objects' tests: the painting fixture's skin, whose frame pixel names its own
// place, with an object picture whose pixel names its place too (in another blue), so
// that each drawn pixel tells which picture and which place it came from. A form of
// the frame picture's size keeps every object where its skin rectangle says.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "tests/components/forms/SkinFormPaintFixture.h"
#include "tests/support/Pictures.h"

namespace skin_form_obj_test {

// The object picture: 64 × 64, pixel (x, y) = RGB(x, y, ObjPictureBlue).
constexpr uint32_t ObjPictureBlue = 0x90;
constexpr int ObjPictureSize = 64;
constexpr uint32_t ObjPicturePixel(int AX, int AY) {
  return 0xFF000000u | uint32_t(AX) << 16 | uint32_t(AY) << 8 | ObjPictureBlue;
}

class SkinFormObjTest : public skin_form_paint_test::SkinFormPaintTest {
 protected:
  void SetUp() override;

  // Frees the form shown, then starts again from the fixture skin with the object
  // picture.
  void StartAgain();
  // Adds a picture of AWidth × AHeight, pixel (x, y) = APixelAt(x, y), to the skin's
  // picture list; its index.
  template <typename TPixelAt>
  int AddPicture(int AWidth, int AHeight, TPixelAt APixelAt) {
    const int Index = TspSkinEditor(*Skin).AddPicture(std::make_unique<TBitmap>());
    TBitmap& Picture = *Skin->Picture(Index);
    Picture.SetPixelFormat(pf32bit);
    Picture.SetSize(AWidth, AHeight);
    for (int Y = 0; Y < AHeight; ++Y)
      for (int X = 0; X < AWidth; ++X) reinterpret_cast<uint32_t*>(Picture.ScanLine(Y))[X] = APixelAt(X, Y);
    return Index;
  }
  // Adds the record and shows a form of the frame picture's size wearing the skin; the
  // live object made from the record.
  template <typename TObject>
  TObject& ShowObject(std::unique_ptr<TspDataSkinObject> ARecord) {
    TspSkinEditor(*Skin).AddObject(std::move(ARecord));
    NewSkinForm(skin_form_paint_test::FixturePictureWidth, skin_form_paint_test::FixturePictureHeight,
                Skin.get());
    Form->Show();
    Application->ProcessMessages();
    auto* Object = dynamic_cast<TObject*>(SkinForm->ObjectList.at(0).get());
    if (!Object) throw std::runtime_error("no object of the record's kind");
    return *Object;
  }

  // The object's place as the window shows it now, a character a pixel: '.' the frame
  // picture at the same place, 'a' the object picture at the same place of AHotRect
  // (its top-left at the object's), ALegend's character for a value it names, '#' else.
  std::string Shown(const TspActiveSkinObject& AObject, const TRect& AHotRect,
                    const testing_support::TPixelLegend& ALegend = {}) const;
  // The same for a full frame paint (objects drawn into the frame being composed).
  std::string ShownInFramePaint(const TspActiveSkinObject& AObject, const TRect& AHotRect);

  std::unique_ptr<TspSkinData> Skin;
  // The index of the object picture in the skin's list.
  int ObjPictureIndex = -1;

 private:
  std::string Classify(const TPixelImage& APainted, const TspActiveSkinObject& AObject, const TRect& AHotRect,
                       const testing_support::TPixelLegend& ALegend) const;
};

}  // namespace skin_form_obj_test
