// The keys of a popup window: an item's accelerator runs it; Return, Escape and the
// arrows move through the items and the levels.

#include "components/forms/SkinMenus.h"
#include "platform/ui/Accelerators.h"
#include "platform/win/Keyboard.h"

void TspSkinPopupWindow::PopupKeyDown(WORD AKey) {
  if (!FVisible || RunAccelerator(AKey)) return;
  switch (AKey) {
    case VK_RETURN:
      // The mouse may have left the highlight on a separator: Return then runs
      // nothing, as a click there does not.
      if (ActiveItem != -1 && !ItemList[ActiveItem]->IsSeparator()) ItemList[ActiveItem]->MouseDown();
      break;
    case VK_ESCAPE:
      CloseByKey();
      break;
    case VK_LEFT:
      if (ParentMenu.PopupCount() >= 2) CloseByKey();
      break;
    case VK_UP:
      SelectPrevItem();
      break;
    case VK_RIGHT:
      if (ActiveItem != -1 && ItemList[ActiveItem]->MenuItem->Count() > 0) ItemList[ActiveItem]->MouseDown();
      break;
    case VK_DOWN:
      SelectNextItem();
      break;
    default:
      break;
  }
}

// The first item whose caption has the key's character as its accelerator is
// highlighted and pressed.
bool TspSkinPopupWindow::RunAccelerator(WORD AKey) {
  const bool IsCharacterKey = (AKey >= '0' && AKey <= '9') || (AKey >= 'A' && AKey <= 'Z');
  if (!IsCharacterKey) return false;
  for (int I = 0; I < ItemCount(); ++I) {
    TspSkinMenuItem& Line = *ItemList[I];
    if (!IsAccel(AKey, Line.MenuItem->Caption())) continue;
    Line.MouseEnter(false);
    const int Old = ActiveItem;
    ActiveItem = I;
    if (Old != -1 && Old != I) ItemList[Old]->MouseLeave();
    Line.MouseDown();
    return true;
  }
  return false;
}

// The innermost level closes and its parent item comes up; a lone level closes the
// chain.
void TspSkinPopupWindow::CloseByKey() {
  const int Levels = ParentMenu.PopupCount();
  if (Levels < 2) {
    ParentMenu.CloseLevels(0);
    return;
  }
  TspSkinPopupWindow& ParentWindow = ParentMenu.PopupWindow(Levels - 2);
  if (ParentWindow.ActiveItem != -1) {
    TspSkinMenuItem& ParentItem = ParentWindow.Item(ParentWindow.ActiveItem);
    ParentItem.Down = false;
    ParentItem.ReDraw();
  }
  ParentMenu.CloseLevels(Levels - 1);
}

// The next item that can be chosen, scrolling the view along (with wrap) where the
// search passes the last shown item; the search does not wrap.
void TspSkinPopupWindow::SelectNextItem() {
  if (Scroll && ScrollCode == 0 && ActiveItem != -1 && ActiveItem == LastShownIndex()) ScrollDown(true);
  int Start = ActiveItem + 1;
  if (ActiveItem == -1 || Start >= ItemCount()) Start = 0;
  for (int I = Start; I < ItemCount(); ++I) {
    if (ItemList[I]->IsSelectable()) return SelectItemByKey(I);
    if (Scroll && I == LastShownIndex()) ScrollDown(true);
  }
}

void TspSkinPopupWindow::SelectPrevItem() {
  if (Scroll && ScrollCode == 0 && ActiveItem != -1 && ActiveItem == VisibleStartIndex) ScrollUp(true);
  int Start = ActiveItem - 1;
  if (ActiveItem == -1 || Start < 0) Start = ItemCount() - 1;
  for (int I = Start; I >= 0; --I) {
    if (ItemList[I]->IsSelectable()) return SelectItemByKey(I);
    if (Scroll && I == VisibleStartIndex) ScrollUp(true);
  }
}

void TspSkinPopupWindow::SelectItemByKey(int AIndex) {
  if (AIndex == ActiveItem) return;
  const int Old = ActiveItem;
  ActiveItem = AIndex;
  ItemList[AIndex]->MouseEnter(true);
  if (Old != -1) ItemList[Old]->MouseLeave();
}
