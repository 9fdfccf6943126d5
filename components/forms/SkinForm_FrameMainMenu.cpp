// The form's main menu in the frame's menu strip: one item object per visible
// top-level menu item, made from the skin's "MAINMENUITEM" object after the skin's own
// objects, made again when the menu or the skin changes, and gone with the menu.

#include <algorithm>
#include <memory>

#include "components/forms/SkinForm.h"
#include "platform/ui/Menus.h"
#include "platform/win/Painting.h"

namespace {

// The strip shows its items as they are now placed: the frame is repainted, or in
// client-area mode the strip.
void FrameMainMenuRedraw(TspSkinForm& ASkinForm) {
  ASkinForm.Objects().PlaceMainMenuItems();
  TCustomForm* Form = ASkinForm.Form();
  if (!Form->HandleAllocated()) return;
  if (ASkinForm.SupportNCArea()) {
    ASkinForm.UpDateFormNC();
    return;
  }
  const TRect& Strip = ASkinForm.Geometry().NewMainMenuRect;
  const RECT R{Strip.Left, Strip.Top, Strip.Right, Strip.Bottom};
  InvalidateRect(Form->Handle(), &R, true);
}

}  // namespace

void TspSkinForm::SetMainMenu(TMainMenu* AValue) {
  ReplaceNotified(FMainMenu, AValue);
  if (FSD && !FSD->Empty && !ComponentState().Contains(csDesigning)) UpdateMainMenu(true);
}

void TspSkinForm::CreateMainMenuItems() {
  if (!FMainMenu || !FSD) return;
  const auto* Record = FSD->Object<TspDataSkinMainMenuItem>("MAINMENUITEM");
  if (!Record) return;
  TMenuItem* Items = FMainMenu->Items();
  for (int I = 0; I < Items->Count(); ++I) {
    TMenuItem* Item = Items->Items(I);
    if (!Item->Visible()) continue;
    // An item freed while shown takes its object along.
    Item->FreeNotification(this);
    ObjectList.push_back(std::make_unique<TspSkinMainMenuItem>(this, *Record, Item));
  }
}

void TspSkinForm::UpdateMainMenu(bool ARedraw) {
  Menus().DropMainMenuItems(nullptr);
  CreateMainMenuItems();
  if (ARedraw)
    FrameMainMenuRedraw(*this);
  else
    Objects().PlaceMainMenuItems();
}

std::vector<TspSkinMainMenuItem*> TspSkinFormMenus::MainMenuItems() const {
  std::vector<TspSkinMainMenuItem*> Items;
  for (const auto& Object : SkinForm.ObjectList)
    if (auto* Item = dynamic_cast<TspSkinMainMenuItem*>(Object.get())) Items.push_back(Item);
  return Items;
}

// The hover and the capture are indexes into the list: those at or past the first
// removed object name none any more.
void TspSkinFormMenus::DropMainMenuItems(const TComponent* AOf) {
  auto& List = SkinForm.ObjectList;
  int First = -1;
  for (int I = static_cast<int>(List.size()) - 1; I >= 0; --I) {
    const auto* Item = dynamic_cast<const TspSkinMainMenuItem*>(List[size_t(I)].get());
    if (!Item || (AOf && Item->MenuItem != AOf)) continue;
    List.erase(List.begin() + I);
    First = I;
  }
  if (First < 0) return;
  TspSkinFormObjects& Objects = SkinForm.Objects();
  for (int* Index : {&Objects.ActiveObject, &Objects.OldActiveObject, &Objects.MouseCaptureObject})
    if (*Index >= First) *Index = -1;
}

void TspSkinFormMenus::ForgetMainMenuPart(TComponent* AComponent) {
  const bool TheMenu = AComponent == SkinForm.FMainMenu;
  if (TheMenu) SkinForm.FMainMenu = nullptr;
  const size_t Before = SkinForm.ObjectList.size();
  DropMainMenuItems(TheMenu ? nullptr : AComponent);
  if (SkinForm.ObjectList.size() == Before) return;
  const bool Going = SkinForm.ComponentState().Contains(csDestroying) ||
                     SkinForm.FForm->ComponentState().Contains(csDestroying);
  // The items left move up; a freed item may still be in its menu, so nothing is made.
  if (!Going) FrameMainMenuRedraw(SkinForm);
}
