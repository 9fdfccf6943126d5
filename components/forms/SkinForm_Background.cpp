// Painting the client background: the client piece of the frame picture, the skin's
// background pictures tiled or stretched, the built-in fill, and the whole skin picture
// of a form in client-area mode.

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DcScopes.h"

namespace {

// Pictures without pixels count as none.
TBitmap* BGPictureWithPixels(TBitmap* APicture) {
  return APicture && APicture->Width() > 0 && APicture->Height() > 0 ? APicture : nullptr;
}

// APicture stretched into a AWidth × AHeight bitmap.
void BGStretchInto(TBitmap& AStrip, TBitmap& APicture, int AWidth, int AHeight) {
  AStrip.SetSize(AWidth, AHeight);
  StretchBlt(AStrip.Canvas().Handle(), 0, 0, AWidth, AHeight, APicture.Canvas().Handle(), 0, 0,
             APicture.Width(), APicture.Height(), SRCCOPY);
}

void BGBlitWhole(HDC ADC, int AX, int AY, TBitmap& APicture) {
  BitBlt(ADC, AX, AY, APicture.Width(), APicture.Height(), APicture.Canvas().Handle(), 0, 0, SRCCOPY);
}

}  // namespace

void TspSkinForm::LayOutBackground(HDC DC, TBitmap& APicture, bool AStretchEffect,
                                   TspStretchType AStretchType) {
  const int W = FForm->ClientWidth();
  const int H = FForm->ClientHeight();
  if (W <= 0 || H <= 0) return;
  const int PW = APicture.Width();
  const int PH = APicture.Height();
  if (!AStretchEffect) {
    for (int Row = 0; Row <= H / PH; ++Row)
      for (int Column = 0; Column <= W / PW; ++Column) BGBlitWhole(DC, Column * PW, Row * PH, APicture);
    return;
  }
  TBitmap Strip;
  switch (AStretchType) {
    case spstFull:
      StretchBlt(DC, 0, 0, W, H, APicture.Canvas().Handle(), 0, 0, PW, PH, SRCCOPY);
      break;
    case spstHorz:
      // One stretch to the form's height, then the strip repeated across.
      BGStretchInto(Strip, APicture, PW, Geometry().FFormHeight);
      for (int Column = 0; Column <= Geometry().FFormWidth / PW; ++Column)
        BGBlitWhole(DC, Column * PW, 0, Strip);
      break;
    case spstVert:
      BGStretchInto(Strip, APicture, Geometry().FFormWidth, PH);
      for (int Row = 0; Row <= Geometry().FFormHeight / PH; ++Row) BGBlitWhole(DC, 0, Row * PH, Strip);
      break;
  }
}

void TspSkinForm::FillClientWithButtonFace(HDC DC) {
  TCanvas Canvas;
  const TCanvasHandleScope CanvasScope(Canvas, DC);
  Canvas.Brush().SetColor(clBtnFace);
  Canvas.FillRect(FForm->ClientRect());
}

void TspSkinForm::DrawLogoOn(HDC DC) {
  if (LogoBitMap.Width() == 0) return;
  TCanvas Canvas;
  const TCanvasHandleScope CanvasScope(Canvas, DC);
  DrawLogo(Canvas);
}

void TspSkinForm::DrawLogo(TCanvas& ACanvas) {
  const int X = MaxOf(FForm->ClientWidth() / 2 - LogoBitMap.Width() / 2, 0);
  const int Y = MaxOf(FForm->ClientHeight() / 2 - LogoBitMap.Height() / 2, 0);
  if (LogoBitMap.Transparent() != LogoBitMapTransparent) LogoBitMap.SetTransparent(LogoBitMapTransparent);
  ACanvas.Draw(X, Y, LogoBitMap);
}

void TspSkinForm::PaintBG(HDC DC) {
  if (!DC || !FSD || FSD->Empty || !FSD->FPicture) return;
  TBitmap& Picture = *FSD->FPicture;
  // A client rectangle reaching outside the picture (a broken skin) is cut to it.
  TRect Piece;
  if (!IntersectRect(Piece, FSD->ClRect, Rect(0, 0, Picture.Width(), Picture.Height()))) {
    FillClientWithButtonFace(DC);
    return;
  }
  TBitmap Client;
  Client.SetSize(RectangleWidth(Piece), RectangleHeight(Piece));
  BitBlt(Client.Canvas().Handle(), 0, 0, Client.Width(), Client.Height(), Picture.Canvas().Handle(),
         Piece.Left, Piece.Top, SRCCOPY);
  LayOutBackground(DC, Client, FSD->StretchEffect, FSD->StretchType);
  DrawLogoOn(DC);
}

void TspSkinForm::PaintBG2(HDC DC) {
  if (!DC || !FSD || FSD->Empty) return;
  TBitmap* Picture = BGPictureWithPixels(FSD->Picture(FSD->BGPictureIndex));
  // An index past the skin's pictures falls back to the frame picture's client piece.
  if (!Picture) return PaintBG(DC);
  LayOutBackground(DC, *Picture, FSD->StretchEffect, FSD->StretchType);
  DrawLogoOn(DC);
}

void TspSkinForm::PaintBG3(HDC DC) {
  if (!DC || !FSD || FSD->Empty) return;
  TBitmap* Picture = BGPictureWithPixels(FSD->Picture(FSD->MDIBGPictureIndex));
  if (!Picture) return PaintBG(DC);
  LayOutBackground(DC, *Picture, FSD->MDIBGStretchEffect, FSD->MDIBGStretchType);
  DrawLogoOn(DC);
}

void TspSkinForm::PaintBGDefault(HDC DC) {
  if (!DC) return;
  FillClientWithButtonFace(DC);
  DrawLogoOn(DC);
}

void TspSkinForm::Paint(HDC DC) {
  if (!DC) return;
  TakeFormSizeIfUnknown();
  if (!FSD || FSD->Empty || !FSD->FPicture || FSD->FPicture->Width() == 0) {
    TCanvas Canvas;
    const TCanvasHandleScope CanvasScope(Canvas, DC);
    Canvas.Brush().SetColor(clBtnFace);
    Canvas.Pen().SetColor(clBlack);
    const TRect Client = FForm->ClientRect();
    Canvas.Rectangle(Client);
    return;
  }
  TBitmap Image;
  ComposeClientAreaImage(Image);
  for (auto& Object : ObjectList)
    if (IsObjectPresent(*Object) && Object->Visible) Object->Draw(Image.Canvas(), false);
  // The skin's own state: it maximizes the form without the window system knowing.
  if (FWindowStateInit == wsNormal) DrawSizeGrip(Image.Canvas());
  BGBlitWhole(DC, 0, 0, Image);
}

void TspSkinForm::ComposeClientAreaImage(TBitmap& AImage) {
  TBitmap* RollUp = FSD->FRollUpPicture.get();
  if (FRollUpState && RollUp && RollUp->Width() > 0) {
    if (FSD->RollUpLeftPoint.X < FSD->RollUpRightPoint.X)
      CreateHSkinImage(FSD->RollUpLeftPoint.X, RollUp->Width() - FSD->RollUpRightPoint.X, AImage, *RollUp,
                       Rect(0, 0, RollUp->Width(), RollUp->Height()), FForm->Width(), RollUp->Height(),
                       false);
    else
      AImage.Assign(*RollUp);
    return;
  }
  TBitmap& Picture = *FSD->FPicture;
  if (FSD->LTPoint.X == 0 && FSD->LTPoint.Y == 0 && FSD->RBPoint.X == 0 && FSD->RBPoint.Y == 0) {
    AImage.Assign(Picture);
    return;
  }
  ComposeSkinImage(AImage, Picture,
                   SkinImageGeometry(*FSD, FSD->ClRect, Rect(0, 0, Picture.Width(), Picture.Height()),
                                     TspSkinImageTargets{Geometry().NewLTPoint, Geometry().NewRTPoint,
                                                         Geometry().NewLBPoint, Geometry().NewRBPoint,
                                                         Geometry().NewClRect}),
                   Geometry().FFormWidth, Geometry().FFormHeight, true);
}

void TspSkinForm::DrawSizeGrip(TCanvas& ACanvas) {
  const int Index = FSD->GetControlIndex(FSD->StatusBarName);
  if (Index < 0) return;
  const auto* StatusBar = FSD->Control<TspDataSkinPanelControl>(Index);
  if (!StatusBar || RectangleIsEmpty(StatusBar->GripperRect)) return;
  TBitmap* Picture = BGPictureWithPixels(FSD->Picture(StatusBar->PictureIndex));
  if (!Picture) return;
  TRect Piece;
  if (!IntersectRect(Piece, StatusBar->GripperRect, Rect(0, 0, Picture->Width(), Picture->Height()))) return;
  TBitmap Grip;
  Grip.SetSize(RectangleWidth(Piece), RectangleHeight(Piece));
  BitBlt(Grip.Canvas().Handle(), 0, 0, Grip.Width(), Grip.Height(), Picture->Canvas().Handle(), Piece.Left,
         Piece.Top, SRCCOPY);
  if (StatusBar->GripperTransparent) {
    Grip.SetTransparentColor(StatusBar->GripperTransparentColor);
    Grip.SetTransparent(true);
  }
  ACanvas.Draw(Geometry().FSizeGripArea.Left, Geometry().FSizeGripArea.Top, Grip);
}
