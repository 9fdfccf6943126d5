// TMemoStrings: a memo's lines over its window's line messages.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/ui/native/Memo.h"
#include "platform/win/Windows.h"

HWND TMemoStrings::Window() const { return FMemo.Handle(); }

int TMemoStrings::LineStart(int AIndex) const {
  return static_cast<int>(SendMessage(Window(), EM_LINEINDEX, static_cast<WPARAM>(AIndex), 0));
}

int TMemoStrings::LineLength(int AStart) const {
  return static_cast<int>(SendMessage(Window(), EM_LINELENGTH, static_cast<WPARAM>(AStart), 0));
}

int TMemoStrings::GetCount() const {
  const int Count = static_cast<int>(SendMessage(Window(), EM_GETLINECOUNT, 0, 0));
  // An empty last line (the text is empty or ends in a line break) is no line.
  return LineLength(LineStart(Count - 1)) == 0 ? Count - 1 : Count;
}

String TMemoStrings::Get(int AIndex) const {
  if (AIndex < 0 || AIndex >= GetCount()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  // Four bytes per code point are always room enough.
  std::vector<char> Buffer(static_cast<size_t>(LineLength(LineStart(AIndex))) * 4 + sizeof(WORD));
  const auto Size = static_cast<WORD>(std::min<size_t>(Buffer.size(), 0xFFFF));
  std::memcpy(Buffer.data(), &Size, sizeof(Size));
  const auto Copied =
      SendMessage(Window(), EM_GETLINE, static_cast<WPARAM>(AIndex), reinterpret_cast<LPARAM>(Buffer.data()));
  return String(Buffer.data(), static_cast<size_t>(Copied));
}

void TMemoStrings::Replace(int AStart, int AEnd, const String& AText) {
  SendMessage(Window(), EM_SETSEL, static_cast<WPARAM>(AStart), AEnd);
  SendMessage(Window(), EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(AText.c_str()));
}

void TMemoStrings::Put(int AIndex, const String& AText) {
  if (AIndex < 0 || AIndex >= GetCount()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  const int Start = LineStart(AIndex);
  Replace(Start, Start + LineLength(Start), AText);
}

// Before an existing line the text goes in with its line break; after the last line
// the line break goes first.
void TMemoStrings::Insert(int AIndex, const String& AText) {
  const int Count = GetCount();
  if (AIndex < 0 || AIndex > Count) throw EListError(Format("List index out of bounds (%d)", AIndex));
  const int Start = LineStart(AIndex);
  if (Start >= 0) return Replace(Start, Start, AText + "\n");
  const int LastStart = LineStart(AIndex - 1);
  const int End = LastStart + LineLength(LastStart);
  Replace(End, End, "\n" + AText);
}

void TMemoStrings::Delete(int AIndex) {
  if (AIndex < 0 || AIndex >= GetCount()) throw EListError(Format("List index out of bounds (%d)", AIndex));
  const int Start = LineStart(AIndex);
  int End = LineStart(AIndex + 1);
  if (End < 0) End = Start + LineLength(Start);
  Replace(Start, End, "");
}

void TMemoStrings::Clear() { FMemo.SetText(""); }

void TMemoStrings::SetUpdateState(bool AUpdating) {
  if (!FMemo.HandleAllocated()) return;
  SendMessage(Window(), WM_SETREDRAW, AUpdating ? 0 : 1, 0);
  if (!AUpdating) FMemo.Invalidate();
}
