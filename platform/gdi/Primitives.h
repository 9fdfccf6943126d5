#pragma once
// Lines, figures and pixels, drawn with the device context's pen, brush and mix mode
// (SetROP2), in logical coordinates, honouring origin and clip. On a 32-bit bitmap every
// pixel drawn gets alpha 0.
//
// Pixel rules, those of the window system:
// - A line includes its start point and excludes its end point; a polyline therefore
//   draws every pixel once and leaves out its last point.
// - Rectangle(l, t, r, b) with a 1-pixel pen draws the outline on the pixels
//   l..r−1 × t..b−1 and fills the inside with the brush; with the null pen it fills
//   l..r−2 × t..b−2 (the rectangle is one pixel smaller). A wider pen draws its width
//   inwards from the same outline.
// - Ellipse(l, t, r, b) fills and outlines the ellipse inscribed in the pixels
//   l..r−1 × t..b−1 (a pixel belongs to it when its centre does): the outline is the
//   ellipse's pixels that have a neighbour outside it, always solid; a wider pen draws
//   its width inwards. With the null pen it is one pixel smaller, like Rectangle.
// - Polygon fills (alternate rule) the pixels whose top-left corner point lies inside
//   the figure, left and top edges included, then outlines it as a closed polyline.
// - A hollow brush fills nothing; the null pen draws nothing.
// Lines are stepped with the midpoint rule; horizontal, vertical and 45° lines cover
// exactly the pixels between their ends.

#include "platform/gdi/DeviceContext.h"

bool MoveToEx(HDC ADC, int AX, int AY, POINT* AOldPosition);
// Draws from the current position to (AX, AY), which becomes the current position.
bool LineTo(HDC ADC, int AX, int AY);
bool Polyline(HDC ADC, const POINT* APoints, int ACount);
// Several polylines; ACounts[i] points each.
bool PolyPolyline(HDC ADC, const POINT* APoints, const uint32_t* ACounts, uint32_t APolylineCount);
bool Polygon(HDC ADC, const POINT* APoints, int ACount);
bool Rectangle(HDC ADC, int ALeft, int ATop, int ARight, int ABottom);
bool Ellipse(HDC ADC, int ALeft, int ATop, int ARight, int ABottom);

// Fills [left, right) × [top, bottom) with the brush's colour (the mix mode does not
// apply); a hollow brush fills nothing. Returns false for a null brush handle.
bool FillRect(HDC ADC, const RECT* ARect, HBRUSH ABrush);
// A one-pixel frame inside the rectangle, in the brush's colour.
bool FrameRect(HDC ADC, const RECT* ARect, HBRUSH ABrush);
// Inverts (exclusive or with white) every other pixel of a one-pixel frame inside the
// rectangle: the pixels whose device x + y is even. Drawing it twice removes it.
bool DrawFocusRect(HDC ADC, const RECT* ARect);

// Writes AColor and returns it; CLR_INVALID when the pixel is not visible.
COLORREF SetPixel(HDC ADC, int AX, int AY, COLORREF AColor);
// The colour (blue, green, red) of the pixel; CLR_INVALID when it is not visible.
COLORREF GetPixel(HDC ADC, int AX, int AY);
