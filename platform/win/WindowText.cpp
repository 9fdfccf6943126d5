#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowTree.h"

bool SetWindowText(HWND AWindow, const char* AText) {
  RequireUIThread("SetWindowText");
  if (!FindWindowRecord(AWindow)) return false;
  return SendMessage(AWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(AText ? AText : "")) != 0;
}

int GetWindowText(HWND AWindow, char* AText, int AMaxCount) {
  RequireUIThread("GetWindowText");
  if (!AText || AMaxCount <= 0) return 0;
  AText[0] = '\0';
  return static_cast<int>(
      SendMessage(AWindow, WM_GETTEXT, static_cast<WPARAM>(AMaxCount), reinterpret_cast<LPARAM>(AText)));
}

int GetWindowTextLength(HWND AWindow) {
  RequireUIThread("GetWindowTextLength");
  return static_cast<int>(SendMessage(AWindow, WM_GETTEXTLENGTH, 0, 0));
}

String GetWindowText(HWND AWindow) {
  const int Length = GetWindowTextLength(AWindow);
  if (Length <= 0) return String();
  String Text(static_cast<std::size_t>(Length) + 1, '\0');
  Text.resize(static_cast<std::size_t>(GetWindowText(AWindow, Text.data(), Length + 1)));
  return Text;
}
