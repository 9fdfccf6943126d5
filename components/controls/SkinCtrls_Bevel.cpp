#include "components/controls/SkinBars.h"
#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_LabelFontInternal.h"

TspSkinBevel::TspSkinBevel(TComponent* AOwner) : TBevel(AOwner) {}

void TspSkinBevel::SetSkinData(TspSkinData* AValue) {
  ReplaceNotified(FSD, AValue);
  ChangeSkinData();
}

void TspSkinBevel::ChangeSkinData() {
  FIndex = FindSkinElement(FSD, SkinDataName);
  const auto* Element = FIndex == -1 ? nullptr : FSD->Control<TspDataSkinBevel>(FIndex);
  LightColor = Element ? Element->LightColor : clBtnHighlight;
  DarkColor = Element ? Element->DarkColor : clBtnShadow;
  Repaint();
}

void TspSkinBevel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TBevel::SetBounds(ALeft, CentredTopOnToolBar(Parent(), ATop, AHeight, false), AWidth, AHeight);
}

void TspSkinBevel::SetDividerMode(bool AValue) {
  FDividerMode = AValue;
  Repaint();
}

void TspSkinBevel::Notification(TComponent* AComponent, TOperation AOperation) {
  TBevel::Notification(AComponent, AOperation);
  if (AOperation == opRemove && AComponent == FSD) FSD = nullptr;
}

void TspSkinBevel::Paint() {
  TCanvas& Surface = Canvas();
  if (ComponentState().Contains(csDesigning) && Shape() == bsSpacer) {
    // A spacer draws nothing; at design time its place is outlined.
    Surface.Pen().SetStyle(psDot);
    Surface.Pen().SetMode(pmXor);
    Surface.Pen().SetColor(RGB(206, 216, 255));
    Surface.Brush().SetStyle(bsClear);
    Surface.Rectangle(ClientRect());
    return;
  }
  if (!FDividerMode) {
    PaintShape(DarkColor, LightColor);
    return;
  }
  Surface.Pen().SetWidth(1);
  Surface.Pen().SetStyle(psSolid);
  Surface.Pen().SetMode(pmCopy);
  const TColor First = Style() == bsLowered ? DarkColor : LightColor;
  const TColor Second = Style() == bsLowered ? LightColor : DarkColor;
  const int W = Width(), H = Height();
  switch (Shape()) {
    case bsTopLine:
    case bsBottomLine:
      PaintBevelRect(Rect(2, H / 2 - 1, W - 2, H / 2), First, Second);
      break;
    case bsBox:
    case bsFrame:
    case bsLeftLine:
    case bsRightLine:
      PaintBevelRect(Rect(W / 2 - 1, 2, W / 2, H - 2), First, Second);
      break;
    case bsSpacer:
      break;
  }
}
