#include "platform/ui/Panel.h"

#include "platform/gdi/Text.h"

namespace {

// The raised edge's width.
constexpr int EdgeWidth = 1;

}  // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  ControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                  csOpaque,          csDoubleClicks, csReplicatable};
  SetBounds(Left(), Top(), 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetAlignment(TAlignment AValue) {
  if (FAlignment == AValue) return;
  FAlignment = AValue;
  Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& ARect) {
  TCustomControl::AdjustClientRect(ARect);
  InflateRect(ARect, -EdgeWidth, -EdgeWidth);
}

// The raised edge (light on the left and top, shadow on the right and bottom), the
// colour inside, and the caption in one line, centred vertically.
void TCustomPanel::Paint() {
  TCanvas& Surface = Canvas();
  TRect Rect = ClientRect();
  Surface.Pen().SetWidth(1);
  Surface.Pen().SetColor(clBtnHighlight);
  const TPoint TopLeft[] = {{Rect.Left, Rect.Bottom - 1}, {Rect.Left, Rect.Top}, {Rect.Right - 1, Rect.Top}};
  Surface.Polyline(TopLeft);
  Surface.Pen().SetColor(clBtnShadow);
  const TPoint BottomRight[] = {
      {Rect.Right - 1, Rect.Top}, {Rect.Right - 1, Rect.Bottom - 1}, {Rect.Left - 1, Rect.Bottom - 1}};
  Surface.Polyline(BottomRight);
  InflateRect(Rect, -EdgeWidth, -EdgeWidth);
  Surface.Brush().SetColor(Color());
  Surface.Brush().SetStyle(bsSolid);
  Surface.FillRect(Rect);
  Surface.Brush().SetStyle(bsClear);
  Surface.Font().Assign(Font());
  const int FontHeight = Surface.TextHeight("W");
  Rect.Top = (Rect.Top + Rect.Bottom - FontHeight) / 2;
  Rect.Bottom = Rect.Top + FontHeight;
  const unsigned Alignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  HDC DC = Surface.Handle();
  SetTextColor(DC, ColorToRGB(Font().Color()));
  DrawText(DC, Caption(), Rect, DT_EXPANDTABS | DT_VCENTER | Alignments[FAlignment]);
}

void TCustomPanel::Dispatch(TMessage& AMessage) {
  // The router: one line per message.
  // clang-format off
  switch (AMessage.Msg) {
    case CM_TEXTCHANGED: CMTextChanged(AMessage); break;
    default: TCustomControl::Dispatch(AMessage); break;
  }
  // clang-format on
}

void TCustomPanel::CMTextChanged(TMessage&) { Invalidate(); }
