#include "platform/ui/GraphicControl.h"

#include "platform/gdi/DcScopes.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case WM_PAINT: WMPaint(AMessage); break;
    default: TControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

// The parent passes its paint's device context, with the origin at this control's top
// left and clipped to it.
void TGraphicControl::WMPaint(TMessage& AMessage) {
  if (!AMessage.WParam || ComponentState().Contains(csDestroying)) return;
  TCanvasHandleScope Scope(*FCanvas, reinterpret_cast<HDC>(AMessage.WParam), tlLocked);
  Paint();
}

void TGraphicControl::Paint() {}
