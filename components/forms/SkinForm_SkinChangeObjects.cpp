// The frame objects a skin gives a form: one live object per object record of the
// skin, its class chosen by the record's kind.

#include <memory>

#include "components/forms/SkinForm.h"

namespace {

using TSkinObjectMaker = std::unique_ptr<TspActiveSkinObject> (*)(TspSkinForm* AForm,
                                                                  const TspDataSkinObject& AData);

// A record kind and what it makes; a null maker: records of the kind make no object.
struct TSkinObjectKind {
  bool (*IsKind)(const TspDataSkinObject& AData);
  TSkinObjectMaker Make;
};

template <class TData>
bool SkinObjectIsKind(const TspDataSkinObject& AData) {
  return dynamic_cast<const TData*>(&AData) != nullptr;
}

template <class TData, class TObject>
std::unique_ptr<TspActiveSkinObject> SkinObjectMake(TspSkinForm* AForm, const TspDataSkinObject& AData) {
  return std::make_unique<TObject>(AForm, static_cast<const TData&>(AData));
}

template <class TData, class TObject>
constexpr TSkinObjectKind SkinObjectKind() {
  return {SkinObjectIsKind<TData>, SkinObjectMake<TData, TObject>};
}

template <class TData>
constexpr TSkinObjectKind SkinObjectKindWithoutObject() {
  return {SkinObjectIsKind<TData>, nullptr};
}

// Tested in this order and the first match wins, so a kind comes before the kind it
// derives from. Menu items come from the form's main menu, and the other two menu
// kinds serve the menus and the menu bar, not the frame.
const TSkinObjectKind SkinObjectKinds[] = {
    SkinObjectKindWithoutObject<TspDataSkinMainMenuItem>(),
    SkinObjectKindWithoutObject<TspDataSkinMenuItem>(),
    SkinObjectKindWithoutObject<TspDataSkinMainMenuBarButton>(),
    SkinObjectKind<TspDataSkinStdButton, TspSkinStdButtonObject>(),
    SkinObjectKind<TspDataSkinButton, TspSkinButtonObject>(),
    SkinObjectKind<TspDataSkinCaption, TspSkinCaptionObject>(),
    SkinObjectKind<TspDataUserObject, TspUserObject>(),
    SkinObjectKind<TspDataSkinSwitch, TspSkinSwitchObject>(),
    SkinObjectKind<TspDataSkinLabel, TspSkinLabelObject>(),
};

std::unique_ptr<TspActiveSkinObject> MakeSkinObject(TspSkinForm* AForm, const TspDataSkinObject& AData) {
  for (const TSkinObjectKind& Kind : SkinObjectKinds)
    if (Kind.IsKind(AData)) return Kind.Make ? Kind.Make(AForm, AData) : nullptr;
  return nullptr;
}

}  // namespace

void TspSkinForm::CreateSkinObjects() {
  ClearObjects();
  ClearAreaLinks();
  if (!FSD) return;
  for (const auto& Record : FSD->ObjectList)
    if (std::unique_ptr<TspActiveSkinObject> Object = MakeSkinObject(this, *Record))
      ObjectList.push_back(std::move(Object));
}
