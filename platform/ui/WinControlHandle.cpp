// TWinControl's window: creation on demand, the window procedure that leads every
// message to the control, destruction and re-creation, and the default handling of
// what the control does not handle.

#include <unordered_map>

#include "platform/base/Exceptions.h"
#include "platform/base/ScopeExit.h"
#include "platform/ui/WinControl.h"
#include "platform/ui/WindowMethods.h"
#include "platform/win/Cursors.h"
#include "platform/win/Focus.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowTree.h"

namespace {

// The control whose window is being made: its window's first message binds the two.
TWinControl* CreationControl = nullptr;
// The windows of controls, for FindControl.
std::unordered_map<HWND, TWinControl*> ControlWindows;
// How deep the window procedures of controls are nested; device contexts of control
// canvases are released when the outermost one returns.
int MessageDepth = 0;

}  // namespace

TWinControl* FindControl(HWND AWindow) {
  auto It = ControlWindows.find(AWindow);
  return It == ControlWindows.end() ? nullptr : It->second;
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (FParent) FParent->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  if (FParent) SetWindowPos(FHandle, PrecedingWindow(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The client area is known only now: anchors are measured against it from here on.
  for (int I = 0; I < ControlCount(); ++I) Controls(I)->UpdateAnchorRules();
}

void TWinControl::CreateParams(TCreateParams& AParams) {
  AParams = TCreateParams{};
  AParams.Caption = FText;
  AParams.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle.Contains(csAcceptsControls)) {
    AParams.Style |= WS_CLIPCHILDREN;
    AParams.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (!ComponentState().Contains(csDesigning) && !FEnabled) AParams.Style |= WS_DISABLED;
  if (FTabStop) AParams.Style |= WS_TABSTOP;
  AParams.X = FLeft;
  AParams.Y = FTop;
  AParams.Width = FWidth;
  AParams.Height = FHeight;
  AParams.WndParent = FParent ? FParent->Handle() : FParentWindow;
  AParams.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  AParams.WindowClass.lpfnWndProc = &DefWindowProc;
  AParams.WindowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  AParams.WinClassName = ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& AParams, const char* AClassName) {
  WNDCLASS Class;
  if (!GetClassInfo(nullptr, AClassName, &Class)) return;
  const UINT Kept = AParams.WindowClass.style & (CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW);
  AParams.WindowClass = Class;
  AParams.WindowClass.style = (Class.style & ~(CS_HREDRAW | CS_VREDRAW)) | Kept;
}

// The class is registered once per class name, with InitWndProc as its procedure, so
// that every window of it reaches its control from the first message on; the class's
// own procedure (DefWindowProc, or that of a window-system class the control is based
// on) becomes the DefaultHandler's.
void TWinControl::CreateWnd() {
  TCreateParams Params;
  CreateParams(Params);
  if (!Params.WndParent && (Params.Style & WS_CHILD))
    throw EInvalidOperation(Format("Control '%s' has no parent window", Name()));
  FDefWndProc = Params.WindowClass.lpfnWndProc;
  WNDCLASS Registered;
  const bool IsRegistered = GetClassInfo(nullptr, Params.WinClassName.c_str(), &Registered);
  if (!IsRegistered || Registered.lpfnWndProc != &InitWndProc) {
    if (IsRegistered) UnregisterClass(Params.WinClassName.c_str(), nullptr);
    Params.WindowClass.lpfnWndProc = &InitWndProc;
    Params.WindowClass.lpszClassName = Params.WinClassName.c_str();
    if (!RegisterClass(&Params.WindowClass))
      throw EOSError(Format("Cannot register the window class %s", Params.WinClassName));
  }
  {
    ControlState.Include(csCreating);
    CreationControl = this;
    ScopeExit EndCreation([this] {
      CreationControl = nullptr;
      ControlState.Exclude(csCreating);
    });
    CreateWindowHandle(Params);
  }
  if (!FHandle) throw EOSError(Format("Cannot create the window of %s", Name()));
  UpdateBounds();
  Perform(WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), 1);
  if (AutoSize()) AdjustSize();
}

void TWinControl::CreateWindowHandle(const TCreateParams& AParams) {
  FHandle = CreateWindowEx(AParams.ExStyle, AParams.WinClassName.c_str(), AParams.Caption.c_str(),
                           AParams.Style, AParams.X, AParams.Y, AParams.Width, AParams.Height,
                           AParams.WndParent, nullptr, AParams.WindowClass.hInstance, AParams.Param);
}

LRESULT TWinControl::InitWndProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  TWinControl* Control = CreationControl;
  if (!Control) return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  CreationControl = nullptr;
  Control->FHandle = AWindow;
  ControlWindows[AWindow] = Control;
  SetWindowLong(AWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Control->FObjectInstance));
  return CallWindowProc(Control->FObjectInstance, AWindow, AMsg, AWParam, ALParam);
}

void TWinControl::MainWndProc(TMessage& AMessage) {
  ++MessageDepth;
  ScopeExit LeaveMessage([] {
    if (--MessageDepth == 0) FreeDeviceContexts();
  });
  WindowProc(AMessage);
}

// Messages of the window that no handler took go to the class's procedure. A context
// menu not taken goes to the parent control first; colour questions of child windows
// are reflected to the child (CN_CTLCOLOR…), which answers with its own colours.
void TWinControl::DefaultHandler(TMessage& AMessage) {
  if (!FHandle) return TControl::DefaultHandler(AMessage);
  if (AMessage.Msg == WM_CONTEXTMENU && FParent) {
    AMessage.Result = FParent->Perform(AMessage.Msg, AMessage.WParam, AMessage.LParam);
    if (AMessage.Result != 0) return;
  }
  if (AMessage.Msg >= CN_CTLCOLOREDIT && AMessage.Msg <= CN_CTLCOLORSTATIC) {
    HDC DC = reinterpret_cast<HDC>(AMessage.WParam);
    SetTextColor(DC, ColorToRGB(Font().Color()));
    SetBkColor(DC, ColorToRGB(Color()));
    AMessage.Result = reinterpret_cast<LRESULT>(FBrush.Handle());
    return;
  }
  AMessage.Result = CallWindowProc(FDefWndProc, FHandle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
}

// ---------------------------------------------------------------- destruction

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* Child : FWinControls) Child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  FText = GetWindowText(FHandle);
  DestroyWindowHandle();
}

void TWinControl::DestroyWindowHandle() {
  // Canvases that drew on the window let go of it first.
  FreeDeviceContexts();
  ControlState.Include(csDestroyingHandle);
  HWND Window = FHandle;
  DestroyWindow(Window);
  ControlState.Exclude(csDestroyingHandle);
  ControlWindows.erase(Window);
  FHandle = nullptr;
  FShowing = false;
}

// The window went (destroyed with a parent window, or by DestroyWindow from outside).
void TWinControl::WMNCDestroy(TMessage& AMessage) {
  DefaultHandler(AMessage);
  ControlWindows.erase(FHandle);
  FHandle = nullptr;
  FShowing = false;
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  const bool WasFocused = Focused();
  DestroyHandle();
  UpdateControlState();
  if (WasFocused && FHandle) ::SetFocus(FHandle);
}

// ---------------------------------------------------------------- bounds from the window

void TWinControl::UpdateBounds() {
  RECT Rect;
  GetWindowRect(FHandle, &Rect);
  if (GetWindowLong(FHandle, GWL_STYLE) & WS_CHILD) {
    if (HWND ParentWindow = GetParent(FHandle)) {
      POINT Corners[2] = {Rect.TopLeft(), Rect.BottomRight()};
      ::ScreenToClient(ParentWindow, &Corners[0]);
      ::ScreenToClient(ParentWindow, &Corners[1]);
      Rect = {Corners[0].X, Corners[0].Y, Corners[1].X, Corners[1].Y};
    }
  }
  FLeft = Rect.Left;
  FTop = Rect.Top;
  FWidth = Rect.Width();
  FHeight = Rect.Height();
  UpdateAnchorRules();
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!CheckNewSize(AWidth, AHeight)) return;
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (FHandle && !IsIconic(FHandle)) {
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
  }
  UpdateAnchorRules();
  RequestAlign();
}

TRect TWinControl::ClientRect() {
  RECT Rect;
  GetClientRect(Handle(), &Rect);
  return Rect;
}

TPoint TWinControl::ClientOrigin() {
  POINT Origin;
  ::ClientToScreen(Handle(), &Origin);
  return Origin;
}

TPoint TWinControl::AnchorParentSize() {
  if (FHandle) return ClientRect().BottomRight();
  return {FWidth, FHeight};
}

void TWinControl::WMWindowPosChanged(TMessage& AMessage) {
  if (!ControlState.Contains(csDestroyingHandle)) UpdateBounds();
  DefaultHandler(AMessage);
}

void TWinControl::WMSize(TMessage& AMessage) {
  UpdateBounds();
  DefaultHandler(AMessage);
  Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMMove(TMessage& AMessage) {
  UpdateBounds();
  DefaultHandler(AMessage);
}

// ---------------------------------------------------------------- window methods

WNDPROC MakeObjectInstance(TWndMethod AMethod) {
  return MakeProcInstance([Method = std::move(AMethod)](HWND, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    TMessage Message{AMsg, AWParam, ALParam, 0};
    Method(Message);
    return Message.Result;
  });
}

void FreeObjectInstance(WNDPROC AInstance) {
  if (AInstance) FreeProcInstance(AInstance);
}
