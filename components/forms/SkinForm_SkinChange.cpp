// A skin applied to the form: the skin-change messages, the frame objects and caption
// buttons rebuilt, the minimum size enforced, frame, region and active state
// recomputed, in frame mode and in client-area mode.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/base/ScopeExit.h"

void TspSkinForm::SPSkinChange(TMessage& AMessage) {
  auto* Skin = reinterpret_cast<TspSkinData*>(AMessage.WParam);
  const bool OwnSkin = FSD != nullptr && Skin == FSD;
  if (AMessage.Msg == SP_BEFORECHANGESKINDATA) {
    // An open menu reads the records of its skin: it closes before they change. Its
    // close events may free the component.
    if (TspSkinMenu* Open = Menus().ExistingSkinMenu();
        Open != nullptr && Open->Visible() && Open->SkinData == Skin) {
      const TLiveToken Alive = FLive.Token();
      Open->Hide();
      if (!Alive) return;
    }
    if (!OwnSkin) return;
    States().SaveBoundsBeforeBorderChange();
    FStopPainting = true;
    FSkinSupport = false;
    Objects().StopObjectTimers();
    Objects().ActiveObject = Objects().OldActiveObject = Objects().MouseCaptureObject = -1;
    ClearObjects();
    ClearAreaLinks();
    BeforeChangeControlsSkinData(Skin, FForm);
    return;
  }
  FStopPainting = false;
  if (OwnSkin) ChangeSkinData();
  // Controls bound to another skin than the form's read theirs again all the same.
  if (Skin != nullptr) ChangeControlsSkinData(Skin, FForm);
}

void TspSkinForm::SPChangeSkinnableForm(TMessage& AMessage) {
  if (FSD == nullptr || AMessage.WParam != reinterpret_cast<WPARAM>(FSD) || FForm->FormStyle() == fsMDIChild)
    return;
  SetSkinnableForm(FSD->SkinnableForm());
}

void TspSkinForm::ChangeSkinData() {
  // The objects are made anew: no hover or press outlives them.
  Objects().ActiveObject = Objects().OldActiveObject = Objects().MouseCaptureObject = -1;
  FSkinSupport = HasSkin();
  if (FSupportNCArea)
    ChangeFrameSkinData();
  else
    ChangeClientAreaSkinData();
  FBorderLayer->FollowSkin();
  States().RestoreFullBorderBounds();
}

void TspSkinForm::ChangeClientAreaSkinData() {
  if (!FSkinSupport) {
    // Nothing of a skin that is gone may stay: its objects point into its pictures.
    ClearObjects();
    ClearAreaLinks();
    return;
  }
  if (!FRollUpState) FitClientToSkin();
  CreateSkinObjects();
  ApplyBorderIcons();
  FInChangeSkinData = true;
  const ScopeExit EndChange([this] { FInChangeSkinData = false; });
  if (OnChangeSkinData) OnChangeSkinData(this);
  UpdateClientAreaSkinFrame();
  PlaceSkinObjects();
  LinkControlsToAreas();
  UpdateLinkedControls();
  UpdateActiveState(true);
}

void TspSkinForm::ChangeFrameSkinData() {
  ApplyFrameModeObjects();
  FInChangeSkinData = true;
  const ScopeExit EndChange([this] { FInChangeSkinData = false; });
  EnforceMinimumSize();
  // A rolled-up or skin-minimized form keeps the height of its caption strip.
  if ((FRollUpState || FWindowState == wsMinimized) && FForm->Height() != GetMinHeight())
    FForm->SetHeight(GetMinHeight());
  if (FWindowState == wsMinimized && FForm->Width() != GetMinWidth()) FForm->SetWidth(GetMinWidth());
  Geometry().FFormWidth = FForm->Width();
  Geometry().FFormHeight = FForm->Height();
  if (FSkinSupport) UpdateSkinFrame(true);
  FForm->Invalidate();
  UpdateActiveState(FForm->FormStyle() != fsMDIChild || FWindowStateInit != wsMaximized);
  if (OnChangeSkinData) OnChangeSkinData(this);
  if (!FRollUpState) {
    if (ClientWidth > 0) FForm->SetClientWidth(ClientWidth);
    if (ClientHeight > 0) FForm->SetClientHeight(ClientHeight);
  }
  if (FForm->FormStyle() == fsMDIForm) Mdi().ChangeMDISkinData();
}

void TspSkinForm::ApplyFrameModeObjects() {
  if (FSkinSupport && FSkinnableForm) {
    CreateSkinObjects();
    ApplyBorderIcons();
  } else {
    // Without a skin the built-in frame keeps (or makes at its next paint) its own
    // caption buttons.
    std::erase_if(ObjectList, [](const std::unique_ptr<TspActiveSkinObject>& AObject) {
      auto* Button = dynamic_cast<TspSkinStdButtonObject*>(AObject.get());
      return !Button || Button->FSkinSupport;
    });
    ClearAreaLinks();
    Geometry().FFormWidth = FForm->Width();
    Geometry().FFormHeight = FForm->Height();
    UpdateFormRegion(true);
  }
  if (!FSkinnableForm)
    SetNativeBorderIcons();
  else if (!FForm->BorderIcons().Empty())
    FForm->SetBorderIcons({});
}

void TspSkinForm::EnforceMinimumSize() {
  const int LeastWidth = GetMinWidth();
  const int LeastHeight = GetMinHeight();
  const bool Narrower = FForm->Width() < LeastWidth;
  const bool Lower = FForm->Height() < LeastHeight;
  if (Narrower && Lower)
    FForm->SetBounds(FForm->Left(), FForm->Top(), LeastWidth, LeastHeight);
  else if (Lower)
    FForm->SetHeight(LeastHeight);
  else if (Narrower)
    FForm->SetWidth(LeastWidth);
  else if (FForm->HandleAllocated())
    RefreshFrameSize();
}

void TspSkinForm::FitClientToSkin() {
  const int PictureWidth = FSD->FPicture->Width();
  const int PictureHeight = FSD->FPicture->Height();
  if (!Geometry().SkinFrameResizable()) {
    FForm->SetClientWidth(PictureWidth);
    FForm->SetClientHeight(PictureHeight);
    Sizeable = false;
    return;
  }
  if (MinWidth != 0 && MinHeight != 0) return;
  if (FForm->ClientWidth() < PictureWidth) FForm->SetClientWidth(PictureWidth);
  if (FForm->ClientHeight() < PictureHeight) FForm->SetClientHeight(PictureHeight);
}

void TspSkinForm::UpdateClientAreaSkinFrame() {
  if (!FSkinSupport || FRollUpState) return;
  const bool Resizable = Geometry().SkinFrameResizable();
  const bool PictureSize =
      FForm->ClientWidth() == FSD->FPicture->Width() && FForm->ClientHeight() == FSD->FPicture->Height();
  if (Resizable || PictureSize) UpdateSkinFrame(Resizable);
}
