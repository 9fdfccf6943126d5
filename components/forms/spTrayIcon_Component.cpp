// TspTrayIcon's life: the hidden icon window and the timers, the hooks on the
// application window and the owner's window, and the main form to the tray and back.

#include "components/forms/spTrayIcon.h"
#include "platform/ui/Application.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/WindowMethods.h"
#include "platform/win/Focus.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

TspTrayIcon::TspTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  FTaskbarCreated = RegisterWindowMessage("TaskbarCreated");
  FIconData.hWnd = AllocateHWnd([this](TMessage& AMessage) { IconWindowProc(AMessage); });
  FIconData.uID = 1;
  FIconData.uFlags = IconDataFlags;
  FIconData.uCallbackMessage = SP_TRAYICONCALLBACK;
  FWindowHandle = reinterpret_cast<HWND>(GetWindowLong(FIconData.hWnd, GWL_HWNDPARENT));
  AnimateTimer = NewDisabledTimer(this, FAnimateTimerInterval, [this] { AnimateTimerTick(); });
  ClickTimer = NewDisabledTimer(this, GetDoubleClickTime(), [this] { ClickTimerTick(); });
  BalloonTimer = NewDisabledTimer(this, TrayBalloonTimeoutMs, [this] { HideBalloonHint(); });
  if (ComponentState().Contains(csDesigning)) return;
  if (FIcon.Empty() && UseApplicationIcon()) FIcon.Assign(Application->Icon());
  HookApplicationWindow();
  if (TWinControl* Owner = OwnerControl())
    HookWindow(FOwnerHook, Owner->Handle(), &TspTrayIcon::OwnerWindowProc);
}

TspTrayIcon::~TspTrayIcon() {
  SetIconVisible(false);
  SetDesignPreview(false);
  DeallocateHWnd(FIconData.hWnd);
  // The owner's hook goes first: when the owner is the main form both hooks sit on
  // one window, and taking them off in the reverse order of putting them on leaves
  // its procedure as it was.
  FOwnerHook.Remove();
  FApplicationHook.Remove();
}

TWinControl* TspTrayIcon::OwnerControl() const { return dynamic_cast<TWinControl*>(Owner()); }

void TspTrayIcon::HookWindow(TWindowHook& AHook, HWND AWindow, TObserver AObserver) {
  AHook.Install(AWindow, [this, &AHook, AWindow, AObserver](TMessage& AMessage) {
    // What the observer does may free the component (and the hook with it).
    const TLiveToken Alive = FLive.Token();
    (this->*AObserver)(AWindow, AMessage.Msg, AMessage.WParam, AMessage.LParam);
    if (Alive) (void)AHook.Forward(AMessage);
  });
}

// The application window is the main form's: hooked as soon as there is one.
void TspTrayIcon::HookApplicationWindow() {
  if (FApplicationHook.Installed() || ComponentState().Contains(csDesigning) || !Application) return;
  if (HWND Window = Application->Handle())
    HookWindow(FApplicationHook, Window, &TspTrayIcon::ApplicationWindowProc);
}

void TspTrayIcon::Loaded() {
  TComponent::Loaded();
  HookApplicationWindow();
  if (OwnerControl() && MinimizedOnStart && !ComponentState().Contains(csDesigning)) {
    FIconVisible = true;
    MinimizeToTray = true;
    Application->ShowMainForm = false;
    if (HWND Window = Application->Handle()) ShowWindow(Window, SW_HIDE);
  }
  ModifyIcon();
  SetIconVisible(FIconVisible);
}

void TspTrayIcon::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FIconList) FIconList = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TspTrayIcon::SetPopupMenu(TPopupMenu* AValue) { ReplaceNotified(FPopupMenu, AValue); }

void TspTrayIcon::ApplicationWindowProc(HWND, UINT AMessage, WPARAM AWParam, LPARAM) {
  if (AMessage == WM_SIZE && AWParam == SIZE_MINIMIZED && MinimizeToTray) {
    DoMinimizeToTray();
  } else if (AMessage == WM_WINDOWPOSCHANGED && SettingMDIForm && Application->MainForm()) {
    if (Application->MainForm()->FormStyle() == fsMDIForm && MinimizedOnStart)
      ShowWindow(Application->Handle(), SW_HIDE);
    SettingMDIForm = false;
  } else if (AMessage == FTaskbarCreated && FIconVisible) {
    ShowIcon();
  }
}

void TspTrayIcon::OwnerWindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_ACTIVATE && (LOWORD(AWParam) == WA_ACTIVE || LOWORD(AWParam) == WA_CLICKACTIVE) &&
      Screen->ActiveControl()) {
    TWinControl* Active = Screen->ActiveControl();
    HWND Window = Active->Parent() ? Active->Parent()->Handle() : Active->Handle();
    if (Window != reinterpret_cast<HWND>(ALParam)) SetFocus(Active->Handle());
  } else if (AMessage == WM_SHOWWINDOW && AWParam == 1 && ALParam == 0) {
    if (HWND AppWindow = Application->Handle()) {
      ShowWindow(AppWindow, SW_RESTORE);
      SetForegroundWindow(AppWindow);
    }
    SetForegroundWindow(AWindow);
  }
}

void TspTrayIcon::DoMinimizeToTray() {
  HideMainForm();
  SetIconVisible(true);
}

void TspTrayIcon::HideMainForm() {
  TCustomForm* Main = Application->MainForm();
  if (!OwnerControl() || !Main) return;
  Main->SetVisible(false);
  if (HWND Window = Application->Handle()) ShowWindow(Window, SW_HIDE);
}

void TspTrayIcon::ShowMainForm() {
  TCustomForm* Main = Application->MainForm();
  if (!OwnerControl() || !Main) return;
  Main->Tag = TrayRestoreTag;
  if (HWND Window = Application->Handle()) ShowWindow(Window, SW_RESTORE);
  Main->SetVisible(true);
  if (Main->WindowState() == wsMinimized) Main->SetWindowState(wsNormal);
  PostMessage(Main->Handle(), SP_TRAYRESTOREFORM, 0, 0);
}
