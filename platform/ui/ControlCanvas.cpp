// The canvases of controls outside painting: they take a device context of the
// control's area when first drawn on, and give it back once the message that drew is
// done (FreeDeviceContexts).

#include <algorithm>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/win/WindowDC.h"

namespace {

// The canvases holding a device context they took themselves.
std::vector<TControlCanvas*>& CanvasesHoldingDC() {
  static std::vector<TControlCanvas*> List;
  return List;
}

}  // namespace

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::CreateHandle() {
  HWND Window = nullptr;
  HDC DC = FControl->GetDeviceContext(Window);
  if (!DC) return;
  FWindow = Window;
  FOwnDC = DC;
  CanvasesHoldingDC().push_back(this);
  SetHandle(DC);
}

void TControlCanvas::FreeHandle() {
  if (!FOwnDC) return;
  SetHandle(nullptr);
  ReleaseDC(FWindow, FOwnDC);
  FOwnDC = nullptr;
  FWindow = nullptr;
  auto& List = CanvasesHoldingDC();
  List.erase(std::remove(List.begin(), List.end(), this), List.end());
}

void FreeDeviceContexts() {
  auto& List = CanvasesHoldingDC();
  while (!List.empty()) List.back()->FreeHandle();
}
