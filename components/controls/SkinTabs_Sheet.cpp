#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/controls/SkinTabs.h"
#include "components/forms/SkinForm.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/MessageQueue.h"

TspSkinCustomTabSheet::TspSkinCustomTabSheet(TComponent* AOwner)
    : TTabSheet(AOwner), FWallPaper(std::make_unique<TBitmap>()) {
  ControlStyle.Include(csNoDesignVisible);
}

TspSkinCustomTabSheet::~TspSkinCustomTabSheet() { SetPageControl(nullptr); }

void TspSkinCustomTabSheet::SetWallPaper(const TBitmap& AValue) {
  FWallPaper->Assign(AValue);
  if (ComponentState().Contains(csDesigning)) Repaint();
}

void TspSkinCustomTabSheet::CreateParams(TCreateParams& AParams) {
  TTabSheet::CreateParams(AParams);
  // The sheet repaints itself on WM_SIZE instead.
  AParams.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

TspSkinPageControl* TspSkinCustomTabSheet::SkinPageControl() const {
  return dynamic_cast<TspSkinPageControl*>(PageControl());
}

void TspSkinCustomTabSheet::Dispatch(TMessage& AMessage) {
  // clang-format off
  switch (AMessage.Msg) {
    case WM_ERASEBKGND: PaintBG(reinterpret_cast<HDC>(AMessage.WParam)); break;
    case WM_SIZE: WMSize(AMessage); break;
    case SP_PAINTINTODC: AMessage.Result = PAINTINTODC_RESULT; break;
    default: TTabSheet::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TspSkinCustomTabSheet::WMSize(TMessage& AMessage) {
  TTabSheet::Dispatch(AMessage);
  Repaint();
  const TspSkinPageControl* Owner = SkinPageControl();
  if (!Owner || !Owner->FSD || Owner->FSD->Empty || !Owner->StretchEffect) return;
  // A stretched background moved under the children; a tiled one did not.
  for (int I = 0; I < ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TWinControl*>(Controls(I)))
      SendMessage(Child->Handle(), SP_CHECKPARENTBACKGROUND, 0, 0);
}

void TspSkinCustomTabSheet::PaintBG(HDC ADC) {
  const int W = Width(), H = Height();
  TspSkinPageControl* Owner = SkinPageControl();
  if (W < 1 || H < 1 || !Owner) return;
  Owner->GetSkinData();
  TCanvas Canvas;
  TCanvasHandleScope Scope(Canvas, ADC);
  if (!FWallPaper->Empty()) {
    FillWithSkinPiece(Canvas, Rect(0, 0, W, H), *FWallPaper, false, spstFull);
    return;
  }
  if (Owner->FillSkinBackground(Canvas, W, H)) return;
  Canvas.Brush().SetColor(clBtnFace);
  Canvas.FillRect(Rect(0, 0, W, H));
}
