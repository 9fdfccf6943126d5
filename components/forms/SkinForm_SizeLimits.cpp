// How small and how large a skinned form may be, and where a skin-minimized form goes.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"

int TspSkinFormGeometry::GetMinWidth() const {
  if (SkinForm.FSupportNCArea) {
    if (!SkinForm.FSkinSupport) return SkinForm.MinWidth > 0 ? SkinForm.MinWidth : 130;
    const int PictureWidth = SkinForm.FSD->FPicture->Width();
    if (SkinForm.FWindowState == wsMinimized)
      return SkinForm.FSD->FormMinWidth > 0 ? SkinForm.FSD->FormMinWidth : PictureWidth;
    if (PictureWidth < SkinForm.MinWidth) return SkinForm.MinWidth;
    return SkinForm.FSD->FormMinWidth > 0 ? std::max(SkinForm.FSD->FormMinWidth, SkinForm.MinWidth)
                                          : PictureWidth;
  }
  if (!SkinForm.FSkinSupport) return 0;
  const int PictureWidth = SkinForm.FSD->FPicture->Width();
  return SkinForm.MinWidth == 0 ? PictureWidth : std::min(PictureWidth, SkinForm.MinWidth);
}

namespace {

// The lowest a form wearing a full layered border may be.
constexpr int FullLayeredBorderMinHeight = 10;

}  // namespace

int TspSkinFormGeometry::GetMinHeight() const {
  // A rolled-up or skin-minimized form ignores the application's MinHeight: its
  // minimum is the height of its caption strip.
  const bool UseOwnMinimum = SkinForm.IsFreeForm();
  if (SkinForm.FSupportNCArea) {
    if (!SkinForm.FSkinSupport) {
      const int CaptionStrip = SkinForm.DefaultCaptionHeight() + 6;
      return CaptionStrip < SkinForm.MinHeight && UseOwnMinimum ? SkinForm.MinHeight : CaptionStrip;
    }
    const int FrameHeight = SkinForm.FSD->FPicture->Height() - RectangleHeight(SkinForm.FSD->ClRect);
    // A full layered border draws the whole frame outside the form, which keeps only
    // its client area: the form itself may be as low as a strip.
    if (SkinForm.FullLayeredBorderInForce())
      return FrameHeight < SkinForm.MinHeight && UseOwnMinimum ? SkinForm.MinHeight
                                                               : FullLayeredBorderMinHeight;
    if (SkinForm.FSD->FormMinHeight != 0)
      return SkinForm.FSD->FormMinHeight < SkinForm.MinHeight && UseOwnMinimum ? SkinForm.MinHeight
                                                                               : SkinForm.FSD->FormMinHeight;
    return FrameHeight < SkinForm.MinHeight && UseOwnMinimum ? SkinForm.MinHeight : FrameHeight;
  }
  if (!SkinForm.FSkinSupport) return 0;
  const int PictureHeight = SkinForm.FSD->FPicture->Height();
  return SkinForm.MinHeight == 0 ? PictureHeight : std::min(PictureHeight, SkinForm.MinHeight);
}

namespace {

TRect SizeLimitsMonitorArea(TCustomForm* AForm, bool AFullScreen) {
  TRect Area;
  GetMonitorArea(AForm->HandleAllocated() ? AForm->Handle() : nullptr, !AFullScreen, Area);
  return Area;
}

}  // namespace

int TspSkinFormGeometry::GetMaxWidth() const {
  if (SkinForm.MaxWidth != 0) return SkinForm.MaxWidth;
  return SizeLimitsMonitorArea(SkinForm.FForm, SkinForm.MaximizeOnFullScreen).Width();
}

int TspSkinFormGeometry::GetMaxHeight() const {
  if (SkinForm.MaxHeight != 0) return SkinForm.MaxHeight;
  return SizeLimitsMonitorArea(SkinForm.FForm, SkinForm.MaximizeOnFullScreen).Height();
}

TPoint TspSkinFormGeometry::GetMinimizedPlace() const {
  if (SkinForm.FForm->FormStyle() == fsMDIChild) return SkinForm.Mdi().GetMDIMinimizedPlace();
  const int W = GetMinWidth();
  const int H = GetMinHeight();
  const TRect Area = SizeLimitsMonitorArea(SkinForm.FForm, false);
  auto Taken = [&](TPoint APlace) {
    for (int I = 0; I < Screen->CustomFormCount(); ++I) {
      TCustomForm* Other = Screen->CustomForms(I);
      if (Other == SkinForm.FForm || Other == Application->MainForm() || !Other->Visible()) continue;
      const TspSkinForm* OtherSkin = FindSkinForm(Other);
      if (OtherSkin != nullptr && OtherSkin->WindowState() == wsMinimized && Other->Left() == APlace.X &&
          Other->Top() == APlace.Y)
        return true;
    }
    return false;
  };
  const TPoint First{Area.Left, Area.Bottom - H};
  // A form without a minimum size has no row to walk along.
  if (W <= 0 || H <= 0) return First;
  TPoint Place = First;
  while (Taken(Place)) {
    Place.X += W;
    if (Place.X + W > Area.Right) {
      Place.X = Area.Left;
      Place.Y -= H;
      // Every place is taken: the forms pile up in the first one.
      if (Place.Y < Area.Top) return First;
    }
  }
  return Place;
}
