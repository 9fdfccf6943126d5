// The notification-area icons: the program's table of them, the backend's tray, and the
// balloon window each icon may show.

#include "platform/win/ShellNotifyIcon.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/Colors.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Text.h"
#include "platform/win/Backend.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/Cursors.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WindowClasses.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

constexpr const char* NotifyBalloonClass = "PelladrinTrayBalloon";
constexpr int NotifyBalloonWidth = 260;
constexpr int NotifyBalloonPadding = 8;

struct TNotifyIcon {
  HWND Window = nullptr;
  UINT Id = 0;
  int Key = 0;
  UINT CallbackMessage = 0;
  TPixelImage Image;
  String Tip;
  HWND Balloon = nullptr;
  String BalloonTitle;
  String BalloonText;
};

struct TNotifyIcons {
  std::vector<TNotifyIcon> Icons;
  int NextKey = 1;
};

TNotifyIcons& NotifyIcons() {
  static TNotifyIcons Instance;
  return Instance;
}

TNotifyIcon* FindNotifyIcon(HWND AWindow, UINT AId) {
  auto& Icons = NotifyIcons().Icons;
  const auto Found = std::find_if(Icons.begin(), Icons.end(), [&](const TNotifyIcon& AIcon) {
    return AIcon.Window == AWindow && AIcon.Id == AId;
  });
  return Found == Icons.end() ? nullptr : &*Found;
}

template <typename TMatches>
TNotifyIcon* FindNotifyIconBy(TMatches AMatches) {
  auto& Icons = NotifyIcons().Icons;
  const auto Found = std::find_if(Icons.begin(), Icons.end(), AMatches);
  return Found == Icons.end() ? nullptr : &*Found;
}

// The first ACharacters characters of AText.
String NotifyTextCut(const String& AText, size_t ACharacters) {
  size_t Pos = 0;
  for (size_t Count = 0; Count < ACharacters && Pos < AText.size(); ++Count) Utf8Next(AText, Pos);
  return AText.substr(0, Pos);
}

String NotifyBalloonLines(const TNotifyIcon& AIcon) {
  if (AIcon.BalloonTitle.empty()) return AIcon.BalloonText;
  return AIcon.BalloonTitle + "\n\n" + AIcon.BalloonText;
}

LRESULT NotifyBalloonProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
      // A click on the balloon tells the icon's window and takes the balloon away.
      if (TNotifyIcon* Icon = FindNotifyIconBy([&](const TNotifyIcon& I) { return I.Balloon == AWindow; })) {
        PostMessage(Icon->Window, Icon->CallbackMessage, Icon->Id, NIN_BALLOONUSERCLICK);
        ShowWindow(AWindow, SW_HIDE);
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT Paint;
      HDC DC = BeginPaint(AWindow, &Paint);
      RECT Client;
      GetClientRect(AWindow, &Client);
      FillRect(DC, &Client, GetSysColorBrush(COLOR_INFOBK));
      SelectObject(DC, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(DC, TRANSPARENT);
      SetTextColor(DC, ColorToRGB(clInfoText));
      TRect Text = Client;
      InflateRect(Text, -NotifyBalloonPadding, -NotifyBalloonPadding);
      DrawText(DC, GetWindowText(AWindow), Text, DT_WORDBREAK | DT_NOPREFIX);
      EndPaint(AWindow, &Paint);
      return 0;
    }
    default:
      return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
  }
}

// Shows the icon's balloon at the bottom right of the work area, sized for its text.
void ShowNotifyBalloon(TNotifyIcon& AIcon) {
  WNDCLASS Class;
  if (!GetClassInfo(nullptr, NotifyBalloonClass, &Class)) {
    Class = WNDCLASS{};
    Class.lpfnWndProc = &NotifyBalloonProc;
    Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    Class.lpszClassName = NotifyBalloonClass;
    RegisterClass(&Class);
  }
  if (!AIcon.Balloon)
    AIcon.Balloon = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, NotifyBalloonClass,
                                   "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!AIcon.Balloon) return;
  // The window's text is what it shows: the title, an empty line and the text.
  const String Lines = NotifyBalloonLines(AIcon);
  SetWindowText(AIcon.Balloon, Lines.c_str());
  HDC DC = GetDC(AIcon.Balloon);
  SelectObject(DC, GetStockObject(DEFAULT_GUI_FONT));
  TRect Text(0, 0, NotifyBalloonWidth - 2 * NotifyBalloonPadding, 0);
  DrawText(DC, Lines, Text, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  ReleaseDC(AIcon.Balloon, DC);
  const int Height = Text.Height() + 2 * NotifyBalloonPadding + 2;
  RECT WorkArea;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &WorkArea, 0);
  SetWindowPos(AIcon.Balloon, HWND_TOPMOST, WorkArea.Right - NotifyBalloonWidth, WorkArea.Bottom - Height,
               NotifyBalloonWidth, Height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(AIcon.Balloon, nullptr, true);
}

void DestroyNotifyBalloon(TNotifyIcon& AIcon) {
  if (AIcon.Balloon) DestroyWindow(AIcon.Balloon);
  AIcon.Balloon = nullptr;
}

void ApplyNotifyIconData(TNotifyIcon& AIcon, const NOTIFYICONDATAW& AData) {
  if (AData.uFlags & NIF_MESSAGE) AIcon.CallbackMessage = AData.uCallbackMessage;
  if (AData.uFlags & NIF_ICON) AIcon.Image = AData.hIcon ? AData.hIcon->Image : TPixelImage{};
  if (AData.uFlags & NIF_TIP) AIcon.Tip = NotifyTextCut(AData.szTip, NotifyTipLength);
}

void ApplyNotifyBalloon(TNotifyIcon& AIcon, const NOTIFYICONDATAW& AData) {
  if (!(AData.uFlags & NIF_INFO)) return;
  AIcon.BalloonText = NotifyTextCut(AData.szInfo, NotifyInfoLength);
  AIcon.BalloonTitle = NotifyTextCut(AData.szInfoTitle, NotifyInfoTitleLength);
  if (AIcon.BalloonText.empty()) {
    DestroyNotifyBalloon(AIcon);
  } else {
    ShowNotifyBalloon(AIcon);
  }
}

}  // namespace

bool Shell_NotifyIconW(DWORD AMessage, NOTIFYICONDATAW* AData) {
  RequireUIThread("Shell_NotifyIconW");
  if (!AData) return false;
  TNotifyIcons& Table = NotifyIcons();
  TNotifyIcon* Icon = FindNotifyIcon(AData->hWnd, AData->uID);
  switch (AMessage) {
    case NIM_ADD: {
      if (Icon || !FindWindowRecord(AData->hWnd)) return false;
      TNotifyIcon Added;
      Added.Window = AData->hWnd;
      Added.Id = AData->uID;
      Added.Key = Table.NextKey;
      ApplyNotifyIconData(Added, *AData);
      if (!Backend().DockTrayIcon(Added.Key, Added.Image, Added.Tip)) return false;
      ++Table.NextKey;
      Table.Icons.push_back(std::move(Added));
      ApplyNotifyBalloon(Table.Icons.back(), *AData);
      return true;
    }
    case NIM_MODIFY:
      if (!Icon) return false;
      ApplyNotifyIconData(*Icon, *AData);
      Backend().UpdateTrayIcon(Icon->Key, Icon->Image, Icon->Tip);
      ApplyNotifyBalloon(*Icon, *AData);
      return true;
    case NIM_DELETE: {
      if (!Icon) return false;
      DestroyNotifyBalloon(*Icon);
      Backend().UndockTrayIcon(Icon->Key);
      const auto Position = Table.Icons.begin() + (Icon - Table.Icons.data());
      Table.Icons.erase(Position);
      return true;
    }
    default:
      return false;
  }
}

HWND NotifyIconBalloonWindow(HWND AWindow, UINT AId) {
  const TNotifyIcon* Icon = FindNotifyIcon(AWindow, AId);
  return Icon && Icon->Balloon && IsWindowVisible(Icon->Balloon) ? Icon->Balloon : nullptr;
}

void DeliverTrayAppeared() {
  RequireUIThread("DeliverTrayAppeared");
  const UINT TaskbarCreated = RegisterWindowMessage("TaskbarCreated");
  const std::vector<HWND> TopLevels = DesktopRecord().Children;
  for (HWND Window : TopLevels)
    if (FindWindowRecord(Window)) SendMessage(Window, TaskbarCreated, 0, 0);
}

void DeliverTrayGone() {
  RequireUIThread("DeliverTrayGone");
  auto& Icons = NotifyIcons().Icons;
  for (TNotifyIcon& Icon : Icons) DestroyNotifyBalloon(Icon);
  Icons.clear();
}

void DeliverTrayIconMouse(int AIcon, UINT AMouseMessage) {
  RequireUIThread("DeliverTrayIconMouse");
  if (const TNotifyIcon* Icon = FindNotifyIconBy([&](const TNotifyIcon& I) { return I.Key == AIcon; }))
    PostMessage(Icon->Window, Icon->CallbackMessage, Icon->Id, AMouseMessage);
}
