// The application's forms around the layered borders: the border windows brought back
// in their order when the application comes back, and the stay-on-top forms brought
// forward over a form the tray gave back.

#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"

namespace {

// The visible forms of the screen, in screen order, that AKeep accepts; border windows
// never.
template <class TKeep>
std::vector<TCustomForm*> AppVisibleForms(TKeep AKeep) {
  std::vector<TCustomForm*> Forms;
  for (int I = 0; I < Screen->CustomFormCount(); ++I) {
    TCustomForm* Form = Screen->CustomForms(I);
    if (Form->Visible() && !dynamic_cast<TspFormLayerWindow*>(Form) && AKeep(*Form)) Forms.push_back(Form);
  }
  return Forms;
}

}  // namespace

void TspSkinForm::CheckAppLayeredBorders() {
  if (FForm != Application->MainForm() || !FSD || !FSD->ShowLayeredBorders() || !UseLayeredBorder()) return;
  const std::vector<TCustomForm*> Others = AppVisibleForms([this](const TCustomForm& AForm) {
    return &AForm != FForm && AForm.FormStyle() != fsStayOnTop && AForm.FormStyle() != fsMDIChild;
  });
  if (Others.empty()) return;
  for (TCustomForm* Form : Others) Form->Show();
  if (FForm->Visible()) FForm->Show();
}

void TspSkinForm::BringStayOnTopForms() {
  const std::vector<TCustomForm*> OnTop =
      AppVisibleForms([](const TCustomForm& AForm) { return AForm.FormStyle() == fsStayOnTop; });
  for (TCustomForm* Form : OnTop) Form->BringToFront();
}
