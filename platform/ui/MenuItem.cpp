// TMenuItem: the tree of sub-items, the item's states, its action and its click.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/ui/Actions.h"
#include "platform/ui/Menus.h"

namespace {

// Command numbers are never given twice, so a number kept past its item finds nothing.
UINT NewCommand() {
  static UINT Next = 0;
  return ++Next;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NewCommand()) {}

// Marked as being destroyed first, so that its sub-items leave it without a change
// reported for each.
TMenuItem::~TMenuItem() {
  Destroying();
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
  FActionLink.reset();
}

// ---------------------------------------------------------------- sub-items

void TMenuItem::CheckIndex(int AIndex, int ALast) const {
  if (AIndex < 0 || AIndex > ALast) throw EMenuError("Menu index out of range");
}

TMenuItem* TMenuItem::Items(int AIndex) const {
  CheckIndex(AIndex, Count() - 1);
  return FItems[static_cast<size_t>(AIndex)];
}

void TMenuItem::Add(TMenuItem* AItem) { Insert(Count(), AItem); }

void TMenuItem::Insert(int AIndex, TMenuItem* AItem) {
  if (AItem->FParent || AItem->FMenu) throw EMenuError("Menu inserted twice");
  CheckIndex(AIndex, Count());
  FItems.insert(FItems.begin() + AIndex, AItem);
  AItem->FParent = this;
  MenuChanged(true);
}

void TMenuItem::Delete(int AIndex) {
  CheckIndex(AIndex, Count() - 1);
  TMenuItem* Item = FItems[static_cast<size_t>(AIndex)];
  FItems.erase(FItems.begin() + AIndex);
  Item->FParent = nullptr;
  MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* AItem) {
  const int Index = IndexOf(AItem);
  if (Index < 0) throw EMenuError("Menu index out of range");
  Delete(Index);
}

void TMenuItem::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

int TMenuItem::IndexOf(const TMenuItem* AItem) const {
  const auto It = std::find(FItems.begin(), FItems.end(), AItem);
  return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int AValue) {
  if (!FParent) return;
  auto& Siblings = FParent->FItems;
  const int Current = MenuIndex();
  const int Wanted = std::clamp(AValue, 0, static_cast<int>(Siblings.size()) - 1);
  if (Wanted == Current) return;
  Siblings.erase(Siblings.begin() + Current);
  Siblings.insert(Siblings.begin() + Wanted, this);
  MenuChanged(true);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* Root = this;
  while (Root->FParent) Root = Root->FParent;
  return Root->FMenu;
}

// ---------------------------------------------------------------- state

void TMenuItem::SetCaption(const String& AValue) {
  if (FCaption == AValue) return;
  FCaption = AValue;
  MenuChanged(true);
}

void TMenuItem::SetEnabled(bool AValue) {
  if (FEnabled == AValue) return;
  FEnabled = AValue;
  MenuChanged(false);
}

void TMenuItem::SetVisible(bool AValue) {
  if (FVisible == AValue) return;
  FVisible = AValue;
  MenuChanged(true);
}

void TMenuItem::SetChecked(bool AValue) {
  if (FChecked == AValue) return;
  FChecked = AValue;
  if (AValue && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool AValue) {
  if (FRadioItem == AValue) return;
  FRadioItem = AValue;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::SetGroupIndex(uint8_t AValue) {
  if (FGroupIndex == AValue) return;
  FGroupIndex = AValue;
  if (FChecked && FRadioItem) TurnSiblingsOff();
  MenuChanged(false);
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* Sibling : FParent->FItems)
    if (Sibling != this && Sibling->FRadioItem && Sibling->FGroupIndex == FGroupIndex)
      Sibling->SetChecked(false);
}

void TMenuItem::SetDefault(bool AValue) {
  if (FDefault == AValue) return;
  if (AValue && FParent)
    for (TMenuItem* Sibling : FParent->FItems) Sibling->FDefault = false;
  FDefault = AValue;
  MenuChanged(true);
}

void TMenuItem::SetShortCut(TShortCut AValue) {
  if (FShortCut == AValue) return;
  FShortCut = AValue;
  MenuChanged(true);
}

TBitmap& TMenuItem::Bitmap() {
  if (!FBitmap) {
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->OnChange = [this](TGraphic*) { MenuChanged(true); };
  }
  return *FBitmap;
}

void TMenuItem::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  MenuChanged(true);
}

// The change goes up the tree to the root item, whose menu reports it.
void TMenuItem::MenuChanged(bool ARebuild) {
  if (ComponentState().Contains(csDestroying)) return;
  TMenuItem* Root = this;
  while (Root->FParent) Root = Root->FParent;
  if (TMenu* Menu = Root->FMenu; Menu && !Menu->ComponentState().Contains(csDestroying))
    Menu->MenuChanged(Menu, Root == this ? nullptr : this, ARebuild);
}

// ---------------------------------------------------------------- separators

bool TMenuItem::RethinkLines() {
  bool Changed = false;
  const auto Show = [&Changed](TMenuItem* ALine, bool AShown) {
    if (ALine->FVisible == AShown) return;
    ALine->SetVisible(AShown);
    Changed = true;
  };
  // A separator is kept while it waits for a visible item after it; one that follows
  // nothing or another kept separator, or that nothing follows, is hidden.
  bool ItemBefore = false;
  TMenuItem* Waiting = nullptr;
  for (TMenuItem* Item : FItems) {
    if (Item->IsLine()) {
      if (ItemBefore && !Waiting) {
        Waiting = Item;
      } else {
        Show(Item, false);
      }
    } else if (Item->FVisible) {
      if (Waiting) Show(Waiting, true);
      Waiting = nullptr;
      ItemBefore = true;
    }
  }
  if (Waiting) Show(Waiting, false);
  return Changed;
}

// ---------------------------------------------------------------- action and click

TBasicAction* TMenuItem::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TMenuItem::SetAction(TBasicAction* AValue) {
  SetClientAction(*this, FActionLink, AValue,
                  [this](TBasicAction* A, bool ACheckDefaults) { ActionChange(A, ACheckDefaults); });
}

void TMenuItem::ActionChange(TObject* ASender, bool ACheckDefaults) {
  auto* Linked = dynamic_cast<TCustomAction*>(ASender);
  if (!Linked) return;
  if (!ACheckDefaults || FCaption.empty()) SetCaption(Linked->Caption());
  if (!ACheckDefaults || !FChecked) SetChecked(Linked->Checked());
  if (!ACheckDefaults || FEnabled) SetEnabled(Linked->Enabled());
  if (!ACheckDefaults || Hint.empty()) Hint = Linked->Hint();
  if (!ACheckDefaults || FImageIndex == -1) SetImageIndex(Linked->ImageIndex());
  if (!ACheckDefaults || FVisible) SetVisible(Linked->Visible());
}

void TMenuItem::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation == opRemove && FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (OnClick)
    OnClick(this);
  else if (FActionLink && FActionLink->Action())
    FActionLink->Execute(this);
}
