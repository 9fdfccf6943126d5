// TMenu: the root item, the images, finding items and dispatching shortcuts and
// commands to them.

#include "platform/ui/Menus.h"
#include "platform/win/Keyboard.h"

namespace {

TMenuItem* FindIn(TMenuItem* AItem, UINT AValue, TFindItemKind AKind) {
  for (int I = 0; I < AItem->Count(); ++I) {
    TMenuItem* Item = AItem->Items(I);
    const UINT Value = AKind == fkCommand ? Item->Command() : Item->ShortCut();
    if (Value == AValue) return Item;
    if (TMenuItem* Found = FindIn(Item, AValue, AKind)) return Found;
  }
  return nullptr;
}

}  // namespace

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner) {
  FItems = new TMenuItem(this);
  FItems->FMenu = this;
}

// The items go while the menu is whole, and without change reports.
TMenu::~TMenu() {
  Destroying();
  delete FItems;
}

void TMenu::SetImages(TCustomImageList* AValue) {
  if (FImages == AValue) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = AValue;
  if (FImages) FImages->FreeNotification(this);
  MenuChanged(this, nullptr, false);
}

void TMenu::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    MenuChanged(this, nullptr, false);
  }
}

void TMenu::MenuChanged(TObject* ASender, TMenuItem* ASource, bool ARebuild) {
  if (ComponentState().Contains(csDestroying)) return;
  if (OnChange) OnChange(ASender, ASource, ARebuild);
}

TMenuItem* TMenu::FindItem(UINT AValue, TFindItemKind AKind) const {
  if (AKind == fkShortCut && AValue == scNone) return nullptr;
  return FindIn(FItems, AValue, AKind);
}

bool TMenu::IsShortCut(const TWMKey& AMessage) {
  TShiftState Shift;
  if (GetKeyState(VK_SHIFT) < 0) Shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) Shift.Include(ssCtrl);
  if (AMessage.KeyData & AltMask) Shift.Include(ssAlt);
  TMenuItem* Item = FindItem(::ShortCut(AMessage.CharCode & 0xFF, Shift), fkShortCut);
  if (!Item || !Item->Enabled()) return false;
  Item->Click();
  return true;
}

bool TMenu::DispatchCommand(UINT ACommand) {
  TMenuItem* Item = FindItem(ACommand, fkCommand);
  if (!Item) return false;
  Item->Click();
  return true;
}
