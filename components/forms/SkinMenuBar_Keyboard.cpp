// The main menu bar's keyboard mode: selecting, moving along the bar with wrapping,
// pressing the selection and Alt accelerators.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Accelerators.h"

void TspSkinMainMenuBar::EnterKeyboardMode() {
  // An empty bar has nothing to select: no mode that would only swallow keys.
  if (FItems.empty()) return;
  MenuActive = true;
  const int Selected = SelectedIndex();
  FItems[Selected >= 0 ? Selected : 0]->MouseEnter();
  if (!FSkinForm) return;
  FSkinForm->HookApplication();
  FSkinForm->InMainMenu = true;
  if (FSkinForm->OnMainMenuEnter) FSkinForm->OnMainMenuEnter(this);
}

void TspSkinMainMenuBar::LeaveKeyboardMode() {
  MenuActive = false;
  const int Selected = SelectedIndex();
  if (Selected >= 0) {
    TspSkinMainMenuBarItem& Item = *FItems[Selected];
    Item.Active = Item.MouseIn = Item.Down = false;
    // The item fades (or plays) back to its normal look.
    if (Item.EnableMorphing()) Item.SetMorphKf(1);
    if (Item.EnableAnimation() && !Item.InActiveAnimation) Item.CurrentFrame = 0;
    Item.ReDraw();
  }
  FActiveObject = -1;
}

void TspSkinMainMenuBar::ReleaseDownItem() {
  for (const auto& Item : FItems) {
    if (!Item->Down) continue;
    Item->Down = false;
    Item->Active = true;
    if (Item->EnableMorphing()) Item->SetMorphKf(1);
    DrawItem(*Item);
    return;
  }
}

bool TspSkinMainMenuBar::IsSelectable(int AIndex) const {
  return FItems[AIndex]->Enabled && FItems[AIndex]->Visible;
}

int TspSkinMainMenuBar::SelectedIndex() const {
  for (int I = 0; I < ItemCount(); ++I)
    if (FItems[I]->Active || FItems[I]->Down) return I;
  return -1;
}

void TspSkinMainMenuBar::SelectNextItem() {
  int Current = -1;
  for (int I = 0; I < ItemCount() && Current < 0; ++I)
    if (IsSelectable(I) && (FItems[I]->Active || FItems[I]->Down)) Current = I;
  int Next = -1;
  for (int I = Current + 1; I < ItemCount() && Next < 0; ++I)
    if (IsSelectable(I)) Next = I;
  for (int I = 0; I < ItemCount() && Next < 0; ++I)
    if (IsSelectable(I)) Next = I;
  if (Next < 0) return;
  // The leave keeps a pressed item down, so the enter moves an open menu along.
  if (Current >= 0 && Current != Next) FItems[Current]->MouseLeave();
  FItems[Next]->MouseEnter();
}

void TspSkinMainMenuBar::SelectPrevItem() {
  int Current = -1;
  for (int I = ItemCount() - 1; I >= 0 && Current < 0; --I)
    if (IsSelectable(I) && (FItems[I]->Active || FItems[I]->Down)) Current = I;
  int Prev = -1;
  for (int I = (Current < 0 ? ItemCount() : Current) - 1; I >= 0 && Prev < 0; --I)
    if (IsSelectable(I)) Prev = I;
  for (int I = ItemCount() - 1; I >= 0 && Prev < 0; --I)
    if (IsSelectable(I)) Prev = I;
  if (Prev < 0) return;
  if (Current >= 0 && Current != Prev) FItems[Current]->MouseLeave();
  FItems[Prev]->MouseEnter();
}

bool TspSkinMainMenuBar::PressSelectedItem() {
  const bool MenuOpen = FSkinForm && FSkinForm->SkinMenu().Visible();
  for (const auto& Item : FItems) {
    const bool DownLeaf = Item->Down && Item->MenuItem.Count() == 0;
    if (DownLeaf || (Item->Active && !MenuOpen)) {
      Item->Active = false;
      Item->MouseDown(mbLeft);
      return true;
    }
  }
  return false;
}

bool TspSkinMainMenuBar::CheckAccelerator(WORD AKey) {
  if (!FSkinForm || !FSkinForm->Form()->Visible()) return false;
  for (const auto& Item : FItems) {
    if (!Item->Enabled || !Item->Visible || !IsAccel(AKey, Item->MenuItem.Caption())) continue;
    Item->MouseEnter();
    const bool MenuOpen = FSkinForm->SkinMenu().Visible();
    if (!(MenuOpen && Item->MenuItem.Count() > 0) && !Item->Down) Item->MouseDown(mbLeft);
    return true;
  }
  return false;
}
