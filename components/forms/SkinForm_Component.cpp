// TspSkinForm's life: taking over the form's window procedure and giving it back,
// binding the skin, the properties, FindSkinForm and the small shared predicates.

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinHint.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"

// The form's OnShortCut while a component is on it: the component's FormShortCut, which
// runs the component's OnShortCut (where the form's own handler went) first. A functor
// of its own type, so the component can tell its hook from any other; inert once the
// component is gone.
struct TspSkinForm::TShortCutHook {
  TspSkinForm* Owner;
  TLiveToken Alive;
  void operator()(TWMKey& AMsg, bool& AHandled) const {
    if (Alive) Owner->FormShortCut(AMsg, AHandled);
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
      FBorderLayer(std::make_unique<TspFormLayerBorder>(this)) {
  FForm->SetBorderIcons({});
  OnShortCut = std::move(FForm->OnShortCut);
  FForm->OnShortCut = TShortCutHook{this, FLive.Token()};
  FForm->SetAutoSize(false);
  FForm->AutoScroll = false;
  FMenus->CreateTrayMenu();

  if (!ComponentState().Contains(csDesigning)) {
    FFormHook.Install(FForm->WindowProc, [this](TMessage& AMessage) { FormWindowProc(AMessage); });
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
  FBorderLayer.reset();
}

void TspSkinForm::RemoveHooks() {
  // Each hook still on top is taken off; one that another hook covers stays in that
  // chain and turns inert.
  FFormHook.Remove();
  const auto* ShortCutHook = FForm->OnShortCut.target<TShortCutHook>();
  if (ShortCutHook != nullptr && ShortCutHook->Alive && ShortCutHook->Owner == this)
    FForm->OnShortCut = std::move(OnShortCut);
  FLive.End();
}

bool TspSkinForm::CallOldWindowProc(TMessage& AMessage) { return FFormHook.Forward(AMessage); }

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
  if (AOperation == opRemove) Menus().ForgetMainMenuPart(AComponent);
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

bool TspSkinForm::FramePaintApplies() const {
  return !ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}

void TspSkinForm::SetShowIcon(bool AValue) {
  FShowIcon = AValue;
  if (FramePaintApplies()) UpDateFormNC();
}

void TspSkinForm::SetDefCaptionFont(const TFont& AValue) {
  DefCaptionFont->Assign(AValue);
  if (FramePaintApplies() && !FSkinSupport) UpDateFormNC();
}

void TspSkinForm::SetDefInActiveCaptionFont(const TFont& AValue) {
  DefInActiveCaptionFont->Assign(AValue);
  if (FramePaintApplies() && !FSkinSupport) UpDateFormNC();
}

int TspSkinForm::DefaultCaptionHeight() const {
  return SkinFormIsToolWindowStyle(FForm->BorderStyle()) ? 15 : 19;
}

int TspSkinForm::DefaultButtonSize() const {
  return SkinFormIsToolWindowStyle(FForm->BorderStyle()) ? 13 : 17;
}

void TspSkinForm::ResetObjectStates() {
  for (const auto& Object : ObjectList) {
    // A caption follows the activation by itself.
    if (dynamic_cast<TspSkinCaptionObject*>(Object.get())) continue;
    Object->FMouseIn = false;
    Object->Active = false;
    if (auto* Animation = dynamic_cast<TspSkinAnimateObject*>(Object.get()))
      Animation->Rewind();
    else
      Object->SetMorphKf(0);
  }
}

void TspSkinForm::UpDateFormNC() {
  if (WearsFullLayeredBorder()) return FBorderLayer->UpdateBorder();
  if (FForm->HandleAllocated()) SendMessage(FForm->Handle(), WM_NCPAINT, 0, 0);
}
