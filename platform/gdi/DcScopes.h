#pragma once
// Brackets around device contexts and canvases, undone when the scope ends, by return
// or by exception: a message handler called in between (WM_NOTIFY's custom drawing, an
// OnPaint event) may throw, and the device context must not stay changed behind it.
// They sit beside ScopeExit (platform/base/ScopeExit.h), which covers every other
// cleanup. Drawing objects and regions are owned by TOwnedGdiObject (Graphics.h); the
// device contexts of windows by TWindowDCScope (platform/win/WindowDC.h).

#include <memory>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Graphics.h"

// Frees a device context of CreateCompatibleDC with DeleteDC.
struct TMemoryDCDeleter {
  void operator()(HDC ADC) const { DeleteDC(ADC); }
};
// A memory device context owned by a scope, or handed on to a longer owner with
// release().
using TOwnedMemoryDC = std::unique_ptr<TDeviceContext, TMemoryDCDeleter>;

// Saves the state of a device context (selected objects, clip region, origin, colours,
// modes) and brings it back at the end of the scope.
class TSavedDC {
 public:
  explicit TSavedDC(HDC ADC) : FDC(ADC), FSaved(SaveDC(ADC)) {}
  ~TSavedDC() { RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC FDC;
  int FSaved;
};

// Selects a pen, brush, font or bitmap into a device context and the one it replaced
// back at the end of the scope, so that the object may be deleted afterwards.
class TSelectedObject {
 public:
  TSelectedObject(HDC ADC, HGDIOBJ AObject) : FDC(ADC), FOld(SelectObject(ADC, AObject)) {}
  ~TSelectedObject() { SelectObject(FDC, FOld); }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

 private:
  HDC FDC;
  HGDIOBJ FOld;
};

// Locks a canvas against drawing from other threads for the length of the scope (a
// handler that draws on a bitmap another thread also draws on).
class TCanvasLock {
 public:
  explicit TCanvasLock(TCanvas& ACanvas) : FCanvas(ACanvas) { FCanvas.Lock(); }
  ~TCanvasLock() { FCanvas.Unlock(); }
  TCanvasLock(const TCanvasLock&) = delete;
  TCanvasLock& operator=(const TCanvasLock&) = delete;

 private:
  TCanvas& FCanvas;
};

// Lends a device context to a canvas for the length of the scope, and takes it back
// (the canvas selects the stock objects back into it) before the device context's
// owner frees it. With tlLocked, the canvas is also locked against drawing from
// worker threads for as long.
enum TCanvasLocking { tlUnlocked, tlLocked };

class TCanvasHandleScope {
 public:
  TCanvasHandleScope(TCanvas& ACanvas, HDC ADC, TCanvasLocking ALocking = tlUnlocked)
      : FCanvas(ACanvas), FLocked(ALocking == tlLocked) {
    if (FLocked) FCanvas.Lock();
    FCanvas.SetHandle(ADC);
  }
  ~TCanvasHandleScope() {
    FCanvas.SetHandle(nullptr);
    if (FLocked) FCanvas.Unlock();
  }
  TCanvasHandleScope(const TCanvasHandleScope&) = delete;
  TCanvasHandleScope& operator=(const TCanvasHandleScope&) = delete;

 private:
  TCanvas& FCanvas;
  bool FLocked;
};
