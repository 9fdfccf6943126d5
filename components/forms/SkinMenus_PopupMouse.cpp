// The highlighted item of a popup window following the mouse.

#include "components/forms/SkinMenus.h"
#include "platform/win/Cursors.h"
#include "platform/win/WindowPos.h"

void TspSkinPopupWindow::MouseTimerTick() {
  TPoint Cursor;
  if (!GetCursorPos(&Cursor)) return;
  const TPoint Pos = ScreenToClient(Cursor);
  if (Pos == LastMousePos) return;
  LastMousePos = Pos;
  if (WindowFromPoint(Cursor) == Handle()) HoverTest(Pos);
}

void TspSkinPopupWindow::HoverTest(TPoint APoint) {
  OldActiveItem = ActiveItem;
  for (int I = 0; I < ItemCount(); ++I) {
    if (ItemList[I]->FVisible && PtInRect(ItemList[I]->ObjectRect, APoint)) {
      ActiveItem = I;
      break;
    }
  }
  if (ActiveItem == OldActiveItem) {
    // The mouse reached the item the window highlighted when it opened.
    if (ActiveItem != -1) ItemList[ActiveItem]->WaitCommand = false;
    return;
  }
  SetItemActive(OldActiveItem, false);
  SetItemActive(ActiveItem, true);
}

// Separators and disabled items never take the highlighted look.
void TspSkinPopupWindow::SetItemActive(int AIndex, bool AActive) {
  if (AIndex < 0) return;
  TspSkinMenuItem& Line = *ItemList[AIndex];
  if (Line.IsSeparator() || !Line.MenuItem->Enabled()) return;
  Line.Active = AActive;
  if (!AActive) Line.WaitCommand = false;
}
