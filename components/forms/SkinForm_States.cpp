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

void TspSkinFormStates::SetWindowState(TWindowState AValue) {
  SkinForm.FWindowStateInit = AValue;
  if (SkinForm.ComponentState().Contains(csDesigning) || SkinForm.ComponentState().Contains(csLoading))
    return;
  ApplyWindowState(AValue);
  SkinForm.FWindowStateInit = SkinForm.FWindowState;
}

void TspSkinFormStates::ApplyWindowState(TWindowState AValue) {
  if (AValue == SkinForm.FWindowState) return;
  const TWindowState OldState = SkinForm.FWindowState;
  // The main form and a form minimized by the window system keep their skinned state.
  const bool MinimizedBySystem =
      AValue == wsMinimized && (SkinForm.FForm == Application->MainForm() || SkinForm.MinimizeDefault);
  if (!MinimizedBySystem) SkinForm.FWindowState = AValue;
  switch (AValue) {
    case wsNormal:
      if (OldState == wsMaximized && SkinForm.FRollUpState && !FRollUpBeforeMaximize) SetRollUpState(false);
      FRollUpBeforeMaximize = false;
      SkinRestore();
      break;
    case wsMinimized:
      SkinMinimize();
      break;
    case wsMaximized:
      FRollUpBeforeMaximize = SkinForm.FRollUpState;
      SkinMaximize();
      break;
  }
}

void TspSkinFormStates::SaveNormalBounds() {
  if (!HasNormalBounds()) OldBoundsRect = SkinForm.FForm->BoundsRect();
}

void TspSkinFormStates::ShowStatusBarGrip(bool AShow) {
  if (SkinForm.FStatusBar != nullptr && SkinForm.FStatusBar->SizeGrip())
    SkinForm.FStatusBar->SetShowGrip(AShow);
}

void TspSkinForm::SetStatusBar(TspSkinStatusBar* AValue) { ReplaceNotified(FStatusBar, AValue); }

void TspSkinFormStates::SkinMinimize() {
  if (SkinForm.FForm == Application->MainForm() || !SkinForm.FSupportNCArea) {
    // The border would stay on the screen around the form's empty place.
    if (SkinForm.FSupportNCArea && Application->MainFormOnTaskBar() && SkinForm.FBorderLayer->Visible())
      SkinForm.FBorderLayer->Hide();
    Application->Minimize();
  } else if (SkinForm.MinimizeDefault) {
    SkinForm.FForm->SetWindowState(wsMinimized);
  } else {
    SaveNormalBounds();
    // The reached state is wsMinimized by now, so the minimum size is the caption
    // strip's.
    const TPoint Place = SkinForm.GetMinimizedPlace();
    if (SkinForm.WearsFullLayeredBorder()) {
      // The collapsed frame's strip stands where a caption strip would.
      const TspFormLayerBorder& Border = *SkinForm.FBorderLayer;
      SkinForm.FForm->SetBounds(Place.X + Border.LeftSize,
                                Place.Y - Border.BottomSize - Border.Data()->RollUpFormHeight + 10,
                                SkinForm.GetMinWidth(), SkinForm.GetMinHeight());
    } else {
      SkinForm.FForm->SetBounds(Place.X, Place.Y, SkinForm.GetMinWidth(), SkinForm.GetMinHeight());
    }
    // The other documents leave the maximized state without &SkinForm one.
    if (SkinForm.FForm->FormStyle() == fsMDIChild) {
      SkinForm.Mdi().SendToMainForm(SP_MDICHILDRESTORED);
      SkinForm.Mdi().SendToMainForm(SP_MDIRESTOREALLEXCEPT,
                                    reinterpret_cast<WPARAM>(SkinForm.FForm->Handle()));
    }
  }
  if (SkinForm.OnMinimize) SkinForm.OnMinimize(&SkinForm);
}

void TspSkinFormStates::SkinMaximize() {
  // A maximized form does not move: a drag by the picture ends here.
  if (!SkinForm.FSupportNCArea) SkinForm.Objects().StopDragging();
  SaveNormalBounds();
  if (SkinForm.FForm->FormStyle() == fsMDIChild) {
    SkinForm.Mdi().SkinMaximizeMDIChild();
  } else if (SkinForm.FullLayeredBorderInForce()) {
    // The full layered border, with its margins, fills the target.
    const TRect Target = MaximizedBounds();
    const TspFormLayerBorder& Border = *SkinForm.FBorderLayer;
    SkinForm.FForm->SetBounds(Target.Left + Border.LeftSize, Target.Top + Border.TopSize,
                              Target.Width() - Border.LeftSize - Border.RightSize,
                              Target.Height() - Border.TopSize - Border.BottomSize);
  } else {
    SkinForm.FForm->SetBoundsRect(MaximizedBounds());
  }
  ShowStatusBarGrip(false);
  if (SkinForm.OnMaximize) SkinForm.OnMaximize(&SkinForm);
}

void TspSkinFormStates::SkinRestore() {
  MaxRollUpState = false;
  // Nothing saved (a form never placed by the skin): the form stays where it is.
  if (HasNormalBounds()) {
    const TRect Saved = OldBoundsRect;
    SetZeroRect(OldBoundsRect);
    if (SkinForm.FSupportNCArea) {
      const int OldWidth = SkinForm.FForm->Width();
      const int OldFormHeight = SkinForm.FForm->Height();
      TPoint Place = Saved.TopLeft();
      // A form first shown in another state is placed now, as its first show would.
      if (FStartShow) {
        FStartShow = false;
        Place = GetPositionInMonitor(Saved.Left, Saved.Top, Saved.Width(), Saved.Height());
      }
      SkinForm.FForm->SetBounds(Place.X, Place.Y, Saved.Width(), Saved.Height());
      if (SkinForm.FForm->Width() == OldWidth && SkinForm.FForm->Height() == OldFormHeight &&
          SkinForm.FForm->HandleAllocated())
        SkinForm.RefreshFrameSize();
      SkinForm.FForm->Invalidate();
    } else {
      SkinForm.FForm->SetBoundsRect(Saved);
    }
  }
  // The other documents leave the maximized state with &SkinForm one.
  if (SkinForm.FSupportNCArea && SkinForm.FForm->FormStyle() == fsMDIChild) {
    SkinForm.Mdi().SendToMainForm(SP_MDICHILDRESTORED);
    SkinForm.Mdi().SendToMainForm(SP_MDIRESTOREALL);
  }
  ShowStatusBarGrip(true);
  if (SkinForm.OnRestore) SkinForm.OnRestore(&SkinForm);
}
