#include <mutex>

#include "platform/gdi/ObjectUseInternal.h"

namespace {

// Guards the use records of all drawing objects.
std::mutex UseLock;

}  // namespace

// The use record of a drawing object. An object no device context holds and that is
// not stock has nothing pending: it is freed at once when deleted.
class TGdiObjectUse {
 public:
  static void Retain(HGDIOBJ AObject) { ++AObject->FUseCount; }

  // True when the use just ended was the last and the object is not stock.
  static bool Release(HGDIOBJ AObject) {
    if (AObject->FUseCount == 0) return false;
    return --AObject->FUseCount == 0 && !AObject->FIsStock;
  }

  static bool DeletePending(HGDIOBJ AObject) { return AObject->FDeletePending; }

  // True when the object stays: it is stock or in use (then freed when its last use ends).
  static bool KeepOnDelete(HGDIOBJ AObject) {
    if (AObject->FIsStock) return true;
    if (AObject->FUseCount == 0) return false;
    AObject->FDeletePending = true;
    return true;
  }

  static void MarkStock(HGDIOBJ AObject) { AObject->FIsStock = true; }
};

void RetainObject(HGDIOBJ AObject) {
  if (!AObject) return;
  std::lock_guard Guard(UseLock);
  TGdiObjectUse::Retain(AObject);
}

bool RetainBitmap(HBITMAP ABitmap, TDeviceContext* ADC) {
  std::lock_guard Guard(UseLock);
  if (!ABitmap->IsShared()) {
    if (ABitmap->SelectedInto() && ABitmap->SelectedInto() != ADC) return false;
    ABitmap->SetSelectedInto(ADC);
  }
  TGdiObjectUse::Retain(ABitmap);
  return true;
}

void ReleaseObject(HGDIOBJ AObject) {
  if (!AObject) return;
  HGDIOBJ Doomed = nullptr;
  {
    std::lock_guard Guard(UseLock);
    if (!TGdiObjectUse::Release(AObject)) return;
    if (AObject->ObjectType() == OBJ_BITMAP) static_cast<HBITMAP>(AObject)->SetSelectedInto(nullptr);
    if (TGdiObjectUse::DeletePending(AObject)) Doomed = AObject;
  }
  delete Doomed;
}

void DeleteWhenUnused(HGDIOBJ AObject) {
  {
    std::lock_guard Guard(UseLock);
    if (TGdiObjectUse::KeepOnDelete(AObject)) return;
  }
  delete AObject;
}

void MarkStock(HGDIOBJ AObject) {
  if (!AObject) return;
  std::lock_guard Guard(UseLock);
  TGdiObjectUse::MarkStock(AObject);
}
