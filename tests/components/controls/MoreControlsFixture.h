#pragma once
// The fixture of the label, link, frame, expanding-panel and splitter tests: a fresh
// headless window system per test, a top-level host window (a frameless popup, so its
// client area is its window) to place controls on, scripted input, the virtual clock,
// and the presented pixels. Skins: a small one built here from known colours, and the
// program's default skin.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "components/core/SkinData.h"
#include "platform/ui/Controls.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "resources/skin-new/SkinNew.h"

namespace more_controls_test {

// A top-level windowed control filled with Color; hidden until shown.
class TControlsHost : public TCustomControl {
 public:
  explicit TControlsHost(TComponent* AOwner);
  void Paint() override;

 protected:
  void CreateParams(TCreateParams& AParams) override;
};

// A skin of solid-colour pictures, made in memory: elements are added by the tests.
class TFixtureSkin {
 public:
  TFixtureSkin();

  // Appends a AWidth × AHeight picture filled with AColor and answers its index.
  int AddPicture(int AWidth, int AHeight, TColor AColor);
  TBitmap& Picture(int AIndex) { return *Data.FActivePictures[AIndex]; }
  template <typename TRecord>
  TRecord& AddControl(const String& AIDName) {
    Data.CtrlList.push_back(std::make_unique<TRecord>(AIDName));
    return static_cast<TRecord&>(*Data.CtrlList.back());
  }

  // Not empty, in build mode (announces nothing); colours as the system's.
  TspSkinData Data{nullptr};
};

class MoreControlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // At (100, 100), 200 × 150, clBtnFace; not shown until ShowHost.
  TControlsHost& Host() { return *FHost; }
  void ShowHost();
  // Handles what the queue holds now.
  void Pump();
  // Moves the virtual clock, running the timers due on the way.
  void AdvanceClock(uint32_t AMilliseconds);
  COLORREF HostPixel(int AX, int AY);
  // The host's pixels in AArea, one character each by the legend ('#' for others).
  std::string HostPicture(const TRect& AArea, const std::vector<std::pair<TColor, char>>& ALegend);
  // The screen point of a host client point.
  TPoint OnHost(int AX, int AY) const { return {100 + AX, 100 + AY}; }
  // The program's default skin, built once per test program.
  static TspSkinData& DefaultSkin();

 private:
  std::unique_ptr<TControlsHost> FHost;
};

}  // namespace more_controls_test
