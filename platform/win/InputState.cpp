#include <memory>

#include "platform/win/InputStateInternal.h"
#include "platform/win/WindowInternal.h"

namespace {

struct TInputRun {
  // The desktop window of the run the state belongs to: handles are never given out
  // twice, so a new run of the window system has a new desktop handle.
  HWND Desktop = nullptr;
  TInputState State;
};

TInputRun& Run() {
  static TInputRun Instance;
  return Instance;
}

}  // namespace

TInputState& InputState() {
  TInputRun& R = Run();
  const HWND Desktop = DesktopRecord().Handle;
  if (R.Desktop != Desktop) {
    R.Desktop = Desktop;
    R.State = TInputState();
  }
  return R.State;
}

TWindowInputState* WindowInputState(HWND AWindow) {
  TWindow* Window = FindWindowRecord(AWindow);
  if (!Window) return nullptr;
  if (!Window->InputState) Window->InputState = std::make_shared<TWindowInputState>();
  return Window->InputState.get();
}
