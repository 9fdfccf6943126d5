#pragma once
// Window classes: the procedure, class style, cursor and background that windows of a
// class share. Class names are compared without regard to case, as the window system
// the program was designed on does. User-interface thread only.

#include "platform/gdi/DrawingObjects.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTypes.h"

struct WNDCLASS {
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;
  const char* lpszMenuName = nullptr;
  const char* lpszClassName = nullptr;
};

struct WNDCLASSEX {
  UINT cbSize = sizeof(WNDCLASSEX);
  UINT style = 0;
  WNDPROC lpfnWndProc = nullptr;
  int cbClsExtra = 0;
  int cbWndExtra = 0;
  HINSTANCE hInstance = nullptr;
  HICON hIcon = nullptr;
  HCURSOR hCursor = nullptr;
  HBRUSH hbrBackground = nullptr;
  const char* lpszMenuName = nullptr;
  const char* lpszClassName = nullptr;
  HICON hIconSm = nullptr;
};

// Registers a class; returns its atom (non-zero), or 0 when the name is empty, the
// procedure is missing or a class of that name exists already.
ATOM RegisterClass(const WNDCLASS* AClass);
ATOM RegisterClassEx(const WNDCLASSEX* AClass);
// Fails while windows of the class exist.
bool UnregisterClass(const char* AClassName, HINSTANCE AInstance);
// Fills AClass (lpszClassName points to the registered name) and returns true when
// the class is registered.
bool GetClassInfo(HINSTANCE AInstance, const char* AClassName, WNDCLASS* AClass);

// Copies the window's class name, cut to AMaxCount - 1 bytes, and returns its length.
int GetClassName(HWND AWindow, char* AClassName, int AMaxCount);
// The class name as a String; empty for a handle that names no window.
String GetClassName(HWND AWindow);

// GCL_STYLE, GCL_WNDPROC, GCL_HCURSOR, GCL_HICON, GCL_HBRBACKGROUND of the window's
// class. SetClassLong changes the class for every window of it (the drop shadow of
// popups is switched this way) and returns the previous value; 0 for an unknown index.
LONG_PTR GetClassLong(HWND AWindow, int AIndex);
LONG_PTR SetClassLong(HWND AWindow, int AIndex, LONG_PTR AValue);
inline LONG_PTR GetClassLongPtr(HWND AWindow, int AIndex) { return GetClassLong(AWindow, AIndex); }
inline LONG_PTR SetClassLongPtr(HWND AWindow, int AIndex, LONG_PTR AValue) {
  return SetClassLong(AWindow, AIndex, AValue);
}
