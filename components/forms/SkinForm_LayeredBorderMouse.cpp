// The mouse on the layered border: the hit strips of each side, the sizing cursors, and
// the drags that resize the form. A drag follows the pointer grab the press takes
// (each move is one step); it never runs a loop of its own.

#include <algorithm>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinForm_PlacementInternal.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Cursors.h"

namespace {

bool LayerHolds(const TRect& ARect, TPoint APoint) {
  return APoint.X >= ARect.Left && APoint.X < ARect.Right && APoint.Y >= ARect.Top && APoint.Y < ARect.Bottom;
}

// The skin's hit strip width, held to what a frame picture can have.
int LayerHitTestSize(const TspDataSkinLayerFrame& AData) {
  return std::clamp(AData.HitTestSize, 0, kMaxBitmapSide);
}

TPoint LayerCursor() {
  POINT Cursor;
  GetCursorPos(&Cursor);
  return {Cursor.X, Cursor.Y};
}

}  // namespace

bool TspFormLayerWindow::CanResize() const {
  const TspSkinForm& SkinForm = *FLayerBorder->DSF;
  return SkinForm.IsSizeAble() && !SkinForm.RollUpState() && SkinForm.ReachedWindowState() == wsNormal;
}

TspFormLayerBorderHit TspFormLayerWindow::GetHitMode(TPoint ACursor) const {
  // The skin objects of a full border's top window come before the resize zones.
  const TspFormLayerBorderHit Object = ObjectHitMode(ACursor.X - Left(), ACursor.Y - Top());
  if (BorderType == spflTop && FLayerBorder->ActiveObject != -1) return Object;
  if (!CanResize()) return spflhNone;
  const TRect Form = FForm->BoundsRect();
  switch (BorderType) {
    case spflLeft:
      return ACursor.X >= Form.Left - FLayerBorder->LeftSize ? spflhLeft : spflhNone;
    case spflRight:
      return ACursor.X <= Form.Right + FLayerBorder->RightSize ? spflhRight : spflhNone;
    case spflTop:
      return TopHitMode(ACursor);
    case spflBottom:
      return BottomHitMode(ACursor);
  }
  return spflhNone;
}

TspFormLayerBorderHit TspFormLayerWindow::TopHitMode(TPoint ACursor) const {
  const TspFormLayerBorder& Border = *FLayerBorder;
  const TspDataSkinLayerFrame& Data = *Border.Data();
  const TRect Form = FForm->BoundsRect();
  const int HS = LayerHitTestSize(Data);
  // The caption of the frame (screen), where the corners and sides do not size.
  const TRect& Skin = Data.CaptionRect;
  const long long Growth = static_cast<long long>(Form.Width()) - Data.ClRect.Right + Data.ClRect.Left;
  const TRect Caption = Rect(SaturatedCoordinate(static_cast<long long>(Skin.Left) + Left()),
                             SaturatedCoordinate(static_cast<long long>(Data.BorderRect.Top) + HS + Top()),
                             SaturatedCoordinate(Skin.Right + Growth + Left()),
                             SaturatedCoordinate(static_cast<long long>(Skin.Bottom) + Top()));
  const bool OffCaption = !LayerHolds(Caption, ACursor);
  const int OuterLeft = Form.Left - Border.LeftSize;
  const int OuterTop = Form.Top - Border.TopSize;
  const int OuterRight = Form.Right + Border.RightSize;
  const TRect TopLeft =
      Rect(OuterLeft, OuterTop, OuterLeft + Border.HitTopLeftX, OuterTop + Border.HitTopLeftY);
  const TRect TopRight =
      Rect(OuterRight - Border.HitTopRightX, OuterTop, OuterRight, OuterTop + Border.HitTopRightY);
  if (LayerHolds(TopLeft, ACursor) && OffCaption) return spflhTopLeft;
  if (LayerHolds(Rect(TopLeft.Right, TopLeft.Top, TopRight.Left, TopLeft.Top + HS), ACursor)) return spflhTop;
  if (LayerHolds(TopRight, ACursor) && OffCaption) return spflhTopRight;
  const int WindowBottom = Top() + Height();
  if (LayerHolds(Rect(TopLeft.Left, TopLeft.Bottom, TopLeft.Left + HS, WindowBottom), ACursor) && OffCaption)
    return spflhLeft;
  if (LayerHolds(Rect(TopRight.Left, TopRight.Bottom, TopRight.Right, WindowBottom), ACursor) && OffCaption)
    return spflhRight;
  return spflhNone;
}

TspFormLayerBorderHit TspFormLayerWindow::BottomHitMode(TPoint ACursor) const {
  const TspFormLayerBorder& Border = *FLayerBorder;
  const TRect Form = FForm->BoundsRect();
  const int OuterBottom = Form.Bottom + Border.BottomSize;
  const int OuterLeft = Form.Left - Border.LeftSize;
  const int OuterRight = Form.Right + Border.RightSize;
  const TRect BottomLeft =
      Rect(OuterLeft, OuterBottom - Border.HitBottomLeftY, OuterLeft + Border.HitBottomLeftX, OuterBottom);
  const TRect BottomRight = Rect(OuterRight - Border.HitBottomRightX, OuterBottom - Border.HitBottomRightY,
                                 OuterRight, OuterBottom);
  if (LayerHolds(BottomLeft, ACursor)) return spflhBottomLeft;
  if (LayerHolds(Rect(BottomLeft.Right, BottomLeft.Top, BottomRight.Left, OuterBottom), ACursor))
    return spflhBottom;
  if (LayerHolds(BottomRight, ACursor)) return spflhBottomRight;
  if (LayerHolds(Rect(BottomLeft.Left, Top(), Form.Left, BottomLeft.Top), ACursor)) return spflhLeft;
  if (LayerHolds(Rect(Form.Right, Top(), OuterRight, BottomRight.Top), ACursor)) return spflhRight;
  return spflhNone;
}

void TspFormLayerWindow::UpdateCursor() {
  switch (FHitMode) {
    case spflhLeft:
    case spflhRight:
      SetCursor(crSizeWE);
      break;
    case spflhTop:
    case spflhBottom:
      SetCursor(crSizeNS);
      break;
    case spflhTopLeft:
    case spflhBottomRight:
      SetCursor(crSizeNWSE);
      break;
    case spflhTopRight:
    case spflhBottomLeft:
      SetCursor(crSizeNESW);
      break;
    default:
      SetCursor(crDefault);
      break;
  }
}

void TspFormLayerWindow::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TForm::MouseDown(AButton, AShift, AX, AY);
  TspSkinForm& SkinForm = *FLayerBorder->DSF;
  if (SkinForm.InMenu) SkinForm.SkinMenu().Hide();
  if (TWinControl* Focused = FForm->ActiveControl())
    Focused->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
  if (!FLayerBorder->Data()->HitTestEnable) return;
  const TPoint Cursor = LayerCursor();
  const TspFormLayerBorderHit Hit = GetHitMode(Cursor);
  if (!CanResize() && Hit != spflCaption && Hit != spflObject) return;
  FHitMode = Hit;
  // Objects take their press themselves; a maximized form neither moves nor sizes.
  FDown = Hit != spflhNone && Hit != spflObject && AButton == mbLeft &&
          SkinForm.ReachedWindowState() != wsMaximized;
  MousePos1 = MousePos2 = Cursor;
  ObjectsMouseDown(AButton, AX, AY);
}

void TspFormLayerWindow::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TForm::MouseUp(AButton, AShift, AX, AY);
  FDown = false;
  MousePos1 = MousePos2 = TPoint{0, 0};
  if (FLayerBorder->Data()->HitTestEnable) ObjectsMouseUp(AButton, AX, AY);
}

void TspFormLayerWindow::MouseMove(TShiftState AShift, int AX, int AY) {
  TForm::MouseMove(AShift, AX, AY);
  if (!FLayerBorder->Data()->HitTestEnable) return;
  MousePos2 = LayerCursor();
  if (FDown && FHitMode == spflCaption) {
    CaptionDragStep();
  } else if (FDown) {
    DragStep();
  } else {
    FHitMode = GetHitMode(MousePos2);
    UpdateCursor();
    // The timer ends the hover should the leave never come.
    if (FLayerBorder->FullBorder()) FLayerBorder->MouseTimer().SetEnabled(true);
    if (TspActiveSkinObject* Object = FLayerBorder->ObjectAt(FLayerBorder->ActiveObject);
        BorderType == spflTop && Object != nullptr)
      Object->MouseMove(AX, AY);
  }
  MousePos1 = MousePos2;
}

void TspFormLayerWindow::DragStep() {
  const TspSkinForm& SkinForm = *FLayerBorder->DSF;
  const TspFormLayerBorder& Border = *FLayerBorder;
  const int HS = LayerHitTestSize(*Border.Data());
  const int FL = FForm->Left(), FT = FForm->Top(), FW = FForm->Width(), FH = FForm->Height();
  const int MinW = SkinForm.GetMinWidth(), MinH = SkinForm.GetMinHeight();
  const int MaxW = std::max(SkinForm.GetMaxWidth(), MinW), MaxH = std::max(SkinForm.GetMaxHeight(), MinH);
  const TPoint Cursor = MousePos2;
  int DX = MousePos2.X - MousePos1.X;
  int DY = MousePos2.Y - MousePos1.Y;
  const bool AtLeftStrip = Cursor.X <= FL - Border.LeftSize + HS;
  const bool AtTopStrip = Cursor.Y <= FT - Border.TopSize + HS;
  const bool AtRightStrip = Cursor.X >= FL + FW + Border.RightSize - HS;
  const bool AtBottomStrip = Cursor.Y >= FT + FH + Border.BottomSize - HS;

  // Which edges the zone drags: the left or right one, the top or bottom one.
  const bool DragsLeft = FHitMode == spflhLeft || FHitMode == spflhTopLeft || FHitMode == spflhBottomLeft;
  const bool DragsRight = FHitMode == spflhRight || FHitMode == spflhTopRight || FHitMode == spflhBottomRight;
  const bool DragsTop = FHitMode == spflhTop || FHitMode == spflhTopLeft || FHitMode == spflhTopRight;
  const bool DragsBottom =
      FHitMode == spflhBottom || FHitMode == spflhBottomLeft || FHitMode == spflhBottomRight;
  if (!DragsLeft && !DragsRight) DX = 0;
  if (!DragsTop && !DragsBottom) DY = 0;

  // A growing direction waits until the cursor reaches the frame's outer hit strip;
  // a shrinking one always moves.
  int W = FW;
  if (DragsLeft) {
    W = std::clamp(FW - DX, MinW, MaxW);
    if (DX < 0 && !AtLeftStrip) W = FW, DX = 0;
  } else if (DragsRight) {
    W = std::clamp(FW + DX, MinW, MaxW);
    if (DX > 0 && !AtRightStrip) W = FW, DX = 0;
  }
  int H = FH;
  if (DragsTop) {
    H = std::clamp(FH - DY, MinH, MaxH);
    if (DY < 0 && !AtTopStrip) H = FH, DY = 0;
  } else if (DragsBottom) {
    H = std::clamp(FH + DY, MinH, MaxH);
    if (DY > 0 && !AtBottomStrip) H = FH, DY = 0;
  }
  if ((W == FW && H == FH) || (DX == 0 && DY == 0)) return;
  // A limit that stops the size would move the edge that must stay.
  if (DragsLeft && DX + W != FW) return;
  if (DragsTop && DY + H != FH) return;
  FForm->SetBounds(DragsLeft ? FL + DX : FL, DragsTop ? FT + DY : FT, W, H);
}
