// The form's popup chain and its side of an open popup: the application hook that
// gives the keys to the menu, the open and close bookkeeping, and closing the menus on
// the form's own events.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Messages.h"

void TApplicationMessageHook::Set(TMessageEvent AHandler) {
  Reset();
  FId = Application->OnMessage.Add(std::move(AHandler));
}

void TApplicationMessageHook::Reset() {
  if (FId == 0) return;
  if (Application) Application->OnMessage.Remove(FId);
  FId = 0;
}

TspSkinMenu& TspSkinFormMenus::SkinMenu() {
  if (!FSkinMenu) FSkinMenu = new TspSkinMenu(&SkinForm, SkinForm.FForm);
  return *FSkinMenu;
}

void TspSkinFormMenus::SkinMenuOpen() {
  HookApplication();
  if (SkinForm.InMenu) return;
  SkinForm.InMenu = true;
  if (SkinForm.OnSkinMenuOpen) SkinForm.OnSkinMenuOpen(&SkinForm);
}

void TspSkinFormMenus::SkinMenuClose() {
  SkinForm.InMenu = false;
  SkinForm.Objects().ReleaseMenuObjects();
  UnhookApplication();
  if (SkinForm.OnSkinMenuClose) SkinForm.OnSkinMenuClose(&SkinForm);
  if (!SkinForm.InMainMenu) return;
  SkinForm.InMainMenu = false;
  if (SkinForm.MainMenuBar) SkinForm.MainMenuBar->LeaveKeyboardMode();
  if (SkinForm.OnMainMenuExit) SkinForm.OnMainMenuExit(&SkinForm);
}

void TspSkinFormMenus::LeaveMainMenu() {
  SkinForm.InMainMenu = false;
  if (FSkinMenu && FSkinMenu->Visible()) FSkinMenu->Hide();
  if (SkinForm.MainMenuBar) {
    SkinForm.MainMenuBar->LeaveKeyboardMode();
  } else {
    for (TspSkinMainMenuItem* Item : MainMenuItems())
      if (Item->Active) {
        Item->MouseLeave();
        break;
      }
  }
  UnhookApplication();
  if (SkinForm.OnMainMenuExit) SkinForm.OnMainMenuExit(&SkinForm);
}

void TspSkinFormMenus::MainMenuPopupClosed() {
  SkinForm.InMenu = false;
  if (SkinForm.MainMenuBar) {
    SkinForm.MainMenuBar->ReleaseDownItem();
  } else {
    // The item comes up but stays selected.
    for (TspSkinMainMenuItem* Item : MainMenuItems())
      if (Item->FDown) {
        Item->SetDown(false);
        Item->MouseEnter();
        break;
      }
  }
  if (SkinForm.OnSkinMenuClose) SkinForm.OnSkinMenuClose(&SkinForm);
}

// While hooked, a key press goes to the open menu and is swallowed; a wheel turn is
// swallowed; every other message passes.
void TspSkinFormMenus::HookApplication() {
  if (FMenuKeyHook.IsSet()) return;
  FMenuKeyHook.Set([this](MSG& AMsg, bool& AHandled) {
    if (AMsg.message == WM_KEYDOWN) {
      const WORD Key = WORD(AMsg.wParam);
      AMsg.message = 0;
      AHandled = true;
      MenuKeyDown(Key);
    } else if (AMsg.message == WM_MOUSEWHEEL) {
      AMsg.message = 0;
      AHandled = true;
    }
  });
}

void TspSkinFormMenus::UnhookApplication() { FMenuKeyHook.Reset(); }

void TspSkinFormMenus::MenuKeyDown(WORD AKey) {
  // An MDI child's menus open through the main form's chain: the keys go there.
  TspSkinForm* Main =
      SkinForm.FForm->FormStyle() == fsMDIChild ? FindSkinForm(Application->MainForm()) : nullptr;
  if (Main && Main != &SkinForm &&
      (Main->InMenu || (Main->Menus().FSkinMenu && Main->Menus().FSkinMenu->Visible()))) {
    Main->Menus().MenuKeyDown(AKey);
    return;
  }
  if (SkinForm.InMainMenu && MainMenuKeyDown(AKey)) return;
  // The open menu's key handler may run a command that frees the component.
  const TLiveToken Alive = SkinForm.FLive.Token();
  if (FSkinMenu && FSkinMenu->Visible() && FSkinMenu->PopupCount() > 0)
    FSkinMenu->PopupWindow(FSkinMenu->PopupCount() - 1).PopupKeyDown(AKey);
  if (!Alive) return;
  if (AKey != VK_ESCAPE || (FSkinMenu && FSkinMenu->PopupCount() > 0)) return;
  if (SkinForm.InMainMenu)
    MainMenuPopupClosed();
  else
    SkinMenuClose();
}

// Main-menu mode: an accelerator selects its item, Escape without a popup leaves the
// mode, Left and Right move along the main menu, Enter and Down press the selected
// item. Other keys go to the open popup.
bool TspSkinFormMenus::MainMenuKeyDown(WORD AKey) {
  if (MainMenuAccel(AKey)) return true;
  switch (AKey) {
    case VK_ESCAPE:
      if (SkinForm.InMenu) return false;
      LeaveMainMenu();
      return true;
    case VK_LEFT:
      if (!CanSelectPrevMainMenuItem()) return false;
      if (SkinForm.MainMenuBar)
        SkinForm.MainMenuBar->SelectPrevItem();
      else
        SelectPrevMainMenuItem();
      return true;
    case VK_RIGHT:
      if (!CanSelectNextMainMenuItem()) return false;
      if (SkinForm.MainMenuBar)
        SkinForm.MainMenuBar->SelectNextItem();
      else
        SelectNextMainMenuItem();
      return true;
    case VK_RETURN:
    case VK_DOWN:
      return PressMainMenuItem();
    default:
      return false;
  }
}

// The form moved, sized, lost the activation or the focus, or a button went down on
// it: an open menu closes, and main-menu mode without an open popup ends.
void TspSkinFormMenus::CheckCloseMenus() {
  if (SkinForm.InMainMenu && !SkinForm.InMenu)
    LeaveMainMenu();
  else if (FSkinMenu && FSkinMenu->Visible())
    FSkinMenu->Hide();
  else if (SkinForm.InMenu)
    SkinMenuClose();
}
