#pragma once
// The skinned main menu and the main menu bar.
//
// TspSkinMainMenu is a form's main menu that is never attached to the window as a
// platform menu: the skin library draws it, here in a TspSkinMainMenuBar, a control
// holding one item per visible top-level menu item. The bar merges its menu with a
// second one by group index, hides the items that do not fit and offers them through a
// marker at its right end, opens the items' sub-menus through the popup chain of its
// form's skin component, and has a keyboard mode (the menu key, Alt accelerators, Left
// and Right, Enter and Down) that the form hands its keys to while a main menu item is
// selected.
//
// The bar is drawn from the skin element "mainmenubar" (its picture fitted to the bar,
// its items area) and its items from the skin object the element names: normal, hot
// and pressed pictures with fixed ends, cross-faded on the bar's 25 ms morph timer or
// played as a frame strip on its animate timer, with the skin's item fonts; in
// tool-bar mode the items are the skin's "resizetoolbutton" on its "resizetoolpanel".
// Without a skin, or without the element, a built-in flat look. A 50 ms timer follows
// the pointer while it is over the bar. Every change of look repaints the whole bar.
//
// Files: SkinMenuBar_MainMenu.cpp (the menu component), SkinMenuBar_Item.cpp (an item:
// place, mouse, morph and animation steps), SkinMenuBar_ItemPaint.cpp (an item's
// looks), SkinMenuBar_Bar.cpp (items, merging, hover, the hidden items),
// SkinMenuBar_Skin.cpp (the element, the bar's size and background),
// SkinMenuBar_Timers.cpp (the three timers), SkinMenuBar_Keyboard.cpp (keyboard mode).
// User-interface thread only.

#include <functional>
#include <memory>
#include <vector>

#include "components/controls/SkinCtrls.h"
#include "components/core/SkinData.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Timer.h"

class TspSkinForm;
class TspSkinMainMenuBar;

class TspSkinMainMenu : public TMainMenu {
 public:
  explicit TspSkinMainMenu(TComponent* AOwner);

  // The skin of this menu's popups; none: the form's menu skin. Cleared when the skin
  // data component is freed.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  TspSkinData* FSD = nullptr;
};

// One top-level menu item on the bar. Its place is worked out each time it is drawn,
// right of the item before it; an item that passes the bar's items area is hidden and
// disabled until it fits again. With the skin's item object (AData) it takes its
// pictures, fonts, colours, morph and animation from it; without, the built-in look.
class TspSkinMainMenuBarItem {
 public:
  TspSkinMainMenuBarItem(TspSkinMainMenuBar& AParent, TMenuItem& AMenuItem,
                         const TspDataSkinMainMenuItem* AData);

  TspSkinMainMenuBar& Parent;
  TMenuItem& MenuItem;
  // The menu item's Name.
  String IDName;
  // The place in the bar's client coordinates.
  TRect ObjectRect;
  // Hot: hovered, or selected by keyboard.
  bool Active = false;
  bool MouseIn = false;
  // Pressed: its sub-menu is open.
  bool Down = false;
  bool Enabled = true;
  // Shown: the item fits in the bar; Enabled is kept in OldEnabled while it does not.
  bool Visible = true;
  bool OldEnabled = true;
  // The frame of the animation strip shown: 0 none, 1 to FrameCount the frames, past
  // FrameCount the animation has played to its end (the hot look).
  int CurrentFrame = 0;

  // Made from the skin's item object.
  bool SkinSupport() const { return FSkinSupport; }
  // The cross-fade from the normal (0) to the hot look (1); clamped to 0..1.
  double MorphKf() const { return FMorphKf; }
  void SetMorphKf(double AValue);
  // The item cross-fades: the object asks for it, a skin with effects on is bound, and
  // the bar is not in tool-bar mode with transparent items.
  bool EnableMorphing() const;
  // The item plays its frame strip: the object has one, a skin with effects on is
  // bound, and the bar is not in tool-bar mode.
  bool EnableAnimation() const;
  // A morph step would change the look: not while pressed, towards the hot look while
  // active, towards the normal look while not.
  bool CanMorphing() const;
  // One morph step of 0.2 towards the look the item's state asks for.
  void DoMorphing();
  // One animation step: forward while active, backward while not; false at the end.
  bool DoAnimation();
  // A change of state shows: through the animate or the morph timer when they play,
  // at once otherwise.
  void ReDraw();

  // Places the item and draws it, or hides it when it does not fit.
  void Draw(TCanvas& ACanvas);
  // Hover: with another item pressed, that one comes up and this one opens its menu.
  void MouseEnter();
  void MouseLeave();
  // The left button opens the sub-menu or runs the item's command.
  void MouseDown(TMouseButton AButton);
  // Pressing opens the sub-menu through the form; releasing makes the item cold and
  // lets a morph or animation run back.
  void SetDown(bool AValue);

 private:
  friend class TspSkinMainMenuBar;
  // SkinMenuBar_Item.cpp
  void PlaceAndFit(TCanvas& ACanvas);
  int ContentWidth(TCanvas& ACanvas);
  void PopupItemMenu();
  // SkinMenuBar_ItemPaint.cpp
  void DefaultDraw(TCanvas& ACanvas);
  void SkinDraw(TCanvas& ACanvas);
  // The item's picture from the rectangle ASource of its skin picture (AHot: the hot
  // look, for stretching and the text colour), with its image and caption.
  void ComposeSkinImage(TBitmap& AImage, TCanvas& ABar, const TRect& ASource, bool AHot);
  // The tool-bar mode picture from the "resizetoolbutton" element; false without it.
  bool ComposeToolBarImage(TBitmap& AImage, TCanvas& ABar, bool AHot);
  // The pressed look while down, else the hot or the normal look; false when the skin
  // has no picture for it.
  bool ComposeLook(TBitmap& AImage, TCanvas& ABar, bool AHot);
  // The frame CurrentFrame of the animation strip, which lies vertically when it is
  // higher than the item's picture.
  TRect AnimationFrame() const;
  void ApplyItemFont(TFont& AFont) const;
  TColor TextColor(bool AHot) const;
  // The menu item's image at the left of AText, centred on the item AItem, then the
  // caption in AText moved past the image (and cut to the caption with
  // AFitToCaption), centred; or the item's OnDrawItem.
  void DrawContent(TCanvas& ACanvas, const TRect& AItem, TRect AText, bool AHot, bool AFitToCaption);

  bool FSkinSupport = false;
  double FMorphKf = 0;
  // The skin item object's looks, copied at construction.
  int PictureIndex = -1;
  TRect SkinRect, ActiveSkinRect, DownRect, TextRct, AnimateSkinRect;
  int LO = 0, RO = 0;
  bool StretchEffect = false;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  String FontName;
  int FontHeight = 0;
  TFontStyles FontStyle;
  TColor FontColor = clBtnText, ActiveFontColor = clBtnText, DownFontColor = clBtnText,
         UnEnabledFontColor = clGrayText;
  int FrameCount = 0, AnimateInterval = 0;
  bool InActiveAnimation = false;
};

// One of the four buttons of the maximized MDI document shown on the bar (system menu
// at the left; close, restore and minimize at the right): the skin object the
// "mainmenubar" element names for it, or a built-in button. Placed by the bar before
// every paint. Implementation: SkinMenuBar_MdiButtons.cpp.
class TspSkinMainMenuBarButton {
 public:
  TspSkinMainMenuBarButton(TspSkinMainMenuBar& AParent, const String& AIDName, TStdCommand ACommand)
      : Parent(AParent), IDName(AIDName), Command(ACommand) {}

  TspSkinMainMenuBar& Parent;
  String IDName;
  // cmMaximize restores the document: the button shows the restore glyph.
  TStdCommand Command;
  TRect ObjectRect{};
  bool Active = false;
  bool MouseIn = false;
  bool Down = false;
  bool Enabled = true;

  void Draw(TCanvas& ACanvas);
  void DefaultDraw(TCanvas& ACanvas);
  // The skin object named IDName; nullptr without it.
  const TspDataSkinStdButton* SkinRecord() const;
  // The size on the bar: the skin picture's, else a square as high as AArea.
  TSize Size(const TRect& AArea) const;
  void MouseEnter();
  void MouseLeave();
  // The left button presses it; the system-menu button opens the menu at once.
  void MouseDown(TMouseButton AButton);
  // The release over the button runs its command.
  void MouseUp(TMouseButton AButton);
  // A double click on the system-menu button closes the document.
  void DblClick();
  // On the maximized document: close, restore, minimize, or its system menu below the
  // button.
  void DoCommand();
};

class TspSkinMainMenuBar : public TspSkinControl {
 public:
  // Aligned to the top, 22 high, the scroll marker on, built-in item font "Arial"
  // height 14.
  explicit TspSkinMainMenuBar(TComponent* AOwner);
  ~TspSkinMainMenuBar() override;

  // The menu shown; setting it rebuilds the items. Cleared when the menu is freed.
  TMainMenu* MainMenu() const { return FMainMenu; }
  void SetMainMenu(TMainMenu* AValue);
  // The skin component of the form whose popup chain opens the items' menus; without
  // one items neither open menus nor run commands. Cleared when it is freed.
  TspSkinForm* SkinForm() const { return FSkinForm; }
  void SetSkinForm(TspSkinForm* AValue);
  // Shows AMenu's items merged into the main menu's by group index (its items replace
  // those of the main menu with a group index it uses); UnMerge shows the main menu
  // alone again. The scroll marker is off from the first merge on.
  void Merge(TMainMenu* AMenu);
  void UnMerge();
  // The menu merged into the main menu's: the one given to Merge, else the first main
  // menu of the active document of the application's main form; nullptr for none. The
  // bar of an MDI frame shows the active document's menu without a Merge (the frame's
  // component rebuilds it as documents activate and go).
  TMainMenu* GetChildMainMenu() const;
  // The items include those of a merged menu.
  bool ChildMenuIn() const { return FChildMenuIn; }
  // Builds the items again from the menus, and repaints.
  void UpDateItems();
  // Every item takes its menu item's Enabled.
  void UpDateEnabledItems();
  TFont& DefItemFont() { return FDefItemFont; }
  // Items drawn as the skin's "resizetoolbutton" on its "resizetoolpanel"; with
  // ToolBarModeItemTransparent an item in its normal state shows the bar behind it.
  bool ToolBarMode() const { return FToolBarMode; }
  void SetToolBarMode(bool AValue);
  bool ToolBarModeItemTransparent() const { return FToolBarModeItemTransparent; }
  void SetToolBarModeItemTransparent(bool AValue);
  // Items take the skin's fonts; off: DefItemFont.
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool AValue);
  // The bar and its items are as high as the skin's pictures; off: the pictures are
  // stretched to the bar's height.
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool AValue);
  // The bar's height without an element (values above 0 only).
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int AValue);
  // The bar's width without an element (values above 0 only; 0 leaves it as it is).
  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int AValue);

  // Items that do not fit are offered by a marker at the right end.
  bool ScrollMenu = true;
  // Sub-menus open above the items.
  bool PopupToUp = false;
  // An item becomes hot, or stops being hot.
  std::function<void(TMenuItem* AItem)> OnItemMouseEnter;
  std::function<void(TMenuItem* AItem)> OnItemMouseLeave;
  // An item's menu is open or keyboard mode is on.
  bool MenuActive = false;
  std::function<void(TObject* Sender, const String& IDName)> OnMainMenuItemClick;

  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TspSkinMainMenuBarItem& Item(int AIndex) const { return *FItems[AIndex]; }
  // Bound to a "mainmenubar" element of the skin.
  bool SkinSupport() const { return FSkinSupport; }
  // The items area at the bar's size: the element's items area with its ends kept, or 2
  // pixels in from every edge without one; then less the room a maximized document's
  // buttons take.
  TRect FullItemsRect() const;
  TRect NewItemsRect() const;
  // The last paint hid items; the marker shows when ScrollMenu is on.
  bool Scroll() const { return FScroll; }
  TRect ScrollMarkerRect() const;
  // Shows the item's new look.
  void DrawItem(TspSkinMainMenuBarItem& AItem);
  // The hover, morph and animation timers (50, 25 and 25 ms; the animation takes the
  // item's interval). Each stops itself once it has nothing to do.
  TTimer& MouseTimer() const { return *FMouseTimer; }
  TTimer& MorphTimer() const { return *FMorphTimer; }
  TTimer& AnimateTimer() const { return *FAnimateTimer; }

  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  // With the element and UseSkinSize the height is the element's.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // ---- The maximized MDI document's buttons (SkinMenuBar_MdiButtons.cpp)
  // Shown while a document of the application's main form is maximized: the form calls
  // ShowChildButtons when one is maximized and HideChildButtons when one is restored;
  // the buttons stay while any document is still maximized. Their enabled states follow
  // that document's border icons.
  void ShowChildButtons();
  void HideChildButtons();
  bool MDIChildMax() const { return FMDIChildMax; }
  int ChildButtonCount() const { return static_cast<int>(FChildButtons.size()); }
  // In the order system menu, close, restore, minimize.
  TspSkinMainMenuBarButton& ChildButton(int AIndex) const { return *FChildButtons[AIndex]; }
  void DrawChildButton(TspSkinMainMenuBarButton& AButton);

  // ---- Keyboard mode (the form's main-menu mode)
  // The active item, else the first one, is selected; the form enters main-menu mode.
  void EnterKeyboardMode();
  // No item stays selected or pressed.
  void LeaveKeyboardMode();
  // The pressed item's menu was closed by Escape: it comes up and stays selected.
  void ReleaseDownItem();
  // The next (previous) enabled, shown item is selected, wrapping at the ends; with a
  // menu open it opens that item's menu instead.
  void SelectNextItem();
  void SelectPrevItem();
  // Enter or Down: the selected item opens its menu or runs its command.
  bool PressSelectedItem();
  // Alt+AKey: the first enabled, shown item with that accelerator is selected and
  // pressed (not pressed when a menu is open and it has sub-items).
  bool CheckAccelerator(WORD AKey);

 protected:
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap& B) override;
  void CreateControlSkinImage(TBitmap& B) override;
  void MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void MouseMove(TShiftState AShift, int AX, int AY) override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;
  void Notification(TComponent* AComponent, TOperation AOperation) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  friend class TspSkinMainMenuBarItem;
  friend class TspSkinMainMenuBarButton;
  // SkinMenuBar_MdiButtons.cpp
  void MakeChildButtons();
  void UpdateChildButtonsEnabled();
  // The documents are watched while buttons show: a freed one may take the last
  // maximized document away.
  void WatchDocuments();
  void DocumentFreed(TComponent* AComponent);
  // The buttons' places in the full items area.
  void PlaceChildButtons();
  // AArea less the room of the shown buttons.
  TRect CutForChildButtons(TRect AArea) const;
  void DrawChildButtons(TCanvas& ACanvas);
  // The first enabled button under the point; -1 none.
  int ChildButtonAt(int AX, int AY) const;
  // The hot button follows the point; true when the items stay cold: the point is on
  // a button, or a button holds the mouse.
  bool TestActiveButton(int AX, int AY);
  // The menu of the system-menu button closed: the button comes up.
  void ReleaseSysMenuButton();
  std::vector<std::unique_ptr<TspSkinMainMenuBarButton>> FChildButtons;
  bool FMDIChildMax = false;
  int FActiveButton = -1;
  int FCaptureButton = -1;
  std::vector<TComponent*> FWatchedDocuments;
  void CreateMenu();
  // The menu whose items the last CreateMenu merged in; watched, so that the bar shows
  // the main menu alone again once it is freed.
  TMainMenu* FChildMenu = nullptr;
  bool FChildMenuIn = false;
  // The item object the element names; nullptr without.
  const TspDataSkinMainMenuItem* ItemRecord() const;
  // The skin's "resizetoolbutton" element; nullptr without.
  const TspDataSkinButtonControl* ToolBarButtonRecord() const;
  // The items, then the marker, over the background already in B.
  void DrawItemsAndMarker(TCanvas& ACanvas);
  // The bar's skin background in B: the element's picture fitted to the bar, or in
  // tool-bar mode the "resizetoolpanel" (else "panel") element.
  void PaintSkinBackground(TBitmap& B);
  // The bar is as high as its element's picture with UseSkinSize; an element with no
  // picture to draw leaves it the height it has without one.
  bool TakesSkinHeight() const { return FSkinSupport && FUseSkinSize && !RectangleIsEmpty(SkinRect); }
  void DoMouseTimer();
  void DoMorphTimer();
  void DoAnimateTimer();
  // The hot item follows the point (client coordinates; (-1, -1) is off the bar).
  void TestActive(int AX, int AY);
  void DrawScrollMarker(TCanvas& ACanvas);
  // The hidden items as a popup at the marker.
  void PopupHiddenItems();
  // Index of the first item that is active or down; -1 none.
  int SelectedIndex() const;
  bool IsSelectable(int AIndex) const;

  bool FToolBarMode = false;
  bool FToolBarModeItemTransparent = false;
  bool FUseSkinFont = true;
  bool FUseSkinSize = true;
  int FDefaultHeight = 22;
  int FDefaultWidth = 0;
  // From the element, at every lookup. SkinRect is the part of the element's
  // rectangle that its picture holds.
  bool FSkinSupport = false;
  TRect SkinRect, ItemsRect;
  String MenuBarItem;
  TColor TrackMarkColor = clBtnShadow, TrackMarkActiveColor = clBtnText;
  bool StretchEffect = false;
  bool ItemTransparent = false;
  TBitmap* Picture = nullptr;
  TTimer* FMouseTimer = nullptr;
  TTimer* FMorphTimer = nullptr;
  TTimer* FAnimateTimer = nullptr;
  TMainMenu* FMainMenu = nullptr;
  TMainMenu* FMergeMenu = nullptr;
  TspSkinForm* FSkinForm = nullptr;
  TFont FDefItemFont;
  std::vector<std::unique_ptr<TspSkinMainMenuBarItem>> FItems;
  int FActiveObject = -1;
  bool FScroll = false;
  bool FMarkerActive = false;
};
