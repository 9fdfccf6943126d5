#include "tests/platform/ui/UiTestSupport.h"

#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/support/Pictures.h"

namespace ui_test {

// The headless backend draws the same pixels on every run and in both builds; the
// slack of two per channel only absorbs rounding in blending. A control drawn one
// pixel off changes whole edges, far beyond it.
::testing::AssertionResult LooksAsInItsPicture(HWND AWindow, const std::string& AName) {
  const TPixelImage Picture = WindowPicture(AWindow);
  testing_support::KeepPictureForLooking(Picture, AName);
  return testing_support::MatchesReferencePicture(Picture, "tests/platform/ui/pictures/" + AName + ".png",
                                                  {.Channel = 2, .Pixels = 0});
}

THost::THost(TComponent* AOwner) : TCustomControl(AOwner) {
  ControlStyle.Include(csAcceptsControls);
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(100, 100, 200, 150);
}

void THost::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

void THost::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP | WS_CLIPCHILDREN;
}

void UiTest::SetUp() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  FHost = std::make_unique<THost>(nullptr);
}

void UiTest::TearDown() {
  FHost.reset();
  StopWindowSystem();
}

void UiTest::ShowHost() {
  FHost->Show();
  Pump();
}

void UiTest::Pump() { ProcessPendingMessages(); }

COLORREF UiTest::HostPixel(int AX, int AY) { return PresentedPixel(FHost->Handle(), AX, AY); }

std::string UiTest::HostPicture(const TRect& AArea, const std::vector<std::pair<TColor, char>>& ALegend) {
  testing_support::TPixelLegend Legend;
  for (const auto& [Color, Character] : ALegend)
    Legend.emplace_back(testing_support::OpaquePixel(ColorToRGB(Color)), Character);
  return testing_support::AsciiPicture(WindowPicture(FHost->Handle()), AArea, Legend);
}

}  // namespace ui_test
