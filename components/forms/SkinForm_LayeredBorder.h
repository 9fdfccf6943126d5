#pragma once
// The layered border of a skinned form: the skin's layer frame (section "LAYERFRAME"),
// a picture with per-pixel alpha such as a soft shadow, shown around the form as up to
// four borderless top-level windows, one per side. The picture is cut at its corner
// points: the top and bottom strips keep their ends and stretch their middle to the
// form's width, the side strips are stretched or tiled to its height. With the frame's
// hit testing on, dragging the visible border resizes the form.
//
// The border follows the form through a TWindowHook of its own on the form's
// WindowProc (moves, sizes, showing, hiding, activation, the window states), which
// sees each message after the form handled it. It needs a compositor: without one (no
// per-pixel alpha on the display) it is never in force and the form keeps its
// ordinary skinned frame. In the full-border mode the frame is the whole frame of the
// form: the form keeps only its client area, and the top window carries the caption
// and the caption buttons, drawn there by the form's skin objects, which take the
// mouse there (hover, press, commands); the caption moves the form and a double click
// on it maximizes, restores or rolls the form up.
//
// Implementation: SkinForm_LayeredBorder.cpp (the frame data, the frame box, showing,
// moving, alpha, activation), SkinForm_LayeredBorderFade.cpp (the fade-in),
// SkinForm_LayeredBorderPlace.cpp (placing for a given form rectangle, drawing onto a
// canvas), SkinForm_LayeredBorderImages.cpp (the four images for a size), SkinForm_LayeredBorderWindow.cpp
// (the windows and the hook on the form), SkinForm_LayeredBorderMouse.cpp (hit strips, sizing cursors and the
// border drags), SkinForm_LayeredBorderCaption.cpp (the caption objects laid out and drawn in the top
// window), SkinForm_LayeredBorderObjects.cpp (the mouse on those objects, the caption
// drag and double click, the mouse timer).
// User-interface thread only.

#include <array>
#include <memory>

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WindowHook.h"

class TspActiveSkinObject;
class TspSkinForm;
class TspFormLayerBorder;
class TspActiveSkinObject;

enum TspFormLayerBorderType { spflLeft, spflTop, spflRight, spflBottom };

// The zone of a border window under the mouse.
enum TspFormLayerBorderHit {
  spflhNone,
  spflhLeft,
  spflhTop,
  spflhRight,
  spflhBottom,
  spflhTopLeft,
  spflhTopRight,
  spflhBottomLeft,
  spflhBottomRight,
  spflCaption,
  spflObject
};

// One window of the border: a borderless, layered top-level form that never takes the
// activation (a press on it activates the surrounded form). Its class name is the one
// the skin-change broadcast leaves out.
class TspFormLayerWindow : public TForm {
 public:
  TspFormLayerWindow(TspFormLayerBorder* ALayerBorder, TCustomForm* AForm,
                     TspFormLayerBorderType ABorderType);

  const TspFormLayerBorderType BorderType;
  // The zone under the mouse at the last move without a drag.
  TspFormLayerBorderHit HitMode() const { return FHitMode; }
  // A border drag is under way.
  bool Dragging() const { return FDown; }

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  // The form may be resized through the border: sizeable, not rolled up, normal state.
  bool CanResize() const;
  // The zone under the cursor (screen position) for this window's side.
  TspFormLayerBorderHit GetHitMode(TPoint ACursor) const;
  TspFormLayerBorderHit TopHitMode(TPoint ACursor) const;
  // The full-border top window: the skin object under the window point, if any.
  TspFormLayerBorderHit ObjectHitMode(int AX, int AY) const;
  TspFormLayerBorderHit BottomHitMode(TPoint ACursor) const;
  void UpdateCursor();
  // One step of a drag from MousePos1 to MousePos2.
  void DragStep();
  // One step of a caption drag: the form moves by the cursor's way, held by a
  // magnetic edge until the mouse pulls further.
  void CaptionDragStep();
  // SkinForm_LayeredBorderObjects.cpp: a double click on the full-border top window.
  void CaptionDblClick(int AX, int AY);
  // The press, release and move handed to the skin objects in the full-border mode.
  void ObjectsMouseDown(TMouseButton AButton, int AX, int AY);
  void ObjectsMouseUp(TMouseButton AButton, int AX, int AY);

  TCustomForm* const FForm;
  TspFormLayerBorder* const FLayerBorder;
  bool FDown = false;
  // The cursor (screen) at the last drag step and now.
  TPoint MousePos1, MousePos2;
  TspFormLayerBorderHit FHitMode = spflhNone;
};

class TspFormLayerBorder : public TComponent {
 public:
  // Owned by the skin component ADSF; no frame data until InitFrame.
  explicit TspFormLayerBorder(TspSkinForm* ADSF);
  ~TspFormLayerBorder() override;

  // Takes the layer frame of the skin (none when the skin is nullptr or empty, or has
  // no frame picture): the pictures with their alpha, the border and corner sizes.
  void InitFrame(TspSkinData* ASkinData, TCustomForm* AForm);
  // The skin's layer frame, or nullptr when there is none: everything but InitFrame
  // and Hide does nothing then.
  const TspDataSkinLayerFrame* Data() const { return FData; }
  bool Visible() const { return FVisible; }
  bool Active() const { return FActive; }

  // The frame box around a form at (AFormLeft, AFormTop) of AFormWidth x
  // AFormHeight: the picture placed so that its client rectangle covers the form,
  // grown with it, shifted by the frame's offsets.
  TRect FrameBox(int AFormLeft, int AFormTop, int AFormWidth, int AFormHeight) const;
  TRect FrameBoxOfForm() const;

  // Shows the frame at the form's frame box, or at a box of its own.
  void ShowWithForm();
  void Show(const TRect& ABox);
  // Shows the frame at the form's frame box from alpha 0, then fades it in to its
  // alpha on a timer, in steps of a fifteenth of it (at least 1) 6 ms apart.
  void ShowWithFormAnimation();
  // A fade-in is under way.
  bool Fading() const { return FFadeTimer->Enabled(); }
  // The windows and their images are freed.
  void Hide();
  // Visible only: new images for the form's box, windows moved there.
  void SetBoundsWithForm();
  void SetBounds(const TRect& ABox);
  // Visible only: new images and places for the form at its position with the size
  // AWidth x AHeight, or for the form's rectangle to be (the form calls it while it is
  // sized, before it has moved).
  void SetBoundsWithForm2(int AWidth, int AHeight);
  void SetBoundsWithForm3(int ALeft, int ATop, int AWidth, int AHeight);
  // Visible only: the windows moved to the form's box, their images kept.
  void MoveWithForm();
  // Visible only: the windows moved to the box of the form at (ALeft, ATop).
  void MoveWithForm2(int ALeft, int ATop);
  // Visible only: the current alpha re-applied to every shown window.
  void SetAlphaBlend();
  // Visible only: SetAlphaBlend, then every shown window placed again at the form's box.
  void SetAlphaBlend2();
  // The images for the box ABox drawn with their alpha onto ACanvas, each where its
  // window would show, instead of showing windows.
  void Draw(TCanvas& ACanvas, const TRect& ABox);
  // The frame follows the form's own alpha: the frame's alphas scaled by AFormAlpha /
  // 255, rounded to nearest; with AUpdate applied at once.
  void CheckFormAlpha(int AFormAlpha, bool AUpdate);
  // The form's activation: the inactive picture and alpha while inactive.
  void SetActive(bool AValue, bool AUpdate);
  // The alpha the windows show now.
  int CurrentAlpha() const { return FActive ? FCurrentAlphaBlendValue : FCurrentInActiveAlphaBlendValue; }

  // Shows, hides or places the frame as the form's state asks: shown while the border
  // is in force and the form visible, not iconic and not maximized.
  void FollowForm();
  // The skin component applied its skin: the frame is taken from it again and follows
  // the form.
  void FollowSkin();

  // The frame is in the full-border mode (caption and caption buttons on top).
  bool FullBorder() const { return FData != nullptr && FData->FullBorder; }
  // Visible only: new images for the form's box, the windows kept in place.
  void UpdateBorder();
  // Full border: the caption object, the caption buttons and the system-menu button
  // placed in the top window's coordinates for the form's width.
  void LayoutCaptionObjects();
  // Full border: the skin object under the top window's point (X, Y) becomes the
  // active one (-1, -1: none); the old one is left, the new one entered.
  void CheckActiveObject(int X, int Y);
  // Every caption button loses its pressed and hot state.
  void ResetButtonObjects();
  // Indexes into the form's skin objects: the one under the mouse, the one before it,
  // the one that took the press; -1 none.
  int ActiveObject = -1, OldActiveObject = -1, MouseCaptureObject = -1;
  // The form's skin object at one of those indexes; nullptr for -1 and for an index
  // the form's objects no longer reach (a skin change may have replaced them).
  TspActiveSkinObject* ObjectAt(int AIndex) const;
  // 500 ms while the mouse is over the frame: ends the hover the leave missed.
  TTimer& MouseTimer() const { return *FMouseTimer; }

  // The windows; nullptr while hidden (only the top one without corner points).
  TspFormLayerWindow* Window(TspFormLayerBorderType AType) const { return FWindows[AType].get(); }
  // The images of the windows for the current size.
  const TspBitmap& Image(TspFormLayerBorderType AType) const { return *FImages[AType]; }

  TspSkinForm* const DSF;
  // Width of the visible (hit-testable) border outside the form on each side; all 0
  // when the frame gives no border rectangle.
  int LeftSize = 0, TopSize = 0, RightSize = 0, BottomSize = 0;
  // Sizes of the four corner resize zones.
  int HitTopLeftX = 0, HitTopLeftY = 0, HitTopRightX = 0, HitTopRightY = 0;
  int HitBottomLeftX = 0, HitBottomLeftY = 0, HitBottomRightX = 0, HitBottomRightY = 0;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  void FormMessage(TMessage& AMessage);
  void MouseTimerTick();
  // SkinForm_LayeredBorderFade.cpp: one step of the fade-in, and its end, which gives
  // the frame its whole alpha back.
  void FadeStep();
  void StopFade();
  // The windows moved to the box, their images kept; the left and right ones only while
  // shown.
  void MoveWindows(const TRect& ABox);
  // SkinForm_LayeredBorderCaption.cpp: the visible objects drawn into the top image.
  void DrawCaptionObjects(TspBitmap& ATop);
  // Whether the frame should show now.
  bool WantedShown() const;

  // The frame picture the current activation shows.
  const TspBitmap& SourceBitmap() const;
  bool HasCornerPoints() const;
  // SkinForm_LayeredBorderImages.cpp: the images for a frame box of AW x AH.
  void CreateLayerImages(int AW, int AH);
  // Where each window goes for the box; the left and right ones only with an image.
  TRect WindowPlace(TspFormLayerBorderType AType, const TRect& ABox) const;
  void CreateWindows();
  void PlaceWindows(const TRect& ABox, bool AUpdateContents);
  void ApplyContent(TspFormLayerBorderType AType);

  TCustomForm* FForm = nullptr;
  TspSkinData* FSD = nullptr;
  const TspDataSkinLayerFrame* FData = nullptr;
  TspBitmap FSourceBitmap;
  std::unique_ptr<TspBitmap> FSourceInActiveBitmap;
  // Made anew for every size (a bitmap cannot be emptied).
  std::array<std::unique_ptr<TspBitmap>, 4> FImages;
  std::array<std::unique_ptr<TspFormLayerWindow>, 4> FWindows;
  TWindowHook FFormHook;
  TTimer* FMouseTimer;
  TTimer* FFadeTimer;
  // The active alpha a fade-in reaches, and its step.
  int FFadeTarget = 0, FFadeStep = 1;
  bool FVisible = false;
  bool FActive = true;
  int FCurrentAlphaBlendValue = -1, FCurrentInActiveAlphaBlendValue = -1;
  // The form's bounds the frame was last placed for.
  TRect FFormBounds;
  // Messages of the border's windows under way.
  int FDispatching = 0;
  friend class TspFormLayerWindow;
  // The full border took the form's frame (the form's client area is all of it).
  bool FFormFrameTaken = false;
};
