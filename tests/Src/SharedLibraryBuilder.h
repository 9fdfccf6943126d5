#pragma once
// Builds small shared libraries at test time, to stand in for a library file.

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TestSupport.h"

// Compiles the C text ASource into the shared library AFileName with the system's C
// compiler.
inline ::testing::AssertionResult BuildSharedLibrary(const std::string& ASource,
                                                     const std::string& AFileName) {
  std::string SourceFile = AFileName + ".c";
  testing_support::WriteWholeFile(SourceFile, ASource);
  testing_support::CommandResult Result =
      testing_support::RunCommand("cc -shared -fPIC -o " + testing_support::ShellQuote(AFileName) + " " +
                                  testing_support::ShellQuote(SourceFile));
  if (Result.ExitCode != 0) return ::testing::AssertionFailure() << Result.Output;
  return ::testing::AssertionSuccess();
}
