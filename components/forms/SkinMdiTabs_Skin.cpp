// The MDI tabs bar drawn from the skin element "tab": the bar's height from the tab
// picture, the background behind the tabs, each tab's picture by state fitted to its
// width with fixed ends (or resized to the tab without UseSkinSize, or the skin's
// "resizebutton" in button kind), the element's font and colours, and the close
// button's pictures.

#include <algorithm>

#include "components/controls/SkinButtonElement.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinMdiTabs.h"

const TspDataSkinTabControl* TspSkinMDITabsBar::TabElement() const {
  const int Index = FindSkinElement(FSD, SkinDataName());
  return Index == -1 ? nullptr : FSD->Control<TspDataSkinTabControl>(Index);
}

int TspSkinMDITabsBar::BottomOffset() const {
  const TspDataSkinTabControl* Element = FTabKind == sptkTab ? TabElement() : nullptr;
  return Element ? std::max(Element->ClRect.Top, 0) : 0;
}

// The list buttons stand on the tabs, not on the strip under them.
void TspSkinMDITabsBar::AdjustClientRect(TRect& ARect) {
  TspSkinControl::AdjustClientRect(ARect);
  ARect.Bottom -= BottomOffset();
}

int TspSkinMDITabsBar::GetCloseSize() const {
  const TspDataSkinTabControl* Element = TabElement();
  return Element && !IsRectEmpty(Element->CloseButtonRect) ? Element->CloseButtonRect.Width() : 14;
}

void TspSkinMDITabsBar::SetDefaultHeight(int AValue) {
  FDefaultHeight = AValue;
  if (!TabElement() && AValue > 0) SetHeight(AValue);
}

void TspSkinMDITabsBar::ChangeSkinData() {
  TspSkinControl::ChangeSkinData();
  FCloseSize = GetCloseSize();
  const TspDataSkinTabControl* Element = TabElement();
  if (Element && UseSkinSize)
    SetHeight(Element->TabRect.Height() + BottomOffset());
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
  if (FListButton) FListButton->SetSkinData(SkinData());
  if (FHideListButton) FHideListButton->SetSkinData(SkinData());
  Invalidate();
}

// A bar that shows its parent through has a new background to show.
void TspSkinMDITabsBar::CheckParentBackground() {
  if (ShowsParentBackground())
    Invalidate();
  else
    TspSkinControl::CheckParentBackground();
}

bool TspSkinMDITabsBar::ShowsParentBackground() const {
  return FSD && FSD->MDITabsTransparent && TabElement();
}

void TspSkinMDITabsBar::CreateControlSkinImage(TBitmap& B) {
  const TspDataSkinTabControl* Element = TabElement();
  TBitmap* Picture = Element ? FSD->Picture(Element->PictureIndex) : nullptr;
  if (!Picture) return CreateControlDefaultImage(B);
  TCanvas& C = B.Canvas();
  const TRect& Piece = Element->TabsBGRect;
  const int Strip = BottomOffset();
  if (FSD->MDITabsTransparent || IsRectEmpty(Piece)) {
    PaintParentBackground(this, C);
  } else {
    // The background piece in columns of its own width over the tabs' height.
    for (int X = 0; X < B.Width(); X += Piece.Width())
      C.CopyRect(TRect{X, 0, X + Piece.Width(), B.Height() - Strip}, Picture->Canvas(), Piece);
  }
  const TRect& Frame = Element->SkinRect;
  if (Strip > 0 && !IsRectEmpty(Frame)) {
    // The top band of the element's frame, its corners kept, joins the tabs to what
    // lies below the bar.
    TBitmap Band;
    CreateHSkinImage(Element->LTPoint.X, Frame.Width() - Element->RTPoint.X, Band, *Picture,
                     TRect{Frame.Left, Frame.Top, Frame.Right, Frame.Top + Strip}, B.Width(), Strip, false);
    C.Draw(0, B.Height() - Strip, Band);
  }
  DrawTabs(C);
}

bool TspMDITab::SkinDraw(TCanvas& ACanvas) {
  const TspDataSkinTabControl* Element = TabsBar.TabElement();
  TBitmap* Picture = Element ? TabsBar.SkinData()->Picture(Element->PictureIndex) : nullptr;
  if (!Picture || IsRectEmpty(Element->TabRect)) return false;
  if (TabsBar.FTabKind == sptkButton) {
    ButtonDraw(ACanvas, *Element);
    return true;
  }
  const int W = ObjectRect.Width();
  const bool Hot = MouseIn && !Active && !IsRectEmpty(Element->MouseInTabRect);
  const TRect Source = Active && !IsRectEmpty(Element->ActiveTabRect) ? Element->ActiveTabRect
                       : Hot                                          ? Element->MouseInTabRect
                                                                      : Element->TabRect;
  TBitmap B;
  TRect Text{Element->TabLeftOffset, 1, W - Element->TabRightOffset, Source.Height()};
  if (TabsBar.UseSkinSize) {
    CreateHSkinImage(Element->TabLeftOffset, Element->TabRightOffset, B, *Picture, Source, W, Source.Height(),
                     Element->TabStretchEffect);
  } else {
    // The picture resized to the tab around its fixed ends and a quarter of its height.
    const int Quarter = Element->TabRect.Height() / 4;
    B.SetSize(W, ObjectRect.Height());
    StretchSkinImage(B, *Picture, Source,
                     TRect{Element->TabLeftOffset, Quarter, Source.Width() - Element->TabRightOffset,
                           Source.Height() - Quarter},
                     true);
    Text = TRect{2, 1, W - 2, B.Height()};
  }
  TCanvas& C = B.Canvas();
  ApplyFont(C.Font(), *Element);
  // The active tab takes the element's focus colour.
  C.Font().SetColor(Active ? Element->FocusFontColor : Hot ? Element->MouseInFontColor : Element->FontColor);
  if (TabsBar.FShowCloseButtons) {
    Text = TRect{2, 1, W - TabsBar.FCloseSize - 5, B.Height()};
    DrawSkinCloseButton(C, *Element, *Picture, TRect{Text.Right, 0, W, B.Height()});
  }
  DrawCaption(C, Text);
  ACanvas.Draw(ObjectRect.Left, ObjectRect.Top, B);
  return true;
}

void TspMDITab::ApplyFont(TFont& AFont, const TspDataSkinTabControl& AElement) const {
  if (!TabsBar.UseSkinFont) return AFont.Assign(TabsBar.FDefaultFont);
  AFont.SetName(AElement.FontName);
  AFont.SetHeight(AElement.FontHeight);
  AFont.SetStyle(AElement.FontStyle);
}

// The skin's "resizebutton" composed to the tab: pressed while active, hot under the
// mouse; nothing without that element.
void TspMDITab::ButtonDraw(TCanvas& ACanvas, const TspDataSkinTabControl& AElement) {
  const int W = ObjectRect.Width();
  const int H = ObjectRect.Height();
  TBitmap* Picture = nullptr;
  const TspDataSkinButtonControl* Button = FindButtonElement(TabsBar.SkinData(), "resizebutton", Picture);
  if (!Button || W <= 0 || H <= 0) return;
  TBitmap B;
  B.SetSize(W, H);
  ComposeButtonElement(B, *Button, *Picture, ButtonElementStateRect(*Button, Active, MouseIn));
  TCanvas& C = B.Canvas();
  ApplyFont(C.Font(), AElement);
  C.Font().SetColor(ButtonElementFontColor(*Button, Active, MouseIn));
  const int DX = W - Button->SkinRect.Width();
  const int DY = H - Button->SkinRect.Height();
  TRect Text{Button->ClRect.Left, Button->ClRect.Top, Button->ClRect.Right + DX, Button->ClRect.Bottom + DY};
  if (TabsBar.FShowCloseButtons) {
    Text.Right -= TabsBar.FCloseSize + 3;
    DrawSkinCloseButton(C, AElement, *TabsBar.SkinData()->Picture(AElement.PictureIndex),
                        TRect{Text.Right, 0, W, H});
  }
  // A client area lower than the caption is made as high, centred on the tab.
  const int TextHeight = C.TextHeight(Child->Caption());
  if (Text.Height() < TextHeight) {
    Text.Top = H / 2 - TextHeight / 2;
    Text.Bottom = Text.Top + TextHeight;
  }
  DrawCaption(C, Text);
  ACanvas.Draw(ObjectRect.Left, ObjectRect.Top, B);
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
