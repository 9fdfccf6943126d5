#include "platform/win/Cursors.h"

#include <array>
#include <map>
#include <memory>

#include "platform/base/Files.h"
#include "platform/win/Backend.h"
#include "platform/win/InputStateInternal.h"
#include "platform/win/PointerInputInternal.h"
#include "platform/win/WindowInternal.h"

namespace {

constexpr std::array<WORD, 13> StandardShapes = {32512, 32513, 32514, 32515, 32516, 32642, 32643,
                                                 32644, 32645, 32646, 32648, 32649, 32650};

// The standard cursors, made on first use and kept for the life of the program, and the
// cursors read from files, kept until DestroyCursor.
struct TCursorTable {
  std::map<WORD, std::unique_ptr<TIconObject>> Standard;
  std::map<HCURSOR, std::unique_ptr<TIconObject>> Loaded;
};

TCursorTable& Cursors() {
  static TCursorTable Instance;
  return Instance;
}

bool IsLiveCursor(HCURSOR ACursor) {
  if (Cursors().Loaded.count(ACursor)) return true;
  for (const auto& [Shape, Cursor] : Cursors().Standard)
    if (Cursor.get() == ACursor) return true;
  return false;
}

// Tells the backend what to show: the cursor, or none while ShowCursor hides it.
void ShowCurrentCursor() {
  const TInputState& S = InputState();
  Backend().SetCursorShape(S.CursorShowCount >= 0 ? S.Cursor : nullptr);
}

}  // namespace

HCURSOR LoadCursor(HINSTANCE AInstance, LPCSTR AName) {
  RequireUIThread("LoadCursor");
  const auto Id = reinterpret_cast<uintptr_t>(AName);
  if (AInstance || Id > 0xFFFF) return nullptr;
  const auto Shape = static_cast<WORD>(Id);
  if (std::find(StandardShapes.begin(), StandardShapes.end(), Shape) == StandardShapes.end()) return nullptr;
  auto& Slot = Cursors().Standard[Shape];
  if (!Slot) {
    Slot = std::make_unique<TIconObject>();
    Slot->StandardShape = Shape;
  }
  return Slot.get();
}

HCURSOR LoadCursorFromFile(const char* AFileName) {
  RequireUIThread("LoadCursorFromFile");
  if (!AFileName) return nullptr;
  auto Cursor = std::make_unique<TIconObject>();
  try {
    const String Data = ReadFileToString(AFileName);
    const std::span<const uint8_t> Bytes(reinterpret_cast<const uint8_t*>(Data.data()), Data.size());
    const TPictureFormat Format = DetectPictureFormat(Bytes);
    if (Format != pcfCursor && Format != pcfIcon) return nullptr;
    Cursor->Image = DecodeIcon(Bytes);
  } catch (const Exception&) {
    // The caller hears of an unreadable file by the null handle, as LoadCursorFromFile
    // reports it on the system the program was designed on.
    return nullptr;
  }
  const HCURSOR Handle = Cursor.get();
  Cursors().Loaded.emplace(Handle, std::move(Cursor));
  return Handle;
}

bool DestroyCursor(HCURSOR ACursor) {
  RequireUIThread("DestroyCursor");
  const auto Found = Cursors().Loaded.find(ACursor);
  if (Found == Cursors().Loaded.end()) return IsLiveCursor(ACursor);
  if (InputState().Cursor == ACursor) SetCursor(LoadCursor(nullptr, IDC_ARROW));
  Cursors().Loaded.erase(Found);
  return true;
}

HCURSOR SetCursor(HCURSOR ACursor) {
  RequireUIThread("SetCursor");
  if (ACursor && !IsLiveCursor(ACursor)) return nullptr;
  TInputState& S = InputState();
  const HCURSOR Previous = S.Cursor;
  if (ACursor == Previous) return Previous;
  S.Cursor = ACursor;
  ShowCurrentCursor();
  return Previous;
}

HCURSOR GetCursor() {
  RequireUIThread("GetCursor");
  return InputState().Cursor;
}

int ShowCursor(bool AShow) {
  RequireUIThread("ShowCursor");
  TInputState& S = InputState();
  const bool WasShown = S.CursorShowCount >= 0;
  S.CursorShowCount += AShow ? 1 : -1;
  if (WasShown != (S.CursorShowCount >= 0)) ShowCurrentCursor();
  return S.CursorShowCount;
}

bool GetCursorPos(POINT* APoint) {
  RequireUIThread("GetCursorPos");
  if (!APoint) return false;
  *APoint = InputState().Pointer;
  return true;
}

bool SetCursorPos(int AX, int AY) {
  RequireUIThread("SetCursorPos");
  const TPoint Position{AX, AY};
  Backend().SetPointerPosition(Position);
  RoutePointerMotion(Position, true);
  return true;
}
