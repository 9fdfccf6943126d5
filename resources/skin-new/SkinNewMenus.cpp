// Menus: the popup-menu item, the main menu's items and bar, the popup window and the
// hint window.

#include "resources/skin-new/SkinNewBuildInternal.h"

namespace skin_new {

namespace {

constexpr int MenuItemWidth = 120;
constexpr int MenuMarkSize = 16;
constexpr int MainItemWidth = 60;
constexpr int MainItemHeight = 28;

// A mask for a picture of AWidth × AHeight with rounded corners: black inside.
int AddRoundMask(TSkinNew& ASkin, const String& AFileName, int AWidth, int AHeight, double ARadius) {
  TspBitmap Mask;
  Mask.SetSize(AWidth, AHeight);
  Mask.Clear(ColorToPixel(clBlack));
  TSkinNewPainter(Mask).SetOutside(Rect(0, 0, AWidth, AHeight), ARadius, clWhite);
  return ASkin.AddPicture(AFileName, Mask);
}

void AddMenuItem(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TRect Normal = Sheet.Place(MenuItemWidth, metrics::MenuItemHeight);
  P.Fill(Normal, palette::Surface);
  const TRect Hot = Sheet.Place(MenuItemWidth, metrics::MenuItemHeight);
  P.Fill(Hot, palette::Surface);
  P.FillRoundRect(Shrunk(Hot, 4, 1), 4, palette::Accent);
  const TRect Divider = Sheet.Place(MenuItemWidth, metrics::MenuSeparatorHeight);
  P.Fill(Divider, palette::Surface);
  P.Fill(Rect(Divider.Left, Divider.Top + 4, Divider.Right, Divider.Top + 5), palette::Light);
  auto Mark = [&](TColor AFill, TColor AInk, auto ADraw) {
    const TRect R = Sheet.Place(MenuMarkSize, MenuMarkSize);
    P.Fill(R, AFill);
    ADraw(R, AInk);
    return R;
  };
  auto Check = [&](const TRect& R, TColor AInk) { DrawCheckMark(P, CentreOf(R), 9, AInk); };
  auto Radio = [&](const TRect& R, TColor AInk) { P.FillCircle(CentreOf(R), 3, AInk); };
  auto Arrow = [&](const TRect& R, TColor AInk) { DrawChevron(P, CentreOf(R), saRight, 8, AInk); };

  auto& Item = ASkin.AddObject<TspDataSkinMenuItem>("menuitem");
  Item.CheckImageRect = Mark(palette::Surface, palette::Text, Check);
  Item.ActiveCheckImageRect = Mark(palette::Accent, palette::AccentText, Check);
  Item.RadioImageRect = Mark(palette::Surface, palette::Text, Radio);
  Item.ActiveRadioImageRect = Mark(palette::Accent, palette::AccentText, Radio);
  Item.ArrowImageRect = Mark(palette::Surface, palette::SecondaryText, Arrow);
  Item.ActiveArrowImageRect = Mark(palette::Accent, palette::AccentText, Arrow);
  Item.ActivePictureIndex = Sheet.Finish(ASkin, "menuitem.bmp");
  Item.SkinRectInAPicture = true;
  Item.SkinRect = Normal;
  Item.ActiveSkinRect = Hot;
  Item.DividerRect = Divider;
  Item.DividerLO = Item.DividerRO = 8;
  Item.ItemLO = Item.ItemRO = 8;
  Item.TextRct = Rect(32, 0, MenuItemWidth - 24, metrics::MenuItemHeight);
  Item.ImageRct = Rect(10, 5, 10 + MenuMarkSize, 5 + MenuMarkSize);
  SetSkinFont(Item, palette::Text);
  Item.ActiveFontColor = palette::AccentText;
  Item.UnEnabledFontColor = palette::DisabledText;
  Item.StretchEffect = Item.DividerStretchEffect = true;
}

// The looks of a top-level menu item: normal, hot and open.
template <typename TRecord>
void SetMainItem(TRecord& AItem, int APicture, const TRect& ANormal, const TRect& AHot, const TRect& ADown) {
  AItem.ActivePictureIndex = APicture;
  AItem.SkinRectInAPicture = true;
  AItem.SkinRect = ANormal;
  AItem.ActiveSkinRect = AHot;
  AItem.DownRect = ADown;
  AItem.TextRct = Rect(8, 0, MainItemWidth - 8, MainItemHeight);
  AItem.ItemLO = AItem.ItemRO = 8;
  SetSkinFont(AItem, palette::Text);
  AItem.ActiveFontColor = palette::Text;
  AItem.DownFontColor = palette::Text;
  AItem.UnEnabledFontColor = palette::DisabledText;
}

void AddMainMenu(TSkinNew& ASkin) {
  TSkinNewSheet Sheet;
  TSkinNewPainter& P = Sheet.Painter();
  const TRect Normal = Sheet.Place(MainItemWidth, MainItemHeight);
  const TRect Hot = Sheet.Place(MainItemWidth, MainItemHeight);
  P.FillRoundRect(Shrunk(Hot, 2, 2), 4, palette::Light);
  const TRect Down = Sheet.Place(MainItemWidth, MainItemHeight);
  P.FillRoundRect(Shrunk(Down, 2, 2), 4, palette::SelectionUnfocused);
  Sheet.NewRow();
  const TRect Bar = Sheet.Place(200, MainItemHeight);
  P.Fill(Rect(Bar.Left, Bar.Bottom - 1, Bar.Right, Bar.Bottom), palette::Light);
  Sheet.NewRow();
  // The bar's own buttons for the windows maximized inside the main window.
  struct TBarButton {
    const char* IDName;
    TStdCommand Command;
    TRect Normal, Hot, Down;
  };
  TBarButton Buttons[] = {{"mainmenubarclose", cmClose, {}, {}, {}},
                          {"mainmenubarmax", cmMaximize, {}, {}, {}},
                          {"mainmenubarmin", cmMinimize, {}, {}, {}},
                          {"mainmenubarsysmenu", cmSysMenu, {}, {}, {}}};
  for (auto& Button : Buttons) {
    TRect* Looks[] = {&Button.Normal, &Button.Hot, &Button.Down};
    const TColor Fills[] = {palette::Background, palette::Light, palette::Pressed};
    for (int I = 0; I < 3; ++I) {
      *Looks[I] = Sheet.Place(24, 24);
      if (I > 0) P.FillRoundRect(*Looks[I], 4, Fills[I]);
      const TPointF C = CentreOf(*Looks[I]);
      switch (Button.Command) {
        case cmClose:
          DrawCross(P, C, 8, palette::Text);
          break;
        case cmMaximize:
          DrawRestoreGlyph(P, C, 10, palette::Text);
          break;
        case cmMinimize:
          DrawMinimizeGlyph(P, C, 10, palette::Text);
          break;
        default:
          DrawAppMark(P, C, palette::Accent);
          break;
      }
    }
  }
  const int Picture = Sheet.Finish(ASkin, "mainmenu.bmp");

  SetMainItem(ASkin.AddObject<TspDataSkinMainMenuItem>("MAINMENUITEM"), Picture, Normal, Hot, Down);
  SetMainItem(ASkin.AddObject<TspDataSkinMainMenuBarItem>("mainmenubaritem"), Picture, Normal, Hot, Down);
  for (const auto& Button : Buttons) {
    auto& Object = ASkin.AddObject<TspDataSkinMainMenuBarButton>(Button.IDName);
    Object.Command = Button.Command;
    Object.ActivePictureIndex = Picture;
    Object.SkinRectInAPicture = true;
    Object.SkinRect = Button.Normal;
    Object.ActiveSkinRect = Button.Hot;
    Object.DownRect = Button.Down;
    Object.GroupIndex = -1;
  }

  auto& MenuBar = ASkin.AddControl<TspDataSkinMainMenuBar>("mainmenubar");
  MenuBar.PictureIndex = Picture;
  MenuBar.SkinRect = Bar;
  MenuBar.ItemsRect = Rect(4, 0, Bar.Width() - 4, MainItemHeight);
  MenuBar.MenuBarItem = "mainmenubaritem";
  MenuBar.CloseButton = "mainmenubarclose";
  MenuBar.MaxButton = "mainmenubarmax";
  MenuBar.MinButton = "mainmenubarmin";
  MenuBar.SysMenuButton = "mainmenubarsysmenu";
  MenuBar.TrackMarkColor = palette::SecondaryText;
  MenuBar.TrackMarkActiveColor = palette::Accent;
  MenuBar.StretchEffect = true;
  // The items' normal look is the bar itself, so its bottom line runs on under them.
  MenuBar.ItemTransparent = true;
  ASkin.Data.MainMenuRect = Rect(metrics::FrameBorder, 34, 200, 34 + MainItemHeight);
}

void AddPopupWindow(TSkinNew& ASkin) {
  constexpr int Size = 40, Corner = metrics::PopupRadius + 2;
  TspBitmap Picture;
  Picture.SetSize(Size, Size);
  Picture.Clear(ColorToPixel(palette::Surface));
  TSkinNewPainter(Picture).FrameRoundRect(Rect(0, 0, Size, Size), metrics::PopupRadius, 1, palette::Border);
  auto& Popup = *ASkin.Data.PopupWindow;
  Popup.WindowPictureIndex = ASkin.AddPicture("popup.bmp", Picture);
  Popup.MaskPictureIndex = AddRoundMask(ASkin, "popupmask.bmp", Size, Size, metrics::PopupRadius);
  Popup.LTPoint = {Corner, Corner};
  Popup.RTPoint = {Size - Corner, Corner};
  Popup.LBPoint = {Corner, Size - Corner};
  Popup.RBPoint = {Size - Corner, Size - Corner};
  Popup.ItemsRect = Rect(4, 4, Size - 4, Size - 4);
  Popup.ScrollMarkerColor = palette::SecondaryText;
  Popup.ScrollMarkerActiveColor = palette::Accent;
}

void AddHintWindow(TSkinNew& ASkin) {
  constexpr int Width = 40, Height = 28, Radius = 4;
  TspBitmap Picture;
  Picture.SetSize(Width, Height);
  Picture.Clear(ColorToPixel(palette::HintBackground));
  auto& Hint = *ASkin.Data.HintWindow;
  Hint.WindowPictureIndex = ASkin.AddPicture("hint.bmp", Picture);
  Hint.MaskPictureIndex = AddRoundMask(ASkin, "hintmask.bmp", Width, Height, Radius);
  Hint.LTPoint = {Radius + 2, Radius + 2};
  Hint.RTPoint = {Width - Radius - 2, Radius + 2};
  Hint.LBPoint = {Radius + 2, Height - Radius - 2};
  Hint.RBPoint = {Width - Radius - 2, Height - Radius - 2};
  Hint.ClRect = Rect(8, 5, Width - 8, Height - 5);
  SetSkinFont(Hint, palette::HintText);
}

}  // namespace

void BuildMenus(TSkinNew& ASkin) {
  AddMenuItem(ASkin);
  AddMainMenu(ASkin);
  AddPopupWindow(ASkin);
  AddHintWindow(ASkin);
}

}  // namespace skin_new
