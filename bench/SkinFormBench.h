#pragma once
// What the skinned-form benchmarks share: a form wearing the default skin, shown on the
// started window system.

#include <memory>

#include "components/forms/SkinForm.h"
#include "platform/ui/Forms.h"
#include "resources/skin-new/SkinNew.h"

namespace bench {

struct TSkinnedForm {
  std::unique_ptr<skin_new::TSkinNew> Skin;
  TForm* Form = nullptr;            // owned by the application
  TspSkinForm* SkinForm = nullptr;  // owned by Form
};

// A new application form of AWidth x AHeight at (0, 0) wearing the default skin,
// shown, its messages handled. The skin must outlive the application.
inline TSkinnedForm ShowSkinnedForm(int AWidth, int AHeight) {
  TSkinnedForm Result;
  Result.Skin = skin_new::BuildSkinNew();
  Result.Skin->Data.Empty = false;
  Result.Form = Application->CreateForm<TForm>();
  Result.SkinForm = new TspSkinForm(Result.Form);
  Result.SkinForm->SetSkinData(&Result.Skin->Data);
  Result.Form->SetBounds(0, 0, AWidth, AHeight);
  Result.Form->Show();
  Application->ProcessMessages();
  return Result;
}

}  // namespace bench
