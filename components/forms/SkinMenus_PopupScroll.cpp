// Scrolling the items of a popup window cut to the work area (or to the chain's item
// limit): one item every 100 ms while the mouse rests on a scroll strip, and by keys.

#include "components/forms/SkinMenus.h"
#include "platform/win/Timers.h"

namespace {

constexpr UINT_PTR PopupScrollTimer = 1;
constexpr UINT PopupScrollIntervalMs = 100;
constexpr int PopupScrollStripSize = 10;

}  // namespace

bool TspSkinPopupWindow::CanScrollUp() const { return VisibleStartIndex > 0; }

bool TspSkinPopupWindow::CanScrollDown() const {
  return VisibleStartIndex + VisibleCount - 1 < ItemCount() - 1;
}

int TspSkinPopupWindow::LastShownIndex() const {
  return VisibleCount > 0 ? VisibleStartIndex + VisibleCount - 1 : -1;
}

void TspSkinPopupWindow::ScrollUp(bool AWrap) {
  if (VisibleStartIndex > 0)
    --VisibleStartIndex;
  else if (AWrap)
    VisibleStartIndex = LastStartIndex();
  LayoutItems();
  Invalidate();
}

void TspSkinPopupWindow::ScrollDown(bool AWrap) {
  if (CanScrollDown())
    ++VisibleStartIndex;
  else if (AWrap)
    VisibleStartIndex = 0;
  LayoutItems();
  Invalidate();
}

// The first index from which the last items fill the space between the strips.
int TspSkinPopupWindow::LastStartIndex() const {
  int Space = NewItemsRect.Bottom - PopupScrollStripSize - PopupScrollStripSize;
  int Count = 0;
  for (int I = ItemCount() - 1; I >= 0; --I) {
    Space -= ItemList[I]->Height();
    if (Space < 0) break;
    ++Count;
  }
  return ItemCount() - Count;
}

void TspSkinPopupWindow::StartScroll(int ACode) {
  ScrollCode = ACode;
  ParentMenu.CloseLevels(ParentMenu.LevelOf(*this) + 1);
  Invalidate();
  SetTimer(Handle(), PopupScrollTimer, PopupScrollIntervalMs, nullptr);
}

void TspSkinPopupWindow::StopScroll() {
  ScrollCode = 0;
  Invalidate();
  KillTimer(Handle(), PopupScrollTimer);
}

void TspSkinPopupWindow::ScrollStep() {
  if (ScrollCode == 1 && CanScrollUp())
    ScrollUp(false);
  else if (ScrollCode == 2 && CanScrollDown())
    ScrollDown(false);
  else
    StopScroll();
}
