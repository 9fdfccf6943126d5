// The painting steps the buttons, boxes and bars share.

#include "components/controls/SkinCtrls_PaintInternal.h"
#include "components/core/SPUtils.h"
#include "platform/win/Painting.h"

void DrawFramedPart(TCanvas& ACanvas, const TRect& ARect, TColor AFrame, TColor AFill) {
  ACanvas.Brush().SetStyle(bsSolid);
  ACanvas.Brush().SetColor(AFrame);
  ACanvas.FrameRect(ARect);
  ACanvas.Brush().SetColor(AFill);
  ACanvas.FillRect(Rect(ARect.Left + 1, ARect.Top + 1, ARect.Right - 1, ARect.Bottom - 1));
}

void DrawBuiltInPartState(TCanvas& ACanvas, const TRect& ARect, bool APressed, bool AHot) {
  if (APressed)
    DrawFramedPart(ACanvas, ARect, BuiltInPartFrame, BuiltInPressedFill);
  else if (AHot)
    DrawFramedPart(ACanvas, ARect, BuiltInPartFrame, BuiltInHotFill);
  else
    DrawFramedPart(ACanvas, ARect, clBtnShadow, clBtnFace);
}

void BlendPartOver(TBitmap& APart, TBitmap& AImage, int AX, int AY, uint8_t AAlphaValue) {
  TBitmap Under;
  Under.SetSize(APart.Width(), APart.Height());
  Under.Canvas().CopyRect(Rect(0, 0, APart.Width(), APart.Height()), AImage.Canvas(),
                          Bounds(AX, AY, APart.Width(), APart.Height()));
  TspEffectBmp Own(APart.Handle());
  const TspEffectBmp Behind(Under.Handle());
  Own.Morph(Behind, 1.0 - AAlphaValue / 255.0);
  Own.Draw(APart.Canvas().Handle(), 0, 0);
}

bool EraseIsLeftToPaint(TWinControl& AControl, bool AFromWMPaint) {
  return AFromWMPaint || (AControl.HandleAllocated() && GetUpdateRect(AControl.Handle(), nullptr, false));
}

void AnswerEraseByPainting(TWinControl& AControl, TMessage& AMessage, bool AFromWMPaint) {
  AMessage.Result = 1;
  if (AMessage.WParam != 0 && !EraseIsLeftToPaint(AControl, AFromWMPaint))
    AControl.Perform(WM_PAINT, AMessage.WParam, 0);
}
