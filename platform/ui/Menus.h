#pragma once
// The menus: TMenuItem, a tree of items with their captions, states, pictures and
// shortcuts; TMenu, which holds the root item; TMainMenu, a form's menu bar; and
// TPopupMenu, the menu of a control's right click. The skin library draws every menu
// itself, so this layer keeps the model, tells the menu's OnChange of every change,
// and dispatches shortcuts and commands to the items. User-interface thread only.
//
// Ownership. A sub-item belongs to its parent item, which frees it; an item may also
// have an owner (the form), and whichever goes first takes it out of the other.
// Implementation: MenuItem.cpp (items), Menu.cpp (TMenu, TMainMenu), PopupMenu.cpp.

#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi/Graphics.h"
#include "platform/ui/Component.h"
#include "platform/ui/ControlMessages.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/ShortCuts.h"

class TBasicAction;
class TBasicActionLink;
class TMenu;
class TMenuItem;

// The caption of a separator line.
inline constexpr const char* cLineCaption = "-";

// The owner-drawn item: Sender is the object drawing the item (the skinned menu line),
// ARect the item's text area, Selected the highlighted state.
using TMenuDrawItemEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, TRect ARect, bool Selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, int& Width, int& Height)>;
// A menu changed: Source is the item that changed (nullptr: the menu as a whole);
// Rebuild says that items came or went, so the menu's layout must be made again.
using TMenuChangeEvent = std::function<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;

// Whether showing a menu hides the separators that have nothing to separate.
enum TMenuAutoFlag { maAutomatic, maManual };

enum TFindItemKind { fkCommand, fkShortCut };

class TMenuItem : public TComponent {
 public:
  // Enabled, visible, not checked, ImageIndex -1, a command number of its own.
  explicit TMenuItem(TComponent* AOwner);
  // Leaves its parent item, then frees its sub-items.
  ~TMenuItem() override;

  // ---- Sub-items
  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EMenuError "Menu index out of range".
  TMenuItem* Items(int AIndex) const;
  TMenuItem* Parent() const { return FParent; }
  // An item already in a menu raises EMenuError "Menu inserted twice"; an index
  // outside 0..Count raises EMenuError "Menu index out of range".
  void Add(TMenuItem* AItem);
  void Insert(int AIndex, TMenuItem* AItem);
  // Take the item out without freeing it.
  void Delete(int AIndex);
  void Remove(TMenuItem* AItem);
  // Frees every sub-item.
  void Clear();
  // -1 when AItem is not a sub-item.
  int IndexOf(const TMenuItem* AItem) const;
  // The place among the parent's sub-items (-1 without a parent); setting it moves the
  // item (clamped).
  int MenuIndex() const;
  void SetMenuIndex(int AValue);
  // The menu whose tree holds the item; nullptr outside a menu.
  TMenu* GetParentMenu() const;

  // ---- State
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& AValue);
  // A separator: the caption is cLineCaption.
  bool IsLine() const { return FCaption == cLineCaption; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool AValue);
  bool Visible() const { return FVisible; }
  void SetVisible(bool AValue);
  // Checking a radio item unchecks the radio items of its GroupIndex among its
  // siblings.
  bool Checked() const { return FChecked; }
  void SetChecked(bool AValue);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool AValue);
  uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(uint8_t AValue);
  // At most one default item among siblings: making one the default takes it from the
  // others.
  bool Default() const { return FDefault; }
  void SetDefault(bool AValue);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut AValue);
  // The item's own picture, shown when it is not empty (made empty when first asked).
  TBitmap& Bitmap();
  void SetBitmap(const TBitmap& AValue) { Bitmap().Assign(AValue); }
  // A picture of the menu's Images; -1 none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  String Hint;
  // The number DispatchCommand finds the item by; unique in the process.
  UINT Command() const { return FCommand; }

  // ---- Action
  TBasicAction* Action() const;
  void SetAction(TBasicAction* AValue);

  // ---- Behaviour
  // An enabled item runs OnClick, or without one its action.
  virtual void Click();
  // Hides the separators among the sub-items that separate nothing (first, last, or
  // after another separator, counting visible items only) and shows the others;
  // returns whether any changed.
  bool RethinkLines();

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 protected:
  // Tells the menu that the item changed (ARebuild: sub-items came or went).
  virtual void MenuChanged(bool ARebuild);
  // The linked action changed: the item takes its caption, checked, enabled and
  // visible states, hint and image (with ACheckDefaults, only where the item still has
  // its defaults).
  virtual void ActionChange(TObject* ASender, bool ACheckDefaults);
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  friend class TMenu;
  void CheckIndex(int AIndex, int ALast) const;
  // The siblings with the same GroupIndex lose Checked.
  void TurnSiblingsOff();

  TMenuItem* FParent = nullptr;
  TMenu* FMenu = nullptr;  // the menu, for its root item only
  std::vector<TMenuItem*> FItems;
  String FCaption;
  bool FEnabled = true;
  bool FVisible = true;
  bool FChecked = false;
  bool FRadioItem = false;
  uint8_t FGroupIndex = 0;
  bool FDefault = false;
  TShortCut FShortCut = scNone;
  std::unique_ptr<TBitmap> FBitmap;
  int FImageIndex = -1;
  UINT FCommand = 0;
  std::unique_ptr<TBasicActionLink> FActionLink;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* AOwner);
  // Frees the items.
  ~TMenu() override;

  // The root item: its sub-items are the menu's items.
  TMenuItem* Items() const { return FItems; }
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  TMenuAutoFlag AutoLineReduction = maAutomatic;

  // The first item, depth-first, whose command or shortcut is AValue; nullptr when
  // none.
  TMenuItem* FindItem(UINT AValue, TFindItemKind AKind) const;
  // The key (with Shift and Ctrl as the keyboard holds them, Alt from the key data) as
  // a shortcut: an enabled item that has it is clicked and the answer is true.
  bool IsShortCut(const TWMKey& AMessage);
  // Clicks the item of that command; whether there was one.
  bool DispatchCommand(UINT ACommand);

  // After every change of the items, unless the menu is being destroyed.
  TMenuChangeEvent OnChange;

 protected:
  virtual void MenuChanged(TObject* ASender, TMenuItem* ASource, bool ARebuild);
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  friend class TMenuItem;
  TMenuItem* FItems = nullptr;
  TCustomImageList* FImages = nullptr;
};

// A form's menu bar (shown by the skin library's menu bar).
class TMainMenu : public TMenu {
 public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
 public:
  // Makes WM_CONTEXTMENU of controls open their PopupMenu (Control.h).
  explicit TPopupMenu(TComponent* AOwner);

  // Opens the menu at a screen point: remembers the point, raises OnPopup and, with
  // automatic line reduction, hides the separators that separate nothing. This class
  // shows nothing itself: the skinned popup menu overrides Popup to show the items.
  virtual void Popup(int AX, int AY);
  // Whether a right click on a control whose PopupMenu this is opens it.
  bool AutoPopup = true;
  // The component the menu was opened for (the control right-clicked, the tray icon).
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* AValue);
  // The screen point of the last Popup.
  TPoint PopupPoint() const { return FPopupPoint; }
  TNotifyEvent OnPopup;

 protected:
  // Raises OnPopup.
  virtual void DoPopup(TObject* ASender);
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  TComponent* FPopupComponent = nullptr;
  TPoint FPopupPoint;
};
