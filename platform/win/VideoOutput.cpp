#include "platform/win/VideoOutput.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/base/Threads.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/Colors.h"
#include "platform/win/Messages.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowProcedures.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowTree.h"

namespace {

struct TVideoSlot {
  HWND Window = nullptr;
  // The user-interface thread's.
  WNDPROC Previous = nullptr;
  WNDPROC Procedure = nullptr;

  // Guarded by Lock: the producers hand pictures over from any thread.
  std::mutex Lock;
  TVideoImage Image;
  bool HasImage = false;
  bool DrawPending = false;
  TVideoResizeEvent OnResize;
};

using TSlotPtr = std::shared_ptr<TVideoSlot>;

// The windows that have an output. Guarded by its own lock: any thread looks up.
struct TSlotTable {
  std::mutex Lock;
  std::map<HWND, TSlotPtr> Slots;
};

TSlotTable& SlotTable() {
  static TSlotTable Instance;
  return Instance;
}

TSlotPtr FindSlot(HWND AWindow) {
  std::lock_guard Lock(SlotTable().Lock);
  const auto Found = SlotTable().Slots.find(AWindow);
  return Found == SlotTable().Slots.end() ? nullptr : Found->second;
}

// User-interface thread: the picture at the top left, black over the rest of the
// client area. False when there is no picture.
bool DrawImage(TVideoSlot& ASlot, HDC ADC) {
  std::lock_guard Lock(ASlot.Lock);
  if (!ASlot.HasImage) return false;
  const TVideoImage& Image = ASlot.Image;
  BITMAPINFO Info;
  Info.bmiHeader.biWidth = Image.Width;
  Info.bmiHeader.biHeight = -Image.Height;
  Info.bmiHeader.biBitCount = 32;
  SetDIBitsToDevice(ADC, 0, 0, Image.Width, Image.Height, 0, 0, 0, static_cast<unsigned>(Image.Height),
                    Image.Pixels.data(), &Info, DIB_RGB_COLORS);
  RECT Client;
  GetClientRect(ASlot.Window, &Client);
  if (Client.Right > Image.Width)
    FillSolidRect(ADC, Rect(Image.Width, 0, Client.Right, Client.Bottom), RGB(0, 0, 0));
  if (Client.Bottom > Image.Height)
    FillSolidRect(ADC, Rect(0, Image.Height, Image.Width, Client.Bottom), RGB(0, 0, 0));
  return true;
}

// User-interface thread: draws the newest picture now.
void DrawNow(const TSlotPtr& ASlot) {
  {
    std::lock_guard Lock(ASlot->Lock);
    ASlot->DrawPending = false;
  }
  if (!IsWindow(ASlot->Window) || FindSlot(ASlot->Window) != ASlot) return;
  if (HDC DC = GetDC(ASlot->Window)) {
    DrawImage(*ASlot, DC);
    ReleaseDC(ASlot->Window, DC);
  }
}

LRESULT SlotProcedure(const TSlotPtr& ASlot, HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      PAINTSTRUCT Paint;
      {
        std::lock_guard Lock(ASlot->Lock);
        if (!ASlot->HasImage) break;
      }
      HDC DC = BeginPaint(AWindow, &Paint);
      if (DC) DrawImage(*ASlot, DC);
      EndPaint(AWindow, &Paint);
      return 0;
    }
    case WM_ERASEBKGND: {
      // The picture covers the whole client area; erasing would only make it flicker.
      std::lock_guard Lock(ASlot->Lock);
      if (ASlot->HasImage) return 1;
      break;
    }
    case WM_SIZE: {
      const LRESULT Result = CallWindowProc(ASlot->Previous, AWindow, AMessage, AWParam, ALParam);
      TVideoResizeEvent OnResize;
      {
        std::lock_guard Lock(ASlot->Lock);
        OnResize = ASlot->OnResize;
      }
      if (OnResize)
        OnResize(AWindow, LOWORD(static_cast<uintptr_t>(ALParam)), HIWORD(static_cast<uintptr_t>(ALParam)));
      return Result;
    }
    case WM_WINDOWPOSCHANGED: {
      // The window moved (or its owner says so): the picture is drawn again where the
      // window now lies.
      const LRESULT Result = CallWindowProc(ASlot->Previous, AWindow, AMessage, AWParam, ALParam);
      DrawNow(ASlot);
      return Result;
    }
    case WM_NCDESTROY: {
      const LRESULT Result = CallWindowProc(ASlot->Previous, AWindow, AMessage, AWParam, ALParam);
      {
        std::lock_guard Lock(SlotTable().Lock);
        SlotTable().Slots.erase(AWindow);
      }
      // This very procedure is running; it is freed once the message is done.
      const WNDPROC Procedure = ASlot->Procedure;
      TThread::Queue([Procedure] { FreeProcInstance(Procedure); });
      return Result;
    }
    default:
      break;
  }
  return CallWindowProc(ASlot->Previous, AWindow, AMessage, AWParam, ALParam);
}

}  // namespace

WNDPROC AttachVideoOutput(HWND AWindow) {
  if (TSlotPtr Existing = FindSlot(AWindow)) return Existing->Procedure;
  auto Slot = std::make_shared<TVideoSlot>();
  Slot->Window = AWindow;
  // The procedure holds the slot; the slot names the procedure only as a value.
  Slot->Procedure = MakeProcInstance([Slot = Slot.get()](HWND W, UINT M, WPARAM WP, LPARAM LP) {
    TSlotPtr Self = FindSlot(W);
    if (Self.get() != Slot) return DefWindowProc(W, M, WP, LP);
    return SlotProcedure(Self, W, M, WP, LP);
  });
  Slot->Previous = reinterpret_cast<WNDPROC>(GetWindowLong(AWindow, GWL_WNDPROC));
  {
    std::lock_guard Lock(SlotTable().Lock);
    SlotTable().Slots[AWindow] = Slot;
  }
  SetWindowLong(AWindow, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(Slot->Procedure));
  return Slot->Procedure;
}

void SetVideoOutputResizeHandler(HWND AWindow, TVideoResizeEvent AOnResize) {
  if (TSlotPtr Slot = FindSlot(AWindow)) {
    std::lock_guard Lock(Slot->Lock);
    Slot->OnResize = std::move(AOnResize);
  }
}

bool PresentVideoImage(HWND AWindow, TVideoImage AImage) {
  TSlotPtr Slot = FindSlot(AWindow);
  if (!Slot) return false;
  bool Wake;
  {
    std::lock_guard Lock(Slot->Lock);
    Slot->Image = std::move(AImage);
    Slot->HasImage = true;
    Wake = !Slot->DrawPending;
    Slot->DrawPending = true;
  }
  if (Wake) TThread::Queue([Slot] { DrawNow(Slot); });
  return true;
}

void ClearVideoImage(HWND AWindow) {
  TSlotPtr Slot = FindSlot(AWindow);
  if (!Slot) return;
  {
    std::lock_guard Lock(Slot->Lock);
    Slot->Image = {};
    Slot->HasImage = false;
  }
  TThread::Queue([Slot] {
    if (IsWindow(Slot->Window)) InvalidateRect(Slot->Window, nullptr, true);
  });
}
