// The built-in caption buttons read the state the skin component keeps: the maximize
// button shows the restore look while the form is maximized, and the roll-up button the
// roll-down look while the form is rolled up.

#include <stdexcept>
#include <string>

#include "platform/gdi/DcScopes.h"
#include "platform/win/MessageLoop.h"
#include "tests/components/forms/SkinFormPaintFixture.h"
#include "tests/support/Pictures.h"

namespace skin_form_paint_test {
namespace {

class SkinFormStatesLookTest : public SkinFormPaintTest {
 protected:
  // The button's look as an ASCII picture: '.' button face, 'x' glyph.
  std::string Look(const String& AIDName) {
    for (auto& Object : SkinForm->ObjectList) {
      if (Object->IDName != AIDName) continue;
      const TRect Place = Object->ObjectRect;
      const TPixelImage Painted = PaintedWindow(Form->Width(), Form->Height(), 0xFF000000, [&](HDC ADC) {
        TCanvas Canvas;
        const TCanvasHandleScope Scope(Canvas, ADC);
        Object->Draw(Canvas, true);
      });
      return testing_support::AsciiPicture(Painted, Place,
                                           {{Opaque(clBtnFace), '.'}, {Opaque(clBtnText), 'x'}});
    }
    throw std::runtime_error("no button " + AIDName);
  }
  static uint32_t Opaque(TColor AColor) { return testing_support::OpaquePixel(ColorToRGB(AColor)); }
};

TEST_F(SkinFormStatesLookTest, TheMaximizeAndRollUpButtonsShowTheLookOfTheWayBack) {
  const std::string Maximize =
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      "...xxxxxxxxxxx...\n"
      "...xxxxxxxxxxx...\n"
      "...x.........x...\n"
      "...x.........x...\n"
      "...x.........x...\n"
      "...x.........x...\n"
      "...x.........x...\n"
      "...x.........x...\n"
      "...x.........x...\n"
      "...xxxxxxxxxxx...\n"
      ".................\n"
      ".................\n"
      ".................\n";
  const std::string Restore =
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".....xxxxxxxx....\n"
      ".....xxxxxxxx....\n"
      ".....x......x....\n"
      ".....x......x....\n"
      "...xxxxxxx..x....\n"
      "...xxxxxxxxxx....\n"
      "...x.....x.......\n"
      "...x.....x.......\n"
      "...x.....x.......\n"
      "...xxxxxxx.......\n"
      ".................\n"
      ".................\n"
      ".................\n";
  const std::string RollUp =
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".......xx........\n"
      "......xxxx.......\n"
      ".....xxxxxx......\n"
      "....xxxxxxxx.....\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n";
  const std::string RollDown =
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      "....xxxxxxxx.....\n"
      ".....xxxxxx......\n"
      "......xxxx.......\n"
      ".......xx........\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n"
      ".................\n";
  NewSkinForm(300, 200, nullptr);
  Form->Show();
  ProcessPendingMessages();
  EXPECT_EQ(Look("maxbutton"), Maximize);
  EXPECT_EQ(Look("rollupbutton"), RollUp);
  SkinForm->SetWindowState(wsMaximized);
  EXPECT_EQ(Look("maxbutton"), Restore);
  SkinForm->SetRollUpState(true);
  EXPECT_EQ(Look("rollupbutton"), RollDown);
  SkinForm->SetWindowState(wsNormal);
  EXPECT_EQ(Look("maxbutton"), Maximize);
  EXPECT_EQ(Look("rollupbutton"), RollUp);
}

}  // namespace
}  // namespace skin_form_paint_test
