#include <algorithm>
#include <mutex>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/Threads.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/win/PaintStateInternal.h"
#include "platform/win/WindowClassRecordInternal.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowStyles.h"

namespace {

// Handles start well above the special values (HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
// HWND_NOTOPMOST) and are never given out twice.
constexpr uintptr_t FirstHandle = 0x10000;

struct TWindowTable {
  // Guards Slots against the readers on other threads (IsLiveWindowHandle). The
  // user-interface thread, the only writer, reads without it.
  std::mutex Mutex;
  // One slot for each handle given out since FirstSlotHandle, in order, so a handle
  // finds its window by index; a destroyed window leaves its slot empty (a pointer's
  // worth per window ever made, given back when the window system stops).
  std::vector<std::unique_ptr<TWindow>> Slots;
  uintptr_t FirstSlotHandle = FirstHandle;
  HWND Desktop = nullptr;
  // Starts above 0, the count of what was never worked out.
  std::uint64_t GeometryChanges = 1;

  std::unique_ptr<TWindow>* SlotOf(HWND AWindow) {
    const uintptr_t Index = reinterpret_cast<uintptr_t>(AWindow) - FirstSlotHandle;
    return Index < Slots.size() ? &Slots[Index] : nullptr;
  }
};

TWindowTable& Table() {
  static TWindowTable Instance;
  return Instance;
}

}  // namespace

TWindow::~TWindow() {
  if (Region) DeleteObject(Region);
}

bool TWindow::IsVisible() const { return (Style & WS_VISIBLE) != 0; }
bool TWindow::IsEnabled() const { return (Style & WS_DISABLED) == 0; }
bool TWindow::IsChildStyle() const { return (Style & WS_CHILD) != 0; }
bool TWindow::IsTopLevel() const { return Parent != nullptr && Parent == Table().Desktop; }

void RequireUIThread(const char* AFunction) {
  if (!IsMainThread())
    throw EThread(Format("%s called from a thread other than the user-interface thread", AFunction));
}

TWindow* FindWindowRecord(HWND AWindow) {
  // The special handles lie below the first slot or far beyond the last.
  const std::unique_ptr<TWindow>* Slot = Table().SlotOf(AWindow);
  return Slot ? Slot->get() : nullptr;
}

TWindow& DesktopRecord() {
  TWindowTable& T = Table();
  if (!T.Desktop) {
    auto Desktop = std::make_unique<TWindow>();
    Desktop->Style = WS_VISIBLE | WS_CLIPCHILDREN;
    T.Desktop = AddWindowRecord(std::move(Desktop));
  }
  return *FindWindowRecord(T.Desktop);
}

HWND AddWindowRecord(std::unique_ptr<TWindow> AWindow) {
  TWindowTable& T = Table();
  const HWND Handle = reinterpret_cast<HWND>(T.FirstSlotHandle + T.Slots.size());
  AWindow->Handle = Handle;
  std::lock_guard Lock(T.Mutex);
  T.Slots.push_back(std::move(AWindow));
  return Handle;
}

void RemoveWindowRecord(HWND AWindow) {
  TWindowTable& T = Table();
  std::unique_ptr<TWindow> Removed;
  {
    std::lock_guard Lock(T.Mutex);
    if (std::unique_ptr<TWindow>* Slot = T.SlotOf(AWindow)) Removed = std::move(*Slot);
  }
  // Freed outside the lock: freeing the region takes the drawing layer's locks.
}

bool IsLiveWindowHandle(HWND AWindow) {
  TWindowTable& T = Table();
  std::lock_guard Lock(T.Mutex);
  const std::unique_ptr<TWindow>* Slot = T.SlotOf(AWindow);
  return Slot && *Slot;
}

std::vector<HWND> AllWindowHandles() {
  std::vector<HWND> Handles;
  for (const std::unique_ptr<TWindow>& Window : Table().Slots)
    if (Window && Window->Handle != Table().Desktop) Handles.push_back(Window->Handle);
  return Handles;
}

void ClearWindowTable() {
  TWindowTable& T = Table();
  std::vector<std::unique_ptr<TWindow>> Removed;
  {
    std::lock_guard Lock(T.Mutex);
    // Handles go on counting: none is given out twice.
    T.FirstSlotHandle += T.Slots.size();
    Removed.swap(T.Slots);
    T.Desktop = nullptr;
  }
}

void NoteGeometryChange() { ++Table().GeometryChanges; }

std::uint64_t GeometryChangeCount() { return Table().GeometryChanges; }

TWindow* ParentRecord(const TWindow& AWindow) { return FindWindowRecord(AWindow.Parent); }

HWND TopLevelWindowOf(HWND AWindow) {
  const TWindow* Window = FindWindowRecord(AWindow);
  while (Window && !Window->IsTopLevel()) Window = ParentRecord(*Window);
  return Window ? Window->Handle : nullptr;
}

void UnlinkFromParent(TWindow& AWindow) {
  if (TWindow* Parent = ParentRecord(AWindow)) std::erase(Parent->Children, AWindow.Handle);
  NotePaintOrderChange();
  NoteGeometryChange();
}

void LinkToParent(TWindow& AWindow, TWindow& AParent, std::size_t AIndex) {
  AWindow.Parent = AParent.Handle;
  NotePaintOrderChange();
  NoteGeometryChange();
  auto& Children = AParent.Children;
  Children.insert(Children.begin() + static_cast<std::ptrdiff_t>(std::min(AIndex, Children.size())),
                  AWindow.Handle);
}

void OffsetWindowTree(TWindow& AWindow, int ADX, int ADY) {
  if (ADX == 0 && ADY == 0) return;
  NoteGeometryChange();
  OffsetRect(AWindow.WindowRect, ADX, ADY);
  OffsetRect(AWindow.ClientRect, ADX, ADY);
  for (HWND Child : AWindow.Children)
    if (TWindow* ChildWindow = FindWindowRecord(Child)) OffsetWindowTree(*ChildWindow, ADX, ADY);
}

namespace {
TPoint ParentClientOrigin(const TWindow& AWindow) {
  const TWindow* Parent = ParentRecord(AWindow);
  return Parent ? Parent->ClientRect.TopLeft() : TPoint{};
}
}  // namespace

TRect WindowRectInParent(const TWindow& AWindow) {
  TRect R = AWindow.WindowRect;
  const TPoint Origin = ParentClientOrigin(AWindow);
  OffsetRect(R, -Origin.X, -Origin.Y);
  return R;
}

TRect ClientRectInParent(const TWindow& AWindow) {
  TRect R = AWindow.ClientRect;
  const TPoint Origin = ParentClientOrigin(AWindow);
  OffsetRect(R, -Origin.X, -Origin.Y);
  return R;
}
