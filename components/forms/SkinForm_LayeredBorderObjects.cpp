// The mouse on the caption of a full layered border: the skin objects in the top window
// take the hover, presses and releases; the caption moves the form and a double click
// on it maximizes, restores or rolls the form up; the 500 ms mouse timer ends a hover
// whose leave never came.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/win/Cursors.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

namespace {

bool LayerObjectLive(const TspActiveSkinObject* AObject) {
  return AObject != nullptr && AObject->Enabled && AObject->Visible;
}

// The caption object with one of its quick buttons under the mouse.
bool OnQuickButton(const TspActiveSkinObject* AObject) {
  auto* Caption = dynamic_cast<const TspSkinCaptionObject*>(AObject);
  return Caption != nullptr && Caption->ActiveQuickButton != -1;
}

}  // namespace

TspActiveSkinObject* TspFormLayerBorder::ObjectAt(int AIndex) const {
  if (AIndex < 0 || size_t(AIndex) >= DSF->ObjectList.size()) return nullptr;
  return DSF->ObjectList[size_t(AIndex)].get();
}

void TspFormLayerBorder::CheckActiveObject(int X, int Y) {
  TspSkinForm& SkinForm = *DSF;
  if (SkinForm.ObjectList.empty() || !FullBorder()) return;
  // The form's own layout may have run since the top image was drawn.
  LayoutCaptionObjects();
  // No hover while the form is inactive or being moved or sized.
  const bool CanHover = SkinForm.GetFormActive() && !SkinForm.InSizeMove();
  OldActiveObject = ActiveObject;
  ActiveObject = -1;
  if (CanHover)
    for (size_t I = 0; I < SkinForm.ObjectList.size(); ++I) {
      const TspActiveSkinObject& Object = *SkinForm.ObjectList[I];
      if (LayerObjectLive(&Object) && PtInRect(Object.ObjectRect, Point(X, Y)) &&
          Object.HitTest(X - Object.ObjectRect.Left, Y - Object.ObjectRect.Top)) {
        ActiveObject = int(I);
        break;
      }
    }
  // Another object holds the press: no other takes the hover meanwhile.
  if (MouseCaptureObject != -1 && MouseCaptureObject != ActiveObject) ActiveObject = -1;
  if (ActiveObject == OldActiveObject) return;
  if (TspActiveSkinObject* Old = ObjectAt(OldActiveObject); LayerObjectLive(Old)) Old->MouseLeave();
  if (TspActiveSkinObject* New = ObjectAt(ActiveObject); LayerObjectLive(New)) New->MouseEnter();
}

void TspFormLayerBorder::ResetButtonObjects() {
  for (const auto& Object : DSF->ObjectList)
    if (auto* Button = dynamic_cast<TspSkinStdButtonObject*>(Object.get())) {
      Button->FDown = false;
      Button->FMouseIn = false;
      Button->Active = false;
    }
}

void TspFormLayerBorder::MouseTimerTick() {
  if (FData != nullptr && !FData->FullBorder) {
    FMouseTimer->SetEnabled(false);
    return;
  }
  TspFormLayerWindow* Top = FWindows[spflTop].get();
  if (Top == nullptr) return;
  POINT Cursor;
  GetCursorPos(&Cursor);
  if (WindowFromPoint(Cursor) == Top->Handle()) return;
  FMouseTimer->SetEnabled(false);
  MouseCaptureObject = -1;
  CheckActiveObject(-1, -1);
}

TspFormLayerBorderHit TspFormLayerWindow::ObjectHitMode(int AX, int AY) const {
  TspFormLayerBorder& Border = *FLayerBorder;
  if (!Border.FullBorder()) {
    Border.ActiveObject = -1;
    return spflhNone;
  }
  // The objects live in the top window; the hover there is not the other sides' to end.
  if (BorderType != spflTop) return spflhNone;
  Border.CheckActiveObject(AX, AY);
  const TspSkinForm& SkinForm = *Border.DSF;
  const TspActiveSkinObject* Object = Border.ObjectAt(Border.ActiveObject);
  if (Object == nullptr) return spflhNone;
  if (dynamic_cast<const TspSkinCaptionObject*>(Object) == nullptr) return spflObject;
  return SkinForm.NCDraggAble ? spflCaption : spflhNone;
}

void TspFormLayerWindow::ObjectsMouseDown(TMouseButton AButton, int AX, int AY) {
  TspFormLayerBorder& Border = *FLayerBorder;
  TspActiveSkinObject* Object = Border.ObjectAt(Border.ActiveObject);
  if (!Border.FullBorder() || BorderType != spflTop || Object == nullptr) return;
  Object->MouseDown(AX, AY, AButton);
  // A quick button of the caption takes the press: the form stays where it is.
  if (OnQuickButton(Object)) FDown = false;
  Border.MouseCaptureObject = Border.ActiveObject;
}

void TspFormLayerWindow::ObjectsMouseUp(TMouseButton AButton, int AX, int AY) {
  TspFormLayerBorder& Border = *FLayerBorder;
  if (!Border.FullBorder() || BorderType != spflTop) return;
  // The object that took the press hears its release, also away from it.
  if (Border.MouseCaptureObject != Border.ActiveObject)
    if (TspActiveSkinObject* Captured = Border.ObjectAt(Border.MouseCaptureObject))
      Captured->MouseUp(AX, AY, AButton);
  Border.MouseCaptureObject = -1;
  if (FHitMode != spflCaption && FHitMode != spflObject && !CanResize()) return;
  if (TspActiveSkinObject* Object = Border.ObjectAt(Border.ActiveObject)) Object->MouseUp(AX, AY, AButton);
}

void TspFormLayerWindow::CaptionDragStep() {
  TspSkinForm& SkinForm = *FLayerBorder->DSF;
  const int DX = MousePos2.X - MousePos1.X;
  const int DY = MousePos2.Y - MousePos1.Y;
  if (DX == 0 && DY == 0) return;
  const int FL = FForm->Left(), FT = FForm->Top();
  int X = FL + DX, Y = FT + DY;
  if (SkinForm.Magnetic) {
    const int Height =
        SkinForm.UseCollapsedLayerFrame() ? FLayerBorder->Data()->RollUpFormHeight : FForm->Height();
    int SnapX = X, SnapY = Y;
    SkinForm.DoMagnetic(SnapX, SnapY, FForm->Width(), Height);
    // A snapped edge holds the form until the mouse pulls further than the snap went.
    const bool Snapped = SnapX != X || SnapY != Y;
    const bool PulledFurther =
        (DX > 0 && SnapX > X) || (DX < 0 && SnapX < X) || (DY > 0 && SnapY > Y) || (DY < 0 && SnapY < Y);
    if (Snapped && !PulledFurther) return;
    X = SnapX;
    Y = SnapY;
  }
  FForm->SetBounds(X, Y, FForm->Width(), FForm->Height());
}

void TspFormLayerWindow::CaptionDblClick(int AX, int AY) {
  TspFormLayerBorder& Border = *FLayerBorder;
  if (!Border.FullBorder()) return;
  TspSkinForm& SkinForm = *Border.DSF;
  TspFormLayerBorderHit Hit = ObjectHitMode(AX, AY);
  const TspActiveSkinObject* Object = Border.ObjectAt(Border.ActiveObject);
  if (Hit == spflCaption && OnQuickButton(Object)) Hit = spflObject;
  MousePos1 = MousePos2;
  Border.MouseCaptureObject = -1;
  if (Hit == spflObject) {
    // A double click on the system-menu button closes the form.
    if (auto* Button = dynamic_cast<const TspSkinStdButtonObject*>(Object);
        Button && Button->Command == cmSysMenu)
      FForm->Close();
    return;
  }
  if (Hit != spflCaption) return;
  const TWindowState State = SkinForm.ReachedWindowState();
  if (SkinForm.Sizeable && State == wsMinimized) {
    SkinForm.SetWindowState(wsNormal);
  } else if (SkinForm.Sizeable && State != wsMaximized && !SkinForm.RollUpState() &&
             SkinForm.BorderIcons().Contains(TspSkinForm::biMaximize)) {
    FDown = false;
    SkinForm.SetWindowState(wsMaximized);
  } else if (!SkinForm.Sizeable || State != wsMaximized || SkinForm.MaxRolledUp()) {
    SkinForm.SetRollUpState(!SkinForm.RollUpState());
  } else {
    FDown = false;
    SkinForm.SetWindowState(wsNormal);
  }
}
