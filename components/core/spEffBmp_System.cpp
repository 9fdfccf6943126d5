// The system's version, the optional system functions bound at start-up, and the screen
// and monitor areas in which forms, menus and hints are placed.

#include "components/core/spEffBmp.h"
#include "components/core/spEffBmp_Internal.h"
#include "platform/win/SystemFunctions.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowDC.h"

namespace {

TSystemFunctions BoundSystemFunctions;
bool SystemFunctionsBound = false;

template <typename TEntry>
void BindEntry(TEntry& AEntry, TSystemEntry AName, TEntry AFunction) {
  AEntry = IsSystemEntryOffered(AName) ? AFunction : nullptr;
}

}  // namespace

void BindSystemFunctions() {
  TSystemFunctions Entries;
  BindEntry(Entries.TransparentBlt, seTransparentBlt, &::TransparentBlt);
  BindEntry(Entries.AlphaBlend, seAlphaBlend, &::AlphaBlend);
  BindEntry(Entries.MonitorFromWindow, seMonitorFromWindow, &::MonitorFromWindow);
  BindEntry(Entries.GetMonitorInfo, seGetMonitorInfo, &::GetMonitorInfo);
  BindEntry(Entries.SetLayeredWindowAttributes, seSetLayeredWindowAttributes, &::SetLayeredWindowAttributes);
  BindEntry(Entries.UpdateLayeredWindow, seUpdateLayeredWindow, &::UpdateLayeredWindow);
  // The blitter library is there when it offers anything, and only from Windows 2000 on.
  Entries.IsAlphaBlendAvailable = IsWindows2000OrLater() && (Entries.TransparentBlt || Entries.AlphaBlend);
  if (!Entries.IsAlphaBlendAvailable) {
    Entries.TransparentBlt = nullptr;
    Entries.AlphaBlend = nullptr;
  }
  Entries.IsNTFamily = GetVersionPlatformId() == VER_PLATFORM_WIN32_NT;
  BoundSystemFunctions = Entries;
  SystemFunctionsBound = true;
  // The keyed transfer is chosen by its own entry: a blitter library without it must not
  // leave the route calling nothing.
  ChooseTransparentDCRoute(BoundSystemFunctions.TransparentBlt != nullptr);
}

const TSystemFunctions& SystemFunctions() {
  if (!SystemFunctionsBound) BindSystemFunctions();
  return BoundSystemFunctions;
}

TWindowsVersion GetWindowsVersion() {
  const uint32_t Version = GetVersion();
  return {int(Version & 0xFF), int((Version >> 8) & 0xFF)};
}

bool IsWindows2000OrLater(TWindowsVersion AVersion) { return AVersion.Major >= 5; }

bool IsWindowsXPOrLater(TWindowsVersion AVersion) {
  return AVersion.Major > 5 || (AVersion.Major == 5 && AVersion.Minor >= 1);
}

bool IsWindowsVistaOrLater(TWindowsVersion AVersion) { return AVersion.Major > 5; }

bool IsWindows7(TWindowsVersion AVersion) { return AVersion.Major == 6 && AVersion.Minor == 1; }

void SetLayeredAlpha(HWND AWindow, uint8_t AAlpha) {
  if (const auto SetAttributes = SystemFunctions().SetLayeredWindowAttributes) {
    SetAttributes(AWindow, 0, AAlpha, LWA_ALPHA);
  }
}

void GrabScreenToBitmap(int AX, int AY, TspBitmap& ABitmap) {
  const TWindowDCScope ScreenDC(nullptr);
  BitBlt(ABitmap.DC(), 0, 0, ABitmap.Width(), ABitmap.Height(), ScreenDC.Handle(), AX, AY, SRCCOPY);
}

bool HasMultipleMonitors() {
  const TSystemFunctions& Entries = SystemFunctions();
  return GetSystemMetrics(SM_CMONITORS) > 1 && Entries.MonitorFromWindow && Entries.GetMonitorInfo;
}

void GetScreenArea(bool AWorkArea, TRect& ARect) {
  if (AWorkArea) {
    SystemParametersInfo(SPI_GETWORKAREA, 0, &ARect, 0);
  } else {
    ARect = Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  }
}

void GetMonitorArea(HWND AWindow, bool AWorkArea, TRect& ARect) {
  if (!HasMultipleMonitors()) {
    GetScreenArea(AWorkArea, ARect);
    return;
  }
  const TSystemFunctions& Entries = SystemFunctions();
  MONITORINFO Info;
  Info.cbSize = sizeof Info;
  if (Entries.GetMonitorInfo(Entries.MonitorFromWindow(AWindow, MONITOR_DEFAULTTONEAREST), &Info)) {
    ARect = AWorkArea ? Info.rcWork : Info.rcMonitor;
  }
}
