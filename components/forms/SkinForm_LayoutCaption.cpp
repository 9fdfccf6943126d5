// The caption buttons packed along the caption of the current size.

#include <vector>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"

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

TspSkinStdButtonObject* TspSkinFormCaption::FindMovableCaptionButton(TStdCommand ACommand) const {
  for (auto& Object : SkinForm.ObjectList)
    if (LayoutIsMovableButton(Object.get())) {
      auto* Button = static_cast<TspSkinStdButtonObject*>(Object.get());
      if (Button->Command == ACommand) return Button;
    }
  return nullptr;
}

TPoint TspSkinFormCaption::CaptionButtonSize(const TspSkinStdButtonObject& AButton) const {
  if (AButton.Command == cmSysMenu && SkinForm.ShowIcon()) return GetSmallIconSize();
  return {RectangleWidth(AButton.SkinRect), RectangleHeight(AButton.SkinRect)};
}

void TspSkinFormCaption::PlaceCaptionButtons() {
  TRect Base;
  if (!RectangleIsEmpty(SkinForm.Geometry().NewButtonsRect))
    Base = SkinForm.Geometry().NewButtonsRect;
  else if (!RectangleIsEmpty(SkinForm.Geometry().NewCaptionRect))
    Base = SkinForm.Geometry().NewCaptionRect;
  else
    return;
  const int Top = Base.Top;

  // The buttons in packing order: the five commands, then every plain button.
  std::vector<TspSkinStdButtonObject*> Packed;
  for (TStdCommand Command : LayoutPackedCommands)
    if (TspSkinStdButtonObject* Button = FindMovableCaptionButton(Command)) Packed.push_back(Button);
  for (auto& Object : SkinForm.ObjectList)
    if (LayoutIsMovableButton(Object.get()) &&
        static_cast<TspSkinStdButtonObject*>(Object.get())->Command == cmDefault)
      Packed.push_back(static_cast<TspSkinStdButtonObject*>(Object.get()));
  TspSkinStdButtonObject* SysMenu = FindMovableCaptionButton(cmSysMenu);

  // The caption object takes what the packed buttons leave of the caption.
  TspSkinCaptionObject* Caption = FirstCaptionObject();
  if (!SkinForm.Geometry().NewButtonsInLeft) {
    int X = Base.Right;
    for (TspSkinStdButtonObject* Button : Packed) {
      const TPoint Size = CaptionButtonSize(*Button);
      Button->ObjectRect = Rect(X - Size.X, Top, X, Top + Size.Y);
      X -= Size.X + SkinForm.Geometry().NewButtonsOffset;
    }
    if (RectangleIsEmpty(SkinForm.Geometry().NewButtonsRect) && Caption)
      Caption->ObjectRect.Right = X + SkinForm.Geometry().NewButtonsOffset;
    X = SkinForm.Geometry().NewCaptionRect.Left;
    if (SysMenu) {
      const TPoint Size = CaptionButtonSize(*SysMenu);
      const int IconTop = SkinForm.Geometry().NewCaptionRect.Top +
                          RectangleHeight(SkinForm.Geometry().NewCaptionRect) / 2 - Size.Y / 2;
      SysMenu->ObjectRect = Rect(X, IconTop, X + Size.X, IconTop + Size.Y);
      if (Caption) Caption->ObjectRect.Left = X + Size.X;
    }
    return;
  }
  int X = Base.Left;
  if (RectangleIsEmpty(SkinForm.Geometry().NewButtonsRect) && SysMenu) Packed.push_back(SysMenu);
  for (TspSkinStdButtonObject* Button : Packed) {
    const TPoint Size = CaptionButtonSize(*Button);
    Button->ObjectRect = Rect(X, Top, X + Size.X, Top + Size.Y);
    X += Size.X + SkinForm.Geometry().NewButtonsOffset;
  }
  if (RectangleIsEmpty(SkinForm.Geometry().NewButtonsRect) && Caption)
    Caption->ObjectRect.Left = X + SkinForm.Geometry().NewButtonsOffset;
}

TspSkinCaptionObject* TspSkinFormCaption::FirstCaptionObject() const {
  for (auto& Object : SkinForm.ObjectList)
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object.get())) return Caption;
  return nullptr;
}
