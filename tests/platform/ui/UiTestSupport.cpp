#include "tests/platform/ui/UiTestSupport.h"

#include "platform/win/headless/HeadlessPictures.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"

namespace ui_test {

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

}  // namespace ui_test
