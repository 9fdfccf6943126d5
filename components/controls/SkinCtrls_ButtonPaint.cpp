// TspSkinButton: the state pictures with the cross-fade between the normal and the hot
// one, the frame animation's frames, a freely sized picture, the caption's font and
// colour, and the built-in look.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_ButtonInternal.h"
#include "components/controls/SkinCtrls_ButtonPropertyRulesInternal.h"
#include "components/controls/SkinCtrls_ButtonRulesInternal.h"
#include "components/controls/SkinCtrls_PaintInternal.h"

void TspSkinButton::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (FIndex == -1) {
    Morphing = false;
    AnimateSkinRect = TRect{};
    return;
  }
  const auto* Data = SkinElement<TspDataSkinButtonControl>();
  if (!Data) return;
  // A freely sized button has no region.
  if (!UseSkinSize) MaskPicture = nullptr;
  FontName = Data->FontName;
  FontColor = Data->FontColor;
  ActiveFontColor = Data->ActiveFontColor;
  DownFontColor = Data->DownFontColor;
  FontStyle = Data->FontStyle;
  FontHeight = Data->FontHeight;
  ActiveSkinRect = RectangleIsEmpty(Data->ActiveSkinRect) ? Data->SkinRect : Data->ActiveSkinRect;
  DownSkinRect = RectangleIsEmpty(Data->DownSkinRect) ? ActiveSkinRect : Data->DownSkinRect;
  Morphing = Data->Morphing;
  MorphKind = Data->MorphKind;
  DisabledSkinRect = Data->DisabledSkinRect;
  FocusedSkinRect = Data->FocusedSkinRect;
  // A disabled caption in the normal colour would not look disabled.
  DisabledFontColor =
      Data->DisabledFontColor == Data->FontColor ? RGB(128, 128, 128) : Data->DisabledFontColor;
  AnimateSkinRect = Data->AnimateSkinRect;
  FrameCount = Data->FrameCount;
  AnimateInterval = Data->AnimateInterval;
  ShowFocus = Data->ShowFocus;
  MenuMarkerFlatRect = Data->MenuMarkerFlatRect;
  MenuMarkerRect = Data->MenuMarkerRect;
  MenuMarkerActiveRect =
      RectangleIsEmpty(Data->MenuMarkerActiveRect) ? MenuMarkerRect : Data->MenuMarkerActiveRect;
  MenuMarkerDownRect =
      RectangleIsEmpty(Data->MenuMarkerDownRect) ? MenuMarkerActiveRect : Data->MenuMarkerDownRect;
  MenuMarkerTransparentColor = Data->MenuMarkerTransparentColor;
  GlowLayerPictureIndex = Data->GlowLayerPictureIndex;
  GlowLayerMaskPictureIndex = Data->GlowLayerMaskPictureIndex;
  GlowLayerOffsetLeft = Data->GlowLayerOffsetLeft;
  GlowLayerOffsetRight = Data->GlowLayerOffsetRight;
  GlowLayerOffsetTop = Data->GlowLayerOffsetTop;
  GlowLayerOffsetBottom = Data->GlowLayerOffsetBottom;
  GlowLayerShowOffsetX = Data->GlowLayerShowOffsetX;
  GlowLayerShowOffsetY = Data->GlowLayerShowOffsetY;
  GlowLayerAlphaBlendValue = Data->GlowLayerAlphaBlendValue;
}

// A button of free size keeps the size asked for; its content area grows with it.
void TspSkinButton::CalcSize(int& AWidth, int& AHeight) {
  if (UseSkinSize || ResizeMode == 1 || FIndex == -1) {
    TspSkinCustomControl::CalcSize(AWidth, AHeight);
    return;
  }
  NewClRect = ClRect;
  NewClRect.Right += AWidth - RectangleWidth(SkinRect);
  NewClRect.Bottom += AHeight - RectangleHeight(SkinRect);
}

bool TspSkinButton::Animating() const {
  return AnimateTimer && AnimateTimer->Enabled() && EffectsOn() && CurrentFrame >= 1 &&
         CurrentFrame <= FrameCount;
}

TRect TspSkinButton::HotSource() const { return TspButtonTimerRules<TspSkinButton>::HotSource(*this); }

TRect TspSkinButton::NormalSource() const { return TspButtonTimerRules<TspSkinButton>::NormalSource(*this); }

bool TspSkinButton::IsPressedLook() {
  return FDown && (FMouseIn || (IsFocused() && !FMouseDown) || FGroupIndex != 0);
}

void TspSkinButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  RefreshGeometry();
  if (FIndex == -1) {
    TspSkinCustomControl::Paint();
    return;
  }
  TBitmap Image;
  Image.SetSize(Width(), Height());
  if (MorphApplies() && FMorphKf > 0 && FMorphKf < 1 && Enabled()) {
    CreateButtonImage(Image, NormalSource(), false, false);
    TBitmap Hot;
    Hot.SetSize(Width(), Height());
    CreateButtonImage(Hot, HotSource(), false, true);
    MorphBitmapByKind(Image, Hot, FMorphKf, MorphKind);
  } else if (!Enabled() && !RectangleIsEmpty(DisabledSkinRect)) {
    CreateButtonImage(Image, DisabledSkinRect, false, false);
  } else if (IsPressedLook()) {
    CreateButtonImage(Image, DownSkinRect, true, true);
  } else if (IsFocused() && !RectangleIsEmpty(FocusedSkinRect) && !Animating()) {
    CreateButtonImage(Image, FocusedSkinRect, false, true);
  } else if (IsFocused() || FMouseIn || (MorphApplies() && FMorphKf == 1)) {
    CreateButtonImage(Image, HotSource(), false, true);
  } else {
    CreateButtonImage(Image, NormalSource(), false, false);
  }
  DrawControlImage(Image);
}

void TspSkinButton::ApplyStateFont(TCanvas& ACanvas, bool ADown, bool AMouseIn) {
  ApplySkinFont(ACanvas.Font(), FontName, FontHeight, FontStyle);
  ACanvas.Font().SetColor(ButtonStateColor({FontColor, ActiveFontColor, DownFontColor, DisabledFontColor},
                                           Enabled(), UseSkinFontColor, DefaultFont().Color(), ADown,
                                           AMouseIn));
}

void TspSkinButton::CreateButtonImage(TBitmap& ABitmap, const TRect& ASource, bool ADown, bool AMouseIn) {
  if (!Picture) return;
  TRect Content = NewClRect;
  if (!UseSkinSize && ResizeMode != 1)
    Content = DrawFreeSizeButtonPicture(ABitmap, *Picture, ASource, ClRect, ResizeMode);
  else
    CreateSkinImage(ABitmap, Picture, ASource);
  TCanvas& C = ABitmap.Canvas();
  ApplyStateFont(C, ADown, AMouseIn);
  if (ShowFocus && IsFocused()) {
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(SkinData()->SkinColors().cBtnFace);
    DrawDottedFocusRect(C, Content);
  }
  C.Brush().SetStyle(bsClear);
  bool DrawDefaultContent = true;
  if (OnPaint) OnPaint(this, C, Content, ADown, AMouseIn, DrawDefaultContent);
  if (DrawDefaultContent) DrawContent(C, Content, ADown, AMouseIn);
}

void TspSkinButton::DrawContent(TCanvas& ACanvas, const TRect& ARect, bool ADown, bool AMouseIn) {
  TButtonContent Content;
  Content.Glyph = FGlyph.get();
  Content.NumGlyphs = FNumGlyphs;
  Content.Images = FImageList;
  Content.ImageIndex = FImageIndex;
  Content.Margin = FMargin;
  Content.Spacing = FSpacing;
  Content.Layout = FLayout;
  Content.Caption = Caption();
  Content.Enabled = Enabled();
  if (UseImagesMenuImage &&
      DrawImagesMenuChoice(ACanvas, ARect, FSkinImagesMenu, UseImagesMenuCaption, Content))
    return;
  DrawButtonContent(ACanvas, ARect, Content, ADown, AMouseIn);
}

// A focused button looks hot.
void TspSkinButton::CreateControlDefaultImage(TBitmap& ABitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(ABitmap);
  TspButtonPropertyRules<TspSkinButton>::DrawBuiltInLook(*this, ABitmap.Canvas(), FMouseIn || IsFocused());
}

void TspSkinButton::ActionChange(TObject* ASender, bool ACheckDefaults) {
  TspSkinCustomControl::ActionChange(ASender, ACheckDefaults);
  TspButtonPropertyRules<TspSkinButton>::TakeActionPicture(*this, ASender);
}
