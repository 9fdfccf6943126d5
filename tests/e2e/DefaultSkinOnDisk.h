#pragma once
// The program's default skin as the end-to-end tests wear it: drawn, stored into a
// folder of the test and read back from there.

#include "components/core/SkinData.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/support/TestSupport.h"

namespace e2e {

// Stores the default skin into AFolder and loads it from there into ASkin, in build
// mode (it announces nothing to the forms).
inline void LoadDefaultSkin(TspSkinData& ASkin, const testing_support::TempDir& AFolder) {
  skin_new::StoreSkinNew(*skin_new::BuildSkinNew(), AFolder.Path().string());
  ASkin.BuildMode = true;
  ASkin.LoadFromFile(AFolder.File("skin.ini"));
}

}  // namespace e2e
