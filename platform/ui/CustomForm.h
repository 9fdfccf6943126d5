#pragma once
// TCustomForm and TForm: a top-level window built in code (the constructor of each form
// class makes its components), shown normally or modally, with a border and caption
// icons, a menu, the focus bookkeeping of its controls and the dialog keys (Tab and the
// arrows move the focus; Enter and Escape reach the default and cancel buttons).
// User-interface thread only.
//
// Life. A form is made invisible; AfterConstruction (run by Application->CreateForm
// and by MakeForm) raises OnCreate once the constructors are done. Showing raises
// OnShow, places the form by Position the first time, and activates it; activation
// focuses ActiveControl (or the first control in tab order). Close asks OnCloseQuery,
// then OnClose decides: hide (caHide), minimize, free (caFree, through Release) or
// nothing; closing the main form ends the application. The destructor raises
// OnDestroy first, while every component of the form still exists (members of derived
// classes are gone by then).
//
// MDI. An fsMDIForm form makes an MDI client window (ClientHandle) in the part of its
// client area that its aligned controls leave; an fsMDIChild form is a document window
// in the client of the application's main form, when that is an fsMDIForm form. A
// document window is active within its frame (Active, OnActivate) when the client
// activates it, and closing it frees it unless OnClose says otherwise.
//
// Implementation: CustomForm.cpp (life, properties, window, routing), FormShow.cpp
// (showing, position, window state), FormFocus.cpp (activation, focus, dialog keys,
// shortcuts), FormModal.cpp, FormClose.cpp, FormMdi.cpp (the MDI frame and its
// document windows).

#include <functional>
#include <vector>

#include "platform/base/Set.h"
#include "platform/ui/Menus.h"
#include "platform/ui/WinControl.h"
#include "platform/win/MessageLoop.h"

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
// Tile: windows one above the other (tbHorizontal) or side by side (tbVertical).
enum TTileMode { tbHorizontal, tbVertical };

// What ended a modal form: one of the mr values (a button's ModalResult), or a number
// of the program's own.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;
constexpr TModalResult mrClose = 11;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
// A key before the dialog keys; setting Handled takes it.
using TShortCutEvent = std::function<void(TWMKey& Msg, bool& Handled)>;

class TCustomForm : public TCustomControl {
 public:
  // Invisible, 320 × 240 at (0, 0), clBtnFace, bsSizeable with the system menu,
  // minimize and maximize icons, poDesigned, wsNormal.
  explicit TCustomForm(TComponent* AOwner);
  // Raises OnDestroy, frees the form's components while the form is whole, and leaves
  // the screen and the application.
  ~TCustomForm() override;

  // Raises OnCreate (once); see the top of this file.
  void AfterConstruction();

  // ---- Frame and placement (a change of border rebuilds an existing window)
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle AValue);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons AValue);
  // fsMDIChild makes a document window only while the application's main form is an
  // fsMDIForm form; otherwise the form stays a window of its own.
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle AValue);
  // Where the form goes when it is first shown.
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition AValue) { FPosition = AValue; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState AValue);
  TIcon& Icon() { return FIcon; }
  // Stored only: forms do not scroll.
  bool AutoScroll = false;

  // ---- Showing and closing
  // Makes the form visible and brings it to the front (activating it).
  void Show();
  // Shows the form modally: the other forms are disabled and a message loop runs
  // until ModalResult is set (or the application terminates: mrCancel), then the form
  // is hidden and the result returned. A visible or disabled form raises
  // EInvalidOperation "Cannot make a visible window modal".
  TModalResult ShowModal();
  // Setting it while the form is modal ends the modal loop (after OnCloseQuery and
  // OnClose agree).
  TModalResult ModalResult = mrNone;
  bool Modal() const { return FModal; }
  // A modal form sets ModalResult to mrCancel; others close as the top of this file
  // says.
  void Close();
  // Asks OnCloseQuery; whether the form may close.
  virtual bool CloseQuery();
  // Frees the form once the messages now queued are handled, outside any of its
  // handlers.
  void Release();

  // ---- Activation and focus
  bool Active() const { return FActive; }
  // The control that has (or gets, when the form is activated) the focus. A control
  // of another form, or one that cannot take the focus, raises EInvalidOperation
  // "Cannot focus a disabled or invisible window".
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* AValue);
  bool SetFocusedControl(TWinControl* AControl) override;
  void DefocusControl(TWinControl* AControl, bool ARemoving) override;
  void FocusControl(TWinControl* AControl) override;
  bool KeyPreview() const override { return FKeyPreview; }
  void SetKeyPreview(bool AValue) { FKeyPreview = AValue; }
  // The popup menus of the focused control and its parents, then OnShortCut, then the
  // form's Menu, then a document window's own keys (Ctrl+F4 closes it, Ctrl+F6 and
  // Ctrl+Shift+F6 go to the next and the previous document).
  bool IsShortCut(TWMKey& AMessage) override;

  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* AValue);

  // ---- MDI (on an fsMDIForm form; nothing, none or 0 on others)
  // The MDI client window; nullptr before the form's window is made.
  HWND ClientHandle() const { return HandleAllocated() ? FClientHandle : nullptr; }
  // The document windows that have a window, front first (index 0 is the active one
  // while it is shown), hidden ones included.
  int MDIChildCount();
  TCustomForm* MDIChildren(int AIndex);
  TCustomForm* ActiveMDIChild();
  // The menu item that lists the document windows; stored for the skin library.
  TMenuItem* WindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* AValue);
  TTileMode TileMode = tbHorizontal;
  // Arrange the shown document windows (see platform/win/Mdi.h).
  void Tile();
  void Cascade();
  void ArrangeIcons();
  // Activate the next document window (the active one goes to the back), or the one
  // at the back.
  void Next();
  void Previous();

  // ---- Events
  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TNotifyEvent OnDestroy;
  TCloseQueryEvent OnCloseQuery;
  TCloseEvent OnClose;
  TShortCutEvent OnShortCut;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  // Ctrl+F4 and Ctrl+F6 of a document window.
  bool IsDocumentKey(const TWMKey& AMessage);
  // An fsMDIForm form makes its MDI client with its window.
  void CreateWnd() override;
  // The MDI client takes what the aligned controls leave of the client area.
  void AlignControls(TControl* AControl, TRect& ARect) override;
  void Dispatch(TMessage& AMessage) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  // Raises OnPaint.
  void Paint() override;
  virtual void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  // Raises OnClose with AAction (which it may change).
  virtual void DoClose(TCloseAction& AAction);

 private:
  // Handlers, one per message.
  void WMActivate(TMessage& AMessage);
  void WMActivateApp(TMessage& AMessage);
  void WMClose(TMessage& AMessage);
  void WMSize(TMessage& AMessage);
  void CMShowingChanged(TMessage& AMessage);
  void CMDialogKey(TMessage& AMessage);
  void WMMDIActivate(TMessage& AMessage);

  // FormMdi.cpp
  void CreateMDIClient();
  // The MDI client of the application's main form; nullptr when the main form is no
  // fsMDIForm form.
  static HWND MainFormClient();
  // An fsMDIChild form that lives in an MDI client.
  bool IsMDIDocument() const { return FFormStyle == fsMDIChild && ParentWindow(); }
  // The document windows as forms, front first.
  std::vector<TCustomForm*> MDIChildForms();
  void SendToClient(UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  // FormShow.cpp
  void ApplyPosition();
  // FormFocus.cpp
  void SetActive(bool AValue);
  void FocusActiveControl();
  // FormModal.cpp
  void CloseModal();
  // FormClose.cpp
  void ReleaseNow();

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = {biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  bool FPositioned = false;
  TWindowState FWindowState = wsNormal;
  TIcon FIcon;
  bool FCreated = false;
  bool FDestroyRaised = false;
  bool FModal = false;
  bool FActive = false;
  bool FKeyPreview = false;
  TWinControl* FActiveControl = nullptr;
  TMainMenu* FMenu = nullptr;
  TMenuItem* FWindowMenu = nullptr;
  HWND FClientHandle = nullptr;
  // The hook that frees the form after Release; 0 when none is pending.
  TMessageHookId FReleaseHook = 0;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};

// The form that AControl lies on (the outermost one); nullptr when none.
TCustomForm* GetParentForm(TControl* AControl);

// Makes a form of class T (its constructor builds it) and raises its OnCreate.
template <typename T, typename... TArgs>
T* MakeForm(TArgs&&... AArgs) {
  T* Form = new T(std::forward<TArgs>(AArgs)...);
  Form->AfterConstruction();
  return Form;
}
