// The track bar on the frame: a thumb on a straight path, dragged, or moved by a press
// beside it, whose place gives the value.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "components/core/SPUtils.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"
#include "platform/gdi/Blit.h"

TspSkinTrackBarObject::TspSkinTrackBarObject(TspSkinForm* AParent, const TspDataSkinTrackBar& AData)
    : TspActiveSkinObject(AParent, AData),
      ButtonRect(AData.ButtonRect),
      ActiveButtonRect(AData.ActiveButtonRect),
      BeginPoint(AData.BeginPoint),
      EndPoint(AData.EndPoint),
      MinValue(AData.MinValue),
      MaxValue(AData.MaxValue),
      MouseDownChangeValue(AData.MouseDownChangeValue),
      ButtonTransparent(AData.ButtonTransparent),
      ButtonTransparentColor(AData.ButtonTransparentColor) {
  // A path as tall as it is wide counts as vertical.
  TrackKind =
      std::abs(BeginPoint.Y - EndPoint.Y) >= std::abs(EndPoint.X - BeginPoint.X) ? tkVertical : tkHorizontal;
  FValue = MinValue;
  FButtonPos = PosForValue(FValue);
  FOldButtonPos = FButtonPos;
}

TPoint TspSkinTrackBarObject::PosForValue(int AValue) const {
  const double Fraction = ObjectValueFraction(AValue, MinValue, MaxValue);
  if (TrackKind == tkHorizontal)
    return Point(BeginPoint.X + int(std::nearbyint(Fraction * (EndPoint.X - BeginPoint.X))), BeginPoint.Y);
  return Point(BeginPoint.X, EndPoint.Y + int(std::nearbyint((1 - Fraction) * (BeginPoint.Y - EndPoint.Y))));
}

int TspSkinTrackBarObject::ValueForPos(TPoint APos) const {
  // A path of no length has only the minimum's place.
  double Fraction = 0;
  if (TrackKind == tkHorizontal && EndPoint.X != BeginPoint.X)
    Fraction = double(APos.X - BeginPoint.X) / (EndPoint.X - BeginPoint.X);
  else if (TrackKind == tkVertical && BeginPoint.Y != EndPoint.Y)
    Fraction = 1 - double(APos.Y - EndPoint.Y) / (BeginPoint.Y - EndPoint.Y);
  const double Range = double(MaxValue) - MinValue;
  return ClampObjectValue(int64_t(MinValue) + int64_t(std::nearbyint(Range * Fraction)), MinValue, MaxValue);
}

TRect TspSkinTrackBarObject::ThumbRect() const {
  const int W = RectangleWidth(ButtonRect), H = RectangleHeight(ButtonRect);
  const int Left = FButtonPos.X - W / 2, Top = FButtonPos.Y - H / 2;
  return Rect(Left, Top, Left + W, Top + H);
}

void TspSkinTrackBarObject::MoveButtonTo(TPoint APos) {
  if (APos.X == FButtonPos.X && APos.Y == FButtonPos.Y) return;
  FOldButtonPos = FButtonPos;
  FButtonPos = APos;
  FValue = ValueForPos(FButtonPos);
  Parent->DrawSkinObject(this);
  if (Parent->OnTrackBarChangeValueEvent) Parent->OnTrackBarChangeValueEvent(IDName, FValue);
}

void TspSkinTrackBarObject::SimplySetValue(int AValue) {
  FValue = ClampObjectValue(AValue, MinValue, MaxValue);
  FOldButtonPos = FButtonPos;
  FButtonPos = PosForValue(FValue);
  if (Parent->OnTrackBarChangeValueEvent) Parent->OnTrackBarChangeValueEvent(IDName, FValue);
}

void TspSkinTrackBarObject::SetValue(int AValue) {
  if (AValue == FValue) return;
  FValue = ClampObjectValue(AValue, MinValue, MaxValue);
  FOldButtonPos = FButtonPos;
  FButtonPos = PosForValue(FValue);
  Parent->DrawSkinObject(this);
  if (Parent->OnTrackBarChangeValueEvent) Parent->OnTrackBarChangeValueEvent(IDName, FValue);
}

void TspSkinTrackBarObject::MouseDown(int X, int Y, TMouseButton Button) {
  const TPoint P = Point(X - ObjectRect.Left, Y - ObjectRect.Top);
  const TRect Thumb = ThumbRect();
  if (Button == mbLeft && PtInRect(Thumb, P)) {
    FMoveActive = true;
    FOldMPoint = P;
    if (!RectangleIsEmpty(ActiveButtonRect)) Parent->DrawSkinObject(this);
  } else if (Button == mbLeft && MouseDownChangeValue) {
    if (TrackKind == tkHorizontal)
      MoveButtonTo(
          Point(std::clamp(P.X, std::min(BeginPoint.X, EndPoint.X), std::max(BeginPoint.X, EndPoint.X)),
                BeginPoint.Y));
    else
      MoveButtonTo(Point(BeginPoint.X, std::clamp(P.Y, std::min(BeginPoint.Y, EndPoint.Y),
                                                  std::max(BeginPoint.Y, EndPoint.Y))));
  }
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinTrackBarObject::MouseMove(int X, int Y) {
  const TPoint P = Point(X - ObjectRect.Left, Y - ObjectRect.Top);
  if (FMoveActive) {
    // A step that would leave the path is dropped: the thumb stays where it was rather
    // than jumping to the end.
    if (TrackKind == tkHorizontal) {
      const int Candidate = FButtonPos.X + P.X - FOldMPoint.X;
      if (Candidate >= BeginPoint.X && Candidate <= EndPoint.X) MoveButtonTo(Point(Candidate, FButtonPos.Y));
    } else {
      const int Candidate = FButtonPos.Y + P.Y - FOldMPoint.Y;
      if (Candidate >= EndPoint.Y && Candidate <= BeginPoint.Y) MoveButtonTo(Point(FButtonPos.X, Candidate));
    }
    FOldMPoint = P;
  }
  TspActiveSkinObject::MouseMove(X, Y);
}

void TspSkinTrackBarObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (Button == mbLeft && FMoveActive) {
    FMoveActive = false;
    if (!RectangleIsEmpty(ActiveButtonRect)) Parent->DrawSkinObject(this);
  }
  TspActiveSkinObject::MouseUp(X, Y, Button);
}

void TspSkinTrackBarObject::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  const int W = RectangleWidth(SkinRect);
  const int H = RectangleHeight(SkinRect);
  if (!HasSkin() || !Picture || W <= 0 || H <= 0) return;
  TBitmap Image;
  ObjectsStretchedLook(Image, W, H, *Picture, SkinRect);
  TCanvas& C = Image.Canvas();
  const TPoint P = FButtonPos;
  // The part of the path behind the thumb in the hot picture.
  if (!RectangleIsEmpty(ActiveSkinRect)) {
    if (TrackKind == tkHorizontal && P.X > 0) {
      const int Filled = std::min(P.X, W);
      C.CopyRect(Rect(0, 0, Filled, H), ActivePicture->Canvas(),
                 Rect(ActiveSkinRect.Left, ActiveSkinRect.Top, ActiveSkinRect.Left + Filled,
                      ActiveSkinRect.Top + H));
    } else if (TrackKind == tkVertical && P.Y < H) {
      const int Top = std::max(P.Y, 0);
      C.CopyRect(Rect(0, Top, W, H), ActivePicture->Canvas(),
                 Rect(ActiveSkinRect.Left, ActiveSkinRect.Top + Top, ActiveSkinRect.Left + W,
                      ActiveSkinRect.Top + H));
    }
  }
  const TRect& ThumbSource =
      FMoveActive && !RectangleIsEmpty(ActiveButtonRect) ? ActiveButtonRect : ButtonRect;
  const TRect Thumb = ThumbRect();
  if (ActivePicture && !RectangleIsEmpty(ThumbSource) && !RectangleIsEmpty(Thumb)) {
    TBitmap Button;
    Button.SetPixelFormat(pf32bit);
    Button.SetSize(RectangleWidth(Thumb), RectangleHeight(Thumb));
    Button.Canvas().CopyRect(Rect(0, 0, Button.Width(), Button.Height()), ActivePicture->Canvas(),
                             ThumbSource);
    if (ButtonTransparent) {
      Button.SetTransparentColor(ButtonTransparentColor);
      Button.SetTransparent(true);
    }
    C.Draw(Thumb.Left, Thumb.Top, Button);
  }
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, C.Handle(), 0, 0, SRCCOPY);
}
