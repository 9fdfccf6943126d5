#include "platform/ui/Collection.h"

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/base/ScopeExit.h"

// ---------------------------------------------------------------- TCollectionItem

TCollectionItem::TCollectionItem(TCollection* ACollection) { SetCollection(ACollection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* AValue) {
  if (FCollection == AValue) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (AValue) AValue->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& Items = FCollection->FItems;
  return static_cast<int>(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(int AValue) {
  const int Current = Index();
  if (Current < 0) return;
  auto& Items = FCollection->FItems;
  const int Wanted = std::clamp(AValue, 0, static_cast<int>(Items.size()) - 1);
  if (Wanted == Current) return;
  Items.erase(Items.begin() + Current);
  Items.insert(Items.begin() + Wanted, this);
  Changed(true);
}

String TCollectionItem::GetDisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool AAllItems) {
  if (!FCollection || FCollection->FUpdateCount != 0) return;
  FCollection->Update(AAllItems ? nullptr : this);
}

// ---------------------------------------------------------------- TCollection

TCollection::TCollection(TItemFactory AItemClass) : FItemClass(std::move(AItemClass)) {}

TCollection::~TCollection() {
  FUpdateCount = 1;  // the items go without telling anyone
  while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  return FItems[AIndex];
}

TCollectionItem* TCollection::FindItemID(int AID) const {
  for (TCollectionItem* Item : FItems)
    if (Item->FID == AID) return Item;
  return nullptr;
}

TCollectionItem* TCollection::Add() { return FItemClass(this); }

TCollectionItem* TCollection::Insert(int AIndex) {
  TCollectionItem* Item = Add();
  Item->SetIndex(AIndex);
  return Item;
}

void TCollection::Delete(int AIndex) { delete Items(AIndex); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Assign(const TPersistent& ASource) {
  const auto* Source = dynamic_cast<const TCollection*>(&ASource);
  if (!Source) return TPersistent::Assign(ASource);
  if (Source == this) return;
  BeginUpdate();
  ScopeExit EndUpdating([this] { EndUpdate(); });
  Clear();
  for (TCollectionItem* Item : Source->FItems) Add()->Assign(*Item);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* AItem) {
  FItems.push_back(AItem);
  AItem->FCollection = this;
  AItem->FID = FNextID++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* AItem) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), AItem), FItems.end());
  AItem->FCollection = nullptr;
  Changed();
}
