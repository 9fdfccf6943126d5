// The header's default look.

#include "platform/gdi/DcScopes.h"
#include "platform/gdi/Graphics.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/native/HeaderPaintInternal.h"

namespace {

void FillSolid(HDC ADC, const TRect& ARect, COLORREF AColor) {
  HBRUSH Brush = CreateSolidBrush(AColor);
  FillRect(ADC, &ARect, Brush);
  DeleteObject(Brush);
}

void DrawFace(HDC ADC, const TRect& ARect, bool APressed) {
  FillSolid(ADC, ARect, GetSysColor(COLOR_BTNFACE));
  if (APressed) {
    HBRUSH Shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    FrameRect(ADC, &ARect, Shadow);
    DeleteObject(Shadow);
    return;
  }
  FillSolid(ADC, Rect(ARect.Left, ARect.Top, ARect.Right, ARect.Top + 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  FillSolid(ADC, Rect(ARect.Left, ARect.Top, ARect.Left + 1, ARect.Bottom), GetSysColor(COLOR_BTNHIGHLIGHT));
  FillSolid(ADC, Rect(ARect.Right - 1, ARect.Top, ARect.Right, ARect.Bottom), GetSysColor(COLOR_BTNSHADOW));
  FillSolid(ADC, Rect(ARect.Left, ARect.Bottom - 1, ARect.Right, ARect.Bottom), GetSysColor(COLOR_BTNSHADOW));
}

void DrawCaption(HDC ADC, const THeaderModel& AModel, const THeaderSection& ASection, TRect ABox) {
  InflateRect(ABox, -6, 0);
  TCustomImageList* Images = AModel.Images;
  if (Images && (ASection.Format & HDF_IMAGE) && ASection.Image >= 0 && ASection.Image < Images->Count()) {
    // The canvas selects its own objects into the DC: the DC's state comes back after.
    TSavedDC Saved(ADC);
    TCanvas Canvas;
    TCanvasHandleScope Scope(Canvas, ADC);
    Images->Draw(Canvas, ABox.Left, ABox.Top + (ABox.Height() - Images->Height()) / 2, ASection.Image);
    ABox.Left += Images->Width() + 6;
  }
  const int Justify = ASection.Format & HDF_JUSTIFYMASK;
  const unsigned Align = Justify == HDF_RIGHT ? DT_RIGHT : Justify == HDF_CENTER ? DT_CENTER : DT_LEFT;
  DrawText(ADC, ASection.Text, ABox, Align | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

}  // namespace

void PaintHeaderSections(HDC ADC, const THeaderModel& AModel, int AWidth, int AHeight, int APressed) {
  TSavedDC Saved(ADC);
  if (AModel.Font) SelectObject(ADC, AModel.Font);
  SetBkMode(ADC, TRANSPARENT);
  SetTextColor(ADC, GetSysColor(COLOR_BTNTEXT));
  int Right = 0;
  for (int Index : AModel.Order()) {
    const TRect Box = AModel.ItemRect(Index, AHeight);
    Right = Box.Right;
    if (IsRectEmpty(Box)) continue;
    DrawFace(ADC, Box, Index == APressed);
    DrawCaption(ADC, AModel, AModel.Section(Index), Box);
  }
  // The part right of the last section is an empty face.
  if (Right < AWidth) DrawFace(ADC, Rect(Right, 0, AWidth, AHeight), false);
}
