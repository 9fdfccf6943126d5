// The MDI tabs bar drawn from the skin element "tab": the bar's height from the tab
// picture, the background behind the tabs, each tab's picture by state fitted to its
// width with fixed ends, the element's font and colours, and the close button's
// pictures.

#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinMdiTabs.h"

const TspDataSkinTabControl* TspSkinMDITabsBar::TabElement() const {
  const int Index = FindSkinElement(FSD, SkinDataName());
  return Index == -1 ? nullptr : dynamic_cast<const TspDataSkinTabControl*>(FSD->CtrlList[Index].get());
}

int TspSkinMDITabsBar::GetCloseSize() const {
  const TspDataSkinTabControl* Element = TabElement();
  return Element && !IsRectEmpty(Element->CloseButtonRect) ? Element->CloseButtonRect.Width() : 14;
}

void TspSkinMDITabsBar::ChangeSkinData() {
  TspSkinControl::ChangeSkinData();
  FCloseSize = GetCloseSize();
  const TspDataSkinTabControl* Element = TabElement();
  if (Element && UseSkinSize)
    SetHeight(Element->TabRect.Height());
  else if (DefaultHeight > 0)
    SetHeight(DefaultHeight);
  if (FListButton) FListButton->SetSkinData(SkinData());
  if (FHideListButton) FHideListButton->SetSkinData(SkinData());
  Invalidate();
}

void TspSkinMDITabsBar::CreateControlSkinImage(TBitmap& B) {
  const TspDataSkinTabControl* Element = TabElement();
  TBitmap* Picture = Element ? SkinPicture(FSD, Element->PictureIndex) : nullptr;
  if (!Picture) return CreateControlDefaultImage(B);
  TCanvas& C = B.Canvas();
  const TRect& Piece = Element->TabsBGRect;
  if (FSD->MDITabsTransparent || IsRectEmpty(Piece)) {
    PaintParentBackground(this, C);
  } else {
    // The background piece in columns of its own width over the bar's height.
    for (int X = 0; X < B.Width(); X += Piece.Width())
      C.CopyRect(TRect{X, 0, X + Piece.Width(), B.Height()}, Picture->Canvas(), Piece);
  }
  DrawTabs(C);
}

bool TspMDITab::SkinDraw(TCanvas& ACanvas) {
  const TspDataSkinTabControl* Element = TabsBar.TabElement();
  TBitmap* Picture = Element ? SkinPicture(TabsBar.SkinData(), Element->PictureIndex) : nullptr;
  if (!Picture || IsRectEmpty(Element->TabRect)) return false;
  const int W = ObjectRect.Width();
  const bool Hot = MouseIn && !Active && !IsRectEmpty(Element->MouseInTabRect);
  const TRect Source = Active && !IsRectEmpty(Element->ActiveTabRect) ? Element->ActiveTabRect
                       : Hot                                          ? Element->MouseInTabRect
                                                                      : Element->TabRect;
  TBitmap B;
  CreateHSkinImage(Element->TabLeftOffset, Element->TabRightOffset, B, *Picture, Source, W, Source.Height(),
                   Element->TabStretchEffect);
  TCanvas& C = B.Canvas();
  if (TabsBar.UseSkinFont) {
    C.Font().SetName(Element->FontName);
    C.Font().SetHeight(Element->FontHeight);
    C.Font().SetStyle(Element->FontStyle);
  } else {
    C.Font().Assign(TabsBar.FDefaultFont);
  }
  // The active tab takes the element's focus colour.
  C.Font().SetColor(Active ? Element->FocusFontColor : Hot ? Element->MouseInFontColor : Element->FontColor);
  TRect Text{Element->TabLeftOffset, 1, W - Element->TabRightOffset, B.Height()};
  if (TabsBar.FShowCloseButtons) {
    Text = TRect{2, 1, W - TabsBar.FCloseSize - 5, B.Height()};
    DrawSkinCloseButton(C, *Element, *Picture, TRect{Text.Right, 0, W, B.Height()});
  }
  DrawCaption(C, Text);
  ACanvas.Draw(ObjectRect.Left, ObjectRect.Top, B);
  return true;
}

void TspMDITab::DrawSkinCloseButton(TCanvas& ACanvas, const TspDataSkinTabControl& AElement,
                                    TBitmap& APicture, const TRect& AR) {
  if (IsRectEmpty(AElement.CloseButtonRect)) return DrawCloseButton(ACanvas, AR);
  const TRect& Hot =
      IsRectEmpty(AElement.CloseButtonActiveRect) ? AElement.CloseButtonRect : AElement.CloseButtonActiveRect;
  const TRect& Down = IsRectEmpty(AElement.CloseButtonDownRect) ? Hot : AElement.CloseButtonDownRect;
  const TRect& Source = ButtonMouseDown && ButtonMouseIn ? Down
                        : ButtonMouseIn                  ? Hot
                                                         : AElement.CloseButtonRect;
  const int Top = AR.Top + AR.Height() / 2 - Source.Height() / 2;
  ButtonRect = TRect{AR.Left, Top, AR.Left + Source.Width(), Top + Source.Height()};
  if (!AElement.ButtonTransparent) return ACanvas.CopyRect(ButtonRect, APicture.Canvas(), Source);
  TBitmap Piece;
  Piece.SetSize(Source.Width(), Source.Height());
  Piece.Canvas().CopyRect(TRect{0, 0, Source.Width(), Source.Height()}, APicture.Canvas(), Source);
  Piece.SetTransparent(true);
  Piece.SetTransparentColor(AElement.ButtonTransparentColor);
  ACanvas.Draw(ButtonRect.Left, ButtonRect.Top, Piece);
}
