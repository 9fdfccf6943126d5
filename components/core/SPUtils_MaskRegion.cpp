#include <algorithm>
#include <cstring>

#include "components/core/SPUtils.h"
#include "components/core/SPUtils_PiecesInternal.h"
#include "platform/base/Exceptions.h"

namespace {

// The bytes a pixel of AFormat takes in a bitmap's rows.
int MaskPixelBytes(TPixelFormat AFormat) {
  switch (AFormat) {
    case pf8bit:
      return 1;
    case pf15bit:
    case pf16bit:
      return 2;
    case pf24bit:
      return 3;
    default:
      return 4;
  }
}

// Appends the runs of black pixels of AMask, row by row, moved by the offsets. Black is
// a pixel whose colour bytes are all 0 in every layout (index 0 of the 8-bit table is
// black); the alpha byte of a 32-bit pixel does not count.
void AppendMaskRuns(TBitmap& AMask, int AXOffset, int AYOffset, std::vector<TRect>& ARuns) {
  const int Width = AMask.Width();
  const int BytesPerPixel = MaskPixelBytes(AMask.PixelFormat());
  const int ColourBytes = std::min(BytesPerPixel, 3);
  for (int Y = 0; Y < AMask.Height(); ++Y) {
    const uint8_t* Row = AMask.ScanLine(Y);
    auto IsBlack = [&](int X) {
      const uint8_t* Pixel = Row + X * BytesPerPixel;
      return std::all_of(Pixel, Pixel + ColourBytes, [](uint8_t AByte) { return AByte == 0; });
    };
    for (int X = 0; X < Width;) {
      if (!IsBlack(X)) {
        ++X;
        continue;
      }
      const int Start = X;
      while (X < Width && IsBlack(X)) ++X;
      ARuns.push_back(Rect(Start + AXOffset, Y + AYOffset, X + AXOffset, Y + AYOffset + 1));
    }
  }
}

std::vector<uint8_t> MaskRegionData(const std::vector<TRect>& ARects, const TRect& ABound) {
  const uint64_t Size = sizeof(RGNDATAHEADER) + uint64_t(ARects.size()) * sizeof(RECT);
  if (Size > UINT32_MAX) throw EOutOfMemory("Out of system resources");
  std::vector<uint8_t> Data(Size);
  RGNDATAHEADER Header;
  Header.dwSize = sizeof(RGNDATAHEADER);
  Header.iType = RDH_RECTANGLES;
  Header.nCount = uint32_t(ARects.size());
  Header.rcBound = ABound;
  std::memcpy(Data.data(), &Header, sizeof Header);
  if (!ARects.empty()) std::memcpy(Data.data() + sizeof Header, ARects.data(), ARects.size() * sizeof(RECT));
  return Data;
}

HRGN RegionFromData(const std::vector<uint8_t>& AData) {
  return ExtCreateRegion(nullptr, uint32_t(AData.size()), reinterpret_cast<const RGNDATA*>(AData.data()));
}

}  // namespace

uint32_t GetMaskRegionRects(TBitmap& AMask, int AXOffset, int AYOffset, std::vector<uint8_t>& ARegionData) {
  ARegionData.clear();
  if (AMask.Empty()) return 0;
  std::vector<TRect> Runs;
  AppendMaskRuns(AMask, AXOffset, AYOffset, Runs);
  ARegionData = MaskRegionData(Runs, Bounds(AXOffset, AYOffset, AMask.Width(), AMask.Height()));
  return uint32_t(ARegionData.size());
}

HRGN CreateMaskRegion(TBitmap& AMask) {
  std::vector<uint8_t> Data;
  if (GetMaskRegionRects(AMask, 0, 0, Data) == 0) return nullptr;
  return RegionFromData(Data);
}

void CreateSkinMaskBorders(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                           TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& AMask,
                           TBitmap& ATopStrip, TBitmap& ALeftStrip, TBitmap& ARightStrip,
                           TBitmap& ABottomStrip, int AWidth, int AHeight) {
  BoundSkinGeometry(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect);
  const int MaskW = AMask.Width();
  const int MaskH = AMask.Height();
  // Side strips higher than the window would only add rows outside it.
  const int SideH = std::clamp(RectangleHeight(NewClRect), 0, std::max(AHeight, 0));

  // Left and right: the edge rows tiled down the strip, then the corner pieces at both
  // ends at their own size.
  auto ComposeSide = [&](TBitmap& AStrip, int AFirstColumn, int AColumns, int ATopY, int ABottomY) {
    AStrip.SetSize(std::max(AColumns, 0), SideH);
    const int W = AStrip.Width();
    const int H = AStrip.Height();
    if (W <= 0 || H <= 0) return;
    const int Columns = AFirstColumn + W;
    TileSkinPiece(AStrip, Rect(0, 0, W, H), AMask, Rect(AFirstColumn, ATopY, Columns, ABottomY), staAlongY);
    const int TopPiece = ATopY - ClRect.Top;
    const int BottomPiece = ClRect.Bottom - ABottomY;
    CopySkinPiece(AStrip, Rect(0, 0, W, TopPiece), AMask, Rect(AFirstColumn, ClRect.Top, Columns, ATopY));
    CopySkinPiece(AStrip, Rect(0, H - BottomPiece, W, H), AMask,
                  Rect(AFirstColumn, ABottomY, Columns, ClRect.Bottom));
  };
  // Strips wider or higher than the mask would only add white: they are cut to it.
  ComposeSide(ALeftStrip, 0, std::min(ClRect.Left, MaskW), LTPt.Y, LBPt.Y);
  ComposeSide(ARightStrip, ClRect.Right, std::min(MaskW - ClRect.Right, MaskW), RTPt.Y, RBPt.Y);

  // Top and bottom: the edge columns tiled between the new corner points, then the
  // corners at their own size.
  auto ComposeBand = [&](TBitmap& AStrip, int AFirstRow, int ARows, TPoint ALeft, TPoint ARight,
                         TPoint ANewLeft, TPoint ANewRight) {
    AStrip.SetSize(std::max(AWidth, 0), std::max(ARows, 0));
    const int H = AStrip.Height();
    if (AStrip.Width() <= 0 || H <= 0) return;
    const int LastRow = AFirstRow + H;
    TileSkinPiece(AStrip, Rect(ANewLeft.X, 0, ANewRight.X, H), AMask,
                  Rect(ALeft.X, AFirstRow, ARight.X, LastRow), staAlongX);
    CopySkinPiece(AStrip, Rect(0, 0, ALeft.X, H), AMask, Rect(0, AFirstRow, ALeft.X, LastRow));
    CopySkinPiece(AStrip, Rect(ANewRight.X, 0, ANewRight.X + MaskW - ARight.X, H), AMask,
                  Rect(ARight.X, AFirstRow, MaskW, LastRow));
  };
  ComposeBand(ATopStrip, 0, std::min(ClRect.Top, MaskH), LTPt, RTPt, NewLTPt, NewRTPt);
  ComposeBand(ABottomStrip, ClRect.Bottom, std::min(MaskH - ClRect.Bottom, MaskH), LBPt, RBPt, NewLBPt,
              NewRBPt);
}

HRGN CreateSkinRegion(TPoint LTPt, TPoint RTPt, TPoint LBPt, TPoint RBPt, TRect ClRect, TPoint NewLTPt,
                      TPoint NewRTPt, TPoint NewLBPt, TPoint NewRBPt, TRect NewClRect, TBitmap& AMask,
                      int AWidth, int AHeight) {
  if (NewRTPt.X < NewLTPt.X || NewLBPt.Y < NewLTPt.Y) return nullptr;
  if (IsRectEmpty(NewClRect)) return nullptr;
  TBitmap Top, Left, Right, Bottom;
  CreateSkinMaskBorders(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPt, NewRTPt, NewLBPt, NewRBPt, NewClRect, AMask,
                        Top, Left, Right, Bottom, AWidth, AHeight);
  // The client rectangle and every strip's runs go into one block: the region is built
  // in one pass instead of a union per strip.
  std::vector<TRect> Rects{NewClRect};
  AppendMaskRuns(Top, 0, 0, Rects);
  AppendMaskRuns(Left, 0, NewClRect.Top, Rects);
  AppendMaskRuns(Right, NewClRect.Right, NewClRect.Top, Rects);
  AppendMaskRuns(Bottom, 0, NewClRect.Bottom, Rects);
  TRect Bound = NewClRect;
  for (const TRect& Run : Rects) UnionRect(Bound, Bound, Run);
  return RegionFromData(MaskRegionData(Rects, Bound));
}
