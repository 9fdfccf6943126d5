#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinMenus.h"

namespace {

constexpr int BuiltInSeparatorHeight = 4;
constexpr double MenuItemMorphStep = 0.2;

}  // namespace

TspSkinMenuItem::TspSkinMenuItem(TspSkinPopupWindow& AParent, TspDataSkinMenuItem* AData,
                                 TMenuItem* AMenuItem)
    : Parent(AParent),
      ParentMenu(AParent.ParentMenu),
      SD(AParent.SD),
      ImgL(AParent.ImgL),
      GlyphWidth(AParent.GlyphWidth),
      MI(AData),
      MenuItem(AMenuItem) {
  if (!MI) return;
  ActivePicture = SD ? SD->Picture(MI->ActivePictureIndex) : nullptr;
  if (ActivePicture) return;
  SetZeroRect(MI->SkinRect);
  SetZeroRect(MI->ActiveSkinRect);
}

bool TspSkinMenuItem::IsSeparator() const { return MenuItem->IsLine(); }

bool TspSkinMenuItem::IsSelectable() const { return MenuItem->Enabled() && !IsSeparator(); }

bool TspSkinMenuItem::IsHeader() const {
  const String& Caption = MenuItem->Caption();
  return !Caption.empty() && Caption.front() == '-' && Caption.back() == '-' && !MenuItem->Enabled();
}

int TspSkinMenuItem::Height() const {
  if (!MI) return IsSeparator() ? BuiltInSeparatorHeight : ParentMenu.FDefaultMenuItemHeight;
  if (IsSeparator()) return RectangleHeight(MI->DividerRect);
  return ParentMenu.FUseSkinSize ? RectangleHeight(MI->SkinRect) : ParentMenu.FDefaultMenuItemHeight;
}

void TspSkinMenuItem::Draw(TCanvas& ACanvas) {
  if (!FVisible) return;
  if (!MI)
    DefaultDraw(ACanvas);
  else
    DrawSkinLook(ACanvas, !ParentMenu.FUseSkinSize);
}

void TspSkinMenuItem::ResizeDraw(TCanvas& ACanvas) {
  if (FVisible) DrawSkinLook(ACanvas, true);
}

bool TspSkinMenuItem::EnableAnimation() const {
  return MI && !RectangleIsEmpty(MI->AnimateSkinRect) && SD && !SD->Empty && SD->EnableSkinEffects;
}

bool TspSkinMenuItem::EnableMorphing() const { return MI && MI->Morphing && SD && SD->EnableSkinEffects; }

bool TspSkinMenuItem::CanMorphing() {
  if (!FVisible) {
    if (FMorphKf != 0) {
      Active = false;
      Down = false;
      FMorphKf = 0;
    }
    return false;
  }
  return (Active || Down) ? FMorphKf < 1 : FMorphKf > 0;
}

void TspSkinMenuItem::SetMorphKf(double AValue) { FMorphKf = std::clamp(AValue, 0.0, 1.0); }

void TspSkinMenuItem::DoMorphing(TCanvas& ACanvas) {
  SetMorphKf(FMorphKf + ((Active || Down) ? MenuItemMorphStep : -MenuItemMorphStep));
  Draw(ACanvas);
}
