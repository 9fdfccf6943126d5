#pragma once
// What the two looks of a skinned menu item share: the caption and shortcut, the
// item's image and the system-menu glyphs.

#include "components/forms/SkinMenus.h"

// Where an item's texts go: the text area, the image column at its left, the gap kept
// before its right edge, and whether an odd font height raises the texts one pixel.
struct TspMenuItemTextPlace {
  TRect Area;
  int GlyphColumn;
  int RightGap;
  bool RaiseForOddFont;
};

// The caption, and the shortcut's text ending RightGap pixels left of the area's right
// edge, both centred vertically on the area, in the canvas's font and colour.
void DrawMenuItemTexts(TCanvas& ACanvas, const TMenuItem& AItem, const TspMenuItemTextPlace& APlace);

// Whether the item shows a picture: its own Bitmap, or a valid index of AImages.
bool MenuItemHasImage(TMenuItem& AItem, TCustomImageList* AImages);
TSize MenuItemImageSize(TMenuItem& AItem, TCustomImageList* AImages);
// The picture at (AX, AY); a checked item gets a frame in AFrameColor around it.
void DrawMenuItemImage(TCanvas& ACanvas, TMenuItem& AItem, TCustomImageList* AImages, int AX, int AY,
                       TColor AFrameColor);

// The glyph of the form's system-menu items ("DSF_CLOSE", "DSF_MINITEM", ...) when
// AName is one of them; false otherwise.
bool DrawSystemMenuItemGlyph(TCanvas& ACanvas, const String& AName, int AX, int AY, TColor AColor);

// The items' charset: the skin's resource strings' when the menu has them, else the
// menu's default font's.
uint8_t MenuItemCharset(const TspSkinMenu& AMenu);
