#pragma once
// One level of a skinned popup menu: a borderless top-most window listing the
// sub-items of one menu item as TspSkinMenuItem lines, sized to them (from the skin's
// popup-window record, or with the built-in look), placed in the work area beside the
// point, rectangle or parent item it opens from, and never activated, so the form
// under it keeps the focus. User-interface thread only.
//
// Implementation: SkinPopupWindow_Window.cpp (the window, showing and hiding),
// SkinPopupWindow_Layout.cpp (filling, sizing and laying out the items),
// SkinPopupWindow_Mouse.cpp (the highlighted item following the mouse).

#include <memory>
#include <vector>

#include "components/forms/SkinMenus.h"
#include "platform/ui/Timer.h"
#include "platform/ui/WinControl.h"

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
