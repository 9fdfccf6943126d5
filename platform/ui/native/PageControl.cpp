// TPageControl: its pages, their tabs in the window, and the active page.

#include "platform/ui/native/PageControl.h"

#include <algorithm>

#include "platform/base/Exceptions.h"

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
  for (TTabSheet* Page : FPages) Page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int AIndex) const {
  if (AIndex < 0 || AIndex >= PageCount()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  return FPages[AIndex];
}

int TPageControl::ActivePageIndex() const {
  auto It = std::find(FPages.begin(), FPages.end(), FActivePage);
  return FActivePage && It != FPages.end() ? static_cast<int>(It - FPages.begin()) : -1;
}

void TPageControl::SetActivePageIndex(int AValue) {
  ChangeActivePage(AValue >= 0 && AValue < PageCount() ? FPages[AValue] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* APage) {
  if (APage && APage->FPageControl != this) return;
  ChangeActivePage(APage);
}

void TPageControl::ChangeActivePage(TTabSheet* APage) {
  TTabSheet* Previous = FActivePage;
  FActivePage = APage;
  // The new page goes up before the old one goes, so nothing shows through between.
  if (APage && APage != Previous) {
    APage->BringToFront();
    APage->SetVisible(true);
  }
  if (Previous && Previous != APage) Previous->SetVisible(false);
  SetTabIndex(APage ? APage->TabIndex() : -1);
}

TTabSheet* TPageControl::PageOfTab(int ATabIndex) const {
  for (TTabSheet* Page : FPages)
    if (Page->TabVisible() && ATabIndex-- == 0) return Page;
  return nullptr;
}

void TPageControl::ActivateNeighbourOf(int ATabIndex) {
  const auto Shown =
      std::count_if(FPages.begin(), FPages.end(), [](TTabSheet* P) { return P->TabVisible(); });
  ChangeActivePage(Shown == 0 ? nullptr : PageOfTab(std::clamp(ATabIndex, 0, static_cast<int>(Shown) - 1)));
}

void TPageControl::Change() {
  ChangeActivePage(PageOfTab(TabIndex()));
  TCustomTabControl::Change();
}

void TPageControl::ShowControl(TControl* AControl) {
  if (auto* Page = dynamic_cast<TTabSheet*>(AControl); Page && Page->FPageControl == this)
    SetActivePage(Page);
  TCustomTabControl::ShowControl(AControl);
}

// ---------------------------------------------------------------- pages and tabs

void TPageControl::CreateTabs() {
  int Tab = 0;
  for (TTabSheet* Page : FPages)
    if (Page->TabVisible()) InsertTab(Tab++, Page->Caption(), Page->ImageIndex());
}

void TPageControl::UpdateTabs() {
  for (int Count = TabCount(); Count > 0; --Count) DeleteTab(0);
  CreateTabs();
  SetTabIndex(FActivePage ? FActivePage->TabIndex() : -1);
  // Tabs that come or go, or change their captions, may change the lines of tabs.
  Realign();
}

void TPageControl::InsertPage(TTabSheet* APage) {
  APage->SetVisible(false);
  FPages.push_back(APage);
  APage->FPageControl = this;
  APage->SetParent(this);
  UpdateTabs();
  if (!FActivePage && APage->TabVisible()) ChangeActivePage(APage);
}

void TPageControl::RemovePage(TTabSheet* APage) {
  const int TabBefore = APage->TabIndex();
  std::erase(FPages, APage);
  APage->FPageControl = nullptr;
  // A page control that goes with its owner shows no other page meanwhile.
  if (ComponentState().Contains(csDestroying)) {
    if (APage == FActivePage) FActivePage = nullptr;
    return;
  }
  UpdateTabs();
  if (APage == FActivePage) {
    FActivePage = nullptr;
    APage->SetVisible(false);
    ActivateNeighbourOf(TabBefore);
  }
  APage->SetParent(nullptr);
}

void TPageControl::MovePage(TTabSheet* APage, int AIndex) {
  std::erase(FPages, APage);
  AIndex = std::clamp(AIndex, 0, PageCount());
  FPages.insert(FPages.begin() + AIndex, APage);
  UpdateTabs();
}

void TPageControl::TabVisibilityChanged(TTabSheet* APage) {
  UpdateTabs();
  if (APage == FActivePage && !APage->TabVisible()) {
    int TabBefore = 0;
    for (TTabSheet* Page : FPages) {
      if (Page == APage) break;
      if (Page->TabVisible()) ++TabBefore;
    }
    ActivateNeighbourOf(TabBefore);
  } else if (!FActivePage && APage->TabVisible()) {
    ChangeActivePage(APage);
  }
}
