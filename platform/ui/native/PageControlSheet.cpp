// TTabSheet: a page of a page control, with the place and look of its tab.

#include <algorithm>

#include "platform/ui/native/PageControl.h"

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
  ControlStyle.Include(csAcceptsControls);
  SetAlign(alClient);
  SetVisible(false);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* APageControl) {
  if (FPageControl == APageControl) return;
  if (FPageControl) FPageControl->RemovePage(this);
  if (APageControl) APageControl->InsertPage(this);
}

int TTabSheet::PageIndex() const {
  if (!FPageControl) return -1;
  const std::vector<TTabSheet*>& Pages = FPageControl->FPages;
  return static_cast<int>(std::find(Pages.begin(), Pages.end(), this) - Pages.begin());
}

void TTabSheet::SetPageIndex(int AValue) {
  if (FPageControl && AValue != PageIndex()) FPageControl->MovePage(this, AValue);
}

int TTabSheet::TabIndex() const {
  if (!FPageControl || !FTabVisible) return -1;
  int Index = 0;
  for (TTabSheet* Page : FPageControl->FPages) {
    if (Page == this) return Index;
    if (Page->FTabVisible) ++Index;
  }
  return -1;
}

void TTabSheet::SetTabVisible(bool AValue) {
  if (FTabVisible == AValue) return;
  FTabVisible = AValue;
  if (FPageControl) FPageControl->TabVisibilityChanged(this);
}

void TTabSheet::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  if (FPageControl) FPageControl->UpdateTabs();
}

// A new caption is the tab's.
void TTabSheet::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == CM_TEXTCHANGED && FPageControl) FPageControl->UpdateTabs();
  TWinControl::Dispatch(AMessage);
}
