// Filling a popup window with its items, its size, the items' rectangles and the
// window region.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/Actions.h"
#include "platform/ui/ShortCuts.h"
#include "platform/win/WindowRegions.h"

namespace {

constexpr int PopupBuiltInFrame = 3;
constexpr int PopupScrollStrip = 10;

// The skin's menu-item object, "MENUITEM" first, then "menuitem"; none without one.
// Taken to change: an item without its picture clears the record's rectangles.
TspDataSkinMenuItem* PopupMenuItemRecord(TspSkinData* ASkin) {
  if (!ASkin) return nullptr;
  int Index = ASkin->GetIndex("MENUITEM");
  if (Index < 0) Index = ASkin->GetIndex("menuitem");
  return TspSkinEditor(*ASkin).Object<TspDataSkinMenuItem>(Index);
}

// Hides the separators that separate nothing when the item's menu asks for it.
void ReducePopupLines(TMenuItem* AItem) {
  TMenu* Owner = AItem ? AItem->GetParentMenu() : nullptr;
  if (Owner && Owner->AutoLineReduction == maAutomatic) AItem->RethinkLines();
}

}  // namespace

void TspSkinPopupWindow::FillItems(TMenuItem* AItem, TMenuItem* AItem2, int AStartIndex) {
  ItemList.clear();
  ActiveItem = -1;
  OldActiveItem = -1;
  DSMI = PopupMenuItemRecord(SD);
  ReducePopupLines(AItem);
  ReducePopupLines(AItem2);
  TMenu* Owner = AItem->GetParentMenu();
  ImgL = Owner ? Owner->Images() : nullptr;
  GlyphWidth = ImgL ? ImgL->Width() + 5 : 16;
  const auto AddSubItems = [this](TMenuItem* AFrom, int AFirst) {
    for (int I = std::max(AFirst, 0); I < AFrom->Count(); ++I) {
      TMenuItem* Sub = AFrom->Items(I);
      if (!Sub->Visible()) continue;
      // The action brings the item's caption and states up to date before it is shown.
      if (Sub->Action()) Sub->Action()->Update();
      ItemList.push_back(std::make_unique<TspSkinMenuItem>(*this, PW ? DSMI : nullptr, Sub));
    }
  };
  AddSubItems(AItem, AStartIndex);
  if (AItem2) AddSubItems(AItem2, AStartIndex - AItem->Count());
}

// Items are measured in the skin record's font when the chain uses skin fonts, else in
// the chain's default item font.
void TspSkinPopupWindow::ApplyMeasureFont(TFont& AFont) const {
  AFont.Assign(ParentMenu.FDefaultMenuItemFont);
  if (!PW || !DSMI || !ParentMenu.FUseSkinFont) return;
  AFont.SetName(DSMI->FontName);
  AFont.SetHeight(DSMI->FontHeight);
  AFont.SetStyle(DSMI->FontStyle);
}

int TspSkinPopupWindow::ContentWidth() {
  TBitmap Measure;
  Measure.SetSize(1, 1);
  ApplyMeasureFont(Measure.Canvas().Font());
  int Widest = 0;
  for (const auto& Line : ItemList) {
    String Text = Line->MenuItem->Caption();
    const String ShortCut = ShortCutToText(Line->MenuItem->ShortCut());
    if (!ShortCut.empty()) Text += "  " + ShortCut;
    Widest = std::max(Widest, WideTextWidth(Measure.Canvas(), Text) + 2);
  }
  const int Base = Widest + GlyphWidth + 16;
  if (!PW) return Base + 10;
  const int ItemSides =
      DSMI ? DSMI->TextRct.Left + (RectangleWidth(DSMI->SkinRect) - DSMI->TextRct.Right) : 0;
  return Base + ItemSides + PW->ItemsRect.Left + (WindowPicture->Width() - PW->ItemsRect.Right);
}

int TspSkinPopupWindow::OneItemHeight() const {
  if (PW && DSMI && ParentMenu.FUseSkinSize) return RectangleHeight(DSMI->SkinRect);
  return ParentMenu.FDefaultMenuItemHeight;
}

// The frame around the items, and the items; a menu holding more items than the
// chain's limit is as high as that many items and its two scroll strips.
int TspSkinPopupWindow::ContentHeight() {
  const int Frame = PW ? WindowPicture->Height() - RectangleHeight(PW->ItemsRect) : 2 * PopupBuiltInFrame;
  const int Limit = ParentMenu.MaxMenuItemsInWindow;
  if (Limit > 0 && Limit < ItemCount()) {
    Scroll = true;
    Scroll2 = true;
    return Frame + OneItemHeight() * Limit + 2 * PopupScrollStrip;
  }
  int Sum = 0;
  for (const auto& Line : ItemList) Sum += Line->Height();
  return Sum + Frame;
}

// The skin's items area moved to the window's size (the picture's right and bottom
// margins kept), or the built-in frame's inside.
void TspSkinPopupWindow::SizeTo(int AWidth, int AHeight) {
  SetBounds(Left(), Top(), AWidth, AHeight);
  if (!PW) {
    NewItemsRect =
        TRect{PopupBuiltInFrame, PopupBuiltInFrame, AWidth - PopupBuiltInFrame, AHeight - PopupBuiltInFrame};
    return;
  }
  const int PictureW = WindowPicture->Width();
  const int PH = WindowPicture->Height();
  const TRect& R = PW->ItemsRect;
  NewItemsRect = TRect{R.Left, R.Top, AWidth - (PictureW - R.Right), AHeight - (PH - R.Bottom)};
  NewLTPoint = PW->LTPoint;
  NewRTPoint = TPoint{AWidth - (PictureW - PW->RTPoint.X), PW->RTPoint.Y};
  NewLBPoint = TPoint{PW->LBPoint.X, AHeight - (PH - PW->LBPoint.Y)};
  NewRBPoint = TPoint{AWidth - (PictureW - PW->RBPoint.X), AHeight - (PH - PW->RBPoint.Y)};
}

// Items from VisibleStartIndex on, one below the other, as far as the items area (less
// the scroll strips) holds them; the others are not shown.
void TspSkinPopupWindow::LayoutItems() {
  const int Inset = Scroll ? PopupScrollStrip : 0;
  int Y = NewItemsRect.Top + Inset;
  const int Limit = NewItemsRect.Bottom - Inset;
  VisibleCount = 0;
  bool Full = false;
  for (int I = 0; I < ItemCount(); ++I) {
    TspSkinMenuItem& Line = *ItemList[I];
    if (I < VisibleStartIndex || Full) {
      Line.FVisible = false;
      continue;
    }
    Line.ObjectRect = TRect{NewItemsRect.Left, Y, NewItemsRect.Right, Y + Line.Height()};
    Full = Line.ObjectRect.Bottom > Limit;
    Line.FVisible = !Full;
    if (Full) continue;
    ++VisibleCount;
    Y = Line.ObjectRect.Bottom;
  }
}

// The skin's mask, re-composed for the window's size, becomes the window's shape.
void TspSkinPopupWindow::ApplyMaskRegion() {
  if (!PW || !MaskPicture || MaskPicture->Empty()) return;
  HRGN Region =
      CreateSkinRegion(PW->LTPoint, PW->RTPoint, PW->LBPoint, PW->RBPoint, PW->ItemsRect, NewLTPoint,
                       NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, *MaskPicture, Width(), Height());
  SetWindowRgn(Handle(), Region, true);
}
