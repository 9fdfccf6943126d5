#include "components/controls/SkinTabs.h"
#include "components/core/spEffBmp.h"
#include "platform/gdi/Text.h"

namespace {

enum TTabTurn { ttLeft, ttRight };

// A 24-bit copy of ABitmap turned a quarter.
TspEffectBmp TurnedTabCopy(TBitmap& ABitmap, TTabTurn ATurn) {
  const TspEffectBmp Source(ABitmap.Handle());
  TspEffectBmp Turned(ABitmap.Height(), ABitmap.Width());
  if (ATurn == ttLeft)
    Source.Rotate90_1(Turned);
  else
    Source.Rotate90_2(Turned);
  return Turned;
}

void TurnTabBitmap(TBitmap& ABitmap, TTabTurn ATurn) {
  const TspEffectBmp Turned = TurnedTabCopy(ABitmap, ATurn);
  ABitmap.SetSize(ABitmap.Height(), ABitmap.Width());
  Turned.Draw(ABitmap.Canvas().Handle(), 0, 0);
}

}  // namespace

void DrawBitmapRotate90_1(TCanvas& ACanvas, TBitmap& ABitmap, int AX, int AY) {
  TurnedTabCopy(ABitmap, ttLeft).Draw(ACanvas.Handle(), AX, AY);
}

void DrawBitmapRotate90_2(TCanvas& ACanvas, TBitmap& ABitmap, int AX, int AY) {
  TurnedTabCopy(ABitmap, ttRight).Draw(ACanvas.Handle(), AX, AY);
}

void BitmapRotate90_1(TBitmap& ABitmap) { TurnTabBitmap(ABitmap, ttLeft); }

void BitmapRotate90_2(TBitmap& ABitmap) { TurnTabBitmap(ABitmap, ttRight); }

void BitmapFlipVert(TBitmap& ABitmap) {
  const TspEffectBmp Source(ABitmap.Handle());
  TspEffectBmp Flipped(ABitmap.Width(), ABitmap.Height());
  Source.FlipVert(Flipped);
  Flipped.Draw(ABitmap.Canvas().Handle(), 0, 0);
}

void DrawTabImageAndText(TCanvas& ACanvas, int AWidth, int AHeight, const String& AText,
                         TCustomImageList& AImages, int AImageIndex, bool AEnabled, int ADY) {
  TRect Measured = Rect(0, 0, 0, 0);
  DrawText(ACanvas.Handle(), AText, Measured, DT_CALCRECT);
  const int TextHeight = RectangleHeight(Measured);
  const int Slot = AText.empty() ? 0 : RectangleWidth(Measured) + 2;
  const int X = AWidth / 2 - (Slot + AImages.Width() + 2) / 2;
  const int Y = AHeight / 2 - AImages.Height() / 2 + ADY;
  TRect Caption;
  Caption.Left = X + AImages.Width() + 2;
  Caption.Top = AHeight / 2 - TextHeight / 2 + ADY;
  Caption.Right = Caption.Left + Slot;
  Caption.Bottom = Caption.Top + TextHeight;
  DrawText(ACanvas.Handle(), AText, Caption, DT_CENTER);
  AImages.Draw(ACanvas, X, Y, AImageIndex, AEnabled);
}
