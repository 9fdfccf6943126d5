#include "platform/win/ScrollWindow.h"

#include <cstring>
#include <vector>

#include "platform/win/PaintStateInternal.h"
#include "platform/win/Painting.h"
#include "platform/win/PaintingInternal.h"
#include "platform/win/SurfacesInternal.h"
#include "platform/win/VisibleRegionInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

// Gives every pixel of ATargets (bitmap coordinates) the pixel (ADX, ADY) away from
// it, through a copy of the source, so that overlapping areas move whole.
void MovePixels(const TBitmapObject& ABitmap, const TRegion& ATargets, int ADX, int ADY) {
  if (ATargets.IsEmpty()) return;
  TRect Source = ATargets.Box();
  OffsetRect(Source, -ADX, -ADY);
  const std::size_t RowBytes = static_cast<std::size_t>(Source.Width()) * 4;
  std::vector<uint8_t> Copy(RowBytes * static_cast<std::size_t>(Source.Height()));
  for (int Y = 0; Y < Source.Height(); ++Y)
    std::memcpy(Copy.data() + RowBytes * Y, ABitmap.Surface().Pixel(Source.Left, Source.Top + Y), RowBytes);
  for (const TRect& Target : ATargets.Rectangles())
    for (int Y = Target.Top; Y < Target.Bottom; ++Y)
      std::memcpy(ABitmap.Surface().Pixel(Target.Left, Y),
                  Copy.data() + RowBytes * (Y - ADY - Source.Top) + 4 * (Target.Left - ADX - Source.Left),
                  static_cast<std::size_t>(Target.Width()) * 4);
}

// The invalid part of the window's client area that lay inside AScroll moves with the
// pixels; what the move overwrote inside AScroll and AClip no longer counts.
void MoveUpdateRegion(TWindow& AWindow, const TRect& AScroll, const TRect& AClip, int ADX, int ADY) {
  const TRect Client = ClientRectInWindow(AWindow);
  TRegion Update = TRegion::Combine(AWindow.UpdateRegion, TRegion(Client), roAnd);
  Update.Offset(-Client.Left, -Client.Top);
  TRegion Moved = TRegion::Combine(Update, TRegion(AScroll), roAnd);
  if (Moved.IsEmpty()) return;
  Moved.Offset(ADX, ADY);
  Moved = TRegion::Combine(Moved, TRegion(AClip), roAnd);
  TRect Target;
  IntersectRect(Target, AScroll, AClip);
  Update = TRegion::Combine(TRegion::Combine(Update, TRegion(Target), roDiff), Moved, roOr);
  Update.Offset(Client.Left, Client.Top);
  AWindow.UpdateRegion =
      TRegion::Combine(TRegion::Combine(AWindow.UpdateRegion, TRegion(Client), roDiff), Update, roOr);
  RefreshPaintPending(AWindow);
}

// A parent that does not clip its children moved their pixels too: they paint again.
void RepaintChildrenIn(const TWindow& AWindow, const TRegion& AClientArea) {
  for (HWND Child : std::vector<HWND>(AWindow.Children)) {
    TWindow* ChildWindow = FindWindowRecord(Child);
    if (!ChildWindow || !ChildWindow->IsVisible()) continue;
    TRect InClient = ChildWindow->WindowRect;
    OffsetRect(InClient, -AWindow.ClientRect.Left, -AWindow.ClientRect.Top);
    if (AClientArea.Intersects(InClient)) InvalidateWholeWindow(*ChildWindow);
  }
}

}  // namespace

int ScrollWindowEx(HWND AWindow, int ADX, int ADY, const RECT* AScroll, const RECT* AClip, HRGN AUpdateRegion,
                   RECT* AUpdateRect, UINT AFlags) {
  RequireUIThread("ScrollWindowEx");
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window || Window == &DesktopRecord()) return ERROR;
  const TRect ClientBounds = Bounds(0, 0, Window->ClientRect.Width(), Window->ClientRect.Height());
  TRect Scroll = ClientBounds;
  TRect Clip = ClientBounds;
  if (AScroll) IntersectRect(Scroll, *AScroll, ClientBounds);
  if (AClip) IntersectRect(Clip, *AClip, ClientBounds);

  TWindow& TopLevel = *FindWindowRecord(TopLevelWindowOf(AWindow));
  const TPoint ClientOrigin{Window->ClientRect.Left - TopLevel.WindowRect.Left,
                            Window->ClientRect.Top - TopLevel.WindowRect.Top};
  const TTopLevelSurface& Surface = SurfaceOf(TopLevel);
  TRegion Visible;
  if (Surface.Bitmap && !PaintStateOf(TopLevel).HasLayeredPicture) {
    Visible = VisibleRegion(*Window, true);
    Visible.Offset(-ClientOrigin.X, -ClientOrigin.Y);
  }
  // The pixels that arrive from a visible place at a visible place inside the clip.
  TRegion Moved = TRegion::Combine(TRegion(Scroll), Visible, roAnd);
  Moved.Offset(ADX, ADY);
  Moved = TRegion::Combine(TRegion::Combine(Moved, TRegion(Clip), roAnd), Visible, roAnd);
  TRect Target;
  IntersectRect(Target, Scroll, Clip);
  const TRegion Invalid = TRegion::Combine(TRegion(Target), Moved, roDiff);

  TRegion MovedOnBitmap = Moved;
  MovedOnBitmap.Offset(ClientOrigin.X, ClientOrigin.Y);
  if (Surface.Bitmap) MovePixels(*Surface.Bitmap, MovedOnBitmap, ADX, ADY);
  MarkSurfaceChanged(TopLevel.Handle, MovedOnBitmap.Box());
  MoveUpdateRegion(*Window, Scroll, Clip, ADX, ADY);
  if (!(Window->Style & WS_CLIPCHILDREN)) RepaintChildrenIn(*Window, Moved);
  if (AFlags & SW_INVALIDATE)
    InvalidateWindow(*Window, &Invalid, RDW_INVALIDATE | ((AFlags & SW_ERASE) ? RDW_ERASE : 0));
  if (AUpdateRegion) AUpdateRegion->Region = Invalid;
  if (AUpdateRect) *AUpdateRect = Invalid.Box();
  PresentChangedSurfacesUnlessPainting();
  return RegionKind(Invalid);
}
