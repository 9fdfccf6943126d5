// The frame layout: rectangles of the skin picture moved to the form's current size,
// and the caption buttons packed along the caption.

#include <vector>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"

namespace {

// The four corner regions of the frame picture, which keep their size when the form
// grows; the sides and the client area between them are what grows.
struct TLayoutCornerRegions {
  TRect LeftTop, RightTop, LeftBottom, RightBottom;

  bool AllEmpty() const {
    return RectangleIsEmpty(LeftTop) && RectangleIsEmpty(RightTop) && RectangleIsEmpty(LeftBottom) &&
           RectangleIsEmpty(RightBottom);
  }
};

TLayoutCornerRegions LayoutCornerRegionsOf(const TspSkinData& ASkin) {
  const int PW = ASkin.FPicture->Width();
  const int PH = ASkin.FPicture->Height();
  return {Rect(0, 0, ASkin.LTPoint.X, ASkin.LTPoint.Y), Rect(ASkin.RTPoint.X, 0, PW, ASkin.RTPoint.Y),
          Rect(0, ASkin.LBPoint.Y, ASkin.LBPoint.X, PH), Rect(ASkin.RBPoint.X, ASkin.RBPoint.Y, PW, PH)};
}

TRect LayoutMoved(TRect ARect, int ADX, int ADY) {
  OffsetRect(ARect, ADX, ADY);
  return ARect;
}

}  // namespace

TPoint TspSkinForm::FrameGrowth() const {
  if (!FSD) return {0, 0};
  return {NewRBPoint.X - FSD->RBPoint.X, NewRBPoint.Y - FSD->RBPoint.Y};
}

TRect TspSkinForm::MapSkinRect(const TRect& R) const {
  if (!FSD || !FSD->FPicture) return R;
  const TLayoutCornerRegions Corners = LayoutCornerRegionsOf(*FSD);
  if (Corners.AllEmpty()) return R;
  const TPoint Growth = FrameGrowth();
  const int DX = Growth.X;
  const int DY = Growth.Y;
  if (RectangleInside(R, Corners.LeftTop)) return R;
  if (RectangleInside(R, Corners.RightTop)) return LayoutMoved(R, DX, 0);
  if (RectangleInside(R, Corners.LeftBottom)) return LayoutMoved(R, 0, DY);
  if (RectangleInside(R, Corners.RightBottom)) return LayoutMoved(R, DX, DY);

  // PtInRect: left and top edges inside a region, right and bottom edges outside.
  const TPoint TL = R.TopLeft();
  const TPoint BR = R.BottomRight();
  TRect Result = R;
  if (PtInRect(Corners.LeftTop, TL) && PtInRect(Corners.RightBottom, BR)) {
    Result.Right += DX;
    Result.Bottom += DY;
  } else if (PtInRect(Corners.LeftTop, TL) && PtInRect(Corners.RightTop, BR)) {
    Result.Right += DX;
  } else if (PtInRect(Corners.LeftBottom, TL) && PtInRect(Corners.RightBottom, BR)) {
    Result.Right += DX;
    Result.Top += DY;
    Result.Bottom += DY;
  } else if (PtInRect(Corners.RightTop, TL) && PtInRect(Corners.RightBottom, BR)) {
    Result.Left += DX;
    Result.Right += DX;
    Result.Bottom += DY;
  } else if (PtInRect(Corners.LeftTop, TL) && PtInRect(Corners.LeftBottom, BR)) {
    Result.Bottom += DY;
  }
  return Result;
}

TRect TspSkinForm::MapAreaRect(const TRect& R, bool UseAnchors, bool AnchorLeft, bool AnchorTop,
                               bool AnchorRight, bool AnchorBottom) const {
  if (!UseAnchors) return MapSkinRect(R);
  const TPoint Growth = FrameGrowth();
  TRect Result = R;
  if (AnchorBottom) {
    if (!AnchorTop) Result.Top += Growth.Y;
    Result.Bottom += Growth.Y;
  }
  if (AnchorRight) {
    if (!AnchorLeft) Result.Left += Growth.X;
    Result.Right += Growth.X;
  }
  return Result;
}

void TspSkinForm::PlaceSkinObjects() {
  for (auto& Object : ObjectList) Object->ObjectRect = MapSkinRect(Object->SkinRect);
  PlaceMainMenuItems();
  if (FSD && !FSD->Empty && !RectangleIsEmpty(FSD->SizeGripArea))
    FSizeGripArea = MapSkinRect(FSD->SizeGripArea);
  else
    SetZeroRect(FSizeGripArea);
  if (FSupportNCArea) PlaceCaptionButtons();
  // The caption of a full layered border lies in its top window.
  if (FullLayeredBorderInForce()) FBorderLayer->LayoutCaptionObjects();
}

namespace {

// A caption button the layout may move: visible and drawn from a picture of its own
// rather than from the frame picture.
bool LayoutIsMovableButton(const TspActiveSkinObject* AObject) {
  auto* Button = dynamic_cast<const TspSkinStdButtonObject*>(AObject);
  return Button && Button->Visible && Button->SkinRectInAPicture;
}

// The commands packed from the caption's end, nearest the end first.
constexpr TStdCommand LayoutPackedCommands[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};

}  // namespace

TspSkinStdButtonObject* TspSkinForm::FindMovableCaptionButton(TStdCommand ACommand) const {
  for (auto& Object : ObjectList)
    if (LayoutIsMovableButton(Object.get())) {
      auto* Button = static_cast<TspSkinStdButtonObject*>(Object.get());
      if (Button->Command == ACommand) return Button;
    }
  return nullptr;
}

TPoint TspSkinForm::CaptionButtonSize(const TspSkinStdButtonObject& AButton) const {
  if (AButton.Command == cmSysMenu && ShowIcon) return GetSmallIconSize();
  return {RectangleWidth(AButton.SkinRect), RectangleHeight(AButton.SkinRect)};
}

void TspSkinForm::PlaceCaptionButtons() {
  TRect Base;
  if (!RectangleIsEmpty(NewButtonsRect))
    Base = NewButtonsRect;
  else if (!RectangleIsEmpty(NewCaptionRect))
    Base = NewCaptionRect;
  else
    return;
  const int Top = Base.Top;

  // The buttons in packing order: the five commands, then every plain button.
  std::vector<TspSkinStdButtonObject*> Packed;
  for (TStdCommand Command : LayoutPackedCommands)
    if (TspSkinStdButtonObject* Button = FindMovableCaptionButton(Command)) Packed.push_back(Button);
  for (auto& Object : ObjectList)
    if (LayoutIsMovableButton(Object.get()) &&
        static_cast<TspSkinStdButtonObject*>(Object.get())->Command == cmDefault)
      Packed.push_back(static_cast<TspSkinStdButtonObject*>(Object.get()));
  TspSkinStdButtonObject* SysMenu = FindMovableCaptionButton(cmSysMenu);

  // The caption object takes what the packed buttons leave of the caption.
  TspSkinCaptionObject* Caption = FirstCaptionObject();
  if (!NewButtonsInLeft) {
    int X = Base.Right;
    for (TspSkinStdButtonObject* Button : Packed) {
      const TPoint Size = CaptionButtonSize(*Button);
      Button->ObjectRect = Rect(X - Size.X, Top, X, Top + Size.Y);
      X -= Size.X + NewButtonsOffset;
    }
    if (RectangleIsEmpty(NewButtonsRect) && Caption) Caption->ObjectRect.Right = X + NewButtonsOffset;
    X = NewCaptionRect.Left;
    if (SysMenu) {
      const TPoint Size = CaptionButtonSize(*SysMenu);
      const int IconTop = NewCaptionRect.Top + RectangleHeight(NewCaptionRect) / 2 - Size.Y / 2;
      SysMenu->ObjectRect = Rect(X, IconTop, X + Size.X, IconTop + Size.Y);
      if (Caption) Caption->ObjectRect.Left = X + Size.X;
    }
    return;
  }
  int X = Base.Left;
  if (RectangleIsEmpty(NewButtonsRect) && SysMenu) Packed.push_back(SysMenu);
  for (TspSkinStdButtonObject* Button : Packed) {
    const TPoint Size = CaptionButtonSize(*Button);
    Button->ObjectRect = Rect(X, Top, X + Size.X, Top + Size.Y);
    X += Size.X + NewButtonsOffset;
  }
  if (RectangleIsEmpty(NewButtonsRect) && Caption) Caption->ObjectRect.Left = X + NewButtonsOffset;
}

TspSkinCaptionObject* TspSkinForm::FirstCaptionObject() const {
  for (auto& Object : ObjectList)
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object.get())) return Caption;
  return nullptr;
}
