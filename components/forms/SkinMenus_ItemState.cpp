// A menu line entered, left and pressed, and redrawn after each change.

#include "components/forms/SkinMenus.h"

void TspSkinMenuItem::MouseEnter(bool AKb) {
  Active = true;
  if (EnableAnimation()) CurrentFrame = 0;
  for (int I = 0; I < Parent.ItemCount(); ++I) {
    TspSkinMenuItem& Other = Parent.Item(I);
    if (&Other == this || !Other.Down) continue;
    Other.Down = false;
    Other.ReDraw();
  }
  if (WaitCommand && !AKb) {
    // Highlighted when the window opened; the mouse only now reaches it.
    ReDraw();
  } else if (Down && ParentMenu.PopupCount() - ParentMenu.LevelOf(Parent) > 2) {
    // Back on the item whose sub-menu is open: the sub-menu keeps its place, what was
    // opened from it closes.
    ParentMenu.PopupWindow(ParentMenu.LevelOf(Parent) + 1).CollapseBelow();
  } else {
    ReDraw();
    ParentMenu.ActivateItem(Parent, *this, false, AKb);
  }
  if (Parent.Hint != MenuItem->Hint) Parent.Hint = MenuItem->Hint;
}

void TspSkinMenuItem::MouseLeave() {
  WaitCommand = false;
  Active = false;
  if (EnableAnimation()) CurrentFrame = MI->FrameCount + 1;
  if (!Down) ReDraw();
  if (ParentMenu.WItem == this) {
    ParentMenu.WaitTimer->SetEnabled(false);
    ParentMenu.WItem = nullptr;
  }
}

void TspSkinMenuItem::MouseDown() {
  WaitCommand = false;
  if (!Down && MenuItem->Enabled()) ParentMenu.ActivateItem(Parent, *this, true, false);
}

void TspSkinMenuItem::ReDraw() {
  if (MI && EnableAnimation()) {
    if (Parent.MorphTimer->Interval() != UINT(MI->AnimateInterval))
      Parent.MorphTimer->SetInterval(MI->AnimateInterval);
    if (Active || MI->InActiveAnimation) {
      Parent.MorphTimer->SetEnabled(true);
      return;
    }
    CurrentFrame = 0;
  } else if (MI && EnableMorphing()) {
    if (Parent.MorphTimer->Interval() != 20) Parent.MorphTimer->SetInterval(20);
    Parent.MorphTimer->SetEnabled(true);
    return;
  }
  if (Parent.HandleAllocated()) Draw(Parent.Canvas());
}
