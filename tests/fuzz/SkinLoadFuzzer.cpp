// Feeds mutated skins to the skin loader: the first byte chooses the form, the rest is
//   '0' (and every third value): a skin description, loaded as "skin.ini";
//   '1': a payload, compressed here and loaded as a stored skin;
//   '2': a compressed skin file, loaded as it stands.
// A skin that loads is written back as a description. Only the loader's own errors
// (Exception) are expected; anything else is a finding.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "components/core/SkinData.h"
#include "components/core/spzlibcompress.h"

namespace {

const std::string& FuzzSkinFile() {
  static const std::string FileName = [] {
    const std::filesystem::path Folder = std::filesystem::current_path() / "skin";
    std::filesystem::create_directories(Folder);
    return (Folder / "skin.ini").string();
  }();
  return FileName;
}

void LoadFuzzedSkin(TspSkinData& ASkin, uint8_t AMode, const uint8_t* AData, size_t ASize) {
  TspCompressedStoredSkin Stored(nullptr);
  switch (AMode % 3) {
    case 0:
      std::ofstream(FuzzSkinFile(), std::ios::binary | std::ios::trunc)
          .write(reinterpret_cast<const char*>(AData), std::streamsize(ASize));
      ASkin.LoadFromFile(FuzzSkinFile());
      return;
    case 1: {
      TMemoryStream Payload;
      Payload.WriteBuffer(AData, int64_t(ASize));
      CompressStream(Payload, Stored.CompressedStream());
      break;
    }
    default: {
      TMemoryStream File;
      File.WriteBuffer(AData, int64_t(ASize));
      Stored.LoadFromCompressStream(File);
      break;
    }
  }
  ASkin.LoadCompressedStoredSkin(Stored);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* AData, size_t ASize) {
  if (ASize == 0) return 0;
  TspSkinData Skin(nullptr);
  try {
    LoadFuzzedSkin(Skin, AData[0], AData + 1, ASize - 1);
    TMemIniFile Ini("");
    Skin.SaveToCustomIniFile(Ini);
  } catch (const Exception&) {
    // A clear error is the loader's answer to a damaged skin.
  }
  return 0;
}
