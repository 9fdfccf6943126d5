// The process-wide registry of live parameters.

#include "Src/LiveParameters.h"

#include <climits>
#include <map>
#include <mutex>

#include "platform/base/Exceptions.h"

namespace {

struct TLiveParameters {
  std::mutex Lock;
  int LastHandle = 0;  // guarded by Lock; handles count up and are never reused
  std::map<int, std::shared_ptr<TLiveValue>> Values;  // guarded by Lock
};

TLiveParameters& Registry() {
  static TLiveParameters Parameters;
  return Parameters;
}

// The parameter of a handle the application holds; raises for any other.
std::shared_ptr<TLiveValue> ExistingParameter(int AHandle) {
  std::shared_ptr<TLiveValue> Value = FindLiveParameter(AHandle);
  if (!Value) throw EListError(Format("Unknown live parameter @%d", AHandle));
  return Value;
}

}  // namespace

int NewLiveParameter(int AInitial) {
  TLiveParameters& Parameters = Registry();
  std::lock_guard Guard(Parameters.Lock);
  if (Parameters.LastHandle == INT_MAX) throw EListError("No more live parameters");
  const int Handle = ++Parameters.LastHandle;
  Parameters.Values.emplace(Handle, std::make_shared<TLiveValue>(AInitial));
  return Handle;
}

void SetLiveParameter(int AHandle, int AValue) { ExistingParameter(AHandle)->store(AValue); }

int GetLiveParameter(int AHandle) { return ExistingParameter(AHandle)->load(); }

void ReleaseLiveParameter(int AHandle) {
  TLiveParameters& Parameters = Registry();
  std::lock_guard Guard(Parameters.Lock);
  if (Parameters.Values.erase(AHandle) == 0) throw EListError(Format("Unknown live parameter @%d", AHandle));
}

std::shared_ptr<TLiveValue> FindLiveParameter(int AHandle) {
  TLiveParameters& Parameters = Registry();
  std::lock_guard Guard(Parameters.Lock);
  auto Found = Parameters.Values.find(AHandle);
  return Found != Parameters.Values.end() ? Found->second : nullptr;
}
