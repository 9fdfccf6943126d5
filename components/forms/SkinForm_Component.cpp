// TspSkinForm's life: taking over the form's window procedure and giving it back,
// binding the skin, the properties, FindSkinForm and the small shared predicates.

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinHint.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"

// The link between the hook on the form's WindowProc and this component. The hook
// owns a share of it; the component clears Owner when it goes while its hook cannot
// be taken off (another hook was put on top), and from then on the hook forwards every
// message straight to the procedure it replaced.
struct TspSkinForm::THookLink {
  TspSkinForm* Owner = nullptr;
  TWndMethod OldWindowProc;
};

// The form's WindowProc while a component is on it. A functor of its own type, so the
// component can tell its hook from any other by identity.
struct TspSkinForm::TWindowHook {
  std::shared_ptr<THookLink> Link;
  void operator()(TMessage& AMessage) const;
};

// The form's OnShortCut while a component is on it: the component's FormShortCut, which
// runs the component's OnShortCut (where the form's own handler went) first. Inert once
// the component is gone.
struct TspSkinForm::TShortCutHook {
  std::shared_ptr<THookLink> Link;
  void operator()(TWMKey& AMsg, bool& AHandled) const {
    if (Link->Owner != nullptr) Link->Owner->FormShortCut(AMsg, AHandled);
  }
};

namespace {

TCustomForm* SkinFormOwnerAsForm(TComponent* AOwner) {
  auto* Form = dynamic_cast<TCustomForm*>(AOwner);
  if (Form == nullptr) throw EInvalidCast("Invalid class typecast");
  return Form;
}

bool SkinFormIsToolWindowStyle(TFormBorderStyle AStyle) {
  return AStyle == bsToolWindow || AStyle == bsSizeToolWin;
}

}  // namespace

TspSkinForm* FindSkinForm(TCustomForm* AForm) {
  if (AForm == nullptr) return nullptr;
  for (int I = 0; I < AForm->ComponentCount(); ++I)
    if (auto* SkinForm = dynamic_cast<TspSkinForm*>(AForm->Components(I))) return SkinForm;
  return nullptr;
}

TspSkinForm::TspSkinForm(TComponent* AOwner)
    : TComponent(AOwner),
      FGeometry(std::make_unique<TspSkinFormGeometry>(*this)),
      FObjects(std::make_unique<TspSkinFormObjects>(*this)),
      FCaption(std::make_unique<TspSkinFormCaption>(*this)),
      FStates(std::make_unique<TspSkinFormStates>(*this)),
      FMenus(std::make_unique<TspSkinFormMenus>(*this)),
      FMdi(std::make_unique<TspSkinFormMdi>(*this)),
      ObjectList(FObjects->ObjectList),
      FForm(SkinFormOwnerAsForm(AOwner)),
      FHook(std::make_shared<THookLink>()) {
  FHook->Owner = this;
  FForm->SetBorderIcons({});
  OnShortCut = std::move(FForm->OnShortCut);
  FForm->OnShortCut = TShortCutHook{FHook};
  FForm->SetAutoSize(false);
  FForm->AutoScroll = false;
  FMenus->CreateTrayMenu();

  if (!ComponentState().Contains(csDesigning)) {
    FHook->OldWindowProc = FForm->WindowProc;
    FForm->WindowProc = TWindowHook{FHook};
    if (FForm->HandleAllocated()) FForm->RecreateWnd();
  }
}

TspSkinForm::~TspSkinForm() {
  if (FSD != nullptr) FSD->RemoveFreeNotification(this);
  if (FSkinHint != nullptr) FSkinHint->RemoveFreeNotification(this);
  ClearAreaLinks();
  Mdi().UnsubclassMDIClient();
  RemoveHooks();
  // The layered border's hook reaches into this component: it goes while all of it
  // still exists, its hook now on top and taken off cleanly.
  delete FBorderLayer;
}

void TspSkinForm::RemoveHooks() {
  // Each hook still on top is taken off; one that another hook covers stays in that
  // chain and turns inert (the window hook forwards to the procedure it replaced).
  const auto* WindowHook = FForm->WindowProc.target<TWindowHook>();
  if (WindowHook != nullptr && WindowHook->Link == FHook) FForm->WindowProc = std::move(FHook->OldWindowProc);
  const auto* ShortCutHook = FForm->OnShortCut.target<TShortCutHook>();
  if (ShortCutHook != nullptr && ShortCutHook->Link == FHook) FForm->OnShortCut = std::move(OnShortCut);
  FHook->Owner = nullptr;
}

void TspSkinForm::TWindowHook::operator()(TMessage& AMessage) const {
  // Keeps the link alive while the message runs, even if the component goes in it.
  const std::shared_ptr<THookLink> Hook = Link;
  if (Hook->Owner != nullptr)
    Hook->Owner->FormWindowProc(AMessage);
  else
    Hook->OldWindowProc(AMessage);
}

void TspSkinForm::CallOldWindowProc(TMessage& AMessage) {
  // A copy: the form's own procedure may free this component (and the link with it).
  const TWndMethod OldProc = FHook->OldWindowProc;
  OldProc(AMessage);
}

void TspSkinForm::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSD) {
    FSD = nullptr;
    FSkinSupport = false;
    // The objects point into the skin's pictures.
    ClearObjects();
  }
  if (AOperation == opRemove && AComponent == FSkinHint) FSkinHint = nullptr;
  if (AOperation == opRemove) DropAreaLinksOf(AComponent);
  if (AOperation == opRemove && AComponent == FMSD) FMSD = nullptr;
  if (AOperation == opRemove && AComponent == FStatusBar) FStatusBar = nullptr;
  if (AOperation == opRemove && AComponent == FSystemMenu) FSystemMenu = nullptr;
  if (AOperation == opRemove && AComponent == FInActivePanel) FInActivePanel = nullptr;
  if (AOperation == opRemove) Objects().UnlinkMenu(AComponent);
  if (AOperation == opRemove) FCaption->ForgetComponent(AComponent);
}

void TspSkinForm::SetSkinData(TspSkinData* AValue) {
  ReplaceNotified(FSD, AValue);
  FMenus->TrayMenu()->SetSkinData(AValue);
  if (FSD != nullptr && FForm->FormStyle() != fsMDIChild) FSkinnableForm = FSD->SkinnableForm();
  if (!ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TspSkinForm::SetBorderIcons(TspBorderIcons AValue) {
  FBorderIcons = AValue;
  if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) return;
  if (FSupportNCArea || FSkinSupport) {
    ApplyBorderIcons();
    UpDateFormNC();
  } else if (HideCaptionButtons) {
    ApplyBorderIcons();
  }
}

int TspSkinForm::DefaultCaptionHeight() const {
  return SkinFormIsToolWindowStyle(FForm->BorderStyle()) ? 15 : 19;
}

int TspSkinForm::DefaultButtonSize() const {
  return SkinFormIsToolWindowStyle(FForm->BorderStyle()) ? 13 : 17;
}

void TspSkinForm::ResetObjectStates() {
  for (const auto& Object : ObjectList) {
    Object->FMouseIn = false;
    Object->Active = false;
  }
}

void TspSkinForm::UpDateFormNC() {
  if (WearsFullLayeredBorder()) return FBorderLayer->UpdateBorder();
  if (FForm->HandleAllocated()) SendMessage(FForm->Handle(), WM_NCPAINT, 0, 0);
}
