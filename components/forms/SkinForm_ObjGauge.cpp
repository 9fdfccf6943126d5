// The gauge on the frame: the hot picture shows the part its value reaches, the frame
// picture the rest.

#include <cmath>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"
#include "platform/gdi/Blit.h"

TspSkinGaugeObject::TspSkinGaugeObject(TspSkinForm* AParent, const TspDataSkinGauge& AData)
    : TspActiveSkinObject(AParent, AData),
      MinValue(AData.MinValue),
      MaxValue(AData.MaxValue),
      Kind(AData.Kind) {
  FValue = MinValue;
  FProgressPos = CalcProgressPos();
  FOldProgressPos = FProgressPos;
}

TPoint TspSkinGaugeObject::CalcProgressPos() const {
  const double Fraction = ObjectValueFraction(FValue, MinValue, MaxValue);
  if (Kind == gkHorizontal) return Point(int(std::nearbyint(Fraction * RectangleWidth(SkinRect))), 0);
  return Point(0, int(std::nearbyint((1 - Fraction) * RectangleHeight(SkinRect))));
}

void TspSkinGaugeObject::SimplySetValue(int AValue) {
  if (AValue == FValue) return;
  FValue = ClampObjectValue(AValue, MinValue, MaxValue);
  FOldProgressPos = FProgressPos;
  FProgressPos = CalcProgressPos();
}

void TspSkinGaugeObject::SetValue(int AValue) {
  SimplySetValue(AValue);
  Parent->DrawSkinObject(this);
}

void TspSkinGaugeObject::Draw(TCanvas& Cnvs, bool UpDate) {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  if (!HasSkin() || !Picture || W <= 0 || H <= 0) return;
  if (FValue == MinValue && !UpDate) return;
  TBitmap Image;
  Image.SetPixelFormat(pf32bit);
  Image.SetSize(W, H);
  TCanvas& C = Image.Canvas();
  const TPoint P = FProgressPos;
  if (Kind == gkHorizontal) {
    C.CopyRect(Rect(P.X, 0, W, H), Picture->Canvas(),
               Rect(SkinRect.Left + P.X, SkinRect.Top, SkinRect.Right, SkinRect.Top + H));
    if (ActivePicture && P.X > 0)
      C.CopyRect(
          Rect(0, 0, P.X, H), ActivePicture->Canvas(),
          Rect(ActiveSkinRect.Left, ActiveSkinRect.Top, ActiveSkinRect.Left + P.X, ActiveSkinRect.Top + H));
  } else {
    if (P.Y > 0)
      C.CopyRect(Rect(0, 0, W, P.Y), Picture->Canvas(),
                 Rect(SkinRect.Left, SkinRect.Top, SkinRect.Left + W, SkinRect.Top + P.Y));
    if (ActivePicture)
      C.CopyRect(Rect(0, P.Y, W, H), ActivePicture->Canvas(),
                 Rect(ActiveSkinRect.Left, ActiveSkinRect.Top + P.Y, ActiveSkinRect.Left + W,
                      ActiveSkinRect.Top + H));
  }
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, C.Handle(), 0, 0, SRCCOPY);
}

void TspSkinGaugeObject::MouseEnter() {
  Active = true;
  ReportHover(true);
}

void TspSkinGaugeObject::MouseLeave() {
  Active = false;
  ReportHover(false);
}
