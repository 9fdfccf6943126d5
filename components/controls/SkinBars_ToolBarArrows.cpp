// TspSkinToolBar's looks: the scroll arrows in the non-client area, drawn from the
// skin's "resizebutton" element or in the built-in look, and the bar's own picture
// while it scrolls.

#include "components/controls/SkinBars.h"
#include "components/controls/SkinButtonElement.h"
#include "components/controls/SkinCtrls_PaintInternal.h"
#include "platform/gdi/DcScopes.h"
#include "platform/win/WindowDC.h"

void TspSkinToolBar::WMNCPaint(TMessage& AMessage) {
  TspSkinPanel::Dispatch(AMessage);
  if (!CanScroll || !ArrowsVisible() || !HandleAllocated()) return;
  const TWindowDCScope DC(Handle(), daWholeWindow);
  if (!DC.Handle()) return;
  TCanvas Canvas;
  const TCanvasHandleScope CanvasScope(Canvas, DC.Handle());
  for (int I = 0; I < 2; ++I) DrawScrollArrow(Canvas, I);
}

// Pressed and hovered, or hovered with HotScroll, the arrow looks pressed.
void TspSkinToolBar::DrawScrollArrow(TCanvas& ACanvas, int AIndex) {
  GetSkinData();
  const TScrollArrow& Arrow = FArrows[AIndex];
  if (RectangleIsEmpty(Arrow.R)) return;
  const bool Pressed = Arrow.MouseIn && (Arrow.Down || HotScroll);
  TBitmap Image;
  Image.SetSize(Arrow.R.Width(), Arrow.R.Height());
  const TRect Area = Rect(0, 0, Image.Width(), Image.Height());
  TColor ArrowColor = clBtnText;
  if (ButtonData) {
    TRect Source = ButtonData->ActiveSkinRect;
    ArrowColor = ButtonData->ActiveFontColor;
    if (Pressed && !RectangleIsEmpty(ButtonData->DownSkinRect)) {
      Source = ButtonData->DownSkinRect;
      ArrowColor = ButtonData->DownFontColor;
    } else if (!Arrow.MouseIn || RectangleIsEmpty(ButtonData->ActiveSkinRect)) {
      Source = ButtonData->SkinRect;
      ArrowColor = ButtonData->FontColor;
    }
    ComposeButtonElement(Image, *ButtonData, *ButtonPicture, Source);
  } else if (Pressed) {
    DrawFramedPart(Image.Canvas(), Area, BuiltInPartFrame, BuiltInPressedFill);
  } else if (Arrow.MouseIn) {
    DrawFramedPart(Image.Canvas(), Area, BuiltInPartFrame, BuiltInHotFill);
  } else {
    DrawFramedPart(Image.Canvas(), Area, clBtnShadow, clBtnFace);
  }
  constexpr int ArrowLeft = 1, ArrowRight = 2;
  DrawArrow(Image.Canvas(), Area, ArrowColor, AIndex == 0 ? ArrowLeft : ArrowRight);
  ACanvas.Draw(Arrow.R.Left, Arrow.R.Top, Image);
}

void TspSkinToolBar::CreateControlSkinImage(TBitmap& B) {
  if (!CanScroll || !ArrowsVisible() || ResizeMode != 2 || !Picture) {
    TspSkinPanel::CreateControlSkinImage(B);
    return;
  }
  // Scrolled, the strip has no ends: only its middle shows, over the whole bar.
  CreateTiledSkinImage(LTPt.X, RectangleWidth(SkinRect) - RTPt.X, B, *Picture, SkinRect, Width(), Height(),
                       StretchEffect);
}
