// The expanding panel's state: rolling to its caption strip and back, closing, the
// skin element's copy, the client area, the caption buttons under the mouse and the
// hit test that moves and sizes it.

#include "components/controls/SkinCtrls.h"

TspSkinExPanel::TspSkinExPanel(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                  csOpaque,          csDoubleClicks, csReplicatable};
  FForceBackground = true;
  FDrawbackground = true;
  SetSkinDataName("expanel");
  SetBounds(Left(), Top(), 150, 100);
}

// ---------------------------------------------------------------- properties

void TspSkinExPanel::SetRollKind(TspExPanelRollKind AValue) {
  FRollKind = AValue;
  Repaint();
}

void TspSkinExPanel::SetShowRollButton(bool AValue) {
  FShowRollButton = AValue;
  Repaint();
}

void TspSkinExPanel::SetShowCloseButton(bool AValue) {
  FShowCloseButton = AValue;
  Repaint();
}

void TspSkinExPanel::SetDefaultCaptionHeight(int AValue) {
  FDefaultCaptionHeight = AValue;
  if (FIndex != -1 && UseSkinSize) return;
  Repaint();
  Realign();
}

void TspSkinExPanel::SetGlyph(const TBitmap& AValue) {
  FGlyph.Assign(AValue);
  Repaint();
}

void TspSkinExPanel::SetNumGlyphs(int AValue) {
  if (AValue < 1 || AValue > 2) return;
  FNumGlyphs = AValue;
  Repaint();
}

void TspSkinExPanel::SetSpacing(int AValue) {
  FSpacing = AValue;
  Repaint();
}

void TspSkinExPanel::SetCaptionImageList(TCustomImageList* AValue) {
  ReplaceNotified(FCaptionImageList, AValue);
}

void TspSkinExPanel::SetCaptionImageIndex(int AValue) {
  if (FCaptionImageIndex == AValue) return;
  FCaptionImageIndex = AValue;
  Repaint();
}

void TspSkinExPanel::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinCustomControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FCaptionImageList) FCaptionImageList = nullptr;
}

void TspSkinExPanel::Close() {
  SetVisible(false);
  if (OnClose) OnClose(this);
}

// ---------------------------------------------------------------- rolling

int TspSkinExPanel::RollWidth() const {
  return FIndex != -1 && UseSkinSize ? RollHSkinRect.Width() : FDefaultCaptionHeight;
}

int TspSkinExPanel::RollHeight() const {
  return FIndex != -1 && UseSkinSize ? RollVSkinRect.Height() : FDefaultCaptionHeight;
}

void TspSkinExPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FRollState && !StopCheckSize) {
    if (FRollKind == rkRollHorizontal)
      AWidth = RollWidth();
    else
      AHeight = RollHeight();
  }
  TspSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TspSkinExPanel::SetRollState(bool AValue) {
  if (FRollState == AValue) return;
  FRollState = AValue;
  StopCheckSize = true;
  if (AValue)
    Roll();
  else
    Unroll();
  StopCheckSize = false;
  if (OnChangeRollState) OnChangeRollState(this);
}

// The limits are set aside while rolled, so that the strip may be smaller than them.
void TspSkinExPanel::Roll() {
  FForceBackground = false;
  FRolledLimits.SetAside(Constraints());
  DisableAlign();
  for (int I = 0; I < ControlCount(); ++I) Controls(I)->SetVisible(false);
  // A panel loaded rolled keeps the size stored with it.
  if (FRollKind == rkRollHorizontal) {
    if (RealWidth == 0) RealWidth = Width();
    SetWidth(RollWidth());
  } else {
    if (RealHeight == 0) RealHeight = Height();
    SetHeight(RollHeight());
  }
}

void TspSkinExPanel::Unroll() {
  FForceBackground = true;
  FRolledLimits.GiveBack(Constraints());
  if (FRollKind == rkRollHorizontal) {
    SetWidth(RealWidth);
    RealWidth = 0;
  } else {
    SetHeight(RealHeight);
    RealHeight = 0;
  }
  for (int I = 0; I < ControlCount(); ++I) Controls(I)->SetVisible(true);
  EnableAlign();
}

// ---------------------------------------------------------------- skin and client area

void TspSkinExPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Element = SkinElement<TspDataSkinExPanelControl>();
  if (!Element) return;
  RollHSkinRect = Element->RollHSkinRect;
  RollVSkinRect = Element->RollVSkinRect;
  RollLeftOffset = Element->RollLeftOffset;
  RollRightOffset = Element->RollRightOffset;
  RollTopOffset = Element->RollTopOffset;
  RollBottomOffset = Element->RollBottomOffset;
  RollVCaptionRect = Element->RollVCaptionRect;
  RollHCaptionRect = Element->RollHCaptionRect;
  CloseButtonRect = Element->CloseButtonRect;
  CloseButtonActiveRect = Element->CloseButtonActiveRect;
  CloseButtonDownRect = Element->CloseButtonDownRect;
  CaptionRect = Element->CaptionRect;
  FontName = Element->FontName;
  FontStyle = Element->FontStyle;
  FontHeight = Element->FontHeight;
  FontColor = Element->FontColor;
  ButtonsTransparent = Element->ButtonsTransparent;
  ButtonsTransparentColor = Element->ButtonsTransparentColor;
  // A roll or restore picture without its hovered look shows the normal one, and
  // without its pressed look the hovered one.
  auto Looks = [](const TRect& ANormal, const TRect& AActive, const TRect& ADown, TRect& ANormalOut,
                  TRect& AActiveOut, TRect& ADownOut) {
    ANormalOut = ANormal;
    AActiveOut = IsRectEmpty(AActive) ? ANormal : AActive;
    ADownOut = IsRectEmpty(ADown) ? AActiveOut : ADown;
  };
  Looks(Element->HRollButtonRect, Element->HRollButtonActiveRect, Element->HRollButtonDownRect,
        HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect);
  Looks(Element->HRestoreButtonRect, Element->HRestoreButtonActiveRect, Element->HRestoreButtonDownRect,
        HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect);
  Looks(Element->VRollButtonRect, Element->VRollButtonActiveRect, Element->VRollButtonDownRect,
        VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect);
  Looks(Element->VRestoreButtonRect, Element->VRestoreButtonActiveRect, Element->VRestoreButtonDownRect,
        VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect);
}

void TspSkinExPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (!FRollState) {
    Realign();
    return;
  }
  if (FRollKind == rkRollVertical)
    SetHeight(RollHeight());
  else
    SetWidth(RollWidth());
}

void TspSkinExPanel::AdjustClientRect(TRect& ARect) {
  TspSkinCustomControl::AdjustClientRect(ARect);
  if (FIndex == -1) {
    ARect = Rect(ARect.Left + 1, ARect.Top + FDefaultCaptionHeight, ARect.Right - 1, ARect.Bottom - 1);
    return;
  }
  const int InheritedTop = ARect.Top;
  ARect = NewClRect;
  if (!UseSkinSize) ARect.Top = InheritedTop + FDefaultCaptionHeight;
}

// ---------------------------------------------------------------- messages and mouse

void TspSkinExPanel::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case WM_NCHITTEST: WMNCHitTest(AMessage); break;
    case WM_SIZE: WMSize(AMessage); break;
    case WM_SIZING: WMSize(AMessage); break;
    case CM_TEXTCHANGED: CMTextChanged(AMessage); break;
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinExPanel::CMTextChanged(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  Repaint();
}

void TspSkinExPanel::CMMouseEnter(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  TestActive(-1, -1);
}

void TspSkinExPanel::CMMouseLeave(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  ClearHover();
}

void TspSkinExPanel::WMSize(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (Sizeable) Realign();
}

void TspSkinExPanel::TestActive(int AX, int AY) {
  LayoutButtons();
  const TPoint P{AX, AY};
  int Hovered = -1;
  if (FShowCloseButton && PtInRect(Buttons[CloseButton].R, P))
    Hovered = CloseButton;
  else if (FShowRollButton && PtInRect(Buttons[RollButton].R, P))
    Hovered = RollButton;
  // While one button holds the press, the other does not light up.
  if (CaptureButton != -1 && Hovered != CaptureButton) Hovered = -1;
  if (Hovered == ActiveButton) return;
  if (ActiveButton != -1) Buttons[ActiveButton].MouseIn = false;
  if (Hovered != -1) Buttons[Hovered].MouseIn = true;
  ActiveButton = Hovered;
  Invalidate();
}

void TspSkinExPanel::ClearHover() {
  bool Changed = false;
  for (TCaptionButton& Button : Buttons) Changed |= std::exchange(Button.MouseIn, false);
  ActiveButton = -1;
  if (Changed) Invalidate();
}

void TspSkinExPanel::MouseMove(TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseMove(AShift, AX, AY);
  TestActive(AX, AY);
}

void TspSkinExPanel::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TestActive(AX, AY);
  if (ActiveButton != -1) {
    CaptureButton = ActiveButton;
    Buttons[CaptureButton].MouseIn = true;
    Buttons[CaptureButton].Down = true;
    Invalidate();
  }
  TspSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
}

void TspSkinExPanel::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  const TLiveToken Alive = FLive.Token();
  TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
  if (!Alive || CaptureButton == -1) return;
  const int Pressed = std::exchange(CaptureButton, -1);
  TCaptionButton& Button = Buttons[Pressed];
  Button.Down = false;
  if (ActiveButton != Pressed) Button.MouseIn = false;
  Invalidate();
  // Only a release over the button that was pressed acts.
  if (!Button.MouseIn) return;
  if (Pressed == CloseButton) {
    Close();
    return;
  }
  SetRollState(!FRollState);
  if (!Alive) return;
  TestActive(AX, AY);
  Repaint();
}

TRect TspSkinExPanel::SkinCaptionArea() const {
  TRect Area;
  if (!FRollState) {
    Area = CaptionRect;
    Area.Right += Width() - SkinRect.Width();
  } else if (FRollKind == rkRollVertical) {
    Area = RollVCaptionRect;
    Area.Right += Width() - RollVSkinRect.Width();
  } else {
    Area = RollHCaptionRect;
    Area.Bottom += Height() - RollHSkinRect.Height();
  }
  return Area;
}

void TspSkinExPanel::WMNCHitTest(TMessage& AMessage) {
  if (!Moveable && !Sizeable) {
    TspSkinCustomControl::Dispatch(AMessage);
    return;
  }
  const TPoint P = ScreenToClient(LParamToPoint(AMessage.LParam));
  const int W = Width(), H = Height();
  TRect Caption, Corner, RightEdge, BottomEdge;
  if (FIndex == -1) {
    Caption = Rect(2, 2, W - 2, FDefaultCaptionHeight - 1);
    Corner = Rect(W - 2, H - 2, W, H);
    RightEdge = Rect(W - 2, 0, W, H - 2);
    BottomEdge = Rect(0, H - 2, W - 2, H);
  } else {
    Caption = SkinCaptionArea();
    Corner = Rect(NewClRect.Right, NewClRect.Bottom, W, H);
    RightEdge = Rect(NewClRect.Right, 0, W, NewClRect.Bottom);
    BottomEdge = Rect(0, NewClRect.Bottom, NewClRect.Right, H);
  }
  LayoutButtons();
  const bool OnButton = (FShowCloseButton && PtInRect(Buttons[CloseButton].R, P)) ||
                        (FShowRollButton && PtInRect(Buttons[RollButton].R, P));
  if (Moveable && PtInRect(Caption, P) && !OnButton) {
    AMessage.Result = HTCAPTION;
    ClearHover();
    return;
  }
  if (Sizeable && !FRollState) {
    if (PtInRect(Corner, P)) {
      AMessage.Result = HTBOTTOMRIGHT;
      return;
    }
    if (PtInRect(BottomEdge, P)) {
      AMessage.Result = HTBOTTOM;
      return;
    }
    if (PtInRect(RightEdge, P)) {
      AMessage.Result = HTRIGHT;
      return;
    }
  }
  TspSkinCustomControl::Dispatch(AMessage);
}
