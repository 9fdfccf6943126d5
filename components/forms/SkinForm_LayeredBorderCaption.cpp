// The caption of a full layered border: the form's caption object, caption buttons and
// system-menu button placed in the top window and drawn into its image.

#include <algorithm>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"

void TspFormLayerBorder::LayoutCaptionObjects() {
  if (!FullBorder() || FForm == nullptr) return;
  TspSkinForm& SkinForm = *DSF;
  const TspDataSkinLayerFrame& Data = *FData;
  const int Offset = FSD->ButtonsOffset;
  // The frame's growth over its picture: the top image is that much wider.
  const int Growth = FForm->Width() + Data.WidthOffset - Data.ClRect.Width();
  const TRect Caption = Rect(Data.CaptionRect.Left, Data.CaptionRect.Top, Data.CaptionRect.Right + Growth,
                             Data.CaptionRect.Bottom);
  int X = Caption.Right;
  int Top = Data.ButtonsTopOffset != 0 ? Data.ButtonsTopOffset : Caption.Top;
  if (!IsRectEmpty(Data.ButtonsRect)) {
    X = Data.ButtonsRect.Right + Growth;
    Top = Data.ButtonsRect.Top;
  }
  for (TStdCommand Command : {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray}) {
    TspSkinStdButtonObject* Button = SkinForm.FindMovableCaptionButton(Command);
    if (Button == nullptr) continue;
    const int W = Button->SkinRect.Width(), H = Button->SkinRect.Height();
    Button->ObjectRect = Rect(X - W, Top, X, Top + H);
    X -= W + Offset;
  }
  TspSkinCaptionObject* CaptionObject = SkinForm.FirstCaptionObject();
  if (CaptionObject != nullptr)
    CaptionObject->ObjectRect = Rect(Caption.Left, Caption.Top, X - Offset, Caption.Bottom);
  TspSkinStdButtonObject* SysMenu = SkinForm.FindMovableCaptionButton(cmSysMenu);
  if (SysMenu == nullptr) return;
  const TPoint Size = SkinForm.CaptionButtonSize(*SysMenu);
  if (IsRectEmpty(Data.SysMenuButtonRect)) {
    const int ButtonTop = Data.SysButtonTopOffset != 0 && !SkinForm.ShowIcon()
                              ? Data.SysButtonTopOffset
                              : Caption.Top + Caption.Height() / 2 - Size.Y / 2;
    SysMenu->ObjectRect = Rect(Caption.Left, ButtonTop, Caption.Left + Size.X, ButtonTop + Size.Y);
    if (CaptionObject != nullptr) CaptionObject->ObjectRect.Left = Caption.Left + Size.X + Offset;
  } else {
    const TRect& Place = Data.SysMenuButtonRect;
    const int ButtonTop = Place.Top + Place.Height() / 2 - Size.Y / 2;
    SysMenu->ObjectRect = Rect(Place.Left, ButtonTop, Place.Left + Size.X, ButtonTop + Size.Y);
  }
}

void TspFormLayerBorder::DrawCaptionObjects(TspBitmap& ATop) {
  LayoutCaptionObjects();
  const TRect Image = Rect(0, 0, ATop.Width(), ATop.Height());
  for (const auto& Object : DSF->ObjectList) {
    TRect Place;
    if (!Object->Visible || !IntersectRect(Place, Object->ObjectRect, Image)) continue;
    Object->Draw(ATop.Canvas(), true);
    // The objects' pictures are opaque: the frame's alpha gives way to them.
    for (int Y = Place.Top; Y < Place.Bottom; ++Y) {
      TspColor* Row = ATop.GetScanLinePtr(Y);
      for (int X = Place.Left; X < Place.Right; ++X) Row[X] |= 0xFF000000u;
    }
  }
}
