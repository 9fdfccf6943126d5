#pragma once
// The text clipboard. User-interface thread only.
//
// The clipboard holds one text, in UTF-8 under both text formats: CF_UNICODETEXT and
// CF_TEXT name the same data here. It lives in the process and is shared with other
// programs through the backend (the desktop's CLIPBOARD selection under x11): closing
// the clipboard after changing it offers the text to them, and opening it (or asking
// IsClipboardFormatAvailable while it is closed) takes over the text another program
// has put there since.
//
//   if (OpenClipboard(Window)) {
//     EmptyClipboard();
//     SetClipboardData(CF_UNICODETEXT, AllocClipboardText(Text));
//     CloseClipboard();
//   }

#include "platform/base/Strings.h"
#include "platform/win/WindowTypes.h"

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

// A block of clipboard data: a UTF-8 text. The caller owns a block it allocated until
// SetClipboardData takes it; blocks GetClipboardData gives belong to the clipboard and
// stay valid until the clipboard is emptied or its text replaced.
struct TClipboardBlock {
  String Text;
};
using HGLOBAL = TClipboardBlock*;

HGLOBAL AllocClipboardText(const String& AText);
// Frees a block the caller still owns; nullptr is ignored.
void FreeClipboardBlock(HGLOBAL ABlock);

// Opens the clipboard for AOwner (may be nullptr); false while it is open already.
bool OpenClipboard(HWND AOwner);
// False when the clipboard is not open.
bool CloseClipboard();
// Removes the text; the clipboard must be open.
bool EmptyClipboard();
// Replaces the text with the block's and takes ownership of the block; returns the
// block. nullptr, and the caller keeps the block, when the clipboard is not open, the
// format is not a text format or the block is nullptr.
HGLOBAL SetClipboardData(UINT AFormat, HGLOBAL ABlock);
// The clipboard's text block for a text format; nullptr when the clipboard is not
// open, holds no text or the format is not a text format.
HGLOBAL GetClipboardData(UINT AFormat);
bool IsClipboardFormatAvailable(UINT AFormat);
