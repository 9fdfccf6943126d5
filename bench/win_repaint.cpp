// A full repaint of a 1024 × 768 window holding 200 child windows, each painting its
// client area in one fill as a control paints its off-screen picture in one blit,
// against a plain BitBlt of a 1024 × 768 picture: what the window system adds to the
// drawing itself (invalidation, clipping, paint order, WM_PAINT through the message
// loop, window device contexts, handing the picture to the backend). Every figure is
// the median of several runs on the headless backend.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "bench/BenchSupport.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/win/Painting.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

constexpr int Width = 1024;
constexpr int Height = 768;
constexpr int Children = 200;
constexpr int Runs = 15;

double MedianSeconds(const std::function<void()>& AWork) { return bench::MedianSeconds(Runs, AWork); }

int GPaints = 0;

// Each window fills its client area with the colour kept in its user data.
LRESULT FillingProcedure(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage != WM_PAINT) return DefWindowProc(AWindow, AMessage, AWParam, ALParam);
  ++GPaints;
  PAINTSTRUCT Paint;
  const HDC DC = BeginPaint(AWindow, &Paint);
  RECT Client;
  GetClientRect(AWindow, &Client);
  FillSolidRect(DC, Client, static_cast<COLORREF>(GetWindowLong(AWindow, GWL_USERDATA)));
  EndPaint(AWindow, &Paint);
  return 0;
}

HWND CreateFilling(DWORD AStyle, const TRect& ABounds, HWND AParent, COLORREF AColor) {
  const HWND Window = CreateWindowEx(0, "Filling", "", AStyle, ABounds.Left, ABounds.Top, ABounds.Width(),
                                     ABounds.Height(), AParent, nullptr, nullptr, nullptr);
  SetWindowLong(Window, GWL_USERDATA, static_cast<LONG_PTR>(AColor));
  return Window;
}

// A memory device context drawing into a new 32-bit DIB section of the window's size.
struct TPicture {
  TPicture() : Bitmap(CreateDib(Width, Height, 32)), DC(CreateCompatibleDC(nullptr)) {
    SelectObject(DC, Bitmap);
  }
  ~TPicture() {
    DeleteDC(DC);
    DeleteObject(Bitmap);
  }
  HBITMAP Bitmap;
  HDC DC;
};

}  // namespace

int main() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  WNDCLASS Class;
  Class.lpfnWndProc = FillingProcedure;
  Class.lpszClassName = "Filling";
  RegisterClass(&Class);
  const HWND Top = CreateFilling(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, Width, Height),
                                 nullptr, RGB(255, 255, 255));
  // A grid of 20 × 10 children, 50 × 75 pixels each, one pixel apart.
  for (int Index = 0; Index < Children; ++Index)
    CreateFilling(WS_CHILD | WS_VISIBLE, Bounds(Index % 20 * 51, Index / 20 * 76, 50, 75), Top,
                  RGB(Index, 100, 255 - Index));
  ProcessPendingMessages();

  GPaints = 0;
  const double Repaint = MedianSeconds([Top] {
    RedrawWindow(Top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ProcessPendingMessages();
  });
  const int PaintsPerRepaint = GPaints / (Runs + 1);

  TPicture Source, Target;
  const double Blit =
      MedianSeconds([&] { BitBlt(Target.DC, 0, 0, Width, Height, Source.DC, 0, 0, SRCCOPY); });

  std::printf("full repaint, 1024x768 with %d children (%d WM_PAINT each) %8.3f ms\n", Children,
              PaintsPerRepaint, Repaint * 1e3);
  std::printf("BitBlt SRCCOPY 1024x768                               %8.3f ms\n", Blit * 1e3);
  std::printf("ratio %5.2f\n", Repaint / Blit);
  StopWindowSystem();
  return 0;
}
