// Loading a skin description: lookups by name, the area lines, the frame geometry's
// adjustments, and pictures that are read by their content and never stop a load.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

#include "components/core/SkinData.h"
#include "platform/base/Streams.h"
#include "platform/gdi/PictureCodecs.h"
#include "tests/components/core/SkinDataTestSupport.h"

using namespace skin_data_test;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

class SkinDataLoadTest : public ::testing::Test {
 protected:
  TspSkinData& LoadSkin(const std::string& AText) {
    FSkin.LoadFromFile(WriteSkinIni(FFolder, AText));
    return FSkin;
  }

  TempDir FFolder;
  TspSkinData FSkin{nullptr};
};

TEST_F(SkinDataLoadTest, LookupsMatchTheWholeNameWithItsLetterCase) {
  LoadSkin(SkinIniText("lookups", "", "", "count=2\n0=Close:stdbutton\n1=close:button\n",
                       "count=3\n0=ListBox:listbox\n1=listbox:listbox\n2=list:listbox\n",
                       "[SKINAREAS]\ncount=1\n0=Title:1,2,3,4\n"));
  ASSERT_FALSE(FSkin.Empty);
  EXPECT_EQ(FSkin.GetControlIndex("listbox"), 1);
  EXPECT_EQ(FSkin.GetControlIndex("ListBox"), 0);
  EXPECT_EQ(FSkin.GetControlIndex("LISTBOX"), -1);
  EXPECT_EQ(FSkin.GetControlIndex("listb"), -1);
  EXPECT_EQ(FSkin.GetIndex("close"), 1);
  EXPECT_EQ(FSkin.GetIndex("Close"), 0);
  EXPECT_EQ(FSkin.GetAreaIndex("title"), -1);
  EXPECT_EQ(FSkin.GetAreaIndex("Title"), 0);
  EXPECT_NE(FSkin.Object<TspDataSkinStdButton>(0), nullptr);
}

TEST_F(SkinDataLoadTest, RecordsReadTheirOwnSectionsAndUnknownKindsAreSkipped) {
  LoadSkin(SkinIniText("records", "", "", "count=0",
                       "count=4\n0=button:button\n1=odd:nokind\n2=nocolon\n3=panel:panel\n",
                       "[button]\nskinrect=1,2,30,40\nfontheight=11\n[panel]\nbgpictureindex=3\n"));
  ASSERT_EQ(FSkin.ControlCount(), 2);
  const auto* Button = FSkin.Control<TspDataSkinButtonControl>(0);
  ASSERT_NE(Button, nullptr);
  EXPECT_EQ(Button->SkinRect, Rect(1, 2, 30, 40));
  EXPECT_EQ(Button->FontHeight, 11);
  const auto* Panel = FSkin.Control<TspDataSkinPanelControl>(1);
  ASSERT_NE(Panel, nullptr);
  EXPECT_EQ(Panel->IDName, "panel");
  EXPECT_EQ(Panel->BGPictureIndex, 3);
}

TEST_F(SkinDataLoadTest, AreaLinesGiveNameRectangleAndFlags) {
  struct TAreaCase {
    const char* Line;
    const char* Name;
    TRect AreaRect;
    bool Flags[5];
  };
  const TAreaCase Cases[] = {
      {"title:10,5,200,25;1,0,1,0,1", "title", Rect(10, 5, 200, 25), {true, false, true, false, true}},
      {"title:10,5,200,25;1,0,1", "title", Rect(10, 5, 200, 25), {}},
      {"title:10,5,200,25", "title", Rect(10, 5, 200, 25), {}},
      {"a:b:1,2,3,4;0,1,0,1,0", "a:b", Rect(1, 2, 3, 4), {false, true, false, true, false}},
      {"1,2,3,4", "", Rect(1, 2, 3, 4), {}},
  };
  std::string Lines = "[SKINAREAS]\ncount=" + std::to_string(std::size(Cases)) + "\n";
  for (size_t I = 0; I < std::size(Cases); ++I) Lines += std::to_string(I) + "=" + Cases[I].Line + "\n";
  LoadSkin(SkinIniText("areas", "", "", "count=0", "count=0", Lines));
  ASSERT_EQ(FSkin.AreaList.size(), std::size(Cases));
  for (size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(Cases[I].Line);
    const TspDataSkinArea& Area = *FSkin.AreaList[I];
    EXPECT_EQ(Area.IDName, Cases[I].Name);
    EXPECT_EQ(Area.AreaRect, Cases[I].AreaRect);
    const bool Flags[5] = {Area.UseAnchors, Area.AnchorLeft, Area.AnchorTop, Area.AnchorRight,
                           Area.AnchorBottom};
    for (int F = 0; F < 5; ++F) EXPECT_EQ(Flags[F], Cases[I].Flags[F]) << "flag " << F;
  }
}

TEST_F(SkinDataLoadTest, HostileCountsReadOnlyTheLinesPresent) {
  LoadSkin(SkinIniText("counts", "activepicturescount=2000000000\n", "", "count=2000000000\n0=a:button\n",
                       "count=-5\n0=b:button\n", "[SKINAREAS]\ncount=2147483647\n0=x:1,1,2,2\n"));
  EXPECT_EQ(FSkin.ObjectCount(), 1);
  EXPECT_TRUE(FSkin.ControlCount() == 0);
  EXPECT_LE(FSkin.AreaList.size(), 2u);
  EXPECT_LE(FSkin.PictureCount(), 2);
}

TEST_F(SkinDataLoadTest, FormInfoTakesItsKeysAndAdjustsAMaskedFrame) {
  WriteTestPicture(FFolder.File("mask.bmp"), 4, 4, 0);
  LoadSkin(
      SkinIniText("geometry", "mask=mask.bmp\n",
                  "lefttoppoint=2,3\nrighttoppoint=90,3\nleftbottompoint=2,80\nrightbottompoint=90,80\n"
                  "clientrect=5,20,95,70\nmaskrectarea=10,10,50,50\nhittestlefttoppoint=0,7\n"
                  "hittestrighttoppoint=8,9\nbgpictureindex=4\nstretchtype=sthorz\nstatusbarname=status\n"
                  "inactiveeffect=ieinvert\nformminwidth=300\n",
                  "count=0", "count=0", "[CURSORS]\nstartcursorindex=0\n"));
  // The mask's area grows to hold the client rectangle.
  EXPECT_EQ(FSkin.MaskRectArea, Rect(5, 10, 95, 70));
  // Hit-test points with a zero coordinate take the corner as read; others stay.
  EXPECT_EQ(FSkin.HitTestLTPoint, Point(2, 3));
  EXPECT_EQ(FSkin.HitTestRTPoint, Point(8, 9));
  EXPECT_EQ(FSkin.HitTestLBPoint, Point(2, 80));
  // The corners are then clamped to the client rectangle.
  EXPECT_EQ(FSkin.LTPoint, Point(5, 20));
  EXPECT_EQ(FSkin.RTPoint, Point(90, 20));
  EXPECT_EQ(FSkin.LBPoint, Point(5, 70));
  EXPECT_EQ(FSkin.RBPoint, Point(90, 70));
  EXPECT_EQ(FSkin.BGPictureIndex, 4);
  EXPECT_EQ(FSkin.MDIBGPictureIndex, -1);
  EXPECT_EQ(FSkin.CursorIndex, -1);
  EXPECT_EQ(FSkin.StretchType, spstHorz);
  EXPECT_EQ(FSkin.InActiveEffect, ieInvert);
  EXPECT_EQ(FSkin.StatusBarName, "status");
  EXPECT_EQ(FSkin.FormMinWidth, 300);
  EXPECT_EQ(FSkin.StartCursorIndex, 1);
}

TEST_F(SkinDataLoadTest, WithoutAMaskAnEmptyMaskAreaStaysEmpty) {
  LoadSkin(SkinIniText("nomask", "", "clientrect=5,20,95,70\nhittestlefttoppoint=0,7\n"));
  EXPECT_EQ(FSkin.MaskRectArea, TRect());
  EXPECT_EQ(FSkin.HitTestLTPoint, Point(0, 7));
}

TEST_F(SkinDataLoadTest, PicturesAreReadByTheirContentWhateverTheirNamesSay) {
  WriteTestPicture(FFolder.File("frame.JPG"), 8, 6, 0xFF0000, TTestPictureFormat::Jpeg);
  WriteTestPicture(FFolder.File("Parts.Png"), 10, 4, 0x00FF00, TTestPictureFormat::Png);
  WriteTestPicture(FFolder.File("button.jpg"), 6, 2, 0x0000FF, TTestPictureFormat::Bmp);
  LoadSkin(SkinIniText("formats", "picture=frame.JPG\nactivepicturescount=2\n0=PARTS.png\n1=button.jpg\n"));
  ASSERT_EQ(FSkin.FPicture->Width(), 8);
  EXPECT_EQ(FSkin.FPicture->Height(), 6);
  EXPECT_NEAR(int(PicturePixel(*FSkin.FPicture, 0, 0) >> 16), 255, 8);
  ASSERT_EQ(FSkin.PictureCount(), 2);
  EXPECT_EQ(FSkin.Picture(0)->Width(), 10);
  EXPECT_EQ(PicturePixel(*FSkin.Picture(0), 1, 1), 0x00FF00u);
  EXPECT_EQ(FSkin.Picture(1)->Width(), 6);
  EXPECT_EQ(PicturePixel(*FSkin.Picture(1), 0, 0), 0x0000FFu);
  EXPECT_EQ(FSkin.FActivePicturesNames->Strings(1), "button.jpg");
}

// Bottom-up and top-down 24-bit files, a 32-bit one, and a 24-bit one whose rows are
// cut short, all of a 3 × 2 picture with a red top row and a blue bottom row.
TEST_F(SkinDataLoadTest, BmpFilesOfEveryLayoutGiveTheSamePicture) {
  TPixelImage Image;
  ResizePixelImage(Image, 3, 2, 0xFFFF0000);
  for (int X = 0; X < 3; ++X) Image.Row(1)[X] = 0xFF0000FF;
  const std::vector<uint8_t> BottomUp = EncodeBmp(Image, 24);
  std::vector<uint8_t> TopDown = BottomUp;
  const size_t PixelOffset = BottomUp[10];
  std::copy(BottomUp.begin() + long(PixelOffset) + 12, BottomUp.end(), TopDown.begin() + long(PixelOffset));
  std::copy(BottomUp.begin() + long(PixelOffset), BottomUp.begin() + long(PixelOffset) + 12,
            TopDown.begin() + long(PixelOffset) + 12);
  TopDown[22] = 0xFE;  // height -2
  TopDown[23] = TopDown[24] = TopDown[25] = 0xFF;
  const std::vector<uint8_t> Deep = EncodeBmp(Image, 32);
  const std::vector<uint8_t> Cut(BottomUp.begin(), BottomUp.end() - 4);
  const std::pair<const char*, const std::vector<uint8_t>*> Files[] = {
      {"bottomup.bmp", &BottomUp}, {"topdown.bmp", &TopDown}, {"deep.bmp", &Deep}, {"cut.bmp", &Cut}};
  std::string List = "activepicturescount=4\n";
  for (size_t I = 0; I < std::size(Files); ++I) {
    WriteWholeFile(FFolder.File(Files[I].first),
                   std::string(Files[I].second->begin(), Files[I].second->end()));
    List += std::to_string(I) + "=" + Files[I].first + "\n";
  }
  LoadSkin(SkinIniText("layouts", List));
  ASSERT_EQ(FSkin.PictureCount(), 4);
  for (size_t I = 0; I < 3; ++I) {
    SCOPED_TRACE(Files[I].first);
    TBitmap& Picture = *FSkin.Picture(I);
    ASSERT_EQ(Picture.Width(), 3);
    ASSERT_EQ(Picture.Height(), 2);
    EXPECT_EQ(PicturePixel(Picture, 2, 0), 0xFF0000u);
    EXPECT_EQ(PicturePixel(Picture, 0, 1), 0x0000FFu);
  }
  EXPECT_TRUE(FSkin.Picture(3)->Empty());
}

// A 4 x 3 picture of 32-bit pixels with varied alpha, stored as a BMP file in several
// layouts; without AWithAlpha its fourth bytes are all zero.
std::vector<uint8_t> DeepLayoutBmp(const std::string& ALayout, bool AWithAlpha) {
  TPixelImage Image;
  ResizePixelImage(Image, 4, 3);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 4; ++X)
      Image.Row(Y)[X] =
          (AWithAlpha ? uint32_t(X * 60 + Y * 20) << 24 : 0) | uint32_t(X * 0x102030 + Y * 0x405);
  std::vector<uint8_t> Bytes = EncodeBmp(Image, 32);
  const size_t Stride = 16;
  if (ALayout == "topdown") {
    for (size_t Y = 0; Y < 3; ++Y)
      std::copy_n(EncodeBmp(Image, 32).begin() + long(54 + (2 - Y) * Stride), Stride,
                  Bytes.begin() + long(54 + Y * Stride));
    Bytes[22] = 0xFD;  // height -3
    Bytes[23] = Bytes[24] = Bytes[25] = 0xFF;
  } else if (ALayout == "v5header") {
    Bytes.insert(Bytes.begin() + 54, 84, 0);
    Bytes[10] = 54 + 84;
    Bytes[14] = 124;
  } else if (ALayout == "cut") {
    Bytes.resize(Bytes.size() - 1);
  } else if (ALayout == "oddheader") {
    Bytes.insert(Bytes.begin() + 54, 24, 0);
    Bytes[10] = 54 + 24;
    Bytes[14] = 64;
  }
  return Bytes;
}

// The bitmap the platform's BMP reader makes of AData, or an empty one when it refuses.
void ReadWithGeneralReader(TBitmap& APicture, const std::vector<uint8_t>& AData) {
  TStringStream Stream(String(AData.begin(), AData.end()));
  try {
    APicture.LoadFromStream(Stream);
  } catch (const EInvalidGraphic&) {
    APicture.SetSize(0, 0);
  }
}

// Pictures read straight from a skin's BMP files are the BMP reader's, byte for byte:
// the same pixel format, the same colours and alpha, alpha made opaque where the file
// stores none, and the same refusal of damaged or unknown layouts.
TEST_F(SkinDataLoadTest, DeepBmpFilesReadAsTheBmpReaderReadsThem) {
  const std::pair<std::string, bool> Cases[] = {{"bottomup", true}, {"bottomup", false}, {"topdown", true},
                                                {"v5header", true}, {"cut", true},       {"oddheader", true}};
  std::string List = "activepicturescount=" + std::to_string(std::size(Cases)) + "\n";
  for (size_t I = 0; I < std::size(Cases); ++I) {
    const std::vector<uint8_t> Bytes = DeepLayoutBmp(Cases[I].first, Cases[I].second);
    WriteWholeFile(FFolder.File(std::to_string(I) + ".bmp"), std::string(Bytes.begin(), Bytes.end()));
    List += std::to_string(I) + "=" + std::to_string(I) + ".bmp\n";
  }
  LoadSkin(SkinIniText("deep", List));
  ASSERT_EQ(FSkin.PictureCount(), int(std::size(Cases)));
  for (size_t I = 0; I < std::size(Cases); ++I) {
    SCOPED_TRACE(Cases[I].first + (Cases[I].second ? " with alpha" : " without alpha"));
    TBitmap Expected;
    ReadWithGeneralReader(Expected, DeepLayoutBmp(Cases[I].first, Cases[I].second));
    TBitmap& Picture = *FSkin.Picture(I);
    ASSERT_EQ(Picture.Width(), Expected.Width());
    ASSERT_EQ(Picture.Height(), Expected.Height());
    if (Expected.Empty()) continue;
    EXPECT_EQ(Picture.PixelFormat(), pf32bit);
    EXPECT_EQ(Expected.PixelFormat(), pf32bit);
    for (int Y = 0; Y < Expected.Height(); ++Y)
      EXPECT_EQ(std::vector<uint8_t>(Picture.ScanLine(Y), Picture.ScanLine(Y) + 16),
                std::vector<uint8_t>(Expected.ScanLine(Y), Expected.ScanLine(Y) + 16))
          << "row " << Y;
  }
  EXPECT_EQ(FSkin.Picture(0)->ScanLine(0)[4 * 3 + 3], 3 * 60);
  EXPECT_EQ(FSkin.Picture(1)->ScanLine(0)[3], 0xFF);
  EXPECT_TRUE(FSkin.Picture(4)->Empty());
  EXPECT_TRUE(FSkin.Picture(5)->Empty());
}

TEST_F(SkinDataLoadTest, AnUnreadablePictureIsEmptyAndTheLoadGoesOn) {
  WriteWholeFile(FFolder.File("corrupt.bmp"), "BM this is not a bitmap");
  WriteTestPicture(FFolder.File("good.bmp"), 3, 3, 0x123456);
  LoadSkin(
      SkinIniText("damaged",
                  "picture=corrupt.bmp\nmask=missing.bmp\nactivepicturescount=3\n0=corrupt.bmp\n1=good.bmp\n"
                  "2=missing.bmp\n",
                  "", "count=0", "count=1\n0=button:button\n"));
  EXPECT_FALSE(FSkin.Empty);
  EXPECT_EQ(FSkin.SkinName, "damaged");
  EXPECT_TRUE(FSkin.FPicture->Empty());
  EXPECT_TRUE(FSkin.FMask->Empty());
  ASSERT_EQ(FSkin.PictureCount(), 3);
  EXPECT_TRUE(FSkin.Picture(0)->Empty());
  EXPECT_EQ(PicturePixel(*FSkin.Picture(1), 0, 0), 0x123456u);
  EXPECT_TRUE(FSkin.Picture(2)->Empty());
  EXPECT_EQ(FSkin.ControlCount(), 1);
}

TEST_F(SkinDataLoadTest, AFileThatIsNoSkinKeepsTheCurrentSkin) {
  LoadSkin(SkinIniText("first", "", "", "count=0", "count=1\n0=button:button\n"));
  const std::string Before = SkinDescriptionText(FSkin);
  std::string Text = SkinIniText("second");
  Text.replace(Text.find("[SKINCONTROLS]"), 14, "[OTHER]");
  LoadSkin(Text);
  FSkin.LoadFromFile(FFolder.File("nothing-here.ini"));
  EXPECT_EQ(FSkin.SkinName, "first");
  EXPECT_EQ(SkinDescriptionText(FSkin), Before);
  EXPECT_FALSE(FSkin.Empty);
}

TEST_F(SkinDataLoadTest, ClearingEmptiesTheListsButKeepsTheFrameGeometry) {
  WriteTestPicture(FFolder.File("a.bmp"), 2, 2, 0);
  LoadSkin(SkinIniText("clear", "picture=a.bmp\nactivepicturescount=1\n0=a.bmp\n", "clientrect=1,2,3,4\n",
                       "count=1\n0=x:button\n", "count=1\n0=y:button\n", "[LAYERFRAME]\npictureindex=0\n"));
  FSkin.ClearObjects();
  EXPECT_TRUE(FSkin.ControlCount() == 0);
  EXPECT_TRUE(FSkin.ObjectCount() == 0);
  EXPECT_TRUE(FSkin.PictureCount() == 0);
  EXPECT_EQ(FSkin.FActivePicturesNames->Count(), 0);
  EXPECT_EQ(FSkin.LayerFrame->PictureIndex, -1);
  EXPECT_FALSE(FSkin.FPicture->Empty());
  EXPECT_EQ(FSkin.ClRect, Rect(1, 2, 3, 4));
  FSkin.ClearAll();
  EXPECT_TRUE(FSkin.FPicture->Empty());
  EXPECT_TRUE(FSkin.FPictureName.empty());
  EXPECT_TRUE(FSkin.Empty);
  EXPECT_EQ(FSkin.ClRect, Rect(1, 2, 3, 4));
}

TEST_F(SkinDataLoadTest, PicturesAreAddedAndDeletedByIndex) {
  WriteTestPicture(FFolder.File("one.bmp"), 2, 2, 0x010203);
  FSkin.AddBitMap(FFolder.File("one.bmp"));
  FSkin.AddBitMap(FFolder.File("absent.bmp"));
  ASSERT_EQ(FSkin.PictureCount(), 2);
  EXPECT_EQ(FSkin.FActivePicturesNames->Strings(0), "one.bmp");
  EXPECT_TRUE(FSkin.Picture(1)->Empty());
  FSkin.DeleteBitMap(0);
  EXPECT_EQ(FSkin.FActivePicturesNames->Strings(0), "absent.bmp");
  EXPECT_THROW(FSkin.DeleteBitMap(1), EListError);
}

TEST_F(SkinDataLoadTest, EveryLoadClearAndPictureChangeMovesTheChangeCount) {
  WriteTestPicture(FFolder.File("one.bmp"), 2, 2, 0x010203);
  const std::string Skin = SkinIniText("counted");
  const std::pair<const char*, std::function<void()>> Changes[] = {
      {"a load", [&] { LoadSkin(Skin); }},
      {"the same skin loaded again", [&] { LoadSkin(Skin); }},
      {"a picture added", [&] { FSkin.AddBitMap(FFolder.File("one.bmp")); }},
      {"a picture deleted", [&] { FSkin.DeleteBitMap(0); }},
      {"the objects cleared", [&] { FSkin.ClearObjects(); }},
      {"everything cleared", [&] { FSkin.ClearAll(); }},
      {"the skin cleared", [&] { FSkin.ClearSkin(); }},
  };
  for (const auto& [Name, Change] : Changes) {
    SCOPED_TRACE(Name);
    const unsigned Before = FSkin.ChangeCount();
    Change();
    EXPECT_NE(FSkin.ChangeCount(), Before);
  }
  // What changes nothing keeps the count.
  const unsigned Kept = FSkin.ChangeCount();
  FSkin.LoadFromFile(FFolder.File("nothing-here.ini"));
  EXPECT_THROW(FSkin.DeleteBitMap(0), EListError);
  EXPECT_EQ(FSkin.ChangeCount(), Kept);
}

TEST_F(SkinDataLoadTest, GlobalChangeFontReachesTextKindsOnly) {
  LoadSkin(SkinIniText("fonts", "", "", "count=2\n0=cap:caption\n1=btn:stdbutton\n",
                       "count=6\n0=grid:grid\n1=memo:memo\n2=bevel:bevel\n3=clb:checklistbox\n"
                       "4=rich:richedit\n5=list:listview\n",
                       "[grid]\nfontheight=10\nfixedfontheight=12\n[memo]\nfontheight=9\n"
                       "[rich]\nfontheight=8\n[list]\nfontheight=7\n"));
  FSkin.GlobalChangeFont("Liberation Sans", 2);
  const auto* Caption = FSkin.Object<TspDataSkinCaption>(0);
  EXPECT_EQ(Caption->FontName, "Liberation Sans");
  const auto* Grid = FSkin.Control<TspDataSkinGridControl>(0);
  EXPECT_EQ(Grid->FontHeight, 12);
  EXPECT_EQ(Grid->FixedFontHeight, 14);
  EXPECT_EQ(Grid->FixedFontName, "Liberation Sans");
  const auto* Memo = FSkin.Control<TspDataSkinMemoControl>(1);
  EXPECT_EQ(Memo->FontHeight, 11);
  const auto* CheckList = FSkin.Control<TspDataSkinCheckListBox>(3);
  EXPECT_EQ(CheckList->CaptionFontName, "Liberation Sans");
  // A rich edit shares the list view's keys but is a kind of its own.
  const auto* RichEdit = FSkin.Control<TspDataSkinRichEdit>(4);
  EXPECT_EQ(RichEdit->FontName, "Liberation Sans");
  EXPECT_EQ(RichEdit->FontHeight, 10);
  const auto* ListView = FSkin.Control<TspDataSkinListView>(5);
  EXPECT_EQ(ListView->FontHeight, 9);
  EXPECT_EQ(FSkin.HintWindow->FontName, "Liberation Sans");
  EXPECT_EQ(FSkin.HintWindow->FontHeight, 16);
}

}  // namespace
