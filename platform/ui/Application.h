#pragma once
// TApplication: the program's one application object, Application. It owns the forms
// it makes (the first becomes the main form), runs the message loop with its hooks,
// ends the run, minimizes and restores, reports exceptions that reach the loop, and
// shows the hints. User-interface thread only.
//
// The loop. HandleMessage takes one message from the queue: the OnMessage handlers see
// it first (they sit on the window system's message hooks, so they also see what
// other loops take off the queue); a key or a click hides the hint; a key message is
// offered to the window it is for as CN_KEYDOWN, CN_CHAR, … (shortcuts, dialog keys,
// accelerators), which may take it; the rest is translated and dispatched. With the
// queue empty, OnIdle runs and the loop waits for the next message.
//
// Hints. When the pointer rests on a control whose ShowHint is on, its hint appears
// below the pointer after HintPause (HintShortPause while a hint was just showing),
// after CM_HINTSHOW to the control and OnShowHint had their say; it hides after
// HintHidePause, when the pointer moves to another control or leaves the control, and
// at a key or a click. Times run on the window system's clock.
//
// Implementation: Application.cpp (forms, run, minimize, exceptions),
// ApplicationLoop.cpp (the loop and OnMessage), ApplicationHints.cpp.

#include <functional>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/HintWindow.h"
#include "platform/win/MessageLoop.h"

// What is known about a hint about to show; CM_HINTSHOW (lParam a THintInfo*) and
// OnShowHint may change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  // Where the hint's top-left goes, on the screen.
  TPoint HintPos;
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  // The part of the control (client coordinates) in which the pointer keeps the hint.
  TRect CursorRect;
  // The pointer in the control's client coordinates.
  TPoint CursorPos;
  // When not 0, the hint is looked at again after this many milliseconds.
  int ReshowTimeout = 0;
  // When not 0, the hint hides after this many milliseconds.
  int HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
};

using TShowHintEvent = std::function<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;
// Makes the hint window; HintWindowClassOf<T>() gives the maker of a class.
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;
template <typename T>
THintWindowClass HintWindowClassOf() {
  return [](TComponent* AOwner) -> THintWindow* { return new T(AOwner); };
}

using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;
using TIdleEvent = std::function<void(TObject* Sender, bool& Done)>;
using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

// Application.OnMessage: any number of handlers, each added and removed on its own.
// The newest runs first; one that sets Handled swallows the message, and the later
// ones do not see it.
class TMessageEventChain {
 public:
  TMessageEventChain() = default;
  // Removes the handlers still added.
  ~TMessageEventChain();
  TMessageEventChain(const TMessageEventChain&) = delete;
  TMessageEventChain& operator=(const TMessageEventChain&) = delete;

  // Returns the handler's identity, for Remove.
  TMessageHookId Add(TMessageEvent AHandler);
  // Unknown identities are ignored; a handler may remove itself while it runs.
  void Remove(TMessageHookId AHandler);

 private:
  std::vector<TMessageHookId> FHooks;
};

class TApplication : public TComponent {
 public:
  // Hints on, THintWindow as the hint window class.
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // ---- Forms
  // Makes a form of class T owned by the application (and raises its OnCreate); the
  // first one made this way becomes the main form.
  template <typename T>
  T* CreateForm() {
    T* Form = new T(this);
    Form->AfterConstruction();
    FormCreated(Form);
    return Form;
  }
  TCustomForm* MainForm() const { return FMainForm; }
  // Whether Run shows the main form.
  bool ShowMainForm = true;
  // The main form stands in the task bar itself: this platform has no hidden
  // application window.
  bool MainFormOnTaskBar() const { return true; }
  String Title;
  // The main form's window, which stands in for the application's own; nullptr
  // without a main form.
  HWND Handle() const;
  TIcon& Icon() { return FIcon; }

  // ---- Running
  // Shows the main form (unless ShowMainForm is off) and runs the loop until
  // Terminate; without a main form it returns at once. An exception that reaches the
  // loop goes to HandleException and the loop goes on.
  void Run();
  // Ends Run (and any modal loop, with mrCancel) once the messages queued now are
  // handled.
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles one message, or with none queued runs OnIdle and waits for one.
  void HandleMessage();
  // Handles every message queued now, without waiting.
  void ProcessMessages();
  // Minimizes and restores the main form.
  void Minimize();
  void Restore();
  // Whether one of the program's windows is active.
  bool Active() const { return FActive; }
  // Call from inside a catch block: OnException gets the exception, or without one
  // ShowException. Exceptions that are not std::exception pass on.
  void HandleException(TObject* ASender);
  // Reports the exception's message on the standard error stream: this layer has no
  // message box (the skinned one comes with the dialogs).
  void ShowException(const Exception& AException);

  TMessageEventChain OnMessage;
  TIdleEvent OnIdle;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TExceptionEvent OnException;

  // ---- Hints
  // Turning hints off frees the hint window; turning them on makes it again with the
  // current HintWindowClass.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool AValue);
  THintWindowClass HintWindowClass;
  int HintPause = 500;
  int HintHidePause = 2500;
  int HintShortPause = 50;
  TColor HintColor = clInfoBk;
  TShowHintEvent OnShowHint;
  // The control whose hint is pending or showing; nullptr when none.
  TControl* HintControl() const { return FHintControl; }
  THintWindow* HintWindow() const { return FHintWindow; }
  // Shows the hint of the control under ACursorPos (screen) when it is still the hint
  // control.
  void ActivateHint(TPoint ACursorPos);
  // Hides the hint and forgets its control.
  void CancelHint();
  // Hides the hint window.
  void HideHint();
  // Every WM_MOUSEMOVE of a control comes here (Control.h's ControlMouseMoveHook).
  void HintMouseMessage(TControl* AControl, const TMessage& AMessage);

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  friend class TCustomForm;
  // Application.cpp
  void FormCreated(TCustomForm* AForm);
  // A form heard WM_ACTIVATEAPP: the program came to the foreground or left it.
  void ActivateChanged(bool AActive);
  // ApplicationLoop.cpp
  bool ProcessMessage(MSG& AMessage);
  bool IsKeyMsg(MSG& AMessage);
  void Idle();
  // ApplicationHints.cpp
  bool IsHintMsg(const MSG& AMessage);
  void SetHintControl(TControl* AControl);
  void StartHintTimer(int AInterval, bool AShowing);
  void StopHintTimer();
  void HintTimerExpired();
  static void HintTimerProc(HWND AWindow, UINT AMsg, UINT_PTR AId, DWORD ATime);
  THintWindow* NeededHintWindow();

  TCustomForm* FMainForm = nullptr;
  TIcon FIcon;
  bool FTerminated = false;
  bool FActive = false;
  bool FShowHint = true;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;
  // Whether a hint is showing (or just showed), which shortens the next pause.
  bool FHintActive = false;
  // The screen rectangle in which the pointer keeps the shown hint.
  TRect FHintCursorRect;
  UINT_PTR FHintTimer = 0;
  // What the running hint timer does when it expires: hide the shown hint, or show one.
  bool FHintTimerHides = false;
};

extern TApplication* Application;

// Frees what the application owns (its forms first) and puts a new application and
// screen in place: the end of a program's run, and of each test.
void DoneApplication();

// The part of a hint before "|", and the part after it (the whole hint without one).
String GetShortHint(const String& AHint);
String GetLongHint(const String& AHint);
