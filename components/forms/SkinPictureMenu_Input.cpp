// The picture menu's window under the mouse and the keyboard: the hot item, the
// choice and the moves of the arrow keys.

#include "components/forms/SkinHint.h"
#include "components/forms/SkinPictureMenu.h"
#include "platform/win/Capture.h"
#include "platform/win/Keyboard.h"

int TspSkinImagesMenuPopupWindow::ItemAtPos(int AX, int AY) const {
  for (int I = 0; I < ItemCount(); ++I) {
    const TspImagesMenuItem& Cell = Item(I);
    const TRect& R = Cell.ItemRect;
    if (!Cell.Header && AX >= R.Left && AX <= R.Right && AY >= R.Top && AY <= R.Bottom) return I;
  }
  return -1;
}

void TspSkinImagesMenuPopupWindow::HideSkinHint() {
  if (ImagesMenu->ShowHints && ImagesMenu->SkinHint()) ImagesMenu->SkinHint()->HideHint();
}

void TspSkinImagesMenuPopupWindow::SetMouseInItem(int AIndex) {
  if (AIndex == MouseInItem) return;
  OldMouseInItem = MouseInItem;
  MouseInItem = AIndex;
  Invalidate();
}

void TspSkinImagesMenuPopupWindow::MouseMove(TShiftState AShift, int AX, int AY) {
  TCustomControl::MouseMove(AShift, AX, AY);
  const int Hot = ItemAtPos(AX, AY);
  TspSkinHint* SkinHint = ImagesMenu->SkinHint();
  if (Hot == -1 && SkinHint) SkinHint->HideHint();
  if (Hot == MouseInItem) return;
  SetMouseInItem(Hot);
  if (!ImagesMenu->ShowHints || !SkinHint) return;
  SkinHint->HideHint();
  if (Hot != -1 && !Item(Hot).Hint.empty()) SkinHint->ActivateHint2(Item(Hot).Hint);
}

void TspSkinImagesMenuPopupWindow::MouseLeft() {
  HideSkinHint();
  SetMouseInItem(-1);
}

void TspSkinImagesMenuPopupWindow::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TCustomControl::MouseDown(AButton, AShift, AX, AY);
  HideSkinHint();
  FDown = true;
  FItemDown = ItemAtPos(AX, AY) != -1;
  Invalidate();
}

void TspSkinImagesMenuPopupWindow::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TCustomControl::MouseUp(AButton, AShift, AX, AY);
  const int Chosen = ItemAtPos(AX, AY);
  if (FDown && Chosen != -1) {
    ImagesMenu->ItemIndex = Chosen;
    // The menu lets go of the window here; nothing of either is touched after.
    return Hide(true);
  }
  SetCapture(Handle());
}

int TspSkinImagesMenuPopupWindow::FirstKeyItem() const { return ItemCount() > 1 && Item(0).Header ? 1 : 0; }

int TspSkinImagesMenuPopupWindow::ItemAbove() const {
  const TRect& Hot = Item(MouseInItem).ItemRect;
  for (int I = MouseInItem - 1; I >= 0; --I) {
    const TspImagesMenuItem& Cell = Item(I);
    if (!Cell.Header && Cell.ItemRect.Top < Hot.Top && (Cell.Button || Cell.ItemRect.Left == Hot.Left))
      return I;
  }
  return MouseInItem;
}

int TspSkinImagesMenuPopupWindow::ItemBelow() const {
  const TRect& Hot = Item(MouseInItem).ItemRect;
  for (int I = MouseInItem + 1; I < ItemCount(); ++I) {
    const TspImagesMenuItem& Cell = Item(I);
    if (!Cell.Header && Cell.ItemRect.Top > Hot.Top && (Cell.Button || Cell.ItemRect.Left == Hot.Left))
      return I;
  }
  return MouseInItem;
}

int TspSkinImagesMenuPopupWindow::NextItem() const {
  if (MouseInItem == -1 || MouseInItem == ItemCount() - 1) return FirstKeyItem();
  for (int I = MouseInItem + 1; I < ItemCount(); ++I)
    if (!Item(I).Header) return I;
  return MouseInItem;
}

int TspSkinImagesMenuPopupWindow::PreviousItem() const {
  if (MouseInItem == -1 || MouseInItem == FirstKeyItem()) return ItemCount() - 1;
  for (int I = MouseInItem - 1; I >= 0; --I)
    if (!Item(I).Header) return I;
  return MouseInItem;
}

void TspSkinImagesMenuPopupWindow::ProcessKey(WORD AKey) {
  if (AKey == VK_RETURN || AKey == VK_SPACE) {
    if (MouseInItem != -1) ImagesMenu->ItemIndex = MouseInItem;
    return Hide(true);
  }
  if (AKey == VK_ESCAPE) return Hide(false);
  if (ItemCount() == 0) return;
  int Hot = MouseInItem;
  if (AKey == VK_UP)
    Hot = MouseInItem == -1 ? ItemCount() - 1 : ItemAbove();
  else if (AKey == VK_DOWN)
    Hot = MouseInItem == -1 ? FirstKeyItem() : ItemBelow();
  else if (AKey == VK_RIGHT)
    Hot = NextItem();
  else if (AKey == VK_LEFT)
    Hot = PreviousItem();
  // A lone heading stays out of reach.
  if (Hot != -1 && !Item(Hot).Header) SetMouseInItem(Hot);
}
