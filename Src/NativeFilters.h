#pragma once
// The engine's own video filters, usable by name in any chain of VideoFilterChain.h:
//
//   rotate[=degrees]            turns the picture by whole degrees (45 when no angle is
//                               given) into a picture large enough to hold it; positive
//                               angles turn clockwise, the uncovered corners are black.
//   nativeeq[=brightness[:contrast]]   changes brightness and contrast of the luma plane.
//   nativehue[=hue[:saturation]]       turns the hue and changes the saturation of the
//                                      chroma planes.
//
// The values of "nativeeq" and "nativehue" run from -100 to 100 (values outside are
// forced to the nearer limit and logged). Each is a decimal integer, empty (0), or
// "@N" for the live parameter N (LiveParameters.h), read again for every picture. The
// values may also be given by name, as in "nativeeq=contrast=@4".
//
// Each Register function registers its filter once per process; later calls do
// nothing. They need libavfilter loaded; the loader calls them each time it binds it.

void RegisterRotateFilter();
void RegisterNativeEqFilter();
void RegisterNativeHueFilter();
