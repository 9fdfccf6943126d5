// The form's icon and fonts on the built-in caption, as the window shows them: the
// form's own icon before the application's, and the frame repainted when the icon is
// switched on or a caption font changes.

#include "platform/base/Streams.h"
#include "platform/gdi/PictureCodecs.h"
#include "platform/ui/Application.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/components/forms/SkinFormTestSupport.h"

// A namespace of its own: the directive below stays out of the test files compiled
// after this one in the same batch.
namespace skin_form_api_icon_test {
namespace {

using namespace skin_form_test;

// An icon of 32 × 32 pixels of one colour (0xAARRGGBB); with alpha below 255 the icon
// has an alpha channel of its own.
void LoadPlainIcon(TIcon& AIcon, uint32_t AColor) {
  TPixelImage Image;
  ResizePixelImage(Image, 32, 32, AColor);
  Image.HasAlpha = AColor >> 24 != 0xFF;
  const std::vector<uint8_t> Data = EncodeIcon(Image);
  TMemoryStream Stream;
  Stream.WriteBuffer(Data.data(), int64_t(Data.size()));
  Stream.SetPosition(0);
  AIcon.LoadFromStream(Stream);
}

constexpr uint32_t FormIconColor = 0xFFFF0000;
constexpr uint32_t ApplicationIconColor = 0xFF0000FF;
constexpr COLORREF FormIconPixel = 0x0000FF;
constexpr COLORREF ApplicationIconPixel = 0xFF0000;

class SkinFormApiIconTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    LoadPlainIcon(Application->Icon(), ApplicationIconColor);
  }
  // The pixel in the middle of the built-in system-menu button, where the icon goes.
  static COLORREF IconMiddle(TspSkinForm* ASkinForm) {
    ProcessPendingMessages();
    return PresentedPixel(ASkinForm->Form()->Handle(), 3 + GetSystemMetrics(SM_CXSMICON) / 2,
                          4 + GetSystemMetrics(SM_CYSMICON) / 2);
  }
  // How many pixels of the built-in caption show AColor.
  static int CaptionPixelsOf(TspSkinForm* ASkinForm, COLORREF AColor) {
    ProcessPendingMessages();
    int Count = 0;
    for (int Y = 3; Y < 3 + ASkinForm->DefaultCaptionHeight(); ++Y)
      for (int X = 3; X < ASkinForm->Form()->Width() - 3; ++X)
        Count += PresentedPixel(ASkinForm->Form()->Handle(), X, Y) == AColor;
    return Count;
  }
};

TEST_F(SkinFormApiIconTest, TheCaptionShowsTheFormsOwnIconBeforeTheApplications) {
  TspSkinForm* Own = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  LoadPlainIcon(Own->Form()->Icon(), FormIconColor);
  Own->SetShowIcon(true);
  EXPECT_EQ(IconMiddle(Own), FormIconPixel);
  TspSkinForm* Plain = NewSkinnedForm(Bounds(400, 50, 300, 200), nullptr);
  Plain->SetShowIcon(true);
  EXPECT_EQ(IconMiddle(Plain), ApplicationIconPixel);
}

TEST_F(SkinFormApiIconTest, ShowingTheIconRepaintsTheFrame) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  ASSERT_NE(IconMiddle(SkinForm), ApplicationIconPixel);
  SkinForm->SetShowIcon(true);
  EXPECT_EQ(IconMiddle(SkinForm), ApplicationIconPixel);
  SkinForm->SetShowIcon(false);
  EXPECT_NE(IconMiddle(SkinForm), ApplicationIconPixel);
}

TEST_F(SkinFormApiIconTest, ACaptionFontSetRepaintsTheBuiltInCaption) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  SkinForm->Form()->SetCaption("WWWWWW");
  ASSERT_EQ(CaptionPixelsOf(SkinForm, clRed), 0);
  TFont Red;
  Red.Assign(SkinForm->GetFormActive() ? *SkinForm->DefCaptionFont : *SkinForm->DefInActiveCaptionFont);
  Red.SetColor(clRed);
  if (SkinForm->GetFormActive())
    SkinForm->SetDefCaptionFont(Red);
  else
    SkinForm->SetDefInActiveCaptionFont(Red);
  EXPECT_GT(CaptionPixelsOf(SkinForm, clRed), 20);
}

TEST_F(SkinFormApiIconTest, TheIconCopyIsSmallAndKeepsItsAlpha) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  LoadPlainIcon(SkinForm->Form()->Icon(), 0x80FF0000);
  TIcon* Copy = SkinForm->EnsureIcon();
  ASSERT_NE(Copy, nullptr);
  EXPECT_EQ(Copy->Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(Copy->Height(), GetSystemMetrics(SM_CYSMICON));
  const uint32_t Pixel = Copy->ToPixelImage().Pixel(2, 2);
  EXPECT_NEAR(int(Pixel >> 24), 0x80, 1);
  EXPECT_NEAR(int(Pixel >> 16 & 0xFF), 0xFF, 2);
  EXPECT_EQ(Pixel & 0xFFFF, 0u);
  // Made once: a new icon of the form is not taken.
  LoadPlainIcon(SkinForm->Form()->Icon(), FormIconColor);
  EXPECT_EQ(SkinForm->EnsureIcon(), Copy);
}

TEST_F(SkinFormApiIconTest, OnlyAnIconWithAnAlphaChannelIsAnAlphaIcon) {
  struct TCase {
    const char* Name;
    uint32_t FormIcon;
    bool Alpha;
  };
  const TCase Cases[] = {
      {"opaque icon", FormIconColor, false},
      {"half transparent icon", 0x80FF0000, true},
  };
  for (const TCase& Case : Cases) {
    TspSkinForm* SkinForm = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
    LoadPlainIcon(SkinForm->Form()->Icon(), Case.FormIcon);
    EXPECT_EQ(SkinForm->CheckAlphaIcon(), Case.Alpha) << Case.Name;
  }
  // Without any icon there is nothing to draw.
  Application->Icon().Assign(TIcon());
  TspSkinForm* Bare = NewSkinnedForm(Bounds(50, 50, 300, 200), nullptr);
  EXPECT_EQ(Bare->EnsureIcon(), nullptr);
  EXPECT_FALSE(Bare->CheckAlphaIcon());
}

}  // namespace
}  // namespace skin_form_api_icon_test
