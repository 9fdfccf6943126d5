// The form among the application's other windows: its drop shadow, the order in which
// forms with layered borders come back after a restore, stay-on-top forms brought up,
// and the component of the active document.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowStyles.h"

namespace {

// A form that takes part in the restore order: visible, no stay-on-top form, document
// or border window, and not the main form.
bool TakesPartInLayeredRestore(TCustomForm* AForm) {
  return AForm != Application->MainForm() && AForm->Visible() && AForm->FormStyle() != fsStayOnTop &&
         AForm->FormStyle() != fsMDIChild && dynamic_cast<TspFormLayerWindow*>(AForm) == nullptr;
}

}  // namespace

TspSkinForm* FindActiveMDIChildSkinForm() {
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  TCustomForm* Active = Main ? Main->ActiveMDIChild() : nullptr;
  return Active ? FindSkinForm(Active) : nullptr;
}

void TspSkinForm::EnableShadow(bool AShowShadow, bool AHideFormBefore) {
  if (!IsWindows2000OrLater() || AShowShadow == FHaveShadow) return;
  FHaveShadow = AShowShadow;
  if (AHideFormBefore) FForm->Hide();
  const HWND Window = FForm->Handle();
  const LONG_PTR Style = GetClassLong(Window, GCL_STYLE);
  SetClassLong(Window, GCL_STYLE, AShowShadow ? Style | CS_DROPSHADOW : Style & ~LONG_PTR(CS_DROPSHADOW));
  if (AHideFormBefore) FForm->Show();
}

bool TspSkinForm::HasOtherVisibleForm() {
  for (int I = 0; I < Screen->CustomFormCount(); ++I)
    if (TakesPartInLayeredRestore(Screen->CustomForms(I))) return true;
  return false;
}

void TspSkinForm::CheckAppLayeredBorders() {
  if (FForm != Application->MainForm() || FSD == nullptr || !FSD->ShowLayeredBorders() ||
      !UseLayeredBorder() || !HasOtherVisibleForm())
    return;
  // Showing a form may reorder the screen's list: the forms are taken first.
  std::vector<TCustomForm*> Others;
  for (int I = 0; I < Screen->CustomFormCount(); ++I)
    if (TakesPartInLayeredRestore(Screen->CustomForms(I))) Others.push_back(Screen->CustomForms(I));
  for (TCustomForm* Other : Others) Other->Show();
  if (FForm->Visible()) FForm->Show();
}

void TspSkinForm::BringStayOnTopForms() {
  std::vector<TCustomForm*> StayOnTop;
  for (int I = 0; I < Screen->CustomFormCount(); ++I) {
    TCustomForm* Form = Screen->CustomForms(I);
    if (Form->Visible() && Form->FormStyle() == fsStayOnTop &&
        dynamic_cast<TspFormLayerWindow*>(Form) == nullptr)
      StayOnTop.push_back(Form);
  }
  for (TCustomForm* Form : StayOnTop) Form->BringToFront();
}
