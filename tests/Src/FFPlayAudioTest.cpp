// The player's sound: volume and mute as the device receives them, and an audio-only
// file with the spectrum display.

#include <algorithm>
#include <cstdlib>

#include "tests/Src/PlayerTestFixture.h"

using namespace player_test;

namespace {

// 0.5 s of a 1 kHz sine at an eighth of full scale (peak 4095 or 4096), stereo 16-bit
// PCM at 44.1 kHz.
std::string MakeSine(const std::string& AFolder) {
  const std::string Name = AFolder + "/sine.wav";
  decoder_media::RunFFmpeg(
      "-f lavfi -i \"aevalsrc=0.125*sin(2*PI*1000*t):c=stereo:s=44100:d=0.5\" -c:a pcm_s16le " +
      testing_support::ShellQuote(Name));
  return Name;
}

int Peak(const std::vector<int16_t>& ASamples) {
  int Result = 0;
  for (int16_t S : ASamples) Result = std::max(Result, std::abs(static_cast<int>(S)));
  return Result;
}

}  // namespace

struct TVolumeCase {
  bool Mute;
  int Volume;
  int ExpectedPeak;  // of the sine's 4095
};

class PlayerVolumeTest : public PlayerTest, public testing::WithParamInterface<TVolumeCase> {};

TEST_P(PlayerVolumeTest, TheDeviceGetsTheSamplesScaledByVolumeOrSilence) {
  const TVolumeCase& Case = GetParam();
  const std::string Sine = MakeSine(Dir.Path().string());
  Player->Mute = Case.Mute;
  Player->SetAudioVolume(Case.Volume);
  ASSERT_TRUE(Player->Open(Sine, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psEnd));
  Player->Stop(true);
  const std::vector<int16_t> Samples = WrittenSamples();
  // The half second of stereo sound went through.
  ASSERT_GE(Samples.size(), 44100u);
  EXPECT_NEAR(Peak(Samples), Case.ExpectedPeak, 2);
}

INSTANTIATE_TEST_SUITE_P(, PlayerVolumeTest,
                         testing::Values(TVolumeCase{false, 128, 4095}, TVolumeCase{false, 64, 2047},
                                         TVolumeCase{true, 128, 0}, TVolumeCase{false, 0, 0}),
                         [](const testing::TestParamInfo<TVolumeCase>& AInfo) {
                           return AInfo.param.Mute ? std::string("Muted") : "Volume" + std::to_string(AInfo.param.Volume);
                         });

TEST_F(PlayerTest, AudioOnlyFileShowsTheSpectrumAndEndsOnce) {
  const std::string Sine = MakeSine(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Sine, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psEnd));
  // Every refresh draws the spectrum and checks the position: let many pass.
  const int Presents = Backend().Presents();
  ASSERT_TRUE(PumpUntil([&] { return Backend().Presents() >= Presents + 15; }));
  EXPECT_EQ(CountOf(psEnd), 1);
  // The sine's frequency lights a row of the spectrum somewhere in the window.
  bool Lit = false;
  for (int X = 0; X < WindowWidth && !Lit; ++X)
    for (int Y = 0; Y < WindowHeight && !Lit; ++Y) Lit = PresentedPixel(X, Y) != 0;
  EXPECT_TRUE(Lit);
  Player->Stop(true);
  EXPECT_TRUE(WaitForState(psStop));
  EXPECT_EQ(States, (std::vector<TPlayState>{psPlay, psEnd, psStop}));
}
