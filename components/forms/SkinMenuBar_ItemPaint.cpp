// A main menu bar item's looks: the built-in one, the skin item object's normal, hot,
// pressed and animated pictures with the cross-fade between the first two, and the
// skin's tool button in tool-bar mode.

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenuBar_PaintInternal.h"
#include "components/forms/SkinMenus_ItemInternal.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Text.h"

namespace {

const TRect& FirstNonEmpty(const TRect& A, const TRect& B) { return RectangleIsEmpty(A) ? B : A; }

// What the bar's canvas holds under ARect, as the start of an item picture.
void CopyBarBackground(TBitmap& AImage, TCanvas& ABar, const TRect& ARect) {
  AImage.SetPixelFormat(pf32bit);
  AImage.SetSize(RectangleWidth(ARect), RectangleHeight(ARect));
  BitBlt(AImage.Canvas().Handle(), 0, 0, AImage.Width(), AImage.Height(), ABar.Handle(), ARect.Left,
         ARect.Top, SRCCOPY);
}

}  // namespace

void DrawBuiltInBarCell(TCanvas& ACanvas, const TRect& ARect, bool ALit, bool ADown) {
  // The pressed and hot fills of the built-in look.
  constexpr TColor DownColor = RGB(133, 147, 181);
  constexpr TColor HotColor = RGB(182, 189, 210);
  if (ALit) {
    ACanvas.Brush().SetColor(clNavy);
    ACanvas.FrameRect(ARect);
    ACanvas.Brush().SetColor(ADown ? DownColor : HotColor);
    ACanvas.FillRect(TRect{ARect.Left + 1, ARect.Top + 1, ARect.Right - 1, ARect.Bottom - 1});
  } else {
    ACanvas.Brush().SetColor(clBtnFace);
    ACanvas.FillRect(ARect);
  }
}

void TspSkinMainMenuBarItem::ApplyItemFont(TFont& AFont) const {
  const TspDataSkinButtonControl* Tool = Parent.FToolBarMode ? Parent.ToolBarButtonRecord() : nullptr;
  if (!Parent.FUseSkinFont || !FSkinSupport) {
    AFont.Assign(Parent.FDefItemFont);
  } else if (Tool) {
    AFont.SetName(Tool->FontName);
    AFont.SetHeight(Tool->FontHeight);
    AFont.SetStyle(Tool->FontStyle);
  } else {
    AFont.SetName(FontName);
    AFont.SetHeight(FontHeight);
    AFont.SetStyle(FontStyle);
  }
  AFont.SetCharset(SkinTextCharset(Parent.SkinData(), Parent.FDefItemFont));
}

TColor TspSkinMainMenuBarItem::TextColor(bool AHot) const {
  const TspDataSkinButtonControl* Tool = Parent.FToolBarMode ? Parent.ToolBarButtonRecord() : nullptr;
  if (Down) return Tool ? Tool->DownFontColor : DownFontColor;
  if (AHot) return Tool ? Tool->ActiveFontColor : ActiveFontColor;
  if (!MenuItem.Enabled()) return UnEnabledFontColor;
  return Tool ? Tool->FontColor : FontColor;
}

void TspSkinMainMenuBarItem::DrawContent(TCanvas& ACanvas, const TRect& AItem, TRect AText, bool AHot,
                                         bool AFitToCaption) {
  TMenu* Menu = MenuItem.GetParentMenu();
  TCustomImageList* Images = Menu ? Menu->Images() : nullptr;
  if (MenuItemHasImage(MenuItem, Images)) {
    const TSize Size = MenuItemImageSize(MenuItem, Images);
    DrawMenuItemImage(ACanvas, MenuItem, Images, AText.Left + 2,
                      AItem.Top + RectangleHeight(AItem) / 2 - Size.cy / 2, ACanvas.Font().Color());
    AText.Left += Size.cx + 5;
  }
  if (AFitToCaption) {
    TRect Measured;
    DrawWideText(ACanvas, MenuItem.Caption(), Measured, DT_CALCRECT | DT_CENTER);
    AText.Right = AText.Left + RectangleWidth(Measured) + 2;
  }
  ACanvas.Brush().SetStyle(bsClear);
  if (MenuItem.OnDrawItem)
    MenuItem.OnDrawItem(&Parent, ACanvas, AText, AHot);
  else
    DrawWideText(ACanvas, MenuItem.Caption(), AText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TspSkinMainMenuBarItem::DefaultDraw(TCanvas& ACanvas) {
  PlaceAndFit(ACanvas);
  if (!Visible) return;
  const TRect R = ObjectRect;
  // The item before this one left the brush clear for its caption.
  ACanvas.Brush().SetStyle(bsSolid);
  DrawBuiltInBarCell(ACanvas, R, Down || MouseIn || Active, Down);
  ACanvas.Font().Assign(Parent.FDefItemFont);
  ACanvas.Font().SetColor(MenuItem.Enabled() ? clBtnText : clGrayText);
  DrawContent(ACanvas, R, R, Active, false);
}

void TspSkinMainMenuBarItem::ComposeSkinImage(TBitmap& AImage, TCanvas& ABar, const TRect& ASource,
                                              bool AHot) {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  const TspSkinData* Skin = Parent.SkinData();
  TBitmap* Picture = Skin ? Skin->Picture(PictureIndex) : nullptr;
  // The normal look of a bar with transparent items is the bar itself.
  if (Parent.ItemTransparent && (RectanglesEqual(ASource, SkinRect) || (!Parent.FUseSkinSize && !AHot))) {
    CopyBarBackground(AImage, ABar, ObjectRect);
  } else if (Parent.FUseSkinSize) {
    CreateHSkinImage(LO, RO, AImage, *Picture, ASource, W, H, AHot && StretchEffect);
  } else {
    AImage.SetPixelFormat(pf32bit);
    AImage.SetSize(W, H);
    const int SourceH = RectangleHeight(ASource);
    StretchSkinImage(AImage, *Picture, ASource,
                     Rect(LO, SourceH / 4, RectangleWidth(ASource) - RO, SourceH - SourceH / 4), true);
  }
  TRect Text = TextRct;
  if (!Parent.FUseSkinSize) {
    // The text area keeps its height and sits in the middle of a stretched item.
    Text.Top = (H - RectangleHeight(TextRct)) / 2;
    Text.Bottom = Text.Top + RectangleHeight(TextRct);
  }
  TCanvas& Canvas = AImage.Canvas();
  ApplyItemFont(Canvas.Font());
  Canvas.Font().SetColor(TextColor(AHot));
  DrawContent(Canvas, Rect(0, 0, W, H), Text, AHot, true);
}

bool TspSkinMainMenuBarItem::ComposeToolBarImage(TBitmap& AImage, TCanvas& ABar, bool AHot) {
  const TspDataSkinButtonControl* Tool = Parent.ToolBarButtonRecord();
  if (!Tool) return false;
  TspSkinElementGeometry Geometry;
  Geometry.ReadElement(*Tool, *Parent.SkinData());
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  int FitW = W;
  int FitH = H;
  Geometry.FitSize(true, FitW, FitH);
  if (!Down && !AHot && Parent.FToolBarModeItemTransparent) {
    CopyBarBackground(AImage, ABar, ObjectRect);
  } else {
    const TRect& Source =
        Down   ? FirstNonEmpty(Tool->DownSkinRect, FirstNonEmpty(Tool->ActiveSkinRect, Tool->SkinRect))
        : AHot ? FirstNonEmpty(Tool->ActiveSkinRect, Tool->SkinRect)
               : Tool->SkinRect;
    AImage.SetPixelFormat(pf32bit);
    AImage.SetSize(W, H);
    Geometry.ComposeImage(AImage, Geometry.Picture, Source, W, H, false);
  }
  TCanvas& Canvas = AImage.Canvas();
  ApplyItemFont(Canvas.Font());
  Canvas.Font().SetColor(TextColor(AHot));
  DrawContent(Canvas, Rect(0, 0, W, H), Geometry.NewClRect, AHot, true);
  return true;
}

bool TspSkinMainMenuBarItem::ComposeLook(TBitmap& AImage, TCanvas& ABar, bool AHot) {
  if (Parent.FToolBarMode) return ComposeToolBarImage(AImage, ABar, AHot);
  if (!Parent.SkinData() || !Parent.SkinData()->Picture(PictureIndex)) return false;
  if (Down)
    ComposeSkinImage(AImage, ABar, DownRect, true);
  else
    ComposeSkinImage(AImage, ABar, AHot ? FirstNonEmpty(ActiveSkinRect, SkinRect) : SkinRect, AHot);
  return true;
}

TRect TspSkinMainMenuBarItem::AnimationFrame() const {
  const TRect& A = AnimateSkinRect;
  const int K = CurrentFrame;
  if (RectangleHeight(SkinRect) < RectangleHeight(A)) {
    const int Step = RectangleHeight(A) / FrameCount;
    return Rect(A.Left, A.Top + Step * (K - 1), A.Right, A.Top + Step * K);
  }
  const int Step = RectangleWidth(A) / FrameCount;
  return Rect(A.Left + Step * (K - 1), A.Top, A.Left + Step * K, A.Bottom);
}

void TspSkinMainMenuBarItem::SkinDraw(TCanvas& ACanvas) {
  if (RectangleIsEmpty(SkinRect) || RectangleIsEmpty(TextRct)) return;
  PlaceAndFit(ACanvas);
  if (!Visible) return;
  TBitmap Image;
  const bool Settled = !EnableMorphing() || (Active && FMorphKf >= 1) || (!Active && FMorphKf <= 0);
  if (Down) {
    if (!ComposeLook(Image, ACanvas, true)) return;
  } else if (EnableAnimation() && CurrentFrame >= 1 && CurrentFrame <= FrameCount) {
    if (!Parent.SkinData() || !Parent.SkinData()->Picture(PictureIndex)) return;
    ComposeSkinImage(Image, ACanvas, AnimationFrame(), true);
  } else if (Settled) {
    if (!ComposeLook(Image, ACanvas, Active)) return;
  } else {
    TBitmap Hot;
    if (!ComposeLook(Image, ACanvas, false) || !ComposeLook(Hot, ACanvas, true)) return;
    MorphBitmapByKind(Image, Hot, FMorphKf, MorphKind);
  }
  BitBlt(ACanvas.Handle(), ObjectRect.Left, ObjectRect.Top, Image.Width(), Image.Height(),
         Image.Canvas().Handle(), 0, 0, SRCCOPY);
}
