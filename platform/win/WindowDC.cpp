#include "platform/win/WindowDC.h"

#include <memory>

#include "platform/win/PaintStateInternal.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/VisibleRegionInternal.h"

namespace {

HDC Register(std::unique_ptr<TDeviceContext> ADC, const TOpenWindowDC& AOpen) {
  const HDC DC = ADC.release();
  PaintRun().OpenDCs.emplace(DC, AOpen);
  return DC;
}

// The screen is the backend's: its device context measures text and keeps state like
// any other, and draws nowhere.
HDC OpenScreenDC() {
  auto DC = std::make_unique<TDeviceContext>(OBJ_DC);
  DC->SetDeviceArea({}, TRegion());
  return Register(std::move(DC), {});
}

}  // namespace

HDC OpenWindowDC(TWindow& AWindow, bool AClientArea, const TRegion* AClip) {
  TWindow& TopLevel = *FindWindowRecord(TopLevelWindowOf(AWindow.Handle));
  const TPoint Origin = TopLevel.WindowRect.TopLeft();
  TRegion Reach = VisibleRegion(AWindow, AClientArea);
  if (AClip) {
    TRegion Clip = *AClip;
    if (!Clip.Offset(AWindow.WindowRect.Left - Origin.X, AWindow.WindowRect.Top - Origin.Y)) Clip = TRegion();
    Reach = TRegion::Combine(Reach, Clip, roAnd);
  }
  const TTopLevelSurface& Surface = SurfaceOf(TopLevel);
  if (!Surface.Bitmap || PaintStateOf(TopLevel).HasLayeredPicture) Reach = TRegion();
  auto DC = std::make_unique<TDeviceContext>(OBJ_DC);
  if (Surface.Bitmap) DC->SelectBitmap(Surface.Bitmap);
  const TPoint DrawingOrigin = AClientArea ? AWindow.ClientRect.TopLeft() : AWindow.WindowRect.TopLeft();
  const TRect ReachBox = Reach.Box();
  DC->SetDeviceArea({DrawingOrigin.X - Origin.X, DrawingOrigin.Y - Origin.Y}, std::move(Reach));
  return Register(std::move(DC), {AWindow.Handle, TopLevel.Handle, ReachBox});
}

bool CloseWindowDC(HDC ADC) {
  auto& OpenDCs = PaintRun().OpenDCs;
  const auto Found = OpenDCs.find(ADC);
  if (Found == OpenDCs.end()) return false;
  if (Found->second.TopLevel) MarkSurfaceChanged(Found->second.TopLevel, Found->second.Reach);
  if (Found->second.IsPaintDC) --PaintRun().OpenPaints;
  OpenDCs.erase(Found);
  DeleteDC(ADC);
  return true;
}

HDC GetDC(HWND AWindow) {
  RequireUIThread("GetDC");
  if (!AWindow || AWindow == DesktopRecord().Handle) return OpenScreenDC();
  TWindow* Window = FindWindowRecord(AWindow);
  return Window ? OpenWindowDC(*Window, true, nullptr) : nullptr;
}

HDC GetWindowDC(HWND AWindow) {
  RequireUIThread("GetWindowDC");
  if (!AWindow || AWindow == DesktopRecord().Handle) return OpenScreenDC();
  TWindow* Window = FindWindowRecord(AWindow);
  return Window ? OpenWindowDC(*Window, false, nullptr) : nullptr;
}

int ReleaseDC(HWND, HDC ADC) {
  RequireUIThread("ReleaseDC");
  if (!CloseWindowDC(ADC)) return 0;
  PresentChangedSurfacesUnlessPainting();
  return 1;
}
