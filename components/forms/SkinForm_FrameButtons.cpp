// The buttons of the frame: push buttons with their down look and radio groups, and the
// caption buttons with their restore looks, hints and commands.

#include "components/forms/SkinForm.h"
#include "platform/ui/Application.h"

// ---------------------------------------------------------------- push button

TspSkinButtonObject::TspSkinButtonObject(TspSkinForm* AParent, const TspDataSkinButton& AData)
    : TspActiveSkinObject(AParent, AData),
      DownRect(AData.DownRect),
      DisableSkinRect(AData.DisableSkinRect),
      GroupIndex(AData.GroupIndex) {}

void TspSkinButtonObject::SetDown(bool AValue) {
  FDown = AValue;
  const bool HasDownLook = !RectangleIsEmpty(DownRect);
  // A button opening a menu without a down look shows its hot look while down.
  if (MenuItem && !HasDownLook) {
    if (AValue) {
      FMouseIn = Active = true;
      if (EnableMorphing()) SetMorphKf(1);
      Parent->DrawSkinObject(this);
    } else {
      Parent->DrawSkinObject(this);
      if (EnableMorphing()) ReDraw();
    }
  }
  if (!HasDownLook) {
    if (AValue) ReleaseGroup();
    return;
  }
  if (AValue) {
    if (EnableMorphing()) SetMorphKf(1);
    Parent->DrawSkinObject(this);
    ReleaseGroup();
    return;
  }
  if (GroupIndex != -1 || MenuItem) Active = false;
  if (EnableMorphing()) Parent->DrawSkinObject(this);
  ReDraw();
}

void TspSkinButtonObject::ReleaseGroup() {
  if (GroupIndex == -1) return;
  for (auto& Object : Parent->ObjectList) {
    auto* Other = dynamic_cast<TspSkinButtonObject*>(Object.get());
    if (Other && Other->IDName != IDName && Other->GroupIndex == GroupIndex && Other->FDown) {
      Other->SetDown(false);
      return;
    }
  }
}

void TspSkinButtonObject::Draw(TCanvas& Cnvs, bool UpDate) {
  if (!HasSkin()) return;
  if (!Enabled && !RectangleIsEmpty(DisableSkinRect) && ActivePicture)
    return DrawLook(Cnvs, *ActivePicture, DisableSkinRect);
  if (FDown && !RectangleIsEmpty(DownRect) && ActivePicture && (GroupIndex != -1 || FMouseIn))
    return DrawLook(Cnvs, *ActivePicture, DownRect);
  TspActiveSkinObject::Draw(Cnvs, UpDate);
}

void TspSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && !FDown) {
    SetDown(true);
    Parent->Objects().PopupObjectMenu(MenuItem, ObjectRect, FPopupUp);
  }
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && FDown && !MenuItem && GroupIndex == -1) SetDown(false);
  TspActiveSkinObject::MouseUp(X, Y, Button);
}

void TspSkinButtonObject::MouseEnter() {
  FMouseIn = Active = true;
  const bool Up = RectangleIsEmpty(DownRect) || !FDown;
  if (Up) {
    if (!RectangleIsEmpty(ActiveSkinRect)) ReDraw();
  } else if (GroupIndex == -1) {
    Parent->DrawSkinObject(this);
  }
  // A button with a menu glows only while it is up.
  if (MenuItem && Up) ShowLayer();
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
  if (!MenuItem) ShowLayer();
}

void TspSkinButtonObject::MouseLeave() {
  FMouseIn = false;
  const bool HasDownLook = !RectangleIsEmpty(DownRect);
  if (MenuItem && FDown && !HasDownLook) {
    Active = false;
  } else if (!(FDown && HasDownLook && (MenuItem || GroupIndex != -1))) {
    Active = false;
    // A button left while down fades out from the full hot look.
    if (FDown && EnableMorphing()) SetMorphKf(1);
    if (!RectangleIsEmpty(ActiveSkinRect) || (HasDownLook && GroupIndex == -1)) ReDraw();
    if (MenuItem) HideLayer();
  }
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  if (!MenuItem) HideLayer();
}

// ---------------------------------------------------------------- caption button

bool TspSkinStdButtonObject::InRestoreSense(bool AForLook) const {
  switch (Command) {
    case cmMaximize:
      return Parent->WindowState() == wsMaximized;
    case cmMinimize:
      // The main form's minimize button keeps its normal look while minimized.
      return Parent->WindowState() == wsMinimized && (!AForLook || Parent->Form() != Application->MainForm());
    case cmRollUp:
      return Parent->RollUpState();
    default:
      return false;
  }
}

bool TspSkinStdButtonObject::ShowsFormIcon() const {
  return Command == cmSysMenu && Parent->ShowIcon() && (!FSkinSupport || SkinRectInAPicture);
}

void TspSkinStdButtonObject::DrawSkinLook(TCanvas& Cnvs, bool UpDate) {
  if (!HasSkin()) return;
  if (ShowsFormIcon()) {
    Parent->DrawFormIcon(Cnvs, ObjectRect.Left, ObjectRect.Top);
    SetMorphKf(0);
    return;
  }
  const bool Restore = InRestoreSense(true);
  const bool FormActive = Parent->GetFormActive();
  if (!Enabled || (!FormActive && !RectangleIsEmpty(InActiveSkinRect) && !Restore))
    return TspSkinButtonObject::Draw(Cnvs, UpDate);
  if (RectangleIsEmpty(RestoreRect) || !Restore) {
    if (Command == cmSysMenu && FDown && !RectangleIsEmpty(DownRect) && ActivePicture)
      return DrawLook(Cnvs, *ActivePicture, DownRect);
    return TspSkinButtonObject::Draw(Cnvs, UpDate);
  }
  if (!ActivePicture) return;
  if (!FormActive && !RectangleIsEmpty(RestoreInActiveRect))
    DrawLook(Cnvs, *ActivePicture, RestoreInActiveRect);
  else if (FDown && FMouseIn && !RectangleIsEmpty(RestoreDownRect))
    DrawLook(Cnvs, *ActivePicture, RestoreDownRect);
  else if (EnableMorphing() && MorphUnderWay())
    DrawMorphBetween(Cnvs, ActivePicture, RestoreRect, RestoreActiveRect);
  else if (Active && !RectangleIsEmpty(RestoreActiveRect))
    DrawLook(Cnvs, *ActivePicture, RestoreActiveRect);
  else
    DrawLook(Cnvs, *ActivePicture, RestoreRect);
}

void TspSkinStdButtonObject::MouseEnter() {
  if (Command != cmDefault) Hint = InRestoreSense(false) && !RestoreHint.empty() ? RestoreHint : FTempHint;
  if (!ShowsFormIcon()) TspSkinButtonObject::MouseEnter();
}

void TspSkinStdButtonObject::MouseLeave() {
  if (!ShowsFormIcon()) TspSkinButtonObject::MouseLeave();
}

void TspSkinStdButtonObject::MouseDown(int, int, TMouseButton Button) {
  if (!Enabled || Button != mbLeft || FDown) return;
  if (Command == cmSysMenu) MenuItem = Parent->GetSystemMenuItems();
  if (!ShowsFormIcon()) SetDown(true);
  if (Command == cmSysMenu) Parent->Objects().PopupObjectMenu(MenuItem, ObjectRect, FPopupUp);
}

void TspSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (Command == cmClose) {
    // Closing may free the form and this button with it: nothing may follow.
    TspSkinButtonObject::MouseUp(X, Y, Button);
    if (Active && Button == mbLeft) Parent->Objects().RunCaptionCommand(Command);
    return;
  }
  if (Active && Button == mbLeft) Parent->Objects().RunCaptionCommand(Command);
  if (!ShowsFormIcon()) TspSkinButtonObject::MouseUp(X, Y, Button);
}

void TspSkinStdButtonObject::DblClick() {
  if (Command == cmSysMenu) Parent->Form()->Close();
}

// ---------------------------------------------------------------- the form's side

void TspSkinFormObjects::RunCaptionCommand(TStdCommand ACommand) {
  switch (ACommand) {
    case cmClose:
      TestActive(-1, -1, false);
      SkinForm.FForm->Close();
      break;
    case cmMaximize:
      TestActive(-1, -1, false);
      SkinForm.States().SetWindowState(SkinForm.FWindowStateInit == wsMaximized ? wsNormal : wsMaximized);
      break;
    case cmMinimize:
      TestActive(-1, -1, false);
      if (SkinForm.AlwaysMinimizeToTray)
        SkinForm.MinimizeToTray();
      else
        SkinForm.States().SetWindowState(
            SkinForm.FSupportNCArea && SkinForm.FWindowStateInit == wsMinimized ? wsNormal : wsMinimized);
      break;
    case cmRollUp:
      SkinForm.States().SetRollUpState(!SkinForm.FRollUpState);
      break;
    case cmMinimizeToTray:
      TestActive(-1, -1, false);
      SkinForm.MinimizeToTray();
      break;
    default:
      // The system menu and plain buttons run nothing on release.
      break;
  }
}
