#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/win/WindowInternal.h"
#include "platform/win/WindowProcedures.h"

namespace {

// Procedure instances are values in a range no code address of this process can take
// (the top of the address space, which belongs to the kernel), numbered from there and
// never reused, so CallWindowProc tells them from functions, and a freed one is
// recognised instead of being called.
constexpr uintptr_t InstanceTag = 0xFFFFFF0000000000u;
constexpr uintptr_t InstanceTagMask = 0xFFFFFF0000000000u;

struct TInstanceTable {
  // Guards the table: instances may be made and freed on any thread.
  std::mutex Mutex;
  std::unordered_map<uintptr_t, std::shared_ptr<TWindowMethod>> Methods;
  uintptr_t NextNumber = 1;
};

TInstanceTable& Instances() {
  static TInstanceTable Instance;
  return Instance;
}

bool IsInstance(WNDPROC AProcedure) {
  return (reinterpret_cast<uintptr_t>(AProcedure) & InstanceTagMask) == InstanceTag;
}

std::shared_ptr<TWindowMethod> FindMethod(WNDPROC AProcedure) {
  TInstanceTable& T = Instances();
  std::lock_guard Lock(T.Mutex);
  const auto Found = T.Methods.find(reinterpret_cast<uintptr_t>(AProcedure));
  return Found == T.Methods.end() ? nullptr : Found->second;
}

}  // namespace

WNDPROC MakeProcInstance(TWindowMethod AMethod) {
  TInstanceTable& T = Instances();
  std::lock_guard Lock(T.Mutex);
  const uintptr_t Value = InstanceTag | T.NextNumber++;
  T.Methods.emplace(Value, std::make_shared<TWindowMethod>(std::move(AMethod)));
  return reinterpret_cast<WNDPROC>(Value);
}

void FreeProcInstance(WNDPROC AProcedure) {
  TInstanceTable& T = Instances();
  std::shared_ptr<TWindowMethod> Freed;
  std::lock_guard Lock(T.Mutex);
  const auto Found = T.Methods.find(reinterpret_cast<uintptr_t>(AProcedure));
  if (Found == T.Methods.end()) return;
  // Destroyed after the lock is left: the method's captures may free other instances.
  Freed = std::move(Found->second);
  T.Methods.erase(Found);
}

LRESULT CallWindowProc(WNDPROC AProcedure, HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  RequireUIThread("CallWindowProc");
  if (!AProcedure) return 0;
  if (!IsInstance(AProcedure)) return AProcedure(AWindow, AMessage, AWParam, ALParam);
  // Held for the call, so that an instance freed by its own method lives until it
  // returns.
  const std::shared_ptr<TWindowMethod> Method = FindMethod(AProcedure);
  return Method ? (*Method)(AWindow, AMessage, AWParam, ALParam) : 0;
}
