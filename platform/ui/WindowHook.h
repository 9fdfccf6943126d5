#pragma once
// A hook on a window procedure: either a control's WindowProc (a TWndMethod) or the
// procedure of a window of the window system (a subclass). User-interface thread only.
//
// Contract:
// - Install puts the handler on top: from then on every message goes to the handler,
//   which handles it, forwards it to the procedure it covers with Forward, or both.
// - Remove takes the hook off by identity. A hook still on top gives its place back to
//   the procedure it covered. A hook that another one covers meanwhile cannot leave
//   without cutting that one off: it stays in the chain and from then on forwards every
//   message unchanged, so the chain stays whole in either order of removal.
// - Forward answers whether the hook is still installed after the older procedure ran.
//   The older procedure may free the hook's owner (whose destructor removes the hook):
//   on false the handler returns at once and touches nothing of its owner.
// - A control's WindowProc is a slot of that control: the hook is removed before the
//   control is destroyed. A window of the window system may go first; the hook then
//   frees what it holds when it is removed.
// - The owner keeps the hook as a member; Remove runs from the destructor at the latest.

#include <memory>

#include "platform/ui/ControlMessages.h"
#include "platform/win/WindowTypes.h"

class TWindowHook {
 public:
  using THandler = std::function<void(TMessage&)>;

  TWindowHook() = default;
  ~TWindowHook() { Remove(); }
  TWindowHook(const TWindowHook&) = delete;
  TWindowHook& operator=(const TWindowHook&) = delete;

  // Installs on top of a control's WindowProc. The hook must not be installed.
  void Install(TWndMethod& AWindowProc, THandler AHandler);
  // Installs on top of the procedure of a window. The hook must not be installed.
  void Install(HWND AWindow, THandler AHandler);
  void Remove();

  bool Installed() const { return FLink != nullptr; }
  // Hands the message to the procedure the hook covers. See the contract above. A hook
  // removed already forwards nothing and answers false.
  [[nodiscard]] bool Forward(TMessage& AMessage) const;

 private:
  struct TLink;
  struct TMethodProc;
  std::shared_ptr<TLink> FLink;
  TWndMethod* FWindowProc = nullptr;
  HWND FWindow = nullptr;
  WNDPROC FProcedure = nullptr;
  WNDPROC FReplaced = nullptr;
};
