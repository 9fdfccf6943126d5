// The built-in caption buttons of a form without skin: which exist and show by the
// border icons, their hints, and their looks.

#include "platform/gdi/DcScopes.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormPaintFixture.h"
#include "tests/support/Pictures.h"

namespace skin_form_paint_test {
namespace {

class SkinFormCaptionButtonsTest : public SkinFormPaintTest {
 protected:
  TspSkinStdButtonObject& Button(const String& AIDName) {
    for (auto& Object : SkinForm->ObjectList)
      if (Object->IDName == AIDName) return dynamic_cast<TspSkinStdButtonObject&>(*Object);
    throw std::runtime_error("no button " + AIDName);
  }
  // The close button's look as an ASCII picture: '.' button face, 'x' glyph (button
  // text), 'n' the navy frame, 'd' the pressed fill, 'h' the hot fill.
  std::string CloseLook() {
    TspSkinStdButtonObject& Close = Button("closebutton");
    const TRect Place = Close.ObjectRect;
    const TPixelImage Painted = PaintedWindow(300, 200, 0xFF000000, [&](HDC ADC) {
      TCanvas Canvas;
      const TCanvasHandleScope Scope(Canvas, ADC);
      Close.Draw(Canvas, true);
    });
    return testing_support::AsciiPicture(Painted, Place,
                                         {{Opaque(clBtnFace), '.'},
                                          {Opaque(clBtnText), 'x'},
                                          {Opaque(clBtnShadow), 's'},
                                          {Opaque(TColor(0x800000)), 'n'},
                                          {Opaque(TColor(0xB59385)), 'd'},
                                          {Opaque(TColor(0xD2BDB6)), 'h'}});
  }
  static uint32_t Opaque(TColor AColor) { return testing_support::OpaquePixel(ColorToRGB(AColor)); }
};

TEST_F(SkinFormCaptionButtonsTest, SixButtonsAreMadeAndFollowTheBorderIcons) {
  NewSkinForm(300, 200, nullptr);
  SkinForm->CreateDefaultButtons();
  ASSERT_EQ(SkinForm->ObjectList.size(), 6u);
  // The default border icons: system menu, minimize, maximize, roll-up.
  EXPECT_TRUE(Button("closebutton").Visible);
  EXPECT_TRUE(Button("maxbutton").Visible);
  EXPECT_TRUE(Button("rollupbutton").Visible);
  EXPECT_FALSE(Button("traybutton").Visible);
  SkinForm->SetBorderIcons({TspSkinForm::biSystemMenu});
  SkinForm->ApplyBorderIcons();
  EXPECT_FALSE(Button("maxbutton").Visible);
  EXPECT_FALSE(Button("minbutton").Visible);
  EXPECT_TRUE(Button("sysmenubutton").Visible);
  SkinForm->DisableSystemMenu = true;
  SkinForm->ApplyBorderIcons();
  EXPECT_FALSE(Button("sysmenubutton").Visible);
  // Close has no border icon of its own: it stays.
  EXPECT_TRUE(Button("closebutton").Visible);
  SkinForm->HideCaptionButtons = true;
  SkinForm->ApplyBorderIcons();
  EXPECT_FALSE(Button("closebutton").Visible);
  EXPECT_FALSE(Button("closebutton").Enabled);
}

TEST_F(SkinFormCaptionButtonsTest, SettingTheBorderIconsReappliesTheButtonsAndRepaintsTheFrame) {
  NewSkinForm(300, 200, nullptr);
  Form->Show();
  ProcessPendingMessages();
  const HWND Window = Form->Handle();
  // Caption row 2 at window x 266: inside the maximize button (263, 4, 280, 21) while
  // it shows, a highlight stripe of the caption once it has gone.
  const COLORREF Highlight = ColorToRGB(clBtnHighlight);
  ASSERT_TRUE(Button("maxbutton").Visible);
  EXPECT_NE(PresentedPixel(Window, 266, 5), Highlight);
  SkinForm->SetBorderIcons({TspSkinForm::biSystemMenu});
  ProcessPendingMessages();
  EXPECT_FALSE(Button("maxbutton").Visible);
  EXPECT_FALSE(Button("minbutton").Visible);
  EXPECT_FALSE(Button("rollupbutton").Visible);
  EXPECT_TRUE(Button("closebutton").Visible);
  EXPECT_EQ(SkinForm->Geometry().NewDefCaptionRect, Rect(20, 3, 280, 19));
  EXPECT_EQ(PresentedPixel(Window, 266, 5), Highlight);
}

TEST_F(SkinFormCaptionButtonsTest, HintsComeFromTheSkinsStringsOrTheBuiltInTexts) {
  TspSkinData Empty(nullptr);
  NewSkinForm(300, 200, nullptr);
  SkinForm->CreateDefaultButtons();
  // No skin data at all: no hints.
  EXPECT_EQ(Button("closebutton").Hint, "");
  SkinForm->SetSkinData(&Empty);
  SkinForm->UpdateButtonHints();
  EXPECT_EQ(Button("closebutton").Hint, "Close");
  EXPECT_EQ(Button("traybutton").Hint, "Minimize to Tray");
  EXPECT_EQ(Button("maxbutton").RestoreHint, "Restore");
  TspResourceStrData Strings(nullptr);
  Strings.ResStrings().Clear();
  Strings.ResStrings().Add("CLOSEBUTTON_HINT=Schliessen");
  Empty.SetResourceStrData(&Strings);
  SkinForm->UpdateButtonHints();
  EXPECT_EQ(Button("closebutton").Hint, "Schliessen");
  // A key the table lacks gives an empty hint.
  EXPECT_EQ(Button("minbutton").Hint, "");
  Empty.SetResourceStrData(nullptr);
}

TEST_F(SkinFormCaptionButtonsTest, CloseButtonLooksNormalHotAndPressedWithItsGlyphShifted) {
  NewSkinForm(300, 200, nullptr);
  // The first built-in frame paint makes and places the buttons.
  PaintedWindow(300, 200, 0xFF000000, [&](HDC ADC) { SkinForm->PaintNCDefault(ADC, true); });
  TspSkinStdButtonObject& Close = Button("closebutton");
  ASSERT_EQ(Close.ObjectRect, Rect(280, 4, 297, 21));
  // 17 × 17: the glyph's top-left at (17 div 2 - 5, 17 div 2 - 4) = (3, 4).
  EXPECT_EQ(CloseLook(),
            ".................\n"
            ".................\n"
            ".................\n"
            ".................\n"
            ".................\n"
            "....xx.....xx....\n"
            ".....xx...xx.....\n"
            "......xx.xx......\n"
            ".......xxx.......\n"
            ".......xxx.......\n"
            "......xx.xx......\n"
            ".....xx...xx.....\n"
            "....xx.....xx....\n"
            ".................\n"
            ".................\n"
            ".................\n"
            ".................\n");
  Close.FMouseIn = true;
  const std::string Hot = CloseLook();
  EXPECT_EQ(Hot.substr(0, 18), "nnnnnnnnnnnnnnnnn\n");
  EXPECT_EQ(Hot.substr(18, 18), "nhhhhhhhhhhhhhhhn\n");
  Close.FDown = true;
  const std::string Pressed = CloseLook();
  EXPECT_EQ(Pressed.substr(18, 18), "ndddddddddddddddn\n");
  // Pressed under the mouse, the glyph moves one pixel right and down.
  EXPECT_EQ(Pressed.substr(6 * 18, 18), "nddddxxdddddxxddn\n");
  // Pressed but the mouse moved off: the plain look.
  Close.FMouseIn = false;
  EXPECT_EQ(CloseLook().substr(5 * 18, 18), "....xx.....xx....\n");
  Close.Enabled = false;
  EXPECT_EQ(CloseLook().substr(5 * 18, 18), "....ss.....ss....\n");
}

TEST_F(SkinFormCaptionButtonsTest, OneButtonIsRedrawnAloneOnTheWindowsFrame) {
  NewSkinForm(300, 200, nullptr);
  Form->Show();
  Application->ProcessMessages();
  PaintedWindow(300, 200, 0xFF000000, [&](HDC ADC) { SkinForm->PaintNCDefault(ADC, true); });
  TspSkinStdButtonObject& Close = Button("closebutton");
  Close.FMouseIn = true;
  SkinForm->DrawSkinObject(&Close);
  Application->ProcessMessages();
  // The hot look at the button's place: the navy frame, the hot fill inside it.
  const TPixelImage Shown = WindowPicture(Form->Handle());
  EXPECT_EQ(Shown.Pixel(280, 4), Opaque(TColor(0x800000)));
  EXPECT_EQ(Shown.Pixel(282, 6), Opaque(TColor(0xD2BDB6)));
}

TEST_F(SkinFormCaptionButtonsTest, BuiltInButtonsGoWhenTheFormIsPaintedWithASkin) {
  std::unique_ptr<TspSkinData> Skin = MakeFixtureSkin();
  NewSkinForm(400, 300, nullptr);
  PaintedWindow(400, 300, 0xFF000000, [&](HDC ADC) { SkinForm->PaintNCDefault(ADC, true); });
  ASSERT_EQ(SkinForm->ObjectList.size(), 6u);
  SkinForm->SetSkinData(Skin.get());
  PaintedWindow(400, 300, 0xFF000000, [&](HDC ADC) { SkinForm->PaintNCSkin(ADC, true); });
  EXPECT_TRUE(SkinForm->ObjectList.empty());
}

TEST_F(SkinFormCaptionButtonsTest, ADialogCloseButtonStandsInForCloseOnDialogBorderIcons) {
  NewSkinForm(300, 200, nullptr);
  SkinForm->CreateDefaultButtons();
  SkinForm->ObjectList.push_back(
      std::make_unique<TspSkinStdButtonObject>(SkinForm, "dialogclosebutton", cmClose));
  TspSkinStdButtonObject& DialogClose = Button("dialogclosebutton");
  struct TCase {
    const char* Icons;
    TspSkinForm::TspBorderIcons BorderIcons;
    bool DialogShown, CloseShown;
  };
  const TCase Cases[] = {
      {"none", {}, true, false},
      {"system menu only", {TspSkinForm::biSystemMenu}, true, false},
      {"system menu and minimize", {TspSkinForm::biSystemMenu, TspSkinForm::biMinimize}, false, true}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Icons);
    Button("closebutton").Visible = Button("closebutton").Enabled = true;
    SkinForm->SetBorderIcons(Case.BorderIcons);
    SkinForm->ApplyBorderIcons();
    EXPECT_EQ(DialogClose.Visible, Case.DialogShown);
    EXPECT_EQ(DialogClose.Enabled, Case.DialogShown);
    EXPECT_EQ(Button("closebutton").Visible, Case.CloseShown);
  }
}

}  // namespace
}  // namespace skin_form_paint_test
