// The controls of an MDI frame leave their modes (an open drop-down list, a press) when
// the frame moves, sizes, changes activation or takes a click.

#include "components/forms/SkinForm.h"
#include "platform/ui/ControlMessages.h"

void TspSkinForm::CancelControlsMode() {
  if (!ComponentState().Empty() || FForm->FormStyle() != fsMDIForm || !FForm->Visible()) return;
  // Counted afresh each time: a control leaving its mode may free components.
  for (int I = 0; I < FForm->ComponentCount(); ++I)
    if (auto* Control = dynamic_cast<TspSkinControl*>(FForm->Components(I));
        Control && Control->Visible() && Control->Enabled())
      Control->Perform(CM_CANCELMODE, 0, 0);
}
