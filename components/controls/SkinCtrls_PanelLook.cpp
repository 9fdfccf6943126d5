// The panel's two looks: the built-in one (border and caption header in the system
// colours) and the skin's (the element's picture and its caption).

#include <algorithm>
#include <typeinfo>

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"

void TspSkinPanel::ApplyCaptionFont(TFont& AFont) { ApplySkinFont(AFont, FontName, FontHeight, FontStyle); }

// ---------------------------------------------------------------- the built-in look

void TspSkinPanel::CreateControlDefaultImage(TBitmap& B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas& Target = B.Canvas();
  const TRect Whole = Rect(0, 0, Width(), Height());
  switch (FBorderStyle) {
    case bvFrame:
      DrawBevelFrame(Target, Whole, clBtnShadow, clBtnShadow);
      break;
    case bvRaised:
      DrawBevelFrame(Target, Whole, clBtnHighlight, clBtnShadow);
      break;
    case bvLowered:
      DrawBevelFrame(Target, Whole, clBtnShadow, clBtnHighlight);
      break;
    case bvNone:
      break;
  }
  if (FCaptionMode) DrawDefaultCaption(Target);
}

void TspSkinPanel::DrawDefaultCaption(TCanvas& ACanvas) {
  const int H = FDefaultCaptionHeight;
  TRect Header;
  if (FBorderStyle == bvFrame) {
    Header = FRibbonStyle ? Rect(0, Height() - H, Width(), Height()) : Rect(0, 0, Width(), H);
    DrawBevelFrame(ACanvas, Header, clBtnShadow, clBtnShadow);
    InflateRect(Header, -1, -1);
    DrawBevelFrame(ACanvas, Header, clBtnHighlight, clBtnFace);
  } else {
    Header = FRibbonStyle ? Rect(1, Height() - H - 1, Width() - 1, Height() - 1) : Rect(1, 1, Width() - 1, H);
    DrawBevelFrame(ACanvas, Header, clBtnShadow, clBtnHighlight);
    InflateRect(Header, -1, -1);
    DrawBevelFrame(ACanvas, Header, clBtnHighlight, clBtnShadow);
  }
  InflateRect(Header, -1, -1);
  if (FCheckedMode) Header.Left += 20;
  if (FRollUpMode) Header.Right -= 10;

  ApplyDefaultFont(ACanvas.Font());
  const String& Text = Caption();
  const int TextHeight = ACanvas.TextHeight(Text);
  const int TextTop = Header.Top + RectangleHeight(Header) / 2 - TextHeight / 2;
  int ContentWidth = ACanvas.TextWidth(Text);
  if (!FGlyph->Empty()) ContentWidth += GlyphFrameWidth() + FSpacing;
  int ContentLeft = Header.Left + 2;
  if (FDefaultAlignment == taRightJustify) ContentLeft = Header.Right - ContentWidth;
  if (FDefaultAlignment == taCenter)
    ContentLeft = Header.Left + 2 + RectangleWidth(Header) / 2 - ContentWidth / 2;

  if (FCheckedMode) {
    const TRect Box = Bounds(5, Header.Top + RectangleHeight(Header) / 2 - 7, 14, 14);
    DrawBevelFrame(ACanvas, Box, clBtnShadow, clBtnShadow);
    if (FChecked) DrawCheckMark(ACanvas, Box.Left + 3, Box.Top + 2, clBtnText);
  }
  int TextLeft = ContentLeft;
  if (HasCaptionImage()) TextLeft += FCaptionImageList->Width() + FSpacing;
  if (!FGlyph->Empty()) TextLeft += GlyphFrameWidth() + FSpacing;
  ACanvas.Brush().SetStyle(bsClear);
  ACanvas.TextRect(Header, TextLeft, TextTop, Text);
  if (HasCaptionImage()) {
    const int Top = Header.Top + RectangleHeight(Header) / 2 - FCaptionImageList->Height() / 2;
    FCaptionImageList->Draw(ACanvas, ContentLeft, Top, FCaptionImageIndex, Enabled());
  } else if (!FGlyph->Empty()) {
    const int Top = Header.Top + RectangleHeight(Header) / 2 - FGlyph->Height() / 2;
    DrawBitmapFrame(ACanvas, ContentLeft, Top, FGlyph.get(), FNumGlyphs, GlyphFrame());
  }
  if (FRollUpMode)
    DrawArrow(ACanvas, Rect(Header.Right, Header.Top, Header.Right + 10, Header.Bottom), clBtnText,
              FRollUpState ? 4 : 3);
}

// ---------------------------------------------------------------- the skin look

bool TspSkinPanel::IsTiledSkinLook() const {
  return FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode && !StretchEffect;
}

void TspSkinPanel::SettleSkinCaptionRect() {
  if (FUseSkinSize) NewCaptionRect = ResizeMode <= 0 ? CaptionRect : CalcRectInControl(CaptionRect);
}

void TspSkinPanel::CreateControlSkinImage(TBitmap& B) {
  if (IsTiledSkinLook()) {
    // A borderless textured panel: the client picture repeated over the whole image.
    TBitmap Piece;
    if (Picture != nullptr) {
      TRect Source = ClRect;
      OffsetRect(Source, SkinRect.Left, SkinRect.Top);
      CutSkinPiece(Piece, *Picture, Source);
    }
    FillWithSkinPiece(B.Canvas(), Rect(0, 0, B.Width(), B.Height()), Piece, false, spstFull);
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(B);
  SettleSkinCaptionRect();
  if (!Caption().empty() && !RectangleIsEmpty(CaptionRect)) DrawSkinCaption(B.Canvas());
}

// A glyph or an image list may change their pictures unseen, and a descendant may
// draw more: only the panel and the group box without them can tell.
std::optional<TspSkinPanel::TSkinCaptionDrawing> TspSkinPanel::SkinCaptionDrawing() const {
  if (typeid(*this) != typeid(TspSkinPanel) && typeid(*this) != typeid(TspSkinGroupBox)) return std::nullopt;
  if (IsTiledSkinLook() || !FGlyph->Empty() || FCaptionImageList != nullptr || !FUseSkinFont)
    return std::nullopt;
  TSkinCaptionDrawing Drawing;
  Drawing.Caption = Caption();
  Drawing.FontName = FontName;
  Drawing.NewCaptionRect = NewCaptionRect;
  Drawing.CaptionRect = CaptionRect;
  Drawing.CheckImageRect = CheckImageRect;
  Drawing.UnCheckImageRect = UnCheckImageRect;
  Drawing.MarkFrameRect = MarkFrameRect;
  Drawing.FrameRect = FrameRect;
  Drawing.FrameTextRect = FrameTextRect;
  Drawing.FrameLeftOffset = FrameLeftOffset;
  Drawing.FrameRightOffset = FrameRightOffset;
  Drawing.FontHeight = FontHeight;
  Drawing.FontStyle = FontStyle;
  Drawing.FontColor = FontColor;
  Drawing.Alignment = Alignment;
  Drawing.Charset = SkinTextCharset(FSD, *FDefaultFont);
  Drawing.RollUpMode = FRollUpMode;
  Drawing.RollUpState = FRollUpState;
  Drawing.CheckedMode = FCheckedMode;
  Drawing.Checked = FChecked;
  return Drawing;
}

bool TspSkinPanel::TopStripDrawingChanged() {
  SettleSkinCaptionRect();
  std::optional<TSkinCaptionDrawing> Drawing = SkinCaptionDrawing();
  const bool Changed = !Drawing || Drawing != FDrawnCaption;
  FDrawnCaption = std::move(Drawing);
  return Changed;
}

void TspSkinPanel::DrawSkinCaption(TCanvas& ACanvas) {
  TRect Area = NewCaptionRect;
  if (FRollUpMode) Area.Right -= 12;
  if (FCheckedMode) {
    const TRect& Box = FChecked ? CheckImageRect : UnCheckImageRect;
    DrawSkinPiece(ACanvas, Area.Left, Area.Top + RectangleHeight(Area) / 2 - RectangleHeight(Box) / 2,
                  Picture, Box, true);
    Area.Left += RectangleWidth(Box) + 2;
  }
  ApplyCaptionFont(ACanvas.Font());
  ACanvas.Font().SetColor(FontColor);
  const String& Text = Caption();
  const int TextWidth = ACanvas.TextWidth(Text);
  const int TextTop = Area.Top + RectangleHeight(Area) / 2 - ACanvas.TextHeight(Text) / 2 -
                      (ACanvas.Font().Height() % 2 != 0 ? 1 : 0);

  const auto [ImageWidth, ImageHeight] = CaptionImageSize();
  const int ContentWidth = FGlyph->Empty() ? TextWidth : TextWidth + GlyphFrameWidth() + FSpacing;
  const auto AlignedLeft = [&](int AWidth) {
    if (Alignment == taRightJustify) return Area.Right - AWidth;
    if (Alignment == taCenter) return Area.Left + RectangleWidth(Area) / 2 - AWidth / 2;
    return Area.Left;
  };
  int TextLeft = AlignedLeft(ContentWidth);
  int ImageLeft = TextLeft;
  if (ImageWidth > 0 && FImagePosition == spipLeft) {
    ImageLeft = Area.Left + 2;
    const int AfterImage = ImageLeft + ImageWidth + FSpacing;
    TextLeft = Alignment == taLeftJustify ? AfterImage : std::max(AlignedLeft(TextWidth), AfterImage);
  } else if (ImageWidth > 0) {
    TextLeft += ImageWidth + FSpacing;
  }

  if (FRollUpMode) {
    const TRect Mark = Rect(Area.Right, Area.Top, Area.Right + 10, Area.Bottom);
    if (!RectangleIsEmpty(MarkFrameRect) && Picture != nullptr)
      ACanvas.CopyRect(
          Bounds(Mark.Left, Mark.Top, RectangleWidth(MarkFrameRect), RectangleHeight(MarkFrameRect)),
          Picture->Canvas(), MarkFrameRect);
    DrawArrow(ACanvas, Mark, FontColor, FRollUpState ? 4 : 3);
  }
  if (!RectangleIsEmpty(FrameRect) && Picture != nullptr)
    DrawCaptionPlate(ACanvas, TextWidth, TextLeft, ImageLeft);

  ACanvas.Brush().SetStyle(bsClear);
  ACanvas.TextRect(Area, TextLeft, TextTop, Text);
  const int ImageTop = Area.Top + RectangleHeight(Area) / 2 - ImageHeight / 2;
  if (HasCaptionImage()) {
    FCaptionImageList->Draw(ACanvas, ImageLeft, ImageTop, FCaptionImageIndex, Enabled());
  } else if (ImageWidth > 0) {
    DrawBitmapFrame(ACanvas, ImageLeft, ImageTop, FGlyph.get(), FNumGlyphs, GlyphFrame());
  }
}

// The plate behind the caption's text, built from FrameRect with its fixed ends; the
// text (and image) move onto it by the alignment.
void TspSkinPanel::DrawCaptionPlate(TCanvas& ACanvas, int ATextWidth, int& ATextLeft, int& AImageLeft) {
  const int Margin = RectangleWidth(FrameRect) - RectangleWidth(FrameTextRect);
  TBitmap Plate;
  CreateHSkinImage(FrameLeftOffset, FrameRightOffset, Plate, *Picture, FrameRect, Margin + ATextWidth,
                   RectangleHeight(FrameRect), false);
  int PlateLeft = ATextLeft;
  switch (Alignment) {
    case taLeftJustify:
      ATextLeft = FrameTextRect.Left + PlateLeft;
      break;
    case taRightJustify:
      PlateLeft = ATextLeft - Margin;
      ATextLeft = FrameTextRect.Left + PlateLeft;
      AImageLeft -= Margin;
      break;
    case taCenter:
      PlateLeft = ATextLeft - FrameTextRect.Left - 2;
      AImageLeft -= FrameTextRect.Left;
      ATextLeft -= 2;
      break;
  }
  ACanvas.Draw(PlateLeft, NewCaptionRect.Top, Plate);
}
