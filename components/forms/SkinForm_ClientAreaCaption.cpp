// The caption of a client-area form: its caption objects show the form's caption, and a
// double click on one maximizes, restores or rolls the form up.

#include "components/forms/SkinForm.h"

void TspSkinForm::UpdateCaptionText() {
  if (!FSkinSupport) return;
  for (const auto& Object : ObjectList)
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object.get()); Caption && Caption->DefaultCaption)
      Caption->SetTextValue(FForm->Caption());
}

void TspSkinForm::CaptionDblClick() {
  if (!NCDraggAble || !dynamic_cast<TspSkinCaptionObject*>(Objects().ObjectAt(Objects().ActiveObject)))
    return;
  if (FRollUpState) return SetRollUpState(false);
  if (!Sizeable) return SetRollUpState(true);
  SetWindowState(FWindowStateInit == wsNormal ? wsMaximized : wsNormal);
}
