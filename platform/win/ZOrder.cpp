// Stacking of siblings. Among top-level windows the topmost ones come first; an owned
// window stays above its owner and moves with it.

#include <algorithm>

#include "platform/win/Backend.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowPosInternal.h"

namespace {

bool IsTopmost(HWND AWindow) {
  const TWindow* Window = FindWindowRecord(AWindow);
  return Window && (Window->ExStyle & WS_EX_TOPMOST);
}

std::size_t CountTopmost(const std::vector<HWND>& AWindows) {
  return static_cast<std::size_t>(std::count_if(AWindows.begin(), AWindows.end(), IsTopmost));
}

bool IsOwnedBy(HWND AWindow, HWND AOwner) {
  for (const TWindow* Window = FindWindowRecord(AWindow); Window && Window->Owner;
       Window = FindWindowRecord(Window->Owner))
    if (Window->Owner == AOwner) return true;
  return false;
}

// The top-level windows AOwner owns, directly or through others, in stacking order.
std::vector<HWND> OwnedWindows(HWND AOwner) {
  std::vector<HWND> Owned;
  for (HWND Window : DesktopRecord().Children)
    if (IsOwnedBy(Window, AOwner)) Owned.push_back(Window);
  return Owned;
}

void SetTopmost(HWND AWindow, bool ATopmost, std::vector<HWND>& AChanged) {
  TWindow* Window = FindWindowRecord(AWindow);
  const DWORD ExStyle = ATopmost ? Window->ExStyle | WS_EX_TOPMOST : Window->ExStyle & ~WS_EX_TOPMOST;
  if (ExStyle == Window->ExStyle) return;
  Window->ExStyle = ExStyle;
  AChanged.push_back(AWindow);
}

// The topmost state a restack gives the window and the windows it owns.
void ApplyTopmostRequest(HWND AWindow, HWND AInsertAfter, std::vector<HWND>& AChanged) {
  if (AInsertAfter == HWND_TOPMOST || AInsertAfter == HWND_NOTOPMOST) {
    const bool Topmost = AInsertAfter == HWND_TOPMOST;
    SetTopmost(AWindow, Topmost, AChanged);
    for (HWND Owned : OwnedWindows(AWindow)) SetTopmost(Owned, Topmost, AChanged);
  } else if (AInsertAfter == HWND_BOTTOM) {
    SetTopmost(AWindow, false, AChanged);
  }
}

// Where the moved group goes among AOthers, kept within the window's band.
std::size_t InsertionIndex(const std::vector<HWND>& AOthers, HWND AInsertAfter, bool ATopmost) {
  const std::size_t BandTop = ATopmost ? 0 : CountTopmost(AOthers);
  const std::size_t BandEnd = ATopmost ? CountTopmost(AOthers) : AOthers.size();
  if (AInsertAfter == HWND_BOTTOM) return BandEnd;
  const auto After = std::find(AOthers.begin(), AOthers.end(), AInsertAfter);
  if (After == AOthers.end()) return BandTop;
  return std::clamp(static_cast<std::size_t>(After - AOthers.begin()) + 1, BandTop, BandEnd);
}

bool RestackChild(TWindow& AWindow, HWND AInsertAfter) {
  std::vector<HWND>& Siblings = ParentRecord(AWindow)->Children;
  const std::vector<HWND> Before = Siblings;
  std::erase(Siblings, AWindow.Handle);
  std::size_t Index = 0;
  if (AInsertAfter == HWND_BOTTOM) {
    Index = Siblings.size();
  } else if (const auto After = std::find(Siblings.begin(), Siblings.end(), AInsertAfter);
             After != Siblings.end()) {
    Index = static_cast<std::size_t>(After - Siblings.begin()) + 1;
  }
  Siblings.insert(Siblings.begin() + static_cast<std::ptrdiff_t>(Index), AWindow.Handle);
  NotePaintOrderChange();
  NoteGeometryChange();
  return Siblings != Before;
}

bool RestackTopLevel(TWindow& AWindow, HWND AInsertAfter, UINT AFlags) {
  std::vector<HWND>& Stack = DesktopRecord().Children;
  const std::vector<HWND> Before = Stack;
  std::vector<HWND> Changed;
  ApplyTopmostRequest(AWindow.Handle, AInsertAfter, Changed);
  const bool Topmost = AWindow.ExStyle & WS_EX_TOPMOST;

  // The window moves with the windows it owns that share its band, those above it.
  std::vector<HWND> Group;
  if (!(AFlags & SWP_NOOWNERZORDER))
    for (HWND Owned : OwnedWindows(AWindow.Handle))
      if (IsTopmost(Owned) == Topmost) Group.push_back(Owned);
  Group.push_back(AWindow.Handle);
  std::erase_if(Stack,
                [&](HWND AEntry) { return std::find(Group.begin(), Group.end(), AEntry) != Group.end(); });

  std::size_t Index = InsertionIndex(Stack, AInsertAfter, Topmost);
  // Never below its own owner.
  if (const auto Owner = std::find(Stack.begin(), Stack.end(), AWindow.Owner);
      Owner != Stack.end() && IsTopmost(*Owner) == Topmost)
    Index = std::min(Index, static_cast<std::size_t>(Owner - Stack.begin()));
  Stack.insert(Stack.begin() + static_cast<std::ptrdiff_t>(Index), Group.begin(), Group.end());
  std::stable_partition(Stack.begin(), Stack.end(), IsTopmost);
  NotePaintOrderChange();
  NoteGeometryChange();

  for (HWND Window : Changed) {
    const TWindow* State = FindWindowRecord(Window);
    Backend().TopLevelStyleChanged(Window, State->Style, State->ExStyle);
  }
  return Stack != Before || !Changed.empty();
}

}  // namespace

void InsertNewWindow(TWindow& AWindow, TWindow& AParent) {
  const bool AmongTopLevels = &AParent == &DesktopRecord();
  const std::size_t Index =
      AmongTopLevels && !(AWindow.ExStyle & WS_EX_TOPMOST) ? CountTopmost(AParent.Children) : 0;
  LinkToParent(AWindow, AParent, Index);
}

bool RestackWindow(TWindow& AWindow, HWND AInsertAfter, UINT AFlags) {
  return AWindow.IsTopLevel() ? RestackTopLevel(AWindow, AInsertAfter, AFlags)
                              : RestackChild(AWindow, AInsertAfter);
}
