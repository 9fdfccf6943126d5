// Every record kind, driven by its own key list: random values stored and loaded back
// give an equal record, and the stored section holds exactly the kind's keys.

#include <gtest/gtest.h>

#include <functional>

#include "components/core/SkinData.h"
#include "platform/base/Files.h"
#include "tests/components/core/SkinTestSupport.h"

using skin_test::DescribedKeys;
using skin_test::DumpRecord;
using skin_test::FillRandomly;
using skin_test::IniFromText;
using skin_test::SectionKeys;

namespace {

struct TRecordMaker {
  String Name;
  String Section;
  std::function<std::unique_ptr<TspSkinKeyedRecord>()> Make;
  std::function<void(TspSkinKeyedRecord&, TCustomIniFile&)> Save;
  std::function<void(TspSkinKeyedRecord&, const TCustomIniFile&)> Load;
};

template <typename TRecord>
TRecordMaker WindowMaker(const char* AName) {
  return {
      AName, TRecord::Section, [] { return std::make_unique<TRecord>(); },
      [](TspSkinKeyedRecord& R, TCustomIniFile& AIni) { static_cast<TRecord&>(R).SaveToFile(AIni); },
      [](TspSkinKeyedRecord& R, const TCustomIniFile& AIni) { static_cast<TRecord&>(R).LoadFromFile(AIni); }};
}

// Every kind of both lists and the three window descriptions.
std::vector<TRecordMaker> AllRecordMakers() {
  std::vector<TRecordMaker> Makers;
  for (const auto& Kind : SkinControlKinds())
    Makers.push_back({String("control ") + Kind.Word, "elem", [&Kind] { return Kind.Create("elem"); },
                      [](TspSkinKeyedRecord& R, TCustomIniFile& AIni) {
                        static_cast<TspDataSkinControl&>(R).SaveToFile(AIni);
                      },
                      [](TspSkinKeyedRecord& R, const TCustomIniFile& AIni) {
                        static_cast<TspDataSkinControl&>(R).LoadFromFile(AIni);
                      }});
  for (const auto& Kind : SkinObjectKinds())
    Makers.push_back({String("object ") + Kind.Word, "elem", [&Kind] { return Kind.Create("elem"); },
                      [](TspSkinKeyedRecord& R, TCustomIniFile& AIni) {
                        static_cast<TspDataSkinObject&>(R).SaveToFile(AIni);
                      },
                      [](TspSkinKeyedRecord& R, const TCustomIniFile& AIni) {
                        static_cast<TspDataSkinObject&>(R).LoadFromFile(AIni);
                      }});
  Makers.push_back(WindowMaker<TspDataSkinPopupWindow>("popup window"));
  Makers.push_back(WindowMaker<TspDataSkinHintWindow>("hint window"));
  Makers.push_back(WindowMaker<TspDataSkinLayerFrame>("layer frame"));
  return Makers;
}

}  // namespace

TEST(SkinRecordsRoundTrip, RandomValuesComeBackEqual) {
  std::mt19937 Random(20261210);
  for (const TRecordMaker& Maker : AllRecordMakers()) {
    SCOPED_TRACE(Maker.Name);
    for (int Round = 0; Round < 20; ++Round) {
      auto Original = Maker.Make();
      FillRandomly(*Original, Random);
      // A loaded record always satisfies its kind's derived values.
      Original->DeriveValues();
      auto Ini = IniFromText("[elem]\nstale=1\n[other]\nkept=1\n");
      Maker.Save(*Original, *Ini);
      auto Copy = Maker.Make();
      Maker.Load(*Copy, *Ini);
      ASSERT_EQ(DumpRecord(*Copy), DumpRecord(*Original));
      EXPECT_EQ(SectionKeys(*Ini, Maker.Section), DescribedKeys(*Original));
      EXPECT_EQ(Ini->ReadString("other", "kept", ""), "1");
    }
  }
}

// A key read under one name and written under another would leave the field at its
// default after a round trip; no kind lists a key twice.
TEST(SkinRecordsRoundTrip, EveryKindListsDistinctKeys) {
  for (const TRecordMaker& Maker : AllRecordMakers()) {
    SCOPED_TRACE(Maker.Name);
    auto Record = Maker.Make();
    std::vector<String> Keys = DescribedKeys(*Record);
    EXPECT_EQ(std::adjacent_find(Keys.begin(), Keys.end()), Keys.end());
  }
}

// A new record holds what loading a missing section gives (only the hint window's
// font differs before the first skin).
TEST(SkinRecordsRoundTrip, NewRecordsHoldTheKeyDefaults) {
  auto Empty = IniFromText("");
  for (const TRecordMaker& Maker : AllRecordMakers()) {
    SCOPED_TRACE(Maker.Name);
    auto Fresh = Maker.Make();
    auto FromEmpty = Maker.Make();
    Maker.Load(*FromEmpty, *Empty);
    if (Maker.Section == TspDataSkinHintWindow::Section)
      static_cast<TspDataSkinHintWindow&>(*Fresh).FontHeight = 14;
    EXPECT_EQ(DumpRecord(*Fresh), DumpRecord(*FromEmpty));
  }
}

TEST(SkinRecordsRoundTrip, KeysOfSelectedKinds) {
  auto Keys = [](TspSkinKeyedRecord&& ARecord) { return DescribedKeys(ARecord); };
  // The strip kinds: the four base keys and the two strip keys.
  std::vector<String> Strip = {"cursorindex",      "framescount",  "framesplacement",
                               "maskpictureindex", "pictureindex", "skinrect"};
  EXPECT_EQ(Keys(TspDataSkinFrameGauge("e")), Strip);
  EXPECT_EQ(Keys(TspDataSkinAnimateControl("e")), Strip);
  EXPECT_EQ(Keys(TspDataSkinSwitchControl("e")), Strip);
  // Sixteen object base keys; a memo has every edit key and two of its own.
  EXPECT_EQ(Keys(TspDataSkinSwitch("e")).size(), 16u);
  EXPECT_EQ(Keys(TspDataSkinMemoControl("e")).size(), Keys(TspDataSkinEditControl("e")).size() + 2);
  EXPECT_EQ(Keys(TspDataSkinMenuButtonControl("e")).size(), Keys(TspDataSkinButtonControl("e")).size() + 1);
  EXPECT_EQ(Keys(TspDataSkinCheckListBox("e")).size(), Keys(TspDataSkinListBox("e")).size() + 3);
  EXPECT_EQ(Keys(TspDataSkinPopupWindow()).size(), 16u);
  EXPECT_EQ(Keys(TspDataSkinHintWindow()).size(), 17u);
  EXPECT_EQ(Keys(TspDataSkinLayerFrame()).size(), 33u);
}

// The key names are the skin format's own (misspellings included): skins written by
// others must load, so each kind's keys are pinned in a fixture, one line per kind.
TEST(SkinRecordsRoundTrip, EveryKindReadsTheFormatsKeyNames) {
  String Listing;
  for (const TRecordMaker& Maker : AllRecordMakers()) {
    auto Record = Maker.Make();
    Listing += Maker.Name + ":";
    for (const String& Key : DescribedKeys(*Record)) Listing += " " + Key;
    Listing += "\n";
  }
  EXPECT_EQ(Listing, ReadFileToString(String(SKIN_CORE_FIXTURES) + "skin-keys.txt"));
}
