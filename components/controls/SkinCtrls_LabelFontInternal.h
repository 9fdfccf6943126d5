#pragma once
// What the windowless labels (standard label, button label, link label) share: they
// are not skinned-control descendants, so each keeps its own skin data and element
// index and reads the text colours and font of its "stdlabel"-kind element itself.
// User-interface thread.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinElementLookup.h"

// FindSkinElement; when the element is a TspDataSkinStdLabelControl its font and colours are
// copied into AFont; an element of another kind leaves AFont as it was.
int FindStdLabelElement(const TspSkinData* ASkinData, const String& AName, TspStdLabelFont& AFont);

// ACanvas's font becomes AFont's name, height and style (the colour stays).
void SetCanvasFontFace(TCanvas& ACanvas, const TspStdLabelFont& AFont);

// A disabled label's text: once moved one pixel down and right in the highlight
// colour, once in place in the shadow colour; the skin's colours when AColors is set,
// else the system's.
void DrawDisabledLabelText(TCanvas& ACanvas, const String& AText, TRect ARect, unsigned AFlags,
                           const TspSkinColors* AColors);
