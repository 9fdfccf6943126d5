// Loading a skin ("skin.ini" with its pictures) into a TspSkinData, against reading the
// bytes of the same files. Goal: within 3 × the reading.
//
// skin_load [folder]: loads folder/skin.ini; without a folder it stores a skin of its
// own first, shaped like a full skin: a 1024 × 768 frame with its inactive picture and
// mask, 60 element pictures from 64 × 32 to 512 × 256, 150 controls and 80 objects.

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench/BenchSupport.h"
#include "components/core/SkinData.h"
#include "platform/base/Files.h"
#include "platform/gdi/PictureCodecs.h"

namespace {

constexpr int Runs = 9;

void WriteBenchPicture(const std::string& AFileName, int AWidth, int AHeight, int ASeed) {
  TPixelImage Image;
  ResizePixelImage(Image, AWidth, AHeight);
  for (int Y = 0; Y < AHeight; ++Y)
    for (int X = 0; X < AWidth; ++X) Image.Row(Y)[X] = 0xFF000000 | uint32_t(X * 7 + Y * 13 + ASeed * 101);
  const std::vector<uint8_t> Bytes = EncodeBmp(Image, 24);
  WriteFileAtomically(AFileName, std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

// A realistic skin folder in AFolder.
void StoreBenchSkin(const std::filesystem::path& AFolder) {
  std::filesystem::create_directories(AFolder);
  auto File = [&](const std::string& AName) { return (AFolder / AName).string(); };
  WriteBenchPicture(File("frame.bmp"), 1024, 768, 1);
  WriteBenchPicture(File("inactive.bmp"), 1024, 768, 2);
  WriteBenchPicture(File("mask.bmp"), 1024, 768, 3);
  std::string Ini =
      "[VERSION]\nskinname=bench\n[PICTURES]\npicture=frame.bmp\ninactivepicture=inactive.bmp\n"
      "mask=mask.bmp\nactivepicturescount=60\n";
  for (int I = 0; I < 60; ++I) {
    const std::string Name = "part" + std::to_string(I) + ".bmp";
    WriteBenchPicture(File(Name), 64 << (I % 4), 32 << (I % 4), I);
    Ini += std::to_string(I) + "=" + Name + "\n";
  }
  Ini +=
      "[FORMINFO]\nclientrect=8,30,1016,760\nlefttoppoint=40,30\nrighttoppoint=980,30\n"
      "leftbottompoint=40,760\nrightbottompoint=980,760\n[SKINCONTROLS]\ncount=150\n";
  const char* ControlKinds[] = {"button",    "panel", "listbox",    "edit",
                                "scrollbar", "tab",   "checkradio", "label"};
  for (int I = 0; I < 150; ++I)
    Ini += std::to_string(I) + "=control" + std::to_string(I) + ":" + ControlKinds[I % 8] + "\n";
  Ini += "[SKINOBJECTS]\ncount=80\n";
  const char* ObjectKinds[] = {"stdbutton", "caption", "menuitem", "label"};
  for (int I = 0; I < 80; ++I)
    Ini += std::to_string(I) + "=object" + std::to_string(I) + ":" + ObjectKinds[I % 4] + "\n";
  for (int I = 0; I < 150; ++I)
    Ini += "[control" + std::to_string(I) + "]\npictureindex=" + std::to_string(I % 60) +
           "\nskinrect=0,0,60,30\nclientrect=4,4,56,26\nlefttoppoint=4,4\nfontname=Arial\nfontheight=13\n";
  for (int I = 0; I < 80; ++I)
    Ini +=
        "[object" + std::to_string(I) + "]\nskinrect=0,0,20,20\nactiveskinrect=20,0,40,20\ncommand=cmclose\n";
  WriteFileAtomically(File("skin.ini"), Ini);
}

}  // namespace

int main(int AArgCount, char** AArgs) {
  std::filesystem::path Folder;
  if (AArgCount > 1) {
    Folder = AArgs[1];
  } else {
    Folder = std::filesystem::temp_directory_path() / "pelladrin-bench-skin";
    StoreBenchSkin(Folder);
  }
  const std::string IniFile = (Folder / "skin.ini").string();

  int64_t Bytes = 0;
  const double ReadSeconds = bench::MedianSeconds(Runs, [&] {
    Bytes = 0;
    for (const auto& Entry : std::filesystem::recursive_directory_iterator(Folder))
      if (Entry.is_regular_file()) Bytes += int64_t(ReadFileToString(Entry.path().string()).size());
  });
  TspSkinData Skin(nullptr);
  Skin.BuildMode = true;
  const double LoadSeconds = bench::MedianSeconds(Runs, [&] { Skin.LoadFromFile(IniFile); });

  std::printf("skin %s: %d pictures, %d controls, %d objects, %.1f MB of files\n", IniFile.c_str(),
              Skin.PictureCount(), Skin.ControlCount(), Skin.ObjectCount(), double(Bytes) / 1e6);
  std::printf("%-40s %8.3f ms   reading %7.3f ms   ratio %5.2f   (goal 3)\n", "LoadFromFile",
              LoadSeconds * 1e3, ReadSeconds * 1e3, LoadSeconds / ReadSeconds);
  if (AArgCount <= 1) std::filesystem::remove_all(Folder);
  return 0;
}
