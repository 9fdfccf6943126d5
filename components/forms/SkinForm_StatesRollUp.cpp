// Rolling a skinned form up to its caption and down again: in frame mode to the
// minimum height, in client-area mode to the shape of the skin's roll-up picture.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "platform/win/WindowRegions.h"

void TspSkinFormStates::SetRollUpState(bool AValue) {
  if (AValue == SkinForm.FRollUpState) return;
  if (!SkinForm.FSupportNCArea && !SkinForm.FSkinSupport) return;
  if (!SkinForm.FBorderIcons.Contains(TspSkinForm::biRollUp)) return;
  if (SkinForm.FRollUpState && SkinForm.FWindowState == wsMaximized && !MaxRollUpState) return;
  if (SkinForm.FWindowState == wsMinimized) return;
  if (SkinForm.FWindowStateInit == wsMaximized) MaxRollUpState = AValue;
  SkinForm.FRollUpState = AValue;
  if (SkinForm.FSupportNCArea) {
    RollUpFrame(AValue);
  } else if (SkinForm.FSD->FRollUpPicture->Empty()) {
    // A skin without a roll-up picture has nothing to roll up to.
    SkinForm.FRollUpState = false;
  } else if (AValue) {
    OldHeight = SkinForm.FForm->Height();
    RollUpClientArea();
  } else {
    RollDownClientArea();
  }
  if (SkinForm.OnChangeRollUpState) SkinForm.OnChangeRollUpState(&SkinForm);
}

void TspSkinFormStates::RollUpFrame(bool AValue) {
  if (AValue) {
    OldHeight = SkinForm.FForm->Height();
    // Rolled up, the minimum height is the caption strip's.
    SkinForm.FForm->SetHeight(SkinForm.GetMinHeight());
  } else if (SkinForm.ClientHeight != 0) {
    SkinForm.FForm->SetClientHeight(SkinForm.ClientHeight);
  } else {
    SkinForm.FForm->SetHeight(OldHeight);
  }
}

void TspSkinFormStates::RollUpClientArea() {
  TBitmap& RollUp = *SkinForm.FSD->FRollUpPicture;
  const bool StretchZone = SkinForm.FSD->RollUpLeftPoint.X < SkinForm.FSD->RollUpRightPoint.X;
  const int DX = StretchZone ? SkinForm.FForm->Width() - RollUp.Width() : 0;
  if (StretchZone)
    for (auto& Object : SkinForm.ObjectList) {
      if (!Object->RollUp) continue;
      TRect R = Object->SkinRect;
      if (R.Left >= SkinForm.FSD->RollUpRightPoint.X)
        OffsetRect(R, DX, 0);
      else if (R.Left <= SkinForm.FSD->RollUpLeftPoint.X && R.Right >= SkinForm.FSD->RollUpRightPoint.X)
        R.Right += DX;
      Object->ObjectRect = R;
    }
  SkinForm.Objects().ActiveObject = -1;
  SkinForm.ResetObjectStates();
  SetObjectTimersEnabled(false);
  if (VisibleControls.empty())
    for (int I = 0; I < SkinForm.FForm->ControlCount(); ++I)
      if (TControl* Control = SkinForm.FForm->Controls(I); Control->Visible())
        VisibleControls.push_back(Control);
  for (TControl* Control : VisibleControls) Control->SetVisible(false);
  if (StretchZone)
    SkinForm.FForm->SetHeight(RollUp.Height());
  else
    SkinForm.FForm->SetBounds(SkinForm.FForm->Left(), SkinForm.FForm->Top(), RollUp.Width(), RollUp.Height());
  SetRollUpRegion();
  SkinForm.FForm->Invalidate();
  SetObjectTimersEnabled(true);
}

// While the form changes shape its objects neither follow the mouse nor morph.
void TspSkinFormStates::SetObjectTimersEnabled(bool AEnabled) {
  SkinForm.Objects().MouseTimer().SetEnabled(AEnabled);
  SkinForm.Objects().MorphTimer().SetEnabled(AEnabled);
}

void TspSkinFormStates::SetRollUpRegion() {
  if (!SkinForm.FForm->HandleAllocated()) return;
  TBitmap& Mask = *SkinForm.FSD->FRollUpMask;
  if (Mask.Empty()) {
    if (SkinForm.Geometry().FHasRegion) SetWindowRgn(SkinForm.FForm->Handle(), nullptr, true);
    SkinForm.Geometry().FHasRegion = false;
    return;
  }
  TBitmap Wide;
  TBitmap* Shape = &Mask;
  if (SkinForm.FSD->RollUpLeftPoint.X < SkinForm.FSD->RollUpRightPoint.X) {
    CreateHSkinImage(SkinForm.FSD->RollUpLeftPoint.X, Mask.Width() - SkinForm.FSD->RollUpRightPoint.X, Wide,
                     Mask, Rect(0, 0, Mask.Width(), Mask.Height()), SkinForm.FForm->Width(), Mask.Height(),
                     false);
    Shape = &Wide;
  }
  std::vector<uint8_t> Data;
  GetMaskRegionRects(*Shape, 0, 0, Data);
  // The window owns the region from here on and frees the one it replaces.
  SetWindowRgn(SkinForm.FForm->Handle(),
               ExtCreateRegion(nullptr, uint32_t(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data())),
               true);
  SkinForm.Geometry().FHasRegion = true;
}

void TspSkinFormStates::RollDownClientArea() {
  SkinForm.Objects().ActiveObject = -1;
  SkinForm.ResetObjectStates();
  SetObjectTimersEnabled(false);
  // A control freed while the form was rolled up is no longer among the form's.
  for (TControl* Control : VisibleControls)
    for (int I = 0; I < SkinForm.FForm->ControlCount(); ++I)
      if (SkinForm.FForm->Controls(I) == Control) Control->SetVisible(true);
  VisibleControls.clear();
  if (SkinForm.Geometry().SkinFrameResizable()) SkinForm.FForm->SetHeight(OldHeight);
  SkinForm.FitClientToSkin();
  // The skin's own shape comes back in place of the roll-up picture's.
  SkinForm.Geometry().FFormWidth = SkinForm.FForm->Width();
  SkinForm.Geometry().FFormHeight = SkinForm.FForm->Height();
  SkinForm.UpdateSkinFrame(SkinForm.Geometry().SkinFrameResizable());
  SetObjectTimersEnabled(true);
}
