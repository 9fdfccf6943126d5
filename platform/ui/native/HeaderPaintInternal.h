#pragma once
// The header's default look, for its own WM_PAINT: raised button faces with the
// captions (and images) aligned as each section's format says; the pressed section
// sunk. Internal to the header control.

#include "platform/ui/native/HeaderModel.h"

void PaintHeaderSections(HDC ADC, const THeaderModel& AModel, int AWidth, int AHeight, int APressed);
