// The regulator on the frame: a knob turned, or a slider pulled, with the mouse held
// down; its value moves one step for every step of the pointer and shows as a frame.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"

namespace {

// A pointer jump of more than this many degrees crossed the seam straight below the
// knob's centre (from 359 to 0 or back).
constexpr int RegulatorSeamJump = 300;

// AValue, or 1 for 0: every step moves by at least one.
int RegulatorAtLeastOne(int64_t AValue) {
  return AValue == 0 ? 1 : int(std::clamp<int64_t>(AValue, INT32_MIN, INT32_MAX));
}

}  // namespace

TspSkinFrameRegulatorObject::TspSkinFrameRegulatorObject(TspSkinForm* AParent,
                                                         const TspDataSkinFrameRegulatorObject& AData)
    : TspSkinFrameObject(AParent, AData, AData.CountFrames, AData.FramesPlacement),
      MinValue(AData.MinValue),
      MaxValue(AData.MaxValue),
      Kind(AData.Kind) {
  FValue = ClampObjectValue(0, MinValue, MaxValue);
}

void TspSkinFrameRegulatorObject::SimplySetValue(int AValue) {
  if (AValue == FValue || AValue < MinValue || AValue > MaxValue) return;
  FValue = AValue;
  if (Parent->OnFrameRegulatorChangeValueEvent) Parent->OnFrameRegulatorChangeValueEvent(IDName, FValue);
}

void TspSkinFrameRegulatorObject::SetValue(int AValue) {
  if (AValue == FValue || AValue < MinValue || AValue > MaxValue) return;
  FValue = AValue;
  Parent->DrawSkinObject(this);
  if (Parent->OnFrameRegulatorChangeValueEvent) Parent->OnFrameRegulatorChangeValueEvent(IDName, FValue);
}

void TspSkinFrameRegulatorObject::Draw(TCanvas& Cnvs, bool UpDate) {
  FFrame = FrameForValue(FValue, MinValue, MaxValue);
  TspSkinFrameObject::Draw(Cnvs, UpDate);
}

bool TspSkinFrameRegulatorObject::PointAngle(TPoint AP, int& AAngle) const {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  const TPoint C = Point(W / 2, H / 2);
  const TPoint P = Point(std::clamp(AP.X, 0, std::max(W, 0)), std::clamp(AP.Y, 0, std::max(H, 0)));
  if (P.X == C.X && P.Y == C.Y) return false;
  const double DX = C.X - P.X, DY = C.Y - P.Y;
  // The quadrant, counted from the right going up.
  int Base = 0;
  if (P.X <= C.X && P.Y < C.Y)
    Base = 90;
  else if (P.X < C.X && P.Y >= C.Y)
    Base = 180;
  else if (P.X >= C.X && P.Y > C.Y)
    Base = 270;
  const double Radius = std::sqrt(DX * DX + DY * DY);
  const double Sine = std::min(1.0, (Base == 0 || Base == 180 ? std::abs(DY) : std::abs(DX)) / Radius);
  const double Degrees = std::asin(Sine) * 180 / std::numbers::pi;
  AAngle = 270 - int(std::trunc(Base + Degrees));
  if (AAngle < 0) AAngle += 360;
  return true;
}

bool TspSkinFrameRegulatorObject::ReadPointer(TPoint AP, int& AReading) const {
  switch (Kind) {
    case rkRound:
      return PointAngle(AP, AReading);
    case rkHorizontal:
      AReading = AP.X;
      return true;
    case rkVertical:
      AReading = -AP.Y;
      return true;
  }
  return false;
}

void TspSkinFrameRegulatorObject::StepValue(bool AIncrease) {
  const int64_t Moved = int64_t(TempValue) + (AIncrease ? FValInc : -int64_t(FValInc));
  TempValue = ClampObjectValue(Moved, MinValue, MaxValue);
  SetValue(TempValue);
}

void TspSkinFrameRegulatorObject::CircularStep() {
  const int Frames = CountFrames == 0 ? 1 : CountFrames;
  FPixInc = RegulatorAtLeastOne(360 / Frames);
  FValInc = RegulatorAtLeastOne((int64_t(MaxValue) - MinValue) / Frames);
  int Distance = 0;
  bool Increase = false;
  if (std::abs(CurV - OldCurV) > RegulatorSeamJump) {
    StartV = CurV;
    Distance = FPixInc;
    Increase = CurV < OldCurV;
  } else {
    Distance = std::abs(CurV - StartV);
    Increase = CurV >= StartV;
  }
  if (Distance < FPixInc) return;
  StartV = CurV;
  StepValue(Increase);
}

void TspSkinFrameRegulatorObject::LinearStep() {
  // A slider of one frame (or none) has one step over its whole length.
  const int Steps = std::max(CountFrames - 1, 1);
  const int Length = Kind == rkHorizontal ? FrameW : FrameH;
  FPixInc = RegulatorAtLeastOne(Length / Steps);
  FValInc = RegulatorAtLeastOne((int64_t(MaxValue) - MinValue) / Steps);
  if (std::abs(int64_t(CurV) - StartV) < FPixInc) return;
  const bool Increase = StartV <= CurV;
  StartV = CurV;
  StepValue(Increase);
}

void TspSkinFrameRegulatorObject::MouseDown(int X, int Y, TMouseButton Button) {
  const TPoint P = Point(X - ObjectRect.Left, Y - ObjectRect.Top);
  FDown = true;
  TempValue = FValue;
  FHasStart = ReadPointer(P, StartV);
  OldCurV = StartV;
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinFrameRegulatorObject::MouseMove(int X, int Y) {
  const TPoint P = Point(X - ObjectRect.Left, Y - ObjectRect.Top);
  if (FDown && ReadPointer(P, CurV)) {
    if (!FHasStart) {
      // Pressed at the knob's centre: this first direction is where the turn starts.
      FHasStart = true;
      StartV = CurV;
    } else if (Kind == rkRound) {
      CircularStep();
    } else {
      LinearStep();
    }
    OldCurV = CurV;
  }
  TspActiveSkinObject::MouseMove(X, Y);
}

void TspSkinFrameRegulatorObject::MouseUp(int X, int Y, TMouseButton Button) {
  FDown = false;
  TspActiveSkinObject::MouseUp(X, Y, Button);
}
