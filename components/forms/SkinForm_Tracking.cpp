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

TspActiveSkinObject* TspSkinFormObjects::ObjectAt(int AIndex) const {
  if (AIndex < 0 || AIndex >= int(ObjectList.size())) return nullptr;
  return ObjectList[size_t(AIndex)].get();
}

bool TspSkinFormObjects::CursorOverForm(TPoint AScreenPoint) const {
  return SkinForm.FForm->HandleAllocated() && WindowFromPoint(AScreenPoint) == SkinForm.FForm->Handle();
}

TPoint TspSkinFormObjects::ScreenToObjectPoint(TPoint AScreenPoint) const {
  if (SkinForm.FSupportNCArea) return SkinForm.ScreenToFramePoint(PointToLParam(AScreenPoint));
  POINT Client = AScreenPoint;
  ScreenToClient(SkinForm.FForm->Handle(), &Client);
  return Client;
}

bool TspSkinFormObjects::CanHover() const {
  // A frame-mode form shows no hover while inactive, in a move-or-size loop, as a
  // maximized MDI child or without a frame.
  if (ObjectList.empty() || SkinForm.FSizeMove || SkinForm.IsMaximizedMDIChild() || SkinForm.PreviewMode)
    return false;
  if (SkinForm.FSupportNCArea && (!SkinForm.GetFormActive() || SkinForm.FForm->BorderStyle() == bsNone))
    return false;
  return true;
}

void TspSkinFormObjects::TestActive(int X, int Y, bool AHover) {
  if (!CanHover()) return;
  OldActiveObject = ActiveObject;
  int Candidate = -1;
  for (size_t I = 0; I < ObjectList.size() && Candidate == -1; ++I) {
    const TspActiveSkinObject& Object = *ObjectList[I];
    const TRect& R = Object.ObjectRect;
    // An object whose mask leaves the point out lets an object behind it take it.
    if (SkinForm.IsObjectPresent(Object) && TrackingTakesPart(Object) && PtInRect(R, Point(X, Y)) &&
        Object.HitTest(X - R.Left, Y - R.Top))
      Candidate = int(I);
  }
  ActiveObject = AHover ? Candidate : -1;
  // While an object holds the mouse no other one takes the hover.
  if (MouseCaptureObject != -1 && ActiveObject != MouseCaptureObject) ActiveObject = -1;
  if (!ObjectAt(OldActiveObject)) OldActiveObject = -1;
  if (!ObjectAt(ActiveObject)) ActiveObject = -1;
  if (ActiveObject == OldActiveObject) return;

  // Objects are looked up again after each handler ran: an event handler may change
  // the skin (which replaces the objects and ends the hover) or free the form.
  const TLiveToken Alive = SkinForm.FLive.Token();
  if (TspActiveSkinObject* Old = ObjectAt(OldActiveObject); Old && TrackingTakesPart(*Old)) {
    const bool HadHint = !Old->Hint.empty();
    Old->MouseLeave();
    if (!Alive) return;
    if (SkinForm.ShowObjectHint && SkinForm.FSkinHint != nullptr && HadHint) SkinForm.FSkinHint->HideHint();
  }
  if (TspActiveSkinObject* New = ObjectAt(ActiveObject); New && TrackingTakesPart(*New)) {
    New->MouseEnter();
    if (!Alive) return;
    // The hint as the entered object has it now (a button may change it on entering).
    const TspActiveSkinObject* Entered = ObjectAt(ActiveObject);
    if (Entered != nullptr && SkinForm.ShowObjectHint && SkinForm.FSkinHint != nullptr &&
        SkinForm.GetFormActive() && !Entered->Hint.empty())
      SkinForm.FSkinHint->ActivateHint2(Entered->Hint);
  }
}

void TspSkinFormObjects::UpdateSkinCursor() {
  if (!SkinForm.FSD) return;
  TCursor Cursor = crDefault;
  const TspActiveSkinObject* Hovered = ObjectAt(ActiveObject);
  if (Hovered && Hovered->CursorIndex != -1)
    Cursor = TCursor(SkinForm.FSD->StartCursorIndex + Hovered->CursorIndex);
  else if (SkinForm.FSD->CursorIndex != -1)
    Cursor = TCursor(SkinForm.FSD->StartCursorIndex + SkinForm.FSD->CursorIndex);
  if (SkinForm.FForm->Cursor() != Cursor) SkinForm.FForm->SetCursor(Cursor);
}

void TspSkinFormObjects::StartDragging(int X, int Y) {
  FIsDragging = true;
  POINT Cursor = Point(X, Y);
  ClientToScreen(SkinForm.FForm->Handle(), &Cursor);
  FOldX = Cursor.X;
  FOldY = Cursor.Y;
}

void TspSkinFormObjects::StopDragging() { FIsDragging = false; }

void TspSkinFormObjects::FollowDrag() {
  POINT Cursor;
  GetCursorPos(&Cursor);
  if (Cursor.X == FOldX && Cursor.Y == FOldY) return;
  int X = SkinForm.FForm->Left() + Cursor.X - FOldX;
  int Y = SkinForm.FForm->Top() + Cursor.Y - FOldY;
  if (SkinForm.Magnetic) SkinForm.DoMagnetic(X, Y, SkinForm.FForm->Width(), SkinForm.FForm->Height());
  SkinForm.FForm->SetBounds(X, Y, SkinForm.FForm->Width(), SkinForm.FForm->Height());
  FOldX = Cursor.X;
  FOldY = Cursor.Y;
}

void TspSkinFormObjects::ObjectsMouseDown(TMouseButton Button, int X, int Y) {
  if (!SkinForm.FSupportNCArea) FIsDragging = false;
  TestActive(X, Y, true);
  TspActiveSkinObject* Hovered = ObjectAt(ActiveObject);
  if (!Hovered) {
    if (!SkinForm.FSupportNCArea && Button == mbLeft && SkinForm.FWindowState != wsMaximized &&
        SkinForm.DraggAble)
      StartDragging(X, Y);
    return;
  }
  // A press on the caption is left to the system's caption handling.
  if (SkinForm.FSupportNCArea && !TrackingIsCaption(Hovered)) SetCapture(SkinForm.FForm->Handle());
  MouseCaptureObject = ActiveObject;
  Hovered->MouseDown(X, Y, Button);
}

void TspSkinFormObjects::ObjectsMouseUp(TMouseButton Button, int X, int Y) {
  if (!SkinForm.FSupportNCArea) StopDragging();
  TspActiveSkinObject* Holder = ObjectAt(MouseCaptureObject);
  // Cleared first: the release may run a command that closes (and frees) the form.
  MouseCaptureObject = -1;
  if (!Holder) return;
  if (SkinForm.FSupportNCArea && !TrackingIsCaption(Holder)) ReleaseCapture();
  Holder->MouseUp(X, Y, Button);
}

void TspSkinFormObjects::ObjectsMouseMove(int X, int Y) {
  if (!SkinForm.FSupportNCArea && FIsDragging) return;
  TspActiveSkinObject* Target = ObjectAt(MouseCaptureObject);
  if (!Target) Target = ObjectAt(ActiveObject);
  if (Target) Target->MouseMove(X, Y);
}

void TspSkinFormObjects::ObjectsDblClick() {
  if (TspActiveSkinObject* Hovered = ObjectAt(ActiveObject)) Hovered->DblClick();
}

LRESULT TspSkinFormObjects::ClientAreaHitTest(TPoint APoint) {
  if (!SkinForm.Sizeable || SkinForm.FWindowStateInit == wsMaximized || SkinForm.FRollUpState ||
      ActiveObject != -1 || !SkinForm.HasSkin())
    return HTCLIENT;
  if (!RectangleIsEmpty(SkinForm.Geometry().FSizeGripArea) &&
      PtInRect(SkinForm.Geometry().FSizeGripArea, APoint))
    return HTBOTTOMRIGHT;
  if (!SkinForm.Geometry().PointNearSkinEdge(APoint)) return HTCLIENT;
  const LRESULT Code = SkinForm.Geometry().SkinCornerOrSide(APoint);
  return Code == HTNOWHERE ? HTCLIENT : Code;
}
