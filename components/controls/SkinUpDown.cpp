#include "components/controls/SkinUpDown.h"

#include <algorithm>

#include "components/controls/SkinButtonElement.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "platform/win/Timers.h"

namespace {

// Window timer 1 drives the first pause and the repeated steps.
constexpr UINT_PTR UpDownRepeatTimer = 1;
constexpr UINT UpDownFirstPause = 500;
constexpr UINT UpDownRepeatInterval = 100;
constexpr UINT UpDownResumeInterval = 50;

bool UpDownHits(const TRect& ARect, int AX, int AY) {
  // All four edges count, so the edge the two buttons share belongs to button 0.
  return AX >= ARect.Left && AX <= ARect.Right && AY >= ARect.Top && AY <= ARect.Bottom;
}

}  // namespace

TspSkinUpDown::TspSkinUpDown(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  FSkinDataName = "hupdown";
  SetBounds(Left(), Top(), 25, 50);
}

TspSkinUpDown::~TspSkinUpDown() { StopRepeat(); }

void TspSkinUpDown::SetPosition(int AValue) {
  if (AValue < FMin || AValue > FMax) return;
  FPosition = AValue;
  if (!IsDesigning() && OnChange) OnChange(this);
}

void TspSkinUpDown::SetMin(int AValue) {
  FMin = AValue;
  if (FPosition < FMin) FPosition = FMin;
}

void TspSkinUpDown::SetMax(int AValue) {
  FMax = AValue;
  if (FPosition > FMax) FPosition = FMax;
}

void TspSkinUpDown::SetOrientation(TUDOrientation AValue) {
  FOrientation = AValue;
  if (IsDesigning() && !ComponentState().Contains(csLoading))
    FSkinDataName = AValue == udVertical ? "vupdown" : "hupdown";
  RefreshGeometry();
  CalcButtonRects();
  Repaint();
}

void TspSkinUpDown::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Element = FIndex == -1 ? nullptr : SkinElement<TspDataSkinUpDownControl>();
  if (Element) {
    UpButtonRect = Element->UpButtonRect;
    ActiveUpButtonRect = Element->ActiveUpButtonRect;
    DownUpButtonRect =
        RectangleIsEmpty(Element->DownUpButtonRect) ? ActiveUpButtonRect : Element->DownUpButtonRect;
    DownButtonRect = Element->DownButtonRect;
    ActiveDownButtonRect = Element->ActiveDownButtonRect;
    DownDownButtonRect =
        RectangleIsEmpty(Element->DownDownButtonRect) ? ActiveDownButtonRect : Element->DownDownButtonRect;
    // The buttons are drawn from their own pictures: the element image is not cut into
    // nine parts (the resize mode was already settled from the record).
    LTPt = RTPt = LBPt = RBPt = {0, 0};
    ClRect = {};
  }
  CalcButtonRects();
}

bool TspSkinUpDown::HasSkinButtonPlaces() const {
  return FIndex != -1 && UseSkinSize && SkinElement<TspDataSkinUpDownControl>();
}

void TspSkinUpDown::CalcButtonRects() {
  if (HasSkinButtonPlaces()) {
    FButtons[0].R = UpButtonRect;
    FButtons[1].R = DownButtonRect;
    return;
  }
  const int W = Width(), H = Height();
  if (FOrientation == udVertical) {
    FButtons[0].R = Rect(0, 0, W, H / 2);
    FButtons[1].R = Rect(0, H / 2, W, H);
  } else {
    FButtons[1].R = Rect(0, 0, W / 2, H);
    FButtons[0].R = Rect(W / 2, 0, W, H);
  }
}

void TspSkinUpDown::CalcSize(int& AWidth, int& AHeight) {
  if (UseSkinSize) TspSkinCustomControl::CalcSize(AWidth, AHeight);
}

void TspSkinUpDown::SetControlRegion() {
  if (UseSkinSize) TspSkinCustomControl::SetControlRegion();
}

// ---------------------------------------------------------------- pointer and timer

void TspSkinUpDown::TestActive(int AX, int AY) {
  OldActiveButton = ActiveButton;
  ActiveButton = -1;
  for (int I = 0; I < 2; ++I) {
    if (!UpDownHits(FButtons[I].R, AX, AY)) continue;
    // While a button is held the other one cannot become active.
    if (CaptureButton == -1 || CaptureButton == I) ActiveButton = I;
    break;
  }
  if (ActiveButton == OldActiveButton) return;
  if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
  if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TspSkinUpDown::ButtonEnter(int AIndex) {
  FButtons[1 - AIndex].MouseIn = false;
  FButtons[AIndex].MouseIn = true;
  Repaint();
  if (FIncrement != 0 && FButtons[AIndex].Down) StartRepeat(UpDownResumeInterval);
}

void TspSkinUpDown::ButtonLeave(int AIndex) {
  FButtons[AIndex].MouseIn = false;
  Repaint();
  // Repeating pauses while the pointer is off the held button; TimerMode stays.
  if (FIncrement != 0 && FButtons[AIndex].Down && HandleAllocated()) KillTimer(Handle(), UpDownRepeatTimer);
}

void TspSkinUpDown::ButtonDown(int AIndex) {
  FButtons[AIndex].MouseIn = true;
  FButtons[AIndex].Down = true;
  Repaint();
  if (FIncrement == 0) return;
  TimerMode = AIndex == 0 ? 2 : 1;
  WaitMode = true;
  StartRepeat(UpDownFirstPause);
}

void TspSkinUpDown::ButtonUp(int AIndex) {
  if (FIncrement != 0) StopRepeat();
  FButtons[AIndex].Down = false;
  if (AIndex != ActiveButton) FButtons[AIndex].MouseIn = false;
  Repaint();
  if (!ReleaseSteps(AIndex)) return;
  if (AIndex == 0) {
    if (FIncrement != 0) Step(1);
    if (OnUpButtonClick) OnUpButtonClick(this);
  } else {
    if (FIncrement != 0) Step(-1);
    if (OnDownButtonClick) OnDownButtonClick(this);
  }
}

void TspSkinUpDown::Step(int ASign) {
  // A step past Min or Max, or one that would overflow, is ignored whole.
  int Next = 0;
  if (__builtin_add_overflow(FPosition, ASign * FIncrement, &Next)) return;
  SetPosition(Next);
}

void TspSkinUpDown::StartRepeat(UINT AInterval) {
  if (HandleAllocated()) SetTimer(Handle(), UpDownRepeatTimer, AInterval, nullptr);
}

void TspSkinUpDown::StopRepeat() {
  if (HandleAllocated()) KillTimer(Handle(), UpDownRepeatTimer);
  TimerMode = 0;
}

void TspSkinUpDown::RepeatTick() {
  if (WaitMode) {
    WaitMode = false;
    StartRepeat(UpDownRepeatInterval);
    return;
  }
  if (TimerMode == 1) RepeatStep(-1);
  if (TimerMode == 2) RepeatStep(1);
}

void TspSkinUpDown::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TestActive(AX, AY);
  // The button other than the active one loses its hover; with none active, button 0.
  FButtons[ActiveButton == 0 ? 1 : 0].MouseIn = false;
  if (ActiveButton != -1) {
    CaptureButton = ActiveButton;
    ButtonDown(ActiveButton);
  }
  TspSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
}

void TspSkinUpDown::MouseMove(TShiftState AShift, int AX, int AY) {
  TestActive(AX, AY);
  TspSkinCustomControl::MouseMove(AShift, AX, AY);
}

void TspSkinUpDown::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  if (CaptureButton != -1) ButtonUp(CaptureButton);
  CaptureButton = -1;
  TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
}

void TspSkinUpDown::CMMouseEnter(TMessage& AMessage) {
  ActiveButton = OldActiveButton = -1;
  TspSkinCustomControl::Dispatch(AMessage);
}

void TspSkinUpDown::CMMouseLeave(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  for (TspCBButtonX& Button : FButtons) {
    if (!Button.MouseIn) continue;
    Button.MouseIn = false;
    Repaint();
  }
}

void TspSkinUpDown::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: break;  // the paint covers every pixel
    case CM_MOUSEENTER: CMMouseEnter(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    case WM_SIZE: TspSkinCustomControl::Dispatch(AMessage); CalcButtonRects(); break;
    case WM_TIMER: TspSkinCustomControl::Dispatch(AMessage); RepeatTick(); break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// ---------------------------------------------------------------- painting

int TspSkinUpDown::ArrowDirection(int AIndex) const {
  if (FOrientation == udVertical) return AIndex == 0 ? 3 : 4;
  return AIndex == 0 ? 2 : 1;
}

void TspSkinUpDown::CreateControlDefaultImage(TBitmap& B) {
  CalcButtonRects();
  DrawButton(B.Canvas(), 0);
  DrawButton(B.Canvas(), 1);
}

void TspSkinUpDown::CreateControlSkinImage(TBitmap& B) {
  if (UseSkinSize) {
    TspSkinCustomControl::CreateControlSkinImage(B);
    DrawButton(B.Canvas(), 0);
    DrawButton(B.Canvas(), 1);
  } else {
    DrawResizeButton(B.Canvas(), 0);
    DrawResizeButton(B.Canvas(), 1);
  }
}

void TspSkinUpDown::DrawButton(TCanvas& ACanvas, int AIndex) {
  const TspCBButtonX& Button = FButtons[AIndex];
  const bool Pressed = Button.Down && Button.MouseIn;
  if (FIndex == -1) {
    if (Pressed)
      DrawFramedPart(ACanvas, Button.R, RGB(0, 0, 128), RGB(133, 147, 181));
    else if (Button.MouseIn)
      DrawFramedPart(ACanvas, Button.R, RGB(0, 0, 128), RGB(182, 189, 210));
    else
      DrawFramedPart(ACanvas, Button.R, clBtnShadow, clBtnFace);
    DrawArrow(ACanvas, Button.R, Enabled() ? clBlack : RGB(128, 128, 128), ArrowDirection(AIndex));
    return;
  }
  TRect Source;
  if (Pressed)
    Source = AIndex == 0 ? DownUpButtonRect : DownDownButtonRect;
  else if (Button.MouseIn)
    Source = AIndex == 0 ? ActiveUpButtonRect : ActiveDownButtonRect;
  if (RectangleIsEmpty(Source) || Picture == nullptr) return;  // the normal state is the base picture
  ACanvas.CopyRect(Button.R, Picture->Canvas(), Source);
}

void TspSkinUpDown::DrawResizeButton(TCanvas& ACanvas, int AIndex) {
  const TspCBButtonX& Button = FButtons[AIndex];
  TBitmap Face;
  // No larger than the control, whatever the skin says.
  Face.SetSize(std::min(RectangleWidth(Button.R), Width()), std::min(RectangleHeight(Button.R), Height()));
  TBitmap* ElementPicture = nullptr;
  const auto* Element = FindButtonElement(FSD, "resizebutton", ElementPicture);
  if (Element) {
    const bool Pressed = Button.Down && Button.MouseIn;
    ComposeButtonElement(Face, *Element, *ElementPicture,
                         ButtonElementStateRect(*Element, Pressed, Button.MouseIn));
    const TColor Arrow = !Enabled() && !Pressed && !Button.MouseIn
                             ? Element->DisabledFontColor
                             : ButtonElementFontColor(*Element, Pressed, Button.MouseIn);
    DrawArrow(Face.Canvas(), Rect(0, 0, Face.Width(), Face.Height()), Arrow, ArrowDirection(AIndex));
  }
  ACanvas.Draw(Button.R.Left, Button.R.Top, Face);
}
