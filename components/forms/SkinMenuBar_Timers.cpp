// The main menu bar's timers: the 50 ms watch of the pointer while it is over the bar,
// the 25 ms morph steps and the animation frames of the items. Each stops itself once
// it has nothing left to do.

#include "components/forms/SkinMenuBar.h"
#include "platform/win/Cursors.h"

// The hot item follows the pointer even when the bar gets no mouse messages (another
// window holds the mouse); off the bar the hover ends and the watch stops.
void TspSkinMainMenuBar::DoMouseTimer() {
  POINT Cursor;
  GetCursorPos(&Cursor);
  const TPoint P = ScreenToClient(TPoint{Cursor.X, Cursor.Y});
  if (P.X < 0 || P.Y < 0 || P.X >= Width() || P.Y >= Height()) {
    FMouseTimer->SetEnabled(false);
    TestActive(-1, -1);
    return;
  }
  TestActive(P.X, P.Y);
}

void TspSkinMainMenuBar::DoMorphTimer() {
  bool Stepped = false;
  for (const auto& Item : FItems) {
    if (!Item->EnableMorphing() || !Item->CanMorphing()) continue;
    Item->DoMorphing();
    Stepped = true;
  }
  if (!Stepped) FMorphTimer->SetEnabled(false);
}

void TspSkinMainMenuBar::DoAnimateTimer() {
  bool Stepped = false;
  for (const auto& Item : FItems)
    if (Item->EnableAnimation() && Item->DoAnimation()) Stepped = true;
  if (!Stepped) FAnimateTimer->SetEnabled(false);
}
