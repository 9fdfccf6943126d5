// The window-procedure hook: the link every installed hook shares with its owner, the
// two ways to sit on a procedure, and leaving by identity.

#include "platform/ui/WindowHook.h"

#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

// What the installed procedure and the hook object share. The installed procedure
// holds its own share, so a message running while the owner goes keeps the link.
// Handler and Older never change after installing (a running one is never replaced);
// only Live turns false, when the owner removes the hook.
struct TWindowHook::TLink {
  THandler Handler;
  TWndMethod Older;
  bool Live = true;

  void Dispatch(TMessage& AMessage) {
    if (Live)
      Handler(AMessage);
    else
      Older(AMessage);
  }
};

// The hook as it sits in a control's WindowProc: a type of its own, so Remove can tell
// it from any other procedure by its link.
struct TWindowHook::TMethodProc {
  std::shared_ptr<TLink> Link;
  void operator()(TMessage& AMessage) const {
    // The message may replace this very procedure (by freeing the owner): from here on
    // only the local share is used.
    const std::shared_ptr<TLink> Held = Link;
    Held->Dispatch(AMessage);
  }
};

void TWindowHook::Install(TWndMethod& AWindowProc, THandler AHandler) {
  FLink = std::make_shared<TLink>(TLink{std::move(AHandler), AWindowProc});
  FWindowProc = &AWindowProc;
  AWindowProc = TMethodProc{FLink};
}

void TWindowHook::Install(HWND AWindow, THandler AHandler) {
  const auto Replaced = reinterpret_cast<WNDPROC>(GetWindowLong(AWindow, GWL_WNDPROC));
  FReplaced = Replaced;
  TWndMethod Older = [AWindow, Replaced](TMessage& AMessage) {
    AMessage.Result = CallWindowProc(Replaced, AWindow, AMessage.Msg, AMessage.WParam, AMessage.LParam);
  };
  FLink = std::make_shared<TLink>(TLink{std::move(AHandler), std::move(Older)});
  FWindow = AWindow;
  FProcedure = MakeProcInstance([Link = FLink](HWND, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    const std::shared_ptr<TLink> Held = Link;
    TMessage Message{AMsg, AWParam, ALParam, 0};
    Held->Dispatch(Message);
    return Message.Result;
  });
  SetWindowLong(AWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FProcedure));
}

void TWindowHook::Remove() {
  if (FLink == nullptr) return;
  FLink->Live = false;
  if (FWindowProc != nullptr) {
    const auto* OnTop = FWindowProc->target<TMethodProc>();
    if (OnTop != nullptr && OnTop->Link == FLink) *FWindowProc = FLink->Older;
  } else if (!IsWindow(FWindow)) {
    FreeProcInstance(FProcedure);
  } else if (GetWindowLong(FWindow, GWL_WNDPROC) == reinterpret_cast<LONG_PTR>(FProcedure)) {
    SetWindowLong(FWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FReplaced));
    FreeProcInstance(FProcedure);
  }
  // A covered subclass keeps its procedure instance: the window above still calls it.
  FLink.reset();
  FWindowProc = nullptr;
  FWindow = nullptr;
  FProcedure = nullptr;
  FReplaced = nullptr;
}

bool TWindowHook::Forward(TMessage& AMessage) const {
  const std::shared_ptr<TLink> Held = FLink;
  if (Held == nullptr) return false;
  Held->Older(AMessage);
  return Held->Live;
}
