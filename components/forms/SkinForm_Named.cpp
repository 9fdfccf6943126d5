// The frame objects reached by name: one lookup in ObjectList, then one call on the
// object found, when it is of the kind the operation works on. While a skin is being
// applied the setters change values without drawing.

#include "components/forms/SkinForm.h"

namespace {

// The first object named AIDName as a TKind; nullptr when there is none or it is of
// another kind.
template <class TKind>
TKind* NamedObject(const TspSkinForm& AForm, const String& AIDName) {
  const int Index = AForm.GetIndex(AIDName);
  return Index < 0 ? nullptr : dynamic_cast<TKind*>(AForm.ObjectList[size_t(Index)].get());
}

// Sets the value of the object named AIDName, when it is a TKind: silently while a skin
// is being applied, else as its Value.
template <class TKind>
void SetNamedObjectValue(const TspSkinForm& AForm, const String& AIDName, int AValue) {
  auto* Object = NamedObject<TKind>(AForm, AIDName);
  if (Object == nullptr) return;
  if (AForm.InChangeSkinData())
    Object->SimplySetValue(AValue);
  else
    Object->SetValue(AValue);
}

}  // namespace

int TspSkinForm::GetIndex(const String& AIDName) const {
  for (size_t I = 0; I < ObjectList.size(); ++I)
    if (ObjectList[I]->IDName == AIDName) return int(I);
  return -1;
}

void TspSkinForm::UserObjectDraw(const String& AIDName) {
  if (auto* User = NamedObject<TspUserObject>(*this, AIDName)) DrawSkinObject(User);
}

void TspSkinForm::LabelSetText(const String& AIDName, const String& ATextValue) {
  if (auto* Label = NamedObject<TspSkinLabelObject>(*this, AIDName))
    Label->SetTextValue(ATextValue, !FInChangeSkinData);
}

void TspSkinForm::CaptionSetText(const String& AIDName, const String& AText) {
  auto* Caption = NamedObject<TspSkinCaptionObject>(*this, AIDName);
  if (Caption == nullptr) return;
  if (FInChangeSkinData)
    Caption->SimpleSetTextValue(AText);
  else
    Caption->SetTextValue(AText);
}

TSwitchState TspSkinForm::SwitchGetState(const String& AIDName) const {
  auto* Switch = NamedObject<TspSkinSwitchObject>(*this, AIDName);
  return Switch != nullptr ? Switch->State() : swsOff;
}

void TspSkinForm::SwitchSetState(const String& AIDName, TSwitchState AState) {
  auto* Switch = NamedObject<TspSkinSwitchObject>(*this, AIDName);
  if (Switch == nullptr) return;
  if (FInChangeSkinData)
    Switch->SimpleSetState(AState);
  else
    Switch->SetState(AState);
}

bool TspSkinForm::ButtonGetDown(const String& AIDName) const {
  auto* Button = NamedObject<TspSkinButtonObject>(*this, AIDName);
  return Button != nullptr && Button->FDown;
}

void TspSkinForm::ButtonSetDown(const String& AIDName, bool ADown) {
  auto* Button = NamedObject<TspSkinButtonObject>(*this, AIDName);
  if (Button != nullptr) Button->SetDown(ADown);
}

void TspSkinForm::SetEnabled(const String& AIDName, bool Value) {
  const int Index = GetIndex(AIDName);
  if (Index >= 0) ObjectList[size_t(Index)]->Enabled = Value;
}

int TspSkinForm::TrackBarGetValue(const String& AIDName) const {
  auto* TrackBar = NamedObject<TspSkinTrackBarObject>(*this, AIDName);
  return TrackBar != nullptr ? TrackBar->Value() : 0;
}

void TspSkinForm::TrackBarSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinTrackBarObject>(*this, AIDName, AValue);
}

void TspSkinForm::GaugeSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinGaugeObject>(*this, AIDName, AValue);
}

void TspSkinForm::FrameGaugeSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinFrameGaugeObject>(*this, AIDName, AValue);
}

int TspSkinForm::FrameRegulatorGetValue(const String& AIDName) const {
  auto* Regulator = NamedObject<TspSkinFrameRegulatorObject>(*this, AIDName);
  return Regulator != nullptr ? Regulator->Value() : 0;
}

void TspSkinForm::FrameRegulatorSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinFrameRegulatorObject>(*this, AIDName, AValue);
}

void TspSkinForm::BitLabelSetText(const String& AIDName, const String& AValue) {
  if (auto* Label = NamedObject<TspSkinBitLabelObject>(*this, AIDName))
    Label->SetTextValue(AValue, !FInChangeSkinData);
}
