// The player's sound: volume and mute as the device receives them, an audio-only file
// with the spectrum display, the waves of a video file, switching the audio stream, a
// device that cannot be opened and the default driver.

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

// 4 s of a red 320 × 240 picture with a stereo 1 kHz sine at half scale.
std::string MakeRedWithSound(const std::string& AFolder) {
  const std::string Name = AFolder + "/redsound.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i color=c=red:s=320x240:r=25:d=4 -f lavfi -i "
      "\"aevalsrc=0.5*sin(2*PI*1000*t):c=stereo:s=44100:d=4\" "
      "-c:v mpeg4 -q:v 2 -c:a pcm_s16le " +
      testing_support::ShellQuote(Name));
  return Name;
}

// ASeconds of a 1 kHz sine at half scale on all six channels of 5.1, 16-bit PCM at
// 44.1 kHz; with AVideo under a red 320 × 240 picture.
std::string MakeSixChannelSine(const std::string& AFolder, bool AVideo, int ASeconds) {
  const std::string Name = AFolder + (AVideo ? "/red51.mkv" : "/sine51.wav");
  const std::string Length = std::to_string(ASeconds);
  decoder_media::RunFFmpeg(
      (AVideo ? "-f lavfi -i color=c=red:s=320x240:r=25:d=" + Length + " " : std::string()) +
      "-f lavfi -i \"aevalsrc=0.5*sin(2*PI*1000*t):c=5.1:s=44100:d=" + Length + "\" " +
      (AVideo ? "-c:v mpeg4 -q:v 2 " : "") + "-c:a pcm_s16le " + testing_support::ShellQuote(Name));
  return Name;
}

// 10 s of a red 320 × 240 picture with two stereo audio streams: stream 1 silent,
// stream 2 a 1 kHz sine at half scale.
std::string MakeRedWithSilenceAndSound(const std::string& AFolder) {
  const std::string Name = AFolder + "/twotracks.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i color=c=red:s=320x240:r=25:d=10 -f lavfi -i anullsrc=cl=stereo:r=44100:d=10 -f lavfi -i "
      "\"aevalsrc=0.5*sin(2*PI*1000*t):c=stereo:s=44100:d=10\" "
      "-map 0 -map 1 -map 2 -c:v mpeg4 -q:v 2 -c:a pcm_s16le " +
      testing_support::ShellQuote(Name));
  return Name;
}

bool IsRed(uint32_t APixel) { return (APixel >> 16) > 0xC0 && (APixel & 0xFFFF) < 0x4040; }

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
                           return AInfo.param.Mute ? std::string("Muted")
                                                   : "Volume" + std::to_string(AInfo.param.Volume);
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

TEST_F(PlayerTest, TheFirstAudioDisplayToggleOnAVideoFileShowsTheWaves) {
  const std::string Clip = MakeRedWithSound(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return IsRed(PresentedPixel(160, 120)); }))
      << std::hex << PresentedPixel(160, 120);
  Player->ToggleAudioDisplay();
  // Black bands with a white trace per channel instead of the red picture.
  auto ShowsWaves = [&] {
    bool White = false;
    for (int Y = 0; Y < WindowHeight && !White; ++Y) White = PresentedPixel(100, Y) == 0xFFFFFF;
    return White && PresentedPixel(2, 2) == 0;
  };
  EXPECT_TRUE(PumpUntil(ShowsWaves)) << std::hex << PresentedPixel(2, 2);
}

// The sound changes to the other stream while the pictures go on: the video thread,
// which asks for the sound's clock with every picture, runs on through the switch.
TEST_F(PlayerTest, SwitchingTheAudioStreamWhilePlayingSoundsTheNewStream) {
  UseDiskAudio(20);  // the device plays about as fast as a real one
  const std::string Clip = MakeRedWithSilenceAndSound(Dir.Path().string());
  Player->wanted_audio_stream = 1;
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_EQ(Player->AudioStreamIndex(), 1);
  ASSERT_TRUE(PumpUntil([&] { return IsRed(PresentedPixel(160, 120)) && !WrittenSamples().empty(); }));
  EXPECT_EQ(Peak(WrittenSamples()), 0);

  Player->SetAudioStreamIndex(2);
  EXPECT_EQ(Player->AudioStreamIndex(), 2);
  EXPECT_TRUE(PumpUntil([&] { return Peak(WrittenSamples()) >= 16000; }));
  const int Presents = Backend().Presents();
  EXPECT_TRUE(PumpUntil([&] { return Backend().Presents() >= Presents + 10; }));
  Player->Stop(true);
}

TEST_F(PlayerTest, AnAudioDeviceThatCannotOpenIsReportedAsSuchAndThePicturesStillPlay) {
  // The disk driver cannot create its file in a folder that does not exist; the clip's
  // stereo is what the device was asked for first.
  setenv("SDL_DISKAUDIOFILE", Dir.File("missing/audio.raw").c_str(), 1);
  const std::string Clip = MakeRedWithSound(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  // The streams are open when Open returns.
  EXPECT_TRUE(WasLoggedStartingWith("SDL_OpenAudio() failed: "));
  EXPECT_FALSE(WasLoggedStartingWith("SDL advised"));
  EXPECT_TRUE(PumpUntil([&] { return IsRed(PresentedPixel(160, 120)); }))
      << std::hex << PresentedPixel(160, 120);
}

TEST_F(PlayerTest, TheDefaultAudioDriverIsTheOneTheEnvironmentNamedBeforeAPlayerChoseOne) {
  const std::string Sine = MakeSine(Dir.Path().string());
  Player->AudioDriver = adWaveOut;
  Player->Open(Sine, Window, false);  // ALSA may or may not serve here
  Player->Stop(true);
  EXPECT_STREQ(getenv("SDL_AUDIODRIVER"), "alsa");

  Player->AudioDriver = adDefault;
  ASSERT_TRUE(Player->Open(Sine, Window, false)) << Player->LastErrMsg();
  EXPECT_STREQ(getenv("SDL_AUDIODRIVER"), "disk");
  ASSERT_TRUE(WaitForState(psEnd));
  Player->Stop(true);
  EXPECT_GE(WrittenSamples().size(), 44100u);
}

// With more channels than two the displays walk the sample ring by the device's channel
// count and stay inside it (the sanitizer build checks every read): the waves get one
// band per channel, the spectrum is drawn from the first two.
TEST_F(PlayerTest, SixChannelSoundShowsSixWaveBands) {
  ASSERT_TRUE(Player->Open(MakeSixChannelSine(Dir.Path().string(), true, 4), Window, false))
      << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return IsRed(PresentedPixel(160, 120)); }));
  Player->ToggleAudioDisplay();
  constexpr int Bands = 6, BandHeight = WindowHeight / Bands;
  auto ShowsSixBands = [&] {
    if (PresentedPixel(2, 2) != 0) return false;
    for (int Band = 0; Band < Bands; ++Band) {
      // The separator above every band but the first, and a trace inside each.
      if (Band > 0 && PresentedPixel(5, Band * BandHeight) != 0xFFFFFF) return false;
      bool Trace = false;
      for (int X = 0; X < WindowWidth && !Trace; X += 3)
        for (int Y = Band * BandHeight + 2; Y < (Band + 1) * BandHeight - 1 && !Trace; ++Y)
          Trace = PresentedPixel(X, Y) == 0xFFFFFF;
      if (!Trace) return false;
    }
    return true;
  };
  EXPECT_TRUE(PumpUntil(ShowsSixBands));
  Player->Stop(true);
}

TEST_F(PlayerTest, SixChannelSoundShowsTheSpectrum) {
  ASSERT_TRUE(Player->Open(MakeSixChannelSine(Dir.Path().string(), false, 1), Window, false))
      << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psEnd));
  const int Presents = Backend().Presents();
  ASSERT_TRUE(PumpUntil([&] { return Backend().Presents() >= Presents + 15; }));
  bool Lit = false;
  for (int X = 0; X < WindowWidth && !Lit; ++X)
    for (int Y = 0; Y < WindowHeight && !Lit; ++Y) Lit = PresentedPixel(X, Y) != 0;
  EXPECT_TRUE(Lit);
  Player->Stop(true);
}
