// The two walks of a skin change over a form's controls: depth first, a parent before
// its children, every skinned control bound to the changing skin told to forget its
// element and then to read it again.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinExCtrls.h"
#include "components/controls/SkinTabs.h"
#include "components/forms/SkinChangeFollower.h"
#include "components/forms/SkinForm.h"

namespace {

// Whether a control bound to AControlSkin takes part in a change of AChangingSkin
// (nullptr: of every skin).
bool WalkBoundTo(const TspSkinData* AControlSkin, const TspSkinData* AChangingSkin) {
  return AChangingSkin == nullptr || AControlSkin == AChangingSkin;
}

// Calls ChangeSkinData of AControl as a TKind when it is one and bound to ASkin; true
// when AControl is a TKind, bound or not, so no later kind is tried.
template <class TKind>
bool WalkChangeAs(TControl* AControl, TspSkinData* ASkin) {
  auto* Control = dynamic_cast<TKind*>(AControl);
  if (Control == nullptr) return false;
  if (WalkBoundTo(Control->SkinData(), ASkin)) Control->ChangeSkinData();
  return true;
}

template <class TKind>
bool WalkBeforeChangeAs(TControl* AControl, TspSkinData* ASkin) {
  auto* Control = dynamic_cast<TKind*>(AControl);
  if (Control == nullptr) return false;
  if (WalkBoundTo(Control->SkinData(), ASkin)) Control->BeforeChangeSkinData();
  return true;
}

using TWalkVisit = bool (*)(TControl* AControl, TspSkinData* ASkin);

// The skinned kinds that re-read their element, in the order they are tried: the two
// control bases first, then the controls that keep their skin binding themselves, last
// the controls of other libraries that follow skin changes.
constexpr TWalkVisit WalkChangeVisits[] = {
    WalkChangeAs<TspGraphicSkinControl>, WalkChangeAs<TspSkinControl>,
    WalkChangeAs<TspSkinPageControl>,    WalkChangeAs<TspSkinLinkLabel>,
    WalkChangeAs<TspSkinButtonLabel>,    WalkChangeAs<TspSkinStdLabel>,
    WalkChangeAs<TspSkinCustomTreeView>, WalkChangeAs<TspSkinCustomListView>,
    WalkChangeAs<TspSkinBevel>,          WalkChangeAs<TspSkinChangeFollower>,
};

// The two control bases and the followers forget their element before a change.
constexpr TWalkVisit WalkBeforeChangeVisits[] = {
    WalkBeforeChangeAs<TspSkinControl>,
    WalkBeforeChangeAs<TspGraphicSkinControl>,
    WalkBeforeChangeAs<TspSkinChangeFollower>,
};

template <size_t N>
void WalkControls(const TWalkVisit (&AVisits)[N], TspSkinData* ASkin, TControl* AControl) {
  for (TWalkVisit Visit : AVisits)
    if (Visit(AControl, ASkin)) break;
  auto* Windowed = dynamic_cast<TWinControl*>(AControl);
  if (Windowed == nullptr) return;
  // Counted afresh each time: a control reading its skin may add children of its own.
  for (int I = 0; I < Windowed->ControlCount(); ++I) WalkControls(AVisits, ASkin, Windowed->Controls(I));
}

}  // namespace

void TspSkinForm::BeforeChangeControlsSkinData(TspSkinData* ASkinData, TControl* AControl) {
  WalkControls(WalkBeforeChangeVisits, ASkinData, AControl);
}

void TspSkinForm::ChangeControlsSkinData(TspSkinData* ASkinData, TControl* AControl) {
  WalkControls(WalkChangeVisits, ASkinData, AControl);
}
