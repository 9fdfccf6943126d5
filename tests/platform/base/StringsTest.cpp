#include <gtest/gtest.h>

#include "platform/base/Exceptions.h"
#include "platform/base/Strings.h"

TEST(Format, ConversionsTheProgramUses) {
  struct Case {
    String Expected, Actual;
  };
  const Case Cases[] = {
      {"a 42 b", Format("a %d b", 42)},
      {"-9223372036854775807", Format("%d", -9223372036854775807LL)},
      {"4294967295", Format("%d", 4294967295U)},
      {"01:02:03.004", Format("%.2d:%.2d:%.2d.%.3d", 1, 2, 3, 4)},
      {"1.50 KB", Format("%.2f KB", 1.5)},
      {"2.00", Format("%.2f", 2)},
      {"[x @ ]", Format("[%s @ ]", String("x"))},
      {"name=\"q\"", Format("name=\"%s\"", "q")},
      {"0x00FF", Format("0x%04X", 255)},
      {"100%", Format("%d%%", 100)},
      {"ab", Format("%s%c", "a", 'b')},
      {"  7|7  ", Format("%3d|%-3d", 7, 7)},
  };
  for (const Case& C : Cases) EXPECT_EQ(C.Expected, C.Actual);
}

TEST(Format, MismatchedOrMissingArgumentRaises) {
  EXPECT_THROW(Format("%d", "text"), EConvertError);
  EXPECT_THROW(Format("%s %s", "one"), EConvertError);
  EXPECT_THROW(Format("%s", 1.5), EConvertError);
}

TEST(StrToInt, StrictAboutWhatIsANumber) {
  EXPECT_EQ(42, StrToInt("42"));
  EXPECT_EQ(-7, StrToInt(" -7"));
  EXPECT_EQ(255, StrToInt("0xFF"));
  EXPECT_EQ(255, StrToInt("$ff"));
  for (const char* Bad : {"", "4 2", "42 ", "x", "1.5", "99999999999", "-", "0x"}) {
    EXPECT_THROW(StrToInt(Bad), EConvertError) << Bad;
    EXPECT_EQ(-1, StrToIntDef(Bad, -1)) << Bad;
  }
  try {
    StrToInt("abc");
  } catch (const EConvertError& E) {
    EXPECT_EQ("'abc' is not a valid integer value", E.Message());
  }
}

TEST(StrToFloat, UsesThePointAsDecimalSeparator) {
  EXPECT_DOUBLE_EQ(1.25, StrToFloat("1.25"));
  EXPECT_THROW(StrToFloat("1,25"), EConvertError);
  EXPECT_DOUBLE_EQ(3.0, StrToFloatDef("nope", 3.0));
}

TEST(Trim, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ("a b", Trim(" \t a b \r\n"));
  EXPECT_EQ("a ", TrimLeft("  a "));
  EXPECT_EQ("  a", TrimRight("  a \n"));
  EXPECT_EQ("", Trim("   "));
}

TEST(CaseMapping, WorksOnWholeCodePoints) {
  EXPECT_EQ("ÄBCÉ", UpperCase("äbcé"));
  EXPECT_EQ("привет", LowerCase("ПРИВЕТ"));
  EXPECT_TRUE(SameText("Straße", "STRAßE"));
  EXPECT_TRUE(SameText("Ünïcode", "üNÏCODE"));
  EXPECT_FALSE(SameText("abc", "abd"));
  EXPECT_LT(CompareText("apple", "Banana"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
}

TEST(Utf8, IteratesCodePointsAndRejectsMalformedText) {
  String Text = "aé€😀";
  EXPECT_EQ(4u, Utf8Length(Text));
  size_t Pos = 0;
  EXPECT_EQ(U'a', Utf8Next(Text, Pos));
  EXPECT_EQ(U'é', Utf8Next(Text, Pos));
  EXPECT_EQ(U'€', Utf8Next(Text, Pos));
  EXPECT_EQ(U'😀', Utf8Next(Text, Pos));
  EXPECT_EQ(Text.size(), Pos);
  String Round;
  for (char32_t C : {U'a', U'é', U'€', U'😀'}) Utf8Append(Round, C);
  EXPECT_EQ(Text, Round);
  EXPECT_TRUE(IsValidUtf8(Text));
  EXPECT_FALSE(IsValidUtf8("\xC3"));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));      // overlong '/'
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
}
