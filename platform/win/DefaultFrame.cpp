// The default frame in the classic look, as DefWindowProc draws it for WM_NCPAINT,
// WM_NCACTIVATE and WM_SETTEXT: raised or thin outer frame, a plain caption with the
// window text and square buttons, a sunken client edge, the scroll bar areas. Skinned
// windows answer WM_NCPAINT themselves and never see it.

#include <optional>
#include <vector>

#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"
#include "platform/win/FrameLayoutInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowStyles.h"

namespace {

TDefaultMessageHandler GPreviousSetText = nullptr;

void Fill(HDC ADC, const TRect& ARect, int AColor) { FillSolidRect(ADC, ARect, GetSysColor(AColor)); }

// A one-pixel ring just inside ARect: top and left in ATopLeft, bottom and right in
// ABottomRight (system colour indices).
void DrawRing(HDC ADC, const TRect& ARect, int ATopLeft, int ABottomRight) {
  Fill(ADC, Rect(ARect.Left, ARect.Top, ARect.Right - 1, ARect.Top + 1), ATopLeft);
  Fill(ADC, Rect(ARect.Left, ARect.Top, ARect.Left + 1, ARect.Bottom - 1), ATopLeft);
  Fill(ADC, Rect(ARect.Left, ARect.Bottom - 1, ARect.Right, ARect.Bottom), ABottomRight);
  Fill(ADC, Rect(ARect.Right - 1, ARect.Top, ARect.Right, ARect.Bottom), ABottomRight);
}

struct TRing {
  int TopLeft = 0;
  int BottomRight = 0;
};

// The outer frame from the outside in: a raised edge for dialog frames and sizing
// borders, a sunken line for a lone static edge, a dark line for a thin border; the
// face colour for the rest of its thickness.
void DrawOuterFrame(HDC ADC, const TFrameLayout& ALayout, DWORD AStyle, DWORD AExStyle) {
  std::vector<TRing> Rings;
  if ((AExStyle & WS_EX_DLGMODALFRAME) || (AStyle & (WS_THICKFRAME | WS_DLGFRAME)))
    Rings = {{COLOR_3DLIGHT, COLOR_3DDKSHADOW}, {COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW}};
  else if (AExStyle & WS_EX_STATICEDGE)
    Rings = {{COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT}};
  else if (AStyle & WS_BORDER)
    Rings = {{COLOR_WINDOWFRAME, COLOR_WINDOWFRAME}};
  TRect Ring = ALayout.Window;
  for (int Index = 0; Index < ALayout.Frame; ++Index) {
    const TRing Colors =
        Index < static_cast<int>(Rings.size()) ? Rings[Index] : TRing{COLOR_BTNFACE, COLOR_BTNFACE};
    DrawRing(ADC, Ring, Colors.TopLeft, Colors.BottomRight);
    InflateRect(Ring, -1, -1);
  }
}

enum TButtonGlyph { bgClose, bgMaximize, bgMinimize };

// A raised square button face with its glyph in the button text colour.
void DrawCaptionButton(HDC ADC, TRect AButton, TButtonGlyph AGlyph) {
  InflateRect(AButton, -2, -2);
  if (IsRectEmpty(AButton)) return;
  Fill(ADC, AButton, COLOR_BTNFACE);
  DrawRing(ADC, AButton, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW);
  TRect Glyph = AButton;
  InflateRect(Glyph, -4, -4);
  if (IsRectEmpty(Glyph)) return;
  switch (AGlyph) {
    case bgClose:
      for (int Step = 0; Step < Glyph.Height() && Step < Glyph.Width(); ++Step) {
        Fill(ADC, Bounds(Glyph.Left + Step, Glyph.Top + Step, 1, 1), COLOR_BTNTEXT);
        Fill(ADC, Bounds(Glyph.Right - 1 - Step, Glyph.Top + Step, 1, 1), COLOR_BTNTEXT);
      }
      break;
    case bgMaximize:
      DrawRing(ADC, Glyph, COLOR_BTNTEXT, COLOR_BTNTEXT);
      Fill(ADC, Rect(Glyph.Left, Glyph.Top, Glyph.Right, Glyph.Top + 2), COLOR_BTNTEXT);
      break;
    case bgMinimize:
      Fill(ADC, Rect(Glyph.Left, Glyph.Bottom - 2, Glyph.Left + Glyph.Width() / 2 + 1, Glyph.Bottom),
           COLOR_BTNTEXT);
      break;
  }
}

void DrawCaptionText(HDC ADC, const TFrameLayout& ALayout, const TWindow& AWindow, bool AActive) {
  TRect Text = ALayout.Caption;
  if (!IsRectEmpty(ALayout.SystemMenu)) Text.Left = ALayout.SystemMenu.Right;
  for (const TRect* Button : {&ALayout.MinimizeButton, &ALayout.MaximizeButton, &ALayout.CloseButton})
    if (!IsRectEmpty(*Button) && Button->Left < Text.Right) Text.Right = Button->Left;
  InflateRect(Text, -2, 0);
  if (IsRectEmpty(Text) || AWindow.Text.empty()) return;
  NONCLIENTMETRICS Metrics;
  SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof Metrics, &Metrics, 0);
  const HFONT Font = CreateFontIndirect((AWindow.ExStyle & WS_EX_TOOLWINDOW) ? Metrics.lfSmCaptionFont
                                                                             : Metrics.lfCaptionFont);
  ScopeExit DeleteFont([Font] { DeleteObject(Font); });
  TSelectedObject Selected(ADC, Font);
  SetBkMode(ADC, TRANSPARENT);
  SetTextColor(ADC, GetSysColor(AActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
  DrawText(ADC, AWindow.Text, Text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void DrawCaption(HDC ADC, const TFrameLayout& ALayout, const TWindow& AWindow, bool AActive) {
  if (IsRectEmpty(ALayout.Caption)) return;
  Fill(ADC, ALayout.Caption, AActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
  DrawCaptionText(ADC, ALayout, AWindow, AActive);
  if (!IsRectEmpty(ALayout.CloseButton)) DrawCaptionButton(ADC, ALayout.CloseButton, bgClose);
  if (!IsRectEmpty(ALayout.MaximizeButton)) DrawCaptionButton(ADC, ALayout.MaximizeButton, bgMaximize);
  if (!IsRectEmpty(ALayout.MinimizeButton)) DrawCaptionButton(ADC, ALayout.MinimizeButton, bgMinimize);
}

void DrawClientEdge(HDC ADC, const TFrameLayout& ALayout) {
  TRect Edge = ALayout.Client;
  InflateRect(Edge, GetSystemMetrics(SM_CXEDGE), GetSystemMetrics(SM_CYEDGE));
  DrawRing(ADC, Edge, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT);
  InflateRect(Edge, -1, -1);
  DrawRing(ADC, Edge, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

bool HasNonClientArea(const TFrameLayout& ALayout) { return ALayout.Client != ALayout.Window; }

// Draws the whole default frame of the window, clipped to AClip (window coordinates)
// when given, and never over the client area.
void DrawDefaultFrame(TWindow& AWindow, const TRegion* AClip) {
  const TFrameLayout Layout = FrameLayoutOf(AWindow);
  if (!HasNonClientArea(Layout)) return;
  const HDC DC = OpenWindowDC(AWindow, false, AClip);
  ExcludeClipRect(DC, Layout.Client.Left, Layout.Client.Top, Layout.Client.Right, Layout.Client.Bottom);
  Fill(DC, Layout.Window, COLOR_BTNFACE);
  DrawOuterFrame(DC, Layout, AWindow.Style, AWindow.ExStyle);
  DrawCaption(DC, Layout, AWindow, PaintStateOf(AWindow).FrameActive);
  if (AWindow.ExStyle & WS_EX_CLIENTEDGE) DrawClientEdge(DC, Layout);
  if (!IsRectEmpty(Layout.VerticalScrollBar)) Fill(DC, Layout.VerticalScrollBar, COLOR_SCROLLBAR);
  if (!IsRectEmpty(Layout.HorizontalScrollBar)) Fill(DC, Layout.HorizontalScrollBar, COLOR_SCROLLBAR);
  CloseWindowDC(DC);
  PresentChangedSurfacesWhenIdle();
}

// wParam is the frame's update region in screen coordinates, or 1 for the whole frame.
LRESULT WMNCPaint(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return 0;
  std::optional<TRegion> Clip;
  if (AWParam > 1) {
    Clip = reinterpret_cast<HRGN>(AWParam)->Region;
    if (!Clip->Offset(-Window->WindowRect.Left, -Window->WindowRect.Top)) Clip = TRegion();
  }
  DrawDefaultFrame(*Window, Clip ? &*Clip : nullptr);
  return 0;
}

// The caption shows the new state at once. Answers TRUE: the change may go ahead.
LRESULT WMNCActivateFrame(HWND AWindow, UINT, WPARAM AWParam, LPARAM) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return 1;
  TWindowPaintState& State = PaintStateOf(*Window);
  const bool Active = AWParam != 0;
  if (State.FrameActive == Active) return 1;
  State.FrameActive = Active;
  if (IsDrawable(*Window) && !IsRectEmpty(FrameLayoutOf(*Window).Caption)) DrawDefaultFrame(*Window, nullptr);
  return 1;
}

// A new text shows in the caption at once.
LRESULT WMSetTextFrame(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  const LRESULT Result = GPreviousSetText ? GPreviousSetText(AWindow, AMessage, AWParam, ALParam) : 0;
  TWindow* Window = FindWindowRecord(AWindow);
  if (Window && IsDrawable(*Window) && !IsRectEmpty(FrameLayoutOf(*Window).Caption))
    DrawDefaultFrame(*Window, nullptr);
  return Result;
}

}  // namespace

void InstallDefaultFrame(TWindowSystemExtensions& AExtensions) {
  AExtensions.SetDefaultHandler(WM_NCPAINT, WMNCPaint);
  AExtensions.SetDefaultHandler(WM_NCACTIVATE, WMNCActivateFrame);
  GPreviousSetText = AExtensions.SetDefaultHandler(WM_SETTEXT, WMSetTextFrame);
}
