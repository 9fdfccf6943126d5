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
// The hook. The component replaces the form's WindowProc by a hook that calls
// FormWindowProc and keeps the previous procedure. When the component goes it puts the
// previous procedure back if its hook is still the form's; if another hook was put on
// top in the meantime, its own hook stays in that chain but forwards every message
// straight to the previous procedure, so nothing ever calls into a freed component.
//
// Implementation: SkinForm_Component.cpp (life, properties, FindSkinForm, the shared
// predicates), SkinForm_WindowProc.cpp (the message table), SkinForm_Geometry.cpp
// (frame geometry, region, hit tests, active state), SkinForm_Fade.cpp (opacity and
// fade-in), SkinForm_SizeLimits.cpp (size limits and minimized places).

#include <cstdint>
#include <memory>

#include "components/core/SkinData.h"
#include "platform/base/Set.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Timer.h"

class TspSkinForm;

// The skin component of AForm: the first TspSkinForm the form owns, in the order the
// form lists its components; nullptr for no form or none.
TspSkinForm* FindSkinForm(TCustomForm* AForm);

// Whether a window is a skinned form: SP_QUERYSKINNABLE and its two answers.
constexpr UINT SP_QUERYSKINNABLE = 45490;
constexpr LRESULT SKINNABLE_RESULT_NO = 12852;
constexpr LRESULT SKINNABLE_RESULT_YES = 12853;

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
  // The layered alpha border is never in force here: no layered border exists yet.
  bool UseLayeredBorder() const { return false; }
  // Height of the built-in caption: 15 for tool-window border styles, else 19.
  int DefaultCaptionHeight() const;
  // Size of a built-in caption button: 13 for tool-window border styles, else 17.
  int DefaultButtonSize() const;
  // Sizeable, or a sizeable border style.
  bool IsSizeAble() const;
  // A skin is bound and loaded, with a frame picture to draw the frame from (a skin
  // whose frame picture could not be read wears the built-in frame).
  bool HasSkin() const { return FSD != nullptr && !FSD->Empty && !FSD->FPicture->Empty(); }
  // Repaints the frame (WM_NCPAINT).
  void UpDateFormNC();
  // Takes the bound skin's state (loaded or not, skinnable or not) and recomputes the
  // frame, region and client area at the form's current size.
  void ApplySkinFrame();

  // ---- Frame geometry, region and active state (SkinForm_Geometry.cpp)
  // The skin's geometry moved to FFormWidth x FFormHeight (0: the form's size).
  void CalcRects();
  // The built-in caption rectangle for FFormWidth.
  void CalcDefRects();
  void GetDefCaptionRect(TRect& ARect);
  // Recomputes the geometry and (AFull) the region strips, sets the region, reports
  // the new client rectangle and repaints the frame.
  void UpdateSkinFrame(bool AFull);
  // Builds the window region for the current size and gives it to the window.
  void UpdateFormRegion(bool AFull);
  // The window point lies inside the skinned shape.
  bool PointInSkinFrame(TPoint APoint);
  // The skin's corner points span both directions, so its frame can be stretched.
  bool SkinFrameResizable() const;
  bool GetFormActive() const;
  // Reports the active state (OnActivate or OnDeActivate, on every call).
  void UpdateActiveState(bool ARedraw);
  // Sets the width one pixel off and back, so frame, region and client area are
  // recomputed at the same final size.
  void RefreshFrameSize();
  // Hit tests (window points) of the skinned and of the built-in frame.
  LRESULT SkinFrameHitTest(TPoint APoint);
  LRESULT DefaultFrameHitTest(TPoint APoint);

  // ---- Size limits and minimized places (SkinForm_SizeLimits.cpp)
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  // The top-left corner for this form when it is skin-minimized: the first place along
  // the bottom of the monitor's work area, row by row upwards, on which no other
  // visible skin-minimized form stands.
  TPoint GetMinimizedPlace() const;

  // ---- Frame geometry of the current size (read by painters and hit tests)
  int FFormWidth = 0, FFormHeight = 0;
  int FFormLeft = 0, FFormTop = 0;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  TRect NewClRect, NewCaptionRect, NewButtonsRect;
  int NewButtonsOffset = 0;
  bool NewButtonsInLeft = false;
  bool ButtonsInLeft = false;
  TRect NewMaskRectArea;
  TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
  TRect NewIconRect, NewMainMenuRect;
  TRect NewDefCaptionRect;
  // The four mask strips of the current size; empty without a skin mask.
  TBitmap RMTop, RMBottom, RMLeft, RMRight;
  // Index of the hovered frame object; -1 none.
  int ActiveObject = -1;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  struct THookLink;
  struct TWindowHook;
  void InstallWindowHook();
  void RemoveWindowHook();
  // Passes the message to the form's own procedure.
  void CallOldWindowProc(TMessage& AMessage);

  // SkinForm_WindowProc.cpp: the cases of the message table.
  void WMSize(TMessage& AMessage);
  void WMNCCalcSize(TMessage& AMessage);
  void WMNCHitTest(TMessage& AMessage);
  void WMNCActivate(TMessage& AMessage);
  void WMGetMinMaxInfo(TMessage& AMessage);
  void WMWindowPosChanged(TMessage& AMessage);
  void WMSizing(TMessage& AMessage);
  void WMMoving(TMessage& AMessage);
  void WMEnterSizeMove(TMessage& AMessage);
  void WMExitSizeMove(TMessage& AMessage);
  void WMActivate(TMessage& AMessage);
  void WMSetCursor(TMessage& AMessage);
  void SPSkinChange(TMessage& AMessage);
  // The screen point of a non-client message in window coordinates.
  TPoint ScreenToFramePoint(LPARAM ALParam) const;

  // SkinForm_Fade.cpp: the opacity and the fade-in on window timer 1.
  bool AlphaBlendApplies() const;
  bool AnimatesForAllWindows() const;
  void StartFadeIn();
  void FadeStep(TMessage& AMessage);
  void FinishFade(int ATarget);

  // SkinForm_Geometry.cpp: the edge and corner rules of the skinned hit test.
  // E(P): within BorderW of the window's edge or of the outline of the skin's shape.
  bool PointNearSkinEdge(TPoint APoint);
  // R(P): the corner or side code of a resizing point; HTNOWHERE for none.
  LRESULT SkinCornerOrSide(TPoint APoint) const;

  // The form not rolled up and not skin-minimized.
  bool IsFreeForm() const { return !FRollUpState && FWindowState != wsMinimized; }

  TCustomForm* FForm = nullptr;
  std::shared_ptr<THookLink> FHook;
  TspSkinData* FSD = nullptr;
  bool FSupportNCArea = true;
  bool FSkinnableForm = true;
  bool FSkinSupport = false;
  TspBorderIcons FBorderIcons = {biSystemMenu, biMinimize, biMaximize, biRollUp};
  TWindowState FWindowStateInit = wsNormal;
  TWindowState FWindowState = wsNormal;
  bool FRollUpState = false;
  bool FFormActive = false;
  // A region has been given to the window.
  bool FHasRegion = false;
  bool FSizeMove = false;
  bool FSizing = false;
  bool FFullDrag = false;
  int FOldFormLeft = 0, FOldFormTop = 0;
  TPoint FOnMouseDownCoord{-1, -1};
  bool FStartShow = true;
  int MouseCaptureObject = -1;
  int OldActiveObject = -1;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  // The fade's alpha so far.
  int FFadeAlpha = 0;
  std::unique_ptr<TTimer> MorphTimer, AnimateTimer, MouseTimer;
};
