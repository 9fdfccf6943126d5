#include <gtest/gtest.h>

#include <cerrno>

#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "tests/platform/base/ScopedEnvironment.h"
#include "tests/support/TestSupport.h"

using testing_support::TempDir;
using testing_support::WriteWholeFile;

TEST(Paths, PartsOfAFileName) {
  struct Case {
    String Name, Path, Dir, FileName, Ext;
  };
  const Case Cases[] = {
      {"/a/b.c/name.ext", "/a/b.c/", "/a/b.c", "name.ext", ".ext"},
      {"/a/b.c/name", "/a/b.c/", "/a/b.c", "name", ""},
      {"/a/b/", "/a/b/", "/a/b", "", ""},
      {"/name.txt", "/", "/", "name.txt", ".txt"},
      {"movie.part1.avi", "", "", "movie.part1.avi", ".avi"},
      {"dir.d/file", "dir.d/", "dir.d", "file", ""},
      {"name.", "", "", "name.", "."},
      {"", "", "", "", ""},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(C.Path, ExtractFilePath(C.Name)) << C.Name;
    EXPECT_EQ(C.Dir, ExtractFileDir(C.Name)) << C.Name;
    EXPECT_EQ(C.FileName, ExtractFileName(C.Name)) << C.Name;
    EXPECT_EQ(C.Ext, ExtractFileExt(C.Name)) << C.Name;
  }
}

TEST(Paths, ChangeFileExtTouchesOnlyTheName) {
  EXPECT_EQ("/out/clip.mp4", ChangeFileExt("/out/clip.avi", ".mp4"));
  EXPECT_EQ("/a/b.c/clip.mp4", ChangeFileExt("/a/b.c/clip", ".mp4"));
  EXPECT_EQ("clip", ChangeFileExt("clip.avi", ""));
}

TEST(Paths, TrailingDelimiters) {
  EXPECT_EQ("/a/", IncludeTrailingPathDelimiter("/a"));
  EXPECT_EQ("/a/", IncludeTrailingPathDelimiter("/a/"));
  EXPECT_EQ("/", IncludeTrailingPathDelimiter(""));
  EXPECT_EQ("/a", ExcludeTrailingPathDelimiter("/a/"));
  EXPECT_EQ("/a", ExcludeTrailingPathDelimiter("/a"));
  EXPECT_EQ("/", ExcludeTrailingPathDelimiter("/"));
}

TEST(Paths, ExpandFileNameNormalisesWithoutTouchingTheDisk) {
  struct Case {
    String Name, Expanded;
  };
  const Case Cases[] = {
      {"/a/./b/../c", "/a/c"},
      {"/a//b/", "/a/b/"},
      {"/../x", "/x"},
      {"/a/..", "/"},
      {"x/./y", GetCurrentDir() + "/x/y"},
      {"", ""},
  };
  for (const Case& C : Cases) EXPECT_EQ(C.Expanded, ExpandFileName(C.Name)) << C.Name;
}

TEST(Paths, AppPathIsTheFolderOfThisProgram) {
  const String AppPath = GetAppPath();
  ASSERT_FALSE(AppPath.empty());
  EXPECT_EQ('/', AppPath.back());
  EXPECT_TRUE(FileExists(AppPath + program_invocation_short_name));
}

TEST(Paths, EnvironmentAndTemporaryFolder) {
  ScopedEnvironment Env;
  Env.Set("PELLADRIN_PATHS_TEST", "value");
  Env.Unset("PELLADRIN_PATHS_UNSET");
  EXPECT_EQ("value", GetEnvironmentVariable("PELLADRIN_PATHS_TEST"));
  EXPECT_EQ("", GetEnvironmentVariable("PELLADRIN_PATHS_UNSET"));
  Env.Set("TMPDIR", "/var/tmp/x/");
  EXPECT_EQ("/var/tmp/x", GetTempDir());
  Env.Unset("TMPDIR");
  EXPECT_EQ("/tmp", GetTempDir());
}

TEST(Paths, XdgFoldersFollowTheEnvironment) {
  ScopedEnvironment Env;
  Env.Set("HOME", "/home/ann");
  Env.Unset("XDG_CONFIG_HOME");
  Env.Unset("XDG_DATA_HOME");
  EXPECT_EQ("/home/ann/.config", GetXdgConfigHome());
  EXPECT_EQ("/home/ann/.local/share", GetXdgDataHome());

  Env.Set("XDG_CONFIG_HOME", "/cfg/");
  Env.Set("XDG_DATA_HOME", "/data");
  EXPECT_EQ("/cfg", GetXdgConfigHome());
  EXPECT_EQ("/data", GetXdgDataHome());

  Env.Set("XDG_CONFIG_HOME", "relative");
  EXPECT_EQ("/home/ann/.config", GetXdgConfigHome()) << "a relative setting is ignored";
}

TEST(Paths, DocumentsFolderFromUserDirs) {
  TempDir Dir;
  ScopedEnvironment Env;
  Env.Set("HOME", Dir.File("home"));
  Env.Set("XDG_CONFIG_HOME", Dir.File("config"));
  EXPECT_EQ(Dir.File("home/Documents"), GetUserDocumentsDir()) << "without user-dirs.dirs";

  ASSERT_TRUE(ForceDirectories(Dir.File("config")));
  struct Case {
    std::string FileText, Expected;
  };
  const Case Cases[] = {
      {"# written by "
       "xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n",
       Dir.File("home/Dokumente")},
      {"XDG_DOCUMENTS_DIR=\"/srv/My \\\"Docs\\\"/\"\n", "/srv/My \"Docs\""},
      {"XDG_DOCUMENTS_DIR=\"relative\"\n", Dir.File("home/Documents")},
      {"XDG_DOCUMENTS_DIR=$HOME/unquoted\n", Dir.File("home/Documents")},
  };
  for (const Case& C : Cases) {
    WriteWholeFile(Dir.File("config/user-dirs.dirs"), C.FileText);
    EXPECT_EQ(C.Expected, GetUserDocumentsDir()) << C.FileText;
  }
}

TEST(Paths, FindFileIgnoringCaseResolvesEveryComponent) {
  TempDir Dir;
  ASSERT_TRUE(ForceDirectories(Dir.File("skin/pics")));
  WriteWholeFile(Dir.File("skin/pics/button.bmp"), "b");
  const String Base = Dir.Path().string();

  EXPECT_EQ(Base + "/skin/pics/button.bmp", FindFileIgnoringCase(Base + "/Skin\\Pics\\BUTTON.BMP"));
  EXPECT_EQ(Base + "/skin/pics/button.bmp", FindFileIgnoringCase(Base + "/skin/pics/button.bmp"));
  EXPECT_EQ("", FindFileIgnoringCase(Base + "/Skin\\Pics\\missing.bmp"));
  EXPECT_EQ("", FindFileIgnoringCase(Base + "/SKIN\\PICS")) << "a folder is not a file";
  EXPECT_EQ("", FindFileIgnoringCase(""));

  // Of two spellings on disk, neither exact, the choice does not depend on the order
  // in which the folder lists them.
  WriteWholeFile(Dir.File("skin/pics/Button.bmp"), "B");
  EXPECT_EQ(Base + "/skin/pics/Button.bmp", FindFileIgnoringCase(Base + "/skin/pics/BUTTON.bmp"));
  EXPECT_EQ(Base + "/skin/pics/button.bmp", FindFileIgnoringCase(Base + "/skin/pics/button.bmp"));
}
