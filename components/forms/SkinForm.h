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
// The hooks. The component puts a TWindowHook on the form's WindowProc that calls
// FormWindowProc, and replaces the form's OnShortCut by one that calls the component's
// OnShortCut (where the form's handler went). When the component goes it takes both
// off; one that another hook covers meanwhile stays in that chain but turns inert, so
// nothing ever calls into a freed component. The form's own procedure may free the
// component: every handler that passes a message on returns at once when
// CallOldWindowProc answers false.
//
// The component holds the form's properties, events and public API; its state and
// logic live in its parts, each with its own header: the frame objects
// (SkinForm_Objects.h, the object classes in SkinForm_FrameObjects.h), the frame
// geometry and region (SkinForm_Geometry.h), the caption buttons (SkinForm_Caption.h),
// the window states and placement (SkinForm_States.h), the menu and tray links
// (SkinForm_Menus.h) and the MDI coordinator (SkinForm_Mdi.h). The component's own
// files: SkinForm_Component.cpp (life, properties, FindSkinForm, the shared
// predicates), SkinForm_WindowProc.cpp (the message table, which only routes),
// SkinForm_NCPaint.cpp and SkinForm_Background.cpp (painting), SkinForm_Fade.cpp,
// SkinForm_InactiveEffect.cpp, SkinForm_SkinChange*.cpp, SkinForm_LayeredBorder*.cpp,
// SkinForm_Api*.cpp (the API beside the parts).

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
#include "components/forms/SkinForm_Objects.h"
#include "components/forms/SkinForm_States.h"
#include "components/forms/SkinMenus.h"
#include "platform/base/Set.h"
#include "platform/ui/Application.h"
#include "platform/ui/Collection.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/LiveGuard.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WindowHook.h"

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
// The component of the application main form's active document; nullptr when there is
// no main form, no active document or it has none.
TspSkinForm* FindActiveMDIChildSkinForm();

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
  // ---- The parts of the component, each in its own header. The constructor makes
  // them first, in this order, before anything else happens (each only keeps its
  // component then); they are freed after the destructor's body, once the hooks are
  // off. A part reaches its siblings through the component.
  std::unique_ptr<TspSkinFormGeometry> FGeometry;
  std::unique_ptr<TspSkinFormObjects> FObjects;
  std::unique_ptr<TspSkinFormCaption> FCaption;
  std::unique_ptr<TspSkinFormStates> FStates;
  std::unique_ptr<TspSkinFormMenus> FMenus;
  std::unique_ptr<TspSkinFormMdi> FMdi;
  friend class TspSkinFormGeometry;
  friend class TspSkinFormObjects;
  friend class TspSkinFormCaption;
  friend class TspSkinFormStates;
  friend class TspSkinFormMenus;
  friend class TspSkinFormMdi;

 public:
  // The frame objects part's list of the live objects of the frame (see
  // TspSkinFormObjects::ObjectList).
  std::vector<std::unique_ptr<TspActiveSkinObject>>& ObjectList;

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
  // Neither designed nor loaded: a property change repaints the frame.
  bool FramePaintApplies() const;
  // Every frame object but the captions loses its hover, its active look and its morph
  // towards it; an animation goes back to its first frame.
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
  // The caption objects and quick buttons follow the active state: with ARedraw the
  // caption objects of the current roll-up state take it (starting their frame
  // animations when it changed) and are redrawn, the others only jump to the end of
  // their morph; an inactive form's quick buttons are released. Then the state is
  // reported (OnActivate or OnDeActivate, on every call).
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

  // ---- Frame layout, painting and the built-in caption buttons
  // (SkinForm_Layout.cpp, SkinForm_NCPaint.cpp, SkinForm_Background.cpp,
  // SkinForm_CaptionButtons.cpp)

  // The system-menu caption button shows the form's icon. Setting it repaints the
  // frame (not while the component is designed or loaded).
  bool ShowIcon() const { return FShowIcon; }
  void SetShowIcon(bool AValue);
  // Every caption button and animation with a picture of its own hidden and disabled.
  bool HideCaptionButtons = false;
  bool DisableSystemMenu = false;
  // Caption buttons take their hints from the skin's strings or the built-in texts.
  bool UseDefaultObjectHint = true;
  // Fonts of the built-in caption: "Arial", bold, height 14, in button text and in
  // button shadow.
  std::unique_ptr<TFont> DefCaptionFont = NewDefaultCaptionFont(clBtnText);
  std::unique_ptr<TFont> DefInActiveCaptionFont = NewDefaultCaptionFont(clBtnShadow);
  // Each copies AValue into its font and repaints the built-in frame (not while the
  // component is designed or loaded, nor while a skin draws the frame).
  void SetDefCaptionFont(const TFont& AValue);
  void SetDefInActiveCaptionFont(const TFont& AValue);
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
  // skin, in the skin's order (SkinForm_SkinChangeObjects.cpp), then the main menu's
  // items (CreateMainMenuItems). Kinds that have no live object are passed over.
  void CreateSkinObjects();

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
  // The form's icon (see EnsureIcon) at its own size, its top-left corner at (AX, AY).
  void DrawFormIcon(TCanvas& ACanvas, int AX, int AY);
  bool UseAutoInActiveImage() const { return HasSkin() && FSD->AutoRenderingInActiveImage; }
  bool IsMaximizedMDIChild() const;
  static std::unique_ptr<TFont> NewDefaultCaptionFont(TColor AColor);

  // ---- The frame objects: the objects part (SkinForm_Objects.h)
  TspSkinFormObjects& Objects() const { return *FObjects; }
  // Frame objects show their Hint through SkinHint while hovered.
  bool ShowObjectHint = false;
  // Client-area mode: the skin's cursors over the picture and its objects.
  bool UseSkinCursors = false;
  // Client-area mode: a left press on the picture outside every object drags the form.
  bool DraggAble = false;
  // Not owned; cleared when it goes.
  TspSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TspSkinHint* AValue);
  // The timers that carry the objects: morphs, animations, the hover.
  TTimer& MorphTimer() { return FObjects->MorphTimer(); }
  TTimer& AnimateTimer() { return FObjects->AnimateTimer(); }
  TTimer& MouseTimer() { return FObjects->MouseTimer(); }
  bool IsDragging() const { return FObjects->IsDragging(); }
  // A button, or an animation drawn as a button, opens AMenu's items when pressed.
  void LinkMenu(const String& AIDName, TMenu* AMenu, bool APopupUp) {
    FObjects->LinkMenu(AIDName, AMenu, APopupUp);
  }

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

  // ---- Named frame objects (see TspSkinFormObjects)
  int GetIndex(const String& AIDName) const { return FObjects->GetIndex(AIDName); }
  void UserObjectDraw(const String& AIDName) { FObjects->UserObjectDraw(AIDName); }
  void LabelSetText(const String& AIDName, const String& ATextValue) {
    FObjects->LabelSetText(AIDName, ATextValue);
  }
  void CaptionSetText(const String& AIDName, const String& AText) {
    FObjects->CaptionSetText(AIDName, AText);
  }
  TSwitchState SwitchGetState(const String& AIDName) const { return FObjects->SwitchGetState(AIDName); }
  void SwitchSetState(const String& AIDName, TSwitchState AState) {
    FObjects->SwitchSetState(AIDName, AState);
  }
  bool ButtonGetDown(const String& AIDName) const { return FObjects->ButtonGetDown(AIDName); }
  void ButtonSetDown(const String& AIDName, bool ADown) { FObjects->ButtonSetDown(AIDName, ADown); }
  int TrackBarGetValue(const String& AIDName) const { return FObjects->TrackBarGetValue(AIDName); }
  void TrackBarSetValue(const String& AIDName, int AValue) { FObjects->TrackBarSetValue(AIDName, AValue); }
  void GaugeSetValue(const String& AIDName, int AValue) { FObjects->GaugeSetValue(AIDName, AValue); }
  void FrameGaugeSetValue(const String& AIDName, int AValue) {
    FObjects->FrameGaugeSetValue(AIDName, AValue);
  }
  int FrameRegulatorGetValue(const String& AIDName) const {
    return FObjects->FrameRegulatorGetValue(AIDName);
  }
  void FrameRegulatorSetValue(const String& AIDName, int AValue) {
    FObjects->FrameRegulatorSetValue(AIDName, AValue);
  }
  void BitLabelSetText(const String& AIDName, const String& AValue) {
    FObjects->BitLabelSetText(AIDName, AValue);
  }
  void SetEnabled(const String& AIDName, bool Value) { FObjects->SetEnabled(AIDName, Value); }
  void AnimateStart(const String& AIDName) { FObjects->AnimateStart(AIDName); }
  void AnimateStop(const String& AIDName) { FObjects->AnimateStop(AIDName); }
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
  // The form's main menu, drawn in the frame's menu strip when the form has no
  // MainMenuBar; not owned, cleared when it is freed. Setting it with a skin loaded
  // makes the strip's items again and repaints them.
  TMainMenu* MainMenu() const { return FMainMenu; }
  void SetMainMenu(TMainMenu* AValue);
  // The main menu's visible top-level items, appended to ObjectList in menu order as
  // items of the skin's "MAINMENUITEM" object (SkinForm_FrameMainMenu.cpp); none
  // without a main menu or that object.
  void CreateMainMenuItems();
  // Those items made again; with ARedraw the strip shows them.
  void UpdateMainMenu(bool ARedraw);
  // The main form's MainMenuBar, when it shows or is to show a document's menu, builds
  // its items again (SkinMenuBar_DocumentMenu.cpp).
  static void RefreshMainMenuBarItems();
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
  TPoint CaptionButtonSize(const TspActiveSkinObject& AButton) const {
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
  struct TShortCutHook;
  void RemoveHooks();
  // Passes the message to the form's own procedure; false: the component was freed
  // meanwhile, and the caller touches nothing of it.
  [[nodiscard]] bool CallOldWindowProc(TMessage& AMessage);
  // The same for a handler that does nothing after it.
  void PassOn(TMessage& AMessage) { (void)CallOldWindowProc(AMessage); }

  // SkinForm_WindowProc.cpp: the handlers of the message table. Each finishes its
  // message or passes it on to the form's own procedure; those that only follow a
  // message run through Observe, which passes it on after them.
  void Observe(void (TspSkinForm::*AHandler)(TMessage&), TMessage& AMessage);
  void WMDestroy(TMessage& AMessage);
  void WMSize(TMessage& AMessage);
  void WMActivate(TMessage& AMessage);
  void WMSetText(TMessage& AMessage);
  void WMEraseBkgnd(TMessage& AMessage);
  void WMShowWindow(TMessage& AMessage);
  void WMSetCursor(TMessage& AMessage);
  void WMGetMinMaxInfo(TMessage& AMessage);
  void WMDisplayChange(TMessage& AMessage);
  void WMNCCalcSize(TMessage& AMessage);
  void WMNCHitTest(TMessage& AMessage);
  void WMNCPaint(TMessage& AMessage);
  void WMNCActivate(TMessage& AMessage);
  void WMSyncPaint(TMessage& AMessage);
  void WMSysCommand(TMessage& AMessage);
  void WMSizing(TMessage& AMessage);
  void WMMoving(TMessage& AMessage);
  void WMEnterSizeMove(TMessage& AMessage);
  void WMExitSizeMove(TMessage& AMessage);
  void SPChangeResStrData(TMessage& AMessage);
  // SP_PAINTINTODC and SP_PAINTNCINTODC.
  void SPPaintIntoDC(TMessage& AMessage);
  void SPCloseSkinMenu(TMessage& AMessage);
  void SPChangeLayeredBorders(TMessage& AMessage);
  // A form the tray gives back (Tag -10000) comes forward and gets its Tag back.
  void SPTrayRestoreForm(TMessage& AMessage);
  void SPQuerySkinnable(TMessage& AMessage);
  // An MDI frame's visible, enabled skinned controls get CM_CANCELMODE (no sender), so
  // that they leave their modes, when the frame moves, sizes, changes activation or
  // takes a click (SkinForm_CancelControlsMode.cpp).
  void CancelControlsMode();
  // Client-area mode (SkinForm_ClientAreaCaption.cpp): the caption objects with
  // DefaultCaption show the form's caption; a double click on a caption object (with
  // NCDraggAble) rolls a rolled-up form down, else maximizes or restores a sizeable form,
  // else rolls it up.
  void UpdateCaptionText();
  void CaptionDblClick();
  // The system commands the skin takes; true: finished, not passed on.
  bool TakeSysCommand(TMessage& AMessage);
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
  // Ends when the component starts to go: handlers that ran user code ask it.
  TLiveGuard FLive;
  TWindowHook FFormHook;
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
  bool FSizeMove = false;
  bool FSizing = false;
  bool FFullDrag = false;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  // The fade's alpha so far.
  int FFadeAlpha = 0;

  // The mouse cases of the message table (SkinForm_WindowProc.cpp).
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
  TMainMenu* FMainMenu = nullptr;

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
  // The main form's component, while its layered border is in force: the other
  // visible forms (not stay-on-top, no documents, no border windows) are shown again,
  // then the main form, so that the border windows lie in order above their forms
  // again. The application's OnRestore, unless it has one of its own (set at the main
  // form's showing), and after a restore from the tray. SkinForm_ApiWindows.cpp.
  void CheckAppLayeredBorders();
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
  // Owned by this component alone: made by the constructor after FForm, freed by the
  // destructor once the component's hooks are off.
  std::unique_ptr<TspFormLayerBorder> FBorderLayer;

  // ---- The form's API beside its parts (SkinForm_Api*.cpp)
 public:
  // The version of the skinned forms: "12.22".
  static String GetProductVersion();
  // The skin area AIDName's rectangle in frame-picture coordinates (the last area of
  // that name); the empty rectangle without a skin or such an area.
  TRect GetAreaRect(const String& AIDName) const;
  // The form's height with the frame unrolled: the height before the roll-up while
  // rolled up, else the height the frame was computed for. Setting it sets the height
  // the roll-down gives back.
  int RealHeight() const;
  void SetRealHeight(int AValue);
  // The component draws a preview of its skin: the form counts as active, objects take
  // no hover and the layered border stays off.
  bool PreviewMode = false;
  // A form with the layered border is shown at alpha 0 until the first tick of its
  // show timer, so its border windows come up with it: true with the layered border in
  // force, unless the form fades in (AlphaBlend, AlphaBlendAnimation or the skin's
  // AnimationForAllWindows).
  bool UseDelayedShow() const;

  // Switches the window system's drop shadow of the form's window class on or off
  // (nothing when it already is); with AHideFormBefore the form is hidden meanwhile,
  // so the window system takes the new class style when it shows the form again.
  void EnableShadow(bool AShowShadow, bool AHideFormBefore);
  bool HasShadow() const { return FHaveShadow; }
  // Every visible stay-on-top form of the screen (border windows excepted) comes to
  // the top, in screen order.
  static void BringStayOnTopForms();

  // Makes the form drawn by the component (true) or gives it the platform's frame
  // (false; always with UseRibbon): the skin applied again, every skinned control
  // re-reading its element, a maximized form kept maximized. Nothing for an MDI frame
  // with documents.
  void SetSkinnableForm(bool AValue);
  // While on the form is never skinnable; setting it on drops the skinned frame.
  bool UseRibbon() const { return FUseRibbon; }
  void SetUseRibbon(bool AValue);
  // The form's border style, then every skinned control re-reads its element.
  void SetFormBorderStyle(TFormBorderStyle AValue);
  // Only fsNormal and fsStayOnTop are taken; with AlphaBlend on the controls re-read
  // their elements (the window was made anew).
  void SetFormStyle(TFormStyle AValue);

  // The popup menus of this form, straight through to its popup chain (SkinMenu): the
  // item height and font without the skin's, whether the skin's font and size apply,
  // the most items a window shows without scrolling (0: no limit; a negative value is
  // ignored), and the windows' constant opacity and fade-in.
  int DefMenuItemHeight() { return SkinMenu().FDefaultMenuItemHeight; }
  // Values of 0 and below are ignored.
  void SetDefMenuItemHeight(int AValue);
  const TFont& DefMenuItemFont() { return SkinMenu().FDefaultMenuItemFont; }
  void SetDefMenuItemFont(const TFont& AValue) { SkinMenu().FDefaultMenuItemFont.Assign(AValue); }
  bool UseSkinFontInMenu() { return SkinMenu().FUseSkinFont; }
  void SetUseSkinFontInMenu(bool AValue) { SkinMenu().FUseSkinFont = AValue; }
  bool UseSkinSizeInMenu() { return SkinMenu().FUseSkinSize; }
  void SetUseSkinSizeInMenu(bool AValue) { SkinMenu().FUseSkinSize = AValue; }
  int MaxMenuItemsInWindow() const { return FMaxMenuItemsInWindow; }
  void SetMaxMenuItemsInWindow(int AValue);
  bool MenusAlphaBlend() const { return FMenusAlphaBlend; }
  void SetMenusAlphaBlend(bool AValue);
  uint8_t MenusAlphaBlendValue() const { return FMenusAlphaBlendValue; }
  void SetMenusAlphaBlendValue(uint8_t AValue);
  bool MenusAlphaBlendAnimation() const { return FMenusAlphaBlendAnimation; }
  void SetMenusAlphaBlendAnimation(bool AValue);

  // The form's icon at the small-icon size, made once: the form's own icon, else the
  // application's; none when neither has one.
  TIcon* EnsureIcon();
  // The small icon comes from a picture with an alpha channel of its own (a masked
  // icon has none); false without an icon.
  bool CheckAlphaIcon();

 private:
  bool FShowIcon = false;
  bool FHaveShadow = false;
  bool FUseRibbon = false;
  // The state last reported by OnActivate or OnDeActivate.
  bool OldActive = false;
  int FMaxMenuItemsInWindow = 0;
  bool FMenusAlphaBlend = false;
  uint8_t FMenusAlphaBlendValue = 200;
  bool FMenusAlphaBlendAnimation = false;
  // The small copy of the form's icon; made by EnsureIcon.
  std::unique_ptr<TIcon> FIcon;
  // The icon FIcon was made from has an alpha channel of its own.
  bool FIsAlphaIcon = false;
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
