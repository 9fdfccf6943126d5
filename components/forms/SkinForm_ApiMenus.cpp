// The form's popup-menu settings, kept by the component and handed to its popup chain,
// which the windows of every menu opened through the form read.

#include "components/forms/SkinForm.h"

void TspSkinForm::SetDefMenuItemHeight(int AValue) {
  if (AValue > 0) SkinMenu().FDefaultMenuItemHeight = AValue;
}

void TspSkinForm::SetMaxMenuItemsInWindow(int AValue) {
  if (AValue < 0) return;
  FMaxMenuItemsInWindow = AValue;
  SkinMenu().MaxMenuItemsInWindow = AValue;
}

void TspSkinForm::SetMenusAlphaBlend(bool AValue) {
  FMenusAlphaBlend = AValue;
  SkinMenu().AlphaBlend = AValue;
}

void TspSkinForm::SetMenusAlphaBlendValue(uint8_t AValue) {
  FMenusAlphaBlendValue = AValue;
  SkinMenu().AlphaBlendValue = AValue;
}

void TspSkinForm::SetMenusAlphaBlendAnimation(bool AValue) {
  FMenusAlphaBlendAnimation = AValue;
  SkinMenu().AlphaBlendAnimation = AValue;
}
