#pragma once
// TspSkinForm: the component that turns a form into a skinned form. Created with the
// form as its owner, it takes over the form's window procedure (every message of the
// window passes FormWindowProc first) and answers the non-client messages from the
// frame of the bound skin, or from a built-in frame when no skin is loaded.
// User-interface thread only.
//
// Two layouts (SupportNCArea): frame mode, where the skin frame is the form's
// non-client area and the client area is what the skin's client rectangle leaves; and
// client-area mode, where the form has no frame and the whole skin picture is drawn in
// the client area.
//
// The hooks. The component replaces the form's WindowProc by a hook that calls
// FormWindowProc and keeps the previous procedure, and the form's OnShortCut by one
// that calls the component's OnShortCut (where the form's handler went). When the
// component goes it puts each back if its hook is still the form's; a hook that
// another one covers in the meantime stays in that chain but turns inert (the window
// hook forwards every message straight to the previous procedure), so nothing ever
// calls into a freed component.
//
// Implementation: SkinForm_Component.cpp (life, properties, FindSkinForm, the shared
// predicates), SkinForm_WindowProc.cpp (the message table), SkinForm_Geometry.cpp
// (frame geometry, region, hit tests, active state), SkinForm_Fade.cpp (opacity and
// fade-in), SkinForm_SizeLimits.cpp (size limits and minimized places),
// SkinForm_Objects.cpp (the skin's live objects and their morph timer),
// SkinForm_Caption.cpp (the caption object), SkinForm_Tracking.cpp and
// SkinForm_TrackingTimers.cpp (hover, capture, mouse delivery, hints, the mouse and
// animation timers), SkinForm_FrameButtons.cpp, SkinForm_FrameButtonsAnimate.cpp and
// SkinForm_FrameButtonsMenuItem.cpp (push buttons, caption buttons, animations and
// main-menu items of the frame).

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm_Caption.h"
#include "components/forms/SkinForm_Geometry.h"
#include "components/forms/SkinForm_Mdi.h"
#include "components/forms/SkinForm_Menus.h"
#include "components/forms/SkinForm_States.h"
#include "components/forms/SkinMenus.h"
#include "platform/base/Set.h"
#include "platform/ui/Application.h"
#include "platform/ui/Collection.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Timer.h"

class TspSkinForm;
class TspTrayIcon;
class TspFormLayerBorder;
class TspActiveSkinObject;
class TspSkinStdButtonObject;
class TspSkinCaptionObject;
class TspSkinHint;
class TspSkinPopupMenu;
enum TSwitchState : int;
class TspSkinStatusBar;
// The main menu bar (SkinMenuBar.h).
class TspSkinMainMenuBar;
class TspSkinMDITabsBar;

// Where a skinned form is placed when first shown: where it is, or centred on its
// monitor's whole rectangle or work area.
enum TspPositionInMonitor { sppDefault, sppScreenCenter, sppDesktopCenter };

// The skin component of AForm: the first TspSkinForm the form owns, in the order the
// form lists its components; nullptr for no form or none.
TspSkinForm* FindSkinForm(TCustomForm* AForm);
// The component of the first document of the application's main form (MDIChildren
// order) whose component has WindowState wsMaximized; nullptr when none.
TspSkinForm* FindMaximizedMDIChildSkinForm();

// Whether a window is a skinned form: SP_QUERYSKINNABLE and its two answers.
constexpr UINT SP_QUERYSKINNABLE = 45490;
constexpr LRESULT SKINNABLE_RESULT_NO = 12852;
constexpr LRESULT SKINNABLE_RESULT_YES = 12853;
// Another window has the form's frame drawn into its own device context (wParam):
// SP_PAINTINTODC, and SP_PAINTNCINTODC with lParam PAINTNC_MAGIC; their answers.
constexpr UINT SP_PAINTINTODC = 45513;
constexpr UINT SP_PAINTNCINTODC = 48203;
constexpr LRESULT PAINTINTODC_RESULT = 12851;
constexpr LPARAM PAINTNC_MAGIC = 16802;

// The look of a deactivated form's client area (see TspClientInActivePanel).
enum TspClientInActiveEffect : uint8_t { spieSemiTransparent, spieBlur };
class TspClientInActivePanel;

class TspSkinForm : public TComponent {
 public:
  // The buttons of the skinned caption. (Members of the class, since the class
  // library's TBorderIcon already names biSystemMenu, biMinimize and biMaximize.)
  enum TspBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
  using TspBorderIcons = TSet<TspBorderIcon>;

  using TChangeClientRectEvent = std::function<void(const TRect& NewClientRect)>;

  // AOwner must be a form: anything else raises EInvalidCast and no component exists.
  // Takes over the form's window procedure and OnShortCut, empties the form's own
  // BorderIcons, and recreates the form's window if it has one.
  explicit TspSkinForm(TComponent* AOwner);
  // Gives the form its window procedure and OnShortCut back (see the hook above).
  ~TspSkinForm() override;

  // ---- Properties
  TspSkinData* SkinData() const { return FSD; }
  // Binds the skin (nullptr: the built-in frame) and recomputes frame, region and
  // client area at the form's current size.
  void SetSkinData(TspSkinData* AValue);
  bool SupportNCArea() const { return FSupportNCArea; }
  void SetSupportNCArea(bool AValue) { FSupportNCArea = AValue; }
  TspBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TspBorderIcons AValue);
  bool SkinnableForm() const { return FSkinnableForm; }
  bool Sizeable = true;
  bool NCDraggAble = true;
  bool MaximizeOnFullScreen = false;
  // The application's own size limits; 0: none (see GetMinWidth and the others).
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  // The window state asked for, and the one the component has put the form in.
  TWindowState WindowState() const { return FWindowStateInit; }
  TWindowState ReachedWindowState() const { return FWindowState; }
  bool RollUpState() const { return FRollUpState; }
  // The form's constant opacity (a layered window while on) and whether the form
  // fades in when shown: to 255, or to AlphaBlendValue with AlphaBlend on.
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool AValue);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t AValue);
  bool AlphaBlendAnimation = false;
  // The form's own cursor over the caption and the frame objects.
  bool UseFormCursorInNCArea = false;
  TShortCutEvent OnShortCut;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;
  TChangeClientRectEvent OnChangeClientRect;

  TCustomForm* Form() const { return FForm; }

  // ---- The window procedure (SkinForm_WindowProc.cpp)
  void FormWindowProc(TMessage& AMessage);

  // ---- Shared predicates (SkinForm_Component.cpp)
  // Height of the built-in caption: 15 for tool-window border styles, else 19.
  int DefaultCaptionHeight() const;
  // Size of a built-in caption button: 13 for tool-window border styles, else 17.
  int DefaultButtonSize() const;
  // Every frame object loses its hover and its active (pressed) look.
  void ResetObjectStates();
  // A skin is bound and loaded, with a frame picture to draw the frame from (a skin
  // whose frame picture could not be read wears the built-in frame).
  bool HasSkin() const { return FSD != nullptr && !FSD->Empty && !FSD->FPicture->Empty(); }
  // Repaints the frame (WM_NCPAINT).
  void UpDateFormNC();

  // ---- Frame geometry, region and size limits: the geometry part (SkinForm_Geometry.h)
  TspSkinFormGeometry& Geometry() const { return *FGeometry; }
  void CalcRects() { FGeometry->CalcRects(); }
  void UpdateSkinFrame(bool AFull) { FGeometry->UpdateSkinFrame(AFull); }
  void UpdateFormRegion(bool AFull) { FGeometry->UpdateFormRegion(AFull); }
  bool PointInSkinFrame(TPoint APoint) { return FGeometry->PointInSkinFrame(APoint); }
  void RefreshFrameSize() { FGeometry->RefreshFrameSize(); }
  int GetMinWidth() const { return FGeometry->GetMinWidth(); }
  int GetMinHeight() const { return FGeometry->GetMinHeight(); }
  int GetMaxWidth() const { return FGeometry->GetMaxWidth(); }
  int GetMaxHeight() const { return FGeometry->GetMaxHeight(); }
  TPoint GetMinimizedPlace() const { return FGeometry->GetMinimizedPlace(); }
  TRect MapSkinRect(const TRect& R) const { return FGeometry->MapSkinRect(R); }
  TRect MapAreaRect(const TRect& R, bool UseAnchors, bool AnchorLeft, bool AnchorTop, bool AnchorRight,
                    bool AnchorBottom) const {
    return FGeometry->MapAreaRect(R, UseAnchors, AnchorLeft, AnchorTop, AnchorRight, AnchorBottom);
  }

  // ---- The active state (SkinForm_Geometry.cpp)
  bool GetFormActive() const;
  // Reports the active state (OnActivate or OnDeActivate, on every call).
  void UpdateActiveState(bool ARedraw);
  // A form that is not skinnable keeps the platform's own frame with the component's
  // minimize and maximize icons, and the system menu unless the caption buttons are
  // hidden.
  void SetNativeBorderIcons();

  // ---- Window states, roll-up and placement: the states part (SkinForm_States.h)
  //
  // The form is never minimized, maximized or restored by the window system's frame
  // logic: the component keeps its own state (WindowState() the one asked for,
  // ReachedWindowState() the one reached) and places the form itself.
  TspSkinFormStates& States() const { return *FStates; }
  void SetWindowState(TWindowState AValue) { FStates->SetWindowState(AValue); }
  void SetRollUpState(bool AValue) { FStates->SetRollUpState(AValue); }
  TRect MaximizedBounds() const { return FStates->MaximizedBounds(); }
  TPoint GetPositionInMonitor(int AX, int AY, int AW, int AH) const {
    return FStates->GetPositionInMonitor(AX, AY, AW, AH);
  }
  void DoMagnetic(int& X, int& Y, int W, int H) { FStates->DoMagnetic(X, Y, W, H); }
  bool MaxRolledUp() const { return FStates->MaxRolledUp(); }
  // The form's outer rectangle: while the layered border shows a visible border, the
  // window lies that far inside it.
  void Move(int AX, int AY) { FStates->Move(AX, AY); }
  void SetBounds(int AX, int AY, int AWidth, int AHeight) { FStates->SetBounds(AX, AY, AWidth, AHeight); }

  // Minimize through the window system instead of the skin's caption strip.
  bool MinimizeDefault = false;
  TspPositionInMonitor PositionInMonitor = sppDefault;
  // Its size grip is hidden while the form is maximized.
  TspSkinStatusBar* StatusBar() const { return FStatusBar; }
  void SetStatusBar(TspSkinStatusBar* AValue);
  bool Magnetic = false;
  uint8_t MagneticSize = 10;
  TNotifyEvent OnMinimize, OnRestore, OnMaximize, OnChangeRollUpState;

  // Index of the hovered frame object; -1 none.
  int ActiveObject = -1;

  // ---- Frame layout, painting and the built-in caption buttons
  // (SkinForm_Layout.cpp, SkinForm_NCPaint.cpp, SkinForm_Background.cpp,
  // SkinForm_CaptionButtons.cpp)

  // The live objects of the frame, owned, in skin order. Without a skin: the six
  // built-in caption buttons, made by the first built-in frame paint and dropped by the
  // first skinned one.
  std::vector<std::unique_ptr<TspActiveSkinObject>> ObjectList;
  // The system-menu caption button shows the application's icon.
  bool ShowIcon = false;
  // Every caption button and animation with a picture of its own hidden and disabled.
  bool HideCaptionButtons = false;
  bool DisableSystemMenu = false;
  // Caption buttons take their hints from the skin's strings or the built-in texts.
  bool UseDefaultObjectHint = true;
  // Fonts of the built-in caption: "Arial", bold, height 14, in button text and in
  // button shadow.
  std::unique_ptr<TFont> DefCaptionFont = NewDefaultCaptionFont(clBtnText);
  std::unique_ptr<TFont> DefInActiveCaptionFont = NewDefaultCaptionFont(clBtnShadow);
  // Drawn centred in the client area over every frame-mode background; empty: none.
  TBitmap LogoBitMap;
  bool LogoBitMapTransparent = false;
  // Draws the built-in caption's text instead of the component: the caption bitmap's
  // canvas, the caption's rectangle in it, and whether the form is active.
  std::function<void(TCanvas& Cnvs, const TRect& R, bool AActive)> OnCaptionPaint;
  // Asked for each plain (cmDefault) caption button whether it shows.
  std::function<void(const String& IDName, bool& ObjectVisible)> OnActivateCustomObject;
  // The caption object's text in the skin's caption font (else in DefCaptionFont).
  bool UseSkinFontInCaption = true;

  // The object events, each naming the object by its IDName first. The mouse points are
  // the ones the object received (window points in frame mode).
  std::function<void(const String&IDName, int X, int Y, const TRect&ObjectRect, TMouseButton Button)>
      OnMouseDownEvent, OnMouseUpEvent;
  std::function<void(const String& IDName, int X, int Y, const TRect& ObjectRect)> OnMouseMoveEvent;
  std::function<void(const String&IDName)> OnMouseEnterEvent, OnMouseLeaveEvent;
  std::function<void(const String& IDName, TSwitchState State)> OnSwitchChangeStateEvent;
  // A user object's area is painted by the application on the frame's canvas.
  std::function<void(const String& IDName, TCanvas& Cnvs, const TRect& ObjectRect)> OnPaintEvent;

  // Every object and area link freed, then one live object per object record of the
  // skin, in the skin's order (SkinForm_SkinChangeObjects.cpp). Kinds that have no live
  // object are passed over.
  void CreateSkinObjects();
  // Carries the morphs of the objects, 25 ms a step; runs while a morph is under way.
  TTimer& MorphTimer() { return *FMorphTimer; }
  // One morph step of every object that has one to do; the timer stops when none had.
  void DoMorphTimer();

  // Sets every object's ObjectRect and FSizeGripArea for the current size and, in
  // frame mode, packs the caption buttons along the caption. Repeatable.
  void PlaceSkinObjects();
  // The caption-button packing of PlaceSkinObjects alone.
  void PlaceCaptionButtons() { FCaption->PlaceCaptionButtons(); }

  // Frame mode, a skin loaded, and a client rectangle in it.
  bool CanPaintSkinFrame() const;
  // The skinned frame (four strips composed from the frame picture, objects drawn into
  // them, the client area left alone) and the built-in frame, onto DC or, without
  // AUseExternalDC, onto the window's own device context.
  void PaintNCSkin(HDC DC, bool AUseExternalDC);
  void PaintNCDefault(HDC DC, bool AUseExternalDC);
  // Redraws one object over the finished frame (or the client area in client-area
  // mode).
  void DrawSkinObject(TspActiveSkinObject* AObject);
  // The object takes part in painting in the current roll-up state.
  bool IsObjectPresent(const TspActiveSkinObject& AObject) const;
  // Whether a window point lies on a caption object present now, so that it drags the
  // form (never with NCDraggAble off).
  bool PointInCaptionObject(TPoint APoint) const;

  // Client backgrounds into the client device context DC (nothing for 0): the frame
  // picture's client piece, the skin's background picture, the MDI background picture
  // (both fall back to PaintBG for an index the skin lacks), the built-in fill; and, in
  // client-area mode, the whole skin picture with its objects and size grip.
  void PaintBG(HDC DC);
  void PaintBG2(HDC DC);
  void PaintBG3(HDC DC);
  void PaintBGDefault(HDC DC);
  void Paint(HDC DC);
  void DrawLogo(TCanvas& ACanvas);

  // The six built-in caption buttons; the caption buttons enabled and shown by the
  // border icons; their hints (the caption part).
  void CreateDefaultButtons() { FCaption->CreateDefaultButtons(); }
  void ApplyBorderIcons() { FCaption->ApplyBorderIcons(); }
  void UpdateButtonHints() { FCaption->UpdateButtonHints(); }
  // Frees every object.
  void ClearObjects() { ObjectList.clear(); }
  // The application's icon at the small-icon size, its top-left corner at (AX, AY).
  void DrawFormIcon(TCanvas& ACanvas, int AX, int AY) const { FCaption->DrawFormIcon(ACanvas, AX, AY); }
  bool UseAutoInActiveImage() const { return HasSkin() && FSD->AutoRenderingInActiveImage; }
  bool IsMaximizedMDIChild() const;
  static std::unique_ptr<TFont> NewDefaultCaptionFont(TColor AColor);

  // ---- Object tracking, hit testing and timers (SkinForm_Tracking.cpp,
  // SkinForm_TrackingTimers.cpp)
  //
  // The hover (ActiveObject) comes only from TestActive: from the hit test when the
  // pointer reaches a frame object, then from the 50 ms mouse timer until the pointer
  // leaves the window. The object a press lands on holds the mouse (MouseCaptureObject)
  // until the release. Indexes are into ObjectList; one past its end counts as none.

  // The hover before the last hover test, and the object holding the mouse; -1 none.
  int OldActiveObject = -1;
  int MouseCaptureObject = -1;
  // Client-area mode: the cursor has come over the form.
  bool MouseIn = false;
  // Frame objects show their Hint through SkinHint while hovered.
  bool ShowObjectHint = false;
  // Client-area mode: the skin's cursors over the picture and its objects.
  bool UseSkinCursors = false;
  // Client-area mode: a left press on the picture outside every object drags the form.
  bool DraggAble = false;
  // Not owned; cleared when it goes.
  TspSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TspSkinHint* AValue);
  // 25 ms frame steps of animations; 50 ms polling of the hover.
  TTimer& AnimateTimer() { return *FAnimateTimer; }
  TTimer& MouseTimer() { return *FMouseTimer; }

  // The hover test at (X, Y) (window points in frame mode, client points in client-area
  // mode): the first present, enabled and visible object whose rectangle and mask hold
  // the point takes the hover when AHover is set; the one losing it gets MouseLeave and
  // its hint goes, the one taking it gets MouseEnter and shows its hint. (-1, -1, false)
  // ends the hover. Nothing changes while the form cannot hover (see the file).
  void TestActive(int X, int Y, bool AHover);
  // The form's cursor: the hovered object's skin cursor, else the skin's, else the
  // default one.
  void UpdateSkinCursor();
  void DoMouseTimer();
  void DoAnimateTimer();
  // Client-area mode: the form follows the cursor from the client point (X, Y) on.
  void StartDragging(int X, int Y);
  void StopDragging();
  bool IsDragging() const { return FIsDragging; }
  // The mouse handed to the objects: a press goes to the hovered object, which holds
  // the mouse (in frame mode with the window's capture, except a caption object) and
  // then gets every move and the release.
  void ObjectsMouseDown(TMouseButton Button, int X, int Y);
  void ObjectsMouseUp(TMouseButton Button, int X, int Y);
  void ObjectsMouseMove(int X, int Y);
  void ObjectsDblClick();
  // The hit test of client-area mode (client point): the skin's size grip and resizing
  // borders, else HTCLIENT.
  LRESULT ClientAreaHitTest(TPoint APoint);
  // The window under the screen point is the form's own.
  bool CursorOverForm(TPoint AScreenPoint) const;
  // The command of a caption button or animation (SkinForm_FrameButtons.cpp): the
  // hover ends, then the form closes, maximizes or restores, minimizes or restores; or
  // it rolls up or down.
  void RunCaptionCommand(TStdCommand ACommand);
  // The main-menu items of the frame one after the other in the menu strip, in list
  // order (SkinForm_FrameButtonsMenuItem.cpp).
  void PlaceMainMenuItems();

  // ---- Skin change, control walks and area links (SkinForm_SkinChange.cpp,
  // SkinForm_SkinChangeWalk.cpp, SkinForm_SkinChangeLinks.cpp)

  // One control linked to a skin area: placed by the area's rectangle (frame-picture
  // coordinates) and anchors whenever the frame changes size.
  struct TspAreaLink {
    TControl* Control = nullptr;
    TRect AreaRect;
    bool UseAnchors = false, AnchorLeft = false, AnchorTop = false, AnchorRight = false, AnchorBottom = false;
  };

  // Applies the bound skin (or none) to the form: the frame objects and caption buttons
  // rebuilt, the minimum size enforced, frame, region and active state recomputed; in
  // client-area mode also the client fitted to the skin and the area links made again.
  void ChangeSkinData();
  // The two walks of a skin change over AControl and every control below it, depth
  // first, a parent before its children: each skinned control bound to ASkinData (to
  // any skin for nullptr) forgets its element, or reads it again.
  void BeforeChangeControlsSkinData(TspSkinData* ASkinData, TControl* AControl);
  void ChangeControlsSkinData(TspSkinData* ASkinData, TControl* AControl);
  // Links Control to the skin area AreaName: its Align becomes alNone and it is placed
  // by the area from then on. A name the skin lacks, or an empty area, links nothing.
  // A link goes with its control when the control is freed.
  void LinkControlToArea(const String& AreaName, TControl* Control);
  // Removes the first link of Control; nothing when it has none.
  void UnLinkControlFromArea(TControl* Control);
  // Client-area mode: every skinned control directly on the form with an AreaName is
  // linked to that area.
  void LinkControlsToAreas();
  // Every linked control takes its area's rectangle for the current size.
  void UpdateLinkedControls();
  const std::vector<TspAreaLink>& AreaList() const { return FAreaList; }
  // Set while a skin is applied; the named-object setters change values silently then.
  bool InChangeSkinData() const { return FInChangeSkinData; }
  // Imposed on the form's client area after each skin change (frame mode); 0: not.
  // A client height above 0 is also what rolling down gives the form back.
  int ClientWidth = 0, ClientHeight = 0;
  TNotifyEvent OnChangeSkinData;

  // ---- Named frame objects (SkinForm_Named.cpp)
  // Each operation finds the first object whose IDName is AIDName exactly; a name no
  // object bears, or an object of another kind, does nothing (getters: the default).

  // The index in ObjectList; -1 for none.
  int GetIndex(const String& AIDName) const;
  // A user object draws itself on the frame (OnPaintEvent).
  void UserObjectDraw(const String& AIDName);
  void LabelSetText(const String& AIDName, const String& ATextValue);
  void CaptionSetText(const String& AIDName, const String& AText);
  TSwitchState SwitchGetState(const String& AIDName) const;
  void SwitchSetState(const String& AIDName, TSwitchState AState);
  bool ButtonGetDown(const String& AIDName) const;
  void ButtonSetDown(const String& AIDName, bool ADown);
  // The values of track bars, gauges, frame gauges and regulators, and the text of a
  // bit-map-font label (getters: 0 for none).
  int TrackBarGetValue(const String& AIDName) const;
  void TrackBarSetValue(const String& AIDName, int AValue);
  void GaugeSetValue(const String& AIDName, int AValue);
  void FrameGaugeSetValue(const String& AIDName, int AValue);
  int FrameRegulatorGetValue(const String& AIDName) const;
  void FrameRegulatorSetValue(const String& AIDName, int AValue);
  void BitLabelSetText(const String& AIDName, const String& AValue);
  // Enables or disables any object; the change shows at the next paint of the frame.
  void SetEnabled(const String& AIDName, bool Value);
  // The value events of the frame's track bars and regulators, naming the object.
  std::function<void(const String&IDName, int Value)> OnTrackBarChangeValueEvent,
      OnFrameRegulatorChangeValueEvent;
  // ---- Skinned popup menus, shortcuts, the system menu and the tray: the menus part
  // (SkinForm_Menus.h)
  TspSkinFormMenus& Menus() const { return *FMenus; }
  // The popup chain of this form, made with its first use and owned by the component.
  TspSkinMenu& SkinMenu() { return FMenus->SkinMenu(); }
  // The skin of this form's popup menus; SkinData serves when none.
  TspSkinData* MenusSkinData() const { return FMSD; }
  void SetMenusSkinData(TspSkinData* AValue) { ReplaceNotified(FMSD, AValue); }
  TspSkinData* MenuSkin() const { return FMSD ? FMSD : FSD; }
  // A skinned popup opened through this form is open.
  bool InMenu = false;
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;
  // A popup is about to open through this form; the popup chain of this form has
  // closed.
  void SkinMenuOpen() { FMenus->SkinMenuOpen(); }
  void SkinMenuClose() { FMenus->SkinMenuClose(); }
  // ---- The main menu bar and main-menu keyboard mode (SkinMenuBar*.cpp,
  // SkinForm_SkinMenu.cpp)
  // The bar showing the form's main menu; set and cleared by the bar itself.
  TspSkinMainMenuBar* MainMenuBar = nullptr;
  // Main-menu mode: a main menu item (of the bar or of the frame) is selected by
  // keyboard, down or has its menu open; keys go to the bar.
  bool InMainMenu = false;
  TNotifyEvent OnMainMenuEnter;
  TNotifyEvent OnMainMenuExit;
  // Ends main-menu keyboard mode: an open popup closes and the bar's item goes cold.
  void LeaveMainMenu() { FMenus->LeaveMainMenu(); }
  // ---- The MDI tabs bar and the menu bar's document buttons (SkinMdiTabs*.cpp,
  // SkinMenuBar_MdiButtons.cpp)
  // The frame's tabs bar; set and cleared by the bar itself.
  TspSkinMDITabsBar* MDITabsBar = nullptr;
  // A document's component asks whether its document gets a tab (Accept starts true).
  std::function<void(bool& Accept)> OnAcceptToMDITabsBar;
  // Called on a document's component with its form: the tab of Child in the tabs bar
  // of the main form's component, added, removed, or redrawn with its new caption.
  void AddChildToBar(TCustomForm* Child);
  void DeleteChildFromBar(TCustomForm* Child);
  void RefreshMDIBarTab(TCustomForm* Child);
  // The main form's tabs bar marks the active document's tab.
  static void RefreshMDITabs();
  // A document's component: its tab follows the document's showing, hiding,
  // activation and end.
  void FollowMDITabsBar(const TMessage& AMessage);
  // The frame's component, after it handled a document's maximize or restore: the main
  // menu bar shows the maximized document's buttons, or hides them when none is left.
  void FollowMDIChildButtons(const TMessage& AMessage);

  // ---- The caption buttons and quick buttons: the caption part (SkinForm_Caption.h)
  TspSkinFormCaption& CaptionPart() const { return *FCaption; }
  // The caption's quick buttons and the image list they are drawn from.
  TspQuickButtonItems& QuickButtons() { return FCaption->QuickButtons(); }
  void SetQuickButtons(const TspQuickButtonItems& AValue) { FCaption->SetQuickButtons(AValue); }
  TCustomImageList* QuickImageList() const { return FCaption->QuickImageList(); }
  void SetQuickImageList(TCustomImageList* AValue) { FCaption->SetQuickImageList(AValue); }
  bool HasQuickButtons() const { return FCaption->HasQuickButtons(); }
  // The hot quick button shows its Hint through SkinHint.
  bool QuickButtonsShowHint = false;
  // ---- Form shortcuts and the system menu (the menus part)
  // The form's OnShortCut (see TspSkinFormMenus::FormShortCut).
  void FormShortCut(TWMKey& AMsg, bool& AHandled) { FMenus->FormShortCut(AMsg, AHandled); }
  // A menu's items as a popup of this form, with the menu skin, at a screen point, or
  // at a screen rectangle (upward with APopupUp).
  void PopupSkinMenu(TMenu* AMenu, TPoint APoint) { FMenus->PopupSkinMenu(AMenu, APoint); }
  void PopupSkinMenu1(TMenu* AMenu, const TRect& ARect, bool APopupUp) {
    FMenus->PopupSkinMenu1(AMenu, ARect, APopupUp);
  }
  // The menu's OnPopup (the component as sender), then its items at (AX, AY) drawn
  // with SkinData.
  void DoPopupMenu(TPopupMenu* AMenu, int AX, int AY) { FMenus->DoPopupMenu(AMenu, AX, AY); }
  // The system menu of the form's state at a screen point.
  void PopupSystemMenu(int AX, int AY) { FMenus->PopupSystemMenu(AX, AY); }
  // ---- Menus of frame objects (SkinForm_ObjectMenus.cpp)
  // A frame object's menu: AItem's sub-items beside AObjectRect (window coordinates),
  // below it or, with APopupUp, above it; through AItem's own skinned popup menu when it
  // belongs to one, else through this form's chain. Nothing for an item without
  // sub-items.
  void PopupObjectMenu(TMenuItem* AItem, const TRect& AObjectRect, bool APopupUp);
  // A button, or an animation drawn as a button, opens AMenu's items when pressed.
  // The link goes when AMenu is freed.
  void LinkMenu(const String& AIDName, TMenu* AMenu, bool APopupUp);
  // The chain closed: the object that opened it is set back.
  void ReleaseMenuObjects();
  // The items the system menu shows now: SystemMenu completed with the standard items,
  // or the component's own menu built anew.
  TMenuItem* GetSystemMenuItems() { return FMenus->GetSystemMenuItems(); }
  // The names of the standard items a system menu of that state holds, in the order
  // of the component's own menu.
  static std::vector<String> StandardSystemItemNames(TspBorderIcons AIcons, TWindowState AState,
                                                     bool ARolledUp, bool AMaximizedMDIChild);
  // The application's own system menu (not owned); the component completes it with the
  // standard items unless UseDefaultSysMenu is off.
  TPopupMenu* SystemMenu() const { return FSystemMenu; }
  void SetSystemMenu(TPopupMenu* AValue) { ReplaceNotified(FSystemMenu, AValue); }
  bool UseDefaultSysMenu = true;
  // The minimize item and button go to the tray.
  bool AlwaysMinimizeToTray = false;

 private:
  // The layered border places the caption buttons in its top window.
  TspSkinStdButtonObject* FindMovableCaptionButton(TStdCommand ACommand) const {
    return FCaption->FindMovableCaptionButton(ACommand);
  }
  TPoint CaptionButtonSize(const TspSkinStdButtonObject& AButton) const {
    return FCaption->CaptionButtonSize(AButton);
  }
  TspSkinCaptionObject* FirstCaptionObject() const { return FCaption->FirstCaptionObject(); }
  void TakeFormSizeIfUnknown();
  void PaintDefaultCaption(TBitmap& ACaption);
  void LayOutBackground(HDC DC, TBitmap& APicture, bool AStretchEffect, TspStretchType AStretchType);
  void FillClientWithButtonFace(HDC DC);
  void DrawLogoOn(HDC DC);
  void ComposeClientAreaImage(TBitmap& AImage);
  void DrawSizeGrip(TCanvas& ACanvas);

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  struct THookLink;
  struct TWindowHook;
  struct TShortCutHook;
  void RemoveHooks();
  // Passes the message to the form's own procedure.
  void CallOldWindowProc(TMessage& AMessage);

  // SkinForm_WindowProc.cpp: the cases of the message table.
  void WMSize(TMessage& AMessage);
  void WMNCCalcSize(TMessage& AMessage);
  void WMNCHitTest(TMessage& AMessage);
  void WMNCActivate(TMessage& AMessage);
  void WMGetMinMaxInfo(TMessage& AMessage);
  void WMSizing(TMessage& AMessage);
  void WMMoving(TMessage& AMessage);
  void WMEnterSizeMove(TMessage& AMessage);
  void WMExitSizeMove(TMessage& AMessage);
  void WMActivate(TMessage& AMessage);
  void WMSetCursor(TMessage& AMessage);
  // The system commands the skin takes; true: finished, not passed on.
  bool WMSysCommand(TMessage& AMessage);
  // SkinForm_SkinChange.cpp: the skin-change messages.
  void SPSkinChange(TMessage& AMessage);
  void SPChangeSkinnableForm(TMessage& AMessage);
  // The frame (skinned or built-in) onto the window or onto ADC, where the form has one;
  // the client background onto ADC by the skin's background picture.
  void PaintFrame(HDC ADC, bool AUseExternalDC);
  void PaintBackground(HDC ADC);
  // The screen point of a non-client message in window coordinates.
  TPoint ScreenToFramePoint(LPARAM ALParam) const;

  // SkinForm_Fade.cpp: the opacity and the fade-in on window timer 1.
  bool AlphaBlendApplies() const;
  bool AnimatesForAllWindows() const;
  void StartFadeIn();
  void FadeStep(TMessage& AMessage);
  void FinishFade(int ATarget);

  // The form not rolled up and not skin-minimized.
  bool IsFreeForm() const { return !FRollUpState && FWindowState != wsMinimized; }

  TCustomForm* FForm = nullptr;
  std::shared_ptr<THookLink> FHook;
  // ---- The collaborators: the parts of the component, each made by the constructor
  // before anything else happens (in the order they are declared here; each only keeps
  // its component) and freed after the destructor's body, once the hooks are off.
  std::unique_ptr<TspSkinFormMdi> FMdi;
  std::unique_ptr<TspSkinFormStates> FStates;
  std::unique_ptr<TspSkinFormMenus> FMenus;
  std::unique_ptr<TspSkinFormCaption> FCaption;
  std::unique_ptr<TspSkinFormGeometry> FGeometry;
  friend class TspSkinFormCaption;
  friend class TspSkinFormGeometry;
  friend class TspSkinFormMdi;
  friend class TspSkinFormStates;
  friend class TspSkinFormMenus;
  TspSkinData* FSD = nullptr;
  bool FSupportNCArea = true;
  bool FSkinnableForm = true;
  bool FSkinSupport = false;
  TspBorderIcons FBorderIcons = {biSystemMenu, biMinimize, biMaximize, biRollUp};
  TWindowState FWindowStateInit = wsNormal;
  TWindowState FWindowState = wsNormal;
  bool FRollUpState = false;
  bool FFormActive = false;
  // Owned by this component (the component model frees it).
  TTimer* FMorphTimer = nullptr;
  // The menus LinkMenu gave objects, with the items it gave them: a freed menu's items
  // are taken back from the objects (SkinForm_ObjectMenus.cpp).
  std::vector<std::pair<TMenu*, TMenuItem*>> FLinkedMenus;
  void UnlinkMenu(TComponent* AMenu);
  bool FSizeMove = false;
  bool FSizing = false;
  bool FFullDrag = false;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  // The fade's alpha so far.
  int FFadeAlpha = 0;

  // ---- Object tracking (SkinForm_Tracking.cpp, SkinForm_TrackingTimers.cpp) and the
  // mouse cases of the message table (SkinForm_WindowProc.cpp)
  // A disabled timer owned by this component, calling AHandler.
  TTimer* NewObjectTimer(UINT AInterval, void (TspSkinForm::*AHandler)());
  void StopObjectTimers();
  // The object at AIndex of ObjectList; nullptr for -1 or past the end.
  TspActiveSkinObject* ObjectAt(int AIndex) const;
  bool CanHover() const;
  // The screen point as an object point: window coordinates in frame mode, client
  // coordinates in client-area mode.
  TPoint ScreenToObjectPoint(TPoint AScreenPoint) const;
  void FollowDrag();
  void WMNCMouseMove(TMessage& AMessage);
  void WMNCButtonDown(TMessage& AMessage, TMouseButton AButton);
  void WMNCButtonUp(TMessage& AMessage, TMouseButton AButton);
  void WMNCLButtonDblClk(TMessage& AMessage);
  void NCCaptionDblClick();
  void WMMouseMove(TMessage& AMessage);
  void WMButtonDown(TMessage& AMessage, TMouseButton AButton);
  void WMButtonUp(TMessage& AMessage, TMouseButton AButton);
  void WMButtonDblClk(TMessage& AMessage, TMouseButton AButton);

  TspSkinHint* FSkinHint = nullptr;
  bool FIsDragging = false;
  // The cursor's screen position at the last drag step.
  int FOldX = 0, FOldY = 0;
  // Owned by this component (the component model frees them).
  TTimer* FAnimateTimer = NewObjectTimer(25, &TspSkinForm::DoAnimateTimer);
  TTimer* FMouseTimer = NewObjectTimer(50, &TspSkinForm::DoMouseTimer);

  // Skin change and area links (SkinForm_SkinChange*.cpp).
  // ChangeSkinData of the two layouts.
  void ChangeFrameSkinData();
  void ChangeClientAreaSkinData();
  // Client-area mode: the client area takes the skin picture's size (a fixed skin) or
  // at least it (a resizable one).
  void FitClientToSkin();
  // Client-area mode, not rolled up: the frame of the current size, where the skin can
  // take it (a resizable skin, or a client area of the skin picture's size).
  void UpdateClientAreaSkinFrame();
  // The skin's objects and caption buttons for frame mode, or the frame without them.
  void ApplyFrameModeObjects();
  void EnforceMinimumSize();
  // Frees every area link and the free notifications they hold.
  void ClearAreaLinks();
  // Drops every link of a control being freed.
  void DropAreaLinksOf(TComponent* AComponent);
  std::vector<TspAreaLink> FAreaList;
  bool FInChangeSkinData = false;
  // Set between the two skin-change messages: the built-in frame is not painted.
  bool FStopPainting = false;
  // The main menu bar gives the application's keys to the popup chain.
  void HookApplication() { FMenus->HookApplication(); }
  friend class TspSkinMainMenuBar;
  // The full layered border lays out the caption objects in its top window.
  friend class TspFormLayerBorder;
  TspSkinData* FMSD = nullptr;
  // ---- The inactive-client effect (SkinForm_InactiveEffect.cpp)
 public:
  // With ClientInActiveEffect on, a visible form covers its client area with a still
  // picture of it while inactive, in the look ClientInActiveEffectType.
  bool ClientInActiveEffect = false;
  TspClientInActiveEffect ClientInActiveEffectType = spieSemiTransparent;
  // A panel still shown is replaced by a new one.
  void ShowClientInActiveEffect();
  void HideClientInActiveEffect();
  // The panel while the effect is shown; nullptr otherwise.
  TspClientInActivePanel* InActivePanel() const { return FInActivePanel; }

 private:
  // Activation shows or hides the effect (WM_NCACTIVATE).
  void FollowActivationWithClientEffect();
  // Owned by this component.
  TspClientInActivePanel* FInActivePanel = nullptr;
  // True only while the panel takes its picture: an MDI main form paints its background too.
  bool FClientInActiveDraw = false;

 protected:
  // Applies a WindowState asked for while loading (frame mode).
  void Loaded() override;

 private:
  TspSkinStatusBar* FStatusBar = nullptr;
  TPopupMenu* FSystemMenu = nullptr;

  // ---- Minimizing to the tray (the menus part)
 public:
  TspTrayIcon* TrayIcon() const { return FMenus->TrayIcon(); }
  // See TspSkinFormMenus::SetTrayIcon.
  void SetTrayIcon(TspTrayIcon* AValue) { FMenus->SetTrayIcon(AValue); }
  bool AlwaysShowInTray = false;
  // Both do nothing without a tray icon.
  void MinimizeToTray() { FMenus->MinimizeToTray(); }
  void RestoreFromTray() { FMenus->RestoreFromTray(); }
  TNotifyEvent OnMinimizeToTray;
  TNotifyEvent OnRestoreFromTray;

 private:
  // ---- Multiple-document interface: the MDI coordinator (SkinForm_Mdi.h)
 public:
  TspSkinFormMdi& Mdi() const { return *FMdi; }
  // Arranging, on the frame's component (nothing on any other).
  void MinimizeAll() { FMdi->MinimizeAll(); }
  void MaximizeAll() { FMdi->MaximizeAll(); }
  void RestoreAll() { FMdi->RestoreAll(); }
  void CloseAll() { FMdi->CloseAll(); }
  void Tile() { FMdi->Tile(); }
  void Cascade() { FMdi->Cascade(); }
  void ArrangeMinimizedChildren() { FMdi->ArrangeMinimizedChildren(); }
  // How Tile arranges the documents.
  TTileMode TileMode = tbHorizontal;
  // The MDI client's scroll bars show while documents reach outside it.
  bool ShowMDIScrollBars = true;
  TspSkinScrollBar* MDIHScrollBar() const { return FMdi->MDIHScrollBar(); }
  TspSkinScrollBar* MDIVScrollBar() const { return FMdi->MDIVScrollBar(); }
  bool MDIChildMaximized() const { return FMdi->MDIChildMaximized(); }
  String CaptionText() const { return FMdi->CaptionText(); }

  // ---- The layered border (SkinForm_LayeredBorder*.cpp)
 public:
  // The skin's layer frame is shown around the form: a skin with a layer frame picture
  // and ShowLayeredBorders on, layered windows with per-pixel alpha available (a
  // compositor runs), a skinnable form that is no MDI child and, with border style
  // bsNone, in client-area mode; never with AlwaysDisableLayeredFrames.
  bool UseLayeredBorder() const;
  bool AlwaysDisableLayeredFrames = false;
  // Sizeable, or a sizeable border style.
  bool IsSizeAble() const;
  TspFormLayerBorder& LayerBorder() const { return *FBorderLayer; }
  // The layered border in force with a full-border frame: the form keeps only its
  // client area; and, shown, its top window takes the frame's drawing and mouse.
  bool FullLayeredBorderInForce() const;
  bool WearsFullLayeredBorder() const;
  // A full layered border around a rolled-up or skin-minimized form: the form and its
  // frame collapse to the frame's RollUpFormHeight.
  bool UseCollapsedLayerFrame() const;
  bool InSizeMove() const { return FSizeMove; }

 private:
  // Owned by this component: made after FForm, freed by the destructor once the
  // component's hooks are off.
  TspFormLayerBorder* FBorderLayer = NewFormLayerBorder(this);
  static TspFormLayerBorder* NewFormLayerBorder(TspSkinForm* ASkinForm);
};

// The MDI messages between documents and their frame (see SkinForm_MdiWindowProc.cpp).
// SP_MDICHILDCHANGED and SP_MDIRESTOREALLEXCEPT carry a document's window in wParam.
constexpr UINT SP_MDICHILDFITCLIENT = 1230;
constexpr UINT SP_MDICHILDMAXIMIZED = 1231;
constexpr UINT SP_MDICHILDRESTORED = 1232;
constexpr UINT SP_MDICHILDCHANGED = 1233;
constexpr UINT SP_MDIRESTOREALL = 1234;
constexpr UINT SP_MDIRESTOREALLEXCEPT = 1235;
constexpr UINT SP_MDIQUERYCHILDMAXIMIZED = 1236;

// The area of the application's main form in which its documents live, in its client
// coordinates: what its visible alLeft, alTop, alRight and alBottom controls leave of
// the client area. Empty without a main form.
TRect GetMDIClientRect();
// The main form's active document when its component has it maximized, else the first
// document (MDIChildren order) whose component has; nullptr when none.
TCustomForm* FindMaximizedMDIChild();

// ---------------------------------------------------------------- frame objects
//
// The live objects a skinned form keeps in its ObjectList, one per object record of
// the skin (SkinForm_Objects.cpp), or the six built-in caption buttons of a form
// without skin. ObjectRect is in window coordinates in frame mode and in client
// coordinates in client-area mode; the mouse points handed to an object are in the same
// coordinates. An object keeps no picture of its own: its pictures belong to the skin.

class TspActiveSkinObject {
 public:
  // An object without skin record (the built-in caption buttons).
  explicit TspActiveSkinObject(TspSkinForm* AParent);
  // Takes name, hint, looks, morphing, cursor, roll-up and glow values from the skin
  // record, and its pictures from the skin's picture list (an index the list lacks
  // names none; without an active picture there is no hot look either).
  TspActiveSkinObject(TspSkinForm* AParent, const TspDataSkinObject& AData);
  virtual ~TspActiveSkinObject() = default;
  TspActiveSkinObject(const TspActiveSkinObject&) = delete;
  TspActiveSkinObject& operator=(const TspActiveSkinObject&) = delete;

  // Whether the point (relative to the object's top-left corner) belongs to the
  // object: every point without a mask picture, else only the mask's black pixels.
  virtual bool HitTest(int X, int Y) const;
  // Draws the object at ObjectRect on Cnvs: the inactive look, a morph frame, the hot
  // look or the normal look. UpDate: the object is drawn alone over a finished frame
  // rather than into a frame composed from the frame picture, which already shows the
  // normal look.
  virtual void Draw(TCanvas& Cnvs, bool UpDate);
  virtual void DblClick() {}
  // X, Y are window points (client points in client-area mode), passed on to the
  // form's object events as they came.
  virtual void MouseDown(int X, int Y, TMouseButton Button);
  virtual void MouseUp(int X, int Y, TMouseButton Button);
  virtual void MouseMove(int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // A morph step is still to be done towards the look Active asks for.
  virtual bool CanMorphing() const;

  // Morphing applies: asked for by the record, a hot look to morph to and the skin's
  // effects on.
  bool EnableMorphing() const;
  // One morph step of 0.2 towards the hot look (Active) or the normal look, redrawn.
  void DoMorphing();
  double MorphKf() const { return FMorphKf; }
  // Clamped to 0..1.
  void SetMorphKf(double AValue);

  TspSkinForm* Parent;
  TspSkinData* SD = nullptr;
  // The frame picture (the roll-up picture for a roll-up object), the object's own
  // picture and its mask; not owned, nullptr for none.
  TBitmap* Picture = nullptr;
  TBitmap* ActivePicture = nullptr;
  TBitmap* ActiveMaskPicture = nullptr;
  String IDName, Hint;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  TRect ObjectRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  // The skin cursor over the object; -1 the skin's default one.
  int CursorIndex = -1;
  // Its pictures are not part of the frame picture, so the caption layout may move it.
  bool SkinRectInAPicture = false;
  // Belongs to the rolled-up picture.
  bool RollUp = false;
  bool Visible = true;
  bool Enabled = true;
  bool Active = false;
  bool FMouseIn = false;
  int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetX = 0, GlowLayerOffsetY = 0, GlowLayerAlphaBlendValue = 0;

 protected:
  // Redraws now, or lets the form's morph timer carry the change when morphing applies.
  void ReDraw();
  // The form has a loaded skin to draw from.
  bool HasSkin() const;
  // ASource of APicture stretched onto ObjectRect.
  void DrawLook(TCanvas& Cnvs, TBitmap& APicture, const TRect& ASource) const;
  // The normal look morphed towards the hot look by MorphKf, at ObjectRect.
  void DrawMorphFrame(TCanvas& Cnvs) const;
  // ANormal of ANormalPicture morphed towards AHot of ActivePicture by MorphKf, at
  // ObjectRect.
  void DrawMorphBetween(TCanvas& Cnvs, TBitmap* ANormalPicture, const TRect& ANormal,
                        const TRect& AHot) const;
  // A morph from one look to the other is under way.
  bool MorphUnderWay() const { return (Active && FMorphKf != 1) || (!Active && FMorphKf != 0); }
  // Notes the hover and reports it (OnMouseEnterEvent or OnMouseLeaveEvent), for the
  // kinds whose look does not follow the mouse.
  void ReportHover(bool AMouseIn);

  double FMorphKf = 0;
};

// An area of the frame the application paints itself (OnPaintEvent).
class TspUserObject : public TspActiveSkinObject {
 public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void Draw(TCanvas& Cnvs, bool UpDate) override;
};

enum TSwitchState : int { swsOn, swsOff };

// A two-state switch: its on look is the hot look, and a left press toggles it.
class TspSkinSwitchObject : public TspActiveSkinObject {
 public:
  using TspActiveSkinObject::TspActiveSkinObject;

  TSwitchState State() const { return FState; }
  // Stores the state, morphs to its look and reports it (OnSwitchChangeStateEvent).
  void SetState(TSwitchState AValue);
  // Stores the state without drawing or event (the on look at once).
  void SimpleSetState(TSwitchState AValue);
  void MouseDown(int X, int Y, TMouseButton Button) override;
  // The look follows the state, not the mouse: only the hover and the event change.
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  TSwitchState FState = swsOff;
};

// A text in a system font on a piece of the frame picture (or, hot, of its own picture).
class TspSkinLabelObject : public TspActiveSkinObject {
 public:
  TspSkinLabelObject(TspSkinForm* AParent, const TspDataSkinLabel& AData);

  // Drawn whatever UpDate says: the text is not part of the frame picture.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void MouseEnter() override;
  void MouseLeave() override;
  const String& TextValue() const { return FTextValue; }
  void SetTextValue(const String& AValue, bool AUpDate);

  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack;
  TAlignment Alignment = taLeftJustify;

 private:
  // ASource of APicture stretched to the object with the text on it in AColor.
  void ComposeLabel(TBitmap& AImage, TBitmap& APicture, const TRect& ASource, TColor AColor) const;
  // The hover changes the look when there is a hot picture or a hot colour.
  bool HoverChangesLook() const;

  String FTextValue;
};

// A push button of the frame (SkinForm_FrameButtons.cpp): down from press to release,
// or, in a radio group (GroupIndex), until another button of the group goes down.
class TspSkinButtonObject : public TspActiveSkinObject {
 public:
  // A button without skin record (the built-in caption buttons).
  explicit TspSkinButtonObject(TspSkinForm* AParent) : TspActiveSkinObject(AParent) {}
  TspSkinButtonObject(TspSkinForm* AParent, const TspDataSkinButton& AData);

  bool Down() const { return FDown; }
  // Shows the down look (or, with a menu and no down look, the hot one); going down
  // sets the other down button of its group up.
  void SetDown(bool AValue);
  // The disabled look, the down look while in a group or under the mouse, else the
  // base looks.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // A left press sets the button down; a left release sets a plain one up again. A
  // release away from the button is not reported.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  bool FDown = false;
  // The popup opens above the button.
  bool FPopupUp = false;
  TRect DownRect, DisableSkinRect;
  // The radio group; -1 none.
  int GroupIndex = -1;
  // The items a press pops up; not owned.
  TMenuItem* MenuItem = nullptr;

 private:
  void ReleaseGroup();
};

// A caption button: close, maximize, minimize, system menu, roll-up, minimize to tray,
// or a plain one (cmDefault).
class TspSkinStdButtonObject : public TspSkinButtonObject {
 public:
  // A built-in caption button of a form without skin.
  TspSkinStdButtonObject(TspSkinForm* AParent, const String& AIDName, TStdCommand ACommand);
  // A caption button of the skin.
  TspSkinStdButtonObject(TspSkinForm* AParent, const TspDataSkinStdButton& AData);
  // The built-in look without skin; with one, the restore looks while the command's
  // restore sense holds, else the button looks.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // The hint follows the restore sense. A button showing the form's icon keeps no hover.
  void MouseEnter() override;
  void MouseLeave() override;
  // A left press sets the button down (no event); the left release runs its command
  // while the button is hot: close, maximize or restore, minimize or restore.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  // A double click on the system-menu button closes the form.
  void DblClick() override;

  // Made from a skin record; false for the built-in buttons.
  bool FSkinSupport = false;
  TStdCommand Command;
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  String RestoreHint, FTempHint;

 private:
  void DrawBuiltIn(TCanvas& Cnvs);
  void DrawSkinLook(TCanvas& Cnvs, bool UpDate);
  // The command is in its restore sense: maximize while maximized, minimize while
  // minimized (for the look, not on the application's main form), roll-up while
  // rolled up.
  bool InRestoreSense(bool AForLook) const;
  // The system-menu button showing the form's icon.
  bool ShowsFormIcon() const;
};

// An animation of the frame (SkinForm_FrameButtonsAnimate.cpp): a strip of frames of
// SkinRect's size laid side by side from ActiveSkinRect's top-left corner, played by
// the form's animation timer. With ButtonStyle it is a caption button that plays
// forward while hovered and back to its first frame when left, and runs its command.
class TspSkinAnimateObject : public TspActiveSkinObject {
 public:
  // A frame interval below 25 ms becomes 25, a strip of no frames one of one.
  TspSkinAnimateObject(TspSkinForm* AParent, const TspDataSkinAnimate& AData);

  // Drawn whatever UpDate says: the down look, the inactive look or the current frame.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void DblClick() override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;

  // Opens MenuItem through the form, held at its last frame while the menu is open.
  void OpenMenu();
  // Its menu closed: plays back from the last frame.
  void ReleaseMenu();
  // Plays from the first frame; stops at the first frame.
  void Start();
  void Stop();
  // One tick of the animation timer: the next frame once TimerInterval has gathered.
  void ChangeFrame();
  int Frame() const { return FFrame; }
  // Wraps past either end in the play direction, and redraws.
  void SetFrame(int AValue);
  // Held down with a down look, which stands still.
  bool ShownPressed() const { return FDown && !RectangleIsEmpty(DownSkinRect); }

  // Its popup menu is open.
  bool FMenuTracking = false;
  // Milliseconds per frame.
  int TimerInterval = 25;
  // The items a press pops up; not owned.
  TMenuItem* MenuItem = nullptr;
  bool FDown = false;
  bool FPopupUp = false;
  int CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  // The play direction: forward.
  bool Increment = true;
  TStdCommand Command = cmDefault;
  TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
  String RestoreHint, FTempHint;

 private:
  // Maximize while maximized, minimize while minimized, roll-up while rolled up, with a
  // restore look.
  bool InRestoreSense() const;
  // A ButtonStyle animation plays on the animation timer, or redraws when held down.
  void PlayOrRedraw();

  int FFrame = 1;
  // Milliseconds gathered since the last frame change.
  int FInc = 25;
};

// A top-level item of the form's main menu drawn in the frame's menu strip
// (SkinForm_FrameButtonsMenuItem.cpp), from the skin's "MAINMENUITEM" object: as wide as
// its caption, placed after the item before it, hidden (and disabled) while it does not
// fit into the strip. Down while its menu is open; moving along the strip with a menu
// open takes the down state along.
class TspSkinMainMenuItem : public TspActiveSkinObject {
 public:
  // IDName, Enabled and MenuItem from the menu item (not owned).
  TspSkinMainMenuItem(TspSkinForm* AParent, const TspDataSkinMainMenuItem& AData, TMenuItem* AMenuItem);

  // Its down, hot or normal look, or the morph between the last two, with its caption;
  // nothing while it does not fit.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Sets ObjectRect in the current strip after the items before it (laid out first);
  // false when the item does not fit, which hides and disables it until it fits again.
  bool LayOut();
  // A left press sets an item with sub-items down, or runs the command of one without.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool Down() const { return FDown; }
  // Down enters main-menu mode (OnMainMenuEnter); up fades out from the hot look.
  void SetDown(bool AValue);

  bool FDown = false;
  bool OldEnabled = true;
  // The item fits into the menu strip (beside the base's Visible).
  bool Visible = true;
  TMenuItem* MenuItem;
  String FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor UnEnabledFontColor = clBlack, FontColor = clBlack, ActiveFontColor = clBlack,
         DownFontColor = clBlack;
  TRect TextRct, DownRect;
  // Widths of the fixed left and right ends of the item picture.
  int LO = 0, RO = 0;

 private:
  void SetItemFont(TFont& AFont) const;
  // The menu item's sub-items as a popup of the form's chain at the item.
  void PopupSubMenu();
  // ASource of ActivePicture with fixed ends and a tiled middle, the caption on it in
  // AColor.
  void ComposeItem(TBitmap& AImage, const TRect& ASource, TColor AColor) const;
  void DrawItem(TCanvas& Cnvs);
  TColor TextColor(bool AHot) const;
};

// The form's title in its place on the frame (SkinForm_Caption.cpp): the skin's
// caption picture (active, inactive, or morphing between them) with the text on it,
// cut with "..." to fit its text area, placed by its alignment and drawn with the
// skin's light, shadow, glow or reflection.
class TspSkinCaptionObject : public TspActiveSkinObject {
 public:
  TspSkinCaptionObject(TspSkinForm* AParent, const TspDataSkinCaption& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Every release is reported, also one away from the caption. A left press and
  // release on the same quick button clicks it.
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;
  // The hover is reported; the caption's look does not follow it.
  void MouseEnter() override;
  void MouseLeave() override;

  // The quick button under the window point (X, Y) becomes the hot one (-1, -1: none);
  // the row is repainted when that changes.
  void TrackQuickButtons(int X, int Y);
  // Repaints the frame, with the caption and its quick buttons.
  void RedrawQuickButtons();
  // Indexes of the hot quick button, the one before it, and the one pressed with the
  // left button and waiting for the release; -1 none.
  int ActiveQuickButton = -1, OldActiveQuickButton = -1, MouseCaptureQuickButton = -1;
  // The quick button whose popup menu is open; -1 none. It is kept out of the hover
  // tracking until the menu closes.
  int PopupMenuQuickButton = -1;
  // The menu of the quick button PopupMenuQuickButton closed: it is let go.
  void ReleaseQuickButtonMenu();

  // Shown instead of the form's caption when DefaultCaption is off on a form in
  // client-area mode. Setting it redraws the object; SimpleSetTextValue does not.
  const String& TextValue() const { return FTextValue; }
  void SetTextValue(const String& AValue);
  void SimpleSetTextValue(const String& AValue) { FTextValue = AValue; }

  String FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, ActiveFontColor = clBlack;
  TColor ShadowColor = clBlack, ActiveShadowColor = clBlack;
  bool Shadow = false;
  TAlignment Alignment = taLeftJustify;
  // The text area relative to the object's top-left corner, for the size of SkinRect.
  TRect TextRct;
  bool DefaultCaption = false;
  // A strip of ActivePicture drawn behind the text, its ends fixed; empty: none.
  TRect FrameRect, ActiveFrameRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect FrameTextRect;
  TColor LightColor = clBlack, ActiveLightColor = clBlack;
  bool Light = false;
  // The caption picture's middle stretched (or tiled) when the object is wider.
  bool StretchEffect = false;
  bool FullFrame = false;
  bool VistaGlowEffect = false, VistaGlowInActiveEffect = false;
  bool GlowEffect = false, GlowInActiveEffect = false;
  int GlowSize = 0;
  TColor GlowColor = clBlack, GlowActiveColor = clBlack;
  int GlowOffset = 0;
  bool ReflectionEffect = false;
  TColor ReflectionColor = clBlack, ReflectionActiveColor = clBlack;
  int ReflectionOffset = 0;
  // A picture of ActivePicture right of the quick buttons, active and inactive; empty:
  // none.
  TRect DividerRect, InActiveDividerRect;
  bool DividerTransparent = false;
  TColor DividerTransparentColor = clBlack;

 private:
  // The caption's picture (active, inactive or morphing) with the text, or the text
  // alone over the frame.
  void DrawPictureAndText(TCanvas& Cnvs, bool UpDate);
  // The form shows quick buttons on this caption (frame mode).
  bool ShowsQuickButtons() const;
  // The item's popup menu below it.
  void PopupQuickButtonMenu(const TspQuickButtonItem& AItem);
  // The room the quick-button row (with its divider) takes at the left of the text.
  int QuickButtonsRoom() const;
  const TRect& CurrentDividerRect() const;
  // The divider and the quick buttons, laid out for the current place, onto Cnvs.
  void DrawQuickButtons(TCanvas& Cnvs);
  void DrawQuickButton(TCanvas& Cnvs, const TspQuickButtonItem& AItem) const;
  // The text area of the current size: TextRct with its right margin kept from the
  // object's right edge, narrowed to the text plate of the frame strip.
  TRect TextArea() const;
  // The picture ASource (of the size of SkinRect) fitted to ObjectRect's size.
  void FitPicture(TBitmap& ATarget, TBitmap& APicture, const TRect& ASource) const;
  // The caption picture ASource fitted, with the text on it in the look of AActive.
  void ComposeImage(TBitmap& AImage, TBitmap& APicture, const TRect& ASource, bool AActive);
  void SetCaptionFont(TCanvas& ACanvas, TColor AColor) const;
  // The caption text in TR moved by (AOffX, AOffY), in the look of AActive.
  void DrawCaptionText(TCanvas& ACanvas, const TRect& TR, int AOffX, int AOffY, bool AActive);
  void DrawFrameStrip(TCanvas& ACanvas, int AX, int AY, int ATextWidth, int AOffX, bool AActive);
  void DrawMainText(TCanvas& ACanvas, const String& AText, int AX, int AY, bool AActive);
  // The inactive-window effect of the skin on an inactive image, when the form uses it.
  void ApplyInActiveEffect(TBitmap& AImage) const;

  String FTextValue;
};

// ---------------------------------------------------------------- frame objects with values
//
// Gauges, frame strips, regulators, track bars and bit-map-font labels
// (SkinForm_ObjGauge.cpp, SkinForm_ObjFrames.cpp, SkinForm_ObjRegulator.cpp,
// SkinForm_ObjTrackBar.cpp, SkinForm_ObjBitLabel.cpp). Their values always lie within
// their limits, whatever the skin gives: a range of one value (MaxValue = MinValue)
// shows the minimum's look, and value steps stop at the limits instead of overflowing.

// A gauge: its hot picture (ActiveSkinRect of ActivePicture) fills the part of its
// place that the value reaches, from the left or from the bottom.
class TspSkinGaugeObject : public TspActiveSkinObject {
 public:
  TspSkinGaugeObject(TspSkinForm* AParent, const TspDataSkinGauge& AData);

  // The empty gauge is part of the frame picture: a frame being composed draws nothing
  // while the value is the minimum.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Only the hover and the event: the gauge's look follows its value.
  void MouseEnter() override;
  void MouseLeave() override;

  int Value() const { return FValue; }
  // Stores the value clamped into MinValue..MaxValue and redraws.
  void SetValue(int AValue);
  // The same without drawing (an unchanged value is ignored).
  void SimplySetValue(int AValue);
  // Where the progress ends, in object coordinates: (x, 0) horizontally, (0, y)
  // vertically; the previous one.
  TPoint ProgressPos() const { return FProgressPos; }
  TPoint OldProgressPos() const { return FOldProgressPos; }

  int MinValue = 0, MaxValue = 0;
  TGaugeKind Kind = gkHorizontal;

 private:
  TPoint CalcProgressPos() const;

  int FValue = 0;
  TPoint FProgressPos, FOldProgressPos;
};

// A picture made of CountFrames equal frames in ActiveSkinRect of ActivePicture, side
// by side (fpHorizontal) or one under the other (fpVertical); the frame shown is
// stretched onto the object's place.
class TspSkinFrameObject : public TspActiveSkinObject {
 public:
  TspSkinFrameObject(TspSkinForm* AParent, const TspDataSkinObject& AData, int ACountFrames,
                     TFramesPlacement AFramesPlacement);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // Frames count from 1; another number is ignored. Setting one redraws.
  int Frame() const { return FFrame; }
  void SetFrame(int AValue);

  int FrameW = 0, FrameH = 0;
  int CountFrames = 0;
  TFramesPlacement FramesPlacement = fpHorizontal;

 protected:
  // The frame showing AValue of AMin..AMax: the range cut into CountFrames - 1 steps,
  // always one of the strip's frames.
  int FrameForValue(int AValue, int AMin, int AMax) const;

  int FFrame = 1;
};

// A gauge shown as one frame of a strip per step of its value.
class TspSkinFrameGaugeObject : public TspSkinFrameObject {
 public:
  TspSkinFrameGaugeObject(TspSkinForm* AParent, const TspDataSkinFrameGaugeObject& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  // The hover and the event only.
  void MouseEnter() override;
  void MouseLeave() override;

  int Value() const { return FValue; }
  // A value outside MinValue..MaxValue, or the current one, is ignored; else stored and
  // (SetValue) redrawn.
  void SetValue(int AValue);
  void SimplySetValue(int AValue);

  int MinValue = 0, MaxValue = 0;

 private:
  // Starts at 0, also when that lies outside the limits.
  int FValue = 0;
};

// A knob (rkRound) or slider (rkHorizontal, rkVertical) made of frames, turned or
// pulled with the mouse held down anywhere on it.
class TspSkinFrameRegulatorObject : public TspSkinFrameObject {
 public:
  TspSkinFrameRegulatorObject(TspSkinForm* AParent, const TspDataSkinFrameRegulatorObject& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;

  int Value() const { return FValue; }
  // A value outside MinValue..MaxValue, or the current one, is ignored; else stored,
  // redrawn (SetValue only) and reported (OnFrameRegulatorChangeValueEvent).
  void SetValue(int AValue);
  void SimplySetValue(int AValue);
  // The direction of AP (object coordinates) from the object's centre, in whole
  // degrees clockwise from straight down: 0 down, 90 left, 180 up, 270 right. False for
  // the centre itself, which has no direction.
  bool PointAngle(TPoint AP, int& AAngle) const;

  int MinValue = 0, MaxValue = 0;
  TRegulatorKind Kind = rkRound;

 private:
  // The pointer's reading: its angle (rkRound), x, or -y (so that up increases).
  bool ReadPointer(TPoint AP, int& AReading) const;
  void CircularStep();
  void LinearStep();
  // TempValue moved by FValInc up or down, kept within the limits, becomes the value.
  void StepValue(bool AIncrease);

  int FPixInc = 1, FValInc = 1;
  bool FDown = false;
  // A press at the centre of a knob has no reading yet: the first move gives it.
  bool FHasStart = false;
  int StartV = 0, CurV = 0, OldCurV = 0;
  int TempValue = 0;
  int FValue = 0;
};

// A track bar on the frame: a thumb dragged along the path from BeginPoint (MinValue)
// to EndPoint (MaxValue), the path left of (or below) it shown in the hot picture.
class TspSkinTrackBarObject : public TspActiveSkinObject {
 public:
  TspSkinTrackBarObject(TspSkinForm* AParent, const TspDataSkinTrackBar& AData);

  void Draw(TCanvas& Cnvs, bool UpDate) override;
  void MouseDown(int X, int Y, TMouseButton Button) override;
  void MouseUp(int X, int Y, TMouseButton Button) override;
  void MouseMove(int X, int Y) override;

  int Value() const { return FValue; }
  // Stores the value clamped into the limits, places the thumb, redraws and reports
  // it (OnTrackBarChangeValueEvent); the current value is ignored.
  void SetValue(int AValue);
  // The same without drawing and without the test for the current value.
  void SimplySetValue(int AValue);
  // The centre of the thumb in object coordinates, and the thumb's rectangle there.
  TPoint ButtonPos() const { return FButtonPos; }
  TRect ThumbRect() const;
  bool MoveActive() const { return FMoveActive; }

  TTrackKind TrackKind = tkHorizontal;
  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int MinValue = 0, MaxValue = 0;
  bool MouseDownChangeValue = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = clBlack;

 private:
  TPoint PosForValue(int AValue) const;
  int ValueForPos(TPoint APos) const;
  // Moves the thumb to APos and takes the value there; redraws and reports.
  void MoveButtonTo(TPoint APos);

  int FValue = 0;
  TPoint FButtonPos, FOldButtonPos;
  bool FMoveActive = false;
  TPoint FOldMPoint;
};

// A text in a bit-map font: each character's picture is a cell of the symbol table in
// ActivePicture (from ActiveSkinRect's top-left), found by the character's place in
// the rows of Symbols.
class TspSkinBitLabelObject : public TspActiveSkinObject {
 public:
  TspSkinBitLabelObject(TspSkinForm* AParent, const TspDataSkinBitLabel& AData);

  // Drawn whatever UpDate says: the text is not part of the frame picture.
  void Draw(TCanvas& Cnvs, bool UpDate) override;
  const String& TextValue() const { return FTextValue; }
  void SetTextValue(const String& AValue, bool AUpDate);
  // The cell (column, row) of a character in the symbol table; false for one the table
  // lacks.
  bool FindSymbol(char32_t ACharacter, TPoint& ACell) const;

  int SymbolWidth = 0, SymbolHeight = 0;
  // The skin record's rows of characters; not owned.
  const TStringList* Symbols = nullptr;
  bool Transparent = false;
  TColor TransparentColor = clBlack;

 private:
  String FTextValue;
};

// ---------------------------------------------------------------- inactive-client panel

// A still picture of a form's client area laid over it, blurred or washed over by the
// form's background. It covers the form's controls, so they get no mouse while it shows.
// Implementation: SkinForm_InactiveEffect.cpp.
class TspClientInActivePanel : public TspSkinPaintPanel {
 public:
  // Not visible, no picture.
  explicit TspClientInActivePanel(TComponent* AOwner);

  // Takes the picture of AForm's client area as the screen shows it, applies AEffect
  // and shows itself over the whole client area, above the form's other controls.
  // Nothing for no form, an invisible form or an empty client area.
  void ShowPanel(TCustomForm* AForm, TspClientInActiveEffect AEffect);
  // Hidden, the picture freed.
  void HidePanel();
  // The picture shown; nullptr while hidden.
  const TspBitmap* Buffer() const { return FBuffer.get(); }

 protected:
  // The picture alone, at (0, 0): no skin, no border.
  void Paint() override;

 private:
  void WashWithFormBackground(TCustomForm& AForm);
  std::unique_ptr<TspBitmap> FBuffer;
};
