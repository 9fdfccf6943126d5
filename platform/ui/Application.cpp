// TApplication: the forms it makes, the run, minimizing and restoring, and exceptions
// that reach the loop; the global application and screen objects.

#include "platform/ui/Application.h"

#include <cstdio>

#include "platform/ui/Screen.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"

TApplication* Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), HintWindowClass(HintWindowClassOf<THintWindow>()) {
  ControlMouseMoveHook = [](TControl* AControl, const TMessage& AMessage) {
    Application->HintMouseMessage(AControl, AMessage);
  };
}

// The hint goes first: the components are freed without telling the application, so
// the hint window must not be left to be reached through a hint control freed later.
TApplication::~TApplication() {
  Destroying();
  CancelHint();
  delete FHintWindow;
  DestroyComponents();
}

void DoneApplication() {
  delete Application;
  Application = new TApplication(nullptr);
  delete Screen;
  Screen = new TScreen(nullptr);
}

// ---------------------------------------------------------------- forms

// The main form makes its window at once: the other forms are owned by it.
void TApplication::FormCreated(TCustomForm* AForm) {
  if (FMainForm) return;
  FMainForm = AForm;
  FMainForm->HandleNeeded();
}

HWND TApplication::Handle() const {
  return FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
}

void TApplication::Notification(TComponent* AComponent, TOperation AOperation) {
  TComponent::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FMainForm) FMainForm = nullptr;
  if (AComponent == FHintWindow) FHintWindow = nullptr;
  if (AComponent == FHintControl) {
    FHintControl = nullptr;
    FHintActive = false;
    StopHintTimer();
    HideHint();
  }
}

// ---------------------------------------------------------------- running

void TApplication::Run() {
  if (!FMainForm) return;
  if (ShowMainForm) FMainForm->SetVisible(true);
  while (!FTerminated) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::Minimize() {
  HWND Main = Handle();
  if (!Main || IsIconic(Main)) return;
  ShowWindow(Main, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  HWND Main = Handle();
  if (!Main || !IsIconic(Main)) return;
  ShowWindow(Main, SW_RESTORE);
  if (OnRestore) OnRestore(this);
}

void TApplication::ActivateChanged(bool AActive) {
  if (FActive == AActive) return;
  FActive = AActive;
  if (!AActive) CancelHint();
  const TNotifyEvent& Event = AActive ? OnActivate : OnDeactivate;
  if (Event) Event(this);
}

// ---------------------------------------------------------------- exceptions

void TApplication::HandleException(TObject* ASender) {
  try {
    throw;
  } catch (const Exception& E) {
    if (OnException)
      OnException(ASender, E);
    else
      ShowException(E);
  } catch (const std::exception& E) {
    const Exception Wrapped(E.what());
    if (OnException)
      OnException(ASender, Wrapped);
    else
      ShowException(Wrapped);
  }
}

void TApplication::ShowException(const Exception& AException) {
  if (Title.empty())
    std::fprintf(stderr, "%s\n", AException.Message().c_str());
  else
    std::fprintf(stderr, "%s: %s\n", Title.c_str(), AException.Message().c_str());
}
