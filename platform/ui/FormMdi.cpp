// TCustomForm's multiple-document interface: the MDI client of an fsMDIForm form, its
// document windows, their activation and arranging.

#include "platform/base/Exceptions.h"
#include "platform/base/Lists.h"
#include "platform/ui/CustomForm.h"
#include "platform/win/Focus.h"
#include "platform/win/Mdi.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  if (FFormStyle == fsMDIForm && !FParent) CreateMDIClient();
}

// Below the form's controls, so that controls placed over the client area (its scroll
// bars) stay visible.
void TCustomForm::CreateMDIClient() {
  RegisterMDIClientClass();
  RECT Area;
  GetClientRect(Handle(), &Area);
  FClientHandle =
      CreateWindowEx(0, MDICLIENT_CLASS, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0,
                     Area.Width(), Area.Height(), Handle(), nullptr, nullptr, nullptr);
  if (!FClientHandle) throw EOSError("Cannot create the MDI client window");
  SetWindowPos(FClientHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::AlignControls(TControl* AControl, TRect& ARect) {
  TCustomControl::AlignControls(AControl, ARect);
  if (const HWND Client = ClientHandle())
    SetWindowPos(Client, nullptr, ARect.Left, ARect.Top, ARect.Width(), ARect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<TCustomForm*> TCustomForm::MDIChildForms() {
  std::vector<TCustomForm*> Forms;
  if (FFormStyle != fsMDIForm || !ClientHandle()) return Forms;
  for (HWND Child : GetMDIChildWindows(FClientHandle))
    if (auto* Form = dynamic_cast<TCustomForm*>(FindControl(Child))) Forms.push_back(Form);
  return Forms;
}

int TCustomForm::MDIChildCount() { return static_cast<int>(MDIChildForms().size()); }

TCustomForm* TCustomForm::MDIChildren(int AIndex) {
  const std::vector<TCustomForm*> Forms = MDIChildForms();
  CheckListIndex(AIndex, static_cast<int>(Forms.size()));
  return Forms[AIndex];
}

TCustomForm* TCustomForm::ActiveMDIChild() {
  if (FFormStyle != fsMDIForm || !ClientHandle()) return nullptr;
  const auto Active = reinterpret_cast<HWND>(SendMessage(FClientHandle, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TCustomForm*>(FindControl(Active));
}

void TCustomForm::SetWindowMenu(TMenuItem* AValue) {
  if (FWindowMenu == AValue) return;
  if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
  FWindowMenu = AValue;
  if (FWindowMenu) FWindowMenu->FreeNotification(this);
}

void TCustomForm::SendToClient(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (FFormStyle == fsMDIForm && ClientHandle()) SendMessage(FClientHandle, AMessage, AWParam, ALParam);
}

void TCustomForm::Tile() {
  SendToClient(WM_MDITILE, TileMode == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade() { SendToClient(WM_MDICASCADE, 0, 0); }

void TCustomForm::ArrangeIcons() { SendToClient(WM_MDIICONARRANGE, 0, 0); }

void TCustomForm::Next() { SendToClient(WM_MDINEXT, 0, 0); }

void TCustomForm::Previous() { SendToClient(WM_MDINEXT, 0, 1); }

// A document window is active within its frame: it gets OnActivate and, while the
// frame is the active window, the focus goes to its active control.
void TCustomForm::WMMDIActivate(TMessage& AMessage) {
  const bool Activating = reinterpret_cast<HWND>(AMessage.LParam) == Handle();
  if (Activating != FActive) SetActive(Activating);
  const bool FrameActive = GetActiveWindow() == GetParent(GetParent(Handle()));
  if (Activating && FrameActive && FActiveControl && FActiveControl->CanFocus())
    ::SetFocus(FActiveControl->Handle());
  DefaultHandler(AMessage);
}
