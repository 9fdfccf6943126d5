// Presenting the pictures of top-level windows. Each window has a pixmap on the server
// holding its last picture: a presentation puts the changed part into the pixmap (by
// MIT-SHM or XPutImage) and copies it to the window; an exposure copies from the pixmap
// without asking the program to paint.

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win/x11/X11Internal.h"

namespace {

// How long to wait for the server to finish reading a shared image before the next
// picture overwrites it; only a stuck server takes that long.
constexpr int SharedImageWaitMs = 2000;

void FreeSharedImage(TX11Display& AX, TX11SharedImage& AShared) {
  if (!AShared.Image) return;
  XShmDetach(AX.Connection, &AShared.Segment);
  XSync(AX.Connection, False);
  shmdt(AShared.Segment.shmaddr);
  XDestroyImage(AShared.Image);
  AShared = TX11SharedImage();
}

Visual* VisualOf(const TX11Display& AX, const TX11TopLevel& AWindow) {
  return AWindow.Depth == 32 ? AX.ArgbVisual : AX.DefaultVisual;
}

// Makes the window's shared image of the size; false when shared memory cannot be had
// (the display then presents without it from now on).
bool FitSharedImage(TX11Display& AX, TX11TopLevel& AWindow, int AWidth, int AHeight) {
  TX11SharedImage& Shared = AWindow.Shared;
  if (Shared.Image && Shared.Image->width == AWidth && Shared.Image->height == AHeight) return true;
  FreeSharedImage(AX, Shared);
  Shared.Image = XShmCreateImage(AX.Connection, VisualOf(AX, AWindow),
                                 static_cast<unsigned int>(AWindow.Depth), ZPixmap, nullptr, &Shared.Segment,
                                 static_cast<unsigned int>(AWidth), static_cast<unsigned int>(AHeight));
  if (!Shared.Image) return false;
  const std::size_t Bytes =
      static_cast<std::size_t>(Shared.Image->bytes_per_line) * static_cast<std::size_t>(AHeight);
  Shared.Segment.shmid = shmget(IPC_PRIVATE, Bytes, IPC_CREAT | 0600);
  if (Shared.Segment.shmid >= 0) {
    Shared.Segment.shmaddr = static_cast<char*>(shmat(Shared.Segment.shmid, nullptr, 0));
    if (Shared.Segment.shmaddr == reinterpret_cast<char*>(-1)) Shared.Segment.shmaddr = nullptr;
  }
  bool Attached = false;
  if (Shared.Segment.shmaddr) {
    Shared.Image->data = Shared.Segment.shmaddr;
    Shared.Segment.readOnly = False;
    TX11ErrorTrap Trap(AX.Connection);
    XShmAttach(AX.Connection, &Shared.Segment);
    Attached = !Trap.Failed();
  }
  // The segment goes away once both sides let go of it.
  if (Shared.Segment.shmid >= 0) shmctl(Shared.Segment.shmid, IPC_RMID, nullptr);
  if (Attached) return true;
  if (Shared.Segment.shmaddr) shmdt(Shared.Segment.shmaddr);
  Shared.Image->data = nullptr;
  XDestroyImage(Shared.Image);
  Shared = TX11SharedImage();
  AX.HasSharedMemory = false;
  return false;
}

void WaitUntilSharedImageIsFree(TX11Display& AX, TX11TopLevel& AWindow) {
  if (!AWindow.Shared.Busy) return;
  const Pixmap Backing = AWindow.Backing;
  XEvent Event;
  WaitForMatchingEvent(
      AX,
      [&](const XEvent& AEvent) {
        return AEvent.type == AX.ShmCompletionType &&
               reinterpret_cast<const XShmCompletionEvent&>(AEvent).drawable == Backing;
      },
      SharedImageWaitMs, Event);
  AWindow.Shared.Busy = false;
}

bool PutShared(TX11Display& AX, TX11TopLevel& AWindow, const TPixelView& AImage, const TRect& ADirty,
               bool AKeepAlpha) {
  if (!FitSharedImage(AX, AWindow, AImage.Width, AImage.Height)) return false;
  WaitUntilSharedImageIsFree(AX, AWindow);
  XImage* Image = AWindow.Shared.Image;
  CopyPixels(AImage, ADirty, reinterpret_cast<uint8_t*>(Image->data), Image->bytes_per_line, AKeepAlpha);
  XShmPutImage(AX.Connection, AWindow.Backing, AWindow.Graphics, Image, ADirty.Left, ADirty.Top, ADirty.Left,
               ADirty.Top, static_cast<unsigned int>(ADirty.Width()),
               static_cast<unsigned int>(ADirty.Height()), True);
  AWindow.Shared.Busy = true;
  return true;
}

// An XImage over pixels the caller owns; the caller frees it with DestroyBorrowedImage.
XImage* BorrowImage(TX11Display& AX, const TX11TopLevel& AWindow, const uint8_t* ABits, int AWidth,
                    int AHeight, int AStride) {
  XImage* Image =
      XCreateImage(AX.Connection, VisualOf(AX, AWindow), static_cast<unsigned int>(AWindow.Depth), ZPixmap, 0,
                   const_cast<char*>(reinterpret_cast<const char*>(ABits)), static_cast<unsigned int>(AWidth),
                   static_cast<unsigned int>(AHeight), 32, AStride);
  if (Image) Image->byte_order = LSBFirst;
  return Image;
}

void DestroyBorrowedImage(XImage* AImage) {
  AImage->data = nullptr;
  XDestroyImage(AImage);
}

void PutPlain(TX11Display& AX, const TX11TopLevel& AWindow, const TPixelView& AImage, const TRect& ADirty,
              bool AKeepAlpha) {
  XImage* Image = nullptr;
  std::vector<uint8_t> Opaque;
  TPoint Source = ADirty.TopLeft();
  if (AKeepAlpha) {
    Image = BorrowImage(AX, AWindow, AImage.Bits, AImage.Width, AImage.Height, AImage.Stride);
  } else {
    // The pixels must say "opaque" to the compositor: they go through a copy.
    const int Stride = ADirty.Width() * 4;
    Opaque.resize(static_cast<std::size_t>(Stride) * static_cast<std::size_t>(ADirty.Height()));
    const TPixelView Part{
        AImage.Bits + static_cast<std::ptrdiff_t>(ADirty.Top) * AImage.Stride + ADirty.Left * 4,
        ADirty.Width(), ADirty.Height(), AImage.Stride};
    CopyPixels(Part, Bounds(0, 0, ADirty.Width(), ADirty.Height()), Opaque.data(), Stride, false);
    Image = BorrowImage(AX, AWindow, Opaque.data(), ADirty.Width(), ADirty.Height(), Stride);
    Source = {0, 0};
  }
  if (!Image) return;
  XPutImage(AX.Connection, AWindow.Backing, AWindow.Graphics, Image, Source.X, Source.Y, ADirty.Left,
            ADirty.Top, static_cast<unsigned int>(ADirty.Width()),
            static_cast<unsigned int>(ADirty.Height()));
  DestroyBorrowedImage(Image);
}

void FitBacking(TX11Display& AX, TX11TopLevel& AWindow, int AWidth, int AHeight) {
  if (AWindow.Backing && AWindow.BackingSize == TSize{AWidth, AHeight}) return;
  if (AWindow.Backing) {
    // The server may still read the shared image into the old pixmap.
    WaitUntilSharedImageIsFree(AX, AWindow);
    XFreePixmap(AX.Connection, AWindow.Backing);
  }
  AWindow.Backing =
      XCreatePixmap(AX.Connection, AWindow.Xid, static_cast<unsigned int>(AWidth),
                    static_cast<unsigned int>(AHeight), static_cast<unsigned int>(AWindow.Depth));
  AWindow.BackingSize = {AWidth, AHeight};
}

}  // namespace

void CopyPixels(const TPixelView& AImage, const TRect& ARect, uint8_t* ATarget, int ATargetStride,
                bool AKeepAlpha) {
  const std::size_t RowBytes = static_cast<std::size_t>(ARect.Width()) * 4;
  for (int Y = ARect.Top; Y < ARect.Bottom; ++Y) {
    const uint8_t* From = AImage.Bits + static_cast<std::ptrdiff_t>(Y) * AImage.Stride + ARect.Left * 4;
    uint8_t* To = ATarget + static_cast<std::ptrdiff_t>(Y) * ATargetStride + ARect.Left * 4;
    std::memcpy(To, From, RowBytes);
    if (!AKeepAlpha)
      for (std::size_t X = 3; X < RowBytes; X += 4) To[X] = 0xFF;
  }
}

void TX11Backend::PresentImage(HWND AWindow, const TPixelView& AImage, const TRect& ADirty) {
  TX11Display& X = *FX;
  TX11TopLevel* TopLevel = FindTopLevel(X, AWindow);
  TRect Dirty;
  if (!TopLevel || AImage.Width <= 0 || AImage.Height <= 0 ||
      !IntersectRect(Dirty, ADirty, Bounds(0, 0, AImage.Width, AImage.Height)))
    return;
  FitBacking(X, *TopLevel, AImage.Width, AImage.Height);
  // Only a 32-bit window shows the alpha byte; it must be opaque unless the picture
  // carries per-pixel alpha.
  const bool KeepAlpha = TopLevel->Depth != 32 || TopLevel->PerPixelAlpha;
  if (!X.HasSharedMemory || !PutShared(X, *TopLevel, AImage, Dirty, KeepAlpha))
    PutPlain(X, *TopLevel, AImage, Dirty, KeepAlpha);
  XCopyArea(X.Connection, TopLevel->Backing, TopLevel->Xid, TopLevel->Graphics, Dirty.Left, Dirty.Top,
            static_cast<unsigned int>(Dirty.Width()), static_cast<unsigned int>(Dirty.Height()), Dirty.Left,
            Dirty.Top);
}

void HandleExpose(TX11Display& AX, const XExposeEvent& AEvent) {
  const TX11TopLevel* TopLevel = FindTopLevelByXid(AX, AEvent.window);
  if (!TopLevel || !TopLevel->Backing) return;
  XCopyArea(AX.Connection, TopLevel->Backing, TopLevel->Xid, TopLevel->Graphics, AEvent.x, AEvent.y,
            static_cast<unsigned int>(AEvent.width), static_cast<unsigned int>(AEvent.height), AEvent.x,
            AEvent.y);
}

void HandleShmCompletion(TX11Display& AX, const XEvent& AEvent) {
  const auto& Completion = reinterpret_cast<const XShmCompletionEvent&>(AEvent);
  for (auto& [Handle, TopLevel] : AX.TopLevels)
    if (TopLevel.Backing == Completion.drawable) TopLevel.Shared.Busy = false;
}

void FreeWindowPicture(TX11Display& AX, TX11TopLevel& AWindow) {
  WaitUntilSharedImageIsFree(AX, AWindow);
  FreeSharedImage(AX, AWindow.Shared);
  if (AWindow.Backing) XFreePixmap(AX.Connection, AWindow.Backing);
  AWindow.Backing = 0;
}
