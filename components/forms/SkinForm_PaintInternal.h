#pragma once
// What the skin form's painting files share.

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"

// The skin's inactive-window effect applied to ABitmap in place.
void ApplySkinInActiveEffect(TspEffectBmp& ABitmap, TspInActiveEffect AEffect);
