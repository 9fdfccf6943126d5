#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus_ItemInternal.h"
#include "platform/gdi/Text.h"

namespace {

// The skin's heading element: "menuheader", else "label"; nullptr with neither or
// without its picture.
const TspDataSkinLabelControl* MenuHeaderElement(const TspSkinData& ASkin, TBitmap*& APicture) {
  int Index = ASkin.GetControlIndex("menuheader");
  if (Index == -1) Index = ASkin.GetControlIndex("label");
  const auto* Element = ASkin.Control<TspDataSkinLabelControl>(Index);
  APicture = Element ? ASkin.Picture(Element->PictureIndex) : nullptr;
  return APicture ? Element : nullptr;
}

}  // namespace

void TspSkinMenuItem::DrawSkinHeader(TBitmap& ABitmap, bool AResize) {
  TBitmap* Picture = nullptr;
  const TspDataSkinLabelControl* Header = MenuHeaderElement(*SD, Picture);
  if (!Header) return;
  const int W = ABitmap.Width();
  const int H = ABitmap.Height();
  const TRect& Skin = Header->SkinRect;
  const String Text = MenuItem->Caption().substr(1, MenuItem->Caption().size() - 2);

  TBitmap Heading;
  TRect TextPlace;
  int Top = 0;
  if (AResize) {
    Heading.SetSize(W, H);
    const int SkinH = RectangleHeight(Skin);
    StretchSkinImage(Heading, *Picture, Skin,
                     TRect{Header->LTPoint.X, SkinH / 4, Header->RTPoint.X, SkinH - SkinH / 4}, true);
    TextPlace =
        TRect{Header->ClRect.Left, Header->ClRect.Top, W - (RectangleWidth(Skin) - Header->ClRect.Right),
              H - (RectangleHeight(Skin) - Header->ClRect.Bottom)};
    Heading.Canvas().Font().Assign(ParentMenu.FDefaultMenuItemFont);
  } else {
    CreateHSkinImage(Header->LTPoint.X, RectangleWidth(Skin) - Header->RTPoint.X, Heading, *Picture, Skin, W,
                     RectangleHeight(Skin), Header->StretchEffect);
    TextPlace = TRect{0, Header->ClRect.Top, W, Heading.Height()};
    Top = H / 2 - Heading.Height() / 2;
    TFont& Font = Heading.Canvas().Font();
    Font.SetName(Header->FontName);
    Font.SetHeight(Header->FontHeight);
    Font.SetCharset(MenuItemCharset(ParentMenu));
  }
  TCanvas& C = Heading.Canvas();
  C.Font().SetColor(Header->FontColor);
  C.Brush().SetStyle(bsClear);
  if (C.Font().Height() % 2 != 0) {
    TextPlace.Top -= 1;
    TextPlace.Bottom -= 1;
  }
  DrawWideText(C, Text, TextPlace, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ABitmap.Canvas().Draw(0, Top, Heading);
}
