#include <algorithm>

#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinCtrls_ViewsInternal.h"
#include "components/forms/SkinForm.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/ScrollInfo.h"

TspSkinCustomTreeView::TspSkinCustomTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {
  FDefaultFont.SetName("Arial");
  FDefaultFont.SetHeight(14);
}

TspSkinCustomTreeView::~TspSkinCustomTreeView() {
  TspViewPropertyRules<TspSkinCustomTreeView>::DetachBars(*this);
}

void TspSkinCustomTreeView::SetSkinData(TspSkinData* AValue) {
  TspViewPropertyRules<TspSkinCustomTreeView>::SetSkinData(*this, AValue);
}

void TspSkinCustomTreeView::SetDefaultFont(const TFont& AValue) {
  TspViewPropertyRules<TspSkinCustomTreeView>::SetDefaultFont(*this, AValue);
}

void TspSkinCustomTreeView::SetDefaultColor(TColor AValue) {
  TspViewPropertyRules<TspSkinCustomTreeView>::SetDefaultColor(*this, AValue);
}

void TspSkinCustomTreeView::SetVScrollBar(TspSkinScrollBar* AValue) {
  TspViewPropertyRules<TspSkinCustomTreeView>::SetVScrollBar(*this, AValue);
}

void TspSkinCustomTreeView::SetHScrollBar(TspSkinScrollBar* AValue) {
  TspViewPropertyRules<TspSkinCustomTreeView>::SetHScrollBar(*this, AValue);
}

void TspSkinCustomTreeView::Loaded() {
  TCustomTreeView::Loaded();
  ChangeSkinData();
}

void TspSkinCustomTreeView::Notification(TComponent* AComponent, TOperation AOperation) {
  TCustomTreeView::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  TspViewPropertyRules<TspSkinCustomTreeView>::Forget(*this, AComponent);
  if (AComponent == FButtonImageList) FButtonImageList = nullptr;
}

void TspSkinCustomTreeView::CreateParams(TCreateParams& AParams) {
  TCustomTreeView::CreateParams(AParams);
  AParams.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TspSkinCustomTreeView::ChangeSkinData() {
  if (ComponentState().Contains(csLoading)) return;
  FIndex = FindSkinElement(FSD, SkinDataName);
  if (FIndex == -1) {
    SetColor(FDefaultColor);
    SetFont(FDefaultFont);
    FLineColor = clGray;
  } else if (const auto* Element = FSD->Control<TspDataSkinTreeView>(FIndex)) {
    TakeTreeViewElement(*Element);
  }
  TFont Charset;
  Charset.Assign(Font());
  Charset.SetCharset(SkinTextCharset(FSD, FDefaultFont));
  SetFont(Charset);
  for (TCustomImageList* List : {Images(), StateImages()})
    if (List) List->SetBkColor(Color());
  UpDateScrollBars();
  ReAlignViewBars(FVScrollBar, FHScrollBar);
}

void TspSkinCustomTreeView::TakeTreeViewElement(const TspDataSkinTreeView& AElement) {
  SetFont(ViewSkinFont(FSD, FDefaultFont, UseSkinFont, AElement.FontName, AElement.FontStyle,
                       AElement.FontHeight, AElement.FontColor));
  SetColor(AElement.BGColor);
  FButtonColor = AverageColor(AElement.FontColor, AElement.BGColor);
  FLineColor = AverageColor(FButtonColor, AElement.BGColor);
  TBitmap* Picture = FSD->Picture(AElement.PictureIndex);
  if (!Picture || IsRectEmpty(AElement.ExpandImageRect) || IsRectEmpty(AElement.NoExpandImageRect)) {
    FExpandImage.SetSize(0, 0);
    FNoExpandImage.SetSize(0, 0);
    return;
  }
  TakeButtonPicture(FExpandImage, AElement.ExpandImageRect, *Picture);
  TakeButtonPicture(FNoExpandImage, AElement.NoExpandImageRect, *Picture);
}

// A square of the source's width, the source scaled into it, drawn transparent.
void TspSkinCustomTreeView::TakeButtonPicture(TBitmap& ATarget, const TRect& ASource, TBitmap& APicture) {
  // No larger than the picture, whatever the skin says.
  const int Side = std::min(ASource.Width(), APicture.Width());
  ATarget.SetSize(Side, Side);
  ATarget.Canvas().CopyRect(TRect(0, 0, Side, Side), APicture.Canvas(), ASource);
  ATarget.SetTransparent(true);
}

void TspSkinCustomTreeView::UpDateScrollBars() {
  if (ComponentState().Contains(csLoading) || FInCheckScrollBars || !HandleAllocated()) return;
  HWND Window = Handle();
  FInCheckScrollBars = true;
  bool VChanged = false;
  bool HChanged = false;
  if (FVScrollBar) {
    int Min = 0;
    int Max = 0;
    GetScrollRange(Window, SB_VERT, &Min, &Max);
    const int Position = GetScrollPos(Window, SB_VERT);
    const int Page = static_cast<int>(SendMessage(Window, TVM_GETVISIBLECOUNT, 0, 0));
    const int Count = static_cast<int>(SendMessage(Window, TVM_GETCOUNT, 0, 0));
    const bool Needed = Max > 0 && Page <= Max && Count > Max && Visible();
    VChanged = SetViewBarVisible(*FVScrollBar, Needed);
    if (Needed) FVScrollBar->SetRange(Min, Max, Page, Position);
  }
  if (FHScrollBar) {
    int Min = 0;
    int Max = 0;
    GetScrollRange(Window, SB_HORZ, &Min, &Max);
    const int Position = GetScrollPos(Window, SB_HORZ);
    const bool Needed = Max > Width() && Visible();
    HChanged = SetViewBarVisible(*FHScrollBar, Needed);
    if (Needed) FHScrollBar->SetRange(Min, Max, Width(), Position);
  }
  MatchViewBarCorner(FVScrollBar, FHScrollBar);
  if (Align() != alNone && (VChanged || HChanged) && Parent()) Parent()->Realign();
  FInCheckScrollBars = false;
}

void TspSkinCustomTreeView::VScrollBarChanged() {
  if (!FVScrollBar || !HandleAllocated()) return;
  SendMessage(Handle(), WM_VSCROLL, MakeScrollWParam(SB_THUMBPOSITION, FVScrollBar->Position()), 0);
}

void TspSkinCustomTreeView::HScrollBarChanged() {
  if (!FHScrollBar || !HandleAllocated()) return;
  SendMessage(Handle(), WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, FHScrollBar->Position()), 0);
}

void TspSkinCustomTreeView::Change(TTreeNode* ANode) {
  TCustomTreeView::Change(ANode);
  UpDateScrollBars();
}

void TspSkinCustomTreeView::WndProc(TMessage& AMessage) {
  if (AnswerViewNonClient(AMessage)) return;
  if (AMessage.Msg == SP_PAINTINTODC) {
    AMessage.Result = PAINTINTODC_RESULT;
    return;
  }
  TCustomTreeView::WndProc(AMessage);
  switch (AMessage.Msg) {
    case CM_VISIBLECHANGED:
      for (TspSkinScrollBar* Bar : {FVScrollBar, FHScrollBar})
        if (Bar) Bar->SetVisible(Visible());
      break;
    case WM_SIZE:
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}
