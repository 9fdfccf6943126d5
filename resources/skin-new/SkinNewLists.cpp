// Lists, grids, tabs, the tree view and the list view: white surfaces, square where
// rows tile, with the accent marking the focused selection.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int ListItemWidth = 60;
constexpr int TabWidth = 80;

struct TItemLooks {
  TRect Normal, Selected, Focused;
};

TItemLooks DrawItems(TSkinNewSheet& ASheet, int ARadius) {
  TSkinNewPainter& P = ASheet.Painter();
  auto Item = [&](TColor AFill) {
    const TRect R = ASheet.Place(ListItemWidth, metrics::RowHeight);
    P.Fill(R, palette::Surface);
    P.FillRoundRect(ARadius > 0 ? Shrunk(R, 0, 1) : R, ARadius, AFill);
    return R;
  };
  TItemLooks Looks;
  Looks.Normal = Item(palette::Surface);
  Looks.Selected = Item(palette::SelectionUnfocused);
  Looks.Focused = Item(palette::Accent);
  return Looks;
}

void AddListBox(TSkinNew& ASkin, int APicture, const TRect& ABox, const TItemLooks& AItems) {
  auto& List = ASkin.AddControl<TspDataSkinListBox>("listbox");
  List.PictureIndex = APicture;
  SetNinePart(List, ABox, 4);
  List.SItemRect = AItems.Normal;
  List.ActiveItemRect = AItems.Selected;
  List.FocusItemRect = AItems.Focused;
  List.ItemLeftOffset = List.ItemRightOffset = 6;
  List.ItemTextRect = Rect(8, 0, ListItemWidth - 8, metrics::RowHeight);
  SetSkinFont(List, palette::Text);
  List.ActiveFontColor = palette::Text;
  List.FocusFontColor = palette::AccentText;
  List.CaptionFontName = metrics::FontName;
  List.CaptionFontHeight = metrics::FontHeight;
  List.CaptionFontStyle = {fsBold};
  List.CaptionFontColor = palette::Text;
  List.HScrollBarName = "hscrollbar";
  List.VScrollBarName = "vscrollbar";
  List.BothScrollBarName = "bothhscrollbar";
}

void AddGrid(TSkinNew& ASkin, int APicture, const TRect& ABox, const TRect& AFixed,
             const TItemLooks& ACells) {
  auto& Grid = ASkin.AddControl<TspDataSkinGridControl>("grid");
  Grid.PictureIndex = APicture;
  Grid.SkinRect = ABox;
  Grid.FixedCellRect = AFixed;
  Grid.SelectCellRect = ACells.Selected;
  Grid.FocusCellRect = ACells.Focused;
  Grid.FixedCellLeftOffset = Grid.FixedCellRightOffset = 2;
  Grid.FixedCellTextRect = Rect(6, 0, AFixed.Width() - 6, AFixed.Height());
  Grid.CellLeftOffset = Grid.CellRightOffset = 2;
  Grid.CellTextRect = Rect(6, 0, ListItemWidth - 6, metrics::RowHeight);
  Grid.LinesColor = palette::Light;
  Grid.BGColor = palette::Surface;
  SetSkinFont(Grid, palette::Text);
  Grid.SelectFontColor = palette::Text;
  Grid.FocusFontColor = palette::AccentText;
  Grid.FixedFontName = metrics::FontName;
  Grid.FixedFontHeight = metrics::FontHeight;
  Grid.FixedFontStyle = {fsBold};
  Grid.FixedFontColor = palette::SecondaryText;
  Grid.FixedCellStretchEffect = Grid.CellStretchEffect = true;
}

void AddTabs(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const double Radius = metrics::ButtonRadius;
  const TRect Body = Sheet.Place(80, 60);
  P.Box(Body, 4, palette::Surface, palette::Border);
  const TRect Row = Sheet.Place(20, metrics::TabHeight);
  P.Fill(Rect(Row.Left, Row.Bottom - 1, Row.Right, Row.Bottom), palette::Border);
  Sheet.NewRow();
  auto Tab = [&](TColor AFill, bool ARaised, bool AFocused) {
    const TRect R = Sheet.Place(TabWidth, metrics::TabHeight);
    if (ARaised) {
      P.FillRoundRect(Rect(R.Left, R.Top, R.Right, R.Bottom + int(Radius)), {Radius, 0}, palette::Border);
      P.FillRoundRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom), {Radius - 1, 0}, AFill);
      if (AFocused) P.Fill(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Top + 3), palette::Accent);
    } else {
      P.Fill(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), palette::Border);
      if (AFill != palette::Background)
        P.FillRoundRect(Rect(R.Left + 2, R.Top + 3, R.Right - 2, R.Bottom - 3), 4, AFill);
    }
    return R;
  };
  auto& Tabs = ASkin.AddControl<TspDataSkinTabControl>("tab");
  Tabs.TabRect = Tab(palette::Background, false, false);
  Tabs.MouseInTabRect = Tab(palette::Light, false, false);
  Tabs.ActiveTabRect = Tab(palette::Surface, true, false);
  Tabs.FocusTabRect = Tab(palette::Surface, true, true);
  Tabs.PictureIndex = Sheet.Finish(ASkin, "tabs.bmp");
  Tabs.SkinRect = Body;
  Tabs.ClRect = Rect(4, 4, Body.Width() - 4, Body.Height() - 4);
  Tabs.LTPoint = {4, 4};
  Tabs.RTPoint = {Body.Width() - 4, 4};
  Tabs.LBPoint = {4, Body.Height() - 4};
  Tabs.RBPoint = {Body.Width() - 4, Body.Height() - 4};
  Tabs.TabsBGRect = Row;
  Tabs.TabLeftOffset = Tabs.TabRightOffset = 8;
  SetSkinFont(Tabs, palette::SecondaryText);
  Tabs.ActiveFontColor = Tabs.FocusFontColor = Tabs.MouseInFontColor = palette::Text;
  Tabs.UpDown = "hupdown";
  Tabs.TabStretchEffect = true;
}

}  // namespace

void BuildLists(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TRect Box = Sheet.Place(80, 60);
  P.Box(Box, metrics::ButtonRadius, palette::Surface, palette::Border);
  const TRect Fixed = Sheet.Place(ListItemWidth, metrics::RowHeight);
  P.Fill(Fixed, palette::Background);
  P.Fill(Rect(Fixed.Left, Fixed.Bottom - 1, Fixed.Right, Fixed.Bottom), palette::Border);
  P.Fill(Rect(Fixed.Right - 1, Fixed.Top + 6, Fixed.Right, Fixed.Bottom - 6), palette::Border);
  Sheet.NewRow();
  const TItemLooks ListItems = DrawItems(Sheet, 4);
  Sheet.NewRow();
  const TItemLooks Cells = DrawItems(Sheet, 0);
  Sheet.NewRow();
  auto Expander = [&](TSkinNewArrow AArrow) {
    const TRect R = Sheet.Place(12, 12);
    P.Fill(R, palette::Surface);
    DrawChevron(P, CentreOf(R), AArrow, 7, palette::SecondaryText);
    return R;
  };
  const TRect Collapsed = Expander(saRight), Expanded = Expander(saDown);
  const int Picture = Sheet.Finish(ASkin, "lists.bmp");

  AddListBox(ASkin, Picture, Box, ListItems);
  AddGrid(ASkin, Picture, Box, Fixed, Cells);
  auto& Tree = ASkin.AddControl<TspDataSkinTreeView>("treeview");
  Tree.PictureIndex = Picture;
  SetSkinFont(Tree, palette::Text);
  Tree.BGColor = palette::Surface;
  // The button of an expanded node points down, that of a collapsed one right.
  Tree.ExpandImageRect = Expanded;
  Tree.NoExpandImageRect = Collapsed;
  auto& ListView = ASkin.AddControl<TspDataSkinListView>("listview");
  SetSkinFont(ListView, palette::Text);
  ListView.BGColor = palette::Surface;
  AddTabs(ASkin);
}

}  // namespace skin_new
