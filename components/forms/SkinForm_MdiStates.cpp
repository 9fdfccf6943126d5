// A document's skinned window states inside its frame: maximized to the MDI client
// rectangle, minimized to a place along the client's bottom, and snapped to the
// client's edges; the frame puts its minimized documents back on their places.

#include "components/controls/SkinCtrls.h"
#include "components/forms/SkinForm.h"
#include "platform/win/Painting.h"

void TspSkinFormMdi::SkinMaximizeMDIChild() {
  SkinForm.Objects().MouseTimer().SetEnabled(false);
  SkinForm.Objects().TestActive(-1, -1, false);
  const TRect Client = GetMDIClientRect();
  const bool SameSize =
      SkinForm.FForm->Width() == Client.Width() && SkinForm.FForm->Height() == Client.Height();
  SkinForm.FForm->SetBounds(0, 0, Client.Width(), Client.Height());
  // The frame went away without a size change: the window must learn it anyway.
  if (SameSize) SkinForm.RefreshFrameSize();
  SendToMainForm(SP_MDICHILDMAXIMIZED);
}

// Row by row upwards from the client's bottom left, the first place on which no other
// shown, skin-minimized document stands; all taken: the first place.
TPoint TspSkinFormMdi::GetMDIMinimizedPlace() const {
  const int W = SkinForm.GetMinWidth();
  const int H = SkinForm.GetMinHeight();
  const TRect Client = GetMDIClientRect();
  TCustomForm* Main = Application->MainForm();
  auto Taken = [&](TPoint APlace) {
    for (int I = 0; Main != nullptr && I < Main->MDIChildCount(); ++I) {
      TCustomForm* Other = Main->MDIChildren(I);
      if (Other == SkinForm.FForm || !Other->Visible()) continue;
      const TspSkinForm* OtherSkin = FindSkinForm(Other);
      if (OtherSkin != nullptr && OtherSkin->WindowState() == wsMinimized && Other->Left() == APlace.X &&
          Other->Top() == APlace.Y)
        return true;
    }
    return false;
  };
  const TPoint First{0, Client.Height() - H};
  if (W <= 0 || H <= 0) return First;
  TPoint Place = First;
  while (Taken(Place)) {
    Place.X += W;
    if (Place.X + W > Client.Width()) {
      Place.X = 0;
      Place.Y -= H;
      if (Place.Y < 0) return First;
    }
  }
  return Place;
}

TRect TspSkinFormMdi::MDIMagneticArea() const {
  TRect Area = GetMDIClientRect();
  TCustomForm* Main = Application->MainForm();
  if (Main == nullptr || !Main->HandleAllocated()) return Area;
  const TPoint Origin = Main->ClientOrigin();
  OffsetRect(Area, Origin.X, Origin.Y);
  return Area;
}

void TspSkinFormMdi::ArrangeMinimizedChildren() {
  if (SkinForm.FForm->FormStyle() != fsMDIForm) return;
  for (int I = 0; I < SkinForm.FForm->MDIChildCount(); ++I) {
    TCustomForm* Child = SkinForm.FForm->MDIChildren(I);
    TspSkinForm* ChildSkin = FindSkinForm(Child);
    if (ChildSkin == nullptr || ChildSkin->WindowState() != wsMinimized) continue;
    const TPoint Place = ChildSkin->GetMinimizedPlace();
    Child->SetBounds(Place.X, Place.Y, Child->Width(), Child->Height());
  }
}

void TspSkinFormMdi::ChangeMDISkinData() {
  for (TspSkinScrollBar* Bar : {FMDIHScrollBar, FMDIVScrollBar})
    if (Bar != nullptr) Bar->SetSkinData(SkinForm.FSD);
  if (const HWND Client = SkinForm.FForm->ClientHandle())
    RedrawWindow(Client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  RefreshMDIChildren();
}
