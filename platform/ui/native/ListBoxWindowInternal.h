#pragma once
// What the parts of the LISTBOX window procedure share: the state kept per window and
// the step that shows a change. Internal to ListBoxWindow*.cpp.

#include <functional>

#include "platform/gdi/Fonts.h"
#include "platform/ui/native/ListBoxWindow.h"

struct TListBoxWindow {
  TListBoxModel Model;
  HFONT Font = nullptr;
  // Wheel turns smaller than a notch, kept until they add up to one.
  int WheelRemainder = 0;
};

TListBoxWindow* ListBoxWindowOf(HWND AWindow);

// Runs AChange on the model and shows what it changed: the scroll state and a repaint;
// with AByUser, LBN_SELCHANGE when the selection or the caret moved.
void ChangeListBox(HWND AWindow, TListBoxWindow& AState, bool AByUser,
                   const std::function<void(TListBoxModel&)>& AChange);
// Sends the parent WM_COMMAND with ACode when the window has LBS_NOTIFY.
void NotifyListBoxParent(HWND AWindow, WORD ACode);

// Message handlers by concern; each answers what the message answers.
LRESULT HandleListBoxMouse(HWND AWindow, TListBoxWindow& AState, UINT AMsg, WPARAM AWParam, LPARAM ALParam);
LRESULT HandleListBoxKey(HWND AWindow, TListBoxWindow& AState, WPARAM AKey);
LRESULT HandleListBoxChar(HWND AWindow, TListBoxWindow& AState, WPARAM AChar);
LRESULT HandleListBoxWheel(HWND AWindow, TListBoxWindow& AState, WPARAM AWParam);
LRESULT HandleListBoxScroll(HWND AWindow, TListBoxWindow& AState, UINT AMsg, WPARAM AWParam);
LRESULT PaintListBox(HWND AWindow, TListBoxWindow& AState, HDC AGivenDC);
