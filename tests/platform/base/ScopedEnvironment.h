#pragma once
// Sets environment variables for the life of a test and restores them afterwards, so
// that a test pointing XDG_CONFIG_HOME or HOME at its own folder affects no other.

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (auto It = FSaved.rbegin(); It != FSaved.rend(); ++It) {
      if (It->second)
        setenv(It->first.c_str(), It->second->c_str(), 1);
      else
        unsetenv(It->first.c_str());
    }
  }

  void Set(const std::string& AName, const std::string& AValue) {
    Save(AName);
    setenv(AName.c_str(), AValue.c_str(), 1);
  }
  void Unset(const std::string& AName) {
    Save(AName);
    unsetenv(AName.c_str());
  }

 private:
  void Save(const std::string& AName) {
    const char* Old = std::getenv(AName.c_str());
    FSaved.emplace_back(AName, Old ? std::optional<std::string>(Old) : std::nullopt);
  }

  std::vector<std::pair<std::string, std::optional<std::string>>> FSaved;
};
