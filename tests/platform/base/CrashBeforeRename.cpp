#include "tests/platform/base/CrashBeforeRename.h"

#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Set in the forked child only.
bool CrashAtRename = false;

}  // namespace

// The seam of the crash tests, in the test program and not in the code under test: the
// program's own rename comes before the C library's, so every rename of the code under
// test reaches it. WriteFileAtomically renames once its temporary is written and
// flushed, the moment a crash is to strike.
extern "C" int rename(const char* AOldName, const char* ANewName) noexcept {
  if (CrashAtRename) _exit(CrashedBeforeRename);
  using TRename = int (*)(const char*, const char*);
  static const auto CRename = reinterpret_cast<TRename>(dlsym(RTLD_NEXT, "rename"));
  return CRename(AOldName, ANewName);
}

int RunAndCrashBeforeRename(const std::function<void()>& ASave) {
  pid_t Child = fork();
  if (Child == 0) {
    CrashAtRename = true;
    try {
      ASave();
    } catch (...) {
      _exit(2);
    }
    _exit(3);
  }
  int Status = 0;
  if (Child < 0 || waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status)) return -1;
  return WEXITSTATUS(Status);
}
