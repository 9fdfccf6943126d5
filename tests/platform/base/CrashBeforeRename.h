#pragma once
// Runs a saving step in a forked child that dies the way a crash would: right after
// WriteFileAtomically has completely written its temporary file and before it renames
// it over the target. The parent then inspects what a crash at that moment leaves.

#include <functional>

// The child's exit code: CrashedBeforeRename when the crash point was reached.
constexpr int CrashedBeforeRename = 42;

int RunAndCrashBeforeRename(const std::function<void()>& ASave);
