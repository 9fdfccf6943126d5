#include "platform/win/headless/HeadlessInput.h"

#include <deque>
#include <functional>

#include "platform/base/Exceptions.h"
#include "platform/win/InputMessagesInternal.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/Keyboard.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

struct TScript {
  // The desktop window of the run the script belongs to; a new run starts it afresh.
  HWND Desktop = nullptr;
  std::deque<std::function<void()>> Events;
  // Whether a step is queued on the backend or waits for input messages to be taken.
  bool Scheduled = false;
};

TScript& Script() {
  static TScript Instance;
  return Instance;
}

void Schedule();

// Delivers the next event once the input messages of the one before are taken.
void Step() {
  TScript& S = Script();
  if (IsAwaitingInputMessages()) {
    WhenInputMessagesTaken([] {
      Script().Scheduled = false;
      Schedule();
    });
    return;
  }
  S.Scheduled = false;
  if (S.Events.empty()) return;
  const std::function<void()> Event = std::move(S.Events.front());
  S.Events.pop_front();
  Event();
  Schedule();
}

void Schedule() {
  TScript& S = Script();
  if (S.Scheduled || S.Events.empty()) return;
  S.Scheduled = true;
  HeadlessBackend()->QueueEvent(Step);
}

void Add(std::function<void()> AEvent) {
  RequireUIThread("Inject");
  if (!HeadlessBackend()) throw Exception("Scripted input needs the headless backend");
  TScript& S = Script();
  if (S.Desktop != DesktopRecord().Handle) {
    S = TScript();
    S.Desktop = DesktopRecord().Handle;
  }
  S.Events.push_back(std::move(AEvent));
  Schedule();
}

bool IsLetter(UINT AVirtualKey) { return AVirtualKey >= 'A' && AVirtualKey <= 'Z'; }

// The text a US keyboard gives the key with these modifiers, caps lock as it is when
// the key arrives.
String TextOfKey(UINT AVirtualKey, UINT AModifiers) {
  const bool Shift = AModifiers & PointerShift;
  const bool Control = (AModifiers & PointerControl) && !(AModifiers & PointerAlt);
  if (IsLetter(AVirtualKey)) {
    if (Control) return String(1, static_cast<char>(AVirtualKey - 'A' + 1));
    const bool CapsLock = InputState().AsyncKeys[VK_CAPITAL] & 0x01;
    return String(1, static_cast<char>(Shift != CapsLock ? AVirtualKey : AVirtualKey - 'A' + 'a'));
  }
  if (Control) return "";
  if (AVirtualKey >= '0' && AVirtualKey <= '9')
    return Shift ? String(1, ")!@#$%^&*("[AVirtualKey - '0']) : String(1, static_cast<char>(AVirtualKey));
  if (AVirtualKey >= VK_NUMPAD0 && AVirtualKey <= VK_NUMPAD9)
    return String(1, static_cast<char>('0' + (AVirtualKey - VK_NUMPAD0)));
  switch (AVirtualKey) {
    case VK_SPACE:
      return " ";
    case VK_RETURN:
      return "\r";
    case VK_TAB:
      return "\t";
    case VK_BACK:
      return "\b";
    case VK_ESCAPE:
      return "\x1b";
    default:
      return "";
  }
}

// The key that types a character on a US keyboard, with Shift when it needs it
// (AModifiers);
// VK_PACKET for characters without a key.
UINT KeyOfCharacter(char32_t ACharacter, UINT& AModifiers) {
  AModifiers = 0;
  if (ACharacter >= 'a' && ACharacter <= 'z') return static_cast<UINT>(ACharacter - 'a' + 'A');
  if (ACharacter >= 'A' && ACharacter <= 'Z') {
    AModifiers = PointerShift;
    return static_cast<UINT>(ACharacter);
  }
  if ((ACharacter >= '0' && ACharacter <= '9') || ACharacter == ' ') return static_cast<UINT>(ACharacter);
  return VK_PACKET;
}

}  // namespace

void InjectPointerMove(const TPoint& APosition, UINT AModifiers) {
  Add([=] { DeliverPointerMotion(APosition, AModifiers); });
}

void InjectPointerPress(const TPoint& APosition, TPointerButton AButton, UINT AModifiers) {
  Add([=] { DeliverPointerButton(AButton, true, APosition, AModifiers); });
}

void InjectPointerRelease(const TPoint& APosition, TPointerButton AButton, UINT AModifiers) {
  Add([=] { DeliverPointerButton(AButton, false, APosition, AModifiers); });
}

void InjectClick(const TPoint& APosition, TPointerButton AButton, UINT AModifiers) {
  InjectPointerMove(APosition, AModifiers);
  InjectPointerPress(APosition, AButton, AModifiers);
  InjectPointerRelease(APosition, AButton, AModifiers);
}

void InjectDoubleClick(const TPoint& APosition, TPointerButton AButton, UINT AModifiers) {
  InjectClick(APosition, AButton, AModifiers);
  InjectPointerPress(APosition, AButton, AModifiers);
  InjectPointerRelease(APosition, AButton, AModifiers);
}

void InjectWheel(const TPoint& APosition, int ADelta, UINT AModifiers) {
  Add([=] { DeliverPointerWheel(ADelta, APosition, AModifiers); });
}

void InjectPointerLeave() {
  Add([] { DeliverPointerLeft(); });
}

void InjectKeyDown(UINT AVirtualKey, UINT AModifiers) {
  // The text is worked out when the key arrives, with caps lock as it is then.
  Add([=] { DeliverKey(AVirtualKey, true, TextOfKey(AVirtualKey, AModifiers), AModifiers); });
}

void InjectKeyUp(UINT AVirtualKey, UINT AModifiers) {
  Add([=] { DeliverKey(AVirtualKey, false, "", AModifiers); });
}

void InjectKeyStroke(UINT AVirtualKey, UINT AModifiers) {
  InjectKeyDown(AVirtualKey, AModifiers);
  InjectKeyUp(AVirtualKey, AModifiers);
}

void InjectText(const String& AText) {
  for (std::size_t Position = 0; Position < AText.size();) {
    const std::size_t Start = Position;
    const char32_t Character = Utf8Next(AText, Position);
    const String Text = AText.substr(Start, Position - Start);
    UINT Modifiers = 0;
    const UINT Key = KeyOfCharacter(Character, Modifiers);
    if (Modifiers) InjectKeyDown(VK_SHIFT);
    Add([=] { DeliverKey(Key, true, Text, Modifiers); });
    Add([=] { DeliverKey(Key, false, "", Modifiers); });
    if (Modifiers) InjectKeyUp(VK_SHIFT, Modifiers);
  }
}

void InjectTopLevelFocus(HWND AWindow, bool AFocused) {
  Add([=] { DeliverTopLevelFocus(AWindow, AFocused); });
}

void InjectHotKey(UINT AModifiers, UINT AVirtualKey) {
  Add([=] { DeliverHotKey(AModifiers, AVirtualKey); });
}

void InjectFilesDropped(HWND AWindow, const TPoint& APosition, const std::vector<String>& AFiles) {
  Add([=] { DeliverFilesDropped(AWindow, APosition, AFiles); });
}
