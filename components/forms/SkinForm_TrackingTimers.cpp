// The timers that carry the frame objects: the 50 ms poll of the hover while the
// cursor is over the form, and the 25 ms frame steps of animations and captions. Each switches
// itself off once it has nothing to do, and all stop with the form's window.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "platform/win/Cursors.h"
#include "platform/win/WindowPos.h"

namespace {

// One morph step of the frame objects.
constexpr UINT SkinFormMorphIntervalMs = 25;

}  // namespace

TspSkinFormObjects::TspSkinFormObjects(TspSkinForm& ASkinForm)
    : SkinForm(ASkinForm),
      FMorphTimer(NewDisabledTimer(&SkinForm, SkinFormMorphIntervalMs, [this] { DoMorphTimer(); })),
      FAnimateTimer(NewDisabledTimer(&SkinForm, 25, [this] { DoAnimateTimer(); })),
      FMouseTimer(NewDisabledTimer(&SkinForm, 50, [this] { DoMouseTimer(); })),
      FLayerManager(new TspLayerManager(&SkinForm)) {}

void TspSkinFormObjects::StopObjectTimers() {
  FMorphTimer->SetEnabled(false);
  FAnimateTimer->SetEnabled(false);
  FMouseTimer->SetEnabled(false);
}

void TspSkinFormObjects::DoMouseTimer() {
  if (!SkinForm.FSupportNCArea && !SkinForm.FSkinSupport) return;
  POINT Cursor;
  GetCursorPos(&Cursor);
  const TPoint P = ScreenToObjectPoint(Cursor);
  if (!SkinForm.FSupportNCArea) {
    if (!FIsDragging) {
      if (CursorOverForm(Cursor)) {
        TestActive(P.X, P.Y, true);
      } else {
        TestActive(-1, -1, false);
        MouseIn = false;
        FMouseTimer->SetEnabled(false);
      }
    }
    if (SkinForm.UseSkinCursors) UpdateSkinCursor();
    return;
  }
  if (!CursorOverForm(Cursor)) {
    FMouseTimer->SetEnabled(false);
    TestActive(-1, -1, false);
  } else if (SkinForm.FSizeMove) {
    FMouseTimer->SetEnabled(false);
  } else if (!PtInRect(SkinForm.Geometry().NewClRect, P)) {
    TestActive(P.X, P.Y, true);
  } else if (ActiveObject != -1) {
    // Over the client area the timer keeps running.
    TestActive(-1, -1, true);
  }
}

void TspSkinFormObjects::DoAnimateTimer() {
  bool Pending = false;
  for (size_t I = 0; I < ObjectList.size(); ++I) {
    TspActiveSkinObject* Object = ObjectList[I].get();
    if (auto* Caption = dynamic_cast<TspSkinCaptionObject*>(Object)) {
      if (Caption->AnimationStep()) Pending = true;
      continue;
    }
    auto* Animation = dynamic_cast<TspSkinAnimateObject*>(Object);
    if (!Animation || !Animation->Active || Animation->ShownPressed()) continue;
    Animation->ChangeFrame();
    Pending = true;
  }
  if (!Pending) FAnimateTimer->SetEnabled(false);
}
