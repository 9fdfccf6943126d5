// Which backend PELLADRIN_BACKEND and DISPLAY select.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/win/Backend.h"

namespace {

// Sets or clears an environment variable for the life of the object.
class TEnvironment {
 public:
  TEnvironment(const char* AName, std::optional<std::string> AValue) : FName(AName) {
    if (const char* Old = std::getenv(AName)) FOld = Old;
    if (AValue)
      setenv(AName, AValue->c_str(), 1);
    else
      unsetenv(AName);
  }
  ~TEnvironment() {
    if (FOld)
      setenv(FName, FOld->c_str(), 1);
    else
      unsetenv(FName);
  }

 private:
  const char* FName;
  std::optional<std::string> FOld;
};

struct TSelectionCase {
  std::optional<std::string> Backend;
  std::optional<std::string> Display;
  std::string Expected;
};

TEST(BackendSelectionTest, TheVariableWinsElseTheDisplayDecides) {
  const TSelectionCase Cases[] = {
      {std::nullopt, std::nullopt, "headless"}, {std::nullopt, ":1", "x11"},  {std::nullopt, "", "headless"},
      {"headless", ":1", "headless"},           {"x11", std::nullopt, "x11"}, {"", ":1", "x11"}};
  for (const TSelectionCase& Case : Cases) {
    TEnvironment Backend("PELLADRIN_BACKEND", Case.Backend);
    TEnvironment Display("DISPLAY", Case.Display);
    EXPECT_EQ(SelectedBackendName(), Case.Expected)
        << Case.Backend.value_or("(unset)") << " / " << Case.Display.value_or("(unset)");
  }
}

TEST(BackendSelectionTest, AnUnknownBackendIsRefused) {
  TEnvironment Backend("PELLADRIN_BACKEND", "wayland");
  EXPECT_THROW(SelectedBackendName(), Exception);
}

TEST(BackendSelectionTest, EachNameMakesItsBackend) {
  EXPECT_EQ(CreateBackend("headless")->Name(), "headless");
  EXPECT_THROW(CreateBackend("wayland"), Exception);
}

TEST(BackendSelectionTest, AnX11BackendWithoutADisplayIsRefusedWithItsName) {
  // No server listens on a display of this number.
  TEnvironment Display("DISPLAY", ":4095");
  try {
    CreateBackend("x11");
    FAIL() << "the x11 backend started without a display";
  } catch (const Exception& AError) {
    EXPECT_EQ(AError.Message(), "Cannot open the X display \":4095\"");
  }
}

}  // namespace
