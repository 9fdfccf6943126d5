#pragma once
// The program's default skin as the end-to-end tests wear it: drawn, stored into a
// folder of the test and read back from there.

#include <memory>

#include "components/core/SkinData.h"
#include "platform/ui/Application.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/e2e/X11BackendFixture.h"
#include "tests/support/TestSupport.h"

namespace e2e {

// Stores the default skin into AFolder and loads it from there into ASkin, in build
// mode (it announces nothing to the forms).
inline void LoadDefaultSkin(TspSkinData& ASkin, const testing_support::TempDir& AFolder) {
  skin_new::StoreSkinNew(*skin_new::BuildSkinNew(), AFolder.Path().string());
  ASkin.BuildMode = true;
  ASkin.LoadFromFile(AFolder.File("skin.ini"));
}

// The x11 backend fixture with the default skin loaded for each test (Skin); the
// application's forms go after each test, before the skin does.
class X11DefaultSkinTest : public X11BackendTest {
 protected:
  void SetUp() override {
    X11BackendTest::SetUp();
    Skin = std::make_unique<TspSkinData>(nullptr);
    LoadDefaultSkin(*Skin, SkinFolder);
  }
  void TearDown() override {
    DoneApplication();
    Skin.reset();
    X11BackendTest::TearDown();
  }

  testing_support::TempDir SkinFolder;
  std::unique_ptr<TspSkinData> Skin;
};

}  // namespace e2e
