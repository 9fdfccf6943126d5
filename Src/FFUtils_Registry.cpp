// The engine's registries of protocols, input formats and filters.

#include <map>
#include <mutex>

#include "Src/FFUtils.h"
#include "platform/base/Exceptions.h"

namespace {

// Records by name; the first record of a name stays. Guarded by its own lock because
// the user-interface thread registers while worker threads open files.
template <typename TRecord>
class TRegistry {
 public:
  void Add(TRecord& ARecord) {
    std::lock_guard Lock(FLock);
    FRecords.try_emplace(ARecord.Name(), &ARecord);
  }

  TRecord* Find(std::string_view AName) const {
    std::lock_guard Lock(FLock);
    auto Found = FRecords.find(AName);
    return Found != FRecords.end() ? Found->second : nullptr;
  }

 private:
  mutable std::mutex FLock;
  std::map<String, TRecord*, std::less<>> FRecords;
};

TRegistry<TURLProtocol>& Protocols() {
  static TRegistry<TURLProtocol> Registry;
  return Registry;
}

TRegistry<TEngineInputFormat>& InputFormats() {
  static TRegistry<TEngineInputFormat> Registry;
  return Registry;
}

TRegistry<TEngineFilter>& Filters() {
  static TRegistry<TEngineFilter> Registry;
  return Registry;
}

}  // namespace

void RegisterProtocol(TURLProtocol& AProtocol) {
  Assert(FF.avio_alloc_context != nullptr);
  Protocols().Add(AProtocol);
}

void RegisterInputFormat(TEngineInputFormat& AInputFormat) {
  Assert(FF.av_find_input_format != nullptr);
  InputFormats().Add(AInputFormat);
}

void RegisterFilter(TEngineFilter& AFilter) {
  Assert(FF.avfilter_get_by_name != nullptr);
  Filters().Add(AFilter);
}

TURLProtocol* FindProtocol(std::string_view AName) { return Protocols().Find(AName); }
TEngineInputFormat* FindInputFormat(std::string_view AName) { return InputFormats().Find(AName); }
TEngineFilter* FindFilter(std::string_view AName) { return Filters().Find(AName); }
