#include "platform/win/Backend.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageQueueInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/TimersInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowLifecycleInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

// Marks the window and its descendants, so that a DestroyWindow from one of their
// WM_DESTROY handlers leaves the work to the destruction under way.
void MarkDestroying(TWindow& AWindow) {
  AWindow.Destroying = true;
  NoteGeometryChange();
  for (HWND Child : AWindow.Children)
    if (TWindow* ChildWindow = FindWindowRecord(Child)) MarkDestroying(*ChildWindow);
}

void HideForDestruction(HWND AWindow, bool AIsChild) {
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || !Window->IsVisible()) return;
  if (AIsChild)
    ShowWindow(AWindow, SW_HIDE);
  else
    SetWindowPos(AWindow, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void DestroyOwnedWindows(HWND AOwner) {
  const std::vector<HWND> TopLevels = DesktopRecord().Children;
  for (HWND TopLevel : TopLevels)
    if (const TWindow* Window = FindWindowRecord(TopLevel); Window && Window->Owner == AOwner)
      DestroyWindow(TopLevel);
}

// WM_DESTROY to the window, then to its children: parents first.
void SendDestroyMessages(HWND AWindow) {
  SendMessage(AWindow, WM_DESTROY, 0, 0);
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  const std::vector<HWND> Children = Window->Children;
  for (HWND Child : Children)
    if (FindWindowRecord(Child)) SendDestroyMessages(Child);
}

void ForgetOwner(HWND AOwner) {
  for (HWND TopLevel : DesktopRecord().Children)
    if (TWindow* Window = FindWindowRecord(TopLevel); Window && Window->Owner == AOwner)
      Window->Owner = nullptr;
}

// Children first, then the window: the parts let go of it, its timers stop,
// WM_NCDESTROY reaches it, and its record, queued messages and backend window go.
void FreeWindowTree(HWND AWindow) {
  const TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return;
  for (HWND Child : std::vector<HWND>(Window->Children)) FreeWindowTree(Child);
  for (const auto& Destroying : Extensions().WindowDestroying) Destroying(AWindow);
  KillWindowTimers(AWindow);
  SendMessage(AWindow, WM_NCDESTROY, 0, 0);
  TWindow* Dying = FindWindowRecord(AWindow);
  if (!Dying) return;
  // Children made during WM_NCDESTROY go too.
  for (HWND Child : std::vector<HWND>(Dying->Children)) FreeWindowTree(Child);
  const bool WasTopLevel = Dying->IsTopLevel();
  UnlinkFromParent(*Dying);
  ForgetOwner(AWindow);
  KillWindowTimers(AWindow);
  PurgeWindowMessages(AWindow);
  if (WasTopLevel) Backend().TopLevelDestroyed(AWindow);
  RemoveWindowRecord(AWindow);
}

}  // namespace

bool DestroyWindow(HWND AWindow) {
  RequireUIThread("DestroyWindow");
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || Window == &DesktopRecord()) return false;
  if (Window->Destroying) return true;
  Window->Destroying = true;
  NoteGeometryChange();
  const bool IsChild = Window->IsChildStyle() && !Window->IsTopLevel();
  if (IsChild) SendParentNotify(AWindow, WM_DESTROY);
  HideForDestruction(AWindow, IsChild);
  if (!FindWindowRecord(AWindow)) return true;
  DestroyOwnedWindows(AWindow);
  Window = FindWindowRecord(AWindow);
  if (!Window) return true;
  MarkDestroying(*Window);
  SendDestroyMessages(AWindow);
  FreeWindowTree(AWindow);
  return true;
}
