#include <algorithm>
#include <mutex>
#include <unordered_map>

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
  // Guards Windows against the readers on other threads (IsLiveWindowHandle). The
  // user-interface thread, the only writer, reads without it.
  std::mutex Mutex;
  std::unordered_map<HWND, std::unique_ptr<TWindow>> Windows;
  uintptr_t NextHandle = FirstHandle;
  HWND Desktop = nullptr;
  // Starts above 0, the count of what was never worked out.
  std::uint64_t GeometryChanges = 1;
};

TWindowTable& Table() {
  static TWindowTable Instance;
  return Instance;
}

bool IsSpecialHandle(HWND AWindow) {
  const auto Value = reinterpret_cast<uintptr_t>(AWindow);
  return Value < FirstHandle || AWindow == HWND_TOPMOST || AWindow == HWND_NOTOPMOST;
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
  if (IsSpecialHandle(AWindow)) return nullptr;
  auto& Windows = Table().Windows;
  const auto Found = Windows.find(AWindow);
  return Found == Windows.end() ? nullptr : Found->second.get();
}

TWindow& DesktopRecord() {
  TWindowTable& T = Table();
  if (!T.Desktop) {
    auto Desktop = std::make_unique<TWindow>();
    Desktop->Style = WS_VISIBLE | WS_CLIPCHILDREN;
    T.Desktop = AddWindowRecord(std::move(Desktop));
  }
  return *T.Windows.at(T.Desktop);
}

HWND AddWindowRecord(std::unique_ptr<TWindow> AWindow) {
  TWindowTable& T = Table();
  const HWND Handle = reinterpret_cast<HWND>(T.NextHandle++);
  AWindow->Handle = Handle;
  std::lock_guard Lock(T.Mutex);
  T.Windows.emplace(Handle, std::move(AWindow));
  return Handle;
}

void RemoveWindowRecord(HWND AWindow) {
  TWindowTable& T = Table();
  std::unique_ptr<TWindow> Removed;
  {
    std::lock_guard Lock(T.Mutex);
    const auto Found = T.Windows.find(AWindow);
    if (Found == T.Windows.end()) return;
    Removed = std::move(Found->second);
    T.Windows.erase(Found);
  }
  // Freed outside the lock: freeing the region takes the drawing layer's locks.
}

bool IsLiveWindowHandle(HWND AWindow) {
  if (IsSpecialHandle(AWindow)) return false;
  TWindowTable& T = Table();
  std::lock_guard Lock(T.Mutex);
  return T.Windows.count(AWindow) != 0;
}

std::vector<HWND> AllWindowHandles() {
  std::vector<HWND> Handles;
  for (const auto& [Handle, Window] : Table().Windows)
    if (Handle != Table().Desktop) Handles.push_back(Handle);
  return Handles;
}

void ClearWindowTable() {
  TWindowTable& T = Table();
  std::unordered_map<HWND, std::unique_ptr<TWindow>> Removed;
  {
    std::lock_guard Lock(T.Mutex);
    Removed.swap(T.Windows);
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
