// The binding of a control to its skin element, and its paint through an off-screen
// bitmap, for the windowed and the windowless control bases alike.

#include "components/controls/SkinCtrls.h"
#include "components/controls/SkinCtrls_PiecesInternal.h"
#include "components/core/spEffBmp.h"
#include "platform/base/ScopeExit.h"

template <class TControlBase>
TspSkinBinding<TControlBase>::TspSkinBinding(TComponent* AOwner) : TControlBase(AOwner) {}

template <class TControlBase>
template <class TTarget>
void TspSkinBinding<TControlBase>::SetWatched(TTarget*& AField, TTarget* AValue) {
  if (AField == AValue) return;
  this->ReplaceNotified(AField, AValue);
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::SetSkinData(TspSkinData* AValue) {
  SetWatched(FSD, AValue);
  if (FSD != nullptr && !FSD->Empty && !IsDesigning()) ChangeSkinData();
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::SetAlphaBlend(bool AValue) {
  FAlphaBlend = AValue;
  this->Repaint();
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::SetAlphaBlendValue(uint8_t AValue) {
  FAlphaBlendValue = AValue;
  this->Repaint();
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::SetHintImageList(TCustomImageList* AValue) {
  SetWatched(FHintImageList, AValue);
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::ChangeSkinData() {
  GetSkinData();
  ApplySkinCursor();
  this->Repaint();
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::GetSkinData() {
  FIndex = FSD == nullptr || FSD->Empty ? -1 : FSD->GetControlIndex(FSkinDataName);
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::ApplySkinCursor() {
  if (!FUseSkinCursor) return;
  this->SetCursor(CursorIndex == -1 || FSD == nullptr
                      ? crDefault
                      : static_cast<TCursor>(FSD->StartCursorIndex + CursorIndex));
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::Paint() {
  if (this->Width() <= 0 || this->Height() <= 0) return;
  GetSkinData();
  TBitmap Image;
  PrepareOffscreenImage(Image, this->Width(), this->Height());
  {
    FBlankImage = &Image;
    ScopeExit Drawn([this] { FBlankImage = nullptr; });
    if (FIndex != -1) {
      CreateControlSkinImage(Image);
    } else if (FDrawDefault) {
      CreateControlDefaultImage(Image);
    }
  }
  DrawControlImage(Image);
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::DrawControlImage(TBitmap& AImage) {
  if (!FAlphaBlend) {
    this->Canvas().Draw(0, 0, AImage);
    return;
  }
  TBitmap Background;
  Background.SetSize(AImage.Width(), AImage.Height());
  PaintParentBackground(this, Background.Canvas());
  TspEffectBmp Own(AImage.Handle());
  const TspEffectBmp Behind(Background.Handle());
  Own.Morph(Behind, 1.0 - FAlphaBlendValue / 255.0);
  Own.Draw(this->Canvas().Handle(), 0, 0);
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::Notification(TComponent* AComponent, TOperation AOperation) {
  TControlBase::Notification(AComponent, AOperation);
  if (AOperation != opRemove) return;
  if (AComponent == FSD) FSD = nullptr;
  if (AComponent == FHintImageList) FHintImageList = nullptr;
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::Dispatch(TMessage& AMessage) {
  switch (AMessage.Msg) {
    case WM_MOVE:
      WMMove(AMessage);
      break;
    case WM_ERASEBKGND:
      AMessage.Result = 1;
      break;  // the paint covers the whole control
    case CM_MOUSEENTER:
      CMMouseEnter(AMessage);
      break;
    case CM_MOUSELEAVE:
      CMMouseLeave(AMessage);
      break;
    default:
      TControlBase::Dispatch(AMessage);
      break;
  }
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::WMMove(TMessage& AMessage) {
  TControlBase::Dispatch(AMessage);
  // What lies under a blended control changed with its place.
  if (FAlphaBlend) this->Repaint();
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::CMMouseEnter(TMessage& AMessage) {
  TControlBase::Dispatch(AMessage);
  if (!IsDesigning() && OnMouseEnter) OnMouseEnter(this);
}

template <class TControlBase>
void TspSkinBinding<TControlBase>::CMMouseLeave(TMessage& AMessage) {
  TControlBase::Dispatch(AMessage);
  if (!IsDesigning() && OnMouseLeave) OnMouseLeave(this);
}

template class TspSkinBinding<TCustomControl>;
template class TspSkinBinding<TGraphicControl>;
