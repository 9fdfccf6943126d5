#pragma once
// Where a window may draw: the visible region that its device contexts clip to
// (internal to platform/win).
//
// The rules are those of the system the program was designed on:
// - A window draws only inside its own rectangle and window region, and inside the
//   client area and window region of each of its ancestors.
// - WS_CLIPSIBLINGS on the window, or on an ancestor, leaves out the visible siblings
//   stacked above it (their rectangles cut by their window regions); without it a child
//   draws over the siblings above it.
// - WS_CLIPCHILDREN on the window leaves out its visible children.
// - A window that is not drawable (IsDrawable) reaches nothing.
//
// Regions are in the coordinates of the top-level window, which are those of its
// backing bitmap. User-interface thread only.

#include "platform/gdi/Region.h"
#include "platform/win/WindowInternal.h"

// The visible region of the window's client area (AClientArea) or of the whole window,
// worked out again only after the geometry of the window tree changed
// (NoteGeometryChange).
TRegion VisibleRegion(TWindow& AWindow, bool AClientArea);
// The window's rectangle cut by its window region, in the coordinates of the top-level
// window whose top-left corner lies at ATopLevelOrigin on the screen.
TRegion WindowShape(const TWindow& AWindow, TPoint ATopLevelOrigin);
