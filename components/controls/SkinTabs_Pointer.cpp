#include "components/controls/SkinTabs.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/Cursors.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"

void TspSkinPageControl::RepaintTabs() {
  if (!HandleAllocated()) return;
  // Drawn at once on the control's canvas, as every state change of a tab is.
  const TWindowDCScope DC(Handle());
  TCanvas Surface;
  TCanvasHandleScope Scope(Surface, DC.Handle());
  GetSkinData();
  PaintTabs(Surface);
}

void TspSkinPageControl::CheckActiveTab(int AX, int AY) {
  if (FHideTabs) return;
  FOldActiveTab = FActiveTab;
  FOldActiveTabIndex = FActiveTabIndex;
  FActiveTab = FActiveTabIndex = -1;
  int Visible = 0;
  for (int I = 0; I < PageCount(); ++I) {
    if (!Pages(I)->TabVisible()) continue;
    if (PtInRect(GetItemRect(Visible), TPoint{AX, AY})) {
      FActiveTab = I;
      FActiveTabIndex = Visible;
      break;
    }
    ++Visible;
  }
  const int Selected = TabIndex();
  if (FActiveTabIndex != FOldActiveTabIndex) {
    if (FOldActiveTabIndex != -1 && FOldActiveTabIndex != Selected && FOldActiveTabIndex < PageCount()) {
      if (TspSkinCustomTabSheet* Old = SkinPage(FOldActiveTab))
        Old->ButtonMouseIn = Old->ButtonMouseDown = false;
      RepaintTabs();
    }
    if (FActiveTabIndex != -1 && FActiveTabIndex != Selected && FActiveTabIndex < PageCount()) RepaintTabs();
  }
  TspSkinCustomTabSheet* Hot = SkinPage(FActiveTab);
  if (!Hot || !FShowCloseButtons) return;
  const bool Inside = PtInRect(HotCloseButtonRect(false), TPoint{AX, AY});
  if (Inside && !Hot->ButtonMouseIn) {
    Hot->ButtonMouseIn = true;
    RepaintTabs();
  } else if (!Inside && Hot->ButtonMouseIn) {
    Hot->ButtonMouseIn = Hot->ButtonMouseDown = false;
    RepaintTabs();
  }
}

TRect TspSkinPageControl::HotCloseButtonRect(bool AOffsetTabs) {
  TRect Result = SkinPage(FActiveTab)->ButtonRect;
  const TRect Tab = GetItemRect(FActiveTabIndex);
  OffsetRect(Result, Tab.Left, Tab.Top);
  // The x of a press on shifted tabs arrives reduced by the shift.
  if (AOffsetTabs && (FTabsInCenter || FTabsOffset > 0)) OffsetRect(Result, -GetTabsOffset(), 0);
  return Result;
}

bool TspSkinPageControl::PrepareCloseButtonPress(TMouseButton AButton, int AX, int AY, bool& AInside) {
  if (FHideTabs || AButton != mbLeft) return false;
  if (!ComponentState().Contains(csDesigning) && !FTabsInCenter && FTabsOffset <= 0) CheckActiveTab(AX, AY);
  if (!SkinPage(FActiveTab) || !FShowCloseButtons) return false;
  AInside = PtInRect(HotCloseButtonRect(true), TPoint{AX, AY});
  return true;
}

void TspSkinPageControl::MouseMove(TShiftState AShift, int AX, int AY) {
  TPageControl::MouseMove(AShift, AX, AY);
  if (!FHideTabs && !ComponentState().Contains(csDesigning)) CheckActiveTab(AX, AY);
}

void TspSkinPageControl::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TPageControl::MouseDown(AButton, AShift, AX, AY);
  bool Inside = false;
  if (!PrepareCloseButtonPress(AButton, AX, AY, Inside)) return;
  TspSkinCustomTabSheet* Hot = SkinPage(FActiveTab);
  Hot->ButtonMouseIn = Hot->ButtonMouseDown = Inside;
  if (Inside) RepaintTabs();
}

void TspSkinPageControl::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TPageControl::MouseUp(AButton, AShift, AX, AY);
  bool Inside = false;
  if (!PrepareCloseButtonPress(AButton, AX, AY, Inside)) return;
  TspSkinCustomTabSheet* Hot = SkinPage(FActiveTab);
  Hot->ButtonMouseIn = Inside;
  Hot->ButtonMouseDown = false;
  if (!Inside) return;
  RepaintTabs();
  // A release over a close button closes, wherever the press began.
  CloseActivePage();
}

void TspSkinPageControl::CMMouseLeave(TMessage& AMessage) {
  TPageControl::Dispatch(AMessage);
  if (FHideTabs) return;
  CheckActiveTab(-1, -1);
  const int Selected = TabIndex();
  for (int* Index : {&FOldActiveTabIndex, &FActiveTabIndex}) {
    if (*Index == -1 || *Index == Selected || *Index >= PageCount()) continue;
    *Index = -1;
    RepaintTabs();
  }
}

void TspSkinPageControl::CloseActivePage() {
  TTabSheet* Page = ActivePage();
  if (!Page) return;
  bool CanClose = true;
  if (OnClose) OnClose(Page, CanClose);
  if (!CanClose) {
    POINT Cursor{};
    GetCursorPos(&Cursor);
    if (auto* Sheet = dynamic_cast<TspSkinCustomTabSheet*>(Page);
        Sheet && (!HandleAllocated() || WindowFromPoint(Cursor) != Handle())) {
      Sheet->ButtonMouseIn = Sheet->ButtonMouseDown = false;
      RepaintTabs();
    }
    return;
  }
  Page->SetTabVisible(false);
  if (FreeOnClose) delete Page;
  if (OnAfterClose) OnAfterClose(this);
}

void TspSkinPageControl::SelectNextPage() {
  for (int I = ActivePageIndex() + 1; I < PageCount(); ++I) {
    if (!Pages(I)->TabVisible()) continue;
    SetActivePage(Pages(I));
    return;
  }
}

void TspSkinPageControl::SelectPriorPage() {
  for (int I = ActivePageIndex() - 1; I >= 0; --I) {
    if (!Pages(I)->TabVisible()) continue;
    SetActivePage(Pages(I));
    return;
  }
}

void TspSkinPageControl::WMMouseWheel(TMessage& AMessage) {
  TPageControl::Dispatch(AMessage);
  if (!MouseWheelSupport || !Focused()) return;
  if (GET_WHEEL_DELTA_WPARAM(AMessage.WParam) < 0)
    SelectNextPage();
  else
    SelectPriorPage();
}
