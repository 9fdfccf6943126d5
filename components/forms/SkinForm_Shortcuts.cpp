// The form's shortcut handler, the menu key, and the entry points that open a menu's
// items as a skinned popup of this form.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/Keyboard.h"

namespace {

// Alt+Space: the key data says Alt is down, and neither Shift nor Ctrl is.
bool ShortcutsIsAltSpace(const TWMKey& AMsg) {
  return AMsg.CharCode == VK_SPACE && KeyDataToShiftState(AMsg.KeyData) == TShiftState{ssAlt};
}

// Alt with a key other than F4: a candidate for a main menu bar accelerator.
bool ShortcutsIsAltLetter(const TWMKey& AMsg) {
  return AMsg.CharCode != VK_F4 && KeyDataToShiftState(AMsg.KeyData).Contains(ssAlt);
}

}  // namespace

void TspSkinFormMenus::FormShortCut(TWMKey& AMsg, bool& AHandled) {
  if (SkinForm.OnShortCut) {
    SkinForm.OnShortCut(AMsg, AHandled);
    if (AHandled) return;
  }
  if (ShortcutsIsAltSpace(AMsg)) {
    OpenSystemMenuByKey();
    FInShortCut = false;
    AHandled = true;
    return;
  }
  if (FInShortCut) {
    FInShortCut = false;
    AHandled = false;
  }
  TspSkinMainMenuBar* Bar = SkinForm.MainMenuBar;
  TMainMenu* MainMenu = Bar && Bar->MainMenu() ? Bar->MainMenu() : SkinForm.MainMenu();
  // An accelerator or a shortcut may run a command that frees the form.
  const TLiveToken Alive = SkinForm.FLive.Token();
  if (MainMenu) {
    if (ShortcutsIsAltLetter(AMsg) && MainMenuAccel(AMsg.CharCode)) {
      AHandled = true;
      return;
    }
    const bool Taken = MainMenu->IsShortCut(AMsg);
    AHandled = Taken;
    if (!Alive) return;
    FInShortCut = Taken;
  }
  // The shortcuts of a document's menu the bar shows (its accelerators are the bar's,
  // tried above).
  if (FInShortCut || !Bar || !Bar->ChildMenuIn()) return;
  if (TMainMenu* Child = Bar->GetChildMainMenu()) {
    const bool Taken = Child->IsShortCut(AMsg);
    AHandled = Taken;
    if (Alive) FInShortCut = Taken;
  }
}

bool TspSkinFormMenus::TakeMenuKey() {
  if (SkinForm.InMainMenu) {
    LeaveMainMenu();
    return true;
  }
  // An open popup closes first, so that the main menu's selection is the only menu
  // state; its close event may free the form.
  const TLiveToken Alive = SkinForm.FLive.Token();
  if (FSkinMenu && FSkinMenu->Visible()) FSkinMenu->Hide();
  if (!Alive) return true;
  if (!SkinForm.MainMenuBar) return EnterMainMenu();
  if (SkinForm.MainMenuBar->ItemCount() == 0) return false;
  SkinForm.MainMenuBar->EnterKeyboardMode();
  return true;
}

void TspSkinFormMenus::PopupSkinMenu(TMenu* AMenu, TPoint APoint) {
  PopupSkinMenu1(AMenu, Rect(APoint.X, APoint.Y, APoint.X, APoint.Y), false);
}

void TspSkinFormMenus::PopupSkinMenu1(TMenu* AMenu, const TRect& ARect, bool APopupUp) {
  SkinMenuOpen();
  SkinMenu().Popup(nullptr, SkinForm.MenuSkin(), 0, ARect, AMenu->Items(), APopupUp);
}

void TspSkinFormMenus::DoPopupMenu(TPopupMenu* AMenu, int AX, int AY) {
  if (AMenu->OnPopup) AMenu->OnPopup(&SkinForm);
  if (FSkinMenu && FSkinMenu->Visible()) SkinMenuClose();
  SkinMenuOpen();
  SkinMenu().Popup(nullptr, SkinForm.FSD, 0, Rect(AX, AY, AX, AY), AMenu->Items(), false);
}
