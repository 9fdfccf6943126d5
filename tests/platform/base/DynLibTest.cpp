#include <gtest/gtest.h>

#include "platform/base/DynLib.h"

TEST(DynLib, BindsAnExportAndCallsIt) {
  String Error;
  HMODULE Math = LoadLibrary("libm.so.6", Error);
  ASSERT_NE(nullptr, Math) << Error;
  auto Cos = reinterpret_cast<double (*)(double)>(GetProcAddress(Math, "cos", Error));
  ASSERT_NE(nullptr, Cos) << Error;
  EXPECT_DOUBLE_EQ(-1.0, Cos(3.141592653589793));
  FreeLibrary(Math);
}

TEST(DynLib, MissingExportGivesNullAndItsName) {
  String Error;
  HMODULE Math = LoadLibrary("libm.so.6", Error);
  ASSERT_NE(nullptr, Math) << Error;
  EXPECT_EQ(nullptr, GetProcAddress(Math, "pelladrin_no_such_export", Error));
  EXPECT_NE(String::npos, Error.find("pelladrin_no_such_export")) << Error;
  // A successful lookup after a failed one is not spoiled by the earlier error.
  EXPECT_NE(nullptr, GetProcAddress(Math, "sin", Error));
  FreeLibrary(Math);
}

TEST(DynLib, MissingLibraryGivesTheLoadersText) {
  String Error;
  EXPECT_EQ(nullptr, LoadLibrary("libpelladrin-missing.so.1", Error));
  EXPECT_NE(String::npos, Error.find("libpelladrin-missing.so.1")) << Error;

  // A module that failed to load does not find exports elsewhere in the process.
  Error.clear();
  EXPECT_EQ(nullptr, GetProcAddress(nullptr, "cos", Error));
  EXPECT_NE(String::npos, Error.find("cos")) << Error;
  FreeLibrary(nullptr);
}
