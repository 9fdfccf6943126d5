// TspSkinScrollBar: the range and the position rule, the geometry of its parts, the
// mouse with its repeat timer, the keys and the wheel. Its looks are in
// SkinCtrls_ScrollBarPaint.cpp.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_InputInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_RangeInternal.h"
#include "platform/win/Keyboard.h"
#include "platform/win/Timers.h"

namespace {

constexpr UINT_PTR ScrollRepeatTimer = 1;
constexpr UINT ScrollRepeatFirst = 500;
constexpr UINT ScrollRepeatNext = 50;

enum { ScrollThumb = 0, ScrollUpButton = 1, ScrollDownButton = 2 };

// Max - PageSize + 1, held inside the integer range.
int ScrollLastPosition(int AMax, int APageSize) { return SaturatedSum(AMax, 1LL - APageSize); }

}  // namespace

TspSkinScrollBar::TspSkinScrollBar(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetSkinDataName("hscrollbar");
  SetBounds(Left(), Top(), 200, 19);
  SetDefaultHeight(19);
  SetTabStop(false);
}

TspSkinScrollBar::~TspSkinScrollBar() {
  if (HandleAllocated()) KillTimer(Handle(), ScrollRepeatTimer);
}

// ---------------------------------------------------------------- range and position

int TspSkinScrollBar::ClampedPosition(int AValue) const {
  if (AValue < FMin) return FMin;
  if (FPageSize == 0) return std::min(AValue, FMax);
  return std::min(AValue, ScrollLastPosition(FMax, FPageSize));
}

void TspSkinScrollBar::SetRange(int AMin, int AMax, int APageSize, int APosition) {
  FMin = AMin;
  FMax = AMax;
  FPageSize = APageSize;
  FPosition = ClampedPosition(APosition);
  Repaint();
}

void TspSkinScrollBar::SimplySetPosition(int AValue) {
  const int Clamped = ClampedPosition(AValue);
  if (Clamped == FPosition) return;
  FPosition = Clamped;
  Repaint();
}

void TspSkinScrollBar::SetPosition(int AValue) {
  const int Clamped = ClampedPosition(AValue);
  if (Clamped == FPosition) return;
  FPosition = Clamped;
  Repaint();
  if (OnChange) OnChange(this);
}

void TspSkinScrollBar::SetMin(int AValue) {
  FMin = AValue;
  if (FPosition < FMin) FPosition = FMin;
  Repaint();
}

// The position follows the new maximum by the position rule, whatever Min is.
void TspSkinScrollBar::SetMax(int AValue) {
  FMax = AValue;
  if (FPageSize == 0) {
    if (FPosition > FMax) FPosition = FMax;
  } else {
    FPosition = std::min(FPosition, ScrollLastPosition(FMax, FPageSize));
  }
  if (FPosition < FMin) FPosition = FMin;
  Repaint();
}

void TspSkinScrollBar::SetPageSize(int AValue) {
  const long long Room = static_cast<long long>(FMax) - FMin + 1;
  if (static_cast<long long>(AValue) + FPosition <= Room) FPageSize = AValue;
  Repaint();
}

void TspSkinScrollBar::SetSmallChange(int AValue) {
  FSmallChange = AValue;
  Repaint();
}

void TspSkinScrollBar::SetLargeChange(int AValue) {
  FLargeChange = AValue;
  Repaint();
}

void TspSkinScrollBar::SetKind(TScrollBarKind AValue) {
  FKind = AValue;
  Repaint();
}

void TspSkinScrollBar::SetCanFocused(bool AValue) {
  FCanFocused = AValue;
  SetTabStop(AValue);
}

void TspSkinScrollBar::SetBothMarkerWidth(int AValue) {
  if (AValue < 0) return;
  FBothMarkerWidth = AValue;
  if (FIndex == -1) Repaint();
}

void TspSkinScrollBar::SetBoth(bool AValue) {
  if (FBoth == AValue) return;
  FBoth = AValue;
  if (AValue) {
    FNormalSkinDataName = SkinDataName();
    SetSkinDataName(BothSkinDataName);
  } else if (!FNormalSkinDataName.empty()) {
    SetSkinDataName(FNormalSkinDataName);
  }
  if (FIndex == -1)
    Repaint();
  else
    ChangeSkinData();
}

void TspSkinScrollBar::StepBy(long long ADelta) { SetPosition(SaturatedSum(FPosition, ADelta)); }

void TspSkinScrollBar::UpButtonStep() {
  if (OnUpButtonClick)
    OnUpButtonClick(this);
  else
    StepBy(FSmallChange);
}

void TspSkinScrollBar::DownButtonStep() {
  if (OnDownButtonClick)
    OnDownButtonClick(this);
  else
    StepBy(-static_cast<long long>(FSmallChange));
}

// ---------------------------------------------------------------- geometry

void TspSkinScrollBar::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  const auto* Data = SkinElement<TspDataSkinScrollBarControl>();
  if (!Data) return;
  auto OrElse = [](const TRect& ARect, const TRect& AFallback) {
    return RectangleIsEmpty(ARect) ? AFallback : ARect;
  };
  // The thumb moves in the track area of the element and is drawn from the picture:
  // neither is larger than where it lies.
  TrackArea = RectangleWithin(Data->TrackArea, RectangleWidth(SkinRect), RectangleHeight(SkinRect));
  UpButtonRect = Data->UpButtonRect;
  ActiveUpButtonRect = Data->ActiveUpButtonRect;
  DownUpButtonRect = OrElse(Data->DownUpButtonRect, ActiveUpButtonRect);
  DownButtonRect = Data->DownButtonRect;
  ActiveDownButtonRect = Data->ActiveDownButtonRect;
  DownDownButtonRect = OrElse(Data->DownDownButtonRect, ActiveDownButtonRect);
  ThumbRect = FSD->PicturePart(Data->PictureIndex, Data->ThumbRect);
  ActiveThumbRect = OrElse(Data->ActiveThumbRect, ThumbRect);
  DownThumbRect = OrElse(Data->DownThumbRect, ActiveThumbRect);
  ThumbOffset1 = Data->ThumbOffset1;
  ThumbOffset2 = Data->ThumbOffset2;
  GlyphRect = Data->GlyphRect;
  ActiveGlyphRect = OrElse(Data->ActiveGlyphRect, GlyphRect);
  DownGlyphRect = OrElse(Data->DownGlyphRect, ActiveGlyphRect);
  GlyphTransparent = Data->GlyphTransparent;
  GlyphTransparentColor = Data->GlyphTransparentColor;
  ThumbTransparent = Data->ThumbTransparent;
  ThumbTransparentColor = Data->ThumbTransparentColor;
  ThumbStretchEffect = Data->ThumbStretchEffect;
  ThumbMinSize = Data->ThumbMinSize;
  ThumbMinPageSize = Data->ThumbMinPageSize;
}

void TspSkinScrollBar::CalcSize(int& AWidth, int& AHeight) {
  TspSkinCustomControl::CalcSize(AWidth, AHeight);
  CalcRects();
}

// Without a page the thumb has its fixed length; with one it shows the page's share of
// the track, never shorter than AMinimum.
int TspSkinScrollBar::ThumbLength(int ATrackLength, int AMinimum) const {
  if (FPageSize == 0) return AMinimum;
  const double Range = static_cast<double>(FMax) - FMin + 1;
  const int Share = Range == 0 ? 0 : RoundHalfEven(ATrackLength * (FPageSize / Range));
  return std::max(Share, AMinimum);
}

void TspSkinScrollBar::CalcRects() {
  const bool Vertical = IsVertical();
  const int W = Width(), H = Height();
  int Thickness = 0;  // of the thumb across the bar; 0: it fills the track
  int Length = 0;
  if (FIndex == -1) {
    if (Vertical) {
      Buttons[ScrollDownButton].R = Rect(1, 1, W - 1, 17);
      Buttons[ScrollUpButton].R = Rect(1, H - 17, W - 1, H - 1);
      NewTrackArea = Rect(1, 17, W - 1, H - 17);
    } else {
      const int Right = FBoth ? W - FBothMarkerWidth : W;
      Buttons[ScrollDownButton].R = Rect(1, 1, 17, H - 1);
      Buttons[ScrollUpButton].R = Rect(Right - 17, 1, Right - 1, H - 1);
      NewTrackArea = Rect(17, 1, Right - 17, H - 1);
    }
    Length = ThumbLength(Vertical ? RectangleHeight(NewTrackArea) : RectangleWidth(NewTrackArea), 16);
  } else {
    // A button that starts in the fixed far end of the picture (at or past the corner
    // point, as the element's other rectangles count it) moves with the growth.
    const int Growth = Vertical ? H - RectangleHeight(SkinRect) : W - RectangleWidth(SkinRect);
    NewTrackArea = TrackArea;
    TRect Up = UpButtonRect, Down = DownButtonRect;
    if (Vertical) {
      NewTrackArea.Bottom += Growth;
      if (Up.Top >= LBPt.Y) OffsetRect(Up, 0, Growth);
      if (Down.Top >= LBPt.Y) OffsetRect(Down, 0, Growth);
    } else {
      NewTrackArea.Right += Growth;
      if (Up.Left >= RTPt.X) OffsetRect(Up, Growth, 0);
      if (Down.Left >= RTPt.X) OffsetRect(Down, Growth, 0);
    }
    Buttons[ScrollUpButton].R = Up;
    Buttons[ScrollDownButton].R = Down;
    Thickness = Vertical ? RectangleWidth(ThumbRect) : RectangleHeight(ThumbRect);
    int Default = Vertical ? RectangleHeight(ThumbRect) : RectangleWidth(ThumbRect);
    if (ThumbMinSize != 0) Default = ThumbMinSize;
    if (FPageSize == 0)
      Length = ThumbMinPageSize != 0 ? ThumbMinPageSize : Default;
    else
      Length = ThumbLength(Vertical ? RectangleHeight(NewTrackArea) : RectangleWidth(NewTrackArea), Default);
  }
  double Share = 0;
  if (FPageSize == 0) {
    Share = RangeFraction(FPosition, FMin, FMax);
  } else {
    const double Room = static_cast<double>(FMax) - FPageSize + 1 - FMin;
    Share = Room > 0 ? (static_cast<double>(FPosition) - FMin) / Room : (Vertical ? 0 : 1);
  }
  const int Half = Length / 2;
  const int TrackStart = Vertical ? NewTrackArea.Top : NewTrackArea.Left;
  const int TrackEnd = Vertical ? NewTrackArea.Bottom : NewTrackArea.Right;
  Offset1 = TrackStart + Half;
  Offset2 = TrackEnd - Half;
  BOffset = RoundHalfEven((static_cast<double>(Offset2) - Offset1) * Share);
  const int From = Offset1 + BOffset - Half, To = Offset1 + BOffset + Half;
  const int AcrossStart = Vertical ? NewTrackArea.Left : NewTrackArea.Top;
  const int AcrossEnd = Vertical ? NewTrackArea.Right : NewTrackArea.Bottom;
  int ThumbStart = AcrossStart, ThumbEnd = AcrossEnd;
  if (Thickness > 0) {
    ThumbStart = AcrossStart + (AcrossEnd - AcrossStart) / 2 - Thickness / 2;
    ThumbEnd = ThumbStart + Thickness;
  }
  Buttons[ScrollThumb].R =
      Vertical ? Rect(ThumbStart, From, ThumbEnd, To) : Rect(From, ThumbStart, To, ThumbEnd);
}

void TspSkinScrollBar::PositionFromOffset(int AOffset) {
  if (FPageSize != 0) {
    const TRect& Thumb = Buttons[ScrollThumb].R;
    const int Half = (IsVertical() ? RectangleHeight(Thumb) : RectangleWidth(Thumb)) / 2;
    Offset1 = (IsVertical() ? NewTrackArea.Top : NewTrackArea.Left) + Half;
    Offset2 = (IsVertical() ? NewTrackArea.Bottom : NewTrackArea.Right) - Half;
  }
  const double Span =
      FPageSize == 0 ? static_cast<double>(FMax) - FMin : static_cast<double>(FMax) - FMin - FPageSize + 1;
  SetPosition(ValueAtDistance(AOffset, Offset2 - Offset1, FMin, Span));
}

// ---------------------------------------------------------------- the repeat timer

void TspSkinScrollBar::StartRepeat(UINT AInterval) {
  if (HandleAllocated()) SetTimer(Handle(), ScrollRepeatTimer, AInterval, nullptr);
}

void TspSkinScrollBar::StopTimer() {
  if (HandleAllocated()) KillTimer(Handle(), ScrollRepeatTimer);
  TimerMode = 0;
}

// The first tick after a press only switches to the fast rate.
void TspSkinScrollBar::RepeatTick() {
  if (WaitMode) {
    WaitMode = false;
    StartRepeat(ScrollRepeatNext);
    return;
  }
  const TRect& Thumb = Buttons[ScrollThumb].R;
  // clang-format off
  switch (TimerMode) {
    case 1: DownButtonStep(); break;
    case 2: UpButtonStep(); break;
    case 3:
      TestActive(MX, MY);
      if (Along(MX, MY) < (IsVertical() ? Thumb.Top : Thumb.Left)) {
        StepBy(-static_cast<long long>(FLargeChange));
        if (OnPageUp) OnPageUp(this);
      } else {
        StopTimer();
      }
      break;
    case 4:
      TestActive(MX, MY);
      if (Along(MX, MY) >= (IsVertical() ? Thumb.Bottom : Thumb.Right)) {
        StepBy(FLargeChange);
        if (OnPageDown) OnPageDown(this);
      } else {
        StopTimer();
      }
      break;
    default: break;
  }
  // clang-format on
}

// ---------------------------------------------------------------- the mouse

void TspSkinScrollBar::ButtonDown(int APart, int AX, int AY) {
  Buttons[APart].Down = true;
  Repaint();
  if (APart == ScrollThumb) {
    OMPos = Along(AX, AY);
    OldBOffset = BOffset;
    FDown = true;
    Repaint();
  } else if (APart == ScrollUpButton) {
    UpButtonStep();
    TimerMode = 2;
    StartRepeat(ScrollRepeatFirst);
  } else {
    DownButtonStep();
    TimerMode = 1;
    StartRepeat(ScrollRepeatFirst);
  }
}

void TspSkinScrollBar::ButtonUp(int APart) {
  Buttons[APart].Down = false;
  if (APart != ActiveButton) Buttons[APart].MouseIn = false;
  Repaint();
  if (APart == ScrollThumb)
    FDown = false;
  else
    StopTimer();
}

// Coming back over a held arrow button resumes its repeat at the fast rate.
void TspSkinScrollBar::ButtonEnter(int APart) {
  Buttons[APart].MouseIn = true;
  Repaint();
  if (APart != ScrollThumb && Buttons[APart].Down) StartRepeat(ScrollRepeatNext);
}

// Leaving a held arrow button pauses its repeat; the mode stays.
void TspSkinScrollBar::ButtonLeave(int APart) {
  Buttons[APart].MouseIn = false;
  Repaint();
  if (APart != ScrollThumb && Buttons[APart].Down && HandleAllocated())
    KillTimer(Handle(), ScrollRepeatTimer);
}

void TspSkinScrollBar::TestActive(int AX, int AY) {
  OldActiveButton = ActiveButton;
  ActiveButton = -1;
  for (int I = 0; I < 3; ++I)
    if (PtInRect(Buttons[I].R, TPoint{AX, AY})) {
      ActiveButton = I;
      break;
    }
  if (CaptureButton != -1 && ActiveButton != CaptureButton) ActiveButton = -1;
  if (ActiveButton == OldActiveButton) return;
  if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
  if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TspSkinScrollBar::MouseDown(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseDown(AButton, AShift, AX, AY);
  if (AButton != mbLeft) return;
  MouseD = true;
  CalcRects();
  TimerMode = 0;
  WaitMode = true;
  for (int I = 0; I < 3; ++I)
    if (PtInRect(Buttons[I].R, TPoint{AX, AY})) {
      CaptureButton = I;
      ButtonDown(I, AX, AY);
      return;
    }
  if (!PtInRect(NewTrackArea, TPoint{AX, AY})) return;
  const TRect& Thumb = Buttons[ScrollThumb].R;
  if (Along(AX, AY) < (IsVertical() ? Thumb.Top : Thumb.Left)) {
    StepBy(-static_cast<long long>(FLargeChange));
    TimerMode = 3;
    StartRepeat(ScrollRepeatFirst);
    if (OnPageUp) OnPageUp(this);
  } else {
    StepBy(FLargeChange);
    TimerMode = 4;
    StartRepeat(ScrollRepeatFirst);
    if (OnPageDown) OnPageDown(this);
  }
}

void TspSkinScrollBar::MouseMove(TShiftState AShift, int AX, int AY) {
  MX = AX;
  MY = AY;
  TestActive(AX, AY);
  if (FDown) PositionFromOffset(SaturatedSum(OldBOffset, static_cast<long long>(Along(AX, AY)) - OMPos));
  TspSkinCustomControl::MouseMove(AShift, AX, AY);
}

void TspSkinScrollBar::MouseUp(TMouseButton AButton, TShiftState AShift, int AX, int AY) {
  TspSkinCustomControl::MouseUp(AButton, AShift, AX, AY);
  MouseD = false;
  if (TimerMode >= 3) StopTimer();
  const int Pressed = CaptureButton;
  if (Pressed != -1) ButtonUp(Pressed);
  CaptureButton = -1;
  if (AButton == mbLeft && Pressed == ScrollThumb && OnLastChange) OnLastChange(this);
}

// ---------------------------------------------------------------- messages and keys

void TspSkinScrollBar::WndProc(TMessage& AMessage) {
  if (FCanFocused && SwallowedByFocusClick(*this, AMessage, FClicksDisabled)) return;
  TspSkinCustomControl::WndProc(AMessage);
}

void TspSkinScrollBar::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: AnswerEraseByPainting(*this, AMessage, FromWMPaint); break;
    case WM_MOUSEWHEEL: WMMouseWheel(AMessage); break;
    case CM_MOUSELEAVE: CMMouseLeave(AMessage); break;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(AMessage);
      if (AMessage.WParam == ScrollRepeatTimer) RepeatTick();
      break;
    case CM_WANTSPECIALKEY:
      TspSkinCustomControl::Dispatch(AMessage);
      if (FCanFocused && IsArrowKey(AMessage.WParam)) AMessage.Result = 1;
      break;
    case WM_SETFOCUS: case WM_KILLFOCUS: case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(AMessage);
      Repaint();
      break;
    default: TspSkinCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// A hovered part loses its hot look when the pointer leaves, unless a press holds it;
// a page-down repeat ends there too.
void TspSkinScrollBar::CMMouseLeave(TMessage& AMessage) {
  TspSkinCustomControl::Dispatch(AMessage);
  if (ActiveButton != -1 && CaptureButton == -1 && !FDown) {
    Buttons[ActiveButton].MouseIn = false;
    Repaint();
    ActiveButton = -1;
  }
  if (MouseD && TimerMode == 4) StopTimer();
}

void TspSkinScrollBar::KeyDown(WORD& AKey, TShiftState AShift) {
  TspSkinCustomControl::KeyDown(AKey, AShift);
  if (!FCanFocused) return;
  if (AKey == VK_LEFT || AKey == VK_UP) StepBy(-static_cast<long long>(FSmallChange));
  if (AKey == VK_RIGHT || AKey == VK_DOWN) StepBy(FSmallChange);
}

// One small step a message, toward Min when the wheel turns away from the user.
void TspSkinScrollBar::WMMouseWheel(TMessage& AMessage) {
  if (!FCanFocused || !Focused()) {
    TspSkinCustomControl::Dispatch(AMessage);
    return;
  }
  StepBy(GET_WHEEL_DELTA_WPARAM(AMessage.WParam) > 0 ? -static_cast<long long>(FSmallChange) : FSmallChange);
  AMessage.Result = 1;
}
