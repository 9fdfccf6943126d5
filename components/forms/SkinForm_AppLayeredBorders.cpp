// The layered borders of the application's forms put back in order: a restored
// application shows its forms again, the main form last, so that every border window
// lies just above its own form.

#include <vector>

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Screen.h"

namespace {

// The forms shown again around the main form: visible, neither staying on top nor a
// document, and no window of a layered border.
bool AppLayeredBordersReshows(TCustomForm* AForm, TCustomForm* AMainForm) {
  return AForm != AMainForm && AForm->Visible() && AForm->FormStyle() != fsStayOnTop &&
         AForm->FormStyle() != fsMDIChild && !dynamic_cast<TspFormLayerWindow*>(AForm);
}

}  // namespace

void TspSkinForm::CheckAppLayeredBorders() {
  TCustomForm* MainForm = Application->MainForm();
  if (FForm != MainForm || !FSD || !FSD->ShowLayeredBorders() || !UseLayeredBorder()) return;
  std::vector<TCustomForm*> Others;
  for (int I = 0; I < Screen->CustomFormCount(); ++I)
    if (AppLayeredBordersReshows(Screen->CustomForms(I), MainForm)) Others.push_back(Screen->CustomForms(I));
  if (Others.empty()) return;
  for (TCustomForm* Other : Others) Other->Show();
  if (MainForm->Visible()) MainForm->Show();
}
