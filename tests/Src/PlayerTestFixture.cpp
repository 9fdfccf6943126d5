#include "tests/Src/PlayerTestFixture.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "platform/win/Windows.h"

namespace player_test {

void TObservedBackend::PresentImage(HWND AWindow, const TPixelView& AImage, const TRect& ADirty) {
  THeadlessBackend::PresentImage(AWindow, AImage, ADirty);
  ++FPresents;
  if (std::find(FPresentedWindows.begin(), FPresentedWindows.end(), AWindow) == FPresentedWindows.end())
    FPresentedWindows.push_back(AWindow);
  if (OnPresent) OnPresent(AImage);
}

void PlayerTest::SetUp() {
  StartWindowSystem(std::make_unique<TObservedBackend>());
  WNDCLASS Class;
  Class.lpfnWndProc = DefWindowProc;
  Class.lpszClassName = "PlayerTestWindow";
  RegisterClass(&Class);
  Logger = std::make_unique<TVORerivi>(nullptr);
  Logger->SetLogLevel(llDebug);
  Logger->TriggerEventInMainThread = false;
  Logger->OnLog = [this](TObject*, TThreadID, TLogLevel, const String& AText) {
    std::lock_guard Lock(FLogLock);
    FLogLines.push_back(AText);
  };
  String Error;
  SDLFile = MakeSDLLibraryCopy(Dir.Path().string(), 0, Error);
  ASSERT_FALSE(SDLFile.empty()) << Error;
  UseDiskAudio(2);
  MakePlayer();
}

void PlayerTest::TearDown() {
  Player.reset();
  StopWindowSystem();
}

void PlayerTest::MakePlayer(int AWidth, int AHeight) {
  Player.reset();
  if (Window) DestroyWindow(Window);
  Window = CreateWindowEx(0, "PlayerTestWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, AWidth, AHeight, nullptr,
                          nullptr, nullptr, nullptr);
  ASSERT_NE(Window, nullptr);
  Player = std::make_unique<TDUVezori>(nullptr);
  ASSERT_TRUE(Player->LoadAVLib("", false)) << Player->LastErrMsg();
  ASSERT_TRUE(Player->LoadSDLLib(Dir.Path().string(), "libSDL_0.so")) << Player->LastErrMsg();
  States.clear();
  Player->OnState = [this](TObject*, TPlayState AState) {
    if (!IsMainThread()) EventsOffUIThread = true;
    States.push_back(AState);
  };
  Player->OnFileOpen = [this](TObject*, int64_t ADuration, int, int, int&, int&) {
    if (!IsMainThread()) EventsOffUIThread = true;
    FileOpened = true;
    OpenedDuration = ADuration;
  };
  Player->OnPosition = [this](TObject*, int64_t APTS) {
    if (!IsMainThread()) EventsOffUIThread = true;
    Positions.push_back(APTS);
  };
}

void PlayerTest::UseDiskAudio(int ADelayMs) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", AudioFile().c_str(), 1);
  setenv("SDL_DISKAUDIODELAY", std::to_string(ADelayMs).c_str(), 1);
}

std::vector<int16_t> PlayerTest::WrittenSamples() const {
  const std::string Data = testing_support::ReadWholeFile(AudioFile());
  std::vector<int16_t> Samples(Data.size() / 2);
  std::copy_n(Data.data(), Samples.size() * 2, reinterpret_cast<char*>(Samples.data()));
  return Samples;
}

bool PlayerTest::PumpUntil(const std::function<bool()>& ACondition, int ATimeoutMs) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ATimeoutMs);
  for (;;) {
    ProcessPendingMessages();
    if (ACondition()) return true;
    if (std::chrono::steady_clock::now() > Deadline) return false;
    // Returns as soon as a player thread hands something over.
    CheckSynchronize(20);
  }
}

bool PlayerTest::WaitForState(TPlayState AState, int ATimeoutMs) {
  return PumpUntil([&] { return std::find(States.begin(), States.end(), AState) != States.end(); },
                   ATimeoutMs);
}

int PlayerTest::CountOf(TPlayState AState) const {
  return static_cast<int>(std::count(States.begin(), States.end(), AState));
}

uint32_t PlayerTest::PresentedPixel(int AX, int AY) const { return PresentedPixel(Window, AX, AY); }

uint32_t PlayerTest::PresentedPixel(HWND AWindow, int AX, int AY) const {
  const std::vector<uint8_t>& Pixels = Backend().PresentedPixels(AWindow);
  const TSize Size = Backend().PresentedSize(AWindow);
  if (Pixels.empty() || AX >= Size.cx || AY >= Size.cy) return 0xFFFFFFFF;
  const uint8_t* P = &Pixels[(static_cast<size_t>(AY) * Size.cx + AX) * 4];
  return (uint32_t{P[2]} << 16) | (uint32_t{P[1]} << 8) | P[0];
}

bool PlayerTest::WasLogged(const std::string& AText) const {
  std::lock_guard Lock(FLogLock);
  return std::find(FLogLines.begin(), FLogLines.end(), AText) != FLogLines.end();
}

bool PlayerTest::WasLoggedStartingWith(const std::string& APrefix) const {
  std::lock_guard Lock(FLogLock);
  return std::any_of(FLogLines.begin(), FLogLines.end(),
                     [&](const std::string& ALine) { return ALine.rfind(APrefix, 0) == 0; });
}

}  // namespace player_test
