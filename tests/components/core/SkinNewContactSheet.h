#pragma once
// The contact sheet of the default skin: a sample of every element in its states,
// composed from the skin's pictures and records by the skin library's own routines.

#include "platform/gdi/PictureCodecs.h"
#include "resources/skin-new/SkinNew.h"

namespace skin_new_test {

TPixelImage DrawSkinNewContactSheet(const skin_new::TSkinNew& ASkin);

}  // namespace skin_new_test
