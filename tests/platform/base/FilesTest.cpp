#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <set>

#include "platform/base/Exceptions.h"
#include "platform/base/Files.h"
#include "tests/platform/base/CrashBeforeRename.h"
#include "tests/support/TestSupport.h"

using testing_support::ReadWholeFile;
using testing_support::TempDir;
using testing_support::WriteWholeFile;

namespace {

std::set<std::string> FolderEntries(const TempDir& ADir) {
  std::set<std::string> Names;
  for (const auto& Entry : std::filesystem::directory_iterator(ADir.Path()))
    Names.insert(Entry.path().filename().string());
  return Names;
}

}  // namespace

TEST(Files, ExistenceTellsFilesFromFolders) {
  TempDir Dir;
  WriteWholeFile(Dir.File("file"), "x");
  struct Case {
    std::string Name;
    bool IsFile, IsFolder;
  };
  const Case Cases[] = {
      {Dir.File("file"), true, false},
      {Dir.Path().string(), false, true},
      {Dir.File("missing"), false, false},
      {"", false, false},
  };
  for (const Case& C : Cases) {
    EXPECT_EQ(C.IsFile, FileExists(C.Name)) << C.Name;
    EXPECT_EQ(C.IsFolder, DirectoryExists(C.Name)) << C.Name;
  }
}

TEST(Files, ForceDirectoriesCreatesEveryMissingLevel) {
  TempDir Dir;
  const String Deep = Dir.File("a/b/c/d/e");
  EXPECT_TRUE(ForceDirectories(Deep + "/"));
  EXPECT_TRUE(DirectoryExists(Deep));
  EXPECT_TRUE(ForceDirectories(Deep)) << "an existing folder is success";

  WriteWholeFile(Dir.File("file"), "x");
  EXPECT_FALSE(ForceDirectories(Dir.File("file/sub")));
  EXPECT_FALSE(ForceDirectories(""));
}

TEST(Files, DeleteAndRenameNeverReplaceByAccident) {
  TempDir Dir;
  WriteWholeFile(Dir.File("a"), "first");
  WriteWholeFile(Dir.File("b"), "second");
  EXPECT_FALSE(RenameFile(Dir.File("a"), Dir.File("b")));
  EXPECT_EQ("second", ReadWholeFile(Dir.File("b")));

  EXPECT_TRUE(RenameFile(Dir.File("a"), Dir.File("c")));
  EXPECT_EQ("first", ReadWholeFile(Dir.File("c")));
  EXPECT_FALSE(FileExists(Dir.File("a")));

  EXPECT_TRUE(DeleteFile(Dir.File("c")));
  EXPECT_FALSE(DeleteFile(Dir.File("c")));
}

TEST(Files, ReadFileToStringReadsBytesAndReportsTheFile) {
  TempDir Dir;
  const std::string Data("bin\0ary\nline\r\n\xFF", 16);
  WriteWholeFile(Dir.File("data"), Data);
  EXPECT_EQ(Data, ReadFileToString(Dir.File("data")));

  try {
    ReadFileToString(Dir.File("missing"));
    FAIL() << "a missing file was read";
  } catch (const EFOpenError& E) {
    EXPECT_EQ("Cannot open file \"" + Dir.File("missing") + "\". No such file or directory", E.Message());
  }
  EXPECT_THROW(ReadFileToString(Dir.Path().string()), EFOpenError);
  EXPECT_EQ("No such file or directory", SysErrorMessage(ENOENT));
}

TEST(WriteFileAtomically, CreatesAndReplacesLeavingNothingBehind) {
  TempDir Dir;
  const String Target = Dir.File("settings.ini");
  WriteFileAtomically(Target, "old");
  EXPECT_EQ("old", ReadWholeFile(Target));
  chmod(Target.c_str(), 0640);

  WriteFileAtomically(Target, std::string(200000, 'n'));
  EXPECT_EQ(std::string(200000, 'n'), ReadWholeFile(Target));
  struct stat Info;
  ASSERT_EQ(0, stat(Target.c_str(), &Info));
  EXPECT_EQ(0640u, Info.st_mode & 07777) << "the replaced file's permissions are kept";

  WriteFileAtomically(Target, "");
  EXPECT_EQ("", ReadWholeFile(Target));
  EXPECT_EQ(std::set<std::string>{"settings.ini"}, FolderEntries(Dir));
}

TEST(WriteFileAtomically, FailuresRaiseAndRemoveTheTemporary) {
  TempDir Dir;
  const String InMissingFolder = Dir.File("missing/file");
  try {
    WriteFileAtomically(InMissingFolder, "x");
    FAIL() << "wrote into a missing folder";
  } catch (const EFCreateError& E) {
    EXPECT_EQ("Cannot create file \"" + InMissingFolder + "\". No such file or directory", E.Message());
  }

  // A folder cannot be replaced by a file: the rename fails after the data were written.
  ASSERT_TRUE(ForceDirectories(Dir.File("folder")));
  EXPECT_THROW(WriteFileAtomically(Dir.File("folder"), "x"), EWriteError);
  EXPECT_EQ(std::set<std::string>{"folder"}, FolderEntries(Dir));
  EXPECT_THROW(WriteFileAtomically("", "x"), EFCreateError);
}

TEST(WriteFileAtomically, CrashBeforeRenameLeavesTheOldFileWhole) {
  TempDir Dir;
  const String Target = Dir.File("data.txt");
  const std::string Old = "old content\n", New(100000, 'N');
  WriteFileAtomically(Target, Old);

  ASSERT_EQ(CrashedBeforeRename, RunAndCrashBeforeRename([&] { WriteFileAtomically(Target, New); }));
  EXPECT_EQ(Old, ReadWholeFile(Target));
  // The crash struck after the temporary was complete: it holds all of the new data.
  std::set<std::string> Entries = FolderEntries(Dir);
  ASSERT_EQ(2u, Entries.size());
  Entries.erase("data.txt");
  EXPECT_EQ(New, ReadWholeFile(Dir.File(*Entries.begin())));

  // The stale temporary does not stand in the way of the next save.
  WriteFileAtomically(Target, "after");
  EXPECT_EQ("after", ReadWholeFile(Target));
}
