// Filling a popup window with its items, its size and the items' rectangles.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus.h"
#include "platform/ui/ShortCuts.h"

namespace {

constexpr int PopupBuiltInFrame = 3;
constexpr int PopupScrollStrip = 10;

// The skin's menu-item object, "MENUITEM" first, then "menuitem"; none without one.
TspDataSkinMenuItem* PopupMenuItemRecord(TspSkinData* ASkin) {
  if (!ASkin) return nullptr;
  int Index = ASkin->GetIndex("MENUITEM");
  if (Index < 0) Index = ASkin->GetIndex("menuitem");
  if (Index < 0) return nullptr;
  return dynamic_cast<TspDataSkinMenuItem*>(ASkin->ObjectList[Index].get());
}

}  // namespace

void TspSkinPopupWindow::FillItems(TMenuItem* AItem, int AStartIndex) {
  ItemList.clear();
  ActiveItem = -1;
  DSMI = PopupMenuItemRecord(SD);
  TMenu* Owner = AItem->GetParentMenu();
  ImgL = Owner ? Owner->Images() : nullptr;
  GlyphWidth = ImgL ? ImgL->Width() + 5 : 16;
  for (int I = std::max(AStartIndex, 0); I < AItem->Count(); ++I) {
    TMenuItem* Sub = AItem->Items(I);
    if (!Sub->Visible()) continue;
    ItemList.push_back(std::make_unique<TspSkinMenuItem>(ParentMenu, PW ? SD : nullptr, ImgL, DSMI, Sub));
  }
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

int TspSkinPopupWindow::ContentHeight() const {
  int Sum = 0;
  for (const auto& Line : ItemList) Sum += Line->Height();
  if (!PW) return Sum + 2 * PopupBuiltInFrame;
  return Sum + WindowPicture->Height() + PW->ItemsRect.Top - PW->ItemsRect.Bottom;
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
  const TRect& R = PW->ItemsRect;
  NewItemsRect = TRect{R.Left, R.Top, AWidth - (WindowPicture->Width() - R.Right),
                       AHeight - (WindowPicture->Height() - R.Bottom)};
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
