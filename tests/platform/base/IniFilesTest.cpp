#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/base/IniFiles.h"
#include "platform/base/StringList.h"
#include "tests/support/TestSupport.h"

using testing_support::ReadWholeFile;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

std::vector<String> LinesOf(const TStrings& AList) {
  std::vector<String> Result;
  for (int I = 0; I < AList.Count(); ++I) Result.push_back(AList.Strings(I));
  return Result;
}

// A skin-like file with the awkward cases: a byte-order mark, CRLF line ends, blanks,
// comments, duplicates and an empty section.
const char* const SampleIni =
    "\xEF\xBB\xBF"
    "; leading comment\r\n"
    "ignored=before any section\r\n"
    "[VERSION]\r\n"
    "  SkinName =  Blue Steel  \r\n"
    "ver=2\r\n"
    "# another comment\r\n"
    "skinname=second copy\r\n"
    "no equals sign\r\n"
    "formula=a=b\r\n"
    "\r\n"
    "[Empty]\r\n"
    "[ Numbers ]\r\n"
    "hex=0x10\r\n"
    "HexUpper=0X1f\r\n"
    "trailing=12abc\r\n"
    "negative=-7\r\n"
    "blank=\r\n"
    "bool=1\r\n"
    "float=2.5\r\n"
    "[version]\r\n"
    "skinauthor=merged\r\n"
    "ver=3\r\n";

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteWholeFile(FileName, SampleIni); }

  TempDir Dir;
  const String FileName = Dir.File("skin.ini");
};

}  // namespace

TEST_F(IniFileTest, NamesIgnoreCaseAndBlanksAndValuesAreTrimmed) {
  TMemIniFile Ini(FileName);
  EXPECT_EQ("Blue Steel", Ini.ReadString("version", "SKINNAME", "?"));
  EXPECT_EQ("Blue Steel", Ini.ReadString(" Version ", "skinname ", "?"));
  EXPECT_EQ("a=b", Ini.ReadString("VERSION", "formula", "?"));
  EXPECT_EQ("", Ini.ReadString("numbers", "blank", "?"));
  EXPECT_EQ("?", Ini.ReadString("VERSION", "ignored", "?"));
  EXPECT_EQ("?", Ini.ReadString("VERSION", "no equals sign", "?"));
  EXPECT_EQ("?", Ini.ReadString("VERSION", "# another comment", "?"));
  EXPECT_EQ("?", Ini.ReadString("missing", "ver", "?"));
}

TEST_F(IniFileTest, FirstDuplicateWinsAndDuplicateSectionsMerge) {
  TMemIniFile Ini(FileName);
  EXPECT_EQ("Blue Steel", Ini.ReadString("VERSION", "skinname", ""));
  EXPECT_EQ(2, Ini.ReadInteger("VERSION", "ver", 0));
  EXPECT_EQ("merged", Ini.ReadString("VERSION", "skinauthor", ""));
  TStringList Keys;
  Ini.ReadSection("Version", Keys);
  EXPECT_EQ((std::vector<String>{"SkinName", "ver", "formula", "skinauthor"}), LinesOf(Keys));
}

TEST_F(IniFileTest, IntegersAreDecimalOrHexAndAnythingElseGivesTheDefault) {
  TMemIniFile Ini(FileName);
  struct Case {
    const char* Key;
    int Expected;
  };
  const Case Cases[] = {
      {"hex", 16}, {"HexUpper", 31}, {"trailing", -1}, {"negative", -7}, {"blank", -1}, {"absent", -1},
  };
  for (const Case& C : Cases) EXPECT_EQ(C.Expected, Ini.ReadInteger("Numbers", C.Key, -1)) << C.Key;
  EXPECT_TRUE(Ini.ReadBool("Numbers", "bool", false));
  EXPECT_FALSE(Ini.ReadBool("Numbers", "trailing", false));
  EXPECT_TRUE(Ini.ReadBool("Numbers", "absent", true));
  EXPECT_DOUBLE_EQ(2.5, Ini.ReadFloat("Numbers", "float", 0));
  EXPECT_DOUBLE_EQ(1.5, Ini.ReadFloat("Numbers", "trailing", 1.5));
}

TEST_F(IniFileTest, SectionsExistOnlyWithKeys) {
  TMemIniFile Ini(FileName);
  EXPECT_TRUE(Ini.SectionExists("numbers"));
  EXPECT_FALSE(Ini.SectionExists("Empty"));
  EXPECT_FALSE(Ini.SectionExists("missing"));
  EXPECT_TRUE(Ini.ValueExists("NUMBERS", "blank"));
  EXPECT_FALSE(Ini.ValueExists("NUMBERS", "absent"));

  TStringList Sections;
  Ini.ReadSections(Sections);
  EXPECT_EQ((std::vector<String>{"VERSION", "Empty", "Numbers"}), LinesOf(Sections));
  TStringList Values;
  Values.Add("cleared first");
  Ini.ReadSectionValues("numbers", Values);
  EXPECT_EQ("hex=0x10", Values.Strings(0));
  EXPECT_EQ(7, Values.Count());
  Ini.ReadSection("Empty", Values);
  EXPECT_EQ(0, Values.Count());
}

TEST_F(IniFileTest, WritesChangeMemoryOnlyUntilUpdateFile) {
  TMemIniFile Ini(FileName);
  Ini.WriteString("version", "SKINNAME", "  Red  ");
  Ini.WriteInteger("New Section", "count", -3);
  Ini.WriteBool("New Section", "flag", true);
  Ini.WriteFloat("New Section", "ratio", 0.25);
  Ini.WriteString("Numbers", "added", "x");
  Ini.DeleteKey("numbers", "HEX");
  Ini.DeleteKey("numbers", "absent");
  Ini.EraseSection("EMPTY");
  Ini.EraseSection("absent");
  EXPECT_EQ("Red", Ini.ReadString("VERSION", "skinname", ""));
  EXPECT_EQ(SampleIni, ReadWholeFile(FileName));

  Ini.UpdateFile();
  EXPECT_EQ(
      "[VERSION]\n"
      "SkinName=Red\n"
      "ver=2\n"
      "formula=a=b\n"
      "skinauthor=merged\n"
      "\n"
      "[Numbers]\n"
      "HexUpper=0X1f\n"
      "trailing=12abc\n"
      "negative=-7\n"
      "blank=\n"
      "bool=1\n"
      "float=2.5\n"
      "added=x\n"
      "\n"
      "[New Section]\n"
      "count=-3\n"
      "flag=1\n"
      "ratio=0.25\n",
      ReadWholeFile(FileName));

  TMemIniFile Reloaded(FileName);
  EXPECT_EQ(-3, Reloaded.ReadInteger("new section", "COUNT", 0));
  EXPECT_TRUE(Reloaded.ReadBool("new section", "flag", false));
  EXPECT_DOUBLE_EQ(0.25, Reloaded.ReadFloat("new section", "ratio", 0));
  EXPECT_FALSE(Reloaded.ValueExists("numbers", "hex"));
  TStringList Keys;
  Reloaded.ReadSection("numbers", Keys);
  EXPECT_EQ("added", Keys.Strings(Keys.Count() - 1));
}

TEST_F(IniFileTest, IniFileSavesEveryWrite) {
  {
    TIniFile Ini(FileName);
    Ini.WriteInteger("Numbers", "hex", 32);
    TMemIniFile Other(FileName);
    EXPECT_EQ(32, Other.ReadInteger("numbers", "HEX", 0));
    Ini.EraseSection("version");
    Ini.DeleteKey("numbers", "bool");
  }
  TMemIniFile Reloaded(FileName);
  EXPECT_FALSE(Reloaded.SectionExists("VERSION"));
  EXPECT_FALSE(Reloaded.ValueExists("Numbers", "bool"));
  EXPECT_EQ(32, Reloaded.ReadInteger("Numbers", "hex", 0));
}

TEST(IniFile, MissingFileIsEmptyAndUnreadableFileRaises) {
  TempDir Dir;
  TMemIniFile Missing(Dir.File("new.ini"));
  EXPECT_EQ("d", Missing.ReadString("a", "b", "d"));
  Missing.WriteString("a", "b", "c");
  Missing.UpdateFile();
  EXPECT_EQ("[a]\nb=c\n", ReadWholeFile(Dir.File("new.ini")));
  TMemIniFile InMissingFolder(Dir.File("no/folder/x.ini"));
  EXPECT_FALSE(InMissingFolder.SectionExists("a"));
  EXPECT_THROW(TMemIniFile(Dir.Path().string()), EFOpenError);
}

TEST(IniFile, SkipsAByteOrderMarkRightBeforeTheFirstSection) {
  TempDir Dir;
  WriteWholeFile(Dir.File("bom.ini"), "\xEF\xBB\xBF[A]\nkey=value\n");
  TMemIniFile Ini(Dir.File("bom.ini"));
  EXPECT_EQ("value", Ini.ReadString("a", "key", ""));
}

TEST(IniFile, StringsExchangeTheWholeText) {
  TMemIniFile Ini("");
  TStringList Source;
  Source.SetText("[A]\nx=1\n[B]\ny=2\n");
  Ini.SetStrings(Source);
  EXPECT_EQ(2, Ini.ReadInteger("b", "Y", 0));
  Ini.WriteString("a", "z", "3");
  TStringList Out;
  Ini.GetStrings(Out);
  EXPECT_EQ("[A]\nx=1\nz=3\n\n[B]\ny=2\n", Out.Text());
  Ini.Clear();
  Ini.GetStrings(Out);
  EXPECT_EQ(0, Out.Count());
}

TEST(IniFile, RefusesWhatTheFileCannotHold) {
  TMemIniFile Ini("");
  const std::pair<const char*, const char*> BadKeys[] = {{"a\nb", "\"a\nb\""}, {"", "\"\""},
                                                         {"a=b", "\"a=b\""},   {";x", "\";x\""},
                                                         {"#x", "\"#x\""},     {"[x]", "\"[x]\""}};
  for (const auto& [Key, Quoted] : BadKeys) {
    try {
      Ini.WriteString("S", Key, "v");
      ADD_FAILURE() << "accepted " << Key;
    } catch (const EIniFileException& E) {
      EXPECT_EQ(String(Quoted) + " cannot be stored in an ini file", E.Message());
    }
  }
  EXPECT_THROW(Ini.WriteString("S", "k", "line\r\nbreak"), EIniFileException);
  EXPECT_THROW(Ini.WriteString("S\n[T]", "k", "v"), EIniFileException);
  TStringList Sections;
  Ini.ReadSections(Sections);
  EXPECT_EQ(0, Sections.Count());
}

TEST(IniFile, ManyKeysAreAllFoundByName) {
  // Skin descriptions hold thousands of keys; every one must be found by name.
  TMemIniFile Ini("");
  for (int I = 0; I < 5000; ++I) Ini.WriteInteger(Format("Section%d", I % 50), Format("Key%d", I), I);
  for (int I = 0; I < 5000; I += 7)
    EXPECT_EQ(I, Ini.ReadInteger(Format("SECTION%d", I % 50), Format("key%d", I), -1));
  Ini.EraseSection("section0");
  Ini.DeleteKey("section1", "key1");
  EXPECT_EQ(-1, Ini.ReadInteger("Section0", "Key0", -1));
  EXPECT_EQ(-1, Ini.ReadInteger("Section1", "Key1", -1));
  EXPECT_EQ(51, Ini.ReadInteger("Section1", "Key51", -1));
  EXPECT_EQ(4999, Ini.ReadInteger("Section49", "Key4999", -1));
}
