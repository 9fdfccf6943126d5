// Frame strips on the frame: the picture made of equal frames, and the frame gauge that
// shows one frame per step of its value.

#include <cstdint>
#include <cstdlib>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"

// ---------------------------------------------------------------- frame strip

TspSkinFrameObject::TspSkinFrameObject(TspSkinForm* AParent, const TspDataSkinObject& AData, int ACountFrames,
                                       TFramesPlacement AFramesPlacement)
    : TspActiveSkinObject(AParent, AData), CountFrames(ACountFrames), FramesPlacement(AFramesPlacement) {
  if (CountFrames <= 0) return;
  if (FramesPlacement == fpHorizontal) {
    FrameW = RectangleWidth(ActiveSkinRect) / CountFrames;
    FrameH = RectangleHeight(ActiveSkinRect);
  } else {
    FrameW = RectangleWidth(ActiveSkinRect);
    FrameH = RectangleHeight(ActiveSkinRect) / CountFrames;
  }
}

void TspSkinFrameObject::SetFrame(int AValue) {
  if (AValue < 1 || AValue > CountFrames) return;
  FFrame = AValue;
  Parent->DrawSkinObject(this);
}

int TspSkinFrameObject::FrameForValue(int AValue, int AMin, int AMax) const {
  if (CountFrames < 2) return 1;
  const int64_t Step = (int64_t(AMax) - AMin) / (CountFrames - 1);
  if (Step == 0) return 1;
  // A value beyond the limits (the frame gauge starts at 0 whatever they are) or a
  // range running backwards still names one of the strip's frames.
  const int64_t Frame = std::llabs(int64_t(AValue) - AMin) / std::llabs(Step) + 1;
  return int(std::min<int64_t>(Frame, CountFrames));
}

void TspSkinFrameObject::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  if (!HasSkin() || !ActivePicture || FrameW <= 0 || FrameH <= 0) return;
  TRect Source = Rect(ActiveSkinRect.Left, ActiveSkinRect.Top, ActiveSkinRect.Left + FrameW,
                      ActiveSkinRect.Top + FrameH);
  if (FramesPlacement == fpHorizontal)
    OffsetRect(Source, (FFrame - 1) * FrameW, 0);
  else
    OffsetRect(Source, 0, (FFrame - 1) * FrameH);
  Cnvs.CopyRect(ObjectRect, ActivePicture->Canvas(), Source);
}

// ---------------------------------------------------------------- frame gauge

TspSkinFrameGaugeObject::TspSkinFrameGaugeObject(TspSkinForm* AParent,
                                                 const TspDataSkinFrameGaugeObject& AData)
    : TspSkinFrameObject(AParent, AData, AData.CountFrames, AData.FramesPlacement),
      MinValue(AData.MinValue),
      MaxValue(AData.MaxValue) {}

void TspSkinFrameGaugeObject::SimplySetValue(int AValue) {
  if (AValue == FValue || AValue < MinValue || AValue > MaxValue) return;
  FValue = AValue;
}

void TspSkinFrameGaugeObject::SetValue(int AValue) {
  if (AValue == FValue || AValue < MinValue || AValue > MaxValue) return;
  FValue = AValue;
  Parent->DrawSkinObject(this);
}

void TspSkinFrameGaugeObject::Draw(TCanvas& Cnvs, bool UpDate) {
  FFrame = FrameForValue(FValue, MinValue, MaxValue);
  TspSkinFrameObject::Draw(Cnvs, UpDate);
}

void TspSkinFrameGaugeObject::MouseEnter() {
  Active = true;
  ReportHover(true);
}

void TspSkinFrameGaugeObject::MouseLeave() {
  Active = false;
  ReportHover(false);
}
