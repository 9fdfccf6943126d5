#include "platform/ui/CursorTable.h"

#include <map>

namespace {

// Registered cursors belong to the table; those still registered at the end go with
// the process.
struct TCursorTableState {
  std::map<TCursor, HCURSOR> Registered;
  TCursor ScreenCursor = crDefault;
};

TCursorTableState& Table() {
  static TCursorTableState State;
  return State;
}

HCURSOR StandardCursor(TCursor ACursor) {
  switch (ACursor) {
    case crNone:
      return nullptr;
    case crCross:
      return LoadCursor(nullptr, IDC_CROSS);
    case crIBeam:
      return LoadCursor(nullptr, IDC_IBEAM);
    case crSizeNESW:
      return LoadCursor(nullptr, IDC_SIZENESW);
    case crSizeNS:
    case crVSplit:
      return LoadCursor(nullptr, IDC_SIZENS);
    case crSizeNWSE:
      return LoadCursor(nullptr, IDC_SIZENWSE);
    case crSizeWE:
    case crHSplit:
      return LoadCursor(nullptr, IDC_SIZEWE);
    case crUpArrow:
      return LoadCursor(nullptr, IDC_UPARROW);
    case crHourGlass:
    case crSQLWait:
      return LoadCursor(nullptr, IDC_WAIT);
    case crNo:
    case crNoDrop:
      return LoadCursor(nullptr, IDC_NO);
    case crAppStart:
      return LoadCursor(nullptr, IDC_APPSTARTING);
    case crHandPoint:
      return LoadCursor(nullptr, IDC_HAND);
    case crSizeAll:
      return LoadCursor(nullptr, IDC_SIZEALL);
    default:
      return LoadCursor(nullptr, IDC_ARROW);
  }
}

}  // namespace

HCURSOR CursorHandle(TCursor ACursor) {
  if (ACursor > 0) {
    auto It = Table().Registered.find(ACursor);
    if (It != Table().Registered.end()) return It->second;
  }
  return StandardCursor(ACursor);
}

void SetCursorHandle(TCursor ACursor, HCURSOR AHandle) {
  if (ACursor <= 0) return;
  auto& Registered = Table().Registered;
  auto It = Registered.find(ACursor);
  if (It != Registered.end()) {
    if (It->second == AHandle) return;
    DestroyCursor(It->second);
    Registered.erase(It);
  }
  if (AHandle) Registered[ACursor] = AHandle;
}

TCursor ScreenCursor() { return Table().ScreenCursor; }

void SetScreenCursor(TCursor ACursor) { Table().ScreenCursor = ACursor; }
