#pragma once
// The skinned popup menus: the look settings of a form's popup chain (TspSkinMenu)
// and the lines of a menu window (TspSkinMenuItem), measured and drawn from the skin's
// menu-item object ("MENUITEM", else "menuitem") or with a built-in look.
// User-interface thread only.
//
// Implementation: SkinMenus_Place.cpp (where a menu window opens), SkinMenus_Menu.cpp (the chain's settings),
// SkinMenus_Item.cpp (an item's kind, height and morph state), SkinMenus_ItemText.cpp (caption, shortcut,
// image and glyphs shared by both looks), SkinMenus_ItemDefault.cpp (the built-in
// look), SkinMenus_ItemSkin.cpp (the skin look), SkinMenus_ItemHeader.cpp (the
// heading of the skin look).

#include <memory>
#include <vector>

#include "components/core/SkinData.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WinControl.h"

class TspSkinMenuItem;

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

// The popup chain of one skinned form: this far the look its menu windows give their
// items.
class TspSkinMenu : public TComponent {
 public:
  explicit TspSkinMenu(TComponent* AOwner);

  // Items take the skin record's font and height.
  bool FUseSkinFont = true;
  bool FUseSkinSize = true;
  // The item height without a skin, or with one when FUseSkinSize is off.
  int FDefaultMenuItemHeight = 20;
  // The item font without a skin, or when FUseSkinFont is off: "Arial", height 14.
  TFont FDefaultMenuItemFont;
  // The skin of the open chain (its resource strings give the items' charset).
  TspSkinData* SkinData = nullptr;
};

// One line of a skinned menu window: a platform item, its rectangle in the window and
// its hover and open-sub-menu states.
class TspSkinMenuItem : public TObject {
 public:
  // AWindowSkin: the skin the window draws itself with (none for the built-in window);
  // AImages: the Images of the menu that owns the shown item. When AData names no
  // picture of AWindowSkin, its SkinRect and ActiveSkinRect become empty (the record
  // itself, so the other items see them empty too).
  TspSkinMenuItem(TspSkinMenu& AParentMenu, TspSkinData* AWindowSkin, TCustomImageList* AImages,
                  TspDataSkinMenuItem* AData, TMenuItem* AMenuItem);

  // A separator: the caption is exactly "-".
  bool IsSeparator() const;
  // A heading (skin look only): a disabled item whose caption begins and ends with "-".
  bool IsHeader() const;
  // The height the window lays the item out with.
  int Height() const;

  // The item at ObjectRect on ACanvas: nothing when not FVisible, the built-in look
  // without MI, the look stretched to ObjectRect's height when the menu's FUseSkinSize
  // is off, else the skin look at the skin's own item height.
  void Draw(TCanvas& ACanvas);
  void ResizeDraw(TCanvas& ACanvas);
  void DefaultDraw(TCanvas& ACanvas);

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
// under it keeps the focus. User-interface thread only.
//
// Implementation: SkinMenus_PopupWindow.cpp (the window, showing and hiding),
// SkinMenus_PopupLayout.cpp (filling, sizing and laying out the items),
// SkinMenus_PopupMouse.cpp (the highlighted item following the mouse).

class TspSkinPopupWindow : public TCustomControl {
 public:
  // AData: the skin's popup-window record; the built-in look without it, or when it
  // names no window picture.
  TspSkinPopupWindow(TComponent* AOwner, TspDataSkinPopupWindow* AData, TspSkinMenu& AParentMenu);
  ~TspSkinPopupWindow() override;

  // Fills the window with the visible sub-items of AItem from AStartIndex on, sizes it,
  // places it inside the work area of the monitor under AAnchor (a point when Left =
  // Right and Top = Bottom, a control's rectangle, or the parent item's with pdByItem)
  // and shows it top-most without activating it.
  void Show(const TRect& AAnchor, TMenuItem* AItem, int AStartIndex, TspPopupDirection ADirection);
  // Hides the window without changing the active window.
  void Hide();

  int ItemCount() const { return static_cast<int>(ItemList.size()); }
  TspSkinMenuItem& Item(int AIndex) const { return *ItemList[AIndex]; }

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
  // Taller than the work area: cut to its height, with a scroll strip at the top and
  // at the bottom of the items area.
  bool Scroll = false;
  // The items area for the window's size.
  TRect NewItemsRect;
  // The screen position the placement chose.
  int ShowX = 0;
  int ShowY = 0;
  // The highlighted item and the one before it, -1 for none.
  int ActiveItem = -1;
  int OldActiveItem = -1;
  // Every 50 ms while shown: the highlighted item follows the mouse over the window.
  TTimer* MouseTimer;

 protected:
  void CreateParams(TCreateParams& AParams) override;
  void Dispatch(TMessage& AMessage) override;

 private:
  void FillItems(TMenuItem* AItem, int AStartIndex);
  void ApplyMeasureFont(TFont& AFont) const;
  int ContentWidth();
  int ContentHeight() const;
  void SizeTo(int AWidth, int AHeight);
  void LayoutItems();
  void MouseTimerTick();
  // Highlights the shown item at the client point; a point on no item changes nothing.
  void HoverTest(TPoint APoint);
  void SetItemActive(int AIndex, bool AActive);

  // The last cursor position the mouse timer saw, in client coordinates.
  TPoint LastMousePos{-1, -1};

  std::vector<std::unique_ptr<TspSkinMenuItem>> ItemList;
};
