// TspSkinMenuButton: the part that opens the menu, the presses, keys and hover while
// it shows, and its close.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_MenuButtonInternal.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Accelerators.h"
#include "platform/win/Cursors.h"
#include "platform/win/Keyboard.h"
#include "platform/win/WindowPos.h"

TspSkinMenuButton::TspSkinMenuButton(TComponent* AOwner) : TspSkinButton(AOwner) {
  SetSkinDataName("toolmenubutton");
  FSpaceSupport = false;
}

void TspSkinMenuButton::SetSkinPopupMenu(TspSkinPopupMenu* AValue) {
  if (FSkinPopupMenu != AValue) ReplaceNotified(FSkinPopupMenu, AValue);
}

void TspSkinMenuButton::SetTrackButtonMode(bool AValue) {
  FTrackButtonMode = AValue;
  if (FIndex == -1) Repaint();
}

void TspSkinMenuButton::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinButton::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSkinPopupMenu) FSkinPopupMenu = nullptr;
}

void TspSkinMenuButton::GetSkinData() {
  TspSkinButton::GetSkinData();
  TakeTrackButtonRect(SkinElement<TspDataSkinMenuButtonControl>(), FIndex, TrackButtonRect);
}

bool TspSkinMenuButton::InMenuPart(int AX, int AY) const {
  if (!FSkinPopupMenu && !FSkinImagesMenu) return false;
  if (!FTrackButtonMode) return true;
  if (FIndex != -1 && !IsToolButtonKind(SkinDataName()))
    return PointInMenuPart(MappedTrackRect(TrackButtonRect, *this, Width(), Height()), AX, AY);
  return PointInMenuPart(Rect(Width() - MenuButtonStripSize, 0, Width(), Height()), AX, AY);
}

void TspSkinMenuButton::TrackMenu() {
  FMenuTracked = true;
  if (!FDown) SetDown(true);
  if (FSkinPopupMenu) {
    if (!RaiseMenuButtonEvent(OnShowTrackMenu, this, FLive.Token())) return;
    if (FSkinPopupMenu) FSkinPopupMenu->PopupFromRect2(this, ScreenRectOf(*this), false);
  }
  if (!FSkinImagesMenu) return;
  if (!RaiseMenuButtonEvent(OnShowTrackMenu, this, FLive.Token()) || !FSkinImagesMenu) return;
  // A picture menu that did not open would leave the button down for good.
  if (!PopupImagesMenuBelow(*FSkinImagesMenu, *this, FLive.Token(), [this] { MenuClosed(true); }) &&
      !FSkinPopupMenu)
    MenuClosed(true);
}

void TspSkinMenuButton::MenuClosed(bool AMorph) {
  FMenuTracked = false;
  SetDown(false);
  // Hot only with the pointer really over the button: a menu closed by a click
  // elsewhere leaves it plain.
  POINT Cursor{};
  FMouseIn = HandleAllocated() && GetCursorPos(&Cursor) && WindowFromPoint(Cursor) == Handle();
  if (!RaiseMenuButtonEvent(OnHideTrackMenu, this, FLive.Token())) return;
  if (!FMouseIn) HideLayer();
  if (AMorph)
    MorphOrRepaint();
  else
    Repaint();
}

// ---------------------------------------------------------------- messages, keys, mouse

void TspSkinMenuButton::WndProc(TMessage& AMessage) {
  if (CanFocused() && FSkinPopupMenu) {
    const bool Space = AMessage.WParam == VK_SPACE;
    if (AMessage.Msg == WM_KEYDOWN && Space && !FTrackButtonMode) {
      TrackMenu();
      return;
    }
    if (AMessage.Msg == WM_KEYUP && !FMenuTracked && Space) {
      SetDown(false);
      RaiseMenuButtonEvent(OnClick, this, FLive.Token());
      return;
    }
    if (AMessage.Msg == WM_KEYUP && !FMenuTracked && AMessage.WParam == VK_RETURN &&
        !RaiseMenuButtonEvent(OnClick, this, FLive.Token()))
      return;
  }
  TspSkinButton::WndProc(AMessage);
}

void TspSkinMenuButton::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case SP_CLOSESKINMENU:
      MenuClosed();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      // While the menu shows only where the pointer is changes: no look, no glow.
      if (FMenuTracked && !IsDesigning()) {
        FMouseIn = AMessage.Msg == CM_MOUSEENTER;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (!FTrackButtonMode && FSkinPopupMenu && IsAccel(static_cast<uint32_t>(AMessage.WParam), Caption()) &&
          CanFocus() && CanFocused()) {
        SetFocus();
        TrackMenu();
        AMessage.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TspSkinButton::Dispatch(AMessage);
}

void TspSkinMenuButton::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (AButton == mbLeft) FMenuTracked = InMenuPart(AX, AY);
  if (AButton != mbLeft || !FMenuTracked) {
    TspSkinButton::MouseDown(AButton, AShift, AX, AY);
    return;
  }
  FMouseIn = true;
  if (FIndex != -1 && !RectangleIsEmpty(AnimateSkinRect)) StopAnimation();
  TrackMenu();
}

void TspSkinMenuButton::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (FMenuTracked) return;
  TspSkinButton::MouseUp(AButton, AShift, AX, AY);
}
