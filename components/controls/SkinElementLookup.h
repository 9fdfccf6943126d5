#pragma once
// Finding an element record of the skin by its name, for the controls and forms that
// read an element of their own choosing. User-interface thread.

#include "components/core/SkinData.h"

// The index of the element AName in ASkinData: -1 without skin data, while the skin is
// empty, or when the skin lacks it.
inline int FindSkinElement(const TspSkinData* ASkinData, const String& AName) {
  if (!ASkinData || ASkinData->Empty) return -1;
  return ASkinData->GetControlIndex(AName);
}
