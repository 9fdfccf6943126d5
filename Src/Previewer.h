#pragma once
// TPreviewer: a small stay-on-top tool window that shows the pictures a conversion task
// encodes while its preview is on. The window appears with the first picture, as large
// as that picture, centred on the screen; its caption shows the picture's time. The user
// moves it by dragging the picture, and closing it ends the previews of its task (the
// conversion goes on).
//
// Threads: the task's converting thread calls PaintFrame and the destructor; the window
// itself lives on the user-interface thread, reached through CallInMainThread, which
// makes the caller wait until the user-interface thread has done the work.

#include <atomic>
#include <cstdint>
#include <memory>

#include "platform/gdi/Graphics.h"
#include "platform/ui/Forms.h"

class TPreviewer {
 public:
  TPreviewer() = default;
  // Frees the window on the user-interface thread.
  ~TPreviewer();
  TPreviewer(const TPreviewer&) = delete;
  TPreviewer& operator=(const TPreviewer&) = delete;

  // Shows ABitmap with the picture's time APTS (microseconds) and waits until it is
  // shown. False, without showing anything, once the user has closed the window.
  bool PaintFrame(TBitmap& ABitmap, int AFrameNumber, int64_t APTS);

  // The window; nullptr before the first picture. User-interface thread.
  TCustomForm* Form() const { return FForm.get(); }

 private:
  // User-interface thread.
  void Paint();
  void CreateForm();
  void FormPaint();
  void AppMessage(MSG& AMessage, bool& AHandled);

  TMessageHookId FAppMessage = 0;  // our handler in Application->OnMessage
  HWND FFormHandle = nullptr;
  std::unique_ptr<TForm> FForm;
  std::atomic<bool> FClosed{false};
  // Written by the converting thread before the hand-over, read during it.
  TBitmap* FBitmap = nullptr;
  int FFrameNumber = 0;
  int64_t FPTS = 0;
  // What the window shows. A copy, since the caller's bitmap takes the next picture as
  // soon as PaintFrame returns, while the window may need to paint again at any time.
  TBitmap FPicture;
};
