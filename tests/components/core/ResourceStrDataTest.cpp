#include <gtest/gtest.h>

#include "components/core/SkinData.h"
#include "tests/support/TestSupport.h"

TEST(ResourceStrData, BuiltInTable) {
  TspResourceStrData Table(nullptr);
  EXPECT_EQ(Table.ResStrings().Count(), 133);
  EXPECT_EQ(Table.CharSet(), 1);
  EXPECT_EQ(Table.ResStrings().Strings(0), "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(Table.ResStrings().Strings(132), "DB_MULTIPLEDELETE_QUESTION=Delete all selected records?");
  struct Case {
    const char* Name;
    const char* Text;
  };
  const Case Cases[] = {
      {"msg_btn_ok", "OK"},        {"MSG_BTN_OK", "OK"},
      {"Msg_Btn_Yes", "&Yes"},     {"MI_ROLLUPCAPTION", "Ro&llUp"},
      {"FLV_LOOKIN", "Look in: "}, {"MSG_CAP_SHOWFLAG", "Do not display this message again"},
      {"DBNAV_FIRST", "FIRST"},    {"CUSTOMCOLOR", "Custom..."},
      {"NOT_A_KEY", ""},           {"", ""},
  };
  for (const Case& C : Cases) EXPECT_EQ(Table.GetResStr(C.Name), C.Text) << C.Name;
}

TEST(ResourceStrData, Lookup) {
  TspResourceStrData Table(nullptr);
  TStringList Lines;
  Lines.Add("A=B=C");
  Lines.Add("no equals sign");
  Lines.Add("EMPTY=");
  Lines.Add("DUP=first");
  Lines.Add("dup=second");
  Table.SetResStrings(Lines);
  EXPECT_EQ(Table.ResStrings().Count(), 5);
  EXPECT_EQ(Table.GetResStr("A"), "B=C");
  EXPECT_EQ(Table.GetResStr("no equals sign"), "");
  EXPECT_EQ(Table.GetResStr("EMPTY"), "");
  EXPECT_EQ(Table.GetResStr("dup"), "first");
  // The built-ins went with the assignment.
  EXPECT_EQ(Table.GetResStr("MSG_BTN_OK"), "");
}

// The two database questions stand twice; the first line wins.
TEST(ResourceStrData, FirstOfDuplicateLinesWins) {
  TspResourceStrData Table(nullptr);
  TStrings& Lines = Table.ResStrings();
  Lines.SetStrings(Lines.Count() - 1, "DB_MULTIPLEDELETE_QUESTION=changed");
  EXPECT_EQ(Table.GetResStr("DB_MULTIPLEDELETE_QUESTION"), "Delete all selected records?");
}

TEST(ResourceStrData, LanguageFileReplacesTable) {
  testing_support::TempDir Dir;
  testing_support::WriteWholeFile(Dir.File("resource2.dat"),
                                  "MSG_BTN_YES=&Ja\r\nMSG_BTN_NO=&Nein\r\n TRAIL =  kept blanks  \r\n");
  TspResourceStrData Table(nullptr);
  Table.ResStrings().LoadFromFile(Dir.File("resource2.dat"));
  EXPECT_EQ(Table.ResStrings().Count(), 3);
  EXPECT_EQ(Table.GetResStr("msg_btn_yes"), "&Ja");
  EXPECT_EQ(Table.GetResStr("MSG_BTN_OK"), "");
  EXPECT_EQ(Table.GetResStr(" TRAIL "), "  kept blanks  ");
}

TEST(ResourceStrData, SkinTextTakesTheTablesCharsetElseTheDefaultFonts) {
  TFont DefaultFont;
  DefaultFont.SetCharset(238);
  EXPECT_EQ(SkinTextCharset(nullptr, DefaultFont), 238);
  TspSkinData Skin(nullptr);
  EXPECT_EQ(SkinTextCharset(&Skin, DefaultFont), 238);
  TspResourceStrData Table(nullptr);
  Table.SetCharSet(204);
  Skin.SetResourceStrData(&Table);
  EXPECT_EQ(SkinTextCharset(&Skin, DefaultFont), 204);
  Skin.SetResourceStrData(nullptr);
}
