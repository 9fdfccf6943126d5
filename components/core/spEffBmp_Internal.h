#pragma once
// Shared by the spEffBmp_*.cpp files only.

#include "components/core/spEffBmp.h"

// The name and rectangle fields of the stream formats of TspBitmap and TspBitmapLink.
String ReadStoredName(TStream& AStream);
void WriteStoredName(TStream& AStream, const String& AName);
TRect ReadStoredRect(TStream& AStream);
void WriteStoredRect(TStream& AStream, const TRect& ARect);

// How a draw treats the source's pixels, from its flags.
enum TDrawMode { dmOpaque, dmAlpha, dmTransparent };
TDrawMode DrawModeOf(const TspBitmap& ABitmap);

// The route of ABitmap's mode into another bitmap, into a section and onto a device
// context.
TDrawRoutes::TToBitmap BitmapRouteOf(const TspBitmap& ABitmap);
TDrawRoutes::TToDIB SectionRouteOf(const TspBitmap& ABitmap);
TDrawRoutes::TToDC DCRouteOf(const TspBitmap& ABitmap);

// Makes the keyed route to device contexts the system's keyed transfer or the
// composing one.
void ChooseTransparentDCRoute(bool AUseSystemTransfer);
