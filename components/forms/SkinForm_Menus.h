#pragma once
// The menu and tray links of a skinned form (TspSkinForm::Menus()): the form's popup
// chain and the application hook that gives it the keys while a popup is open,
// main-menu keyboard mode, the form's shortcuts and menu key, the system menu, and the
// tray icon with its menu.
//
// Owned by the component, made with it and freed by it; it reaches the form, the skin
// and the other parts through its component. The flags other units read (InMenu,
// InMainMenu), the menu bar and the menu properties stay the component's.
// User-interface thread only.
//
// Implementation: SkinForm_SkinMenu.cpp (the popup chain, its keys and main-menu
// mode), SkinForm_Shortcuts.cpp (shortcuts, the menu key, popups of menus),
// SkinForm_FrameMainMenu.cpp and SkinForm_FrameMainMenuKeys.cpp (the main menu in the
// frame's menu strip and its keys),
// SkinForm_SystemMenu.cpp (the system menu), SkinForm_Tray.cpp (the tray icon).

#include <memory>
#include <optional>
#include <vector>

#include "components/forms/SkinMenus.h"
#include "platform/ui/Application.h"
#include "platform/ui/Forms.h"

class TspSkinForm;
class TspTrayIcon;
class TspSkinPopupMenu;
class TspSkinMainMenuItem;

// A handler on Application.OnMessage while it is set, taken off when replaced, reset
// or destroyed.
class TApplicationMessageHook {
 public:
  TApplicationMessageHook() = default;
  ~TApplicationMessageHook() { Reset(); }
  TApplicationMessageHook(const TApplicationMessageHook&) = delete;
  TApplicationMessageHook& operator=(const TApplicationMessageHook&) = delete;
  void Set(TMessageEvent AHandler);
  void Reset();
  bool IsSet() const { return FId != 0; }

 private:
  TMessageHookId FId = 0;
};

class TspSkinFormMenus {
 public:
  explicit TspSkinFormMenus(TspSkinForm& ASkinForm) : SkinForm(ASkinForm) {}
  TspSkinFormMenus(const TspSkinFormMenus&) = delete;
  TspSkinFormMenus& operator=(const TspSkinFormMenus&) = delete;

  // ---- The popup chain (SkinForm_SkinMenu.cpp)
  // The popup chain of this form, made with its first use and owned by the component.
  TspSkinMenu& SkinMenu();
  // The popup chain if one was made; nullptr before the first use.
  TspSkinMenu* ExistingSkinMenu() const { return FSkinMenu; }
  // A popup is about to open through this form: from now on the application's key
  // presses go to the open menu and no control sees them (nor a wheel turn).
  void SkinMenuOpen();
  // The popup chain of this form has closed (also on SP_CLOSESKINMENU).
  void SkinMenuClose();
  // A key while a popup is open: to the innermost menu window; an Escape that leaves
  // no window open ends the menu.
  void MenuKeyDown(WORD AKey);
  // Ends main-menu keyboard mode: an open popup closes and the bar's item goes cold.
  void LeaveMainMenu();
  // Escape closed the popup of a main menu item: the item stays selected.
  void MainMenuPopupClosed();
  // The form moved, sized, lost the activation or the focus, or a button went down on
  // it: an open menu closes, and main-menu mode without an open popup ends.
  void CheckCloseMenus();
  // The application's key presses go to the open menu while hooked.
  void HookApplication();
  void UnhookApplication();

  // ---- The main menu in the frame's menu strip, without a MainMenuBar
  // (SkinForm_FrameMainMenu.cpp, SkinForm_FrameMainMenuKeys.cpp)
  // A component being freed: the main menu (every strip item goes) or one of its
  // top-level items (its strip item goes).
  void ForgetMainMenuPart(TComponent* AComponent);
  // Every strip item of the menu item AOf goes (every strip item for nullptr); the
  // hover and the capture let go of the objects that moved.
  void DropMainMenuItems(const TComponent* AOf);
  // A strip item without sub-items pressed: the menu mode ends, the object's mouse
  // event fires and the item's command runs, last, since it may free the form.
  void RunMainMenuCommand(TspSkinMainMenuItem& AItem, int AX, int AY);
  // Alt+AKey, or AKey in main-menu mode: with a MainMenuBar the bar's accelerators;
  // else the first selectable strip item with that accelerator is selected and, unless
  // a popup is open and the item has sub-items, pressed. False: no item has it.
  bool MainMenuAccel(WORD AKey);
  // The menu key without a bar: the active strip item, else the first one, is selected
  // and main-menu mode begins; OnMainMenuEnter fires either way. False: no item.
  bool EnterMainMenu();
  // Right moves along the main menu unless the innermost popup's selected line has
  // sub-items (Right opens them); Left unless a level below the item's own is open
  // (Left closes it).
  bool CanSelectNextMainMenuItem() const;
  bool CanSelectPrevMainMenuItem() const;
  // The next (previous) enabled strip item that fits is selected, wrapping at the
  // ends; an open menu moves along.
  void SelectNextMainMenuItem();
  void SelectPrevMainMenuItem();
  // Enter or Down: the selected item opens its menu or runs its command (the bar's
  // with a MainMenuBar); false: no item was pressed.
  bool PressMainMenuItem();

  // ---- Shortcuts and popups of menus (SkinForm_Shortcuts.cpp)
  // The form's OnShortCut: the user's OnShortCut first (Handled stops everything),
  // then Alt+Space opens the system menu, then the form's main menu takes its
  // shortcuts (Alt+F4 is never an accelerator of it).
  void FormShortCut(TWMKey& AMsg, bool& AHandled);
  // The menu key (WM_SYSCOMMAND SC_KEYMENU, an Alt tap or F10) enters main-menu mode on
  // the bar, or leaves it; false: not taken, pass it on.
  bool TakeMenuKey();
  // A menu's items as a popup of this form, with the menu skin, at a screen point, or
  // at a screen rectangle (upward with APopupUp).
  void PopupSkinMenu(TMenu* AMenu, TPoint APoint);
  void PopupSkinMenu1(TMenu* AMenu, const TRect& ARect, bool APopupUp);
  // The menu's OnPopup (the component as sender), then its items at (AX, AY) drawn
  // with SkinData.
  void DoPopupMenu(TPopupMenu* AMenu, int AX, int AY);

  // ---- The system menu (SkinForm_SystemMenu.cpp)
  // The system menu of the form's state at a screen point or rectangle.
  void PopupSystemMenu(int AX, int AY);
  void PopupSystemMenuFromRect(const TRect& ARect);
  // The system menu below the system-menu caption button; nothing without one.
  void OpenSystemMenuByKey();
  // The items the system menu shows now: SystemMenu completed with the standard items,
  // or the component's own menu built anew.
  TMenuItem* GetSystemMenuItems();
  TMenuItem* NewStandardSystemItem(const String& AName);

  // ---- The tray (SkinForm_Tray.cpp)
  TspTrayIcon* TrayIcon() const;
  // Unless AlwaysShowInTray, the icon is hidden until the form goes to the tray. An
  // icon without a popup menu gets the form's tray menu (restore, close) and, without a
  // double-click handler, restores the form on a double click.
  void SetTrayIcon(TspTrayIcon* AValue);
  // Both do nothing without a tray icon.
  void MinimizeToTray();
  void RestoreFromTray();
  // The Tag the form had before the tray icon marked it as coming back from the tray
  // (-10000); 0 when the form came back another way. Taken once.
  long long TakeTagBeforeTrayRestore();
  // The menu a tray icon without a menu of its own gets: restore and close; made by
  // the component's constructor.
  void CreateTrayMenu();
  TspSkinPopupMenu* TrayMenu() const { return FSysTrayMenu; }

 private:
  // The keys of main-menu mode; false: the open popup takes the key.
  bool MainMenuKeyDown(WORD AKey);
  // The strip's items in list order.
  std::vector<TspSkinMainMenuItem*> MainMenuItems() const;
  void BuildSystemMenu();
  void MergeSystemMenu();
  void RunStandardSystemItem(const String& AName);
  void FillTrayMenu();

  class TTrayIconLink;
  struct TRestoreOnDblClick;

  TspSkinForm& SkinForm;
  TspSkinMenu* FSkinMenu = nullptr;
  TApplicationMessageHook FMenuKeyHook;
  // The last key was a main-menu shortcut.
  bool FInShortCut = false;
  // The component's own system menu.
  TPopupMenu* FSysMenu = nullptr;
  std::shared_ptr<TTrayIconLink> FTrayIconLink;
  std::optional<long long> FTagBeforeTrayRestore;
  // Owned by the component (the component model frees it).
  TspSkinPopupMenu* FSysTrayMenu = nullptr;
};
