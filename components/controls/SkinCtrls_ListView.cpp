#include <algorithm>

#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinCtrls_ViewsInternal.h"
#include "components/forms/SkinForm.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/WindowProcedures.h"

TspSkinCustomListView::TspSkinCustomListView(TComponent* AOwner) : TCustomListView(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
  SetFont(FDefaultFont);
  FHeaderInstance = MakeProcInstance([this](HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
    return HeaderWndProc(AWindow, AMessage, AWParam, ALParam);
  });
}

TspSkinCustomListView::~TspSkinCustomListView() {
  TspViewPropertyRules<TspSkinCustomListView>::DetachBars(*this);
  ReleaseHeader();
  FreeProcInstance(FHeaderInstance);
}

void TspSkinCustomListView::SetSkinData(TspSkinData* AValue) {
  TspViewPropertyRules<TspSkinCustomListView>::SetSkinData(*this, AValue);
}

void TspSkinCustomListView::SetDefaultFont(const TFont& AValue) {
  TspViewPropertyRules<TspSkinCustomListView>::SetDefaultFont(*this, AValue);
}

void TspSkinCustomListView::SetDefaultColor(TColor AValue) {
  TspViewPropertyRules<TspSkinCustomListView>::SetDefaultColor(*this, AValue);
}

void TspSkinCustomListView::SetVScrollBar(TspSkinScrollBar* AValue) {
  TspViewPropertyRules<TspSkinCustomListView>::SetVScrollBar(*this, AValue);
}

void TspSkinCustomListView::SetHScrollBar(TspSkinScrollBar* AValue) {
  TspViewPropertyRules<TspSkinCustomListView>::SetHScrollBar(*this, AValue);
}

void TspSkinCustomListView::Loaded() {
  FInCheckScrollBars = true;
  TCustomListView::Loaded();
  FInCheckScrollBars = false;
  ChangeSkinData();
}

void TspSkinCustomListView::Notification(TComponent* AComponent, TOperation AOperation) {
  TCustomListView::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  TspViewPropertyRules<TspSkinCustomListView>::Forget(*this, AComponent);
}

void TspSkinCustomListView::CreateParams(TCreateParams& AParams) {
  TCustomListView::CreateParams(AParams);
  AParams.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TspSkinCustomListView::ChangeSkinData() {
  FIndex = FindSkinElement(FSD, SkinDataName);
  if (FIndex == -1) {
    SetColor(FDefaultColor);
    SetFont(FDefaultFont);
  } else if (const auto* Element = FSD->Control<TspDataSkinListView>(FIndex)) {
    SetFont(ViewSkinFont(FSD, FDefaultFont, UseSkinFont, Element->FontName, Element->FontStyle,
                         Element->FontHeight, Element->FontColor));
    SetColor(Element->BGColor);
    const TColor Toward = AverageColor(Element->FontColor, Element->BGColor);
    FLineColor = AverageColor(AverageColor(Toward, Element->BGColor), Element->BGColor);
  }
  TFont Charset;
  Charset.Assign(Font());
  Charset.SetCharset(SkinTextCharset(FSD, FDefaultFont));
  SetFont(Charset);
  UpDateScrollBars();
  ReAlignViewBars(FVScrollBar, FHScrollBar);
  if (ViewStyle() == vsReport && FHeaderHandle) InvalidateRect(FHeaderHandle, nullptr, true);
}

void TspSkinCustomListView::Change(TListItem* AItem, TItemChange AChange) {
  TCustomListView::Change(AItem, AChange);
  if (!FInCheckScrollBars) UpDateScrollBars();
}

int TspSkinCustomListView::ItemZeroHeight() {
  if (Items().Count() == 0) return 0;
  return Items().Item(0)->DisplayRect(drBounds).Height();
}

void TspSkinCustomListView::UpDateScrollBars() {
  if (!HandleAllocated() || FromSB || FInCheckScrollBars || Width() <= 5 || Height() <= 5) return;
  FInCheckScrollBars = true;
  bool VChanged = false;
  bool HChanged = false;
  switch (ViewStyle()) {
    case vsIcon:
    case vsSmallIcon:
      UpdateIconViewBars(VChanged, HChanged);
      break;
    case vsList:
      UpdateListViewBars(VChanged, HChanged);
      break;
    case vsReport:
      UpdateReportViewBars(VChanged, HChanged);
      break;
  }
  MatchViewBarCorner(FVScrollBar, FHScrollBar);
  if (Align() != alNone && (VChanged || HChanged) && Parent()) Parent()->Realign();
  FInCheckScrollBars = false;
}

namespace {

struct TListBarState {
  int Min = 0;
  int Max = 0;
  int Position = 0;
};

TListBarState ListBarStateOf(HWND AWindow, int ABar) {
  TListBarState State;
  GetScrollRange(AWindow, ABar, &State.Min, &State.Max);
  State.Position = GetScrollPos(AWindow, ABar);
  return State;
}

}  // namespace

void TspSkinCustomListView::UpdateIconViewBars(bool& AVChanged, bool& AHChanged) {
  const int Step = std::max(ItemZeroHeight() / 2, 1);
  if (FVScrollBar) {
    const TListBarState State = ListBarStateOf(Handle(), SB_VERT);
    AVChanged = SetViewBarVisible(*FVScrollBar, State.Max > Height() && Visible());
    if (FVScrollBar->Visible()) {
      FVScrollBar->SetSmallChange(Step);
      FVScrollBar->SetLargeChange(Step);
      FVScrollBar->SetRange(State.Min, State.Max, Height(), State.Position);
      FOldVScrollBarPos = FVScrollBar->Position();
    }
  }
  if (FHScrollBar) {
    const TListBarState State = ListBarStateOf(Handle(), SB_HORZ);
    AHChanged = SetViewBarVisible(*FHScrollBar, State.Max > Width() && Visible());
    if (FHScrollBar->Visible()) {
      FHScrollBar->SetSmallChange(Step);
      FHScrollBar->SetLargeChange(Step);
      FHScrollBar->SetRange(State.Min, State.Max, Width(), State.Position);
      FOldHScrollBarPos = FHScrollBar->Position();
    }
  }
}

void TspSkinCustomListView::UpdateListViewBars(bool& AVChanged, bool& AHChanged) {
  if (FVScrollBar) AVChanged = SetViewBarVisible(*FVScrollBar, false);
  if (!FHScrollBar) return;
  const int PerPage = static_cast<int>(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
  const int Count = static_cast<int>(SendMessage(Handle(), LVM_GETITEMCOUNT, 0, 0));
  AHChanged = SetViewBarVisible(*FHScrollBar, PerPage < Count && Visible());
  if (!FHScrollBar->Visible()) return;
  const int ColumnWidth = Count > 0 ? std::max(Items().Item(0)->DisplayRect(drBounds).Width(), 1) : 1;
  const TListBarState State = ListBarStateOf(Handle(), SB_HORZ);
  FHScrollBar->SetSmallChange(1);
  FHScrollBar->SetLargeChange(1);
  FHScrollBar->SetRange(State.Min, State.Max, Width() / ColumnWidth, State.Position);
  FOldHScrollBarPos = FHScrollBar->Position();
}

void TspSkinCustomListView::UpdateReportViewBars(bool& AVChanged, bool& AHChanged) {
  if (FVScrollBar) {
    const int PerPage = static_cast<int>(SendMessage(Handle(), LVM_GETCOUNTPERPAGE, 0, 0));
    const TListBarState State = ListBarStateOf(Handle(), SB_VERT);
    AVChanged = SetViewBarVisible(*FVScrollBar, PerPage < State.Max + 1 && Visible());
    if (FVScrollBar->Visible()) {
      FVScrollBar->SetRange(State.Min, State.Max, PerPage, State.Position);
      FVScrollBar->SetSmallChange(1);
      FVScrollBar->SetLargeChange(std::max(PerPage, 1));
      FOldVScrollBarPos = FVScrollBar->Position();
    }
  }
  if (FHScrollBar) {
    const TListBarState State = ListBarStateOf(Handle(), SB_HORZ);
    AHChanged = SetViewBarVisible(*FHScrollBar, State.Max > Width() && Visible());
    if (FHScrollBar->Visible()) {
      FHScrollBar->SetRange(State.Min, State.Max, Width(), State.Position);
      FOldHScrollBarPos = FHScrollBar->Position();
    }
  }
}

void TspSkinCustomListView::VScrollBarChanged() {
  if (!FVScrollBar || !HandleAllocated()) return;
  FromSB = true;
  if (IsEditing() && Selected()) Selected()->CancelEdit();
  int Distance = FVScrollBar->Position() - FOldVScrollBarPos;
  if (ViewStyle() == vsList || ViewStyle() == vsReport) Distance *= ItemZeroHeight();
  Scroll(0, Distance);
  FOldVScrollBarPos = FVScrollBar->Position();
  FromSB = false;
}

void TspSkinCustomListView::HScrollBarChanged() {
  if (!FHScrollBar || !HandleAllocated()) return;
  FromSB = true;
  if (IsEditing() && Selected()) Selected()->CancelEdit();
  const int Distance = FHScrollBar->Position() - FOldHScrollBarPos;
  if (ViewStyle() == vsList) {
    const WPARAM Code = Distance < 0 ? SB_LINELEFT : SB_LINERIGHT;
    for (int Step = 0; Step < std::abs(Distance); ++Step) SendMessage(Handle(), WM_HSCROLL, Code, 0);
  } else {
    Scroll(Distance, 0);
  }
  FOldHScrollBarPos = FHScrollBar->Position();
  FromSB = false;
}

void TspSkinCustomListView::WndProc(TMessage& AMessage) {
  if (AnswerViewNonClient(AMessage)) return;
  switch (AMessage.Msg) {
    case SP_PAINTINTODC:
      AMessage.Result = PAINTINTODC_RESULT;
      return;
    case SP_PAINTHEADERINTODC:
      if (FHeaderHandle) PaintHeader(reinterpret_cast<HDC>(AMessage.WParam));
      return;
    case WM_PARENTNOTIFY:
      if (LOWORD(AMessage.WParam) == WM_CREATE) HeaderCreated(reinterpret_cast<HWND>(AMessage.LParam));
      break;
    default:
      break;
  }
  TCustomListView::WndProc(AMessage);
  switch (AMessage.Msg) {
    case CM_VISIBLECHANGED:
      for (TspSkinScrollBar* Bar : {FVScrollBar, FHScrollBar})
        if (Bar) Bar->SetVisible(Visible());
      break;
    case WM_SIZE:
      if (!FInCheckScrollBars && Items().Count() > 0) UpDateScrollBars();
      if (ViewStyle() == vsReport && FHeaderHandle) InvalidateRect(FHeaderHandle, nullptr, false);
      break;
    case WM_PAINT:
      UpDateScrollBars();
      FillBelowHeader();
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}
