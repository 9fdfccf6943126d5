#pragma once
// The frame objects part of a skinned form (TspSkinForm::Objects()): the list of the
// frame's live objects (SkinForm_FrameObjects.h), which object the mouse is over (the
// hover) and which holds it from a press to its release (the capture), the delivery of
// the mouse to them, their hints and skin cursors, dragging a client-area-mode form by
// its picture, the menus objects open, the objects reached by name, and the three
// timers that carry them.
//
// The hover (ActiveObject) comes only from TestActive: from the hit test when the
// pointer reaches a frame object, then from the mouse timer until the pointer leaves
// the window. The object a press lands on holds the mouse (MouseCaptureObject) until the
// release. Indexes are into ObjectList; one past its end counts as none.
//
// Owned by the component, made with it and freed by it; it reaches the form, the skin
// and the other parts through its component. The timers are owned by the component
// (the component model frees them) and stop with the form's window. The properties and
// events of the objects (ShowObjectHint, UseSkinCursors, DraggAble, SkinHint, the object
// events) are the component's. User-interface thread only.
//
// Implementation: SkinForm_Tracking.cpp (hover, capture, mouse delivery, hints,
// cursors, dragging, the client-area hit test), SkinForm_TrackingTimers.cpp (the
// timers), SkinForm_Objects.cpp (the morph step), SkinForm_FrameButtons.cpp (caption
// commands), SkinForm_FrameButtonsMenuItem.cpp (main-menu items placed in the strip),
// SkinForm_ObjectMenus.cpp (menus of objects), SkinForm_Named.cpp (objects by name).

#include <memory>
#include <utility>
#include <vector>

#include "components/forms/SkinForm_FrameObjects.h"
#include "platform/ui/Timer.h"

class TspLayerManager;
class TspSkinForm;

class TspSkinFormObjects {
 public:
  // Makes the three timers, disabled.
  explicit TspSkinFormObjects(TspSkinForm& ASkinForm);
  TspSkinFormObjects(const TspSkinFormObjects&) = delete;
  TspSkinFormObjects& operator=(const TspSkinFormObjects&) = delete;

  // The live objects of the frame, owned, in skin order. Without a skin: the six
  // built-in caption buttons, made by the first built-in frame paint and dropped by the
  // first skinned one.
  std::vector<std::unique_ptr<TspActiveSkinObject>> ObjectList;
  // Index of the hovered frame object, of the hovered one before the last hover test,
  // and of the object holding the mouse; -1 none.
  int ActiveObject = -1;
  int OldActiveObject = -1;
  int MouseCaptureObject = -1;
  // Client-area mode: the cursor has come over the form.
  bool MouseIn = false;

  // ---- The timers (SkinForm_TrackingTimers.cpp, SkinForm_Objects.cpp)
  // Carries the morphs of the objects; runs while a morph is under way.
  TTimer& MorphTimer() const { return *FMorphTimer; }
  // Frame steps of animations; polling of the hover.
  TTimer& AnimateTimer() const { return *FAnimateTimer; }
  TTimer& MouseTimer() const { return *FMouseTimer; }
  // The glow window of the hovered object (owned by the component).
  TspLayerManager& LayerManager() const { return *FLayerManager; }
  // One morph step of every object that has one to do; the timer stops when none had.
  void DoMorphTimer();
  void DoMouseTimer();
  void DoAnimateTimer();
  void StopObjectTimers();

  // ---- Hover, capture and the mouse (SkinForm_Tracking.cpp)
  // The object at AIndex of ObjectList; nullptr for -1 or past the end.
  TspActiveSkinObject* ObjectAt(int AIndex) const;
  // The hover test at (X, Y) (window points in frame mode, client points in client-area
  // mode): the first present, enabled and visible object whose rectangle and mask hold
  // the point takes the hover when AHover is set; the one losing it gets MouseLeave and
  // its hint goes, the one taking it gets MouseEnter and shows its hint. (-1, -1, false)
  // ends the hover. Nothing changes while the form cannot hover (see the file).
  void TestActive(int X, int Y, bool AHover);
  // The form's cursor: the hovered object's skin cursor, else the skin's, else the
  // default one.
  void UpdateSkinCursor();
  // Client-area mode: the form follows the cursor from the client point (X, Y) on.
  void StartDragging(int X, int Y);
  void StopDragging();
  bool IsDragging() const { return FIsDragging; }
  void FollowDrag();
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
  // The screen point as an object point: window coordinates in frame mode, client
  // coordinates in client-area mode.
  TPoint ScreenToObjectPoint(TPoint AScreenPoint) const;

  // ---- Commands and menus of objects (SkinForm_FrameButtons.cpp,
  // SkinForm_FrameButtonsMenuItem.cpp, SkinForm_ObjectMenus.cpp)
  // The command of a caption button or animation: the hover ends, then the form
  // closes, maximizes or restores, minimizes or restores (to the tray with
  // AlwaysMinimizeToTray), goes to the tray; or it rolls up or down.
  void RunCaptionCommand(TStdCommand ACommand);
  // The main-menu items of the frame one after the other in the menu strip, in list
  // order.
  void PlaceMainMenuItems();
  // A frame object's menu: AItem's sub-items beside AObjectRect (window coordinates),
  // below it or, with APopupUp, above it; through AItem's own skinned popup menu when it
  // belongs to one, else through the form's chain. Nothing for an item without
  // sub-items.
  void PopupObjectMenu(TMenuItem* AItem, const TRect& AObjectRect, bool APopupUp);
  // An object's rectangle (or a part of it, such as a quick button) on the screen, for
  // the menus that open under it: object rectangles are in the coordinates of the
  // window that shows the object, the top window of a full layered border, the form's
  // window in frame mode (an MDI document's too, wherever its frame stands) or its
  // client area in client-area mode.
  TRect ObjectRectToScreen(const TRect& AObjectRect) const;
  // A button, or an animation drawn as a button, opens AMenu's items when pressed.
  // The link goes when AMenu is freed.
  void LinkMenu(const String& AIDName, TMenu* AMenu, bool APopupUp);
  // A menu being freed: its items are taken back from the objects.
  void UnlinkMenu(TComponent* AMenu);
  // The chain closed: the object that opened it is set back.
  void ReleaseMenuObjects();

  // ---- Objects by name (SkinForm_Named.cpp)
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
  // An animation plays from its first frame, or stops and goes back to it.
  void AnimateStart(const String& AIDName);
  void AnimateStop(const String& AIDName);

 private:
  bool CanHover() const;

  TspSkinForm& SkinForm;
  bool FIsDragging = false;
  // The cursor's screen position at the last drag step.
  int FOldX = 0, FOldY = 0;
  // The menus LinkMenu gave objects, with the items it gave them: a freed menu's items
  // are taken back from the objects.
  std::vector<std::pair<TMenu*, TMenuItem*>> FLinkedMenus;
  // Owned by the component (the component model frees them).
  TTimer* FMorphTimer = nullptr;
  TTimer* FAnimateTimer = nullptr;
  TTimer* FMouseTimer = nullptr;
  TspLayerManager* FLayerManager = nullptr;
};
