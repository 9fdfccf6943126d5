#include <algorithm>

#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/controls/SkinTabs.h"
#include "platform/gdi/DcScopes.h"

void TspSkinPageControl::PaintWindow(HDC ADC) {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  TSavedDC Saved(ADC);
  TCanvas Surface;
  TCanvasHandleScope Scope(Surface, ADC);
  if (HasSkinElement())
    PaintSkinBorder(Surface);
  else
    PaintDefaultBorder(Surface);
  PaintTabs(Surface);
}

TRect TspSkinPageControl::BorderRect() {
  const TRect D = DisplayRect();
  // A skin whose borders reach beyond the control still draws them within it.
  const int W = Width(), H = Height();
  return Rect(std::clamp(D.Left - ClRect.Left, 0, W), std::clamp(D.Top - ClRect.Top, 0, H),
              std::clamp(D.Right + RectangleWidth(SkinRect) - ClRect.Right, 0, W),
              std::clamp(D.Bottom + RectangleHeight(SkinRect) - ClRect.Bottom, 0, H));
}

void TspSkinPageControl::PaintDefaultBorder(TCanvas& ACanvas) {
  ACanvas.Brush().SetColor(clBtnFace);
  ACanvas.FillRect(ClientRect());
  if (FHideBorder) return;
  TRect Frame = DisplayRect();
  InflateRect(Frame, 1, 1);
  ACanvas.Brush().SetColor(clBtnShadow);
  ACanvas.FrameRect(Frame);
}

TRect TspSkinPageControl::GetActiveTabRect() {
  const int Selected = TabIndex();
  if (Selected < 0 || Selected >= PageCount() || !HasVisibleTabs() || !ActivePage()) return {};
  TRect Result = GetItemRect(Selected);
  const int D = RectangleHeight(ActiveTabRect) - RectangleHeight(TabRect);
  switch (TabPosition()) {
    case tpTop:
      Result.Bottom += D;
      break;
    case tpBottom:
      Result.Top -= D;
      break;
    case tpLeft:
      Result.Right += D;
      break;
    case tpRight:
      Result.Left -= D;
      break;
  }
  return Result;
}

void TspSkinPageControl::PaintSkinBorder(TCanvas& ACanvas) {
  if (FHideBorder || !Picture) return;
  const TRect B = BorderRect();
  const int DW = RectangleWidth(B) - RectangleWidth(SkinRect);
  const int DH = RectangleHeight(B) - RectangleHeight(SkinRect);
  TBitmap LeftStrip, TopStrip, RightStrip, BottomStrip;
  CreateSkinBorderImages(LTPoint, RTPoint, LBPoint, RBPoint, ClRect, LTPoint, {RTPoint.X + DW, RTPoint.Y},
                         {LBPoint.X, LBPoint.Y + DH}, {RBPoint.X + DW, RBPoint.Y + DH},
                         Rect(ClRect.Left, ClRect.Top, ClRect.Right + DW, ClRect.Bottom + DH), LeftStrip,
                         TopStrip, RightStrip, BottomStrip, *Picture, SkinRect, RectangleWidth(B),
                         RectangleHeight(B), LeftStretch, TopStretch, RightStretch, BottomStretch);
  TSavedDC Saved(ACanvas.Handle());
  // The selected tab joins the page over the border there; it is drawn last.
  const TRect Active = GetActiveTabRect();
  if (!RectangleIsEmpty(Active) && !FHideTabs && Style() == tsTabs)
    ExcludeClipRect(ACanvas.Handle(), Active.Left, Active.Top, Active.Right, Active.Bottom);
  ACanvas.Draw(B.Left, B.Top, TopStrip);
  ACanvas.Draw(B.Left, B.Top + TopStrip.Height(), LeftStrip);
  ACanvas.Draw(B.Right - RightStrip.Width(), B.Top + TopStrip.Height(), RightStrip);
  ACanvas.Draw(B.Left, B.Bottom - BottomStrip.Height(), BottomStrip);
}

bool TspSkinPageControl::FillSkinBackground(TCanvas& ACanvas, int AWidth, int AHeight) {
  if (!FSD || FSD->Empty || !HasSkinElement()) return false;
  TBitmap Piece;
  if (BGPictureIndex != -1) {
    // Tolerated: a skin may name a picture it lacks; the client picture stands in.
    TBitmap* Background = FSD->Picture(BGPictureIndex);
    if (Background) Piece.Assign(*Background);
  }
  if (Piece.Empty()) {
    if (!Picture) return false;
    CutSkinPiece(Piece, *Picture,
                 Rect(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top, SkinRect.Left + ClRect.Right,
                      SkinRect.Top + ClRect.Bottom));
  }
  if (Piece.Empty()) return false;
  FillWithSkinPiece(ACanvas, Rect(0, 0, AWidth, AHeight), Piece, StretchEffect, StretchType);
  return true;
}

void TspSkinPageControl::PaintPageArea(HDC ADC) {
  if (Width() < 1 || Height() < 1) return;
  TCanvas Surface;
  TCanvasHandleScope Scope(Surface, ADC);
  FillSkinBackground(Surface, Width(), Height());
}

void TspSkinPageControl::WMEraseBkgnd(TMessage& AMessage) {
  // The pages cover the area while a tab is shown.
  if (PageCount() > 0 && HasVisibleTabs()) {
    AMessage.Result = 1;
    return;
  }
  GetSkinData();
  if (!HasSkinElement()) {
    TPageControl::Dispatch(AMessage);
    return;
  }
  PaintPageArea(reinterpret_cast<HDC>(AMessage.WParam));
  AMessage.Result = 1;
}

void TspSkinPageControl::PaintTabs(TCanvas& ACanvas) {
  if (FHideTabs || PageCount() == 0) return;
  const int Selected = TabIndex();
  if (!HasSkinElement()) {
    int Visible = 0;
    for (int I = 0; I < PageCount(); ++I) {
      if (!Pages(I)->TabVisible()) continue;
      DrawSkinTab(I, GetItemRect(Visible), Visible == Selected, Visible == FActiveTabIndex, ACanvas);
      ++Visible;
    }
    return;
  }
  const TRect B = BorderRect();
  const int W = Width(), H = Height();
  TRect StripArea;
  switch (TabPosition()) {
    case tpTop:
      StripArea = Rect(0, 0, W, B.Top);
      break;
    case tpBottom:
      StripArea = Rect(0, B.Bottom, W, H);
      break;
    case tpLeft:
      StripArea = Rect(0, 0, B.Left, B.Bottom);
      break;
    case tpRight:
      StripArea = Rect(B.Right, 0, W, H);
      break;
  }
  const int StripWidth = TabPosition() == tpLeft ? B.Left : TabPosition() == tpRight ? W - B.Right : W;
  const int StripHeight = TabPosition() == tpTop ? B.Top : TabPosition() == tpBottom ? H - B.Bottom : H;
  if (StripWidth <= 0 || StripHeight <= 0) return;
  TBitmap Strip;
  Strip.SetSize(StripWidth, StripHeight);
  if (FTabsBGTransparent) {
    PaintPageControlBackground(this, StripArea, Strip.Canvas());
  } else if (Picture) {
    TRect Source = TabsBGRect;
    if (RectangleIsEmpty(Source)) {
      Source = ClRect;
      OffsetRect(Source, SkinRect.Left, SkinRect.Top);
    }
    TBitmap Piece;
    CutSkinPiece(Piece, *Picture, Source);
    FillWithSkinPiece(Strip.Canvas(), Rect(0, 0, StripWidth, StripHeight), Piece, false, spstFull);
  }
  const TPoint Move = TabPosition() == tpBottom  ? TPoint{0, -B.Bottom}
                      : TabPosition() == tpRight ? TPoint{-B.Right, 0}
                                                 : TPoint{0, 0};
  int Visible = 0;
  for (int I = 0; I < PageCount(); ++I) {
    if (!Pages(I)->TabVisible()) continue;
    if (Visible != Selected) {
      TRect Tab = GetItemRect(Visible);
      OffsetRect(Tab, Move.X, Move.Y);
      DrawSkinTab(I, Tab, false, Visible == FActiveTabIndex, Strip.Canvas());
    }
    ++Visible;
  }
  {
    TSavedDC Saved(ACanvas.Handle());
    const TRect Active = GetActiveTabRect();
    if (!RectangleIsEmpty(Active))
      ExcludeClipRect(ACanvas.Handle(), Active.Left, Active.Top, Active.Right, Active.Bottom);
    ACanvas.Draw(TabPosition() == tpRight ? W - StripWidth : 0,
                 TabPosition() == tpBottom ? H - StripHeight : 0, Strip);
  }
  if (Selected < 0 || Selected >= PageCount()) return;
  // The selected tab last, over the junction of strip and border.
  TRect Tab = GetItemRect(Selected);
  const int M = Style() == tsTabs ? RectangleHeight(ActiveTabRect) - RectangleHeight(TabRect) : 0;
  if (TabPosition() == tpBottom) OffsetRect(Tab, 0, -M);
  if (TabPosition() == tpRight) OffsetRect(Tab, -M, 0);
  DrawSkinTab(PageIndexOfTab(Selected), Tab, true, Selected == FActiveTabIndex, ACanvas);
}
