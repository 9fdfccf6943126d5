#include <array>
#include <utility>

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus_ItemInternal.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ShortCuts.h"

void DrawMenuCheckGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  for (int I = 0; I <= 2; ++I) {
    ACanvas.MoveTo(AX, AY + 5 - I);
    ACanvas.LineTo(AX + 2, AY + 7 - I);
    ACanvas.LineTo(AX + 7, AY + 2 - I);
  }
}

void DrawMenuArrowGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  for (int I = 0; I <= 3; ++I) {
    ACanvas.MoveTo(AX + I, AY + I);
    ACanvas.LineTo(AX + I, AY + 7 - I);
  }
}

void DrawMenuRadioGlyph(TCanvas& ACanvas, int AX, int AY, TColor AColor) {
  ACanvas.Pen().SetColor(AColor);
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(AColor);
  ACanvas.Ellipse(AX, AY, AX + 6, AY + 6);
}

namespace {

constexpr unsigned MenuItemTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The rectangle AText takes when measured from ALeft within ARight, centred
// vertically on AArea.
TRect MenuItemMeasuredText(TCanvas& ACanvas, const String& AText, int ALeft, int ARight, const TRect& AArea) {
  TRect R{ALeft, 0, ARight, 0};
  DrawWideText(ACanvas, AText, R, MenuItemTextFlags | DT_CALCRECT);
  const int Top = AArea.Top + RectangleHeight(AArea) / 2 - RectangleHeight(R) / 2;
  return TRect{R.Left, Top, R.Right, Top + RectangleHeight(R)};
}

}  // namespace

void DrawMenuItemTexts(TCanvas& ACanvas, const TMenuItem& AItem, const TspMenuItemTextPlace& APlace) {
  const TRect& T = APlace.Area;
  const int Raise = APlace.RaiseForOddFont && ACanvas.Font().Height() % 2 != 0 ? 1 : 0;
  ACanvas.Brush().SetStyle(bsClear);

  TRect Caption = MenuItemMeasuredText(ACanvas, AItem.Caption(), T.Left + APlace.GlyphColumn,
                                       T.Right - APlace.RightGap, T);
  Caption.Right += 2;
  Caption.Top -= Raise;
  Caption.Bottom -= Raise;
  DrawWideText(ACanvas, AItem.Caption(), Caption, MenuItemTextFlags);

  const String ShortCut = ShortCutToText(AItem.ShortCut());
  if (ShortCut.empty()) return;
  const int Width = WideTextWidth(ACanvas, ShortCut);
  TRect Place{T.Right - Width - APlace.RightGap, Caption.Top, T.Right - APlace.RightGap, Caption.Bottom};
  DrawWideText(ACanvas, ShortCut, Place, MenuItemTextFlags);
}

bool MenuItemHasImage(TMenuItem& AItem, TCustomImageList* AImages) {
  if (!AItem.Bitmap().Empty()) return true;
  return AImages && AItem.ImageIndex() >= 0 && AItem.ImageIndex() < AImages->Count();
}

TSize MenuItemImageSize(TMenuItem& AItem, TCustomImageList* AImages) {
  if (!AItem.Bitmap().Empty()) return TSize{AItem.Bitmap().Width(), AItem.Bitmap().Height()};
  return TSize{AImages->Width(), AImages->Height()};
}

void DrawMenuItemImage(TCanvas& ACanvas, TMenuItem& AItem, TCustomImageList* AImages, int AX, int AY,
                       TColor AFrameColor) {
  const TSize Size = MenuItemImageSize(AItem, AImages);
  if (AItem.Checked()) {
    ACanvas.Pen().SetColor(AFrameColor);
    ACanvas.Brush().SetStyle(bsClear);
    ACanvas.Rectangle(AX - 1, AY - 1, AX + Size.cx + 1, AY + Size.cy + 1);
  }
  if (!AItem.Bitmap().Empty())
    ACanvas.Draw(AX, AY, AItem.Bitmap());
  else
    AImages->Draw(ACanvas, AX, AY, AItem.ImageIndex(), AItem.Enabled());
}

bool DrawSystemMenuItemGlyph(TCanvas& ACanvas, const String& AName, int AX, int AY, TColor AColor) {
  using TGlyph = void (*)(TCanvas&, int, int, TColor);
  static const std::array<std::pair<const char*, TGlyph>, 8> Glyphs{{
      {"DSF_CLOSE", DrawCloseGlyph},
      {"TRAY_DSF_CLOSE", DrawCloseGlyph},
      {"DSF_MINITEM", DrawMinimizeGlyph},
      {"DSF_MAXITEM", DrawMaximizeGlyph},
      {"DSF_RESTORE", DrawRestoreGlyph},
      {"TRAY_DSF_RESTORE", DrawRestoreGlyph},
      {"DSF_ROLLUP", DrawRollUpGlyph},
      {"DSF_MINTOTRAY", DrawMinToTrayGlyph},
  }};
  for (const auto& [Name, Glyph] : Glyphs) {
    if (AName != Name) continue;
    Glyph(ACanvas, AX, AY, AColor);
    return true;
  }
  return false;
}

uint8_t MenuItemCharset(const TspSkinMenu& AMenu) {
  if (AMenu.SkinData && AMenu.SkinData->ResourceStrData())
    return AMenu.SkinData->ResourceStrData()->CharSet();
  return AMenu.FDefaultMenuItemFont.Charset();
}
