#pragma once
// A fixture for the skinned-control tests: a fresh headless window system per test, a
// top-level host (a popup window without frame, its client area its window) that
// tests put controls on, show and read the presented pixels of, and a skin built in
// the test: element records and pictures made in memory, found by name as a loaded
// skin's are.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "components/core/SkinData.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImgList.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace skin_controls_test {

// Filled with Color in every paint, or with LeftColor in its left half when that is
// set (a background whose two halves tell where a pixel came from).
class TTestHost : public TCustomControl {
 public:
  explicit TTestHost(TComponent* AOwner);
  TColor LeftColor = clNone;

 protected:
  void Paint() override;
  void CreateParams(TCreateParams& AParams) override;
};

// Appends an image of the list's size filled with AColor.
void AddFilledImage(TCustomImageList& AList, TColor AColor);

class SkinControlsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Frees the host and the skin before the window system stops.
  void TearDown() override;

  // At (100, 100), 200 × 150, clBtnFace, not shown yet.
  TTestHost& Host() { return *FHost; }
  // A skin without elements, marked as loaded.
  TspSkinData& Skin() { return *FSkin; }
  // The program's default skin, drawn, stored into a folder and loaded from there
  // once per test program (in build mode: it announces nothing).
  static TspSkinData& SkinNew();
  // Appends a picture of AWidth × AHeight to the skin's picture list, each pixel
  // coloured by APixel(X, Y); returns its index.
  int AddPicture(int AWidth, int AHeight, const std::function<TColor(int, int)>& APixel);
  // Appends an element record of kind TRecord named AName and returns it.
  template <class TRecord>
  TRecord& AddElement(const String& AName) {
    auto Record = std::make_unique<TRecord>(AName);
    TRecord& Result = *Record;
    TspSkinEditor(*FSkin).AddControl(std::move(Record));
    return Result;
  }

  void ShowHost();
  // Handles everything queued now.
  void Pump();
  THeadlessBackend& Headless() { return *HeadlessBackend(); }
  // The presented colour of a pixel of the host's client area.
  COLORREF HostPixel(int AX, int AY);
  // An area of the host as presented, one character a pixel: the legend's for its
  // colour, '#' for any other (see tests/support/Pictures.h).
  std::string HostPicture(const TRect& AArea, const std::vector<std::pair<TColor, char>>& ALegend);
  // Whether the host, as last presented, looks as its reference picture
  // tests/components/controls/pictures/<AName>.png shows (see tests/support/Pictures.h).
  ::testing::AssertionResult HostLooksAsInItsPicture(const std::string& AName);

 private:
  std::unique_ptr<TTestHost> FHost;
  std::unique_ptr<TspSkinData> FSkin;
};

}  // namespace skin_controls_test
