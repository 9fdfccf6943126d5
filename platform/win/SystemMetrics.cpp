#include "platform/win/SystemMetrics.h"

#include <algorithm>

#include "platform/win/Backend.h"
#include "platform/win/WindowInternal.h"

namespace {

// The fixed sizes of window parts, in pixels: the classic profile of the system the
// program was designed on.
constexpr int BorderWidth = 1;
constexpr int DialogFrameWidth = 3;
constexpr int SizingFrameWidth = 4;
constexpr int EdgeWidth = 2;
constexpr int CaptionHeight = 19;
constexpr int SmallCaptionHeight = 16;
constexpr int CaptionButtonSize = 18;
constexpr int SmallCaptionButtonSize = 15;
constexpr int MenuHeight = 19;
constexpr int ScrollBarWidth = 17;
constexpr int IconSize = 32;
constexpr int SmallIconSize = 16;
constexpr int CursorSize = 32;
constexpr int MinimumTrackWidth = 112;
constexpr int MinimumTrackHeight = 27;
constexpr int MinimizedWidth = 160;
constexpr int MinimizedHeight = 24;
constexpr int DoubleClickSlop = 4;
constexpr int DragThreshold = 4;
constexpr int MenuCheckSize = 13;
constexpr UINT DoubleClickTime = 500;

TMonitorDescription PrimaryMonitor(const std::vector<TMonitorDescription>& AMonitors) {
  for (const TMonitorDescription& Monitor : AMonitors)
    if (Monitor.Primary) return Monitor;
  return AMonitors.front();
}

TRect VirtualScreen(const std::vector<TMonitorDescription>& AMonitors) {
  TRect Union;
  for (const TMonitorDescription& Monitor : AMonitors) UnionRect(Union, Union, Monitor.Bounds);
  return Union;
}

int ScreenMetric(int AIndex) {
  const std::vector<TMonitorDescription> Monitors = Backend().Monitors();
  const TMonitorDescription Primary = PrimaryMonitor(Monitors);
  const TRect Virtual = VirtualScreen(Monitors);
  switch (AIndex) {
    case SM_CXSCREEN:
      return Primary.Bounds.Width();
    case SM_CYSCREEN:
      return Primary.Bounds.Height();
    case SM_CXFULLSCREEN:
      return Primary.WorkArea.Width();
    case SM_CYFULLSCREEN:
      return Primary.WorkArea.Height() - CaptionHeight;
    case SM_CXMAXIMIZED:
      return Primary.WorkArea.Width() + 2 * SizingFrameWidth;
    case SM_CYMAXIMIZED:
      return Primary.WorkArea.Height() + 2 * SizingFrameWidth;
    case SM_CXMAXTRACK:
      return Virtual.Width() + 2 * SizingFrameWidth;
    case SM_CYMAXTRACK:
      return Virtual.Height() + 2 * SizingFrameWidth;
    case SM_XVIRTUALSCREEN:
      return Virtual.Left;
    case SM_YVIRTUALSCREEN:
      return Virtual.Top;
    case SM_CXVIRTUALSCREEN:
      return Virtual.Width();
    case SM_CYVIRTUALSCREEN:
      return Virtual.Height();
    case SM_CMONITORS:
      return static_cast<int>(Monitors.size());
    default:
      return 0;
  }
}

}  // namespace

int GetSystemMetrics(int AIndex) {
  RequireUIThread("GetSystemMetrics");
  switch (AIndex) {
    case SM_CXBORDER:
    case SM_CYBORDER:
      return BorderWidth;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return DialogFrameWidth;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return SizingFrameWidth;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return EdgeWidth;
    case SM_CYCAPTION:
      return CaptionHeight;
    case SM_CYSMCAPTION:
      return SmallCaptionHeight;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return CaptionButtonSize;
    case SM_CXSMSIZE:
    case SM_CYSMSIZE:
      return SmallCaptionButtonSize;
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
      return CaptionButtonSize;
    case SM_CYMENU:
      return MenuHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
      return ScrollBarWidth;
    case SM_CXICON:
    case SM_CYICON:
      return IconSize;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return SmallIconSize;
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return CursorSize;
    case SM_CXMIN:
    case SM_CXMINTRACK:
      return MinimumTrackWidth;
    case SM_CYMIN:
    case SM_CYMINTRACK:
      return MinimumTrackHeight;
    case SM_CXMINIMIZED:
      return MinimizedWidth;
    case SM_CYMINIMIZED:
      return MinimizedHeight;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return DoubleClickSlop;
    case SM_CXDRAG:
    case SM_CYDRAG:
      return DragThreshold;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return MenuCheckSize;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_SAMEDISPLAYFORMAT:
      return 1;
    case SM_CMOUSEBUTTONS:
      return 3;
    case SM_SWAPBUTTON:
      return 0;
    default:
      return ScreenMetric(AIndex);
  }
}

UINT GetDoubleClickTime() { return DoubleClickTime; }

namespace {

LOGFONT InterfaceFont(int AWeight) {
  LOGFONT Font;
  Font.lfHeight = DefaultFontHeight;
  Font.lfWeight = AWeight;
  Font.lfFaceName = DefaultFontName;
  return Font;
}

void FillNonClientMetrics(NONCLIENTMETRICS& AMetrics) {
  AMetrics.iBorderWidth = 1;
  AMetrics.iScrollWidth = ScrollBarWidth;
  AMetrics.iScrollHeight = ScrollBarWidth;
  AMetrics.iCaptionWidth = CaptionButtonSize;
  AMetrics.iCaptionHeight = CaptionButtonSize;
  AMetrics.lfCaptionFont = InterfaceFont(FW_BOLD);
  AMetrics.iSmCaptionWidth = SmallCaptionButtonSize;
  AMetrics.iSmCaptionHeight = SmallCaptionButtonSize;
  AMetrics.lfSmCaptionFont = InterfaceFont(FW_BOLD);
  AMetrics.iMenuWidth = CaptionButtonSize;
  AMetrics.iMenuHeight = CaptionButtonSize;
  AMetrics.lfMenuFont = InterfaceFont(FW_NORMAL);
  AMetrics.lfStatusFont = InterfaceFont(FW_NORMAL);
  AMetrics.lfMessageFont = InterfaceFont(FW_NORMAL);
}

}  // namespace

bool SystemParametersInfo(UINT AAction, UINT, void* AParam, UINT) {
  RequireUIThread("SystemParametersInfo");
  if (!AParam) return false;
  switch (AAction) {
    case SPI_GETWORKAREA:
      *static_cast<RECT*>(AParam) = PrimaryMonitor(Backend().Monitors()).WorkArea;
      return true;
    case SPI_GETDRAGFULLWINDOWS:
      *static_cast<int*>(AParam) = 1;
      return true;
    case SPI_GETNONCLIENTMETRICS: {
      auto* Metrics = static_cast<NONCLIENTMETRICS*>(AParam);
      if (Metrics->cbSize != sizeof(NONCLIENTMETRICS)) return false;
      FillNonClientMetrics(*Metrics);
      return true;
    }
    default:
      return false;
  }
}
