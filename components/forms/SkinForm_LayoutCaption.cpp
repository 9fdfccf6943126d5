// The caption buttons and animations packed along the caption of the current size.

#include <optional>
#include <vector>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"

namespace {

// A caption button or animation the layout may move: visible and drawn from a picture
// of its own rather than from the frame picture.
bool LayoutIsMovable(const TspActiveSkinObject& AObject) {
  return AObject.Visible && AObject.SkinRectInAPicture && TspSkinFormCaption::CaptionCommandOf(AObject);
}

// The commands packed from the caption's end, nearest the end first.
constexpr TStdCommand LayoutPackedCommands[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};

}  // namespace

std::optional<TStdCommand> TspSkinFormCaption::CaptionCommandOf(const TspActiveSkinObject& AObject) {
  if (auto* Button = dynamic_cast<const TspSkinStdButtonObject*>(&AObject)) return Button->Command;
  if (auto* Animation = dynamic_cast<const TspSkinAnimateObject*>(&AObject)) return Animation->Command;
  return std::nullopt;
}

TspActiveSkinObject* TspSkinFormCaption::FindMovableCaptionObject(TStdCommand ACommand) const {
  for (auto& Object : SkinForm.ObjectList)
    if (LayoutIsMovable(*Object) && CaptionCommandOf(*Object) == ACommand) return Object.get();
  return nullptr;
}

TspSkinStdButtonObject* TspSkinFormCaption::FindMovableCaptionButton(TStdCommand ACommand) const {
  for (auto& Object : SkinForm.ObjectList)
    if (auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get());
        Button && LayoutIsMovable(*Button) && Button->Command == ACommand)
      return Button;
  return nullptr;
}

TPoint TspSkinFormCaption::CaptionButtonSize(const TspActiveSkinObject& AButton) const {
  // Only a caption button shows the form's icon, not an animation.
  if (SkinForm.ShowIcon() && dynamic_cast<const TspSkinStdButtonObject*>(&AButton) &&
      CaptionCommandOf(AButton) == cmSysMenu)
    return GetSmallIconSize();
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

  // The buttons and animations in packing order: the five commands, then every plain
  // one.
  std::vector<TspActiveSkinObject*> Packed;
  for (TStdCommand Command : LayoutPackedCommands)
    if (TspActiveSkinObject* Button = FindMovableCaptionObject(Command)) Packed.push_back(Button);
  for (auto& Object : SkinForm.ObjectList)
    if (LayoutIsMovable(*Object) && CaptionCommandOf(*Object) == cmDefault) Packed.push_back(Object.get());
  TspActiveSkinObject* SysMenu = FindMovableCaptionObject(cmSysMenu);

  // The caption object takes what the packed buttons leave of the caption.
  TspSkinCaptionObject* Caption = FirstCaptionObject();
  if (!SkinForm.Geometry().NewButtonsInLeft) {
    int X = Base.Right;
    for (TspActiveSkinObject* Button : Packed) {
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
  for (TspActiveSkinObject* Button : Packed) {
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
