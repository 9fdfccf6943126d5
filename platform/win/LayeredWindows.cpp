#include "platform/win/LayeredWindows.h"

#include <algorithm>
#include <cstring>

#include "platform/win/PaintStateInternal.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"

namespace {

TWindow* LayeredTopLevel(HWND AWindow) {
  TWindow* Window = FindWindowRecord(AWindow);
  return Window && Window->IsTopLevel() && (Window->ExStyle & WS_EX_LAYERED) ? Window : nullptr;
}

// Copies the picture into the backing bitmap, the pixels of colour AKey (when given)
// fully transparent and the others opaque.
void CopyPicture(const TSurface& ASource, TPoint ASourceOrigin, const TBitmapObject& ATarget,
                 const COLORREF* AKey) {
  const int Width = std::min(ATarget.Width(), ASource.Width - ASourceOrigin.X);
  const int Height = std::min(ATarget.Height(), ASource.Height - ASourceOrigin.Y);
  for (int Y = 0; Y < Height; ++Y) {
    const uint8_t* From = ASource.Pixel(ASourceOrigin.X, ASourceOrigin.Y + Y);
    uint8_t* To = ATarget.Surface().Row(Y);
    std::memcpy(To, From, static_cast<std::size_t>(Width) * 4);
    if (!AKey) continue;
    for (int X = 0; X < Width; ++X, To += 4) {
      const bool IsKey = RGB(To[2], To[1], To[0]) == (*AKey & 0xFFFFFF);
      if (IsKey)
        std::memset(To, 0, 4);
      else
        To[3] = 255;
    }
  }
}

}  // namespace

bool SetLayeredWindowAttributes(HWND AWindow, COLORREF AKey, BYTE AAlpha, DWORD AFlags) {
  RequireUIThread("SetLayeredWindowAttributes");
  TWindow* Window = LayeredTopLevel(AWindow);
  if (!Window) return false;
  Window->Layered = TLayeredAttributes{true, AKey, AAlpha, AFlags};
  TWindowPaintState& State = PaintStateOf(*Window);
  const bool HadPicture = State.HasLayeredPicture;
  State.HasLayeredPicture = false;
  ReportTopLevelAlpha(*Window);
  if (HadPicture) {
    // The window paints its own picture again.
    InvalidateWholeWindow(*Window);
  } else if (State.Surface) {
    // A new colour key changes which pixels show.
    MarkSurfaceChanged(AWindow, WindowBoundsInWindow(*Window));
    PresentChangedSurfacesWhenIdle();
  }
  return true;
}

bool GetLayeredWindowAttributes(HWND AWindow, COLORREF* AKey, BYTE* AAlpha, DWORD* AFlags) {
  RequireUIThread("GetLayeredWindowAttributes");
  const TWindow* Window = LayeredTopLevel(AWindow);
  if (!Window || !Window->Layered.IsSet) return false;
  if (AKey) *AKey = Window->Layered.ColorKey;
  if (AAlpha) *AAlpha = Window->Layered.Alpha;
  if (AFlags) *AFlags = Window->Layered.Flags;
  return true;
}

bool UpdateLayeredWindow(HWND AWindow, HDC, const POINT* ADestPoint, const SIZE* ASize, HDC ASource,
                         const POINT* ASourcePoint, COLORREF AKey, const BLENDFUNCTION* ABlend,
                         DWORD AFlags) {
  RequireUIThread("UpdateLayeredWindow");
  const TWindow* Layered = LayeredTopLevel(AWindow);
  if (!Layered || (ASize && (ASize->cx <= 0 || ASize->cy <= 0))) return false;
  const TSize Size = ASize ? *ASize : TSize{Layered->WindowRect.Width(), Layered->WindowRect.Height()};
  TPoint SourceOrigin;
  if (ASource) {
    const TSurface& Source = ASource->Surface();
    SourceOrigin = ASource->LogicalToSurface(ASourcePoint ? *ASourcePoint : TPoint{});
    if (Source.BitsPerPixel != 32 || SourceOrigin.X < 0 || SourceOrigin.Y < 0 ||
        SourceOrigin.X + Size.cx > Source.Width || SourceOrigin.Y + Size.cy > Source.Height)
      return false;
  }
  if (ADestPoint || ASize)
    SetWindowPos(AWindow, nullptr, ADestPoint ? ADestPoint->X : 0, ADestPoint ? ADestPoint->Y : 0, Size.cx,
                 Size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (ADestPoint ? 0 : SWP_NOMOVE) | (ASize ? 0 : SWP_NOSIZE));
  TWindow* Window = LayeredTopLevel(AWindow);
  if (!Window) return false;

  TWindowPaintState& State = PaintStateOf(*Window);
  const bool KeyOut = (AFlags & ULW_COLORKEY) != 0;
  const bool Blend = (AFlags & ULW_ALPHA) && !(AFlags & ULW_OPAQUE) && ABlend;
  State.HasLayeredPicture = true;
  State.PictureAlpha = Blend ? ABlend->SourceConstantAlpha : 255;
  State.PictureHasPerPixelAlpha = KeyOut || (Blend && (ABlend->AlphaFormat & AC_SRC_ALPHA));
  Window->Layered = TLayeredAttributes();
  const TTopLevelSurface& Surface = SurfaceOf(*Window);
  if (ASource && Surface.Bitmap)
    CopyPicture(ASource->Surface(), SourceOrigin, *Surface.Bitmap, KeyOut ? &AKey : nullptr);
  ReportTopLevelAlpha(*Window);
  MarkSurfaceChanged(AWindow, WindowBoundsInWindow(*Window));
  PresentChangedSurfacesUnlessPainting();
  return true;
}
