#pragma once

#include <utility>

// Runs a cleanup when the scope ends, by return or by exception: this code
// base's try/finally. Write the cleanup once, right after what it undoes:
//
//   Canvas->Lock();
//   ScopeExit unlock([&] { Canvas->Unlock(); });
//
// The cleanup runs from a destructor, so it must not throw; `Dismiss` keeps it
// from running when the work it guards has been handed on.
template <class F>
class ScopeExit {
 public:
  explicit ScopeExit(F cleanup) : FCleanup(std::move(cleanup)) {}
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;
  ~ScopeExit() {
    if (FActive) FCleanup();
  }

  void Dismiss() { FActive = false; }

 private:
  F FCleanup;
  bool FActive = true;
};
