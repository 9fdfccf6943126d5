// The animations of the frame: a strip of frames stepped by the form's animation
// timer, optionally a caption button that plays forward under the mouse and back when
// the mouse leaves.

#include <algorithm>

#include "components/forms/SkinForm.h"

namespace {

// The animation timer's step, and the shortest time a frame shows.
constexpr int AnimateTickMs = 25;

}  // namespace

TspSkinAnimateObject::TspSkinAnimateObject(TspSkinForm* AParent, const TspDataSkinAnimate& AData)
    : TspActiveSkinObject(AParent, AData),
      TimerInterval(std::max(AData.TimerInterval, AnimateTickMs)),
      // Tolerated: a strip without frames plays as one frame, so it comes to an end.
      CountFrames(std::max(AData.CountFrames, 1)),
      Cycle(AData.Cycle),
      ButtonStyle(AData.ButtonStyle),
      Command(AData.Command),
      DownSkinRect(AData.DownSkinRect),
      RestoreRect(AData.RestoreRect),
      RestoreActiveRect(AData.RestoreActiveRect),
      RestoreInActiveRect(AData.RestoreInActiveRect),
      RestoreDownRect(AData.RestoreDownRect),
      RestoreHint(AData.RestoreHint),
      FTempHint(AData.Hint) {}

bool TspSkinAnimateObject::InRestoreSense() const {
  if (RectangleIsEmpty(RestoreRect)) return false;
  switch (Command) {
    case cmMaximize:
      return Parent->WindowState() == wsMaximized;
    case cmMinimize:
      return Parent->WindowState() == wsMinimized;
    case cmRollUp:
      return Parent->RollUpState();
    default:
      return false;
  }
}

void TspSkinAnimateObject::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  if (!HasSkin() || !ActivePicture) return;
  const bool Restore = InRestoreSense();
  const TRect& Normal = Restore ? RestoreRect : SkinRect;
  const TRect& Strip = Restore ? RestoreActiveRect : ActiveSkinRect;
  const TRect& DownLook = Restore ? RestoreDownRect : DownSkinRect;
  const TRect& InActiveLook = Restore ? RestoreInActiveRect : InActiveSkinRect;
  if (FMenuTracking) {
    if (!RectangleIsEmpty(DownLook)) return DrawLook(Cnvs, *ActivePicture, DownLook);
    FFrame = CountFrames;
  } else if (!Parent->GetFormActive() && !RectangleIsEmpty(InActiveLook)) {
    return DrawLook(Cnvs, *ActivePicture, InActiveLook);
  } else if (FDown && FMouseIn && !RectangleIsEmpty(DownLook)) {
    return DrawLook(Cnvs, *ActivePicture, DownLook);
  }
  const int W = RectangleWidth(Normal);
  const int Left = Strip.Left + (FFrame - 1) * W;
  DrawLook(Cnvs, *ActivePicture, Rect(Left, Strip.Top, Left + W, Strip.Top + RectangleHeight(Normal)));
}

void TspSkinAnimateObject::SetFrame(int AValue) {
  if (Increment && AValue > CountFrames)
    AValue = 1;
  else if (!Increment && AValue <= 0)
    AValue = CountFrames;
  FFrame = AValue;
  Parent->DrawSkinObject(this);
}

void TspSkinAnimateObject::ChangeFrame() {
  if (FInc < TimerInterval) {
    FInc += AnimateTickMs;
    return;
  }
  FInc = AnimateTickMs;
  // Played to its end already (left before it moved, or entered at its last frame): it
  // stops there rather than wrapping round and playing the whole strip again.
  const bool AtEnd = Increment ? !Cycle && FFrame >= CountFrames : FFrame <= 1;
  if (AtEnd) {
    Active = false;
    return;
  }
  SetFrame(FFrame + (Increment ? 1 : -1));
  if (Increment ? !Cycle && FFrame == CountFrames : FFrame == 1) Active = false;
}

void TspSkinAnimateObject::Start() {
  FInc = AnimateTickMs;
  FFrame = 1;
  Active = true;
  Parent->AnimateTimer().SetEnabled(true);
}

void TspSkinAnimateObject::Stop() {
  SetFrame(1);
  Active = false;
  FInc = AnimateTickMs;
}

void TspSkinAnimateObject::PlayOrRedraw() {
  if (ShownPressed())
    Parent->DrawSkinObject(this);
  else
    Parent->AnimateTimer().SetEnabled(true);
}

void TspSkinAnimateObject::MouseEnter() {
  if (Command != cmDefault) Hint = InRestoreSense() && !RestoreHint.empty() ? RestoreHint : FTempHint;
  FMouseIn = true;
  if (FMenuTracking) return;
  if (ButtonStyle) {
    Active = true;
    Increment = true;
    PlayOrRedraw();
  }
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
}

void TspSkinAnimateObject::MouseLeave() {
  if (!FMouseIn) return;
  FMouseIn = false;
  if (FMenuTracking) return;
  if (ButtonStyle) {
    // Plays back to the first frame.
    Active = true;
    Increment = false;
    PlayOrRedraw();
  }
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
}

void TspSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button) {
  TspActiveSkinObject::MouseDown(X, Y, Button);
  if (Button != mbLeft) return;
  if (!RectangleIsEmpty(DownSkinRect)) {
    FFrame = CountFrames;
    FDown = true;
    Parent->DrawSkinObject(this);
  }
  if (ButtonStyle && FMouseIn && Command == cmSysMenu) {
    MenuItem = Parent->GetSystemMenuItems();
    OpenMenu();
  }
}

void TspSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button) {
  TspActiveSkinObject::MouseUp(X, Y, Button);
  if (FMenuTracking || Button != mbLeft) return;
  if (!RectangleIsEmpty(DownSkinRect)) {
    FDown = false;
    Parent->DrawSkinObject(this);
    Parent->AnimateTimer().SetEnabled(true);
  }
  if (!ButtonStyle || !FMouseIn || Command == cmSysMenu) return;
  if (Command == cmDefault)
    OpenMenu();
  else  // Last: closing may free the form and this object with it.
    Parent->Objects().RunCaptionCommand(Command);
}

void TspSkinAnimateObject::OpenMenu() {
  if (!MenuItem || MenuItem->Count() == 0) return;
  FMenuTracking = true;
  Parent->Objects().PopupObjectMenu(MenuItem, ObjectRect, FPopupUp);
}

void TspSkinAnimateObject::ReleaseMenu() {
  Active = true;
  FFrame = CountFrames;
  FDown = FMenuTracking = Increment = false;
  if (!Parent->AnimateTimer().Enabled()) Parent->AnimateTimer().SetEnabled(true);
}

void TspSkinAnimateObject::DblClick() {
  if (Command == cmSysMenu) Parent->Form()->Close();
}
