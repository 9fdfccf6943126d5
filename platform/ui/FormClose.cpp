// TCustomForm's closing: OnCloseQuery, OnClose and what its action asks, and Release.

#include "platform/ui/Application.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/PostedRelease.h"

void TCustomForm::Close() {
  if (FModal) {
    ModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  // A closed document window goes for good: a hidden one would stay among the
  // frame's children with no way back.
  TCloseAction Action = IsMDIDocument() ? caFree : caHide;
  DoClose(Action);
  if (Action == caNone) return;
  // The main form stays until the run ends.
  if (Application->MainForm() == this) return Application->Terminate();
  switch (Action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      SetWindowState(wsMinimized);
      break;
    case caFree:
      Release();
      break;
    case caNone:
      break;
  }
}

bool TCustomForm::CloseQuery() {
  bool CanClose = true;
  if (OnCloseQuery) OnCloseQuery(this, CanClose);
  return CanClose;
}

void TCustomForm::DoClose(TCloseAction& AAction) {
  if (OnClose) OnClose(this, AAction);
}

// A message posted now comes off the queue after everything queued before it; a
// message hook sees it there, before any window procedure runs, so the form goes
// while none of its own handlers is running (unless one of them pumps messages after
// calling Release). The hook goes with the form when something else frees it first.
void TCustomForm::Release() {
  if (FReleaseHook) return;
  FReleaseHook = PostRelease(this, [this] { ReleaseNow(); });
}

void TCustomForm::ReleaseNow() {
  RemoveMessageHook(FReleaseHook);
  FReleaseHook = 0;
  delete this;
}
