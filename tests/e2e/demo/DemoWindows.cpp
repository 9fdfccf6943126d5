#include "tests/e2e/demo/DemoWindows.h"

#include <map>

#include "platform/base/Strings.h"
#include "platform/gdi/DcScopes.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawingObjects.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Primitives.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Text.h"

namespace e2e {
namespace {

constexpr const char* DemoClass = "PelladrinDemo";

// What a log line tells of a message besides its name.
enum TDetail {
  dtNone,
  dtClientPoint,  // lParam: a client point
  dtHitAndPoint,  // wParam: hit-test code; lParam: a screen point
  dtMouseActivate,
  dtState,  // LOWORD(wParam)
  dtKey,    // wParam and lParam in hex
  dtChar,   // wParam as U+XXXX
  dtRect,   // lParam: a RECT*
  dtWheel,
  dtHotKey,
  dtDrop,
};

struct TLogged {
  UINT Message;
  const char* Name;
  TDetail Detail;
};

constexpr TLogged LoggedMessages[] = {
    {WM_MOUSEMOVE, "WM_MOUSEMOVE", dtClientPoint},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN", dtClientPoint},
    {WM_LBUTTONUP, "WM_LBUTTONUP", dtClientPoint},
    {WM_RBUTTONDOWN, "WM_RBUTTONDOWN", dtClientPoint},
    {WM_RBUTTONUP, "WM_RBUTTONUP", dtClientPoint},
    {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE", dtHitAndPoint},
    {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN", dtHitAndPoint},
    {WM_NCLBUTTONUP, "WM_NCLBUTTONUP", dtHitAndPoint},
    {WM_MOUSEWHEEL, "WM_MOUSEWHEEL", dtWheel},
    {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE", dtMouseActivate},
    {WM_ACTIVATE, "WM_ACTIVATE", dtState},
    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP", dtState},
    {WM_SETFOCUS, "WM_SETFOCUS", dtNone},
    {WM_KILLFOCUS, "WM_KILLFOCUS", dtNone},
    {WM_KEYDOWN, "WM_KEYDOWN", dtKey},
    {WM_KEYUP, "WM_KEYUP", dtKey},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN", dtKey},
    {WM_SYSKEYUP, "WM_SYSKEYUP", dtKey},
    {WM_CHAR, "WM_CHAR", dtChar},
    {WM_SYSCHAR, "WM_SYSCHAR", dtChar},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND", dtKey},
    {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE", dtNone},
    {WM_MOVING, "WM_MOVING", dtRect},
    {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE", dtNone},
    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED", dtNone},
    {WM_HOTKEY, "WM_HOTKEY", dtKey},
    {WM_DROPFILES, "WM_DROPFILES", dtDrop},
    {WM_CLOSE, "WM_CLOSE", dtNone},
};

struct TDemoState {
  std::function<void(const std::string&)> Emit;
  TDemoWindows Windows;
  std::map<HWND, std::string> Names;
  std::map<HWND, COLORREF> Colors;
};

TDemoState& State() {
  static TDemoState Instance;
  return Instance;
}

std::string PointText(LPARAM ALParam) {
  return Format("%d,%d", GET_X_LPARAM(ALParam), GET_Y_LPARAM(ALParam));
}

// The files of a drop, "|" between them, after the drop point; the drop is finished.
std::string DropText(WPARAM AWParam) {
  const auto Drop = reinterpret_cast<HDROP>(AWParam);
  POINT Point;
  DragQueryPoint(Drop, &Point);
  std::string Text = Format("%d,%d", Point.X, Point.Y);
  const UINT Count = DragQueryFile(Drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT I = 0; I < Count; ++I) {
    std::string File(DragQueryFile(Drop, I, nullptr, 0) + 1, '\0');
    File.resize(DragQueryFile(Drop, I, File.data(), static_cast<UINT>(File.size())));
    Text += (I == 0 ? " " : "|") + File;
  }
  DragFinish(Drop);
  return Text;
}

std::string DetailText(TDetail ADetail, WPARAM AWParam, LPARAM ALParam) {
  switch (ADetail) {
    case dtClientPoint:
      return PointText(ALParam);
    case dtHitAndPoint:
      return Format("%d %s", static_cast<int>(AWParam), PointText(ALParam));
    case dtMouseActivate:
      return Format("%d 0x%x", static_cast<int16_t>(LOWORD(static_cast<uintptr_t>(ALParam))),
                    HIWORD(static_cast<uintptr_t>(ALParam)));
    case dtState:
      return Format("%d", LOWORD(AWParam));
    case dtKey:
      return Format("0x%x 0x%x", static_cast<unsigned>(AWParam), static_cast<uint32_t>(ALParam));
    case dtChar:
      return Format("U+%04X", static_cast<unsigned>(AWParam));
    case dtRect: {
      const RECT& Rect = *reinterpret_cast<const RECT*>(ALParam);
      return Format("%d,%d,%d,%d", Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    }
    case dtWheel:
      return Format("%d %s", static_cast<int16_t>(HIWORD(AWParam)), PointText(ALParam));
    case dtDrop:
      return DropText(AWParam);
    default:
      return "";
  }
}

void Log(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  TDemoState& S = State();
  for (const TLogged& Logged : LoggedMessages)
    if (Logged.Message == AMessage) {
      const std::string Detail = DetailText(Logged.Detail, AWParam, ALParam);
      S.Emit(S.Names[AWindow] + ":" + Logged.Name + (Detail.empty() ? "" : " " + Detail));
      return;
    }
}

// The client area in the window's colour, an ellipse and a line of text with letters
// beyond ASCII: enough for a picture compared pixel by pixel to mean something.
void Paint(HWND AWindow) {
  PAINTSTRUCT Paint;
  const HDC DC = BeginPaint(AWindow, &Paint);
  RECT Client;
  GetClientRect(AWindow, &Client);
  FillSolidRect(DC, Client, State().Colors[AWindow]);
  const HPEN Pen = CreatePen(PS_SOLID, 3, RGB(40, 40, 160));
  {
    TSelectedObject SelectedPen(DC, Pen);
    TSelectedObject SelectedBrush(DC, GetStockObject(NULL_BRUSH));
    Ellipse(DC, 10, 10, Client.Right - 10, Client.Bottom - 10);
  }
  DeleteObject(Pen);
  const HFONT Font = CreateFont(-18, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans");
  {
    TSelectedObject SelectedFont(DC, Font);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, RGB(20, 20, 20));
    DrawText(DC, State().Names[AWindow] + " Grüße ÄÖÜ 123", Client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  DeleteObject(Font);
  EndPaint(AWindow, &Paint);
}

LRESULT DemoProcedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  Log(AWindow, AMessage, AWParam, ALParam);
  switch (AMessage) {
    case WM_PAINT:
      Paint(AWindow);
      return 0;
    case WM_MOUSEACTIVATE:
      if (AWindow == State().Windows.Popup) return MA_NOACTIVATE;
      break;
    case WM_DROPFILES:
      return 0;
    case WM_DESTROY:
      if (AWindow == State().Windows.Main) PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
}

HWND Create(const std::string& AName, const char* ATitle, DWORD AStyle, DWORD AExStyle, const TRect& ABounds,
            COLORREF AColor) {
  const HWND Window = CreateWindowEx(AExStyle, DemoClass, ATitle, AStyle, ABounds.Left, ABounds.Top,
                                     ABounds.Width(), ABounds.Height(), nullptr, nullptr, nullptr, nullptr);
  State().Names[Window] = AName;
  State().Colors[Window] = AColor;
  return Window;
}

}  // namespace

TDemoWindows CreateDemoWindows(std::function<void(const std::string&)> AEmit) {
  State() = TDemoState();
  State().Emit = std::move(AEmit);
  WNDCLASS Class;
  Class.lpfnWndProc = DemoProcedure;
  Class.lpszClassName = DemoClass;
  Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClass(&Class);

  TDemoWindows& Windows = State().Windows;
  Windows.Below = Create("below", "Demo below", WS_POPUP | WS_BORDER, 0, BelowBounds, RGB(170, 220, 170));
  ShowWindow(Windows.Below, SW_SHOW);
  Windows.Cut = Create("cut", "Demo cut", WS_POPUP | WS_BORDER, 0, CutBounds, RGB(240, 170, 90));
  const HRGN Shape = CreateRectRgn(0, 0, CutBounds.Width(), CutBounds.Height());
  const HRGN Hole = CreateRectRgn(CutHole.Left, CutHole.Top, CutHole.Right, CutHole.Bottom);
  CombineRgn(Shape, Shape, Hole, RGN_DIFF);
  DeleteObject(Hole);
  SetWindowRgn(Windows.Cut, Shape, true);
  ShowWindow(Windows.Cut, SW_SHOW);
  Windows.Popup = Create("popup", "Demo popup", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST,
                         PopupBounds, RGB(170, 200, 240));
  ShowWindow(Windows.Popup, SW_SHOWNA);
  Windows.Main = Create("main", "Demo main", WS_OVERLAPPEDWINDOW, 0, MainBounds, RGB(245, 235, 210));
  DragAcceptFiles(Windows.Main, true);
  ShowWindow(Windows.Main, SW_SHOW);
  Windows.HotKeyRegistered = RegisterHotKey(Windows.Main, HotKeyId, MOD_CONTROL | MOD_ALT, 'P');
  return Windows;
}

TPoint CaptionPoint() {
  return {MainBounds.Left + 80,
          MainBounds.Top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
}

TPoint MainClientPoint(int AX, int AY) {
  POINT Point{AX, AY};
  ClientToScreen(State().Windows.Main, &Point);
  return Point;
}

TPoint PopupPoint() { return {PopupBounds.Left + 50, PopupBounds.Top + 40}; }

TPoint HolePoint() { return {CutBounds.Left + CutHole.Left + 30, CutBounds.Top + CutHole.Top + 30}; }

}  // namespace e2e
