// The frame objects a skin gives a form: one live object per object record of the
// skin, its class chosen by the record's kind.

#include <memory>

#include "components/forms/SkinForm.h"

namespace {

using TFrameObjectMaker = std::unique_ptr<TspActiveSkinObject> (*)(TspSkinForm* AForm,
                                                                   const TspDataSkinObject& AData);

// A record kind and what it makes; a null maker: records of the kind make no object.
struct TFrameObjectKind {
  bool (*IsKind)(const TspDataSkinObject& AData);
  TFrameObjectMaker Make;
};

template <class TData>
bool FrameObjectIsKind(const TspDataSkinObject& AData) {
  return dynamic_cast<const TData*>(&AData) != nullptr;
}

template <class TData, class TObject>
std::unique_ptr<TspActiveSkinObject> FrameObjectMake(TspSkinForm* AForm, const TspDataSkinObject& AData) {
  return std::make_unique<TObject>(AForm, static_cast<const TData&>(AData));
}

template <class TData, class TObject>
constexpr TFrameObjectKind FrameObjectKind() {
  return {FrameObjectIsKind<TData>, FrameObjectMake<TData, TObject>};
}

template <class TData>
constexpr TFrameObjectKind FrameObjectKindWithoutObject() {
  return {FrameObjectIsKind<TData>, nullptr};
}

// Tested in this order and the first match wins, so a kind comes before the kind it
// derives from. Menu items come from the form's main menu, and the other two menu
// kinds serve the menus and the menu bar, not the frame.
const TFrameObjectKind FrameObjectKinds[] = {
    FrameObjectKindWithoutObject<TspDataSkinMainMenuItem>(),
    FrameObjectKindWithoutObject<TspDataSkinMenuItem>(),
    FrameObjectKindWithoutObject<TspDataSkinMainMenuBarButton>(),
    FrameObjectKind<TspDataSkinStdButton, TspSkinStdButtonObject>(),
    FrameObjectKind<TspDataSkinButton, TspSkinButtonObject>(),
    FrameObjectKind<TspDataSkinAnimate, TspSkinAnimateObject>(),
    FrameObjectKind<TspDataSkinCaption, TspSkinCaptionObject>(),
    FrameObjectKind<TspDataUserObject, TspUserObject>(),
    FrameObjectKind<TspDataSkinSwitch, TspSkinSwitchObject>(),
    FrameObjectKind<TspDataSkinLabel, TspSkinLabelObject>(),
    FrameObjectKind<TspDataSkinGauge, TspSkinGaugeObject>(),
    FrameObjectKind<TspDataSkinFrameGaugeObject, TspSkinFrameGaugeObject>(),
    FrameObjectKind<TspDataSkinFrameRegulatorObject, TspSkinFrameRegulatorObject>(),
    FrameObjectKind<TspDataSkinTrackBar, TspSkinTrackBarObject>(),
    FrameObjectKind<TspDataSkinBitLabel, TspSkinBitLabelObject>(),
};

std::unique_ptr<TspActiveSkinObject> MakeFrameObject(TspSkinForm* AForm, const TspDataSkinObject& AData) {
  for (const TFrameObjectKind& Kind : FrameObjectKinds)
    if (Kind.IsKind(AData)) return Kind.Make ? Kind.Make(AForm, AData) : nullptr;
  return nullptr;
}

}  // namespace

void TspSkinForm::CreateSkinObjects() {
  ClearObjects();
  ClearAreaLinks();
  if (!FSD) return;
  for (const TspDataSkinObject& Record : FSD->Objects())
    if (std::unique_ptr<TspActiveSkinObject> Object = MakeFrameObject(this, Record))
      ObjectList.push_back(std::move(Object));
  CreateMainMenuItems();
}
