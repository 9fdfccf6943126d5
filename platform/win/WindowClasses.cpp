#include <cstring>
#include <map>
#include <set>

#include "platform/win/WindowClassRecordInternal.h"
#include "platform/win/WindowInternal.h"

namespace {

struct TCaseInsensitiveLess {
  bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};

// Class atoms come from 0xC000 to 0xFFFF, as elsewhere; an unregistered class gives
// its atom back.
constexpr unsigned FirstAtom = 0xC000;
constexpr unsigned AtomCount = 0x10000 - FirstAtom;

struct TClassTable {
  std::map<String, std::shared_ptr<TWindowClass>, TCaseInsensitiveLess> Classes;
  std::set<ATOM> UsedAtoms;
  unsigned NextAtom = 0;
};

TClassTable& Classes() {
  static TClassTable Instance;
  return Instance;
}

// A free atom, or 0 when every one is taken.
ATOM AllocateAtom(TClassTable& ATable) {
  for (unsigned Tried = 0; Tried < AtomCount; ++Tried) {
    const auto Atom = static_cast<ATOM>(FirstAtom + (ATable.NextAtom++ % AtomCount));
    if (ATable.UsedAtoms.insert(Atom).second) return Atom;
  }
  return 0;
}

ATOM Register(const WNDCLASSEX& AClass) {
  RequireUIThread("RegisterClass");
  if (!AClass.lpszClassName || !*AClass.lpszClassName || !AClass.lpfnWndProc) return 0;
  TClassTable& T = Classes();
  if (T.Classes.count(AClass.lpszClassName)) return 0;
  const ATOM Atom = AllocateAtom(T);
  if (!Atom) return 0;
  auto Class = std::make_shared<TWindowClass>();
  Class->Name = AClass.lpszClassName;
  Class->Atom = Atom;
  Class->Style = AClass.style;
  Class->WndProc = AClass.lpfnWndProc;
  Class->Instance = AClass.hInstance;
  Class->Icon = AClass.hIcon;
  Class->SmallIcon = AClass.hIconSm;
  Class->Cursor = AClass.hCursor;
  Class->Background = AClass.hbrBackground;
  T.Classes.emplace(Class->Name, Class);
  return Class->Atom;
}

WNDCLASSEX Widen(const WNDCLASS& AClass) {
  WNDCLASSEX Result;
  Result.style = AClass.style;
  Result.lpfnWndProc = AClass.lpfnWndProc;
  Result.cbClsExtra = AClass.cbClsExtra;
  Result.cbWndExtra = AClass.cbWndExtra;
  Result.hInstance = AClass.hInstance;
  Result.hIcon = AClass.hIcon;
  Result.hCursor = AClass.hCursor;
  Result.hbrBackground = AClass.hbrBackground;
  Result.lpszMenuName = AClass.lpszMenuName;
  Result.lpszClassName = AClass.lpszClassName;
  return Result;
}

TWindowClass* ClassOfWindow(HWND AWindow) {
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window && Window->Class ? Window->Class.get() : nullptr;
}

}  // namespace

std::shared_ptr<TWindowClass> FindWindowClass(const char* AName) {
  if (!AName) return nullptr;
  auto& Table = Classes().Classes;
  const auto Found = Table.find(AName);
  return Found == Table.end() ? nullptr : Found->second;
}

void ClearWindowClasses() {
  Classes().Classes.clear();
  Classes().UsedAtoms.clear();
}

ATOM RegisterClass(const WNDCLASS* AClass) { return AClass ? Register(Widen(*AClass)) : 0; }

ATOM RegisterClassEx(const WNDCLASSEX* AClass) {
  return AClass && AClass->cbSize == sizeof(WNDCLASSEX) ? Register(*AClass) : 0;
}

bool UnregisterClass(const char* AClassName, HINSTANCE) {
  RequireUIThread("UnregisterClass");
  auto& Table = Classes().Classes;
  const auto Found = AClassName ? Table.find(AClassName) : Table.end();
  // The table holds one reference; every window of the class holds another.
  if (Found == Table.end() || Found->second.use_count() > 1) return false;
  Classes().UsedAtoms.erase(Found->second->Atom);
  Table.erase(Found);
  return true;
}

bool GetClassInfo(HINSTANCE, const char* AClassName, WNDCLASS* AClass) {
  RequireUIThread("GetClassInfo");
  const auto Class = FindWindowClass(AClassName);
  if (!Class || !AClass) return false;
  *AClass = WNDCLASS{};
  AClass->style = Class->Style;
  AClass->lpfnWndProc = Class->WndProc;
  AClass->hInstance = Class->Instance;
  AClass->hIcon = Class->Icon;
  AClass->hCursor = Class->Cursor;
  AClass->hbrBackground = Class->Background;
  AClass->lpszClassName = Class->Name.c_str();
  return true;
}

String GetClassName(HWND AWindow) {
  RequireUIThread("GetClassName");
  const TWindowClass* Class = ClassOfWindow(AWindow);
  return Class ? Class->Name : String();
}

int GetClassName(HWND AWindow, char* AClassName, int AMaxCount) {
  if (!AClassName || AMaxCount <= 0) return 0;
  const String Name = GetClassName(AWindow);
  const int Length = std::min(static_cast<int>(Name.size()), AMaxCount - 1);
  std::memcpy(AClassName, Name.data(), static_cast<std::size_t>(Length));
  AClassName[Length] = '\0';
  return Length;
}

LONG_PTR GetClassLong(HWND AWindow, int AIndex) {
  RequireUIThread("GetClassLong");
  const TWindowClass* Class = ClassOfWindow(AWindow);
  if (!Class) return 0;
  switch (AIndex) {
    case GCL_STYLE:
      return Class->Style;
    case GCL_WNDPROC:
      return reinterpret_cast<LONG_PTR>(Class->WndProc);
    case GCL_HCURSOR:
      return reinterpret_cast<LONG_PTR>(Class->Cursor);
    case GCL_HICON:
      return reinterpret_cast<LONG_PTR>(Class->Icon);
    case GCL_HBRBACKGROUND:
      return reinterpret_cast<LONG_PTR>(Class->Background);
    default:
      return 0;
  }
}

LONG_PTR SetClassLong(HWND AWindow, int AIndex, LONG_PTR AValue) {
  RequireUIThread("SetClassLong");
  TWindowClass* Class = ClassOfWindow(AWindow);
  if (!Class) return 0;
  const LONG_PTR Old = GetClassLong(AWindow, AIndex);
  switch (AIndex) {
    case GCL_STYLE:
      Class->Style = static_cast<UINT>(AValue);
      break;
    case GCL_WNDPROC:
      Class->WndProc = reinterpret_cast<WNDPROC>(AValue);
      break;
    case GCL_HCURSOR:
      Class->Cursor = reinterpret_cast<HCURSOR>(AValue);
      break;
    case GCL_HICON:
      Class->Icon = reinterpret_cast<HICON>(AValue);
      break;
    case GCL_HBRBACKGROUND:
      Class->Background = reinterpret_cast<HBRUSH>(AValue);
      break;
    default:
      return 0;
  }
  return Old;
}
