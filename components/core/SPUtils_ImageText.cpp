#include <algorithm>
#include <functional>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
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
  // A glow of GlowColor around image and caption; none for a size of 0 or less.
  int GlowSize = 0;
  TColor GlowColor = clNone;
  // The image's silhouette in opaque red, AOffset in from the target's top-left corner.
  std::function<void(TspBitmap& ATarget, int AOffset)> DrawGlowMask;
};

// The image's silhouette blurred by AGlow and coloured, drawn under the image at AOrigin.
void DrawImageTextGlow(TCanvas& ACanvas, TPoint AOrigin, const TImageTextJob& AJob, int AGlow) {
  TspBitmap Work;
  Work.SetSize(AJob.ImageWidth + 2 * AGlow, AJob.ImageHeight + 2 * AGlow);
  AJob.DrawGlowMask(Work, AGlow);
  BlurBitmap(Work, AGlow);
  ColorCoverageBitmap(Work, AJob.GlowColor);
  Work.Draw(ACanvas, AOrigin.X - AGlow, AOrigin.Y - AGlow);
}

// The strip's frame AFrame (from 1) copied into AImage; false when there is none.
bool CopyImageTextFrame(TBitmap& AImage, TBitmap* AStrip, int AFrames, int AFrame) {
  if (!AStrip || AStrip->Empty() || AFrames < 1 || AFrame < 1 || AFrame > AFrames) return false;
  const int FrameWidth = AStrip->Width() / AFrames;
  if (FrameWidth < 1) return false;
  AImage.SetSize(FrameWidth, AStrip->Height());
  AImage.Canvas().CopyRect(Rect(0, 0, FrameWidth, AImage.Height()), AStrip->Canvas(),
                           Bounds((AFrame - 1) * FrameWidth, 0, FrameWidth, AImage.Height()));
  return true;
}

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
  // Blurs wider than the largest radius look the same as it: a larger glow would only
  // enlarge the work bitmap.
  const int Glow = std::min(AJob.GlowSize, spMaxBlurRadius);
  if (Glow > 0 && IW > 0 && IH > 0 && AJob.DrawGlowMask) DrawImageTextGlow(ACanvas, ImageOrigin, AJob, Glow);
  if (!ACaption.empty()) {
    constexpr unsigned CaptionFormat = DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER;
    TRect DrawBox = TextBox;
    if (Glow > 0)
      DrawGlowText(ACanvas, DrawBox, ACaption, Glow, AJob.GlowColor, 0, CaptionFormat);
    else
      DrawWideText(ACanvas, ACaption, DrawBox, CaptionFormat);
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

namespace {

// The job of an image-list image.
TImageTextJob ImageListTextJob(TCanvas& ACanvas, int AImageIndex, TCustomImageList* AImages, bool AEnabled) {
  TImageTextJob Job;
  if (AImages && AImageIndex >= 0 && AImageIndex < AImages->Count()) {
    Job.ImageWidth = AImages->Width();
    Job.ImageHeight = AImages->Height();
    Job.DrawImage = [&ACanvas, AImageIndex, AImages, AEnabled](TPoint AOrigin) {
      AImages->Draw(ACanvas, AOrigin.X, AOrigin.Y, AImageIndex, AEnabled);
    };
    Job.DrawGlowMask = [AImageIndex, AImages](TspBitmap& ATarget, int AOffset) {
      DrawImageListGlowMask(ATarget, *AImages, AImageIndex, AOffset);
    };
  }
  return Job;
}

// The job of a glyph-strip frame.
TImageTextJob GlyphTextJob(TCanvas& ACanvas, TBitmap* AGlyph, int ANumGlyphs, int AGlyphNumber) {
  TImageTextJob Job;
  Job.ClearBrushWithoutCaption = false;
  if (AGlyph && !AGlyph->Empty() && ANumGlyphs > 0) {
    Job.ImageWidth = AGlyph->Width() / ANumGlyphs;
    Job.ImageHeight = AGlyph->Height();
    Job.DrawImage = [&ACanvas, AGlyph, ANumGlyphs, AGlyphNumber](TPoint AOrigin) {
      DrawBitmapFrame(ACanvas, AOrigin.X, AOrigin.Y, AGlyph, ANumGlyphs, AGlyphNumber);
    };
    Job.DrawGlowMask = [AGlyph, ANumGlyphs, AGlyphNumber](TspBitmap& ATarget, int AOffset) {
      TBitmap Frame;
      if (CopyImageTextFrame(Frame, AGlyph, ANumGlyphs, AGlyphNumber))
        DrawBitmapGlowMask(ATarget, Frame, AOffset);
    };
  }
  return Job;
}

}  // namespace

void DrawImageAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                      TspButtonLayout ALayout, const String& ACaption, int AImageIndex,
                      TCustomImageList* AImages, bool APressed, bool AEnabled, bool ADrawColorBar,
                      TColor ABarColor) {
  DrawLaidOutImageAndText(ACanvas, ARect, AMargin, ASpacing, ALayout, ACaption,
                          ImageListTextJob(ACanvas, AImageIndex, AImages, AEnabled), APressed, ADrawColorBar,
                          ABarColor);
}

void DrawEffectImageAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                            TspButtonLayout ALayout, const String& ACaption, int AImageIndex,
                            TCustomImageList* AImages, bool APressed, bool AEnabled, bool ADrawColorBar,
                            TColor ABarColor, TColor AGlowColor, int AGlowSize) {
  TImageTextJob Job = ImageListTextJob(ACanvas, AImageIndex, AImages, AEnabled);
  Job.GlowColor = AGlowColor;
  Job.GlowSize = AGlowSize;
  DrawLaidOutImageAndText(ACanvas, ARect, AMargin, ASpacing, ALayout, ACaption, Job, APressed, ADrawColorBar,
                          ABarColor);
}

void DrawGlyphAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                      TspButtonLayout ALayout, const String& ACaption, TBitmap* AGlyph, int ANumGlyphs,
                      int AGlyphNumber, bool APressed, bool ADrawColorBar, TColor ABarColor) {
  DrawLaidOutImageAndText(ACanvas, ARect, AMargin, ASpacing, ALayout, ACaption,
                          GlyphTextJob(ACanvas, AGlyph, ANumGlyphs, AGlyphNumber), APressed, ADrawColorBar,
                          ABarColor);
}

void DrawEffectGlyphAndText(TCanvas& ACanvas, const TRect& ARect, int AMargin, int ASpacing,
                            TspButtonLayout ALayout, const String& ACaption, TBitmap* AGlyph, int ANumGlyphs,
                            int AGlyphNumber, bool APressed, bool ADrawColorBar, TColor ABarColor,
                            TColor AGlowColor, int AGlowSize) {
  TImageTextJob Job = GlyphTextJob(ACanvas, AGlyph, ANumGlyphs, AGlyphNumber);
  Job.GlowColor = AGlowColor;
  Job.GlowSize = AGlowSize;
  DrawLaidOutImageAndText(ACanvas, ARect, AMargin, ASpacing, ALayout, ACaption, Job, APressed, ADrawColorBar,
                          ABarColor);
}

void DrawBitmapFrame(TCanvas& ACanvas, int AX, int AY, TBitmap* AStrip, int AFrames, int AFrame) {
  TBitmap Frame;
  if (!CopyImageTextFrame(Frame, AStrip, AFrames, AFrame)) return;
  Frame.SetTransparentMode(tmAuto);
  Frame.SetTransparent(true);
  ACanvas.Draw(AX, AY, Frame);
}
