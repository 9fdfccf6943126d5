// TspTrayIcon's icon in the notification area: the shell calls, the icon list and its
// cycling and the bitmap-to-icon conversion.

#include "components/forms/spTrayIcon.h"

bool TspTrayIcon::PrepareIconData() {
  if (ComponentState().Contains(csDesigning) && !SettingPreview && !FDesignPreview) return false;
  FIconHandle.Image = FIcon.ToPixelImage();
  FIconData.hIcon = &FIconHandle;
  FIconData.szTip = FShowHint ? FHint : String();
  return true;
}

bool TspTrayIcon::SendIconData(DWORD AMessage) {
  if (!PrepareIconData()) return false;
  return Shell_NotifyIconW(AMessage, &FIconData);
}

bool TspTrayIcon::ShowIcon() {
  if (!SettingPreview) FIconVisible = true;
  if (ComponentState().Contains(csDesigning) && !SettingPreview) return false;
  return SendIconData(NIM_ADD);
}

bool TspTrayIcon::HideIcon() {
  if (!SettingPreview) FIconVisible = false;
  // A balloon goes with its icon.
  BalloonTimer->SetEnabled(false);
  HideSkinnedBalloon();
  if (ComponentState().Contains(csDesigning) && !SettingPreview) return false;
  return SendIconData(NIM_DELETE);
}

bool TspTrayIcon::ModifyIcon() { return SendIconData(NIM_MODIFY); }

void TspTrayIcon::SetDesignPreview(bool AValue) {
  FDesignPreview = AValue;
  SettingPreview = true;
  SetIconVisible(AValue);
  SettingPreview = false;
}

void TspTrayIcon::SetHint(const String& AValue) {
  FHint = AValue;
  ModifyIcon();
}

void TspTrayIcon::SetShowHint(bool AValue) {
  FShowHint = AValue;
  ModifyIcon();
}

void TspTrayIcon::SetIcon(const TIcon& AValue) {
  FIcon.Assign(AValue);
  ModifyIcon();
}

void TspTrayIcon::SetIconVisible(bool AValue) {
  if (AValue) {
    ShowIcon();
  } else {
    HideIcon();
  }
}

void TspTrayIcon::SetIconList(TCustomImageList* AValue) {
  ReplaceNotified(FIconList, AValue);
  SetIconIndex(0);
}

void TspTrayIcon::SetCycleIcons(bool AValue) {
  FCycleIcons = AValue;
  if (AValue) SetIconIndex(0);
  AnimateTimer->SetEnabled(AValue);
}

void TspTrayIcon::SetAnimateTimerInterval(UINT AValue) {
  FAnimateTimerInterval = AValue;
  AnimateTimer->SetInterval(AValue);
}

void TspTrayIcon::SetIconIndex(int AValue) {
  if (FIconList) {
    FIconIndex = std::min(AValue, FIconList->Count() - 1);
    // An index outside the list (an empty list, a negative index) leaves no picture.
    if (!FIconList->GetIcon(FIconIndex, FIcon)) FIcon.Assign(TIcon());
  } else {
    FIconIndex = 0;
  }
  ModifyIcon();
}

int TspTrayIcon::NextCycleIndex() const {
  if (!FIconList || FIconIndex >= FIconList->Count() - 1) return 0;
  return FIconIndex + 1;
}

void TspTrayIcon::DoCycle() {
  if (OnCycle) OnCycle(this, NextCycleIndex());
}

void TspTrayIcon::AnimateTimerTick() {
  if (!FIconList) return;
  if (!FIconList->GetIcon(FIconIndex, FIcon)) FIcon.Assign(TIcon());
  DoCycle();
  ModifyIcon();
  SetIconIndex(NextCycleIndex());
}

bool TspTrayIcon::BitmapToIcon(const TBitmap& ABitmap, TIcon& AIcon, TColor AMaskColor) {
  TImageList List(nullptr, 16, 16);
  List.AddMasked(ABitmap, AMaskColor);
  List.GetIcon(0, AIcon);
  return true;
}
