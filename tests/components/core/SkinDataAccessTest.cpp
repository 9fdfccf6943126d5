// The one way into a loaded skin's pictures and records: an index outside a list, a
// name no record has and a record of another kind all give nullptr; the editor
// builds and changes a skin in code.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "components/core/SkinData.h"
#include "tests/components/core/SkinDataTestSupport.h"

using namespace skin_data_test;
using testing_support::TempDir;

namespace {

class SkinDataAccessTest : public ::testing::Test {
 protected:
  // Two pictures, the objects "close" (a standard button) and "title" (a caption),
  // the controls "ok" (a button), "panel" (a panel) and a second "ok" (a panel).
  void SetUp() override {
    WriteTestPicture(FFolder.File("one.bmp"), 4, 4, 0xFF0000);
    WriteTestPicture(FFolder.File("two.bmp"), 6, 2, 0x00FF00);
    FSkin.LoadFromFile(
        WriteSkinIni(FFolder, SkinIniText("access", "activepicturescount=2\n0=one.bmp\n1=two.bmp\n", "",
                                          "count=2\n0=close:stdbutton\n1=title:caption\n",
                                          "count=3\n0=ok:button\n1=panel:panel\n2=ok:panel\n")));
    ASSERT_FALSE(FSkin.Empty);
  }

  TempDir FFolder;
  TspSkinData FSkin{nullptr};
};

TEST_F(SkinDataAccessTest, APictureIndexOutsideTheListGivesNoPicture) {
  ASSERT_EQ(FSkin.PictureCount(), 2);
  EXPECT_EQ(FSkin.Picture(0)->Width(), 4);
  EXPECT_EQ(FSkin.Picture(1)->Width(), 6);
  for (int Index : {-1, 2, INT_MAX, INT_MIN}) EXPECT_EQ(FSkin.Picture(Index), nullptr) << Index;
}

TEST_F(SkinDataAccessTest, ARecordIsGivenOnlyAtItsIndexAndAsItsOwnKind) {
  ASSERT_EQ(FSkin.ControlCount(), 3);
  ASSERT_EQ(FSkin.ObjectCount(), 2);
  EXPECT_EQ(FSkin.Control(0)->IDName, "ok");
  EXPECT_NE(FSkin.Control<TspDataSkinButtonControl>(0), nullptr);
  // A button is a nine-part element too, but not a panel.
  EXPECT_NE(FSkin.Control<TspDataSkinCustomControl>(0), nullptr);
  EXPECT_EQ(FSkin.Control<TspDataSkinPanelControl>(0), nullptr);
  EXPECT_NE(FSkin.Object<TspDataSkinCaption>(1), nullptr);
  EXPECT_EQ(FSkin.Object<TspDataSkinStdButton>(1), nullptr);
  for (int Index : {-1, 3, INT_MAX, INT_MIN})
    EXPECT_EQ(FSkin.Control<TspDataSkinPanelControl>(Index), nullptr);
  for (int Index : {-1, 2, INT_MAX, INT_MIN}) EXPECT_EQ(FSkin.Object(Index), nullptr) << Index;
}

TEST_F(SkinDataAccessTest, ARecordByNameIsTheFirstOfThatExactNameWhenOfItsKind) {
  // The first "ok" is a button: the panel of the same name behind it is not reached.
  EXPECT_EQ(FSkin.Control<TspDataSkinButtonControl>("ok"), FSkin.Control(0));
  EXPECT_EQ(FSkin.Control<TspDataSkinPanelControl>("ok"), nullptr);
  EXPECT_EQ(FSkin.Control<TspDataSkinPanelControl>("panel"), FSkin.Control(1));
  EXPECT_EQ(FSkin.Object<TspDataSkinStdButton>("close"), FSkin.Object(0));
  for (const char* Missing : {"", "OK", "Close", "absent"}) {
    EXPECT_EQ(FSkin.Control(Missing), nullptr) << Missing;
    EXPECT_EQ(FSkin.Object(Missing), nullptr) << Missing;
  }
  // Controls and objects are separate lists.
  EXPECT_EQ(FSkin.Control("close"), nullptr);
  EXPECT_EQ(FSkin.Object("ok"), nullptr);
}

TEST_F(SkinDataAccessTest, TheRecordsAreWalkedInTheSkinsOrder) {
  std::vector<String> Names;
  for (const TspDataSkinControl& Control : FSkin.Controls()) Names.push_back(Control.IDName);
  for (const TspDataSkinObject& Object : FSkin.Objects()) Names.push_back(Object.IDName);
  EXPECT_EQ(Names, (std::vector<String>{"ok", "panel", "ok", "close", "title"}));
}

TEST_F(SkinDataAccessTest, TheEditorAddsAndChangesRecordsAndClearsOneListAtATime) {
  TspSkinEditor Editor(FSkin);
  EXPECT_EQ(Editor.AddPicture(std::make_unique<TBitmap>()), 2);
  auto& Bevel = Editor.AddControl(std::make_unique<TspDataSkinBevel>("line"));
  EXPECT_EQ(FSkin.Control<TspDataSkinBevel>("line"), &Bevel);
  Editor.Control<TspDataSkinPanelControl>(1)->IDName = "renamed";
  EXPECT_EQ(FSkin.Control<TspDataSkinPanelControl>("renamed"), FSkin.Control(1));
  // Changing takes the same checks as reading.
  EXPECT_EQ(Editor.Control<TspDataSkinPanelControl>(0), nullptr);
  EXPECT_EQ(Editor.Object(5), nullptr);

  Editor.ClearControls();
  EXPECT_EQ(FSkin.ControlCount(), 0);
  EXPECT_EQ(FSkin.ObjectCount(), 2);
  EXPECT_EQ(FSkin.PictureCount(), 3);
  Editor.ClearObjects();
  EXPECT_EQ(FSkin.ObjectCount(), 0);
  EXPECT_EQ(FSkin.Object("close"), nullptr);
}

}  // namespace
