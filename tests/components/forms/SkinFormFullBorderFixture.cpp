// The full-border skin of SkinFormFullBorderFixture.h.

#include "tests/components/forms/SkinFormFullBorderFixture.h"

#include "tests/components/forms/SkinFormTestSupport.h"

namespace skin_form_test {
namespace {

std::unique_ptr<TBitmap> FullBorderSolid(int AWidth, int AHeight, TColor AColor) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetPixelFormat(pf24bit);
  Picture->SetSize(AWidth, AHeight);
  Picture->Canvas().Brush().SetColor(AColor);
  Picture->Canvas().FillRect(Rect(0, 0, AWidth, AHeight));
  return Picture;
}

}  // namespace

std::unique_ptr<TspSkinData> MakeFullBorderSkin() {
  auto Skin = MakeFixtureSkin();
  TspDataSkinLayerFrame& Frame = *Skin->LayerFrame;
  Frame.PictureIndex = TspSkinEditor(*Skin).AddPicture(FullBorderSolid(140, 120, clGray));
  Frame.MaskPictureIndex = TspSkinEditor(*Skin).AddPicture(FullBorderSolid(140, 120, clWhite));
  Frame.ClRect = Rect(20, 30, 120, 100);
  Frame.LTPoint = {20, 30};
  Frame.RTPoint = {120, 30};
  Frame.LBPoint = {20, 100};
  Frame.RBPoint = {120, 100};
  Frame.BorderRect = Rect(0, 0, 140, 120);
  Frame.CaptionRect = Rect(20, 8, 120, 28);
  Frame.FullBorder = true;
  Frame.HitTestEnable = true;
  Frame.AlphaBlendValue = Frame.InActiveAlphaBlendValue = 255;
  auto Button = std::make_unique<TspDataSkinStdButton>("sysmenu");
  Button->Command = cmSysMenu;
  Button->SkinRectInAPicture = true;
  Button->ActivePictureIndex = TspSkinEditor(*Skin).AddPicture(FullBorderSolid(24, 12, clRed));
  Button->SkinRect = Rect(0, 0, 12, 12);
  Button->ActiveSkinRect = Rect(12, 0, 24, 12);
  TspSkinEditor(*Skin).AddObject(std::move(Button));
  return Skin;
}

}  // namespace skin_form_test
