#include "platform/gdi/BlitCoreInternal.h"
#include "platform/gdi/PaintingInternal.h"

bool MakeTransfer(TTransfer& ATransfer, int AX, int AY, int AWidth, int AHeight, const TSurface& ASource,
                  int AXSrc, int AYSrc, int AWidthSrc, int AHeightSrc) {
  ATransfer.Dest = OrderedRect(AX, AY, AX + AWidth, AY + AHeight);
  ATransfer.Source = ASource;
  ATransfer.SourceRect = OrderedRect(AXSrc, AYSrc, AXSrc + AWidthSrc, AYSrc + AHeightSrc);
  ATransfer.MirrorX = (AWidth < 0) != (AWidthSrc < 0);
  ATransfer.MirrorY = (AHeight < 0) != (AHeightSrc < 0);
  return !IsRectEmpty(ATransfer.Dest) && !IsRectEmpty(ATransfer.SourceRect);
}

TAxisMap MapAxis(int AFirst, int AEnd, int ADestStart, int ADestSize, int ASourceStart, int ASourceSize,
                 bool AMirror, int ASourceLimit) {
  TAxisMap Map;
  Map.First = AFirst;
  Map.ValidFirst = AEnd;
  Map.ValidEnd = AFirst;
  Map.Source.resize(size_t(AEnd - AFirst));
  for (int P = AFirst; P < AEnd; ++P) {
    const int Source = MapIndex(P - ADestStart, ASourceStart, ASourceSize, ADestSize, AMirror);
    Map.Source[P - AFirst] = Source;
    // The map is monotonic, so the positions with a source inside form one run.
    if (Source >= 0 && Source < ASourceLimit) {
      Map.ValidFirst = std::min(Map.ValidFirst, P);
      Map.ValidEnd = P + 1;
    }
  }
  return Map;
}

bool MapTransfer(const TDeviceContext& ADC, const TTransfer& ATransfer, TTransferMaps& AMaps) {
  TRect Limit;
  if (!IntersectRect(Limit, ATransfer.Dest, ADC.VisibleRegion().Box())) return false;
  const TRect& D = ATransfer.Dest;
  const TRect& S = ATransfer.SourceRect;
  AMaps.Columns = MapAxis(Limit.Left, Limit.Right, D.Left, D.Width(), S.Left, S.Width(), ATransfer.MirrorX,
                          ATransfer.Source.Width);
  AMaps.Rows = MapAxis(Limit.Top, Limit.Bottom, D.Top, D.Height(), S.Top, S.Height(), ATransfer.MirrorY,
                       ATransfer.Source.Height);
  AMaps.Limit =
      Rect(AMaps.Columns.ValidFirst, AMaps.Rows.ValidFirst, AMaps.Columns.ValidEnd, AMaps.Rows.ValidEnd);
  return !IsRectEmpty(AMaps.Limit);
}
