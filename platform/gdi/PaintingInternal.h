#pragma once
// Clipped painting in bitmap coordinates, the last step of every pen and brush drawing.
// Internal to the drawing layer.

#include "platform/gdi/DeviceContext.h"

// The rectangle with its corners put in order.
TRect OrderedRect(int ALeft, int ATop, int ARight, int ABottom);

// Paints the visible part of ASurfaceRect (bitmap coordinates) with colour APixel under
// mix mode ARop2; alpha becomes 0.
void PaintRect(const TDeviceContext& ADC, const TRect& ASurfaceRect, uint32_t APixel, int ARop2);
// The same for every rectangle of a region (bitmap coordinates).
void PaintRegion(const TDeviceContext& ADC, const TRegion& ASurfaceRegion, uint32_t APixel, int ARop2);
