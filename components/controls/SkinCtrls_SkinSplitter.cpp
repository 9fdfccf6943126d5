// The skinned splitter's look: a strip of its element with a centred gripper.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"

TspSkinSplitterEx::TspSkinSplitterEx(TComponent* AOwner) : TspCustomSplitter(AOwner) {
  SetSkinDataName("vsplitter");
}

void TspSkinSplitterEx::GetSkinData() {
  TspCustomSplitter::GetSkinData();
  FSkinPicture = nullptr;
  const auto* Element = SkinElement<TspDataSkinSplitterControl>();
  if (!Element) return;
  LTPt = Element->LTPoint;
  RTPt = Element->RTPoint;
  LBPt = Element->LBPoint;
  SkinRect = FSD->PicturePart(Element->PictureIndex, Element->SkinRect);
  StretchEffect = Element->StretchEffect;
  FSkinPicture = FSD->Picture(Element->PictureIndex);
  GripperRect = Element->GripperRect;
  GripperTransparent = Element->GripperTransparent;
  GripperTransparentColor = Element->GripperTransparentColor;
}

void TspSkinSplitterEx::ChangeSkinData() {
  GetSkinData();
  const bool Skinned = FIndex != -1 && !RectangleIsEmpty(SkinRect);
  const bool Horizontal = Align() == alTop || Align() == alBottom;
  if (Horizontal)
    SetHeight(Skinned ? SkinRect.Height() : DefaultSize);
  else
    SetWidth(Skinned ? SkinRect.Width() : DefaultSize);
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
  if (!IsRectEmpty(GripperRect))
    DrawSkinPiece(Strip.Canvas(), Strip.Width() / 2 - GripperRect.Width() / 2,
                  Strip.Height() / 2 - GripperRect.Height() / 2, FSkinPicture, GripperRect,
                  GripperTransparent, GripperTransparentColor);
  Surface.Draw(0, 0, Strip);
}
