#include "tests/e2e/VirtualDisplay.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <span>
#include <stdexcept>

#include "platform/base/ScopeExit.h"
#include "platform/base/Strings.h"

extern char** environ;

namespace e2e {
namespace {

using testing_support::ReadWholeFile;
using testing_support::ShellQuote;

// Display numbers tried, from a start that depends on the process, so that tests
// started together rarely try the same ones.
constexpr int FirstDisplay = 100;
constexpr int DisplaySpread = 400;
constexpr int DisplayTries = 200;

std::string LockFile(int ANumber) { return Format("/tmp/.X%d-lock", ANumber); }

bool Exists(const std::string& APath) {
  struct stat Status;
  return stat(APath.c_str(), &Status) == 0;
}

// Claims the display number with the X server's own lock file, which servers started
// with a number respect; a lock whose process is gone is cleared first. False when
// another process holds the number or a server listens there without a lock.
bool ClaimDisplay(int ANumber) {
  const std::string Lock = LockFile(ANumber);
  for (int Attempt = 0; Attempt < 2; ++Attempt) {
    const int Fd = open(Lock.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0444);
    if (Fd >= 0) {
      const std::string Pid = Format("%10d\n", static_cast<int>(getpid()));
      const bool Written = write(Fd, Pid.data(), Pid.size()) == static_cast<ssize_t>(Pid.size());
      close(Fd);
      if (Written && !Exists(Format("/tmp/.X11-unix/X%d", ANumber))) return true;
      unlink(Lock.c_str());
      return false;
    }
    int Holder = 0;
    if (std::FILE* File = std::fopen(Lock.c_str(), "r")) {
      if (std::fscanf(File, "%d", &Holder) != 1) Holder = 0;
      std::fclose(File);
    }
    if (Holder <= 0 || kill(Holder, 0) == 0 || errno != ESRCH) return false;
    unlink(Lock.c_str());
  }
  return false;
}

// Xvfb writes the display number to its -displayfd pipe once it accepts clients;
// false when it ends or the patience runs out first.
bool WaitUntilReady(int AFd) {
  const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(PatienceMs);
  for (;;) {
    const auto Left =
        std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now())
            .count();
    pollfd Pipe{AFd, POLLIN, 0};
    if (Left <= 0 || poll(&Pipe, 1, static_cast<int>(Left)) <= 0) return false;
    char Byte = 0;
    if (read(AFd, &Byte, 1) != 1) return false;
    if (Byte == '\n') return true;
  }
}

}  // namespace

TVirtualDisplay::TVirtualDisplay() {
  const int Start = FirstDisplay + static_cast<int>(getpid()) % DisplaySpread;
  for (int Try = 0; Try < DisplayTries && FServer <= 0; ++Try) {
    const int Number = Start + Try;
    if (!ClaimDisplay(Number)) continue;
    FNumber = Number;
    if (!StartServer()) Kill();
  }
  if (FServer <= 0) throw std::runtime_error("Xvfb did not start: " + ReadWholeFile(FDir.File("xvfb.log")));
  ScopeExit KillOnFailure([this] { Kill(); });
  Xdotool("mousemove 0 0");
  // The German layout has keys of their own for ü and ß: xdotool need not remap a key
  // while it presses them, which would race with the program reading the mapping.
  if (Run("setxkbmap de").ExitCode != 0) throw std::runtime_error("setxkbmap failed on " + FName);
  KillOnFailure.Dismiss();
}

bool TVirtualDisplay::StartServer() {
  int Ends[2];
  if (pipe(Ends) != 0) return false;
  fcntl(Ends[0], F_SETFD, FD_CLOEXEC);
  const std::string Log = FDir.File("xvfb.log");
  posix_spawn_file_actions_t Actions;
  posix_spawn_file_actions_init(&Actions);
  posix_spawn_file_actions_addopen(&Actions, 1, Log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&Actions, 1, 2);
  const std::string Display = Format(":%d", FNumber);
  const std::string Fd = std::to_string(Ends[1]);
  // Without -noreset the server starts afresh whenever its last client leaves, drops
  // connections meanwhile and forgets the keyboard layout.
  const char* Arguments[] = {"Xvfb",        Display.c_str(), "-displayfd", Fd.c_str(), "-screen", "0",
                             "1280x800x24", "-nolisten",     "tcp",        "-noreset", "-br",     nullptr};
  const int Spawned =
      posix_spawnp(&FServer, "Xvfb", &Actions, nullptr, const_cast<char* const*>(Arguments), environ);
  posix_spawn_file_actions_destroy(&Actions);
  close(Ends[1]);
  if (Spawned != 0) FServer = -1;
  const bool Ready = FServer > 0 && WaitUntilReady(Ends[0]);
  close(Ends[0]);
  if (Ready) FName = Display;
  return Ready;
}

TVirtualDisplay::~TVirtualDisplay() { Kill(); }

void TVirtualDisplay::Kill() {
  if (FServer > 0) {
    kill(FServer, SIGTERM);
    waitpid(FServer, nullptr, 0);
  }
  FServer = -1;
  if (FNumber >= 0) unlink(LockFile(FNumber).c_str());
  FNumber = -1;
}

testing_support::CommandResult TVirtualDisplay::Run(const std::string& ACommand) const {
  return testing_support::RunCommand("DISPLAY=" + FName + " " + ACommand);
}

std::string TVirtualDisplay::Xdotool(const std::string& AArguments) const {
  const testing_support::CommandResult Result = Run("xdotool " + AArguments);
  if (Result.ExitCode != 0) throw std::runtime_error("xdotool " + AArguments + " failed: " + Result.Output);
  return Result.Output;
}

TPixelImage TVirtualDisplay::Screenshot(const TRect& ARect) const {
  const std::string File = FDir.File("screen.png");
  const testing_support::CommandResult Result = Run("import -window root " + ShellQuote("png:" + File));
  if (Result.ExitCode != 0) throw std::runtime_error("import failed: " + Result.Output);
  const std::string Data = ReadWholeFile(File);
  const TPixelImage Screen =
      DecodePng(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(Data.data()), Data.size()));
  TPixelImage Part;
  ResizePixelImage(Part, ARect.Width(), ARect.Height());
  for (int Y = 0; Y < ARect.Height(); ++Y)
    for (int X = 0; X < ARect.Width(); ++X) Part.Row(Y)[X] = Screen.Pixel(ARect.Left + X, ARect.Top + Y);
  return Part;
}

}  // namespace e2e
