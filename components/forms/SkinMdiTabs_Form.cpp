// The skin component's side of the MDI tabs bar: a document's component enters its
// document in the main form's bar when it shows, takes it out when it hides, and has
// the bar mark the active document when the frame's client activates one.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMdiTabs.h"
#include "platform/ui/Application.h"

namespace {

TspSkinMDITabsBar* MainFormTabsBar() {
  TspSkinForm* Main = Application ? FindSkinForm(Application->MainForm()) : nullptr;
  return Main ? Main->MDITabsBar : nullptr;
}

}  // namespace

void TspSkinForm::AddChildToBar(TCustomForm* Child) {
  bool Accept = true;
  if (OnAcceptToMDITabsBar) OnAcceptToMDITabsBar(Accept);
  if (!Accept) return;
  if (TspSkinMDITabsBar* Bar = MainFormTabsBar()) Bar->AddTab(Child);
}

void TspSkinForm::DeleteChildFromBar(TCustomForm* Child) {
  if (TspSkinMDITabsBar* Bar = MainFormTabsBar()) Bar->DeleteTab(Child);
}

void TspSkinForm::RefreshMDIBarTab(TCustomForm* Child) {
  TspSkinMDITabsBar* Bar = MainFormTabsBar();
  if (!Bar) return;
  for (int I = 0; I < Bar->TabCount(); ++I)
    if (Bar->Tab(I).Child == Child) Bar->Tab(I).Draw(Bar->Canvas());
}

void TspSkinForm::RefreshMDITabs() {
  if (TspSkinMDITabsBar* Bar = MainFormTabsBar()) Bar->UpdateActiveTab();
}

// The client activates a document before it tells it (WM_NCACTIVATE), so the main
// form already names the new active document here.
void TspSkinForm::FollowMDITabsBar(const TMessage& AMessage) {
  if (FForm->FormStyle() != fsMDIChild) return;
  switch (AMessage.Msg) {
    case WM_SHOWWINDOW:
      if (AMessage.WParam != 0)
        AddChildToBar(FForm);
      else
        DeleteChildFromBar(FForm);
      break;
    case WM_SETTEXT:
      // The caption is stored after this: the bar shows it at its next paint.
      if (TspSkinMDITabsBar* Bar = MainFormTabsBar()) Bar->Invalidate();
      break;
    case WM_NCACTIVATE:
    case WM_DESTROY:
      RefreshMDITabs();
      break;
    default:
      break;
  }
}
