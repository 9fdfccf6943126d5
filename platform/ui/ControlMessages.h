#pragma once
// The class library's own messages, with its numbers: the CM_ notifications that
// controls send one another (CM_BASE 0xB000 on), and the CN_ messages, a parent's
// WM_ notifications reflected to the child control they concern (CN_BASE 0xBC00 plus
// the WM_ number). Also the message record that window procedures of controls take.

#include <functional>

#include "platform/win/Messages.h"

constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
// lParam: the control that was pressed (the one that asks the others to give up their
// modes), or 0.
constexpr UINT CM_CANCELMODE = CM_BASE + 4;
// wParam: the virtual key; lParam: the key data. Answer non-zero to take the key.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// wParam: the character; lParam: the key data. Answer non-zero to take it.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// lParam: the control that now has the focus (nullptr: none). Broadcast to every
// control of the top-level control.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
// wParam 0: take the parent's font (colour); wParam non-zero: lParam is the TFont*
// (TColor) to take.
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
// lParam: the point (client coordinates, packed); answer non-zero when the point
// belongs to the control (the default: every point of its rectangle does).
constexpr UINT CM_HITTEST = CM_BASE + 10;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// Sent to the control the pointer entered or left, lParam 0. The library itself does
// nothing with them: controls that have OnMouseEnter and OnMouseLeave events (the
// skinned ones) raise them from their handlers.
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
// wParam: an arrow, Tab, Enter or Escape key. Answer non-zero to receive that key as
// an ordinary key instead of it moving the focus or reaching the dialog keys.
constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr UINT CM_RELEASE = CM_BASE + 33;
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
// wParam: the key; lParam: the control the key came to. Answer non-zero to take it.
constexpr UINT CM_CHILDKEY = CM_BASE + 46;
constexpr UINT CM_HINTSHOW = CM_BASE + 48;
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
constexpr UINT CM_SYSFONTCHANGED = CM_BASE + 53;

constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
// The key messages, sent by the application's message loop to the focused control
// before the message is dispatched; answering non-zero consumes the key.
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

// WM_GETDLGCODE answers: what keys a control wants for itself.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// A message as a control's window procedure takes it; the handler sets Result.
struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// A window procedure of the class library: a method that handles the message and sets
// its Result.
using TWndMethod = std::function<void(TMessage&)>;

// A key message read out: the virtual key (or character) and the key data.
struct TWMKey {
  UINT Msg = 0;
  WORD CharCode = 0;
  LPARAM KeyData = 0;
  LRESULT Result = 0;

  static TWMKey From(const TMessage& AMessage) {
    return {AMessage.Msg, LOWORD(AMessage.WParam), AMessage.LParam, AMessage.Result};
  }
};

// Bit 29 of the key data: Alt was down.
constexpr LPARAM AltMask = 0x20000000;
