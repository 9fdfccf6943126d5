// Small questions the application asks the component: its version, a skin area's
// rectangle, the height of a rolled-up form, and whether the form is shown delayed.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"

String TspSkinForm::GetProductVersion() { return "12.22"; }

TRect TspSkinForm::GetAreaRect(const String& AIDName) const {
  if (FSD == nullptr || FSD->Empty) return {};
  TRect Result;
  for (const auto& Area : FSD->AreaList)
    if (Area->IDName == AIDName) Result = Area->AreaRect;
  return Result;
}

int TspSkinForm::RealHeight() const {
  return FRollUpState ? FStates->HeightBeforeRollUp() : Geometry().FFormHeight;
}

void TspSkinForm::SetRealHeight(int AValue) { FStates->SetHeightBeforeRollUp(AValue); }

bool TspSkinForm::UseDelayedShow() const {
  return IsWindowsVistaOrLater() && UseLayeredBorder() && !FAlphaBlend && !AlphaBlendAnimation &&
         !AnimatesForAllWindows();
}
