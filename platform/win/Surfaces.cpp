#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/Backend.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

bool IsColorKeyed(TWindow& ATopLevel) {
  return (ATopLevel.ExStyle & WS_EX_LAYERED) && ATopLevel.Layered.IsSet &&
         (ATopLevel.Layered.Flags & LWA_COLORKEY) && !PaintStateOf(ATopLevel).HasLayeredPicture;
}

// The picture as a backend with per-pixel alpha must see a colour-keyed window: pixels
// of the key colour fully transparent, all others opaque.
std::vector<uint8_t> KeyedCopy(const TBitmapObject& ABitmap, COLORREF AKey) {
  const int Width = ABitmap.Width();
  std::vector<uint8_t> Copy(static_cast<std::size_t>(Width) * ABitmap.Height() * 4);
  uint8_t* Target = Copy.data();
  for (int Y = 0; Y < ABitmap.Height(); ++Y) {
    const uint8_t* Source = ABitmap.Surface().Row(Y);
    for (int X = 0; X < Width; ++X, Source += 4, Target += 4) {
      const bool IsKey = RGB(Source[2], Source[1], Source[0]) == (AKey & 0xFFFFFF);
      Target[0] = IsKey ? 0 : Source[0];
      Target[1] = IsKey ? 0 : Source[1];
      Target[2] = IsKey ? 0 : Source[2];
      Target[3] = IsKey ? 0 : 255;
    }
  }
  return Copy;
}

void Present(TWindow& ATopLevel) {
  TTopLevelSurface& Surface = *PaintStateOf(ATopLevel).Surface;
  if (!ATopLevel.IsVisible()) return;
  TRect Dirty;
  const bool HasChange =
      Surface.Bitmap &&
      IntersectRect(Dirty, Surface.Dirty, Bounds(0, 0, Surface.Bitmap->Width(), Surface.Bitmap->Height()));
  Surface.Dirty = TRect();
  if (!HasChange) return;
  const TBitmapObject& Bitmap = *Surface.Bitmap;
  TPixelView View{Bitmap.Bits(), Bitmap.Width(), Bitmap.Height(), static_cast<int>(Bitmap.RowBytes())};
  std::vector<uint8_t> Keyed;
  if (IsColorKeyed(ATopLevel)) {
    Keyed = KeyedCopy(Bitmap, ATopLevel.Layered.ColorKey);
    View.Bits = Keyed.data();
    View.Stride = Bitmap.Width() * 4;
  }
  Backend().PresentImage(ATopLevel.Handle, View, Dirty);
}

void CopySharedPixels(const TBitmapObject& AFrom, const TBitmapObject& ATo) {
  const int Width = std::min(AFrom.Width(), ATo.Width());
  const int Height = std::min(AFrom.Height(), ATo.Height());
  for (int Y = 0; Y < Height; ++Y)
    std::memcpy(ATo.Surface().Row(Y), AFrom.Surface().Row(Y), static_cast<std::size_t>(Width) * 4);
}

}  // namespace

TTopLevelSurface& SurfaceOf(TWindow& ATopLevel) {
  TWindowPaintState& State = PaintStateOf(ATopLevel);
  if (!State.Surface) State.Surface = std::make_unique<TTopLevelSurface>();
  TTopLevelSurface& Surface = *State.Surface;
  const int Width = ATopLevel.WindowRect.Width();
  const int Height = ATopLevel.WindowRect.Height();
  const bool Fits = Surface.Bitmap ? Surface.Bitmap->Width() == Width && Surface.Bitmap->Height() == Height
                                   : Width <= 0 || Height <= 0;
  if (Fits) return Surface;
  const HBITMAP Fitted = Width > 0 && Height > 0 ? CreateDib(Width, Height, 32) : nullptr;
  if (Fitted) {
    // The window's device contexts all draw into this one bitmap at once.
    Fitted->MarkShared();
    if (Surface.Bitmap) CopySharedPixels(*Surface.Bitmap, *Fitted);
  }
  if (Surface.Bitmap) DeleteObject(Surface.Bitmap);
  Surface.Bitmap = Fitted;
  Surface.Dirty = Bounds(0, 0, Width, Height);
  return Surface;
}

void MarkSurfaceChanged(HWND ATopLevel, const TRect& AArea) {
  TWindow* TopLevel = FindWindowRecord(ATopLevel);
  if (!TopLevel || !TopLevel->PaintState || !TopLevel->PaintState->Surface) return;
  TRect& Dirty = TopLevel->PaintState->Surface->Dirty;
  UnionRect(Dirty, Dirty, AArea);
}

void PresentChangedSurfaces() {
  for (HWND Handle : std::vector<HWND>(DesktopRecord().Children)) {
    TWindow* TopLevel = FindWindowRecord(Handle);
    if (TopLevel && TopLevel->PaintState && TopLevel->PaintState->Surface &&
        !IsRectEmpty(TopLevel->PaintState->Surface->Dirty))
      Present(*TopLevel);
  }
}

void PresentChangedSurfacesUnlessPainting() {
  if (PaintRun().OpenPaints == 0) PresentChangedSurfaces();
}

void PresentChangedSurfacesWhenIdle() {
  if (PaintRun().PendingWindows == 0) PresentChangedSurfacesUnlessPainting();
}

void ReportTopLevelAlpha(TWindow& ATopLevel) {
  BYTE Alpha = 255;
  bool PerPixel = false;
  const TWindowPaintState& State = PaintStateOf(ATopLevel);
  if (ATopLevel.ExStyle & WS_EX_LAYERED) {
    if (State.HasLayeredPicture) {
      Alpha = State.PictureAlpha;
      PerPixel = State.PictureHasPerPixelAlpha;
    } else if (ATopLevel.Layered.IsSet) {
      if (ATopLevel.Layered.Flags & LWA_ALPHA) Alpha = ATopLevel.Layered.Alpha;
      PerPixel = (ATopLevel.Layered.Flags & LWA_COLORKEY) != 0;
    }
  }
  Backend().TopLevelAlphaChanged(ATopLevel.Handle, Alpha, PerPixel);
}
