// TspSkinHintWindow: its window, and showing a hint: the ruling component, the text,
// the size, the place inside the work area, the layering, the region and the fade-in.

#include <algorithm>

#include "components/controls/SkinCtrls.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinHint.h"
#include "platform/ui/Screen.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

constexpr UINT_PTR HintFadeTimerId = 1;
// A fade step follows when more than 3 ms have passed since the one before: at the
// window system's shortest timer interval.
constexpr UINT HintFadeStepMs = USER_TIMER_MINIMUM;

// Every occurrence of the separator becomes a line break, in one pass: a separator
// that holds a line break itself cannot be found again. An empty separator means none.
String HintWithLineBreaks(const String& AHint, const String& ASeparator) {
  if (ASeparator.empty()) return AHint;
  String Result;
  size_t From = 0;
  for (size_t At = AHint.find(ASeparator); At != String::npos; At = AHint.find(ASeparator, From)) {
    Result.append(AHint, From, At - From);
    Result += '\n';
    From = At + ASeparator.size();
  }
  Result.append(AHint, From, String::npos);
  return Result;
}

void SetHintLayeredStyle(HWND AWindow, bool ALayered) {
  const LONG_PTR ExStyle = GetWindowLong(AWindow, GWL_EXSTYLE);
  const LONG_PTR Wanted = ALayered ? ExStyle | WS_EX_LAYERED : ExStyle & ~LONG_PTR(WS_EX_LAYERED);
  if (Wanted != ExStyle) SetWindowLong(AWindow, GWL_EXSTYLE, Wanted);
}

}  // namespace

TspSkinHintWindow::TspSkinHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

TspSkinHintWindow::~TspSkinHintWindow() {
  if (HandleAllocated()) KillTimer(Handle(), HintFadeTimerId);
  SetRulingComponent(nullptr);
  SetImageList(nullptr);
}

void TspSkinHintWindow::CreateParams(TCreateParams& AParams) {
  THintWindow::CreateParams(AParams);
  AParams.Style &= ~DWORD(WS_BORDER);
  if (IsWindowsXPOrLater()) AParams.WindowClass.style |= CS_DROPSHADOW;
}

void TspSkinHintWindow::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_NCPAINT: break;
    case WM_ERASEBKGND: AMessage.Result = 1; break;
    case WM_TIMER: WMTimer(AMessage); break;
    default: THintWindow::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinHintWindow::Notification(TComponent* AComponent, TOperation AOperation) {
  THintWindow::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FspHint) {
    FspHint = nullptr;
    FSD = nullptr;
  }
  if (AComponent == FImageList) FImageList = nullptr;
}

void TspSkinHintWindow::SetRulingComponent(TspSkinHint* AValue) {
  if (FspHint == AValue) return;
  ReplaceNotified(FspHint, AValue);
}

void TspSkinHintWindow::SetImageList(TCustomImageList* AValue) {
  if (FImageList == AValue) return;
  ReplaceNotified(FImageList, AValue);
}

// ---------------------------------------------------------------- the three entries

void TspSkinHintWindow::ActivateHint(TRect ARect, const String& AHint) {
  TspSkinHint* Ruling = FindActiveSkinHint();
  if (Ruling && (!Ruling->HintTitle().empty() || Ruling->HintImageList()))
    return ActivateHintEx(ARect, Ruling->HintTitle(), Ruling->HintImageList(), Ruling->HintImageIndex(),
                          AHint);
  AExtendedStyle = false;
  Show({ARect, false, false}, AHint);
}

void TspSkinHintWindow::ActivateHintEx(TRect ARect, const String& AHintTitle, TCustomImageList* AImageList,
                                       int AImageIndex, const String& AHint) {
  AExtendedStyle = true;
  FHintTitle = AHintTitle;
  SetImageList(AImageList);
  FImageIndex = AImageIndex;
  Show({ARect, false, false}, AHint);
}

// A title or picture pending on the ruling component goes along, still centred on the
// rectangle.
void TspSkinHintWindow::ActivateHintFromRect(const TRect& ARect, const String& AHint, bool ATop) {
  TspSkinHint* Ruling = FindActiveSkinHint();
  AExtendedStyle = Ruling && (!Ruling->HintTitle().empty() || Ruling->HintImageList());
  if (AExtendedStyle) {
    FHintTitle = Ruling->HintTitle();
    SetImageList(Ruling->HintImageList());
    FImageIndex = Ruling->HintImageIndex();
  }
  Show({ARect, true, ATop}, AHint);
}

// ---------------------------------------------------------------- showing

void TspSkinHintWindow::Show(const TPlacement& APlacement, const String& AHint) {
  SetRulingComponent(FindActiveSkinHint());
  if (!FspHint) return;
  TspSkinData* Skin = FspHint->SkinData();
  FSD = Skin && !Skin->Empty && Skin->HintWindow->WindowPictureIndex != -1 &&
                Skin->Picture(Skin->HintWindow->WindowPictureIndex)
            ? Skin
            : nullptr;
  SetCaption(HintWithLineBreaks(AHint, FspHint->LineSeparator));

  const TRect Limits = FitLimits();
  const TSize Size = CalcWindowSize(Limits.Width());
  const int W = Size.cx;
  const int H = Size.cy;
  TRect R = APlacement.FromRect
                ? Bounds(APlacement.Anchor.Left + APlacement.Anchor.Width() / 2 - W / 2,
                         APlacement.Above ? APlacement.Anchor.Top - H : APlacement.Anchor.Bottom, W, H)
                : Bounds(APlacement.Anchor.Left, APlacement.Anchor.Top, W, H);
  // Flipped to the other side of the anchor at the right and bottom limits, then kept
  // inside the limits, so that no part of the hint leaves the work area.
  if (R.Right > Limits.Right) OffsetRect(R, -(W + 2), 0);
  if (R.Bottom > Limits.Bottom) OffsetRect(R, 0, -(H + 2));
  OffsetRect(R, std::max(Limits.Left - R.Left, 0), std::max(Limits.Top - R.Top, 0));

  SetBoundsRect(R);
  ApplyLayering();
  ApplyRegion();
  SetWindowPos(Handle(), HWND_TOPMOST, R.Left, R.Top, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
  FVisible = true;
  Invalidate();
  StartFadeIn();
}

// The work area of the monitor the active form (or else the visible main form) is on;
// without either, the whole screen.
TRect TspSkinHintWindow::FitLimits() const {
  TCustomForm* Form = Screen->ActiveForm();
  if (!Form && Application->MainForm() && Application->MainForm()->Visible()) Form = Application->MainForm();
  TRect Result = Rect(0, 0, Screen->Width(), Screen->Height());
  if (Form && Form->HandleAllocated()) GetMonitorArea(Form->Handle(), true, Result);
  return Result;
}

void TspSkinHintWindow::ApplyLayering() {
  if (!FspHint->AlphaBlendSupport()) return;
  const HWND Window = Handle();
  const bool Blend = FspHint->AlphaBlend;
  const bool Animate = FspHint->AlphaBlendAnimation;
  const uint8_t Value = FspHint->AlphaBlendValue;
  if (Blend != OldAlphaBlend) {
    SetHintLayeredStyle(Window, Blend);
    if (Blend && !Animate) SetLayeredAlpha(Window, Value);
    OldAlphaBlend = Blend;
  }
  if (Blend && Animate) SetLayeredAlpha(Window, 0);
  if (Blend && Value != OldAlphaBlendValue) {
    if (!Animate) SetLayeredAlpha(Window, Value);
    OldAlphaBlendValue = Value;
  }
}

void TspSkinHintWindow::ApplyRegion() {
  HRGN Region = nullptr;
  TBitmap* Mask = FSD ? FSD->Picture(FSD->HintWindow->MaskPictureIndex) : nullptr;
  if (Mask) {
    const TspDataSkinHintWindow& D = *FSD->HintWindow;
    Region = CreateSkinRegion(D.LTPoint, D.RTPoint, D.LBPoint, D.RBPoint, D.ClRect, NewLTPoint, NewRTPoint,
                              NewLBPoint, NewRBPoint, NewClRect, *Mask, Width(), Height());
  }
  if (!Region && !FRgn) return;
  // The window owns the region it is given and frees the one it held.
  SetWindowRgn(Handle(), Region, true);
  FRgn = Region;
}

// The fade runs on the window's timer, one step a tick, so the program goes on
// answering its messages while the hint fades in.
void TspSkinHintWindow::StartFadeIn() {
  KillTimer(Handle(), HintFadeTimerId);
  if (!FspHint->AlphaBlendSupport() || !FspHint->AlphaBlend || !FspHint->AlphaBlendAnimation) return;
  FFadeAlpha = 0;
  SetTimer(Handle(), HintFadeTimerId, HintFadeStepMs, nullptr);
}

void TspSkinHintWindow::WMTimer(TMessage& AMessage) {
  if (AMessage.WParam == HintFadeTimerId) FadeStep();
}

void TspSkinHintWindow::FadeStep() {
  const int Target = FspHint ? FspHint->AlphaBlendValue : 255;
  FFadeAlpha = std::min(FFadeAlpha + std::max(Target / 10, 1), Target);
  Repaint();
  SetLayeredAlpha(Handle(), uint8_t(FFadeAlpha));
  if (FFadeAlpha >= Target) KillTimer(Handle(), HintFadeTimerId);
}
