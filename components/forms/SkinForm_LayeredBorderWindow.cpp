// The windows of the layered border and what the border does after each message of its form.

#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_LayeredBorder.h"
#include "platform/base/ScopeExit.h"
#include "platform/gdi/Regions.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/Cursors.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowRegions.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

// A window of the frame that reaches over the form (a corner part taller than the
// form's place in the picture) has that part cut away, so that the form under it keeps
// the mouse; the picture is transparent there anyway.
void CutLayerWindowOffForm(HWND AWindow, const TRect& APlace, const TRect& AForm) {
  TRect Over;
  if (!IntersectRect(Over, APlace, AForm)) {
    SetWindowRgn(AWindow, nullptr, true);
    return;
  }
  OffsetRect(Over, -APlace.Left, -APlace.Top);
  TOwnedGdiObject<TRegionObject> Region(CreateRectRgn(0, 0, APlace.Width(), APlace.Height()));
  const TOwnedGdiObject<TRegionObject> FormPart(CreateRectRgn(Over.Left, Over.Top, Over.Right, Over.Bottom));
  CombineRgn(Region.get(), Region.get(), FormPart.get(), RGN_DIFF);
  // The window owns the region from here on.
  SetWindowRgn(AWindow, Region.release(), true);
}

}  // namespace

// After the form (and the skin component) handled the message.
void TspFormLayerBorder::FormMessage(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_WINDOWPOSCHANGED:
    case SP_CHANGELAYEREDBORDERS:
      FollowForm();
      break;
    case WM_ACTIVATE:
      SetActive(LOWORD(AMessage.WParam) != WA_INACTIVE, true);
      break;
    case WM_TIMER:
      // The form's fade-in steps: the frame fades with it.
      if (AMessage.WParam == 1 && FVisible) {
        BYTE FormAlpha = 255;
        DWORD Flags = 0;
        const bool Layered = GetLayeredWindowAttributes(FForm->Handle(), nullptr, &FormAlpha, &Flags);
        CheckFormAlpha(Layered && (Flags & LWA_ALPHA) ? FormAlpha : 255, true);
      }
      break;
    case WM_DESTROY:
      Hide();
      break;
    default:
      break;
  }
}

void TspFormLayerBorder::CreateWindows() {
  const TspFormLayerBorderType Order[] = {spflLeft, spflRight, spflTop, spflBottom};
  for (TspFormLayerBorderType Type : Order)
    if (HasCornerPoints() || Type == spflTop)
      FWindows[Type] = std::make_unique<TspFormLayerWindow>(this, FForm, Type);
}

void TspFormLayerBorder::ApplyContent(TspFormLayerBorderType AType) {
  UpdateLayeredWindowBitmap(*FImages[AType], uint8_t(CurrentAlpha()), *FWindows[AType]);
}

void TspFormLayerBorder::PlaceWindows(const TRect& ABox, bool AUpdateContents) {
  for (int Type = spflLeft; Type <= spflBottom; ++Type) {
    TspFormLayerWindow* Window = FWindows[Type].get();
    if (Window == nullptr) continue;
    const auto BorderType = TspFormLayerBorderType(Type);
    const TRect Place = WindowPlace(BorderType, ABox);
    if (FImages[Type]->Empty()) {
      if (Window->HandleAllocated())
        SetWindowPos(Window->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
      continue;
    }
    Window->SetBounds(Place.Left, Place.Top, Place.Width(), Place.Height());
    CutLayerWindowOffForm(Window->Handle(), Place, FFormBounds);
    if (AUpdateContents) ApplyContent(BorderType);
    SetWindowPos(Window->Handle(), HWND_TOP, Place.Left, Place.Top, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOOWNERZORDER);
  }
}

TspFormLayerWindow::TspFormLayerWindow(TspFormLayerBorder* ALayerBorder, TCustomForm* AForm,
                                       TspFormLayerBorderType ABorderType)
    : TForm(nullptr), BorderType(ABorderType), FForm(AForm), FLayerBorder(ALayerBorder) {
  SetBorderStyle(bsNone);
  SetVisible(false);
}

void TspFormLayerWindow::CreateParams(TCreateParams& AParams) {
  TForm::CreateParams(AParams);
  // Owned by the form: the frame stays above it and rises with it.
  AParams.WndParent = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  AParams.ExStyle |= WS_EX_LAYERED | WS_EX_TOOLWINDOW;
  if (FForm->FormStyle() == fsStayOnTop) AParams.ExStyle |= WS_EX_TOPMOST;
  // A frame without a visible border is all shadow: the mouse goes through it.
  if (IsRectEmpty(FLayerBorder->Data()->BorderRect)) AParams.ExStyle |= WS_EX_TRANSPARENT;
}

void TspFormLayerWindow::Dispatch(TMessage& AMessage) {
  ++FLayerBorder->FDispatching;
  const ScopeExit Done([this] { --FLayerBorder->FDispatching; });
  switch (AMessage.Msg) {
    case WM_MOUSEACTIVATE:
      // The frame never takes the activation: a press on it activates the form.
      AMessage.Result = MA_NOACTIVATE;
      if (FLayerBorder->Data()->HitTestEnable) {
        if (!FForm->Active()) FForm->Show();
        POINT Cursor;
        GetCursorPos(&Cursor);
        FHitMode = GetHitMode(Cursor);
      }
      return;
    case WM_SETFOCUS:
      if (!FForm->Active()) FForm->Show();
      AMessage.Result = 1;
      return;
    case WM_LBUTTONDBLCLK:
      CaptionDblClick(GET_X_LPARAM(AMessage.LParam), GET_Y_LPARAM(AMessage.LParam));
      TForm::Dispatch(AMessage);
      return;
    case CM_MOUSEENTER:
      if (FLayerBorder->FullBorder()) FLayerBorder->MouseTimer().SetEnabled(true);
      TForm::Dispatch(AMessage);
      return;
    case CM_MOUSELEAVE:
      if (FLayerBorder->FullBorder()) {
        FLayerBorder->MouseTimer().SetEnabled(false);
        FLayerBorder->CheckActiveObject(-1, -1);
      }
      TForm::Dispatch(AMessage);
      return;
    default:
      TForm::Dispatch(AMessage);
  }
}
