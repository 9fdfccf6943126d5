#pragma once
// What the push button and the speed button draw inside their pictures: a frame of a
// glyph strip or an image-list picture beside the caption. User-interface thread.

#include <memory>

#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinPictureMenu.h"
#include "platform/ui/Actions.h"
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
  // The picture and caption moved one pixel right and down.
  bool PressedOffset = false;
  // A bar of BarColor under the picture (else the caption), for the colour buttons.
  bool DrawColorBar = false;
  TColor BarColor = clBlack;
};

// The chosen picture of AMenu with its caption (AUseMenuCaption) or the button's, laid
// out in ARect in the canvas's font; false when the menu has no chosen picture to show.
inline bool DrawImagesMenuChoice(TCanvas& ACanvas, const TRect& ARect, TspSkinImagesMenu* AMenu,
                                 bool AUseMenuCaption, const TButtonContent& AContent) {
  TspImagesMenuItem* Item = AMenu ? AMenu->GetSelectedItem() : nullptr;
  if (!Item || !AMenu->Images()) return false;
  DrawImageAndText(ACanvas, ARect, AContent.Margin, AContent.Spacing, AContent.Layout,
                   AUseMenuCaption ? Item->Caption : AContent.Caption, Item->ImageIndex, AMenu->Images(),
                   false, AContent.Enabled, AContent.DrawColorBar, AContent.BarColor);
  return true;
}

// A hosting button's repaint on a new choice of its picture menu, inert once the button
// (AAlive) is gone: the menu may outlive it or call it after a handler freed it.
inline void RepaintOnImagesMenuChange(TspSkinImagesMenu& AMenu, TControl& AButton, TLiveToken AAlive) {
  AMenu.OnInternalChange = [&AButton, Alive = std::move(AAlive)](TObject*) {
    if (Alive) AButton.Repaint();
  };
}

// A valid image-list picture, else the glyph's frame for the state, with the caption,
// laid out in ARect in the canvas's font.
inline void DrawButtonContent(TCanvas& ACanvas, const TRect& ARect, const TButtonContent& AContent,
                              bool ADown, bool AHot) {
  if (AContent.Images && AContent.ImageIndex >= 0 && AContent.ImageIndex < AContent.Images->Count()) {
    DrawImageAndText(ACanvas, ARect, AContent.Margin, AContent.Spacing, AContent.Layout, AContent.Caption,
                     AContent.ImageIndex, AContent.Images, AContent.PressedOffset, AContent.Enabled,
                     AContent.DrawColorBar, AContent.BarColor);
    return;
  }
  DrawGlyphAndText(ACanvas, ARect, AContent.Margin, AContent.Spacing, AContent.Layout, AContent.Caption,
                   AContent.Glyph, AContent.NumGlyphs,
                   ButtonGlyphNumber(ADown, AHot, AContent.Enabled, AContent.NumGlyphs),
                   AContent.PressedOffset, AContent.DrawColorBar, AContent.BarColor);
}

// Frame AFrame (from 1) of an animation strip of AFrameCount frames: side by side when
// the strip is wider than the element's rectangle ASkinRect, else one under the other.
inline TRect ButtonAnimationFrame(const TRect& AStrip, const TRect& ASkinRect, int AFrameCount, int AFrame) {
  TRect Frame = AStrip;
  if (RectangleWidth(AStrip) > RectangleWidth(ASkinRect)) {
    const int W = RectangleWidth(AStrip) / AFrameCount;
    Frame.Left = AStrip.Left + W * (AFrame - 1);
    Frame.Right = Frame.Left + W;
  } else {
    const int H = RectangleHeight(AStrip) / AFrameCount;
    Frame.Top = AStrip.Top + H * (AFrame - 1);
    Frame.Bottom = Frame.Top + H;
  }
  return Frame;
}

// The caption colours of a button's element.
struct TButtonFontColors {
  TColor Normal, Active, Down, Disabled;
};

// The caption colour of a state: DefaultFont's when enabled and the skin's colours are
// off, the disabled colour, the pressed colour down and hot, the hot colour, else the
// normal one.
inline TColor ButtonStateColor(const TButtonFontColors& AColors, bool AEnabled, bool AUseSkinFontColor,
                               TColor ADefaultColor, bool ADown, bool AMouseIn) {
  if (AEnabled && !AUseSkinFontColor) return ADefaultColor;
  if (!AEnabled) return AColors.Disabled;
  if (ADown && AMouseIn) return AColors.Down;
  if (AMouseIn) return AColors.Active;
  return AColors.Normal;
}

// A button of free size: the picture ASource of the element stretched over all of
// ABitmap (fixed elements), or scaled keeping the element's client rectangle AClRect in
// proportion (strips); nothing for an element without picture rectangle. Returns the
// content rectangle, AClRect grown by the growth of the picture.
inline TRect DrawFreeSizeButtonPicture(TBitmap& ABitmap, TBitmap& APicture, const TRect& ASource,
                                       const TRect& AClRect, int AResizeMode) {
  if (AResizeMode == 0) {
    TBitmap Piece;
    CutSkinPiece(Piece, APicture, ASource);
    ABitmap.Canvas().StretchDraw(Rect(0, 0, ABitmap.Width(), ABitmap.Height()), Piece);
  } else if (AResizeMode != -1) {
    StretchSkinImage(ABitmap, APicture, ASource, AClRect, true);
  }
  TRect Content = AClRect;
  Content.Right += ABitmap.Width() - RectangleWidth(ASource);
  Content.Bottom += ABitmap.Height() - RectangleHeight(ASource);
  return Content;
}

// The picture a linked action gives a button without a glyph: its list's image list and
// its image index, when the index names an image of the list. False when it gives none.
inline bool ActionPicture(TObject* AAction, const TBitmap& AGlyph, TCustomImageList*& AImages, int& AIndex) {
  auto* Action = dynamic_cast<TCustomAction*>(AAction);
  if (!Action || AGlyph.Width() != 0 || !Action->ActionList()) return false;
  TCustomImageList* Images = Action->ActionList()->Images();
  if (!Images || Action->ImageIndex() < 0 || Action->ImageIndex() >= Images->Count()) return false;
  AImages = Images;
  AIndex = Action->ImageIndex();
  return true;
}
