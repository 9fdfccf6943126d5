// Frames per second of the x11 backend presenting a 1280 × 720 window whose whole
// picture changes every frame: each frame fills the window through a window device
// context (in a new colour), hands the picture over by releasing it, and counts once
// the X server has handled it. Through MIT-SHM and through XPutImage, against the same
// fill with the picture only kept in memory (the headless backend): what putting the
// picture on the display costs. Every figure is the median of many frames.
//
// Needs an X display (DISPLAY); run it under Xvfb for figures that do not depend on a
// desktop: xvfb-run -a -s "-screen 0 1280x800x24" build/bench/x11_present

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "bench/BenchSupport.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/x11/X11Backend.h"

namespace {

constexpr int Width = 1280;
constexpr int Height = 720;
constexpr int Frames = 301;

// The median seconds of one frame on the running window system; ASettle waits until
// the frame is on the screen.
double SecondsPerFrame(const std::function<void()>& ASettle) {
  WNDCLASS Class;
  Class.lpfnWndProc = DefWindowProc;
  Class.lpszClassName = "Presented";
  RegisterClass(&Class);
  const HWND Window = CreateWindowEx(0, "Presented", "x11_present", WS_POPUP | WS_VISIBLE, 0, 0, Width,
                                     Height, nullptr, nullptr, nullptr, nullptr);
  ProcessPendingMessages();
  ASettle();
  int Frame = 0;
  return bench::MedianSeconds(Frames, [&] {
    ++Frame;
    const HDC DC = GetDC(Window);
    FillSolidRect(DC, Bounds(0, 0, Width, Height),
                  RGB(Frame & 0xFF, (Frame * 3) & 0xFF, 255 - (Frame & 0xFF)));
    ReleaseDC(Window, DC);
    ASettle();
  });
}

double X11SecondsPerFrame(bool ASharedMemory) {
  TX11Options Options;
  Options.UseSharedMemory = ASharedMemory;
  auto Backend = std::make_unique<TX11Backend>(Options);
  TX11Backend& X11 = *Backend;
  StartWindowSystem(std::move(Backend));
  if (ASharedMemory && !X11.UsesSharedMemory()) std::printf("(the display offers no MIT-SHM)\n");
  const double Seconds = SecondsPerFrame([&X11] { X11.Synchronize(); });
  StopWindowSystem();
  return Seconds;
}

}  // namespace

int main() {
  if (!std::getenv("DISPLAY")) {
    std::fprintf(stderr, "x11_present needs an X display (DISPLAY)\n");
    return 1;
  }
  const double Shared = X11SecondsPerFrame(true);
  const double Plain = X11SecondsPerFrame(false);
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  const double InMemory = SecondsPerFrame([] {});
  StopWindowSystem();

  std::printf("1280x720, whole picture new every frame    frames/s   ms/frame\n");
  std::printf("x11, MIT-SHM                               %8.1f %10.3f\n", 1 / Shared, Shared * 1e3);
  std::printf("x11, XPutImage                             %8.1f %10.3f\n", 1 / Plain, Plain * 1e3);
  std::printf("headless (fill and hand-over in memory)    %8.1f %10.3f\n", 1 / InMemory, InMemory * 1e3);
  std::printf("ratio MIT-SHM / XPutImage (frames/s)       %8.2f\n", Plain / Shared);
  return 0;
}
