#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "platform/base/Files.h"
#include "platform/base/Registry.h"
#include "platform/base/SettingsFile.h"
#include "tests/platform/base/CrashBeforeRename.h"
#include "tests/platform/base/ScopedEnvironment.h"
#include "tests/support/TestSupport.h"

using testing_support::ReadWholeFile;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

const String ProgramKey = "Software\\Pelladrin\\Pelladrin";

// Every test keeps its settings file in a folder of its own.
class RegistryTest : public testing::Test {
 protected:
  RegistryTest() { FEnvironment.Set("XDG_CONFIG_HOME", FDir.Path().string()); }

  String SettingsPath() const { return FDir.File("Pelladrin/settings.ini"); }

  TempDir FDir;
  ScopedEnvironment FEnvironment;
};

}  // namespace

TEST_F(RegistryTest, ValuesOfEveryTypeRoundTripThroughTheFile) {
  const String Awkward = "line one\nline two\r\n[not a section]\nkey=value \\n\\ \tend ÄÖü Видео ½ 日本";
  {
    TRegistry Writer;
    ASSERT_TRUE(Writer.OpenKey(ProgramKey, true));
    Writer.WriteString("OutputPath", Awkward);
    Writer.WriteString("", "the default value");
    Writer.WriteString("odd=name[\n", "x");
    Writer.WriteInteger("userid", 9999999);
    Writer.WriteInteger("lasteditedformatind", -1);
    Writer.WriteInteger("min", INT32_MIN);
    Writer.WriteBool("UseAllCPUs", true);
    Writer.WriteBool("DonateDialogEnabled", false);
    Writer.CloseKey();
  }
  EXPECT_EQ(SettingsFileName(), SettingsPath());
  EXPECT_TRUE(ReadWholeFile(SettingsPath()).starts_with("[HKCU\\Software\\Pelladrin\\Pelladrin]\n"));

  TRegistry Reader;
  ASSERT_TRUE(Reader.OpenKey(ProgramKey, false));
  EXPECT_EQ(Awkward, Reader.ReadString("OutputPath"));
  EXPECT_EQ("the default value", Reader.ReadString(""));
  EXPECT_EQ("x", Reader.ReadString("odd=name[\n"));
  EXPECT_EQ(9999999, Reader.ReadInteger("userid"));
  EXPECT_EQ(-1, Reader.ReadInteger("lasteditedformatind"));
  EXPECT_EQ(INT32_MIN, Reader.ReadInteger("min"));
  EXPECT_TRUE(Reader.ReadBool("UseAllCPUs"));
  EXPECT_FALSE(Reader.ReadBool("DonateDialogEnabled"));
  EXPECT_EQ(1, Reader.ReadInteger("UseAllCPUs")) << "booleans are integers, as in the registry";

  std::vector<String> Names;
  Reader.GetValueNames(Names);
  EXPECT_EQ((std::vector<String>{"OutputPath", "", "odd=name[\n", "userid", "lasteditedformatind", "min",
                                 "UseAllCPUs", "DonateDialogEnabled"}),
            Names);
}

TEST_F(RegistryTest, KeyAndValueNamesIgnoreCase) {
  TRegistry Registry;
  ASSERT_TRUE(Registry.OpenKey(ProgramKey, true));
  Registry.WriteString("OutputPath", "/first");
  Registry.WriteString("OUTPUTPATH", "/second");

  TRegistry Other;
  ASSERT_TRUE(Other.OpenKey("SOFTWARE\\pelladrin\\PELLADRIN", false));
  EXPECT_EQ("/second", Other.ReadString("outputpath"));
  std::vector<String> Names;
  Other.GetValueNames(Names);
  EXPECT_EQ(std::vector<String>{"OutputPath"}, Names) << "one value, named as first written";
}

TEST_F(RegistryTest, FirstRunFindsNothingAndCreatesNothing) {
  TRegistry Registry;
  EXPECT_FALSE(Registry.OpenKey(ProgramKey, false));
  EXPECT_FALSE(Registry.KeyExists(ProgramKey));
  EXPECT_FALSE(Registry.ValueExists("userid"));
  EXPECT_FALSE(FileExists(SettingsPath()));
}

TEST_F(RegistryTest, ValueExistsAndDeleteValue) {
  TRegistry Registry;
  ASSERT_TRUE(Registry.OpenKey(ProgramKey, true));
  EXPECT_FALSE(Registry.ValueExists("language"));
  Registry.WriteInteger("language", 2);
  Registry.WriteInteger("userid", 5);
  EXPECT_TRUE(Registry.ValueExists("Language"));

  EXPECT_TRUE(Registry.DeleteValue("LANGUAGE"));
  EXPECT_FALSE(Registry.ValueExists("language"));
  EXPECT_FALSE(Registry.DeleteValue("language"));
  EXPECT_TRUE(Registry.ValueExists("userid"));
}

TEST_F(RegistryTest, ReadingAMissingOrMistypedValueRaises) {
  TRegistry Registry;
  ASSERT_TRUE(Registry.OpenKey(ProgramKey, true));
  Registry.WriteString("OutputPath", "/out");
  Registry.WriteInteger("language", 1);

  struct Case {
    std::function<void()> Read;
    std::string Message;
  };
  const Case Cases[] = {
      {[&] { Registry.ReadString("missing"); }, "Invalid data type for 'missing'"},
      {[&] { Registry.ReadInteger("missing"); }, "Invalid data type for 'missing'"},
      {[&] { Registry.ReadBool("missing"); }, "Invalid data type for 'missing'"},
      {[&] { Registry.ReadInteger("OutputPath"); }, "Invalid data type for 'OutputPath'"},
      {[&] { Registry.ReadString("language"); }, "Invalid data type for 'language'"},
  };
  for (const Case& C : Cases) {
    try {
      C.Read();
      ADD_FAILURE() << "no exception for: " << C.Message;
    } catch (const ERegistryException& E) {
      EXPECT_EQ(C.Message, E.Message());
    }
  }
}

TEST_F(RegistryTest, WithoutAnOpenKeyNothingIsReadOrWritten) {
  TRegistry Registry;
  EXPECT_THROW(Registry.ReadString("x"), ERegistryException);
  try {
    Registry.WriteString("x", "y");
    FAIL() << "wrote without an open key";
  } catch (const ERegistryException& E) {
    EXPECT_EQ("Failed to set data for 'x'", E.Message());
  }
  ASSERT_TRUE(Registry.OpenKey(ProgramKey, true));
  Registry.CloseKey();
  EXPECT_THROW(Registry.WriteInteger("x", 1), ERegistryException);
}

TEST_F(RegistryTest, ASecondObjectSeesTheFirstsChanges) {
  TRegistry First, Second;
  ASSERT_TRUE(First.OpenKey(ProgramKey, true));
  ASSERT_TRUE(Second.OpenKey(ProgramKey, false));
  First.WriteString("TempFilesFolder", "/tmp/a");
  EXPECT_EQ("/tmp/a", Second.ReadString("TempFilesFolder"));
  // Each write starts from the file as it is now, so neither undoes the other.
  Second.WriteInteger("CustomCPUNumber", 3);
  First.WriteBool("UseAllCPUs", false);
  EXPECT_EQ(3, First.ReadInteger("CustomCPUNumber"));
  EXPECT_FALSE(Second.ReadBool("UseAllCPUs"));
  EXPECT_EQ("/tmp/a", Second.ReadString("TempFilesFolder"));
}

TEST_F(RegistryTest, KeyPathsRelativeAbsoluteAndDeleted) {
  TRegistry Registry;
  ASSERT_TRUE(Registry.OpenKey("Software", true));
  ASSERT_TRUE(Registry.OpenKey("Pelladrin\\Pelladrin", true)) << "relative to the open key";
  Registry.WriteInteger("userid", 1);
  EXPECT_TRUE(Registry.KeyExists("\\" + ProgramKey));
  EXPECT_TRUE(Registry.KeyExists("\\Software\\Pelladrin")) << "a key with keys below it exists";
  EXPECT_FALSE(Registry.OpenKey("Bad\nName", true));
  EXPECT_EQ(1, Registry.ReadInteger("userid")) << "a failed open keeps the open key";

  ASSERT_TRUE(Registry.OpenKey("\\Software\\Other", true));
  EXPECT_TRUE(Registry.DeleteKey("\\Software\\PELLADRIN"));
  EXPECT_FALSE(Registry.KeyExists("\\" + ProgramKey));
  EXPECT_TRUE(Registry.KeyExists("\\Software\\Other"));
  EXPECT_FALSE(Registry.DeleteKey("\\Software\\Pelladrin"));
}

TEST_F(RegistryTest, OtherRootsAreKeptApart) {
  TRegistry Registry;
  Registry.SetRootKey(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(Registry.OpenKey("htmlfile\\shell\\open\\command", true));
  Registry.WriteString("", "browser");

  TRegistry User;
  EXPECT_EQ(HKEY_CURRENT_USER, User.RootKey());
  EXPECT_FALSE(User.KeyExists("htmlfile\\shell\\open\\command"));
  User.SetRootKey(HKEY_CLASSES_ROOT);
  ASSERT_TRUE(User.OpenKey("HTMLFILE\\Shell\\Open\\Command", false));
  EXPECT_EQ("browser", User.ReadString(""));
}

TEST_F(RegistryTest, HandEditedFilesAreReadLeniently) {
  ASSERT_TRUE(ForceDirectories(FDir.File("Pelladrin")));
  WriteWholeFile(SettingsPath(),
                 "stray=s:before any section\r\n"
                 "[HKCU\\Software\\Pelladrin\\Pelladrin]\r\n"
                 "language=i:2\r\n"
                 "garbage line\r\n"
                 "userid=i:not a number\r\n"
                 "Language=i:3\r\n"
                 "OutputPath=s:/out\r\n");
  TRegistry Registry;
  ASSERT_TRUE(Registry.OpenKey(ProgramKey, false));
  EXPECT_EQ(2, Registry.ReadInteger("language")) << "of two values the first wins";
  EXPECT_EQ("/out", Registry.ReadString("OutputPath"));
  EXPECT_FALSE(Registry.ValueExists("userid"));
}

TEST_F(RegistryTest, CrashWhileSavingLeavesTheOldSettingsWhole) {
  {
    TRegistry Registry;
    ASSERT_TRUE(Registry.OpenKey(ProgramKey, true));
    Registry.WriteString("OutputPath", "/old");
    Registry.WriteInteger("userid", 7);
  }
  const std::string Before = ReadWholeFile(SettingsPath());

  ASSERT_EQ(CrashedBeforeRename, RunAndCrashBeforeRename([] {
              TRegistry Registry;
              Registry.OpenKey(ProgramKey, true);
              Registry.WriteString("OutputPath", "/new");
            }));
  EXPECT_EQ(Before, ReadWholeFile(SettingsPath()));
  EXPECT_EQ(Before, FormatSettings(ParseSettings(Before))) << "the file is well-formed";

  TRegistry Registry;
  ASSERT_TRUE(Registry.OpenKey(ProgramKey, false));
  EXPECT_EQ("/old", Registry.ReadString("OutputPath"));
  Registry.WriteString("OutputPath", "/later");
  EXPECT_EQ("/later", Registry.ReadString("OutputPath"));
  EXPECT_EQ(7, Registry.ReadInteger("userid"));
}
