// The skin's glow window on a real X display: without a compositor the glow manager
// stands still and the display stays usable; with one (xcompmgr, started here) the glow
// shows on the screen at the opacity its fade has reached.

#include <cstdlib>
#include <functional>

#include "components/core/spEffBmp.h"
#include "tests/e2e/Compositor.h"
#include "tests/e2e/X11BackendFixture.h"

namespace e2e {
namespace {

class X11GlowTest : public X11BackendTest {
 protected:
  void SetUp() override {
    X11BackendTest::SetUp();
    White.SetSize(20, 20);
    White.Canvas().Brush().SetColor(clWhite);
    White.Canvas().FillRect(Rect(0, 0, 20, 20));
  }
  void TearDown() override {
    Manager.reset();
    X11BackendTest::TearDown();
  }

  bool StartCompositor() { return Compositor.Start(VirtualDisplay(), X11()); }
  // The fade's timer needs the loop to come round at least every tick.
  bool TickUntil(const std::function<bool()>& ACondition) {
    return e2e::TickUntil(X11(), TspLayerManager::FadeInterval, ACondition);
  }

  // The grey of the screen at the middle of the glow.
  int ScreenGrey() { return int(VirtualDisplay().Screenshot(Rect(50, 50, 51, 51)).Pixel(0, 0) & 0xFF); }

  TBitmap White;
  std::unique_ptr<TspLayerManager> Manager;
  TCompositor Compositor;
};

TEST_F(X11GlowTest, WithoutACompositorTheGlowIsLeftOut) {
  BindSystemFunctions();
  Manager = std::make_unique<TspLayerManager>(nullptr);
  Manager->Show(40, 40, White, White, 200);
  EXPECT_FALSE(Manager->LayerWindow());
  EXPECT_FALSE(Manager->IsFading());
  Manager->Hide();
  EXPECT_EQ(ScreenGrey(), 0) << "the black root window shows";
}

// Each screenshot goes through ImageMagick's import; they take most of the test's
// several seconds, more under the sanitizers.
TEST_F(X11GlowTest, WithACompositorTheScreenCarriesTheFade) {
  ASSERT_TRUE(StartCompositor());
  BindSystemFunctions();
  Manager = std::make_unique<TspLayerManager>(nullptr);
  Manager->Show(40, 40, White, White, 200);
  ASSERT_TRUE(Manager->LayerWindow());
  // Held at opacity 0, the glow shows the background: once it composites, the
  // compositor paints the root in a grey of its own. White at opacity a over grey g
  // shows g + (255 − g) × a / 255.
  Manager->StopTimer();
  int Background = 0;
  ASSERT_TRUE(TickUntil([&] { return (Background = ScreenGrey()) > 0; }));
  const auto Over = [Background](int AAlpha) { return Background + (255 - Background) * AAlpha / 255; };
  Manager->StartTimer();
  // Halfway, held there.
  ASSERT_TRUE(TickUntil([this] { return Manager->CurrentAlpha() >= 100; }));
  Manager->StopTimer();
  const int Halfway = Manager->CurrentAlpha();
  EXPECT_TRUE(TickUntil([&] { return std::abs(ScreenGrey() - Over(Halfway)) <= 3; }))
      << ScreenGrey() << " for " << Over(Halfway);

  Manager->StartTimer();
  ASSERT_TRUE(TickUntil([this] { return !Manager->IsFading(); }));
  EXPECT_EQ(Manager->CurrentAlpha(), 200);
  EXPECT_TRUE(TickUntil([&] { return std::abs(ScreenGrey() - Over(200)) <= 3; }))
      << ScreenGrey() << " for " << Over(200);

  Manager->Hide();
  EXPECT_TRUE(TickUntil([&] { return std::abs(ScreenGrey() - Background) <= 3; })) << ScreenGrey();
}

}  // namespace
}  // namespace e2e
