#include "platform/ui/Label.h"

#include "platform/base/ScopeExit.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Text.h"
#include "platform/ui/Accelerators.h"
#include "platform/ui/WinControl.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  ControlStyle = ControlStyle + TControlStyle{csOpaque, csReplicatable};
  SetBounds(Left(), Top(), 65, 17);
  TControl::SetAutoSize(true);
}

String TCustomLabel::GetLabelText() { return Caption(); }

void TCustomLabel::DoDrawText(TRect& ARect, unsigned AFlags) {
  String Text = GetLabelText();
  // An empty caption (or one that is only its accelerator mark) still measures one
  // line high.
  if ((AFlags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == "&"))) Text += " ";
  if (!FShowAccelChar) AFlags |= DT_NOPREFIX;
  TCanvas& Surface = Canvas();
  Surface.Font().Assign(Font());
  HDC DC = Surface.Handle();
  if (Enabled()) {
    SetTextColor(DC, ColorToRGB(Font().Color()));
    DrawText(DC, Text, ARect, AFlags);
    return;
  }
  OffsetRect(ARect, 1, 1);
  SetTextColor(DC, ColorToRGB(clBtnHighlight));
  DrawText(DC, Text, ARect, AFlags);
  OffsetRect(ARect, -1, -1);
  SetTextColor(DC, ColorToRGB(clBtnShadow));
  DrawText(DC, Text, ARect, AFlags);
}

void TCustomLabel::Paint() {
  TCanvas& Surface = Canvas();
  if (!Transparent()) {
    Surface.Brush().SetColor(Color());
    Surface.Brush().SetStyle(bsSolid);
    Surface.FillRect(ClientRect());
  }
  Surface.Brush().SetStyle(bsClear);
  TRect Rect = ClientRect();
  const unsigned Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  const unsigned Style = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | Alignments[FAlignment];
  if (FLayout != tlTop) {
    TRect Measured = Rect;
    DoDrawText(Measured, Style | DT_CALCRECT);
    const int Space = Height() - Measured.Bottom;
    OffsetRect(Rect, 0, FLayout == tlBottom ? Space : Space / 2);
  }
  DoDrawText(Rect, Style);
}

// Measured on a memory device context, so that the label needs no window for it. A
// right-justified label keeps its right edge.
void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !AutoSize()) return;
  TRect Rect = ClientRect();
  {
    HDC DC = CreateCompatibleDC(nullptr);
    ScopeExit Delete([DC] { DeleteDC(DC); });
    TCanvasHandleScope Scope(Canvas(), DC);
    DoDrawText(Rect, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : 0));
  }
  int X = Left();
  if (FAlignment == taRightJustify) X += Width() - Rect.Right;
  SetBounds(X, Top(), Rect.Right, Rect.Bottom);
}

void TCustomLabel::SetAutoSize(bool AValue) {
  if (AutoSize() == AValue) return;
  TControl::SetAutoSize(AValue);
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment AValue) {
  if (FAlignment == AValue) return;
  FAlignment = AValue;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout AValue) {
  if (FLayout == AValue) return;
  FLayout = AValue;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool AValue) {
  if (FShowAccelChar == AValue) return;
  FShowAccelChar = AValue;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool AValue) {
  if (Transparent() == AValue) return;
  if (AValue)
    ControlStyle.Exclude(csOpaque);
  else
    ControlStyle.Include(csOpaque);
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool AValue) {
  if (FWordWrap == AValue) return;
  FWordWrap = AValue;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* AValue) {
  if (FFocusControl == AValue) return;
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = AValue;
  if (AValue) AValue->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation AOperation) {
  TGraphicControl::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(AMessage); break;
    case CM_FONTCHANGED: CMFontChanged(AMessage); break;
    case CM_DIALOGCHAR: CMDialogChar(AMessage); break;
    default: TGraphicControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TCustomLabel::CMTextChanged(TMessage&) {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::CMFontChanged(TMessage& AMessage) {
  TGraphicControl::Dispatch(AMessage);
  AdjustBounds();
}

// The label's accelerator focuses its FocusControl.
void TCustomLabel::CMDialogChar(TMessage& AMessage) {
  if (!FFocusControl || !Enabled() || !FShowAccelChar) return;
  if (!IsAccel(static_cast<uint32_t>(AMessage.WParam), Caption()) || !FFocusControl->CanFocus()) return;
  FFocusControl->SetFocus();
  AMessage.Result = 1;
}
