#pragma once
// Which drawing objects are in use by device contexts, for DeleteObject: an object
// selected into a device context (in its current or a saved state) is not freed until
// the last device context lets go of it, and stock objects are never freed. Each object
// keeps its own record, counted atomically, so that device contexts on different threads
// may share pens and brushes. Internal to the drawing layer.

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/GdiObject.h"

class TDeviceContext;

// Counts one more use of AObject (nullptr is ignored).
void RetainObject(HGDIOBJ AObject);
// Counts a use of ABitmap by ADC; false, counting nothing, when the bitmap is in use by
// another device context (the shared default bitmap never is).
bool RetainBitmap(HBITMAP ABitmap, TDeviceContext* ADC);
// Counts one use less; frees the object when that was the last use and DeleteObject
// asked for it meanwhile.
void ReleaseObject(HGDIOBJ AObject);
// Frees AObject now, or when its last use ends; stock objects are kept.
void DeleteWhenUnused(HGDIOBJ AObject);
void MarkStock(HGDIOBJ AObject);
