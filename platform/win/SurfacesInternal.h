#pragma once
// The backing bitmaps of top-level windows and how their pictures reach the backend
// (internal to platform/win). User-interface thread only.
//
// A picture is handed to the backend (PresentImage) when the drawing of the moment is
// done: when a device context is released outside painting (GetDC, GetWindowDC), when
// the last window waiting for WM_PAINT has painted or the message queue finds none left
// to paint, at the end of UpdateWindow, and after UpdateLayeredWindow and
// ScrollWindowEx. Each hand-over names the part that changed since the previous one.
// Hidden windows keep their changes until they are shown. Pixel alpha carries meaning
// only for windows the backend shows with per-pixel alpha.

#include "platform/gdi/Geometry.h"
#include "platform/win/PaintStateInternal.h"

// The top-level window's backing bitmap, made or fitted to the window's size first: a
// new size keeps the pixels both sizes share, the rest starts black.
TTopLevelSurface& SurfaceOf(TWindow& ATopLevel);
// Notes that the area (the top-level window's coordinates) of its picture changed.
void MarkSurfaceChanged(HWND ATopLevel, const TRect& AArea);
// Hands the changed pictures of all visible top-level windows to the backend.
void PresentChangedSurfaces();
// The same, unless a BeginPaint is still open.
void PresentChangedSurfacesUnlessPainting();
// The same, unless painting is under way: a BeginPaint is open or windows still wait
// for WM_PAINT (their painting hands the pictures over when it is done).
void PresentChangedSurfacesWhenIdle();
// Tells the backend the constant alpha of the top-level window and whether its picture
// carries per-pixel alpha, from its layered state.
void ReportTopLevelAlpha(TWindow& ATopLevel);
