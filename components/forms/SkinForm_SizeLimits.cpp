// How small and how large a skinned form may be, and where a skin-minimized form goes.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"

int TspSkinForm::GetMinWidth() const {
  if (FSupportNCArea) {
    if (!FSkinSupport) return MinWidth > 0 ? MinWidth : 130;
    const int PictureWidth = FSD->FPicture->Width();
    if (FWindowState == wsMinimized) return FSD->FormMinWidth > 0 ? FSD->FormMinWidth : PictureWidth;
    if (PictureWidth < MinWidth) return MinWidth;
    return FSD->FormMinWidth > 0 ? std::max(FSD->FormMinWidth, MinWidth) : PictureWidth;
  }
  if (!FSkinSupport) return 0;
  const int PictureWidth = FSD->FPicture->Width();
  return MinWidth == 0 ? PictureWidth : std::min(PictureWidth, MinWidth);
}

int TspSkinForm::GetMinHeight() const {
  // A rolled-up or skin-minimized form ignores the application's MinHeight: its
  // minimum is the height of its caption strip.
  const bool UseOwnMinimum = IsFreeForm();
  if (FSupportNCArea) {
    if (!FSkinSupport) {
      const int CaptionStrip = DefaultCaptionHeight() + 6;
      return CaptionStrip < MinHeight && UseOwnMinimum ? MinHeight : CaptionStrip;
    }
    if (FSD->FormMinHeight != 0)
      return FSD->FormMinHeight < MinHeight && UseOwnMinimum ? MinHeight : FSD->FormMinHeight;
    const int FrameHeight = FSD->FPicture->Height() - RectangleHeight(FSD->ClRect);
    return FrameHeight < MinHeight && UseOwnMinimum ? MinHeight : FrameHeight;
  }
  if (!FSkinSupport) return 0;
  const int PictureHeight = FSD->FPicture->Height();
  return MinHeight == 0 ? PictureHeight : std::min(PictureHeight, MinHeight);
}

namespace {

TRect SizeLimitsMonitorArea(TCustomForm* AForm, bool AFullScreen) {
  TRect Area;
  GetMonitorArea(AForm->HandleAllocated() ? AForm->Handle() : nullptr, !AFullScreen, Area);
  return Area;
}

}  // namespace

int TspSkinForm::GetMaxWidth() const {
  if (MaxWidth != 0) return MaxWidth;
  return SizeLimitsMonitorArea(FForm, MaximizeOnFullScreen).Width();
}

int TspSkinForm::GetMaxHeight() const {
  if (MaxHeight != 0) return MaxHeight;
  return SizeLimitsMonitorArea(FForm, MaximizeOnFullScreen).Height();
}

TPoint TspSkinForm::GetMinimizedPlace() const {
  if (FForm->FormStyle() == fsMDIChild) return Mdi().GetMDIMinimizedPlace();
  const int W = GetMinWidth();
  const int H = GetMinHeight();
  const TRect Area = SizeLimitsMonitorArea(FForm, false);
  auto Taken = [&](TPoint APlace) {
    for (int I = 0; I < Screen->CustomFormCount(); ++I) {
      TCustomForm* Other = Screen->CustomForms(I);
      if (Other == FForm || Other == Application->MainForm() || !Other->Visible()) continue;
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
