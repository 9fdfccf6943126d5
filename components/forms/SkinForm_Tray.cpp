// TspSkinForm's tray icon: the form to the tray and back, and the tray menu an icon
// without a menu of its own gets.

#include "components/forms/SkinForm.h"
#include "components/forms/spTrayIcon.h"
#include "platform/ui/Application.h"
#include "platform/win/Focus.h"

// Holds the form's tray icon and lets go of it when the icon is freed; when the form
// goes first or takes another icon, the icon keeps neither the form's menu nor a
// double-click handler that would reach it.
class TspSkinFormMenus::TTrayIconLink : public TComponent {
 public:
  explicit TTrayIconLink(TPopupMenu* ATrayMenu) : TComponent(nullptr), FTrayMenu(ATrayMenu) {}
  ~TTrayIconLink() override { SetIcon(nullptr); }
  TTrayIconLink(const TTrayIconLink&) = delete;
  TTrayIconLink& operator=(const TTrayIconLink&) = delete;

  TspTrayIcon* Icon() const { return FIcon; }
  void SetIcon(TspTrayIcon* AValue) {
    if (FIcon && FIcon->OnDblClick.target<TRestoreOnDblClick>()) FIcon->OnDblClick = nullptr;
    if (FIcon && FIcon->PopupMenu() == FTrayMenu) FIcon->SetPopupMenu(nullptr);
    ReplaceNotified(FIcon, AValue);
  }

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override {
    TComponent::Notification(AComponent, AOperation);
    if (AOperation == opRemove && AComponent == FIcon) FIcon = nullptr;
  }

 private:
  TPopupMenu* FTrayMenu;
  TspTrayIcon* FIcon = nullptr;
};

// The tray icon's OnDblClick that the form gives it. A type of its own, so the link
// can tell it from a handler of the application.
struct TspSkinFormMenus::TRestoreOnDblClick {
  TspSkinForm* Form;
  void operator()(TObject*) const { Form->RestoreFromTray(); }
};

TspTrayIcon* TspSkinFormMenus::TrayIcon() const { return FTrayIconLink ? FTrayIconLink->Icon() : nullptr; }

void TspSkinFormMenus::SetTrayIcon(TspTrayIcon* AValue) {
  if (!FTrayIconLink) FTrayIconLink = std::make_shared<TTrayIconLink>(FSysTrayMenu);
  FTrayIconLink->SetIcon(AValue);
  if (!AValue) return;
  if (!SkinForm.AlwaysShowInTray) AValue->SetIconVisible(false);
  // An icon that comes with a menu of its own keeps it and gets no double-click handler.
  if (SkinForm.ComponentState().Contains(csDesigning) || AValue->PopupMenu()) return;
  AValue->SetPopupMenu(FSysTrayMenu);
  if (!AValue->OnDblClick) AValue->OnDblClick = TRestoreOnDblClick{&SkinForm};
}

void TspSkinFormMenus::CreateTrayMenu() {
  FSysTrayMenu = new TspSkinPopupMenu(&SkinForm);
  FSysTrayMenu->FComponentForm = SkinForm.FForm;
  FillTrayMenu();
}

// Restore, a separator and close, with the captions of the skin bound at this moment
// (or the built-in ones); close carries the system menu's shortcut.
void TspSkinFormMenus::FillTrayMenu() {
  TMenuItem* Restore = NewStandardSystemItem("DSF_RESTORE");
  Restore->SetName("TRAY_DSF_RESTORE");
  Restore->OnClick = [this](TObject*) { RestoreFromTray(); };
  auto* Separator = new TMenuItem(&SkinForm);
  Separator->SetCaption(cLineCaption);
  TMenuItem* Close = NewStandardSystemItem("DSF_CLOSE");
  Close->SetName("TRAY_DSF_CLOSE");
  for (TMenuItem* Item : {Restore, Separator, Close}) FSysTrayMenu->Items()->Add(Item);
}

void TspSkinFormMenus::MinimizeToTray() {
  TspTrayIcon* Icon = TrayIcon();
  if (!Icon) return;
  Icon->MinimizeToTray = true;
  Application->Minimize();
  if (SkinForm.OnMinimizeToTray) SkinForm.OnMinimizeToTray(&SkinForm);
}

void TspSkinFormMenus::RestoreFromTray() {
  TspTrayIcon* Icon = TrayIcon();
  if (!Icon) return;
  Icon->MinimizeToTray = false;
  // The icon marks the main form as coming back from the tray; its component gives the
  // form its own Tag back once the form has come back.
  TCustomForm* Main = Application->MainForm();
  TspSkinForm* MainSkinForm = Main ? FindSkinForm(Main) : nullptr;
  if (MainSkinForm && Main->Tag != TrayRestoreTag) MainSkinForm->Menus().FTagBeforeTrayRestore = Main->Tag;
  Icon->ShowMainForm();
  Application->Restore();
  if (!SkinForm.AlwaysShowInTray) Icon->SetIconVisible(false);
  const TLiveToken Alive = SkinForm.FLive.Token();
  if (SkinForm.OnRestoreFromTray) SkinForm.OnRestoreFromTray(&SkinForm);
  if (Alive) SkinForm.CheckAppLayeredBorders();
}

long long TspSkinFormMenus::TakeTagBeforeTrayRestore() {
  const long long Tag = FTagBeforeTrayRestore.value_or(0);
  FTagBeforeTrayRestore.reset();
  return Tag;
}

void TspSkinForm::SPTrayRestoreForm(TMessage&) {
  if (FForm->Tag != TrayRestoreTag) return;
  if (UseLayeredBorder()) {
    if (TCustomForm* Main = Application->MainForm(); Main && Main->HandleAllocated())
      SetForegroundWindow(Main->Handle());
    BringStayOnTopForms();
  }
  FForm->Tag = Menus().TakeTagBeforeTrayRestore();
}
