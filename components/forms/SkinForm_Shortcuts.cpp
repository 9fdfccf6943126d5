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
  TMainMenu* MainMenu = SkinForm.MainMenuBar && SkinForm.MainMenuBar->MainMenu()
                            ? SkinForm.MainMenuBar->MainMenu()
                            : SkinForm.FForm->Menu();
  if (!MainMenu) return;
  if (SkinForm.MainMenuBar && ShortcutsIsAltLetter(AMsg) &&
      SkinForm.MainMenuBar->CheckAccelerator(AMsg.CharCode)) {
    AHandled = true;
    return;
  }
  FInShortCut = MainMenu->IsShortCut(AMsg);
  AHandled = FInShortCut;
}

bool TspSkinFormMenus::TakeMenuKey() {
  if (SkinForm.InMainMenu) {
    LeaveMainMenu();
    return true;
  }
  // An open popup closes first, so that the bar's selection is the only menu state.
  if (FSkinMenu && FSkinMenu->Visible()) FSkinMenu->Hide();
  if (!SkinForm.MainMenuBar || SkinForm.MainMenuBar->ItemCount() == 0) return false;
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
