#include "platform/ui/Component.h"

#include <algorithm>

#include "platform/base/Exceptions.h"

namespace {

void Drop(std::vector<TComponent*>& AList, TComponent* AItem) {
  AList.erase(std::remove(AList.begin(), AList.end(), AItem), AList.end());
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Tell everyone who keeps a reference that it is about to dangle.
  while (!FFreeNotifies.empty()) {
    TComponent* Other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Drop(Other->FFreeNotifies, this);
    Other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int AIndex) const {
  if (AIndex < 0 || AIndex >= ComponentCount())
    throw EListError(Format("List index out of bounds (%d)", AIndex));
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
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
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
  Drop(FComponents, AComponent);
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
  if (!AComponent) return;
  Drop(FFreeNotifies, AComponent);
  Drop(AComponent->FFreeNotifies, this);
}

void TComponent::BeginLoading() {
  FComponentState.Include(csLoading);
  for (TComponent* C : FComponents) C->BeginLoading();
}

void TComponent::EndLoading() {
  // Loaded may make further components; walk a copy so that they are left alone.
  const std::vector<TComponent*> Owned = FComponents;
  for (TComponent* C : Owned)
    if (C->FComponentState.Contains(csLoading)) C->EndLoading();
  Loaded();
}

void TComponent::SetDesigning(bool ADesigning) {
  SetComponentState(csDesigning, ADesigning);
  for (TComponent* C : FComponents) C->SetDesigning(ADesigning);
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation AOperation) {
  if (!AComponent) return;
  if (AOperation == opRemove) RemoveFreeNotification(AComponent);
  // Walked from the end, as components may leave the list while they hear the notice.
  for (size_t I = FComponents.size(); I-- > 0;)
    if (I < FComponents.size() && FComponents[I] != AComponent)
      FComponents[I]->Notification(AComponent, AOperation);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* C : FComponents) C->Destroying();
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* Last = FComponents.back();
    Remove(Last);
    delete Last;
  }
}

void TComponent::SetComponentState(TComponentStateItem AItem, bool AOn) {
  if (AOn)
    FComponentState.Include(AItem);
  else
    FComponentState.Exclude(AItem);
}
