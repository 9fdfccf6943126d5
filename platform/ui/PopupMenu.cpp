// TPopupMenu: opening the menu (the skinned popup menu shows it) and the right click of
// controls.

#include "platform/ui/Control.h"
#include "platform/ui/Menus.h"

namespace {

// WM_CONTEXTMENU of a control whose PopupMenu this is.
bool ShowAutoPopup(TPopupMenu* AMenu, TControl* AControl, TPoint AScreenPoint) {
  if (!AMenu->AutoPopup) return false;
  AMenu->SetPopupComponent(AControl);
  AMenu->Popup(AScreenPoint.X, AScreenPoint.Y);
  return true;
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {
  if (!ShowControlPopupMenu) ShowControlPopupMenu = ShowAutoPopup;
}

void TPopupMenu::Popup(int AX, int AY) {
  FPopupPoint = {AX, AY};
  DoPopup(this);
  if (AutoLineReduction == maAutomatic) Items()->RethinkLines();
}

void TPopupMenu::DoPopup(TObject* ASender) {
  if (OnPopup) OnPopup(ASender);
}

void TPopupMenu::SetPopupComponent(TComponent* AValue) {
  if (FPopupComponent == AValue) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = AValue;
  if (FPopupComponent) FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation AOperation) {
  TMenu::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}
