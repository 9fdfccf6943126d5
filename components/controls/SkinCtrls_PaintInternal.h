#pragma once
// Painting steps that the buttons, boxes and bars of this folder share: the built-in
// looks of pressed and hot parts, blending a part over the image under it, and
// answering an erase by painting. User-interface thread.

#include "components/core/SkinData.h"
#include "components/core/spEffBmp.h"
#include "platform/ui/Controls.h"

// The built-in pressed and hot parts: a one-pixel frame 0x800000 filled 0xB59385
// (pressed) or 0xD2BDB6 (hot); a normal part is framed clBtnShadow on clBtnFace.
constexpr TColor BuiltInPartFrame = 0x800000;
constexpr TColor BuiltInPressedFill = 0xB59385;
constexpr TColor BuiltInHotFill = 0xD2BDB6;

// A one-pixel frame of AFrame inside ARect, the inside filled with AFill.
void DrawFramedPart(TCanvas& ACanvas, const TRect& ARect, TColor AFrame, TColor AFill);

// ARect in the built-in look of a part that is pressed, else hot, else normal.
void DrawBuiltInPartState(TCanvas& ACanvas, const TRect& ARect, bool APressed, bool AHot);

// APart morphed toward the part of AImage under it at (AX, AY) by 1 - AAlphaValue / 255,
// so that APart shows with that opacity once drawn there.
void BlendPartOver(TBitmap& APart, TBitmap& AImage, int AX, int AY, uint8_t AAlphaValue);

// Whether a WM_ERASEBKGND of a control that paints its whole picture is left to its
// paint: inside the control's own paint, or while its window still waits for its
// WM_PAINT, which draws the same picture over the same area. An erase from outside the
// paint cycle (a parent drawing its children into a bitmap) is not.
bool EraseIsLeftToPaint(TWinControl& AControl, bool AFromWMPaint);

// WM_ERASEBKGND that is not left to the control's paint is answered by painting the
// whole control into its device context.
void AnswerEraseByPainting(TWinControl& AControl, TMessage& AMessage, bool AFromWMPaint);
