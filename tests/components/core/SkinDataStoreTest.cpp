// Writing a skin: the description keeps every record, and a stored skin folder loads
// again with the same records and pixels, each picture in the format its name says.

#include <gtest/gtest.h>

#include <filesystem>

#include "components/core/SkinData.h"
#include "tests/components/core/SkinDataTestSupport.h"

using namespace skin_data_test;
using testing_support::ReadWholeFile;
using testing_support::TempDir;

namespace {

constexpr const char* StoredSkinControls = "count=3\n0=button:button\n1=ListBox:listbox\n2=tab:tab\n";
constexpr const char* StoredSkinOther =
    "[button]\nskinrect=1,2,30,40\nfontheight=11\nfontstyle=fsbold\n"
    "[SKINAREAS]\ncount=2\n0=title:10,5,200,25;1,0,1,0,1\n1=grip:1,1,5,5;0,0,0,0,0\n"
    "[CURSORS]\nstartcursorindex=5\n"
    "[LAYERFRAME]\npictureindex=1\nalphablendvalue=200\n"
    "[SKINCOLORS]\nbtnface=12345\n";

TEST(SkinDataStoreTest, AStoredSkinLoadsAgainWithItsRecordsAndPixels) {
  TempDir Source;
  WriteTestPicture(Source.File("frame.bmp"), 40, 30, 0xC08040);
  WriteTestPicture(Source.File("mask.bmp"), 40, 30, 0);
  WriteTestPicture(Source.File("parts.png"), 16, 8, 0x20A0E0, TTestPictureFormat::Png);
  WriteTestPicture(Source.File("glow.jpg"), 16, 16, 0xFFFFFF, TTestPictureFormat::Jpeg);
  TspSkinData Original(nullptr);
  Original.LoadFromFile(WriteSkinIni(
      Source,
      SkinIniText("stored",
                  "picture=frame.bmp\nmask=mask.bmp\nactivepicturescount=2\n0=parts.png\n1=glow.jpg\n",
                  "clientrect=4,20,36,26\nlefttoppoint=5,21\nrighttoppoint=30,21\nleftbottompoint=5,25\n"
                  "rightbottompoint=30,25\n",
                  "count=2\n0=close:stdbutton\n1=cap:caption\n", StoredSkinControls, StoredSkinOther)));
  ASSERT_FALSE(Original.Empty);

  TempDir Target;
  Original.StoreToDisk(Target.File("skin.ini"));
  EXPECT_EQ(ReadWholeFile(Target.File("frame.bmp")).substr(0, 2), "BM");
  EXPECT_EQ(ReadWholeFile(Target.File("parts.png")).substr(1, 3), "PNG");
  EXPECT_EQ(ReadWholeFile(Target.File("glow.jpg")).substr(0, 2), "\xFF\xD8");

  TspSkinData Reloaded(nullptr);
  Reloaded.LoadFromFile(Target.File("skin.ini"));
  ASSERT_FALSE(Reloaded.Empty);
  EXPECT_EQ(SkinDescriptionText(Reloaded), SkinDescriptionText(Original));
  EXPECT_EQ(Reloaded.GetControlIndex("ListBox"), 1);
  EXPECT_EQ(Reloaded.AreaList.size(), 2u);
  EXPECT_EQ(Reloaded.StartCursorIndex, 5);
  ASSERT_EQ(Reloaded.FPicture->Width(), 40);
  EXPECT_EQ(PicturePixel(*Reloaded.FPicture, 3, 3), 0xC08040u);
  EXPECT_EQ(PicturePixel(*Reloaded.FPicture, 30, 3), 0u);
  ASSERT_EQ(Reloaded.PictureCount(), 2);
  EXPECT_EQ(PicturePixel(*Reloaded.Picture(0), 2, 2), 0x20A0E0u);
  EXPECT_EQ(Reloaded.Picture(1)->Width(), 16);
}

TEST(SkinDataStoreTest, SavingKeepsSectionsThatAreNotTheSkins) {
  TempDir Folder;
  const std::string FileName = Folder.File("skin.ini");
  testing_support::WriteWholeFile(FileName, "[MYTOOL]\nlastfolder=/tmp\n[SKINCONTROLS]\ncount=9\n");
  TspSkinData Skin(nullptr);
  Skin.SkinName = "written";
  Skin.SaveToFile(FileName);
  TMemIniFile Ini(FileName);
  EXPECT_EQ(Ini.ReadString("MYTOOL", "lastfolder", ""), "/tmp");
  EXPECT_EQ(Ini.ReadString("SKINCONTROLS", "count", ""), "0");
  EXPECT_EQ(Ini.ReadString("VERSION", "ver", ""), "2");
  EXPECT_EQ(Ini.ReadString("VERSION", "skinname", ""), "written");
  EXPECT_TRUE(IsSkinIniFile(Ini));
}

TEST(SkinDataStoreTest, PictureNamesThatLeaveTheFolderAreRefusedBeforeAnythingIsWritten) {
  TempDir Source;
  WriteTestPicture(Source.File("frame.bmp"), 8, 8, 0xC08040);
  WriteTestPicture(Source.File("parts.bmp"), 8, 8, 0x20A0E0);
  TempDir Outer;
  const std::filesystem::path Folder = Outer.Path() / "skin";
  std::filesystem::create_directories(Folder);
  const std::string FileName = (Folder / "skin.ini").string();
  const std::string Absolute = Outer.File("absolute.bmp");
  struct TCase {
    const char* Name;
    std::string MainName, ListName;
  };
  const TCase Cases[] = {
      {"a main picture one folder up", "../up.bmp", "parts.bmp"},
      {"a listed picture one folder up", "frame.bmp", "sub/../../up.bmp"},
      {"a listed picture with the other separator", "frame.bmp", "..\\up.bmp"},
      {"an absolute main picture", Absolute, "parts.bmp"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TspSkinData Skin(nullptr);
    Skin.LoadFromFile(WriteSkinIni(
        Source, SkinIniText("leaving", "picture=frame.bmp\nactivepicturescount=1\n0=parts.bmp\n")));
    ASSERT_EQ(Skin.PictureCount(), 1);
    Skin.FPictureName = Case.MainName;
    Skin.FActivePicturesNames->SetStrings(0, Case.ListName);
    try {
      Skin.StoreToDisk(FileName);
      ADD_FAILURE() << "stored";
    } catch (const EFCreateError& Error) {
      EXPECT_NE(String(Error.what()).find("leaves the skin folder"), String::npos) << Error.what();
    }
    EXPECT_FALSE(std::filesystem::exists(FileName));
    EXPECT_FALSE(std::filesystem::exists(Outer.File("up.bmp")));
    EXPECT_FALSE(std::filesystem::exists(Absolute));
  }

  // A name inside a folder of the skin's own stays allowed.
  TspSkinData Skin(nullptr);
  Skin.LoadFromFile(WriteSkinIni(Source, SkinIniText("inside", "picture=frame.bmp\n")));
  Skin.FPictureName = "pictures/frame.bmp";
  Skin.StoreToDisk(FileName);
  EXPECT_EQ(ReadWholeFile((Folder / "pictures" / "frame.bmp").string()).substr(0, 2), "BM");
}

}  // namespace
