// The layered glow window and its manager on the headless backend: the fade on the
// virtual clock, the window's styles, the picture handed to the window system, and the
// manager standing still where layered windows cannot be shown.

#include <gtest/gtest.h>

#include <vector>

#include "components/core/spEffBmp.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace {

class LayerManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    StartWindowSystem(std::make_unique<THeadlessBackend>());
    BindSystemFunctions();
    Manager = std::make_unique<TspLayerManager>(nullptr);
    Image.SetSize(4, 3);
    Image.Canvas().Brush().SetColor(clWhite);
    Image.Canvas().FillRect(Rect(0, 0, 4, 3));
    Mask.SetSize(4, 3);
    Mask.Canvas().Brush().SetColor(TColor(RGB(128, 128, 128)));
    Mask.Canvas().FillRect(Rect(0, 0, 4, 3));
  }
  void TearDown() override {
    Manager.reset();
    StopWindowSystem();
  }
  static THeadlessBackend& Headless() { return *HeadlessBackend(); }

  // The constant opacity the window system shows the glow with after each tick, until
  // the fade stops (at most 30 ticks).
  std::vector<int> FadeSteps() {
    std::vector<int> Steps;
    while (Manager->IsFading() && Steps.size() < 30) {
      Headless().AdvanceClock(TspLayerManager::FadeInterval);
      Steps.push_back(Headless().ConstantAlpha(Manager->LayerWindow()->Handle()));
    }
    return Steps;
  }

  TBitmap Image, Mask;
  std::unique_ptr<TspLayerManager> Manager;
};

TEST_F(LayerManagerTest, FadesInByATenthPerTickAndStops) {
  const struct {
    int Target;
    std::vector<int> Steps;
  } Cases[] = {
      {200, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}},
      {255, {25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255}},
      // A step of at least 1: small targets fade too, and the timer stops.
      {5, {1, 2, 3, 4, 5}},
  };
  for (const auto& Case : Cases) {
    Manager->Show(10, 20, Image, Mask, Case.Target);
    ASSERT_TRUE(Manager->LayerWindow());
    EXPECT_EQ(Headless().ConstantAlpha(Manager->LayerWindow()->Handle()), 0);
    EXPECT_EQ(FadeSteps(), Case.Steps) << Case.Target;
    EXPECT_FALSE(Manager->IsFading());
    Headless().AdvanceClock(100);
    EXPECT_EQ(Manager->CurrentAlpha(), Case.Target);
  }
}

TEST_F(LayerManagerTest, ShowsAToolWindowThatTakesNeitherFocusNorMouse) {
  Manager->Show(10, 20, Image, Mask, 200);
  const HWND Window = Manager->LayerWindow()->Handle();
  EXPECT_TRUE(Headless().IsShown(Window));
  EXPECT_EQ(Headless().WindowRect(Window), Rect(10, 20, 14, 23));
  EXPECT_EQ(Headless().ExStyle(Window) & (WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED),
            WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_LAYERED);
  EXPECT_EQ(Headless().Style(Window) & WS_POPUP, WS_POPUP);
  EXPECT_EQ(SendMessage(Window, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  EXPECT_NE(Headless().ActiveWindow(), Window);
  EXPECT_TRUE(Headless().HasPerPixelAlpha(Window));
  // White under a mask of grey 128: premultiplied, 128 in every channel.
  Headless().AdvanceClock(10 * TspLayerManager::FadeInterval);
  const std::vector<uint8_t>& Pixels = Headless().PresentedPixels(Window);
  ASSERT_EQ(Pixels.size(), size_t(4 * 4 * 3));
  EXPECT_EQ(std::vector<uint8_t>(Pixels.begin(), Pixels.begin() + 4),
            (std::vector<uint8_t>{128, 128, 128, 128}));
}

TEST_F(LayerManagerTest, ASecondShowReplacesTheWindowAndStartsFromZero) {
  Manager->Show(10, 20, Image, Mask, 200);
  Headless().AdvanceClock(3 * TspLayerManager::FadeInterval);
  EXPECT_EQ(Manager->CurrentAlpha(), 60);
  Manager->Show(30, 40, Image, Mask, 100);
  EXPECT_EQ(Manager->CurrentAlpha(), 0);
  EXPECT_EQ(Headless().WindowRect(Manager->LayerWindow()->Handle()).Left, 30);
  EXPECT_EQ(FadeSteps().front(), 10);
}

TEST_F(LayerManagerTest, HideFreesTheWindowAndStopsTheFade) {
  Manager->Show(10, 20, Image, Mask, 200);
  const HWND Window = Manager->LayerWindow()->Handle();
  Manager->Hide();
  EXPECT_FALSE(Manager->LayerWindow());
  EXPECT_FALSE(Manager->IsVisible());
  EXPECT_FALSE(Manager->IsFading());
  EXPECT_FALSE(Headless().IsKnown(Window));
  Manager->Update();  // nothing to place
  Headless().AdvanceClock(100);
}

TEST_F(LayerManagerTest, DoesNothingWhereLayeredWindowsCannotBeShown) {
  Headless().SetPerPixelAlpha(false);
  BindSystemFunctions();
  Manager->Show(10, 20, Image, Mask, 200);
  EXPECT_FALSE(Manager->LayerWindow());
  EXPECT_FALSE(Manager->IsFading());
}

}  // namespace
