#include <algorithm>

#include "components/controls/SkinButtonElement.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/controls/SkinTabs.h"
#include "platform/gdi/Text.h"

namespace {

constexpr TColor TabNavyFrame = RGB(0, 0, 128);
constexpr TColor TabHotFill = RGB(182, 189, 210);
constexpr TColor TabFocusedFill = RGB(133, 147, 181);

}  // namespace

void TspSkinPageControl::DrawSkinTab(int APageIndex, const TRect& ARect, bool AActive, bool AMouseIn,
                                     TCanvas& ACanvas) {
  const bool Side = IsSideTabs();
  // Every tab is drawn as a top tab first, then mirrored or turned. A skin's tab larger
  // than the control is drawn as far as the control reaches.
  const int W = std::min(Side ? RectangleHeight(ARect) : RectangleWidth(ARect), Side ? Height() : Width());
  const int H = std::min(Side ? RectangleWidth(ARect) : RectangleHeight(ARect), Side ? Width() : Height());
  if (FHideTabs || APageIndex < 0 || APageIndex >= PageCount() || W <= 0 || H <= 0) return;
  TBitmap Tab;
  Tab.SetSize(W, H);
  TColor ButtonFontColor = clNone;
  DrawTabBackground(Tab, ARect, AActive, AMouseIn, ButtonFontColor);
  if (HasSkinElement() && TabPosition() == tpBottom) BitmapFlipVert(Tab);
  TCanvas& Face = Tab.Canvas();
  SetTabFont(Face, AActive, AMouseIn, ButtonFontColor != clNone, ButtonFontColor);
  const bool Turned = Side && FTextInHorizontal;
  if (Turned) {
    if (TabPosition() == tpLeft)
      BitmapRotate90_1(Tab);
    else
      BitmapRotate90_2(Tab);
  }
  TRect Caption = Rect(0, 0, Tab.Width(), Tab.Height());
  if (HasSkinElement() && ShowFocus && Focused() && AActive) {
    TRect Focus = Caption;
    InflateRect(Focus, -FocusOffsetX, -FocusOffsetY);
    Face.Brush().SetColor(FSD->SkinColors().cBtnFace);
    DrawDottedFocusRect(Face, Focus);
    Face.Brush().SetStyle(bsClear);
  }
  int DY = 0;
  if (HasSkinElement() && RectangleHeight(TabRect) != RectangleHeight(ActiveTabRect) && !AActive) {
    const bool Near = TabPosition() == tpTop || TabPosition() == tpLeft;
    const bool HasImage =
        FImages && Pages(APageIndex)->ImageIndex() >= 0 && Pages(APageIndex)->ImageIndex() < FImages->Count();
    Caption.Top += Near ? 2 : -2;
    if (HasImage) DY = Near ? 2 : -2;
  }
  DrawTabContent(Face, APageIndex, Caption, Tab.Width(), Tab.Height(), AActive, AMouseIn, DY);
  if (FShowCloseButtons) {
    TspSkinCustomTabSheet* Page = SkinPage(APageIndex);
    if (Page && !AMouseIn) Page->ButtonMouseIn = false;
    DrawCloseButton(Face, Rect(Caption.Right, Caption.Top + DY, Tab.Width(), Caption.Bottom), APageIndex,
                    Tab.Width(), Tab.Height());
  }
  if (Side && !Turned) {
    if (TabPosition() == tpLeft)
      DrawBitmapRotate90_1(ACanvas, Tab, ARect.Left, ARect.Top);
    else
      DrawBitmapRotate90_2(ACanvas, Tab, ARect.Left, ARect.Top);
  } else {
    ACanvas.Draw(ARect.Left, ARect.Top, Tab);
  }
}

void TspSkinPageControl::DrawTabBackground(TBitmap& ATab, const TRect& ARect, bool AActive, bool AMouseIn,
                                           TColor& AButtonFontColor) {
  const bool HasFocus = Focused();
  TCanvas& Face = ATab.Canvas();
  const TRect All = Rect(0, 0, ATab.Width(), ATab.Height());
  if (!HasSkinElement() || !Picture) {
    if (AMouseIn && !AActive)
      DrawFramedPart(Face, All, TabHotFill, TabHotFill);
    else if (AActive)
      DrawFramedPart(Face, All, TabNavyFrame, HasFocus ? TabFocusedFill : TabHotFill);
    else
      DrawFramedPart(Face, All, clBtnFace, clBtnFace);
    return;
  }
  if (Style() != tsTabs) {
    if (!DrawButtonTab(ATab, AActive, AMouseIn, AButtonFontColor)) AButtonFontColor = clNone;
    return;
  }
  TRect State = TabRect;
  if (AMouseIn && !AActive && !RectangleIsEmpty(MouseInTabRect))
    State = MouseInTabRect;
  else if (AActive && HasFocus)
    State = FocusTabRect;
  else if (AActive)
    State = ActiveTabRect;
  if (TabHeight() <= 0) {
    // A taller active or hot picture makes a taller tab.
    CreateHSkinImage(TabLeftOffset, TabRightOffset, ATab, *Picture, State, ATab.Width(), ATab.Height(),
                     TabStretchEffect);
  } else {
    const int Quarter = RectangleHeight(TabRect) / 4;
    if (AActive && RectangleHeight(TabRect) < RectangleHeight(ActiveTabRect))
      ATab.SetHeight(ATab.Height() + RectangleHeight(ActiveTabRect) - RectangleHeight(TabRect));
    else if (AActive && HasFocus && RectangleHeight(TabRect) < RectangleHeight(FocusTabRect))
      ATab.SetHeight(ATab.Height() + RectangleHeight(FocusTabRect) - RectangleHeight(TabRect));
    StretchSkinImage(ATab, *Picture, State,
                     Rect(TabLeftOffset, Quarter, RectangleWidth(State) - TabRightOffset,
                          RectangleHeight(State) - Quarter),
                     true);
  }
  const bool FirstOfRow = AActive && ARect.Left == 0 && !RectangleIsEmpty(TabLeftBottomActiveRect) &&
                          !MultiLine() && (TabPosition() == tpTop || TabPosition() == tpBottom);
  if (FirstOfRow) {
    const TRect Corner = HasFocus ? TabLeftBottomFocusRect : TabLeftBottomActiveRect;
    Face.CopyRect(Rect(0, ATab.Height() - RectangleHeight(Corner), RectangleWidth(Corner), ATab.Height()),
                  Picture->Canvas(), Corner);
  }
}

void TspSkinPageControl::SetTabFont(TCanvas& ACanvas, bool AActive, bool AMouseIn, bool AButtonColor,
                                    TColor AButtonFontColor) {
  ACanvas.Brush().SetStyle(bsClear);
  const bool HasStrings = FSD && FSD->ResourceStrData();
  ACanvas.Font().Assign(Font());
  if (!HasSkinElement()) {
    if (HasStrings) ACanvas.Font().SetCharset(FSD->ResourceStrData()->CharSet());
    return;
  }
  if (UseSkinFont) {
    ACanvas.Font().SetName(FontName);
    ACanvas.Font().SetStyle(FontStyle);
    ACanvas.Font().SetHeight(FontHeight);
  }
  ACanvas.Font().SetCharset(HasStrings ? FSD->ResourceStrData()->CharSet() : Font().Charset());
  if (AButtonColor)
    ACanvas.Font().SetColor(AButtonFontColor);
  else if (AMouseIn && !AActive)
    ACanvas.Font().SetColor(MouseInFontColor);
  else if (AActive && Focused())
    ACanvas.Font().SetColor(FocusFontColor);
  else
    ACanvas.Font().SetColor(AActive ? ActiveFontColor : FontColor);
}

void TspSkinPageControl::DrawTabContent(TCanvas& ACanvas, int APageIndex, TRect& ACaption, int AWidth,
                                        int AHeight, bool AActive, bool AMouseIn, int ADY) {
  TTabSheet* Page = Pages(APageIndex);
  const int CloseRoom = FShowCloseButtons ? FCloseSize + 2 : 0;
  const auto TakeCloseRoom = [&] {
    if (CloseRoom != 0) ACaption.Right -= CloseRoom + (HasSkinElement() ? 3 : 0);
  };
  const bool HasImage = FImages && Page->ImageIndex() >= 0 && Page->ImageIndex() < FImages->Count();
  if (OnDrawSkinTab) {
    OnDrawSkinTab(APageIndex, Rect(0, 0, AWidth, AHeight), AActive, AMouseIn, ACanvas);
    TakeCloseRoom();
  } else if (FTabExtendedDraw) {
    DrawImageAndText(ACanvas, Rect(ACaption.Left, ACaption.Top, ACaption.Right - CloseRoom, ACaption.Bottom),
                     FTabMargin, FTabSpacing, FTabLayout, Page->Caption(), Page->ImageIndex(), FImages, false,
                     Page->Enabled(), false, clNone);
    TakeCloseRoom();
  } else if (HasImage) {
    DrawTabImageAndText(ACanvas, AWidth - CloseRoom, AHeight, Page->Caption(), *FImages, Page->ImageIndex(),
                        Page->Enabled(), ADY);
    TakeCloseRoom();
  } else {
    TakeCloseRoom();
    TRect Text = ACaption;
    DrawText(ACanvas.Handle(), Page->Caption(), Text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  }
}

bool TspSkinPageControl::DrawButtonTab(TBitmap& ABitmap, bool AActive, bool AMouseIn, TColor& AFontColor) {
  TBitmap* ElementPicture = nullptr;
  const auto* Element = FindButtonElement(FSD, ButtonTabSkinDataName, ElementPicture);
  if (!Element) return false;
  ComposeButtonElement(ABitmap, *Element, *ElementPicture,
                       ButtonElementStateRect(*Element, AActive, AMouseIn));
  AFontColor = ButtonElementFontColor(*Element, AActive, AMouseIn);
  return true;
}

void TspSkinPageControl::DrawCloseButton(TCanvas& ACanvas, const TRect& AArea, int APageIndex, int ABW,
                                         int ABH) {
  TspSkinCustomTabSheet* Page = SkinPage(APageIndex);
  if (!Page) return;
  const bool In = Page->ButtonMouseIn, Down = Page->ButtonMouseDown;
  const int MidY = AArea.Top + RectangleHeight(AArea) / 2;
  TRect K;
  if (!HasSkinElement() || !Picture) {
    K = Rect(AArea.Left, MidY - 7, AArea.Left + 14, MidY + 7);
    DrawCloseGlyph(ACanvas, K.Left + 2, K.Top + 2, In ? clWhite : clBlack);
  } else if (!RectangleIsEmpty(CloseButtonRect)) {
    const TRect Source = In && Down ? CloseButtonDownRect : In ? ClosebuttonActiveRect : CloseButtonRect;
    const int Top = MidY - RectangleHeight(Source) / 2;
    K = Rect(AArea.Left, Top, AArea.Left + RectangleWidth(Source), Top + RectangleHeight(Source));
    if (ButtonTransparent)
      DrawSkinPiece(ACanvas, K.Left, K.Top, Picture, Source, true, ButtonTransparentColor);
    else
      ACanvas.CopyRect(K, Picture->Canvas(), Source);
  } else {
    TBitmap* ElementPicture = nullptr;
    const auto* Element = FindButtonElement(FSD, "resizetoolbutton", ElementPicture);
    if (!Element) return;
    TBitmap Button;
    Button.SetSize(FCloseSize, FCloseSize);
    ComposeButtonElement(Button, *Element, *ElementPicture, ButtonElementStateRect(*Element, In && Down, In));
    DrawCloseGlyph(Button.Canvas(), FCloseSize / 2 - 5, FCloseSize / 2 - 5,
                   ButtonElementFontColor(*Element, In && Down, In));
    const int Top = MidY - FCloseSize / 2;
    ACanvas.Draw(AArea.Left, Top, Button);
    K = Rect(AArea.Left, Top, AArea.Left + FCloseSize, Top + FCloseSize);
  }
  // Side tabs drawn as top tabs are turned afterwards: so is their button.
  if (TabPosition() == tpLeft && !FTextInHorizontal)
    Page->ButtonRect = Rect(K.Top, ABW - K.Right, K.Bottom, ABW - K.Left);
  else if (TabPosition() == tpRight && !FTextInHorizontal)
    Page->ButtonRect = Rect(ABH - K.Bottom, K.Left, ABH - K.Top, K.Right);
  else
    Page->ButtonRect = K;
}
