#include "tests/e2e/RunningProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace e2e {
namespace {

using TClock = std::chrono::steady_clock;

TClock::time_point DeadlineAfter(int AMs) { return TClock::now() + std::chrono::milliseconds(AMs); }

int MsLeft(TClock::time_point ADeadline) {
  const auto Left = std::chrono::duration_cast<std::chrono::milliseconds>(ADeadline - TClock::now()).count();
  return Left > 0 ? static_cast<int>(Left) : 0;
}

// The environment of this process with DISPLAY and PELLADRIN_BACKEND replaced.
std::vector<std::string> ProgramEnvironment(const std::string& ADisplay) {
  std::vector<std::string> Variables;
  for (char** Variable = environ; *Variable; ++Variable)
    if (std::strncmp(*Variable, "DISPLAY=", 8) != 0 && std::strncmp(*Variable, "PELLADRIN_BACKEND=", 18) != 0)
      Variables.emplace_back(*Variable);
  Variables.push_back("DISPLAY=" + ADisplay);
  Variables.push_back("PELLADRIN_BACKEND=x11");
  return Variables;
}

std::vector<char*> Pointers(std::vector<std::string>& AStrings) {
  std::vector<char*> List;
  for (std::string& Text : AStrings) List.push_back(Text.data());
  List.push_back(nullptr);
  return List;
}

}  // namespace

TRunningProgram::TRunningProgram(const std::string& AProgram, const std::vector<std::string>& AArguments,
                                 const TVirtualDisplay& ADisplay) {
  int Input[2];
  int Output[2];
  if (pipe2(Input, O_CLOEXEC) != 0 || pipe2(Output, O_CLOEXEC) != 0)
    throw std::runtime_error("cannot make pipes");
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_adddup2(&Actions, Input[0], 0);
  posix_spawn_file_actions_adddup2(&Actions, Output[1], 1);
  posix_spawn_file_actions_adddup2(&Actions, Output[1], 2);
  std::vector<std::string> Arguments = {AProgram};
  Arguments.insert(Arguments.end(), AArguments.begin(), AArguments.end());
  std::vector<std::string> Environment = ProgramEnvironment(ADisplay.Name());
  const int Spawned = posix_spawn(&FPid, AProgram.c_str(), &Actions, nullptr, Pointers(Arguments).data(),
                                  Pointers(Environment).data());
  posix_spawn_file_actions_destroy(&Actions);
  close(Input[0]);
  close(Output[1]);
  FInput = Input[1];
  FOutput = Output[0];
  if (Spawned != 0) {
    FPid = -1;
    throw std::runtime_error("cannot start " + AProgram);
  }
}

TRunningProgram::~TRunningProgram() {
  CloseInput();
  if (FPid > 0) {
    kill(FPid, SIGKILL);
    waitpid(FPid, nullptr, 0);
  }
  close(FOutput);
}

bool TRunningProgram::ReadLine(TClock::time_point ADeadline, std::string& ALine) {
  for (;;) {
    if (const std::size_t End = FPending.find('\n'); End != std::string::npos) {
      ALine = FPending.substr(0, End);
      FPending.erase(0, End + 1);
      FLines.push_back(ALine);
      return true;
    }
    pollfd Output{FOutput, POLLIN, 0};
    if (poll(&Output, 1, MsLeft(ADeadline)) <= 0) return false;
    char Buffer[4096];
    const ssize_t Count = read(FOutput, Buffer, sizeof Buffer);
    if (Count <= 0) return false;
    FPending.append(Buffer, static_cast<std::size_t>(Count));
  }
}

std::optional<std::string> TRunningProgram::WaitForLine(
    const std::function<bool(const std::string&)>& AMatches, int ATimeoutMs) {
  const TClock::time_point Deadline = DeadlineAfter(ATimeoutMs);
  std::string Line;
  while (ReadLine(Deadline, Line))
    if (AMatches(Line)) return Line;
  return std::nullopt;
}

std::optional<std::string> TRunningProgram::WaitForLine(const std::string& ALine, int ATimeoutMs) {
  return WaitForLine([&](const std::string& ACandidate) { return ACandidate == ALine; }, ATimeoutMs);
}

std::vector<std::string> TRunningProgram::ReadLines(std::size_t ACount, int ATimeoutMs) {
  const TClock::time_point Deadline = DeadlineAfter(ATimeoutMs);
  std::vector<std::string> Lines;
  std::string Line;
  while (Lines.size() < ACount && ReadLine(Deadline, Line)) Lines.push_back(Line);
  return Lines;
}

std::string TRunningProgram::Transcript() const {
  std::string Text;
  for (const std::string& Line : FLines) Text += Line + "\n";
  return Text + FPending;
}

void TRunningProgram::CloseInput() {
  if (FInput >= 0) close(FInput);
  FInput = -1;
}

std::optional<int> TRunningProgram::WaitForExit(int ATimeoutMs) {
  // The output ends when the program does; what it still writes is kept.
  const TClock::time_point Deadline = DeadlineAfter(ATimeoutMs);
  std::string Line;
  while (ReadLine(Deadline, Line)) {
  }
  if (MsLeft(Deadline) == 0) return std::nullopt;
  int Status = 0;
  waitpid(FPid, &Status, 0);
  FPid = -1;
  return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
}

}  // namespace e2e
