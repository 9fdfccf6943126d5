// The program's default skin on a skin form: the frame's insets, its region and its
// hit test at the skin's own size and at other sizes.

#include "components/core/SPUtils.h"
#include "platform/gdi/Regions.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowRegions.h"
#include "tests/components/forms/SkinFormTestSupport.h"

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

}  // namespace
