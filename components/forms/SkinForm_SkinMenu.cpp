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

TspSkinMenu& TspSkinForm::SkinMenu() {
  if (!FSkinMenu) FSkinMenu = new TspSkinMenu(this, FForm);
  return *FSkinMenu;
}

void TspSkinForm::SkinMenuOpen() {
  HookApplication();
  if (InMenu) return;
  InMenu = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TspSkinForm::SkinMenuClose() {
  InMenu = false;
  ReleaseMenuObjects();
  UnhookApplication();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
  if (!InMainMenu) return;
  InMainMenu = false;
  if (MainMenuBar) MainMenuBar->LeaveKeyboardMode();
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TspSkinForm::LeaveMainMenu() {
  InMainMenu = false;
  if (FSkinMenu && FSkinMenu->Visible()) FSkinMenu->Hide();
  if (MainMenuBar) MainMenuBar->LeaveKeyboardMode();
  UnhookApplication();
  if (OnMainMenuExit) OnMainMenuExit(this);
}

void TspSkinForm::MainMenuPopupClosed() {
  InMenu = false;
  if (MainMenuBar) MainMenuBar->ReleaseDownItem();
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

// While hooked, a key press goes to the open menu and is swallowed; a wheel turn is
// swallowed; every other message passes.
void TspSkinForm::HookApplication() {
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

void TspSkinForm::UnhookApplication() { FMenuKeyHook.Reset(); }

void TspSkinForm::MenuKeyDown(WORD AKey) {
  // An MDI child's menus open through the main form's chain: the keys go there.
  TspSkinForm* Main = FForm->FormStyle() == fsMDIChild ? FindSkinForm(Application->MainForm()) : nullptr;
  if (Main && Main != this && (Main->InMenu || (Main->FSkinMenu && Main->FSkinMenu->Visible()))) {
    Main->MenuKeyDown(AKey);
    return;
  }
  if (InMainMenu && MainMenuBar && MainMenuBarKeyDown(AKey)) return;
  const std::weak_ptr<char> Alive = FMenuLifeToken;
  if (FSkinMenu && FSkinMenu->Visible() && FSkinMenu->PopupCount() > 0)
    FSkinMenu->PopupWindow(FSkinMenu->PopupCount() - 1).PopupKeyDown(AKey);
  if (Alive.expired()) return;
  if (AKey != VK_ESCAPE || (FSkinMenu && FSkinMenu->PopupCount() > 0)) return;
  if (InMainMenu)
    MainMenuPopupClosed();
  else
    SkinMenuClose();
}

// Main-menu mode: Escape without a popup leaves it, Left and Right move along the bar,
// Enter and Down press the selected item. Other keys go to the open popup.
bool TspSkinForm::MainMenuBarKeyDown(WORD AKey) {
  if (MainMenuBar->CheckAccelerator(AKey)) return true;
  switch (AKey) {
    case VK_ESCAPE:
      if (InMenu) return false;
      LeaveMainMenu();
      return true;
    case VK_LEFT:
      // A deeper level open: Left closes it.
      if (FSkinMenu && FSkinMenu->PopupCount() > 1) return false;
      MainMenuBar->SelectPrevItem();
      return true;
    case VK_RIGHT:
      if (!CanMoveRightAlongMainMenuBar()) return false;
      MainMenuBar->SelectNextItem();
      return true;
    case VK_RETURN:
    case VK_DOWN:
      return MainMenuBar->PressSelectedItem();
    default:
      return false;
  }
}

// Right moves along the bar unless the innermost popup's selected line has sub-items:
// then Right opens them.
bool TspSkinForm::CanMoveRightAlongMainMenuBar() const {
  if (!FSkinMenu || FSkinMenu->PopupCount() == 0) return true;
  const TspSkinPopupWindow& Window = FSkinMenu->PopupWindow(FSkinMenu->PopupCount() - 1);
  if (Window.ActiveItem < 0 || Window.ActiveItem >= Window.ItemCount()) return true;
  const TMenuItem* Line = Window.Item(Window.ActiveItem).MenuItem;
  return !Line || Line->Count() == 0;
}

// The form moved, sized, lost the activation or the focus, or a button went down on
// it: an open menu closes, and main-menu mode without an open popup ends.
void TspSkinForm::CheckCloseMenus() {
  if (InMainMenu && !InMenu)
    LeaveMainMenu();
  else if (FSkinMenu && FSkinMenu->Visible())
    FSkinMenu->Hide();
  else if (InMenu)
    SkinMenuClose();
}
