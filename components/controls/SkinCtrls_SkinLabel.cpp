// The skinned label: a windowed label on the element "label" with border styles,
// alignment, ellipsis, shadow and reflection effects and an automatic width.

#include <typeinfo>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/spEffBmp.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"

TspSkinLabel::TspSkinLabel(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("label");
  SetBounds(Left(), Top(), 75, 21);
}

void TspSkinLabel::RepaintOnChange(bool AChanged) {
  if (AChanged) Repaint();
}

void TspSkinLabel::SetShadowEffect(bool AValue) {
  RepaintOnChange(std::exchange(FShadowEffect, AValue) != AValue);
}
void TspSkinLabel::SetShadowColor(TColor AValue) {
  RepaintOnChange(std::exchange(FShadowColor, AValue) != AValue);
}
void TspSkinLabel::SetShadowOffset(int AValue) {
  RepaintOnChange(std::exchange(FShadowOffset, AValue) != AValue);
}
void TspSkinLabel::SetShadowSize(int AValue) {
  RepaintOnChange(std::exchange(FShadowSize, AValue) != AValue);
}
void TspSkinLabel::SetReflectionEffect(bool AValue) {
  RepaintOnChange(std::exchange(FReflectionEffect, AValue) != AValue);
}
void TspSkinLabel::SetReflectionOffset(int AValue) {
  RepaintOnChange(std::exchange(FReflectionOffset, AValue) != AValue);
}
void TspSkinLabel::SetAlignment(TAlignment AValue) {
  RepaintOnChange(std::exchange(FAlignment, AValue) != AValue);
}

void TspSkinLabel::SetEllipsType(TspEllipsType2 AValue) {
  if (FEllipsType == AValue) return;
  FEllipsType = AValue;
  Invalidate();
}

void TspSkinLabel::SetBorderStyle(TspSkinBorderStyle AValue) {
  FBorderStyle = AValue;
  if (FIndex != -1) return;
  Repaint();
  Realign();
}

void TspSkinLabel::SetAutoSize(bool AValue) {
  FAutoSize = AValue;
  if (AValue) ApplyAutoWidth();
}

void TspSkinLabel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Element = SkinElement<TspDataSkinLabelControl>();
  if (!Element) return;
  FontName = Element->FontName;
  FontStyle = Element->FontStyle;
  FontHeight = Element->FontHeight;
  FontColor = Element->FontColor;
  // A label of fixed size cannot follow its text.
  if (ResizeMode == 0) FAutoSize = false;
}

void TspSkinLabel::PrepareFont(TCanvas& ACanvas, bool AWithColor) {
  TFont& Font = ACanvas.Font();
  if (FIndex == -1) {
    ApplyDefaultFont(Font);
  } else {
    ApplySkinFont(Font, FontName, FontHeight, FontStyle);
    if (AWithColor) Font.SetColor(FontColor);
  }
  if (AWithColor && !UseSkinFontColor) Font.SetColor(DefaultFont().Color());
}

void TspSkinLabel::DrawLabelText(TCanvas& ACanvas, TRect ARect) {
  PrepareFont(ACanvas, true);
  String Text = Caption();
  if (FEllipsType == spetEllips) FitTextToWidth(ACanvas, Text, ARect.Width());
  const TSize Extent = ACanvas.TextExtent(Text);
  int Y = ARect.Top + ARect.Height() / 2 - Extent.cy / 2;
  if (ACanvas.Font().Height() % 2 != 0) --Y;
  int X = ARect.Left;
  if (FAlignment == taRightJustify) X = ARect.Right - Extent.cx;
  if (FAlignment == taCenter) X = ARect.Left + ARect.Width() / 2 - Extent.cx / 2;
  ACanvas.Brush().SetStyle(bsClear);
  const unsigned AlignFlags[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const unsigned Flags = AlignFlags[FAlignment];
  if (FShadowEffect) {
    const TColor Shadow =
        FIndex != -1 && UseSkinFontColor ? DarkenColor(FSD->SkinColors().cBtnFace, 70) : FShadowColor;
    ARect.Top = Y;
    DrawShadowText(ACanvas, ARect, Text, FShadowSize, Shadow, FShadowOffset, Flags);
  } else if (FReflectionEffect) {
    DrawReflectionText(ACanvas, ARect, Text, ACanvas.Font().Color(), FReflectionOffset, Flags);
  } else {
    ACanvas.TextRect(ARect, X, Y, Text);
  }
}

void TspSkinLabel::CreateControlDefaultImage(TBitmap& B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  const TRect R = Rect(0, 0, Width(), Height());
  switch (FBorderStyle) {
    case bvFrame:
      DrawBevelFrame(B.Canvas(), R, clBtnShadow, clBtnShadow);
      break;
    case bvRaised:
      DrawBevelFrame(B.Canvas(), R, clBtnHighlight, clBtnShadow);
      break;
    case bvLowered:
      DrawBevelFrame(B.Canvas(), R, clBtnShadow, clBtnHighlight);
      break;
    case bvNone:
      break;
  }
  DrawLabelText(B.Canvas(), Rect(3, 3, Width() - 3, Height() - 3));
}

// The picture of the last paint is drawn as it stands when the look is the same: the
// text costs as much as the rest of the paint.
void TspSkinLabel::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  GetSkinData();
  if (FIndex != -1 && (UseSkinSize || ResizeMode == 1) && FKeptLook && CurrentSkinLook() == FKeptLook) {
    DrawControlImage(FKeptLookImage);
    return;
  }
  TspSkinCustomControl::Paint();
}

void TspSkinLabel::CreateControlSkinImage(TBitmap& B) {
  if (UseSkinSize || ResizeMode == 1) {
    // Only a picture made in the paint's own bitmap is kept for the next paint.
    std::optional<TSkinLook> Look = &B == FBlankImage ? CurrentSkinLook() : std::nullopt;
    FKeptLook.reset();
    TspSkinCustomControl::CreateControlSkinImage(B);
    DrawLabelText(B.Canvas(), NewClRect);
    if (!Look) return;
    CopyImage(B, FKeptLookImage);
    FKeptLook = std::move(Look);
    return;
  }
  if (Picture) StretchSkinImage(B, *Picture, SkinRect, ClRect, true);
  TRect R = NewClRect;
  R.Bottom += Height() - SkinRect.Height();
  DrawLabelText(B.Canvas(), R);
}

// The default font takes part without UseSkinFont, and the shadow and reflection
// effects draw through routines of their own: those looks are drawn at every paint.
std::optional<TspSkinLabel::TSkinLook> TspSkinLabel::CurrentSkinLook() const {
  if (typeid(*this) != typeid(TspSkinLabel) || !FUseSkinFont || FShadowEffect || FReflectionEffect)
    return std::nullopt;
  TSkinLook Look;
  Look.Element = ComposedImageInputs(Picture, SkinRect);
  Look.Caption = Caption();
  Look.FontName = FontName;
  Look.TextRect = NewClRect;
  Look.FontStyle = FontStyle;
  Look.FontHeight = FontHeight;
  Look.TextColor = UseSkinFontColor ? FontColor : FDefaultFont->Color();
  Look.Charset = SkinTextCharset(FSD, *FDefaultFont);
  Look.EllipsType = FEllipsType;
  Look.Alignment = FAlignment;
  return Look;
}

void TspSkinLabel::CalcSize(int& AWidth, int& AHeight) {
  if (UseSkinSize || ResizeMode == 1) {
    TspSkinCustomControl::CalcSize(AWidth, AHeight);
  } else if (FIndex != -1) {
    // The width is free: the right end and the text area move with it.
    const int Growth = AWidth - SkinRect.Width();
    NewLTPoint = LTPt;
    NewRTPoint = {RTPt.X + Growth, RTPt.Y};
    NewClRect = ClRect;
    NewClRect.Right += Growth;
  }
  if (!FAutoSize) return;
  const int Delta = CalcAutoSizeDelta();
  if (Delta > 0) AWidth += Delta;
}

void TspSkinLabel::SetControlRegion() {
  if (UseSkinSize) TspSkinCustomControl::SetControlRegion();
}

int TspSkinLabel::CalcAutoSizeDelta() {
  TBitmap Measure;
  Measure.SetSize(1, 1);
  PrepareFont(Measure.Canvas(), false);
  const int TextWidth = Measure.Canvas().TextWidth(Caption());
  if (FIndex == -1) return TextWidth - Width() + 4;
  if (ResizeMode == 0) return 0;
  return TextWidth - NewClRect.Width();
}

void TspSkinLabel::ApplyAutoWidth() {
  if (Align() == alTop || Align() == alBottom || Align() == alClient) return;
  const int Delta = CalcAutoSizeDelta();
  if (Delta != 0) SetWidth(Width() + Delta);
}

void TspSkinLabel::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: WMEraseBkgnd(AMessage); break;
    case CM_TEXTCHANGED: CMTextChanged(AMessage); break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// An erase from outside the label's paint cycle (a parent drawing its children into a
// bitmap) is answered with the label's picture.
void TspSkinLabel::WMEraseBkgnd(TMessage& AMessage) {
  AMessage.Result = 1;
  if (EraseIsLeftToPaint(*this, FromWMPaint)) return;
  TCanvasHandleScope Scope(Canvas(), reinterpret_cast<HDC>(AMessage.WParam));
  Paint();
}

void TspSkinLabel::CMTextChanged(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (FAutoSize) ApplyAutoWidth();
  Repaint();
}
