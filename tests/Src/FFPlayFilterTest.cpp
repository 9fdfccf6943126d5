// The player's "-vf" runs through the engine's filter chains: "rotate" turns the picture
// the window shows, also after a seek, which starts the chain afresh; a live "nativeeq"
// parameter changes the pictures that follow while the clip plays; a chain that cannot
// be built is logged.

#include <cstdlib>

#include "Src/LiveParameters.h"
#include "tests/Src/PlayerTestFixture.h"

using namespace player_test;

namespace {

// 1 s red then 1 s green, 320 × 240 at 25 fps, with a blue 80 × 60 marker in the
// top-left corner; every picture a key frame, so that a seek lands where it is asked.
std::string MakeMarkedClip(const std::string& AFolder) {
  const std::string Name = AFolder + "/marked.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i \"color=c=red:s=320x240:r=25:d=1[r];color=c=green:s=320x240:r=25:d=1[g];"
      "[r][g]concat=n=2:v=1:a=0,drawbox=x=0:y=0:w=80:h=60:color=blue:t=fill[out0]\" -c:v mpeg4 -q:v 2 -g 1 " +
      testing_support::ShellQuote(Name));
  return Name;
}

// 10 s of a flat grey picture, long enough to be still playing when the test is done.
std::string MakeGreyClip(const std::string& AFolder) {
  const std::string Name = AFolder + "/grey.mkv";
  decoder_media::RunFFmpeg("-f lavfi -i color=c=0x808080:s=160x120:r=25:d=10 -c:v mpeg4 -q:v 2 " +
                           testing_support::ShellQuote(Name));
  return Name;
}

}  // namespace

TEST_F(PlayerTest, RotateTurnsThePictureAQuarterClockwiseAlsoAfterASeek) {
  MakePlayer(240, 320);  // the turned picture fills the window
  const std::string Clip = MakeMarkedClip(Dir.Path().string());
  Player->SetVideoFilters("rotate=90");
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  // The marker went from the top-left corner to the top-right one, 60 wide and 80 high.
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(210, 40), 0x0000FF); }))
      << std::hex << PresentedPixel(210, 40);
  EXPECT_TRUE(IsColour(PresentedPixel(30, 40), 0xFF0000)) << std::hex << PresentedPixel(30, 40);
  EXPECT_TRUE(IsColour(PresentedPixel(210, 280), 0xFF0000)) << std::hex << PresentedPixel(210, 280);
  EXPECT_EQ(Player->FrameWidth(), 240);
  EXPECT_EQ(Player->FrameHeight(), 320);

  // The seek flushes the chain; the one built for the next picture turns it as well.
  ASSERT_TRUE(WaitForState(psPause));
  Player->Seek(1000000, {}, true);
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(30, 40), 0x008000); }))
      << std::hex << PresentedPixel(30, 40);
  EXPECT_TRUE(IsColour(PresentedPixel(210, 40), 0x0000FF)) << std::hex << PresentedPixel(210, 40);
}

TEST_F(PlayerTest, ASeekDropsThePicturesTheFiltersHeldFromBefore) {
  const std::string Clip = MakeMarkedClip(Dir.Path().string());
  // "tmix" lays its last three pictures over each other: red ones held from before the
  // seek would tint the first green picture after it.
  Player->SetVideoFilters("tmix=frames=3");
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psPause));
  Player->Seek(1000000, {}, true);
  int64_t PTS = -1;
  ASSERT_TRUE(PumpUntil([&] {
    Player->CurrentFrame(PTS);
    return PTS >= 1000000;
  })) << "picture at "
      << PTS;
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 120), 0x008000); }, 2000))
      << std::hex << PresentedPixel(160, 120);
}

TEST_F(PlayerTest, ALiveBrightnessChangedWhilePlayingBrightensTheFollowingPictures) {
  const std::string Clip = MakeGreyClip(Dir.Path().string());
  const int Brightness = NewLiveParameter(0);
  Player->SetVideoFilters(Format("nativeeq=@%d", Brightness));
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  const int Middle = 0x80;
  ASSERT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 120), 0x808080); }))
      << std::hex << PresentedPixel(160, 120);

  SetLiveParameter(Brightness, 40);
  // Luma rises by about 100 of 255; grey turns near white.
  EXPECT_TRUE(PumpUntil([&] { return Channel(PresentedPixel(160, 120), 8) > Middle + 60; }))
      << std::hex << PresentedPixel(160, 120);
  ReleaseLiveParameter(Brightness);
}

TEST_F(PlayerTest, AFilterChainThatCannotBeBuiltIsLogged) {
  const std::string Clip = MakeGreyClip(Dir.Path().string());
  Player->SetVideoFilters("nativeeq=20,nosuch=1");
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  EXPECT_TRUE(PumpUntil([&] { return WasLogged("Error opening filters: No such filter: 'nosuch'"); }));
}

TEST_F(PlayerTest, FiltersSetWhilePlayingApplyToTheFollowingPictures) {
  const std::string Clip = MakeGreyClip(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 120), 0x808080); }))
      << std::hex << PresentedPixel(160, 120);

  Player->SetVideoFilters("nativeeq=40");
  EXPECT_TRUE(PumpUntil([&] { return Channel(PresentedPixel(160, 120), 8) > 0x80 + 60; }))
      << std::hex << PresentedPixel(160, 120);
  EXPECT_EQ(Player->VideoFilters(), "nativeeq=40");
}
