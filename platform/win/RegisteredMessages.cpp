#include <map>
#include <mutex>

#include "platform/base/Strings.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"

namespace {

struct TCaseInsensitiveLess {
  bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};

struct TRegisteredMessages {
  // Guards the table: any thread may register a message.
  std::mutex Mutex;
  std::map<String, UINT, TCaseInsensitiveLess> Numbers;
  UINT Next = WM_REGISTERED_FIRST;
};

TRegisteredMessages& Registered() {
  static TRegisteredMessages Instance;
  return Instance;
}

}  // namespace

UINT RegisterWindowMessage(const char* AName) {
  if (!AName || !*AName) return 0;
  TRegisteredMessages& R = Registered();
  std::lock_guard Lock(R.Mutex);
  if (const auto Found = R.Numbers.find(AName); Found != R.Numbers.end()) return Found->second;
  // The numbers end at 0xFFFF; past that, registering fails as it does elsewhere.
  if (R.Next > 0xFFFF) return 0;
  R.Numbers.emplace(AName, R.Next);
  return R.Next++;
}
