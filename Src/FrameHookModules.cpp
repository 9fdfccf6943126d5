// Video-hook modules: loading each file once, configuring an entry per use, and the
// calls per picture.

#include "Src/FrameHookModules.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "Src/FFEntryPoints.h"
#include "platform/base/DynLib.h"
#include "platform/base/Paths.h"

namespace {

// The modules loaded so far by absolute path. File names on this system differ by
// case, so the comparison keeps it. Never unloaded: a module may have left code that
// still runs (threads, handlers) after its Release.
struct TFrameHookModules {
  std::mutex Lock;
  std::map<String, HMODULE> Handles;
};

TFrameHookModules& FrameHookModules() {
  static TFrameHookModules* Modules = new TFrameHookModules;  // lives as long as the modules
  return *Modules;
}

// The module's handle, loaded on first use; nullptr after the loader's text went to the
// log.
HMODULE LoadFrameHookModule(const String& AFileName) {
  const String Path = ExpandFileName(AFileName);
  TFrameHookModules& Modules = FrameHookModules();
  std::lock_guard Guard(Modules.Lock);
  auto Found = Modules.Handles.find(Path);
  if (Found != Modules.Handles.end()) return Found->second;
  String Error;
  HMODULE Handle = LoadLibrary(Path, Error);
  if (!Handle) {
    FF.av_log(nullptr, AV_LOG_ERROR, "%s\n", Error.c_str());
    return nullptr;
  }
  Modules.Handles.emplace(Path, Handle);
  return Handle;
}

template <typename T>
T Export(HMODULE AModule, const char* AName) {
  String Ignored;
  return reinterpret_cast<T>(GetProcAddress(AModule, AName, Ignored));
}

}  // namespace

int AddFrameHook(std::unique_ptr<TFrameHookEntry>& AHead, const std::vector<String>& AArguments) {
  if (AArguments.empty()) return -2;
  const String& FileName = AArguments[0];
  HMODULE Module = LoadFrameHookModule(FileName);
  if (!Module) return -1;

  auto Entry = std::make_unique<TFrameHookEntry>();
  Entry->Configure = Export<TFrameHookConfigureFn>(Module, "Configure");
  Entry->Process = Export<TFrameHookProcessFn>(Module, "Process");
  Entry->Release = Export<TFrameHookReleaseFn>(Module, "Release");
  if (!Entry->Process) {
    FF.av_log(nullptr, AV_LOG_ERROR, "Failed to find Process entrypoint in %s\n", FileName.c_str());
    return -2;
  }
  if (!Entry->Configure && AArguments.size() > 1) {
    FF.av_log(nullptr, AV_LOG_ERROR, "Failed to find Configure entrypoint in %s\n", FileName.c_str());
    return -2;
  }
  if (Entry->Configure) {
    // Modules were written against a fixed array of 64 arguments whose last index they
    // are given; the array is at least that long, so reading up to that index is safe.
    constexpr int LastIndex = 63;
    Entry->Arguments = AArguments;
    Entry->Argv.assign(std::max<size_t>(AArguments.size() + 1, LastIndex + 1), nullptr);
    for (size_t I = 0; I < AArguments.size(); I++) Entry->Argv[I] = Entry->Arguments[I].data();
    if (Entry->Configure(&Entry->ctx, static_cast<int>(AArguments.size()), Entry->Argv.data(), LastIndex) !=
        0) {
      FF.av_log(nullptr, AV_LOG_ERROR, "Failed to Configure %s\n", FileName.c_str());
      return -22;
    }
  }

  std::unique_ptr<TFrameHookEntry>* Tail = &AHead;
  while (*Tail) Tail = &(*Tail)->next;
  *Tail = std::move(Entry);
  return 0;
}

void ProcessFrameHooks(TFrameHookEntry* AHead, TFrameHookPicture& APicture, int APixFmt, int AWidth,
                       int AHeight, int64_t APTS) {
  for (TFrameHookEntry* Entry = AHead; Entry; Entry = Entry->next.get())
    Entry->Process(Entry->ctx, &APicture, APixFmt, AWidth, AHeight, APTS);
}

void ReleaseFrameHooks(std::unique_ptr<TFrameHookEntry>& AHead) {
  for (TFrameHookEntry* Entry = AHead.get(); Entry; Entry = Entry->next.get())
    if (Entry->Release) Entry->Release(Entry->ctx);
  // Entry by entry, so a long chain does not free itself recursively.
  while (AHead) AHead = std::move(AHead->next);
}
