// TspSkinIntUpDown: what the time edit's step buttons do differently from the up-down.

#include "components/controls/SkinButtonElement.h"
#include "components/controls/SkinUpDown.h"

namespace {

// The element the buttons are drawn from: "combobutton", else "resizetoolbutton".
const TspDataSkinButtonControl* FindIntUpDownElement(const TspSkinData* ASkin, TBitmap*& APicture) {
  const auto* Element = FindButtonElement(ASkin, "combobutton", APicture);
  return Element ? Element : FindButtonElement(ASkin, "resizetoolbutton", APicture);
}

// The arrow takes the colour of the marker picture of the state, sampled in its middle
// three rows down; without a marker picture the state's font colour.
TColor IntUpDownArrowColor(const TspDataSkinButtonControl& AElement, TBitmap& APicture, bool APressed,
                           bool AHot) {
  TRect Marker = AElement.MenuMarkerRect;
  if (APressed && !RectangleIsEmpty(AElement.MenuMarkerDownRect))
    Marker = AElement.MenuMarkerDownRect;
  else if (AHot && !RectangleIsEmpty(AElement.MenuMarkerActiveRect))
    Marker = AElement.MenuMarkerActiveRect;
  if (RectangleIsEmpty(Marker)) return ButtonElementFontColor(AElement, APressed, AHot);
  return APicture.Canvas().Pixels(Marker.Left + RectangleWidth(Marker) / 2, Marker.Top + 3);
}

}  // namespace

TspSkinIntUpDown::TspSkinIntUpDown(TComponent* AOwner) : TspSkinUpDown(AOwner) {
  SetBounds(Left(), Top(), 50, 25);
}

void TspSkinIntUpDown::RepeatStep(int ASign) {
  Step(ASign);
  const TNotifyEvent& Changed = ASign > 0 ? FOnUpChange : FOnDownChange;
  if (Changed) Changed(this);
}

void TspSkinIntUpDown::Dispatch(TMessage& AMessage) {
  if (AMessage.Msg == CM_MOUSELEAVE) ForgetActiveButton();
  TspSkinUpDown::Dispatch(AMessage);
}

void TspSkinIntUpDown::CreateControlSkinImage(TBitmap& B) {
  DrawSmallArrowButton(B.Canvas(), 0);
  DrawSmallArrowButton(B.Canvas(), 1);
}

void TspSkinIntUpDown::DrawSmallArrowButton(TCanvas& ACanvas, int AIndex) {
  const TspCBButtonX& State = Button(AIndex);
  TBitmap Face;
  Face.SetSize(RectangleWidth(State.R), RectangleHeight(State.R));
  TBitmap* ElementPicture = nullptr;
  if (const auto* Element = FindIntUpDownElement(FSD, ElementPicture)) {
    const bool Pressed = State.Down && State.MouseIn;
    ComposeButtonElement(Face, *Element, *ElementPicture,
                         ButtonElementStateRect(*Element, Pressed, State.MouseIn));
    // A pressed arrow sits lower right: its rectangle loses two pixels at the left and top.
    const int Inset = Pressed ? 2 : 0;
    const TRect ArrowRect = Rect(Inset, Inset, Face.Width(), Face.Height());
    DrawSmallArrow(Face.Canvas(), ArrowRect,
                   IntUpDownArrowColor(*Element, *ElementPicture, Pressed, State.MouseIn),
                   ArrowDirection(AIndex));
  }
  ACanvas.Draw(State.R.Left, State.R.Top, Face);
}
