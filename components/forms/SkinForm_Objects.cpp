// The live skin objects of a form: made from the skin's object records, hit-tested by
// their masks, drawn in their normal, hot and inactive looks, morphed between normal
// and hot look by the form's morph timer, and reporting the mouse to the form's object
// events.

#include <algorithm>

#include "components/core/SPUtils.h"
#include "components/core/spEffBmp.h"
#include "components/forms/SkinForm.h"
#include "components/forms/SkinForm_ObjInternal.h"
#include "platform/gdi/Blit.h"

namespace {

constexpr double ObjectsMorphStep = 0.2;

}  // namespace

// ---------------------------------------------------------------- the base object

TspActiveSkinObject::TspActiveSkinObject(TspSkinForm* AParent) : Parent(AParent), SD(AParent->SkinData()) {}

TspActiveSkinObject::TspActiveSkinObject(TspSkinForm* AParent, const TspDataSkinObject& AData)
    : TspActiveSkinObject(AParent) {
  IDName = AData.IDName;
  Hint = AData.Hint;
  SkinRectInAPicture = AData.SkinRectInAPicture;
  SkinRect = AData.SkinRect;
  ActiveSkinRect = AData.ActiveSkinRect;
  InActiveSkinRect = AData.InActiveSkinRect;
  Morphing = AData.Morphing;
  MorphKind = AData.MorphKind;
  CursorIndex = AData.CursorIndex;
  RollUp = AData.RollUp;
  GlowLayerPictureIndex = AData.GlowLayerPictureIndex;
  GlowLayerMaskPictureIndex = AData.GlowLayerMaskPictureIndex;
  GlowLayerOffsetX = AData.GlowLayerOffsetX;
  GlowLayerOffsetY = AData.GlowLayerOffsetY;
  GlowLayerAlphaBlendValue = AData.GlowLayerAlphaBlendValue;
  ObjectRect = SkinRect;
  if (SD) Picture = RollUp ? SD->FRollUpPicture.get() : SD->FPicture.get();
  ActivePicture = SD ? SD->Picture(AData.ActivePictureIndex) : nullptr;
  ActiveMaskPicture = SD ? SD->Picture(AData.ActiveMaskPictureIndex) : nullptr;
  if (!ActivePicture) SetZeroRect(ActiveSkinRect);
}

bool TspActiveSkinObject::HasSkin() const { return SD && !SD->Empty; }

void TspActiveSkinObject::SetMorphKf(double AValue) { FMorphKf = std::clamp(AValue, 0.0, 1.0); }

bool TspActiveSkinObject::HitTest(int X, int Y) const {
  if (!HasSkin() || !ActiveMaskPicture) return true;
  // Points beside the mask count as white.
  if (X < 0 || Y < 0 || X >= ActiveMaskPicture->Width() || Y >= ActiveMaskPicture->Height()) return false;
  return (uint32_t(ActiveMaskPicture->Canvas().Pixels(X, Y)) & 0xFFFFFFu) == 0;
}

bool TspActiveSkinObject::EnableMorphing() const {
  // The top window of a full layered border is redrawn whole for every change.
  return Morphing && SD && !RectangleIsEmpty(ActiveSkinRect) && SD->EnableSkinEffects &&
         !Parent->FullLayeredBorderInForce();
}

bool TspActiveSkinObject::CanMorphing() const {
  return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

void TspActiveSkinObject::DoMorphing() {
  SetMorphKf(FMorphKf + (Active ? ObjectsMorphStep : -ObjectsMorphStep));
  Parent->DrawSkinObject(this);
}

void TspActiveSkinObject::ReDraw() {
  if (EnableMorphing())
    Parent->MorphTimer().SetEnabled(true);
  else
    Parent->DrawSkinObject(this);
}

void TspActiveSkinObject::DrawLook(TCanvas& Cnvs, TBitmap& APicture, const TRect& ASource) const {
  Cnvs.CopyRect(ObjectRect, APicture.Canvas(), ASource);
}

void TspActiveSkinObject::DrawMorphFrame(TCanvas& Cnvs) const {
  DrawMorphBetween(Cnvs, SkinRectInAPicture ? ActivePicture : Picture, SkinRect, ActiveSkinRect);
}

void TspActiveSkinObject::DrawMorphBetween(TCanvas& Cnvs, TBitmap* ANormalPicture, const TRect& ANormal,
                                           const TRect& AHot) const {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  if (W <= 0 || H <= 0 || !ANormalPicture || !ActivePicture) return;
  TBitmap Normal, Hot;
  ObjectsStretchedLook(Normal, W, H, *ANormalPicture, ANormal);
  ObjectsStretchedLook(Hot, W, H, *ActivePicture, AHot);
  MorphBitmapByKind(Normal, Hot, FMorphKf, MorphKind);
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, Normal.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TspActiveSkinObject::Draw(TCanvas& Cnvs, bool UpDate) {
  if (!HasSkin()) return;
  if (Enabled && !Parent->GetFormActive() && !RectangleIsEmpty(InActiveSkinRect) && ActivePicture) {
    DrawLook(Cnvs, *ActivePicture, InActiveSkinRect);
    return;
  }
  if (EnableMorphing() && MorphUnderWay()) {
    DrawMorphFrame(Cnvs);
    return;
  }
  if (Active && !RectangleIsEmpty(ActiveSkinRect)) {
    DrawLook(Cnvs, *ActivePicture, ActiveSkinRect);
    return;
  }
  // Composing the frame: the frame picture already shows the normal look.
  if (!UpDate && !SkinRectInAPicture) return;
  TBitmap* NormalPicture = SkinRectInAPicture ? ActivePicture : Picture;
  if (NormalPicture) DrawLook(Cnvs, *NormalPicture, SkinRect);
}

void TspActiveSkinObject::MouseEnter() {
  FMouseIn = true;
  Active = true;
  if (!RectangleIsEmpty(ActiveSkinRect)) ReDraw();
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
  ShowLayer();
}

void TspActiveSkinObject::MouseLeave() {
  FMouseIn = false;
  Active = false;
  if (!RectangleIsEmpty(ActiveSkinRect)) ReDraw();
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
  HideLayer();
}

void TspActiveSkinObject::ReportHover(bool AMouseIn) {
  FMouseIn = AMouseIn;
  if (AMouseIn && Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
  if (!AMouseIn && Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
}

void TspActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (Parent->OnMouseDownEvent) Parent->OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TspActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button) {
  // A release away from the object is a cancel.
  if (FMouseIn && Parent->OnMouseUpEvent) Parent->OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TspActiveSkinObject::MouseMove(int X, int Y) {
  if (Parent->OnMouseMoveEvent) Parent->OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

// ---------------------------------------------------------------- user object

void TspUserObject::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  if (Parent->OnPaintEvent) Parent->OnPaintEvent(IDName, Cnvs, ObjectRect);
}

// ---------------------------------------------------------------- switch

void TspSkinSwitchObject::SetState(TSwitchState AValue) {
  FState = AValue;
  Active = FState == swsOn;
  ReDraw();
  if (Parent->OnSwitchChangeStateEvent) Parent->OnSwitchChangeStateEvent(IDName, FState);
}

void TspSkinSwitchObject::SimpleSetState(TSwitchState AValue) {
  FState = AValue;
  Active = FState == swsOn;
  if (Active) SetMorphKf(1);
}

void TspSkinSwitchObject::MouseDown(int X, int Y, TMouseButton Button) {
  if (Button == mbLeft) SetState(FState == swsOn ? swsOff : swsOn);
  TspActiveSkinObject::MouseDown(X, Y, Button);
}

void TspSkinSwitchObject::MouseEnter() { ReportHover(true); }

void TspSkinSwitchObject::MouseLeave() { ReportHover(false); }

// ---------------------------------------------------------------- label

TspSkinLabelObject::TspSkinLabelObject(TspSkinForm* AParent, const TspDataSkinLabel& AData)
    : TspActiveSkinObject(AParent, AData),
      FontName(AData.FontName),
      FontStyle(AData.FontStyle),
      FontHeight(AData.FontHeight),
      FontColor(AData.FontColor),
      ActiveFontColor(AData.ActiveFontColor),
      Alignment(AData.Alignment),
      FTextValue(AData.TextValue) {}

void TspSkinLabelObject::SetTextValue(const String& AValue, bool AUpDate) {
  FTextValue = AValue;
  if (AUpDate) Parent->DrawSkinObject(this);
}

void TspSkinLabelObject::ComposeLabel(TBitmap& AImage, TBitmap& APicture, const TRect& ASource,
                                      TColor AColor) const {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  ObjectsStretchedLook(AImage, W, H, APicture, ASource);
  TCanvas& Canvas = AImage.Canvas();
  Canvas.Font().SetName(FontName);
  Canvas.Font().SetStyle(FontStyle);
  Canvas.Font().SetHeight(FontHeight);
  Canvas.Font().SetColor(AColor);
  Canvas.Brush().SetStyle(bsClear);
  const int TextWidth = Canvas.TextWidth(FTextValue);
  int X = 0;
  if (Alignment == taRightJustify)
    X = W - TextWidth;
  else if (Alignment == taCenter)
    X = W / 2 - TextWidth / 2;
  Canvas.TextOut(X, H / 2 - Canvas.TextHeight(FTextValue) / 2, FTextValue);
}

void TspSkinLabelObject::Draw(TCanvas& Cnvs, bool /*UpDate*/) {
  const int W = RectangleWidth(ObjectRect);
  const int H = RectangleHeight(ObjectRect);
  if (!HasSkin() || !Picture || W <= 0 || H <= 0) return;
  const bool HasHotPicture = !RectangleIsEmpty(ActiveSkinRect);
  TBitmap Image;
  if (EnableMorphing() && MorphUnderWay()) {
    ComposeLabel(Image, *Picture, SkinRect, FontColor);
    TBitmap Hot;
    ComposeLabel(Hot, *ActivePicture, ActiveSkinRect, ActiveFontColor);
    MorphBitmapByKind(Image, Hot, FMorphKf, MorphKind);
  } else if (Active && HasHotPicture) {
    ComposeLabel(Image, *ActivePicture, ActiveSkinRect, ActiveFontColor);
  } else {
    ComposeLabel(Image, *Picture, SkinRect, Active ? ActiveFontColor : FontColor);
  }
  BitBlt(Cnvs.Handle(), ObjectRect.Left, ObjectRect.Top, W, H, Image.Canvas().Handle(), 0, 0, SRCCOPY);
}

bool TspSkinLabelObject::HoverChangesLook() const {
  return !RectangleIsEmpty(ActiveSkinRect) || ActiveFontColor != FontColor;
}

void TspSkinLabelObject::MouseEnter() {
  FMouseIn = true;
  Active = true;
  if (HoverChangesLook()) ReDraw();
  if (Parent->OnMouseEnterEvent) Parent->OnMouseEnterEvent(IDName);
}

void TspSkinLabelObject::MouseLeave() {
  FMouseIn = false;
  Active = false;
  if (HoverChangesLook()) ReDraw();
  if (Parent->OnMouseLeaveEvent) Parent->OnMouseLeaveEvent(IDName);
}

// ---------------------------------------------------------------- the form's side

void TspSkinFormObjects::DoMorphTimer() {
  bool Stepped = false;
  for (auto& Object : ObjectList)
    if (Object->EnableMorphing() && Object->CanMorphing()) {
      Object->DoMorphing();
      Stepped = true;
    }
  if (!Stepped) FMorphTimer->SetEnabled(false);
}
