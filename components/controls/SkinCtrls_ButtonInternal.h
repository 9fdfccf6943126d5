#pragma once
// What the push button and the speed button draw inside their pictures: a frame of a
// glyph strip or an image-list picture beside the caption. User-interface thread.

#include "components/core/SPUtils.h"
#include "platform/ui/ImgList.h"

// The frame of a strip of ANumGlyphs (1 normal, 2 disabled, 3 pressed, 4 hot) for a
// state that is down and hot.
inline int ButtonGlyphNumber(bool ADown, bool AHot, bool AEnabled, int ANumGlyphs) {
  if (ADown && AHot && ANumGlyphs > 2) return 3;
  if (AHot && ANumGlyphs > 3) return 4;
  if (!AEnabled && ANumGlyphs > 1) return 2;
  return 1;
}

struct TButtonContent {
  TBitmap* Glyph = nullptr;
  int NumGlyphs = 1;
  TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  int Margin = -1;
  int Spacing = 1;
  TspButtonLayout Layout = blGlyphLeft;
  String Caption;
  bool Enabled = true;
};

// A valid image-list picture, else the glyph's frame for the state, with the caption,
// laid out in ARect in the canvas's font.
inline void DrawButtonContent(TCanvas& ACanvas, const TRect& ARect, const TButtonContent& AContent,
                              bool ADown, bool AHot) {
  if (AContent.Images && AContent.ImageIndex >= 0 && AContent.ImageIndex < AContent.Images->Count()) {
    DrawImageAndText(ACanvas, ARect, AContent.Margin, AContent.Spacing, AContent.Layout, AContent.Caption,
                     AContent.ImageIndex, AContent.Images, false, AContent.Enabled, false, clBlack);
    return;
  }
  DrawGlyphAndText(ACanvas, ARect, AContent.Margin, AContent.Spacing, AContent.Layout, AContent.Caption,
                   AContent.Glyph, AContent.NumGlyphs,
                   ButtonGlyphNumber(ADown, AHot, AContent.Enabled, AContent.NumGlyphs), false, false,
                   clBlack);
}
