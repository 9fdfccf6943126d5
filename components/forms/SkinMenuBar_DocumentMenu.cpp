// The bar of an MDI frame and the menus of its documents: the active document's main
// menu merges into the bar's, and the frame's component has the bar follow the
// documents as they activate.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "platform/ui/Application.h"

namespace {

// A document or a menu that is being freed offers no menu any more.
bool DocumentMenuIsGoing(const TComponent* AComponent) {
  return AComponent->ComponentState().Contains(csDestroying);
}

}  // namespace

TMainMenu* TspSkinMainMenuBar::GetChildMainMenu() const {
  if (FMergeMenu) return FMergeMenu;
  TCustomForm* Main = Application ? Application->MainForm() : nullptr;
  TCustomForm* Document = Main ? Main->ActiveMDIChild() : nullptr;
  if (!Document || DocumentMenuIsGoing(Document)) return nullptr;
  for (int I = 0; I < Document->ComponentCount(); ++I)
    if (auto* Menu = dynamic_cast<TMainMenu*>(Document->Components(I)); Menu && !DocumentMenuIsGoing(Menu))
      return Menu;
  return nullptr;
}

// Rebuilt whenever a document's menu is shown or is to be shown, so that the bar never
// keeps the menu of a document that is no longer the active one.
void TspSkinForm::RefreshMainMenuBarItems() {
  TspSkinForm* Main = Application ? FindSkinForm(Application->MainForm()) : nullptr;
  TspSkinMainMenuBar* Bar = Main ? Main->MainMenuBar : nullptr;
  if (!Bar) return;
  const bool OfFrame = Main->Form()->FormStyle() == fsMDIForm;
  if (Bar->ChildMenuIn() || (OfFrame && Bar->GetChildMainMenu())) Bar->UpDateItems();
}
