// The panel's paint: the first of its paths that fits the element and the modes.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "platform/base/ScopeExit.h"

void TspSkinPanel::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshGeometry();
  const bool HasElement = FIndex != -1;
  if (HasElement && !FUseSkinSize && !FTransparentMode && FCaptionMode) {
    PaintCaptionBandPanel();
  } else if (HasElement && FTransparentMode) {
    if (FCaptionMode) {
      PaintTransparentGroupFrame();
    } else {
      PaintTransparentPanel();
    }
  } else if (!HasElement || (!FForceBackground && StretchEffect)) {
    TspSkinCustomControl::Paint();
  } else if (FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode && FForceBackground && !FAlphaBlend) {
    PaintTexturedPanel();
  } else if (TBitmap* Background = FSD ? FSD->Picture(BGPictureIndex) : nullptr) {
    PaintBackgroundPicture(*Background);
  } else {
    TspSkinCustomControl::Paint();
  }
}

// The frame of the skin's "panel" element with the own element's caption picture
// stretched into a band DefaultCaptionHeight high.
void TspSkinPanel::PaintCaptionBandPanel() {
  TBitmap Image;
  PrepareOffscreenImage(Image, Width(), Height());
  const String OwnName = FSkinDataName;
  {
    ScopeExit RestoreName([&] {
      FSkinDataName = OwnName;
      RefreshGeometry();
    });
    FSkinDataName = "panel";
    RefreshGeometry();
    // Without a "panel" element nothing is drawn; the own element is bound again.
    if (FIndex == -1) return;
    if (Picture != nullptr)
      ::ComposeSkinImage(Image, *Picture, FittedImageGeometry(SkinRect), Width(), Height(), true);
  }
  if (Picture != nullptr) {
    TRect Source = CaptionRect;
    InflateRect(Source, -1, -1);
    OffsetRect(Source, SkinRect.Left, SkinRect.Top);
    const TRect Band = Bounds(NewClRect.Left, NewClRect.Top, RectangleWidth(NewClRect),
                              FDefaultCaptionHeight - NewClRect.Top - 1);
    Image.Canvas().CopyRect(Band, Picture->Canvas(), Source);
  }
  NewCaptionRect = Rect(NewClRect.Left, NewClRect.Top, NewClRect.Right, FDefaultCaptionHeight - 1);
  CreateControlSkinImage(Image);
  Canvas().Draw(0, 0, Image);
}

// The parent's background, outlined unless borderless.
void TspSkinPanel::PaintTransparentPanel() {
  TBitmap Image;
  PrepareOffscreenImage(Image, Width(), Height());
  PaintParentBackground(this, Image.Canvas());
  TCanvas& Target = Image.Canvas();
  if (FBorderStyle != bvNone) {
    Target.Pen().SetColor(FSD->SkinColors().cBtnShadow);
    Target.Pen().SetWidth(1);
    Target.Brush().SetStyle(bsClear);
    Target.Rectangle(0, 0, Width(), Height());
  }
  PaintPanelContent(Target);
  Canvas().Draw(0, 0, Image);
}

// A group-box frame of lines over the parent's background, broken by the caption.
void TspSkinPanel::PaintTransparentGroupFrame() {
  TBitmap Image;
  PrepareOffscreenImage(Image, Width(), Height());
  PaintParentBackground(this, Image.Canvas());
  TCanvas& Target = Image.Canvas();
  const TColor Shadow = FSD->SkinColors().cBtnShadow;
  Target.Pen().SetColor(Shadow);
  Target.Pen().SetWidth(1);
  Target.Brush().SetStyle(bsClear);
  ApplyCaptionFont(Target.Font());
  const int TextHeight = Target.TextHeight(Caption());
  const TRect Line = Rect(5, 0, Image.Width(), TextHeight + 5);
  NewCaptionRect = Line;
  const int Middle = RectangleHeight(Line) / 2;

  int ContentLeft = 5;
  if (FCheckedMode) {
    const TRect& Box = FChecked ? CheckImageRect : UnCheckImageRect;
    DrawSkinPiece(Target, 5, Middle - RectangleHeight(Box) / 2, Picture, Box, true);
    ContentLeft = RectangleWidth(Box) + 10;
  }
  const auto [ImageWidth, ImageHeight] = CaptionImageSize();
  const int TextLeft = ImageWidth > 0 ? ContentLeft + ImageWidth + 2 : ContentLeft;
  const int StdLabel = FSD->GetControlIndex("stdlabel");
  const auto* Label = StdLabel == -1 ? nullptr : FSD->Control<TspDataSkinStdLabelControl>(StdLabel);
  Target.Font().SetColor(Label != nullptr ? Label->FontColor : FSD->SkinColors().cBtnText);
  DrawVCenteredText(Target, Caption(), Rect(TextLeft, 0, Image.Width(), TextHeight + 5));
  const int TextRight = TextLeft + WideTextWidth(Target, Caption());
  if (HasCaptionImage()) {
    FCaptionImageList->Draw(Target, ContentLeft, Middle - ImageHeight / 2, FCaptionImageIndex, Enabled());
  } else if (ImageWidth > 0) {
    DrawBitmapFrame(Target, ContentLeft, Middle - ImageHeight / 2, FGlyph.get(), FNumGlyphs, GlyphFrame());
  }

  // The frame starts after the caption's text (and the roll-up arrow).
  Target.Pen().SetColor(Shadow);
  int LineStart = TextRight + 3;
  if (FRollUpMode) {
    DrawArrow(Target, Rect(TextRight + 3, Line.Top, TextRight + 10, Line.Bottom), Target.Font().Color(),
              FRollUpState ? 4 : 3);
    Target.Pen().SetColor(Shadow);
    LineStart = TextRight + 12;
  }
  Target.MoveTo(LineStart, Middle);
  Target.LineTo(Width(), Middle);
  Target.MoveTo(0, Middle);
  Target.LineTo(4, Middle);
  Target.MoveTo(Line.Right + 2, Middle);
  Target.LineTo(Width() - 1, Middle);
  Target.LineTo(Width() - 1, Height() - 1);
  Target.LineTo(0, Height() - 1);
  Target.LineTo(0, Middle);
  PaintPanelContent(Target);
  Canvas().Draw(0, 0, Image);
}

// A borderless panel of the element's client picture, tiled or stretched.
void TspSkinPanel::PaintTexturedPanel() {
  TBitmap Image, Piece;
  PrepareOffscreenImage(Image, Width(), Height());
  if (Picture != nullptr) {
    TRect Source = ClRect;
    OffsetRect(Source, SkinRect.Left, SkinRect.Top);
    CutSkinPiece(Piece, *Picture, Source);
    FillWithSkinPiece(Image.Canvas(), Rect(0, 0, Width(), Height()), Piece, StretchEffect, StretchType);
  }
  Canvas().Draw(0, 0, Image);
}

// The skin's background picture over the panel: stretched into the client area, or
// repeated over the whole panel.
void TspSkinPanel::PaintBackgroundPicture(TBitmap& APicture) {
  TBitmap Image;
  PrepareOffscreenImage(Image, Width(), Height());
  const bool IntoClient = StretchEffect && StretchType == spstFull;
  FillWithSkinPiece(Image.Canvas(), IntoClient ? NewClRect : Rect(0, 0, Width(), Height()), APicture,
                    StretchEffect, StretchType);
  Canvas().Draw(0, 0, Image);
}
