// The up-down control's window procedure: its range and position, and the presses
// that move the position and tell the parent.

#include "platform/ui/native/UpDownWindow.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/ui/ControlClasses.h"
#include "platform/win/Windows.h"

namespace {

struct TUpDownState {
  int Min = 0;
  int Max = 100;
  int Position = 0;
};

std::unordered_map<HWND, std::unique_ptr<TUpDownState>> UpDownStates;

TUpDownState& StateOf(HWND AWindow) {
  std::unique_ptr<TUpDownState>& State = UpDownStates[AWindow];
  if (!State) State = std::make_unique<TUpDownState>();
  return *State;
}

// A range given upside down is kept as given: the position is clamped between its ends.
int Clamped(const TUpDownState& AState, int APosition) {
  return std::clamp(APosition, std::min(AState.Min, AState.Max), std::max(AState.Min, AState.Max));
}

LRESULT SetRange(HWND AWindow, int AMin, int AMax) {
  TUpDownState& State = StateOf(AWindow);
  State.Min = AMin;
  State.Max = AMax;
  State.Position = Clamped(State, State.Position);
  return 0;
}

LRESULT GetRange(HWND AWindow, int* AMin, int* AMax) {
  const TUpDownState& State = StateOf(AWindow);
  if (AMin) *AMin = State.Min;
  if (AMax) *AMax = State.Max;
  return 0;
}

LRESULT SetPosition(HWND AWindow, int APosition) {
  TUpDownState& State = StateOf(AWindow);
  const int Previous = State.Position;
  State.Position = Clamped(State, APosition);
  return Previous;
}

// The left half steps towards Min, the right half towards Max.
LRESULT WMLButtonDown(HWND AWindow, LPARAM ALParam) {
  TUpDownState& State = StateOf(AWindow);
  RECT Client;
  GetClientRect(AWindow, &Client);
  const int Step = GET_X_LPARAM(ALParam) < Client.Width() / 2 ? -1 : 1;
  const int Direction = State.Max >= State.Min ? Step : -Step;
  const int Moved = Clamped(State, State.Position + Direction);
  if (Moved == State.Position) return 0;
  State.Position = Moved;
  SendMessage(GetParent(AWindow), WM_HSCROLL, MakeScrollWParam(SB_THUMBPOSITION, Moved),
              reinterpret_cast<LPARAM>(AWindow));
  return 0;
}

LRESULT WMNCDestroy(HWND AWindow, WPARAM AWParam, LPARAM ALParam) {
  UpDownStates.erase(AWindow);
  return DefWindowProc(AWindow, WM_NCDESTROY, AWParam, ALParam);
}

LRESULT UpDownWindowProc(HWND AWindow, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  // clang-format off
  switch (AMsg) {
    case UDM_SETRANGE32: return SetRange(AWindow, static_cast<int>(AWParam), static_cast<int>(ALParam));
    case UDM_GETRANGE32: return GetRange(AWindow, reinterpret_cast<int*>(AWParam), reinterpret_cast<int*>(ALParam));
    case UDM_SETPOS32: return SetPosition(AWindow, static_cast<int>(ALParam));
    case UDM_GETPOS32: return StateOf(AWindow).Position;
    case WM_LBUTTONDOWN: return WMLButtonDown(AWindow, ALParam);
    case WM_LBUTTONDBLCLK: return WMLButtonDown(AWindow, ALParam);
    case WM_NCDESTROY: return WMNCDestroy(AWindow, AWParam, ALParam);
    default: return DefWindowProc(AWindow, AMsg, AWParam, ALParam);
  }
  // clang-format on
}

}  // namespace

void RegisterUpDownClass() {
  RegisterControlClass(UPDOWN_CLASS, &UpDownWindowProc, IDC_ARROW,
                       reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_BTNFACE + 1)));
}
