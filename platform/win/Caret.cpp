// The caret: one bar for the program, inverted on its owner's client area and blinked
// by a timer of the owner window whose procedure the window system calls itself.

#include "platform/win/Caret.h"

#include <vector>

#include "platform/gdi/Blit.h"
#include "platform/gdi/Primitives.h"
#include "platform/win/ExtensionsInternal.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowInternal.h"

namespace {

// A timer identifier the controls' own timers (small numbers) never use.
constexpr UINT_PTR CaretTimerId = 0xCA7E;

struct TCaret {
  HWND Owner = nullptr;
  int Width = 1;
  int Height = 1;
  POINT Position;
  // A caret is made hidden: one HideCaret to match.
  int HideLevel = 1;
  // Whether the bar is inverted on the window now, and the pixels it made there.
  bool Drawn = false;
  std::vector<COLORREF> DrawnPixels;
};

TCaret GCaret;
UINT GBlinkTime = DefaultCaretBlinkTime;

std::vector<COLORREF> PixelsUnderBar(HDC ADC) {
  std::vector<COLORREF> Pixels;
  for (int Y = 0; Y < GCaret.Height; ++Y)
    for (int X = 0; X < GCaret.Width; ++X)
      Pixels.push_back(GetPixel(ADC, GCaret.Position.X + X, GCaret.Position.Y + Y));
  return Pixels;
}

void InvertBar(HDC ADC) {
  PatBlt(ADC, GCaret.Position.X, GCaret.Position.Y, GCaret.Width, GCaret.Height, DSTINVERT);
}

void Draw() {
  if (HDC DC = GetDC(GCaret.Owner)) {
    InvertBar(DC);
    GCaret.DrawnPixels = PixelsUnderBar(DC);
    ReleaseDC(GCaret.Owner, DC);
  }
  GCaret.Drawn = true;
}

// Takes the bar off the window when it is drawn. When something painted over it
// meanwhile (a parent's background, an owner's own erasing), the pixels there are
// new and stay as they are.
void Undraw() {
  if (!GCaret.Drawn) return;
  if (HDC DC = GetDC(GCaret.Owner)) {
    if (PixelsUnderBar(DC) == GCaret.DrawnPixels) InvertBar(DC);
    ReleaseDC(GCaret.Owner, DC);
  }
  GCaret.Drawn = false;
}

void Blink() { GCaret.Drawn ? Undraw() : Draw(); }

void BlinkCaret(HWND, UINT, UINT_PTR, DWORD) {
  if (GCaret.Owner && GCaret.HideLevel == 0) Blink();
}

// Each showing starts with the bar drawn, so that a caret that moved shows at once.
void RestartBlinking() {
  if (GCaret.HideLevel == 0 && !GCaret.Drawn) Draw();
  SetTimer(GCaret.Owner, CaretTimerId, GBlinkTime, &BlinkCaret);
}

// The caret goes with its window, as in the system the program was designed on.
void ForgetCaretOf(HWND AWindow) {
  if (GCaret.Owner == AWindow) GCaret = TCaret{};
}

bool IsOwner(HWND AWindow) { return GCaret.Owner && (!AWindow || AWindow == GCaret.Owner); }

}  // namespace

bool CreateCaret(HWND AWindow, HBITMAP, int AWidth, int AHeight) {
  RequireUIThread("CreateCaret");
  static const bool Watching = [] {
    Extensions().WindowDestroying.push_back(&ForgetCaretOf);
    return true;
  }();
  (void)Watching;
  if (!FindWindowRecord(AWindow)) return false;
  DestroyCaret();
  GCaret.Owner = AWindow;
  GCaret.Width = AWidth > 0 ? AWidth : 1;
  GCaret.Height = AHeight > 0 ? AHeight : 1;
  return true;
}

bool DestroyCaret() {
  RequireUIThread("DestroyCaret");
  if (!GCaret.Owner) return false;
  Undraw();
  KillTimer(GCaret.Owner, CaretTimerId);
  GCaret = TCaret{};
  return true;
}

bool ShowCaret(HWND AWindow) {
  RequireUIThread("ShowCaret");
  if (!IsOwner(AWindow) || GCaret.HideLevel == 0) return false;
  if (--GCaret.HideLevel == 0) RestartBlinking();
  return true;
}

bool HideCaret(HWND AWindow) {
  RequireUIThread("HideCaret");
  if (!IsOwner(AWindow)) return false;
  if (GCaret.HideLevel++ == 0) {
    Undraw();
    KillTimer(GCaret.Owner, CaretTimerId);
  }
  return true;
}

bool SetCaretPos(int AX, int AY) {
  RequireUIThread("SetCaretPos");
  if (!GCaret.Owner) return false;
  if (GCaret.Position.X == AX && GCaret.Position.Y == AY) return true;
  Undraw();
  GCaret.Position = {AX, AY};
  if (GCaret.HideLevel == 0) RestartBlinking();
  return true;
}

bool GetCaretPos(POINT* APoint) {
  RequireUIThread("GetCaretPos");
  if (!APoint || !GCaret.Owner) return false;
  *APoint = GCaret.Position;
  return true;
}

bool SetCaretBlinkTime(UINT AMilliseconds) {
  RequireUIThread("SetCaretBlinkTime");
  if (AMilliseconds == 0) return false;
  GBlinkTime = AMilliseconds;
  return true;
}

UINT GetCaretBlinkTime() { return GBlinkTime; }
