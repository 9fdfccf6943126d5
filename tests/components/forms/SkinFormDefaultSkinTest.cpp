// The program's default skin on a skin form: the frame's insets, its region and its
// hit test at the skin's own size and at other sizes, and the title on its caption.

#include "components/core/SPUtils.h"
#include "platform/gdi/Regions.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowRegions.h"
#include "resources/skin-new/SkinNewPalette.h"
#include "tests/components/forms/SkinFormTestSupport.h"
#include "tests/support/Pictures.h"

using namespace skin_form_test;

namespace {

class SkinFormDefaultSkinTest : public SkinFormTest {
 protected:
  void SetUp() override {
    SkinFormTest::SetUp();
    Skin = LoadDefaultSkin();
    ASSERT_FALSE(Skin->Empty);
    ASSERT_FALSE(Skin->FMask->Empty());
  }
  std::unique_ptr<TspSkinData> Skin;
};

TEST_F(SkinFormDefaultSkinTest, InsetsFollowClRectAtAnySize) {
  const int PictureW = Skin->FPicture->Width(), PictureH = Skin->FPicture->Height();
  const TRect& Cl = Skin->ClRect;
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(40, 40, 640, 480), Skin.get());
  for (const TRect& Window :
       {Rect(0, 0, PictureW, PictureH), Rect(0, 0, 640, 480), Rect(10, 20, 1290, 740)}) {
    const TRect Client = CalcClientRect(SkinForm->Form(), Window);
    EXPECT_EQ(Client, Rect(Window.Left + Cl.Left, Window.Top + Cl.Top, Window.Right - (PictureW - Cl.Right),
                           Window.Bottom - (PictureH - Cl.Bottom)));
  }
  EXPECT_EQ(SkinForm->Form()->ClientRect(),
            Rect(0, 0, 640 - (PictureW - RectangleWidth(Cl)), 480 - (PictureH - RectangleHeight(Cl))));
}

TEST_F(SkinFormDefaultSkinTest, RegionIsTheMasksBlackPixelsAndTheHitTestAgrees) {
  TspSkinForm* SkinForm =
      NewSkinnedForm(Bounds(40, 40, Skin->FPicture->Width(), Skin->FPicture->Height()), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  HRGN Region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Form->Handle(), Region), ERROR);
  // At the picture's own size the region is the mask itself.
  const TPixelImage Mask = Skin->FMask->ToPixelImage();
  int Mismatches = 0;
  for (int Y = 0; Y < Mask.Height; ++Y)
    for (int X = 0; X < Mask.Width; ++X)
      if (PtInRegion(Region, X, Y) != ((Mask.Pixel(X, Y) & 0xFFFFFF) == 0)) ++Mismatches;
  EXPECT_EQ(Mismatches, 0);
  // At another size the region and the hit test's shape are one.
  Form->SetBounds(40, 40, 900, 620);
  ProcessPendingMessages();
  ASSERT_NE(GetWindowRgn(Form->Handle(), Region), ERROR);
  Mismatches = 0;
  for (int Y = 0; Y < 620; ++Y)
    for (int X = 0; X < 900; ++X)
      if (PtInRegion(Region, X, Y) != SkinForm->PointInSkinFrame({X, Y})) ++Mismatches;
  EXPECT_EQ(Mismatches, 0);
  DeleteObject(Region);
}

TEST_F(SkinFormDefaultSkinTest, TheBordersResizeAndTheClientIsClient) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(40, 40, 640, 480), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  const struct {
    TPoint At;
    int Expected;
  } Cases[] = {
      {{320, 240}, HTCLIENT}, {{0, 240}, HTLEFT},       {{639, 240}, HTRIGHT},       {{100, 479}, HTBOTTOM},
      {{540, 479}, HTBOTTOM}, {{100, 0}, HTTOP},        {{540, 0}, HTTOP},           {{0, 0}, HTTOPLEFT},
      {{639, 0}, HTTOPRIGHT}, {{0, 479}, HTBOTTOMLEFT}, {{639, 479}, HTBOTTOMRIGHT},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(HitTest(Form, Case.At), Case.Expected) << Case.At.X << "," << Case.At.Y;
}

TEST_F(SkinFormDefaultSkinTest, TheCaptionDragsTheFormUnlessItMayNot) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(40, 40, 640, 480), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  EXPECT_EQ(HitTest(Form, {200, 16}), HTCAPTION);
  EXPECT_EQ(HitTest(Form, {626, 16}), HTOBJECT) << "the close button is not the caption";
  SkinForm->NCDraggAble = false;
  EXPECT_EQ(HitTest(Form, {200, 16}), HTOBJECT);
}

}  // namespace

namespace {

// The form's frame painted into a bitmap of the window's size, as the window shows it.
TPixelImage DefaultSkinPaintedFrame(TspSkinForm& ASkinForm) {
  TBitmap Target;
  Target.SetPixelFormat(pf32bit);
  Target.SetSize(ASkinForm.Form()->Width(), ASkinForm.Form()->Height());
  ASkinForm.PaintNCSkin(Target.Canvas().Handle(), true);
  TPixelImage Painted = Target.ToPixelImage();
  for (uint32_t& Pixel : Painted.Pixels) Pixel |= 0xFF000000u;
  return Painted;
}

int DefaultSkinColourCount(const TPixelImage& APainted, const TRect& AArea, TColor AColor) {
  const uint32_t Wanted = testing_support::OpaquePixel(uint32_t(AColor));
  int Count = 0;
  for (int Y = AArea.Top; Y < AArea.Bottom; ++Y)
    for (int X = AArea.Left; X < AArea.Right; ++X) Count += APainted.Pixel(X, Y) == Wanted;
  return Count;
}

}  // namespace

TEST_F(SkinFormDefaultSkinTest, TheCaptionShowsTheTitleInTextColourActiveAndSecondaryInactive) {
  TspSkinForm* SkinForm = NewSkinnedForm(Bounds(40, 40, 520, 340), Skin.get());
  TCustomForm* Form = SkinForm->Form();
  Form->SetCaption("Pelladrin");
  ProcessPendingMessages();
  TspSkinCaptionObject* Caption = nullptr;
  for (auto& Object : SkinForm->ObjectList)
    if (auto* Found = dynamic_cast<TspSkinCaptionObject*>(Object.get())) Caption = Found;
  ASSERT_NE(Caption, nullptr);
  EXPECT_TRUE(Caption->DefaultCaption);

  ASSERT_TRUE(SkinForm->GetFormActive());
  const TPixelImage Active = DefaultSkinPaintedFrame(*SkinForm);
  const TRect Place = Caption->ObjectRect;
  EXPECT_GT(DefaultSkinColourCount(Active, Place, skin_new::palette::Text), 20);
  EXPECT_EQ(DefaultSkinColourCount(Active, Place, skin_new::palette::SecondaryText), 0);
  TPixelImage Band;
  Band.Width = Form->Width();
  Band.Height = Place.Bottom;
  Band.Pixels.assign(Active.Pixels.begin(), Active.Pixels.begin() + ptrdiff_t(Band.Width) * Band.Height);
  EXPECT_TRUE(testing_support::MatchesReferencePicture(
      Band, "tests/components/forms/pictures/default-skin-caption.png", {24, 40}));

  // Another form takes the activation: the title turns to the secondary text colour.
  NewForm(Bounds(600, 40, 200, 100));
  ProcessPendingMessages();
  ASSERT_FALSE(SkinForm->GetFormActive());
  const TPixelImage InActive = DefaultSkinPaintedFrame(*SkinForm);
  EXPECT_GT(DefaultSkinColourCount(InActive, Place, skin_new::palette::SecondaryText), 20);
  EXPECT_EQ(DefaultSkinColourCount(InActive, Place, skin_new::palette::Text), 0);
}
