// The built-in look shared by the main menu bar's items and a maximized document's
// buttons on it.
#pragma once

#include "platform/gdi/Graphics.h"

// ARect filled with the bar's face, or, when ALit, framed in navy and filled with the
// hot fill (the pressed one when ADown).
void DrawBuiltInBarCell(TCanvas& ACanvas, const TRect& ARect, bool ALit, bool ADown);
