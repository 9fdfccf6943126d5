// The panels built on TspSkinPanel: the paint panel, the group box and the status bar
// with its size grip.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"

// ---------------------------------------------------------------- TspSkinPaintPanel

TspSkinPaintPanel::TspSkinPaintPanel(TComponent* AOwner) : TspSkinPanel(AOwner) { FForceBackground = false; }

void TspSkinPaintPanel::CallPanelPaint(TCanvas& ACanvas) {
  if (OnPanelPaint) OnPanelPaint(ACanvas, GetSkinClientRect());
}

void TspSkinPaintPanel::CreateControlDefaultImage(TBitmap& B) {
  TspSkinPanel::CreateControlDefaultImage(B);
  CallPanelPaint(B.Canvas());
}

void TspSkinPaintPanel::CreateControlSkinImage(TBitmap& B) {
  TspSkinPanel::CreateControlSkinImage(B);
  CallPanelPaint(B.Canvas());
}

void TspSkinPaintPanel::PaintPanelContent(TCanvas& ACanvas) {
  TspSkinPanel::PaintPanelContent(ACanvas);
  CallPanelPaint(ACanvas);
}

void TspSkinPaintPanel::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg != WM_ERASEBKGND) {
    TspSkinPanel::Dispatch(AMessage);
    return;
  }
  // A parent painting its children into a bitmap asks for the whole panel.
  if (!EraseIsLeftToPaint(*this, FromWMPaint)) PaintWindow(reinterpret_cast<HDC>(AMessage.WParam));
  AMessage.Result = 1;
}

// ---------------------------------------------------------------- TspSkinGroupBox

TspSkinGroupBox::TspSkinGroupBox(TComponent* AOwner) : TspSkinPanel(AOwner) {
  SetSkinDataName("groupbox");
  FCaptionMode = true;
}

void TspSkinGroupBox::GetSkinData() {
  TspSkinPanel::GetSkinData();
  if (SkinElement<TspDataSkinPanelControl>() != nullptr && ClRect.Bottom < CaptionRect.Top)
    FForceBackground = false;
}

// ---------------------------------------------------------------- TspSkinStatusBar

TspSkinStatusBar::TspSkinStatusBar(TComponent* AOwner) : TspSkinPanel(AOwner) {
  SetSkinDataName("statusbar");
  SetAlign(alBottom);
  SetHeight(21);
  FBorderStyle = bvNone;
  FForceBackground = false;
}

void TspSkinStatusBar::SetSizeGrip(bool AValue) {
  FSizeGrip = AValue;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetShowGrip(bool AValue) {
  FShowGrip = AValue;
  Repaint();
  Realign();
}

void TspSkinStatusBar::SetSkinData(TspSkinData* AValue) {
  TspSkinPanel::SetSkinData(AValue);
  for (int I = 0; I < ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TspSkinControl*>(Controls(I))) Child->SetSkinData(AValue);
}

void TspSkinStatusBar::GetSkinData() {
  TspSkinPanel::GetSkinData();
  const auto* Element = SkinElement<TspDataSkinPanelControl>();
  if (Element == nullptr) return;
  GripperRect = Element->GripperRect;
  GripperTransparent = Element->GripperTransparent;
  GripperTransparentColor = Element->GripperTransparentColor;
}

void TspSkinStatusBar::AdjustClientRect(TRect& ARect) {
  TspSkinPanel::AdjustClientRect(ARect);
  if (!ShowsGrip()) return;
  ARect.Right -=
      FIndex != -1 && !RectangleIsEmpty(GripperRect) ? RectangleWidth(GripperRect) : RectangleHeight(ARect);
}

TRect TspSkinStatusBar::GripRect() {
  const TRect Client = GetSkinClientRect();
  if (FIndex != -1 && !RectangleIsEmpty(GripperRect))
    return Rect(Client.Right, Client.Bottom - RectangleHeight(GripperRect),
                Client.Right + RectangleWidth(GripperRect), Client.Bottom);
  return Rect(Client.Right + 2, Client.Top, Client.Right + RectangleHeight(Client), Client.Bottom - 2);
}

// Diagonal pairs of a dark and a light line every three pixels, across the grip.
void TspSkinStatusBar::DrawGripLines(TCanvas& ACanvas, TColor AShadow, TColor AHighlight) {
  const TRect Grip = GripRect();
  for (int K = 3; Grip.Left + K + 2 <= Grip.Right; K += 3) {
    ACanvas.Pen().SetColor(AShadow);
    ACanvas.MoveTo(Grip.Left + K, Grip.Bottom);
    ACanvas.LineTo(Grip.Right, Grip.Top + K);
    ACanvas.Pen().SetColor(AHighlight);
    ACanvas.MoveTo(Grip.Left + K + 1, Grip.Bottom);
    ACanvas.LineTo(Grip.Right, Grip.Top + K + 1);
  }
}

void TspSkinStatusBar::CreateControlDefaultImage(TBitmap& B) {
  TspSkinPanel::CreateControlDefaultImage(B);
  if (ShowsGrip()) DrawGripLines(B.Canvas(), clBtnShadow, clBtnHighlight);
}

void TspSkinStatusBar::CreateControlSkinImage(TBitmap& B) {
  TspSkinPanel::CreateControlSkinImage(B);
  if (!ShowsGrip()) return;
  if (RectangleIsEmpty(GripperRect)) {
    DrawGripLines(B.Canvas(), FSD->SkinColors().cBtnShadow, FSD->SkinColors().cBtnHighLight);
    return;
  }
  const TRect Grip = GripRect();
  DrawSkinPiece(B.Canvas(), Grip.Left, Grip.Top, Picture, GripperRect, GripperTransparent,
                GripperTransparentColor);
}

void TspSkinStatusBar::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_NCHITTEST:
      WMNCHitTest(AMessage);
      break;
    default:
      TspSkinPanel::Dispatch(AMessage);
      break;
  }
}

void TspSkinStatusBar::WMNCHitTest(TMessage& AMessage) {
  if (IsDesigning() || !ShowsGrip()) {
    TspSkinPanel::Dispatch(AMessage);
    return;
  }
  const TPoint Client = ScreenToClient(LParamToPoint(AMessage.LParam));
  AMessage.Result = PtInRect(GripRect(), Client) ? HTBOTTOMRIGHT : HTCLIENT;
}
