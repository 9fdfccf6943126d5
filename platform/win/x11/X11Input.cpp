// Pointer, keyboard and focus events of the display, turned into the input entry points
// of BackendEvents.h. Keys go through the input method (Xutf8LookupString), which gives
// their text in UTF-8; the virtual-key code comes from the key's own keysym.

#include <algorithm>

#include "platform/base/Strings.h"
#include "platform/win/BackendEvents.h"
#include "platform/win/Keyboard.h"
#include "platform/win/x11/X11Internal.h"

namespace {

constexpr int WheelStep = 120;

// The character of a Latin-1 byte, as XLookupString gives text without an input method.
String Latin1ToUtf8(const char* AText, int ALength) {
  String Text;
  for (int I = 0; I < ALength; ++I) Utf8Append(Text, static_cast<unsigned char>(AText[I]));
  return Text;
}

// The keysym of the key and its text, through the window's input context when it has
// one.
KeySym LookUpKey(TX11Display& AX, XKeyEvent& AEvent, String& AText) {
  KeySym Keysym = NoSymbol;
  char Buffer[64];
  const TX11TopLevel* Window = FindTopLevelByXid(AX, AEvent.window);
  if (Window && Window->InputContext) {
    Status Result = 0;
    int Length = Xutf8LookupString(Window->InputContext, &AEvent, Buffer, sizeof Buffer, &Keysym, &Result);
    String Text(Buffer, Result == XBufferOverflow ? 0 : static_cast<std::size_t>(Length));
    if (Result == XBufferOverflow) {
      Text.resize(static_cast<std::size_t>(Length));
      Length = Xutf8LookupString(Window->InputContext, &AEvent, Text.data(), Length, &Keysym, &Result);
      Text.resize(static_cast<std::size_t>(std::max(Length, 0)));
    }
    if (Result == XLookupChars || Result == XLookupBoth) AText = Text;
    if (Result != XLookupKeySym && Result != XLookupBoth) Keysym = NoSymbol;
    return Keysym;
  }
  const int Length = XLookupString(&AEvent, Buffer, sizeof Buffer, &Keysym, nullptr);
  AText = Latin1ToUtf8(Buffer, Length);
  if (AText.empty() && !(AEvent.state & ControlMask))
    if (const char32_t Character = CharacterOfKeysym(Keysym); Character >= 0x20) Utf8Append(AText, Character);
  return Keysym;
}

bool IsKeypadKeysym(KeySym AKeysym) { return AKeysym >= XK_KP_Space && AKeysym <= XK_KP_9; }

// The key's virtual-key code: from the keysym of its first level, so that Shift does
// not change it; keypad keys follow Num Lock.
UINT VirtualKeyOfEvent(XKeyEvent& AEvent, KeySym ALookedUp) {
  const KeySym Base = XLookupKeysym(&AEvent, 0);
  return VirtualKeyOfKeysym(IsKeypadKeysym(Base) && IsKeypadKeysym(ALookedUp) ? ALookedUp : Base);
}

// Keys that type nothing on the system the program was designed on, though X gives
// them a character.
bool TypesNothing(UINT AVirtualKey) { return AVirtualKey == VK_DELETE; }

void QueueMotion(TX11Display& AX, const TPoint& APosition, unsigned int AState) {
  const UINT Modifiers = PointerModifiersOf(AState);
  QueueDelivery(AX, [APosition, Modifiers] { DeliverPointerMotion(APosition, Modifiers); });
}

void HandleButton(TX11Display& AX, const XButtonEvent& AEvent) {
  const TPoint Position{AEvent.x_root, AEvent.y_root};
  const UINT Modifiers = PointerModifiersOf(AEvent.state);
  const bool Pressed = AEvent.type == ButtonPress;
  if (AEvent.button == Button4 || AEvent.button == Button5) {
    // The wheel clicks as a press and a release of its button; one step each.
    const int Delta = AEvent.button == Button4 ? WheelStep : -WheelStep;
    if (Pressed)
      QueueDelivery(AX, [Delta, Position, Modifiers] { DeliverPointerWheel(Delta, Position, Modifiers); });
    return;
  }
  TPointerButton Button = pbLeft;
  if (AEvent.button == Button2)
    Button = pbMiddle;
  else if (AEvent.button == Button3)
    Button = pbRight;
  else if (AEvent.button != Button1)
    return;
  QueueDelivery(AX, [Button, Pressed, Position, Modifiers] {
    DeliverPointerButton(Button, Pressed, Position, Modifiers);
  });
}

void HandleCrossing(TX11Display& AX, const XCrossingEvent& AEvent) {
  // Crossings made by grabs say nothing about where the pointer went.
  if (AEvent.mode != NotifyNormal) return;
  if (AEvent.type == EnterNotify) {
    AX.HoveredWindow = AEvent.window;
    QueueMotion(AX, {AEvent.x_root, AEvent.y_root}, AEvent.state);
    return;
  }
  if (AEvent.detail == NotifyInferior || AX.HoveredWindow != AEvent.window) return;
  AX.HoveredWindow = 0;
  // Going from one of the program's windows straight into another is no leaving: the
  // entering is read with the leaving, before this is delivered.
  QueueDelivery(AX, [&AX] {
    if (!AX.HoveredWindow) DeliverPointerLeft();
  });
}

}  // namespace

UINT PointerModifiersOf(unsigned int AState) {
  UINT Modifiers = 0;
  if (AState & ShiftMask) Modifiers |= PointerShift;
  if (AState & ControlMask) Modifiers |= PointerControl;
  if (AState & Mod1Mask) Modifiers |= PointerAlt;
  return Modifiers;
}

void ReadModifierMapping(TX11Display& AX) {
  AX.NumLockMask = 0;
  XModifierKeymap* Map = XGetModifierMapping(AX.Connection);
  if (!Map) return;
  const KeyCode NumLock = XKeysymToKeycode(AX.Connection, XK_Num_Lock);
  for (int Modifier = 0; Modifier < 8; ++Modifier)
    for (int I = 0; I < Map->max_keypermod; ++I)
      if (NumLock && Map->modifiermap[Modifier * Map->max_keypermod + I] == NumLock)
        AX.NumLockMask = 1u << Modifier;
  XFreeModifiermap(Map);
}

void OpenInputMethod(TX11Display& AX) {
  if (!XSupportsLocale()) return;
  XSetLocaleModifiers("");
  AX.InputMethod = XOpenIM(AX.Connection, nullptr, nullptr, nullptr);
  if (!AX.InputMethod) {
    // The input method XMODIFIERS names is not running: Xlib's own still composes.
    XSetLocaleModifiers("@im=none");
    AX.InputMethod = XOpenIM(AX.Connection, nullptr, nullptr, nullptr);
  }
}

XIC CreateInputContext(TX11Display& AX, ::Window AXid, long& AEventMask) {
  AEventMask = 0;
  if (!AX.InputMethod) return nullptr;
  XIC Context = XCreateIC(AX.InputMethod, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                          AXid, XNFocusWindow, AXid, nullptr);
  if (!Context) return nullptr;
  unsigned long Wanted = 0;
  XGetICValues(Context, XNFilterEvents, &Wanted, nullptr);
  AEventMask = static_cast<long>(Wanted);
  return Context;
}

void HandlePointerEvent(TX11Display& AX, const XEvent& AEvent) {
  switch (AEvent.type) {
    case MotionNotify:
      AX.LastEventTime = AEvent.xmotion.time;
      QueueMotion(AX, {AEvent.xmotion.x_root, AEvent.xmotion.y_root}, AEvent.xmotion.state);
      break;
    case ButtonPress:
    case ButtonRelease:
      AX.LastEventTime = AEvent.xbutton.time;
      HandleButton(AX, AEvent.xbutton);
      break;
    default:
      AX.LastEventTime = AEvent.xcrossing.time;
      HandleCrossing(AX, AEvent.xcrossing);
      break;
  }
}

void HandleKeyEvent(TX11Display& AX, XKeyEvent& AEvent) {
  AX.LastEventTime = AEvent.time;
  const bool Pressed = AEvent.type == KeyPress;
  // Keys reach the root window while a hot key's grab lasts; the others among them
  // (the modifiers let go) still belong to the focus window.
  if (AEvent.window == AX.Root)
    if (const TX11HotKey* HotKey = FindHotKey(AX, AEvent)) {
      const UINT Modifiers = HotKey->Modifiers, VirtualKey = HotKey->VirtualKey;
      if (Pressed) QueueDelivery(AX, [=] { DeliverHotKey(Modifiers, VirtualKey); });
      return;
    }
  const UINT Modifiers = PointerModifiersOf(AEvent.state);
  UINT& Held = AX.HeldKeys[AEvent.keycode];
  if (!Pressed) {
    // The release goes with the code its press went with, whatever the keyboard
    // mapping says by now.
    const UINT Key = Held ? Held : VirtualKeyOfEvent(AEvent, NoSymbol);
    Held = 0;
    if (Key) QueueDelivery(AX, [Key, Modifiers] { DeliverKey(Key, false, "", Modifiers); });
    return;
  }
  String Text;
  const KeySym Keysym = LookUpKey(AX, AEvent, Text);
  UINT Key = VirtualKeyOfEvent(AEvent, Keysym);
  if (TypesNothing(Key)) Text.clear();
  // A character without a key of its own (an accented letter, a composed one).
  if (!Key && !Text.empty()) Key = VK_PACKET;
  if (!Key) return;
  Held = Key;
  QueueDelivery(AX, [Key, Text, Modifiers] { DeliverKey(Key, true, Text, Modifiers); });
}

void HandleFocusEvent(TX11Display& AX, const XFocusChangeEvent& AEvent) {
  // Grabs (a hot key's among them) move the focus only for their length; the focus
  // following the pointer is no focus of a window.
  if (AEvent.mode == NotifyGrab || AEvent.mode == NotifyUngrab) return;
  if (AEvent.detail == NotifyPointer || AEvent.detail == NotifyInferior) return;
  const TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.window);
  if (!TopLevel) return;
  const bool Focused = AEvent.type == FocusIn;
  if (Focused) {
    AX.FocusWindow = TopLevel->Xid;
  } else if (AX.FocusWindow == TopLevel->Xid) {
    AX.FocusWindow = 0;
  }
  if (TopLevel->InputContext) {
    if (Focused)
      XSetICFocus(TopLevel->InputContext);
    else
      XUnsetICFocus(TopLevel->InputContext);
  }
  // A change the server made before it handled the program's own last focus request
  // is out of date.
  if (AEvent.serial < AX.FocusSerial) return;
  const HWND Handle = TopLevel->Handle;
  if (Focused) {
    QueueDelivery(AX, [Handle] { DeliverTopLevelFocus(Handle, true); });
    return;
  }
  // The focus going on to another of the program's windows is no loss of it: that
  // window's FocusIn, read with this one, activates it.
  QueueDelivery(AX, [&AX, Handle] {
    if (!AX.FocusWindow) DeliverTopLevelFocus(Handle, false);
  });
}
