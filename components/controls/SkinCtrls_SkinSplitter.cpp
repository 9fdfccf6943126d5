// The skinned splitter's look: a strip of its element with a centred gripper.

#include "components/controls/SkinCtrls.h"
#include "platform/gdi/Blit.h"

TspSkinSplitterEx::TspSkinSplitterEx(TComponent* AOwner) : TspCustomSplitter(AOwner) {
  SetSkinDataName("vsplitter");
}

void TspSkinSplitterEx::GetSkinData() {
  TspCustomSplitter::GetSkinData();
  FSkinPicture = nullptr;
  const auto* Element = dynamic_cast<const TspDataSkinSplitterControl*>(SkinElement());
  if (!Element) return;
  LTPt = Element->LTPoint;
  RTPt = Element->RTPoint;
  LBPt = Element->LBPoint;
  SkinRect = Element->SkinRect;
  StretchEffect = Element->StretchEffect;
  FSkinPicture = SkinPicture(FSD, Element->PictureIndex);
  GripperRect = Element->GripperRect;
  GripperTransparent = Element->GripperTransparent;
  GripperTransparentColor = Element->GripperTransparentColor;
}

void TspSkinSplitterEx::ChangeSkinData() {
  GetSkinData();
  const bool Horizontal = Align() == alTop || Align() == alBottom;
  if (Horizontal)
    SetHeight(FIndex == -1 ? DefaultSize : SkinRect.Height());
  else
    SetWidth(FIndex == -1 ? DefaultSize : SkinRect.Width());
  Repaint();
}

void TspSkinSplitterEx::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  TCanvas& Surface = Canvas();
  if (FIndex == -1 || !FSkinPicture || Align() == alNone || Align() == alClient) {
    Surface.Brush().SetStyle(bsSolid);
    Surface.Brush().SetColor(clBtnFace);
    Surface.FillRect(ClientRect());
    return;
  }
  TBitmap Strip;
  if (Align() == alTop || Align() == alBottom)
    CreateHSkinImage(LTPt.X, SkinRect.Width() - RTPt.X, Strip, *FSkinPicture, SkinRect, Width(),
                     SkinRect.Height(), StretchEffect);
  else
    CreateVSkinImage(LTPt.Y, SkinRect.Height() - LBPt.Y, Strip, *FSkinPicture, SkinRect, SkinRect.Width(),
                     Height(), StretchEffect);
  if (!IsRectEmpty(GripperRect)) {
    const int W = GripperRect.Width(), H = GripperRect.Height();
    const int X = Strip.Width() / 2 - W / 2, Y = Strip.Height() / 2 - H / 2;
    HDC Target = Strip.Canvas().Handle(), Source = FSkinPicture->Canvas().Handle();
    if (GripperTransparent)
      TransparentBlt(Target, X, Y, W, H, Source, GripperRect.Left, GripperRect.Top, W, H,
                     ColorToRGB(GripperTransparentColor));
    else
      BitBlt(Target, X, Y, W, H, Source, GripperRect.Left, GripperRect.Top, SRCCOPY);
  }
  Surface.Draw(0, 0, Strip);
}
