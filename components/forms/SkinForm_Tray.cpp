// TspSkinForm's tray icon: the form to the tray and back.

#include "components/forms/SkinForm.h"
#include "components/forms/spTrayIcon.h"
#include "platform/ui/Application.h"

// Holds the form's tray icon and lets go of it when the icon is freed; when the form
// goes first, the icon keeps no double-click handler that would reach it.
class TspSkinForm::TTrayIconLink : public TComponent {
 public:
  TTrayIconLink() : TComponent(nullptr) {}
  ~TTrayIconLink() override { SetIcon(nullptr); }
  TTrayIconLink(const TTrayIconLink&) = delete;
  TTrayIconLink& operator=(const TTrayIconLink&) = delete;

  TspTrayIcon* Icon() const { return FIcon; }
  void SetIcon(TspTrayIcon* AValue) {
    if (FIcon && FIcon->OnDblClick.target<TRestoreOnDblClick>()) FIcon->OnDblClick = nullptr;
    ReplaceNotified(FIcon, AValue);
  }

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    TComponent::Notification(AComponent, AOperation);
    if (AOperation == opRemove && AComponent == FIcon) FIcon = nullptr;
  }

 private:
  TspTrayIcon* FIcon = nullptr;
};

// The tray icon's OnDblClick that the form gives it. A type of its own, so the link
// can tell it from a handler of the application.
struct TspSkinForm::TRestoreOnDblClick {
  TspSkinForm* Form;
  void operator()(TObject*) const { Form->RestoreFromTray(); }
};

TspTrayIcon* TspSkinForm::TrayIcon() const { return FTrayIconLink ? FTrayIconLink->Icon() : nullptr; }

void TspSkinForm::SetTrayIcon(TspTrayIcon* AValue) {
  if (!FTrayIconLink) FTrayIconLink = std::make_shared<TTrayIconLink>();
  FTrayIconLink->SetIcon(AValue);
  if (!AValue) return;
  if (!AlwaysShowInTray) AValue->SetIconVisible(false);
  if (!ComponentState().Contains(csDesigning) && !AValue->PopupMenu() && !AValue->OnDblClick)
    AValue->OnDblClick = TRestoreOnDblClick{this};
}

void TspSkinForm::MinimizeToTray() {
  TspTrayIcon* Icon = TrayIcon();
  if (!Icon) return;
  Icon->MinimizeToTray = true;
  Application->Minimize();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TspSkinForm::RestoreFromTray() {
  TspTrayIcon* Icon = TrayIcon();
  if (!Icon) return;
  Icon->MinimizeToTray = false;
  Icon->ShowMainForm();
  Application->Restore();
  if (!AlwaysShowInTray) Icon->SetIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray(this);
}
