#include "tests/e2e/HeadlessDemo.h"

#include <memory>

#include "platform/win/HeadlessBackend.h"

namespace e2e {

THeadlessDemo::THeadlessDemo() {
  StartWindowSystem(std::make_unique<THeadlessBackend>());
  FWindows = CreateDemoWindows([this](const std::string& ALine) {
    if (FLogging) FLog.push_back(ALine);
  });
  ProcessPendingMessages();
  FLogging = true;
}

THeadlessDemo::~THeadlessDemo() {
  FLogging = false;
  StopWindowSystem();
}

void THeadlessDemo::Run() { ProcessPendingMessages(); }

}  // namespace e2e
