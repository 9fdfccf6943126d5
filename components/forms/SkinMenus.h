#pragma once
// The skinned popup menus: the popup chain of a form (TspSkinMenu), its menu windows
// (TspSkinPopupWindow), the lines of a window (TspSkinMenuItem), measured and drawn from
// the skin's menu-item object ("MENUITEM", else "menuitem") or with a built-in look,
// and the popup menu component that shows a platform menu through its form's chain
// (TspSkinPopupMenu). User-interface thread only.
//
// Implementation: SkinMenus_Place.cpp (where a menu window opens), SkinMenus_Menu.cpp
// (the chain: opening, levels, commands, the close messages), SkinMenus_Item.cpp (an
// item's kind, height and morph state), SkinMenus_ItemState.cpp (an item entered, left
// and pressed, and its redraw), SkinMenus_ItemText.cpp (caption, shortcut, image and
// glyphs shared by both looks), SkinMenus_ItemDefault.cpp (the built-in look),
// SkinMenus_ItemSkin.cpp (the skin look), SkinMenus_ItemHeader.cpp (the heading of the
// skin look), SkinMenus_PopupMenu.cpp (TspSkinPopupMenu).

#include <algorithm>
#include <memory>
#include <vector>

#include "components/core/SkinData.h"
#include "platform/ui/LiveGuard.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WinControl.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Timers.h"

class TspSkinMenuItem;
class TspSkinPopupWindow;
class TspSkinForm;

// How a menu window opens from its anchor: below it, above it, or beside the parent
// item it is the sub-menu of.
enum TspPopupDirection { pdDown, pdUp, pdByItem };

// The screen position of a menu window of ASize opened from AAnchor (a point when
// Left = Right and Top = Bottom, a control's rectangle, or the parent item's) inside
// AWorkArea. AItemsTop is where its items begin, so that a sub-menu's first item lines
// up with its parent item; ATallerThanWorkArea puts it at the work area's top, beside
// the anchor. A window that fits neither below nor above flips to the anchor's side.
TPoint PlaceSkinPopupWindow(const TRect& AWorkArea, const TRect& AAnchor, TSize ASize, int AItemsTop,
                            TspPopupDirection ADirection, bool ATallerThanWorkArea);

// A check mark of three strokes, a right-pointing triangle and a dot, in AColor.
void DrawMenuCheckGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawMenuArrowGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);
void DrawMenuRadioGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor);

// The chain tells the control that opened a menu: the chain has closed, and a command
// chosen from it has run.
constexpr UINT SP_CLOSESKINMENU = 1228;
constexpr UINT SP_SKINMENUCOMMANDDONE = 1229;

// The popup chain of one skinned form: the open menu windows, level 0 the menu a caller
// opened and each further level the sub-menu of an item of the level before. It opens
// the root level at a point or beside a rectangle, opens sub-menus on a click or after
// the mouse rests 500 ms on their item, runs a chosen item's command and tells the form
// and the control that opened the menu (SP_CLOSESKINMENU, SP_SKINMENUCOMMANDDONE).
//
// A closed level's window is hidden at once and freed from the message loop (a message
// hook catches the CM_RELEASE it posts): the mouse or key handler that closed it may
// still be running in it. User-interface thread only.
class TspSkinMenu : public TComponent {
 public:
  // AForm: the form whose monitor gives the work area and which hears SP_CLOSESKINMENU
  // when the chain is hidden; none for a chain of no form.
  explicit TspSkinMenu(TComponent* AOwner, TCustomForm* AForm = nullptr);
  // Ends an open chain, with its messages and close event.
  ~TspSkinMenu() override;

  // Opens a new chain showing AItem's sub-items from AStartIndex at the screen rectangle
  // AAnchor (a point when Left = Right and Top = Bottom), below it or, with APopupUp,
  // above it. An open chain is closed first, and the control that opened it hears
  // SP_CLOSESKINMENU. APopupCtrl (none allowed) hears the messages of the new chain.
  // Nothing opens for an item without sub-items from AStartIndex on.
  void Popup(TControl* APopupCtrl, TspSkinData* ASkinData, int AStartIndex, const TRect& AAnchor,
             TMenuItem* AItem, bool APopupUp);
  // The same for AItem's sub-items followed by AItem2's (a menu merged from two).
  void Popup2(TControl* APopupCtrl, TspSkinData* ASkinData, int AStartIndex, const TRect& AAnchor,
              TMenuItem* AItem, TMenuItem* AItem2, bool APopupUp);
  // Closes the whole chain, then sends SP_CLOSESKINMENU to the form.
  void Hide();
  // A chain is open.
  bool Visible() const { return FVisible; }

  // An item was entered (by the mouse, or by a key with AKb) or pressed (AClick): a
  // hover closes the levels below its window and, for an item with sub-items, starts
  // the 500 ms wait; a press runs a leaf's command once the chain is closed, or opens
  // the item's sub-menu at once (after running the item's own command).
  void ActivateItem(TspSkinPopupWindow& AWindow, TspSkinMenuItem& AItem, bool AClick, bool AKb);
  // Closes the windows from the last level down to ALevel; level 0 ends the chain: the
  // control that opened it hears SP_CLOSESKINMENU and FOnMenuClose runs once.
  void CloseLevels(int ALevel);
  // The window's level; the number of levels when it is not one of them.
  int LevelOf(const TspSkinPopupWindow& AWindow) const;
  int PopupCount() const { return static_cast<int>(FPopupList.size()); }
  TspSkinPopupWindow& PopupWindow(int ALevel) const { return *FPopupList[ALevel]; }
  // The control that opened the open chain; none without.
  TControl* PopupCtrl() const { return FPopupCtrl; }
  TCustomForm* Form() const { return FForm; }

  // Items take the skin record's font and height.
  bool FUseSkinFont = true;
  bool FUseSkinSize = true;
  // The item height without a skin, or with one when FUseSkinSize is off.
  int FDefaultMenuItemHeight = 20;
  // The item font without a skin, or when FUseSkinFont is off: "Arial", height 14.
  TFont FDefaultMenuItemFont;
  // The skin of the open chain (its resource strings give the items' charset).
  TspSkinData* SkinData = nullptr;
  // Layered, semi-transparent windows of AlphaBlendValue; with AlphaBlendAnimation the
  // first window of a new chain fades in.
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  // More items than this make a window scroll; 0: no limit.
  int MaxMenuItemsInWindow = 0;
  // The work area the windows open in, taken when a chain opens.
  TRect WorkArea;
  // The window being opened is the first of a new chain (only it fades in).
  bool FFirst = false;
  // Called once when the chain closes, then cleared.
  TNotifyEvent FOnMenuClose;
  // The item whose sub-menu waits to open, and its 500 ms wait.
  TspSkinMenuItem* WItem = nullptr;
  TTimer* WaitTimer;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  void BeginChain(TControl* APopupCtrl, TspSkinData* ASkinData, const TRect& AAnchor);
  void AddPopupWindow(const TRect& AAnchor, TMenuItem* AItem, TMenuItem* AItem2, int AStartIndex,
                      TspPopupDirection ADirection);
  void DoWaitTimer();
  void StopWaiting();
  void SetPopupCtrl(TControl* AValue);
  void SetDoneCtrl(TControl* AValue);

  TCustomForm* FForm;
  // The control that opened the open chain, and the control of the chain closed last,
  // which hears SP_SKINMENUCOMMANDDONE; both forgotten when the control goes.
  TControl* FPopupCtrl = nullptr;
  TControl* FDoneCtrl = nullptr;
  bool FVisible = false;
  // Level 0 first; every window is owned by this chain until its level closes.
  std::vector<TspSkinPopupWindow*> FPopupList;
  // Expires with the chain: a command may free it (with its form's skin component).
  TLiveGuard FLive;
};

// The messages that close the open skin menus of a form: moving, sizing, activation,
// focus loss, cancel mode, and a mouse button going down on the form or its controls.
bool IsSkinMenuCloseMessage(UINT AMsg);

// One line of a skinned menu window: a platform item, its rectangle in the window and
// its hover and open-sub-menu states. Made, laid out and freed by its window only.
class TspSkinMenuItem : public TObject {
 public:
  // The window gives the skin it draws itself with, the image list and the chain. When
  // AData names no picture of that skin, its SkinRect and ActiveSkinRect become empty
  // (the record itself, so the other items see them empty too).
  TspSkinMenuItem(TspSkinPopupWindow& AParent, TspDataSkinMenuItem* AData, TMenuItem* AMenuItem);

  // A separator: the caption is exactly "-".
  bool IsSeparator() const;
  // A heading (skin look only): a disabled item whose caption begins and ends with "-".
  bool IsHeader() const;
  // Enabled and not a separator: the item can take the highlighted look.
  bool IsSelectable() const;
  // The height the window lays the item out with.
  int Height() const;

  // The item at ObjectRect on ACanvas: nothing when not FVisible, the built-in look
  // without MI, the look stretched to ObjectRect's height when the menu's FUseSkinSize
  // is off, else the skin look at the skin's own item height.
  void Draw(TCanvas& ACanvas);
  void ResizeDraw(TCanvas& ACanvas);
  void DefaultDraw(TCanvas& ACanvas);

  // The highlighted look (AKb: reached by a key), then the chain's hover rules.
  void MouseEnter(bool AKb);
  void MouseLeave();
  // Runs the item (or opens its sub-menu) when it is enabled and its sub-menu is not
  // open yet.
  void MouseDown();
  // Redraws after a state change: now, or through the window's morph timer when the
  // item morphs or animates.
  void ReDraw();

  bool EnableAnimation() const;
  bool EnableMorphing() const;
  // Whether a morph step changes the look; an item out of view with a factor left is
  // reset (not Active, not Down, factor 0).
  virtual bool CanMorphing();
  // One step of 0.2 towards the active look (Active or Down) or back, then Draw.
  void DoMorphing(TCanvas& ACanvas);
  double MorphKf() const { return FMorphKf; }
  // Clamped to 0..1.
  void SetMorphKf(double AValue);

  TspSkinPopupWindow& Parent;
  TspSkinMenu& ParentMenu;
  TspSkinData* SD;
  TCustomImageList* ImgL;
  // The image column: ImgL's width + 5, or 16 without an image list.
  int GlyphWidth;
  TspDataSkinMenuItem* MI;
  TBitmap* ActivePicture = nullptr;
  TMenuItem* MenuItem;
  TRect ObjectRect;
  bool Active = false;
  bool Down = false;
  bool FVisible = true;
  bool WaitCommand = false;
  // The frame of the skin's frame animation, 0 none.
  int CurrentFrame = 0;

 private:
  // The skin look into a bitmap of the item's size; AResize stretches it to any height.
  void DrawSkinLook(TCanvas& ACanvas, bool AResize);
  void BuildSkinState(TBitmap& ABitmap, bool AActive, const TRect& ASource, bool AFrame, bool AResize);
  void BuildSkinBackground(TBitmap& ABitmap, bool AActive, const TRect& ASource, bool AFrame, bool AResize);
  void DrawSkinHeader(TBitmap& ABitmap, bool AResize);
  // The source rectangle of animation frame CurrentFrame.
  TRect AnimationFrameRect() const;

  double FMorphKf = 0;
};

// ---------------------------------------------------------------- popup window
// One level of a skinned popup menu: a borderless top-most window listing the
// sub-items of one menu item as TspSkinMenuItem lines, sized to them (from the skin's
// popup-window record, or with the built-in look), placed in the work area beside the
// point, rectangle or parent item it opens from, and never activated, so the form
// under it keeps the focus. A window taller than the work area (or holding more items
// than the chain's MaxMenuItemsInWindow) shows a scroll strip at each end of its items
// area; resting the mouse on a strip scrolls the items one every 100 ms. The keys of
// the form's message loop reach it through PopupKeyDown. User-interface thread only.
//
// Implementation: SkinMenus_PopupWindow.cpp (the window, showing, the fade and hiding),
// SkinMenus_PopupLayout.cpp (filling, sizing and laying out the items),
// SkinMenus_PopupPaint.cpp (the window's picture, the scroll strips),
// SkinMenus_PopupMouse.cpp (the highlighted item following the mouse, clicks, the items'
// morph steps), SkinMenus_PopupScroll.cpp (scrolling), SkinMenus_PopupKeys.cpp (keys).

class TspSkinPopupWindow : public TCustomControl {
 public:
  // AData: the skin's popup-window record; the built-in look without it, or when it
  // names no window picture of the chain's skin.
  TspSkinPopupWindow(TComponent* AOwner, TspDataSkinPopupWindow* AData, TspSkinMenu& AParentMenu);
  ~TspSkinPopupWindow() override;

  // Fills the window with the visible sub-items of AItem from AStartIndex on (then
  // those of AItem2, when given), sizes it, places it inside the chain's work area (or
  // that of the monitor under AAnchor) at AAnchor (a point when Left = Right and Top =
  // Bottom, a control's rectangle, or the parent item's with pdByItem) and shows it
  // top-most without activating it.
  void Show(const TRect& AAnchor, TMenuItem* AItem, int AStartIndex, TspPopupDirection ADirection,
            TMenuItem* AItem2 = nullptr);
  // Hides the window without changing the active window; its timers stop.
  void Hide();
  // One key of the keyboard while the window shows: accelerators, Return, Escape and
  // the arrows.
  void PopupKeyDown(WORD AKey);
  // Leaves the chain: the window hides now and frees itself from the message loop.
  void Release();
  // Closes the levels below this window; its items with an open sub-menu come up.
  void CollapseBelow();

  int ItemCount() const { return static_cast<int>(ItemList.size()); }
  TspSkinMenuItem& Item(int AIndex) const { return *ItemList[AIndex]; }
  // The window background without items, kept for items that show it through.
  TBitmap* PaintBuffer() const { return FPaintBuffer.get(); }

  TspSkinMenu& ParentMenu;
  // The skin's popup-window record and skin, both none for the built-in look.
  TspDataSkinPopupWindow* PW = nullptr;
  TspSkinData* SD = nullptr;
  // The skin's menu-item object the items are drawn with, none without.
  TspDataSkinMenuItem* DSMI = nullptr;
  TBitmap* WindowPicture = nullptr;
  TBitmap* MaskPicture = nullptr;
  TCustomImageList* ImgL = nullptr;
  // The image column: ImgL's width + 5, or 16 without an image list.
  int GlyphWidth = 16;
  int VisibleStartIndex = 0;
  int VisibleCount = 0;
  // A scroll strip at the top and at the bottom of the items area: the window is
  // taller than the work area, or (Scroll2) holds more items than the chain allows.
  bool Scroll = false;
  bool Scroll2 = false;
  // 0 not scrolling, 1 scrolling up, 2 scrolling down.
  int ScrollCode = 0;
  // The items area and the skin picture's corner points for the window's size.
  TRect NewItemsRect;
  TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
  // The screen position the placement chose.
  int ShowX = 0;
  int ShowY = 0;
  // The highlighted item and the one before it, -1 for none.
  int ActiveItem = -1;
  int OldActiveItem = -1;
  // Every 50 ms while shown: the highlighted item follows the mouse over the window.
  TTimer* MouseTimer;
  // Every 20 ms (or the skin's animation interval) while an item morphs or animates.
  TTimer* MorphTimer;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;
  void Paint() override;
  void MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) override;

 private:
  // SkinMenus_PopupLayout.cpp
  void FillItems(TMenuItem* AItem, TMenuItem* AItem2, int AStartIndex);
  void ApplyMeasureFont(TFont& AFont) const;
  int ContentWidth();
  int ContentHeight();
  int OneItemHeight() const;
  void SizeTo(int AWidth, int AHeight);
  void LayoutItems();
  void ApplyMaskRegion();
  // SkinMenus_PopupWindow.cpp
  void ShowLayered();
  void FadeStep();
  void HighlightFirstItem();
  // SkinMenus_PopupPaint.cpp
  void ComposeBackground(TBitmap& AImage, bool AFillItemsArea);
  void PaintMenu(TCanvas& ACanvas);
  void DrawScrollStrips(TCanvas& ACanvas);
  void PaintItemsBackground(TCanvas& ACanvas, const TRect& ARect);
  TRect TopStripRect() const;
  TRect BottomStripRect() const;
  // SkinMenus_PopupMouse.cpp
  void MouseTimerTick();
  // Highlights the shown item at the client point; a point on no item changes nothing.
  void HoverTest(TPoint APoint);
  void MorphTimerTick();
  // SkinMenus_PopupScroll.cpp
  bool CanScrollUp() const;
  bool CanScrollDown() const;
  void ScrollUp(bool AWrap);
  void ScrollDown(bool AWrap);
  int LastStartIndex() const;
  int LastShownIndex() const;
  void StartScroll(int ACode);
  void StopScroll();
  void ScrollStep();
  // SkinMenus_PopupKeys.cpp
  bool RunAccelerator(WORD AKey);
  void CloseByKey();
  void SelectNextItem();
  void SelectPrevItem();
  void SelectItemByKey(int AIndex);

  // The last cursor position the mouse timer saw, in client coordinates.
  TPoint LastMousePos{-1, -1};
  // The fade's alpha so far.
  int FFadeAlpha = 0;
  // The message hook that frees the window once it has left the chain.
  TMessageHookId FReleaseHook = 0;
  std::unique_ptr<TBitmap> FPaintBuffer;
  std::vector<std::unique_ptr<TspSkinMenuItem>> ItemList;
};

// ---------------------------------------------------------------- popup menu component
// A platform popup menu shown through the skinned popup chain of its form, in that
// form's menu skin. The form is FComponentForm when set, else the menu's owner when it
// is a form, else the owner's owner when that is a form; an MDI child's menus open
// through the main form's chain. A menu that finds no skinned form opens in a chain of
// its own, in the built-in look (or its SkinData).
class TspSkinPopupMenu : public TPopupMenu {
 public:
  explicit TspSkinPopupMenu(TComponent* AOwner);

  // At the screen point, downward, with no calling control.
  void Popup(int AX, int AY) override;
  // Beside the screen rectangle, upward with APopupUp; with ACtrl as the calling
  // control, which hears SP_CLOSESKINMENU and SP_SKINMENUCOMMANDDONE.
  void PopupFromRect(const TRect& AR, bool APopupUp);
  void PopupFromRect2(TControl* ACtrl, const TRect& AR, bool APopupUp);
  // At the screen point for ACtrl; nothing without skin data (of its own or its form's).
  void Popup2(TControl* ACtrl, int AX, int AY);

  // The skin of this menu; when none, the first popup through a skinned form takes the
  // form's menu skin and keeps it.
  TspSkinData* SkinData() const { return FSD; }
  void SetSkinData(TspSkinData* AValue);
  // A form whose skin component shows the menu instead of the one found by the owner.
  TCustomForm* FComponentForm = nullptr;
  // Called once when the chain this menu opened closes.
  TNotifyEvent OnMenuClose;

 protected:
  void Notification(TComponent* AComponent, TOperation AOperation) override;

 private:
  // The skin component whose chain shows the menu; none when no skinned form is found.
  TspSkinForm* FindChainOwner() const;
  // Opens the items in the chain of the form found (or in a chain of its own); with
  // ANeedsSkinData nothing opens without a skin.
  void ShowInChain(TControl* ACtrl, const TRect& AR, bool APopupUp, bool ANeedsSkinData);

  TspSkinData* FSD = nullptr;
  // The chain of a menu without skinned form.
  std::unique_ptr<TspSkinMenu> FOwnChain;
};

// A menu window's fade in (the popup windows and the picture menu): a step once more
// than 5 ms have passed since the one before, at each tick of the shortest timer; each
// step adds a fifteenth of the target alpha, at least 1, never passing the target.
constexpr UINT MenuFadeStepMs = USER_TIMER_MINIMUM;
inline int NextMenuFadeAlpha(int AAlpha, int ATarget) {
  return std::min(AAlpha + std::max(ATarget / 15, 1), ATarget);
}
