// The picture menu's window painted into one off-screen picture: the skin's popup
// picture or a plain frame, then each cell, its picture, a button's caption or a
// heading, from the skin's elements or with the built-in look.

#include "components/controls/SkinButtonElement.h"
#include "components/core/SPUtils.h"
#include "components/forms/SkinPictureMenu.h"
#include "platform/gdi/Text.h"

namespace {

// The built-in cell: a one-pixel frame and the pressed or hot fill.
constexpr TColor ImagesMenuCellFrame = TColor(0x800000);
constexpr TColor ImagesMenuPressedFill = TColor(0xB59385);
constexpr TColor ImagesMenuHotFill = TColor(0xD2BDB6);

// The skin's button element the cells are drawn with: "menuitembutton", else
// "resizebutton"; nullptr when the skin has neither with a picture.
const TspDataSkinButtonControl* ImagesMenuCellElement(const TspSkinData* ASkin, TBitmap*& APicture) {
  const TspDataSkinButtonControl* Element = FindButtonElement(ASkin, "menuitembutton", APicture);
  return Element ? Element : FindButtonElement(ASkin, "resizebutton", APicture);
}

// The skin's menu-item object, "menuitem" else "MENUITEM"; nullptr without one.
const TspDataSkinMenuItem* ImagesMenuItemObject(const TspSkinData& ASkin) {
  for (const char* Name : {"menuitem", "MENUITEM"}) {
    const int Index = ASkin.GetIndex(Name);
    if (Index == -1) continue;
    if (const auto* Object = ASkin.Object<TspDataSkinMenuItem>(Index)) return Object;
  }
  return nullptr;
}

}  // namespace

void TspSkinImagesMenuPopupWindow::Paint() {
  if (FClosed) return;
  TBitmap Buffer;
  Buffer.SetSize(Width(), Height());
  TCanvas& C = Buffer.Canvas();
  PaintBackground(C);
  const int Selected = ImagesMenu->ShowSelectedItem ? ImagesMenu->ItemIndex : -1;
  TCustomImageList* Images = ImagesMenu->Images();
  for (int I = 0; I < ItemCount(); ++I) {
    const TspImagesMenuItem& Cell = Item(I);
    if (Cell.Header) {
      PaintHeading(C, Cell);
      continue;
    }
    const bool SelectedPressed = I == Selected && !FItemDown;
    const bool HotPressed = I == MouseInItem && FItemDown;
    const bool Hot = I == MouseInItem && !FItemDown;
    if (SelectedPressed || HotPressed || Hot) PaintCellFrame(C, Cell.ItemRect, SelectedPressed || HotPressed);
    TRect TextRect = Cell.ItemRect;
    if (Cell.ImageIndex >= 0 && Cell.ImageIndex < Images->Count()) {
      Images->Draw(C, Cell.ItemRect.Left + 5, Cell.ItemRect.Top + 5, Cell.ImageIndex, true);
      TextRect.Left += Images->Width() + 5;
    }
    if (Cell.Button && !Cell.Caption.empty())
      PaintButtonCaption(C, Cell, TextRect, SelectedPressed || HotPressed, Hot && !SelectedPressed);
  }
  Canvas().Draw(0, 0, Buffer);
}

void TspSkinImagesMenuPopupWindow::PaintBackground(TCanvas& ACanvas) {
  if (!FSkinSupport) {
    ACanvas.Pen().SetColor(clGrayText);
    ACanvas.Brush().SetColor(clWindow);
    ACanvas.Rectangle(0, 0, Width(), Height());
    return;
  }
  const TspDataSkinPopupWindow& PW = *ImagesMenu->SkinData()->PopupWindow;
  TBitmap Picture;
  ComposeSkinImage(
      Picture, *WindowPicture,
      SkinImageGeometry(PW, PW.ItemsRect, Rect(0, 0, WindowPicture->Width(), WindowPicture->Height()),
                        TspSkinImageTargets{NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect}),
      Width(), Height(), true);
  ACanvas.Draw(0, 0, Picture);
}

void TspSkinImagesMenuPopupWindow::PaintCellFrame(TCanvas& ACanvas, const TRect& ACell, bool APressed) {
  TBitmap* Picture = nullptr;
  const TspDataSkinButtonControl* Element =
      FSkinSupport ? ImagesMenuCellElement(ImagesMenu->SkinData(), Picture) : nullptr;
  if (!Element) {
    ACanvas.Pen().SetColor(ImagesMenuCellFrame);
    ACanvas.Brush().SetStyle(bsSolid);
    ACanvas.Brush().SetColor(APressed ? ImagesMenuPressedFill : ImagesMenuHotFill);
    ACanvas.Rectangle(ACell);
    return;
  }
  TBitmap Look;
  Look.SetSize(RectangleWidth(ACell), RectangleHeight(ACell));
  ComposeButtonElement(Look, *Element, *Picture, ButtonElementStateRect(*Element, APressed, !APressed));
  ACanvas.Draw(ACell.Left, ACell.Top, Look);
}

void TspSkinImagesMenuPopupWindow::PaintButtonCaption(TCanvas& ACanvas, const TspImagesMenuItem& AItem,
                                                      TRect ATextRect, bool APressed, bool AHot) {
  TFont& Font = ACanvas.Font();
  Font.Assign(ImagesMenu->DefaultFont);
  Font.SetColor(clWindowText);
  TBitmap* Picture = nullptr;
  const TspSkinData* Skin = ImagesMenu->SkinData();
  const TspDataSkinButtonControl* Element = FSkinSupport ? ImagesMenuCellElement(Skin, Picture) : nullptr;
  const TspDataSkinMenuItem* Object = FSkinSupport ? ImagesMenuItemObject(*Skin) : nullptr;
  if (Element && Object) {
    if (ImagesMenu->UseSkinFont) {
      Font.SetName(Element->FontName);
      Font.SetHeight(Element->FontHeight);
      Font.SetStyle(Element->FontStyle);
    }
    if (Skin->ResourceStrData()) Font.SetCharset(Skin->ResourceStrData()->CharSet());
    Font.SetColor(APressed ? Element->DownFontColor : AHot ? Element->ActiveFontColor : Object->FontColor);
  }
  ACanvas.Brush().SetStyle(bsClear);
  const bool TooWide = WideTextWidth(ACanvas, AItem.Caption) > RectangleWidth(ATextRect);
  DrawWideText(ACanvas, AItem.Caption, ATextRect,
               DT_SINGLELINE | DT_VCENTER | (TooWide ? DT_LEFT : DT_CENTER));
}

void TspSkinImagesMenuPopupWindow::PaintHeading(TCanvas& ACanvas, const TspImagesMenuItem& AItem) {
  const TRect& Cell = AItem.ItemRect;
  const TspSkinData* Skin = ImagesMenu->SkinData();
  const int Index = FindSkinElement(Skin, "label");
  const auto* Label = Index == -1 ? nullptr : Skin->Control<TspDataSkinLabelControl>(Index);
  TBitmap* Picture = Label ? Skin->Picture(Label->PictureIndex) : nullptr;
  if (!Picture) {
    TRect TextRect = Cell;
    ACanvas.Brush().SetStyle(bsClear);
    DrawWideText(ACanvas, AItem.Caption, TextRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    return;
  }
  const TRect& Source = Label->SkinRect;
  TBitmap Heading;
  CreateHSkinImage(Label->LTPoint.X, RectangleWidth(Source) - Label->RTPoint.X, Heading, *Picture, Source,
                   RectangleWidth(Cell), RectangleHeight(Source), Label->StretchEffect);
  TCanvas& C = Heading.Canvas();
  C.Font().SetName(Label->FontName);
  C.Font().SetHeight(Label->FontHeight);
  C.Font().SetStyle(Label->FontStyle);
  C.Font().SetColor(Label->FontColor);
  C.Brush().SetStyle(bsClear);
  TRect TextRect{Label->ClRect.Left, Label->ClRect.Top,
                 Heading.Width() - (RectangleWidth(Source) - Label->ClRect.Right), Heading.Height()};
  DrawWideText(C, AItem.Caption, TextRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  ACanvas.Draw(Cell.Left, Cell.Top, Heading);
}
