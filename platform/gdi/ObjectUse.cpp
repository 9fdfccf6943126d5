#include <mutex>
#include <unordered_map>

#include "platform/gdi/ObjectUseInternal.h"

namespace {

struct TUse {
  int Count = 0;
  bool DeletePending = false;
  bool IsStock = false;
};

std::mutex UseLock;
// Guarded by UseLock; objects without an entry are unused and not stock.
std::unordered_map<HGDIOBJ, TUse>& Uses() {
  static std::unordered_map<HGDIOBJ, TUse> Table;
  return Table;
}

}  // namespace

void RetainObject(HGDIOBJ AObject) {
  if (!AObject) return;
  std::lock_guard Guard(UseLock);
  ++Uses()[AObject].Count;
}

bool RetainBitmap(HBITMAP ABitmap, TDeviceContext* ADC) {
  std::lock_guard Guard(UseLock);
  if (!ABitmap->IsShared()) {
    if (ABitmap->SelectedInto() && ABitmap->SelectedInto() != ADC) return false;
    ABitmap->SetSelectedInto(ADC);
  }
  ++Uses()[ABitmap].Count;
  return true;
}

void ReleaseObject(HGDIOBJ AObject) {
  if (!AObject) return;
  HGDIOBJ Doomed = nullptr;
  {
    std::lock_guard Guard(UseLock);
    auto Found = Uses().find(AObject);
    if (Found == Uses().end() || Found->second.Count == 0) return;
    TUse& Use = Found->second;
    if (--Use.Count > 0 || Use.IsStock) return;
    if (AObject->ObjectType() == OBJ_BITMAP) static_cast<HBITMAP>(AObject)->SetSelectedInto(nullptr);
    if (Use.DeletePending) Doomed = AObject;
    Uses().erase(Found);
  }
  delete Doomed;
}

void DeleteWhenUnused(HGDIOBJ AObject) {
  {
    std::lock_guard Guard(UseLock);
    auto Found = Uses().find(AObject);
    if (Found != Uses().end()) {
      if (!Found->second.IsStock) Found->second.DeletePending = true;
      return;
    }
  }
  delete AObject;
}

void MarkStock(HGDIOBJ AObject) {
  if (!AObject) return;
  std::lock_guard Guard(UseLock);
  Uses()[AObject].IsStock = true;
}
