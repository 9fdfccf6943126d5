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

TRect TspSkinFormStates::MaximizedBounds() const {
  TRect Monitor;
  GetMonitorArea(PlacementWindowOf(SkinForm.FForm), false, Monitor);
  if (SkinForm.MaximizeOnFullScreen) return Monitor;
  TRect Area;
  GetMonitorArea(PlacementWindowOf(SkinForm.FForm), true, Area);
  // A work area that is the whole primary screen (its panels hidden) keeps a pixel
  // free on every side, so that a panel waiting at the screen's edge can still appear.
  const TRect PrimaryScreen = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (Area.Width() == Monitor.Width() && Area.Height() == Monitor.Height() && Monitor == PrimaryScreen)
    Area = Rect(Area.Left + 1, Area.Top + 1, Area.Right - 1, Area.Bottom - 1);
  return Area;
}

TPoint TspSkinFormStates::GetPositionInMonitor(int AX, int AY, int AW, int AH) const {
  if (SkinForm.PositionInMonitor == sppDefault) return {AX, AY};
  TRect Area;
  GetMonitorArea(PlacementWindowOf(SkinForm.FForm), SkinForm.PositionInMonitor == sppDesktopCenter, Area);
  return {PlacementCentred(Area.Left, Area.Width(), AW), PlacementCentred(Area.Top, Area.Height(), AH)};
}

void TspSkinFormStates::ApplyPositionInMonitor() {
  if (SkinForm.PositionInMonitor == sppDefault) return;
  const TPoint Place = GetPositionInMonitor(SkinForm.FForm->Left(), SkinForm.FForm->Top(),
                                            SkinForm.FForm->Width(), SkinForm.FForm->Height());
  SkinForm.FForm->SetBounds(Place.X, Place.Y, SkinForm.FForm->Width(), SkinForm.FForm->Height());
}

void TspSkinFormStates::PlaceOnFirstShow() {
  if (!FStartShow) return;
  if (SkinForm.PositionInMonitor == sppDefault) {
    FStartShow = false;
  } else if (SkinForm.FWindowState == wsNormal) {
    FStartShow = false;
    ApplyPositionInMonitor();
  }
}

TRect TspSkinFormStates::LayeredBorderMargins() const {
  const TspFormLayerBorder& Border = *SkinForm.FBorderLayer;
  if (!Border.Visible() || !SkinForm.UseLayeredBorder()) return {};
  return Rect(Border.LeftSize, Border.TopSize, Border.RightSize, Border.BottomSize);
}

void TspSkinFormStates::Move(int AX, int AY) {
  const TRect Margins = LayeredBorderMargins();
  SkinForm.FForm->SetBounds(SaturatedCoordinate(static_cast<long long>(AX) + Margins.Left),
                            SaturatedCoordinate(static_cast<long long>(AY) + Margins.Top),
                            SkinForm.FForm->Width(), SkinForm.FForm->Height());
}

void TspSkinFormStates::SetBounds(int AX, int AY, int AWidth, int AHeight) {
  const TRect Margins = LayeredBorderMargins();
  SkinForm.FForm->SetBounds(
      SaturatedCoordinate(static_cast<long long>(AX) + Margins.Left),
      SaturatedCoordinate(static_cast<long long>(AY) + Margins.Top),
      SaturatedCoordinate(static_cast<long long>(AWidth) - Margins.Left - Margins.Right),
      SaturatedCoordinate(static_cast<long long>(AHeight) - Margins.Top - Margins.Bottom));
}
