// Whether the component draws the form at all, and the form's border style and style
// changed through the component: each change has the skinned controls read their
// elements again.

#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"

void TspSkinForm::SetSkinnableForm(bool AValue) {
  FFormActive = GetFormActive();
  const bool MDIFrame = FForm->FormStyle() == fsMDIForm;
  if ((MDIFrame && FForm->MDIChildCount() > 0) || ComponentState().Contains(csDesigning)) return;
  // A maximized form leaves its maximized state under the old frame and takes it again
  // under the new one, hidden meanwhile.
  bool WasMaximized = false;
  if (FWindowStateInit == wsMaximized && FSkinnableForm) {
    if (!MDIFrame) FForm->Hide();
    SetWindowState(wsNormal);
    WasMaximized = true;
  } else if (FForm->WindowState() == wsMaximized && !FSkinnableForm) {
    FForm->SetWindowState(wsNormal);
    if (!MDIFrame) FForm->Hide();
    WasMaximized = true;
  }
  FSkinnableForm = !FUseRibbon && AValue;
  ChangeSkinData();
  ChangeControlsSkinData(nullptr, FForm);
  if (MDIFrame) {
    Mdi().SubclassMDIClient();
    RefreshFrameSize();
  } else if (!FSkinnableForm && IsWindowsVistaOrLater() && FForm->HandleAllocated()) {
    // The window is made anew so the window system gives it its own frame back.
    FForm->RecreateWnd();
  }
  if (!WasMaximized) return;
  if (FSkinnableForm)
    SetWindowState(wsMaximized);
  else
    FForm->SetWindowState(wsMaximized);
  if (!MDIFrame) FForm->Show();
}

void TspSkinForm::SetUseRibbon(bool AValue) {
  FUseRibbon = AValue;
  if (AValue && !ComponentState().Contains(csDesigning)) SetSkinnableForm(false);
}

void TspSkinForm::SetFormBorderStyle(TFormBorderStyle AValue) {
  FForm->SetBorderStyle(AValue);
  ChangeControlsSkinData(nullptr, FForm);
}

void TspSkinForm::SetFormStyle(TFormStyle AValue) {
  if (AValue != fsNormal && AValue != fsStayOnTop) return;
  FForm->SetFormStyle(AValue);
  if (FAlphaBlend) ChangeControlsSkinData(nullptr, FForm);
}
