// TspSkinMenuSpeedButton: the part that opens the menu, opening it below the button,
// the presses and hover while it shows, and its close.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_MenuButtonInternal.h"
#include "components/forms/SkinMenus.h"

TspSkinMenuSpeedButton::TspSkinMenuSpeedButton(TComponent* AOwner) : TspSkinSpeedButton(AOwner) {
  SetSkinDataName("toolmenubutton");
}

void TspSkinMenuSpeedButton::SetSkinPopupMenu(TspSkinPopupMenu* AValue) {
  if (FSkinPopupMenu != AValue) ReplaceNotified(FSkinPopupMenu, AValue);
}

void TspSkinMenuSpeedButton::SetTrackButtonMode(bool AValue) {
  FTrackButtonMode = AValue;
  if (FIndex == -1) Repaint();
}

void TspSkinMenuSpeedButton::SetNewStyle(bool AValue) {
  FNewStyle = AValue;
  if (FNewStyle) SetSkinDataName("resizetoolbutton");
}

void TspSkinMenuSpeedButton::SetTrackPosition(TspTrackPosition AValue) {
  FTrackPosition = AValue;
  Repaint();
}

void TspSkinMenuSpeedButton::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinSpeedButton::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSkinPopupMenu) FSkinPopupMenu = nullptr;
}

void TspSkinMenuSpeedButton::GetSkinData() {
  TspSkinSpeedButton::GetSkinData();
  TakeTrackButtonRect(SkinElement<TspDataSkinMenuButtonControl>(), FIndex, TrackButtonRect);
}

// ---------------------------------------------------------------- the menu part

TRect TspSkinMenuSpeedButton::Strip() const {
  if (FNewStyle && FTrackPosition == sptpBottom)
    return Rect(0, Height() - MenuButtonStripSize, Width(), Height());
  return Rect(Width() - MenuButtonStripSize, 0, Width(), Height());
}

TRect TspSkinMenuSpeedButton::MenuPart() const {
  if (FIndex == -1 || IsToolButtonKind(SkinDataName())) return Strip();
  return MappedTrackRect(TrackButtonRect, *this, Width(), Height());
}

bool TspSkinMenuSpeedButton::InMenuPart(int AX, int AY) const {
  if (!FSkinPopupMenu && !FSkinImagesMenu) return false;
  if (!FTrackButtonMode) return true;
  return PointInMenuPart(MenuPart(), AX, AY);
}

void TspSkinMenuSpeedButton::PopupMenuBelow() {
  if (FSkinPopupMenu) {
    if (Flat() && !Transparent()) SetTransparentStyle(true);
    if (!RaiseMenuButtonEvent(OnShowTrackMenu, this, FLive.Token())) return;
    if (FSkinPopupMenu) FSkinPopupMenu->PopupFromRect2(this, ScreenRectOf(*this), false);
  }
  if (!FSkinImagesMenu) return;
  if (Flat() && !Transparent()) SetTransparentStyle(true);
  if (!RaiseMenuButtonEvent(OnShowTrackMenu, this, FLive.Token()) || !FSkinImagesMenu) return;
  // A picture menu that did not open would leave the button down for good.
  if (!PopupImagesMenuBelow(*FSkinImagesMenu, *this, FLive.Token(), [this] { MenuClosed(); }) &&
      !FSkinPopupMenu)
    MenuClosed();
}

void TspSkinMenuSpeedButton::MenuClosed() {
  FMenuTracked = false;
  // Up and not hot wherever the pointer is: hot again only at the next enter (a flat
  // button shows its parent again).
  FMouseIn = false;
  SetDown(false);
  if (RaiseMenuButtonEvent(OnHideTrackMenu, this, FLive.Token())) Repaint();
}

// ---------------------------------------------------------------- messages and mouse

void TspSkinMenuSpeedButton::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case SP_CLOSESKINMENU:
      MenuClosed();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (IsDesigning()) return;
      // While the menu shows only where the pointer is changes: no look, no events.
      if (FMenuTracked) {
        FMouseIn = AMessage.Msg == CM_MOUSEENTER;
        return;
      }
      break;
    default:
      break;
  }
  TspSkinSpeedButton::Dispatch(AMessage);
}

void TspSkinMenuSpeedButton::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (AButton != mbLeft) {
    TspSkinSpeedButton::MouseDown(AButton, AShift, AX, AY);
    return;
  }
  FMenuTracked = InMenuPart(AX, AY);
  if (!FMenuTracked) {
    TspSkinSpeedButton::MouseDown(AButton, AShift, AX, AY);
    return;
  }
  FMouseIn = true;
  if (!Down()) SetDown(true);
  PopupMenuBelow();
}

void TspSkinMenuSpeedButton::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (FMenuTracked) return;
  TspSkinSpeedButton::MouseUp(AButton, AShift, AX, AY);
}
