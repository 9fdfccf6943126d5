#include "tests/support/TestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testing_support {

namespace fs = std::filesystem;

TempDir::TempDir() {
  static std::atomic<int> Counter{0};
  const char* Base = std::getenv("PELLADRIN_TEST_TMP");
  fs::path Root = Base && *Base ? fs::path(Base) : fs::temp_directory_path();
  fs::create_directories(Root);
  FPath = Root / ("t" + std::to_string(getpid()) + "-" + std::to_string(Counter++));
  fs::remove_all(FPath);
  fs::create_directories(FPath);
}

TempDir::~TempDir() {
  std::error_code Ignored;
  fs::remove_all(FPath, Ignored);
}

CommandResult RunCommand(const std::string& ACommand) {
  CommandResult Result;
  FILE* Pipe = popen((ACommand + " 2>&1").c_str(), "r");
  if (!Pipe) throw std::runtime_error("cannot run: " + ACommand);
  std::array<char, 4096> Buffer;
  size_t Count;
  while ((Count = fread(Buffer.data(), 1, Buffer.size(), Pipe)) > 0)
    Result.Output.append(Buffer.data(), Count);
  int Status = pclose(Pipe);
  Result.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  return Result;
}

std::string ShellQuote(const std::string& AText) {
  std::string Quoted = "'";
  for (char C : AText) Quoted += C == '\'' ? std::string("'\\''") : std::string(1, C);
  return Quoted + "'";
}

std::string SourceFile(const std::string& ARelative) {
  return (fs::path(PELLADRIN_SOURCE_DIR) / ARelative).string();
}

std::string FixtureFile(const std::string& ARelative) { return SourceFile("tests/fixtures/" + ARelative); }

std::string ReadWholeFile(const std::string& AFileName) {
  std::ifstream In(AFileName, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + AFileName);
  std::ostringstream Out;
  Out << In.rdbuf();
  return Out.str();
}

void WriteWholeFile(const std::string& AFileName, const std::string& AData) {
  std::ofstream Out(AFileName, std::ios::binary | std::ios::trunc);
  if (!Out) throw std::runtime_error("cannot write " + AFileName);
  Out << AData;
}

}  // namespace testing_support
