// The scroll bars of the frame's MDI client: shown along its bottom and right while
// shown documents reach outside it, with the documents' extent as their range;
// scrolling moves every shown document.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"

namespace {

constexpr int MDIScrollBarSize = 17;
constexpr int MDIScrollStep = 10;

// The extent of the shown documents, in MDI client coordinates, leaving one out.
struct TChildExtent {
  int MinLeft = 100000, MinTop = 100000, MaxRight = -100000, MaxBottom = -100000;
};

TChildExtent ShownChildrenExtent(TCustomForm* AFrame, HWND ALeftOut) {
  TChildExtent Extent;
  for (int I = 0; I < AFrame->MDIChildCount(); ++I) {
    TCustomForm* Child = AFrame->MDIChildren(I);
    if (!Child->Visible() || Child->Handle() == ALeftOut) continue;
    Extent.MinLeft = std::min(Extent.MinLeft, Child->Left());
    Extent.MinTop = std::min(Extent.MinTop, Child->Top());
    Extent.MaxRight = std::max(Extent.MaxRight, Child->Left() + Child->Width());
    Extent.MaxBottom = std::max(Extent.MaxBottom, Child->Top() + Child->Height());
  }
  return Extent;
}

// Shows or hides the bar; whether that changed anything.
bool ShowBar(TspSkinScrollBar& ABar, bool AShow, const TRect& ABounds) {
  if (AShow == ABar.Visible()) return false;
  if (AShow) ABar.SetBoundsRect(ABounds);
  ABar.SetVisible(AShow);
  return true;
}

}  // namespace

void TspSkinFormMdi::CreateMDIScrollBars() {
  if (SkinForm.ComponentState().Contains(csDesigning) || SkinForm.FForm->FormStyle() != fsMDIForm) return;
  auto MakeBar = [this](TScrollBarKind AKind) {
    auto* Bar = new TspSkinScrollBar(&SkinForm);
    Bar->SetVisible(false);
    Bar->SetKind(AKind);
    // Without a skin element the bar keeps &SkinForm thickness through skin changes; its
    // length is the client's.
    if (AKind == sbHorizontal) {
      Bar->SetDefaultHeight(MDIScrollBarSize);
    } else {
      Bar->SetDefaultHeight(0);
      Bar->SetDefaultWidth(MDIScrollBarSize);
      Bar->SetSkinDataName("vscrollbar");
    }
    Bar->SetSkinData(SkinForm.FSD);
    Bar->SetParent(SkinForm.FForm);
    Bar->OnUpButtonClick = [this, Bar](TObject*) {
      Bar->SetPosition(Bar->Position() + MDIScrollStep);
      MDIScrollBarChanged(Bar);
    };
    Bar->OnDownButtonClick = [this, Bar](TObject*) {
      Bar->SetPosition(Bar->Position() - MDIScrollStep);
      MDIScrollBarChanged(Bar);
    };
    Bar->OnPageUp = Bar->OnPageDown = Bar->OnLastChange = [this, Bar](TObject*) { MDIScrollBarChanged(Bar); };
    return Bar;
  };
  if (FMDIHScrollBar == nullptr) {
    FMDIHScrollBar = MakeBar(sbHorizontal);
    FOldHSrollBarPosition = 0;
  }
  if (FMDIVScrollBar == nullptr) {
    FMDIVScrollBar = MakeBar(sbVertical);
    FOldVSrollBarPosition = 0;
  }
}

void TspSkinFormMdi::MDIScrollBarChanged(TspSkinScrollBar* ABar) {
  if (ABar == FMDIHScrollBar && ABar->Position() != FOldHSrollBarPosition) {
    const int Offset = FOldHSrollBarPosition - ABar->Position();
    FOldHSrollBarPosition = ABar->Position();
    ScrollMDIChildrenH(Offset);
  } else if (ABar == FMDIVScrollBar && ABar->Position() != FOldVSrollBarPosition) {
    const int Offset = FOldVSrollBarPosition - ABar->Position();
    FOldVSrollBarPosition = ABar->Position();
    ScrollMDIChildrenV(Offset);
  }
}

void TspSkinFormMdi::ScrollMDIChildrenH(int AOffset) {
  FStopCheckChildMove = true;
  for (int I = 0; I < SkinForm.FForm->MDIChildCount(); ++I)
    if (TCustomForm* Child = SkinForm.FForm->MDIChildren(I); Child->Visible())
      Child->SetLeft(Child->Left() + AOffset);
  FStopCheckChildMove = false;
  UpdateMDIScrollBars(false);
}

void TspSkinFormMdi::ScrollMDIChildrenV(int AOffset) {
  FStopCheckChildMove = true;
  for (int I = 0; I < SkinForm.FForm->MDIChildCount(); ++I)
    if (TCustomForm* Child = SkinForm.FForm->MDIChildren(I); Child->Visible())
      Child->SetTop(Child->Top() + AOffset);
  FStopCheckChildMove = false;
  UpdateMDIScrollBars(false);
}

// A bar that appeared takes room from the other direction: the computation runs once
// more after a change.
void TspSkinFormMdi::UpdateMDIScrollBars(bool ARange) {
  if (UpdateMDIScrollBarsOnce(ARange)) UpdateMDIScrollBarsOnce(ARange);
}

bool TspSkinFormMdi::UpdateMDIScrollBarsOnce(bool ARange) {
  if (FMDIHScrollBar == nullptr || FMDIVScrollBar == nullptr) return false;
  TspSkinScrollBar& HBar = *FMDIHScrollBar;
  TspSkinScrollBar& VBar = *FMDIVScrollBar;
  if (FMDIChildMaximized || !SkinForm.ShowMDIScrollBars) {
    ShowBar(HBar, false, {});
    ShowBar(VBar, false, {});
    return false;
  }
  const TRect C = GetMDIClientRect();
  const int W = C.Width();
  const int H = C.Height();
  TChildExtent E = ShownChildrenExtent(SkinForm.FForm, ChangeVisibleChildHanle);
  bool NeedH = E.MinLeft < 0 || E.MaxRight > W;
  bool NeedV = E.MinTop < 0 || E.MaxBottom > H;
  if (NeedV && !NeedH)
    NeedH = E.MinLeft < 0 || E.MaxRight > W - VBar.Width();
  else if (NeedH && !NeedV)
    NeedV = E.MinTop < 0 || E.MaxBottom > H - HBar.Height();
  bool Changed = ShowBar(HBar, NeedH, Rect(C.Left, C.Bottom - HBar.Height(), C.Right, C.Bottom));
  Changed |= ShowBar(VBar, NeedV,
                     Bounds(C.Right - VBar.Width(), C.Top, VBar.Width(), NeedH ? H - HBar.Height() : H));
  AlignMDIScrollBars();
  if (HBar.Visible()) {
    E.MinLeft = std::min(E.MinLeft, 0);
    E.MaxRight = std::max(E.MaxRight, W);
    if (ARange) {
      HBar.SetRange(0, E.MaxRight - E.MinLeft - 1, W - (VBar.Visible() ? VBar.Width() : 0), -E.MinLeft);
      FOldHSrollBarPosition = HBar.Position();
    }
    HBar.SetLargeChange(HBar.PageSize());
  }
  if (VBar.Visible()) {
    E.MinTop = std::min(E.MinTop, 0);
    E.MaxBottom = std::max(E.MaxBottom, H);
    if (ARange) {
      VBar.SetRange(0, E.MaxBottom - E.MinTop - 1, H - (HBar.Visible() ? HBar.Height() : 0), -E.MinTop);
      FOldVSrollBarPosition = VBar.Position();
    }
    VBar.SetLargeChange(VBar.PageSize());
  }
  return Changed && (HBar.Visible() || VBar.Visible());
}

void TspSkinFormMdi::AlignMDIScrollBars() {
  if (SkinForm.FForm->FormStyle() != fsMDIForm) return;
  const bool HShown = FMDIHScrollBar != nullptr && FMDIHScrollBar->Visible();
  const bool VShown = FMDIVScrollBar != nullptr && FMDIVScrollBar->Visible();
  if (!HShown && !VShown) return;
  const TRect C = GetMDIClientRect();
  if (HShown) {
    TspSkinScrollBar& HBar = *FMDIHScrollBar;
    if (VShown && !HBar.Both())
      HBar.SetBoth(true);
    else if (!VShown && FMDIVScrollBar != nullptr && HBar.Both())
      HBar.SetBoth(false);
    HBar.SetBounds(C.Left, C.Bottom - HBar.Height(), C.Width(), HBar.Height());
  }
  if (VShown) {
    TspSkinScrollBar& VBar = *FMDIVScrollBar;
    VBar.SetBounds(C.Right - VBar.Width(), C.Top, VBar.Width(),
                   C.Height() - (HShown ? FMDIHScrollBar->Height() : 0));
  }
}
