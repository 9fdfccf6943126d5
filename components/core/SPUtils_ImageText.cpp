#include <functional>

#include "components/core/SPUtils.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ImgList.h"

namespace {

// What DrawImageAndText and DrawGlyphAndText share: the caption measured beside the
// image, both laid out and drawn, and the colour bar.
struct TImageTextJob {
  int ImageWidth = 0;
  int ImageHeight = 0;
  // Whether the brush turns clear also without a caption.
  bool ClearBrushWithoutCaption = true;
  std::function<void(TPoint AOrigin)> DrawImage;
};

void DrawLaidOutImageAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                             TspButtonLayout ALayout, const String& ACaption, const TImageTextJob& AJob,
                             bool APressed, bool ADrawColorBar, TColor ABarColor) {
  const int IW = AJob.ImageWidth;
  const int IH = AJob.ImageHeight;
  TRect TextSize;
  if (!ACaption.empty()) {
    TextSize = Rect(0, 0, ARect.Width(), ARect.Height());
    if (ALayout == blGlyphLeft || ALayout == blGlyphRight)
      TextSize.Right -= IW;
    else
      TextSize.Bottom -= IH;
    DrawWideText(ACanvas, ACaption, TextSize, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  }
  if (!ACaption.empty() || AJob.ClearBrushWithoutCaption) ACanvas.Brush().SetStyle(bsClear);
  TPoint TextOrigin, ImageOrigin;
  CalcImageTextLayout(ALayout, ARect, IW, IH, TextSize.Width(), TextSize.Height(), ASpacing, AMargin,
                      TextOrigin, ImageOrigin);
  if (APressed) {
    TextOrigin = {TextOrigin.X + 1, TextOrigin.Y + 1};
    ImageOrigin = {ImageOrigin.X + 1, ImageOrigin.Y + 1};
  }
  TRect TextBox = Bounds(TextOrigin.X, TextOrigin.Y, TextSize.Width(), TextSize.Height());
  if (ACanvas.Font().Height() % 2 != 0) --TextBox.Top;
  TextBox.Right += 2;
  if (!ACaption.empty()) {
    TRect DrawBox = TextBox;
    DrawWideText(ACanvas, ACaption, DrawBox, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
  }
  if (IW > 0 && IH > 0) AJob.DrawImage(ImageOrigin);
  if (!ADrawColorBar) return;

  ACanvas.Pen().SetColor(ABarColor);
  auto BarLine = [&](int ALeft, int ARight, int AY) {
    ACanvas.MoveTo(ALeft, AY);
    ACanvas.LineTo(ARight, AY);
  };
  if (IW > 0 && IH > 0) {
    for (int Row = IH - 2; Row <= IH; ++Row) BarLine(ImageOrigin.X, ImageOrigin.X + IW, ImageOrigin.Y + Row);
  } else if (!ACaption.empty()) {
    for (int Row = -1; Row <= 1; ++Row) BarLine(TextBox.Left, TextBox.Right, TextBox.Bottom + Row);
  } else {
    ACanvas.Brush().SetColor(ABarColor);
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.FillRect(APressed ? Rect(ARect.Left + 4, ARect.Top + 5, ARect.Right - 2, ARect.Bottom - 3)
                              : Rect(ARect.Left + 4, ARect.Top + 4, ARect.Right - 2, ARect.Bottom - 4));
  }
}

}  // namespace

void CalcImageTextLayout(TspButtonLayout ALayout, const TRect& ARect, int AImageWidth, int AImageHeight,
                         int ATextWidth, int ATextHeight, int ASpacing, int AMargin, TPoint& ATextOrigin,
                         TPoint& AImageOrigin) {
  const int CX = ARect.Left + ARect.Width() / 2;
  const int CY = ARect.Top + ARect.Height() / 2;
  const int Spacing = AImageWidth == 0 ? 0 : ASpacing;
  const bool Centred = AMargin == -1;
  const int HalfRow = (AImageWidth + ATextWidth + Spacing) / 2;
  const int HalfColumn = (AImageHeight + ATextHeight + Spacing) / 2;
  switch (ALayout) {
    case blGlyphLeft:
      AImageOrigin.X = Centred ? CX - HalfRow : ARect.Left + AMargin;
      ATextOrigin.X = Centred ? CX + HalfRow - ATextWidth : AImageOrigin.X + AImageWidth + Spacing;
      break;
    case blGlyphRight:
      if (Centred) {
        ATextOrigin.X = CX - HalfRow;
        AImageOrigin.X = CX + HalfRow - AImageWidth;
      } else {
        AImageOrigin.X = ARect.Right - AImageWidth - AMargin;
        ATextOrigin.X = AImageOrigin.X - Spacing - ATextWidth;
      }
      break;
    case blGlyphTop:
      AImageOrigin.Y = Centred ? CY - HalfColumn : ARect.Top + AMargin;
      ATextOrigin.Y = Centred ? CY + HalfColumn - ATextHeight : AImageOrigin.Y + AImageHeight + Spacing;
      break;
    case blGlyphBottom:
      if (Centred) {
        ATextOrigin.Y = CY - HalfColumn;
        AImageOrigin.Y = CY + HalfColumn - AImageHeight;
      } else {
        AImageOrigin.Y = ARect.Bottom - AImageHeight - AMargin;
        ATextOrigin.Y = AImageOrigin.Y - Spacing - ATextHeight;
      }
      break;
    default:
      return;
  }
  if (ALayout == blGlyphLeft || ALayout == blGlyphRight) {
    AImageOrigin.Y = CY - AImageHeight / 2;
    ATextOrigin.Y = CY - ATextHeight / 2;
  } else {
    AImageOrigin.X = CX - AImageWidth / 2;
    ATextOrigin.X = CX - ATextWidth / 2;
  }
}

void DrawImageAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                      TspButtonLayout ALayout, const String& ACaption, int AImageIndex,
                      TCustomImageList* AImages, bool APressed, bool AEnabled, bool ADrawColorBar,
                      TColor ABarColor) {
  TImageTextJob Job;
  if (AImages && AImageIndex >= 0 && AImageIndex < AImages->Count()) {
    Job.ImageWidth = AImages->Width();
    Job.ImageHeight = AImages->Height();
    Job.DrawImage = [&](TPoint AOrigin) {
      AImages->Draw(ACanvas, AOrigin.X, AOrigin.Y, AImageIndex, AEnabled);
    };
  }
  DrawLaidOutImageAndText(ACanvas, ARect, AMargin, ASpacing, ALayout, ACaption, Job, APressed, ADrawColorBar,
                          ABarColor);
}

void DrawGlyphAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                      TspButtonLayout ALayout, const String& ACaption, TBitmap* AGlyph, int ANumGlyphs,
                      int AGlyphNumber, bool APressed, bool ADrawColorBar, TColor ABarColor) {
  TImageTextJob Job;
  Job.ClearBrushWithoutCaption = false;
  if (AGlyph && !AGlyph->Empty() && ANumGlyphs > 0) {
    Job.ImageWidth = AGlyph->Width() / ANumGlyphs;
    Job.ImageHeight = AGlyph->Height();
    Job.DrawImage = [&](TPoint AOrigin) {
      DrawBitmapFrame(ACanvas, AOrigin.X, AOrigin.Y, AGlyph, ANumGlyphs, AGlyphNumber);
    };
  }
  DrawLaidOutImageAndText(ACanvas, ARect, AMargin, ASpacing, ALayout, ACaption, Job, APressed, ADrawColorBar,
                          ABarColor);
}

void DrawBitmapFrame(TCanvas& ACanvas, int AX, int AY, TBitmap* AStrip, int AFrames, int AFrame) {
  if (!AStrip || AStrip->Empty() || AFrames < 1 || AFrame < 1 || AFrame > AFrames) return;
  const int FrameWidth = AStrip->Width() / AFrames;
  if (FrameWidth < 1) return;
  TBitmap Frame;
  Frame.SetSize(FrameWidth, AStrip->Height());
  Frame.Canvas().CopyRect(Rect(0, 0, FrameWidth, Frame.Height()), AStrip->Canvas(),
                          Bounds((AFrame - 1) * FrameWidth, 0, FrameWidth, Frame.Height()));
  Frame.SetTransparentMode(tmAuto);
  Frame.SetTransparent(true);
  ACanvas.Draw(AX, AY, Frame);
}
