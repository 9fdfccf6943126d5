// The keys of the main menu in the frame's menu strip, for a form without a main menu
// bar (the bar has its own, SkinMenuBar_Keyboard.cpp): Alt accelerators, the menu key,
// Left and Right with wrapping, Enter and Down; and the command of an item without
// sub-items.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Accelerators.h"

namespace {

// Enabled, and fitting into the strip.
bool FrameMainMenuItemIsSelectable(const TspSkinMainMenuItem& AItem) {
  return AItem.Enabled && AItem.Visible;
}

// The first selectable item from AFrom on in the direction AStep, else, wrapping, from
// the end the walk starts at; -1 when none is selectable.
int FrameMainMenuNextSelectable(const std::vector<TspSkinMainMenuItem*>& AItems, int AFrom, int AStep) {
  const int Count = static_cast<int>(AItems.size());
  for (int I = AFrom; I >= 0 && I < Count; I += AStep)
    if (FrameMainMenuItemIsSelectable(*AItems[size_t(I)])) return I;
  for (int I = AStep > 0 ? 0 : Count - 1; I >= 0 && I < Count; I += AStep)
    if (FrameMainMenuItemIsSelectable(*AItems[size_t(I)])) return I;
  return -1;
}

// The selection moves to the next selectable item in the direction AStep, wrapping.
// The selected item is sought from the end the move leaves; the item left keeps its
// down state, so that entering the next one moves an open menu along.
void MoveFrameMainMenuSelection(const std::vector<TspSkinMainMenuItem*>& AItems, int AStep) {
  const int Count = static_cast<int>(AItems.size());
  int Current = -1;
  for (int K = 0; K < Count && Current < 0; ++K) {
    const int I = AStep > 0 ? K : Count - 1 - K;
    const TspSkinMainMenuItem& Item = *AItems[size_t(I)];
    if (FrameMainMenuItemIsSelectable(Item) && (Item.Active || Item.FDown)) Current = I;
  }
  if (Current >= 0) AItems[size_t(Current)]->MouseLeave();
  // From nothing selected, a step back starts past the first item and wraps to the last.
  const int Next = FrameMainMenuNextSelectable(AItems, Current + AStep, AStep);
  if (Next >= 0) AItems[size_t(Next)]->MouseEnter();
}

}  // namespace

void TspSkinFormMenus::RunMainMenuCommand(TspSkinMainMenuItem& AItem, int AX, int AY) {
  TMenuItem* Command = AItem.MenuItem;
  const String IDName = AItem.IDName;
  const TRect Place = AItem.ObjectRect;
  SkinForm.InMenu = false;
  // The command ends the keyboard's menu mode, as a click on a menu line ends a popup.
  if (SkinForm.InMainMenu) LeaveMainMenu();
  const TLiveToken Alive = SkinForm.FLive.Token();
  if (SkinForm.OnMouseDownEvent) SkinForm.OnMouseDownEvent(IDName, AX, AY, Place, mbLeft);
  if (!Alive) return;
  Command->Click();
}

bool TspSkinFormMenus::MainMenuAccel(WORD AKey) {
  if (SkinForm.MainMenuBar) return SkinForm.MainMenuBar->CheckAccelerator(AKey);
  for (TspSkinMainMenuItem* Item : MainMenuItems()) {
    if (!FrameMainMenuItemIsSelectable(*Item) || !IsAccel(AKey, Item->MenuItem->Caption())) continue;
    Item->MouseEnter();
    // Entering may have opened the item's menu already (another item was down).
    if (!(SkinForm.InMenu && Item->MenuItem->Count() > 0)) Item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}

bool TspSkinFormMenus::EnterMainMenu() {
  const std::vector<TspSkinMainMenuItem*> Items = MainMenuItems();
  TspSkinMainMenuItem* Selected = Items.empty() ? nullptr : Items.front();
  for (TspSkinMainMenuItem* Item : Items)
    if (Item->Active) {
      Selected = Item;
      break;
    }
  if (Selected) {
    Selected->MouseEnter();
    SkinForm.InMainMenu = true;
    HookApplication();
  }
  if (SkinForm.OnMainMenuEnter) SkinForm.OnMainMenuEnter(&SkinForm);
  return Selected != nullptr;
}

bool TspSkinFormMenus::CanSelectNextMainMenuItem() const {
  if (!FSkinMenu || FSkinMenu->PopupCount() == 0) return true;
  const TspSkinPopupWindow& Window = FSkinMenu->PopupWindow(FSkinMenu->PopupCount() - 1);
  if (Window.ActiveItem < 0 || Window.ActiveItem >= Window.ItemCount()) return true;
  const TMenuItem* Line = Window.Item(Window.ActiveItem).MenuItem;
  return !Line || Line->Count() == 0;
}

bool TspSkinFormMenus::CanSelectPrevMainMenuItem() const {
  return !FSkinMenu || FSkinMenu->PopupCount() <= 1;
}

void TspSkinFormMenus::SelectNextMainMenuItem() { MoveFrameMainMenuSelection(MainMenuItems(), 1); }

void TspSkinFormMenus::SelectPrevMainMenuItem() { MoveFrameMainMenuSelection(MainMenuItems(), -1); }

bool TspSkinFormMenus::PressMainMenuItem() {
  if (SkinForm.MainMenuBar) return SkinForm.MainMenuBar->PressSelectedItem();
  for (TspSkinMainMenuItem* Item : MainMenuItems()) {
    const bool DownLeaf = Item->FDown && Item->MenuItem->Count() == 0;
    // A disabled item the menu key selected stays selected: it cannot be pressed.
    if (!Item->Enabled || (!DownLeaf && !(Item->Active && !SkinForm.InMenu))) continue;
    Item->Active = false;
    Item->MouseDown(0, 0, mbLeft);
    return true;
  }
  return false;
}
