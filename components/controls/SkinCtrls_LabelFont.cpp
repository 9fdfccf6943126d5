#include "components/controls/SkinCtrls_LabelFontInternal.h"
#include "platform/gdi/Text.h"

int FindStdLabelElement(const TspSkinData* ASkinData, const String& AName, TspStdLabelFont& AFont) {
  const int Index = FindSkinElement(ASkinData, AName);
  if (Index < 0) return -1;
  if (const auto* Element = ASkinData->Control<TspDataSkinStdLabelControl>(Index)) {
    AFont.FontName = Element->FontName;
    AFont.FontStyle = Element->FontStyle;
    AFont.FontHeight = Element->FontHeight;
    AFont.FontColor = Element->FontColor;
    AFont.ActiveFontColor = Element->ActiveFontColor;
  }
  return Index;
}

void SetCanvasFontFace(TCanvas& ACanvas, const TspStdLabelFont& AFont) {
  ACanvas.Font().SetName(AFont.FontName);
  ACanvas.Font().SetHeight(AFont.FontHeight);
  ACanvas.Font().SetStyle(AFont.FontStyle);
}

void DrawDisabledLabelText(TCanvas& ACanvas, const String& AText, TRect ARect, unsigned AFlags,
                           const TspSkinColors* AColors) {
  HDC DC = ACanvas.Handle();
  OffsetRect(ARect, 1, 1);
  SetTextColor(DC, ColorToRGB(AColors ? AColors->cBtnHighLight : clBtnHighlight));
  DrawText(DC, AText, ARect, AFlags);
  OffsetRect(ARect, -1, -1);
  SetTextColor(DC, ColorToRGB(AColors ? AColors->cBtnShadow : clBtnShadow));
  DrawText(DC, AText, ARect, AFlags);
}
