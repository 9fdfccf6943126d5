#include "platform/win/DroppedFiles.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "platform/win/BackendEvents.h"
#include "platform/win/DroppedFilesInternal.h"
#include "platform/win/InputMessagesInternal.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowInternal.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

struct TDropInfo {
  HWND Window = nullptr;
  POINT ClientPoint;
  bool InClient = false;
  std::vector<String> Files;
};

namespace {

// The drops handed out and not finished yet; a handle is only followed after it was
// found here.
std::map<HDROP, std::unique_ptr<TDropInfo>>& Drops() {
  static std::map<HDROP, std::unique_ptr<TDropInfo>> Instance;
  return Instance;
}

TDropInfo* FindDrop(HDROP ADrop) {
  const auto Found = Drops().find(ADrop);
  return Found == Drops().end() ? nullptr : Found->second.get();
}

// The window under the point that accepts files, or its nearest ancestor that does,
// within the top-level window the files were dropped on.
HWND FindDropTarget(HWND ATopLevel, const TPoint& APosition) {
  HWND Window = WindowFromPoint(APosition);
  if (TopLevelWindowOf(Window) != ATopLevel) return nullptr;
  for (const TWindow* Record = FindWindowRecord(Window); Record && Record != &DesktopRecord();
       Record = ParentRecord(*Record))
    if (Record->ExStyle & WS_EX_ACCEPTFILES) return Record->IsEnabled() ? Record->Handle : nullptr;
  return nullptr;
}

}  // namespace

void DragAcceptFiles(HWND AWindow, bool AAccept) {
  RequireUIThread("DragAcceptFiles");
  if (!FindWindowRecord(AWindow)) return;
  const auto ExStyle = static_cast<DWORD>(GetWindowLong(AWindow, GWL_EXSTYLE));
  const DWORD Wanted = AAccept ? ExStyle | WS_EX_ACCEPTFILES : ExStyle & ~WS_EX_ACCEPTFILES;
  if (Wanted != ExStyle) SetWindowLong(AWindow, GWL_EXSTYLE, static_cast<LONG_PTR>(Wanted));
}

UINT DragQueryFile(HDROP ADrop, UINT AIndex, char* AFile, UINT ASize) {
  RequireUIThread("DragQueryFile");
  const TDropInfo* Drop = FindDrop(ADrop);
  if (!Drop) return 0;
  if (AIndex == 0xFFFFFFFF) return static_cast<UINT>(Drop->Files.size());
  if (AIndex >= Drop->Files.size()) return 0;
  const String& File = Drop->Files[AIndex];
  if (!AFile || ASize == 0) return static_cast<UINT>(File.size());
  const std::size_t Length = Utf8FittingBytes(File, ASize);
  std::memcpy(AFile, File.data(), Length);
  AFile[Length] = '\0';
  return static_cast<UINT>(Length);
}

bool DragQueryPoint(HDROP ADrop, POINT* APoint) {
  RequireUIThread("DragQueryPoint");
  const TDropInfo* Drop = FindDrop(ADrop);
  if (!Drop || !APoint) return false;
  *APoint = Drop->ClientPoint;
  return Drop->InClient;
}

void DragFinish(HDROP ADrop) {
  RequireUIThread("DragFinish");
  Drops().erase(ADrop);
}

void ForgetDropsOf(HWND AWindow) {
  std::erase_if(Drops(), [&](const auto& AEntry) { return AEntry.second->Window == AWindow; });
}

void DeliverFilesDropped(HWND AWindow, const TPoint& APosition, const std::vector<String>& AFiles) {
  RequireUIThread("DeliverFilesDropped");
  const HWND Target = FindDropTarget(AWindow, APosition);
  if (!Target || AFiles.empty()) return;
  auto Drop = std::make_unique<TDropInfo>();
  Drop->Window = Target;
  Drop->Files = AFiles;
  Drop->ClientPoint = APosition;
  ScreenToClient(Target, &Drop->ClientPoint);
  RECT Client;
  GetClientRect(Target, &Client);
  Drop->InClient = PtInRect(Client, Drop->ClientPoint);
  const HDROP Handle = Drop.get();
  Drops().emplace(Handle, std::move(Drop));
  PostInputMessage(Target, WM_DROPFILES, reinterpret_cast<WPARAM>(Handle), 0);
}
