#include "platform/ui/Component.h"

#include <algorithm>
#include <typeinfo>

#include "platform/base/Exceptions.h"

void TPersistent::Assign(const TPersistent& ASource) { ASource.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& ADest) const {
  throw EConvertError(Format("Cannot assign a %s to a %s", typeid(*this).name(), typeid(ADest).name()));
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FComponentState.Include(csDestroying);
  // Tell everyone who keeps a reference that it is about to dangle.
  while (!FFreeNotifies.empty()) {
    TComponent* Other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& Back = Other->FFreeNotifies;
    Back.erase(std::remove(Back.begin(), Back.end(), this), Back.end());
    Other->Notification(this, opRemove);
  }
  while (!FComponents.empty()) {
    TComponent* Last = FComponents.back();
    Remove(Last);
    delete Last;
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int AIndex) const {
  if (AIndex < 0 || AIndex >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  return FComponents[AIndex];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  auto& Siblings = FOwner->FComponents;
  auto It = std::find(Siblings.begin(), Siblings.end(), this);
  return It == Siblings.end() ? -1 : static_cast<int>(It - Siblings.begin());
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* C : FComponents)
    if (SameText(C->FName, AName)) return C;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
  AComponent->FOwner = nullptr;
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(AComponent);
    AComponent->FFreeNotifies.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  auto Drop = [](std::vector<TComponent*>& AList, TComponent* AItem) {
    AList.erase(std::remove(AList.begin(), AList.end(), AItem), AList.end());
  };
  Drop(FFreeNotifies, AComponent);
  Drop(AComponent->FFreeNotifies, this);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation AOperation) {
  // The owner passes removals on to its components, so that references between
  // siblings are cleared as well.
  if (AOperation == opRemove && AComponent)
    for (TComponent* C : FComponents)
      if (C != AComponent) C->Notification(AComponent, AOperation);
}

void TComponent::SetComponentState(TComponentStateItem AItem, bool AOn) {
  if (AOn) FComponentState.Include(AItem);
  else FComponentState.Exclude(AItem);
}
