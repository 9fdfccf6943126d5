// The four images of the layered border for a frame box: the frame picture cut at its
// corner points, the ends of the top and bottom strips kept, their middles stretched,
// the side strips stretched or tiled. Pixels are copied as they are (alpha included):
// the picture is premultiplied already.

#include <algorithm>

#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/gdi/Bitmaps.h"

namespace {

// ASource's ASrc copied (scaled by nearest neighbour) onto ADst of ATarget, cut to
// ATarget. Nothing for an empty rectangle on either side.
void CopyLayerPart(const TspBitmap& ASource, TspBitmap& ATarget, const TRect& ADst, const TRect& ASrc) {
  if (IsRectEmpty(ADst) || IsRectEmpty(ASrc)) return;
  DrawRoutes().StretchToBitmap(ASource, ATarget, ADst, Rect(0, 0, ATarget.Width(), ATarget.Height()), ASrc);
}

// ASrc repeated downward over ADst from its top, the last tile cut.
void TileLayerPartDown(const TspBitmap& ASource, TspBitmap& ATarget, const TRect& ADst, const TRect& ASrc) {
  if (IsRectEmpty(ADst) || IsRectEmpty(ASrc)) return;
  for (int Y = ADst.Top; Y < ADst.Bottom; Y += ASrc.Height()) {
    const int Rows = std::min(ASrc.Height(), ADst.Bottom - Y);
    CopyLayerPart(ASource, ATarget, Rect(ADst.Left, Y, ADst.Right, Y + Rows),
                  Rect(ASrc.Left, ASrc.Top, ASrc.Right, ASrc.Top + Rows));
  }
}

// A strip AWidth wide made from the rows ATop to ABottom of ASource: the columns left
// of ALeftX and right of ARightX kept at the ends, those between stretched over the
// middle.
void ComposeLayerStrip(const TspBitmap& ASource, TspBitmap& ATarget, int AWidth, int ATop, int ABottom,
                       int ALeftX, int ARightX) {
  const int Height = ABottom - ATop;
  ATarget.SetSize(AWidth, Height);
  if (ATarget.Empty()) return;
  const int SW = ASource.Width();
  const int RightWidth = SW - ARightX;
  CopyLayerPart(ASource, ATarget, Rect(0, 0, ALeftX, Height), Rect(0, ATop, ALeftX, ABottom));
  CopyLayerPart(ASource, ATarget, Rect(AWidth - RightWidth, 0, AWidth, Height),
                Rect(ARightX, ATop, SW, ABottom));
  CopyLayerPart(ASource, ATarget, Rect(ALeftX, 0, AWidth - RightWidth, Height),
                Rect(ALeftX, ATop, ARightX, ABottom));
}

}  // namespace

void TspFormLayerBorder::CreateLayerImages(int AW, int AH) {
  for (auto& Image : FImages) Image = std::make_unique<TspBitmap>();
  // A box without room, or beyond any bitmap (offsets of a broken skin), shows nothing.
  if (AW <= 0 || AH <= 0 || AW > kMaxBitmapSide || AH > kMaxBitmapSide) return;
  const TspBitmap& S = SourceBitmap();
  const int SW = S.Width();
  const int SH = S.Height();
  TspBitmap& Top = *FImages[spflTop];
  if (!HasCornerPoints()) {
    // One window shows the whole picture at its own size.
    Top.SetSize(SW, SH);
    CopyLayerPart(S, Top, Rect(0, 0, SW, SH), Rect(0, 0, SW, SH));
    return;
  }
  // Points outside the picture are taken at its edge, so no strip reads beyond it.
  const auto ClampX = [SW](int AX) { return std::clamp(AX, 0, SW); };
  const auto ClampY = [SH](int AY) { return std::clamp(AY, 0, SH); };
  const int TopHeight = ClampY(std::max(FData->LTPoint.Y, FData->RTPoint.Y));
  ComposeLayerStrip(S, Top, AW, 0, TopHeight, ClampX(FData->LTPoint.X), ClampX(FData->RTPoint.X));
  // The full border's caption and caption buttons are part of the top window.
  if (FData->FullBorder && !Top.Empty()) DrawCaptionObjects(Top);

  // A box lower than the top and bottom parts keeps the bottom part's lower rows.
  const int FullBottom = SH - ClampY(std::min(FData->LBPoint.Y, FData->RBPoint.Y));
  const int BottomHeight = std::max(std::min(FullBottom, AH - TopHeight), 0);
  ComposeLayerStrip(S, *FImages[spflBottom], AW, SH - BottomHeight, SH, ClampX(FData->LBPoint.X),
                    ClampX(FData->RBPoint.X));

  const int SideHeight = AH - TopHeight - BottomHeight;
  if (SideHeight <= 0) return;
  const TRect& Cl = FData->ClRect;
  const TRect Sides[] = {Rect(0, TopHeight, ClampX(Cl.Left), SH - BottomHeight),
                         Rect(ClampX(Cl.Right), TopHeight, SW, SH - BottomHeight)};
  const TspFormLayerBorderType Types[] = {spflLeft, spflRight};
  for (int I = 0; I < 2; ++I) {
    TspBitmap& Image = *FImages[Types[I]];
    Image.SetSize(Sides[I].Width(), SideHeight);
    if (Image.Empty()) continue;
    const TRect Target = Rect(0, 0, Image.Width(), SideHeight);
    if (FData->FullStretch)
      CopyLayerPart(S, Image, Target, Sides[I]);
    else
      TileLayerPartDown(S, Image, Target, Sides[I]);
  }
}

TRect TspFormLayerBorder::WindowPlace(TspFormLayerBorderType AType, const TRect& ABox) const {
  const TspBitmap& Image = *FImages[AType];
  const int TopHeight = FImages[spflTop]->Height();
  switch (AType) {
    case spflTop:
      return Bounds(ABox.Left, ABox.Top, Image.Width(), Image.Height());
    case spflBottom:
      return Bounds(ABox.Left, ABox.Bottom - Image.Height(), Image.Width(), Image.Height());
    case spflLeft:
      return Bounds(ABox.Left, ABox.Top + TopHeight, Image.Width(), Image.Height());
    case spflRight:
      return Bounds(ABox.Right - Image.Width(), ABox.Top + TopHeight, Image.Width(), Image.Height());
  }
  return {};
}
