#pragma once
// TPageControl: a tab control whose tabs are its pages (TTabSheet), one page shown at
// a time over the display rectangle. Each page with TabVisible has a tab, in page
// order; hidden tabs are skipped in the tab indexes (TabIndex counts shown tabs only).
//
// The active page is shown, the others hidden. A press on a tab (OnChanging may
// refuse) makes its page active and raises OnChange; setting ActivePage or
// ActivePageIndex raises no event. The first page with a tab that comes to a page
// control without an active page becomes active. When the active page leaves or its
// tab is hidden, the page whose tab takes its place (or else the one before it)
// becomes active, or none when no tab is left. User-interface thread only.

#include <vector>

#include "platform/ui/native/TabControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
 public:
  // Aligned to fill its page control's display rectangle; hidden until active.
  explicit TTabSheet(TComponent* AOwner);
  // Leaves its page control first.
  ~TTabSheet() override;

  // Moves the sheet to APageControl (nullptr: off any), as its last page and child.
  TPageControl* PageControl() const { return FPageControl; }
  void SetPageControl(TPageControl* APageControl);
  // The place among the pages; a new place is clamped to the pages. -1 off a page
  // control.
  int PageIndex() const;
  void SetPageIndex(int AValue);
  // The place among the shown tabs; -1 while the tab is hidden or off a page control.
  int TabIndex() const;
  bool TabVisible() const { return FTabVisible; }
  void SetTabVisible(bool AValue);
  // The tab's picture in the page control's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);

 protected:
  void Dispatch(TMessage& AMessage) override;

 private:
  friend class TPageControl;

  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = -1;
};

class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* AOwner);
  // Lets go of its pages (which stay with their owner, or go with it as children).
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  // Raises EListError for an index outside the pages.
  TTabSheet* Pages(int AIndex) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  // A page of another page control is ignored.
  void SetActivePage(TTabSheet* APage);
  // -1 without an active page.
  int ActivePageIndex() const;
  // An index outside the pages leaves no page active.
  void SetActivePageIndex(int AValue);
  // Making a page visible (as focusing a control on it does) makes it active.
  void ShowControl(TControl* AControl) override;

 protected:
  // Makes the page of the selected tab active, then OnChange.
  void Change() override;
  void CreateTabs() override;

 private:
  friend class TTabSheet;

  void InsertPage(TTabSheet* APage);
  void RemovePage(TTabSheet* APage);
  void MovePage(TTabSheet* APage, int AIndex);
  // APage's tab was shown or hidden.
  void TabVisibilityChanged(TTabSheet* APage);
  // The window's tabs again, from the pages.
  void UpdateTabs();
  // Shows APage and hides the page shown before; selects its tab.
  void ChangeActivePage(TTabSheet* APage);
  // The page of a shown tab; nullptr for none.
  TTabSheet* PageOfTab(int ATabIndex) const;
  // The active page left or lost its tab that was at ATabIndex: the page now at that
  // tab, or the one before, takes its place.
  void ActivateNeighbourOf(int ATabIndex);

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
