#pragma once
// TWinControl: a control with a window of its own, made when first needed, that can
// hold other controls; TCustomControl: a windowed control that paints itself on a
// canvas. User-interface thread only.
//
// The window. Handle() makes the window on first use: CreateParams describes it,
// CreateWnd registers its class and calls CreateWindowHandle. Every message of the
// window, from the first one of its creation on, goes to the control's WindowProc, so a
// WindowProc replaced before the window was made (or before RecreateWnd) sees all of
// them. DestroyWnd destroys the window (children's windows first) and keeps the state
// that lives in it; RecreateWnd makes it again.
//
// Windowless children (TGraphicControl) are painted in the window's WM_PAINT, over
// what PaintWindow drew, in their z-order; mouse messages over them are passed to
// them by direct dispatch (in their client coordinates), and CM_MOUSEENTER and
// CM_MOUSELEAVE tell every control, windowed or not, when the pointer enters and
// leaves it.
//
// Focus. The top-level control (a form) keeps track of the focused control inside it:
// SetFocus asks the top-level control's FocusControl; the window's WM_SETFOCUS tells
// its SetFocusedControl, which runs OnExit of the controls left and OnEnter of those
// entered and broadcasts CM_FOCUSCHANGED. Forms override these hooks.

#include <vector>

#include "platform/ui/Control.h"

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  // Frees its components and children (their windows go first), then its window.
  ~TWinControl() override;

  // ---- The window
  // The window; made now when it does not exist (raises EInvalidOperation "Control
  // '…' has no parent window" for a child control without a parent window).
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  // The window to be a child of when the control has no Parent (a control placed in
  // a window that is not a control).
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND AValue);
  // Destroys the window and makes it again (when it exists), keeping the state.
  void RecreateWnd();
  // Destroys the windows of the children and then its own.
  void DestroyHandle();
  // Whether the control's window is shown (the control and its parents are visible).
  bool Showing() const { return FShowing; }

  // ---- Children
  int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
  // Windowless children first, then windowed ones, each in z-order from the bottom.
  TControl* Controls(int AIndex) const;
  // Whether AControl is this control or lies (at any depth) on it.
  bool ContainsControl(const TControl* AControl) const;
  // The topmost visible child at the point (client coordinates): windowless children
  // only unless AAllowWinControls; disabled ones only with AAllowDisabled.
  TControl* ControlAtPos(TPoint APos, bool AAllowDisabled, bool AAllowWinControls = false) const;
  // Called by TControl::SetParent.
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  // Sends the message to every child by Perform.
  void Broadcast(TMessage& AMessage);
  // Makes a child visible (and the parents up to the form); containers showing one
  // page at a time override it.
  virtual void ShowControl(TControl* AControl);

  // ---- Alignment
  // Counted: alignment waits until as many EnableAlign as DisableAlign were called,
  // and runs then if it was asked meanwhile.
  void DisableAlign();
  void EnableAlign();
  bool AlignDisabled() const { return FAlignLevel != 0; }
  // Places the aligned and anchored children again.
  void Realign();
  TRect ClientRect() override;
  TPoint ClientOrigin() override;

  // ---- Painting: the window's own invalidation and painting.
  void Invalidate() override;
  void Repaint() override;
  void Update() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ---- Focus and keyboard
  bool Focused() const;
  // Visible and enabled, and so are its parents.
  virtual bool CanFocus();
  virtual void SetFocus();
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool AValue);
  // The place in the parent's tab order; -1 for a control without parent.
  int TabOrder() const;
  void SetTabOrder(int AValue);
  // Every control inside, depth-first, in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& AList);
  // The next (AGoForward) or previous control after ACurControl in the tab order,
  // among those that can take the focus (and have TabStop when ACheckTabStop, and
  // have this control as their parent when ACheckParent); nullptr when none.
  TWinControl* FindNextControl(TWinControl* ACurControl, bool AGoForward, bool ACheckTabStop,
                               bool ACheckParent);
  // Moves the focus to that control.
  void SelectNext(TWinControl* ACurControl, bool AGoForward, bool ACheckTabStop);

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // ---- Hooks of the top-level control (forms override them)
  // AControl received the focus. Runs OnExit from the control that had it up to the
  // common parent and OnEnter down to AControl, remembers AControl and broadcasts
  // CM_FOCUSCHANGED. Returns false when an OnExit moved the focus elsewhere.
  virtual bool SetFocusedControl(TWinControl* AControl);
  // Gives the window of AControl the focus.
  virtual void FocusControl(TWinControl* AControl);
  // AControl, which holds or contains the focus, is hidden, disabled or (ARemoving)
  // leaves: the focus bookkeeping lets go of it.
  virtual void DefocusControl(TWinControl* AControl, bool ARemoving);
  // The control inside that has the focus, as SetFocusedControl last saw it.
  TWinControl* FocusedControl() const { return FFocusedControl; }
  // Whether the key goes to the top-level control's KeyDown/KeyPress/KeyUp before the
  // focused control's (a form's KeyPreview).
  virtual bool KeyPreview() const { return false; }
  // Whether the key is a shortcut of the top-level control (a form's menu and
  // OnShortCut); called with CN_KEYDOWN before the dialog keys.
  virtual bool IsShortCut(TWMKey& AMessage);
  // A control was pressed: the top-level control tells its focused control to cancel
  // its modes (CM_CANCELMODE, lParam the pressed control).
  virtual void CancelModes(TControl* ASender);

 protected:
  // ---- Window creation
  virtual void CreateParams(TCreateParams& AParams);
  // Registers the window class when needed and calls CreateWindowHandle; then the
  // window takes the control's text, font and position.
  virtual void CreateWnd();
  virtual void CreateWindowHandle(const TCreateParams& AParams);
  // Destroys the window, keeping its text.
  virtual void DestroyWnd();
  virtual void DestroyWindowHandle();
  // Bases the control on a window class of the window system ("EDIT"): the class's
  // procedure becomes the DefaultHandler's.
  void CreateSubClass(TCreateParams& AParams, const char* AClassName);
  // Makes the window: CreateWnd, then its place among the siblings.
  virtual void CreateHandle();
  void WndProc(TMessage& AMessage) override;
  void Dispatch(TMessage& AMessage) override;
  // Passes the message to the window class's procedure (DefWindowProc by default).
  void DefaultHandler(TMessage& AMessage) override;

  // ---- Painting
  // WM_PAINT: PaintWindow where the opaque windowless children leave room, then the
  // windowless children (PaintControls).
  void PaintHandler(TMessage& AMessage);
  // Paints the control itself; the default passes WM_PAINT with the DC to the
  // DefaultHandler.
  virtual void PaintWindow(HDC ADC);
  // Paints the windowless children from AFirst on (nullptr: all) on ADC, each with the
  // origin at its top left and clipped to it.
  void PaintControls(HDC ADC, TControl* AFirst);

  // ---- Alignment
  // Places the children inside ARect (the client rectangle as AdjustClientRect made it):
  // alTop, alBottom, alLeft, alRight, alClient and alCustom in turn, each kind in the
  // order of the children's positions with AControl (the child that changed) first;
  // then anchored alNone children follow the parent's size.
  virtual void AlignControls(TControl* AControl, TRect& ARect);
  // The part of the client area that children are aligned in; the default leaves it.
  virtual void AdjustClientRect(TRect& ARect);
  // Places an alCustom child: its rectangle may be changed; the default leaves it.
  virtual void CustomAlignPosition(TControl* AControl, int& ANewLeft, int& ANewTop, int& ANewWidth,
                                   int& ANewHeight, TRect& AAlignRect);
  // Realigns after AControl changed (nullptr: none in particular).
  void AlignControl(TControl* AControl);
  bool CanAutoSize(int& ANewWidth, int& ANewHeight) override;

  // ---- Keyboard
  virtual void KeyDown(WORD& AKey, TShiftState AShift);
  virtual void KeyPress(uint32_t& AKey);
  virtual void KeyUp(WORD& AKey, TShiftState AShift);
  // The control received (DoEnter) or lost (DoExit) the focus inside its form.
  virtual void DoEnter();
  virtual void DoExit();
  // Runs the key steps (preview by the top-level control, then KeyDown and OnKeyDown);
  // returns whether the key was taken.
  bool DoKeyDown(TMessage& AMessage);
  bool DoKeyPress(TMessage& AMessage);
  bool DoKeyUp(TMessage& AMessage);

  void SetText(const String& AValue) override;
  HDC GetDeviceContext(HWND& AWindow) override;

  // The procedure of the window's class, called by DefaultHandler.
  WNDPROC FDefWndProc = nullptr;

 private:
  friend class TControl;

  // Handlers, one per message.
  void WMPaint(TMessage& AMessage);
  void WMEraseBkgnd(TMessage& AMessage);
  void WMSize(TMessage& AMessage);
  void WMMove(TMessage& AMessage);
  void WMWindowPosChanged(TMessage& AMessage);
  void WMKeyDown(TMessage& AMessage);
  void WMKeyUp(TMessage& AMessage);
  void WMChar(TMessage& AMessage);
  void WMSysKeyDown(TMessage& AMessage);
  void WMSetCursor(TMessage& AMessage);
  void WMSetText(TMessage& AMessage);
  void WMMouseLeave(TMessage& AMessage);
  void WMContextMenu(TMessage& AMessage);
  void WMNCDestroy(TMessage& AMessage);
  void WMReflect(TMessage& AMessage);
  void WMCtlColor(TMessage& AMessage);
  void CNKeyDown(TMessage& AMessage);
  void CNChar(TMessage& AMessage);
  void CNSysKeyDown(TMessage& AMessage);
  void CNSysChar(TMessage& AMessage);
  void CMEnabledChanged(TMessage& AMessage);
  void CMVisibleChanged(TMessage& AMessage);
  void CMShowingChanged(TMessage& AMessage);
  void CMFontChanged(TMessage& AMessage);
  void CMColorChanged(TMessage& AMessage);
  void CMShowHintChanged(TMessage& AMessage);
  void CMDialogKey(TMessage& AMessage);
  void CMDialogChar(TMessage& AMessage);
  void CMFocusChanged(TMessage& AMessage);
  void CMEnter(TMessage& AMessage);
  void CMExit(TMessage& AMessage);
  void CMRecreateWnd(TMessage& AMessage);

  // The first message of a new window: binds it to the control being created.
  static LRESULT InitWndProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  // Every message of the window, first to last: WindowProc; the device contexts that
  // control canvases took meanwhile are released when the outermost message is done.
  void MainWndProc(TMessage& AMessage);
  // Routes a mouse message over a windowless child to it; true when it did.
  bool IsControlMouseMsg(TMessage& AMessage);
  // Updates the control under the pointer from a mouse message; CM_MOUSELEAVE and
  // CM_MOUSEENTER go out when it changed.
  void TrackMouseControl(const TMessage& AMessage);
  void UpdateShowing();
  void UpdateControlState();
  // Whether the control's window is a child window (it needs a parent window).
  bool IsChildWindow();
  void UpdateBounds();
  void RemoveFocus(bool ARemoving);
  bool IsMenuKey(TMessage& AMessage);
  void NotifyControls(UINT AMsg);
  // The sibling window this control's window goes after in z-order.
  HWND PrecedingWindow() const;
  // Moves a child to the top (or bottom) of its kind of children.
  void SetZOrder(TControl* AControl, bool ATopMost);
  // The parent size anchors are measured against: the client area once the window
  // exists, the bounds before.
  TPoint AnchorParentSize();

  HWND FHandle = nullptr;
  HWND FParentWindow = nullptr;
  // The window procedure instance that carries this control's MainWndProc.
  WNDPROC FObjectInstance = nullptr;
  bool FShowing = false;
  std::vector<TControl*> FControls;        // windowless children, z-order from the bottom
  std::vector<TWinControl*> FWinControls;  // windowed children, z-order from the bottom
  std::vector<TWinControl*> FTabList;      // windowed children in tab order
  int FAlignLevel = 0;
  bool FTabStop = false;
  TWinControl* FFocusedControl = nullptr;
  // Fills the background in WM_ERASEBKGND and answers CN_CTLCOLOR…: the control's Color.
  TBrush FBrush;
};

// A windowed control that draws itself: Paint on Canvas in each WM_PAINT.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;

  TCanvas& Canvas() { return *FCanvas; }

 protected:
  // Draws the control; the default draws nothing.
  virtual void Paint();
  void PaintWindow(HDC ADC) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void WMPaint(TMessage& AMessage);

  std::unique_ptr<TControlCanvas> FCanvas;
};

// The nearest windowed control holding AControl, itself included; nullptr when none.
TWinControl* FindWinControlOf(TControl* AControl);
// The control whose window is AWindow; nullptr when the window is not a control's.
TWinControl* FindControl(HWND AWindow);
// The deepest control at a screen point: the windowless child (enabled or not) of the
// control window under the point, else that control; nullptr over no control.
TControl* FindControlAtScreenPos(TPoint APoint);
