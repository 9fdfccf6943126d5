// The player end to end: opening with its events, destruction while playing, seeking
// to a picture, PlayTime with rtRewind, stopping an open that hangs, stopping and
// reopening with new settings, and the mapping of window rectangles.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

#include "tests/Src/DvdSubtitleMedia.h"
#include "tests/Src/PlayerTestFixture.h"

using namespace player_test;

namespace {

uint32_t BitmapPixel(TBitmap& ABitmap, int AX, int AY) {
  const uint8_t* P = ABitmap.ScanLine(AY) + AX * (ABitmap.PixelFormat() == pf32bit ? 4 : 3);
  return (uint32_t{P[2]} << 16) | (uint32_t{P[1]} << 8) | P[0];
}

// 0.6 s of testsrc2 at 25 fps with a sine, MPEG-4 and PCM in Matroska.
std::string MakeShortClip(const std::string& AFolder) {
  const std::string Name = AFolder + "/short.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i testsrc2=d=0.6:s=160x120:r=25 -f lavfi -i sine=d=0.6 -c:v mpeg4 -c:a pcm_s16le " +
      testing_support::ShellQuote(Name));
  return Name;
}

// 1 s red then 1 s green, 320x240 at 25 fps, every picture a key frame, so that a
// seek lands on the very picture asked for.
std::string MakeRedGreenClip(const std::string& AFolder) {
  const std::string Name = AFolder + "/redgreen.mkv";
  decoder_media::RunFFmpeg(
      "-f lavfi -i \"color=c=red:s=320x240:r=25:d=1[r];color=c=green:s=320x240:r=25:d=1[g];"
      "[r][g]concat=n=2:v=1:a=0[out0]\" -c:v mpeg4 -q:v 2 -g 1 " +
      testing_support::ShellQuote(Name));
  return Name;
}

}  // namespace

TEST_F(PlayerTest, OpenRaisesFileOpenThenPlayEndAndStopOnTheUserInterfaceThread) {
  const std::string Clip = MakeShortClip(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  EXPECT_TRUE(FileOpened);
  EXPECT_NEAR(OpenedDuration, 600000, 50000);
  ASSERT_TRUE(WaitForState(psEnd)) << "states seen: " << States.size();
  Player->Stop(true);
  ASSERT_TRUE(WaitForState(psStop));
  EXPECT_EQ(States, (std::vector<TPlayState>{psPlay, psEnd, psStop}));
  EXPECT_FALSE(EventsOffUIThread);
  // The positions are the video clock, which runs on between pictures: on a busy
  // machine a reading can be a little ahead of the next picture's time, so they are not
  // always in order, but they stay inside the file.
  ASSERT_FALSE(Positions.empty());
  EXPECT_TRUE(std::all_of(Positions.begin(), Positions.end(), [&](int64_t APTS) {
    return APTS >= 0 && APTS <= OpenedDuration;
  })) << testing::PrintToString(Positions);
}

TEST_F(PlayerTest, DestroyingAPlayerRightAfterAStopJoinsEveryThreadFirst) {
  const std::string Clip = MakeShortClip(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  Player->Stop(false);
  Player.reset();
  // The SDL copy is free again, and the window paints itself.
  TDUVezori Next(nullptr);
  EXPECT_TRUE(Next.LoadSDLLib(Dir.Path().string(), "libSDL_0.so")) << Next.LastErrMsg();
  ASSERT_TRUE(Next.LoadAVLib("", false));
  ASSERT_TRUE(Next.Open(Clip, Window, true)) << Next.LastErrMsg();
  Next.Stop(true);
  EXPECT_TRUE(Next.Paused());  // nothing plays any more
}

// Destruction raises nothing more, not even the stop of the playback it ends, while the
// threads that raise the events and hooks are still running until it has joined them
// (the ThreadSanitizer build sees every handler they read meanwhile).
TEST_F(PlayerTest, DestroyingAPlayingPlayerRaisesNoEventOfItsEnd) {
  UseDiskAudio(20);  // the sound, and with it the playback, goes at about its own pace
  const std::string Clip = decoder_media::MakeMp4(Dir.Path().string());
  std::atomic<int> VideoHooks{0}, FrameHooks{0}, AudioHooks{0};
  Player->VideoHook = Player->FrameHook = Player->AudioHook = true;
  Player->OnVideoHook = [&](void*, TBitmap*, int64_t, bool& AUpdate) {
    AUpdate = false;
    ++VideoHooks;
  };
  Player->OnFrameHook = [&](void*, AVFrame*, AVPixelFormat, int, int, int64_t) { ++FrameHooks; };
  Player->OnAudioHook = [&](void*, int64_t, uint8_t*, int, int, int) { ++AudioHooks; };
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return !Positions.empty() && VideoHooks && FrameHooks && AudioHooks; }));
  Player.reset();
  EXPECT_EQ(CountOf(psStop), 0);
  EXPECT_EQ(States.front(), psPlay);
}

TEST_F(PlayerTest, ACodecRateOtherThanTheContainerRateIsLogged) {
  const std::string Clip = decoder_media::MakeCodecRateMismatchClip(Dir.Path().string());
  Player->AutoAdjustFrameRate = true;
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  EXPECT_TRUE(PumpUntil([&] {
    return WasLogged(
        "Seems stream 0 codec frame rate differs from container frame rate: "
        "100.00 (100/1) -> 25.00 (25/1)");
  }));
  Player->Stop(true);
}

// A translucent white square subtitle over a red picture: blended once the square is
// pink; every further blend would make it whiter. Redraws while paused show the same
// picture, so the square keeps its colour.
TEST_F(PlayerTest, RedrawsWhilePausedDoNotBlendTheSubtitleAgain) {
  const std::string Subtitles = dvd_subtitle_media::WriteVobSub(Dir.File("square"), 64, 8, {{0, 0, 10000}});
  const std::string Clip = Dir.File("subtitled.mkv");
  decoder_media::RunFFmpeg("-f lavfi -i color=c=red:s=320x240:r=25:d=4 -i " +
                           testing_support::ShellQuote(Subtitles) +
                           " -map 0 -map 1 -c:v mpeg4 -q:v 2 -c:s copy " + testing_support::ShellQuote(Clip));
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  // Red with white at opacity 8/15, once: about 0xFE8887; twice it would be 0xFDC6C6.
  constexpr uint32_t BlendedOnce = 0xFE8887;
  ASSERT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(30, 30), BlendedOnce, 20); }))
      << std::hex << PresentedPixel(30, 30);
  Player->Pause();
  ASSERT_TRUE(WaitForState(psPause));
  const uint32_t Paused = PresentedPixel(30, 30);
  EXPECT_TRUE(IsColour(Paused, BlendedOnce, 20)) << std::hex << Paused;
  // Each change of the aspect ratio lays the picture out and draws it anew; the 4:3
  // picture fills the 4:3 window either way.
  for (int Redraw = 0; Redraw < 6; ++Redraw) {
    const int Presents = Backend().Presents();
    Player->SetAspectRatio(Redraw % 2 ? 0.0f : 4.0f / 3.0f);
    ASSERT_TRUE(PumpUntil([&] { return Backend().Presents() > Presents; }));
    EXPECT_EQ(PresentedPixel(30, 30), Paused) << "redraw " << Redraw;
  }
  EXPECT_TRUE(IsColour(PresentedPixel(160, 120), 0xFF0000, 20));  // the picture beside the square
  Player->Stop(true);
}

TEST_F(PlayerTest, SecondPlayerOnTheSameSDLCopyCannotOpen) {
  TDUVezori Second(nullptr);
  ASSERT_TRUE(Second.LoadAVLib("", false));
  EXPECT_FALSE(Second.LoadSDLLib(Dir.Path().string(), "libSDL_0.so"));
  EXPECT_EQ(Second.LastErrMsg(), SDLFile + " alreay loaded in another instance.");
  EXPECT_FALSE(Second.Open(MakeShortClip(Dir.Path().string()), Window, false));
  EXPECT_EQ(Second.LastErrMsg(), "sdl not loaded.");
}

TEST_F(PlayerTest, SeekWithWaitShowsThePictureAtOneSecond) {
  const std::string Clip = MakeRedGreenClip(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psPause));
  Player->Seek(1000000, {}, true);
  int64_t PTS = -1;
  ASSERT_TRUE(PumpUntil([&] {
    Player->CurrentFrame(PTS);
    return std::llabs(PTS - 1000000) <= 40000;
  })) << "picture at "
      << PTS;
  TBitmap* Picture = Player->CurrentFrame(PTS);
  ASSERT_EQ(Picture->Width(), 320);
  ASSERT_EQ(Picture->Height(), 240);
  EXPECT_TRUE(IsColour(BitmapPixel(*Picture, 160, 120), 0x008000))
      << std::hex << BitmapPixel(*Picture, 160, 120);
  // The window shows the same picture.
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 120), 0x008000); }))
      << std::hex << PresentedPixel(160, 120);
}

TEST_F(PlayerTest, TheVideoHookMayRepaintThePicture) {
  const std::string Clip = MakeRedGreenClip(Dir.Path().string());
  Player->VideoHook = true;
  Player->OnVideoHook = [](TObject*, TBitmap* ABitmap, int64_t, bool& AUpdate) {
    ABitmap->Canvas().Brush().SetStyle(bsSolid);
    ABitmap->Canvas().Brush().SetColor(clBlue);
    ABitmap->Canvas().FillRect(Rect(0, 0, ABitmap->Width() / 2, ABitmap->Height()));
    AUpdate = true;
  };
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(80, 120), 0x0000FF); }))
      << std::hex << PresentedPixel(80, 120);
  EXPECT_TRUE(IsColour(PresentedPixel(240, 120), 0xFF0000)) << std::hex << PresentedPixel(240, 120);
}

TEST_F(PlayerTest, PlayTimeWithRewindPausesAndReturnsToTheStart) {
  const std::string Clip = MakeRedGreenClip(Dir.Path().string());
  Player->PlayTime = 1300000;  // into the green second
  ASSERT_EQ(Player->RepeatType, rtRewind);
  ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psPause));
  int64_t PTS = -1;
  EXPECT_TRUE(PumpUntil([&] {
    Player->CurrentFrame(PTS);
    return PTS >= 0 && PTS < 100000;
  })) << "picture at "
      << PTS;
  EXPECT_TRUE(Player->Paused());
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 120), 0xFF0000); }))
      << std::hex << PresentedPixel(160, 120);
  EXPECT_EQ(CountOf(psEnd), 0);
}

TEST_F(PlayerTest, StopDuringTheOpenOfASilentPipeReturnsLongBeforeTheReadTimeOut) {
  const std::string Fifo = decoder_media::MakeFifo(Dir.Path().string());
  Player->ReadTimeout = 30000;
  // The writer's open returns once the player has opened the pipe; the stop then
  // reaches the user-interface thread while Open waits there.
  int WriterHandle = -1;
  std::thread Writer([&] {
    WriterHandle = open(Fifo.c_str(), O_WRONLY);
    TThread::Queue([this] { Player->Stop(false); });
  });
  const auto Started = std::chrono::steady_clock::now();
  const bool Opened = Player->Open(Fifo, Window, false);
  const auto Elapsed = std::chrono::steady_clock::now() - Started;
  Writer.join();
  if (WriterHandle >= 0) close(WriterHandle);
  EXPECT_FALSE(Opened);
  EXPECT_FALSE(Player->LastErrMsg().empty());
  EXPECT_LT(Elapsed, std::chrono::seconds(10));
  EXPECT_TRUE(WasLogged("connecting/reading broken") || WasLogged("connecting/reading canceled"));
}

TEST_F(PlayerTest, OpenOfASilentPipeFailsAfterTheReadTimeOut) {
  const std::string Fifo = decoder_media::MakeFifo(Dir.Path().string());
  Player->ReadTimeout = 500;
  int WriterHandle = -1;
  std::thread Writer([&] { WriterHandle = open(Fifo.c_str(), O_WRONLY); });
  EXPECT_FALSE(Player->Open(Fifo, Window, false));
  Writer.join();
  if (WriterHandle >= 0) close(WriterHandle);
  EXPECT_TRUE(WasLogged("connecting/reading timeout"));
}

struct TMappingCase {
  TRect Given, Display;
  int FrameWidth, FrameHeight;
  TRect Expected;
};

TEST(DisplayToActualRect, MapsWindowRectanglesToPicturePixels) {
  const TMappingCase Cases[] = {
      // A picture of 640×480 shown at half size, pillar-boxed in a wider window.
      {Rect(40, 0, 200, 120), Rect(40, 0, 360, 240), 640, 480, Rect(0, 0, 320, 240)},
      {Rect(200, 120, 40, 0), Rect(40, 0, 360, 240), 640, 480,
       Rect(0, 0, 320, 240)},  // right to left, bottom up
      {Rect(0, -10, 500, 300), Rect(40, 0, 360, 240), 640, 480,
       Rect(0, 0, 640, 480)},  // clipped to the picture
      {Rect(100, 60, 101, 61), Rect(40, 0, 360, 240), 640, 480, Rect(120, 120, 122, 122)},
      {Rect(10, 10, 20, 20), Rect(0, 0, 0, 240), 640, 480, Rect(0, 20, 0, 40)},  // empty width: not scaled
  };
  for (const TMappingCase& C : Cases)
    EXPECT_EQ(MapDisplayRect(C.Given, C.Display, C.FrameWidth, C.FrameHeight), C.Expected)
        << C.Given.Left << "," << C.Given.Top << "," << C.Given.Right << "," << C.Given.Bottom;
}

TEST_F(PlayerTest, DisplayToActualRectUsesWherePictureLies) {
  EXPECT_EQ(Player->DisplayToActualRect(Rect(0, 0, 100, 100)), TRect{});
  MakePlayer(400, 240);  // a 4:3 picture in a wider window is pillar-boxed
  const std::string Clip = MakeRedGreenClip(Dir.Path().string());
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return !(Player->DisplayToActualRect(Rect(0, 0, 400, 240)) == TRect{}); }));
  EXPECT_EQ(Player->DisplayToActualRect(Rect(0, 0, 400, 240)), Rect(0, 0, 320, 240));
  EXPECT_EQ(Player->DisplayToActualRect(Rect(40, 0, 200, 120)), Rect(0, 0, 160, 120));
}

// Stops, waited for or not, then settings for the next file, then the next Open: the
// settings made after the stop belong to that Open, whichever thread closes the
// playback and whenever; after a stop waited for, the per-file settings are back at
// their defaults. The close and the settings meet on the user-interface thread only.
TEST_F(PlayerTest, StopChangeSettingsAndReopenInALoopKeepsTheNewSettings) {
  const std::string Clip = MakeRedGreenClip(Dir.Path().string());
  for (int Round = 0; Round < 6; ++Round) {
    SCOPED_TRACE(Round);
    ASSERT_TRUE(Player->Open(Clip, Window, Round % 3 == 2)) << Player->LastErrMsg();
    if (Round % 2) {
      Player->Stop(true);
      EXPECT_EQ(Player->StartTime(), AV_NOPTS_VALUE);
      EXPECT_EQ(Player->RepeatType, rtRewind);
    } else {
      Player->Stop(false);
    }
    Player->set_start_time(1000000);
    Player->RepeatType = rtPause;
    Player->PlayTime = 200000;
    Player->audio_codec_name = "pcm_s16le";
    ASSERT_TRUE(Player->Open(Clip, Window, false)) << Player->LastErrMsg();
    EXPECT_EQ(Player->StartTime(), 1000000);
    EXPECT_EQ(Player->RepeatType, rtPause);
    EXPECT_EQ(Player->PlayTime, 200000);
    // The playback started at one second: green.
    EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 120), 0x008000); }))
        << std::hex << PresentedPixel(160, 120);
    Player->Stop(Round % 2 == 0);
  }
  Player->Stop(true);
  EXPECT_EQ(Player->StartTime(), AV_NOPTS_VALUE);
  EXPECT_EQ(Player->PlayTime, AV_NOPTS_VALUE);
  EXPECT_TRUE(Player->audio_codec_name.empty());
}
