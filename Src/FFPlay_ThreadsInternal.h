#pragma once
// The player's two threads of the class library (internal to the player): the play
// thread, which runs SDL's event loop of a playback, and the event thread, which
// delivers OnPosition and OnState.

#include "Src/FFPlay.h"
#include "platform/base/Threads.h"

class TPlayThread : public TThread {
 public:
  explicit TPlayThread(TCustomPlayer& AOwner) : FOwner(AOwner) {}

 protected:
  void Execute() override;

 private:
  TCustomPlayer& FOwner;
};

class TEventThread : public TThread {
 public:
  explicit TEventThread(TCustomPlayer& AOwner) : FOwner(AOwner) {}

 protected:
  void Execute() override { FOwner.RunEventThread(*this); }

 private:
  TCustomPlayer& FOwner;
};
