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

void TspSkinForm::FormShortCut(TWMKey& AMsg, bool& AHandled) {
  if (OnShortCut) {
    OnShortCut(AMsg, AHandled);
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
  TMainMenu* MainMenu = MainMenuBar && MainMenuBar->MainMenu() ? MainMenuBar->MainMenu() : FForm->Menu();
  if (!MainMenu) return;
  if (MainMenuBar && ShortcutsIsAltLetter(AMsg) && MainMenuBar->CheckAccelerator(AMsg.CharCode)) {
    AHandled = true;
    return;
  }
  FInShortCut = MainMenu->IsShortCut(AMsg);
  AHandled = FInShortCut;
}

bool TspSkinForm::TakeMenuKey() {
  if (InMainMenu) {
    LeaveMainMenu();
    return true;
  }
  // An open popup closes first, so that the bar's selection is the only menu state.
  if (FSkinMenu && FSkinMenu->Visible()) FSkinMenu->Hide();
  if (!MainMenuBar || MainMenuBar->ItemCount() == 0) return false;
  MainMenuBar->EnterKeyboardMode();
  return true;
}

void TspSkinForm::PopupSkinMenu(TMenu* AMenu, TPoint APoint) {
  PopupSkinMenu1(AMenu, Rect(APoint.X, APoint.Y, APoint.X, APoint.Y), false);
}

void TspSkinForm::PopupSkinMenu1(TMenu* AMenu, const TRect& ARect, bool APopupUp) {
  SkinMenuOpen();
  SkinMenu().Popup(nullptr, MenuSkin(), 0, ARect, AMenu->Items(), APopupUp);
}

void TspSkinForm::DoPopupMenu(TPopupMenu* AMenu, int AX, int AY) {
  if (AMenu->OnPopup) AMenu->OnPopup(this);
  if (FSkinMenu && FSkinMenu->Visible()) SkinMenuClose();
  SkinMenuOpen();
  SkinMenu().Popup(nullptr, FSD, 0, Rect(AX, AY, AX, AY), AMenu->Items(), false);
}
