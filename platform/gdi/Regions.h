#pragma once
// The window system's region calls over TRegion. A region handle is a pointer to a
// TRegionObject; the caller owns it and frees it with DeleteObject. Calls given a null
// handle fail (ERROR, false, 0 or nullptr) instead of touching memory.

#include <cstddef>
#include <cstdint>
#include <utility>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Region.h"

class TRegionObject : public TGdiObject {
 public:
  TRegionObject() = default;
  explicit TRegionObject(TRegion ARegion) : Region(std::move(ARegion)) {}
  TGdiObjectType ObjectType() const override { return OBJ_REGION; }

  TRegion Region;
};

using HRGN = TRegionObject*;

// Region kinds, returned by the calls that make or change a region.
constexpr int ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// CombineRgn modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// Region data: this 32-byte header, then nCount rectangles of 16 bytes each.
constexpr uint32_t RDH_RECTANGLES = 1;

struct RGNDATAHEADER {
  uint32_t dwSize = 0;  // 32, the size of this header
  uint32_t iType = 0;   // RDH_RECTANGLES
  uint32_t nCount = 0;  // number of rectangles that follow
  uint32_t nRgnSize = 0;
  RECT rcBound;
};
static_assert(sizeof(RGNDATAHEADER) == 32 && sizeof(RECT) == 16);

struct RGNDATA {
  RGNDATAHEADER rdh;
  char Buffer[1];  // the rectangles start here
};

// NULLREGION, SIMPLEREGION or COMPLEXREGION.
int RegionKind(const TRegion& ARegion);

// A rectangle region; the corners are put in order first, so (10, 10, 0, 0) gives the
// same region as (0, 0, 10, 10).
HRGN CreateRectRgn(int ALeft, int ATop, int ARight, int ABottom);
HRGN CreateRectRgnIndirect(const RECT* ARect);
bool SetRectRgn(HRGN ARegion, int ALeft, int ATop, int ARight, int ABottom);

// ADest := ASrc1 op ASrc2 (ASrc2 is not used by RGN_COPY); any of them may be the same
// handle. Returns the kind of the result, or ERROR (ADest unchanged) for a null handle
// or an unknown mode.
int CombineRgn(HRGN ADest, HRGN ASrc1, HRGN ASrc2, int AMode);

// A region from region data of ASize bytes. Transforms are not supported: the first
// argument is always nullptr. Returns nullptr when the header is not a 32-byte
// RDH_RECTANGLES header or the rectangles it counts do not fit in ASize. Empty or
// inverted rectangles add nothing; the others may come in any order and overlap.
HRGN ExtCreateRegion(std::nullptr_t AXform, uint32_t ASize, const RGNDATA* AData);

// Writes the region's data (rectangles in banded order) into AData when ASize bytes
// suffice, and returns ASize. Returns the size needed, writing nothing, when AData is
// null or ASize is too small; 0 for a null handle or a size beyond 32 bits.
uint32_t GetRegionData(HRGN ARegion, uint32_t ASize, RGNDATA* AData);

// Returns the kind of the moved region, or ERROR (region unchanged) for a null handle
// or a move that would leave the range of int.
int OffsetRgn(HRGN ARegion, int ADX, int ADY);
bool PtInRegion(HRGN ARegion, int AX, int AY);
// True when any pixel of the rectangle lies in the region.
bool RectInRegion(HRGN ARegion, const RECT* ARect);
// Stores the bounding rectangle (all zero for an empty region) and returns the kind.
int GetRgnBox(HRGN ARegion, RECT* ARect);
bool EqualRgn(HRGN A, HRGN B);
