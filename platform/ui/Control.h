#pragma once
// TControl: a visible component placed on a parent windowed control. A TControl on its
// own has no window: it is painted on its parent's surface and reached by direct
// dispatch (Perform); TWinControl (WinControl.h) adds the window. User-interface
// thread only.
//
// Messages. Every control has a window procedure of its own, WindowProc: WndProc
// unless something replaced it (subclassing keeps the old value and calls it for what
// it does not handle). WndProc hands the message to Dispatch, one switch from message
// numbers to named handlers; a class that handles more messages overrides Dispatch
// with its own switch and passes the rest to the inherited Dispatch, and a handler
// that wants the inherited handling of its message calls the inherited Dispatch.
// Messages nobody handles reach DefaultHandler.
//
// Two ways to repaint: Invalidate() marks the control for the next paint (deferred,
// merged with other invalidations); Repaint() paints it now.

#include <cstddef>
#include <functional>
#include <memory>

#include "platform/base/Persistent.h"
#include "platform/gdi/Graphics.h"
#include "platform/ui/Component.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ControlTypes.h"

class TBasicAction;
class TBasicActionLink;
class TPopupMenu;

// The minimum and maximum size of a control; 0 means no limit. A change applies the
// limits to the control at once.
class TSizeConstraints : public TPersistent {
 public:
  explicit TSizeConstraints(TControl* AControl) : FControl(AControl) {}

  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  int MaxWidth() const { return FMaxWidth; }
  int MaxHeight() const { return FMaxHeight; }
  // A maximum below the minimum raises the minimum to it, and the other way round.
  void SetMinWidth(int AValue);
  void SetMinHeight(int AValue);
  void SetMaxWidth(int AValue);
  void SetMaxHeight(int AValue);
  // Brings a size inside the limits.
  void Apply(int& AWidth, int& AHeight) const;

  void Assign(const TPersistent& ASource) override;
  TNotifyEvent OnChange;

 private:
  void Changed();

  TControl* FControl;
  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
};

// The canvas of a control: inside a paint it draws on the paint's device context;
// asked outside a paint, it takes a device context of the control's area (a
// windowless control's part of its parent's surface), which it keeps until
// FreeDeviceContexts runs (the application calls it when idle) or the window goes.
class TControlCanvas : public TCanvas {
 public:
  explicit TControlCanvas(TControl* AControl) : FControl(AControl) {}
  ~TControlCanvas() override;

  TControl* Control() const { return FControl; }
  // Lets go of a device context this canvas took itself.
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TControl* FControl;
  HWND FWindow = nullptr;  // the window whose device context this canvas took
  HDC FOwnDC = nullptr;
};

// Releases the device contexts that control canvases took outside painting.
void FreeDeviceContexts();

// How WM_CONTEXTMENU opens a control's PopupMenu at a screen point: the menu pops up
// when its AutoPopup is on (with AControl as its PopupComponent), and the answer says
// whether it did. The menus (Menus.cpp) install it when the first popup menu is made;
// without menus it is empty.
using TPopupMenuShower = std::function<bool(TPopupMenu* AMenu, TControl* AControl, TPoint AScreenPoint)>;
inline TPopupMenuShower ShowControlPopupMenu;
// Called with every WM_MOUSEMOVE a control receives, so that the application's hint
// can follow the pointer; empty without an application.
inline std::function<void(TControl* AControl, const TMessage& AMessage)> ControlMouseMoveHook;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  // Leaves the parent (which forgets it: no dangling entry in Controls), lets go of
  // the mouse (hover and capture) and of its action.
  ~TControl() override;

  void SetName(const String& AName) override;

  // ---- Parent and placement
  TWinControl* Parent() const { return FParent; }
  // Moves the control onto AParent (nullptr: off any parent). Raises
  // EInvalidOperation "Control '…' cannot have itself as parent" for itself.
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int AValue) { SetBounds(AValue, FTop, FWidth, FHeight); }
  void SetTop(int AValue) { SetBounds(FLeft, AValue, FWidth, FHeight); }
  void SetWidth(int AValue) { SetBounds(FLeft, FTop, AValue, FHeight); }
  void SetHeight(int AValue) { SetBounds(FLeft, FTop, FWidth, AValue); }
  // The one way bounds change: constraints and CanResize apply, the parent realigns,
  // OnResize follows a change of size. Overrides adjust the values and call the
  // inherited SetBounds.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& ARect) { SetBounds(ARect.Left, ARect.Top, ARect.Width(), ARect.Height()); }
  // The client area in the control's coordinates; a windowed control's is its
  // window's client rectangle (the window is made for it).
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  // Sizes the control so that its client area gets that size.
  void SetClientWidth(int AValue);
  void SetClientHeight(int AValue);
  // The client area's top-left corner on the screen.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint APoint) { return {APoint.X + ClientOrigin().X, APoint.Y + ClientOrigin().Y}; }
  TPoint ScreenToClient(TPoint APoint) { return {APoint.X - ClientOrigin().X, APoint.Y - ClientOrigin().Y}; }

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign AValue);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors AValue);
  TSizeConstraints& Constraints() { return FConstraints; }
  bool AutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool AValue);
  // Asks the parent to realign its children because this one changed.
  virtual void RequestAlign();
  // Moves the control to the top of its siblings of its kind (windowless controls
  // stay below windowed ones).
  void BringToFront();
  void SendToBack();

  // ---- Visibility and state
  bool Visible() const { return FVisible; }
  void SetVisible(bool AValue);
  void Show();
  void Hide();
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool AValue);
  TControlStyle ControlStyle;
  TControlState ControlState;

  // ---- Text, font, colour, cursor, hint, menu
  const String& Caption() const { return FText; }
  void SetCaption(const String& AValue) { SetText(AValue); }
  const String& Text() const { return FText; }
  // CM_TEXTCHANGED follows a change.
  virtual void SetText(const String& AValue);
  TFont& Font() { return *FFont; }
  // Copies AValue (the control stops following its parent's font).
  void SetFont(const TFont& AValue);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool AValue);
  TColor Color() const { return FColor; }
  void SetColor(TColor AValue);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool AValue);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor AValue);
  String Hint;
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool AValue);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool AValue);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  // Takes a TPopupMenu (a component, declared in Menus.h); written as a template so
  // that the conversion to TComponent happens where the menu's class is known.
  template <typename TMenu = TPopupMenu>
  void SetPopupMenu(TMenu* AValue) {
    SetPopupMenuComponent(AValue, AValue);
  }
  void SetPopupMenu(std::nullptr_t) { SetPopupMenuComponent(nullptr, nullptr); }

  // ---- Actions
  TBasicAction* Action() const;
  void SetAction(TBasicAction* AValue);

  // ---- Messages and painting
  // The control's window procedure; see the top of this file.
  TWndMethod WindowProc;
  // Sends a message straight to WindowProc and returns its result.
  LRESULT Perform(UINT AMsg, WPARAM AWParam, LPARAM ALParam);
  // Handles a message that no handler took: nothing for a windowless control.
  virtual void DefaultHandler(TMessage& AMessage);
  virtual void Invalidate();
  virtual void Repaint();
  // Paints what is invalid now.
  virtual void Update();
  void Refresh() { Repaint(); }
  // Whether the mouse is captured by this control.
  bool MouseCapture() const;
  void SetMouseCapture(bool AValue);

  // ---- Events and the virtual steps behind them
  virtual void Click();
  virtual void DblClick();
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnResize;
  TCanResizeEvent OnCanResize;
  TContextPopupEvent OnContextPopup;

 protected:
  // Message routing: see the top of this file.
  virtual void WndProc(TMessage& AMessage);
  virtual void Dispatch(TMessage& AMessage);

  virtual void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY);
  virtual void MouseMove(TShiftState AShift, int AX, int AY);
  virtual void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY);
  // The wheel turned by AWheelDelta (WHEEL_DELTA a notch, negative towards the user):
  // OnMouseWheel first, then DoMouseWheelDown/Up. Returns whether it was handled.
  virtual bool DoMouseWheel(TShiftState AShift, int AWheelDelta, TPoint AMousePos);
  virtual bool DoMouseWheelDown(TShiftState AShift, TPoint AMousePos);
  virtual bool DoMouseWheelUp(TShiftState AShift, TPoint AMousePos);
  // WM_CONTEXTMENU (AMousePos in client coordinates, (-1, -1) from the keyboard):
  // OnContextPopup may handle it; otherwise the PopupMenu opens.
  virtual void DoContextPopup(TPoint AMousePos, bool& AHandled);
  // The size changed (after SetBounds); raises OnResize.
  virtual void Resize();
  // May refuse or change a new size: OnCanResize.
  virtual bool CanResize(int& ANewWidth, int& ANewHeight);
  // May change the size AutoSize asks for; the default leaves it.
  virtual bool CanAutoSize(int& ANewWidth, int& ANewHeight);
  // Applies AutoSize (by SetBounds with the current bounds).
  virtual void AdjustSize();
  // An action linked to the control changed; the control takes over the action's
  // caption, enabled and visible state, hint (with ACheckDefaults, only where the
  // control still has its defaults).
  virtual void ActionChange(TObject* ASender, bool ACheckDefaults);
  // Called when the control's font changed (before CM_FONTCHANGED goes out).
  virtual void FontChanged();
  // Invalidates the control's rectangle on its parent; AEraseBackground unless it is
  // opaque.
  void InvalidateControl(bool AIsVisible, bool AIsOpaque);
  // The top-level control it stands on (itself for a windowed control without parent).
  TWinControl* TopLevelParent() const;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Loaded() override;
  // Remembers the distances that anchors keep when the parent resizes.
  void UpdateAnchorRules();
  // Sends CM_CANCELMODE (lParam this control) towards the focused control of the
  // top-level control, when that is another control: a press on this control ends the
  // modes (open lists, menus) of the others.
  void SendCancelMode();
  // The device context for drawing on the control outside a paint, with its origin at
  // the control's top left and clipped to it; AWindow receives the window it belongs to
  // (for ReleaseDC).
  virtual HDC GetDeviceContext(HWND& AWindow);

  // For TWinControl: fields it reads and writes directly.
  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  String FText;
  bool FVisible = true;
  bool FEnabled = true;

 private:
  friend class TWinControl;
  friend class TSizeConstraints;
  friend class TControlCanvas;

  // Handlers, one per message.
  void WMLButtonDown(TMessage& AMessage);
  void WMRButtonDown(TMessage& AMessage);
  void WMMButtonDown(TMessage& AMessage);
  void WMLButtonDblClk(TMessage& AMessage);
  void WMRButtonDblClk(TMessage& AMessage);
  void WMMButtonDblClk(TMessage& AMessage);
  void WMLButtonUp(TMessage& AMessage);
  void WMRButtonUp(TMessage& AMessage);
  void WMMButtonUp(TMessage& AMessage);
  void WMMouseMove(TMessage& AMessage);
  void WMMouseWheel(TMessage& AMessage);
  void WMContextMenu(TMessage& AMessage);
  void WMCancelMode(TMessage& AMessage);
  void CMVisibleChanged(TMessage& AMessage);
  void CMEnabledChanged(TMessage& AMessage);
  void CMFontChanged(TMessage& AMessage);
  void CMColorChanged(TMessage& AMessage);
  void CMParentFontChanged(TMessage& AMessage);
  void CMParentColorChanged(TMessage& AMessage);
  void CMParentShowHintChanged(TMessage& AMessage);
  void CMHitTest(TMessage& AMessage);

  void DoMouseDown(TMessage& AMessage, TMouseButton AButton, TShiftState AShift);
  void DoMouseUp(TMessage& AMessage, TMouseButton AButton);
  bool CheckNewSize(int& ANewWidth, int& ANewHeight);
  bool DoCanResize(int& ANewWidth, int& ANewHeight);
  bool DoCanAutoSize(int& ANewWidth, int& ANewHeight);
  void SetPopupMenuComponent(TPopupMenu* AMenu, TComponent* AAsComponent);
  // The parent's alignment places the control: its anchors, then its strip of ARect.
  void AlignPosition(TAlign AAlign, TRect& ARect);
  void ApplyAnchorRules();

  TAlign FAlign = alNone;
  TAnchors FAnchors = AnchorsLeftTop;
  TSizeConstraints FConstraints{this};
  bool FAutoSize = false;
  // The anchor distances (UpdateAnchorRules) and the parent's client size they were
  // taken at; (0, 0) while the control is anchored left and top only.
  TPoint FAnchorRules;
  TPoint FOriginalParentSize;
  // Set while the parent's alignment moves the control, so that its anchor rules stay.
  bool FAnchorMove = false;
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  TColor FColor = clWindow;
  bool FParentColor = true;
  TCursor FCursor = crDefault;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TComponent* FPopupMenuComponent = nullptr;
  std::unique_ptr<TBasicActionLink> FActionLink;
};

// Sets the control that receives the mouse while a button is held (nullptr: none).
// A windowless control's parent window holds the window system's capture for it.
void SetCaptureControl(TControl* AControl);
TControl* GetCaptureControl();
// The control the pointer is over, as the last mouse message found it.
TControl* MouseControl();
