// The skinned main menu component: its skin data link.

#include "components/forms/SkinMenuBar.h"

TspSkinMainMenu::TspSkinMainMenu(TComponent* AOwner) : TMainMenu(AOwner) {}

void TspSkinMainMenu::SetSkinData(TspSkinData* AValue) { ReplaceNotified(FSD, AValue); }

void TspSkinMainMenu::Notification(TComponent* AComponent, TOperation AOperation) {
  TMainMenu::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSD) FSD = nullptr;
}
