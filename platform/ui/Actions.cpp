#include "platform/ui/Actions.h"

#include <algorithm>

#include "platform/base/Exceptions.h"

// ---------------------------------------------------------------- TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  while (!FClients.empty()) FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::Change() {
  // A client may unlink itself while it hears of the change.
  const std::vector<TBasicActionLink*> Clients = FClients;
  for (TBasicActionLink* Link : Clients)
    if (std::find(FClients.begin(), FClients.end(), Link) != FClients.end() && Link->FOnChange)
      Link->FOnChange(this);
}

// ---------------------------------------------------------------- TBasicActionLink

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* AValue) {
  if (FAction == AValue) return;
  if (FAction) {
    auto& Clients = FAction->FClients;
    Clients.erase(std::remove(Clients.begin(), Clients.end(), this), Clients.end());
  }
  FAction = AValue;
  if (FAction) FAction->FClients.push_back(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (!FAction) return false;
  FAction->ActionComponent = AComponent;
  const bool Result = FAction->Execute();
  if (FAction) FAction->ActionComponent = nullptr;
  return Result;
}

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

// ---------------------------------------------------------------- TCustomAction

TCustomAction::TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}

TCustomAction::~TCustomAction() { SetActionList(nullptr); }

void TCustomAction::SetCaption(const String& AValue) {
  if (FCaption == AValue) return;
  FCaption = AValue;
  Change();
}

void TCustomAction::SetChecked(bool AValue) {
  if (FChecked == AValue) return;
  FChecked = AValue;
  Change();
}

void TCustomAction::SetEnabled(bool AValue) {
  if (FEnabled == AValue) return;
  FEnabled = AValue;
  Change();
}

void TCustomAction::SetVisible(bool AValue) {
  if (FVisible == AValue) return;
  FVisible = AValue;
  Change();
}

void TCustomAction::SetHint(const String& AValue) {
  if (FHint == AValue) return;
  FHint = AValue;
  Change();
}

void TCustomAction::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  Change();
}

void TCustomAction::SetActionList(TActionList* AValue) {
  if (FActionList == AValue) return;
  if (FActionList) {
    auto& Actions = FActionList->FActions;
    Actions.erase(std::remove(Actions.begin(), Actions.end(), this), Actions.end());
  }
  FActionList = AValue;
  if (FActionList) FActionList->FActions.push_back(this);
}

bool TCustomAction::Execute() {
  Update();
  return FEnabled && TBasicAction::Execute();
}

// ---------------------------------------------------------------- TActionList

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) {}

TActionList::~TActionList() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

TCustomAction* TActionList::Actions(int AIndex) const {
  if (AIndex < 0 || AIndex >= ActionCount())
    throw EListError(Format("List index out of bounds (%d)", AIndex));
  return FActions[AIndex];
}

void TActionList::SetImagesComponent(TCustomImageList* AImages, TComponent* AAsComponent) {
  if (FImages == AImages) return;
  if (FImagesComponent) FImagesComponent->RemoveFreeNotification(this);
  FImages = AImages;
  FImagesComponent = AAsComponent;
  if (AAsComponent) AAsComponent->FreeNotification(this);
}

void TActionList::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FImagesComponent) {
    FImages = nullptr;
    FImagesComponent = nullptr;
  }
}

void SetClientAction(TComponent& AClient, std::unique_ptr<TBasicActionLink>& ALink, TBasicAction* AValue,
                     const std::function<void(TBasicAction*, bool)>& AActionChange) {
  TBasicAction* Current = ALink ? ALink->Action() : nullptr;
  if (Current == AValue) return;
  if (Current) Current->RemoveFreeNotification(&AClient);
  if (!AValue) {
    ALink.reset();
    return;
  }
  if (!ALink)
    ALink = std::make_unique<TBasicActionLink>([AActionChange](TBasicAction* A) { AActionChange(A, false); });
  ALink->SetAction(AValue);
  AActionChange(AValue, AValue->ComponentState().Contains(csLoading));
  AValue->FreeNotification(&AClient);
}
