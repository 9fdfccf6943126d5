#pragma once
// Runs a saving step in a forked child that dies the way a crash would: right after
// WriteFileAtomically has completely written its temporary file and before it renames
// it over the target. The parent then inspects what a crash at that moment leaves.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/base/FilesTesting.h"

// The child's exit code: CrashedBeforeRename when the crash point was reached.
constexpr int CrashedBeforeRename = 42;

inline int RunAndCrashBeforeRename(const std::function<void()>& ASave) {
  pid_t Child = fork();
  if (Child == 0) {
    gAfterTempWrittenHook = [] { _exit(CrashedBeforeRename); };
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
