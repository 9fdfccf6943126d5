#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus_ItemInternal.h"

namespace {

constexpr int BuiltInGlyphColumn = 19;
constexpr int BuiltInRightGap = 19;
constexpr TColor BuiltInHotFrameColor = TColor(0x800000);
constexpr TColor BuiltInHotFillColor = TColor(0xD2BDB6);

void FillMenuItemRect(TCanvas& ACanvas, const TRect& ARect, TColor AColor) {
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(AColor);
  ACanvas.FillRect(ARect);
}

}  // namespace

void TspSkinMenuItem::DefaultDraw(TCanvas& ACanvas) {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  TBitmap Buffer;
  Buffer.SetSize(W, H);
  TCanvas& C = Buffer.Canvas();
  const int G = ImgL ? GlyphWidth : BuiltInGlyphColumn;
  C.Font().Assign(ParentMenu.FDefaultMenuItemFont);
  C.Font().SetCharset(MenuItemCharset(ParentMenu));

  TColor TextColor = clWindowText;
  if ((Active || Down) && !IsSeparator()) {
    FillMenuItemRect(C, TRect{0, 0, W, H}, BuiltInHotFrameColor);
    FillMenuItemRect(C, TRect{1, 1, W - 1, H - 1}, BuiltInHotFillColor);
  } else {
    FillMenuItemRect(C, TRect{0, 0, G, H}, clBtnFace);
    FillMenuItemRect(C, TRect{G, 0, W, H}, clWindow);
    if (!MenuItem->Enabled()) TextColor = clGrayText;
  }

  if (IsSeparator()) {
    C.Pen().SetColor(clGrayText);
    C.MoveTo(G, H / 2);
    C.LineTo(W, H / 2);
  } else {
    const TRect R2{2, 2, W - 2, H - 2};
    const int Middle = R2.Top + RectangleHeight(R2) / 2;
    C.Font().SetColor(TextColor);
    DrawMenuItemTexts(C, *MenuItem, TspMenuItemTextPlace{R2, G, BuiltInRightGap, false});
    if (MenuItem->Count() > 0) DrawMenuArrowGlyph(C, R2.Right - 7, Middle - 4, TextColor);
    if (MenuItemHasImage(*MenuItem, ImgL)) {
      const TSize Size = MenuItemImageSize(*MenuItem, ImgL);
      DrawMenuItemImage(C, *MenuItem, ImgL, R2.Left + 2, Middle - Size.cy / 2, TextColor);
    } else if (!DrawSystemMenuItemGlyph(C, MenuItem->Name(), R2.Left + 2, Middle - 4, TextColor) &&
               MenuItem->Checked()) {
      if (MenuItem->RadioItem())
        DrawMenuRadioGlyph(C, R2.Left + 3, Middle - 3, TextColor);
      else
        DrawMenuCheckGlyph(C, R2.Left + 3, Middle - 4, TextColor);
    }
  }
  ACanvas.Draw(ObjectRect.Left, ObjectRect.Top, Buffer);
}
