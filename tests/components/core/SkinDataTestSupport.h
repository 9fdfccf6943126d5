#pragma once
// Helpers of the skin data tests: small skin folders written by the test, pictures of
// one colour in any format, and a skin's description as text for comparing skins.

#include <cstdint>
#include <string>

#include "components/core/SkinData.h"
#include "tests/support/TestSupport.h"

namespace skin_data_test {

enum class TTestPictureFormat { Bmp, Png, Jpeg };

// A picture of AWidth × AHeight pixels: the left half AColor, the right half black.
void WriteTestPicture(const std::string& AFileName, int AWidth, int AHeight, uint32_t AColor,
                      TTestPictureFormat AFormat = TTestPictureFormat::Bmp);

// The sections every skin description needs ("VERSION" with the skin's name,
// "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"), each holding the matching
// argument's lines (PICTURES an empty "picture" when APictures is empty), then AOther.
std::string SkinIniText(const std::string& AName, const std::string& APictures = "",
                        const std::string& AFormInfo = "", const std::string& AObjects = "count=0",
                        const std::string& AControls = "count=0", const std::string& AOther = "");

// Writes skin.ini into AFolder and returns its file name.
std::string WriteSkinIni(const testing_support::TempDir& AFolder, const std::string& AText);

// The skin's whole description as the writer gives it, for comparing two skins.
std::string SkinDescriptionText(TspSkinData& ASkin);

// The colour of a pixel of a picture, as 0xRRGGBB.
uint32_t PicturePixel(TBitmap& APicture, int AX, int AY);

}  // namespace skin_data_test
