// The panel: its properties, client area, checked and roll-up modes, and the notices
// it passes to its children.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "platform/base/ScopeExit.h"

void TspSetAsideSizeLimits::SetAside(TSizeConstraints& ALimits) {
  MaxWidth = ALimits.MaxWidth();
  MinWidth = ALimits.MinWidth();
  MaxHeight = ALimits.MaxHeight();
  MinHeight = ALimits.MinHeight();
  ALimits.SetMinWidth(0);
  ALimits.SetMinHeight(0);
  ALimits.SetMaxWidth(0);
  ALimits.SetMaxHeight(0);
}

// The kept values form a valid pair per side, so the order of the calls does not
// change the outcome.
void TspSetAsideSizeLimits::GiveBack(TSizeConstraints& ALimits) const {
  ALimits.SetMaxWidth(MaxWidth);
  ALimits.SetMinWidth(MinWidth);
  ALimits.SetMaxHeight(MaxHeight);
  ALimits.SetMinHeight(MinHeight);
}

TspSkinPanel::TspSkinPanel(TComponent* AOwner)
    : TspSkinCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                  csOpaque,          csDoubleClicks, csReplicatable};
  SetBounds(Left(), Top(), 150, 150);
  SetSkinDataName("panel");
  FForceBackground = true;
}

void TspSkinPanel::CreateParams(TCreateParams& AParams) {
  TspSkinCustomControl::CreateParams(AParams);
  AParams.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TspSkinPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Element = SkinElement<TspDataSkinPanelControl>();
  if (Element == nullptr) return;
  FontName = Element->FontName;
  FontStyle = Element->FontStyle;
  FontHeight = Element->FontHeight;
  FontColor = Element->FontColor;
  Alignment = Element->Alignment;
  CaptionRect = Element->CaptionRect;
  BGPictureIndex = Element->BGPictureIndex;
  CheckImageRect = Element->CheckImageRect;
  UnCheckImageRect = Element->UnCheckImageRect;
  MarkFrameRect = Element->MarkFrameRect;
  FrameRect = Element->FrameRect;
  FrameLeftOffset = Element->FrameLeftOffset;
  FrameRightOffset = Element->FrameRightOffset;
  FrameTextRect = Element->FrameTextRect;
}

void TspSkinPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (!FRollUpState) {
    Realign();
    return;
  }
  // The header's height comes from the new skin: roll up again from the saved height.
  const int Saved = RealHeight;
  RealHeight = -1;
  DoRollUp(true);
  RealHeight = Saved;
}

void TspSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FIndex == -1) Repaint();
}

TRect TspSkinPanel::GetSkinClientRect() {
  TRect Result = Rect(0, 0, Width(), Height());
  AdjustClientRect(Result);
  return Result;
}

void TspSkinPanel::AdjustClientRect(TRect& ARect) {
  TspSkinCustomControl::AdjustClientRect(ARect);
  const bool Designing = IsDesigning();
  if (FIndex != -1 && FTransparentMode) {
    int Top = 2;
    if (FCaptionMode) {
      ApplyCaptionFont(Canvas().Font());
      Top = Canvas().TextHeight(Caption());
    }
    ARect = Rect(2, Top, Width() - 2, Height() - 2);
    return;
  }
  if (FIndex != -1 && !Designing) {
    if (BGPictureIndex == -1 && !(FBorderStyle == bvNone && !FCaptionMode && ResizeMode == 1))
      ARect = NewClRect;
    if (!FUseSkinSize && FCaptionMode) {
      if (FRibbonStyle) {
        ARect.Bottom -= FDefaultCaptionHeight;
      } else {
        ARect.Top += FDefaultCaptionHeight;
      }
    }
    return;
  }
  if (FBorderStyle != bvNone) InflateRect(ARect, -1, -1);
  if (!FCaptionMode) return;
  if (FRibbonStyle) {
    ARect.Bottom -= FDefaultCaptionHeight;
  } else {
    ARect.Top += FDefaultCaptionHeight;
  }
}

bool TspSkinPanel::CanAutoSize(int& ANewWidth, int& ANewHeight) {
  if (FInChangingRollUp && FRollUpMode && AutoSize()) return false;
  return TspSkinCustomControl::CanAutoSize(ANewWidth, ANewHeight);
}

void TspSkinPanel::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinCustomControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FCaptionImageList) FCaptionImageList = nullptr;
}

void TspSkinPanel::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_MOVE:
      WMMove(AMessage);
      break;
    case SP_CHECKPARENTBACKGROUND:
      SPCheckParentBackground();
      break;
    case CM_TEXTCHANGED:
      CMTextChanged(AMessage);
      break;
    default:
      TspSkinCustomControl::Dispatch(AMessage);
      break;
  }
}

void TspSkinPanel::WMMove(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (!FTransparentMode) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinPanel::SPCheckParentBackground() {
  if (!FTransparentMode && !FAlphaBlend) return;
  Repaint();
  CheckControlsBackground();
}

void TspSkinPanel::CMTextChanged(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (FCaptionMode) Repaint();
}

void TspSkinPanel::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (AButton == mbLeft && FCaptionMode && (FCheckedMode || FRollUpMode)) {
    const TRect Caption = FIndex != -1 ? NewCaptionRect : Rect(1, 1, Width() - 1, FDefaultCaptionHeight);
    if (PointInRectangle(Caption, {AX, AY})) {
      if (FCheckedMode) SetChecked(!FChecked);
      if (FRollUpMode) SetRollUpState(!FRollUpState);
    }
  }
  TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
}

// ---------------------------------------------------------------- properties

void TspSkinPanel::RepaintAndRealign() {
  Repaint();
  Realign();
}

void TspSkinPanel::SetRibbonStyle(bool AValue) {
  if (FRibbonStyle == AValue) return;
  FRibbonStyle = AValue;
  Repaint();
}

void TspSkinPanel::SetImagePosition(TspImagePosition AValue) {
  if (FImagePosition == AValue) return;
  FImagePosition = AValue;
  Repaint();
}

void TspSkinPanel::SetTransparentMode(bool AValue) {
  if (FTransparentMode == AValue) return;
  FTransparentMode = AValue;
  Repaint();
  if (!IsDesigning() && !ComponentState().Contains(csLoading)) CheckControlsBackground();
}

void TspSkinPanel::SetCaptionImageList(TCustomImageList* AValue) {
  if (FCaptionImageList == AValue) return;
  ReplaceNotified(FCaptionImageList, AValue);
}

void TspSkinPanel::SetCaptionImageIndex(int AValue) {
  if (FCaptionImageIndex == AValue) return;
  FCaptionImageIndex = AValue;
  Repaint();
}

bool TspSkinPanel::HasCaptionImage() const {
  return FGlyph->Empty() && FCaptionImageList != nullptr && FCaptionImageIndex >= 0 &&
         FCaptionImageIndex < FCaptionImageList->Count();
}

TSize TspSkinPanel::CaptionImageSize() const {
  if (HasCaptionImage()) return TSize{FCaptionImageList->Width(), FCaptionImageList->Height()};
  if (!FGlyph->Empty()) return TSize{GlyphFrameWidth(), FGlyph->Height()};
  return TSize{};
}

void TspSkinPanel::SetCheckedMode(bool AValue) {
  FCheckedMode = AValue;
  Repaint();
}

void TspSkinPanel::SetChecked(bool AValue) {
  FChecked = AValue;
  if (FCheckedMode) Repaint();
  if (FCheckedMode && FAutoEnabledControls)
    for (int I = 0; I < ControlCount(); ++I) Controls(I)->SetEnabled(FChecked);
  if (OnChecked) OnChecked(this);
}

void TspSkinPanel::SetGlyph(const TBitmap& AValue) {
  FGlyph->Assign(AValue);
  Repaint();
}

void TspSkinPanel::SetNumGlyphs(int AValue) {
  FNumGlyphs = std::clamp(AValue, 1, 2);
  Repaint();
}

void TspSkinPanel::SetSpacing(int AValue) {
  FSpacing = AValue;
  Repaint();
}

void TspSkinPanel::SetDefaultAlignment(TAlignment AValue) {
  FDefaultAlignment = AValue;
  if (FIndex == -1 && FCaptionMode) Repaint();
}

void TspSkinPanel::SetRollUpMode(bool AValue) {
  FRollUpMode = AValue;
  if (FIndex == -1 && FCaptionMode) Repaint();
}

void TspSkinPanel::SetDefaultCaptionHeight(int AValue) {
  FDefaultCaptionHeight = AValue;
  if ((FIndex == -1 || !FUseSkinSize) && FCaptionMode) RepaintAndRealign();
}

void TspSkinPanel::SetBorderStyle(TspSkinBorderStyle AValue) {
  FBorderStyle = AValue;
  if (FIndex == -1) RepaintAndRealign();
}

void TspSkinPanel::SetCaptionMode(bool AValue) {
  FCaptionMode = AValue;
  RepaintAndRealign();
}

// ---------------------------------------------------------------- roll-up

void TspSkinPanel::SetRollUpState(bool AValue) {
  if (FRollUpState == AValue) return;
  if (!FRollUpMode) {
    FRolledLimits.GiveBack(Constraints());
    return;
  }
  FRolledLimits.SetAside(Constraints());
  FRollUpState = AValue;
  DoRollUp(AValue);
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TspSkinPanel::DoRollUp(bool ARollUp) {
  if (ARollUp == (RealHeight != -1)) return;
  FInChangingRollUp = true;
  ScopeExit Done([this] { FInChangingRollUp = false; });
  if (ARollUp) {
    RealHeight = Height();
    DisableAlign();
    for (int I = 0; I < ControlCount(); ++I) Controls(I)->SetVisible(false);
    const bool FrameOnly = FIndex != -1 && FUseSkinSize;
    SetHeight(FrameOnly ? Height() - NewClRect.Bottom + NewClRect.Top : FDefaultCaptionHeight + 1);
    return;
  }
  SetHeight(RealHeight);
  RealHeight = -1;
  for (int I = 0; I < ControlCount(); ++I) Controls(I)->SetVisible(true);
  EnableAlign();
}
