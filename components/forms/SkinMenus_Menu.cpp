#include "components/forms/SkinMenus.h"

TspSkinMenu::TspSkinMenu(TComponent* AOwner) : TComponent(AOwner) {
  FDefaultMenuItemFont.SetName("Arial");
  FDefaultMenuItemFont.SetHeight(14);
}
