// A main menu bar item: its place, its built-in look and its mouse behaviour.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"

namespace {

// The pressed and hot fills of the built-in look, framed in navy.
constexpr TColor MenuBarItemDownColor = RGB(133, 147, 181);
constexpr TColor MenuBarItemHotColor = RGB(182, 189, 210);

}  // namespace

TspSkinMainMenuBarItem::TspSkinMainMenuBarItem(TspSkinMainMenuBar& AParent, TMenuItem& AMenuItem)
    : Parent(AParent), MenuItem(AMenuItem), IDName(AMenuItem.Name()), Enabled(AMenuItem.Enabled()) {
  OldEnabled = Enabled;
}

void TspSkinMainMenuBarItem::PlaceAndFit(TCanvas& ACanvas) {
  const TRect Area = Parent.ItemsRect();
  int Left = Area.Left;
  for (const auto& Other : Parent.FItems) {
    if (Other.get() == this) break;
    if (Other->ObjectRect.Right != 0) Left = Other->ObjectRect.Right;
  }
  ACanvas.Font().Assign(Parent.FDefItemFont);
  const int Width = ACanvas.TextWidth(MenuItem.Caption()) + 12;
  ObjectRect = TRect{Left, Area.Top, Left + Width, Area.Bottom};
  const bool Fits = ObjectRect.Right <= Area.Right - (Parent.ScrollMenu ? 5 : 0);
  if (!Fits) {
    Parent.FScroll = true;
    if (Visible) {
      OldEnabled = Enabled;
      Enabled = false;
      Visible = false;
    }
  } else if (!Visible) {
    Visible = true;
    Enabled = OldEnabled;
  }
}

void TspSkinMainMenuBarItem::Draw(TCanvas& ACanvas) {
  PlaceAndFit(ACanvas);
  if (!Visible) return;
  const TRect R = ObjectRect;
  if (Down || MouseIn || Active) {
    ACanvas.Brush().SetColor(clNavy);
    ACanvas.FrameRect(R);
    ACanvas.Brush().SetColor(Down ? MenuBarItemDownColor : MenuBarItemHotColor);
    ACanvas.FillRect(TRect{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1});
  } else {
    ACanvas.Brush().SetColor(clBtnFace);
    ACanvas.FillRect(R);
  }
  ACanvas.Brush().SetStyle(bsClear);
  ACanvas.Font().SetColor(MenuItem.Enabled() ? clBtnText : clGrayText);
  TRect T = R;
  if (MenuItem.OnDrawItem)
    MenuItem.OnDrawItem(&Parent, ACanvas, T, Active);
  else
    ACanvas.TextRect(T, MenuItem.Caption(), TTextFormat{tfCenter, tfVerticalCenter, tfSingleLine});
}

void TspSkinMainMenuBarItem::MouseEnter() {
  for (const auto& Other : Parent.FItems) {
    if (Other.get() != this && Other->Down) {
      Other->SetDown(false);
      Parent.DrawItem(*Other);
      Active = true;
      MouseIn = true;
      SetDown(true);
      return;
    }
  }
  for (const auto& Other : Parent.FItems)
    if (Other.get() != this && Other->Active) Other->MouseLeave();
  MouseIn = true;
  Active = true;
  Parent.DrawItem(*this);
  Parent.Hint = MenuItem.Hint;
}

void TspSkinMainMenuBarItem::MouseLeave() {
  Active = false;
  MouseIn = false;
  Parent.DrawItem(*this);
}

void TspSkinMainMenuBarItem::MouseDown(TMouseButton AButton) {
  TspSkinForm* Form = Parent.FSkinForm;
  if (AButton != mbLeft || !Enabled || !Form) return;
  if (Parent.OnMainMenuItemClick) Parent.OnMainMenuItemClick(&Parent, IDName);
  if (MenuItem.Count() > 0) {
    Parent.MenuActive = true;
    SetDown(true);
    return;
  }
  if (Form->InMainMenu) Form->LeaveMainMenu();
  Form->InMenu = false;
  Parent.DrawItem(*this);
  MenuItem.Click();
}

void TspSkinMainMenuBarItem::SetDown(bool AValue) {
  Down = AValue;
  if (!AValue) Active = false;
  Parent.DrawItem(*this);
  if (AValue) PopupItemMenu();
}

void TspSkinMainMenuBarItem::PopupItemMenu() {
  TspSkinForm* Form = Parent.FSkinForm;
  if (!Form) return;
  const TPoint TopLeft = Parent.ClientToScreen(TPoint{ObjectRect.Left, ObjectRect.Top});
  const TRect R{TopLeft.X, TopLeft.Y, TopLeft.X + ObjectRect.Width(), TopLeft.Y + ObjectRect.Height()};
  const bool Entering = !Form->InMainMenu;
  Form->SkinMenuOpen();
  Form->InMainMenu = true;
  if (Entering && Form->OnMainMenuEnter) Form->OnMainMenuEnter(&Parent);
  Form->SkinMenu().Popup(nullptr, Parent.SkinData(), 0, R, &MenuItem, Parent.PopupToUp);
}
