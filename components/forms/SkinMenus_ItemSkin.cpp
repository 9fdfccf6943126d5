#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinMenus_ItemInternal.h"

namespace {

constexpr int SkinGlyphColumn = 16;
constexpr int SkinRightGap = 16;

// The part ASource of APicture drawn transparently, centred in AArea (never left of
// or above it).
void DrawSkinMenuPicture(TCanvas& ACanvas, TBitmap& APicture, const TRect& ASource, const TRect& AArea) {
  TBitmap Piece;
  Piece.SetSize(RectangleWidth(ASource), RectangleHeight(ASource));
  Piece.Canvas().CopyRect(TRect{0, 0, Piece.Width(), Piece.Height()}, APicture.Canvas(), ASource);
  Piece.SetTransparent(true);
  const int X = std::max(AArea.Left, AArea.Left + RectangleWidth(AArea) / 2 - Piece.Width() / 2);
  const int Y = std::max(AArea.Top, AArea.Top + RectangleHeight(AArea) / 2 - Piece.Height() / 2);
  ACanvas.Draw(X, Y, Piece);
}

}  // namespace

TRect TspSkinMenuItem::AnimationFrameRect() const {
  const TRect& Strip = MI->AnimateSkinRect;
  const int I = CurrentFrame;
  if (RectangleHeight(Strip) > RectangleHeight(MI->SkinRect)) {
    const int H = RectangleHeight(Strip) / MI->FrameCount;
    return TRect{Strip.Left, Strip.Top + (I - 1) * H, Strip.Right, Strip.Top + I * H};
  }
  const int W = RectangleWidth(Strip) / MI->FrameCount;
  return TRect{Strip.Left + (I - 1) * W, Strip.Top, Strip.Left + I * W, Strip.Bottom};
}

void TspSkinMenuItem::DrawSkinLook(TCanvas& ACanvas, bool AResize) {
  const bool Highlighted = Active || Down;
  TBitmap Buffer;
  if (EnableAnimation() && CurrentFrame > 0 && CurrentFrame <= MI->FrameCount) {
    BuildSkinState(Buffer, Highlighted, AnimationFrameRect(), true, AResize);
  } else if (EnableMorphing() && !(Highlighted ? FMorphKf >= 1 : FMorphKf <= 0)) {
    TBitmap Hot;
    BuildSkinState(Buffer, false, MI->SkinRect, false, AResize);
    BuildSkinState(Hot, true, MI->ActiveSkinRect, false, AResize);
    MorphBitmapByKind(Buffer, Hot, FMorphKf, MI->MorphKind);
  } else {
    BuildSkinState(Buffer, Highlighted, Highlighted ? MI->ActiveSkinRect : MI->SkinRect, false, AResize);
  }
  ACanvas.Draw(ObjectRect.Left, ObjectRect.Top, Buffer);
}

void TspSkinMenuItem::BuildSkinBackground(TBitmap& ABitmap, bool AActive, const TRect& ASource, bool AFrame,
                                          bool AResize) {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  if (!AActive && MI->InActiveTransparent && Parent.PaintBuffer()) {
    // The window background shows through the normal look.
    ABitmap.SetSize(W, H);
    ABitmap.Canvas().CopyRect(TRect{0, 0, W, H}, Parent.PaintBuffer()->Canvas(), ObjectRect);
    return;
  }
  if (!ActivePicture || RectangleIsEmpty(ASource)) {
    ABitmap.SetSize(W, H);
    return;
  }
  if (!AResize) {
    const bool Stretch =
        AActive ? MI->StretchEffect : (MI->InActiveStretchEffect || (MI->StretchEffect && AFrame));
    CreateHSkinImage(MI->ItemLO, MI->ItemRO, ABitmap, *ActivePicture, ASource, W, H, Stretch);
    return;
  }
  const int SourceW = RectangleWidth(ASource);
  const int SourceH = RectangleHeight(ASource);
  ABitmap.SetSize(W, H);
  StretchSkinImage(ABitmap, *ActivePicture, ASource,
                   TRect{MI->ItemLO, SourceH / 4, SourceW - MI->ItemRO, SourceH - SourceH / 4}, true);
}

void TspSkinMenuItem::BuildSkinState(TBitmap& ABitmap, bool AActive, const TRect& ASource, bool AFrame,
                                     bool AResize) {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  if (IsSeparator()) {
    if (ActivePicture && !RectangleIsEmpty(MI->DividerRect))
      CreateHSkinImage(MI->DividerLO, MI->DividerRO, ABitmap, *ActivePicture, MI->DividerRect, W, H,
                       MI->DividerStretchEffect);
    else
      ABitmap.SetSize(W, H);
    return;
  }
  BuildSkinBackground(ABitmap, AActive, ASource, AFrame, AResize);
  if (IsHeader()) {
    if (SD) DrawSkinHeader(ABitmap, AResize);
    return;
  }

  TRect T = MI->TextRct;
  T.Right = W - (RectangleWidth(MI->SkinRect) - MI->TextRct.Right);
  if (AResize) T.Bottom = H - (RectangleHeight(MI->SkinRect) - MI->TextRct.Bottom);
  const bool OwnImagePlace = !RectangleIsEmpty(MI->ImageRct);
  const int G = OwnImagePlace ? 0 : (ImgL ? GlyphWidth : SkinGlyphColumn);

  TCanvas& C = ABitmap.Canvas();
  TFont& Font = C.Font();
  Font.Assign(ParentMenu.FDefaultMenuItemFont);
  if (ParentMenu.FUseSkinFont) {
    Font.SetName(MI->FontName);
    Font.SetStyle(MI->FontStyle);
    Font.SetHeight(MI->FontHeight);
  }
  Font.SetCharset(MenuItemCharset(ParentMenu));
  Font.SetColor(AActive ? MI->ActiveFontColor
                        : (MenuItem->Enabled() ? MI->FontColor : MI->UnEnabledFontColor));
  C.Brush().SetStyle(bsClear);
  if (MenuItem->OnDrawItem) {
    MenuItem->OnDrawItem(this, C, T, AActive);
    return;
  }

  DrawMenuItemTexts(C, *MenuItem, TspMenuItemTextPlace{T, G, SkinRightGap, true});
  const int MiddleY = T.Top + RectangleHeight(T) / 2;
  TColor GlyphColor = Font.Color();
  if (MenuItem->Count() > 0) {
    const TRect& Arrow = AActive ? MI->ActiveArrowImageRect : MI->ArrowImageRect;
    if (RectangleIsEmpty(Arrow) || !ActivePicture)
      DrawMenuArrowGlyph(C, T.Right - 7, MiddleY - 4, GlyphColor);
    else
      DrawSkinMenuPicture(C, *ActivePicture, Arrow,
                          TRect{T.Right - RectangleWidth(Arrow) - 5, T.Top, T.Right, T.Bottom});
  }
  if (MI->UseImageColor) GlyphColor = AActive ? MI->ActiveImageColor : MI->ImageColor;

  TRect ImagePlace = MI->ImageRct;
  if (MenuItemHasImage(*MenuItem, ImgL)) {
    const TSize Size = MenuItemImageSize(*MenuItem, ImgL);
    int X = T.Left + 2;
    int Y = MiddleY - Size.cy / 2;
    if (OwnImagePlace) {
      if (AResize && MenuItem->Bitmap().Empty())
        ImagePlace.Bottom = H - (RectangleHeight(MI->SkinRect) - MI->ImageRct.Bottom);
      X = ImagePlace.Left + RectangleWidth(ImagePlace) / 2 - Size.cx / 2;
      Y = ImagePlace.Top + RectangleHeight(ImagePlace) / 2 - Size.cy / 2;
    }
    DrawMenuItemImage(C, *MenuItem, ImgL, X, Y, GlyphColor);
    return;
  }

  const int GlyphX = OwnImagePlace ? ImagePlace.Left + RectangleWidth(ImagePlace) / 2 - 4 : T.Left + 2;
  const int GlyphY = OwnImagePlace ? ImagePlace.Top + RectangleHeight(ImagePlace) / 2 - 4 : MiddleY - 4;
  if (DrawSystemMenuItemGlyph(C, MenuItem->Name(), GlyphX, GlyphY, GlyphColor) || !MenuItem->Checked())
    return;
  const TRect MarkPlace =
      OwnImagePlace ? ImagePlace
                    : TRect{MI->TextRct.Left + 2, MI->TextRct.Top, MI->TextRct.Left + 16, MI->TextRct.Bottom};
  const bool Radio = MenuItem->RadioItem();
  const TRect& Mark = Radio ? (AActive ? MI->ActiveRadioImageRect : MI->RadioImageRect)
                            : (AActive ? MI->ActiveCheckImageRect : MI->CheckImageRect);
  if (!RectangleIsEmpty(Mark) && ActivePicture)
    DrawSkinMenuPicture(C, *ActivePicture, Mark, MarkPlace);
  else if (Radio)
    DrawMenuRadioGlyph(C, GlyphX, GlyphY + 1, GlyphColor);
  else
    DrawMenuCheckGlyph(C, GlyphX, GlyphY, GlyphColor);
}
