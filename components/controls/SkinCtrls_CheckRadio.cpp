// TspSkinCheckRadioBox: state, groups, input and the active-look cross-fade. Its
// looks are in SkinCtrls_CheckRadioPaint.cpp.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_FadeInternal.h"
#include "components/controls/SkinCtrls_InputInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/Actions.h"
#include "platform/win/Keyboard.h"

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  // OnClick comes from the box's own state changes, never from the class library.
  ControlStyle.Exclude(csClickEvents);
  SetSkinDataName("checkbox");
  SetBounds(Left(), Top(), 150, 25);
  SetTabStop(false);
}

void TspSkinCheckRadioBox::RaiseClick() {
  if (OnClick) OnClick(this);
}

void TspSkinCheckRadioBox::SetChecked(bool AValue) {
  FChecked = AValue;
  if (AValue || FState == cbChecked) FState = AValue ? cbChecked : cbUnchecked;
  Repaint();
  if (AValue && GroupIndex != 0 && Parent()) {
    TWinControl* Owner = Parent();
    for (int I = 0; I < Owner->ControlCount(); ++I) {
      auto* Other = dynamic_cast<TspSkinCheckRadioBox*>(Owner->Controls(I));
      if (Other && Other != this && Other->GroupIndex == GroupIndex && Other->Checked())
        Other->SetChecked(false);
    }
  }
  if (!FRadio || FChecked) RaiseClick();
}

void TspSkinCheckRadioBox::SetState(TCheckBoxState AValue) {
  FState = AValue;
  FChecked = AValue == cbChecked;
  Repaint();
  RaiseClick();
}

void TspSkinCheckRadioBox::ToggleChecked() {
  if (!FRadio)
    SetChecked(!FChecked);
  else if (!FChecked)
    SetChecked(true);
}

void TspSkinCheckRadioBox::SetRadio(bool AValue) {
  FRadio = AValue;
  if (IsDesigning() && !ComponentState().Contains(csLoading)) {
    SetSkinDataName(AValue ? "radiobox" : "checkbox");
    GroupIndex = AValue ? 1 : 0;
  }
  if ((FIndex == -1 && DrawDefault()) || IsDesigning()) Repaint();
}

void TspSkinCheckRadioBox::SetFlat(bool AValue) {
  FFlat = AValue;
  Repaint();
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool AValue) {
  FAllowGrayed = AValue;
  Repaint();
}

void TspSkinCheckRadioBox::SetWordWrap(bool AValue) {
  if (FWordWrap == AValue) return;
  FWordWrap = AValue;
  if (FFlat) Repaint();
}

void TspSkinCheckRadioBox::SetImages(TCustomImageList* AValue) {
  ReplaceNotified(FImages, AValue);
  Repaint();
}

void TspSkinCheckRadioBox::SetImageIndex(int AValue) {
  FImageIndex = AValue;
  Repaint();
}

void TspSkinCheckRadioBox::SetCanFocused(bool AValue) {
  FCanFocused = AValue;
  SetTabStop(AValue);
}

void TspSkinCheckRadioBox::Notification(TComponent* AComponent, TOperation AOperation) {
  TspSkinCustomControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TspSkinCheckRadioBox::ActionChange(TObject* ASender, bool ACheckDefaults) {
  TspSkinCustomControl::ActionChange(ASender, ACheckDefaults);
  auto* Action = dynamic_cast<TCustomAction*>(ASender);
  if (Action && (!ACheckDefaults || !FChecked)) SetChecked(Action->Checked());
}

void TspSkinCheckRadioBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Data = SkinElement<TspDataSkinCheckRadioControl>();
  if (!Data) return;
  FontName = Data->FontName;
  FontStyle = Data->FontStyle;
  FontHeight = Data->FontHeight;
  FontColor = Data->FontColor;
  ActiveFontColor = Data->ActiveFontColor;
  FrameFontColor = Data->FrameFontColor;
  UnEnabledFontColor = Data->UnEnabledFontColor;
  ActiveSkinRect = RectangleIsEmpty(Data->ActiveSkinRect) ? Data->SkinRect : Data->ActiveSkinRect;
  CheckImageArea = Data->CheckImageArea;
  TextArea = Data->TextArea;
  CheckImageRect = Data->CheckImageRect;
  UnCheckImageRect = Data->UnCheckImageRect;
  auto OrElse = [](const TRect& ARect, const TRect& AFallback) {
    return RectangleIsEmpty(ARect) ? AFallback : ARect;
  };
  ActiveCheckImageRect = OrElse(Data->ActiveCheckImageRect, CheckImageRect);
  ActiveUnCheckImageRect = OrElse(Data->ActiveUnCheckImageRect, UnCheckImageRect);
  UnEnabledCheckImageRect = OrElse(Data->UnEnabledCheckImageRect, CheckImageRect);
  UnEnabledUnCheckImageRect = OrElse(Data->UnEnabledUnCheckImageRect, UnCheckImageRect);
  GrayedCheckImageRect = Data->GrayedCheckImageRect;
  ActiveGrayedCheckImageRect = Data->ActiveGrayedCheckImageRect;
  Morphing = Data->Morphing && !FFlat;
  MorphKind = Data->MorphKind;
}

void TspSkinCheckRadioBox::CalcSize(int& AWidth, int& AHeight) {
  if (FFlat) return;
  TspSkinCustomControl::CalcSize(AWidth, AHeight);
  const int Growth = AWidth - RectangleWidth(SkinRect);
  NewTextArea = TextArea;
  NewTextArea.Right += Growth;
  TRect Area = CheckImageArea;
  // A box that stands right of its text keeps to the right edge.
  if (TextArea.Right < CheckImageArea.Right) OffsetRect(Area, Growth, 0);
  const int CheckWidth = RectangleWidth(CheckImageRect), CheckHeight = RectangleHeight(CheckImageRect);
  CIRect = Bounds(Area.Left + RectangleWidth(Area) / 2 - CheckWidth / 2,
                  Area.Top + RectangleHeight(Area) / 2 - CheckHeight / 2, CheckWidth, CheckHeight);
}

void TspSkinCheckRadioBox::ChangeSkinData() {
  if (FFlat) {
    GetSkinData();
    Repaint();
    return;
  }
  if (MorphTimer) MorphTimer->SetEnabled(false);
  TspSkinCustomControl::ChangeSkinData();
  if (MorphPossible() && IsActive()) FMorphKf = 1;
}

void TspSkinCheckRadioBox::CheckParentBackground() {
  if (FFlat)
    Repaint();
  else
    TspSkinCustomControl::CheckParentBackground();
}

// ---------------------------------------------------------------- the active look

bool TspSkinCheckRadioBox::MorphPossible() const {
  return Morphing && SkinData() && !SkinData()->Empty && SkinData()->EnableSkinEffects;
}

bool TspSkinCheckRadioBox::IsActive() { return FMouseIn || (FCanFocused && Focused()); }

void TspSkinCheckRadioBox::StartActiveLookChange() {
  if (MorphPossible() && FIndex != -1)
    StartFadeTimer(MorphTimer, this, [this] { MorphTick(); });
  else
    Invalidate();
}

void TspSkinCheckRadioBox::MorphTick() {
  const bool Active = IsActive();
  if (FIndex == -1 || !MorphPossible()) {
    FMorphKf = Active ? 1 : 0;
    MorphTimer->SetEnabled(false);
  } else if (!StepFade(FMorphKf, Active)) {
    MorphTimer->SetEnabled(false);
  }
  Repaint();
}

// ---------------------------------------------------------------- input

// A click handler may free the box: nothing of it is touched after a toggle it did not
// survive.
void TspSkinCheckRadioBox::WndProc(TMessage& AMessage) {
  if (FCanFocused) {
    if (AMessage.Msg == WM_KEYUP && AMessage.WParam == VK_SPACE && Focused()) {
      const TLiveToken Alive = FLive.Token();
      ToggleChecked();
      if (!Alive) return;
    }
    if (SwallowedByFocusClick(*this, AMessage, FClicksDisabled)) return;
  }
  TspSkinCustomControl::WndProc(AMessage);
}

void TspSkinCheckRadioBox::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: AnswerEraseByPainting(*this, AMessage, FromWMPaint); break;
    case CM_MOUSEENTER: CMMouseEnterLeave(AMessage, true); break;
    case CM_MOUSELEAVE: CMMouseEnterLeave(AMessage, false); break;
    case CM_DIALOGCHAR: CMDialogChar(AMessage); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(AMessage); break;
    case CM_TEXTCHANGED:
      if (FIndex != -1 || IsDesigning() || DrawDefault()) Repaint();
      break;
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(AMessage);
      Invalidate();
      break;
    case WM_SETFOCUS: case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(AMessage);
      if (FCanFocused) StartActiveLookChange();
      break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinCheckRadioBox::CMMouseEnterLeave(TMessage& AMessage, bool AEnter) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (IsDesigning()) return;
  FMouseIn = AEnter;
  StartActiveLookChange();
}

void TspSkinCheckRadioBox::CMDialogChar(TMessage& AMessage) {
  if (IsAccel(static_cast<uint32_t>(AMessage.WParam), Caption()) && CanFocus() && FCanFocused) {
    SetFocus();
    ToggleChecked();
    AMessage.Result = 1;
    return;
  }
  TspSkinCustomControl::Dispatch(AMessage);
}

void TspSkinCheckRadioBox::CMEnabledChanged(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (MorphPossible()) {
    if (MorphTimer) MorphTimer->SetEnabled(false);
    FMorphKf = 0;
  }
  FMouseIn = false;
  Repaint();
}

void TspSkinCheckRadioBox::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
  if (AButton == mbLeft) FDown = true;
  if (!FMouseIn) {
    FMouseIn = true;
    StartActiveLookChange();
  }
}

// While the button is held the active look follows the pointer in and out.
void TspSkinCheckRadioBox::MouseMove(TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseMove(AShift, AX, AY);
  if (!FDown) return;
  const bool Outside = AX < 0 || AY < 0 || AX > Width() || AY > Height();
  if (Outside && FMouseIn) Perform(CM_MOUSELEAVE, 0, 0);
  if (!Outside && !FMouseIn) Perform(CM_MOUSEENTER, 0, 0);
}

// A release over the box clicks it; with AllowGrayed an unchecked check box turns grayed
// first. A release elsewhere ends the press without a click.
void TspSkinCheckRadioBox::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
  if (AButton != mbLeft) return;
  const bool Clicked = FMouseIn && FDown;
  FDown = false;
  if (!Clicked) return;
  if (!FRadio && FAllowGrayed && FState == cbUnchecked) {
    FState = cbGrayed;
    Repaint();
    RaiseClick();
    return;
  }
  ToggleChecked();
}
