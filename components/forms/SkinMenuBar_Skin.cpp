// The main menu bar's skin element: what the bar takes from it, its height, its items
// area, and the bar's background painted from it.

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenuBar.h"

void TspSkinMainMenuBar::GetSkinData() {
  TspSkinControl::GetSkinData();
  const auto* Data = SkinElement<TspDataSkinMainMenuBar>();
  FSkinSupport = Data != nullptr;
  if (!Data) return;
  SkinRect = FSD->PicturePart(Data->PictureIndex, Data->SkinRect);
  ItemsRect = Data->ItemsRect;
  MenuBarItem = Data->MenuBarItem;
  TrackMarkColor = Data->TrackMarkColor;
  TrackMarkActiveColor = Data->TrackMarkActiveColor;
  StretchEffect = Data->StretchEffect;
  ItemTransparent = Data->ItemTransparent;
  Picture = FSD->Picture(Data->PictureIndex);
}

void TspSkinMainMenuBar::ChangeSkinData() {
  GetSkinData();
  CreateMenu();
  FActiveObject = -1;
  if (TakesSkinHeight())
    SetHeight(RectangleHeight(SkinRect));
  else if (FDefaultHeight > 0)
    SetHeight(FDefaultHeight);
  TspSkinControl::ChangeSkinData();
}

void TspSkinMainMenuBar::BeforeChangeSkinData() {
  FSkinSupport = false;
  TspSkinControl::BeforeChangeSkinData();
  // The items copied the old skin's looks; the new skin makes them again.
  FItems.clear();
  FActiveObject = -1;
}

void TspSkinMainMenuBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  GetSkinData();
  if (TakesSkinHeight()) AHeight = RectangleHeight(SkinRect);
  TspSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TspSkinMainMenuBar::SetToolBarMode(bool AValue) {
  if (FToolBarMode == AValue) return;
  FToolBarMode = AValue;
  Invalidate();
}

void TspSkinMainMenuBar::SetToolBarModeItemTransparent(bool AValue) {
  if (FToolBarModeItemTransparent == AValue) return;
  FToolBarModeItemTransparent = AValue;
  Invalidate();
}

void TspSkinMainMenuBar::SetUseSkinFont(bool AValue) {
  if (FUseSkinFont == AValue) return;
  FUseSkinFont = AValue;
  Invalidate();
}

void TspSkinMainMenuBar::SetUseSkinSize(bool AValue) {
  if (FUseSkinSize == AValue) return;
  FUseSkinSize = AValue;
  SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}

void TspSkinMainMenuBar::SetDefaultHeight(int AValue) {
  if (FDefaultHeight == AValue) return;
  FDefaultHeight = AValue;
  if (!FSkinSupport && AValue > 0) SetHeight(AValue);
}

void TspSkinMainMenuBar::SetDefaultWidth(int AValue) {
  if (FDefaultWidth == AValue) return;
  FDefaultWidth = AValue;
  if (!FSkinSupport && AValue > 0) SetWidth(AValue);
}

const TspDataSkinMainMenuItem* TspSkinMainMenuBar::ItemRecord() const {
  if (!FSkinSupport || !FSD || FSD->Empty) return nullptr;
  return FSD->Object<TspDataSkinMainMenuItem>(MenuBarItem);
}

const TspDataSkinButtonControl* TspSkinMainMenuBar::ToolBarButtonRecord() const {
  if (!FSD || FSD->Empty) return nullptr;
  return FSD->Control<TspDataSkinButtonControl>("resizetoolbutton");
}

TRect TspSkinMainMenuBar::FullItemsRect() const {
  if (!FSkinSupport) return TRect{2, 2, Width() - 2, Height() - 2};
  TRect Area{ItemsRect.Left, ItemsRect.Top, Width() - (RectangleWidth(SkinRect) - ItemsRect.Right),
             ItemsRect.Bottom};
  if (!FUseSkinSize) Area.Bottom = Height() - (RectangleHeight(SkinRect) - ItemsRect.Bottom);
  return Area;
}

void TspSkinMainMenuBar::CreateControlSkinImage(TBitmap& B) {
  if (!FSkinSupport) {
    CreateControlDefaultImage(B);
    return;
  }
  PaintSkinBackground(B);
  DrawItemsAndMarker(B.Canvas());
}

void TspSkinMainMenuBar::PaintSkinBackground(TBitmap& B) {
  const int W = Width();
  const int H = Height();
  // Tolerated: an element without a picture leaves the skin's face colour.
  B.Canvas().Brush().SetColor(FSD->SkinColors().cBtnFace);
  B.Canvas().FillRect(Rect(0, 0, W, H));
  if (FSD->MainMenuBarTransparent) {
    PaintParentBackground(this, B.Canvas());
  } else if (FUseSkinSize) {
    if (Picture)
      CreateHSkinImage(ItemsRect.Left, RectangleWidth(SkinRect) - ItemsRect.Right, B, *Picture, SkinRect, W,
                       H, StretchEffect);
  } else if (FToolBarMode) {
    int Index = FSD->GetControlIndex("resizetoolpanel");
    if (Index < 0) Index = FSD->GetControlIndex("panel");
    const auto* Panel = Index < 0 ? nullptr : FSD->Control<TspDataSkinCustomControl>(Index);
    if (!Panel) return;
    TspSkinElementGeometry Geometry;
    Geometry.ReadElement(*Panel, *FSD);
    int FitW = W;
    int FitH = H;
    Geometry.FitSize(true, FitW, FitH);
    Geometry.ComposeImage(B, Geometry.Picture, Geometry.SkinRect, W, H, false);
  } else if (Picture) {
    const int SkinH = RectangleHeight(SkinRect);
    StretchSkinImage(B, *Picture, SkinRect,
                     Rect(ItemsRect.Left, SkinH / 4, ItemsRect.Right, SkinH - SkinH / 4), true);
  }
}
