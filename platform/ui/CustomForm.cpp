// TCustomForm: life, the frame and placement properties, the window and the routing of
// its messages.

#include "platform/ui/CustomForm.h"

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/win/Mdi.h"
#include "platform/win/WindowPos.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
  FVisible = false;
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  Screen->AddForm(this);
}

// The components go while the form is whole, as they reach back into it (focus,
// menus); the form leaves the screen's lists before the controls' teardown, which the
// form no longer follows. A window procedure that replaced the form's may belong to
// one of those components: the messages of the teardown go to the form's own.
TCustomForm::~TCustomForm() {
  WindowProc = [this](TMessage& AMessage) { WndProc(AMessage); };
  if (!FDestroyRaised) {
    FDestroyRaised = true;
    try {
      if (OnDestroy) OnDestroy(this);
    } catch (...) {
      Application->HandleException(this);
    }
  }
  if (FReleaseHook) RemoveMessageHook(FReleaseHook);
  Destroying();
  DestroyComponents();
  Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  if (FCreated) return;
  FCreated = true;
  DoCreate();
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

// ---------------------------------------------------------------- frame and placement

void TCustomForm::SetBorderStyle(TFormBorderStyle AValue) {
  if (FBorderStyle == AValue) return;
  FBorderStyle = AValue;
  if (!FParent) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons AValue) {
  if (FBorderIcons == AValue) return;
  FBorderIcons = AValue;
  if (!FParent) RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle AValue) {
  if (FFormStyle == AValue) return;
  const TFormStyle Old = FFormStyle;
  const HWND Client = AValue == fsMDIChild && Application->MainForm() != this ? MainFormClient() : nullptr;
  FFormStyle = AValue;
  // A document window lives in the main form's client; it goes back to the desktop
  // when it stops being one.
  if (AValue == fsMDIChild || Old == fsMDIChild) return SetParentWindow(Client);
  if (FParent) return;
  if (AValue == fsMDIForm || Old == fsMDIForm) return RecreateWnd();
  if (HandleAllocated() && (Old == fsStayOnTop) != (AValue == fsStayOnTop))
    SetWindowPos(Handle(), AValue == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND TCustomForm::MainFormClient() {
  TCustomForm* Main = Application->MainForm();
  if (!Main || Main->FormStyle() != fsMDIForm) return nullptr;
  Main->HandleNeeded();
  return Main->ClientHandle();
}

void TCustomForm::SetMenu(TMainMenu* AValue) {
  if (FMenu == AValue) return;
  if (FMenu) FMenu->RemoveFreeNotification(this);
  FMenu = AValue;
  if (FMenu) FMenu->FreeNotification(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation AOperation) {
  TCustomControl::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FMenu) FMenu = nullptr;
  if (AComponent == FWindowMenu) FWindowMenu = nullptr;
}

// ---------------------------------------------------------------- the window

// A top-level window owned by the main form, so that it stays above it, or a document
// window in the main form's MDI client; the border style and icons decide the frame.
void TCustomForm::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  if (FParent) return;
  const bool MDIChild = IsMDIDocument();
  AParams.Style &= ~(WS_CHILD | WS_TABSTOP);
  AParams.WindowClass.style = CS_DBLCLKS;
  if (MDIChild) {
    AParams.Style |= WS_CHILD;
    AParams.ExStyle |= WS_EX_MDICHILD;
    AParams.WindowClass.lpfnWndProc = &DefMDIChildProc;
  } else {
    TCustomForm* Main = Application->MainForm();
    AParams.WndParent = Main && Main != this && Main->HandleAllocated() ? Main->Handle() : nullptr;
  }
  switch (FBorderStyle) {
    case bsNone:
      if (!MDIChild) AParams.Style |= WS_POPUP;
      break;
    case bsSingle:
      AParams.Style |= WS_CAPTION;
      break;
    case bsSizeable:
      AParams.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      if (!MDIChild) AParams.Style |= WS_POPUP;
      AParams.Style |= WS_CAPTION;
      AParams.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      AParams.Style |= WS_CAPTION;
      AParams.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      AParams.Style |= WS_CAPTION | WS_THICKFRAME;
      AParams.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  // Dialogs and tool windows have no minimize and maximize icons; the help icon
  // shows only where those are absent.
  const bool PlainFrame = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    AParams.Style |= WS_SYSMENU;
    if (PlainFrame && FBorderIcons.Contains(biMinimize)) AParams.Style |= WS_MINIMIZEBOX;
    if (PlainFrame && FBorderIcons.Contains(biMaximize)) AParams.Style |= WS_MAXIMIZEBOX;
    if (FBorderIcons.Contains(biHelp) && !(AParams.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      AParams.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop) AParams.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ACTIVATE: WMActivate(AMessage); break;
    case WM_ACTIVATEAPP: WMActivateApp(AMessage); break;
    case WM_CLOSE: WMClose(AMessage); break;
    case WM_SIZE: WMSize(AMessage); break;
    case CM_SHOWINGCHANGED: CMShowingChanged(AMessage); break;
    case CM_DIALOGKEY: CMDialogKey(AMessage); break;
    case WM_MDIACTIVATE: WMMDIActivate(AMessage); break;
    default: TCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// The close box, Alt+F4 and SC_CLOSE come here: the form decides (Close), instead of
// the window being destroyed.
void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMActivateApp(TMessage& AMessage) {
  Application->ActivateChanged(AMessage.WParam != 0);
  DefaultHandler(AMessage);
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

TCustomForm* GetParentForm(TControl* AControl) {
  if (!AControl) return nullptr;
  while (AControl->Parent()) AControl = AControl->Parent();
  return dynamic_cast<TCustomForm*>(AControl);
}
