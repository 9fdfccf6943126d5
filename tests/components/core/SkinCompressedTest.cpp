// Compressed skins: the zlib streams, the file layout, the payload versions, and
// damaged or hostile files that fail with a clear error and leave the skin alone.

#include <gtest/gtest.h>

#include <vector>

#include "components/core/SkinData.h"
#include "components/core/spzlibcompress.h"
#include "platform/gdi/PictureCodecs.h"
#include "tests/components/core/SkinDataTestSupport.h"

using namespace skin_data_test;
using testing_support::ReadWholeFile;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

std::string CompressedBytes(const std::string& AData) {
  TMemoryStream Source, Dest;
  Source.WriteBuffer(AData.data(), int64_t(AData.size()));
  CompressStream(Source, Dest);
  return std::string(reinterpret_cast<const char*>(Dest.Memory()), size_t(Dest.Size()));
}

std::string Int32Bytes(int32_t AValue) {
  const uint32_t V = uint32_t(AValue);
  return {char(V), char(V >> 8), char(V >> 16), char(V >> 24)};
}

std::string BmpBytes(int AWidth, int AHeight, uint32_t AColor) {
  TPixelImage Image;
  ResizePixelImage(Image, AWidth, AHeight, 0xFF000000 | AColor);
  const std::vector<uint8_t> Bytes = EncodeBmp(Image, 24);
  return std::string(Bytes.begin(), Bytes.end());
}

// A frame picture of a payload: the empty flag 0 and the image.
std::string FramePictureBytes(int AWidth, uint32_t AColor) {
  return std::string(1, '\0') + BmpBytes(AWidth, 2, AColor);
}

std::string CompressedSkinFile(int32_t AVersion, const std::string& APayload) {
  const std::string Zlib = CompressedBytes(APayload);
  return Int32Bytes(AVersion) + Int32Bytes(int32_t(Zlib.size())) + Zlib;
}

class SkinCompressedTest : public ::testing::Test {
 protected:
  // Loads the compressed skin file AData into FSkin.
  void LoadCompressed(const std::string& AData) {
    WriteWholeFile(FFolder.File("skin.skn"), AData);
    FSkin.LoadFromCompressedFile(FFolder.File("skin.skn"));
  }

  TempDir FFolder;
  TspSkinData FSkin{nullptr};
};

TEST_F(SkinCompressedTest, ACompressedSkinKeepsRecordsAndPixels) {
  WriteTestPicture(FFolder.File("frame.bmp"), 20, 10, 0x3366CC);
  WriteTestPicture(FFolder.File("parts.png"), 8, 4, 0x00FF00, TTestPictureFormat::Png);
  FSkin.LoadFromFile(WriteSkinIni(
      FFolder,
      SkinIniText("packed",
                  "picture=frame.bmp\nactivepicturescount=3\n0=parts.png\n1=missing.bmp\n2=parts.png\n",
                  "clientrect=2,2,18,8\n", "count=1\n0=close:stdbutton\n",
                  "count=2\n0=ListBox:listbox\n1=listbox:listbox\n",
                  "[SKINAREAS]\ncount=1\n0=title:10,5,200,25;1,0,1,0,1\n")));
  const std::string FileName = FFolder.File("packed.skn");
  FSkin.SaveToCompressedFile(FileName);

  const std::string File = ReadWholeFile(FileName);
  ASSERT_GT(File.size(), 8u);
  EXPECT_EQ(File.substr(0, 4), std::string("\x02\x00\x00\x00", 4));
  TspCompressedStoredSkin Stored(nullptr);
  Stored.LoadFromCompressFile(FileName);
  EXPECT_EQ(File.size(), size_t(Stored.CompressedStream().Size()) + 8);
  EXPECT_EQ(File.substr(4, 4), Int32Bytes(int32_t(Stored.CompressedStream().Size())));

  TspSkinData Unpacked(nullptr);
  Unpacked.LoadFromCompressedFile(FileName);
  ASSERT_FALSE(Unpacked.Empty);
  EXPECT_EQ(SkinDescriptionText(Unpacked), SkinDescriptionText(FSkin));
  EXPECT_EQ(Unpacked.GetControlIndex("listbox"), 1);
  ASSERT_EQ(Unpacked.FPicture->Width(), 20);
  EXPECT_EQ(PicturePixel(*Unpacked.FPicture, 1, 1), 0x3366CCu);
  EXPECT_TRUE(Unpacked.FMask->Empty());
  ASSERT_EQ(Unpacked.PictureCount(), 3);
  EXPECT_EQ(PicturePixel(*Unpacked.Picture(2), 1, 1), 0x00FF00u);
  EXPECT_TRUE(Unpacked.Picture(1)->Empty());
}

TEST_F(SkinCompressedTest, AStoredSkinIsWrittenAndReadBackUnchanged) {
  WriteTestPicture(FFolder.File("frame.bmp"), 6, 6, 0x102030);
  const std::string Ini = WriteSkinIni(FFolder, SkinIniText("stored", "picture=frame.bmp\n"));
  TspCompressedStoredSkin Stored(nullptr);
  Stored.LoadFromIniFile(Ini);
  ASSERT_FALSE(Stored.Empty());
  Stored.SaveToCompressFile(FFolder.File("a.skn"));
  TspCompressedStoredSkin Again(nullptr);
  Again.LoadFromCompressFile(FFolder.File("a.skn"));
  Again.SaveToCompressFile(FFolder.File("b.skn"));
  EXPECT_EQ(ReadWholeFile(FFolder.File("a.skn")), ReadWholeFile(FFolder.File("b.skn")));
  FSkin.LoadCompressedStoredSkin(Again);
  EXPECT_EQ(FSkin.SkinName, "stored");
  EXPECT_EQ(PicturePixel(*FSkin.FPicture, 0, 0), 0x102030u);

  TspCompressedStoredSkin Nothing(nullptr);
  Nothing.SaveToCompressFile(FFolder.File("empty.skn"));
  EXPECT_FALSE(std::filesystem::exists(FFolder.File("empty.skn")));
  Nothing.LoadFromIniFile(FFolder.File("absent.ini"));
  EXPECT_TRUE(Nothing.Empty());
}

TEST_F(SkinCompressedTest, PayloadVersionsCarryTheirOwnFramePictures) {
  const std::string Description = SkinIniText("versions", "picture=a.bmp\nactivepicturescount=1\n0=p.bmp\n");
  // Version 3: frame picture, inactive picture and mask.
  LoadCompressed(CompressedSkinFile(2, Int32Bytes(3) + FramePictureBytes(3, 0x000011) +
                                           FramePictureBytes(4, 0x000022) + FramePictureBytes(5, 0x000033) +
                                           Int32Bytes(1) + BmpBytes(7, 1, 0x000077) + Description));
  EXPECT_EQ(FSkin.FPicture->Width(), 3);
  EXPECT_EQ(FSkin.FInActivePicture->Width(), 4);
  EXPECT_EQ(FSkin.FMask->Width(), 5);
  EXPECT_TRUE(FSkin.FRollUpPicture->Empty());
  ASSERT_EQ(FSkin.PictureCount(), 1);
  EXPECT_EQ(PicturePixel(*FSkin.Picture(0), 6, 0), 0x000077u);

  // Version 1: frame picture, mask and the rolled-up pair; a count of 0 reads none.
  LoadCompressed(CompressedSkinFile(3, Int32Bytes(1) + FramePictureBytes(3, 0x000011) +
                                           FramePictureBytes(5, 0x000033) + std::string(1, '\1') +
                                           FramePictureBytes(9, 0x000099) + Int32Bytes(-2) + Description));
  EXPECT_EQ(FSkin.FPicture->Width(), 3);
  EXPECT_TRUE(FSkin.FInActivePicture->Empty());
  EXPECT_EQ(FSkin.FMask->Width(), 5);
  EXPECT_TRUE(FSkin.FRollUpPicture->Empty());
  EXPECT_EQ(FSkin.FRollUpMask->Width(), 9);
  EXPECT_TRUE(FSkin.PictureCount() == 0);
  EXPECT_EQ(FSkin.FActivePicturesNames->Count(), 1);
  EXPECT_EQ(FSkin.SkinName, "versions");
}

TEST_F(SkinCompressedTest, DamagedFilesFailClearlyAndKeepTheSkin) {
  FSkin.LoadFromFile(WriteSkinIni(FFolder, SkinIniText("current")));
  const std::string Description = SkinIniText("hostile");
  const std::string Good =
      CompressedSkinFile(2, Int32Bytes(2) + std::string(5, '\1') + Int32Bytes(0) + Description);
  struct THostileCase {
    const char* What;
    std::string Data;
  };
  const THostileCase Cases[] = {
      {"header cut short", Good.substr(0, 6)},
      {"zlib data cut short", Good.substr(0, Good.size() - 10)},
      {"length beyond the file", Good.substr(0, 4) + Int32Bytes(0x7FFFFFF0) + Good.substr(8)},
      {"negative length", Good.substr(0, 4) + Int32Bytes(-1) + Good.substr(8)},
      {"file version 4", Int32Bytes(4) + Good.substr(4)},
      {"payload version 4", CompressedSkinFile(2, Int32Bytes(4) + Description)},
      {"payload cut inside a picture",
       CompressedSkinFile(2, Int32Bytes(0) + FramePictureBytes(40, 1).substr(0, 30))},
      {"picture longer than the payload",
       CompressedSkinFile(
           2, Int32Bytes(0) + std::string(1, '\0') + "BM" + Int32Bytes(1000000) + std::string(60, '\0'))},
      {"picture count beyond the payload",
       CompressedSkinFile(2, Int32Bytes(0) + std::string(2, '\1') + Int32Bytes(100000000) + Description)},
      {"not zlib data", Good.substr(0, 8) + std::string(Good.size() - 8, 'x')},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.What);
    WriteWholeFile(FFolder.File("bad.skn"), Case.Data);
    try {
      FSkin.LoadFromCompressedFile(FFolder.File("bad.skn"));
      ADD_FAILURE() << "no error";
    } catch (const Exception& E) {
      EXPECT_FALSE(E.Message().empty());
    }
    EXPECT_EQ(FSkin.SkinName, "current");
    EXPECT_FALSE(FSkin.Empty);
  }
}

TEST(SkinZlibStreamTest, InflatingStopsAtTheEndOfTheDataAndAtTheCap) {
  const std::string Data(100000, 'a');
  TMemoryStream Compressed;
  const std::string Zlib = CompressedBytes(Data) + "trailing bytes after the zlib data";
  Compressed.WriteBuffer(Zlib.data(), int64_t(Zlib.size()));
  TMemoryStream Out;
  DecompressStream(Out, Compressed, 1 << 20);
  EXPECT_EQ(Out.Size(), int64_t(Data.size()));
  TMemoryStream Capped;
  EXPECT_THROW(DecompressStream(Capped, Compressed, 50000), EDecompressionError);
}

TEST(SkinZlibStreamTest, SeeksFollowTheStreamsRules) {
  TMemoryStream Dest;
  TCompressionStream Compression(TCompressionLevel::Default, Dest);
  const std::string Text(100, 'z');
  Compression.WriteBuffer(Text.data(), 100);
  EXPECT_EQ(Compression.Seek(0, soFromCurrent), 100);
  EXPECT_THROW(Compression.Seek(5, soFromBeginning), ECompressionError);
  char OneByte;
  EXPECT_THROW(Compression.Read(&OneByte, 1), ECompressionError);
  Compression.Finish();
  EXPECT_GT(Compression.CompressionRate(), 50.0f);

  Dest.SetPosition(0);
  TDecompressionStream Decompression(Dest);
  char Piece[10];
  Decompression.ReadBuffer(Piece, 10);
  EXPECT_EQ(Decompression.Seek(20, soFromCurrent), 30);
  EXPECT_EQ(Decompression.Seek(50, soFromBeginning), 50);
  EXPECT_THROW(Decompression.Seek(-5, soFromCurrent), EDecompressionError);
  EXPECT_EQ(Decompression.Seek(0, soFromBeginning), 0);
  EXPECT_EQ(Decompression.Read(Piece, 10), 10);
  EXPECT_EQ(Decompression.Position(), 10);
  EXPECT_THROW(Decompression.Write(Piece, 1), EDecompressionError);
}

TEST(SkinListTest, ItemsAreNamedByIndexAndTheSkinDataFollowsTheIndex) {
  TempDir Folder;
  TspCompressedSkinList List(nullptr);
  for (const char* Name : {"zero", "one", "two", "three"}) {
    auto* Item = static_cast<TspSkinListItem*>(List.Skins().Add());
    Item->Skin().LoadFromIniFile(WriteSkinIni(Folder, SkinIniText(Name)));
  }
  EXPECT_EQ(List.Skins().Items(3)->Name(), "spSkin3");
  TspSkinData Skin(nullptr);
  Skin.SetSkinList(&List);
  EXPECT_EQ(Skin.SkinName, "zero");
  Skin.SetSkinIndex(2);
  EXPECT_EQ(Skin.SkinName, "two");
  Skin.SetSkinIndex(4);
  EXPECT_EQ(Skin.SkinIndex(), 2);
  EXPECT_EQ(Skin.SkinName, "two");
  TspCompressedSkinList Copy(nullptr);
  Copy.SetSkins(List.Skins());
  Skin.SetSkinList(&Copy);
  EXPECT_EQ(Skin.SkinName, "two");
}

}  // namespace
