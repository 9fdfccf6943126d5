#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/controls/SkinCtrls_ViewsInternal.h"

TFont ViewSkinFont(const TspSkinData* ASkinData, const TFont& ADefaultFont, bool AUseSkinFont,
                   const String& AName, TFontStyles AStyle, int AHeight, TColor AColor) {
  TFont Result;
  Result.Assign(ADefaultFont);
  if (AUseSkinFont) {
    Result.SetName(AName);
    Result.SetStyle(AStyle);
    Result.SetHeight(AHeight);
  }
  Result.SetColor(AColor);
  Result.SetCharset(SkinTextCharset(ASkinData, ADefaultFont));
  return Result;
}

bool AnswerViewNonClient(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      AMessage.Result = 0;
      return true;
    case WM_NCHITTEST:
      AMessage.Result = HTCLIENT;
      return true;
    default:
      return false;
  }
}

bool SetViewBarVisible(TspSkinScrollBar& ABar, bool AVisible) {
  if (ABar.Visible() == AVisible) return false;
  ABar.SetVisible(AVisible);
  return true;
}

void MatchViewBarCorner(TspSkinScrollBar* AVScrollBar, TspSkinScrollBar* AHScrollBar) {
  if (!AVScrollBar || !AHScrollBar) return;
  if (AHScrollBar->Both() != AVScrollBar->Visible()) AHScrollBar->SetBoth(AVScrollBar->Visible());
}

void ReAlignViewBars(TspSkinScrollBar* AVScrollBar, TspSkinScrollBar* AHScrollBar) {
  for (TspSkinScrollBar* Bar : {AVScrollBar, AHScrollBar})
    if (Bar) Bar->RequestAlign();
}

void AttachViewBar(TspSkinScrollBar* ABar, TNotifyEvent AOnChange) {
  if (!ABar) return;
  ABar->SetEnabled(true);
  ABar->SetVisible(false);
  ABar->OnChange = std::move(AOnChange);
}

const TspDataSkinListBox* FindViewItemElement(const TspSkinData* ASkinData, const String& AName,
                                              TBitmap*& APicture) {
  APicture = nullptr;
  const int Index = FindSkinElement(ASkinData, AName);
  if (Index == -1) return nullptr;
  const auto* Element = ASkinData->Control<TspDataSkinListBox>(Index);
  if (!Element) return nullptr;
  APicture = ASkinData->Picture(Element->PictureIndex);
  return APicture ? Element : nullptr;
}

void ComposeViewSelection(TBitmap& ATarget, const TspDataSkinListBox& AElement, TBitmap& APicture,
                          bool AFocused, const TFont& AFont) {
  StretchSkinImage(ATarget, APicture, AFocused ? AElement.FocusItemRect : AElement.ActiveItemRect,
                   AElement.ItemTextRect, true);
  TCanvas& Face = ATarget.Canvas();
  Face.Font().Assign(AFont);
  Face.Font().SetColor(AFocused ? AElement.FocusFontColor : AElement.ActiveFontColor);
  Face.Brush().SetStyle(bsClear);
}
