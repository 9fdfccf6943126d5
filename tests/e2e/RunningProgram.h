#pragma once
// A program a test starts on a virtual display, with its standard output and error read
// line by line as they come (the demonstration program prints its log there), its
// standard input open until CloseInput, and the program ended when the object goes.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/VirtualDisplay.h"

namespace e2e {

class TRunningProgram {
 public:
  // Starts AProgram with AArguments, DISPLAY naming ADisplay and PELLADRIN_BACKEND
  // "x11". Raises std::runtime_error when it cannot be started.
  TRunningProgram(const std::string& AProgram, const std::vector<std::string>& AArguments,
                  const TVirtualDisplay& ADisplay);
  ~TRunningProgram();
  TRunningProgram(const TRunningProgram&) = delete;
  TRunningProgram& operator=(const TRunningProgram&) = delete;

  // Reads on until a line AMatches accepts and returns it; nullopt when the output ends
  // or ATimeoutMs pass first. Lines before it are passed over.
  std::optional<std::string> WaitForLine(const std::function<bool(const std::string&)>& AMatches,
                                         int ATimeoutMs = PatienceMs);
  std::optional<std::string> WaitForLine(const std::string& ALine, int ATimeoutMs = PatienceMs);
  // The next ACount lines; fewer when the output ends or ATimeoutMs pass first.
  std::vector<std::string> ReadLines(std::size_t ACount, int ATimeoutMs = PatienceMs);
  // Every line read so far, for messages of failing tests.
  std::string Transcript() const;
  // Ends the program's standard input.
  void CloseInput();
  // Waits for the program to end and returns its exit code (-1 when a signal ended
  // it); nullopt when it still runs after ATimeoutMs.
  std::optional<int> WaitForExit(int ATimeoutMs = PatienceMs);

 private:
  // Reads what the program wrote until a whole line is there; false when the output
  // ended or the deadline passed.
  bool ReadLine(std::chrono::steady_clock::time_point ADeadline, std::string& ALine);

  pid_t FPid = -1;
  int FInput = -1;
  int FOutput = -1;
  std::string FPending;
  std::vector<std::string> FLines;
};

}  // namespace e2e
