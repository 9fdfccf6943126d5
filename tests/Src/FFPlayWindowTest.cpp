// Where the player's pictures go: a window of its own over the whole screen in
// full-screen mode, a window of its own when the caller has none (the desktop has no
// icon view to play into), the picture drawn again when the window is said to have
// moved; and a file named through the engine's "unicode:" protocol.

#include <algorithm>

#include "platform/win/Windows.h"
#include "tests/Src/PlayerTestFixture.h"

using namespace player_test;

namespace {

// 2 s of a red 320 × 180 (16:9) picture with a blue 40 × 40 square in its bottom-right
// corner, so that a cropped picture shows.
std::string MakeWideMarkedClip(const std::string& AName) {
  decoder_media::RunFFmpeg(
      "-f lavfi -i \"color=c=red:s=320x180:r=25:d=2,drawbox=x=280:y=140:w=40:h=40:color=blue:t=fill\" "
      "-c:v mpeg4 -q:v 2 " +
      testing_support::ShellQuote(AName));
  return AName;
}

}  // namespace

class PlayerWindowTest : public PlayerTest {
 protected:
  // The window other than the test's that got pictures, or nullptr.
  HWND PlayersOwnWindow() const {
    for (HWND Presented : Backend().PresentedWindows())
      if (Presented != Window && IsWindow(Presented)) return Presented;
    return nullptr;
  }
};

TEST_F(PlayerWindowTest, FullScreenFillsAWindowOverTheScreenWithThePictureAspectKept) {
  const std::string Clip = MakeWideMarkedClip(Dir.File("wide.mkv"));
  Player->is_full_screen = true;
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return PlayersOwnWindow() != nullptr; }));
  HWND Own = PlayersOwnWindow();
  const int Width = GetSystemMetrics(SM_CXSCREEN), Height = GetSystemMetrics(SM_CYSCREEN);
  RECT Bounds;
  GetWindowRect(Own, &Bounds);
  EXPECT_EQ(Bounds.Left, 0);
  EXPECT_EQ(Bounds.Top, 0);
  EXPECT_EQ(Bounds.Width(), Width);
  EXPECT_EQ(Bounds.Height(), Height);
  ASSERT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(Own, Width / 2, Height / 2), 0xFF0000); }))
      << std::hex << PresentedPixel(Own, Width / 2, Height / 2);
  EXPECT_EQ(Backend().PresentedSize(Own), (TSize{Width, Height}));

  // The 16:9 picture as wide as the screen, centred: its bottom-right marker is whole.
  const int PictureHeight = std::min(Height, (Width * 9 / 16) & ~1);
  const int PictureWidth = PictureHeight == Height ? (Height * 16 / 9) & ~1 : Width;
  const int Left = (Width - PictureWidth) / 2, Top = (Height - PictureHeight) / 2;
  const int Marker = PictureWidth / 8;  // 40 of 320
  EXPECT_TRUE(IsColour(
      PresentedPixel(Own, Left + PictureWidth - Marker / 2, Top + PictureHeight - Marker / 2), 0x0000FF));
  EXPECT_TRUE(IsColour(PresentedPixel(Own, Left + Marker / 2, Top + Marker / 2), 0xFF0000));
  if (Top > 2) {
    EXPECT_EQ(PresentedPixel(Own, Width / 2, Top / 2), 0u);  // black above the picture
  }

  // The end of the playback closes the window.
  Player->Stop(true);
  EXPECT_FALSE(IsWindow(Own));
}

TEST_F(PlayerWindowTest, WithoutADesktopIconViewThePlayerShowsThePicturesInAWindowOfItsOwn) {
  EXPECT_EQ(FindDesktopListView(), nullptr);
  const std::string Clip = MakeWideMarkedClip(Dir.File("wide.mkv"));
  ASSERT_TRUE(Player->Open(Clip, FindDesktopListView(), true)) << Player->LastErrMsg();
  ASSERT_TRUE(PumpUntil([&] { return PlayersOwnWindow() != nullptr; }));
  HWND Own = PlayersOwnWindow();
  char Caption[32] = {};
  GetWindowText(Own, Caption, sizeof Caption);
  EXPECT_STREQ(Caption, "DUVezori");
  EXPECT_TRUE(IsWindowVisible(Own));
  // The window takes the picture's size, and shows all of it.
  ASSERT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(Own, 300, 160), 0x0000FF); }))
      << std::hex << PresentedPixel(Own, 300, 160);
  EXPECT_TRUE(IsColour(PresentedPixel(Own, 20, 20), 0xFF0000));
  RECT Client;
  GetClientRect(Own, &Client);
  EXPECT_EQ(Client.Width(), 320);
  EXPECT_EQ(Client.Height(), 180);
  Player->Stop(true);
  EXPECT_FALSE(IsWindow(Own));
}

TEST_F(PlayerWindowTest, UpdateScreenPositionDrawsThePictureAgain) {
  Player->UpdateScreenPosition();  // nothing plays: nothing happens
  const std::string Clip = MakeWideMarkedClip(Dir.File("wide.mkv"));
  ASSERT_TRUE(Player->Open(Clip, Window, true)) << Player->LastErrMsg();
  ASSERT_TRUE(WaitForState(psPause));
  ASSERT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 100), 0xFF0000); }));
  // Paused, nothing more is drawn until told.
  const int Presents = Backend().Presents();
  Player->UpdateScreenPosition();
  EXPECT_GT(Backend().Presents(), Presents);
  EXPECT_TRUE(IsColour(PresentedPixel(160, 100), 0xFF0000));
}

TEST_F(PlayerWindowTest, OpensAUnicodeNameWithAColonAndLettersBeyondASCII) {
  const std::string Clip = MakeWideMarkedClip(Dir.File("Größe: Ærø.mkv"));
  ASSERT_TRUE(Player->Open("unicode:" + Clip, Window, true)) << Player->LastErrMsg();
  EXPECT_TRUE(PumpUntil([&] { return IsColour(PresentedPixel(160, 100), 0xFF0000); }))
      << std::hex << PresentedPixel(160, 100);
  EXPECT_EQ(Player->FileName(), "unicode:" + Clip);
}
