// The skin-change broadcast: every message goes to the application's forms, sent
// synchronously, with the skin data as wParam.

#include <algorithm>
#include <vector>

#include "components/core/SkinData.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Screen.h"

namespace {

bool IsSkinLayerWindow(const TCustomForm& AForm) { return AForm.ClassName() == SkinLayerWindowClassName; }

// A receiver may free forms; a form that has left the screen's list gets nothing.
bool SkinBroadcastFormStillExists(const TCustomForm* AForm) {
  for (int I = 0; I < Screen->FormCount(); ++I)
    if (Screen->Forms(I) == AForm) return true;
  return false;
}

}  // namespace

void TspSkinData::SendSkinDataMessage(unsigned AMsg) {
  if (BuildMode || !Screen) return;
  const WPARAM SkinDataParam = reinterpret_cast<WPARAM>(this);
  TCustomForm* OwnerForm = nullptr;
  if (!FShowLayeredBorders) {
    OwnerForm = dynamic_cast<TCustomForm*>(Owner());
    if (OwnerForm) OwnerForm->Perform(AMsg, SkinDataParam, SkinDataMessageTag);
  }
  std::vector<TCustomForm*> Receivers;
  for (int I = 0; I < Screen->FormCount(); ++I) {
    TCustomForm* Form = Screen->Forms(I);
    if (Form != OwnerForm && !IsSkinLayerWindow(*Form)) Receivers.push_back(Form);
  }
  if (FShowLayeredBorders && LayerFrame->PictureIndex != -1) std::reverse(Receivers.begin(), Receivers.end());
  for (TCustomForm* Form : Receivers)
    if (SkinBroadcastFormStillExists(Form)) Form->Perform(AMsg, SkinDataParam, SkinDataMessageTag);
}
