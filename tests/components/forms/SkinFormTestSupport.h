#pragma once
// What the skin form tests share: the headless window system, forms with a skin
// component, windows compared with reference pictures, and a small skin built in the
// test whose frame picture is 100 x 100 with the client rectangle (5, 30, 95, 90) and a
// mask whose four corners are cut away.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "components/forms/SkinForm.h"
#include "platform/ui/Forms.h"

namespace skin_form_test {

// The fixture skin's frame picture size, client rectangle and mask corner cut: the
// mask is white where X + Y < CornerCut from any corner, black everywhere else.
constexpr int FramePictureSize = 100;
constexpr TRect FixtureClRect{5, 30, 95, 90};
constexpr int CornerCut = 6;

// A loaded skin with the fixture frame (no element records).
std::unique_ptr<TspSkinData> MakeFixtureSkin();
// The program's default skin, generated and stored into a folder once per test
// program: its skin description, and the skin read back from its files (for each
// call, without announcing itself to the forms).
String DefaultSkinFile();
std::unique_ptr<TspSkinData> LoadDefaultSkin();
// Whether (AX, AY) of a form of AWidth x AHeight lies in a cut corner of the fixture.
bool InFixtureCornerCut(int AX, int AY, int AWidth, int AHeight);

class SkinFormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A visible form at ABounds (screen) with the border style, and its skin component.
  TForm* NewForm(const TRect& ABounds, TFormBorderStyle AStyle = bsSingle);
  TspSkinForm* NewSkinnedForm(const TRect& ABounds, TspSkinData* ASkin, TFormBorderStyle AStyle = bsSingle);
  // An MDI frame at ABounds (screen), not shown yet, and its skin component with ASkin.
  static TspSkinForm* NewMdiFrame(const TRect& ABounds, TspSkinData* ASkin = nullptr);
  // A shown document of the MDI frame at ABounds (client coordinates), named AName and
  // captioned ACaption, and its skin component with ASkin.
  static TspSkinForm* NewMdiDocument(const String& AName, const String& ACaption, const TRect& ABounds,
                                     TspSkinData* ASkin = nullptr, TFormBorderStyle AStyle = bsSizeable);
  // The answer of the form's window to WM_NCHITTEST at a point of the window.
  static LRESULT HitTest(TCustomForm* AForm, TPoint AWindowPoint);
  // WM_NCCALCSIZE of the window rectangle ARect; the client rectangle it gives.
  static TRect CalcClientRect(TCustomForm* AForm, const TRect& ARect);
  // Whether AWindow, once the pending messages are handled, looks as its reference
  // picture tests/components/forms/pictures/<AName>.png shows, to 2 per channel with no
  // pixel beyond (the picture is kept for looking, see tests/support/Pictures.h).
  static ::testing::AssertionResult LooksAsInItsPicture(HWND AWindow, const std::string& AName);
};

}  // namespace skin_form_test
