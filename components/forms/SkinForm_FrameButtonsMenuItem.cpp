// The items of the form's main menu drawn in the frame's menu strip: laid out by their
// captions one after the other whenever the frame's objects are placed, hidden while
// they do not fit, and down while their menu, opened through the form's popup chain,
// is open.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Menus.h"

TspSkinMainMenuItem::TspSkinMainMenuItem(TspSkinForm* AParent, const TspDataSkinMainMenuItem& AData,
                                         TMenuItem* AMenuItem)
    : TspActiveSkinObject(AParent, AData),
      MenuItem(AMenuItem),
      FontName(AData.FontName),
      FontHeight(AData.FontHeight),
      FontStyle(AData.FontStyle),
      UnEnabledFontColor(AData.UnEnabledFontColor),
      FontColor(AData.FontColor),
      ActiveFontColor(AData.ActiveFontColor),
      DownFontColor(AData.DownFontColor),
      TextRct(AData.TextRct),
      DownRect(AData.DownRect),
      LO(AData.ItemLO),
      RO(AData.ItemRO) {
  IDName = AMenuItem->Name();
  Enabled = OldEnabled = AMenuItem->Enabled();
  if (RectangleIsEmpty(DownRect)) DownRect = RectangleIsEmpty(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
  if (RectangleIsEmpty(ActiveSkinRect)) Morphing = false;
}

void TspSkinMainMenuItem::SetItemFont(TFont& AFont) const {
  AFont.SetName(FontName);
  AFont.SetHeight(FontHeight);
  AFont.SetStyle(FontStyle);
}

void TspSkinFormObjects::PlaceMainMenuItems() {
  for (const auto& Object : ObjectList)
    if (auto* Item = dynamic_cast<TspSkinMainMenuItem*>(Object.get())) Item->LayOut();
}

bool TspSkinMainMenuItem::LayOut() {
  TBitmap Scratch;
  SetItemFont(Scratch.Canvas().Font());
  TRect Measured;
  DrawWideText(Scratch.Canvas(), MenuItem->Caption(), Measured, DT_CALCRECT | DT_CENTER);
  const int Width = RectangleWidth(SkinRect) + TextRct.Left - TextRct.Right + RectangleWidth(Measured) + 2;
  // After the item before it in the list, or at the strip's start.
  int Left = 0;
  for (const auto& Object : Parent->ObjectList) {
    if (Object.get() == this) break;
    if (dynamic_cast<const TspSkinMainMenuItem*>(Object.get())) Left = Object->ObjectRect.Right;
  }
  if (Left == 0) Left = Parent->Geometry().NewMainMenuRect.Left;
  ObjectRect = Bounds(Left, Parent->Geometry().NewMainMenuRect.Top, Width, RectangleHeight(SkinRect));
  if (ObjectRect.Right > Parent->Geometry().NewMainMenuRect.Right) {
    if (Visible) {
      OldEnabled = Enabled;
      Enabled = Visible = false;
    }
    return false;
  }
  if (!Visible) {
    Visible = true;
    Enabled = OldEnabled;
  }
  return true;
}

TColor TspSkinMainMenuItem::TextColor(bool AHot) const {
  if (AHot) return ActiveFontColor;
  return MenuItem->Enabled() ? FontColor : UnEnabledFontColor;
}

void TspSkinMainMenuItem::ComposeItem(TBitmap& AImage, const TRect& ASource, TColor AColor) const {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  AImage.SetPixelFormat(pf32bit);
  AImage.SetSize(W, H);
  TCanvas& Canvas = AImage.Canvas();
  TCanvas& Source = ActivePicture->Canvas();
  if (LO > 0)
    Canvas.CopyRect(Rect(0, 0, LO, H), Source,
                    Rect(ASource.Left, ASource.Top, ASource.Left + LO, ASource.Bottom));
  if (RO > 0)
    Canvas.CopyRect(Rect(W - RO, 0, W, H), Source,
                    Rect(ASource.Right - RO, ASource.Top, ASource.Right, ASource.Bottom));
  // Tolerated: ends that leave no middle to tile leave the middle as it is.
  const int Middle = RectangleWidth(ASource) - LO - RO;
  for (int X = LO; Middle > 0 && X < W - RO; X += Middle) {
    const int Piece = std::min(Middle, W - RO - X);
    BitBlt(Canvas.Handle(), X, 0, Piece, H, Source.Handle(), ASource.Left + LO, ASource.Top, SRCCOPY);
  }
  SetItemFont(Canvas.Font());
  Canvas.Font().SetColor(AColor);
  Canvas.Brush().SetStyle(bsClear);
  TRect Text = TextRct;
  TRect Measured;
  DrawWideText(Canvas, MenuItem->Caption(), Measured, DT_CALCRECT | DT_CENTER);
  Text.Right = Text.Left + RectangleWidth(Measured) + 2;
  DrawWideText(Canvas, MenuItem->Caption(), Text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TspSkinMainMenuItem::DrawItem(TCanvas& Cnvs) {
  TBitmap Image;
  if (FDown) {
    ComposeItem(Image, DownRect, DownFontColor);
  } else if (EnableMorphing() && MorphUnderWay()) {
    ComposeItem(Image, SkinRect, TextColor(false));
    TBitmap Hot;
    ComposeItem(Hot, ActiveSkinRect, TextColor(true));
    MorphBitmapByKind(Image, Hot, FMorphKf, MorphKind);
  } else if (Active && !RectangleIsEmpty(ActiveSkinRect)) {
    ComposeItem(Image, ActiveSkinRect, TextColor(true));
  } else {
    ComposeItem(Image, SkinRect, TextColor(Active));
  }
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, Image.Width(), Image.Height(),
         Image.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TspSkinMainMenuItem::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  if (!HasSkin() || !ActivePicture || !Visible || RectangleIsEmpty(SkinRect) || RectangleIsEmpty(TextRct))
    return;
  DrawItem(Cnvs);
}

void TspSkinMainMenuItem::SetDown(bool AValue) {
  FDown = AValue;
  if (AValue) {
    Parent->DrawSkinObject(this);
    PopupSubMenu();
    if (!Parent->InMainMenu) {
      Parent->InMainMenu = true;
      if (Parent->OnMainMenuEnter) Parent->OnMainMenuEnter(Parent);
    }
    return;
  }
  Active = false;
  if (EnableMorphing()) SetMorphKf(1);
  ReDraw();
}

// Below the item, or above it as the skin says; a skinned main menu with a skin of its
// own opens in that skin.
void TspSkinMainMenuItem::PopupSubMenu() {
  if (MenuItem->Count() == 0) return;
  const TRect R = Parent->Objects().ObjectRectToScreen(ObjectRect);
  const auto* Owner = dynamic_cast<const TspSkinMainMenu*>(MenuItem->GetParentMenu());
  TspSkinData* Skin = Owner && Owner->SkinData() ? Owner->SkinData() : Parent->MenuSkin();
  const TspSkinData* UpFrom = Owner && Owner->SkinData() ? Owner->SkinData() : Parent->SkinData();
  Parent->SkinMenuOpen();
  Parent->SkinMenu().Popup(nullptr, Skin, 0, R, MenuItem, UpFrom && UpFrom->MainMenuPopupUp);
}

void TspSkinMainMenuItem::MouseEnter() {
  TspSkinMainMenuItem* DownOther = nullptr;
  TspSkinMainMenuItem* ActiveOther = nullptr;
  for (const auto& Object : Parent->ObjectList) {
    auto* Other = dynamic_cast<TspSkinMainMenuItem*>(Object.get());
    if (!Other || Other->IDName == IDName) continue;
    if (!DownOther && Other->FDown) DownOther = Other;
    if (!ActiveOther && Other->Active) ActiveOther = Other;
  }
  if (DownOther) {
    // With a menu open, the open menu moves along the strip.
    DownOther->SetDown(false);
    Active = FMouseIn = true;
    if (EnableMorphing()) SetMorphKf(1);
    SetDown(true);
    return;
  }
  if (ActiveOther) ActiveOther->MouseLeave();
  FMouseIn = Active = true;
  ReDraw();
}

void TspSkinMainMenuItem::MouseLeave() {
  Active = FMouseIn = false;
  if (FDown && EnableMorphing()) SetMorphKf(0);
  ReDraw();
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
}

void TspSkinMainMenuItem::MouseDown(int X, int Y, TMouseButton Button) {
  if (!Enabled) return;
  if (Button == mbLeft && MenuItem->Count() == 0) {
    SetDown(false);
    // Runs the command last, since it may free this object.
    Parent->Menus().RunMainMenuCommand(*this, X, Y);
    return;
  }
  if (Button == mbLeft) SetDown(true);
  TspActiveSkinObject::MouseDown(X, Y, Button);
}
