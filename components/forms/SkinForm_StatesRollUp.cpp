// Rolling a skinned form up to its caption and down again: in frame mode to the
// minimum height, in client-area mode to the shape of the skin's roll-up picture.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "platform/win/WindowRegions.h"

void TspSkinForm::SetRollUpState(bool AValue) {
  if (AValue == FRollUpState) return;
  if (!FSupportNCArea && !FSkinSupport) return;
  if (!FBorderIcons.Contains(biRollUp)) return;
  if (FRollUpState && FWindowState == wsMaximized && !MaxRollUpState) return;
  if (FWindowState == wsMinimized) return;
  if (FWindowStateInit == wsMaximized) MaxRollUpState = AValue;
  FRollUpState = AValue;
  if (FSupportNCArea) {
    RollUpFrame(AValue);
  } else if (FSD->FRollUpPicture->Empty()) {
    // A skin without a roll-up picture has nothing to roll up to.
    FRollUpState = false;
  } else if (AValue) {
    OldHeight = FForm->Height();
    RollUpClientArea();
  } else {
    RollDownClientArea();
  }
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TspSkinForm::RollUpFrame(bool AValue) {
  if (AValue) {
    OldHeight = FForm->Height();
    // Rolled up, the minimum height is the caption strip's.
    FForm->SetHeight(GetMinHeight());
  } else if (ClientHeight != 0) {
    FForm->SetClientHeight(ClientHeight);
  } else {
    FForm->SetHeight(OldHeight);
  }
}

void TspSkinForm::RollUpClientArea() {
  TBitmap& RollUp = *FSD->FRollUpPicture;
  const bool StretchZone = FSD->RollUpLeftPoint.X < FSD->RollUpRightPoint.X;
  const int DX = StretchZone ? FForm->Width() - RollUp.Width() : 0;
  if (StretchZone)
    for (auto& Object : ObjectList) {
      if (!Object->RollUp) continue;
      TRect R = Object->SkinRect;
      if (R.Left >= FSD->RollUpRightPoint.X)
        OffsetRect(R, DX, 0);
      else if (R.Left <= FSD->RollUpLeftPoint.X && R.Right >= FSD->RollUpRightPoint.X)
        R.Right += DX;
      Object->ObjectRect = R;
    }
  ActiveObject = -1;
  ResetObjectStates();
  FMorphTimer->SetEnabled(false);
  if (VisibleControls.empty())
    for (int I = 0; I < FForm->ControlCount(); ++I)
      if (TControl* Control = FForm->Controls(I); Control->Visible()) VisibleControls.push_back(Control);
  for (TControl* Control : VisibleControls) Control->SetVisible(false);
  if (StretchZone)
    FForm->SetHeight(RollUp.Height());
  else
    FForm->SetBounds(FForm->Left(), FForm->Top(), RollUp.Width(), RollUp.Height());
  SetRollUpRegion();
  FForm->Invalidate();
  FMorphTimer->SetEnabled(true);
}

void TspSkinForm::SetRollUpRegion() {
  if (!FForm->HandleAllocated()) return;
  TBitmap& Mask = *FSD->FRollUpMask;
  if (Mask.Empty()) {
    if (FHasRegion) SetWindowRgn(FForm->Handle(), nullptr, true);
    FHasRegion = false;
    return;
  }
  TBitmap Wide;
  TBitmap* Shape = &Mask;
  if (FSD->RollUpLeftPoint.X < FSD->RollUpRightPoint.X) {
    CreateHSkinImage(FSD->RollUpLeftPoint.X, Mask.Width() - FSD->RollUpRightPoint.X, Wide, Mask,
                     Rect(0, 0, Mask.Width(), Mask.Height()), FForm->Width(), Mask.Height(), false);
    Shape = &Wide;
  }
  std::vector<uint8_t> Data;
  GetMaskRegionRects(*Shape, 0, 0, Data);
  // The window owns the region from here on and frees the one it replaces.
  SetWindowRgn(FForm->Handle(),
               ExtCreateRegion(nullptr, uint32_t(Data.size()), reinterpret_cast<const RGNDATA*>(Data.data())),
               true);
  FHasRegion = true;
}

void TspSkinForm::RollDownClientArea() {
  ActiveObject = -1;
  ResetObjectStates();
  FMorphTimer->SetEnabled(false);
  // A control freed while the form was rolled up is no longer among the form's.
  for (TControl* Control : VisibleControls)
    for (int I = 0; I < FForm->ControlCount(); ++I)
      if (FForm->Controls(I) == Control) Control->SetVisible(true);
  VisibleControls.clear();
  if (SkinFrameResizable()) FForm->SetHeight(OldHeight);
  FitClientToSkin();
  // The skin's own shape comes back in place of the roll-up picture's.
  FFormWidth = FForm->Width();
  FFormHeight = FForm->Height();
  UpdateSkinFrame(SkinFrameResizable());
  FMorphTimer->SetEnabled(true);
}
