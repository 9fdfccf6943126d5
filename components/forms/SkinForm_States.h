#pragma once
// The window states and placement of a skinned form (TspSkinForm::States()): minimize,
// maximize and restore, the roll-up to the caption, where the form is placed when first
// shown or maximized, and the magnetic edges of a dragged form.
//
// The form is never minimized, maximized or restored by the window system's frame
// logic: the component keeps its own state (TspSkinForm::WindowState() the one asked
// for, ReachedWindowState() the one reached, RollUpState()) and this part places the
// form itself. The states are the component's; this part keeps what it needs to go
// between them (the normal bounds, the height before a roll-up, the snapped edges).
//
// Owned by the component, made with it and freed by it; it reaches the form, the skin
// and the other parts through its component. User-interface thread only.
//
// Implementation: SkinForm_States.cpp (minimize, maximize, restore),
// SkinForm_StatesRollUp.cpp (roll-up and roll-down), SkinForm_Placement.cpp (first
// show, maximized bounds, the outer rectangle with the layered border),
// SkinForm_PlacementMagnetic.cpp (the magnetic edges), SkinForm_PlacementFullBorder.cpp
// (the bounds kept across a change of the layered border).

#include <vector>

#include "platform/ui/Forms.h"

class TspSkinForm;

class TspSkinFormStates {
 public:
  explicit TspSkinFormStates(TspSkinForm& ASkinForm) : SkinForm(ASkinForm) {}
  TspSkinFormStates(const TspSkinFormStates&) = delete;
  TspSkinFormStates& operator=(const TspSkinFormStates&) = delete;

  // ---- Minimize, maximize, restore (SkinForm_States.cpp)
  // Asks for a state and, outside loading and design, goes to it; WindowState() then
  // reads the state reached. The caption buttons and the caption double click call it:
  // maximize toggles with wsNormal, minimize with wsNormal.
  void SetWindowState(TWindowState AValue);
  // Goes to AValue (nothing when it is the reached state). wsMaximized fills the
  // monitor's work area (MaximizedBounds); wsMinimized iconifies the application for
  // the main form and in client-area mode, lets the window system minimize a form with
  // MinimizeDefault, and otherwise turns the form into a caption strip of the minimum
  // size in the next free minimized place; wsNormal gives back the saved normal bounds
  // (the first restore of a form first shown maximized centres them by
  // PositionInMonitor). Leaving wsNormal saves the normal bounds once.
  void ApplyWindowState(TWindowState AValue);
  void SkinMinimize();
  void SkinMaximize();
  void SkinRestore();

  // ---- Roll-up (SkinForm_StatesRollUp.cpp)
  // Rolls the form up to its caption (GetMinHeight high, or in client-area mode the
  // skin's roll-up picture) and back down. Refused without biRollUp, while minimized,
  // in client-area mode without a skin, and for a maximized form rolled up before it was
  // maximized; setting the state it already has does nothing either.
  void SetRollUpState(bool AValue);
  // The form was rolled up while maximized.
  bool MaxRolledUp() const { return MaxRollUpState; }

  // ---- Placement (SkinForm_Placement.cpp, SkinForm_PlacementMagnetic.cpp)
  // Where a maximized form goes: the monitor's whole rectangle with
  // MaximizeOnFullScreen, else its work area, one pixel in from every side when the work
  // area is the whole primary screen.
  TRect MaximizedBounds() const;
  // Centres the form on its monitor by PositionInMonitor, keeping its size.
  void ApplyPositionInMonitor();
  // Where a form of AW x AH would be centred by PositionInMonitor; (AX, AY) for
  // sppDefault.
  TPoint GetPositionInMonitor(int AX, int AY, int AW, int AH) const;
  // The first show places the form by PositionInMonitor, unless it is shown in another
  // state: then its first restore does.
  void PlaceOnFirstShow();
  // The form's outer rectangle: while the layered border shows a visible border
  // (LeftSize, TopSize, RightSize, BottomSize), the window lies that far inside it.
  void Move(int AX, int AY);
  void SetBounds(int AX, int AY, int AWidth, int AHeight);
  // Snaps the proposed top-left (X, Y) of a W x H form to the edges of the work area
  // closer than MagneticSize; a snapped edge lets go once the cursor has moved more
  // than MagneticSize pixels from where it was at the snap. Positions saturate at the
  // integer range.
  void DoMagnetic(int& X, int& Y, int W, int H);
  // A size change lets every snapped edge go, so the next move snaps afresh.
  void ReleaseMagneticEdges() { HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false; }
  // A move or size loop starts: the cursor (screen) there.
  void NoteMoveStart();
  // The height the roll-down gives back.
  int HeightBeforeRollUp() const { return OldHeight; }
  void SetHeightBeforeRollUp(int AValue) { OldHeight = AValue; }

  // ---- Bounds kept across a skin change or a layered-border switch
  // (SkinForm_PlacementFullBorder.cpp). A full layered border is the form's whole
  // frame, so the form's window changes size when one comes or goes: the outer
  // rectangle is what stays.
  // Saves the form's bounds, the outer ones while a full border shows.
  void SaveBoundsBeforeBorderChange();
  // With a full border shown now, the saved rectangle becomes its outer rectangle;
  // without one, saved outer bounds become the form's (its height the caption strip's
  // while rolled up); plain bounds saved without a border now stay as they are.
  void RestoreFullBorderBounds();

 private:
  bool HasNormalBounds() const { return !IsRectEmpty(OldBoundsRect); }
  void SaveNormalBounds();
  void ShowStatusBarGrip(bool AShow);
  // The edges of the work area a dragged form snaps to.
  TRect MagneticArea() const;
  // The border margins the outer rectangle of Move, SetBounds and DoMagnetic includes;
  // all 0 while no visible border shows.
  TRect LayeredBorderMargins() const;
  void RollUpFrame(bool AValue);
  void RollUpClientArea();
  void RollDownClientArea();
  void SetRollUpRegion();
  void SetObjectTimersEnabled(bool AEnabled);

  TspSkinForm& SkinForm;
  // The form has not been shown yet.
  bool FStartShow = true;
  // The normal bounds, saved on the way out of wsNormal; empty when none are.
  TRect OldBoundsRect;
  bool MaxRollUpState = false;
  bool FRollUpBeforeMaximize = false;
  // The height before the roll-up.
  int OldHeight = 0;
  // The left, top, right and bottom edges are snapped; cleared by every size change.
  bool HMagnetized = false, VMagnetized = false, HMagnetized2 = false, VMagnetized2 = false;
  // The cursor (screen) at the start of a move or when an edge snapped.
  TPoint FOnMouseDownCoord{-1, -1};
  // The bounds saved before a skin or layered-border change, and their kind: -1 none,
  // 0 the form's own bounds, 1 the outer bounds of a full layered border.
  TRect FOldFormBounds;
  int FOldFullBorder = -1;
  // The controls a client-area roll-up hid, shown again by the roll-down.
  std::vector<TControl*> VisibleControls;
};
