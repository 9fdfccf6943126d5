#include <atomic>
#include <cstdint>
#include <mutex>

#include "platform/gdi/ObjectUseInternal.h"

namespace {

// Guards which device context a bitmap is selected into, and the choice DeleteObject
// makes between freeing an object now and when its last use ends. Selecting and
// deselecting pens, brushes and fonts never takes it.
std::mutex SelectionLock;

}  // namespace

// The use record of a drawing object: the count of uses in the low bits, the stock and
// delete-pending marks above it, in one atomic word so that the last release and a
// DeleteObject on another thread agree on who frees the object. An object no device
// context holds and that is not stock has nothing pending: it is freed at once when
// deleted.
class TGdiObjectUse {
 public:
  static constexpr std::uint32_t StockMark = 1u << 31;
  static constexpr std::uint32_t DeleteMark = 1u << 30;
  static constexpr std::uint32_t CountMask = DeleteMark - 1;

  // The caller holds a handle the object cannot vanish under, so no ordering is needed.
  static void Retain(HGDIOBJ AObject) { AObject->FUse.fetch_add(1, std::memory_order_relaxed); }

  // True when the use just ended was the last and the object is not stock; sets
  // ADoomed when DeleteObject asked for it meanwhile, so that the caller frees it.
  static bool Release(HGDIOBJ AObject, bool& ADoomed) {
    std::uint32_t Use = AObject->FUse.load(std::memory_order_relaxed);
    do {
      if ((Use & CountMask) == 0) return false;
    } while (!AObject->FUse.compare_exchange_weak(Use, Use - 1, std::memory_order_acq_rel,
                                                  std::memory_order_relaxed));
    const bool Last = (Use & CountMask) == 1 && !(Use & StockMark);
    ADoomed = Last && (Use & DeleteMark);
    return Last;
  }

  // True when the object stays: it is stock or in use (then freed when its last use ends).
  static bool KeepOnDelete(HGDIOBJ AObject) {
    std::uint32_t Use = AObject->FUse.load(std::memory_order_acquire);
    do {
      if (Use & StockMark) return true;
      if ((Use & CountMask) == 0) return false;
    } while (!AObject->FUse.compare_exchange_weak(Use, Use | DeleteMark, std::memory_order_acq_rel,
                                                  std::memory_order_acquire));
    return true;
  }

  static void MarkStock(HGDIOBJ AObject) { AObject->FUse.fetch_or(StockMark, std::memory_order_relaxed); }
};

void RetainObject(HGDIOBJ AObject) {
  if (!AObject) return;
  TGdiObjectUse::Retain(AObject);
}

bool RetainBitmap(HBITMAP ABitmap, TDeviceContext* ADC) {
  if (ABitmap->IsShared()) {
    TGdiObjectUse::Retain(ABitmap);
    return true;
  }
  std::lock_guard Guard(SelectionLock);
  if (ABitmap->SelectedInto() && ABitmap->SelectedInto() != ADC) return false;
  ABitmap->SetSelectedInto(ADC);
  TGdiObjectUse::Retain(ABitmap);
  return true;
}

void ReleaseObject(HGDIOBJ AObject) {
  if (!AObject) return;
  bool Doomed = false;
  if (AObject->ObjectType() == OBJ_BITMAP && !static_cast<HBITMAP>(AObject)->IsShared()) {
    // The bitmap becomes free for another device context in the same step as its use ends.
    std::lock_guard Guard(SelectionLock);
    if (!TGdiObjectUse::Release(AObject, Doomed)) return;
    static_cast<HBITMAP>(AObject)->SetSelectedInto(nullptr);
  } else if (!TGdiObjectUse::Release(AObject, Doomed)) {
    return;
  }
  if (Doomed) delete AObject;
}

void DeleteWhenUnused(HGDIOBJ AObject) {
  {
    // Taken so that a bitmap's last release has let go of it before it is freed here.
    std::lock_guard Guard(SelectionLock);
    if (TGdiObjectUse::KeepOnDelete(AObject)) return;
  }
  delete AObject;
}

void MarkStock(HGDIOBJ AObject) {
  if (!AObject) return;
  TGdiObjectUse::MarkStock(AObject);
}
