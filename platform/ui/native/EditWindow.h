#pragma once
// The EDIT window class: the window system's edit control, single- or multi-line,
// with the styles, messages and notifications of EditMessages.h. User-interface
// thread only.
//
// What it does, beyond the messages' own contracts:
// - Text is UTF-8; positions count code points; a line break is one LF (CR LF and CR
//   arriving in the text become LF). Where Enter cannot make a line (no ES_MULTILINE,
//   or no ES_WANTRETURN), line breaks the user pastes become one blank each, so a text
//   edited there stays one line; a single-line edit turns every line break into a
//   blank.
// - Painting: WM_PAINT with a device context in wParam paints into it without
//   BeginPaint. Before drawing, the edit asks its parent with WM_CTLCOLOREDIT (or
//   WM_CTLCOLORSTATIC when read-only or disabled): the DC's text colour and
//   background mode are used for the glyphs, and the brush answered fills the client
//   area, except that the stock NULL_BRUSH fills nothing: then only glyphs and the
//   selection are drawn. The caret is hidden while painting.
// - The caret is the window system's (Caret.h), made on WM_SETFOCUS and destroyed on
//   WM_KILLFOCUS; the selection shows only while focused, unless ES_NOHIDESEL.
// - Scroll state: with WS_VSCROLL the vertical state (range 0 .. lines − 1, page the
//   lines that fit, position the first visible line) and with WS_HSCROLL the
//   horizontal one (pixels) are kept for GetScrollInfo, while WM_NCCALCSIZE gives the
//   bars no room; no bar is drawn. All positions are 32-bit (ScrollPosOf).
// - Right click and the menu key reach the parent as WM_CONTEXTMENU (the window
//   system's default handling); the edit has no menu of its own.
// - A refused edit (read-only, a character the edit cannot take) beeps (MessageBeep).

// Registers the class "EDIT" when it is not registered yet (the window system forgets
// its classes when it stops).
void RegisterEditClass();
