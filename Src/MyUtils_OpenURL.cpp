// Opening addresses with the desktop's handler.

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

#include "Src/MyUtils.h"

extern char** environ;

bool OpenURL(const String& AAddress, bool) {
  char Program[] = "xdg-open";
  String Address = AAddress;
  char* Arguments[] = {Program, Address.data(), nullptr};
  pid_t Child = 0;
  if (posix_spawnp(&Child, Program, nullptr, nullptr, Arguments, environ) != 0) return false;
  // The handler may take its time; it is reaped in the background so that it does
  // not stay behind as a zombie.
  std::thread([Child] { waitpid(Child, nullptr, 0); }).detach();
  return true;
}
