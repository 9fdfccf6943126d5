// TspSkinTrackBar: the value, the button's place along the track, dragging, jumping,
// keys and the wheel, and the two looks.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_InputInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_RangeInternal.h"
#include "components/core/spEffBmp.h"
#include "platform/win/Keyboard.h"

TspSkinTrackBar::TspSkinTrackBar(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("htrackbar");
  SetBounds(Left(), Top(), 100, 20);
  SetTabStop(false);
}

void TspSkinTrackBar::SetValue(int AValue) {
  const int Clamped = ClampToRange(AValue, FMinValue, FMaxValue);
  if (Clamped == FValue) return;
  FValue = Clamped;
  Repaint();
  if (OnChange) OnChange(this);
}

void TspSkinTrackBar::SetMinValue(int AValue) {
  FMinValue = AValue;
  if (FValue < FMinValue) FValue = FMinValue;
  Repaint();
}

void TspSkinTrackBar::SetMaxValue(int AValue) {
  FMaxValue = AValue;
  if (FValue > FMaxValue) FValue = FMaxValue;
  Repaint();
}

void TspSkinTrackBar::SetVertical(bool AValue) {
  FVertical = AValue;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    SetSkinDataName(AValue ? "trackbar" : "htrackbar");
  Repaint();
}

void TspSkinTrackBar::SetCanFocused(bool AValue) {
  FCanFocused = AValue;
  SetTabStop(AValue);
}

void TspSkinTrackBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Data = SkinElement<TspDataSkinTrackBarControl>();
  if (!Data) return;
  ActiveSkinRect = Data->ActiveSkinRect;
  FVertical = Data->Vertical;
  SkinButtonRect = Data->ButtonRect;
  ActiveButtonRect = RectangleIsEmpty(Data->ActiveButtonRect) ? Data->ButtonRect : Data->ActiveButtonRect;
  TrackArea = Data->TrackArea;
  ButtonTransparent = Data->ButtonTransparent;
  ButtonTransparentColor = Data->ButtonTransparentColor;
}

void TspSkinTrackBar::CalcSize(int& AWidth, int& AHeight) {
  TspSkinCustomControl::CalcSize(AWidth, AHeight);
  NewTrackArea = TrackArea;
  if (ResizeMode <= 0) return;
  if (FVertical)
    NewTrackArea.Bottom += AHeight - RectangleHeight(SkinRect);
  else
    NewTrackArea.Right += AWidth - RectangleWidth(SkinRect);
}

// ---------------------------------------------------------------- geometry

TRect TspSkinTrackBar::CalcButtonRect(const TRect& ATrack, TSize ASize) {
  const double Share = RangeFraction(FValue, FMinValue, FMaxValue);
  if (FVertical) {
    Offset1 = ATrack.Top + ASize.cy / 2;
    Offset2 = ATrack.Bottom - ASize.cy / 2;
  } else {
    Offset1 = ATrack.Left + ASize.cx / 2;
    Offset2 = ATrack.Right - ASize.cx / 2;
  }
  BOffset = RoundHalfEven((static_cast<double>(Offset2) - Offset1) * Share);
  if (FVertical)
    return Bounds(ATrack.Left + RectangleWidth(ATrack) / 2 - ASize.cx / 2, Offset2 - BOffset - ASize.cy / 2,
                  ASize.cx, ASize.cy);
  return Bounds(Offset1 + BOffset - ASize.cx / 2, ATrack.Top + RectangleHeight(ATrack) / 2 - ASize.cy / 2,
                ASize.cx, ASize.cy);
}

int TspSkinTrackBar::ValueFromOffset(int AOffset) const {
  return ValueAtDistance(AOffset, Offset2 - Offset1, FMinValue, static_cast<double>(FMaxValue) - FMinValue);
}

// ---------------------------------------------------------------- input

void TspSkinTrackBar::WndProc(TMessage& AMessage) {
  if (FCanFocused && SwallowedByFocusClick(*this, AMessage, FClicksDisabled)) return;
  TspSkinCustomControl::WndProc(AMessage);
}

void TspSkinTrackBar::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: AnswerEraseByPainting(*this, AMessage, FromWMPaint); break;
    case WM_MOUSEWHEEL: WMMouseWheel(AMessage); break;
    case CM_WANTSPECIALKEY: CMWantSpecialKey(AMessage); break;
    case WM_SETFOCUS: case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(AMessage);
      if (FCanFocused) Repaint();
      break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinTrackBar::CMWantSpecialKey(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (FCanFocused && IsArrowKey(AMessage.WParam)) AMessage.Result = 1;
}

// One step, held at the ends of the integer range, then OnLastChange even when the
// value stayed.
void TspSkinTrackBar::StepBy(int ADelta) {
  SetValue(SaturatedSum(FValue, ADelta));
  if (OnLastChange) OnLastChange(this);
}

void TspSkinTrackBar::KeyDown(WORD& AKey, TShiftState AShift) {
  TspSkinCustomControl::KeyDown(AKey, AShift);
  if (!FCanFocused) return;
  if (AKey == VK_LEFT || AKey == VK_DOWN) StepBy(-1);
  if (AKey == VK_UP || AKey == VK_RIGHT) StepBy(1);
}

// Away from the user raises an upright bar and lowers a lying one.
void TspSkinTrackBar::WMMouseWheel(TMessage& AMessage) {
  if (!FCanFocused || !Focused()) {
    TspSkinCustomControl::Dispatch(AMessage);
    return;
  }
  const bool Away = GET_WHEEL_DELTA_WPARAM(AMessage.WParam) > 0;
  StepBy(Away == FVertical ? 1 : -1);
  AMessage.Result = 1;
}

void TspSkinTrackBar::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
  if (!MouseSupport) return;
  const TRect Hit = Rect(BR.Left, BR.Top, BR.Right + 1, BR.Bottom + 1);
  if (!PtInRect(Hit, TPoint{AX, AY})) return;
  OMPos = FVertical ? AY : AX;
  OldBOffset = BOffset;
  FDown = true;
  Repaint();
  if (OnStartDragButton) OnStartDragButton(this);
}

void TspSkinTrackBar::MouseMove(TShiftState AShift, int AX, int AY) {
  if (MouseSupport && FDown) {
    const int Delta = FVertical ? OMPos - AY : AX - OMPos;
    SetValue(ValueFromOffset(SaturatedSum(OldBOffset, Delta)));
  }
  TspSkinCustomControl::MouseMove(AShift, AX, AY);
}

void TspSkinTrackBar::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
  if (!MouseSupport) return;
  if (FDown) {
    FDown = false;
    Repaint();
    if (OnLastChange) OnLastChange(this);
    return;
  }
  if (!JumpWhenClick) return;
  const int Start = FIndex == -1 ? 2 : (FVertical ? NewTrackArea.Top : NewTrackArea.Left);
  const int Distance =
      FVertical ? (Height() - AY) - RectangleHeight(BR) / 2 - Start : AX - RectangleWidth(BR) / 2 - Start;
  SetValue(ValueFromOffset(Distance));
}

// ---------------------------------------------------------------- looks

void TspSkinTrackBar::CreateControlDefaultImage(TBitmap& ABitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(ABitmap);
  TCanvas& C = ABitmap.Canvas();
  C.Brush().SetStyle(bsSolid);
  C.Brush().SetColor(clBtnShadow);
  C.FrameRect(Rect(0, 0, Width(), Height()));
  const TRect Groove = FVertical ? Rect(Width() / 2 - 1, 4, Width() / 2 + 1, Height() - 4)
                                 : Rect(4, Height() / 2 - 1, Width() - 4, Height() / 2 + 1);
  DrawBevelFrame(C, Groove, clBtnShadow, clBtnHighlight);
  TSize Size;
  if (FVertical) {
    Size.cx = Width() - 4;
    Size.cy = Size.cx / 2;
  } else {
    Size.cy = Height() - 4;
    Size.cx = Size.cy / 2;
  }
  BR = CalcButtonRect(Rect(2, 2, Width() - 2, Height() - 2), Size);
  C.Brush().SetColor(clBtnFace);
  C.FillRect(BR);
  // The track bar's own pressed fill, one step greener than the other controls' 0xB59385.
  if (FDown)
    DrawFramedPart(C, BR, clNavy, RGB(133, 148, 181));
  else if (FCanFocused && Focused())
    DrawFramedPart(C, BR, clNavy, BuiltInHotFill);
  else
    DrawFramedPart(C, BR, clBtnShadow, clBtnFace);
}

void TspSkinTrackBar::CreateControlSkinImage(TBitmap& ABitmap) {
  TspSkinCustomControl::CreateControlSkinImage(ABitmap);
  BR = CalcButtonRect(NewTrackArea, TSize{RectangleWidth(SkinButtonRect), RectangleHeight(SkinButtonRect)});
  if (!Picture) return;
  TCanvas& C = ABitmap.Canvas();
  if (!RectangleIsEmpty(ActiveSkinRect)) {
    TBitmap Active;
    CreateSkinImage(Active, Picture, ActiveSkinRect);
    const int Middle = FVertical ? BR.Top + RectangleHeight(BR) / 2 : BR.Left + RectangleWidth(BR) / 2;
    if (FVertical) {
      const TRect Filled = Rect(0, Middle, Active.Width(), Active.Height());
      C.CopyRect(Filled, Active.Canvas(), Filled);
    } else if (Middle > 0) {
      const TRect Filled = Rect(0, 0, Middle, Active.Height());
      C.CopyRect(Filled, Active.Canvas(), Filled);
    }
  }
  const TRect Source = FDown || (FCanFocused && Focused()) ? ActiveButtonRect : SkinButtonRect;
  TBitmap Button;
  // No larger than the control, whatever the skin says.
  Button.SetSize(std::min(RectangleWidth(BR), ABitmap.Width()),
                 std::min(RectangleHeight(BR), ABitmap.Height()));
  Button.Canvas().CopyRect(Rect(0, 0, Button.Width(), Button.Height()), Picture->Canvas(), Source);
  if (AlphaBlend() && !ButtonTransparent) BlendPartOver(Button, ABitmap, BR.Left, BR.Top, AlphaBlendValue());
  if (ButtonTransparent) {
    Button.SetTransparentColor(ButtonTransparentColor);
    Button.SetTransparent(true);
  }
  C.Draw(BR.Left, BR.Top, Button);
}
