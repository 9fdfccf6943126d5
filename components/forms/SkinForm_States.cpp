// The skinned form's own window states: maximize into the monitor's work area,
// minimize to a caption strip (or through the window system for the main form), and
// restore to the normal bounds saved on the way out of the normal state.

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/ui/Application.h"

void TspSkinForm::Loaded() {
  TComponent::Loaded();
  if (FWindowStateInit != FWindowState && !ComponentState().Contains(csDesigning) && FSupportNCArea)
    SetWindowState(FWindowStateInit);
}

void TspSkinForm::SetWindowState(TWindowState AValue) {
  FWindowStateInit = AValue;
  if (ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading)) return;
  ApplyWindowState(AValue);
  FWindowStateInit = FWindowState;
}

void TspSkinForm::ApplyWindowState(TWindowState AValue) {
  if (AValue == FWindowState) return;
  const TWindowState OldState = FWindowState;
  // The main form and a form minimized by the window system keep their skinned state.
  const bool MinimizedBySystem =
      AValue == wsMinimized && (FForm == Application->MainForm() || MinimizeDefault);
  if (!MinimizedBySystem) FWindowState = AValue;
  switch (AValue) {
    case wsNormal:
      if (OldState == wsMaximized && FRollUpState && !FRollUpBeforeMaximize) SetRollUpState(false);
      FRollUpBeforeMaximize = false;
      SkinRestore();
      break;
    case wsMinimized:
      SkinMinimize();
      break;
    case wsMaximized:
      FRollUpBeforeMaximize = FRollUpState;
      SkinMaximize();
      break;
  }
}

void TspSkinForm::SaveNormalBounds() {
  if (!HasNormalBounds()) OldBoundsRect = FForm->BoundsRect();
}

void TspSkinForm::ShowStatusBarGrip(bool AShow) {
  if (FStatusBar != nullptr && FStatusBar->SizeGrip()) FStatusBar->SetShowGrip(AShow);
}

void TspSkinForm::SetStatusBar(TspSkinStatusBar* AValue) { ReplaceNotified(FStatusBar, AValue); }

void TspSkinForm::SkinMinimize() {
  if (FForm == Application->MainForm() || !FSupportNCArea) {
    Application->Minimize();
  } else if (MinimizeDefault) {
    FForm->SetWindowState(wsMinimized);
  } else {
    SaveNormalBounds();
    // The reached state is wsMinimized by now, so the minimum size is the caption
    // strip's.
    const TPoint Place = GetMinimizedPlace();
    if (WearsFullLayeredBorder()) {
      // The collapsed frame's strip stands where a caption strip would.
      const TspFormLayerBorder& Border = *FBorderLayer;
      FForm->SetBounds(Place.X + Border.LeftSize,
                       Place.Y - Border.BottomSize - Border.Data()->RollUpFormHeight + 10, GetMinWidth(),
                       GetMinHeight());
    } else {
      FForm->SetBounds(Place.X, Place.Y, GetMinWidth(), GetMinHeight());
    }
    // The other documents leave the maximized state without this one.
    if (FForm->FormStyle() == fsMDIChild) {
      Mdi().SendToMainForm(SP_MDICHILDRESTORED);
      Mdi().SendToMainForm(SP_MDIRESTOREALLEXCEPT, reinterpret_cast<WPARAM>(FForm->Handle()));
    }
  }
  if (OnMinimize) OnMinimize(this);
}

void TspSkinForm::SkinMaximize() {
  SaveNormalBounds();
  if (FForm->FormStyle() == fsMDIChild) {
    Mdi().SkinMaximizeMDIChild();
  } else if (FullLayeredBorderInForce()) {
    // The full layered border, with its margins, fills the target.
    const TRect Target = MaximizedBounds();
    const TspFormLayerBorder& Border = *FBorderLayer;
    FForm->SetBounds(Target.Left + Border.LeftSize, Target.Top + Border.TopSize,
                     Target.Width() - Border.LeftSize - Border.RightSize,
                     Target.Height() - Border.TopSize - Border.BottomSize);
  } else {
    FForm->SetBoundsRect(MaximizedBounds());
  }
  ShowStatusBarGrip(false);
  if (OnMaximize) OnMaximize(this);
}

void TspSkinForm::SkinRestore() {
  MaxRollUpState = false;
  // Nothing saved (a form never placed by the skin): the form stays where it is.
  if (HasNormalBounds()) {
    const TRect Saved = OldBoundsRect;
    SetZeroRect(OldBoundsRect);
    if (FSupportNCArea) {
      const int OldWidth = FForm->Width();
      const int OldFormHeight = FForm->Height();
      TPoint Place = Saved.TopLeft();
      // A form first shown in another state is placed now, as its first show would.
      if (FStartShow) {
        FStartShow = false;
        Place = GetPositionInMonitor(Saved.Left, Saved.Top, Saved.Width(), Saved.Height());
      }
      FForm->SetBounds(Place.X, Place.Y, Saved.Width(), Saved.Height());
      if (FForm->Width() == OldWidth && FForm->Height() == OldFormHeight && FForm->HandleAllocated())
        RefreshFrameSize();
      FForm->Invalidate();
    } else {
      FForm->SetBoundsRect(Saved);
    }
  }
  // The other documents leave the maximized state with this one.
  if (FSupportNCArea && FForm->FormStyle() == fsMDIChild) {
    Mdi().SendToMainForm(SP_MDICHILDRESTORED);
    Mdi().SendToMainForm(SP_MDIRESTOREALL);
  }
  ShowStatusBarGrip(true);
  if (OnRestore) OnRestore(this);
}
