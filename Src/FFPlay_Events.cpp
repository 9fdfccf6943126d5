// The play thread with SDL's event loop, and the event ring and thread that deliver
// positions and states to the caller.

#include "Src/FFPlay.h"
#include "Src/FFPlay_StateInternal.h"
#include "Src/FFPlay_ThreadsInternal.h"
#include "Src/MyUtils.h"

void TPlayThread::Execute() {
  FOwner.FStopEvent.ResetEvent();
  FOwner.SetPlayState(psPlay);
  try {
    FOwner.PlayerEventLoop();
  } catch (const std::exception& E) {
    GetLogger()->Log(&FOwner, llFatal, String("PlayThread Exception: ") + E.what());
    std::lock_guard Lock(FOwner.FDataLock);
    FOwner.DoExit();
  }
  FOwner.SetPlayState(psStop);
  FOwner.FStopEvent.SetEvent();
}

void TCustomPlayer::PlayerEventLoop() {
  FLooping = true;
  for (;;) {
    SDL_Event Event;
    if (!FSDL.SDL_WaitEvent(&Event)) {
      // SDL's queue is gone (SDL was shut down by a forced close): nothing more comes.
      std::lock_guard Lock(FDataLock);
      if (FVideoState) DoExit();
      return;
    }
    std::lock_guard Lock(FDataLock);
    TVideoState* is = FVideoState;
    if (!is) {
      QuitSDL();
      return;
    }
    switch (Event.type) {
      case SDL_QUIT:
      case FF_QUIT_EVENT:
        DoExit();
        return;
      case SDL_VIDEORESIZE:
        ScreenWidth = Event.resize.w;
        ScreenHeight = Event.resize.h;
        VideoOpen(is, true);
        if (is->paused) VideoRefresh(is, false);
        break;
      case FF_REFRESH_EVENT:
        VideoRefresh(is, true);
        is->refresh = 0;
        break;
      case FF_CHECK_POSITION_EVENT:
        if (!is->EventEOF) CheckPosition(is);
        break;
      case FF_RELAYOUT_EVENT:
        VideoOpen(is, true);
        VideoDisplay(is, -1);
        PresentSurface();
        break;
      default:
        break;
    }
  }
}

// --- The event ring ------------------------------------------------------------------------

void TCustomPlayer::PostPlayEvent(int AKind, int64_t AValue) {
  TPlayEvent& R = FPlayEvent;
  std::lock_guard Lock(R.Lock);
  const bool Empty = R.Header == R.Tailer;
  const int Newest = (R.Tailer + TPlayEvent::Slots - 1) % TPlayEvent::Slots;
  if (Empty || AKind != TPlayEvent::ekPosition || R.Events[Newest].Kind != AKind) {
    R.Tailer = (R.Tailer + 1) % TPlayEvent::Slots;
    // A full ring loses its oldest event.
    if (R.Tailer == R.Header) R.Header = (R.Header + 1) % TPlayEvent::Slots;
  }
  R.Events[(R.Tailer + TPlayEvent::Slots - 1) % TPlayEvent::Slots] = {AKind, AValue};
  R.Event.SetEvent();
}

TCustomPlayer::TPlayEvent::TSlot TCustomPlayer::FetchPlayEvent() {
  TPlayEvent& R = FPlayEvent;
  std::lock_guard Lock(R.Lock);
  if (R.Header == R.Tailer) return {};
  const TPlayEvent::TSlot Slot = R.Events[R.Header];
  R.Header = (R.Header + 1) % TPlayEvent::Slots;
  if (R.Header == R.Tailer) R.Event.ResetEvent();
  return Slot;
}

void TCustomPlayer::SetPlayState(TPlayState AState) {
  FState = AState;
  if (Raises(OnState))
    PostPlayEvent(TPlayEvent::ekState, AState);
  else if (AState == psStop)
    PostPlayEvent(TPlayEvent::ekQuit, 0);
}

void TCustomPlayer::RunEventThread(TEventThread& AThread) {
  auto Deliver = [this](const std::function<void()>& ARaise) {
    if (TriggerEventInMainThread)
      CallInMainThread(ARaise);
    else
      ARaise();
  };
  while (!AThread.Terminated()) {
    const TPlayEvent::TSlot Slot = FetchPlayEvent();
    if (Slot.Kind == TPlayEvent::ekPosition) {
      FEventPTS = Slot.Value;
      Deliver([this] {
        if (Raises(OnPosition)) OnPosition(this, FEventPTS);
      });
    } else if (Slot.Kind == TPlayEvent::ekState) {
      FEventState = static_cast<int>(Slot.Value);
      Deliver([this] {
        if (Raises(OnState)) OnState(this, static_cast<TPlayState>(FEventState.load()));
      });
      if (Slot.Value == psStop) break;
    } else if (Slot.Kind == TPlayEvent::ekQuit) {
      break;
    }
    while (!AThread.Terminated() && FPlayEvent.Event.WaitFor(100) != wrSignaled) {
    }
  }
  AThread.Terminate();
}
