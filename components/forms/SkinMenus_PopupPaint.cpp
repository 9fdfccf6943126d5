// The popup window's picture: the skin's popup picture composed to the window's size
// (or the built-in frame), the items, and the scroll strips, in one blit.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus.h"

namespace {

constexpr int PopupStripHeight = 10;
constexpr int PopupBuiltInGlyphColumn = 22;

void FillPopupRect(TCanvas& ACanvas, const TRect& ARect, TColor AColor) {
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(AColor);
  ACanvas.FillRect(ARect);
}

// The skin object the strips and gaps take their background from: "menuitem", else
// "MENUITEM".
const TspDataSkinMenuItem* PopupStripRecord(const TspSkinData& ASkin) {
  int Index = ASkin.GetIndex("menuitem");
  if (Index < 0) Index = ASkin.GetIndex("MENUITEM");
  return ASkin.Object<TspDataSkinMenuItem>(Index);
}

}  // namespace

void TspSkinPopupWindow::Paint() { PaintMenu(Canvas()); }

void TspSkinPopupWindow::ComposeBackground(TBitmap& AImage, bool AFillItemsArea) {
  const int W = Width();
  const int H = Height();
  if (PW) {
    ComposeSkinImage(
        AImage, *WindowPicture,
        SkinImageGeometry(*PW, PW->ItemsRect, Rect(0, 0, WindowPicture->Width(), WindowPicture->Height()),
                          TspSkinImageTargets{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect}),
        W, H, AFillItemsArea);
    return;
  }
  AImage.SetSize(W, H);
  TCanvas& C = AImage.Canvas();
  const int Column = ImgL ? GlyphWidth + 3 : PopupBuiltInGlyphColumn;
  FillPopupRect(C, TRect{0, 0, Column, H}, clBtnFace);
  FillPopupRect(C, TRect{Column, 0, W, H}, clWindow);
  C.Brush().SetColor(clGrayText);
  C.FrameRect(TRect{0, 0, W, H});
  C.Brush().SetColor(clWindow);
  C.FrameRect(TRect{1, 1, W - 1, H - 1});
}

void TspSkinPopupWindow::PaintMenu(TCanvas& ACanvas) {
  TBitmap Image;
  ComposeBackground(Image, Scroll);
  if (PW && DSMI && DSMI->InActiveTransparent) {
    if (!FPaintBuffer) FPaintBuffer = std::make_unique<TBitmap>();
    ComposeBackground(*FPaintBuffer, true);
  } else {
    FPaintBuffer.reset();
  }
  for (const auto& Line : ItemList)
    if (Line->FVisible) Line->Draw(Image.Canvas());
  if (Scroll) DrawScrollStrips(Image.Canvas());
  ACanvas.Draw(0, 0, Image);
}

TRect TspSkinPopupWindow::TopStripRect() const {
  return TRect{NewItemsRect.Left, NewItemsRect.Top, NewItemsRect.Right, NewItemsRect.Top + PopupStripHeight};
}

TRect TspSkinPopupWindow::BottomStripRect() const {
  return TRect{NewItemsRect.Left, NewItemsRect.Bottom - PopupStripHeight, NewItemsRect.Right,
               NewItemsRect.Bottom};
}

// An arrow in each strip, in the active colour while the items scroll its way; the gap
// between the last shown item and the bottom strip takes the items' background.
void TspSkinPopupWindow::DrawScrollStrips(TCanvas& ACanvas) {
  const TRect Top = TopStripRect();
  const TRect Bottom = BottomStripRect();
  const TColor Normal = PW ? PW->ScrollMarkerColor : clGrayText;
  const TColor Hot = PW ? PW->ScrollMarkerActiveColor : clBtnText;
  if (PW) {
    PaintItemsBackground(ACanvas, Top);
    PaintItemsBackground(ACanvas, Bottom);
  }
  DrawArrow(ACanvas, Top, ScrollCode == 1 ? Hot : Normal, 3);
  DrawArrow(ACanvas, Bottom, ScrollCode == 2 ? Hot : Normal, 4);
  const int Last = LastShownIndex();
  if (Last < 0) return;
  const int GapTop = ItemList[Last]->ObjectRect.Bottom;
  if (GapTop < Bottom.Top && PW)
    PaintItemsBackground(ACanvas, TRect{NewItemsRect.Left, GapTop, NewItemsRect.Right, Bottom.Top});
}

void TspSkinPopupWindow::PaintItemsBackground(TCanvas& ACanvas, const TRect& ARect) {
  const TspDataSkinMenuItem* Record = PopupStripRecord(*SD);
  if (!Record) return;
  TBitmap Strip;
  if (Record->InActiveTransparent && FPaintBuffer) {
    Strip.SetSize(RectangleWidth(ARect), RectangleHeight(ARect));
    Strip.Canvas().CopyRect(TRect{0, 0, Strip.Width(), Strip.Height()}, FPaintBuffer->Canvas(), ARect);
    ACanvas.Draw(ARect.Left, ARect.Top, Strip);
    return;
  }
  TBitmap* Picture = SD->Picture(Record->ActivePictureIndex);
  if (!Picture || RectangleIsEmpty(Record->SkinRect)) return;
  CreateHSkinImage(Record->ItemLO, Record->ItemRO, Strip, *Picture, Record->SkinRect, RectangleWidth(ARect),
                   RectangleHeight(ARect), Record->InActiveStretchEffect);
  // Cut to the rectangle's height, or stretched to it when the item picture is lower.
  const int SourceH = std::min(Strip.Height(), RectangleHeight(ARect));
  ACanvas.CopyRect(ARect, Strip.Canvas(), TRect{0, 0, Strip.Width(), SourceH});
}
