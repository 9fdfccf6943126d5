#include "platform/win/headless/HeadlessPictures.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

THeadlessBackend& Headless() {
  THeadlessBackend* Backend = HeadlessBackend();
  if (!Backend) throw Exception("Pictures of windows need the headless backend");
  return *Backend;
}

// A presented pixel of a top-level window as 0xAARRGGBB with its stored (for
// per-pixel alpha: premultiplied) alpha, or nothing outside the picture.
bool ReadPresented(const THeadlessBackend& ABackend, HWND ATopLevel, int AX, int AY, uint32_t& APixel) {
  const TSize Size = ABackend.PresentedSize(ATopLevel);
  if (AX < 0 || AY < 0 || AX >= Size.cx || AY >= Size.cy) return false;
  const uint8_t* Bytes =
      ABackend.PresentedPixels(ATopLevel).data() + (static_cast<std::size_t>(AY) * Size.cx + AX) * 4;
  APixel = static_cast<uint32_t>(Bytes[0]) | (static_cast<uint32_t>(Bytes[1]) << 8) |
           (static_cast<uint32_t>(Bytes[2]) << 16) | (static_cast<uint32_t>(Bytes[3]) << 24);
  return true;
}

uint8_t Channel(uint32_t APixel, int AShift) { return static_cast<uint8_t>(APixel >> AShift); }

uint32_t Pack(uint32_t ABlue, uint32_t AGreen, uint32_t ARed, uint32_t AAlpha) {
  return ABlue | (AGreen << 8) | (ARed << 16) | (AAlpha << 24);
}

// A premultiplied pixel with straight alpha.
uint32_t Unpremultiplied(uint32_t APixel) {
  const uint32_t Alpha = Channel(APixel, 24);
  if (Alpha == 0) return 0;
  const auto Straight = [Alpha](uint8_t AValue) {
    return std::min<uint32_t>(255, (AValue * 255 + Alpha / 2) / Alpha);
  };
  return Pack(Straight(Channel(APixel, 0)), Straight(Channel(APixel, 8)), Straight(Channel(APixel, 16)),
              Alpha);
}

uint32_t MultiplyChannel(uint32_t AValue, uint32_t AFactor) { return (AValue * AFactor + 127) / 255; }

// Lays the premultiplied pixel over the opaque pixel ABelow.
uint32_t Over(uint32_t APixel, uint32_t ABelow) {
  const uint32_t Remaining = 255 - Channel(APixel, 24);
  const auto Mix = [&](int AShift) {
    return std::min<uint32_t>(255,
                              Channel(APixel, AShift) + MultiplyChannel(Channel(ABelow, AShift), Remaining));
  };
  return Pack(Mix(0), Mix(8), Mix(16), 255);
}

struct TScreenLayer {
  HWND Window = nullptr;
  TRect Rect;
  std::optional<TRegion> Region;
  uint32_t ConstantAlpha = 255;
  bool PerPixel = false;
};

void LayOn(TPixelImage& AScreen, const TRect& AScreenBounds, const THeadlessBackend& ABackend,
           const TScreenLayer& ALayer) {
  TRect Area;
  if (!IntersectRect(Area, ALayer.Rect, AScreenBounds)) return;
  for (int Y = Area.Top; Y < Area.Bottom; ++Y)
    for (int X = Area.Left; X < Area.Right; ++X) {
      const TPoint InWindow{X - ALayer.Rect.Left, Y - ALayer.Rect.Top};
      uint32_t Pixel = 0;
      if ((ALayer.Region && !ALayer.Region->Contains(InWindow)) ||
          !ReadPresented(ABackend, ALayer.Window, InWindow.X, InWindow.Y, Pixel))
        continue;
      if (!ALayer.PerPixel) Pixel |= 0xFF000000;
      Pixel = Pack(MultiplyChannel(Channel(Pixel, 0), ALayer.ConstantAlpha),
                   MultiplyChannel(Channel(Pixel, 8), ALayer.ConstantAlpha),
                   MultiplyChannel(Channel(Pixel, 16), ALayer.ConstantAlpha),
                   MultiplyChannel(Channel(Pixel, 24), ALayer.ConstantAlpha));
      uint32_t& Below = AScreen.Row(Y - AScreenBounds.Top)[X - AScreenBounds.Left];
      Below = Over(Pixel, Below);
    }
}

void SavePicture(const TPixelImage& APicture, const String& AFileName) {
  const std::vector<uint8_t> Png = EncodePng(APicture, APicture.HasAlpha);
  WriteFileAtomically(AFileName, std::string_view(reinterpret_cast<const char*>(Png.data()), Png.size()));
}

}  // namespace

TPixelImage WindowPicture(HWND AWindow) {
  RequireUIThread("WindowPicture");
  const THeadlessBackend& Backend = Headless();
  TPixelImage Picture;
  const TWindow* Window = FindWindowRecord(AWindow);
  const HWND TopLevel = TopLevelWindowOf(AWindow);
  if (!Window || !TopLevel) return Picture;
  const TWindow& TopLevelWindow = *FindWindowRecord(TopLevel);
  const bool PerPixel = Backend.HasPerPixelAlpha(TopLevel);
  ResizePixelImage(Picture, Window->WindowRect.Width(), Window->WindowRect.Height(), 0);
  Picture.HasAlpha = PerPixel;
  const int OffsetX = Window->WindowRect.Left - TopLevelWindow.WindowRect.Left;
  const int OffsetY = Window->WindowRect.Top - TopLevelWindow.WindowRect.Top;
  for (int Y = 0; Y < Picture.Height; ++Y)
    for (int X = 0; X < Picture.Width; ++X) {
      uint32_t Pixel = 0;
      if (ReadPresented(Backend, TopLevel, X + OffsetX, Y + OffsetY, Pixel))
        Picture.Row(Y)[X] = PerPixel ? Unpremultiplied(Pixel) : Pixel | 0xFF000000;
    }
  return Picture;
}

COLORREF PresentedPixel(HWND AWindow, int AX, int AY) {
  RequireUIThread("PresentedPixel");
  const THeadlessBackend& Backend = Headless();
  const TWindow* Window = FindWindowRecord(AWindow);
  const TWindow* TopLevel = FindWindowRecord(TopLevelWindowOf(AWindow));
  if (!Window || !TopLevel ||
      !PtInRect(Bounds(0, 0, Window->WindowRect.Width(), Window->WindowRect.Height()), {AX, AY}))
    return CLR_INVALID;
  uint32_t Pixel = 0;
  if (!ReadPresented(Backend, TopLevel->Handle, AX + Window->WindowRect.Left - TopLevel->WindowRect.Left,
                     AY + Window->WindowRect.Top - TopLevel->WindowRect.Top, Pixel))
    return CLR_INVALID;
  return RGB(Channel(Pixel, 16), Channel(Pixel, 8), Channel(Pixel, 0));
}

TPixelImage ScreenPicture() {
  RequireUIThread("ScreenPicture");
  const THeadlessBackend& Backend = Headless();
  TRect Bounds;
  for (const TMonitorDescription& Monitor : Backend.Monitors()) UnionRect(Bounds, Bounds, Monitor.Bounds);
  TPixelImage Screen;
  ResizePixelImage(Screen, Bounds.Width(), Bounds.Height());
  const std::vector<HWND>& TopToBottom = Backend.StackingOrder();
  for (auto Window = TopToBottom.rbegin(); Window != TopToBottom.rend(); ++Window) {
    if (!Backend.IsKnown(*Window) || !Backend.IsShown(*Window) || IsIconic(*Window)) continue;
    LayOn(Screen, Bounds, Backend,
          {*Window, Backend.WindowRect(*Window), Backend.Region(*Window), Backend.ConstantAlpha(*Window),
           Backend.HasPerPixelAlpha(*Window)});
  }
  return Screen;
}

void SaveWindowPicture(HWND AWindow, const String& AFileName) {
  SavePicture(WindowPicture(AWindow), AFileName);
}

void SaveScreenPicture(const String& AFileName) { SavePicture(ScreenPicture(), AFileName); }
