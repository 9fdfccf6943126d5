#include "tests/components/controls/SkinCtrlsTestSupport.h"

#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/headless/HeadlessPictures.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/support/Pictures.h"
#include "tests/support/TestSupport.h"

namespace skin_controls_test {

TTestHost::TTestHost(TComponent* AOwner) : TCustomControl(AOwner) {
  ControlStyle.Include(csAcceptsControls);
  SetVisible(false);
  SetColor(clBtnFace);
  SetBounds(100, 100, 200, 150);
}

void TTestHost::Paint() {
  Canvas().Brush().SetColor(Color());
  Canvas().FillRect(ClientRect());
  if (LeftColor == clNone) return;
  Canvas().Brush().SetColor(LeftColor);
  Canvas().FillRect(Rect(0, 0, Width() / 2, Height()));
}

void TTestHost::CreateParams(TCreateParams& AParams) {
  TCustomControl::CreateParams(AParams);
  AParams.Style = WS_POPUP | WS_CLIPCHILDREN;
}

void SkinControlsTest::SetUp() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  FHost = std::make_unique<TTestHost>(nullptr);
  FSkin = std::make_unique<TspSkinData>(nullptr);
  FSkin->Empty = false;
}

void SkinControlsTest::TearDown() {
  FHost.reset();
  FSkin.reset();
  StopWindowSystem();
}

int SkinControlsTest::AddPicture(int AWidth, int AHeight, const std::function<TColor(int, int)>& APixel) {
  auto Picture = std::make_unique<TBitmap>();
  Picture->SetSize(AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y)
    for (int X = 0; X < AWidth; ++X) Picture->Canvas().SetPixels(X, Y, APixel(X, Y));
  return TspSkinEditor(*FSkin).AddPicture(std::move(Picture));
}

TspSkinData& SkinControlsTest::SkinNew() {
  struct TStoredSkin {
    testing_support::TempDir Folder;
    TspSkinData Data{nullptr};
    TStoredSkin() {
      skin_new::StoreSkinNew(*skin_new::BuildSkinNew(), Folder.Path().string());
      Data.BuildMode = true;
      Data.LoadFromFile(Folder.File("skin.ini"));
    }
  };
  static TStoredSkin Stored;
  return Stored.Data;
}

void SkinControlsTest::ShowHost() {
  FHost->Show();
  Pump();
}

void SkinControlsTest::Pump() { ProcessPendingMessages(); }

COLORREF SkinControlsTest::HostPixel(int AX, int AY) { return PresentedPixel(FHost->Handle(), AX, AY); }

std::string SkinControlsTest::HostPicture(const TRect& AArea,
                                          const std::vector<std::pair<TColor, char>>& ALegend) {
  testing_support::TPixelLegend Legend;
  for (const auto& [Color, Character] : ALegend)
    Legend.emplace_back(testing_support::OpaquePixel(ColorToRGB(Color)), Character);
  return testing_support::AsciiPicture(WindowPicture(FHost->Handle()), AArea, Legend);
}

// The headless backend draws the same pixels on every run and in both builds; the
// slack of two per channel only absorbs rounding in blending.
::testing::AssertionResult SkinControlsTest::HostLooksAsInItsPicture(const std::string& AName) {
  const TPixelImage Picture = WindowPicture(FHost->Handle());
  testing_support::KeepPictureForLooking(Picture, AName);
  return testing_support::MatchesReferencePicture(
      Picture, "tests/components/controls/pictures/" + AName + ".png", {.Channel = 2, .Pixels = 0});
}

void AddFilledImage(TCustomImageList& AList, TColor AColor) {
  TBitmap Image;
  Image.SetSize(AList.Width(), AList.Height());
  Image.Canvas().Brush().SetColor(AColor);
  Image.Canvas().FillRect(Rect(0, 0, AList.Width(), AList.Height()));
  AList.Add(Image, nullptr);
}

}  // namespace skin_controls_test
