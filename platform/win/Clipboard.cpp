#include "platform/win/Clipboard.h"

#include <memory>
#include <optional>

#include "platform/win/Backend.h"
#include "platform/win/WindowInternal.h"

namespace {

struct TClipboard {
  bool Open = false;
  // Whether the text was emptied or replaced since the clipboard was opened: closing it
  // then offers the text to other programs.
  bool Changed = false;
  std::unique_ptr<TClipboardBlock> Text;
};

TClipboard& Clipboard() {
  static TClipboard Instance;
  return Instance;
}

bool IsTextFormat(UINT AFormat) { return AFormat == CF_TEXT || AFormat == CF_UNICODETEXT; }

// Takes over the text of another program that has put its own on the desktop's
// clipboard since the program last did.
void TakeForeignText() {
  std::optional<String> Foreign;
  if (!Backend().ReadForeignClipboardText(Foreign)) return;
  if (Foreign)
    Clipboard().Text = std::make_unique<TClipboardBlock>(TClipboardBlock{*Foreign});
  else
    Clipboard().Text.reset();
}

}  // namespace

HGLOBAL AllocClipboardText(const String& AText) { return new TClipboardBlock{AText}; }

void FreeClipboardBlock(HGLOBAL ABlock) { delete ABlock; }

bool OpenClipboard(HWND) {
  RequireUIThread("OpenClipboard");
  if (Clipboard().Open) return false;
  TakeForeignText();
  Clipboard().Open = true;
  Clipboard().Changed = false;
  return true;
}

bool CloseClipboard() {
  RequireUIThread("CloseClipboard");
  if (!Clipboard().Open) return false;
  Clipboard().Open = false;
  if (Clipboard().Changed) {
    const TClipboardBlock* Text = Clipboard().Text.get();
    Backend().OfferClipboardText(Text ? std::optional<String>(Text->Text) : std::nullopt);
  }
  return true;
}

bool EmptyClipboard() {
  RequireUIThread("EmptyClipboard");
  if (!Clipboard().Open) return false;
  Clipboard().Text.reset();
  Clipboard().Changed = true;
  return true;
}

HGLOBAL SetClipboardData(UINT AFormat, HGLOBAL ABlock) {
  RequireUIThread("SetClipboardData");
  if (!Clipboard().Open || !IsTextFormat(AFormat) || !ABlock) return nullptr;
  if (ABlock != Clipboard().Text.get()) Clipboard().Text.reset(ABlock);
  Clipboard().Changed = true;
  return ABlock;
}

HGLOBAL GetClipboardData(UINT AFormat) {
  RequireUIThread("GetClipboardData");
  if (!Clipboard().Open || !IsTextFormat(AFormat)) return nullptr;
  return Clipboard().Text.get();
}

bool IsClipboardFormatAvailable(UINT AFormat) {
  RequireUIThread("IsClipboardFormatAvailable");
  if (!Clipboard().Open) TakeForeignText();
  return IsTextFormat(AFormat) && Clipboard().Text != nullptr;
}
