// The form among the application's other windows: its drop shadow, the order in which
// forms with layered borders come back after a restore, stay-on-top forms brought up,
// and the component of the active document.

#include <vector>

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

// The screen's forms that AKeep keeps, in screen order, taken before any of them is
// touched: showing a form may reorder the screen's list.
template <class TKeep>
std::vector<TCustomForm*> ScreenFormsWhere(TKeep AKeep) {
  std::vector<TCustomForm*> Kept;
  for (int I = 0; I < Screen->CustomFormCount(); ++I)
    if (AKeep(Screen->CustomForms(I))) Kept.push_back(Screen->CustomForms(I));
  return Kept;
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

void TspSkinForm::CheckAppLayeredBorders() {
  if (FForm != Application->MainForm() || FSD == nullptr || !FSD->ShowLayeredBorders() || !UseLayeredBorder())
    return;
  const std::vector<TCustomForm*> Others = ScreenFormsWhere(TakesPartInLayeredRestore);
  if (Others.empty()) return;
  for (TCustomForm* Other : Others) Other->Show();
  if (FForm->Visible()) FForm->Show();
}

void TspSkinForm::BringStayOnTopForms() {
  const auto StaysOnTop = [](TCustomForm* AForm) {
    return AForm->Visible() && AForm->FormStyle() == fsStayOnTop &&
           dynamic_cast<TspFormLayerWindow*>(AForm) == nullptr;
  };
  for (TCustomForm* Form : ScreenFormsWhere(StaysOnTop)) Form->BringToFront();
}
