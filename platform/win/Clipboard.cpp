#include "platform/win/Clipboard.h"

#include <memory>

#include "platform/win/Window.h"

namespace {

struct TClipboard {
  bool Open = false;
  std::unique_ptr<TClipboardBlock> Text;
};

TClipboard& Clipboard() {
  static TClipboard Instance;
  return Instance;
}

bool IsTextFormat(UINT AFormat) { return AFormat == CF_TEXT || AFormat == CF_UNICODETEXT; }

}  // namespace

HGLOBAL AllocClipboardText(const String& AText) { return new TClipboardBlock{AText}; }

void FreeClipboardBlock(HGLOBAL ABlock) { delete ABlock; }

bool OpenClipboard(HWND) {
  RequireUIThread("OpenClipboard");
  if (Clipboard().Open) return false;
  Clipboard().Open = true;
  return true;
}

bool CloseClipboard() {
  RequireUIThread("CloseClipboard");
  if (!Clipboard().Open) return false;
  Clipboard().Open = false;
  return true;
}

bool EmptyClipboard() {
  RequireUIThread("EmptyClipboard");
  if (!Clipboard().Open) return false;
  Clipboard().Text.reset();
  return true;
}

HGLOBAL SetClipboardData(UINT AFormat, HGLOBAL ABlock) {
  RequireUIThread("SetClipboardData");
  if (!Clipboard().Open || !IsTextFormat(AFormat) || !ABlock) return nullptr;
  if (ABlock != Clipboard().Text.get()) Clipboard().Text.reset(ABlock);
  return ABlock;
}

HGLOBAL GetClipboardData(UINT AFormat) {
  RequireUIThread("GetClipboardData");
  if (!Clipboard().Open || !IsTextFormat(AFormat)) return nullptr;
  return Clipboard().Text.get();
}

bool IsClipboardFormatAvailable(UINT AFormat) {
  RequireUIThread("IsClipboardFormatAvailable");
  return IsTextFormat(AFormat) && Clipboard().Text != nullptr;
}
