// TWinControl's painting: the window itself, then its windowless children over it.

#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/ui/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !ControlStyle.Contains(csOpaque));
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

// A control without windowless children and without a paint of its own leaves
// WM_PAINT to the window class.
void TWinControl::WMPaint(TMessage& AMessage) {
  if (!ControlState.Contains(csCustomPaint) && FControls.empty())
    DefaultHandler(AMessage);
  else
    PaintHandler(AMessage);
}

// wParam may carry the device context to paint into (a parent painting a copy of its
// children); otherwise this is the window's own paint.
void TWinControl::PaintHandler(TMessage& AMessage) {
  HDC DC = reinterpret_cast<HDC>(AMessage.WParam);
  PAINTSTRUCT Paint;
  if (!DC) DC = BeginPaint(FHandle, &Paint);
  if (!DC) return;
  ScopeExit EndOwnPaint([&] {
    if (!AMessage.WParam) EndPaint(FHandle, &Paint);
  });
  {
    // Opaque windowless children cover their part: the window does not paint under them.
    TSavedDC Saved(DC);
    int Clip = SIMPLEREGION;
    for (TControl* Control : FControls) {
      if (!Control->Visible() || !Control->ControlStyle.Contains(csOpaque)) continue;
      Clip = ExcludeClipRect(DC, Control->Left(), Control->Top(), Control->Left() + Control->Width(),
                             Control->Top() + Control->Height());
      if (Clip == NULLREGION) break;
    }
    if (Clip != NULLREGION) PaintWindow(DC);
  }
  PaintControls(DC, nullptr);
}

void TWinControl::PaintWindow(HDC ADC) {
  TMessage Message{WM_PAINT, reinterpret_cast<WPARAM>(ADC), 0, 0};
  DefaultHandler(Message);
}

void TWinControl::PaintControls(HDC ADC, TControl* AFirst) {
  auto It = FControls.begin();
  if (AFirst) {
    auto Found = std::find(FControls.begin(), FControls.end(), AFirst);
    if (Found != FControls.end()) It = Found;
  }
  for (; It != FControls.end(); ++It) {
    TControl* Control = *It;
    const TRect Bounds = Control->BoundsRect();
    if (!Control->Visible() || !RectVisible(ADC, &Bounds)) continue;
    if (ControlState.Contains(csPaintCopy)) Control->ControlState.Include(csPaintCopy);
    ScopeExit EndCopy([Control] { Control->ControlState.Exclude(csPaintCopy); });
    TSavedDC Saved(ADC);
    POINT Origin;
    GetWindowOrgEx(ADC, &Origin);
    SetWindowOrgEx(ADC, Origin.X - Control->Left(), Origin.Y - Control->Top(), nullptr);
    IntersectClipRect(ADC, 0, 0, Control->Width(), Control->Height());
    Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(ADC), 0);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& AMessage) {
  HDC DC = reinterpret_cast<HDC>(AMessage.WParam);
  FillSolidRect(DC, ClientRect(), ColorToRGB(Color()));
  AMessage.Result = 1;
}

HDC TWinControl::GetDeviceContext(HWND& AWindow) {
  AWindow = Handle();
  return GetDC(AWindow);
}

// ---------------------------------------------------------------- TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() = default;

void TCustomControl::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case WM_PAINT: WMPaint(AMessage); break;
    default: TWinControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TCustomControl::WMPaint(TMessage& AMessage) {
  ControlState.Include(csCustomPaint);
  ScopeExit EndCustomPaint([this] { ControlState.Exclude(csCustomPaint); });
  TWinControl::Dispatch(AMessage);
}

// The canvas draws on the paint's device context for the length of Paint.
void TCustomControl::PaintWindow(HDC ADC) {
  TCanvasHandleScope Scope(*FCanvas, ADC, tlLocked);
  Paint();
}

void TCustomControl::Paint() {}
