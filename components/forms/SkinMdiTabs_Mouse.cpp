// The MDI tabs bar under the mouse: the hot tab and close button, a press that brings
// the document forward or opens its system menu, dragging a tab into another place,
// and the release that drops it or closes the document.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMdiTabs.h"
#include "components/forms/SkinMenus.h"
#include "platform/win/Cursors.h"

TRect TspSkinMDITabsBar::CloseButtonOnBar(const TspMDITab& ATab) {
  TRect R = ATab.ButtonRect;
  OffsetRect(R, ATab.ObjectRect.Left, ATab.ObjectRect.Top);
  return R;
}

void TspSkinMDITabsBar::TestActiveTab(int AX, int AY) {
  ActiveTabIndex = GetTabIndex(AX, AY);
  const bool Changed = ActiveTabIndex != OldTabIndex;
  if (Changed) {
    if (OldTabIndex >= 0 && OldTabIndex < TabCount()) {
      TspMDITab& Old = *FTabs[OldTabIndex];
      Old.MouseIn = false;
      Old.Draw(Canvas());
      if (OnTabMouseLeave) OnTabMouseLeave(&Old);
    }
    if (ActiveTabIndex >= 0) {
      TspMDITab& New = *FTabs[ActiveTabIndex];
      New.MouseIn = true;
      New.Draw(Canvas());
      if (OnTabMouseEnter) OnTabMouseEnter(&New);
    }
    OldTabIndex = ActiveTabIndex;
  }
  if (!FShowCloseButtons) return;
  if (ActiveTabIndex >= 0) {
    TspMDITab& Hot = *FTabs[ActiveTabIndex];
    const bool InButton = PtInRect(CloseButtonOnBar(Hot), TPoint{AX, AY});
    if (InButton != Hot.ButtonMouseIn) {
      Hot.ButtonMouseIn = InButton;
      if (!InButton) Hot.ButtonMouseDown = false;
      Hot.Draw(Canvas());
    }
  }
  if (!Changed) return;
  bool Cleared = false;
  for (int I = 0; I < TabCount(); ++I) {
    if (I == ActiveTabIndex || !FTabs[I]->ButtonMouseIn) continue;
    FTabs[I]->ButtonMouseIn = FTabs[I]->ButtonMouseDown = false;
    Cleared = true;
  }
  if (Cleared) Invalidate();
}

void TspSkinMDITabsBar::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseDown(AButton, AShift, AX, AY);
  const int Index = GetTabIndex(AX, AY);
  if (Index < 0) return;
  TspMDITab& Tab = *FTabs[Index];
  if (AButton == mbLeft) {
    PressTab(Tab, AShift, AX, AY);
  } else if (AButton == mbRight) {
    OpenChildMenu(Tab);
    if (OnTabMouseDown) OnTabMouseDown(AButton, AShift, &Tab);
  }
}

void TspSkinMDITabsBar::PressTab(TspMDITab& ATab, TShiftState AShift, int AX, int AY) {
  TCustomForm* Child = ATab.Child;
  TspSkinForm* ChildSkin = FindSkinForm(Child);
  if (ChildSkin && ChildSkin->WindowState() == wsMinimized) ChildSkin->SetWindowState(wsNormal);
  Child->Show();
  FDown = true;
  const int Index = GetTabIndex(AX, AY);
  if (MoveTabs) FDragIndex = Index;
  DX = AX;
  TabDX = 0;
  // Without a skin component the document counts as normal.
  if (AShift.Contains(ssDouble) && DblClickChildMove && (!ChildSkin || ChildSkin->WindowState() == wsNormal))
    Child->SetBounds(0, 0, Child->Width(), Child->Height());
  if (OnTabMouseDown) OnTabMouseDown(mbLeft, AShift, &ATab);
  if (!FShowCloseButtons || Index < 0) return;
  TspMDITab& Tab = *FTabs[Index];
  if (PtInRect(CloseButtonOnBar(Tab), TPoint{AX, AY})) {
    // A press on the close button is no press on the tab: nothing drags.
    FDown = false;
    FDragIndex = -1;
    Tab.ButtonMouseIn = Tab.ButtonMouseDown = true;
  } else {
    Tab.ButtonMouseIn = Tab.ButtonMouseDown = false;
  }
  Tab.Draw(Canvas());
}

void TspSkinMDITabsBar::OpenChildMenu(TspMDITab& ATab) {
  TspSkinForm* ChildSkin = FindSkinForm(ATab.Child);
  if (!SupportChildMenus || !ChildSkin || !FSkinForm) return;
  POINT P{};
  GetCursorPos(&P);
  FSkinForm->SkinMenuOpen();
  FSkinForm->SkinMenu().Popup(Parent(), FSkinForm->MenuSkin(), 0, TRect{P.X, P.Y, P.X, P.Y},
                              ChildSkin->GetSystemMenuItems(), false);
}

void TspSkinMDITabsBar::MouseMove(TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseMove(AShift, AX, AY);
  if (FDragIndex >= 0 && FDown && !FIsDrag && AX != DX) FIsDrag = true;
  if (FIsDrag) {
    TabDX = AX - DX;
    Invalidate();
    return;
  }
  TestActiveTab(AX, AY);
}

void TspSkinMDITabsBar::EndDrag() {
  FIsDrag = false;
  FDragIndex = -1;
  DX = TabDX = 0;
}

void TspSkinMDITabsBar::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinControl::MouseUp(AButton, AShift, AX, AY);
  FDown = false;
  if (FIsDrag) {
    CalcTabRects();
    const int Drop = GetDropIndex();
    if (Drop >= 0 && Drop != FDragIndex) {
      auto Moved = std::move(FTabs[FDragIndex]);
      FTabs.erase(FTabs.begin() + FDragIndex);
      FTabs.insert(FTabs.begin() + Drop, std::move(Moved));
    }
    EndDrag();
    ActiveTabIndex = OldTabIndex = -1;
    Invalidate();
  } else {
    // A press that never moved is a click; the next move must not start a drag.
    FDragIndex = -1;
    if (TspMDITab* Tab = GetTab(AX, AY); Tab && OnTabMouseUp) OnTabMouseUp(AButton, AShift, Tab);
  }
  if (!FShowCloseButtons || AButton != mbLeft) return;
  TspMDITab* Tab = GetTab(AX, AY);
  if (!Tab) return;
  if (PtInRect(CloseButtonOnBar(*Tab), TPoint{AX, AY})) {
    Tab->ButtonMouseIn = true;
    Tab->ButtonMouseDown = false;
    Tab->Draw(Canvas());
    // The tab may go with its document: nothing of it is used after this.
    Tab->Child->Close();
  } else {
    Tab->ButtonMouseIn = Tab->ButtonMouseDown = false;
  }
}

void TspSkinMDITabsBar::Dispatch(TMessage& AMessage) {
  TspSkinControl::Dispatch(AMessage);
  if (AMessage.Msg == CM_MOUSELEAVE && !FIsDrag) TestActiveTab(-1, -1);
  if (AMessage.Msg == WM_MOVE && Align() == alNone && ShowsParentBackground()) Invalidate();
}
