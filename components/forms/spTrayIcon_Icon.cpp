// TspTrayIcon's icon in the notification area: the shell calls, the icon list and its
// cycling, the balloon hints and the bitmap-to-icon conversion.

#include "components/forms/spTrayIcon.h"

namespace {

constexpr UINT TrayIconDataFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

}  // namespace

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

bool TspTrayIcon::ShowBalloonHint(const String& ATitle, const String& AText, TspBalloonHintIcon AIconType) {
  HideBalloonHint();
  constexpr DWORD InfoFlags[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR};
  FIconData.uFlags = TrayIconDataFlags | NIF_INFO;
  FIconData.szInfo = AText;
  FIconData.szInfoTitle = ATitle;
  FIconData.dwInfoFlags = InfoFlags[AIconType];
  const bool Result = ModifyIcon();
  FIconData.uFlags = TrayIconDataFlags;
  return Result;
}

bool TspTrayIcon::HideBalloonHint() {
  FIconData.uFlags = TrayIconDataFlags | NIF_INFO;
  FIconData.szInfo.clear();
  const bool Result = ModifyIcon();
  FIconData.uFlags = TrayIconDataFlags;
  return Result;
}

bool TspTrayIcon::BitmapToIcon(const TBitmap& ABitmap, TIcon& AIcon, TColor AMaskColor) {
  TImageList List(nullptr, 16, 16);
  List.AddMasked(ABitmap, AMaskColor);
  List.GetIcon(0, AIcon);
  return true;
}
