#include "platform/base/ShellOpen.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

bool ShellOpen(const String& ATarget) {
  char Program[] = "xdg-open";
  String Target = ATarget;
  char* Arguments[] = {Program, Target.data(), nullptr};
  pid_t Child = 0;
  if (posix_spawnp(&Child, Program, nullptr, nullptr, Arguments, environ) != 0) return false;
  // The handler may take its time; it is reaped in the background so that it does
  // not stay behind as a zombie.
  std::thread([Child] { waitpid(Child, nullptr, 0); }).detach();
  return true;
}
