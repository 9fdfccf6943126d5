// Where a skinned menu window opens: below, above or beside its anchor, always inside
// the work area, flipping to the anchor's side when it fits neither below nor above.

#include <gtest/gtest.h>

#include "components/forms/SkinMenus.h"

namespace skin_menus_place_test {
namespace {

constexpr TRect WorkArea{0, 0, 1024, 768};
struct TPlaceCase {
  const char* Name;
  TRect Anchor;
  int Height;
  TspPopupDirection Direction;
  bool Tall;
  TPoint Expected;
};

// A window 100 pixels wide whose items begin 3 pixels below its top, on a work area of
// 1024 x 768.
TEST(SkinMenusPlaceTest, OpensInsideTheWorkArea) {
  const TPlaceCase Cases[] = {
      {"point, room below", {300, 100, 300, 100}, 200, pdDown, false, {300, 100}},
      {"point near the right edge moves left", {1000, 100, 1000, 100}, 200, pdDown, false, {924, 100}},
      {"point left of the work area", {-20, 100, -20, 100}, 200, pdDown, false, {0, 100}},
      {"control in the lower half opens above", {300, 600, 380, 620}, 200, pdDown, false, {300, 400}},
      {"no room below in the upper half: bottom, beside",
       {300, 300, 380, 700},
       200,
       pdDown,
       false,
       {381, 568}},
      {"no room above nor below in the lower half: top, beside",
       {300, 500, 380, 700},
       600,
       pdDown,
       false,
       {381, 0}},
      {"upward with room above", {300, 600, 380, 620}, 200, pdUp, false, {300, 400}},
      {"upward without room, upper half: below", {300, 100, 380, 120}, 200, pdUp, false, {300, 120}},
      {"upward, below passes the bottom: bottom, beside", {300, 150, 380, 700}, 200, pdUp, false, {381, 568}},
      {"upward without room, lower half: top, beside", {300, 500, 380, 520}, 600, pdUp, false, {381, 0}},
      {"sub-menu beside its item, first item level", {300, 100, 400, 120}, 200, pdByItem, false, {401, 97}},
      {"sub-menu at the right edge opens left", {950, 100, 1020, 120}, 200, pdByItem, false, {849, 97}},
      {"sub-menu in the upper half, no room below", {300, 300, 400, 320}, 500, pdByItem, false, {401, 268}},
      {"sub-menu in the lower half opens upward from its item",
       {300, 700, 400, 720},
       200,
       pdByItem,
       false,
       {401, 523}},
      {"taller than the work area: top, beside", {300, 100, 300, 100}, 768, pdDown, true, {301, 0}},
  };
  for (const TPlaceCase& Case : Cases) {
    const TPoint At =
        PlaceSkinPopupWindow(WorkArea, Case.Anchor, TSize{100, Case.Height}, 3, Case.Direction, Case.Tall);
    EXPECT_EQ(At.X, Case.Expected.X) << Case.Name;
    EXPECT_EQ(At.Y, Case.Expected.Y) << Case.Name;
  }
}

}  // namespace
}  // namespace skin_menus_place_test
