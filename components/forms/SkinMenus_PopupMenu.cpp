// TspSkinPopupMenu: a platform popup menu shown through the skinned popup chain of the
// form it belongs to.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

void TspSkinPopupMenu::SetSkinData(TspSkinData* AValue) { ReplaceNotified(FSD, AValue); }

void TspSkinPopupMenu::Notification(TComponent* AComponent, TOperation AOperation) {
  TPopupMenu::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSD) FSD = nullptr;
}

void TspSkinPopupMenu::Popup(int AX, int AY) {
  // The platform's popup remembers the point, raises OnPopup and drops the separators
  // that separate nothing.
  TPopupMenu::Popup(AX, AY);
  ShowInChain(nullptr, TRect{AX, AY, AX, AY}, false, false);
}

void TspSkinPopupMenu::PopupFromRect(const TRect& AR, bool APopupUp) {
  DoPopup(this);
  ShowInChain(nullptr, AR, APopupUp, false);
}

void TspSkinPopupMenu::PopupFromRect2(TControl* ACtrl, const TRect& AR, bool APopupUp) {
  DoPopup(this);
  ShowInChain(ACtrl, AR, APopupUp, false);
}

void TspSkinPopupMenu::Popup2(TControl* ACtrl, int AX, int AY) {
  DoPopup(this);
  ShowInChain(ACtrl, TRect{AX, AY, AX, AY}, false, true);
}

// The named form's component, else the owner's or the owner's owner's when it is a
// form; an MDI child's menus go through the main form's chain.
TspSkinForm* TspSkinPopupMenu::FindChainOwner() const {
  if (FComponentForm) return FindSkinForm(FComponentForm);
  auto* Form = dynamic_cast<TCustomForm*>(Owner());
  if (!Form && Owner()) Form = dynamic_cast<TCustomForm*>(Owner()->Owner());
  TspSkinForm* Found = FindSkinForm(Form);
  if (Found && Form->FormStyle() == fsMDIChild && Application) return FindSkinForm(Application->MainForm());
  return Found;
}

void TspSkinPopupMenu::ShowInChain(TControl* ACtrl, const TRect& AR, bool APopupUp, bool ANeedsSkinData) {
  TspSkinForm* Component = FindChainOwner();
  if (Component && !FSD) SetSkinData(Component->MenuSkin());
  if (ANeedsSkinData && !FSD) return;
  TspSkinMenu* Chain = nullptr;
  if (Component) {
    if (Component->SkinMenu().Visible()) Component->SkinMenuClose();
    Component->SkinMenuOpen();
    Chain = &Component->SkinMenu();
  } else {
    // Tolerated: a menu that belongs to no skinned form still opens, in a chain of its
    // own.
    if (!FOwnChain) FOwnChain = std::make_unique<TspSkinMenu>(nullptr);
    Chain = FOwnChain.get();
  }
  Chain->Popup(ACtrl, FSD, 0, AR, Items(), APopupUp);
  // A close event handed to a chain that opened nothing would fire for a later menu.
  if (OnMenuClose && Chain->Visible()) Chain->FOnMenuClose = OnMenuClose;
}
