#pragma once
// Helpers shared by the test programs: a fresh temporary folder per test, running
// outside tools (ffmpeg, ffprobe, the C compiler) and reading whole files.

#include <filesystem>
#include <string>

namespace testing_support {

// A folder that exists for the life of the object and is removed afterwards. It lies
// under $PELLADRIN_TEST_TMP when set (the build tree), else the system's temp folder.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return FPath; }
  std::string File(const std::string& AName) const { return (FPath / AName).string(); }

 private:
  std::filesystem::path FPath;
};

struct CommandResult {
  int ExitCode = -1;
  std::string Output;  // standard output and standard error, interleaved
};

// Runs a shell command and collects its output.
CommandResult RunCommand(const std::string& ACommand);

// Quotes a text for the shell.
std::string ShellQuote(const std::string& AText);

// The path of a file of the source tree, from a path relative to its root.
std::string SourceFile(const std::string& ARelative);
// The path of a fixture, from a path relative to tests/fixtures/ (see tests/README.md).
std::string FixtureFile(const std::string& ARelative);

std::string ReadWholeFile(const std::string& AFileName);
void WriteWholeFile(const std::string& AFileName, const std::string& AData);

}  // namespace testing_support
