#pragma once
// Keys: virtual-key codes and the state of keys and mouse buttons. User-interface
// thread only.
//
// A key going down reaches the focus window as WM_KEYDOWN (wParam the virtual-key
// code; lParam bits 0-15 the repeat count, 16-23 the scan code, 24 extended key, 29
// Alt held, 30 the key was down before, 31 the key is going up), or as WM_SYSKEYDOWN
// while Alt is held without Ctrl, for F10 and Alt itself, and whenever no window has
// the focus (the active window gets the keys then). TranslateMessage turns a key-down
// message into one WM_CHAR (WM_SYSCHAR for WM_SYSKEYDOWN) per character the key
// produces, wParam the character's Unicode code point (never a UTF-16 half), lParam
// that of the key message. Ctrl with a letter produces the control character
// (Ctrl+C gives 3).
//
// The menu key: when a WM_SYSKEYUP of Alt pressed and released with no other key
// pressed in between, or of F10, reaches DefWindowProc, it sends WM_SYSCOMMAND
// SC_KEYMENU (lParam 0) to the window's top-level window.

#include "platform/win/WindowTypes.h"

constexpr UINT VK_LBUTTON = 0x01;
constexpr UINT VK_RBUTTON = 0x02;
constexpr UINT VK_CANCEL = 0x03;
constexpr UINT VK_MBUTTON = 0x04;
constexpr UINT VK_BACK = 0x08;
constexpr UINT VK_TAB = 0x09;
constexpr UINT VK_CLEAR = 0x0C;
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_SHIFT = 0x10;
constexpr UINT VK_CONTROL = 0x11;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_PAUSE = 0x13;
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_PRIOR = 0x21;
constexpr UINT VK_NEXT = 0x22;
constexpr UINT VK_END = 0x23;
constexpr UINT VK_HOME = 0x24;
constexpr UINT VK_LEFT = 0x25;
constexpr UINT VK_UP = 0x26;
constexpr UINT VK_RIGHT = 0x27;
constexpr UINT VK_DOWN = 0x28;
constexpr UINT VK_SNAPSHOT = 0x2C;
constexpr UINT VK_INSERT = 0x2D;
constexpr UINT VK_DELETE = 0x2E;
constexpr UINT VK_HELP = 0x2F;
// '0' to '9' and 'A' to 'Z' are their own codes.
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT VK_RWIN = 0x5C;
constexpr UINT VK_APPS = 0x5D;
constexpr UINT VK_NUMPAD0 = 0x60;
constexpr UINT VK_NUMPAD9 = 0x69;
constexpr UINT VK_MULTIPLY = 0x6A;
constexpr UINT VK_ADD = 0x6B;
constexpr UINT VK_SEPARATOR = 0x6C;
constexpr UINT VK_SUBTRACT = 0x6D;
constexpr UINT VK_DECIMAL = 0x6E;
constexpr UINT VK_DIVIDE = 0x6F;
constexpr UINT VK_F1 = 0x70;
constexpr UINT VK_F2 = 0x71;
constexpr UINT VK_F3 = 0x72;
constexpr UINT VK_F4 = 0x73;
constexpr UINT VK_F5 = 0x74;
constexpr UINT VK_F6 = 0x75;
constexpr UINT VK_F7 = 0x76;
constexpr UINT VK_F8 = 0x77;
constexpr UINT VK_F9 = 0x78;
constexpr UINT VK_F10 = 0x79;
constexpr UINT VK_F11 = 0x7A;
constexpr UINT VK_F12 = 0x7B;
constexpr UINT VK_F24 = 0x87;
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;
// The left and right modifier keys; key messages carry VK_SHIFT, VK_CONTROL and
// VK_MENU, and GetKeyState answers for both kinds.
constexpr UINT VK_LSHIFT = 0xA0;
constexpr UINT VK_RSHIFT = 0xA1;
constexpr UINT VK_LCONTROL = 0xA2;
constexpr UINT VK_RCONTROL = 0xA3;
constexpr UINT VK_LMENU = 0xA4;
constexpr UINT VK_RMENU = 0xA5;
constexpr UINT VK_OEM_1 = 0xBA;
constexpr UINT VK_OEM_PLUS = 0xBB;
constexpr UINT VK_OEM_COMMA = 0xBC;
constexpr UINT VK_OEM_MINUS = 0xBD;
constexpr UINT VK_OEM_PERIOD = 0xBE;
constexpr UINT VK_OEM_2 = 0xBF;
constexpr UINT VK_OEM_3 = 0xC0;
constexpr UINT VK_OEM_4 = 0xDB;
constexpr UINT VK_OEM_5 = 0xDC;
constexpr UINT VK_OEM_6 = 0xDD;
constexpr UINT VK_OEM_7 = 0xDE;
// A character typed without a key of its own (an accented letter from an input method,
// text pasted by a tool): the key message carries VK_PACKET, the WM_CHAR the character.
constexpr UINT VK_PACKET = 0xE7;

// The state of a key or mouse button as of the input message last taken off the queue:
// negative (bit 15) while down; bit 0 set while toggled (every press of a key flips
// it: caps lock and num lock read it as their lock state).
int16_t GetKeyState(int AVirtualKey);
// The state of a key or mouse button now, as the devices report it: negative while
// down.
int16_t GetAsyncKeyState(int AVirtualKey);
