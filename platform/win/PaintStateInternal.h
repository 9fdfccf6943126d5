#pragma once
// The state of the painting part of the window system (internal to platform/win).
//
// A window's update region is TWindow::UpdateRegion, kept in window coordinates (the
// top-left corner of the window rectangle is (0, 0)) and covering frame and client
// area alike: its client part is what WM_PAINT must paint, its frame part what
// WM_NCPAINT must. The rest of a window's paint bookkeeping is its TWindowPaintState
// (TWindow::PaintState). A top-level window also owns the backing bitmap that it and
// every window inside it draw into (Surfaces.h).
//
// Windows waiting for WM_PAINT are counted, so that the message queue, which asks on
// every look whether anything needs painting, gets its "no" without walking the tree.
//
// User-interface thread only.

#include <cstdint>
#include <map>
#include <memory>

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WindowInternal.h"

// The backing bitmap of a top-level window: its whole window rectangle (frame and
// client) in 32-bit pixels, kept between paints, so that what a paint leaves alone
// keeps its last look.
struct TTopLevelSurface {
  TTopLevelSurface() = default;
  TTopLevelSurface(const TTopLevelSurface&) = delete;
  TTopLevelSurface& operator=(const TTopLevelSurface&) = delete;
  // Lets go of the bitmap; device contexts still drawing into it keep it alive.
  ~TTopLevelSurface();

  // Top-down and as large as the window rectangle; nullptr for an empty window.
  HBITMAP Bitmap = nullptr;
  // What changed since the bitmap was last presented, in window coordinates.
  TRect Dirty;
};

// A visible region kept with the geometry change count it was worked out at
// (GeometryChangeCount); 0: never worked out.
struct TKeptVisibleRegion {
  std::uint64_t Count = 0;
  TRegion Region;
};

class TWindowPaintState {
 public:
  // The frame was invalidated: WM_NCPAINT is due before the next WM_PAINT, even when
  // the frame has no area (a window learns this way that it was shown or sized).
  bool FramePending = false;
  // WM_ERASEBKGND is due before the next WM_PAINT.
  bool ErasePending = false;
  // WM_ERASEBKGND came and answered 0: BeginPaint tells the window through fErase that
  // its background is still to be erased.
  bool EraseLeftUndone = false;
  // RDW_INTERNALPAINT: a WM_PAINT is due even with an empty update region.
  bool InternalPaint = false;
  // WM_SETREDRAW FALSE: the window and its descendants neither collect invalid areas
  // nor draw, until WM_SETREDRAW TRUE.
  bool RedrawOff = false;
  // The default frame draws the caption in the active colours (WM_NCACTIVATE).
  bool FrameActive = false;
  // Whether the window is counted among those waiting for WM_PAINT.
  bool CountedAsPending = false;

  // Top-level windows whose picture UpdateLayeredWindow gives: painting does not reach
  // the backing bitmap, and the picture is shown with this constant alpha, with or
  // without per-pixel alpha.
  bool HasLayeredPicture = false;
  BYTE PictureAlpha = 255;
  bool PictureHasPerPixelAlpha = false;

  // The visible regions of the client area and of the whole window (VisibleRegion), kept
  // while the geometry of the window tree stays as it was: a paint cycle opens two
  // device contexts per window, and a repaint of many controls reaches the same
  // windows again.
  TKeptVisibleRegion VisibleClient;
  TKeptVisibleRegion VisibleWindow;

  // Top-level windows: the backing bitmap, made when first needed.
  std::unique_ptr<TTopLevelSurface> Surface;
};

// The window's paint state, made on first use.
TWindowPaintState& PaintStateOf(TWindow& AWindow);

// A device context handed out for a window (GetDC, GetWindowDC, BeginPaint) or for the
// screen (GetDC(nullptr): Window is nullptr).
struct TOpenWindowDC {
  HWND Window = nullptr;
  HWND TopLevel = nullptr;
  // The pixels it may draw, in the top-level window's coordinates: what its release
  // marks as changed.
  TRect Reach;
  // Handed out by BeginPaint.
  bool IsPaintDC = false;
};

// The painting state of one run of the window system: the first use after
// StartWindowSystem finds it fresh, and frees the device contexts that the previous run
// handed out and never got back.
struct TPaintRun {
  // The desktop window of the run: handles are never given out twice.
  HWND Desktop = nullptr;
  // Windows waiting for WM_PAINT.
  int PendingWindows = 0;
  // Counts the windows that started waiting for WM_PAINT and the changes of the order
  // of the window tree: the search for the next window to paint resumes after the one
  // it found last (PaintSearchResume) only while the count is still PaintSearchChanges.
  unsigned PaintOrderChanges = 0;
  unsigned PaintSearchChanges = 0;
  HWND PaintSearchResume = nullptr;
  // Device contexts of BeginPaint not yet taken back.
  int OpenPaints = 0;
  std::map<HDC, TOpenWindowDC> OpenDCs;
};

TPaintRun& PaintRun();

// Whether drawing reaches the window at all: it is not the desktop (which belongs to
// the backend), it and its ancestors are visible, none of them switched redrawing off,
// and none is being destroyed.
bool IsDrawable(const TWindow& AWindow);
// The client rectangle in window coordinates.
TRect ClientRectInWindow(const TWindow& AWindow);
// The whole window in window coordinates: (0, 0, width, height).
TRect WindowBoundsInWindow(const TWindow& AWindow);

// Whether the window waits for WM_PAINT: it is drawable and has an invalid area, a
// pending frame paint or an internal paint.
bool NeedsPaint(TWindow& AWindow);
// Counts the window among the waiting ones, or stops counting it, after its paint
// state changed.
void RefreshPaintPending(TWindow& AWindow);
// The same for the window and all its descendants (their visibility changed).
void RefreshPaintPendingTree(TWindow& AWindow);
// After a window moved in the tree or among its siblings: the next search for a window
// to paint starts from the top.
void NotePaintOrderChange();
// Forgets everything the window and its descendants still had to paint.
void ClearPaintStateTree(TWindow& AWindow);
