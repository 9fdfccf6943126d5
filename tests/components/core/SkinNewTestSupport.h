#pragma once
// The default skin as the tests see it: generated, stored into a folder of real files
// and read back from there, with the values of its records by key.

#include <map>
#include <memory>
#include <vector>

#include "components/core/SkinData.h"
#include "platform/gdi/PictureCodecs.h"
#include "resources/skin-new/SkinNew.h"
#include "tests/support/TestSupport.h"

namespace skin_new_test {

struct TLoadedSkinNew {
  testing_support::TempDir Folder;  // the stored skin, removed with the record
  std::unique_ptr<skin_new::TSkinNew> Generated;
  std::unique_ptr<TspSkinData> Loaded;
  std::unique_ptr<TMemIniFile> Ini;
  // The loaded pictures' pixels.
  TPixelImage Frame, InActiveFrame, Mask;
  std::vector<TPixelImage> Pictures;   // the picture list, in its order
  std::map<String, String> KindWords;  // by IDName, from the list sections

  const TspDataSkinControl* Control(const String& AIDName) const;
  const TspDataSkinObject* Object(const String& AIDName) const;
  // The picture at AIndex of the list, or nullptr.
  const TPixelImage* Picture(int AIndex) const;
};

// Generated and stored once per test program into a temporary folder, then read back.
const TLoadedSkinNew& StoredSkinNew();

// A record's values by ini key.
struct TRecordValues {
  std::map<String, TRect> Rects;
  std::map<String, TPoint> Points;
  std::map<String, int> Integers;
};
TRecordValues ValuesOf(const TspSkinKeyedRecord& ARecord);

// The relative luminance contrast of two colours, (L1 + 0.05) / (L2 + 0.05).
double ContrastRatio(TColor A, TColor B);
// A pixel (0xAARRGGBB) as a class-library colour.
TColor PixelColor(uint32_t APixel);

}  // namespace skin_new_test
