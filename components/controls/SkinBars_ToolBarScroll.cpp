// TspSkinToolBar's scrolling: the layout of the scrolled strip, the scroll steps, and
// the two arrows in the non-client area with their hit codes, mouse and timers.

#include <algorithm>

#include "components/controls/SkinBars.h"
#include "platform/base/ScopeExit.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"

namespace {
constexpr int ToolBarArrowWidth = 12;
// Timers of the bar's window: the repeat of a held or hovered arrow, and the watch
// for the pointer leaving the bar.
constexpr UINT_PTR ToolBarScrollTimer = 1;
constexpr UINT_PTR ToolBarLeaveTimer = 2;
constexpr UINT ToolBarLeaveInterval = 100;

// The arrow a non-client hit code names: 0 left, 1 right, -1 none.
int ToolBarArrowOfHit(WPARAM AHit) {
  const auto Hit = static_cast<LRESULT>(AHit);
  return Hit == HTTOOLBARLEFTARROW ? 0 : Hit == HTTOOLBARRIGHTARROW ? 1 : -1;
}
}  // namespace

// The client width the arrows leave, known also before the window exists.
int TspSkinToolBar::ScrollClientWidth() const {
  return Width() - (ArrowsVisible() ? 2 * ToolBarArrowWidth : 0);
}

void TspSkinToolBar::AdjustClientRect(TRect& ARect) {
  TspSkinPanel::AdjustClientRect(ARect);
  if (!CanScroll || !ArrowsVisible()) return;
  int Top = ARect.Top, Bottom = ARect.Bottom;
  if (FIndex == -1) {
    Top = 1;
    Bottom = Height() - 1;
  } else if (!(FBorderStyle == bvNone && ResizeMode == 1)) {
    Top = NewClRect.Top;
    Bottom = NewClRect.Bottom;
  }
  ARect = Rect(-SPosition, Top, -SPosition + std::max(SMax, ScrollClientWidth()), Bottom);
}

// Shows the arrows while the visible children reach beyond the client area, keeps the
// scroll range, and pulls the content back when the bar grew or the content shrank
// while scrolled.
void TspSkinToolBar::UpdateScroll() {
  // Moving children and changing the frame send messages that may come back here.
  if (!CanScroll || FInUpdateScroll) return;
  FInUpdateScroll = true;
  const ScopeExit Done([this] { FInUpdateScroll = false; });
  int Right = 0;
  for (int I = 0; I < ControlCount(); ++I)
    if (TControl* Child = Controls(I); Child->Visible())
      Right = std::max(Right, Child->Left() + Child->Width());
  if (Right == 0) {
    SetArrowsVisible(false);
    return;
  }
  const int Extent = SPosition + Right;
  if (ScrollClientWidth() >= Extent) {
    if (SPosition > 0) MoveChildrenBy(SPosition);
    FHSizeOffset = SMax = SPosition = SPage = SOldPosition = 0;
    SetArrowsVisible(false);
    return;
  }
  SetArrowsVisible(true);
  // Measured with the arrows in place, so that the last step reaches the end.
  const int W = ScrollClientWidth();
  if (SPosition > 0 && W > Right && FHSizeOffset > 0) {
    FHSizeOffset = std::min(FHSizeOffset, SPosition);
    SMax = Extent - 1;
    SPosition -= FHSizeOffset;
    SPage = W;
    MoveChildrenBy(FHSizeOffset);
  } else if (FHSizeOffset == 0 && Extent - 1 < SMax && SPosition > 0 && W > Right) {
    SMax = Extent - 1;
    SPosition -= W - Right;
    SPage = W;
    MoveChildrenBy(W - Right);
  } else {
    SMax = Extent - 1;
    SPage = W;
    FHSizeOffset = 0;
  }
  SOldPosition = SPosition;
}

void TspSkinToolBar::ScrollStep(TScrollDirection ADirection) {
  // Without arrows there is no range to move in.
  if (ADirection == sdNone || !ArrowsVisible()) return;
  const int Step = FScrollOffset != 0 ? FScrollOffset : ScrollClientWidth();
  if (ADirection == sdLeft)
    SPosition = std::max(SPosition - Step, 0);
  else
    SPosition = std::min(SPosition + Step, SMax - SPage + 1);
  if (SPosition == SOldPosition) {
    StopScrollTimer();
    return;
  }
  MoveChildrenBy(SOldPosition - SPosition);
  Repaint();
  UpdateScroll();
}

// Moves every child sideways; the aligned ones follow the shifted strip when the bar
// aligns them again.
void TspSkinToolBar::MoveChildrenBy(int ADX) {
  DisableAlign();
  const ScopeExit Realigned([this] { EnableAlign(); });
  for (int I = 0; I < ControlCount(); ++I) {
    TControl* Child = Controls(I);
    Child->SetBounds(Child->Left() + ADX, Child->Top(), Child->Width(), Child->Height());
  }
  Invalidate();
}

// The window's frame is calculated again (the arrows take their room or give it back);
// the window itself stays, and so does the focus inside it.
void TspSkinToolBar::SetArrowsVisible(bool AVisible) {
  if (ArrowsVisible() == AVisible) return;
  for (TScrollArrow& Arrow : FArrows) {
    Arrow = TScrollArrow();
    Arrow.Visible = AVisible;
  }
  // As a new window would: no hover, no timers until the pointer comes again.
  FMouseIn = false;
  StopScrollTimer();
  if (HandleAllocated()) KillTimer(Handle(), ToolBarLeaveTimer);
  PlaceArrows();
  if (!HandleAllocated()) return;
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Invalidate();
  RepaintArrows();
}

void TspSkinToolBar::PlaceArrows() {
  FArrows[0].R = Rect(0, 0, ToolBarArrowWidth, Height());
  FArrows[1].R = Rect(Width() - ToolBarArrowWidth, 0, Width(), Height());
}

void TspSkinToolBar::RepaintArrows() {
  if (HandleAllocated()) SendMessage(Handle(), WM_NCPAINT, 0, 0);
}

void TspSkinToolBar::StartScrollTimer(TScrollDirection ADirection) {
  TimerMode = ADirection;
  if (HandleAllocated())
    SetTimer(Handle(), ToolBarScrollTimer, static_cast<UINT>(FScrollTimerInterval), nullptr);
}

void TspSkinToolBar::StopScrollTimer() {
  if (HandleAllocated()) KillTimer(Handle(), ToolBarScrollTimer);
  TimerMode = sdNone;
}

// ---------------------------------------------------------------- messages

void TspSkinToolBar::WndProc(TMessage& AMessage) {
  // The pointer anywhere in the client area, over a windowless child too, takes the
  // hover from the arrows. (The scroll layout follows every change of bounds in
  // SetBounds, once the new size is in place: measured before the move, the old size
  // could bring arrows the new one does not need.)
  if (AMessage.Msg == WM_MOUSEMOVE && CanScroll) ArrowsLoseHover();
  TspSkinPanel::WndProc(AMessage);
}

void TspSkinToolBar::Dispatch(TMessage& AMessage) {
  const bool Scrolls = CanScroll;
  // clang-format off
  switch (AMessage.Msg) {
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(AMessage); return;
    case WM_DESTROY: WMDestroy(AMessage); return;
    case WM_SETCURSOR: WMSetCursor(AMessage); return;
    case WM_SIZE: WMSize(AMessage); return;
    case WM_TIMER: WMTimer(AMessage); return;
    case WM_NCCALCSIZE: WMNCCalcSize(AMessage); return;
    case WM_NCPAINT: WMNCPaint(AMessage); return;
    case WM_NCHITTEST: if (Scrolls) { WMNCHitTest(AMessage); return; } break;
    case WM_NCMOUSEMOVE: if (Scrolls) { WMNCMouseMove(AMessage); return; } break;
    case WM_NCLBUTTONDOWN: if (Scrolls) { WMNCLButtonDown(AMessage); return; } break;
    case WM_NCLBUTTONDBLCLK: if (Scrolls) { WMNCLButtonDown(AMessage); return; } break;
    case WM_NCLBUTTONUP: if (Scrolls) { WMNCLButtonUp(AMessage); return; } break;
    default: break;
  }
  // clang-format on
  TspSkinPanel::Dispatch(AMessage);
}

void TspSkinToolBar::WMWindowPosChanging(TMessage& AMessage) {
  TspSkinPanel::Dispatch(AMessage);
  if (HandleAllocated() && AdjustControls) CentreChildren();
}

void TspSkinToolBar::WMDestroy(TMessage& AMessage) {
  KillTimer(Handle(), ToolBarScrollTimer);
  KillTimer(Handle(), ToolBarLeaveTimer);
  FMouseIn = false;
  TspSkinPanel::Dispatch(AMessage);
}

// The arrows show the arrow cursor, as the client area does.
void TspSkinToolBar::WMSetCursor(TMessage& AMessage) {
  const LRESULT Hit = static_cast<int16_t>(LOWORD(AMessage.LParam));
  if (Hit == HTTOOLBARLEFTARROW || Hit == HTTOOLBARRIGHTARROW)
    AMessage.LParam = MAKELPARAM(HTCLIENT, HIWORD(AMessage.LParam));
  TspSkinPanel::Dispatch(AMessage);
}

void TspSkinToolBar::WMSize(TMessage& AMessage) {
  TspSkinPanel::Dispatch(AMessage);
  if (!CanScroll || !ArrowsVisible()) return;
  PlaceArrows();
  RepaintArrows();
}

void TspSkinToolBar::WMNCCalcSize(TMessage& AMessage) {
  GetSkinData();
  TspSkinPanel::Dispatch(AMessage);
  if (!CanScroll || !ArrowsVisible()) return;
  // Both forms of the message start with the new client rectangle.
  auto* Client = reinterpret_cast<RECT*>(AMessage.LParam);
  Client->Left += ToolBarArrowWidth;
  Client->Right -= ToolBarArrowWidth;
}

void TspSkinToolBar::WMNCHitTest(TMessage& AMessage) {
  if (!FMouseIn) {
    FMouseIn = true;
    if (ArrowsVisible()) SetTimer(Handle(), ToolBarLeaveTimer, ToolBarLeaveInterval, nullptr);
  }
  const TPoint Point = ScreenToClient(LParamToPoint(AMessage.LParam));
  if (ArrowsVisible() && Point.X < 0) {
    AMessage.Result = HTTOOLBARLEFTARROW;
    return;
  }
  // The right arrow begins right at the client area's end.
  if (ArrowsVisible() && Point.X >= ScrollClientWidth()) {
    AMessage.Result = HTTOOLBARRIGHTARROW;
    return;
  }
  TspSkinPanel::Dispatch(AMessage);
}

void TspSkinToolBar::WMNCMouseMove(TMessage& AMessage) {
  const int Arrow = ToolBarArrowOfHit(AMessage.WParam);
  if (Arrow == -1 || FArrows[Arrow].MouseIn) {
    TspSkinPanel::Dispatch(AMessage);
    return;
  }
  FArrows[Arrow].MouseIn = true;
  FArrows[1 - Arrow].MouseIn = false;
  RepaintArrows();
  if (HotScroll) StartScrollTimer(Arrow == 0 ? sdLeft : sdRight);
}

void TspSkinToolBar::WMNCLButtonDown(TMessage& AMessage) {
  const int Arrow = ToolBarArrowOfHit(AMessage.WParam);
  if (Arrow == -1) {
    TspSkinPanel::Dispatch(AMessage);
    return;
  }
  FArrows[Arrow].Down = true;
  RepaintArrows();
  StartScrollTimer(Arrow == 0 ? sdLeft : sdRight);
}

void TspSkinToolBar::WMNCLButtonUp(TMessage& AMessage) {
  const int Arrow = ToolBarArrowOfHit(AMessage.WParam);
  if (Arrow == -1) {
    TspSkinPanel::Dispatch(AMessage);
    return;
  }
  FArrows[Arrow].Down = false;
  RepaintArrows();
  StopScrollTimer();
  ScrollStep(Arrow == 0 ? sdLeft : sdRight);
}

void TspSkinToolBar::ArrowsLoseHover() {
  TScrollArrow* Hovered = FArrows[0].MouseIn ? &FArrows[0] : FArrows[1].MouseIn ? &FArrows[1] : nullptr;
  if (!Hovered) return;
  Hovered->MouseIn = false;
  if (TimerMode != sdNone) StopScrollTimer();
  RepaintArrows();
}

void TspSkinToolBar::WMTimer(TMessage& AMessage) {
  TspSkinPanel::Dispatch(AMessage);
  if (!CanScroll) return;
  if (AMessage.WParam == ToolBarScrollTimer) {
    ScrollStep(TimerMode);
    return;
  }
  if (AMessage.WParam != ToolBarLeaveTimer) return;
  POINT Pointer{};
  GetCursorPos(&Pointer);
  if (WindowFromPoint(Pointer) == Handle()) return;
  KillTimer(Handle(), ToolBarLeaveTimer);
  PointerLeft();
}

void TspSkinToolBar::PointerLeft() {
  FMouseIn = false;
  ArrowsLoseHover();
}
