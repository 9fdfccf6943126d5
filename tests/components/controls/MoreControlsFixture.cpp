#include "tests/components/controls/MoreControlsFixture.h"

#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "tests/support/Pictures.h"

namespace more_controls_test {

TControlsHost::TControlsHost(TComponent* AOwner) : TCustomControl(AOwner) {
  ControlStyle.Include(csAcceptsControls);
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(100, 100, 200, 150);
}

void TControlsHost::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
}

void TControlsHost::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP | WS_CLIPCHILDREN;
}

TFixtureSkin::TFixtureSkin() {
  Data.BuildMode = true;
  Data.Empty = false;
  Data.FSkinColors.SetColorsToDefault();
}

int TFixtureSkin::AddPicture(int AWidth, int AHeight, TColor AColor) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetSize(AWidth, AHeight);
  Picture->Canvas().Brush().SetColor(AColor);
  Picture->Canvas().FillRect(Rect(0, 0, AWidth, AHeight));
  Data.FActivePictures.push_back(std::move(Picture));
  return static_cast<int>(Data.FActivePictures.size()) - 1;
}

void MoreControlsTest::SetUp() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  FHost = std::make_unique<TControlsHost>(nullptr);
}

void MoreControlsTest::TearDown() {
  FHost.reset();
  StopWindowSystem();
}

void MoreControlsTest::ShowHost() {
  FHost->Show();
  Pump();
}

void MoreControlsTest::Pump() { ProcessPendingMessages(); }

void MoreControlsTest::AdvanceClock(uint32_t AMilliseconds) {
  HeadlessBackend()->AdvanceClock(AMilliseconds);
}

COLORREF MoreControlsTest::HostPixel(int AX, int AY) { return PresentedPixel(FHost->Handle(), AX, AY); }

std::string MoreControlsTest::HostPicture(const TRect& AArea,
                                          const std::vector<std::pair<TColor, char>>& ALegend) {
  testing_support::TPixelLegend Legend;
  for (const auto& [Color, Character] : ALegend)
    Legend.emplace_back(testing_support::OpaquePixel(ColorToRGB(Color)), Character);
  return testing_support::AsciiPicture(WindowPicture(FHost->Handle()), AArea, Legend);
}

TspSkinData& MoreControlsTest::DefaultSkin() {
  static std::unique_ptr<skin_new::TSkinNew> Skin = skin_new::BuildSkinNew();
  return Skin->Data;
}

}  // namespace more_controls_test
