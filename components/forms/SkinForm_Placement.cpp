// Where a skinned form goes: the maximized rectangle on its monitor, the centred
// place of its first show, and the outer rectangle of Move and SetBounds, which holds
// the visible layered border around the window.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "components/forms/SkinForm_PlacementInternal.h"
#include "platform/win/SystemMetrics.h"

namespace {

HWND PlacementWindowOf(TCustomForm* AForm) { return AForm->HandleAllocated() ? AForm->Handle() : nullptr; }

// Where a size of ASize starts when centred on a span of ASpan from AStart.
int PlacementCentred(int AStart, int ASpan, int ASize) {
  return SaturatedCoordinate(static_cast<long long>(AStart) + ASpan / 2 - ASize / 2);
}

}  // namespace

TRect TspSkinForm::MaximizedBounds() const {
  TRect Monitor;
  GetMonitorArea(PlacementWindowOf(FForm), false, Monitor);
  if (MaximizeOnFullScreen) return Monitor;
  TRect Area;
  GetMonitorArea(PlacementWindowOf(FForm), true, Area);
  // A work area that is the whole primary screen (its panels hidden) keeps a pixel
  // free on every side, so that a panel waiting at the screen's edge can still appear.
  const TRect PrimaryScreen = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (Area.Width() == Monitor.Width() && Area.Height() == Monitor.Height() && Monitor == PrimaryScreen)
    Area = Rect(Area.Left + 1, Area.Top + 1, Area.Right - 1, Area.Bottom - 1);
  return Area;
}

TPoint TspSkinForm::GetPositionInMonitor(int AX, int AY, int AW, int AH) const {
  if (PositionInMonitor == sppDefault) return {AX, AY};
  TRect Area;
  GetMonitorArea(PlacementWindowOf(FForm), PositionInMonitor == sppDesktopCenter, Area);
  return {PlacementCentred(Area.Left, Area.Width(), AW), PlacementCentred(Area.Top, Area.Height(), AH)};
}

void TspSkinForm::ApplyPositionInMonitor() {
  if (PositionInMonitor == sppDefault) return;
  const TPoint Place = GetPositionInMonitor(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
  FForm->SetBounds(Place.X, Place.Y, FForm->Width(), FForm->Height());
}

void TspSkinForm::PlaceOnFirstShow() {
  if (!FStartShow) return;
  if (PositionInMonitor == sppDefault) {
    FStartShow = false;
  } else if (FWindowState == wsNormal) {
    FStartShow = false;
    ApplyPositionInMonitor();
  }
}

TRect TspSkinForm::LayeredBorderMargins() const {
  const TspFormLayerBorder& Border = *FBorderLayer;
  if (!Border.Visible() || !UseLayeredBorder()) return {};
  return Rect(Border.LeftSize, Border.TopSize, Border.RightSize, Border.BottomSize);
}

void TspSkinForm::Move(int AX, int AY) {
  const TRect Margins = LayeredBorderMargins();
  FForm->SetBounds(SaturatedCoordinate(static_cast<long long>(AX) + Margins.Left),
                   SaturatedCoordinate(static_cast<long long>(AY) + Margins.Top), FForm->Width(),
                   FForm->Height());
}

void TspSkinForm::SetBounds(int AX, int AY, int AWidth, int AHeight) {
  const TRect Margins = LayeredBorderMargins();
  FForm->SetBounds(SaturatedCoordinate(static_cast<long long>(AX) + Margins.Left),
                   SaturatedCoordinate(static_cast<long long>(AY) + Margins.Top),
                   SaturatedCoordinate(static_cast<long long>(AWidth) - Margins.Left - Margins.Right),
                   SaturatedCoordinate(static_cast<long long>(AHeight) - Margins.Top - Margins.Bottom));
}
