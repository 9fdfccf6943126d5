#include "platform/gdi/Regions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

TRect OrderedRect(int ALeft, int ATop, int ARight, int ABottom) {
  return {std::min(ALeft, ARight), std::min(ATop, ABottom), std::max(ALeft, ARight), std::max(ATop, ABottom)};
}

}  // namespace

int RegionKind(const TRegion& ARegion) {
  if (ARegion.IsEmpty()) return NULLREGION;
  return ARegion.IsRectangle() ? SIMPLEREGION : COMPLEXREGION;
}

HRGN CreateRectRgn(int ALeft, int ATop, int ARight, int ABottom) {
  // The handle owns the object until DeleteObject frees it.
  return new TRegionObject(TRegion(OrderedRect(ALeft, ATop, ARight, ABottom)));
}

HRGN CreateRectRgnIndirect(const RECT* ARect) {
  if (!ARect) return nullptr;
  return CreateRectRgn(ARect->Left, ARect->Top, ARect->Right, ARect->Bottom);
}

bool SetRectRgn(HRGN ARegion, int ALeft, int ATop, int ARight, int ABottom) {
  if (!ARegion) return false;
  ARegion->Region = TRegion(OrderedRect(ALeft, ATop, ARight, ABottom));
  return true;
}

int CombineRgn(HRGN ADest, HRGN ASrc1, HRGN ASrc2, int AMode) {
  if (!ADest || !ASrc1) return ERROR;
  if (AMode == RGN_COPY) {
    ADest->Region = ASrc1->Region;
    return RegionKind(ADest->Region);
  }
  if (!ASrc2) return ERROR;
  TRegionOperation Operation;
  switch (AMode) {
    case RGN_AND:
      Operation = roAnd;
      break;
    case RGN_OR:
      Operation = roOr;
      break;
    case RGN_XOR:
      Operation = roXor;
      break;
    case RGN_DIFF:
      Operation = roDiff;
      break;
    default:
      return ERROR;
  }
  ADest->Region = TRegion::Combine(ASrc1->Region, ASrc2->Region, Operation);
  return RegionKind(ADest->Region);
}

HRGN ExtCreateRegion(std::nullptr_t, uint32_t ASize, const RGNDATA* AData) {
  if (!AData || ASize < sizeof(RGNDATAHEADER)) return nullptr;
  const RGNDATAHEADER& Header = AData->rdh;
  if (Header.dwSize != sizeof(RGNDATAHEADER) || Header.iType != RDH_RECTANGLES) return nullptr;
  if (Header.nCount > (ASize - sizeof(RGNDATAHEADER)) / sizeof(RECT)) return nullptr;
  // The block is raw bytes from the caller; copying the rectangles out avoids reading
  // them through a pointer of another type.
  std::vector<TRect> Rects(Header.nCount);
  if (!Rects.empty())
    std::memcpy(static_cast<void*>(Rects.data()),
                reinterpret_cast<const char*>(AData) + sizeof(RGNDATAHEADER), Rects.size() * sizeof(RECT));
  return new TRegionObject(TRegion::FromRects(Rects.data(), Rects.size()));
}

uint32_t GetRegionData(HRGN ARegion, uint32_t ASize, RGNDATA* AData) {
  if (!ARegion) return 0;
  const TRegion& Region = ARegion->Region;
  const uint64_t RectBytes = uint64_t{Region.RectCount()} * sizeof(RECT);
  const uint64_t Needed = sizeof(RGNDATAHEADER) + RectBytes;
  if (Needed > UINT32_MAX) return 0;
  if (!AData || ASize < Needed) return static_cast<uint32_t>(Needed);
  RGNDATAHEADER Header;
  Header.dwSize = sizeof(RGNDATAHEADER);
  Header.iType = RDH_RECTANGLES;
  Header.nCount = static_cast<uint32_t>(Region.RectCount());
  Header.nRgnSize = static_cast<uint32_t>(RectBytes);
  Header.rcBound = Region.Box();
  char* Out = reinterpret_cast<char*>(AData);
  std::memcpy(Out, &Header, sizeof(Header));
  Out += sizeof(Header);
  Region.ForEachRectIn(Region.Box(), [&Out](const TRect& R) {
    std::memcpy(Out, &R, sizeof(R));
    Out += sizeof(R);
  });
  return ASize;
}

int OffsetRgn(HRGN ARegion, int ADX, int ADY) {
  if (!ARegion || !ARegion->Region.Offset(ADX, ADY)) return ERROR;
  return RegionKind(ARegion->Region);
}

bool PtInRegion(HRGN ARegion, int AX, int AY) { return ARegion && ARegion->Region.Contains(Point(AX, AY)); }

bool RectInRegion(HRGN ARegion, const RECT* ARect) {
  return ARegion && ARect && ARegion->Region.Intersects(*ARect);
}

int GetRgnBox(HRGN ARegion, RECT* ARect) {
  if (!ARegion || !ARect) return ERROR;
  *ARect = ARegion->Region.Box();
  return RegionKind(ARegion->Region);
}

bool EqualRgn(HRGN A, HRGN B) { return A && B && A->Region == B->Region; }
