#pragma once
// The fixture of the player's tests: a headless window system with a window to play
// into, a player with the engine libraries and its own copy of SDL, SDL's sound going
// to a file (the "disk" driver), and what the player reported.
//
// Waiting: the test thread is the user-interface thread. PumpUntil runs the message
// loop until a condition holds; it wakes whenever a player thread hands something to
// the user-interface thread (events, pictures), and gives up after a generous guard.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "Src/FFPlay.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/Src/DecoderTestMedia.h"
#include "tests/support/TestSupport.h"

namespace player_test {

// A channel of a 0xRRGGBB pixel: AShift 0 blue, 8 green, 16 red.
inline int Channel(uint32_t APixel, int AShift) { return static_cast<int>((APixel >> AShift) & 0xFF); }

// 0xRRGGBB close to AExpected in every channel: scaled, compressed pictures keep their
// colours only within a margin.
inline bool IsColour(uint32_t APixel, uint32_t AExpected, int ATolerance = 40) {
  for (int Shift : {0, 8, 16})
    if (std::abs(Channel(APixel, Shift) - Channel(AExpected, Shift)) > ATolerance) return false;
  return true;
}

// The headless backend, also telling the test about every picture the window system
// hands over.
class TObservedBackend : public THeadlessBackend {
 public:
  void PresentImage(HWND AWindow, const TPixelView& AImage, const TRect& ADirty) override;
  int Presents() const { return FPresents; }
  // The windows that were handed a picture, in order of their first one.
  const std::vector<HWND>& PresentedWindows() const { return FPresentedWindows; }
  // Runs on the user-interface thread with each picture handed over.
  std::function<void(const TPixelView& AImage)> OnPresent;

 private:
  int FPresents = 0;
  std::vector<HWND> FPresentedWindows;
};

class PlayerTest : public testing::Test {
 protected:
  static constexpr int WindowWidth = 320;
  static constexpr int WindowHeight = 240;

  void SetUp() override;
  void TearDown() override;

  // SDL's sound goes to AudioFile(); ADelayMs is how long the driver waits after each
  // buffer of 1024 sample frames.
  void UseDiskAudio(int ADelayMs);
  std::string AudioFile() const { return Dir.File("audio.raw"); }
  // The signed 16-bit samples written so far.
  std::vector<int16_t> WrittenSamples() const;

  // Makes a new player that records its events (Player is replaced).
  void MakePlayer(int AWidth = WindowWidth, int AHeight = WindowHeight);
  bool PumpUntil(const std::function<bool()>& ACondition, int ATimeoutMs = 30000);
  bool WaitForState(TPlayState AState, int ATimeoutMs = 30000);
  int CountOf(TPlayState AState) const;

  // The pixel of the window's (or AWindow's) presented picture, as 0xRRGGBB.
  uint32_t PresentedPixel(int AX, int AY) const;
  uint32_t PresentedPixel(HWND AWindow, int AX, int AY) const;
  bool WasLogged(const std::string& AText) const;
  bool WasLoggedStartingWith(const std::string& APrefix) const;

  TObservedBackend& Backend() const { return static_cast<TObservedBackend&>(*HeadlessBackend()); }

  testing_support::TempDir Dir;
  HWND Window = nullptr;
  std::unique_ptr<TVORerivi> Logger;
  std::unique_ptr<TDUVezori> Player;
  String SDLFile;

  // Recorded on the user-interface thread.
  std::vector<TPlayState> States;
  bool EventsOffUIThread = false;
  bool FileOpened = false;
  int64_t OpenedDuration = 0;
  std::vector<int64_t> Positions;

 private:
  mutable std::mutex FLogLock;
  std::vector<std::string> FLogLines;
};

}  // namespace player_test
