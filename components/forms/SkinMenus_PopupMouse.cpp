// The highlighted item of a popup window following the mouse, clicks on items, and the
// items' morph and animation steps.

#include "components/forms/SkinMenus.h"
#include "platform/win/Cursors.h"
#include "platform/win/WindowPos.h"

void TspSkinPopupWindow::MouseTimerTick() {
  TPoint Cursor;
  if (!GetCursorPos(&Cursor)) return;
  const TPoint Pos = ScreenToClient(Cursor);
  if (Pos == LastMousePos) return;
  LastMousePos = Pos;
  if (WindowFromPoint(Cursor) == Handle()) {
    HoverTest(Pos);
  } else if (Scroll && ScrollCode != 0) {
    StopScroll();
  }
}

void TspSkinPopupWindow::HoverTest(TPoint APoint) {
  if (Scroll) {
    if (PtInRect(TopStripRect(), APoint)) {
      if (ScrollCode == 0 && CanScrollUp()) StartScroll(1);
    } else if (PtInRect(BottomStripRect(), APoint)) {
      if (ScrollCode == 0 && CanScrollDown()) StartScroll(2);
    } else if (ScrollCode != 0) {
      StopScroll();
    }
  }
  OldActiveItem = ActiveItem;
  for (int I = 0; I < ItemCount(); ++I) {
    if (ItemList[I]->FVisible && PtInRect(ItemList[I]->ObjectRect, APoint)) {
      ActiveItem = I;
      break;
    }
  }
  if (ActiveItem == OldActiveItem) {
    if (ActiveItem == -1) return;
    // The mouse reached the item the window highlighted when it opened: its sub-menu
    // now waits to open as for any hover.
    TspSkinMenuItem& Line = *ItemList[ActiveItem];
    if (!Line.WaitCommand) return;
    Line.WaitCommand = false;
    if (Line.MenuItem->Count() > 0) Line.MouseEnter(false);
    return;
  }
  if (OldActiveItem != -1 && ItemList[OldActiveItem]->IsSelectable()) ItemList[OldActiveItem]->MouseLeave();
  if (ItemList[ActiveItem]->IsSelectable()) ItemList[ActiveItem]->MouseEnter(false);
}

void TspSkinPopupWindow::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TCustomControl::MouseUp(AButton, AShift, AX, AY);
  HoverTest(TPoint{AX, AY});
  if (AButton != mbLeft || ActiveItem == -1) return;
  TspSkinMenuItem& Line = *ItemList[ActiveItem];
  if (Line.FVisible && PtInRect(Line.ObjectRect, TPoint{AX, AY}) && !Line.IsSeparator()) Line.MouseDown();
}

void TspSkinPopupWindow::MorphTimerTick() {
  bool Changed = false;
  if (PW) {
    for (const auto& Line : ItemList) {
      if (Line->EnableMorphing() && Line->CanMorphing()) {
        Line->DoMorphing(Canvas());
        Changed = true;
      }
      if (!Line->EnableAnimation()) continue;
      if (Line->Active && Line->CurrentFrame <= Line->MI->FrameCount) {
        ++Line->CurrentFrame;
      } else if (!Line->Active && Line->CurrentFrame > 0) {
        --Line->CurrentFrame;
      } else {
        continue;
      }
      Line->Draw(Canvas());
      Changed = true;
    }
  }
  if (!Changed) MorphTimer->SetEnabled(false);
}
