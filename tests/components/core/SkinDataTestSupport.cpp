#include "tests/components/core/SkinDataTestSupport.h"

#include <vector>

#include "platform/gdi/PictureCodecs.h"

namespace skin_data_test {

void WriteTestPicture(const std::string& AFileName, int AWidth, int AHeight, uint32_t AColor,
                      TTestPictureFormat AFormat) {
  TPixelImage Image;
  ResizePixelImage(Image, AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y)
    for (int X = 0; X < AWidth / 2; ++X) Image.Row(Y)[X] = 0xFF000000 | AColor;
  std::vector<uint8_t> Bytes;
  switch (AFormat) {
    case TTestPictureFormat::Bmp:
      Bytes = EncodeBmp(Image, 24);
      break;
    case TTestPictureFormat::Png:
      Bytes = EncodePng(Image, false);
      break;
    case TTestPictureFormat::Jpeg:
      Bytes = EncodeJpeg(Image, 100);
      break;
  }
  testing_support::WriteWholeFile(AFileName, std::string(Bytes.begin(), Bytes.end()));
}

std::string SkinIniText(const std::string& AName, const std::string& APictures, const std::string& AFormInfo,
                        const std::string& AObjects, const std::string& AControls,
                        const std::string& AOther) {
  return "[VERSION]\nskinname=" + AName + "\n\n[PICTURES]\n" +
         (APictures.empty() ? "picture=\n" : APictures) + "\n[FORMINFO]\nborderwidth=0\n" + AFormInfo +
         "\n[SKINOBJECTS]\n" + AObjects + "\n[SKINCONTROLS]\n" + AControls + "\n" + AOther + "\n";
}

std::string WriteSkinIni(const testing_support::TempDir& AFolder, const std::string& AText) {
  const std::string FileName = AFolder.File("skin.ini");
  testing_support::WriteWholeFile(FileName, AText);
  return FileName;
}

std::string SkinDescriptionText(TspSkinData& ASkin) {
  TMemIniFile Ini("");
  ASkin.SaveToCustomIniFile(Ini);
  TStringList Lines;
  Ini.GetStrings(Lines);
  return Lines.Text();
}

uint32_t PicturePixel(TBitmap& APicture, int AX, int AY) {
  return APicture.ToPixelImage().Pixel(AX, AY) & 0xFFFFFF;
}

}  // namespace skin_data_test
