#pragma once
// A skin with a full layered border for the tests of the skin form's own behaviour in
// it: the fixture skin of SkinFormTestSupport.h with a layer frame of 140 x 120 whose
// client rectangle (20, 30, 120, 100) covers the form and whose visible border is the
// whole picture (20 pixels left and right, 30 on top, 20 below); its caption
// (20, 8, 120, 28) lies in the top window with the system-menu button (12 x 12) at its
// left end.

#include <memory>

#include "components/core/SkinData.h"

namespace skin_form_test {

constexpr int FullBorderLeft = 20, FullBorderTop = 30, FullBorderRight = 20, FullBorderBottom = 20;

std::unique_ptr<TspSkinData> MakeFullBorderSkin();

}  // namespace skin_form_test
