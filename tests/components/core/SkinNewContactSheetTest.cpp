// The contact sheet of the default skin, kept in docs/ for a person to look at. Run
// with PELLADRIN_UPDATE_PICTURES=1 after a change of look, look at the new sheet at
// 100 % and commit it.

#include <gtest/gtest.h>

#include "tests/components/core/SkinNewContactSheet.h"
#include "tests/components/core/SkinNewTestSupport.h"
#include "tests/support/Pictures.h"

namespace {

TEST(SkinNewContactSheetTest, MatchesTheSheetInTheDocs) {
  const TPixelImage Sheet = skin_new_test::DrawSkinNewContactSheet(*skin_new_test::StoredSkinNew().Generated);
  // Text is drawn by the system's font rasteriser, which may place a glyph's edge
  // pixels a little differently from one FreeType release to the next.
  EXPECT_TRUE(testing_support::MatchesReferencePicture(Sheet, "docs/skin-new-contact-sheet.png", {48, 1500}));
}

}  // namespace
