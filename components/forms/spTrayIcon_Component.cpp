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

// A procedure put in front of a window's own: it shows each message to the component,
// then passes it on to the procedure it replaced. Taken off by identity: when another
// procedure has been put on top since, this one stays in the chain and from then on
// passes every message straight on.
struct TspTrayIcon::TWindowHook {
  using THandler = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
  struct TLink {
    THandler Handler;
    WNDPROC Replaced = nullptr;
  };

  TWindowHook(HWND AWindow, THandler AHandler) : Window(AWindow), Link(std::make_shared<TLink>()) {
    Link->Handler = std::move(AHandler);
    Link->Replaced = reinterpret_cast<WNDPROC>(GetWindowLong(AWindow, GWL_WNDPROC));
    Procedure = MakeProcInstance([Link = Link](HWND W, UINT M, WPARAM WP, LPARAM LP) {
      const std::shared_ptr<TLink> Hold = Link;
      if (Hold->Handler) Hold->Handler(W, M, WP, LP);
      return CallWindowProc(Hold->Replaced, W, M, WP, LP);
    });
    SetWindowLong(AWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  }

  ~TWindowHook() {
    Link->Handler = nullptr;
    if (!IsWindow(Window)) {
      FreeProcInstance(Procedure);
    } else if (reinterpret_cast<WNDPROC>(GetWindowLong(Window, GWL_WNDPROC)) == Procedure) {
      SetWindowLong(Window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Link->Replaced));
      FreeProcInstance(Procedure);
    }
  }

  TWindowHook(const TWindowHook&) = delete;
  TWindowHook& operator=(const TWindowHook&) = delete;

  HWND Window;
  std::shared_ptr<TLink> Link;
  WNDPROC Procedure = nullptr;
};

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
  if (TWinControl* Owner = OwnerControl()) {
    FOwnerHook = std::make_unique<TWindowHook>(
        Owner->Handle(), [this](HWND W, UINT M, WPARAM WP, LPARAM LP) { OwnerWindowProc(W, M, WP, LP); });
  }
}

TspTrayIcon::~TspTrayIcon() {
  SetIconVisible(false);
  SetDesignPreview(false);
  DeallocateHWnd(FIconData.hWnd);
  // The owner's hook goes first: when the owner is the main form both hooks sit on
  // one window, and taking them off in the reverse order of putting them on leaves
  // its procedure as it was.
  FOwnerHook.reset();
  FApplicationHook.reset();
}

TWinControl* TspTrayIcon::OwnerControl() const { return dynamic_cast<TWinControl*>(Owner()); }

// The application window is the main form's: hooked as soon as there is one.
void TspTrayIcon::HookApplicationWindow() {
  if (FApplicationHook || ComponentState().Contains(csDesigning) || !Application) return;
  if (HWND Window = Application->Handle()) {
    FApplicationHook = std::make_unique<TWindowHook>(
        Window, [this](HWND W, UINT M, WPARAM WP, LPARAM LP) { ApplicationWindowProc(W, M, WP, LP); });
  }
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
  Main->Tag = -10000;
  if (HWND Window = Application->Handle()) ShowWindow(Window, SW_RESTORE);
  Main->SetVisible(true);
  if (Main->WindowState() == wsMinimized) Main->SetWindowState(wsNormal);
  PostMessage(Main->Handle(), SP_TRAYRESTOREFORM, 0, 0);
}
