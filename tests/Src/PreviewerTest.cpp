// The preview window on the headless window system: a stay-on-top tool window centred on
// the screen that shows each picture with its time as caption, moves when its picture
// is dragged, and, once closed, ends the previews of its task while the conversion
// goes on.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>

#include "Src/FFLoad.h"
#include "Src/Previewer.h"
#include "platform/win/Windows.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/headless/HeadlessInput.h"
#include "tests/Src/HookTestMedia.h"
#include "tests/Src/TranscodeTestSupport.h"
#include "tests/support/TestSupport.h"

namespace {

using namespace hook_test;
using namespace transcode_test;

// The headless backend, also counting the caption changes of each window: the previewer
// gives its window the picture's time with every picture it shows.
class TCaptionCountingBackend : public THeadlessBackend {
 public:
  void TopLevelTextChanged(HWND AWindow, const String& AText) override {
    THeadlessBackend::TopLevelTextChanged(AWindow, AText);
    CaptionChanges[AWindow]++;
  }
  std::map<HWND, int> CaptionChanges;
};

std::unique_ptr<TBitmap> FilledBitmap(int AWidth, int AHeight, uint8_t ABlue, uint8_t AGreen, uint8_t ARed) {
  auto Bitmap = std::make_unique<TBitmap>();
  Bitmap->SetPixelFormat(pf24bit);
  Bitmap->SetSize(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; Y++) {
    uint8_t* Row = Bitmap->ScanLine(Y);
    for (int X = 0; X < AWidth; X++) {
      Row[X * 3] = ABlue;
      Row[X * 3 + 1] = AGreen;
      Row[X * 3 + 2] = ARed;
    }
  }
  return Bitmap;
}

class PreviewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFLoader().Load(AllLibraries)) << FFLoader().LastErrMsg();
    StartWindowSystem(std::make_unique<TCaptionCountingBackend>());
  }
  void TearDown() override {
    DoneApplication();
    StopWindowSystem();
  }

  TCaptionCountingBackend& Backend() { return static_cast<TCaptionCountingBackend&>(*HeadlessBackend()); }

  // The shown pixel at (AX, AY) of the window's client area, as 0xRRGGBB.
  uint32_t ClientPixel(HWND AWindow, int AX, int AY) {
    ProcessPendingMessages();
    POINT Origin{0, 0};
    ClientToScreen(AWindow, &Origin);
    const TRect Place = Backend().WindowRect(AWindow);
    const TSize Size = Backend().PresentedSize(AWindow);
    const std::vector<uint8_t>& Pixels = Backend().PresentedPixels(AWindow);
    const int X = Origin.X - Place.Left + AX;
    const int Y = Origin.Y - Place.Top + AY;
    if (Pixels.empty() || X >= Size.cx || Y >= Size.cy) return 0xFFFFFFFF;
    const uint8_t* P = &Pixels[(static_cast<size_t>(Y) * Size.cx + X) * 4];
    return (uint32_t{P[2]} << 16) | (uint32_t{P[1]} << 8) | P[0];
  }

  // Runs the message loop and the calls handed over by other threads until ACondition
  // holds; false after a generous guard.
  bool PumpUntil(const std::function<bool()>& ACondition) {
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    for (;;) {
      ProcessPendingMessages();
      if (ACondition()) return true;
      if (std::chrono::steady_clock::now() > Deadline) return false;
      CheckSynchronize(20);
    }
  }

  testing_support::TempDir Dir;
};

TEST_F(PreviewerTest, EachPictureIsShownInAStayOnTopToolWindowCaptionedWithItsTime) {
  TPreviewer Previewer;
  auto Red = FilledBitmap(160, 120, 0, 0, 255);
  ASSERT_TRUE(Previewer.PaintFrame(*Red, 1, 1500000));
  ASSERT_NE(Previewer.Form(), nullptr);
  const HWND Window = Previewer.Form()->Handle();
  EXPECT_TRUE(Backend().IsShown(Window));
  EXPECT_TRUE(Backend().ExStyle(Window) & WS_EX_TOPMOST);
  EXPECT_TRUE(Backend().ExStyle(Window) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(Backend().Text(Window), "00:00:01.500");
  EXPECT_EQ(Previewer.Form()->ClientWidth(), 160);
  EXPECT_EQ(Previewer.Form()->ClientHeight(), 120);
  const TRect Place = Backend().WindowRect(Window);
  EXPECT_NEAR((Place.Left + Place.Right) / 2, 640, 1);
  EXPECT_NEAR((Place.Top + Place.Bottom) / 2, 400, 1);
  EXPECT_EQ(ClientPixel(Window, 0, 0), 0xFF0000u);
  EXPECT_EQ(ClientPixel(Window, 159, 119), 0xFF0000u);

  // A later picture of another size is drawn at the same place; the window keeps its
  // size.
  auto Green = FilledBitmap(80, 60, 0, 255, 0);
  ASSERT_TRUE(Previewer.PaintFrame(*Green, 2, 1540000));
  EXPECT_EQ(Backend().Text(Window), "00:00:01.540");
  EXPECT_EQ(Previewer.Form()->ClientWidth(), 160);
  EXPECT_EQ(ClientPixel(Window, 79, 59), 0x00FF00u);
  EXPECT_EQ(Backend().WindowRect(Window), Place);
}

TEST_F(PreviewerTest, DraggingThePictureMovesTheWindow) {
  TPreviewer Previewer;
  auto Red = FilledBitmap(64, 48, 0, 0, 255);
  ASSERT_TRUE(Previewer.PaintFrame(*Red, 1, 0));
  const HWND Window = Previewer.Form()->Handle();
  const TRect Place = Backend().WindowRect(Window);
  POINT Grip{20, 20};
  ClientToScreen(Window, &Grip);
  InjectPointerPress(Grip);
  InjectPointerMove({Grip.X + 30, Grip.Y + 15});
  InjectPointerRelease({Grip.X + 30, Grip.Y + 15});
  ProcessPendingMessages();
  const TRect Moved = Backend().WindowRect(Window);
  EXPECT_EQ(Moved.Left, Place.Left + 30);
  EXPECT_EQ(Moved.Top, Place.Top + 15);
  EXPECT_EQ(Moved.Width(), Place.Width());
}

TEST_F(PreviewerTest, AClosedWindowShowsNoMorePictures) {
  TPreviewer Previewer;
  auto Red = FilledBitmap(64, 48, 0, 0, 255);
  ASSERT_TRUE(Previewer.PaintFrame(*Red, 1, 0));
  const HWND Window = Previewer.Form()->Handle();
  SendMessage(Window, WM_CLOSE, 0, 0);
  ProcessPendingMessages();
  EXPECT_FALSE(Backend().IsShown(Window));
  const int Captions = Backend().CaptionChanges[Window];
  EXPECT_FALSE(Previewer.PaintFrame(*Red, 2, 40000));
  EXPECT_EQ(Backend().CaptionChanges[Window], Captions);
}

// The conversion runs on its own thread and paints through the user-interface thread,
// which this test keeps running.
TEST_F(PreviewerTest, ClosingTheWindowEndsThePreviewsWhileTheConversionGoesOn) {
  const std::string Clip = MakeFlatClip(Dir.Path().string(), "red.avi", "red");
  const std::string Output = Dir.File("out.mkv");
  auto Task = MakeTask({{Clip, ""}}, Output, "-vcodec ffv1");
  ASSERT_TRUE(Task);
  Task->PreviewInterval = 0;
  Task->SetPostHooks({phPreview});
  std::atomic<bool> Ended{false};
  Task->FOnTerminate = [&](TObject*) { Ended = true; };
  TThread* Thread = Task->StartConvert(true);
  ASSERT_NE(Thread, nullptr);
  Thread->Start();

  HWND Window = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    if (TPreviewer* Previewer = Task->Previewer(); Previewer && Previewer->Form())
      Window = Previewer->Form()->Handle();
    return Window != nullptr;
  }));
  const uint32_t Shown = ClientPixel(Window, 32, 24);
  EXPECT_GE(Shown >> 16, 0xF0u) << std::hex << Shown;
  EXPECT_LE(Shown & 0xFFFF, 0x1010u) << std::hex << Shown;
  SendMessage(Window, WM_CLOSE, 0, 0);
  const int Captions = Backend().CaptionChanges[Window];
  EXPECT_GE(Captions, 1);
  EXPECT_LT(Captions, Frames);

  ASSERT_TRUE(PumpUntil([&] { return Ended.load(); }));
  EXPECT_TRUE(Task->FFinished) << Task->FFatalMessage;
  EXPECT_EQ(Backend().CaptionChanges[Window], Captions);
  EXPECT_EQ(Task->Previewer(), nullptr);
  EXPECT_FALSE(Task->PostHooks().Contains(phPreview));
  EXPECT_FALSE(Backend().IsKnown(Window));
  EXPECT_EQ(static_cast<int>(ReadLuma(Output).size()), Frames);
}

// The event and the window are never both served for a picture: the event wins.
TEST_F(PreviewerTest, ThePreviewBitmapEventTakesPrecedenceOverTheWindow) {
  const std::string Clip = MakeFlatClip(Dir.Path().string(), "gray.avi");
  auto Task = MakeTask({{Clip, ""}}, Dir.File("out.mkv"), "-vcodec ffv1");
  ASSERT_TRUE(Task);
  Task->PreviewInterval = 0;
  Task->SetPostHooks({phPreview, phBitmap});
  int Previews = 0;
  Task->FOnPreviewBitmap = [&](TObject* ASender, TBitmap*, int, int64_t) {
    Previews++;
    const auto* SendingTask = dynamic_cast<TCustomFFmpeg*>(ASender);
    ASSERT_NE(SendingTask, nullptr);
    EXPECT_EQ(SendingTask->Previewer(), nullptr);
  };
  TRunResult Result = RunInPlace(*Task);
  ASSERT_TRUE(Result.Finished) << Result.Message;
  EXPECT_EQ(Previews, Frames);
  EXPECT_EQ(Screen->CustomFormCount(), 0);
}

}  // namespace
