#pragma once
// The converter's "-vol": the samples of a frame scaled by AVolume / 256, clipped to the
// range of their format, packed or planar.

#include "Src/FFEntryPoints.h"

// Scales ASamples samples in each of APlanes (one plane for packed audio, one per
// channel for planar audio; the caller counts the samples of all channels of a packed
// plane) of AFormat in place. False, with nothing changed, for a format it does not know.
bool AdjustVolume(uint8_t* const* APlanes, int APlaneCount, int ASamples, AVSampleFormat AFormat,
                  int AVolume);
