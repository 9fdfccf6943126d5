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

int TspSkinFormObjects::GetIndex(const String& AIDName) const {
  for (size_t I = 0; I < ObjectList.size(); ++I)
    if (ObjectList[I]->IDName == AIDName) return int(I);
  return -1;
}

void TspSkinFormObjects::UserObjectDraw(const String& AIDName) {
  if (auto* User = NamedObject<TspUserObject>(SkinForm, AIDName)) SkinForm.DrawSkinObject(User);
}

void TspSkinFormObjects::LabelSetText(const String& AIDName, const String& ATextValue) {
  if (auto* Label = NamedObject<TspSkinLabelObject>(SkinForm, AIDName))
    Label->SetTextValue(ATextValue, !SkinForm.FInChangeSkinData);
}

void TspSkinFormObjects::CaptionSetText(const String& AIDName, const String& AText) {
  auto* Caption = NamedObject<TspSkinCaptionObject>(SkinForm, AIDName);
  if (Caption == nullptr) return;
  if (SkinForm.FInChangeSkinData)
    Caption->SimpleSetTextValue(AText);
  else
    Caption->SetTextValue(AText);
}

TSwitchState TspSkinFormObjects::SwitchGetState(const String& AIDName) const {
  auto* Switch = NamedObject<TspSkinSwitchObject>(SkinForm, AIDName);
  return Switch != nullptr ? Switch->State() : swsOff;
}

void TspSkinFormObjects::SwitchSetState(const String& AIDName, TSwitchState AState) {
  auto* Switch = NamedObject<TspSkinSwitchObject>(SkinForm, AIDName);
  if (Switch == nullptr) return;
  if (SkinForm.FInChangeSkinData)
    Switch->SimpleSetState(AState);
  else
    Switch->SetState(AState);
}

bool TspSkinFormObjects::ButtonGetDown(const String& AIDName) const {
  auto* Button = NamedObject<TspSkinButtonObject>(SkinForm, AIDName);
  return Button != nullptr && Button->FDown;
}

void TspSkinFormObjects::ButtonSetDown(const String& AIDName, bool ADown) {
  auto* Button = NamedObject<TspSkinButtonObject>(SkinForm, AIDName);
  if (Button != nullptr) Button->SetDown(ADown);
}

void TspSkinFormObjects::SetEnabled(const String& AIDName, bool Value) {
  const int Index = GetIndex(AIDName);
  if (Index >= 0) ObjectList[size_t(Index)]->Enabled = Value;
}

int TspSkinFormObjects::TrackBarGetValue(const String& AIDName) const {
  auto* TrackBar = NamedObject<TspSkinTrackBarObject>(SkinForm, AIDName);
  return TrackBar != nullptr ? TrackBar->Value() : 0;
}

void TspSkinFormObjects::TrackBarSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinTrackBarObject>(SkinForm, AIDName, AValue);
}

void TspSkinFormObjects::GaugeSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinGaugeObject>(SkinForm, AIDName, AValue);
}

void TspSkinFormObjects::FrameGaugeSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinFrameGaugeObject>(SkinForm, AIDName, AValue);
}

int TspSkinFormObjects::FrameRegulatorGetValue(const String& AIDName) const {
  auto* Regulator = NamedObject<TspSkinFrameRegulatorObject>(SkinForm, AIDName);
  return Regulator != nullptr ? Regulator->Value() : 0;
}

void TspSkinFormObjects::FrameRegulatorSetValue(const String& AIDName, int AValue) {
  SetNamedObjectValue<TspSkinFrameRegulatorObject>(SkinForm, AIDName, AValue);
}

void TspSkinFormObjects::BitLabelSetText(const String& AIDName, const String& AValue) {
  if (auto* Label = NamedObject<TspSkinBitLabelObject>(SkinForm, AIDName))
    Label->SetTextValue(AValue, !SkinForm.FInChangeSkinData);
}

void TspSkinFormObjects::AnimateStart(const String& AIDName) {
  if (auto* Animation = NamedObject<TspSkinAnimateObject>(SkinForm, AIDName)) Animation->Start();
}

void TspSkinFormObjects::AnimateStop(const String& AIDName) {
  if (auto* Animation = NamedObject<TspSkinAnimateObject>(SkinForm, AIDName)) Animation->Stop();
}
