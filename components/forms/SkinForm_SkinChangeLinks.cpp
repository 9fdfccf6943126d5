// Controls linked to the skin's areas: placed by their area's rectangle and anchors
// whenever the frame changes size. A link watches its control and goes when the
// control is freed, so no link ever reaches a freed control.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"

namespace {

// The AreaName of a skinned control of either base; empty for any other control.
String LinksAreaNameOf(const TControl* AControl) {
  if (auto* Windowed = dynamic_cast<const TspSkinControl*>(AControl)) return Windowed->AreaName();
  if (auto* Windowless = dynamic_cast<const TspGraphicSkinControl*>(AControl)) return Windowless->AreaName();
  return {};
}

}  // namespace

void TspSkinForm::LinkControlToArea(const String& AreaName, TControl* Control) {
  if (Control == nullptr || FSD == nullptr) return;
  const int Index = FSD->GetAreaIndex(AreaName);
  if (Index < 0) return;
  const TspDataSkinArea& Area = *FSD->AreaList[size_t(Index)];
  if (RectangleIsEmpty(Area.AreaRect)) return;
  Control->SetAlign(alNone);
  FAreaList.push_back({Control, Area.AreaRect, Area.UseAnchors, Area.AnchorLeft, Area.AnchorTop,
                       Area.AnchorRight, Area.AnchorBottom});
  Control->FreeNotification(this);
}

void TspSkinForm::UnLinkControlFromArea(TControl* Control) {
  auto Link = std::find_if(FAreaList.begin(), FAreaList.end(),
                           [Control](const TspAreaLink& ALink) { return ALink.Control == Control; });
  if (Link == FAreaList.end()) return;
  FAreaList.erase(Link);
  const bool StillLinked =
      std::any_of(FAreaList.begin(), FAreaList.end(),
                  [Control](const TspAreaLink& ALink) { return ALink.Control == Control; });
  if (!StillLinked) Control->RemoveFreeNotification(this);
}

void TspSkinForm::LinkControlsToAreas() {
  for (int I = 0; I < FForm->ControlCount(); ++I) {
    TControl* Control = FForm->Controls(I);
    const String AreaName = LinksAreaNameOf(Control);
    if (!AreaName.empty()) LinkControlToArea(AreaName, Control);
  }
}

void TspSkinForm::UpdateLinkedControls() {
  if (FAreaList.empty()) return;
  const bool Resizable = Geometry().SkinFrameResizable();
  // By index over the live list: a handler of a placed control may free a linked one.
  for (size_t I = 0; I < FAreaList.size(); ++I) {
    const TspAreaLink Link = FAreaList[I];
    const TRect Place = Resizable ? MapAreaRect(Link.AreaRect, Link.UseAnchors, Link.AnchorLeft,
                                                Link.AnchorTop, Link.AnchorRight, Link.AnchorBottom)
                                  : Link.AreaRect;
    Link.Control->SetBoundsRect(Place);
    if (auto* Windowed = dynamic_cast<TWinControl*>(Link.Control)) Windowed->Realign();
  }
}

void TspSkinForm::ClearAreaLinks() {
  const std::vector<TspAreaLink> Links = std::move(FAreaList);
  FAreaList.clear();
  for (const TspAreaLink& Link : Links) Link.Control->RemoveFreeNotification(this);
}

void TspSkinForm::DropAreaLinksOf(TComponent* AComponent) {
  std::erase_if(FAreaList, [AComponent](const TspAreaLink& ALink) { return ALink.Control == AComponent; });
}
