#pragma once
// The liveness guard: how a handler that calls out (user events, an older window
// procedure, a message pump) learns afterwards whether its own object still exists.
// User-interface thread only.
//
// The object owns one TLiveGuard as a member. Before calling out, the handler takes a
// token; afterwards it asks the token and returns at once, touching no member, if the
// object went meanwhile:
//
//   const TLiveToken Alive = FLive.Token();
//   if (OnChange) OnChange(this);
//   if (!Alive) return;
//
// A guard expires when it is destroyed, or earlier by End() (for an object whose
// destructor body must already count as gone, before its members are destroyed).

#include <memory>

class TLiveToken {
 public:
  TLiveToken() = default;
  // True while the guard the token was taken from neither ended nor was destroyed.
  explicit operator bool() const { return !FLife.expired(); }

 private:
  friend class TLiveGuard;
  explicit TLiveToken(std::weak_ptr<const void> ALife) : FLife(std::move(ALife)) {}
  std::weak_ptr<const void> FLife;
};

class TLiveGuard {
 public:
  TLiveGuard() = default;
  // A guard belongs to one object: a copied object has a life of its own.
  TLiveGuard(const TLiveGuard&) : TLiveGuard() {}
  TLiveGuard& operator=(const TLiveGuard&) { return *this; }

  TLiveToken Token() const { return TLiveToken(FLife); }
  bool Ended() const { return FLife == nullptr; }
  // Expires every token now. Tokens taken afterwards are expired from the start.
  void End() { FLife.reset(); }

 private:
  std::shared_ptr<const void> FLife = std::make_shared<char>();
};
