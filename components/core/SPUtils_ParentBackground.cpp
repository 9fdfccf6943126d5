#include "components/core/SPUtils.h"
#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/ui/Controls.h"
#include "platform/ui/CustomForm.h"
#include "platform/ui/GraphicControl.h"
#include "platform/win/MessageQueue.h"

namespace {

// PaintWindow is the parent's own painting; a transparent child borrows it to show
// what lies beneath, as the class library's own controls do.
struct TBackgroundPainting : TWinControl {
  using TWinControl::PaintWindow;
};
constexpr void (TWinControl::*PaintParentWindow)(HDC) = &TBackgroundPainting::PaintWindow;

// Paints the parent's background and the windowless siblings below AControl with the
// canvas's origin at the control's point AOrigin.
void PaintBeneathControl(TControl& AControl, TPoint AOrigin, TCanvas& ACanvas) {
  TWinControl* Parent = AControl.Parent();
  if (!Parent) return;
  Parent->ControlState.Include(csPaintCopy);
  ScopeExit EndParentCopy([Parent] { Parent->ControlState.Exclude(csPaintCopy); });
  HDC DC = ACanvas.Handle();
  const int Left = AControl.Left() + AOrigin.X;
  const int Top = AControl.Top() + AOrigin.Y;
  {
    TSavedDC Saved(DC);
    SetViewportOrgEx(DC, -Left, -Top, nullptr);
    IntersectClipRect(DC, 0, 0, Parent->ClientWidth(), Parent->ClientHeight());
    // An MDI frame's client area is covered by its MDI client window, which is what
    // lies under the control there.
    auto* Form = dynamic_cast<TCustomForm*>(Parent);
    if (Form && Form->FormStyle() == fsMDIForm && Form->ClientHandle())
      SendMessage(Form->ClientHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
    else
      Parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
    if (!Form) (Parent->*PaintParentWindow)(DC);
  }
  const TRect Bounds = AControl.BoundsRect();
  for (int I = 0; I < Parent->ControlCount(); ++I) {
    TControl* Sibling = Parent->Controls(I);
    if (Sibling == &AControl) break;
    TRect Overlap;
    if (!dynamic_cast<TGraphicControl*>(Sibling) || !Sibling->Visible() ||
        !IntersectRect(Overlap, Sibling->BoundsRect(), Bounds))
      continue;
    Sibling->ControlState.Include(csPaintCopy);
    ScopeExit EndSiblingCopy([Sibling] { Sibling->ControlState.Exclude(csPaintCopy); });
    TSavedDC Saved(DC);
    SetViewportOrgEx(DC, Sibling->Left() - Left, Sibling->Top() - Top, nullptr);
    IntersectClipRect(DC, 0, 0, Sibling->Width(), Sibling->Height());
    Sibling->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  }
}

}  // namespace

void PaintParentBackground(TControl* AControl, TCanvas& ACanvas) {
  if (AControl) PaintBeneathControl(*AControl, {0, 0}, ACanvas);
}

void PaintPageControlBackground(TControl* AControl, const TRect& ARect, TCanvas& ACanvas) {
  if (AControl) PaintBeneathControl(*AControl, ARect.TopLeft(), ACanvas);
}
