// Picture and sound stay together over a 20-second clip played in real time.
//
// The test takes those 20 seconds of wall time in either build: the sound device's
// pace is real time, and picture and sound drifting apart shows only over a long
// stretch of playback. It mostly waits, so it costs the other tests little.
//
// Each picture of the clip shows its own number; the sound goes to SDL's disk driver,
// which writes a buffer of 1024 sample frames and then waits 21 ms, so its pace is
// near the clip's 48 kHz but not the same: the picture has to follow the sound. When
// the window system presents a picture, the test reads which picture it is and how
// much sound has been handed to the device by then. The sound handed over leads what
// is heard by the device's two buffers, as the player's audio clock counts it.

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/base/Clock.h"
#include "tests/Src/PlayerTestFixture.h"

using namespace player_test;

namespace {

constexpr int FrameRate = 50;
constexpr int SampleRate = 48000;
constexpr int BytesPerFrame = 4;  // stereo, 16 bits
constexpr int DeviceBuffer = 1024;

// 20 s of 64×48 pictures at 50 a second whose three 16-pixel bands show the picture's
// number in base 16 (grey levels 16 + 13 × digit, lowest digit on the left), lossless,
// with a stereo sine at 48 kHz.
std::string MakeNumberedClip(const std::string& AFolder) {
  const std::string Name = AFolder + "/numbered.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i \"color=c=black:s=64x48:r=50:d=20,format=yuv420p,"
      "geq=lum='16+13*mod(floor(N/pow(16\\,floor(X/16)))\\,16)':cb=128:cr=128\" "
      "-f lavfi -i \"sine=frequency=440:sample_rate=48000:d=20\" -ac 2 -c:v ffv1 -c:a pcm_s16le " +
      testing_support::ShellQuote(Name));
  return Name;
}

int DecodeNumber(const TPixelView& AImage) {
  int Number = 0;
  for (int Digit = 2; Digit >= 0; --Digit) {
    const uint8_t* Pixel = AImage.Bits + 24 * AImage.Stride + (Digit * 16 + 8) * 4;
    const double Luma = 16 + Pixel[2] * 219.0 / 255.0;
    Number = Number * 16 + static_cast<int>(std::lround((Luma - 16) / 13));
  }
  return Number;
}

struct TSample {
  int Picture;
  double Time;         // seconds on the monotonic clock
  double SoundFrames;  // sample frames written by then
};

}  // namespace

TEST_F(PlayerTest, PictureAndSoundStayWithin40MillisecondsOverTwentySeconds) {
  const std::string Clip = MakeNumberedClip(Dir.Path().string());
  UseDiskAudio(21);
  MakePlayer(64, 48);
  std::vector<TSample> Samples;
  Backend().OnPresent = [&](const TPixelView& AImage) {
    if (AImage.Width != 64 || AImage.Height != 48) return;
    struct stat Info;
    if (stat(AudioFile().c_str(), &Info) != 0) return;
    Samples.push_back({DecodeNumber(AImage), MonotonicMicroseconds() / 1e6,
                       static_cast<double>(Info.st_size) / BytesPerFrame});
  };
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psEnd, 60000));
  Player->Stop(true);
  Backend().OnPresent = nullptr;

  // Most pictures were shown; the first second settles the clocks.
  ASSERT_GE(Samples.size(), 800u);
  std::erase_if(Samples, [](const TSample& S) { return S.Picture < FrameRate; });

  // The file grows in steps (the driver's buffers, and its C library's buffering of
  // them), so a single reading lags the sound by up to two buffers. A reading taken
  // right after a step is exact, and the sound goes on at its pace from there: the
  // sound at each picture is the best of the readings within 100 ms, each carried
  // forward or back to the picture's time at the driver's pace.
  const double Pace = (Samples.back().SoundFrames - Samples.front().SoundFrames) /
                      (Samples.back().Time - Samples.front().Time);
  // Errors by second of the clip; heard minus shown, positive when the picture is late.
  std::map<int, std::vector<double>> Errors;
  for (const TSample& S : Samples) {
    double Handed = 0;
    for (const TSample& Near : Samples)
      if (std::fabs(Near.Time - S.Time) <= 0.1)
        Handed = std::max(Handed, Near.SoundFrames + Pace * (S.Time - Near.Time));
    const double Heard = (Handed - 2 * DeviceBuffer) / SampleRate;
    Errors[S.Picture / FrameRate].push_back(Heard - static_cast<double>(S.Picture) / FrameRate);
  }
  // A busy machine may show a single picture late; what must not happen is picture
  // and sound drifting apart: in every second, the typical picture is within 40 ms.
  ASSERT_GE(Errors.size(), 18u);
  for (auto& [Second, InSecond] : Errors) {
    std::nth_element(InSecond.begin(), InSecond.begin() + InSecond.size() / 2, InSecond.end());
    const double Median = InSecond[InSecond.size() / 2];
    EXPECT_LE(std::fabs(Median), 0.040) << "picture " << (Median > 0 ? "behind" : "ahead of")
                                        << " the sound by " << Median * 1000 << " ms in second " << Second;
  }
}
