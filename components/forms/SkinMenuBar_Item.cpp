// A main menu bar item: its place, its mouse behaviour, and the steps of its morph
// and its animation.

#include <algorithm>
#include <cmath>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_FrameStep.h"
#include "components/forms/SkinMenuBar.h"
#include "components/forms/SkinMenus.h"
#include "components/forms/SkinMenus_ItemInternal.h"
#include "platform/gdi/Text.h"

TspSkinMainMenuBarItem::TspSkinMainMenuBarItem(TspSkinMainMenuBar& AParent, TMenuItem& AMenuItem,
                                               const TspDataSkinMainMenuItem* AData)
    : Parent(AParent), MenuItem(AMenuItem), IDName(AMenuItem.Name()), Enabled(AMenuItem.Enabled()) {
  OldEnabled = Enabled;
  if (!AData) return;
  FSkinSupport = true;
  PictureIndex = AData->ActivePictureIndex;
  SkinRect = AData->SkinRect;
  ActiveSkinRect = AData->ActiveSkinRect;
  DownRect = AData->DownRect;
  TextRct = AData->TextRct;
  LO = AData->ItemLO;
  RO = AData->ItemRO;
  StretchEffect = AData->StretchEffect;
  Morphing = AData->Morphing;
  MorphKind = AData->MorphKind;
  FontName = AData->FontName;
  FontHeight = AData->FontHeight;
  FontStyle = AData->FontStyle;
  FontColor = AData->FontColor;
  ActiveFontColor = AData->ActiveFontColor;
  DownFontColor = AData->DownFontColor;
  UnEnabledFontColor = AData->UnEnabledFontColor;
  AnimateSkinRect = AData->AnimateSkinRect;
  FrameCount = AData->FrameCount;
  AnimateInterval = AData->AnimateInterval;
  InActiveAnimation = AData->InActiveAnimation;
  if (RectangleIsEmpty(DownRect)) DownRect = RectangleIsEmpty(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
  if (RectangleIsEmpty(ActiveSkinRect)) Morphing = false;
}

// The caption (and the image) of the item, measured in the item's font.
int TspSkinMainMenuBarItem::ContentWidth(TCanvas& ACanvas) {
  TCustomImageList* Images = MenuItem.GetParentMenu() ? MenuItem.GetParentMenu()->Images() : nullptr;
  const int ImageWidth = MenuItemHasImage(MenuItem, Images) ? MenuItemImageSize(MenuItem, Images).cx + 5 : 0;
  if (!FSkinSupport) {
    ACanvas.Font().Assign(Parent.FDefItemFont);
    return ACanvas.TextWidth(MenuItem.Caption()) + 12 + ImageWidth;
  }
  ApplyItemFont(ACanvas.Font());
  TRect Measured;
  DrawWideText(ACanvas, MenuItem.Caption(), Measured, DT_CALCRECT | DT_CENTER);
  return RectangleWidth(SkinRect) + TextRct.Left - TextRct.Right + RectangleWidth(Measured) + 2 + ImageWidth;
}

void TspSkinMainMenuBarItem::PlaceAndFit(TCanvas& ACanvas) {
  const TRect Area = Parent.NewItemsRect();
  int Left = Area.Left;
  for (const auto& Other : Parent.FItems) {
    if (Other.get() == this) break;
    if (Other->ObjectRect.Right != 0) Left = Other->ObjectRect.Right;
  }
  const int Width = ContentWidth(ACanvas);
  const int Bottom = FSkinSupport && Parent.FUseSkinSize ? Area.Top + RectangleHeight(SkinRect) : Area.Bottom;
  ObjectRect = TRect{Left, Area.Top, Left + Width, Bottom};
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
  if (FSkinSupport)
    SkinDraw(ACanvas);
  else
    DefaultDraw(ACanvas);
}

// ---------------------------------------------------------------- morph and animation

// Rounded to thousandths, so that five steps of 0.2 end exactly at 0 or 1.
void TspSkinMainMenuBarItem::SetMorphKf(double AValue) {
  FMorphKf = std::clamp(std::round(AValue * 1000) / 1000, 0.0, 1.0);
}

bool TspSkinMainMenuBarItem::EnableMorphing() const {
  const TspSkinData* Skin = Parent.SkinData();
  return Morphing && Skin && !Skin->Empty && !(Parent.FToolBarMode && Parent.FToolBarModeItemTransparent) &&
         Skin->EnableSkinEffects;
}

bool TspSkinMainMenuBarItem::EnableAnimation() const {
  const TspSkinData* Skin = Parent.SkinData();
  return FSkinSupport && !RectangleIsEmpty(AnimateSkinRect) && FrameCount > 0 && Skin && !Skin->Empty &&
         !Parent.FToolBarMode && Skin->EnableSkinEffects;
}

bool TspSkinMainMenuBarItem::CanMorphing() const {
  if (Down && !RectangleIsEmpty(DownRect)) return false;
  return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

void TspSkinMainMenuBarItem::DoMorphing() {
  SetMorphKf(FMorphKf + (Active ? 0.2 : -0.2));
  Parent.DrawItem(*this);
}

bool TspSkinMainMenuBarItem::DoAnimation() {
  if (!StepFrameAnimation(CurrentFrame, FrameCount, Active)) return false;
  Parent.DrawItem(*this);
  return true;
}

void TspSkinMainMenuBarItem::ReDraw() {
  if (EnableAnimation()) {
    TTimer& Timer = *Parent.FAnimateTimer;
    if (AnimateInterval > 0 && Timer.Interval() != UINT(AnimateInterval)) Timer.SetInterval(AnimateInterval);
    Timer.SetEnabled(true);
  } else if (EnableMorphing()) {
    Parent.FMorphTimer->SetEnabled(true);
  } else {
    Parent.DrawItem(*this);
  }
}

// ---------------------------------------------------------------- mouse

void TspSkinMainMenuBarItem::MouseEnter() {
  for (const auto& Other : Parent.FItems) {
    if (Other.get() != this && Other->Down) {
      // With a menu open, the open menu moves along the bar.
      Other->SetDown(false);
      Active = true;
      MouseIn = true;
      if (EnableMorphing()) SetMorphKf(1);
      SetDown(true);
      return;
    }
  }
  for (const auto& Other : Parent.FItems)
    if (Other.get() != this && Other->Active) Other->MouseLeave();
  MouseIn = true;
  Active = true;
  ReDraw();
  if (Parent.OnItemMouseEnter) Parent.OnItemMouseEnter(&MenuItem);
  Parent.Hint = MenuItem.Hint;
}

void TspSkinMainMenuBarItem::MouseLeave() {
  Active = false;
  MouseIn = false;
  if (EnableAnimation() && !InActiveAnimation) {
    CurrentFrame = 0;
    Parent.DrawItem(*this);
  }
  if (Down && EnableMorphing()) SetMorphKf(0);
  ReDraw();
  if (Parent.OnItemMouseLeave) Parent.OnItemMouseLeave(&MenuItem);
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
  if (AValue) {
    Parent.DrawItem(*this);
    PopupItemMenu();
    return;
  }
  Active = false;
  if (EnableAnimation()) {
    if (InActiveAnimation) {
      CurrentFrame = FrameCount + 1;
      ReDraw();
      return;
    }
    CurrentFrame = 0;
  } else if (EnableMorphing()) {
    SetMorphKf(1);
    ReDraw();
    return;
  }
  Parent.DrawItem(*this);
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
