// The form's side of the frame objects' input: which object the mouse is over (the
// hover), which object holds the mouse from a press to its release, the delivery of
// the mouse to them, their hints and skin cursors, dragging a client-area-mode form by
// its picture, and the hit test of client-area mode.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinHint.h"
#include "platform/ui/Screen.h"
#include "platform/win/Capture.h"
#include "platform/win/Cursors.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"

namespace {

bool TrackingIsCaption(const TspActiveSkinObject* AObject) {
  return dynamic_cast<const TspSkinCaptionObject*>(AObject) != nullptr;
}

bool TrackingTakesPart(const TspActiveSkinObject& AObject) { return AObject.Enabled && AObject.Visible; }

}  // namespace

void TspSkinForm::SetSkinHint(TspSkinHint* AValue) { ReplaceNotified(FSkinHint, AValue); }

TspActiveSkinObject* TspSkinForm::ObjectAt(int AIndex) const {
  if (AIndex < 0 || AIndex >= int(ObjectList.size())) return nullptr;
  return ObjectList[size_t(AIndex)].get();
}

bool TspSkinForm::CursorOverForm(TPoint AScreenPoint) const {
  return FForm->HandleAllocated() && WindowFromPoint(AScreenPoint) == FForm->Handle();
}

TPoint TspSkinForm::ScreenToObjectPoint(TPoint AScreenPoint) const {
  if (FSupportNCArea) return ScreenToFramePoint(PointToLParam(AScreenPoint));
  POINT Client = AScreenPoint;
  ScreenToClient(FForm->Handle(), &Client);
  return Client;
}

bool TspSkinForm::CanHover() const {
  // A frame-mode form shows no hover while inactive, in a move-or-size loop, as a
  // maximized MDI child or without a frame.
  if (ObjectList.empty() || FSizeMove || IsMaximizedMDIChild()) return false;
  if (FSupportNCArea && (!GetFormActive() || FForm->BorderStyle() == bsNone)) return false;
  return true;
}

void TspSkinForm::TestActive(int X, int Y, bool AHover) {
  if (!CanHover()) return;
  OldActiveObject = ActiveObject;
  int Candidate = -1;
  for (size_t I = 0; I < ObjectList.size() && Candidate == -1; ++I) {
    const TspActiveSkinObject& Object = *ObjectList[I];
    const TRect& R = Object.ObjectRect;
    // An object whose mask leaves the point out lets an object behind it take it.
    if (IsObjectPresent(Object) && TrackingTakesPart(Object) && PtInRect(R, Point(X, Y)) &&
        Object.HitTest(X - R.Left, Y - R.Top))
      Candidate = int(I);
  }
  ActiveObject = AHover ? Candidate : -1;
  // While an object holds the mouse no other one takes the hover.
  if (MouseCaptureObject != -1 && ActiveObject != MouseCaptureObject) ActiveObject = -1;
  if (!ObjectAt(OldActiveObject)) OldActiveObject = -1;
  if (!ObjectAt(ActiveObject)) ActiveObject = -1;
  if (ActiveObject == OldActiveObject) return;

  // Each object is looked up again after the other's handlers ran: an event handler
  // may have changed the list.
  const bool Hints = ShowObjectHint && FSkinHint != nullptr;
  if (TspActiveSkinObject* Old = ObjectAt(OldActiveObject); Old && TrackingTakesPart(*Old)) {
    Old->MouseLeave();
    if (Hints && !Old->Hint.empty()) FSkinHint->HideHint();
  }
  if (TspActiveSkinObject* New = ObjectAt(ActiveObject); New && TrackingTakesPart(*New)) {
    New->MouseEnter();
    if (Hints && GetFormActive() && !New->Hint.empty()) FSkinHint->ActivateHint2(New->Hint);
  }
}

void TspSkinForm::UpdateSkinCursor() {
  if (!FSD) return;
  TCursor Cursor = crDefault;
  const TspActiveSkinObject* Hovered = ObjectAt(ActiveObject);
  if (Hovered && Hovered->CursorIndex != -1)
    Cursor = TCursor(FSD->StartCursorIndex + Hovered->CursorIndex);
  else if (FSD->CursorIndex != -1)
    Cursor = TCursor(FSD->StartCursorIndex + FSD->CursorIndex);
  if (FForm->Cursor() != Cursor) FForm->SetCursor(Cursor);
}

void TspSkinForm::StartDragging(int X, int Y) {
  FIsDragging = true;
  POINT Cursor = Point(X, Y);
  ClientToScreen(FForm->Handle(), &Cursor);
  FOldX = Cursor.X;
  FOldY = Cursor.Y;
}

void TspSkinForm::StopDragging() { FIsDragging = false; }

void TspSkinForm::FollowDrag() {
  POINT Cursor;
  GetCursorPos(&Cursor);
  if (Cursor.X == FOldX && Cursor.Y == FOldY) return;
  FForm->SetBounds(FForm->Left() + Cursor.X - FOldX, FForm->Top() + Cursor.Y - FOldY, FForm->Width(),
                   FForm->Height());
  FOldX = Cursor.X;
  FOldY = Cursor.Y;
}

void TspSkinForm::ObjectsMouseDown(TMouseButton Button, int X, int Y) {
  if (!FSupportNCArea) FIsDragging = false;
  TestActive(X, Y, true);
  TspActiveSkinObject* Hovered = ObjectAt(ActiveObject);
  if (!Hovered) {
    if (!FSupportNCArea && Button == mbLeft && FWindowState != wsMaximized && DraggAble) StartDragging(X, Y);
    return;
  }
  // A press on the caption is left to the system's caption handling.
  if (FSupportNCArea && !TrackingIsCaption(Hovered)) SetCapture(FForm->Handle());
  MouseCaptureObject = ActiveObject;
  Hovered->MouseDown(X, Y, Button);
}

void TspSkinForm::ObjectsMouseUp(TMouseButton Button, int X, int Y) {
  if (!FSupportNCArea) StopDragging();
  TspActiveSkinObject* Holder = ObjectAt(MouseCaptureObject);
  // Cleared first: the release may run a command that closes (and frees) the form.
  MouseCaptureObject = -1;
  if (!Holder) return;
  if (FSupportNCArea && !TrackingIsCaption(Holder)) ReleaseCapture();
  Holder->MouseUp(X, Y, Button);
}

void TspSkinForm::ObjectsMouseMove(int X, int Y) {
  if (!FSupportNCArea && FIsDragging) return;
  TspActiveSkinObject* Target = ObjectAt(MouseCaptureObject);
  if (!Target) Target = ObjectAt(ActiveObject);
  if (Target) Target->MouseMove(X, Y);
}

void TspSkinForm::ObjectsDblClick() {
  if (TspActiveSkinObject* Hovered = ObjectAt(ActiveObject)) Hovered->DblClick();
}

LRESULT TspSkinForm::ClientAreaHitTest(TPoint APoint) {
  if (!Sizeable || FWindowStateInit == wsMaximized || FRollUpState || ActiveObject != -1 || !HasSkin())
    return HTCLIENT;
  if (!RectangleIsEmpty(Geometry().FSizeGripArea) && PtInRect(Geometry().FSizeGripArea, APoint))
    return HTBOTTOMRIGHT;
  if (!Geometry().PointNearSkinEdge(APoint)) return HTCLIENT;
  const LRESULT Code = Geometry().SkinCornerOrSide(APoint);
  return Code == HTNOWHERE ? HTCLIENT : Code;
}
