#include "components/controls/SkinTabs.h"
#include "platform/ui/native/UpDownMessages.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowTree.h"

namespace {

// The stand-in's own scroller, which the skinned one replaces; nullptr for none.
HWND NativeTabScroller(HWND ATabControl) {
  for (HWND Child = GetWindow(ATabControl, GW_CHILD); Child; Child = GetWindow(Child, GW_HWNDNEXT))
    if (GetClassName(Child) == UPDOWN_CLASS) return Child;
  return nullptr;
}

}  // namespace

// Only the tabs the window already holds are counted: while the pages are being put
// into a new window, the others have no place yet.
int TspSkinPageControl::GetHiddenTabsCount() {
  if (!HandleAllocated()) return 0;
  int Count = 0;
  for (int Tab = 0; Tab < TabCount(); ++Tab) {
    const int Right = GetItemRect(Tab).Right;
    if (Right > Width() - 3 || Right <= 0) ++Count;
  }
  return Count;
}

int TspSkinPageControl::GetScrolledTabsCount() {
  if (!HandleAllocated()) return 0;
  int Count = 0;
  for (int Tab = 0; Tab < TabCount(); ++Tab)
    if (GetItemRect(Tab).Right <= 0) ++Count;
  return Count;
}

int TspSkinPageControl::TabScrollerTop(int AScrollerHeight) {
  const TRect Display = DisplayRect();
  if (TabPosition() == tpTop) {
    if (!HasSkinElement()) return 0;
    return std::max(0, Display.Top - AScrollerHeight - ClRect.Top);
  }
  if (!HasSkinElement()) return Height() - AScrollerHeight;
  return std::min(Height() - AScrollerHeight, RectangleHeight(SkinRect) - ClRect.Bottom + Display.Bottom);
}

void TspSkinPageControl::CreateWnd() {
  TPageControl::CreateWnd();
  // A skin applied before the window was made gave it a tab height it never received.
  if (HasSkinElement()) UpDateTabs();
  if (!MultiLine() && !ComponentState().Contains(csDesigning)) UpdateTabScroller();
}

void TspSkinPageControl::UpdateTabScroller() {
  if (!HandleAllocated()) return;
  if (HWND Native = NativeTabScroller(Handle())) DestroyWindow(Native);
  const int Hidden = GetHiddenTabsCount();
  if (Hidden == 0 || MultiLine()) {
    FreeTabScroller();
  } else if (!FSkinUpDown) {
    CreateTabScroller();
  }
  if (!FSkinUpDown) return;
  FSkinUpDown->SetMax(Hidden);
  FSkinUpDown->SetBounds(Width() - FSkinUpDown->Width(), TabScrollerTop(FSkinUpDown->Height()),
                         FSkinUpDown->Width(), FSkinUpDown->Height());
}

void TspSkinPageControl::CreateTabScroller() {
  if (FHideTabs) return;
  FSkinUpDown = new TspSkinUpDown(this);
  FSkinUpDown->SetParent(this);
  FSkinUpDown->SetBounds(Width() - 2 * FDefaultItemHeight, 0, 2 * FDefaultItemHeight, FDefaultItemHeight);
  FSkinUpDown->SetMin(0);
  FSkinUpDown->SetMax(GetHiddenTabsCount());
  FSkinUpDown->SetPosition(GetScrolledTabsCount());
  FSkinUpDown->SetIncrement(1);
  FSkinUpDown->OnChange = [this](TObject* Sender) { TabScrollerChange(Sender); };
  FSkinUpDown->SetSkinDataName(UpDown);
  FSkinUpDown->SetSkinData(FSD);
  FSkinUpDown->SetBounds(Width() - FSkinUpDown->Width(), TabScrollerTop(FSkinUpDown->Height()),
                         FSkinUpDown->Width(), FSkinUpDown->Height());
  FSkinUpDown->SetVisible(true);
}

void TspSkinPageControl::FreeTabScroller() {
  delete FSkinUpDown;
  FSkinUpDown = nullptr;
}

void TspSkinPageControl::TabScrollerChange(TObject* Sender) {
  (void)Sender;
  FSkinUpDown->SetMax(GetHiddenTabsCount());
  Perform(WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, FSkinUpDown->Position()), 0);
}

void TspSkinPageControl::UpdateTabScrollerPosition() {
  if (FSkinUpDown) FSkinUpDown->SetPosition(GetScrolledTabsCount());
  Invalidate();
}
